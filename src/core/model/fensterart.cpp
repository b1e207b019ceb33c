#include "model/fensterart.h"

#include <array>
#include <initializer_list>

#include "model/element.h"

// The table names only the fields a row sets; g++ 12 still warns about the others, which its
// later versions no longer do for designated initializers.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kolvar {

namespace {

constexpr unsigned Modi(std::initializer_list<int> modi) {
  unsigned bits = 0;
  for (int m : modi) bits |= 1u << m;
  return bits;
}

using S = TFensterSlot;
using E = TElementArt;
using F = TFamilie;
using G = TGroessenRueckgabe;

// The palette's rules, shared by kinds that act alike.
// clang-format off
constexpr TFreigabe kPlan{.Alles = true, .Pfeile = true, .Setz = true, .Loesch = true, .Schieb = true, .Fix = true, .NeueUE = true, .Manuell = true, .ManuellEintrag = false};
constexpr TFreigabe kDep{.Alles = true, .Pfeile = true, .Setz = true, .Loesch = true, .Schieb = true, .NeueUE = true, .UELoesch = true, .Manuell = true, .Automat = true, .Rueckfall = Modi({4})};
constexpr TFreigabe kKursDep{.Alles = true, .Setz = true, .Loesch = true, .Schieb = true, .NeueUE = true, .UELoesch = true, .Manuell = true, .Automat = true, .Rueckfall = Modi({4})};
constexpr TFreigabe kUV{.Alles = true, .Pfeile = true, .Setz = true, .Loesch = true, .UELoesch = true, .Manuell = true, .Automat = true, .Rueckfall = Modi({3, 4})};
constexpr TFreigabe kGrLeKl{.Pfeile = true, .Loesch = true, .NeueUE = true, .Rueckfall = Modi({1, 3, 4})};
constexpr TFreigabe kGrUV{.Pfeile = true, .Loesch = true, .Rueckfall = Modi({1, 3, 4})};
constexpr TFreigabe kGrAndere{.Pfeile = true, .NeueUE = true, .Rueckfall = Modi({1, 2, 3, 4})};
constexpr TFreigabe kNichts{};
constexpr TFreigabe kStat{.Alles = true};
constexpr TFreigabe kWahl{.Pfeile = true, .Rueckfall = Modi({1, 2, 3, 4})};
// clang-format on

// One row per kind, kept on one line each so the table reads as one.
// clang-format off
constexpr std::array kArten{
    TFensterArtInfo{.Tag = FensterArt::LePln, .Form = "TLePlnForm", .Liste = E::Lehrer, .Gruppe = 2, .Slot = S::Plan, .Freigabe = kPlan, .Familie = F::Plan, .Groesse = G::BreiteUndHoehe, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::KlPln, .Form = "TKlPlnForm", .Liste = E::Klasse, .Gruppe = 2, .Slot = S::Plan, .Freigabe = kPlan, .Familie = F::Plan, .Groesse = G::BreiteUndHoehe, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::RaPln, .Form = "TRaPlnForm", .Liste = E::Raum, .Gruppe = 2, .Slot = S::Plan, .Freigabe = kPlan, .Familie = F::Plan, .Groesse = G::BreiteUndHoehe, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::UV, .Form = "TUVForm", .Liste = E::UVTab, .Gruppe = 1, .Slot = S::Deputat, .Freigabe = kUV, .Groesse = G::BreiteUndHoehe, .Umschalten = true, .FolgtKursen = true, .FolgtNeuenKursen = true, .AutomatAuswahl = true},
    TFensterArtInfo{.Tag = FensterArt::Zwischen, .Form = "TZwischenForm", .Gruppe = 0, .Slot = S::Einzel, .Freigabe = {.Rueckfall = Modi({1, 2, 3, 4}), .Cursor = false}},
    TFensterArtInfo{.Tag = FensterArt::Fehler, .Form = "TFehlerForm", .Slot = S::Einzel, .Freigabe = kNichts},
    TFensterArtInfo{.Tag = FensterArt::LeDep, .Form = "TLeDepForm", .Liste = E::Lehrer, .Gruppe = 1, .Slot = S::Deputat, .Freigabe = kDep, .Familie = F::Deputat, .Groesse = G::Hoehe, .Umschalten = true, .AutomatAuswahl = true},
    TFensterArtInfo{.Tag = FensterArt::KlDep, .Form = "TKlDepForm", .Liste = E::Klasse, .Gruppe = 1, .Slot = S::Deputat, .Freigabe = kDep, .Familie = F::Deputat, .Groesse = G::Hoehe, .Umschalten = true, .AutomatAuswahl = true},
    TFensterArtInfo{.Tag = FensterArt::KoDep, .Form = "TKoDepForm", .Liste = E::Kopplung, .Gruppe = 1, .Slot = S::Deputat, .Freigabe = kDep, .Familie = F::Deputat, .Groesse = G::Hoehe, .Umschalten = true, .AutomatAuswahl = true},
    TFensterArtInfo{.Tag = FensterArt::FaDep, .Form = "TFaDepForm", .Liste = E::Fach, .Gruppe = 1, .Slot = S::Deputat, .Freigabe = kDep, .Familie = F::Deputat, .Groesse = G::Hoehe, .Umschalten = true, .AutomatAuswahl = true},
    TFensterArtInfo{.Tag = FensterArt::RaDep, .Form = "TRaDepForm", .Liste = E::Raum, .Gruppe = 1, .Slot = S::Deputat, .Freigabe = kDep, .Familie = F::Deputat, .Groesse = G::Hoehe, .Umschalten = true, .AutomatAuswahl = true},
    TFensterArtInfo{.Tag = FensterArt::KursDep, .Form = "TKursDepForm", .Gruppe = 1, .Slot = S::Einzel, .Freigabe = kKursDep, .Familie = F::Deputat, .Groesse = G::Hoehe, .FolgtKursen = true, .FolgtNeuenKursen = true, .AutomatAuswahl = true},
    TFensterArtInfo{.Tag = FensterArt::Par, .Form = "TParForm", .Slot = S::Einzel, .Freigabe = {.Setz = true, .Loesch = true, .Schieb = true, .Fix = true, .Automat = true}, .Groesse = G::Hoehe, .FolgtKursen = true},
    TFensterArtInfo{.Tag = FensterArt::LeGr, .Form = "TLeGrForm", .Liste = E::Lehrer, .Gruppe = 0, .Slot = S::Grunddaten, .Freigabe = kGrLeKl, .Familie = F::Grunddaten, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::KlGr, .Form = "TKlGrForm", .Liste = E::Klasse, .Gruppe = 0, .Slot = S::Grunddaten, .Freigabe = kGrLeKl, .Familie = F::Grunddaten, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::KoGr, .Form = "TKoGrForm", .Liste = E::Kopplung, .Gruppe = 0, .Slot = S::Grunddaten, .Freigabe = kGrAndere, .Familie = F::Grunddaten, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::FaGr, .Form = "TFaGrForm", .Liste = E::Fach, .Gruppe = 0, .Slot = S::Grunddaten, .Freigabe = kGrAndere, .Familie = F::Grunddaten, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::RaGr, .Form = "TRaGrForm", .Liste = E::Raum, .Gruppe = 0, .Slot = S::Grunddaten, .Freigabe = kGrAndere, .Familie = F::Grunddaten, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::UVGr, .Form = "TUVGrForm", .Liste = E::UVTab, .Gruppe = 0, .Slot = S::Grunddaten, .Freigabe = kGrUV, .Familie = F::Grunddaten, .Umschalten = true},
    TFensterArtInfo{.Tag = FensterArt::Kurs, .Form = "TKursForm", .Slot = S::Einzel, .Freigabe = {.Pfeile = true, .Loesch = true, .Schieb = true}},
    TFensterArtInfo{.Tag = FensterArt::Manuell, .Form = "TManuellForm", .Slot = S::Einzel, .Freigabe = {.Alles = true, .Pfeile = true, .Setz = true, .Loesch = true, .Schieb = true, .Fix = true}, .BehaeltPlatz = true},
    TFensterArtInfo{.Tag = FensterArt::Vertr, .Form = "TVertrForm", .Gruppe = 2, .Slot = S::Einzel, .Freigabe = {.Pfeile = true, .Setz = true, .Loesch = true, .Rueckfall = Modi({3, 4})}, .Groesse = G::Hoehe},
    TFensterArtInfo{.Tag = FensterArt::SV, .Form = "TSVForm", .Slot = S::Einzel, .Freigabe = kNichts, .Groesse = G::Hoehe, .FolgtKursen = true, .FolgtNeuenKursen = true},
    TFensterArtInfo{.Tag = FensterArt::LeStat, .Form = "TLeStatForm", .Liste = E::Lehrer, .Slot = S::Einzel, .Freigabe = kStat, .Familie = F::Statistik, .Groesse = G::Hoehe},
    TFensterArtInfo{.Tag = FensterArt::KlStat, .Form = "TKlStatForm", .Liste = E::Klasse, .Slot = S::Einzel, .Freigabe = kStat, .Familie = F::Statistik, .Groesse = G::Hoehe},
    TFensterArtInfo{.Tag = FensterArt::FaStat, .Form = "TFaStatForm", .Liste = E::Fach, .Slot = S::Einzel, .Freigabe = kStat, .Familie = F::Statistik, .Groesse = G::Hoehe},
    TFensterArtInfo{.Tag = FensterArt::KoStat, .Form = "TKoStatForm", .Liste = E::Kopplung, .Slot = S::Einzel, .Freigabe = kStat, .Familie = F::Statistik, .Groesse = G::Hoehe},
    TFensterArtInfo{.Tag = FensterArt::RaStat, .Form = "TRaStatForm", .Liste = E::Raum, .Slot = S::Einzel, .Freigabe = kStat, .Familie = F::Statistik, .Groesse = G::Hoehe},
    TFensterArtInfo{.Tag = FensterArt::UVStat, .Form = "TUVStatForm", .Liste = E::UVTab, .Slot = S::Einzel, .Freigabe = kStat, .Familie = F::Statistik, .Groesse = G::Hoehe},
    TFensterArtInfo{.Tag = FensterArt::VLeWahl, .Form = "TVLeWahlForm", .Gruppe = 2, .Slot = S::Einzel, .Freigabe = kWahl, .Familie = F::Wahl},
    TFensterArtInfo{.Tag = FensterArt::VRaWahl, .Form = "TVRaWahlForm", .Gruppe = 2, .Slot = S::Einzel, .Freigabe = kWahl, .Familie = F::Wahl},
    TFensterArtInfo{.Tag = FensterArt::VStat, .Form = "TVStatForm", .Slot = S::Einzel, .Freigabe = kStat},
};
// clang-format on

// Row index by kind, built once from the table.
const std::array<const TFensterArtInfo*, FensterArt::Grenze>& Index() {
  static const auto index = [] {
    std::array<const TFensterArtInfo*, FensterArt::Grenze> i{};
    for (const TFensterArtInfo& a : kArten) i[static_cast<std::size_t>(a.Tag)] = &a;
    return i;
  }();
  return index;
}

// Kinds picked from the table, in its order; the lists below are built when compiling, so asking
// for one (once per changed course) costs no allocation.
struct TArtenListe {
  std::array<int, kArten.size()> arten{};
  std::size_t anzahl = 0;
  constexpr void Haenge(int tag) { arten[anzahl++] = tag; }
  std::span<const int> Alle() const { return {arten.data(), anzahl}; }
};

constexpr std::size_t kFamilien = static_cast<std::size_t>(TFamilie::Wahl) + 1;

constexpr std::array<TArtenListe, kFamilien> kNachFamilie = [] {
  std::array<TArtenListe, kFamilien> listen{};
  for (const TFensterArtInfo& a : kArten) listen[static_cast<std::size_t>(a.Familie)].Haenge(a.Tag);
  return listen;
}();

template <bool TFensterArtInfo::*Spalte>
constexpr TArtenListe ArtenMit() {
  TArtenListe liste;
  for (const TFensterArtInfo& a : kArten)
    if (a.*Spalte) liste.Haenge(a.Tag);
  return liste;
}

constexpr TArtenListe kKursFolger = ArtenMit<&TFensterArtInfo::FolgtKursen>();
constexpr TArtenListe kNeueKursFolger = ArtenMit<&TFensterArtInfo::FolgtNeuenKursen>();

}  // namespace

std::span<const TFensterArtInfo> FensterArten() {
  return kArten;
}

const TFensterArtInfo* FensterArtInfo(int tag) {
  if (tag < 0 || tag >= FensterArt::Grenze) return nullptr;
  return Index()[static_cast<std::size_t>(tag)];
}

const TFreigabe* RegelFuer(int tag) {
  const TFensterArtInfo* a = FensterArtInfo(tag);
  return a ? &a->Freigabe : nullptr;
}

bool ListeDerArt(int tag, TElementArt& art) {
  const TFensterArtInfo* a = FensterArtInfo(tag);
  if (!a || !a->Liste || !IstElementFenster(tag)) return false;
  art = *a->Liste;
  return true;
}

bool IstElementFenster(int tag) {
  const TFensterArtInfo* a = FensterArtInfo(tag);
  return a && (a->Slot == S::Grunddaten || a->Slot == S::Deputat || a->Slot == S::Plan);
}

TFamilie FamilieDerArt(int tag) {
  const TFensterArtInfo* a = FensterArtInfo(tag);
  return a ? a->Familie : TFamilie::Keine;
}

std::span<const int> ArtenDerFamilie(TFamilie familie) {
  const auto f = static_cast<std::size_t>(familie);
  return f < kNachFamilie.size() ? kNachFamilie[f].Alle() : std::span<const int>{};
}

std::span<const int> ArtenDieKursenFolgen(bool neu) {
  return neu ? kNeueKursFolger.Alle() : kKursFolger.Alle();
}

bool UmschaltbarNach(int tag, int ansichtsgruppe) {
  const TFensterArtInfo* a = FensterArtInfo(tag);
  if (!a || !a->Umschalten || !a->Liste || a->Gruppe == ansichtsgruppe) return false;
  return FensterArtFuer(*a->Liste, ansichtsgruppe) != 0;
}

int FensterArtFuer(TElementArt art, int ansichtsgruppe) {
  for (const TFensterArtInfo& a : kArten)
    if (a.Liste == art && a.Gruppe == ansichtsgruppe && IstElementFenster(a.Tag)) return a.Tag;
  return 0;
}

}  // namespace kolvar
