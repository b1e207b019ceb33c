#include "platform/fensterrahmen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace kolvar {

Qt::WindowFlags DialogRahmen(bool schliessfeld) {
  Qt::WindowFlags rahmen =
      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
  if (schliessfeld) rahmen |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  return rahmen;
}

void FixiereGroesse(QWidget& fenster) {
  if (!fenster.testAttribute(Qt::WA_Resized)) fenster.adjustSize();
  fenster.setFixedSize(fenster.size());
}

void ZentriereAufBildschirm(QWidget& fenster) {
  const QWidget* eltern = fenster.parentWidget() != nullptr ? fenster.parentWidget()->window() : nullptr;
  QScreen* bildschirm = eltern != nullptr ? eltern->screen() : QGuiApplication::primaryScreen();
  if (bildschirm == nullptr) return;
  // Until the window is shown its frame is unknown; the parent's is the best guess.
  QSize rand(0, 0);
  if (fenster.isVisible())
    rand = fenster.frameGeometry().size() - fenster.size();
  else if (eltern != nullptr && eltern->isVisible())
    rand = eltern->frameGeometry().size() - eltern->size();
  const QRect flaeche = bildschirm->availableGeometry();
  const QSize aussen = fenster.size() + rand;
  fenster.move(std::max(flaeche.left(), flaeche.left() + (flaeche.width() - aussen.width()) / 2),
               std::max(flaeche.top(), flaeche.top() + (flaeche.height() - aussen.height()) / 2));
}

namespace {

QMargins Rahmen(const QWidget& fenster) {
  const QRect innen = fenster.geometry();
  const QRect aussen = fenster.frameGeometry();
  return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
          aussen.bottom() - innen.bottom()};
}

}  // namespace

void ZentriereUeber(QWidget& fenster, const QWidget& ueber) {
  QScreen* bildschirm = ueber.screen() != nullptr ? ueber.screen() : QGuiApplication::primaryScreen();
  // Until the window is shown its frame is unknown: Qt takes it as none, and move() would put
  // the inside where the frame belongs, the title bar above it. The other window's frame is the
  // best guess.
  const bool bekannt = fenster.frameGeometry() != fenster.geometry();
  const QMargins rahmen = bekannt ? Rahmen(fenster) : Rahmen(ueber);
  const QRect mitte = ueber.frameGeometry();
  const QSize aussen = fenster.size().grownBy(rahmen);
  int x = mitte.center().x() - aussen.width() / 2;
  int y = mitte.center().y() - aussen.height() / 2;
  if (bildschirm != nullptr) {
    const QRect flaeche = bildschirm->availableGeometry();
    x = std::max(flaeche.left(), std::min(x, flaeche.right() + 1 - aussen.width()));
    y = std::max(flaeche.top(), std::min(y, flaeche.bottom() + 1 - aussen.height()));
  }
  if (bekannt)
    fenster.move(x, y);
  else
    fenster.move(x + rahmen.left(), y + rahmen.top());
}

namespace {

// The title sits beside an icon and up to three buttons; measure generously so that no theme has
// to cut it.
int BreiteIn(const QFontMetrics& mass, const QString& caption) {
  return mass.horizontalAdvance(caption) * 5 / 4 + 4 * (mass.height() + 8);
}

QFont TitelSchrift() {
  QFont schrift = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  schrift.setBold(true);
  return schrift;
}

// The window manager draws the title in a bold font of its own. Asking the font system for it
// reads the system's font configuration, which took most of the time a window needs to open, so
// it is asked once, and again when the application's fonts or theme change. Captions come back
// (every window of a kind starts with the same one, elements are shown again) and are measured
// once each.
class TTitelSchrift : public QObject {
 public:
  explicit TTitelSchrift(QCoreApplication& anwendung) : QObject(&anwendung) {
    anwendung.installEventFilter(this);
    if (auto* gui = qobject_cast<QGuiApplication*>(&anwendung))
      connect(gui, &QGuiApplication::fontDatabaseChanged, this, [this] { Vergiss(); });
  }

  int Breite(const QString& caption) {
    if (auto gemerkt = breiten_.constFind(caption); gemerkt != breiten_.cend()) return *gemerkt;
    if (!mass_) mass_.emplace(TitelSchrift());
    // Bounded: a long session renaming elements must not grow it for ever.
    if (breiten_.size() >= 4096) breiten_.clear();
    const int breite = BreiteIn(*mass_, caption);
    breiten_.insert(caption, breite);
    return breite;
  }

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::ApplicationFontChange || ereignis->type() == QEvent::ThemeChange)
      Vergiss();
    return QObject::eventFilter(ziel, ereignis);
  }

 private:
  void Vergiss() {
    mass_.reset();
    breiten_.clear();
  }

  std::optional<QFontMetrics> mass_;
  QHash<QString, int> breiten_;
};

}  // namespace

int TitelBreite(const QString& caption) {
  QCoreApplication* anwendung = QCoreApplication::instance();
  if (anwendung == nullptr) return BreiteIn(QFontMetrics(TitelSchrift()), caption);
  // The measure lives with the application; a new application measures anew.
  static QPointer<TTitelSchrift> schrift;
  if (schrift.isNull()) schrift = new TTitelSchrift(*anwendung);
  return schrift->Breite(caption);
}

void TitelPlatzLassen(QWidget& fenster) {
  const int noetig = TitelBreite(fenster.windowTitle());
  if (fenster.minimumWidth() == fenster.maximumWidth()) {
    if (fenster.width() < noetig) fenster.setFixedWidth(noetig);
    return;
  }
  if (fenster.minimumWidth() < noetig) fenster.setMinimumWidth(noetig);
  if (fenster.width() < noetig) fenster.resize(noetig, fenster.height());
}

}  // namespace kolvar
