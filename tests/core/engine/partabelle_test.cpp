// The parallel-coupling table: teacher counts, the free common slots of a row across versions
// and rooms, placing a row without collisions, filling a column from a class, and storing.

#include <gtest/gtest.h>

#include "engine/partabelle.h"
#include "model/parliste.h"
#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

// The small school plus two couplings: REL (MUE and SCH, 6a, room R101 / none) and WPF (BER,
// 5a, no room). SPO is SCH + BER for 5a and 5b in TH / R102.
struct TParSchule {
  std::unique_ptr<TKleineSchule> s;
  TKopplung *rel = nullptr, *wpf = nullptr;
  TKurs *relMue = nullptr, *relSch = nullptr, *wpfBer = nullptr;

  explicit TParSchule(int versionen = 1) : s(BaueKleineSchule(versionen)) {
    TSchule& sch = *s->schule;
    rel = sch.NeueKopplung("REL");
    wpf = sch.NeueKopplung("WPF");
    const bool eaw = s->standard.eaw();
    s->standard.SetNurAktuelleVersion(false);
    relMue = sch.ErzeugeKurs(s->mue, s->k6a, rel, s->de, s->r101, 2);
    relSch = sch.ErzeugeKurs(s->sch, s->k6a, rel, s->ma, nullptr, 2);
    wpfBer = sch.ErzeugeKurs(s->ber, s->k5a, wpf, s->sp, nullptr, 2);
    s->standard.SetNurAktuelleVersion(eaw);
  }
  // A table of the given rows, cells given row by row (nullptr empty).
  TParTabelle Tabelle(int zeilen, int spalten, const std::vector<TKopplung*>& zellen) const {
    TParTabelle t(*s->schule);
    t.Baue(zeilen, spalten, false);
    for (std::size_t i = 0; i < zellen.size(); ++i)
      t.SetzeZelle(static_cast<int>(i) / spalten + 1, static_cast<int>(i) % spalten + 1, zellen[i]);
    return t;
  }
  void Gesund() const {
    for (const std::string& f : PruefeModell(*s->schule)) ADD_FAILURE() << f;
  }
};

TEST(ParTabelle, KonflikteUndTexte) {
  TParSchule p;
  struct TFall {
    const char* name;
    std::vector<TKopplung*> zeile;
    int konflikte;
    std::vector<std::string> texte;
  };
  const std::vector<TFall> faelle{
      {"leer", {nullptr, nullptr, nullptr}, 0, {}},
      {"ohne gemeinsamen Lehrer", {p.s->spo, nullptr, nullptr}, 0, {}},
      {"SCH zweimal", {p.s->spo, p.rel, nullptr}, 1, {"SCH [SPO, REL]"}},
      // SPO twice: SCH and BER twice each; REL adds SCH a third time.
      {"dreimal", {p.s->spo, p.rel, p.s->spo}, 3, {"SCH [SPO, REL, SPO]", "BER [SPO, SPO]"}},
      {"BER zweimal", {p.wpf, nullptr, p.s->spo}, 1, {"BER [WPF, SPO]"}},
  };
  for (const TFall& f : faelle) {
    const TParTabelle t = p.Tabelle(1, 3, f.zeile);
    EXPECT_EQ(t.KonflikteZaehlen(1), f.konflikte) << f.name;
    EXPECT_EQ(t.KonfliktTexte(1), f.texte) << f.name;
  }
  const TParTabelle t = p.Tabelle(1, 3, {p.s->spo, p.rel, nullptr});
  EXPECT_EQ(t.FaecherTexte(1), (std::vector<std::string>{"Sp [2]", "De [1]", "Ma [1]"}));
  EXPECT_EQ(TParTabelle::ZellText(*p.s->spo, false), "SPO");
  EXPECT_EQ(TParTabelle::ZellText(*p.s->spo, true), "SPO [ Sp Sp ]");
}

// A slot is free only when free in every version placing will use; a course without rooms
// needs none; rooms count unless left out; the row needs a course with open hours.
TEST(ParTabelle, FreieGemeinsameStunden) {
  struct TFall {
    const char* name;
    bool nurAktuelle;
    bool ohneRaeume;
    bool frei11, frei23;  // slots Mon 1 and Tue 3
  };
  // SCH busy at Mon 1 in version 2 only; TH locked at Tue 3 in version 1 (R102 stays free, but
  // BER's SPO course takes R102 first... each course takes its first room not yet taken).
  const std::vector<TFall> faelle{
      {"nur aktuelle Version", true, false, true, false},
      {"alle Versionen", false, false, false, false},
      {"ohne Räume", true, true, true, true},
      {"alle Versionen ohne Räume", false, true, false, true},
  };
  for (const TFall& f : faelle) {
    TParSchule p(2);
    p.s->standard.SetNurAktuelleVersion(f.nurAktuelle);
    p.s->mathe5a->Setze(2, 1, p.s->r101, 1);
    p.s->th->Sperrung().SetzeBereich(1, 2, 3, true);
    // WPF has no rooms: it must not close every slot.
    const TParTabelle t = p.Tabelle(1, 2, {p.s->spo, p.wpf});
    TWoElem frei;
    ASSERT_TRUE(t.FreieGemeinsameStunden(1, f.ohneRaeume, frei)) << f.name;
    EXPECT_EQ(frei.Stunde(1, 1), f.frei11) << f.name;
    EXPECT_EQ(frei.Stunde(2, 3), f.frei23) << f.name;
    EXPECT_TRUE(frei.Stunde(4, 8)) << f.name;
    // Sunday morning is locked for every teacher and class.
    EXPECT_FALSE(frei.Stunde(7, 1)) << f.name;
  }
  // Every course placed completely: nothing to offer.
  TParSchule p;
  p.wpfBer->Setze(1, 1, nullptr, 1);
  p.wpfBer->Setze(1, 2, nullptr, 1);
  TWoElem frei;
  EXPECT_FALSE(p.Tabelle(1, 2, {p.wpf, nullptr}).FreieGemeinsameStunden(1, false, frei));
  EXPECT_TRUE(frei.Leer());
  // Asked with the placed ones too: the row's own hours are taken, the rest of the week is free.
  ASSERT_TRUE(p.Tabelle(1, 2, {p.wpf, nullptr}).FreieGemeinsameStunden(1, false, frei, true));
  EXPECT_FALSE(frei.Stunde(1, 1));
  EXPECT_FALSE(frei.Stunde(2, 1));
  EXPECT_TRUE(frei.Stunde(4, 8));
  // A row without couplings has nothing to offer either way.
  EXPECT_FALSE(p.Tabelle(1, 2, {nullptr, nullptr}).FreieGemeinsameStunden(1, false, frei, true));
}

TEST(ParTabelle, ZeilePlatzierenPrueftJedeStunde) {
  enum TKo { Spo, Rel, Wpf };
  struct TFall {
    const char* name;
    bool nurAktuelle;
    TKo zweite;
    int gesetzt, uebersprungen;
  };
  // Two versions, SPO in the first cell. WPF shares class 5a and teacher BER with SPO; REL
  // shares teacher SCH. Each collision skips that course's hour, and only that one.
  const std::vector<TFall> faelle{
      {"SPO zweimal", true, Spo, 2, 0},    {"SPO zweimal, alle Versionen", false, Spo, 4, 0},
      {"Klasse doppelt", true, Wpf, 2, 1}, {"Klasse doppelt, alle Versionen", false, Wpf, 4, 2},
      {"Lehrer doppelt", true, Rel, 3, 1},
  };
  for (const TFall& f : faelle) {
    TParSchule p(2);
    p.s->standard.SetNurAktuelleVersion(f.nurAktuelle);
    p.s->standard.SetAktuelleVersion(2);
    TKopplung* zweite = f.zweite == Spo ? p.s->spo : f.zweite == Rel ? p.rel : p.wpf;
    TParTabelle t = p.Tabelle(1, 2, {p.s->spo, zweite});
    const TParTabelle::TPlatzierung e = t.PlatziereZeile(1, 4, 2);
    EXPECT_EQ(e.Gesetzt, f.gesetzt) << f.name;
    EXPECT_EQ(e.Uebersprungen, f.uebersprungen) << f.name;
    EXPECT_EQ(p.s->sportSch->FindeSetzung(1, 4, 2) != nullptr, !f.nurAktuelle) << f.name;
    ASSERT_NE(p.s->sportSch->FindeSetzung(2, 4, 2), nullptr) << f.name;
    EXPECT_EQ(p.s->sportSch->FindeSetzung(2, 4, 2)->Raum(), p.s->th) << f.name;
    EXPECT_EQ(p.s->sportBer->FindeSetzung(2, 4, 2)->Raum(), p.s->r102) << f.name;
    p.Gesund();
  }
  // Hours without open hours are no collisions: placing again sets and skips nothing more.
  TParSchule p;
  TParTabelle t = p.Tabelle(1, 1, {p.wpf});
  p.wpfBer->Setze(1, 1, nullptr, 1);
  p.wpfBer->Setze(1, 2, nullptr, 1);
  const TParTabelle::TPlatzierung e = t.PlatziereZeile(1, 3, 1);
  EXPECT_EQ(e.Gesetzt + e.Uebersprungen, 0);
}

TEST(ParTabelle, SpalteAusKlasseFuellen) {
  TParSchule p;
  TParTabelle t = p.Tabelle(3, 2, {nullptr, nullptr, nullptr, nullptr, p.rel, nullptr});
  // 5a has SPO (two courses) and WPF; row 3 holds REL already and stays.
  EXPECT_EQ(t.FuelleSpalte(1, *p.s->k5a), (std::vector<int>{1, 2}));
  EXPECT_EQ(t.Zelle(1, 1).Kopplung, p.s->spo);
  EXPECT_EQ(t.Zelle(2, 1).Kopplung, p.wpf);
  EXPECT_EQ(t.Zelle(3, 1).Kopplung, p.rel);
  // Everything there already: nothing changes; a full column takes nothing.
  EXPECT_TRUE(t.FuelleSpalte(1, *p.s->k5a).empty());
  EXPECT_TRUE(t.FuelleSpalte(1, *p.s->k5b).empty());
  EXPECT_TRUE(t.FuelleSpalte(3, *p.s->k5a).empty());
  EXPECT_EQ(t.FuelleSpalte(2, *p.s->k6a), (std::vector<int>{1}));
}

TEST(ParTabelle, SpeichernUndUebernehmen) {
  TParSchule p;
  TParTabelle t = p.Tabelle(4, 3, {p.rel, nullptr, p.wpf, nullptr, p.s->spo});
  t.SetzeFixiert(1, 1, true);
  t.SetzeFixiert(1, 2, true);  // an empty cell cannot be fixed
  EXPECT_TRUE(t.Zelle(1, 1).Fixiert);
  EXPECT_FALSE(t.Zelle(1, 2).Fixiert);
  t.ParTabelleSpeichern();
  EXPECT_TRUE(p.s->schule->Geaendert());
  EXPECT_EQ(p.s->schule->ParListe().Zeilen(), 4);
  EXPECT_EQ(p.s->schule->ParListe().Zelle(2, 2), p.s->spo);
  // Unchanged: no new modification.
  p.s->schule->SetzeGeaendert(false);
  t.ParTabelleSpeichern();
  EXPECT_FALSE(p.s->schule->Geaendert());

  struct TFall {
    int zeilen, spalten;
    bool uebernehmen;
    TKopplung *z11, *z22, *z13;
  };
  for (const TFall& f : std::vector<TFall>{{4, 3, true, p.rel, p.s->spo, p.wpf},
                                           {2, 2, true, p.rel, p.s->spo, nullptr},
                                           {40, 10, true, p.rel, p.s->spo, p.wpf},
                                           {4, 3, false, nullptr, nullptr, nullptr}}) {
    TParTabelle neu(*p.s->schule);
    neu.Baue(f.zeilen, f.spalten, f.uebernehmen);
    EXPECT_EQ(neu.Zeilen(), f.zeilen);
    EXPECT_EQ(neu.Zelle(1, 1), (TParZelle{f.z11, false}));
    EXPECT_EQ(neu.Zelle(2, 2).Kopplung, f.z22);
    EXPECT_EQ(neu.Zelle(1, 3).Kopplung, f.z13);
    EXPECT_EQ(neu.Zelle(0, 1).Kopplung, nullptr);
  }
  // A coupling deleted from the school leaves the cells.
  p.s->schule->LoescheElement(p.wpf);
  t.Bereinige();
  EXPECT_EQ(t.Zelle(1, 3).Kopplung, nullptr);
  EXPECT_EQ(t.Zelle(1, 1).Kopplung, p.rel);
}

}  // namespace
}  // namespace kolvar
