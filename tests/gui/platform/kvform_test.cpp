#include "platform/kvform.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

#include "gui/support/skriptdienste.h"
#include "platform/dienste.h"
#include "platform/shiftempfaenger.h"

namespace kolvar {
namespace {

class TTestFenster : public TKvForm {
 public:
  TTestFenster() : TKvForm(9) {
    auto* layout = new QVBoxLayout(this);
    feld = new QLineEdit(this);
    layout->addWidget(feld);
  }
  bool erlauben = true;
  TCloseAction aktion = TCloseAction::caHide;
  int anfragen = 0;
  int geschlossen = 0;
  int aktiviert = 0;
  QLineEdit* feld;

 protected:
  void FormCloseQuery(bool& erlaubt) override {
    ++anfragen;
    erlaubt = erlauben;
  }
  void Aktiviere() override { ++aktiviert; }
  void FormClose(TCloseAction& a) override {
    ++geschlossen;
    a = aktion;
  }
};

TEST(KvForm, SchliessabfrageUndSchliessaktionen) {
  TTestFenster fenster;
  fenster.show();
  fenster.erlauben = false;
  EXPECT_FALSE(fenster.Schliesse());
  EXPECT_TRUE(fenster.isVisible());
  EXPECT_EQ(fenster.geschlossen, 0);

  fenster.erlauben = true;
  fenster.aktion = TCloseAction::caNone;
  EXPECT_FALSE(fenster.Schliesse());
  EXPECT_TRUE(fenster.isVisible());
  EXPECT_EQ(fenster.geschlossen, 1);

  fenster.aktion = TCloseAction::caHide;
  EXPECT_TRUE(fenster.Schliesse());
  EXPECT_FALSE(fenster.isVisible());
}

TEST(KvForm, ErzwungenesSchliessenFragtNichtUndEndetImmer) {
  QPointer<TTestFenster> fenster = new TTestFenster;
  fenster->show();
  fenster->erlauben = false;
  fenster->aktion = TCloseAction::caNone;
  fenster->SchliesseErzwungen();
  EXPECT_EQ(fenster->anfragen, 0);
  EXPECT_EQ(fenster->geschlossen, 1) << "the close action still runs so the window can unlink itself";
  EXPECT_FALSE(fenster->isVisible()) << "a forced close cannot be refused";
  EXPECT_FALSE(fenster->WirdErzwungenGeschlossen());
  fenster->SchliesseErzwungen();
  EXPECT_EQ(fenster->geschlossen, 2) << "a hidden window is closed all the same";

  fenster->aktion = TCloseAction::caFree;
  fenster->erlauben = true;
  fenster->show();
  EXPECT_TRUE(fenster->Schliesse());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(fenster.isNull()) << "caFree frees the window";
}

// QTest adds key events of its own for the modifiers; these go out exactly as given.
void Taste(QWidget* ziel, QEvent::Type art, int taste, Qt::KeyboardModifiers modifier) {
  QKeyEvent ereignis(art, taste, modifier);
  QCoreApplication::sendEvent(ziel, &ereignis);
}

TEST(KvForm, TastenUndMausMeldenDenShiftZustand) {
  TShiftSpeicher palette;
  TDienste::SetzeShift(&palette);
  TTestFenster fenster;
  fenster.show();
  Taste(fenster.feld, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
  EXPECT_EQ(palette.Zustand(), kCtrlBit) << "a pressed Ctrl counts although the event lacks the modifier";
  Taste(fenster.feld, QEvent::KeyPress, Qt::Key_Shift, Qt::ControlModifier);
  EXPECT_EQ(palette.Zustand(), kCtrlBit | kShiftBit);
  Taste(fenster.feld, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(palette.Zustand(), kShiftBit) << "a released Ctrl is gone although the event still carries it";
  Taste(fenster.feld, QEvent::KeyPress, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(palette.Zustand(), kAltBit);
  Taste(&fenster, QEvent::KeyRelease, Qt::Key_A, Qt::MetaModifier | Qt::KeypadModifier);
  EXPECT_EQ(palette.Zustand(), 0) << "the form itself reports too; Meta and the keypad are no shift state";
  QTest::mouseClick(fenster.feld, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(palette.Zustand(), kCtrlBit | kAltBit);

  // A window with its own receiver does not report to the service's.
  TShiftSpeicher eigener;
  fenster.SetzeShiftEmpfaenger(&eigener);
  const int vorher = palette.Anzahl();
  Taste(fenster.feld, QEvent::KeyPress, Qt::Key_B, Qt::ShiftModifier);
  EXPECT_EQ(palette.Anzahl(), vorher);
  EXPECT_EQ(eigener.Zustand(), kShiftBit);

  // Widgets outside any form (a dialog, the palette) report to the service's receiver: a Ctrl
  // released in a modal dialog is released for the planning windows too.
  QLineEdit fremd;
  fremd.show();
  Taste(&fremd, QEvent::KeyPress, Qt::Key_C, Qt::ShiftModifier);
  EXPECT_EQ(palette.Anzahl(), vorher + 1);
  EXPECT_EQ(palette.Zustand(), kShiftBit);
  TDienste::Zuruecksetzen();
}

TEST(KvForm, AktivierenRuftAktiviere) {
  TTestFenster a;
  TTestFenster b;
  a.show();
  b.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
  const int vorherA = a.aktiviert;
  const int vorherB = b.aktiviert;
  a.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
  EXPECT_EQ(a.aktiviert, vorherA + 1);
  b.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
  EXPECT_EQ(b.aktiviert, vorherB + 1);
  EXPECT_EQ(a.aktiviert, vorherA + 1) << "losing the activation is no activation";
}

}  // namespace
}  // namespace kolvar
