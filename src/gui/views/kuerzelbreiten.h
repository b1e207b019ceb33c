// "Breite der Kürzelanzeige": a track bar per element kind with a sample "Kürzel" in the view's
// font at the chosen width. The plan and workload presets both show it.
#pragma once

#include <QGroupBox>
#include <array>

class QLabel;
class QSlider;

namespace kolvar {

class TKuerzelBreiten : public QGroupBox {
  Q_OBJECT

 public:
  explicit TKuerzelBreiten(QWidget* eltern = nullptr);

  // Teachers, classes, couplings, subjects, rooms.
  void SetzeBreiten(const std::array<int, 5>& breiten);
  void SetzeSchrift(const QFont& schrift);
  QSlider* TrackBar(int i) const { return leisten_[static_cast<std::size_t>(i)]; }
  QLabel* Muster(int i) const { return muster_[static_cast<std::size_t>(i)]; }

 signals:
  // A track bar moved: the sample's new width.
  void BreiteGeaendert(int art, int breite);

 private:
  std::array<QSlider*, 5> leisten_{};
  std::array<QLabel*, 5> muster_{};
};

}  // namespace kolvar
