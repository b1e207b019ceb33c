// "Suche Lösung": the search for an arrangement of the parallel-coupling table without a teacher
// twice in a row. The search is the core's TParSuche; the dialog keeps the event loop alive
// while it runs, so "Anhalten" and the close box only ask it to stop, and the dialog closes
// once the search has returned. The last arrangement found goes into the table.
#pragma once

#include <functional>

#include "platform/kvdialog.h"

class QLabel;
class QPushButton;

namespace kolvar {

class TParSuche;
class TParTabelle;

class TParSuchForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TParSuchForm(TParTabelle& tabelle, QWidget* eltern = nullptr);
  ~TParSuchForm() override;

  bool Laeuft() const { return laeuft_; }
  const TParSuche* Suche() const { return suche_; }
  QLabel* ZaehlerFeld() const { return zaehler_; }
  QPushButton* StartKnopf() const { return start_; }
  QPushButton* AnhaltenKnopf() const { return anhalten_; }

  void StartKnopfClick();
  void AnhaltenKnopfClick();
  // Told whenever the running search gives the event loop a turn (tests press buttons there).
  std::function<void()> ImTakt;

  void reject() override;

 private:
  TParTabelle& tabelle_;
  TParSuche* suche_ = nullptr;  // while it runs
  QLabel* zaehler_;
  QPushButton* start_;
  QPushButton* anhalten_;
  bool laeuft_ = false;
};

}  // namespace kolvar
