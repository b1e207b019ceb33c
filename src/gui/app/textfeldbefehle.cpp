#include "app/textfeldbefehle.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QValidator>
#include <string>
#include <utility>
#include <vector>

#include "app/frageform.h"
#include "engine/ablage.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"

namespace kolvar {

namespace {

// Whether the field takes the line in place of its selection as it would take it typed.
bool NimmtAuf(const QLineEdit& feld, const QString& zeile) {
  const QValidator* pruefer = feld.validator();
  if (pruefer == nullptr) return true;
  QString text = feld.text();
  const int anfang = feld.hasSelectedText() ? feld.selectionStart() : feld.cursorPosition();
  text.replace(anfang, feld.selectionLength(), zeile);
  int stelle = anfang + static_cast<int>(zeile.size());
  return pruefer->validate(text, stelle) != QValidator::Invalid;
}

// Qt names the entries of a field's context menu by their text only: "Einfügen" is the one whose
// text, before its key, is the line edit's own translation.
QAction* KontextEinfuegen(const QMenu& menue) {
  const QString einfuegen = QCoreApplication::translate("QLineEdit", "&Paste");
  for (QAction* aktion : menue.actions())
    if (aktion->text().section(QLatin1Char('\t'), 0, 0) == einfuegen) return aktion;
  return nullptr;
}

// Sends the field's keyboard paste and its context menu's "Einfügen" to the window's paste. The
// field's own paste would take every line of the clipboard and refuse bad text without a word.
class TEinsetzWeg : public QObject {
 public:
  TEinsetzWeg(QLineEdit& feld, std::function<void()> einsetzen)
      : QObject(&feld), feld_(feld), einsetzen_(std::move(einsetzen)) {
    feld.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (objekt != &feld_ || feld_.isReadOnly()) return false;
    if (ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Paste)) {
      einsetzen_();
      return true;
    }
    if (ereignis->type() == QEvent::ContextMenu) {
      QMenu* menue = feld_.createStandardContextMenu();
      if (QAction* aktion = KontextEinfuegen(*menue)) {
        aktion->disconnect(&feld_);
        connect(aktion, &QAction::triggered, &feld_, [this] { einsetzen_(); });
      }
      menue->setAttribute(Qt::WA_DeleteOnClose);
      menue->popup(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
      return true;
    }
    return false;
  }

 private:
  QLineEdit& feld_;
  std::function<void()> einsetzen_;
};

}  // namespace

void KopiereTextfeld(QLineEdit* feld, IPalette* palette, bool ausschneiden) {
  // Nothing selected copies nothing: the clipboard keeps what it had, and a cut removes nothing.
  if (feld == nullptr || palette == nullptr || !feld->hasSelectedText()) return;
  palette->TextInZwischenablage(feld->selectedText());
  if (ausschneiden && !feld->isReadOnly()) feld->del();
}

QLineEdit* FokusFeld(const QWidget& fenster, std::initializer_list<QLineEdit*> felder) {
  const QWidget* fokus = fenster.focusWidget();
  for (QLineEdit* feld : felder)
    if (feld != nullptr && feld == fokus) return feld;
  return nullptr;
}

void SetzeTextfeldEin(QLineEdit* ziel, TKindFenster& fenster, bool (*passt)(std::string_view)) {
  if (ziel == nullptr) return;
  const std::string text = fenster.Schule().Palette().AblageText();
  if (!passt(text)) {
    ZeigeEinfuegeFehler();
    return;
  }
  // The line without its break; the field's length still applies, as to typing. A character the
  // field refuses typed refuses the line, with the notice rather than silently.
  const QString zeile = QString::fromStdString(AblageZeilen(text).front());
  if (!NimmtAuf(*ziel, zeile)) {
    ZeigeEinfuegeFehler();
    return;
  }
  ziel->insert(zeile);
}

void EinsetzenWieImMenue(QLineEdit& feld, TKindFenster& fenster, bool (*passt)(std::string_view)) {
  new TEinsetzWeg(feld, [&feld, &fenster, passt] { SetzeTextfeldEin(&feld, fenster, passt); });
}

}  // namespace kolvar
