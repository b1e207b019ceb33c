// The kind table's per-kind facts: every column agrees with the others and names exactly the
// kinds that the windows, the arrangement and the automatic run treat alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>

#include "model/element.h"
#include "model/fensterart.h"

namespace kolvar {
namespace {

namespace A = FensterArt;

std::set<int> Arten(bool (*passt)(const TFensterArtInfo&)) {
  std::set<int> arten;
  for (const TFensterArtInfo& a : FensterArten())
    if (passt(a)) arten.insert(a.Tag);
  return arten;
}

std::set<int> Familie(TFamilie f) {
  const std::span<const int> arten = ArtenDerFamilie(f);
  return {arten.begin(), arten.end()};
}

TEST(FensterArtSpalten, FamilienPassenZuGruppeSlotUndListe) {
  for (const TFensterArtInfo& a : FensterArten()) {
    SCOPED_TRACE(a.Form);
    EXPECT_EQ(FamilieDerArt(a.Tag), a.Familie);
    switch (a.Familie) {
      case TFamilie::Plan:
        EXPECT_EQ(a.Gruppe, 2);
        EXPECT_TRUE(a.Liste.has_value());
        EXPECT_EQ(a.Slot, TFensterSlot::Plan);
        break;
      case TFamilie::Deputat:
        EXPECT_EQ(a.Gruppe, 1);
        EXPECT_TRUE(a.Slot == TFensterSlot::Deputat || (a.Slot == TFensterSlot::Einzel && !a.Liste));
        break;
      case TFamilie::Grunddaten:
        EXPECT_EQ(a.Gruppe, 0);
        EXPECT_TRUE(a.Liste.has_value());
        EXPECT_EQ(a.Slot, TFensterSlot::Grunddaten);
        break;
      case TFamilie::Statistik:
        EXPECT_TRUE(a.Liste.has_value());
        EXPECT_EQ(a.Slot, TFensterSlot::Einzel);
        EXPECT_FALSE(IstElementFenster(a.Tag));
        break;
      case TFamilie::Wahl:
        EXPECT_EQ(a.Gruppe, 2);
        EXPECT_FALSE(a.Liste.has_value());
        EXPECT_EQ(a.Slot, TFensterSlot::Einzel);
        break;
      case TFamilie::Keine:
        break;
    }
    // Every element slot but the course table's belongs to its family.
    EXPECT_EQ(a.Slot == TFensterSlot::Plan, a.Familie == TFamilie::Plan);
    EXPECT_EQ(a.Slot == TFensterSlot::Grunddaten, a.Familie == TFamilie::Grunddaten);
    EXPECT_EQ(a.Slot == TFensterSlot::Deputat && a.Tag != A::UV,
              a.Familie == TFamilie::Deputat && a.Tag != A::KursDep);
  }
  EXPECT_EQ(Familie(TFamilie::Plan), (std::set<int>{A::LePln, A::KlPln, A::RaPln}));
  EXPECT_EQ(Familie(TFamilie::Deputat),
            (std::set<int>{A::LeDep, A::KlDep, A::KoDep, A::FaDep, A::RaDep, A::KursDep}));
  EXPECT_EQ(Familie(TFamilie::Grunddaten),
            (std::set<int>{A::LeGr, A::KlGr, A::KoGr, A::FaGr, A::RaGr, A::UVGr}));
  EXPECT_EQ(Familie(TFamilie::Statistik),
            (std::set<int>{A::LeStat, A::KlStat, A::FaStat, A::KoStat, A::RaStat, A::UVStat}));
  EXPECT_EQ(Familie(TFamilie::Wahl), (std::set<int>{A::VLeWahl, A::VRaWahl}));
  for (int art : {0, 1, 13, 99, 100, -1}) EXPECT_EQ(FamilieDerArt(art), TFamilie::Keine) << art;
}

TEST(FensterArtSpalten, AutomatLaeuftUeberDieDeputateUndDieTabelle) {
  std::set<int> erwartet = Familie(TFamilie::Deputat);
  erwartet.insert(A::UV);
  EXPECT_EQ(Arten([](const TFensterArtInfo& a) { return a.AutomatAuswahl; }), erwartet);
  // What feeds the run also offers the palette's "Automat".
  for (const TFensterArtInfo& a : FensterArten())
    EXPECT_TRUE(!a.AutomatAuswahl || a.Freigabe.Automat) << a.Form;
}

TEST(FensterArtSpalten, PlatzUndGespeicherteGroesse) {
  EXPECT_EQ(Arten([](const TFensterArtInfo& a) { return a.BehaeltPlatz; }), (std::set<int>{A::Manuell}));
  std::set<int> ganz = Familie(TFamilie::Plan);
  ganz.insert(A::UV);
  EXPECT_EQ(Arten([](const TFensterArtInfo& a) { return a.Groesse == TGroessenRueckgabe::BreiteUndHoehe; }),
            ganz);
  std::set<int> hoehe = Familie(TFamilie::Deputat);
  for (int art : Familie(TFamilie::Statistik)) hoehe.insert(art);
  hoehe.insert({A::Par, A::Vertr, A::SV});
  EXPECT_EQ(Arten([](const TFensterArtInfo& a) { return a.Groesse == TGroessenRueckgabe::Hoehe; }), hoehe);
}

TEST(FensterArtSpalten, KursAenderungenErreichenDieKursfenster) {
  const std::span<const int> aenderung = ArtenDieKursenFolgen(false), neu = ArtenDieKursenFolgen(true);
  EXPECT_EQ(std::set<int>(aenderung.begin(), aenderung.end()),
            (std::set<int>{A::UV, A::KursDep, A::Par, A::SV}));
  EXPECT_EQ(std::set<int>(neu.begin(), neu.end()), (std::set<int>{A::UV, A::KursDep, A::SV}));
  // An inserted course is a changed one too.
  for (int art : neu) EXPECT_NE(std::ranges::find(aenderung, art), aenderung.end()) << art;
}

TEST(FensterArtSpalten, AnsichtsknoepfeZeigenDasElementInIhrerGruppe) {
  for (const TFensterArtInfo& a : FensterArten()) EXPECT_EQ(a.Umschalten, IstElementFenster(a.Tag)) << a.Form;
  const std::set<int> erwartet[3] = {
      {A::LePln, A::KlPln, A::RaPln, A::UV, A::LeDep, A::KlDep, A::KoDep, A::FaDep, A::RaDep},
      {A::LePln, A::KlPln, A::RaPln, A::LeGr, A::KlGr, A::KoGr, A::FaGr, A::RaGr, A::UVGr},
      {A::LeDep, A::KlDep, A::RaDep, A::LeGr, A::KlGr, A::RaGr},
  };
  for (int gruppe = 0; gruppe < 3; ++gruppe) {
    std::set<int> von;
    for (const TFensterArtInfo& a : FensterArten())
      if (UmschaltbarNach(a.Tag, gruppe)) {
        von.insert(a.Tag);
        // The group's window for the same element exists.
        EXPECT_NE(FensterArtFuer(*a.Liste, gruppe), 0) << a.Form;
      }
    EXPECT_EQ(von, erwartet[gruppe]) << gruppe;
  }
  for (int art : {0, 1, 99, 100, -1}) EXPECT_FALSE(UmschaltbarNach(art, 0)) << art;
}

}  // namespace
}  // namespace kolvar
