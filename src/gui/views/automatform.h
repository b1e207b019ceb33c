// The window of an automatic run: its counters and progress bar, "Start", "Abbrechen", the list
// of hours it could not place, "Ok". The run itself is the core's TAutomat; the window steps it
// and keeps its event loop alive, so "Abbrechen" and the close box only ask the run to stop and
// the window closes once the loop has returned.
#pragma once

#include <functional>
#include <vector>

#include "engine/automat.h"
#include "platform/kvdialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kolvar {

class TKurs;
class TSchule;

class TAutomatForm : public TKvDialog {
  Q_OBJECT

 public:
  // zeige opens the course list with the courses left open ("nicht verplanbare Stunden zeigen").
  TAutomatForm(TSchule& schule, const std::vector<TKurs*>& auswahl,
               std::function<void(const std::vector<TKurs*>&)> zeige, QWidget* eltern = nullptr);

  const TAutomat& Automat() const { return automat_; }
  bool Laeuft() const { return laeuft_; }
  QPushButton* StartKnopf() const { return start_; }
  QPushButton* AbbrechenKnopf() const { return abbrechen_; }
  QPushButton* ZeigenKnopf() const { return zeigen_; }
  QPushButton* OkKnopf() const { return ok_; }
  QLabel* NochFeld() const { return noch_; }
  QLabel* NichtFeld() const { return nicht_; }
  QProgressBar* Balken() const { return balken_; }

  void StartKnopfClick();
  void AbbrechenKnopfClick();
  void ZeigenKnopfClick();
  // Told after every course of a running loop (tests stop the run there).
  std::function<void()> NachKurs;

  void reject() override;

 private:
  void ZeigeZaehler();

  TSchule& schule_;
  TAutomat automat_;
  std::function<void(const std::vector<TKurs*>&)> zeige_;
  QLabel* noch_;
  QLabel* nicht_;
  QProgressBar* balken_;
  QPushButton* start_;
  QPushButton* abbrechen_;
  QPushButton* zeigen_;
  QPushButton* ok_;
  bool laeuft_ = false;
  bool gelaufen_ = false;
  bool schliessen_ = false;
};

}  // namespace kolvar
