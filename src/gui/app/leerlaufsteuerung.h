// The palette's idle passes (TLeerlauf) on Qt: a pass whenever the event loop is about to wait
// for input, which a second's tick makes sure of; keyboard and mouse input restart the wait for
// the idle screen. A loop that only processes pending events (a long run's progress) makes no
// pass, so nothing interrupts a running operation.
#pragma once

#include <QObject>
#include <memory>

#include "ansicht/leerlauf.h"

class QSessionManager;
class QTimer;

namespace kolvar {

class TKolvarPalette;

class TLeerlaufSteuerung : public QObject, public ILeerlaufZiel {
 public:
  explicit TLeerlaufSteuerung(TKolvarPalette& palette);
  ~TLeerlaufSteuerung() override;

  // Hooks the passes to the event loop (the program does; tests make their passes themselves).
  void Starte();
  // One pass by the program's clock.
  void AppIdle();
  void PauseMachen() { kern_->PauseMachen(); }
  // The session ends (log-off, shutdown). The close query runs at once unless a dialog holds the
  // program up; then the session is refused and the program closes after that dialog.
  void SitzungEndet(QSessionManager& sitzung);
  TLeerlauf& Kern() { return *kern_; }

  // --- ILeerlaufZiel ---
  bool Unterbrechbar() const override;
  bool FrageOffen() const override;
  bool Beende() override;
  void ZeigePause() override;
  void ErinnereSichern() override;

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override;

 private:
  TKolvarPalette& palette_;
  std::unique_ptr<TLeerlauf> kern_;
  QTimer* wecker_ = nullptr;
};

}  // namespace kolvar
