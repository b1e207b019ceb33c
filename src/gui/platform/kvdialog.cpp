#include "platform/kvdialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <optional>

#include "model/schule.h"
#include "platform/anwendungsfilter.h"
#include "platform/dienste.h"
#include "platform/fensterrahmen.h"
#include "platform/kvform.h"

namespace kolvar {

namespace {

class TModalWache : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::WindowStateChange && ziel->isWidgetType()) {
      auto* fenster = static_cast<QWidget*>(ziel);
      if (fenster->isWindow() && fenster->isModal() && fenster->isMinimized())
        // Not within the state change itself: the window system finishes it first.
        QTimer::singleShot(0, fenster, [fenster] { Zurueckholen(*fenster); });
    }
    return false;
  }

 private:
  static void Zurueckholen(QWidget& fenster) {
    if (!fenster.isMinimized() || !fenster.isModal()) return;
    fenster.setWindowState(fenster.windowState() & ~Qt::WindowMinimized);
    fenster.show();
    fenster.raise();
    fenster.activateWindow();
  }
};

}  // namespace

void ModaleDialogeSichtbarHalten() {
  AnwendungsFilterEinrichten<TModalWache>();
}

TKvDialog::TKvDialog(QWidget* eltern) : QDialog(eltern, DialogRahmen(true)) {
  ModaleDialogeSichtbarHalten();
}

int TKvDialog::Zeige() {
  setResult(mrKeins);
  VorDemZeigen();
  if (groesseFest_)
    FixiereGroesse(*this);
  else if (!testAttribute(Qt::WA_Resized))
    adjustSize();
  TitelPlatzLassen(*this);
  Platziere();
  const TFreigabeAufschub aufschub;
  std::optional<TSchule::TPause> pause;
  if (schule_ != nullptr) pause.emplace(*schule_);
  const int ergebnis = TDienste::Dialoge().ZeigeDialog(*this);
  return ergebnis == mrKeins ? mrAbbrechen : ergebnis;
}

int TKvDialog::ZeigeModal() {
  const TFreigabeAufschub aufschub;
  const int ergebnis = exec();
  return ergebnis == mrKeins ? mrAbbrechen : ergebnis;
}

void TKvDialog::Platziere() {
  ZentriereAufBildschirm(*this);
}

void TKvDialog::KnopfErgebnis(QAbstractButton* knopf, int ergebnis) {
  connect(knopf, &QAbstractButton::clicked, this, [this, ergebnis] { done(ergebnis); });
}

void TKvDialog::SetzeStandardKnopf(QPushButton* knopf) {
  if (standard_ != nullptr) standard_->setDefault(false);
  standard_ = knopf;
  if (knopf != nullptr) {
    knopf->setAutoDefault(true);
    knopf->setDefault(true);
  }
}

void TKvDialog::SetzeAbbruchKnopf(QAbstractButton* knopf) {
  abbruch_ = knopf;
}

QAbstractButton* TKvDialog::Knopf(const QString& text) const {
  const auto knoepfe = findChildren<QAbstractButton*>();
  for (QAbstractButton* knopf : knoepfe)
    if (knopf->text().remove(QLatin1Char('&')) == text) return knopf;
  return nullptr;
}

void TKvDialog::reject() {
  done(mrAbbrechen);
}

void TKvDialog::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
    if (abbruch_ != nullptr && abbruch_->isEnabled()) abbruch_->click();
    ereignis->accept();
    return;
  }
  QDialog::keyPressEvent(ereignis);
}

}  // namespace kolvar
