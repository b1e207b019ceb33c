// The placing and swap dialogs: their answers by button and by Esc, their lists (whole rows, or
// scrolling to them past the screen's width), and the engine's questions reaching them.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "planumgebung.h"
#include "platform/fensterrahmen.h"
#include "platform/gitter.h"
#include "views/setzdialoge.h"

namespace kolvar {
namespace {

class DialogTest : public PlanTest {};

// Every placing and swap dialog asks for a dialog's frame with a close box and nothing else:
// without any button Qt would ask the window manager for all functions, minimise and maximise
// among them.
TEST_F(DialogTest, FramesCarryOnlyACloseBox) {
  TSetzVerbForm setz;
  TVerdraengForm verdraeng;
  TRaTauschForm raum;
  TKursImRaPlnForm imPlan;
  TSchulTauschForm tausch;
  TTauschKonflForm konflikte;
  for (TKvDialog* d :
       std::initializer_list<TKvDialog*>{&setz, &verdraeng, &raum, &imPlan, &tausch, &konflikte}) {
    SCOPED_TRACE(d->windowTitle().toStdString());
    const Qt::WindowFlags f = d->windowFlags();
    EXPECT_EQ(f & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(f & Qt::CustomizeWindowHint);
    EXPECT_TRUE(f & Qt::WindowTitleHint);
    EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(
        f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));
  }
}

TEST_F(DialogTest, EscTheCloseBoxAndTheButtonsGiveTheirAnswers) {
  TSetzVerbForm setz;
  TVerdraengForm verdraeng;
  TRaTauschForm raum;
  TKursImRaPlnForm imPlan;
  TSchulTauschForm tausch;
  TTauschKonflForm konflikte;
  TKursLoeschForm loesch;
  // The answer to Esc, to the close box where it differs, the default button, a button's answer.
  const struct {
    TKvDialog& d;
    int esc, schliessen;
    const char* standard;
    const char* knopf;
    int antwort;
  } faelle[] = {
      {setz, Modal::Ok, 0, nullptr, nullptr, 0},
      {verdraeng, Modal::Abbrechen, 0, "Abbrechen", "Trotzdem setzen", Modal::Ja},
      {raum, Modal::Abbrechen, 0, "Ok", nullptr, 0},
      {imPlan, Modal::Nein, Modal::Nein, nullptr, "Ja", Modal::Ja},
      {tausch, Modal::Abbrechen, 0, "Abbrechen", "Ok", Modal::Ok},
      {konflikte, Modal::Nein, Modal::Nein, nullptr, "Ja", Modal::Ja},
      {loesch, Modal::Abbrechen, 0, nullptr, "Dieser Kurs", Modal::Ja},
      {loesch, Modal::Abbrechen, 0, nullptr, "Kopplung", Modal::Ok},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.d.windowTitle().toStdString());
    f.d.setResult(0);
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&f.d, &taste);
    EXPECT_EQ(f.d.result(), f.esc);
    if (f.schliessen != 0) {
      f.d.setResult(0);
      f.d.reject();
      EXPECT_EQ(f.d.result(), f.schliessen);
    }
    if (f.standard != nullptr) {
      EXPECT_EQ(f.d.StandardKnopf()->text(), QString::fromUtf8(f.standard));
    }
    if (f.knopf != nullptr) {
      f.d.setResult(0);
      f.d.Knopf(QString::fromUtf8(f.knopf))->click();
      EXPECT_EQ(f.d.result(), f.antwort);
    }
  }
}

TEST_F(DialogTest, AnEmptyListShowsOneEmptyRowAndAFullOneARowPerEntry) {
  TVerdraengForm d;
  d.Fuellen(QStringLiteral("Mo  1"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  EXPECT_EQ(d.KonflGrid->Zeilen(), 3);
  EXPECT_EQ(d.KonflGrid->Text(0, 2), QStringLiteral("c"));
  d.Fuellen(QStringLiteral("Mo  1"), {});
  EXPECT_EQ(d.KonflGrid->Zeilen(), 1);
  EXPECT_EQ(d.KonflGrid->Text(0, 0), QString());
  TTauschKonflForm t;
  TauschKonflikteFuellen(t, *schule, 1, 1, 2, 2);  // nothing placed
  EXPECT_EQ(t.KonflGrid->Zeilen(), 1);
  EXPECT_EQ(t.KonflGrid->Text(0, 0), QString());
}

// Long conflict rows and short dialogs under long captions: nothing is cut when they show.
TEST_F(DialogTest, EveryTextIsReadableInFull) {
  const QString lang = QStringLiteral(
      "gesperrt {12} ABE De-LK 12a 12b 12c Kurs mit einem sehr langen Infotext R101 Turnhalle");
  const QStringList konflikte{QStringLiteral("fixiert MUE Ma 5a"), lang};
  TSetzVerbForm setz;
  setz.Fuellen(QStringLiteral("Mo 1. Stunde"), konflikte);
  TVerdraengForm verdraeng;
  verdraeng.Fuellen(QStringLiteral("Mo 1. Stunde"), konflikte);
  TSchulTauschForm tausch;
  tausch.vonFeld->setText(QStringLiteral("Mo 1"));
  tausch.bisFeld->setText(QStringLiteral("Di 2"));
  TTauschKonflForm tauschKonflikte;
  FuelleListe(*tauschKonflikte.KonflGrid, konflikte);
  for (TKvDialog* d : std::initializer_list<TKvDialog*>{&setz, &verdraeng, &tausch, &tauschKonflikte}) {
    SCOPED_TRACE(d->windowTitle().toStdString());
    dialoge.Bediene(d->windowTitle(), [](TKvDialog& dialog) {
      dialog.show();
      EXPECT_GE(dialog.width(), TitelBreite(dialog.windowTitle()));
      for (const QLabel* zeile : dialog.findChildren<QLabel*>())
        EXPECT_GE(zeile->width(), zeile->sizeHint().width()) << zeile->text().toStdString();
      for (TGitter* liste : dialog.findChildren<TGitter*>()) {
        EXPECT_GE(liste->viewport()->width(), liste->SpaltenBreite(0));
        for (int z = 0; z < liste->Zeilen(); ++z)
          EXPECT_GT(liste->SpaltenBreite(0), liste->fontMetrics().horizontalAdvance(liste->Text(0, z)) + 2);
      }
      dialog.hide();
    });
    d->Zeige();
  }
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join('\n').toStdString();
  EXPECT_TRUE(dialoge.AllesBeantwortet());
}

// A visible horizontal scroll bar of the dialog that has somewhere to go.
bool RolltSeitwaerts(const QWidget& dialog) {
  for (const QScrollBar* balken : dialog.findChildren<QScrollBar*>())
    if (balken->orientation() == Qt::Horizontal && balken->isVisible() && balken->maximum() > 0) return true;
  return false;
}

// The list is as wide as its longest row while the dialog stays on the screen, and past that it
// scrolls to the row's end; either way the list lies wholly inside the dialog.
TEST_F(DialogTest, TheListShowsItsLongestRowOrScrollsToIt) {
  const QString kurz = QStringLiteral("{1} Klasse 5a besetzt durch BEC     En 5a.");
  QString lang;
  while (lang.size() < 400) lang += kurz + QLatin1Char(' ');
  for (const QString& zeile : {kurz, lang}) {
    SCOPED_TRACE(zeile.size());
    TVerdraengForm d;
    d.Fuellen(QStringLiteral("Mo  6"), {QStringLiteral("{1} Lehrer BEC gesperrt"), zeile});
    dialoge.Bediene(d.windowTitle(), [&](TKvDialog& dialog) {
      dialog.show();
      QCoreApplication::processEvents();  // the dialog's loop lays it out
      const TGitter* liste = d.KonflGrid;
      const QRect flaeche = dialog.screen()->availableGeometry();
      EXPECT_LE(dialog.width(), flaeche.width());
      EXPECT_GE(liste->SpaltenBreite(0), liste->fontMetrics().horizontalAdvance(zeile) + 2);
      EXPECT_GE(liste->viewport()->width(), liste->SpaltenBreite(0));
      const QWidget* sichtbar = liste;
      while (sichtbar->parentWidget() != &dialog && qobject_cast<const QScrollArea*>(sichtbar) == nullptr)
        sichtbar = sichtbar->parentWidget();
      EXPECT_LE(sichtbar->mapTo(&dialog, QPoint(sichtbar->width(), sichtbar->height())).x(), dialog.width());
      EXPECT_EQ(RolltSeitwaerts(dialog), zeile == lang);
      if (zeile == kurz) {
        EXPECT_TRUE(liste->verticalScrollBar()->isVisible());
        EXPECT_EQ(liste->mapTo(&dialog, QPoint(liste->width(), 0)).x(),
                  sichtbar->mapTo(&dialog, QPoint(sichtbar->width(), 0)).x());
      }
      dialog.hide();
    });
    d.Zeige();
  }
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join('\n').toStdString();
  EXPECT_TRUE(dialoge.AllesBeantwortet());
}

// The window manager's minimise box on a modal dialog: the dialog comes back at once, so the
// program never waits on an answer nobody can see; other windows stay minimised.
TEST_F(DialogTest, AMinimisedModalDialogShowsItselfAgain) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r101, 3);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
  bool wieder = false;
  dialoge.Bediene(QStringLiteral("Verdrängen"), [&](TKvDialog& d) {
    d.setWindowModality(Qt::ApplicationModal);  // as its modal loop has it
    d.show();
    d.setWindowState(d.windowState() | Qt::WindowMinimized);
    QCoreApplication::processEvents();
    wieder = d.isVisible() && !d.isMinimized();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Ziehe(*plan, 1, 1, 2, 3);
  EXPECT_TRUE(wieder);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_TRUE(Hat(mathe5a, 1, 2, 3));
  plan->setWindowState(plan->windowState() | Qt::WindowMinimized);
  QCoreApplication::processEvents();
  EXPECT_TRUE(plan->isMinimized());
}

TEST_F(DialogTest, RoomStillInAPlanIsTakenOffOnlyOnJa) {
  deutsch5a->Setze(1, 1, r101, 1);
  TGezeigt frage;
  Antworte(QStringLiteral("Kurs im Raumplan"), QStringLiteral("Nein"), &frage);
  EXPECT_FALSE(deutsch5a->FrageRaumEntfernen(r101));
  EXPECT_TRUE(frage.felder.contains(QStringLiteral("R101."))) << frage.felder.join('|').toStdString();
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), r101);
  dialoge.Klicke(QStringLiteral("Kurs im Raumplan"), QStringLiteral("Ja"));
  EXPECT_TRUE(deutsch5a->FrageRaumEntfernen(r101));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), nullptr);
}

TEST_F(DialogTest, RoomSwapOfTwoLessonsGoesThroughRaumtausch) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5b->Setze(1, 1, r102, 1);
  TGezeigt frage;
  Antworte(QStringLiteral("Raumtausch"), QStringLiteral("Ok"), &frage);
  deutsch5a->TauscheRaeume(mathe5b, 1, 1, 1);
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), r102);
  EXPECT_EQ(mathe5b->FindeSetzung(1, 1, 1)->Raum(), r101);
  EXPECT_TRUE(frage.felder.contains(QStringLiteral("Mo  1"))) << frage.felder.join('|').toStdString();
}

}  // namespace
}  // namespace kolvar
