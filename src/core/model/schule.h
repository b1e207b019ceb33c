#pragma once
// TSchule: the open school. It owns every element, course, absence record, undo step and the
// parallel-coupling table, keeps the week table of plan versions, the open windows, the tool
// mode and the modified flag. It reaches the settings object given at construction.
//
// Deleting an element or a course is LoescheElement / LoescheKurs: the object is unlinked from
// everything that refers to it first, then freed. The destructor frees everything and asks
// nothing (saving is the GUI's business before the school is replaced).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/aenderungen.h"
#include "model/blockpool.h"
#include "model/fensterart.h"
#include "model/liste.h"
#include "model/text.h"
#include "model/wochbereich.h"

namespace kolvar {

class IDialoge;
class IFenster;
class IManuellFenster;
class IPaletteZustand;
class TElement;
class TFach;
class TFehl;
class TKlasse;
class TKopplung;
class TKurs;
class TLehrer;
class TParListe;
class TPlanElement;
class TRaum;
class TStandard;
class TUndoElement;
class TUVTab;
class TVertretung;
class Uhr;

enum class TElementArt;

// Tool modes.
namespace Modus {
constexpr int Zeigen = 0, Setzen = 1, Loeschen = 2, Schieben = 3, Fixieren = 4;
}  // namespace Modus

constexpr int kWochen = 888;
constexpr int32_t kErsterSchulMontag = 34330;  // Monday 27.12.1993
inline constexpr const char* kOhneTitel = "Ohne Titel";

// The platform services the school calls; any left null gets a quiet stand-in (questions are
// answered "Nein", the clock is the system clock).
struct TUmgebung {
  IDialoge* Dialoge = nullptr;
  IPaletteZustand* Palette = nullptr;
  const Uhr* Zeit = nullptr;
};

class TSchule {
 public:
  explicit TSchule(TStandard& standard, TUmgebung umgebung = {});
  ~TSchule();
  TSchule(const TSchule&) = delete;
  TSchule& operator=(const TSchule&) = delete;

  TStandard& Standard() const { return *standard_; }
  IDialoge& Dialoge() const { return *dialoge_; }
  IPaletteZustand& Palette() const { return *palette_; }
  const Uhr& Zeit() const { return *uhr_; }

  // --- Title and file ---
  const std::string& Titel() const { return titel_; }
  void SetzeTitel(std::string_view titel);  // at most 255 characters
  // Full path of the school's file; empty when it has none yet ("Sichern" then asks for one).
  const std::string& Pfad() const { return pfad_; }
  void SetzePfad(std::string pfad) { pfad_ = std::move(pfad); }
  bool HatDatei() const { return !pfad_.empty(); }

  uint8_t Ansichtsgruppe() const { return ansichtsgruppe_; }
  void SetzeAnsichtsgruppe(uint8_t g) { ansichtsgruppe_ = g; }
  uint8_t Werkzeugmodus() const { return modus_; }
  // Stores the mode, tells the manual planning window (Setzen, Schieben) and sets the cursors.
  void SetzeModus(uint8_t modus);
  void SetzeCursor();

  bool Geaendert() const { return geaendert_; }
  // Every change of data calls this with true; enables "Sichern" exactly when set.
  void SetzeGeaendert(bool an);

  // --- Lists ---
  const TListe<TKurs>& Kurse() const { return kurse_; }
  const TListe<TLehrer>& Lehrer() const { return lehrer_; }
  const TListe<TKlasse>& Klassen() const { return klassen_; }
  const TListe<TKopplung>& Kopplungen() const { return kopplungen_; }
  const TListe<TFach>& Faecher() const { return faecher_; }
  const TListe<TRaum>& Raeume() const { return raeume_; }
  const TListe<TUVTab>& UVTabellen() const { return uvTabellen_; }
  // Absence records, owned; the substitution planning adds and removes them.
  TListe<TFehl>& LehrerFehlen() { return lehrerFehlen_; }
  TListe<TFehl>& KlassenFehlen() { return klassenFehlen_; }
  TListe<TFehl>& RaumFehlen() { return raumFehlen_; }
  const TListe<TFehl>& LehrerFehlen() const { return lehrerFehlen_; }
  const TListe<TFehl>& KlassenFehlen() const { return klassenFehlen_; }
  const TListe<TFehl>& RaumFehlen() const { return raumFehlen_; }
  // The absence list an element's records live in; nullptr for kinds that are never absent.
  const TListe<TFehl>* FehlListe(const TPlanElement& e) const;
  // Where the school's placements and records live (see blockpool.h).
  TBlockPool& SetzungsPool() { return setzungsPool_; }
  TBlockPool& VertretungsPool() { return vertretungsPool_; }
  TParListe& ParListe() { return *parListe_; }
  const TParListe& ParListe() const { return *parListe_; }
  // Substitution records (not owned here: each belongs to its placement); filled by the
  // substitution planning.
  TListe<TVertretung>& Vertretungen() {
    RaeumeVertretungenAuf();
    return vertretungen_;
  }
  const TListe<TVertretung>& Vertretungen() const {
    RaeumeVertretungenAuf();
    return vertretungen_;
  }
  // A record leaves the school list, which is ordered by ordnung. It goes at the list's next
  // use, all that left meanwhile in one pass: clearing a large plan ends tens of thousands of
  // records, and moving the list's items once per record made that quadratic. Its place is
  // looked up now, while it is alive; the items waiting to go are never looked at again (their
  // records may be freed before the list is next used).
  using TVertretungsOrdnung = int (*)(const TVertretung*, const TVertretung*);
  // wartend: what FuegeVertretungEin returned for it (0 for a record appended otherwise).
  void NimmVertretungHeraus(const TVertretung* v, TVertretungsOrdnung ordnung, uint64_t wartend = 0);
  // Puts the record into the list at its place by ordnung (after equal ones). It, too, joins
  // at the list's next use, all new ones in one merge: the automatic run and the swap make
  // thousands of records, and moving the list's items for each made that quadratic. Returns
  // its number among those waiting: while it waits, taking it out again is that number alone.
  uint64_t FuegeVertretungEin(TVertretung* v, TVertretungsOrdnung ordnung);
  // The records by date, each date's in the list's order; the substitution planning fills it
  // and builds it anew only when the list's stand moved on.
  struct TVertretungsIndex {
    uint64_t Stand = UINT64_MAX;
    std::unordered_map<int32_t, std::vector<TVertretung*>> NachDatum;
  };
  TVertretungsIndex& VertretungsIndex() const { return vertretungsIndex_; }

  // --- Elements ---
  // New element appended to its list, Nummer and load number = the new count.
  TLehrer* NeuerLehrer(std::string_view kuerzel);
  TKlasse* NeueKlasse(std::string_view kuerzel);
  TKopplung* NeueKopplung(std::string_view kuerzel);
  TFach* NeuesFach(std::string_view kuerzel);
  TRaum* NeuerRaum(std::string_view kuerzel);
  TUVTab* NeueUVTab(std::string_view kuerzel);
  TElement* NeuesElement(TElementArt art, std::string_view kuerzel);
  // The school's list of one element kind, in list order.
  std::vector<TElement*> Elemente(TElementArt art) const;
  // The element whose abbreviation equals the text cut to 7 characters; nullptr when none.
  template <typename T>
  static T* SucheKuerzel(const TListe<T>& liste, std::string_view text);
  // Find or create.
  TLehrer* LehrerMitKuerzel(std::string_view text);
  TKlasse* KlasseMitKuerzel(std::string_view text);
  TFach* FachMitKuerzel(std::string_view text);
  TKopplung* KopplungMitKuerzel(std::string_view text);
  TRaum* RaumMitKuerzel(std::string_view text);
  // Unlinks the element from everything, closes its windows, frees it and renumbers its list.
  void LoescheElement(TElement* e);
  // After a list was reordered: Nummer := position, course keys and course lists follow.
  void NummeriereNeu(TElementArt art);
  // Moves the element to another place in its list (1-based) and renumbers.
  void VerschiebeElement(TElement* e, int position);
  // Recomputes every course's sort keys and sorts every course list again (after a change of
  // element numbers, of the hours of many courses, or of the settings' course order).
  void OrdneKurseNeu();

  // --- Courses ---
  // A new course, initialised and put into every list.
  TKurs* ErzeugeKurs(TLehrer* l, TKlasse* k, TKopplung* ko, TFach* f, TRaum* r, int32_t stunden);
  // A course without teacher, classes, rooms, subject and coupling, with the default hours.
  TKurs* NeuerFreierKurs();
  // A new course for the element of the active window; nullptr for other window kinds.
  TKurs* NeuerKurs();
  // In the active table or workload window: its own deletion of the selected courses.
  void LoescheMarkierteKurse();
  // Unlinks the course from everything (placements, elements, undo steps, windows) and frees it.
  void LoescheKurs(TKurs* k);

  // --- Plan versions and the week table ---
  bool HatSetzungenUeber(int n) const;
  // Raises the school days ("mtn") and the periods the plans show ("pst") to the last day and
  // period that hold a placement, so that no placed hour lies outside every plan. True when a
  // setting changed.
  bool ZeigeAlleSetzungen();
  // The same, given the last day and period that hold a placement (the file reader knows them).
  bool ZeigeSetzungenBis(int tag, int stunde);
  void ErweiterePlanversionen(int n);
  // Asks before deleting placed hours; false when the user said no or n < 1 (nothing changed).
  bool LoeschePlanversionen(int n);
  // Week k = 1..888 counted from the week of 27.12.1993.
  uint8_t WochenVersion(int k) const;
  void SetzeWochenVersion(int k, uint8_t version);
  const std::array<uint8_t, kWochen>& WochenTabelle() const { return wochen_; }
  void SetzeWochenTabelle(const std::array<uint8_t, kWochen>& tabelle) {
    wochen_ = tabelle;
    ++wochenStand_;
  }
  // Grows with every change of the week table (never 0): what is made from it is current
  // while the stand it was made at is.
  uint64_t WochenStand() const { return wochenStand_; }
  // Plan version of the week of a date; the table repeats every 888 weeks.
  int VersionDerWoche(int32_t datum) const;
  // The two school-wide grids of the data file.
  TWochBereich& SchulRaster1() { return raster1_; }
  TWochBereich& SchulRaster2() { return raster2_; }
  const TWochBereich& SchulRaster1() const { return raster1_; }
  const TWochBereich& SchulRaster2() const { return raster2_; }

  // --- Windows ---
  IFenster* AktivesFenster() const { return aktiv_; }
  void SetzeAktivesFenster(IFenster* f) { aktiv_ = f; }
  // Lists the window and puts it into the slot its kind fills (kind table): its element's
  // master-data, workload or plan slot, or the school's single slot of the kind.
  void MeldeFensterAn(IFenster* f);
  // A registered window shows another element now: the slot moves with it.
  void BindeFenster(IFenster* f, TElement* e);
  // Takes it off the list and out of every slot that holds it (active, element, single).
  void MeldeFensterAb(IFenster* f);
  // A snapshot: windows may close or register while the caller walks it.
  std::vector<IFenster*> Fenster() const;
  // Any window open: without one there is no one to tell of a change.
  bool HatFenster() const { return !fenster_.empty(); }
  bool IstAngemeldet(const IFenster* f) const;
  // The open window of a single-window kind, or nullptr.
  IFenster* EinzelFenster(int art) const;
  IManuellFenster* ManuellFenster() const;
  // Every open window rebuilds, once the running action ends.
  void AktualisiereAlleFenster();

  // --- Change notices ---
  // One user action: what the engine records while any is open reaches the windows once, when
  // the outermost ends. Recorded outside an action, a change is delivered at once.
  class TAktion {
   public:
    explicit TAktion(TSchule& schule) : schule_(schule) { schule_.BeginneAktion(); }
    ~TAktion() { schule_.BeendeAktion(); }
    TAktion(const TAktion&) = delete;
    TAktion& operator=(const TAktion&) = delete;

   private:
    TSchule& schule_;
  };
  // Held while a modal dialog that edits the school stays open: the actions around it wait,
  // so that each of the dialog's own steps (an action of its own, or a single change) reaches
  // the windows when it is done rather than when the dialog closes.
  class TPause {
   public:
    explicit TPause(TSchule& schule) : schule_(schule), tiefe_(std::exchange(schule.tiefe_, 0)) {}
    ~TPause() { schule_.tiefe_ += tiefe_; }
    TPause(const TPause&) = delete;
    TPause& operator=(const TPause&) = delete;

   private:
    TSchule& schule_;
    int tiefe_;
  };
  // The pair TAktion calls, for a caller that cannot hold the school for the whole action (a
  // command that may replace it). Ending more actions than were begun does nothing.
  void BeginneAktion() { ++tiefe_; }
  void BeendeAktion() {
    if (tiefe_ > 0 && --tiefe_ == 0) StelleZu();
  }
  // The changes not yet delivered.
  const TAenderungen& OffeneAenderungen() const { return aenderungen_; }
  void MerkeElement(const TElement* e, uint8_t was);
  void MerkeKurs(const TKurs* k, uint8_t was);
  void MerkeArt(int art, uint8_t was);
  void MerkeFenster(const IFenster* f, uint8_t was);
  void MerkeVertretungsTag(int32_t datum);

  // --- School-wide swap of two slots (defined in engine/tausch.cpp); the versions are the
  // current one, or every version when acting on all ---
  // A course at one slot is locked at the other (with its placement's room) or fixed where it is.
  bool TauschKonflikt(int d1, int p1, int d2, int p2) const;
  // Every hour at slot 1 goes to slot 2 and back, with its room, unfixed; the locks of its
  // teacher, classes and room at the new slot are lifted. Every hour comes back, also of a course
  // that is not to be placed; the same slot twice changes nothing. The caller asks TauschKonflikt
  // first.
  void TauscheStunden(int d1, int p1, int d2, int p2);
  // The rows of "Tauschkonflikte": "gesperrt " / "fixiert " + the course's version text.
  std::vector<std::string> TauschKonflikte(int dA, int pA, int dB, int pB) const;

  // --- Undo steps of manual planning ---
  const TListe<TUndoElement>& UndoSchritte() const { return undo_; }
  // Replays the steps from the last to the first, freeing each.
  void Widerrufe();
  void VerwerfeUndo();

 private:
  friend class TUndoElement;
  friend class TKurs;
  friend class TElement;

  template <typename T>
  T* Haenge(TListe<T>& liste, T* e, std::string_view kuerzel);
  // Calls f with the school's list of that element kind.
  template <typename F>
  decltype(auto) MitListe(TElementArt art, F&& f);
  template <typename F>
  decltype(auto) MitListe(TElementArt art, F&& f) const {
    return const_cast<TSchule*>(this)->MitListe(art, [&f](const auto& liste) { return f(liste); });
  }
  void EntferneUndoVon(const TKurs* k);
  void EntferneUndoRaum(const TRaum* r);
  void SchliesseFensterVon(TElement* e);
  void LoescheFehlen(TListe<TFehl>& liste, const TPlanElement* e);
  uint64_t NaechsteKursNummer() { return ++kursNummer_; }

  // First, so they go last: every placement and record is back by then.
  TBlockPool setzungsPool_;
  TBlockPool vertretungsPool_;
  std::unique_ptr<IDialoge> eigeneDialoge_;
  std::unique_ptr<IPaletteZustand> eigenePalette_;
  std::unique_ptr<Uhr> eigeneUhr_;
  TStandard* standard_;
  IDialoge* dialoge_;
  IPaletteZustand* palette_;
  const Uhr* uhr_;

  std::string titel_ = kOhneTitel;
  std::string pfad_;
  uint8_t ansichtsgruppe_ = 0;
  uint8_t modus_ = 0;
  TListe<TKurs> kurse_;
  TListe<TLehrer> lehrer_;
  TListe<TKlasse> klassen_;
  TListe<TKopplung> kopplungen_;
  TListe<TFach> faecher_;
  TListe<TRaum> raeume_;
  TListe<TUVTab> uvTabellen_;
  TListe<TFehl> lehrerFehlen_;
  TListe<TFehl> klassenFehlen_;
  TListe<TFehl> raumFehlen_;
  TParListe* parListe_;
  void RaeumeVertretungenAuf() const;
  mutable TListe<TVertretung> vertretungen_;
  // Per item of the list: waiting to go; the indices of those items; the records going that
  // were not looked up (known by address alone).
  mutable std::vector<uint8_t> weg_;
  mutable std::vector<std::size_t> wegStellen_;
  mutable std::vector<const TVertretung*> ungesucht_;
  // Records waiting to join the list, in the order they came (nullptr where one left again),
  // the number of the first of them, and their order.
  mutable std::vector<TVertretung*> neu_;
  mutable uint64_t neuAnfang_ = 1;
  mutable TVertretungsOrdnung neuOrdnung_ = nullptr;
  mutable TVertretungsIndex vertretungsIndex_;
  std::array<uint8_t, kWochen> wochen_;
  uint64_t wochenStand_ = 1;
  TWochBereich raster1_;
  TWochBereich raster2_;
  // An open window, with the kind and element whose slot it took when it registered.
  struct TOffenesFenster {
    IFenster* Fenster;
    int Art;
    TElement* Element;
  };
  void StelleZu();
  void BesetzeSlot(const TOffenesFenster& o, IFenster* wert);

  IFenster* aktiv_ = nullptr;
  std::vector<TOffenesFenster> fenster_;
  std::array<IFenster*, FensterArt::Grenze> einzel_{};
  TAenderungen aenderungen_;
  int tiefe_ = 0;
  bool geaendert_ = false;
  TListe<TUndoElement> undo_;
  uint64_t kursNummer_ = 0;
};

template <typename T>
T* TSchule::SucheKuerzel(const TListe<T>& liste, std::string_view text) {
  const std::string gesucht = KuerzeText(text, kKuerzelLaenge);
  for (T* e : liste)
    if (e->Kuerzel() == gesucht) return e;
  return nullptr;
}

}  // namespace kolvar
