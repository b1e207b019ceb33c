// "Wartezeit", the idle screen: the clock, the free memory, the school's title, the time since
// which the program has stood unused, and one of nine complaints. "Weiterarbeiten" closes it.
#pragma once

#include <QStringList>

#include "platform/kvdialog.h"

class QLabel;
class QPlainTextEdit;

namespace kolvar {

class TPausenForm : public TKvDialog {
  Q_OBJECT

 public:
  // dateiName: the school's title; jetzt: the wall clock's time of day.
  TPausenForm(const QString& dateiName, const QTime& jetzt, QWidget* eltern = nullptr);

  // The nine lines the memo picks from, in order.
  static QStringList Texte();
  QString DateiName() const;
  QString Zeit() const;
  QString FreiSpeicher() const;
  QString Memo() const;

 private:
  QLabel* freiSpeicherFeld_;
  QLabel* dateiNameFeld_;
  QLabel* zeitFeld_;
  QPlainTextEdit* memo_;
};

}  // namespace kolvar
