// The paths of the main menu's entries, captions joined by '/'. Every command, enabling rule and
// installer names an entry by one of these; a path the menu does not have is an error.
#pragma once

#include <QString>
#include <array>

namespace kolvar::MenuePfad {

// Top-level menus (the element menus "Le" .. "UV" are built from the school).
inline const QString Datei = QStringLiteral("Datei");
inline const QString Bearbeiten = QStringLiteral("Bearbeiten");
inline const QString Daten = QStringLiteral("Daten");
inline const QString Fenster = QStringLiteral("Fenster");
inline const QString Hilfe = QStringLiteral("Hilfe");
// The folding item that holds every menu in the tool-window layouts.
inline const QString Menu = QStringLiteral("Menu");

inline const QString Neu = QStringLiteral("Datei/Neu");
inline const QString Oeffnen = QStringLiteral("Datei/Öffnen...");
inline const QString DateiSchliessen = QStringLiteral("Datei/Datei schließen");
inline const QString FensterSchliessen = QStringLiteral("Datei/Fenster schließen");
inline const QString Sichern = QStringLiteral("Datei/Sichern");
inline const QString SichernUnter = QStringLiteral("Datei/Sichern unter...");
inline const QString Papierformat = QStringLiteral("Datei/Papierformat...");
inline const QString FensterDrucken = QStringLiteral("Datei/Fenster drucken...");
inline const QString Drucken = QStringLiteral("Datei/Drucken");
inline const QString DruckKuerzel = QStringLiteral("Datei/Drucken/Kürzel...");
inline const QString DruckDeputate = QStringLiteral("Datei/Drucken/Deputate...");
inline const QString DruckPlaene = QStringLiteral("Datei/Drucken/Pläne");
inline const QString DruckLehrerplaene = QStringLiteral("Datei/Drucken/Pläne/Lehrerpläne...");
inline const QString DruckKlassenplaene = QStringLiteral("Datei/Drucken/Pläne/Klassenpläne...");
inline const QString DruckRaumplaene = QStringLiteral("Datei/Drucken/Pläne/Raumpläne...");
inline const QString DruckKopplungsplaene = QStringLiteral("Datei/Drucken/Pläne/Kopplungspläne...");
inline const QString DruckUebersichten = QStringLiteral("Datei/Drucken/Übersichten");
inline const QString DruckUebLehrer = QStringLiteral("Datei/Drucken/Übersichten/Lehrer...");
inline const QString DruckUebKlassen = QStringLiteral("Datei/Drucken/Übersichten/Klassen...");
inline const QString DruckUebRaeume = QStringLiteral("Datei/Drucken/Übersichten/Räume...");
inline const QString DruckUebFaecher = QStringLiteral("Datei/Drucken/Übersichten/Fächer...");
inline const QString DruckUebKombination = QStringLiteral("Datei/Drucken/Übersichten/Kombination...");
inline const QString DruckListen = QStringLiteral("Datei/Drucken/Listen");
inline const QString DruckReststunden = QStringLiteral("Datei/Drucken/Listen/Reststunden...");
inline const QString DruckStundenverteilung = QStringLiteral("Datei/Drucken/Listen/Stundenverteilung...");
inline const QString DruckFachkonferenzen = QStringLiteral("Datei/Drucken/Listen/Fachkonferenzen...");
inline const QString DruckKlassenkonferenzen = QStringLiteral("Datei/Drucken/Listen/Klassenkonferenzen...");
inline const QString DruckVertretung = QStringLiteral("Datei/Drucken/Vertretung");
inline const QString DruckVertretungsplan = QStringLiteral("Datei/Drucken/Vertretung/Vertretungsplan...");
inline const QString DruckVertretungsstunden =
    QStringLiteral("Datei/Drucken/Vertretung/Vertretungsstunden...");
inline const QString DruckVertretungsuebersicht =
    QStringLiteral("Datei/Drucken/Vertretung/Vertretungsübersicht...");
inline const QString Import = QStringLiteral("Datei/Import...");
inline const QString Export = QStringLiteral("Datei/Export");
inline const QString ExportKurse = QStringLiteral("Datei/Export/Kurse...");
inline const QString ExportHtml = QStringLiteral("Datei/Export/HTML-Dateien...");
inline const QString Beenden = QStringLiteral("Datei/Beenden");

inline const QString Widerrufen = QStringLiteral("Bearbeiten/Widerrufen");
inline const QString Ausschneiden = QStringLiteral("Bearbeiten/Ausschneiden");
inline const QString Kopieren = QStringLiteral("Bearbeiten/Kopieren");
inline const QString Einsetzen = QStringLiteral("Bearbeiten/Einsetzen");
// Empties the undo list of the manual planning window.
inline const QString UndoLoeschen = QStringLiteral("Bearbeiten/Löschen");
inline const QString AllesAuswaehlen = QStringLiteral("Bearbeiten/Alles auswählen");
inline const QString Voreinstellungen = QStringLiteral("Bearbeiten/Voreinstellungen");
inline const QString VorEckdaten = QStringLiteral("Bearbeiten/Voreinstellungen/Eckdaten");
inline const QString VorGrunddaten = QStringLiteral("Bearbeiten/Voreinstellungen/Grunddaten");
inline const QString VorDeputate = QStringLiteral("Bearbeiten/Voreinstellungen/Deputate");
inline const QString VorPlaene = QStringLiteral("Bearbeiten/Voreinstellungen/Pläne");
inline const QString VorKurse = QStringLiteral("Bearbeiten/Voreinstellungen/Kurse");
inline const QString VorPlanversionen = QStringLiteral("Bearbeiten/Voreinstellungen/Planversionen");
inline const QString VorKalender = QStringLiteral("Bearbeiten/Voreinstellungen/Kalender");
inline const QString VorZeiten = QStringLiteral("Bearbeiten/Voreinstellungen/Zeiten");
inline const QString VorKennwort = QStringLiteral("Bearbeiten/Voreinstellungen/Kennwort");
inline const QString VorAutomatik = QStringLiteral("Bearbeiten/Voreinstellungen/Automatik");
inline const QString VorVertretung = QStringLiteral("Bearbeiten/Voreinstellungen/Vertretung");
inline const QString VorHtmlFarben = QStringLiteral("Bearbeiten/Voreinstellungen/HTML-Farben");
// The settings pages in menu order (the page index of "Wechseln").
inline const std::array<QString, 12> VoreinstellungsSeiten{
    VorEckdaten, VorGrunddaten, VorDeputate, VorPlaene,    VorKurse,      VorPlanversionen,
    VorKalender, VorZeiten,     VorKennwort, VorAutomatik, VorVertretung, VorHtmlFarben};
inline const QString Werkzeuge = QStringLiteral("Bearbeiten/Werkzeuge");
inline const QString WzGrunddaten = QStringLiteral("Bearbeiten/Werkzeuge/Grunddaten");
inline const QString WzDeputat = QStringLiteral("Bearbeiten/Werkzeuge/Deputat");
inline const QString WzPlan = QStringLiteral("Bearbeiten/Werkzeuge/Plan");
inline const QString WzNeuerKurs = QStringLiteral("Bearbeiten/Werkzeuge/Neuer Kurs");
inline const QString WzKursLoeschen = QStringLiteral("Bearbeiten/Werkzeuge/Kurs löschen");
inline const QString WzZeigen = QStringLiteral("Bearbeiten/Werkzeuge/Zeigen");
inline const QString WzSetzen = QStringLiteral("Bearbeiten/Werkzeuge/Setzen");
inline const QString WzLoeschen = QStringLiteral("Bearbeiten/Werkzeuge/Löschen");
inline const QString WzSchieben = QStringLiteral("Bearbeiten/Werkzeuge/Schieben");
inline const QString WzFixieren = QStringLiteral("Bearbeiten/Werkzeuge/Fixieren");
inline const QString WzManuell = QStringLiteral("Bearbeiten/Werkzeuge/Manuell");
inline const QString WzAutomatik = QStringLiteral("Bearbeiten/Werkzeuge/Automatik");

inline const QString Kuerzel = QStringLiteral("Daten/Kürzel...");
inline const QString Kurse = QStringLiteral("Daten/Kurse");
inline const QString ParalleleKopplungen = QStringLiteral("Daten/Parallele Kopplungen");
inline const QString UVStatistik = QStringLiteral("Daten/UV-Statistik");
inline const QString StatLehrer = QStringLiteral("Daten/UV-Statistik/Lehrer");
inline const QString StatKlassen = QStringLiteral("Daten/UV-Statistik/Klassen");
inline const QString StatKopplungen = QStringLiteral("Daten/UV-Statistik/Kopplungen");
inline const QString StatFaecher = QStringLiteral("Daten/UV-Statistik/Fächer");
inline const QString StatRaeume = QStringLiteral("Daten/UV-Statistik/Räume");
inline const QString StatUVTabellen = QStringLiteral("Daten/UV-Statistik/UV-Tabellen");
inline const QString Plaene = QStringLiteral("Daten/Pläne");
inline const QString PlaeneLoeschen = QStringLiteral("Daten/Pläne/Löschen...");
inline const QString Komprimieren = QStringLiteral("Daten/Pläne/Komprimieren");
inline const QString Stundenverteilung = QStringLiteral("Daten/Pläne/Stundenverteilung");
inline const QString NichtBelegteRaeume = QStringLiteral("Daten/Pläne/nicht belegte Räume");
inline const QString SpaeterEingetrageneRaeume = QStringLiteral("Daten/Pläne/später eingetragene Räume");
inline const QString Vertretung = QStringLiteral("Daten/Vertretung");
inline const QString VertretungHeute = QStringLiteral("Daten/Vertretung/Heute");
inline const QString VertretungMorgen = QStringLiteral("Daten/Vertretung/Morgen");
inline const QString VertretungAndererTag = QStringLiteral("Daten/Vertretung/anderer Tag");
inline const QString Vertretungsstunden = QStringLiteral("Daten/Vertretung/Vertretungsstunden");
inline const QString Vertretungsuebersicht = QStringLiteral("Daten/Vertretung/Vertretungsübersicht");
inline const QString Pruefen = QStringLiteral("Daten/Prüfen");
// The data checks in menu order (0 Konsistenz .. 6 Einzel-/Mehrfachstunden).
inline const std::array<QString, 7> Pruefungen{QStringLiteral("Daten/Prüfen/Konsistenz"),
                                               QStringLiteral("Daten/Prüfen/Brücken"),
                                               QStringLiteral("Daten/Prüfen/fehlende Räume"),
                                               QStringLiteral("Daten/Prüfen/fehlende Stunden"),
                                               QStringLiteral("Daten/Prüfen/Versionsunterschiede"),
                                               QStringLiteral("Daten/Prüfen/gekoppelte Kurse"),
                                               QStringLiteral("Daten/Prüfen/Einzel-/Mehrfachstunden")};
inline const QString PruefVersionen = Pruefungen[4];

inline const QString Anordnung = QStringLiteral("Fenster/Anordnung...");
inline const QString Zwischenablage = QStringLiteral("Fenster/Zwischenablage");

inline const QString Hilfethemen = QStringLiteral("Hilfe/Hilfethemen");
inline const QString Ueber = QStringLiteral("Hilfe/Über WinKolvar...");

}  // namespace kolvar::MenuePfad
