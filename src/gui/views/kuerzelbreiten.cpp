#include "views/kuerzelbreiten.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "model/optionen.h"

namespace kolvar {

TKuerzelBreiten::TKuerzelBreiten(QWidget* eltern)
    : QGroupBox(QStringLiteral("Breite der Kürzelanzeige"), eltern) {
  auto* raster = new QGridLayout(this);
  const char* texte[5] = {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume"};
  const char* namen[5] = {"LeKueFeld", "KlKueFeld", "KoKueFeld", "FaKueFeld", "RaKueFeld"};
  const char* leisten[5] = {"LeTrackBar", "KlTrackBar", "KoTrackBar", "FaTrackBar", "RaTrackBar"};
  for (int i = 0; i < 5; ++i) {
    auto* leiste = new QSlider(Qt::Horizontal, this);
    leiste->setObjectName(QString::fromLatin1(leisten[i]));
    leiste->setRange(kMinKuerzelSpalte, kMaxKuerzelSpalte);
    leiste->setValue(28);
    leiste->setMinimumWidth(120);
    auto* muster = new QLabel(QStringLiteral("Kürzel"), this);
    muster->setObjectName(QString::fromLatin1(namen[i]));
    muster->setFrameShape(QFrame::Box);
    muster->setAutoFillBackground(true);
    muster->setBackgroundRole(QPalette::Base);
    muster->setFixedWidth(28);
    raster->addWidget(new QLabel(QString::fromUtf8(texte[i]), this), i, 0);
    raster->addWidget(leiste, i, 1);
    raster->addWidget(muster, i, 2);
    raster->setColumnMinimumWidth(2, kMaxKuerzelSpalte + 4);
    leisten_[static_cast<std::size_t>(i)] = leiste;
    muster_[static_cast<std::size_t>(i)] = muster;
    connect(leiste, &QSlider::valueChanged, this, [this, i, muster](int wert) {
      muster->setFixedWidth(wert);
      emit BreiteGeaendert(i, muster->width());
    });
  }
}

void TKuerzelBreiten::SetzeBreiten(const std::array<int, 5>& breiten) {
  for (std::size_t i = 0; i < breiten.size(); ++i) {
    const QSignalBlocker sperre(leisten_[i]);
    leisten_[i]->setValue(breiten[i]);
    muster_[i]->setFixedWidth(leisten_[i]->value());
  }
}

void TKuerzelBreiten::SetzeSchrift(const QFont& schrift) {
  for (QLabel* m : muster_) m->setFont(schrift);
}

}  // namespace kolvar
