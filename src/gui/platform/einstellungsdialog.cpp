#include "platform/einstellungsdialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/popupdienst.h"

namespace kolvar {

TEinstellungsDialog::TEinstellungsDialog(QWidget* eltern) : TKvDialog(eltern), seiten_(StandardSeiten()) {
  auto* haupt = new QVBoxLayout(this);
  inhalt_ = new QVBoxLayout;
  haupt->addLayout(inhalt_, 1);
  auto* knoepfe = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("Ok"), this);
  abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  wechseln_ = new QPushButton(QStringLiteral("Wechseln"), this);
  ok_->setObjectName(QStringLiteral("OkKnopf"));
  abbrechen_->setObjectName(QStringLiteral("AbbrechenKnopf"));
  wechseln_->setObjectName(QStringLiteral("WechselnKnopf"));
  wechseln_->setAutoDefault(false);
  abbrechen_->setAutoDefault(false);
  knoepfe->addStretch(1);
  knoepfe->addWidget(ok_);
  knoepfe->addWidget(abbrechen_);
  knoepfe->addWidget(wechseln_);
  haupt->addLayout(knoepfe);

  KnopfErgebnis(ok_, mrOk);
  KnopfErgebnis(abbrechen_, mrAbbrechen);
  SetzeStandardKnopf(ok_);
  SetzeAbbruchKnopf(abbrechen_);
  connect(ok_, &QPushButton::clicked, this, [this] { OkGedrueckt(); });
  connect(wechseln_, &QPushButton::clicked, this, [this] { WechselnKnopfClick(); });
}

TEinstellungsDialog::TEinstellungsDialog(TStandard& standard, QWidget* eltern) : TEinstellungsDialog(eltern) {
  standard_ = &standard;
  versionsQuelle_ = &standard;
}

void TEinstellungsDialog::VorDemZeigen() {
  if (standard_ != nullptr) Laden(*standard_);
}

void TEinstellungsDialog::OkGedrueckt() {
  OkKnopfClick();
  if (standard_ != nullptr && result() == mrOk) Speichern(*standard_);
}

QStringList TEinstellungsDialog::StandardSeiten() {
  return {QStringLiteral("Eckdaten"),  QStringLiteral("Grunddaten"), QStringLiteral("Deputate"),
          QStringLiteral("Pläne"),     QStringLiteral("Kurse"),      QStringLiteral("Planversionen"),
          QStringLiteral("Kalender"),  QStringLiteral("Zeiten"),     QStringLiteral("Kennwort"),
          QStringLiteral("Automatik"), QStringLiteral("Vertretung"), QStringLiteral("HTML-Farben")};
}

void TEinstellungsDialog::WechselnKnopfClick() {
  std::vector<TPopupEintrag> eintraege;
  for (int i = 0; i < seiten_.size(); ++i) {
    TPopupEintrag e;
    e.text = seiten_[i];
    e.id = i;
    // With one plan version its page has nothing to show.
    if (i == kSeitePlanversionen && seiten_[i] == QStringLiteral("Planversionen"))
      e.aktiv = versionsQuelle_ == nullptr || versionsQuelle_->mwn() > 1;
    eintraege.push_back(e);
  }
  const QPoint ort = wechseln_->mapToGlobal(QPoint(0, wechseln_->height()));
  const int seite = TDienste::Popups().Waehle(eintraege, ort, 0);
  if (seite < 0) return;
  gewaehlteSeite_ = seite;
  emit SeiteGewaehlt(seite);
  ok_->click();
}

}  // namespace kolvar
