// Modal dialogs and message boxes go through this service, so tests answer them from a script
// and no test ever waits in a modal loop.
#pragma once

#include <QString>
#include <QStringList>

namespace kolvar {

class TKvDialog;

// Modal results shared by every dialog.
enum TModalErgebnis : int { mrKeins = 0, mrOk = 1, mrAbbrechen = 2, mrJa = 6, mrNein = 7 };

// Buttons of a message box, combinable.
enum TKnopf : unsigned { knOk = 1, knAbbrechen = 2, knJa = 4, knNein = 8 };

enum class TMeldungsArt { Information, Warnung, Fehler, Frage };

// The modal result a button of a message box gives, and its German caption.
int ErgebnisVonKnopf(TKnopf knopf);
QString KnopfText(TKnopf knopf);

class IDialogDienst {
 public:
  virtual ~IDialogDienst() = default;
  // Shows the dialog modally and returns its modal result (mrAbbrechen when closed).
  virtual int ZeigeDialog(TKvDialog& dialog) = 0;
  // A message box with the given buttons (TKnopf bits) and its default button. Esc and the close
  // box give mrAbbrechen where there is an "Abbrechen" button or only "OK"; a Ja/Nein question
  // must be answered.
  virtual int Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
                    TKnopf standard) = 0;
  int Hinweis(const QString& titel, const QString& text, TMeldungsArt art = TMeldungsArt::Information) {
    return Frage(titel, text, knOk, art, knOk);
  }
};

class TQtDialogDienst : public IDialogDienst {
 public:
  // The program's one instance.
  static TQtDialogDienst& Standard();
  int ZeigeDialog(TKvDialog& dialog) override;
  int Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
            TKnopf standard) override;
};

}  // namespace kolvar
