#pragma once
// TKurs: one weekly lesson joining a teacher, classes, a subject, an optional coupling and
// rooms, with hours per plan version. It owns its placements and keeps every element's course
// list and occupancy grid in step with its links and placements:
//   - a course is in the course list of each element it names, once, and in the school's;
//   - a slot is set in its occupancy grid exactly when it has a placement there, and then in
//     its teacher's, every class's and the placement room's occupancy grids.
// Courses are made by TSchule::ErzeugeKurs and deleted by TSchule::LoescheKurs.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/liste.h"
#include "model/wochbereich.h"

namespace kolvar {

class IMenue;
class TElement;
class TFach;
class TKlasse;
class TKonfliktListe;
class TKopplung;
class TLehrer;
class TPlanElement;
class TRaum;
class TSchule;
class TSetzung;
class TVertretung;

class TKurs {
 public:
  ~TKurs();
  TKurs(const TKurs&) = delete;
  TKurs& operator=(const TKurs&) = delete;

  TSchule& Schule() const { return *schule_; }
  // Creation number: breaks ties of the course order reproducibly.
  uint64_t Erstellnummer() const { return erstellnummer_; }

  // --- Links (two-way; each marks the school modified and refreshes the course's views) ---
  // Links the elements (each may be nullptr), takes the settings' defaults and puts the course
  // into every list. Called once, by TSchule::ErzeugeKurs.
  void Initialisiere(TLehrer* l, TKlasse* k, TKopplung* ko, TFach* f, TRaum* r, int32_t stunden);
  TLehrer* Lehrer() const { return lehrer_; }
  void SetzeLehrer(TLehrer* l);
  void LoeseLehrer();
  const TListe<TKlasse>& Klassen() const { return klassen_; }
  void FuegeKlasseHinzu(TKlasse* k);
  void EntferneKlasse(TKlasse* k);
  TKopplung* Kopplung() const { return kopplung_; }
  void SetzeKopplung(TKopplung* ko);
  void LoeseKopplung();
  TFach* Fach() const { return fach_; }
  void SetzeFach(TFach* f);
  void LoeseFach();
  const TListe<TRaum>& Raeume() const { return raeume_; }
  const TListe<TRaum>& SpaeterRaeume() const { return spaeterRaeume_; }
  // Appends the room once; with spaeter also to the rooms added in the plans.
  void FuegeRaumHinzu(TRaum* r, bool spaeter);
  // Takes the room off every placement, out of both room lists and the room's course list.
  void EntferneRaum(TRaum* r);
  // Rooms a and b (1-based) change places in the room list: the first is the one offered first.
  void TauscheRaumFolge(int a, int b);

  // --- Plain options (each marks the school modified) ---
  const std::string& Info() const { return info_; }
  void SetzeInfo(std::string_view text);  // at most 21 characters
  // Weekly hours (lessons) per plan version, with the version rule.
  int32_t Stunden(int v) const { return stunden_.Stunden(v); }
  const TWochenStunden& StundenTabelle() const { return stunden_; }
  void SetzeStunden(int v, int32_t wert);  // keeps the course lists sorted
  int Einzelstunden() const { return einzelstunden_; }
  void SetzeEinzelstunden(int n);
  int StundenProTag() const { return stundenProTag_; }
  void SetzeStundenProTag(int n);
  int Tabelle() const { return tabelle_; }
  void SetzeTabelle(int n);
  int32_t Faktor() const { return faktor_; }
  void SetFaktor(int32_t f);
  bool NichtVerplanen() const { return nvp_; }
  void SetzeNichtVerplanen(bool an);
  bool NichtZaehlenLehrer() const { return nzl_; }
  void SetzeNichtZaehlenLehrer(bool an);
  bool NichtZaehlenKlassen() const { return nzk_; }
  void SetzeNichtZaehlenKlassen(bool an);
  uint32_t Farbe() const { return farbe_; }
  void SetzeFarbe(uint32_t farbe);
  int32_t Prioritaet() const { return prioritaet_; }
  void SetzePrioritaet(int32_t p) { prioritaet_ = p; }
  int32_t Schluessel1() const { return schluessel1_; }
  int32_t Schluessel2() const { return schluessel2_; }

  // --- Grids ---
  TWochBereich& Sperrung() { return sperrung_; }
  const TWochBereich& Sperrung() const { return sperrung_; }
  const TWochBereich& Belegung() const { return belegung_; }
  // Scratch grid of the free-slot search and the plan views' marks.
  TWochBereich& Ergebnis() { return ergebnis_; }
  const TWochBereich& Ergebnis() const { return ergebnis_; }

  // --- Placements ---
  const TListe<TSetzung>& Setzungen() const { return setzungen_; }
  // Places one hour; nothing (nullptr) for a "nicht verplanen" course, without open hours in
  // v, for a slot out of range or one the course already holds.
  TSetzung* Setze(int v, int d, TRaum* r, int p);
  // Adds a placement as stored (import, undo, plan tools): only range and duplicate checks.
  TSetzung* NeueSetzung(int v, int d, int p, TRaum* r, bool fixiert);
  // Removes one placement and frees it.
  void EntferneSetzung(TSetzung* s);
  // Removes the hour at the slot (version rule); with mitKopplung for every course of the coupling.
  void EntferneStunde(int v, int d, int p, bool mitKopplung);
  void EntferneAlleSetzungen();
  // A hint before removing s soon: asks memory for the counts its removal changes and for its
  // first record.
  void HoleVor(const TSetzung* s) const;
  // Gives the placement a room / takes it off, keeping the room grids in step.
  void SetzeRaum(TSetzung* s, TRaum* r);
  void LoeseRaum(TSetzung* s);
  // Placed hours over the school days (version rule, 0 = sum) and the hours still open.
  int GesetzteStunden(int v) const;
  int OffeneStunden(int v) const;

  // --- Queries ---
  TSetzung* FindeSetzung(int v, int d, int p) const;
  // Whether FindeSetzung finds one, from the course's exact grid alone.
  bool HatSetzung(int v, int d, int p) const {
    const TWoElem* w = gesetzt_.Woche(v);
    return w != nullptr && w->Stunde(d, p);
  }
  // Whether the course has a placement on the day in version v, from the same grid.
  bool HatSetzungAmTag(int v, int d) const {
    const TWoElem* w = gesetzt_.Woche(v);
    return w != nullptr && w->Tag(d) != 0;
  }
  // How many versions have a placement of the course at the slot (day, period): 0 spares a
  // walk through the versions.
  int SetzungenImSlot(int d, int p) const;
  // f(setzung, version) for each placement at the slot (day, period) in versions von..bis, in
  // version order: the index keeps a slot's versions together, and the counts per slot before
  // it say where they begin.
  template <typename F>
  void JeSetzungImSlot(int d, int p, int von, int bis, F f) const {
    von = std::max(von, 0);
    bis = std::min(bis, kMaxVersionen);
    if (d < 1 || d > kTage || p < 1 || p > kStunden || von > bis) return;
    const std::size_t erste = SlotAnfang(d, p);
    const int basis = SlotSchluessel(0, d, p), ende = basis + bis;
    auto it = nachSlot_.begin() + static_cast<std::ptrdiff_t>(std::min(erste, nachSlot_.size()));
    // A placement outside the week would shift the run: then the slot is searched for.
    if (it == nachSlot_.end() || it->schluessel < basis ||
        (it != nachSlot_.begin() && (it - 1)->schluessel >= basis))
      it = SlotStelle(basis);
    for (; it != nachSlot_.end() && it->schluessel <= ende; ++it)
      if (it->schluessel >= basis + von) f(it->setzung, it->schluessel - basis);
  }
  // Hints before working on many courses in turn: HoleKursVor asks memory for the course's own
  // members a placement's change reads (links, lists, grids, counts per slot), HoleSlotVor (once
  // those are there) for the start of the slot's run in the index.
  void HoleKursVor() const {
    __builtin_prefetch(&schule_);
    __builtin_prefetch(&klassen_);
    __builtin_prefetch(&setzungen_);
    __builtin_prefetch(&belegung_);
    __builtin_prefetch(&gesetzt_);
    __builtin_prefetch(&nachSlot_);
    __builtin_prefetch(&jeSlot_);
    __builtin_prefetch(reinterpret_cast<const char*>(&jeSlot_) + sizeof(jeSlot_) - 1);
  }
  void HoleSlotVor(int d, int p) const {
    if (d < 1 || d > kTage || p < 1 || p > kStunden) return;
    const std::size_t erste = SlotAnfang(d, p);
    if (erste < nachSlot_.size()) __builtin_prefetch(nachSlot_.data() + erste);
  }
  // False while an hour of the course has its occupancy switched off (being dragged); it may
  // stay false afterwards, which only costs a look at the grid.
  bool AlleStundenBelegt() const { return ausgeschaltet_ == 0; }
  // The slot index holds exactly the placements, in slot order, each under its own slot's key.
  bool SlotIndexStimmt() const;
  bool HatNegativeStunden() const;
  void NegativeStundenNull();
  bool IstGesperrt(int v, int d, int p, const TRaum* r) const;
  bool IstFixiert(int v, int d, int p) const;
  bool RaumVerplant(const TRaum* r) const;
  TRaum* HaeufigsterRaum() const;
  // Puts E, G, K or L at each placed period of the day (current version) into the pattern.
  std::string TagesMuster(int d, std::string muster) const;
  // Lessons the course gives from day von to day bis (inclusive), days for which istFrei
  // holds left out: 0 with "nzl"; a "nvp" course its weekly hours of each week's version.
  int32_t StundenImZeitraum(int32_t von, int32_t bis, const std::function<bool(int32_t)>& istFrei) const;
  // False without classes; else every class other than the excepted one is absent then.
  bool KlassenAbwesend(int32_t datum, int p, const TKlasse* ausser) const;
  void UebernimmSperrung(const TWochBereich& vorlage);
  void LoeseSperrungen(int v, int d, int p, TRaum* r);
  void StempleAenderung(TRaum* r);
  // The follow-up record of this lesson's hour at the date and slot of the given record, which
  // the substitute gives up; linked both ways and put into both lists.
  TVertretung* ErzeugeStattVertretung(TVertretung* r);

  // --- Texts ---
  std::string Text(const TKlasse* klasse = nullptr) const;
  std::string KurzText() const;
  // With d = 0 (no slot) or no placement there, the first room.
  std::string TextMitRaum(int v, int d, int p) const;
  std::string TextMitHauptraum() const;
  std::string VersionsText(int v, int d, int p, const TKlasse* klasse, bool mitInfo) const;
  std::string StundenText(int v, int d, int p, int seite, bool mitInfo) const;
  // Cell parts: 0 teacher, 1 first class, 2 coupling, 3 subject, 4 room of the hour.
  std::string ZellenText(int v, int d, int p, int teil1, int teil2, int teil3) const;

  // --- Change notifications ---
  void KursGeaendert() const;
  void SetzungenGeaendert() const;
  void KursEingefuegt() const;

  // --- Menu entries ---
  void StundenMenueEintraege(IMenue& menue);
  void FaktorMenueEintraege(IMenue& menue);
  void KlassenMenueEintraege(IMenue& menue);
  void RaumMenueEintraege(IMenue& menue);
  void KopplungsMenueEintraege(IMenue& menue, bool mitInfo) const;
  void KopplungsMenueEintraegeAnStunde(IMenue& menue, int d, int p, bool mitInfo) const;
  // The coupling's lessons placed in version v at the slot, with their hours and rooms there:
  // a substitution's hour belongs to the version of its week, whichever version is shown.
  void KopplungsMenueEintraegeInVersion(IMenue& menue, int v, int d, int p, bool mitInfo) const;
  void StundenMenueClick(int k);
  void FaktorMenueClick(int32_t f);
  void KlasseMenueClick(TKlasse* k);
  void RaumMenueClick(TRaum* r);
  // Asks "Kurs ist verplant" when placed; true when the course has no placements afterwards.
  bool FrageVerplant();
  // Asks "Kurs im Raumplan" when placements use the room; true when none uses it afterwards.
  bool FrageRaumEntfernen(TRaum* r);

  void BerechneSortierSchluessel();

  // --- Planning engine (defined in engine/setzen.cpp, konflikte.cpp, freiestunden.cpp,
  // automat.cpp; the menus in ansicht/kursmenues.cpp). Version arguments follow the version
  // rule; slots are day, period. ---
  // Moves the hour (unfixed at the target); a version where the target is held already is left.
  void Verschiebe(int zuTag, int zuStunde, bool mitKopplung, int vonTag, int vonStunde);
  void VerschiebeMitRaum(int zuTag, int zuStunde, TRaum* r, bool mitKopplung, int vonTag, int vonStunde);
  // Switches the hour's occupancy bits off while it is dragged (and on again); the placements stay.
  void SchalteBelegung(int v, int d, int p, bool mitKopplung, bool an);
  TRaum* RaumAnStunde(int v, int d, int p) const;
  void LoeseRaumAnStunde(int v, int d, int p);
  // Conflicts at the target, with their highest severity. The course's own hour there reports
  // as kind 0 (refusing): it is never offered for displacement.
  int SammleKonflikte(int zuTag, int zuStunde, const TKurs* ausser, const TKopplung* ko,
                      TKonfliktListe& liste, int vonTag, int vonStunde) const;
  int SammleKonflikteMitRaum(int zuTag, int zuStunde, TRaum* r, const TKurs* ausser, const TKopplung* ko,
                             TKonfliktListe& liste, int vonTag, int vonStunde) const;
  int SammleSperrgruende(int d, int p, TRaum* r, TKonfliktListe& liste) const;
  void SammleRaumKonflikte(int d, int p, TKonfliktListe& liste) const;
  // Checked moves and placing: refuse ("Setzungsverbot") or ask ("Verdrängen") and displace;
  // hours are removed only when no question was cancelled. True: the caller may go ahead.
  bool PruefeVerschieben(int zuTag, int zuStunde, bool mitKopplung, TKonfliktListe& liste, int vonStunde,
                         int vonTag);
  bool PruefeVerschiebenMitRaum(int zuTag, int zuStunde, TRaum* r, bool mitKopplung, TKonfliktListe& liste,
                                int vonStunde, int vonTag);
  bool PruefeSetzenMitRaum(int d, int p, TRaum* r, bool mitKopplung, TKonfliktListe& liste);
  bool PruefeKonfliktliste(int d, int p, TKonfliktListe& liste);
  bool KannSetzen(int v, int d, const TRaum* r, int p) const;
  bool StundeFrei(int v, int d, const TKopplung* ko, int p) const;
  // Fills the result grid with the slots the course (or its whole coupling) cannot take, in the
  // versions the version rule covers (the other versions' weeks are left as they were).
  void BerechneSperrbereich(bool mitKopplung);
  // The automatic run's rating from the result grid, hours and coupling (only while it is 0).
  void BerechnePrioritaet();
  // How many placements the course has in version v (1..N), without walking them.
  int SetzungenInVersion(int v) const;
  TRaum* FindeFreienRaum(int v, int d, int p) const;
  void VereinheitlicheRaeume();
  void ZeigeMoeglicheStunden(const TRaum* r);
  bool SetzMenuePruefeVersion(int v, int d, int p) const;
  // The placing item of an empty cell. In a room plan (raumplan given) it places with that
  // room; elsewhere its sub-items are SetzMenueRaeume's "ohne Raum" and one per room.
  void BaueSetzMenue(IMenue& menue, int d, int p, TRaum* raumplan);
  void SetzMenueRaeume(IMenue& unter, int d, int p);
  void SetzeMenueClick(int d, int p, TRaum* r);
  // Rooms for the marked cells (day, period) of the active plan, and the choice of one.
  void BaueRaumMenue(IMenue& menue, const std::vector<std::pair<int, int>>& zellen);
  void RaumMenueWahl(TRaum* r, const std::vector<std::pair<int, int>>& zellen);
  // Items of the course's hour at the slot (per version; only hours in raum when given; per
  // class in a class plan); a click hands course and class to waehle (the class plan's choice).
  void BelegungMenueEintraege(IMenue& menue, int d, int p, const TRaum* raum, int seite, bool mitInfo,
                              const std::function<void(TKurs*, TKlasse*)>& waehle);
  void TauscheRaumAnStunde(TRaum* r, int v, int d, int p);
  void TauscheRaeume(TKurs* anderer, int v, int d, int p);
  void WechsleRaum(TRaum* r, int v, int d, int p);

 private:
  void SammleVersion(int v, int d, int p, const TRaum* r, const TKurs* ausser, const TKopplung* ko,
                     TKonfliktListe& liste, int& schwere) const;
  bool DialogSchritt(int d, int p, TKonfliktListe& liste, bool manuell);
  struct TKopplungsRaeume;
  // raeume: the coupling's rooms of this rating, shared by its members (nullptr: made here).
  void EigenerSperrbereich(TKopplungsRaeume* raeume);
  // --- end of the planning engine ---

 private:
  friend class TSchule;
  friend class TPruefung;  // the consistency check rebuilds the occupancy from the placements
  friend class TLeser;
  friend class TPlanLoescher;  // deleting plans tells the windows once per course
  TKurs(TSchule& schule, uint64_t erstellnummer);
  // Reading a file: the course appended to every list it belongs to, without notices; the
  // reader orders all course lists once when every course is read (TSchule::OrdneKurseNeu).
  static TKurs* ErzeugeUngeordnet(TSchule& schule, TLehrer* l, const std::vector<TKlasse*>& klassen,
                                  TKopplung* ko, TFach* f);
  void HaengeRaumAn(TRaum* r, bool spaeter);
  // Reading a file: a placement as stored, behind the others, with nothing counted, booked or
  // stamped (nullptr at a slot out of range or held already); OrdneGeleseneSetzungen puts them
  // by slot once the lesson's placements are read.
  TSetzung* HaengeSetzungAn(int v, int d, int p, TRaum* r, bool fixiert);
  void OrdneGeleseneSetzungen();
  void UebernimmVorgaben();

  // Puts the course into / takes it out of every list it belongs to.
  void Einsortieren(TElement* e);
  void Aussortieren(TElement* e);
  // After a key change: every list that holds the course gets it at its sorted place again.
  void Umsortieren();
  // The element's occupancy bit alone (a drag switches it); counts stay.
  void SetzeBit(TPlanElement* e, int v, int d, int p, bool an);
  // One placement of the course more or fewer for the element at the slot (count and bit).
  static void Belege(TPlanElement* e, int v, int d, int p);
  static void GibFrei(TPlanElement* e, int v, int d, int p);
  // melden false: the caller tells the windows once for many placements of the course.
  void EntferneSetzungIntern(TSetzung* s, bool merken, bool melden = true);
  void LehrerLehrtFach();
  // Takes the room off the placement: counts, grids, stamps; no records, no notices.
  void LoeseRaumIntern(TSetzung* s);
  void Geaendert() const;

  TSchule* schule_;
  uint64_t erstellnummer_;
  std::string info_;
  TLehrer* lehrer_ = nullptr;
  TListe<TKlasse> klassen_;
  TKopplung* kopplung_ = nullptr;
  TFach* fach_ = nullptr;
  TListe<TRaum> raeume_;
  TListe<TRaum> spaeterRaeume_;
  TWochenStunden stunden_;
  TListe<TSetzung> setzungen_;
  int einzelstunden_ = 0;
  int stundenProTag_ = 1;
  int tabelle_ = 1;
  int32_t faktor_ = 1;
  bool nvp_ = false;
  bool nzl_ = false;
  bool nzk_ = false;
  TWochBereich sperrung_;
  TWochBereich belegung_;
  // Exactly the slots of the placements (belegung_ is switched off while an hour is dragged),
  // and the placements ordered by slot (day, period, version).
  TWochBereich gesetzt_;
  // With each placement its slot's key, so that a search reads no placement.
  struct TSlotEintrag {
    int schluessel;
    TSetzung* setzung;
  };
  std::vector<TSlotEintrag> nachSlot_;
  std::vector<TSlotEintrag>::const_iterator SlotStelle(int schluessel) const;
  // The order of a course's placements by slot: day, period, version.
  static int SlotSchluessel(int v, int d, int p) {
    return (d * (kStunden + 1) + p) * (kMaxVersionen + 1) + v;
  }
  // Placements per slot (day, period) over all versions.
  std::array<uint16_t, kTage * kStunden> jeSlot_{};
  // Hours switched off by SchalteBelegung, at least: none means belegung_ covers every placement.
  int ausgeschaltet_ = 0;
  static std::size_t SlotIndex(int d, int p) { return static_cast<std::size_t>((d - 1) * kStunden + p - 1); }
  // Where the slot's run begins in the index: the placements of every slot before it (d, p valid).
  std::size_t SlotAnfang(int d, int p) const {
    std::size_t erste = 0;
    for (std::size_t i = 0, slot = SlotIndex(d, p); i < slot; ++i) erste += jeSlot_[i];
    return erste;
  }
  void Verzeichne(TSetzung* s);
  // The placement's entry in the index; end() when it is not there.
  std::vector<TSlotEintrag>::const_iterator IndexStelle(const TSetzung* s) const;
  // The placement is one of this course's.
  bool Gehoert(const TSetzung* s) const;
  TWochBereich ergebnis_;
  int32_t schluessel1_ = 0;
  int32_t schluessel2_ = 0;
  int32_t prioritaet_ = 0;
  uint32_t farbe_ = 0xFFFFFF;
};

// Course order: key 1, key 2, then creation number; never 0 for two courses.
int VergleicheKurse(const TKurs* a, const TKurs* b);
// Class course lists: with "nks" by subject first (no subject first), else VergleicheKurse.
int VergleicheKurseNachOrdnung(const TKurs* a, const TKurs* b);

}  // namespace kolvar
