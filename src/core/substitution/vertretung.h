#pragma once
// TVertretung: one substituted hour - one placement of one lesson on one date whose teacher
// (kind 0) or room (kind 4) is absent. It says who substitutes, in which room, whether the hour
// is needed or dropped ("frei"), whether it counts on the substitute's two hour accounts, and
// how it is linked to a moved lesson ("verlegt auf" / "statt").
//
// Ownership: a placement owns its records (they go with it, and a record's "statt" follow-up
// goes with the record); the school's list holds every record too, in the order of "vsa", and
// frees them all when the school goes. A record is in both lists or in neither. Taking a record
// away is Vernichte (or Loesche for the user's deletion); the destructor frees memory only.
//
// Hour accounts (V-Std 1 and 2 of TLehrer) change together by the lesson's factor and only here.
// What a record holds on them:
//   - needed, with a substitute and "Anrechnen": the substitute holds +value;
//   - not needed, kind 0, "Anrechnen": the lesson's teacher holds +value, the give-back of the
//     class-absence charge while he is absent himself; the record returns it when it goes.
// Besides, a lesson all of whose classes are absent charges its teacher -value for each such
// placement and date, for as long as both exist (abwesenheit.cpp). A lesson placed later is
// charged as entering the absence would have charged it, and gets the records of the standing
// teacher and room absences of today and later; a placement that goes gives all of this back,
// except that a counted substitute keeps his credit for a day before today (that hour was given).
// A changed factor books the difference on everything its lesson holds. So every account is its
// start, plus the credits kept that way, plus what the records and charges hold now.

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "model/liste.h"

namespace kolvar {

class IFenster;
class IMenue;
class TElement;
class TKlasse;
class TKurs;
class TLehrer;
class TPlanElement;
class TRaum;
class TSchule;
class TSetzung;
class TStandard;
class TStatt;

// Kinds of a record: the element-kind codes of the absent teacher or room.
namespace VertrArt {
constexpr uint8_t Lehrer = 0;
constexpr uint8_t Raum = 4;
}  // namespace VertrArt

class TVertretung final {
 public:
  explicit TVertretung(TSchule& schule);
  ~TVertretung();  // frees the "statt" options; Vernichte does the unlinking
  TVertretung(const TVertretung&) = delete;
  TVertretung& operator=(const TVertretung&) = delete;
  // A record lives in its school's pool: new (schule) TVertretung(schule).
  static void* operator new(std::size_t n, TSchule& schule);
  static void operator delete(void* p, TSchule& schule) noexcept;
  static void operator delete(TVertretung* v, std::destroying_delete_t) noexcept;

  TSchule& Schule() const { return *schule_; }

  // --- Plain setters: no checks, no account changes ---
  int32_t Datum() const { return datum_; }
  void SetDatum(int32_t datum) { datum_ = datum; }
  TKurs* Kurs() const { return kurs_; }
  void SetKurs(TKurs* k) { kurs_ = k; }
  TSetzung* Setzung() const { return setzung_; }
  void SetSetzung(TSetzung* s) { setzung_ = s; }
  TLehrer* Vertreter() const { return vertreter_; }
  void SetVertreter(TLehrer* l) { vertreter_ = l; }
  TRaum* Ersatzraum() const { return ersatzraum_; }
  void SetErsatzraum(TRaum* r) { ersatzraum_ = r; }
  const std::string& LehrerBem() const { return lehrerBem_; }
  void SetLehrerBem(std::string text);  // cut to 61 characters
  const std::string& SchuelerBem() const { return schuelerBem_; }
  void SetSchuelerBem(std::string text);  // cut to 61 characters
  uint8_t Art() const { return art_; }
  void SetArt(uint8_t art) { art_ = art; }
  bool Frei() const { return frei_; }
  void SetFrei(bool an) { frei_ = an; }
  bool Noetig() const { return noetig_; }
  void SetNoetig(bool an) { noetig_ = an; }
  bool Anrechnen() const { return anrechnen_; }
  void SetAnrechnen(bool an) { anrechnen_ = an; }
  TVertretung* VerlegtAuf() const { return verlegtAuf_; }
  void SetVerlegtAuf(TVertretung* v) { verlegtAuf_ = v; }
  TVertretung* Statt() const { return statt_; }
  void SetStatt(TVertretung* v) { statt_ = v; }
  // File numbers, used only while saving and loading (own number = 1-based position in the
  // school list; 0 = no link).
  int VerlegtAufNr() const { return verlegtAufNr_; }
  void SetVerlegtAufNr(int n) { verlegtAufNr_ = n; }
  int StattNr() const { return stattNr_; }
  void SetStattNr(int n) { stattNr_ = n; }
  int Nummer() const { return nummer_; }
  // Grows with every record made; the last key of the orders.
  uint64_t Folge() const { return folge_; }
  void SetNummer(int n) { nummer_ = n; }
  // The open substitute-teacher or substitute-room window editing this record.
  IFenster* WahlForm() const { return wahlForm_; }
  void SetWahlForm(IFenster* f) { wahlForm_ = f; }
  // The options last offered in the "statt" menu, owned.
  const TListe<TStatt>& StattOptionen() const { return stattOptionen_; }

  // The lesson's factor: what the record moves on the accounts.
  int32_t Wert() const;
  // The placement's period (0 without placement).
  int Stunde() const;
  // The record's teacher "is absent" for the accounts: a kind-0 record that is not a follow-up.
  bool IstEigeneVertretung() const { return art_ == VertrArt::Lehrer && !verlegtAuf_; }

  // --- The two lists ---
  // Appends to the placement's list and inserts into the school list by the order of "vsa".
  void FuegeEin();
  // The file reader: appends to both lists in file order.
  void HaengeAn();
  // The file reader, all at once: the records to their placements' lists in file order (a
  // placement's records come together) and to the school list in the order given.
  static void HaengeAn(const std::vector<TVertretung*>& dateiFolge,
                       const std::vector<TVertretung*>& schulFolge);
  // Takes the record away, as its end in the data: closes its choice window, clears the
  // "verlegt auf" record's link, takes away its follow-up, leaves both lists, takes what it
  // holds off the accounts (a counted substitute's value, a not-needed record's give-back),
  // rebuilds the day list of its date, and frees it.
  static void Vernichte(TVertretung* v);
  // The user's deletion (day list, calendar): Vernichte, and the school is marked modified.
  static void Loesche(TVertretung* v);
  // Expiry: frees the record and its follow-up without touching any account (history stays).
  static void Verfalle(TVertretung* v);

  // --- Operations ---
  // New records of a placement on a date: its teacher's absence (with the give-back while the
  // lesson drops), its room's absence (none when one is there already).
  static void FuerFehlendenLehrer(TLehrer& lehrer, TSetzung& s, int32_t datum);
  static void FuerFehlendenRaum(TSetzung& s, int32_t datum);
  // Chooses a substitute: plainly (option nullptr), with the warnings "Lehrer fehlt", or by a
  // "statt" option (the substitute gives this hour instead of his own lesson on the option's
  // date). False when a warning was answered "Nein" or the record is not needed (unchanged).
  bool SetzeVertreter(TLehrer* s, const TStatt* option = nullptr);
  // Chooses a substitute room, with the warnings "Raum ist besetzt". False when answered "Nein".
  // Taking back the room's own absence may take this record away with it; then the result is
  // false and the record must not be touched any more.
  bool SetzeErsatzraum(TRaum* r);
  // All classes absent / present again.
  void SetzeUnnoetig();
  void SetzeNoetig();
  // Both remarks from the links, "frei" and the substitute room.
  void BildeBemerkung();
  // Adds the value to both accounts of the lesson's teacher (file reader, expiry).
  void RechneStundenAn();
  // today + 0.5 - date > "vtm" days.
  bool IstVeraltet(int32_t heute) const;

  // The choice windows' buttons.
  void MacheFrei();                // "Frei"
  void LoescheVertreter();         // "Löschen" of the teacher choice
  void AendereAnrechnen(bool an);  // the "Anrechnen" box
  void LoescheErsatzraum();        // "Löschen" of the room choice; the lists repaint

  // --- Pop-ups (the GUI shows them; each action is the click handler) ---
  // The "statt" options of a teacher for this record (dates within 89 days either way).
  void BildeStattListe(TLehrer* t, IMenue& menue);
  // One item per other record of the same placement with a substitute.
  void BaueWieAmMenu(IMenue& menue);
  // The rooms usable as substitute room, in columns.
  void BaueRaumMenu(IMenue& menue);
  // The non-empty remarks.
  void BaueBemMenu(IMenue& menue) const;
  void StattMenuClick(const TStatt* option);
  void WieAmMenuClick(TLehrer* l);
  void RaumMenuClick(TRaum* r);

  // --- Deletion of elements and placements ---
  // Before an element is deleted: its absences are taken back, and it stops being a substitute,
  // substitute room or "statt" teacher of any record.
  static void ElementWirdGeloescht(TSchule& schule, TElement* e);
  // Frees every record and absence without side effects (the school goes as a whole).
  static void FreigebenAlle(TSchule& schule);

 private:
  friend class TSetzung;
  friend class TKurs;
  friend class TLehrer;
  friend class TKlasse;
  friend class TRaum;
  friend class TVertrVorschlag;

  // Leaves both lists (no accounts, no windows).
  void Ausklinken();
  // Frees the follow-up (recursively) and clears the link.
  void VernichteStatt();
  // Clears the substitute; a counted, needed record first takes the value off him.
  void EntferneVertreter();
  void LeereOptionen();
  void Melde() const;  // school modified; choice window and day list refreshed
  // What a record's end does to the accounts: everything it holds goes back; nothing (expiry);
  // or, when its lesson goes, a counted substitute keeps his credit for a day before today.
  enum class TKonten { Zurueck, Bleiben, VergangeneBleiben };
  static void Ende(TVertretung* v, TKonten konten);

  TSchule* schule_;
  int32_t datum_ = 0;
  TKurs* kurs_ = nullptr;
  TSetzung* setzung_ = nullptr;
  TLehrer* vertreter_ = nullptr;
  TRaum* ersatzraum_ = nullptr;
  std::string lehrerBem_;
  std::string schuelerBem_;
  uint8_t art_ = VertrArt::Lehrer;
  bool frei_ = false;
  bool noetig_ = true;
  bool anrechnen_ = false;
  TVertretung* verlegtAuf_ = nullptr;
  TVertretung* statt_ = nullptr;
  int verlegtAufNr_ = 0;
  int stattNr_ = 0;
  int nummer_ = 0;
  uint64_t folge_;
  uint64_t wartend_ = 0;  // its number while it waits to join the school's list
  IFenster* wahlForm_ = nullptr;
  TListe<TStatt> stattOptionen_;
  bool* waechter_ = nullptr;  // set to false when the record goes while an operation watches it
};

// Adds the value to (or, negative, takes it off) both accounts of a teacher; nothing without one.
void BucheVStd(TLehrer* l, int32_t wert);

// Texts: the date ("ddd, d. mmm") and period label; the lesson and the placement's room. With
// relativ, parts equal to those of the linked record are left out.
std::string VertrZeitText(const TVertretung& r, bool relativ);
std::string VertrKursText(const TVertretung& r, bool relativ);
// "Mo, 3. Mrz": the short date of the substitution texts.
std::string VertrDatumText(int32_t datum);
// The period label of the version and period; empty outside the table.
std::string PeriodenText(const TStandard& st, int version, int stunde);

// The four orders of the school list (compare(new, existing): -1 or 1, 0 only for the record
// itself), all first by date and kind: 0 classes, 1 absent teacher or room, 2 substitute,
// 3 period; the order in which the records were made decides last.
int VergleicheVertrNachKlassen(const TVertretung* neu, const TVertretung* alt);
int VergleicheVertrNachFehlenden(const TVertretung* neu, const TVertretung* alt);
int VergleicheVertrNachVertretern(const TVertretung* neu, const TVertretung* alt);
int VergleicheVertrNachStunden(const TVertretung* neu, const TVertretung* alt);
using TVertrVergleich = int (*)(const TVertretung*, const TVertretung*);
// The comparator of a "vsa" value (out of range: 0).
TVertrVergleich VertrVergleich(int vsa);
// The record's place in the order of "vsa" as numbers: two keys compare as the comparator
// compares their records.
using TVertrSchluessel = std::array<int64_t, 7>;
TVertrSchluessel VertrSchluessel(const TVertretung* v, int vsa);
// Sorts by the order of "vsa", each record's key computed once.
void SortiereNachSchluessel(std::vector<TVertretung*>& liste, int vsa);
// Sorts the whole school list again by the current "vsa": every record is inserted anew in the
// list's present order.
void SortiereVertretungen(TSchule& schule);
// The records of the date, in the school list's order, from the index kept with the list.
const std::vector<TVertretung*>& VertretungenAm(const TSchule& schule, int32_t datum);

// Expiry after loading: frees every outdated record without changing any account.
void EntferneVeralteteVertretungen(TSchule& schule);
// After the calendar changed: deletes (as the user does) every record whose date's week has
// another plan version than its placement, or that falls on a free day or a day beyond "mtn".
void EntferneUnpassendeVertretungen(TSchule& schule);

}  // namespace kolvar
