#include "app/frageform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kolvar {

TFrageForm::TFrageForm(const QString& caption, const QStringList& zeilen,
                       const std::vector<TKnopfDaten>& knoepfe, bool warnung, QWidget* eltern)
    : TKvDialog(eltern) {
  setObjectName(QStringLiteral("FrageForm"));
  setWindowTitle(caption);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* haupt = new QHBoxLayout(this);
  if (warnung) {
    auto* bild = new QLabel(this);
    bild->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    haupt->addWidget(bild, 0, Qt::AlignTop);
  }
  auto* spalte = new QVBoxLayout;
  haupt->addLayout(spalte);
  for (const QString& z : zeilen) {
    auto* label = new QLabel(z, this);
    label->setObjectName(QStringLiteral("Zeile"));
    spalte->addWidget(label);
  }
  auto* reihe = new QHBoxLayout;
  reihe->addStretch();
  for (const TKnopfDaten& k : knoepfe) {
    auto* knopf = new QPushButton(k.text, this);
    reihe->addWidget(knopf);
    KnopfErgebnis(knopf, k.ergebnis);
    if (k.standard) SetzeStandardKnopf(knopf);
    if (k.abbruch) SetzeAbbruchKnopf(knopf);
  }
  reihe->addStretch();
  spalte->addLayout(reihe);
}

void TFrageForm::SetzeListe(const QStringList& eintraege, const QStringList& zeilenDanach) {
  auto* spalte = static_cast<QVBoxLayout*>(layout()->itemAt(layout()->count() - 1)->layout());
  const int vorKnoepfen = spalte->count() - 1;
  liste_ = new QListWidget(this);
  liste_->setObjectName(QStringLiteral("KonflGrid"));
  liste_->addItems(eintraege.isEmpty() ? QStringList{QString()} : eintraege);
  liste_->setMinimumWidth(250);
  liste_->setMaximumHeight(140);
  spalte->insertWidget(vorKnoepfen, liste_);
  int i = vorKnoepfen + 1;
  for (const QString& z : zeilenDanach) spalte->insertWidget(i++, new QLabel(z, this));
}

QStringList TFrageForm::Zeilen() const {
  QStringList zeilen;
  for (QLabel* l : findChildren<QLabel*>(QStringLiteral("Zeile"))) zeilen << l->text();
  return zeilen;
}

QStringList TFrageForm::Liste() const {
  QStringList eintraege;
  if (liste_ != nullptr)
    for (int i = 0; i < liste_->count(); ++i) eintraege << liste_->item(i)->text();
  return eintraege;
}

void ZeigeEinfuegeFehler() {
  TFrageForm fehler(
      QStringLiteral("Einsetzen"),
      {QStringLiteral("Der Inhalt der Zwischenablage"), QStringLiteral("kann hier nicht eingesetzt werden.")},
      {{QStringLiteral("Ok"), mrOk, true, true}});
  fehler.Zeige();
}

}  // namespace kolvar
