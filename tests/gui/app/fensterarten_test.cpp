// The per-kind window registry: what it refuses, how it finds a kind and runs its commands, and
// the program's full installation measured against the kind table, in either installer order.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/skriptdienste.h"
#include "installation.h"
#include "model/element.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "platform/ablage.h"
#include "platform/dienste.h"
#include "platform/fensterartregister.h"
#include "platform/kindfenster.h"

namespace kolvar {
namespace {

void BaueSchule(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TKlasse* k = s.NeueKlasse("5a");
  TRaum* r = s.NeuerRaum("R1");
  TFach* de = s.NeuesFach("De");
  s.NeueKopplung("REL");
  s.ErzeugeKurs(mue, k, nullptr, de, r, 2);
  s.NeueUVTab("UV5")->FuegeKlasseHinzu(k);
}

// A window that counts its own commands.
class TZaehlFenster : public TKindFenster {
 public:
  TZaehlFenster(int tag, TSchule& schule) : TKindFenster(tag, schule, static_cast<IFensterListe*>(nullptr)) {}
  void Kopieren() override { ++kopiert; }
  void AllesAuswaehlen() override { ++ausgewaehlt; }
  void FensterDrucken() override { ++gedruckt; }
  int kopiert = 0, ausgewaehlt = 0, gedruckt = 0;
};

class FensterArtenTest : public ::testing::Test {
 protected:
  FensterArtenTest() {
    TDienste::SetzeDialoge(&dialoge);
    TDienste::SetzePopups(&popups);
    TDienste::SetzeAblage(&ablage);
  }
  ~FensterArtenTest() override {
    paletten.clear();
    TDienste::Zuruecksetzen();
  }
  // A palette with a school open, its features installed in program order or backwards.
  TKolvarPalette& NeuePalette(bool rueckwaerts) {
    paletten.push_back(std::make_unique<TKolvarPalette>(standard, dateien));
    TKolvarPalette& p = *paletten.back();
    std::vector<TInstallierer> liste(Installierer().begin(), Installierer().end());
    if (rueckwaerts) std::reverse(liste.begin(), liste.end());
    for (TInstallierer installiere : liste) installiere(p);
    EXPECT_TRUE(p.DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
    return p;
  }
  // The kind of the window each element opens in each view group, in list order.
  static std::vector<int> GeoeffneteArten(TKolvarPalette& p) {
    std::vector<int> arten;
    for (int gruppe = 0; gruppe < 3; ++gruppe)
      for (int a = 0; a <= static_cast<int>(TElementArt::UVTab); ++a)
        for (TElement* e : p.Schule().Elemente(static_cast<TElementArt>(a))) {
          p.OeffneElementFenster(e, gruppe, 0);
          const auto* plan = dynamic_cast<TPlanElement*>(e);
          IFenster* f = gruppe == 0   ? e->GrForm()
                        : gruppe == 1 ? e->DepForm()
                        : plan        ? plan->PlnForm()
                                      : nullptr;
          arten.push_back(f != nullptr && f->Element() == e ? f->Tag() : 0);
        }
    return arten;
  }

  TStandard standard;
  TGebauteSchule dateien{BaueSchule};
  TSkriptDialogDienst dialoge;
  TSkriptPopupDienst popups;
  TSpeicherAblage ablage;
  std::vector<std::unique_ptr<TKolvarPalette>> paletten;
};

TEST_F(FensterArtenTest, RefusesUnknownKindsWrongFormsAndASecondBuilder) {
  TFensterArtRegister arten;
  const auto bauer = [] { return nullptr; };
  EXPECT_THROW(arten.Registriere(0, "TPalette", bauer), std::logic_error);
  EXPECT_THROW(arten.Registriere(FensterArt::Grenze, "TLePlnForm", bauer), std::logic_error);
  EXPECT_THROW(arten.Registriere(-3, "TLePlnForm", bauer), std::logic_error);
  EXPECT_THROW(arten.Registriere(FensterArt::LePln, "TKlPlnForm", bauer), std::logic_error);
  EXPECT_THROW(arten.Registriere(FensterArt::LePln, nullptr, bauer), std::logic_error);
  EXPECT_THROW(arten.Registriere(FensterArt::LePln, "TLePlnForm", {}), std::logic_error);
  EXPECT_THROW(arten.SetzeBefehl(13, TFensterBefehl::Drucken, [](TKindFenster&) {}), std::logic_error);
  EXPECT_FALSE(arten.HatBauer(FensterArt::LePln)) << "a refused registration leaves nothing";
  arten.Registriere(FensterArt::LePln, "TLePlnForm", bauer);
  EXPECT_THROW(arten.Registriere(FensterArt::LePln, "TLePlnForm", bauer), std::logic_error);
  EXPECT_FALSE(arten.HatBauer(-1));
  EXPECT_FALSE(arten.HatBauer(1000));
  EXPECT_FALSE(arten.Oeffne(1000, nullptr, 0));
  EXPECT_EQ(arten.Baue(FensterArt::KlPln), nullptr);
}

TEST_F(FensterArtenTest, ElementsFindTheirKindAndCommandsFallBackToTheWindow) {
  TKolvarPalette& p = *paletten.emplace_back(std::make_unique<TKolvarPalette>(standard, dateien));
  ASSERT_TRUE(p.DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  TSchule& s = p.Schule();
  TFensterArtRegister arten;
  std::vector<std::pair<int, TElement*>> geoeffnet;
  int gemeldet = 0;
  arten.BeiNeuemOeffner = [&](int) { ++gemeldet; };
  for (int art : {FensterArt::LeDep, FensterArt::UV, FensterArt::KlPln})
    arten.Registriere(
        art, FensterArtInfo(art)->Form, [&s, art] { return new TZaehlFenster(art, s); },
        [&geoeffnet, art](TElement* e, uint8_t) { geoeffnet.emplace_back(art, e); });
  arten.Registriere(FensterArt::LeStat, "TLeStatForm",
                    [&s] { return new TZaehlFenster(FensterArt::LeStat, s); });
  EXPECT_EQ(gemeldet, 3) << "only kinds with an opener are announced";
  EXPECT_TRUE(arten.HatElementOeffner(1));
  EXPECT_TRUE(arten.HatElementOeffner(2));
  EXPECT_FALSE(arten.HatElementOeffner(0));

  TElement* lehrer = s.Lehrer().Hole(1);
  TElement* tab = s.UVTabellen().Hole(1);
  EXPECT_TRUE(arten.OeffneElement(lehrer, 1, 0));
  EXPECT_TRUE(arten.OeffneElement(tab, 1, 0)) << "a table opens its own kind in the workload group";
  EXPECT_FALSE(arten.OeffneElement(lehrer, 2, 0)) << "no teacher plan registered";
  EXPECT_TRUE(arten.OeffneElement(s.Klassen().Hole(1), 2, 0));
  EXPECT_FALSE(arten.OeffneElement(nullptr, 1, 0));
  EXPECT_FALSE(arten.Oeffne(FensterArt::LeStat, nullptr, 0)) << "built, but opened by nobody";
  const std::vector<std::pair<int, TElement*>> erwartet{
      {FensterArt::LeDep, lehrer}, {FensterArt::UV, tab}, {FensterArt::KlPln, s.Klassen().Hole(1)}};
  EXPECT_EQ(geoeffnet, erwartet);

  // A built window of the wrong class is dropped, not handed out.
  EXPECT_EQ(std::unique_ptr<TKindFenster>(arten.Baue<TKindFenster>(FensterArt::LeStat))->Tag(),
            FensterArt::LeStat);
  EXPECT_EQ(arten.Baue<QApplication>(FensterArt::LeStat), nullptr);

  std::unique_ptr<TZaehlFenster> f(static_cast<TZaehlFenster*>(arten.Baue(FensterArt::LeDep)));
  int eigenerDruck = 0;
  arten.SetzeBefehl(FensterArt::LeDep, TFensterBefehl::Drucken, [&](TKindFenster& w) {
    EXPECT_EQ(&w, f.get());
    ++eigenerDruck;
  });
  arten.FuehreAus(TFensterBefehl::Drucken, *f);
  arten.FuehreAus(TFensterBefehl::Kopieren, *f);
  arten.FuehreAus(TFensterBefehl::AllesAuswaehlen, *f);
  arten.FuehreAus(TFensterBefehl::AllesAuswaehlen, *f);
  EXPECT_EQ(eigenerDruck, 1);
  EXPECT_EQ(f->gedruckt, 0) << "the kind's entry replaces the window's own";
  EXPECT_EQ(f->kopiert, 1);
  EXPECT_EQ(f->ausgewaehlt, 2);
}

// A command is typed to its form once, and one kind takes one entry per command.
TEST_F(FensterArtenTest, RefusesASecondCommandAndHandsTheFormToIt) {
  TKolvarPalette& p = *paletten.emplace_back(std::make_unique<TKolvarPalette>(standard, dateien));
  ASSERT_TRUE(p.DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  TSchule& s = p.Schule();
  TFensterArtRegister arten;
  int kopiert = 0;
  arten.SetzeBefehl<TZaehlFenster>(FensterArt::LeDep, TFensterBefehl::Kopieren, [&](TZaehlFenster& f) {
    ++f.kopiert;
    ++kopiert;
  });
  EXPECT_TRUE(arten.HatBefehl(FensterArt::LeDep, TFensterBefehl::Kopieren));
  EXPECT_FALSE(arten.HatBefehl(FensterArt::LeDep, TFensterBefehl::Drucken));
  EXPECT_FALSE(arten.HatBefehl(FensterArt::KlDep, TFensterBefehl::Kopieren));
  EXPECT_FALSE(arten.HatBefehl(-1, TFensterBefehl::Kopieren));
  EXPECT_FALSE(arten.HatBefehl(1000, TFensterBefehl::Kopieren));
  EXPECT_THROW(arten.SetzeBefehl(FensterArt::LeDep, TFensterBefehl::Kopieren, [](TKindFenster&) {}),
               std::logic_error);
  EXPECT_THROW(
      arten.SetzeBefehl<TZaehlFenster>(FensterArt::LeDep, TFensterBefehl::Kopieren, [](TZaehlFenster&) {}),
      std::logic_error);
  EXPECT_THROW(arten.SetzeBefehl(FensterArt::LeDep, TFensterBefehl::Drucken, {}), std::logic_error);
  EXPECT_FALSE(arten.HatBefehl(FensterArt::LeDep, TFensterBefehl::Drucken)) << "an empty entry is none";
  arten.SetzeBefehl(FensterArt::LeDep, TFensterBefehl::Drucken, [](TKindFenster&) {});
  EXPECT_THROW(arten.SetzeBefehl(FensterArt::LeDep, TFensterBefehl::Drucken, [](TKindFenster&) {}),
               std::logic_error);

  TZaehlFenster f(FensterArt::LeDep, s);
  EXPECT_TRUE(arten.FuehreAus(TFensterBefehl::Kopieren, f));
  EXPECT_EQ(kopiert, 1);
  EXPECT_EQ(f.kopiert, 1) << "the first entry stays; the refused ones never run";
  // The automatic run has no window fallback: a kind without the entry leaves it to the caller.
  EXPECT_FALSE(arten.FuehreAus(TFensterBefehl::Automat, f));
  int gesucht = 0;
  arten.SetzeBefehl<TZaehlFenster>(FensterArt::LeDep, TFensterBefehl::Automat,
                                   [&](TZaehlFenster&) { ++gesucht; });
  EXPECT_TRUE(arten.FuehreAus(TFensterBefehl::Automat, f));
  EXPECT_EQ(gesucht, 1);
  // A window of the kind that is not the entry's form is left alone.
  TKindFenster fremd(FensterArt::LeDep, s, static_cast<IFensterListe*>(nullptr));
  EXPECT_TRUE(arten.FuehreAus(TFensterBefehl::Automat, fremd));
  EXPECT_EQ(gesucht, 1);
}

// Every kind with an element list or a window slot has its one builder, and what it builds is a
// window of that kind; element windows open from their view group.
TEST_F(FensterArtenTest, TheFullInstallationBuildsEveryKindOfTheTable) {
  TKolvarPalette& p = NeuePalette(false);
  TFensterArtRegister& arten = p.FensterArten();
  int geprueft = 0;
  for (const TFensterArtInfo& info : FensterArten()) {
    if (!info.Liste && info.Slot == TFensterSlot::Keiner) continue;
    ++geprueft;
    ASSERT_TRUE(arten.HatBauer(info.Tag)) << info.Form;
    EXPECT_THROW(arten.Registriere(info.Tag, info.Form, [] { return nullptr; }), std::logic_error)
        << info.Form;
    std::unique_ptr<TKindFenster> fenster(arten.Baue(info.Tag));
    ASSERT_NE(fenster, nullptr) << info.Form;
    EXPECT_EQ(fenster->Tag(), info.Tag) << info.Form;
    EXPECT_FALSE(fenster->IstAngemeldet()) << "built, not yet opened: " << info.Form;
    // The program's own clipboard and error list are listed without the palette interface.
    const bool eigen = info.Tag == FensterArt::Zwischen || info.Tag == FensterArt::Fehler;
    EXPECT_EQ(fenster->Palette(), eigen ? nullptr : static_cast<IPalette*>(&p)) << info.Form;
    if (IstElementFenster(info.Tag)) {
      EXPECT_TRUE(arten.HatOeffner(info.Tag)) << info.Form;
    }
  }
  EXPECT_EQ(geprueft, static_cast<int>(FensterArten().size()));
  for (int gruppe = 0; gruppe < 3; ++gruppe) EXPECT_TRUE(p.Oeffner().HatElementOeffner(gruppe)) << gruppe;
  EXPECT_FALSE(p.Schule().Geaendert());
}

// The "Automat" button searches in the parallel couplings and starts the run everywhere else.
TEST_F(FensterArtenTest, OnlyTheParallelCouplingsTakeTheAutomatButton) {
  TKolvarPalette& p = NeuePalette(false);
  for (const TFensterArtInfo& info : FensterArten())
    EXPECT_EQ(p.FensterArten().HatBefehl(info.Tag, TFensterBefehl::Automat), info.Tag == FensterArt::Par)
        << info.Form;
  EXPECT_FALSE(p.FensterArten().FuehreAus(TFensterBefehl::Automat, static_cast<IFenster*>(nullptr)));
}

// The windows that print, copy or select on their own do it through their kind's entry.
TEST_F(FensterArtenTest, WindowsWithTheirOwnCommandsHaveTheirEntries) {
  TKolvarPalette& p = NeuePalette(false);
  namespace A = FensterArt;
  using B = TFensterBefehl;
  const TFensterArtRegister& arten = p.FensterArten();
  for (int art : {A::UV, A::Par, A::Vertr, A::VStat}) EXPECT_TRUE(arten.HatBefehl(art, B::Drucken)) << art;
  for (int art : {A::LeDep, A::KlDep, A::KoDep, A::FaDep, A::RaDep, A::KursDep, A::LeStat, A::KlStat,
                  A::FaStat, A::KoStat, A::RaStat, A::UVStat, A::UV, A::VStat}) {
    EXPECT_TRUE(arten.HatBefehl(art, B::Kopieren)) << art;
    EXPECT_TRUE(arten.HatBefehl(art, B::AllesAuswaehlen)) << art;
  }
  for (int art : {A::LePln, A::KlPln, A::RaPln}) {
    EXPECT_TRUE(arten.HatBefehl(art, B::Kopieren)) << art;
    EXPECT_TRUE(arten.HatBefehl(art, B::AllesAuswaehlen)) << art;
  }
}

// Whether an entry acts on a window: a typed entry only on its form, an untyped one on any.
TEST_F(FensterArtenTest, AnEntryTakesTheWindowsOfItsForm) {
  TKolvarPalette& p = *paletten.emplace_back(std::make_unique<TKolvarPalette>(standard, dateien));
  ASSERT_TRUE(p.DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  TSchule& s = p.Schule();
  TFensterArtRegister arten;
  arten.SetzeBefehl<TZaehlFenster>(FensterArt::LeDep, TFensterBefehl::Kopieren, [](TZaehlFenster&) {});
  arten.SetzeBefehl(FensterArt::LeDep, TFensterBefehl::Drucken, [](TKindFenster&) {});
  TZaehlFenster zaehler(FensterArt::LeDep, s);
  TKindFenster fremd(FensterArt::LeDep, s, static_cast<IFensterListe*>(nullptr));
  EXPECT_TRUE(arten.NimmtFenster(FensterArt::LeDep, TFensterBefehl::Kopieren, zaehler));
  EXPECT_FALSE(arten.NimmtFenster(FensterArt::LeDep, TFensterBefehl::Kopieren, fremd)) << "not its form";
  EXPECT_TRUE(arten.NimmtFenster(FensterArt::LeDep, TFensterBefehl::Drucken, zaehler));
  EXPECT_TRUE(arten.NimmtFenster(FensterArt::LeDep, TFensterBefehl::Drucken, fremd)) << "untyped";
  EXPECT_FALSE(arten.NimmtFenster(FensterArt::LeDep, TFensterBefehl::AllesAuswaehlen, zaehler)) << "no entry";
  EXPECT_FALSE(arten.NimmtFenster(FensterArt::KlDep, TFensterBefehl::Kopieren, zaehler)) << "another kind";
  EXPECT_FALSE(arten.NimmtFenster(-1, TFensterBefehl::Kopieren, zaehler));
  EXPECT_FALSE(arten.NimmtFenster(1000, TFensterBefehl::Kopieren, zaehler));
}

// Every entry of the full installation acts on the windows its kind builds: an entry typed to
// another form would leave them alone without a word. Which kinds have which entries is the same
// in either installer order.
TEST_F(FensterArtenTest, EveryEntryTakesTheWindowsItsKindBuilds) {
  using TPaare = std::set<std::pair<int, int>>;
  std::vector<TPaare> paare;
  for (bool rueckwaerts : {false, true}) {
    const TFensterArtRegister& arten = NeuePalette(rueckwaerts).FensterArten();
    TPaare& eintraege = paare.emplace_back();
    for (const TFensterArtInfo& info : FensterArten()) {
      std::unique_ptr<TKindFenster> fenster(arten.Baue(info.Tag));
      for (std::size_t b = 0; b < kFensterBefehle; ++b) {
        const auto befehl = static_cast<TFensterBefehl>(b);
        if (!arten.HatBefehl(info.Tag, befehl)) continue;
        eintraege.emplace(info.Tag, static_cast<int>(b));
        ASSERT_NE(fenster, nullptr) << info.Form;
        EXPECT_TRUE(arten.NimmtFenster(info.Tag, befehl, *fenster))
            << info.Form << " " << b << " " << rueckwaerts;
      }
    }
  }
  ASSERT_EQ(paare.size(), 2u);
  EXPECT_EQ(paare[0], paare[1]);

  // The kinds and their entries; the clipboard window and "Manuell" have none.
  namespace A = FensterArt;
  using B = TFensterBefehl;
  const B D = B::Drucken, K = B::Kopieren, S = B::AllesAuswaehlen, X = B::Ausschneiden, E = B::Einsetzen,
          M = B::Automat;
  const std::vector<std::pair<int, std::vector<B>>> tabelle{
      {A::LePln, {D, K, S}},
      {A::KlPln, {D, K, S}},
      {A::RaPln, {D, K, S}},
      {A::UV, {D, K, S}},
      {A::Fehler, {D}},
      {A::LeDep, {D, K, S, X}},
      {A::KlDep, {D, K, S, X}},
      {A::KoDep, {D, K, S, X}},
      {A::FaDep, {D, K, S, X}},
      {A::RaDep, {D, K, S, X}},
      {A::KursDep, {D, K, S, X, E}},
      {A::Par, {D, M}},
      {A::LeGr, {D, K, X, E}},
      {A::KlGr, {D, K, X, E}},
      {A::KoGr, {D, K, X, E}},
      {A::FaGr, {D, K, X, E}},
      {A::RaGr, {D, K, X, E}},
      {A::UVGr, {D, K, X, E}},
      {A::Kurs, {D, K, X, E}},
      {A::Vertr, {D}},
      {A::SV, {D}},
      {A::LeStat, {D, K, S}},
      {A::KlStat, {D, K, S}},
      {A::FaStat, {D, K, S}},
      {A::KoStat, {D, K, S}},
      {A::RaStat, {D, K, S}},
      {A::UVStat, {D, K, S}},
      {A::VLeWahl, {D, K, X, E}},
      {A::VRaWahl, {D, K, X, E}},
      {A::VStat, {D, K, S}},
  };
  TPaare erwartet;
  for (const auto& [art, befehle] : tabelle)
    for (B befehl : befehle) erwartet.emplace(art, static_cast<int>(befehl));
  EXPECT_EQ(paare[0], erwartet);

  // "Alles auswählen" has an entry wherever the palette offers it and nowhere else, save for
  // "Manuell": there the menu offers it and nothing happens.
  for (const TFensterArtInfo& info : FensterArten()) {
    const bool angeboten = RegelFuer(info.Tag) != nullptr && RegelFuer(info.Tag)->Alles;
    EXPECT_EQ(paare[0].contains({info.Tag, static_cast<int>(S)}), angeboten && info.Tag != A::Manuell)
        << info.Form;
  }
}

TEST_F(FensterArtenTest, InstallersInReverseOrderGiveTheSameProgram) {
  TKolvarPalette& vorwaerts = NeuePalette(false);
  TKolvarPalette& rueckwaerts = NeuePalette(true);
  for (const TFensterArtInfo& info : FensterArten()) {
    EXPECT_EQ(vorwaerts.FensterArten().HatBauer(info.Tag), rueckwaerts.FensterArten().HatBauer(info.Tag))
        << info.Form;
    EXPECT_EQ(vorwaerts.FensterArten().HatOeffner(info.Tag), rueckwaerts.FensterArten().HatOeffner(info.Tag))
        << info.Form;
    for (std::size_t b = 0; b < kFensterBefehle; ++b) {
      const auto befehl = static_cast<TFensterBefehl>(b);
      EXPECT_EQ(vorwaerts.FensterArten().HatBefehl(info.Tag, befehl),
                rueckwaerts.FensterArten().HatBefehl(info.Tag, befehl))
          << info.Form << " " << b;
    }
  }
  const std::vector<int> arten = GeoeffneteArten(vorwaerts);
  EXPECT_EQ(arten, GeoeffneteArten(rueckwaerts));
  // Each element opened the kind the table names for it, tables included.
  std::size_t i = 0;
  for (int gruppe = 0; gruppe < 3; ++gruppe)
    for (int a = 0; a <= static_cast<int>(TElementArt::UVTab); ++a)
      for (std::size_t n = 0; n < vorwaerts.Schule().Elemente(static_cast<TElementArt>(a)).size(); ++n, ++i)
        EXPECT_EQ(arten[i], FensterArtFuer(static_cast<TElementArt>(a), gruppe)) << gruppe << " " << a;
  EXPECT_EQ(i, arten.size());
  EXPECT_TRUE(dialoge.AllesBeantwortet());
}

}  // namespace
}  // namespace kolvar
