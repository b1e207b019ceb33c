// The splash window shown while the program starts, and the clock picture it shares with the
// about box.
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace kolvar {

// The picture "Uhr", drawn in code.
QPixmap UhrBild(int groesse = 64);

inline const QString kProgrammTitel = QStringLiteral("WinKolvar 2.3.8");
inline const QString kVersionsDatum = QStringLiteral("(Version vom 12.11.2002)");

class TStartForm : public QWidget {
  Q_OBJECT

 public:
  explicit TStartForm(QWidget* eltern = nullptr);
  // Shows and paints the window before the rest of the start-up runs.
  void ZeigeSofort();

  QString Titel() const;
  QString Datum() const;

 private:
  QLabel* titelFeld_;
  QLabel* datumFeld_;
};

}  // namespace kolvar
