// "Ausschneiden", "Kopieren" and "Einsetzen" of the main menu for windows whose clipboard is a
// text field: the editors' name field, the substitute choices' remarks. The field that has the
// window's focus takes them (the palette's menu is active meanwhile, not the window); with
// another control focused nothing happens. A field may send its own paste the same way.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

#include "platform/fensterartregister.h"

class QLineEdit;
class QWidget;

namespace kolvar {

class IPalette;

// The one of the fields that has the window's focus, or null.
QLineEdit* FokusFeld(const QWidget& fenster, std::initializer_list<QLineEdit*> felder);

// The field's selected text to the clipboard (the clipboard window follows), cut from the field
// with ausschneiden; nothing without a field, a palette or a selection.
void KopiereTextfeld(QLineEdit* feld, IPalette* palette, bool ausschneiden);

// The clipboard's line into the field when passt accepts it and the field takes it as typed
// (its validator), else the paste notice.
void SetzeTextfeldEin(QLineEdit* ziel, TKindFenster& fenster, bool (*passt)(std::string_view text));
// The field's own paste, by its keys (Ctrl+V, Shift+Ins) or its context menu, goes through
// SetzeTextfeldEin: the clipboard as the menu's "Einsetzen" takes it, with its notice.
void EinsetzenWieImMenue(QLineEdit& feld, TKindFenster& fenster, bool (*passt)(std::string_view text));
// The three commands of the kind, the field chosen from the window as its form: cut and copy as
// above; a paste takes the clipboard's line when passt accepts the clipboard text, else it shows
// the paste notice.
template <typename Form>
void SetzeTextfeldBefehle(TFensterArtRegister& arten, int art, IPalette& palette,
                          std::function<QLineEdit*(Form&)> feld, bool (*passt)(std::string_view text)) {
  arten.SetzeBefehl<Form>(art, TFensterBefehl::Kopieren,
                          [&palette, feld](Form& form) { KopiereTextfeld(feld(form), &palette, false); });
  arten.SetzeBefehl<Form>(art, TFensterBefehl::Ausschneiden,
                          [&palette, feld](Form& form) { KopiereTextfeld(feld(form), &palette, true); });
  arten.SetzeBefehl<Form>(art, TFensterBefehl::Einsetzen,
                          [feld, passt](Form& form) { SetzeTextfeldEin(feld(form), form, passt); });
}

}  // namespace kolvar
