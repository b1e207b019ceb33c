#include "substitution/ruecksetzform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kolvar {

TRuecksetzForm::TRuecksetzForm(const QString& kuerzel, QWidget* eltern) : TKvDialog(eltern) {
  setWindowTitle(QStringLiteral("Rücksetzen"));
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(new QLabel(QStringLiteral("Setze die vertretenen Stunden"), this));
  spalte->addWidget(new QLabel(QStringLiteral("auf Null für ..."), this));
  kuerzel_ = new QLabel(kuerzel, this);
  kuerzel_->setAlignment(Qt::AlignCenter);
  spalte->addWidget(kuerzel_);
  auto* knoepfe = new QHBoxLayout;
  auto* einen = new QPushButton(QStringLiteral("Einen"), this);
  auto* alle = new QPushButton(QStringLiteral("Alle Lehrer"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  for (QPushButton* k : {einen, alle, abbrechen}) knoepfe->addWidget(k);
  spalte->addLayout(knoepfe);
  KnopfErgebnis(einen, mrJa);
  KnopfErgebnis(alle, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeStandardKnopf(einen);
  SetzeAbbruchKnopf(abbrechen);
}

}  // namespace kolvar
