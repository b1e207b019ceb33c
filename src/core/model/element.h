#pragma once
// Master-data elements: the common base TElement, TPlanElement (an element with a timetable)
// and TSollElement (a plan element with target hours).
//
// An element's course list is kept by the courses' link operations only (TKurs is a friend);
// deleting an element is TSchule::LoescheElement, which unlinks it first. Destructors only
// free memory.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/liste.h"
#include "model/wochbereich.h"

namespace kolvar {

class IFenster;
class TFach;
class TFehl;
class TKurs;
class TRaum;
class TSchule;
class TSetzung;

// Element kinds in list order; the numbers are those of the data file and the absence kinds.
enum class TElementArt { Lehrer = 0, Klasse = 1, Kopplung = 2, Fach = 3, Raum = 4, UVTab = 5 };

// Sides of the hour sums: teacher side, class side, both.
namespace Seite {
constexpr int Lehrer = 0;
constexpr int Klasse = 1;
constexpr int Alle = 3;
}  // namespace Seite

class TElement {
 public:
  explicit TElement(TSchule& schule);
  virtual ~TElement();
  TElement(const TElement&) = delete;
  TElement& operator=(const TElement&) = delete;

  virtual TElementArt Art() const = 0;
  TSchule& Schule() const { return *schule_; }

  const std::string& Kuerzel() const { return kuerzel_; }
  void SetzeKuerzel(std::string_view text);  // at most 7 characters
  const std::string& Name() const { return name_; }
  void SetzeName(std::string_view text);  // at most 21 characters

  // 1-based position in the school list; key of the element comparators.
  int Nummer() const { return nummer_; }
  void SetzeNummer(int n) { nummer_ = n; }
  int LadeNummer() const { return ladeNummer_; }
  void SetzeLadeNummer(int n) { ladeNummer_ = n; }

  // Open master-data editor and workload (or table) window; the school's window registration
  // sets and clears them.
  IFenster* GrForm() const { return formen_[0]; }
  IFenster* DepForm() const { return formen_[1]; }

  // The courses that refer to this element, in course order.
  const TListe<TKurs>& Kurse() const { return kurse_; }

  // Its windows and statistics row rebuild (at the end of the running action); marks the
  // school modified.
  void Aktualisiere();
  // Its windows show their values anew; marks the school modified.
  void ZeigeWerte();

  // "Ist" hours of the element's courses (units of 1/dvs hour for the weighted sum).
  int32_t IstEinfach(int v, bool einzeln, int seite) const;
  int32_t IstGewichtet(int v, bool einzeln, int seite) const;
  int32_t NichtGezaehlteStunden(int v, int seite) const;
  int32_t NichtVerplanteStunden(int v) const;
  int32_t StundenMitLehrer(int v) const;
  bool HatVerplanteKurse() const;
  // First course with a placement at the slot (a room counts only placements in itself).
  TKurs* KursAn(int v, int d, int p) const;
  // That course's placement; with nurUnfixiert the first unfixed one.
  TSetzung* SetzungAn(int v, int d, int p, bool nurUnfixiert = false) const;

 protected:
  friend class TKurs;
  friend class TSchule;
  friend class TPruefung;  // the consistency check restores missing course links

  // Takes the element out of its courses and kind-specific links before TSchule frees it
  // (TSchule clears the links every kind shares).
  virtual void Loese() {}
  // Whether a placement of one of the element's courses is the element's (a room: in itself).
  virtual bool ZaehltSetzung(const TSetzung& /*s*/) const { return true; }
  // False when no placement of the element can be at the slot in versions von..bis: a plan
  // element answers from its per-slot counts, so a free slot costs no walk over its courses.
  virtual bool KannSetzungHaben(int /*von*/, int /*bis*/, int /*d*/, int /*p*/) const { return true; }
  // The statistics row of the element's kind is refilled, when that window is open.
  void FuelleStatistikZeile() const;
  // The windows in the element's slots (master data, workload or table, plan), by TFensterSlot - 1.
  std::array<IFenster*, 3> formen_{};
  TListe<TKurs>& KurseIntern() { return kurse_; }

 private:
  int32_t Ist(int v, bool einzeln, int seite, bool gewichtet) const;

  TSchule* schule_;
  std::string kuerzel_;
  std::string name_;
  TListe<TKurs> kurse_;
  int nummer_ = 0;
  int ladeNummer_ = 0;
};

class TPlanElement : public TElement {
 public:
  explicit TPlanElement(TSchule& schule);
  ~TPlanElement() override;

  // Lock grid: slots the element is blocked.
  TWochBereich& Sperrung() { return sperrung_; }
  const TWochBereich& Sperrung() const { return sperrung_; }
  // Occupancy: slots where a course of the element is placed; kept by the course's placements.
  const TWochBereich& Belegung() const { return belegung_; }
  // How many placements are the element's at the slot of a concrete version: those of its
  // courses, for a room those in itself. Kept by the course's placement and link operations.
  int SetzungenAn(int v, int d, int p) const;
  // Asks memory early for what a placement's change at the slot reads and writes: the count
  // SetzungenAn reads, the version's occupancy and lock weeks, the absences' dates (a hint only;
  // clearing or moving many placements).
  void HoleZaehlerVor(int v, int d, int p) const;

  IFenster* PlnForm() const { return formen_[2]; }

  // Last change of the element's plan (seconds from 30.12.1899).
  int64_t Datum() const { return datum_; }
  void SetzeDatum(int64_t zeit);  // marks the school modified
  void StempleDatum(int64_t zeit) { datum_ = zeit; }

  // The courses whose own occupancy has the slot (a new list; the caller keeps nothing else).
  TListe<TKurs> KurseAn(int v, int d, int p) const;
  // 16 letters F S E G K L U of one day.
  std::string Tagesmuster(int v, int d) const;
  int Springstunden() const;
  // True when an absence record of this element has the date and the period.
  bool FehltAm(int32_t datum, int p) const;
  // The element's absence records (owned by the school's list of its kind), in no order.
  const std::vector<TFehl*>& Fehlzeiten() const { return fehlzeiten_; }
  // The absences whose date falls on the weekday (1 Monday .. 7), in the order of Fehlzeiten():
  // a lesson's slot asks only its own day's absences.
  const std::vector<const TFehl*>& FehlzeitenAmWochentag(int wochentag) const;
  // Their dates, index by index: a search by date reads no record.
  const std::vector<int32_t>& FehlDatenAmWochentag(int wochentag) const;
  // Whether one of those dates lies in a week of plan version v: in a school of many versions
  // most lessons' slots have none, and their dates need no look.
  bool FehltInVersionAmWochentag(int wochentag, int v) const;
  // Adds the dates on which an absence of the element covers the slot (day, period) in a week of
  // version v, in the order of Fehlzeiten(); reads no record.
  void FehlDatenImSlot(int v, int d, int p, std::vector<int32_t>& tage) const;
  // The template locks every slot where the element is not occupied; marks the school modified.
  void UebernimmSperrung(const TWochBereich& vorlage);
  // After a placement change: the plan and the editor's lock grid repaint.
  void AktualisierePlan() const;

  // Absence at a period of a date and its return; substitution records come with the
  // substitution planning, which overrides these.
  virtual void SetzeFehlt(int /*p*/, int32_t /*datum*/) {}
  virtual void HebeFehltAuf(int /*p*/, int32_t /*datum*/) {}

  // Resizes both grids to n versions.
  virtual void SetzeVersionen(int n);

 protected:
  friend class TKurs;
  friend class TPruefung;
  friend class TLeser;  // counts a file's placements in one pass when every lesson is read
  TWochBereich& BelegungIntern() { return belegung_; }
  void Loese() override;
  bool KannSetzungHaben(int von, int bis, int d, int p) const override;
  // One placement more or fewer at the slot; the occupancy bit follows the count.
  void ZaehleSetzung(int v, int d, int p, int schritt);
  // Counts and occupancy rebuilt from scratch by whoever recounts every placement.
  void LeereZaehler();

 private:
  friend class TFehl;
  void VergissFehlzeit(const TFehl* f);
  void NimmFehlzeit(TFehl* f);
  // Takes the absence out of its weekday's list (rein false) or files it by its new date.
  void VerlegeFehlzeit(const TFehl* f, bool rein);
  // An absence's periods changed: what is kept beside the dates is made again.
  void FehlStundenGeaendert();

  TWochBereich sperrung_;
  TWochBereich belegung_;
  // Per slot (day, period) and version, made for every version at the first placement. A room
  // counts every placement in itself: an hour may use a room its course does not list.
  std::size_t ZaehlerIndex(int v, int d, int p) const;
  void LegeZaehlerUm(int versionen);
  std::vector<uint16_t> anzahl_;
  int zaehlerVersionen_ = 0;
  int64_t datum_ = 0;
  std::vector<TFehl*> fehlzeiten_;
  std::array<std::vector<const TFehl*>, 7> nachWochentag_;
  // Made with the first absence: most elements have none, and the members the placing reads
  // stay as close together as before. Beside the dates, per weekday the versions of their weeks
  // (bit v - 1) and per date its week's version (high half) with the absent periods (low half),
  // made for the school's week table, version count and periods of the stand kept.
  struct TFehlDaten {
    std::array<std::vector<int32_t>, 7> daten;
    std::array<uint64_t, 7> versionen{};
    std::array<std::vector<uint32_t>, 7> slotArt;
    uint64_t wochenStand = 0;
    int versionenZahl = 0;
  };
  mutable std::unique_ptr<TFehlDaten> fehlDaten_;
  std::vector<int32_t>& DatenAm(std::size_t w);
  // The block with its versions and periods made for today's stand; nullptr without absences.
  const TFehlDaten* FehlDatenAktuell() const;
};

class TSollElement : public TPlanElement {
 public:
  explicit TSollElement(TSchule& schule);

  // Target hours with the version rule (0 = sum), in units of 1/dvs hour.
  int32_t Soll(int v) const { return soll_.Stunden(v); }
  const TWochenStunden& SollTabelle() const { return soll_; }
  // Clamped to 0..200 hours, written with the version rule.
  void SetzeSoll(int v, int32_t wert);
  // The current version when acting on it only, else every version one by one.
  void UebernimmSoll(int32_t wert);
  // New target of version -1 := target of the current version + delta.
  void AendereSoll(int32_t delta);

  // Caption of the subject pop-ups: "[a ]-[b ]-[c ]  " + abbreviation.
  std::string FachStundenText(const TFach* fach, int seite) const;
  // Moves the element's room in its courses from alt to neu (before the room field changes).
  void VerschiebeRaumInKursen(TRaum* alt, TRaum* neu);
  // Whether any placement of any of its courses, in any version, has no room.
  bool HatSetzungOhneRaum() const;

  void SetzeVersionen(int n) override;

 protected:
  // Coupled courses count one by one in the Ist of the subject menus (a class's "Einzeln").
  virtual bool ZaehltEinzeln() const { return false; }
  TWochenStunden& SollIntern() { return soll_; }

 private:
  TWochenStunden soll_;
};

// Element comparators by Nummer.
int VergleicheElemente(const TElement* a, const TElement* b);
inline int VergleicheLehrer(const TElement* a, const TElement* b) {
  return VergleicheElemente(a, b);
}
inline int VergleicheKlassen(const TElement* a, const TElement* b) {
  return VergleicheElemente(a, b);
}
inline int VergleicheFaecher(const TElement* a, const TElement* b) {
  return VergleicheElemente(a, b);
}
inline int VergleicheRaeume(const TElement* a, const TElement* b) {
  return VergleicheElemente(a, b);
}

}  // namespace kolvar
