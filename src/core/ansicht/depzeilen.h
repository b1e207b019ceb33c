#pragma once
// TDepZeilen: what a workload view shows: its columns by the settings, and one row of cell
// texts per listed course, in the order of the course list it is given. The filters are the
// shift state recorded when the view was built: open hours only (Ctrl), coupled only (Alt).

#include <cstdint>
#include <string>
#include <vector>

#include "engine/kursfeld.h"

namespace kolvar {

class TKurs;
class TStandard;

struct TDepSpalte {
  TKursFeld Feld;
  const char* Kopf;
  int Breite;  // pixels, from the settings' workload metrics
};

struct TDepFilter {
  bool NurOffen = false;
  bool NurGekoppelt = false;
};

class TDepZeilen {
 public:
  // The seven fixed columns, then "Fkt.", "S/T", "Ez", "Tab" ("mzi"), "Stat." ("mst"), "Info" ("mki").
  static std::vector<TDepSpalte> Spalten(const TStandard& standard);
  // Whether the course gets a row: "mns" and the filters.
  static bool Zeigt(const TKurs& kurs, const TStandard& standard, TDepFilter filter);
  static std::string Zelle(const TKurs& kurs, TKursFeld feld, const TStandard& standard);
  // hours x factor in 1/dvs hours as "Wert" shows it: "vkm","nkm" with the decimal comma of every hour value.
  static std::string WertText(int64_t wert, const TStandard& standard);

  void Fuelle(const std::vector<TKurs*>& kurse, const TStandard& standard, TDepFilter filter);
  const std::vector<TDepSpalte>& SpaltenListe() const { return spalten_; }
  int Anzahl() const { return static_cast<int>(kurse_.size()); }
  // Rows count from 1, as the grid's body does; nullptr outside.
  TKurs* Kurs(int zeile) const;
  const std::vector<TKurs*>& Kurse() const { return kurse_; }
  // The cell texts of a row, one per column; empty outside.
  const std::vector<std::string>& Texte(int zeile) const;
  // The column showing the field, or -1.
  int SpalteVon(TKursFeld feld) const;
  // Refills the rows that hold the course; false when none does.
  bool ZeileAktualisieren(const TKurs* kurs, const TStandard& standard);
  // The course's rows go (it is about to be deleted).
  void Entferne(const TKurs* kurs);

 private:
  std::vector<std::string> ZeileFuellen(const TKurs& kurs, const TStandard& standard) const;

  std::vector<TDepSpalte> spalten_;
  std::vector<TKurs*> kurse_;
  std::vector<std::vector<std::string>> texte_;
};

}  // namespace kolvar
