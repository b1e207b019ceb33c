// The one-line message window of long operations ("Die Daten werden geprüft."). It is shown and
// painted at once and lives as long as the work it announces.
#pragma once

#include <QWidget>

class QLabel;

namespace kolvar {

class TMeldungsForm : public QWidget {
  Q_OBJECT

 public:
  explicit TMeldungsForm(QWidget* eltern = nullptr);

  void SetzeMeldung(const QString& text);
  QString Meldung() const;
  // Shows the window in the middle of the screen and paints it before the caller goes on.
  void ZeigeSofort();

 private:
  QLabel* meldungsFeld_;
};

}  // namespace kolvar
