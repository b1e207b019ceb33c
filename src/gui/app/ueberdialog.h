// "Über WinKolvar": title, version date, clock, free memory, the school's title and the
// scrolling lines. A click on the lines stops or restarts them; a click elsewhere closes.
#pragma once

#include "platform/kvdialog.h"

class QLabel;
class QScrollArea;
class QTimer;

namespace kolvar {

// Free memory of the program's heap in kilobytes, as "<n> Kilobytes".
QString FreierSpeicherText();

class TUeberDialog : public TKvDialog {
  Q_OBJECT

 public:
  explicit TUeberDialog(const QString& dateiName, QWidget* eltern = nullptr);

  // One step of the timer: the lines move up a pixel, pausing after 800.
  void TimerTick();
  void ZeilenClick();
  int Zaehler() const { return zaehler_; }
  bool Laeuft() const;
  QString DateiName() const;

 protected:
  void mousePressEvent(QMouseEvent* ereignis) override;
  bool eventFilter(QObject* ziel, QEvent* ereignis) override;

 private:
  QLabel* dateiNameFeld_;
  QScrollArea* rollen_;
  QWidget* zeilen_;
  QTimer* timer_;
  int zaehler_ = 0;
  int versatz_ = 0;
};

}  // namespace kolvar
