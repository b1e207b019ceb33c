#pragma once
// The temporary file a save writes before it renames it over the target. It lies beside the
// target, so the rename stays within one file system, and is named after this machine and this
// process, ".kolvar-<machine>-<pid>-<n>.tmp": one that a save killed half-way left behind is told
// by its process no longer running, and the next save into the folder removes it.

#include <filesystem>
#include <string>

namespace kolvar {

// A new, empty temporary file in the folder, open for writing as fd. When none can be made,
// TDateiFehler "kann nicht erstellt werden" for the file being saved.
std::filesystem::path LegeTemporaerAn(const std::filesystem::path& ordner, const std::filesystem::path& datei,
                                      int& fd);

// Removes the temporary files of saves on this machine whose process has ended. Nothing else
// goes: no other program's file, none of a running process, none of another machine (a shared
// folder), nothing but plain files. What cannot be removed stays; the save goes on regardless.
void RaeumeVerwaisteAuf(const std::filesystem::path& ordner);

// The name of the temporary file number n of that process on this machine.
std::string TemporaerName(long pid, int n);

}  // namespace kolvar
