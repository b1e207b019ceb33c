// The placing and swap dialogs: their answers by button and by Esc, their lists, and the
// engine's questions reaching them.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "planumgebung.h"
#include "platform/gitter.h"
#include "views/setzdialoge.h"

namespace kolvar {
namespace {

int Esc(TKvDialog& d) {
  d.setResult(0);
  QKeyEvent taste(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&d, &taste);
  return d.result();
}

class DialogTest : public PlanTest {};

TEST_F(DialogTest, EscGivesTheRefusingAnswerAndCaptionsAreTheProgramsOwn) {
  TSetzVerbForm setz;
  TVerdraengForm verdraeng;
  TRaTauschForm raum;
  TKursImRaPlnForm imPlan;
  TSchulTauschForm tausch;
  TTauschKonflForm konflikte;
  TKursLoeschForm loesch;
  EXPECT_EQ(Esc(setz), Modal::Ok);
  EXPECT_EQ(Esc(verdraeng), Modal::Abbrechen);
  EXPECT_EQ(Esc(raum), Modal::Abbrechen);
  EXPECT_EQ(Esc(imPlan), Modal::Nein);
  EXPECT_EQ(Esc(tausch), Modal::Abbrechen);
  EXPECT_EQ(Esc(konflikte), Modal::Nein);
  EXPECT_EQ(Esc(loesch), Modal::Abbrechen);
  // The close box answers like Esc.
  konflikte.setResult(0);
  konflikte.reject();
  EXPECT_EQ(konflikte.result(), Modal::Nein);
  EXPECT_EQ(verdraeng.windowTitle(), QStringLiteral("Verdrängen"));
  EXPECT_EQ(loesch.windowTitle(), QStringLiteral("gekoppelten Kurs löschen"));
  EXPECT_EQ(verdraeng.StandardKnopf()->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(tausch.StandardKnopf()->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(raum.StandardKnopf()->text(), QStringLiteral("Ok"));
  // Buttons and their results.
  auto ergebnis = [](TKvDialog& d, const char* knopf) {
    d.setResult(0);
    d.Knopf(QString::fromUtf8(knopf))->click();
    return d.result();
  };
  EXPECT_EQ(ergebnis(verdraeng, "Trotzdem setzen"), Modal::Ja);
  EXPECT_EQ(ergebnis(loesch, "Dieser Kurs"), Modal::Ja);
  EXPECT_EQ(ergebnis(loesch, "Kopplung"), Modal::Ok);
  EXPECT_EQ(ergebnis(konflikte, "Ja"), Modal::Ja);
  EXPECT_EQ(ergebnis(tausch, "Ok"), Modal::Ok);
  EXPECT_EQ(ergebnis(imPlan, "Ja"), Modal::Ja);
}

TEST_F(DialogTest, ListsStartWithOneRowAndGrowByOnePerEntry) {
  TVerdraengForm d;
  EXPECT_EQ(d.KonflGrid->Zeilen(), 1);
  EXPECT_EQ(d.KonflGrid->Spalten(), 1);
  EXPECT_EQ(d.KonflGrid->FesteZeilen(), 0);
  EXPECT_EQ(d.KonflGrid->StandardBreite(), 250);
  d.Fuellen(QStringLiteral("Mo  1"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  EXPECT_EQ(d.KonflGrid->Zeilen(), 3);
  EXPECT_EQ(d.KonflGrid->Text(0, 2), QStringLiteral("c"));
  d.Fuellen(QStringLiteral("Mo  1"), {});
  EXPECT_EQ(d.KonflGrid->Zeilen(), 1);
  EXPECT_EQ(d.KonflGrid->Text(0, 0), QString());
  TTauschKonflForm t;
  EXPECT_EQ(t.KonflGrid->StandardBreite(), 200);
  TauschKonflikteFuellen(t, *schule, 1, 1, 2, 2);  // nothing placed: one empty row
  EXPECT_EQ(t.KonflGrid->Zeilen(), 1);
  EXPECT_EQ(t.KonflGrid->Text(0, 0), QString());
}

TEST_F(DialogTest, KursLoeschFormListsTheCoupledCoursesAtTheSlot) {
  sportSch->Setze(1, 4, th, 2);
  sportBer->Setze(1, 4, r102, 2);
  TKursLoeschForm d;
  d.Fuellen(*sportBer, 4, 2);
  EXPECT_EQ(d.ZeitFeld->text(), QStringLiteral("Do  2"));
  EXPECT_EQ(d.KursFeld->text(), QString::fromStdString(sportBer->TextMitRaum(1, 4, 2)));
  ASSERT_EQ(d.KursGrid->Zeilen(), 2);
  EXPECT_EQ(d.KursGrid->Text(0, 0), QString::fromStdString(sportSch->TextMitRaum(1, 4, 2)));
}

TEST_F(DialogTest, RoomStillInAPlanIsTakenOffOnlyOnJa) {
  deutsch5a->Setze(1, 1, r101, 1);
  QString raum;
  dialoge.Bediene(QStringLiteral("Kurs im Raumplan"), [&](TKvDialog& d) {
    raum = dynamic_cast<TKursImRaPlnForm&>(d).Raumfeld->text();
    d.Knopf(QStringLiteral("Nein"))->click();
  });
  EXPECT_FALSE(deutsch5a->FrageRaumEntfernen(r101));
  EXPECT_EQ(raum, QStringLiteral("R101."));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), r101);
  dialoge.Klicke(QStringLiteral("Kurs im Raumplan"), QStringLiteral("Ja"));
  EXPECT_TRUE(deutsch5a->FrageRaumEntfernen(r101));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), nullptr);
  KeineFehler();
}

TEST_F(DialogTest, RoomSwapOfTwoLessonsGoesThroughRaumtausch) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5b->Setze(1, 1, r102, 1);
  QStringList felder;
  dialoge.Bediene(QStringLiteral("Raumtausch"), [&](TKvDialog& d) {
    auto& f = dynamic_cast<TRaTauschForm&>(d);
    felder << f.Kurs1Feld->text() << f.Kurs2Feld->text() << f.ZeitFeld->text();
    f.Knopf(QStringLiteral("Ok"))->click();
  });
  deutsch5a->TauscheRaeume(mathe5b, 1, 1, 1);
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), r102);
  EXPECT_EQ(mathe5b->FindeSetzung(1, 1, 1)->Raum(), r101);
  ASSERT_EQ(felder.size(), 3);
  EXPECT_EQ(felder[2], QStringLiteral("Mo  1"));
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
