#pragma once
// The window kinds ("Tag" of a child window), one row per kind: the element list it walks, the
// view group it belongs to, the slot an open window of the kind fills, and how the palette
// follows it while it is the active window. Everything that asks about a kind reads this table.

#include <cstdint>
#include <optional>
#include <span>

namespace kolvar {

enum class TElementArt;

namespace FensterArt {
constexpr int Palette = 1;
constexpr int LePln = 9, KlPln = 10, RaPln = 11;
constexpr int UV = 12, Zwischen = 14, Fehler = 15;
constexpr int LeDep = 16, KlDep = 17, KoDep = 18, FaDep = 19, RaDep = 20, KursDep = 21;
constexpr int Par = 22;
constexpr int LeGr = 61, KlGr = 62, KoGr = 63, FaGr = 64, RaGr = 65, UVGr = 66;
constexpr int Kurs = 67, Manuell = 68, Vertr = 69, SV = 71;
constexpr int LeStat = 72, KlStat = 73, FaStat = 74, KoStat = 75, RaStat = 76, UVStat = 77;
constexpr int VLeWahl = 80, VRaWahl = 81, VStat = 82;
// Kinds are small numbers; every slot table is indexed by them.
constexpr int Grenze = 100;
}  // namespace FensterArt

// The slot an open window of a kind fills: one of its element's three, or the school's single
// slot of the kind (opening such a window again brings the open one to the front).
enum class TFensterSlot : uint8_t { Keiner, Grunddaten, Deputat, Plan, Einzel };

// The palette's buttons and entries while a window of the kind is active.
struct TFreigabe {
  bool Alles = false;  // "Alles auswählen"
  bool Pfeile = false;
  bool Setz = false, Loesch = false, Schieb = false, Fix = false;
  bool NeueUE = false, UELoesch = false, Manuell = false, Automat = false;
  bool ManuellEintrag = true;  // the "Werkzeuge" entry follows the button unless cleared
  unsigned Rueckfall = 0;      // tool modes (bit 1 << mode) that fall back to "Zeigen"
  bool Cursor = true;          // without a fall-back the windows' cursors are refreshed
};

// The family of forms a kind belongs to.
enum class TFamilie : uint8_t { Keine, Plan, Deputat, Grunddaten, Statistik, Wahl };

// What a window reopened from the saved list takes back of its saved size when smaller.
enum class TGroessenRueckgabe : uint8_t { Keine, Hoehe, BreiteUndHoehe };

struct TFensterArtInfo {
  int Tag = 0;
  const char* Form = "";
  std::optional<TElementArt> Liste;  // the element list an element window walks
  int Gruppe = -1;                   // view group the palette sets; -1 leaves it
  TFensterSlot Slot = TFensterSlot::Keiner;
  TFreigabe Freigabe;
  TFamilie Familie = TFamilie::Keine;
  bool BehaeltPlatz = false;  // "Anordnung" leaves it where it stands
  TGroessenRueckgabe Groesse = TGroessenRueckgabe::Keine;
  bool Umschalten = false;        // the view buttons show its element in their group's window
  bool FolgtKursen = false;       // refreshed when a course changes
  bool FolgtNeuenKursen = false;  // refreshed when a course is inserted
  bool AutomatAuswahl = false;    // its marked courses are what the automatic run places
};

std::span<const TFensterArtInfo> FensterArten();
// The row of a kind; nullptr for dialogs (0) and unknown kinds.
const TFensterArtInfo* FensterArtInfo(int tag);
// The palette's rule for the active window; nullptr for kinds without a row.
const TFreigabe* RegelFuer(int tag);
// The element list of an element window's kind; false for other kinds.
bool ListeDerArt(int tag, TElementArt& art);
// The window kind an element of the kind opens in the view group (0 master data, 1 workload or
// table, 2 plan); 0 when the kind has no such window.
int FensterArtFuer(TElementArt art, int ansichtsgruppe);
// Whether a window of the kind holds one of its element's slots.
bool IstElementFenster(int tag);
// The family of a kind; TFamilie::Keine for unknown kinds.
TFamilie FamilieDerArt(int tag);
// The kinds of a family, in the table's order; the list lives as long as the program.
std::span<const int> ArtenDerFamilie(TFamilie familie);
// The kinds whose windows follow course changes (neu: course insertions), in the table's order.
std::span<const int> ArtenDieKursenFolgen(bool neu);
// The kinds whose element the view button of the group shows in the group's own window.
bool UmschaltbarNach(int tag, int ansichtsgruppe);

}  // namespace kolvar
