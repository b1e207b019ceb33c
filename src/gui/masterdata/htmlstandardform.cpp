#include "masterdata/htmlstandardform.h"

#include <QGridLayout>
#include <QPushButton>

#include "masterdata/farbfeld.h"
#include "model/standard.h"
#include "platform/wahldialoge.h"

namespace kolvar {

THTMLStandardForm::THTMLStandardForm(TStandard& standard, QWidget* eltern)
    : TEinstellungsDialog(standard, eltern), standard_(standard) {
  setObjectName(QStringLiteral("HTMLStandardForm"));
  setWindowTitle(QStringLiteral("Voreinstellung für HTML-Farben"));
  auto* raster = new QGridLayout;
  const char* texte[3] = {"Hintergrundfarbe", "Tabellenfarbe", "Tabellenüberschrift"};
  const char* knoepfe[3] = {"HintergrundKnopf", "TabellenKnopf", "UeberschriftKnopf"};
  const char* felder[3] = {"HintergrundFeld", "TabellenFeld", "UeberschriftFeld"};
  for (int i = 0; i < 3; ++i) {
    auto* knopf = new QPushButton(QString::fromUtf8(texte[i]), this);
    knopf->setObjectName(QString::fromLatin1(knoepfe[i]));
    knopf->setAutoDefault(false);
    auto* feld = new TFarbFeld(this);
    feld->setObjectName(QString::fromLatin1(felder[i]));
    raster->addWidget(knopf, i, 0);
    raster->addWidget(feld, i, 1);
    knoepfe_[static_cast<std::size_t>(i)] = knopf;
    felder_[static_cast<std::size_t>(i)] = feld;
    connect(knopf, &QPushButton::clicked, this, [this, i] { FarbKnopfClick(i); });
  }
  Inhalt()->addLayout(raster);
  // Wide enough for its caption.
  setMinimumWidth(360);
}

void THTMLStandardForm::Laden(const TStandard& st) {
  felder_[0]->SetzeFarbe(st.hin);
  felder_[1]->SetzeFarbe(st.tab);
  felder_[2]->SetzeFarbe(st.ueb);
}

void THTMLStandardForm::FarbKnopfClick(int i) {
  TFarbFeld* feld = felder_[static_cast<std::size_t>(i)];
  uint32_t farbe = feld->Farbe();
  // The custom colours come back from the dialog even when it is cancelled.
  if (TWahlDialoge::Dienst().WaehleFarbe(farbe, standard_.cfa, this)) feld->SetzeFarbe(farbe);
}

void THTMLStandardForm::Speichern(TStandard& st) {
  st.hin = felder_[0]->Farbe();
  st.tab = felder_[1]->Farbe();
  st.ueb = felder_[2]->Farbe();
}

}  // namespace kolvar
