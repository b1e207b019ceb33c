#include "einstellungen/eckstandardform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/eckdaten.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/dienste.h"
#include "platform/uhr.h"
#include "platform/wahldialoge.h"

namespace kolvar {

namespace {

QSpinBox* Spin(QWidget* eltern, const char* name, int von, int bis, int schritt = 1) {
  auto* spin = new QSpinBox(eltern);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(von, bis);
  spin->setSingleStep(schritt);
  return spin;
}

// A spin with its caption lines to the left (and a unit to the right).
void Zeile(QGridLayout* raster, int zeile, const QString& text, QSpinBox* spin, const QString& einheit = {}) {
  raster->addWidget(new QLabel(text), zeile, 0);
  raster->addWidget(spin, zeile, 1);
  if (!einheit.isEmpty()) raster->addWidget(new QLabel(einheit), zeile, 2);
}

QButtonGroup* Radios(QGroupBox* box, const QStringList& texte, int spalten) {
  auto* gruppe = new QButtonGroup(box);
  auto* raster = new QGridLayout(box);
  const int zeilen = (static_cast<int>(texte.size()) + spalten - 1) / spalten;
  for (int i = 0; i < texte.size(); ++i) {
    auto* knopf = new QRadioButton(texte[i], box);
    gruppe->addButton(knopf, i);
    raster->addWidget(knopf, i % zeilen, i / zeilen);
  }
  return gruppe;
}

}  // namespace

TEckStandardForm::TEckStandardForm(TSchule& schule, std::function<void(uint32_t)> hintergrund,
                                   QWidget* eltern)
    : TEinstellungsDialog(schule.Standard(), eltern), schule_(schule), hintergrund_(std::move(hintergrund)) {
  setObjectName(QStringLiteral("EckStandardForm"));
  setWindowTitle(QStringLiteral("Voreinstellungen für Eckdaten"));

  auto* oben = new QHBoxLayout;
  auto* woche = new QGroupBox(QStringLiteral("Tage pro Woche"), this);
  wochen_ = Radios(
      woche, {QStringLiteral("5-Tagewoche"), QStringLiteral("6-Tagewoche"), QStringLiteral("7-Tagewoche")},
      1);
  oben->addWidget(woche);

  auto* stunden = new QGroupBox(QStringLiteral("bei den Stunden"), this);
  auto* sRaster = new QGridLayout(stunden);
  vor_ = Spin(this, "VorSpin", 1, 3);
  nach_ = Spin(this, "NachSpin", 0, 3);
  zeit_ = Spin(this, "ZeitSpin", 1, 100);
  Zeile(sRaster, 0, QStringLiteral("Vorkommastellen"), vor_);
  Zeile(sRaster, 1, QStringLiteral("Nachkommastellen"), nach_);
  sRaster->addWidget(new QLabel(QStringLiteral("Kleinste\nZeiteinheit")), 2, 0);
  auto* eins = new QHBoxLayout;
  eins->addWidget(new QLabel(QStringLiteral("1/")));
  eins->addWidget(zeit_);
  sRaster->addLayout(eins, 2, 1);
  oben->addWidget(stunden);
  Inhalt()->addLayout(oben);

  auto* mitte = new QGridLayout;
  versionen_ = Spin(this, "VersionsSpin", 1, kMaxVersionen);
  speicher_ = Spin(this, "SpeicherSpin", 0, 60, 5);
  vertr_ = Spin(this, "VertrSpin", 1, 800);
  Zeile(mitte, 0, QStringLiteral("Maximale\nVersionszahl"), versionen_);
  Zeile(mitte, 1, QStringLiteral("Automatisch\nspeichern nach"), speicher_, QStringLiteral("min"));
  Zeile(mitte, 2, QStringLiteral("Verwahre\nVertretungen"), vertr_, QStringLiteral("Tage"));
  Inhalt()->addLayout(mitte);

  auto* pal = new QGroupBox(QStringLiteral("Werkzeugpalette"), this);
  palette_ = Radios(
      pal,
      {QStringLiteral("15 X 1 Schalter"), QStringLiteral("8 X 2 Schalter"), QStringLiteral("5 X 3 Schalter"),
       QStringLiteral("4 X 4 Schalter"), QStringLiteral("3 X 5 Schalter"), QStringLiteral("2 X 8 Schalter"),
       QStringLiteral("1 X 15 Schalter")},
      2);
  Inhalt()->addWidget(pal);

  auto* hg = new QGroupBox(QStringLiteral("Bildschirmhintergrund"), this);
  auto* hgZeile = new QHBoxLayout(hg);
  hgAn_ = new QCheckBox(QStringLiteral("Einschalten"), hg);
  hgAn_->setObjectName(QStringLiteral("HgAnCheck"));
  hgZeile->addWidget(hgAn_);
  auto* farbe = new QGroupBox(QStringLiteral("Farbe"), hg);
  auto* fZeile = new QHBoxLayout(farbe);
  farbFeld_ = new QFrame(farbe);
  farbFeld_->setObjectName(QStringLiteral("FarbFeld"));
  farbFeld_->setFrameShape(QFrame::Box);
  farbFeld_->setFixedSize(40, 22);
  farbFeld_->setAutoFillBackground(true);
  farbKnopf_ = new QPushButton(QStringLiteral("Ändern"), farbe);
  farbKnopf_->setObjectName(QStringLiteral("FarbKnopf"));
  farbKnopf_->setAutoDefault(false);
  fZeile->addWidget(farbFeld_);
  fZeile->addWidget(farbKnopf_);
  hgZeile->addWidget(farbe);
  Inhalt()->addWidget(hg);

  connect(farbKnopf_, &QPushButton::clicked, this, [this] { FarbKnopfClick(); });
}

void TEckStandardForm::Laden(const TStandard& st) {
  if (QAbstractButton* b = wochen_->button(std::clamp(st.mtn, 5, 7) - 5)) b->setChecked(true);
  vor_->setValue(st.vkm);
  nach_->setValue(st.nkm);
  zeit_->setValue(st.dvs);
  versionen_->setValue(st.mwn());
  speicher_->setValue(st.spz);
  vertr_->setValue(st.vtm);
  if (QAbstractButton* b = palette_->button(std::clamp(st.pas, 0, 6))) b->setChecked(true);
  hgAn_->setChecked(st.hga);
  farbe_ = st.efa;
  ZeigeFarbe();
}

void TEckStandardForm::ZeigeFarbe() {
  QPalette p = farbFeld_->palette();
  p.setColor(QPalette::Window, QColor(static_cast<int>(farbe_ & 0xFF), static_cast<int>((farbe_ >> 8) & 0xFF),
                                      static_cast<int>((farbe_ >> 16) & 0xFF)));
  farbFeld_->setPalette(p);
}

void TEckStandardForm::FarbKnopfClick() {
  TStandard& st = schule_.Standard();
  uint32_t farbe = farbe_;
  const bool ok = TWahlDialoge::Dienst().WaehleFarbe(farbe, st.cfa, this);
  if (!ok) return;
  farbe_ = farbe;
  ZeigeFarbe();
  if (hintergrund_) hintergrund_(farbe_);
}

void TEckStandardForm::Speichern(TStandard& /*standard*/) {
  TSanduhr sanduhr;
  TEckdaten w;
  w.mtn = wochen_->checkedId() >= 0 ? wochen_->checkedId() + 5 : 7;
  w.vkm = vor_->value();
  w.nkm = nach_->value();
  w.dvs = zeit_->value();
  w.mwn = versionen_->value();
  w.spz = speicher_->value();
  w.vtm = vertr_->value();
  w.pas = std::max(0, palette_->checkedId());
  w.hga = hgAn_->isChecked();
  w.efa = farbe_;
  UebernimmEckdaten(schule_, w);
  // The save reminder counts from now.
  const IUhr& uhr = TDienste::Uhr();
  schule_.Standard().SetLetzteSicherungsZeit(uhr.Jetzt() - int64_t{uhr.Heute()} * 86400);
}

}  // namespace kolvar
