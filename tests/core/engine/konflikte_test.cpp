// Conflict collection and the checked move: kinds, order, texts word for word, and what the
// displacement questions remove.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/konfliktliste.h"
#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

// Every test ends with a sound model, whatever it displaced.
class Konflikte : public ::testing::Test {
 protected:
  void Baue(int versionen = 1) {
    s = BaueKleineSchule(versionen);
    s->standard.sp[0][3] = "4. Std";
    s->standard.sp[0][0] = "1. Std";
  }
  void SetUp() override { Baue(); }
  void TearDown() override {
    for (const std::string& f : PruefeModell(*s->schule)) ADD_FAILURE() << f;
  }
  std::unique_ptr<TKleineSchule> s;
};

using Texte = std::vector<std::string>;

TEST_F(Konflikte, SperrungUndFixierungVerbietenDasSetzen) {
  s->mathe5b->Setze(1, 1, s->r102, 4)->SetFixiert(true);
  s->r101->Sperrung().SetzeBereich(1, 1, 4, true);
  s->deutsch5a->Setze(1, 2, s->r101, 1);
  TKonfliktListe liste;
  EXPECT_FALSE(s->deutsch5a->PruefeVerschieben(1, 4, false, liste, 1, 2));
  EXPECT_EQ(liste.Texte(),
            (Texte{"{1} Raum R101 gesperrt. ", "{1} Lehrer MUE fixiert durch MUE     Ma 5b."}));
  EXPECT_EQ(liste.Schwere(), 3);
  ASSERT_EQ(s->dialoge.anfragen.size(), 1u);
  const auto& a = s->dialoge.anfragen[0];
  EXPECT_EQ(a.Art, TDialog::Setzungsverbot);
  EXPECT_FALSE(a.Frage);
  EXPECT_EQ(a.Texte,
            (Texte{"Mo 4. Std", "{1} Raum R101 gesperrt. ", "{1} Lehrer MUE fixiert durch MUE     Ma 5b."}));
  EXPECT_NE(s->mathe5b->FindeSetzung(1, 1, 4), nullptr);
}

TEST_F(Konflikte, SperrgruendeVonKursLehrerUndKlasse) {
  s->deutsch5a->Sperrung().SetzeBereich(1, 3, 2, true);
  s->mue->Sperrung().SetzeBereich(1, 3, 2, true);
  s->k5a->Sperrung().SetzeBereich(1, 3, 2, true);
  TKonfliktListe liste;
  EXPECT_EQ(s->deutsch5a->SammleSperrgruende(3, 2, s->r101, liste), 3);
  EXPECT_EQ(liste.Texte(), (Texte{"{1} Kurs MUE     De 5a gesperrt.", "{1} Lehrer MUE gesperrt. ",
                                  "{1} Klasse 5a gesperrt. "}));
}

TEST_F(Konflikte, EineAndereStundeEinmalJeVersion) {
  Baue(2);
  s->standard.SetNurAktuelleVersion(false);
  // Shares teacher and class with the course: one conflict per version, found at the teacher.
  TKurs* anderer = s->schule->ErzeugeKurs(s->mue, s->k5a, nullptr, s->ma, nullptr, 2);
  anderer->Setze(1, 4, nullptr, 2);
  anderer->Setze(2, 4, nullptr, 2);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->deutsch5a->Setze(2, 1, s->r101, 1);
  TKonfliktListe liste;
  EXPECT_EQ(s->deutsch5a->SammleKonflikte(4, 2, s->deutsch5a, nullptr, liste, 1, 1), 1);
  EXPECT_EQ(liste.Texte(), (Texte{"{1} Lehrer MUE besetzt durch MUE     Ma 5a.",
                                  "{2} Lehrer MUE besetzt durch MUE     Ma 5a."}));
  // "Trotzdem setzen" displaces both hours; the move can then go ahead.
  s->dialoge.Antworte(Modal::Ja);
  liste.Leere();
  ASSERT_TRUE(s->deutsch5a->PruefeVerschieben(4, 2, false, liste, 1, 1));
  EXPECT_TRUE(liste.Leer());
  EXPECT_TRUE(anderer->Setzungen().Leer());
  s->deutsch5a->Verschiebe(4, 2, false, 1, 1);
  EXPECT_NE(s->deutsch5a->FindeSetzung(2, 4, 2), nullptr);
}

// At Monday 4th: MUE's Ma 5b (teacher), and the sport coupling holding 5a.
void BesetzeZiel(TKleineSchule& s) {
  s.mathe5b->Setze(1, 1, s.r102, 4);
  s.sportSch->Setze(1, 1, s.th, 4);
  s.sportBer->Setze(1, 1, nullptr, 4);
  s.deutsch5a->Setze(1, 2, s.r101, 1);
}

TEST_F(Konflikte, AbbrechenImVerdraengenEntferntNichts) {
  BesetzeZiel(*s);
  const std::string vorher = Fingerabdruck(*s->schule);
  s->dialoge.Antworte(Modal::Ja);         // "Trotzdem setzen"
  s->dialoge.Antworte(Modal::Abbrechen);  // at the first coupled lesson
  TKonfliktListe liste;
  EXPECT_FALSE(s->deutsch5a->PruefeVerschieben(1, 4, false, liste, 1, 2));
  EXPECT_EQ(Fingerabdruck(*s->schule), vorher);  // not even the uncoupled Ma 5b went
  EXPECT_EQ(liste.Anzahl(), 3);
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursLoeschen), 1);
  // "Verdrängen" itself cancelled: nothing asked further, nothing removed.
  s->dialoge.anfragen.clear();
  s->dialoge.Antworte(Modal::Abbrechen);
  liste.Leere();
  EXPECT_FALSE(s->deutsch5a->PruefeVerschieben(1, 4, false, liste, 1, 2));
  EXPECT_EQ(s->dialoge.anfragen.size(), 1u);
  EXPECT_EQ(Fingerabdruck(*s->schule), vorher);
}

TEST_F(Konflikte, GekoppelteStundenNachAntwort) {
  BesetzeZiel(*s);
  s->dialoge.Antworte(Modal::Ja);  // "Trotzdem setzen"
  s->dialoge.Antworte(Modal::Ja);  // "Dieser Kurs" for the first sport course
  TKonfliktListe liste;
  TFakeManuellFenster manuell(*s->schule);
  manuell.Anmelden();
  s->deutsch5a->SammleKonflikte(1, 4, s->deutsch5a, nullptr, liste, 2, 1);
  ASSERT_EQ(liste.Anzahl(), 3);
  const TKurs* erster = liste.Hole(2).Kurs();
  const TKurs* zweiter = liste.Hole(3).Kurs();
  s->dialoge.Antworte(Modal::Ok);  // "Kopplung" for the second
  EXPECT_TRUE(s->deutsch5a->PruefeKonfliktliste(1, 4, liste));
  EXPECT_EQ(s->mathe5b->FindeSetzung(1, 1, 4), nullptr);
  EXPECT_EQ(erster->FindeSetzung(1, 1, 4), nullptr);
  EXPECT_EQ(zweiter->FindeSetzung(1, 1, 4), nullptr);
  // The question names the slot, the course and every coupled course there.
  const auto& frage = s->dialoge.anfragen[1];
  EXPECT_EQ(frage.Art, TDialog::KursLoeschen);
  EXPECT_EQ(frage.Texte.size(), 4u);
  EXPECT_EQ(frage.Texte[0], "Mo 4. Std");
  // Removed with "Dieser Kurs" from the manual window's check: the window lists it.
  EXPECT_NE(manuell.kurse.Position(const_cast<TKurs*>(erster)), 0);
  manuell.Schliesse();
}

// "Kopplung" removes every coupled hour at the slot: the other members are not asked about again.
TEST_F(Konflikte, KopplungWirdNurEinmalGefragt) {
  BesetzeZiel(*s);
  s->dialoge.Antworte(Modal::Ja);  // "Trotzdem setzen"
  s->dialoge.Antworte(Modal::Ok);  // "Kopplung" at the first sport course
  TKonfliktListe liste;
  EXPECT_TRUE(s->deutsch5a->PruefeVerschieben(1, 4, false, liste, 1, 2));
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursLoeschen), 1);
  EXPECT_EQ(s->sportSch->FindeSetzung(1, 1, 4), nullptr);
  EXPECT_EQ(s->sportBer->FindeSetzung(1, 1, 4), nullptr);
}

TEST_F(Konflikte, EigeneStundeWirdNieVerdraengt) {
  Baue(2);
  s->standard.SetNurAktuelleVersion(false);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->deutsch5a->Setze(2, 1, s->r101, 1);
  s->deutsch5a->Setze(2, 2, s->r101, 2);  // the target, in version 2 only
  s->dialoge.standardAntwort = Modal::Ja;
  TKonfliktListe liste;
  EXPECT_FALSE(s->deutsch5a->PruefeVerschieben(2, 2, false, liste, 1, 1));
  EXPECT_EQ(liste.Texte(), (Texte{"{2} Kurs MUE     De 5a gesperrt."}));
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::Setzungsverbot), 1);
  EXPECT_EQ(s->deutsch5a->Setzungen().Anzahl(), 3);
}

TEST_F(Konflikte, KopplungUndAusgenommenerKursBeiKlassen) {
  s->sportBer->Setze(1, 2, s->r102, 3);
  TKonfliktListe liste;
  // The partner shares both classes but belongs to the coupling; it is no obstacle.
  EXPECT_EQ(s->sportSch->SammleSperrgruende(2, 3, s->th, liste), 0);
  EXPECT_TRUE(s->sportSch->KannSetzen(1, 2, s->th, 3));
  EXPECT_FALSE(s->sportSch->KannSetzen(1, 2, s->r102, 3));  // its room is taken
  // The teacher's other lessons are never skipped.
  TKurs* zweiter = s->schule->ErzeugeKurs(s->ber, s->k6a, s->spo, s->sp, nullptr, 1);
  EXPECT_EQ(zweiter->SammleSperrgruende(2, 3, nullptr, liste), 1);
  EXPECT_EQ(liste.Hole(1).Art(), KonfliktArt::LehrerBesetzt);
  // Another lesson of the class blocks an uncoupled course.
  s->mathe5a->Setze(1, 4, s->r101, 1);
  EXPECT_FALSE(s->deutsch5a->KannSetzen(1, 4, nullptr, 1));
  EXPECT_FALSE(s->sportSch->KannSetzen(-1, 4, nullptr, 1));
}

TEST_F(Konflikte, StundeFreiUndKeinRaumFrei) {
  s->mathe5b->SetzeStunden(1, 1);
  s->mathe5b->Setze(1, 1, s->r102, 1);
  s->mathe5b->Sperrung().SetzeBereich(1, 2, 2, true);
  for (int d = 1; d <= 7; ++d)
    for (int p = 1; p <= 16; ++p) ASSERT_TRUE(s->mathe5b->StundeFrei(1, d, nullptr, p));
  EXPECT_FALSE(s->deutsch5a->StundeFrei(1, 1, nullptr, 1));  // the teacher is busy
  EXPECT_TRUE(s->sportSch->StundeFrei(1, 2, nullptr, 5));
  s->sportBer->Setze(1, 2, s->r102, 5);
  EXPECT_FALSE(s->sportSch->StundeFrei(1, 2, nullptr, 5));
  EXPECT_TRUE(s->sportSch->StundeFrei(1, 2, s->spo, 5));

  TKonfliktListe liste;
  s->th->Sperrung().SetzeBereich(1, 3, 3, true);
  s->sportSch->SammleRaumKonflikte(3, 3, liste);
  ASSERT_EQ(liste.Anzahl(), 1);
  EXPECT_EQ(liste.Hole(1).Art(), KonfliktArt::KeinRaumFrei);
  EXPECT_EQ(liste.Hole(1).Schwere(), 1);
  EXPECT_EQ(liste.Hole(1).Text(), "");
  liste.Leere();
  s->deutsch6a->SammleRaumKonflikte(3, 3, liste);  // no rooms: nothing to miss
  EXPECT_TRUE(liste.Leer());
}

TEST_F(Konflikte, SetzenMitKopplungUndPartnerSchonDa) {
  s->sportBer->Setze(1, 4, s->r102, 2);
  TKonfliktListe liste;
  EXPECT_TRUE(s->sportSch->PruefeSetzenMitRaum(4, 2, s->th, true, liste));
  EXPECT_TRUE(s->dialoge.anfragen.empty());
  s->sportSch->SetzeMenueClick(4, 2, s->th);
  EXPECT_NE(s->sportSch->FindeSetzung(1, 4, 2), nullptr);
  EXPECT_EQ(s->sportBer->Setzungen().Anzahl(), 1);
}

// The list against the plain rules it keeps, over random conflicts: ordered by kind, equal kinds
// in the order found, a conflict with a course already reported in that version dropped (kinds
// 4 to 9), taking the first one out forgets it.
TEST_F(Konflikte, ListeWieDieEinfacheRegel) {
  std::mt19937 zufall(3);
  const std::vector<TKurs*> kurse = s->schule->Kurse().Elemente();
  for (int runde = 0; runde < 20; ++runde) {
    TKonfliktListe liste;
    std::vector<TKonflikt> erwartet;
    for (int i = 0; i < 200; ++i) {
      if (zufall() % 15 == 0) {
        liste.EntferneErstes();
        if (!erwartet.empty()) erwartet.erase(erwartet.begin());
        continue;
      }
      const int art = static_cast<int>(zufall() % 12);
      TKurs* kurs = kurse[zufall() % kurse.size()];
      const TKonflikt k(art, KonfliktSchwere(art), kurs, nullptr, 1 + static_cast<int>(zufall() % 3));
      bool doppelt = false;
      if (art >= KonfliktArt::LehrerFixiert && art <= KonfliktArt::RaumBesetzt)
        for (const TKonflikt& e : erwartet) doppelt |= e.Kurs() == k.Kurs() && e.Version() == k.Version();
      EXPECT_EQ(liste.Fuege(k), !doppelt);
      if (!doppelt)
        erwartet.insert(
            std::find_if(erwartet.begin(), erwartet.end(), [&](const TKonflikt& e) { return e.Art() > art; }),
            k);
    }
    ASSERT_EQ(liste.Anzahl(), static_cast<int>(erwartet.size()));
    for (int i = 1; i <= liste.Anzahl(); ++i) {
      const TKonflikt& e = erwartet[static_cast<std::size_t>(i - 1)];
      EXPECT_TRUE(liste.Hole(i).Art() == e.Art() && liste.Hole(i).Kurs() == e.Kurs() &&
                  liste.Hole(i).Version() == e.Version())
          << i;
    }
  }
}

}  // namespace
}  // namespace kolvar
