// "Vertretungsübersicht": the range of the substitution overview.
#pragma once

#include <cstdint>

#include "platform/kvdialog.h"

namespace kolvar {

class TDatumsSpins;

class TVertrUebZeit : public TKvDialog {
  Q_OBJECT

 public:
  explicit TVertrUebZeit(QWidget* eltern = nullptr);

  void SetzeHeute(int32_t heute);
  // The dates read back; an end before the start is the start.
  int32_t Von() const;
  int32_t Bis() const;
  TDatumsSpins* VonDatum() const { return von_; }
  TDatumsSpins* BisDatum() const { return bis_; }

 private:
  TDatumsSpins *von_, *bis_;
};

}  // namespace kolvar
