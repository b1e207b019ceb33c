// "Export" > "Kurse..." and "HTML-Dateien...": each asks for its target, remembers the folder and
// shows its export window. The menu "Export" itself stays disabled: no export format exists, so
// the commands are reached only through their entries' commands (as tests do).
#pragma once

namespace kolvar {

class IInstallation;

// The course export: "Exportieren als", then "Exportieren" shown and closed; "ipf" := folder.
void KurseClick(IInstallation& inst);
// The web export: "Exportieren in den Ordner", then "Exportieren in HTML-Dateien"; "hpf" := folder.
void HTMLDateienClick(IInstallation& inst);

void InstalliereExport(IInstallation& inst);

}  // namespace kolvar
