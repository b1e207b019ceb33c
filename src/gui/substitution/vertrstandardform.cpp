#include "substitution/vertrstandardform.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "model/text.h"
#include "platform/dateitextvalidator.h"
#include "platform/gitter.h"

namespace kolvar {

namespace {
std::string OhneEndBlanks(std::string text) {
  while (text.size() > 1 && text.back() == ' ') text.pop_back();
  return text;
}
}  // namespace

TVertrStandardForm::TVertrStandardForm(TStandard& standard, QWidget* eltern)
    : TEinstellungsDialog(standard, eltern) {
  setObjectName(QStringLiteral("VertrStandardForm"));
  setWindowTitle(QStringLiteral("Vertretungen"));
  auto* box = new QGroupBox(QStringLiteral("Bemerkungen für Vertretungen"), this);
  auto* spalte = new QVBoxLayout(box);
  BemGrid = new TGitter(box);
  BemGrid->setObjectName(QStringLiteral("BemGrid"));
  BemGrid->SetzeOptionen(TGitter::goLinien | TGitter::goFesteLinien | TGitter::goBearbeiten);
  BemGrid->SetzeSpalten(2);
  BemGrid->SetzeZeilen(kVertrBemerkungen);
  BemGrid->SetzeFesteSpalten(1);
  BemGrid->SetzeFesteZeilen(0);
  BemGrid->SetzeSpaltenBreite(0, 24);
  BemGrid->SetzeSpaltenBreite(1, 420);
  BemGrid->SetzeEditorLaenge(kBemerkungLaenge);
  BemGrid->SetzeEditorValidator(new TDateiTextValidator(false, this));
  for (int z = 0; z < kVertrBemerkungen; ++z) BemGrid->SetzeText(0, z, QString::number(z + 1));
  BemGrid->setMinimumSize(450, kVertrBemerkungen * (BemGrid->StandardHoehe() + 1) + 6);
  connect(BemGrid, &TGitter::TextBearbeitet, this,
          [this](int, int zeile, const QString& text) { BemerkungBearbeitet(zeile, text); });
  spalte->addWidget(BemGrid);
  Inhalt()->addWidget(box);
}

void TVertrStandardForm::BemerkungBearbeitet(int zeile, const QString& text) {
  if (zeile < 0 || zeile >= kVertrBemerkungen) return;
  auto& ziel = bemerkungen_[static_cast<std::size_t>(zeile)];
  const std::string neu = KuerzeText(OhneEndBlanks(text.toStdString()), kBemerkungLaenge);
  if (!neu.empty()) ziel = neu;
  BemGrid->SetzeText(1, zeile, QString::fromStdString(ziel));
}

void TVertrStandardForm::Laden(const TStandard& standard) {
  bemerkungen_ = standard.StandardBemerkung;
  for (int z = 0; z < kVertrBemerkungen; ++z)
    BemGrid->SetzeText(1, z, QString::fromStdString(bemerkungen_[static_cast<std::size_t>(z)]));
}

void TVertrStandardForm::Speichern(TStandard& standard) {
  if (BemGrid->Bearbeitet()) BemGrid->BeendeBearbeiten(true);
  auto bemerkungen = bemerkungen_;
  for (std::string& text : bemerkungen) text = OhneEndBlanks(text);
  standard.SetVertrBemerkungen(bemerkungen);
}

}  // namespace kolvar
