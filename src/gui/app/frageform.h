// A small modal question or notice of the core: caption, text lines, an optional list (the
// conflicts of a placement), a warning picture and buttons with their modal results.
#pragma once

#include <QStringList>
#include <vector>

#include "platform/kvdialog.h"

class QListWidget;

namespace kolvar {

class TFrageForm : public TKvDialog {
  Q_OBJECT

 public:
  struct TKnopfDaten {
    QString text;
    int ergebnis;
    bool standard = false;
    bool abbruch = false;
  };

  TFrageForm(const QString& caption, const QStringList& zeilen, const std::vector<TKnopfDaten>& knoepfe,
             bool warnung = true, QWidget* eltern = nullptr);
  // The list below the lines (one row at least, as the conflict grids have).
  void SetzeListe(const QStringList& eintraege, const QStringList& zeilenDanach = {});
  QStringList Zeilen() const;
  QStringList Liste() const;

 private:
  QListWidget* liste_ = nullptr;
};

// The notice that the clipboard cannot be pasted into the active window.
void ZeigeEinfuegeFehler();

}  // namespace kolvar
