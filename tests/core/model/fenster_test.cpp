// The window-kind table, the slots open windows fill, and the change sets windows receive.

#include <gtest/gtest.h>

#include <string>

#include "model/fensterart.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

// The palette's enabling by the active window's kind: buttons
// Alles, Pfeile, Setz, Lösch, Schieb, Fix, NeueUE, UELösch, Manuell, Automat ('2' = button on,
// "Werkzeuge" entry off), the view group, and the tool modes that fall back to "Zeigen".
TEST(FensterArten, FreigabeUndGruppeJeArt) {
  struct Zeile {
    std::initializer_list<int> arten;
    const char* knoepfe;
    int gruppe;
    const char* rueckfall;
  };
  const Zeile tabelle[] = {
      {{9, 10, 11}, "1111111020", 2, ""},
      {{12}, "1111000111", 1, "34"},
      {{14}, "0000000000", 0, "1234"},
      {{15, 71}, "0000000000", -1, ""},
      {{16, 17, 18, 19, 20}, "1111101111", 1, "4"},
      {{21}, "1011101111", 1, "4"},
      {{22}, "0011110001", -1, ""},
      {{61, 62}, "0101001000", 0, "134"},
      {{66}, "0101000000", 0, "134"},
      {{63, 64, 65}, "0100001000", 0, "1234"},
      {{67}, "0101100000", -1, ""},
      {{68}, "1111110000", -1, ""},
      {{69}, "0111000000", 2, "34"},
      {{72, 73, 74, 75, 76, 77, 82}, "1000000000", -1, ""},
      {{80, 81}, "0100000000", 2, "1234"},
  };
  int zeilen = 0;
  for (const Zeile& z : tabelle)
    for (int art : z.arten) {
      SCOPED_TRACE(art);
      ++zeilen;
      const TFensterArtInfo* info = FensterArtInfo(art);
      ASSERT_NE(info, nullptr);
      const TFreigabe& f = info->Freigabe;
      std::string knoepfe;
      for (bool b : {f.Alles, f.Pfeile, f.Setz, f.Loesch, f.Schieb, f.Fix, f.NeueUE, f.UELoesch})
        knoepfe += b ? '1' : '0';
      knoepfe += f.Manuell ? (f.ManuellEintrag ? '1' : '2') : '0';
      knoepfe += f.Automat ? '1' : '0';
      EXPECT_EQ(knoepfe, z.knoepfe);
      EXPECT_EQ(info->Gruppe, z.gruppe);
      std::string rueckfall;
      for (int m = 0; m <= 4; ++m)
        if (f.Rueckfall & (1u << m)) rueckfall += static_cast<char>('0' + m);
      EXPECT_EQ(rueckfall, z.rueckfall);
    }
  EXPECT_EQ(zeilen, static_cast<int>(FensterArten().size()));
  for (int art : {0, 1, 13, 99, 100, -1}) EXPECT_EQ(FensterArtInfo(art), nullptr) << art;
}

// Every element window is the one its element opens in its group, and walks its element's list.
TEST(FensterArten, ElementFensterUndListen) {
  int elementFenster = 0;
  for (const TFensterArtInfo& a : FensterArten()) {
    TElementArt art{};
    if (!IstElementFenster(a.Tag)) {
      EXPECT_FALSE(ListeDerArt(a.Tag, art)) << a.Tag;
      continue;
    }
    ++elementFenster;
    ASSERT_TRUE(ListeDerArt(a.Tag, art)) << a.Tag;
    EXPECT_EQ(FensterArtFuer(art, a.Gruppe), a.Tag);
  }
  EXPECT_EQ(elementFenster, 15);  // six editors, six workloads or tables, three plans
}

TEST(FensterSlots, AnmeldenBindenAbmelden) {
  auto s = BaueKleineSchule();
  TSchule& sch = *s->schule;
  TFakeFenster plan1(sch, FensterArt::LePln, s->mue), plan2(sch, FensterArt::LePln, s->mue);
  TFakeFenster editor(sch, FensterArt::LeGr, s->mue), dep(sch, FensterArt::UV, s->uv);
  TFakeFenster fehler(sch, FensterArt::Fehler), dialog(sch, 0);
  for (TFakeFenster* f : {&plan1, &editor, &dep, &fehler, &dialog}) f->Anmelden();
  EXPECT_EQ(s->mue->PlnForm(), &plan1);
  EXPECT_EQ(s->mue->GrForm(), &editor);
  EXPECT_EQ(s->uv->DepForm(), &dep);
  EXPECT_EQ(sch.EinzelFenster(FensterArt::Fehler), &fehler);
  EXPECT_EQ(sch.Fenster().size(), 5u);
  // A second plan of the element takes the slot; the first leaving does not clear it.
  plan2.Anmelden();
  EXPECT_EQ(s->mue->PlnForm(), &plan2);
  plan1.Schliesse();
  EXPECT_EQ(s->mue->PlnForm(), &plan2);
  // A plan taken over for another element moves the slot with it.
  sch.BindeFenster(&plan2, s->sch);
  EXPECT_EQ(s->mue->PlnForm(), nullptr);
  EXPECT_EQ(s->sch->PlnForm(), &plan2);
  sch.SetzeAktivesFenster(&plan2);
  for (TFakeFenster* f : {&plan2, &editor, &dep, &fehler, &dialog}) f->Schliesse();
  EXPECT_EQ(s->sch->PlnForm(), nullptr);
  EXPECT_EQ(s->mue->GrForm(), nullptr);
  EXPECT_EQ(s->uv->DepForm(), nullptr);
  EXPECT_EQ(sch.EinzelFenster(FensterArt::Fehler), nullptr);
  EXPECT_EQ(sch.AktivesFenster(), nullptr);
  EXPECT_TRUE(sch.Fenster().empty());
  // Binding a window that is not registered fills no slot.
  sch.BindeFenster(&plan1, s->ber);
  EXPECT_EQ(s->ber->PlnForm(), nullptr);
}

// What each window of a small school gets from one action, counted as change sets, rebuilds and
// repaints.
TEST(Aenderungen, EineAktionEinSatzJeFenster) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  TFakeFenster mue(sch, FensterArt::LePln, s->mue), k5a(sch, FensterArt::KlPln, s->k5a);
  TFakeFenster ber(sch, FensterArt::LeGr, s->ber), alle(sch, FensterArt::KursDep);
  TFakeFenster fremd(sch, FensterArt::RaPln, s->th);
  for (TFakeFenster* f : {&mue, &k5a, &ber, &alle, &fremd}) f->Anmelden();
  s->standard.SetNurAktuelleVersion(false);
  sch.TauscheStunden(1, 1, 3, 2);
  for (TFakeFenster* f : {&mue, &k5a, &alle}) {
    EXPECT_EQ(f->saetze, 1) << f->Tag();
    EXPECT_EQ(f->aktualisiert, 1) << f->Tag();
    EXPECT_EQ(f->neuGezeichnet, 0) << f->Tag();
  }

  // Nested actions deliver once, at the end of the outermost; nothing reaches a window before.
  for (TFakeFenster* f : {&mue, &k5a, &ber, &alle, &fremd}) f->saetze = f->aktualisiert = 0;
  {
    TSchule::TAktion aussen(sch);
    {
      TSchule::TAktion innen(sch);
      s->deutsch5a->EntferneAlleSetzungen();
    }
    s->deutsch6a->EntferneAlleSetzungen();
    EXPECT_EQ(mue.saetze + k5a.saetze + ber.saetze + alle.saetze, 0);
  }
  for (TFakeFenster* f : {&mue, &k5a, &ber, &alle}) EXPECT_EQ(f->saetze, 1) << f->Tag();
  EXPECT_EQ(ber.aktualisiert, 1);  // its teacher's course changed: a rebuild covers the repaint
  EXPECT_EQ(ber.neuGezeichnet, 0);
  EXPECT_EQ(fremd.aktualisiert + fremd.neuGezeichnet, 0);

  // Outside an action a change goes out at once.
  mue.saetze = 0;
  s->mue->Aktualisiere();
  EXPECT_EQ(mue.saetze, 1);
  EXPECT_TRUE(sch.OffeneAenderungen().Leer());
}

// Statistics rows follow their list's elements; an element deleted inside the action is never
// reached through the pending set.
TEST(Aenderungen, StatistikZeilenUndGeloeschteElemente) {
  auto s = BaueKleineSchule();
  TSchule& sch = *s->schule;
  TFakeStatFenster lehrer(sch, FensterArt::LeStat), klassen(sch, FensterArt::KlStat);
  lehrer.Anmelden();
  klassen.Anmelden();
  {
    TSchule::TAktion aktion(sch);
    s->ber->ZeigeWerte();
    s->mue->AendereSoll(1);
    s->k6a->Aktualisiere();
    sch.LoescheElement(s->ber);
  }
  // BER's row went with BER; the classes of BER's courses follow, in the order first touched.
  EXPECT_EQ(lehrer.zeilen, std::vector<int>{1});
  EXPECT_EQ(klassen.zeilen, (std::vector<int>{3, 1, 2}));
  EXPECT_TRUE(PruefeModell(sch).empty());
}

// A window whose refresh changes the model again cannot hold the program in a loop.
TEST(Aenderungen, FensterDieImmerWiederMeldenEndenBegrenzt) {
  auto s = BaueKleineSchule();
  TFakeFenster plan(*s->schule, FensterArt::LePln, s->mue);
  plan.Anmelden();
  plan.beimAktualisieren = [&] { s->mue->Aktualisiere(); };
  s->mue->Aktualisiere();
  EXPECT_GE(plan.aktualisiert, 2);
  EXPECT_LE(plan.aktualisiert, 8);
  EXPECT_TRUE(s->schule->OffeneAenderungen().Leer());
}

}  // namespace
}  // namespace kolvar
