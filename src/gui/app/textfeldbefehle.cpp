#include "app/textfeldbefehle.h"

#include <QLineEdit>
#include <string>
#include <vector>

#include "app/frageform.h"
#include "engine/ablage.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"

namespace kolvar {

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
  // The line without its break; the field's length and characters still apply, as to typing.
  const std::vector<std::string> zeilen = AblageZeilen(text);
  ziel->insert(QString::fromStdString(zeilen.front()));
}

}  // namespace kolvar
