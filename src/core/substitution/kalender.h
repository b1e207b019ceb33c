#pragma once
// The calendar of plan versions and free days, without a window: working copies of the
// school's week table and the settings' free days, the month shown as six week columns of
// seven days, setting a week's version, marking a range of days free or back to school days,
// and writing both tables back, which deletes the substitutions that no longer fit.
// The tables repeat (WochenIndex), so every month from 1994 to 2039 has its entries.

#include <cstdint>
#include <string>

#include "model/datum.h"

namespace kolvar {

class TSchule;

// "Dezember 2026".
std::string MonatsTitel(int jahr, int monat);

class TKalender {
 public:
  static constexpr int kWochenSpalten = 6;  // columns 1..6
  static constexpr int kErsteTagZeile = 2;  // rows 2..8: Monday..Sunday

  // Copies both tables and shows the month of today.
  explicit TKalender(const TSchule& schule);

  int Jahr() const { return jahr_; }
  int Monat() const { return monat_; }
  // Kept within January of the first to December of the last planning year.
  void ZeigeMonat(int jahr, int monat);
  // One month back (-1) or forward (1).
  void Blaettere(int schritt);

  // The Monday of a week column.
  int32_t Montag(int spalte) const;
  // The version of a week column in the working copy (an entry outside 1..versions counts as 1).
  int Version(int spalte) const;
  int Kalenderwoche(int spalte) const;
  // A day cell's date, 0 when the cell is not a day of the shown month.
  int32_t Datum(int spalte, int zeile) const;
  // A day cell's text as a number: the day of the month, negative when free, 0 for no day.
  int Tag(int spalte, int zeile) const;
  bool IstFrei(int32_t datum) const;

  void SetzeVersion(int spalte, int version);
  // The day cells of the rectangle become free when the start cell is a school day, school days
  // when it is free; nothing when the start cell is no day. False when nothing changed.
  bool MarkiereBereich(int spalte1, int zeile1, int spalte2, int zeile2);

  const TWochenTabelle& Wochen() const { return wochen_; }
  const TWochenTabelle& FreieTage() const { return frei_; }
  // "Ok": both tables go back, the substitutions that no longer fit are deleted (with what
  // they held on the accounts) and the school is marked modified.
  void Uebernimm(TSchule& schule) const;

 private:
  TWochenTabelle wochen_;
  TWochenTabelle frei_;
  int versionen_;
  int jahr_ = kErstesJahr;
  int monat_ = 1;
};

}  // namespace kolvar
