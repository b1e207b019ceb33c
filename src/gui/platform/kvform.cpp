#include "platform/kvform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <utility>
#include <vector>

#include "platform/dienste.h"
#include "platform/shiftempfaenger.h"

namespace kolvar {

namespace {

// Key events go to the focused child, not to the form; one filter on the application sees them
// all. An event that propagates to the parents is seen more than once, which ShiftMerken bears.
class TShiftFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    switch (ereignis->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        if (TKvForm* form = FormVon(ziel)) form->ShiftMerken(ShiftByte(*static_cast<QKeyEvent*>(ereignis)));
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        if (TKvForm* form = FormVon(ziel))
          form->ShiftMerken(ShiftByte(static_cast<QMouseEvent*>(ereignis)->modifiers()));
        break;
      default:
        break;
    }
    return false;
  }

 private:
  static TKvForm* FormVon(QObject* ziel) {
    if (!ziel->isWidgetType()) return nullptr;
    return qobject_cast<TKvForm*>(static_cast<QWidget*>(ziel)->window());
  }
};

// Windows closed while a pop-up or dialog loop ran; freed when the last has returned.
int aufschuebe = 0;
std::vector<QPointer<TKvForm>>& Wartende() {
  static std::vector<QPointer<TKvForm>> wartende;
  return wartende;
}

void FilterEinrichten() {
  // The filter lives with the application; a new application gets a new one.
  static QPointer<TShiftFilter> filter;
  if (!filter.isNull() || QCoreApplication::instance() == nullptr) return;
  filter = new TShiftFilter(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace

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
  FilterEinrichten();
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
