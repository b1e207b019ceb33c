// What the plan-view tests share: a small school whose questions go through the program's own
// dialogs, every service scripted, and mouse events sent to a plan's grid.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPoint>
#include <QStringList>
#include <memory>

#include "app/guidialoge.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/ablage.h"
#include "platform/dialogdienst.h"
#include "platform/popupdienst.h"
#include "platform/shiftempfaenger.h"
#include "support/fakes.h"
#include "views/plnform.h"

namespace kolvar {

// The palette state as the plan views read it, fed by the windows' key and mouse events.
class TPlanPalette : public TFakePalette, public IShiftEmpfaenger {
 public:
  void ShiftMerken(std::uint8_t zustand) override { tasten = zustand; }
};

class PlanTest : public GuiTest {
 protected:
  explicit PlanTest(int versionen = 1);

  // Every test ends with nothing asked that it did not script and a consistent model.
  void TearDown() override;

  // A plan window shown and made the active one, in the tool mode given; owned by the test.
  template <class Form, class Element>
  std::unique_ptr<Form> Oeffne(Element* e, int modus = -1, IPalette* fensterPalette = nullptr) {
    auto form = std::make_unique<Form>(*schule, fensterPalette);
    form->Zeige(e);
    form->Oeffne();
    // The scroll bars follow the size through a queued signal.
    QCoreApplication::processEvents();
    schule->SetzeAktivesFenster(form.get());
    if (modus >= 0) Modus(modus);
    return form;
  }

  // Mouse events on a body cell (day, period) of the grid, with modifiers.
  static QPoint Mitte(const TPlnForm& f, int tag, int stunde);
  static void Druecke(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m = {},
                      Qt::MouseButton knopf = Qt::LeftButton);
  static void LasseLos(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m = {},
                       Qt::MouseButton knopf = Qt::LeftButton);
  static void Klicke(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m = {});
  static void Doppelklicke(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m = {});
  // Press on the source, move over the target, release there.
  static void Ziehe(TPlnForm& f, int vonTag, int vonStunde, int zuTag, int zuStunde,
                    Qt::KeyboardModifiers m = {});

  void Modus(int modus) { schule->SetzeModus(static_cast<uint8_t>(modus)); }
  static bool Hat(const TKurs* k, int v, int tag, int stunde) {
    return k->FindeSetzung(v, tag, stunde) != nullptr;
  }
  // The model's invariants hold.
  void Gesund();

  // What a dialog showed: its lines, then the rows of its lists.
  struct TGezeigt {
    QStringList felder, zeilen;
  };
  // The next dialog of this caption is answered with the button; it shows into *gezeigt.
  void Antworte(const QString& titel, const QString& knopf, TGezeigt* gezeigt = nullptr);

  TGuiDialoge guiDialoge;
  // The plan views see this palette state, not a palette window.
  TPlanPalette palette;
  TFesteUhr uhr;
  std::unique_ptr<TSchule> schule;

  TLehrer *mue = nullptr, *sch = nullptr, *ber = nullptr;
  TKlasse *k5a = nullptr, *k5b = nullptr;
  TRaum *r101 = nullptr, *r102 = nullptr, *th = nullptr;
  TFach *de = nullptr, *ma = nullptr, *sp = nullptr;
  TKopplung* spo = nullptr;
  // MUE De 5a R101 (4), SCH Ma 5a R101 (4), MUE Ma 5b R102 (3), SCH Sp 5a+5b SPO TH (2),
  // BER Sp 5a+5b SPO R102 (2), BER De 5b (2, no room).
  TKurs *deutsch5a = nullptr, *mathe5a = nullptr, *mathe5b = nullptr;
  TKurs *sportSch = nullptr, *sportBer = nullptr, *deutsch5b = nullptr;
};

}  // namespace kolvar
