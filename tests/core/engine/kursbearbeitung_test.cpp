// The course rules of every window on the small school: hours with the plan versions, block
// length, the flags, changes of teacher, classes, coupling, subject and rooms while placed, new
// courses, deleting courses and taking lessons out.

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "engine/kursbearbeitung.h"
#include "model/fensterart.h"
#include "model/kopplung.h"
#include "model/setzung.h"
#include "support/fakes.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

struct KursBearbeitung : ::testing::Test {
  std::unique_ptr<TKleineSchule> s = BaueKleineSchule(3);
  void TearDown() override {
    const auto fehler = PruefeModell(*s->schule);
    EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
  }
  void AlleVersionen(bool an) { s->standard.SetNurAktuelleVersion(!an); }
  void Stunden(TKurs* k, std::initializer_list<int32_t> werte) {
    int v = 0;
    for (int32_t w : werte) k->SetzeStunden(++v, w);
  }
  std::vector<int32_t> Stunden(const TKurs* k) const {
    std::vector<int32_t> w;
    for (int v = 1; v <= 3; ++v) w.push_back(k->StundenTabelle().Stunden(v));
    return w;
  }
};

TEST_F(KursBearbeitung, EinzelneFolgenDerBlockLaenge) {
  struct TFall {
    int32_t stunden;
    int block, einzelne;
  };
  for (const TFall& f : {TFall{5, 2, 1}, TFall{4, 2, 0}, TFall{5, 1, 5}, TFall{7, 3, 1}, TFall{2, 4, 2}})
    EXPECT_EQ(EinzelAusBlock(f.stunden, f.block), f.einzelne) << f.stunden << "/" << f.block;

  TKurs* k = s->deutsch5a;
  k->SetzeEinzelstunden(3);
  Stunden(k, {0, 0, 0});
  SetzeBlockLaenge(*k, 2);
  EXPECT_EQ(k->StundenProTag(), 2);
  EXPECT_EQ(k->Einzelstunden(), 3) << "without hours the single hours stay";
  // With all versions the box shows the sum: the rule works on one version's share.
  AlleVersionen(true);
  Stunden(k, {5, 5, 5});
  SetzeBlockLaenge(*k, 2);
  EXPECT_EQ(k->Einzelstunden(), 1);
}

TEST_F(KursBearbeitung, StundenSchrittUndGrenzenJeVersionsModus) {
  TKurs* k = s->deutsch5a;
  Stunden(k, {2, 3, 4});
  TStundenSpin spin = StundenSpin(*k);
  EXPECT_EQ(spin.Schritt, 1);
  EXPECT_EQ(spin.Wert, 2);
  EXPECT_EQ(spin.Max, 112);
  AlleVersionen(true);
  spin = StundenSpin(*k);
  EXPECT_EQ(spin.Schritt, 3);
  EXPECT_EQ(spin.Wert, 9);
  EXPECT_EQ(spin.Max, 336);
  EXPECT_EQ(spin.Min, 0);
  EXPECT_TRUE(SetzeSpinStunden(*k, spin.Wert + spin.Schritt));
  EXPECT_EQ(Stunden(k), (std::vector<int32_t>{4, 4, 4}));
  EXPECT_FALSE(SetzeSpinStunden(*k, 337));
  k->SetzeNichtVerplanen(true);
  EXPECT_EQ(StundenSpin(*k).Min, -336);
  EXPECT_TRUE(SetzeSpinStunden(*k, -9));
  EXPECT_EQ(Stunden(k), (std::vector<int32_t>{-3, -3, -3}));
}

// A step down is refused when any version would keep more placed hours than hours, even though
// the sum of the placed hours fits.
TEST_F(KursBearbeitung, StundenNieUnterDieGesetztenEinerVersion) {
  TKurs* k = s->deutsch5a;
  Stunden(k, {3, 3, 3});
  for (int p = 1; p <= 3; ++p) ASSERT_NE(k->Setze(3, 4, nullptr, p), nullptr);
  AlleVersionen(true);
  EXPECT_EQ(StundenSpin(*k).Min, 3);
  EXPECT_FALSE(SetzeSpinStunden(*k, 6));
  EXPECT_EQ(Stunden(k), (std::vector<int32_t>{3, 3, 3}));
  EXPECT_TRUE(SetzeSpinStunden(*k, 12));
  EXPECT_EQ(Stunden(k), (std::vector<int32_t>{4, 4, 4}));
  AlleVersionen(false);
  s->standard.SetAktuelleVersion(3);
  EXPECT_EQ(StundenSpin(*k).Min, 3);
  EXPECT_FALSE(SetzeSpinStunden(*k, 2));
  EXPECT_TRUE(SetzeSpinStunden(*k, 3));
  EXPECT_EQ(Stunden(k), (std::vector<int32_t>{4, 4, 3}));
}

TEST_F(KursBearbeitung, NichtVerplanenNurOhneSetzungen) {
  TKurs* k = s->deutsch6a;
  ASSERT_NE(k->Setze(2, 1, nullptr, 1), nullptr);
  EXPECT_FALSE(SetzeNichtVerplanenFlag(*k, true));
  EXPECT_FALSE(k->NichtVerplanen());
  k->EntferneAlleSetzungen();
  EXPECT_TRUE(SetzeNichtVerplanenFlag(*k, true));
  Stunden(k, {-3, 2, -1});
  // The hours are a sort key: with fewer hours the course goes behind a like one without any,
  // and zeroing its negative hours puts it in front again.
  TKurs* nachbar = s->schule->ErzeugeKurs(s->ber, s->k6a, nullptr, s->de, nullptr, 0);
  EXPECT_LT(s->schule->Kurse().Position(nachbar), s->schule->Kurse().Position(k));
  EXPECT_TRUE(SetzeNichtVerplanenFlag(*k, false));
  EXPECT_EQ(Stunden(k), (std::vector<int32_t>{0, 2, 0}));
  EXPECT_GT(s->schule->Kurse().Position(nachbar), s->schule->Kurse().Position(k));
}

// Teacher, classes or coupling of a placed course. "Nein" keeps all as it
// was; "Ja" takes the hours out of every plan first, so no grid keeps a bit of the old link and
// the new element gets none it could conflict with.
TEST_F(KursBearbeitung, VerplantenKursAendernNurNachLeerenPlaenen) {
  struct TFall {
    TKursFeld feld;
    int antwort;
  };
  for (const TFall& f : {TFall{TKursFeld::Lehrer, Modal::Nein}, TFall{TKursFeld::Lehrer, Modal::Ja},
                         TFall{TKursFeld::Klassen, Modal::Nein}, TFall{TKursFeld::Klassen, Modal::Ja},
                         TFall{TKursFeld::Kopplung, Modal::Nein}, TFall{TKursFeld::Kopplung, Modal::Ja}}) {
    s = BaueKleineSchule(3);
    SetzeEinigeStunden(*s);
    TKurs* k = s->deutsch5a;
    TElement* neu = f.feld == TKursFeld::Lehrer    ? static_cast<TElement*>(s->ber)
                    : f.feld == TKursFeld::Klassen ? static_cast<TElement*>(s->k6a)
                                                   : static_cast<TElement*>(s->spo);
    const std::string fall = std::to_string(static_cast<int>(f.feld)) + "/" + std::to_string(f.antwort);
    ASSERT_FALSE(k->Setzungen().Leer());
    s->dialoge.Antworte(f.antwort);
    EXPECT_EQ(UebernimmElement(*k, f.feld, neu), f.antwort == Modal::Ja) << fall;
    EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursVerplant), 1) << fall;
    if (f.antwort == Modal::Nein) {
      EXPECT_EQ(k->Lehrer(), s->mue) << fall;
      EXPECT_EQ(k->Klassen().Anzahl(), 1) << fall;
      EXPECT_EQ(k->Kopplung(), nullptr) << fall;
      EXPECT_TRUE(s->mue->Belegung().Belegt(1, 1, 1)) << fall;
    } else {
      EXPECT_TRUE(k->Setzungen().Leer()) << fall;
      // Monday period 1 was only this course's: the old teacher is free there in every version.
      for (int v = 1; v <= 3; ++v) EXPECT_FALSE(s->mue->Belegung().Belegt(v, 1, 1)) << fall;
      EXPECT_FALSE(s->ber->Belegung().Belegt(1, 1, 1)) << fall;
      EXPECT_FALSE(s->k6a->Belegung().Belegt(1, 1, 1)) << fall;
    }
    const auto fehler = PruefeModell(*s->schule);
    EXPECT_TRUE(fehler.empty()) << fall << ::testing::PrintToString(fehler);
  }
}

TEST_F(KursBearbeitung, FachUndRaumOhneFrage) {
  SetzeEinigeStunden(*s);
  TKurs* k = s->deutsch5a;
  EXPECT_TRUE(UebernimmElement(*k, TKursFeld::Fach, s->ma));
  EXPECT_FALSE(UebernimmElement(*k, TKursFeld::Fach, s->ma));
  EXPECT_FALSE(UebernimmElement(*k, TKursFeld::Fach, s->r102)) << "an element of another kind";
  EXPECT_TRUE(UebernimmElement(*k, TKursFeld::Raeume, s->th));
  EXPECT_TRUE(UebernimmElement(*k, TKursFeld::Raeume, s->r102));
  EXPECT_FALSE(UebernimmElement(*k, TKursFeld::Raeume, s->th));
  EXPECT_EQ(s->dialoge.anfragen.size(), 0u);
  EXPECT_FALSE(k->Setzungen().Leer());
  ASSERT_EQ(k->Raeume().Anzahl(), 3);
  EXPECT_EQ(k->Raeume().Hole(3), s->r102) << "a room added goes to the end";
  EXPECT_TRUE(TauscheRaumZeilen(*k, 1, 3));
  EXPECT_EQ(k->Raeume().Hole(1), s->r102);
  EXPECT_EQ(k->Raeume().Hole(3), s->r101);
  EXPECT_FALSE(TauscheRaumZeilen(*k, 1, 4));
  // R101 holds placements: removing it asks; "Nein" keeps it.
  s->dialoge.Antworte(Modal::Nein);
  EXPECT_FALSE(EntferneAusKurs(*k, TKursFeld::Raeume, s->r101));
  EXPECT_EQ(k->Raeume().Position(s->r101), 3);
  EXPECT_TRUE(EntferneAusKurs(*k, TKursFeld::Raeume, s->th));
  EXPECT_TRUE(EntferneAusKurs(*k, TKursFeld::Fach, nullptr));
  EXPECT_FALSE(EntferneAusKurs(*k, TKursFeld::Fach, nullptr));
}

TEST_F(KursBearbeitung, EntfernenInVerplantemKursFragt) {
  SetzeEinigeStunden(*s);
  TKurs* k = s->sportSch;
  s->dialoge.Antworte(Modal::Nein);
  EXPECT_FALSE(EntferneAusKurs(*k, TKursFeld::Klassen, s->k5b));
  EXPECT_EQ(k->Klassen().Anzahl(), 2);
  s->dialoge.Antworte(Modal::Ja);
  EXPECT_TRUE(EntferneAusKurs(*k, TKursFeld::Kopplung, nullptr));
  EXPECT_EQ(k->Kopplung(), nullptr);
  EXPECT_TRUE(EntferneAusKurs(*k, TKursFeld::Klassen, s->k5b));
  EXPECT_TRUE(EntferneAusKurs(*k, TKursFeld::Lehrer, nullptr));
  EXPECT_FALSE(EntferneAusKurs(*k, TKursFeld::Lehrer, nullptr));
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursVerplant), 2) << "asked only while placed";
}

TEST_F(KursBearbeitung, AllRoomsGoEachAskedForWhereLessonsUseItAndTheLessonsStay) {
  SetzeEinigeStunden(*s);
  TKurs* k = s->deutsch5a;
  ASSERT_TRUE(UebernimmElement(*k, TKursFeld::Raeume, s->th));  // listed, used by no lesson
  const int setzungen = k->Setzungen().Anzahl();
  // R101 holds lessons: "Nein" keeps it, TH goes without a question.
  s->dialoge.Antworte(Modal::Nein);
  EXPECT_TRUE(EntferneAlle(*k, TKursFeld::Raeume));
  EXPECT_EQ(k->Raeume().Elemente(), std::vector<TRaum*>{s->r101});
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursImRaumplan), 1);
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursVerplant), 0) << "rooms never empty the plans";
  s->dialoge.Antworte(Modal::Ja);
  EXPECT_TRUE(EntferneAlle(*k, TKursFeld::Raeume));
  EXPECT_TRUE(k->Raeume().Leer());
  EXPECT_EQ(k->Setzungen().Anzahl(), setzungen);
  EXPECT_FALSE(s->r101->Belegung().Belegt(1, 1, 1)) << "the lessons left the room";
  EXPECT_FALSE(EntferneAlle(*k, TKursFeld::Raeume));
}

TEST_F(KursBearbeitung, AllClassesAskOnceAndTheDraggedOnesJoinTheTarget) {
  SetzeEinigeStunden(*s);
  TKurs* k = s->sportSch;
  s->dialoge.Antworte(Modal::Nein);
  EXPECT_FALSE(EntferneAlle(*k, TKursFeld::Klassen));
  EXPECT_EQ(k->Klassen().Anzahl(), 2);
  s->dialoge.Antworte(Modal::Ja);
  EXPECT_TRUE(EntferneAlle(*k, TKursFeld::Klassen));
  EXPECT_TRUE(k->Klassen().Leer());
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursVerplant), 2);
  // An unplaced course takes the classes and rooms it lacks from another row, in their order.
  TKurs* ziel = s->schule->ErzeugeKurs(s->ber, s->k6a, nullptr, s->de, nullptr, 3);
  EXPECT_TRUE(ErgaenzeAus(*ziel, *s->sportBer, TKursFeld::Klassen));
  EXPECT_EQ(ziel->Klassen().Anzahl(), 3);
  EXPECT_FALSE(ErgaenzeAus(*ziel, *s->sportBer, TKursFeld::Klassen)) << "nothing left to add";
  EXPECT_TRUE(ErgaenzeAus(*ziel, *s->sportBer, TKursFeld::Raeume));
  EXPECT_EQ(ziel->Raeume().Elemente(), std::vector<TRaum*>{s->r102});
  EXPECT_FALSE(ErgaenzeAus(*ziel, *ziel, TKursFeld::Raeume));
  EXPECT_FALSE(ErgaenzeAus(*ziel, *s->sportBer, TKursFeld::Info));
}

TEST_F(KursBearbeitung, NewCoursesTakeKstAndTheClassRoomElseTheTeacherRoom) {
  s->standard.kst = 3;
  s->k5b->SetzeRaum(nullptr);
  struct TFall {
    TLehrer* lehrer;
    TKlasse* klasse;
    TRaum* raum;
  };
  for (const TFall& f :
       {TFall{s->sch, s->k5a, s->r101}, TFall{s->mue, s->k5b, s->r101}, TFall{s->sch, s->k5b, nullptr},
        TFall{nullptr, s->k5b, nullptr}, TFall{nullptr, nullptr, nullptr}, TFall{s->mue, nullptr, s->r101}}) {
    TKurs* k = NeuerKursMitVorgaben(*s->schule, f.lehrer, f.klasse, s->de);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Stunden(-1), 3);
    EXPECT_EQ(k->Lehrer(), f.lehrer);
    EXPECT_EQ(k->Klassen().Position(f.klasse) != 0, f.klasse != nullptr);
    EXPECT_EQ(k->Raeume().Anzahl(), f.raum != nullptr ? 1 : 0);
    if (f.raum != nullptr) {
      EXPECT_EQ(k->Raeume().Hole(1), f.raum);
    }
    EXPECT_EQ(k->Kopplung(), nullptr);
  }
}

TEST_F(KursBearbeitung, DeletingCoursesAsksEachPlacedOneOnceBeforeAnyGoes) {
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  const int vorher = sch.Kurse().Anzahl();
  TKurs* frei = sch.ErzeugeKurs(s->ber, s->k6a, nullptr, s->sp, nullptr, 2);
  // "Nein" for the first placed course, "Ja" for the second; the unplaced one is not asked for.
  s->dialoge.Antworte(Modal::Nein);
  s->dialoge.Antworte(Modal::Ja);
  EXPECT_EQ(LoescheKurseNachFrage(sch, {s->mathe5b, frei, s->deutsch5a, s->mathe5b, frei}), 2);
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursVerplant), 2);
  EXPECT_EQ(sch.Kurse().Anzahl(), vorher - 1);
  EXPECT_NE(sch.Kurse().Position(s->mathe5b), 0);
  EXPECT_EQ(sch.Kurse().Position(s->deutsch5a), 0);
  EXPECT_FALSE(s->mue->Belegung().Belegt(1, 1, 1)) << "its lessons left the plans";
  EXPECT_EQ(LoescheKurseNachFrage(sch, {}), 0);
}

TEST_F(KursBearbeitung, ALessonOfACoupledCourseGoesAloneWithItsCouplingOrNotAtAll) {
  SetzeEinigeStunden(*s);
  AlleVersionen(false);
  s->standard.SetAktuelleVersion(2);
  // Uncoupled: no question.
  EXPECT_TRUE(LoescheStundeNachFrage(*s->mathe5b, 1, 2));
  EXPECT_FALSE(s->mathe5b->Belegung().Belegt(2, 1, 2));
  EXPECT_TRUE(s->mathe5b->Belegung().Belegt(1, 1, 2)) << "other versions keep it";
  EXPECT_TRUE(s->dialoge.anfragen.empty());
  struct TFall {
    int antwort;
    bool schBleibt, berBleibt;
  };
  for (const TFall& f : {TFall{Modal::Abbrechen, true, true}, TFall{Modal::Nein, true, true},
                         TFall{Modal::Ja, false, true}, TFall{Modal::Ok, false, false}}) {
    s->sportSch->Setze(2, 3, s->th, 5);
    s->dialoge.anfragen.clear();
    s->dialoge.Antworte(f.antwort);
    EXPECT_EQ(LoescheStundeNachFrage(*s->sportSch, 3, 5), f.antwort == Modal::Ja || f.antwort == Modal::Ok);
    ASSERT_EQ(s->dialoge.anfragen.size(), 1u);
    const auto& texte = s->dialoge.anfragen[0].Texte;
    EXPECT_EQ(s->dialoge.anfragen[0].Art, TDialog::KursLoeschen);
    // The slot, the course, then the coupling's courses there.
    ASSERT_GE(texte.size(), 3u);
    EXPECT_EQ(texte[1], s->sportSch->TextMitRaum(2, 3, 5));
    EXPECT_EQ(texte.back(), s->sportBer->TextMitRaum(2, 3, 5));
    EXPECT_EQ(s->sportSch->Belegung().Belegt(2, 3, 5), f.schBleibt) << f.antwort;
    EXPECT_EQ(s->sportBer->Belegung().Belegt(2, 3, 5), f.berBleibt) << f.antwort;
  }
}

TEST_F(KursBearbeitung, NaechsterKursUmlaufend) {
  const std::vector<TKurs*> liste{s->deutsch5a, s->mathe5b, s->mathe5a};
  EXPECT_EQ(NaechsterKurs(liste, s->mathe5a, true), s->deutsch5a);
  EXPECT_EQ(NaechsterKurs(liste, s->deutsch5a, false), s->mathe5a);
  EXPECT_EQ(NaechsterKurs(liste, s->mathe5b, true), s->mathe5a);
  EXPECT_EQ(NaechsterKurs(liste, s->sportSch, true), nullptr);
  EXPECT_EQ(NaechsterKurs({s->deutsch5a}, s->deutsch5a, true), s->deutsch5a);
}

// Every edit of a course tells the windows itself, whichever window made it: inside one user
// action the teacher's workload and the course's editor refresh once and the school is marked
// modified, with no window reporting anything afterwards.
TEST_F(KursBearbeitung, EveryEditTellsTheWindowsOfTheCourseOnce) {
  TSchule& sch = *s->schule;
  TKurs* k = s->deutsch5a;
  UebernimmElement(*k, TKursFeld::Raeume, s->r102);
  TFakeFenster dep(sch, FensterArt::LeDep, s->mue), editor(sch, FensterArt::Kurs, nullptr, k),
      fremd(sch, FensterArt::LeDep, s->ber);
  for (TFakeFenster* f : {&dep, &editor, &fremd}) f->Anmelden();
  const std::vector<std::pair<const char*, std::function<void()>>> aenderungen{
      {"Stunden", [&] { EXPECT_TRUE(SetzeSpinStunden(*k, 3)); }},
      {"Std/Tag", [&] { SetzeBlockLaenge(*k, 2); }},
      {"Einzelne", [&] { SetzeEinzelne(*k, 1); }},
      {"Tabelle", [&] { SetzeKursTabelle(*k, 2); }},
      {"Faktor", [&] { SetzeKursFaktor(*k, 150); }},
      {"nicht verplanen", [&] { EXPECT_TRUE(SetzeNichtVerplanenFlag(*k, true)); }},
      {"verplanen", [&] { EXPECT_TRUE(SetzeNichtVerplanenFlag(*k, false)); }},
      {"nicht zählen Lehrer", [&] { SetzeKursNichtZaehlenLehrer(*k, true); }},
      {"nicht zählen Klassen", [&] { SetzeKursNichtZaehlenKlassen(*k, true); }},
      {"Info", [&] { SetzeKursInfo(*k, "Förderkurs"); }},
      {"Farbe", [&] { SetzeKursFarbe(*k, 0x00FF00); }},
      {"Raumfolge", [&] { EXPECT_TRUE(TauscheRaumZeilen(*k, 1, 2)); }},
      {"Raum", [&] { EXPECT_TRUE(UebernimmElement(*k, TKursFeld::Raeume, s->th)); }},
  };
  for (const auto& [name, aendere] : aenderungen) {
    sch.SetzeGeaendert(false);
    for (TFakeFenster* f : {&dep, &editor, &fremd}) f->saetze = f->aktualisiert = 0;
    {
      TSchule::TAktion aktion(sch);
      aendere();
    }
    EXPECT_TRUE(sch.Geaendert()) << name;
    EXPECT_EQ(dep.saetze, 1) << name;
    EXPECT_EQ(dep.aktualisiert, 1) << name << ": the teacher's workload shows the course";
    EXPECT_EQ(editor.aktualisiert, 1) << name;
    EXPECT_EQ(fremd.aktualisiert, 0) << name << ": another teacher's workload is left alone";
  }
  EXPECT_EQ(k->Info(), "Förderkurs");
  EXPECT_EQ(k->Raeume().Hole(1), s->r102);
  for (TFakeFenster* f : {&dep, &editor, &fremd}) f->Schliesse();
}

}  // namespace
}  // namespace kolvar
