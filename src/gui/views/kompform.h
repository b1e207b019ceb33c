// The compressing window: the class plan being worked on, its class, version and gap count,
// "Start", "nächste Klasse", "Abbrechen" and the two settings. "Start" makes one pass over every
// class from the one shown; the search is the core's TKomprimierer, and the window only keeps
// the event loop alive, so "Abbrechen" and the close box ask it to stop and the window closes
// once the loop has returned.
#pragma once

#include <functional>

#include "engine/komprimierer.h"
#include "platform/kvdialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kolvar {

class TSchule;

class TKompForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TKompForm(TSchule& schule, QWidget* eltern = nullptr);

  const TKomprimierer& Komprimierer() const { return komp_; }
  bool Laeuft() const { return laeuft_; }
  QPushButton* StartKnopf() const { return start_; }
  QPushButton* NaechsteKnopf() const { return naechste_; }
  QPushButton* AbbrechenKnopf() const { return abbrechen_; }
  QCheckBox* BrueckenFeld() const { return bruecken_; }
  QCheckBox* MehrfachFeld() const { return mehrfach_; }
  QLabel* KlasseFeld() const { return klasse_; }
  QLabel* VersionFeld() const { return version_; }
  QLabel* LueckenFeld() const { return luecken_; }
  QWidget* Woche() const { return woche_; }

  void StartKnopfClick();
  void NaechsteKnopfClick();
  void AbbrechenKnopfClick();
  // Told whenever the running loop gives the event loop a turn (tests press buttons there).
  std::function<void()> ImTakt;

  void reject() override;

 private:
  void ZeigeInfo();

  TSchule& schule_;
  TKomprimierer komp_;
  QWidget* woche_;
  QLabel* klasse_;
  QLabel* version_;
  QLabel* luecken_;
  QPushButton* start_;
  QPushButton* naechste_;
  QPushButton* abbrechen_;
  QCheckBox* bruecken_;
  QCheckBox* mehrfach_;
  bool laeuft_ = false;
};

}  // namespace kolvar
