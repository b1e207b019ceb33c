#include "platform/kvform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

#include "platform/anwendungsfilter.h"
#include "platform/dienste.h"
#include "platform/fensterrahmen.h"
#include "platform/shiftempfaenger.h"

namespace kolvar {

namespace {

// Key events go to the focused child, not to the form; one filter on the application sees them
// all. An event that propagates to the parents is seen more than once, which ShiftMerken bears.
// Events of windows that are no form (the palette, dialogs, menus) go to the service's receiver:
// a Ctrl released in a modal dialog is released for the planning windows too.
class TShiftFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    switch (ereignis->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        Merke(ziel, ShiftByte(*static_cast<QKeyEvent*>(ereignis)));
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        Merke(ziel, ShiftByte(static_cast<QMouseEvent*>(ereignis)->modifiers()));
        break;
      case QEvent::Shortcut:
        // The modifiers of a shortcut belong to its key, not to what the command does.
        Vergiss();
        break;
      case QEvent::Hide:
        if (ziel->isWidgetType()) Versteckt(*static_cast<QWidget*>(ziel));
        break;
      case QEvent::ApplicationStateChange:
        // Keys released in another program are never seen.
        if (QGuiApplication::applicationState() != Qt::ApplicationActive) Vergiss();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  static void Merke(QObject* ziel, std::uint8_t zustand) {
    if (!ziel->isWidgetType()) return;
    QWidget* fenster = static_cast<QWidget*>(ziel)->window();
    if (auto* form = qobject_cast<TKvForm*>(fenster))
      form->ShiftMerken(zustand);
    else if (IShiftEmpfaenger* empfaenger = TDienste::Shift())
      empfaenger->ShiftMerken(zustand);
  }

  static void Vergiss() {
    if (IShiftEmpfaenger* empfaenger = TDienste::Shift()) empfaenger->ShiftMerken(0);
  }

  static void Versteckt(QWidget& w) {
    if (!w.isWindow()) return;
    if (qobject_cast<QMenu*>(&w) != nullptr) {
      // A menu hides before its entry runs, and the entry acts with what the click held.
      QTimer::singleShot(0, QCoreApplication::instance(), [] { Vergiss(); });
    } else if (qobject_cast<QDialog*>(&w) != nullptr && w.isModal()) {
      Vergiss();
    }
  }
};

// Windows closed while a pop-up or dialog loop ran; freed when the last has returned.
int aufschuebe = 0;
std::vector<QPointer<TKvForm>>& Wartende() {
  static std::vector<QPointer<TKvForm>> wartende;
  return wartende;
}

}  // namespace

void ShiftFilterEinrichten() {
  AnwendungsFilterEinrichten<TShiftFilter>();
}

TFreigabeAufschub::TFreigabeAufschub() {
  ++aufschuebe;
}

TFreigabeAufschub::~TFreigabeAufschub() {
  if (--aufschuebe > 0) return;
  // Still deferred: the handler that ran the loop returns to the event loop first.
  const std::vector<QPointer<TKvForm>> wartende = std::exchange(Wartende(), {});
  for (const QPointer<TKvForm>& form : wartende)
    if (!form.isNull()) form->deleteLater();
}

bool TFreigabeAufschub::Laeuft() {
  return aufschuebe > 0;
}

TKvForm::TKvForm(int tag, QWidget* eltern) : QWidget(eltern, Qt::Window), tag_(tag) {
  ShiftFilterEinrichten();
}

bool TKvForm::Schliesse() {
  return SchliesseMit(false);
}

bool TKvForm::DarfSchliessen() {
  bool erlaubt = true;
  FormCloseQuery(erlaubt);
  return erlaubt;
}

void TKvForm::SchliesseErzwungen() {
  SchliesseMit(true);
}

bool TKvForm::SchliesseMit(bool erzwungen) {
  erzwungen_ = erzwungen;
  bool geschlossen = false;
  if (isVisible()) {
    geschlossen = close();
  } else {
    // Qt sends no close event to a hidden window, but its close actions must still run.
    QCloseEvent ereignis;
    QCoreApplication::sendEvent(this, &ereignis);
    geschlossen = ereignis.isAccepted();
  }
  erzwungen_ = false;
  return geschlossen;
}

void TKvForm::SetzeCaption(const QString& caption) {
  setWindowTitle(caption);
  TitelPlatzLassen(*this);
}

void TKvForm::showEvent(QShowEvent* ereignis) {
  // A form that fixed its size after its caption was set gets the room now.
  TitelPlatzLassen(*this);
  QWidget::showEvent(ereignis);
}

void TKvForm::ShiftMerken(std::uint8_t zustand) {
  IShiftEmpfaenger* empfaenger = shiftEmpfaenger_ != nullptr ? shiftEmpfaenger_ : TDienste::Shift();
  if (empfaenger != nullptr) empfaenger->ShiftMerken(zustand);
}

void TKvForm::FormCloseQuery(bool&) {}

void TKvForm::FormClose(TCloseAction&) {}

void TKvForm::closeEvent(QCloseEvent* ereignis) {
  bool erlaubt = true;
  if (!erzwungen_) FormCloseQuery(erlaubt);
  if (!erlaubt) {
    ereignis->ignore();
    return;
  }
  TCloseAction aktion = TCloseAction::caHide;
  FormClose(aktion);
  // A forced close must end the window's life with the data it shows.
  if (erzwungen_ && (aktion == TCloseAction::caNone || aktion == TCloseAction::caMinimize))
    aktion = TCloseAction::caHide;
  switch (aktion) {
    case TCloseAction::caNone:
      ereignis->ignore();
      break;
    case TCloseAction::caMinimize:
      ereignis->ignore();
      showMinimized();
      break;
    case TCloseAction::caHide:
      ereignis->accept();
      break;
    case TCloseAction::caFree:
      ereignis->accept();
      Freigeben();
      break;
  }
}

void TKvForm::Freigeben() {
  if (freigeben_) return;
  freigeben_ = true;
  if (TFreigabeAufschub::Laeuft())
    Wartende().emplace_back(this);
  else
    deleteLater();
}

void TKvForm::changeEvent(QEvent* ereignis) {
  // Only the step to active counts, however often Qt reports the change.
  if (ereignis->type() == QEvent::ActivationChange) {
    const bool aktiv = isActiveWindow();
    const bool neu = aktiv && !aktiv_;
    aktiv_ = aktiv;
    if (neu) Aktiviere();
  }
  QWidget::changeEvent(ereignis);
}

}  // namespace kolvar
