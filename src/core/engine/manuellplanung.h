#pragma once
// TManuellPlanung: what the manual planning window decides, without widgets. It keeps its own
// list of the courses being placed (the courses belong to the school), the current course with
// its chosen room and shown coupling, and per slot the reasons why the current course cannot go
// there. Placing and moving go through the course engine and its checks.

#include <array>
#include <string>
#include <vector>

#include "engine/konfliktliste.h"
#include "model/fensterplatz.h"
#include "model/imenue.h"
#include "model/wochbereich.h"

namespace kolvar {

class TElement;
class TKopplung;
class TKurs;
class TRaum;
class TSchule;

// One sign at the bottom of a cell, left to right.
enum class TZeichenForm : uint8_t { Quadrat, Kreis, Kreuz };
struct TZeichen {
  TZeichenForm Form;
  bool Gefuellt;  // filled (the other course is coupled) or light grey with an outline
  bool operator==(const TZeichen&) const = default;
};

// What a body cell draws beside its lesson.
struct TZellBild {
  bool AktBalken = false;        // a lesson of the current course: green bar
  bool KopplungsBalken = false;  // a lesson of the shown coupling: grey bar with green outline
  bool Schraffur = false;        // an empty cell locked for the current course
  std::vector<TZeichen> Zeichen;
};

// What the manual window's layout depends on: the settings, the widest period label, the
// screen's free area and the palette's frame.
struct TManuellMasse {
  int Pma = 0;           // "pma": 0 "1", 1 "2 hoch", 2 "2 quer", 3 "3 hoch", 4 "3 quer", 5 "4"
  int Tage = 5;          // "mtn"
  int Stunden = 8;       // "pst"
  int ZeilenHoehe = 18;  // one text line of the plan font
  int MaxBreite = 30;    // the widest abbreviation (TStandard::GetPlnMaxBreite)
  int StundenBreite = 30;
  bool Neb = false, Mra = false;
  bool Gruende = true;  // off: no mark strip under the rows
  int Pas = 0;          // the palette's layout
  TRechteck Palette;
  TRechteck Bildschirm;
  // Where the window's frame stands once it is on the screen: a new layout keeps it there, and
  // with PaletteFreilassen moves a title bar that lies under the palette down below it.
  bool HatOrt = false;
  TPunkt Ort;
  bool PaletteFreilassen = false;
};

// Where the window, its left box and its panels go. Window sizes are of the frame; panels and the
// box are inside the window.
struct TManuellGeometrie {
  int Spalten = 1, Zeilen = 1;  // of panels
  int PanelBreite = 0, PanelHoehe = 0;
  TRechteck Fenster;
  TRechteck Box;
  std::vector<TRechteck> Panels;
  // The panel label's left edge inside its panel.
  int LabelLinks() const { return PanelBreite / 2 - 20; }
};

TManuellGeometrie ManuellGeometrie(const TManuellMasse& m);

// The courses a selection hands to the manual planning: each once, in order, without those
// that are not to be placed.
std::vector<TKurs*> ManuellKurse(const std::vector<TKurs*>& auswahl);

class TManuellPlanung {
 public:
  explicit TManuellPlanung(TSchule& schule) : schule_(schule) {}

  TSchule& Schule() const { return schule_; }

  // Takes a copy of the list (each course once) and makes its first course current.
  void MitKursliste(const std::vector<TKurs*>& kurse, bool ohneGruende);
  const std::vector<TKurs*>& Kurse() const { return kurse_; }
  TKurs* AktKurs() const { return akt_; }
  // Makes the course current (appended when absent): its room and coupling become the chosen
  // ones and the reasons are collected again. False when it was current already.
  bool SetzeAktKurs(TKurs* kurs);
  void NimmKursAuf(TKurs* kurs);
  // Drops a course that goes away; the first remaining one becomes current when it was.
  // True when the list is empty afterwards.
  bool EntferneKurs(TKurs* kurs);
  // The next course after the current one (wrapping) with open hours; nullptr when none.
  TKurs* NaechsterOffenerKurs() const;
  // The course before or after the current one (wrapping). With nurOffene the courses whose
  // placed hours in the current version reach their hours there are passed over; when every
  // other one is, the current one.
  TKurs* Nachbar(bool vorwaerts, bool nurOffene) const;
  // Some course of the list still has open hours (closing asks then).
  bool HatOffeneStunden() const;

  TRaum* Raum() const { return raum_; }
  void SetzeRaum(TRaum* r);
  TKopplung* GezeigteKopplung() const { return kopplung_; }
  void ZeigeKopplung(bool an);
  bool KopplungsModus() const { return kopplungsModus_; }
  void SetzeKopplungsModus(bool an) { kopplungsModus_ = an; }
  bool OhneGruende() const { return ohneGruende_; }
  // An element that goes away is no longer the chosen room or the shown coupling; the reasons,
  // which may name it, are collected again.
  void VergissElement(const TElement* e);

  // Collects the reasons of every slot of the school days and shown periods.
  void SperrgruendeErmitteln();
  // The reasons of a slot; empty outside 1..7 x 1..16.
  const TKonfliktListe& Gruende(int d, int p) const;
  // The menu text of a reason found at the slot.
  std::string GrundText(const TKonflikt& k, int d, int p) const;
  // What the cell with this lesson (or none) draws at the slot.
  TZellBild Bild(int d, int p, const TKurs* zellKurs) const;

  // The course pop-up: value, hours and text, "<...>" when complete, the current one checked;
  // an entry makes its course current.
  std::vector<TMenueEintrag> KursMenueAufbauen();

  // Places the current course at the slot in the versions of the rule, after the checks
  // (the slot's reasons, or a fresh check with reasons off). True when it was placed.
  bool Setze(int d, int p);
  // Moves the current course's hour; then the next course with open hours becomes current.
  // True when it moved.
  bool Verschiebe(int vonTag, int vonStunde, int zuTag, int zuStunde);
  // After placing in Schieben: when the current course is complete, the next open one.
  void WeiterWennVoll();

 private:
  void Versionen(int& von, int& bis) const;

  TSchule& schule_;
  std::vector<TKurs*> kurse_;
  TKurs* akt_ = nullptr;
  TRaum* raum_ = nullptr;
  TKopplung* kopplung_ = nullptr;
  bool kopplungsModus_ = false;
  bool ohneGruende_ = false;
  std::array<TKonfliktListe, kTage * kStunden> gruende_;
};

}  // namespace kolvar
