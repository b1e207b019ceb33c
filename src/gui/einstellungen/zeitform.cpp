#include "einstellungen/zeitform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>

#include "engine/vorgaberegeln.h"
#include "model/standard.h"
#include "platform/gitter.h"

namespace kolvar {

TZeitForm::TZeitForm(TStandard& standard, QWidget* eltern) : TEinstellungsDialog(standard, eltern) {
  setObjectName(QStringLiteral("ZeitForm"));
  setWindowTitle(QStringLiteral("Stundenbezeichnungen"));
  // One character at least; the file of settings keeps 15.
  auto* pruefer = new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".+")), this);
  auto* raster = new QHBoxLayout;
  for (const bool rechts : {false, true}) {
    auto* g = new TGitter(this);
    g->setObjectName(rechts ? QStringLiteral("RechtsGrid") : QStringLiteral("LinksGrid"));
    g->SetzeSpalten(2);
    g->SetzeZeilen(9);
    g->SetzeFesteZeilen(1);
    g->SetzeFesteSpalten(1);
    g->SetzeStandardHoehe(20);
    g->SetzeSpaltenBreite(0, 48);
    g->SetzeSpaltenBreite(1, 120);
    g->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goBearbeiten);
    g->SetzeRollbalken(false);
    g->SetzeEditorLaenge(kStundenLabelLaenge);
    g->SetzeEditorValidator(pruefer);
    g->SetzeText(0, 0, QStringLiteral("Stunde"));
    g->SetzeText(1, 0, QStringLiteral("Zeit"));
    for (int z = 1; z <= 8; ++z) g->SetzeText(0, z, QString::number(z + (rechts ? 8 : 0)));
    g->setFixedSize(g->viewportSizeHint() + QSize(4, 4));
    connect(
        g, &TGitter::TextBearbeitet, this,
        [this, rechts](int /*spalte*/, int zeile, const QString& text) { SetzeZelle(rechts, zeile, text); });
    raster->addWidget(g);
    (rechts ? rechts_ : links_) = g;
  }
  Inhalt()->addLayout(raster);
  auto* unten = new QHBoxLayout;
  unten->addWidget(new QLabel(QStringLiteral("Planversion"), this));
  version_ = new QSpinBox(this);
  version_->setObjectName(QStringLiteral("VersionsSpin"));
  version_->setRange(1, kMaxVersionen);
  unten->addWidget(version_);
  unten->addStretch();
  Inhalt()->addLayout(unten);
  connect(version_, &QSpinBox::valueChanged, this, [this](int v) {
    if (versionen_ <= 1 && v != 1) {
      const QSignalBlocker sperre(version_);
      version_->setValue(1);
    }
    ZeigeVersion();
  });
}

void TZeitForm::Laden(const TStandard& st) {
  tabelle_ = st.sp;
  versionen_ = st.mwn();
  const QSignalBlocker sperre(version_);
  version_->setMaximum(versionen_);
  version_->setValue(st.AktuelleVersion());
  ZeigeVersion();
}

void TZeitForm::ZeigeVersion() {
  const auto& labels = tabelle_[static_cast<std::size_t>(version_->value() - 1)];
  for (int z = 1; z <= 8; ++z) {
    links_->SetzeText(1, z, QString::fromStdString(labels[static_cast<std::size_t>(z - 1)]));
    rechts_->SetzeText(1, z, QString::fromStdString(labels[static_cast<std::size_t>(z + 7)]));
  }
}

void TZeitForm::SetzeZelle(bool rechts, int zeile, const QString& text) {
  if (zeile < 1 || zeile > 8) return;
  const std::string label = StundenBezeichnung(text.toStdString());
  tabelle_[static_cast<std::size_t>(version_->value() - 1)]
          [static_cast<std::size_t>(zeile - 1 + (rechts ? 8 : 0))] = label;
  (rechts ? rechts_ : links_)->SetzeText(1, zeile, QString::fromStdString(label));
}

void TZeitForm::Speichern(TStandard& st) {
  for (int v = 1; v <= kMaxVersionen; ++v) {
    auto labels = tabelle_[static_cast<std::size_t>(v - 1)];
    for (std::string& l : labels) l = StundenBezeichnung(l);
    st.SetStundenBezeichnungen(v, labels);
  }
}

}  // namespace kolvar
