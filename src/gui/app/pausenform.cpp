#include "app/pausenform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTime>

#include "app/startform.h"
#include "app/ueberdialog.h"

namespace kolvar {

QStringList TPausenForm::Texte() {
  return {QStringLiteral("Ich fühle mich überflüssig!"),
          QStringLiteral("Haben etwa schon die Ferien begonnen?"),
          QStringLiteral("Will keiner mehr mit mir arbeiten?"),
          QStringLiteral("Ist der Vertretungsplan für heute schon fertig?"),
          QStringLiteral("Ich langweile mich."),
          QStringLiteral("Wer rastet, rostet."),
          QStringLiteral("So koste ich nur Strom!!!"),
          QStringLiteral("Meine Festplatte leiert aus."),
          QStringLiteral("Ich fordere das Recht auf Arbeit!")};
}

TPausenForm::TPausenForm(const QString& dateiName, const QTime& jetzt, QWidget* eltern) : TKvDialog(eltern) {
  setObjectName(QStringLiteral("PausenForm"));
  setWindowTitle(QStringLiteral("Wartezeit"));
  auto* raster = new QGridLayout(this);
  auto* uhr = new QLabel(this);
  uhr->setObjectName(QStringLiteral("UhrBild"));
  uhr->setPixmap(UhrBild(64));
  raster->addWidget(uhr, 0, 0, 3, 1, Qt::AlignTop);
  raster->addWidget(new QLabel(QStringLiteral("Freier Speicher:"), this), 0, 1);
  freiSpeicherFeld_ = new QLabel(FreierSpeicherText(), this);
  freiSpeicherFeld_->setObjectName(QStringLiteral("FreiSpeicherFeld"));
  raster->addWidget(freiSpeicherFeld_, 0, 2);
  raster->addWidget(new QLabel(QStringLiteral("Dateiname:"), this), 1, 1);
  dateiNameFeld_ = new QLabel(dateiName, this);
  dateiNameFeld_->setObjectName(QStringLiteral("DateiNameFeld"));
  raster->addWidget(dateiNameFeld_, 1, 2);

  auto* seit = new QHBoxLayout;
  seit->addWidget(new QLabel(QStringLiteral("Seit"), this));
  // The screen comes after 33 minutes without input; it says since when.
  zeitFeld_ = new QLabel(QLocale::system().toString(jetzt.addSecs(-33 * 60), QLocale::ShortFormat), this);
  zeitFeld_->setObjectName(QStringLiteral("ZeitFeld"));
  seit->addWidget(zeitFeld_);
  seit->addWidget(new QLabel(QStringLiteral("stehe ich hier ungenutzt herum."), this));
  seit->addStretch(1);
  raster->addLayout(seit, 2, 1, 1, 2);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo"));
  memo_->setReadOnly(true);
  memo_->setFrameShape(QFrame::NoFrame);
  memo_->setFocusPolicy(Qt::NoFocus);
  memo_->setFixedHeight(48);
  memo_->viewport()->setAutoFillBackground(false);
  const QStringList texte = Texte();
  memo_->setPlainText(texte[static_cast<int>(QRandomGenerator::global()->bounded(texte.size()))]);
  raster->addWidget(memo_, 3, 0, 1, 3);

  auto* weiter = new QPushButton(QStringLiteral("Weiterarbeiten"), this);
  weiter->setObjectName(QStringLiteral("WeiterKnopf"));
  raster->addWidget(weiter, 4, 0, 1, 3, Qt::AlignHCenter);
  KnopfErgebnis(weiter, mrOk);
  SetzeStandardKnopf(weiter);
  SetzeAbbruchKnopf(weiter);
}

QString TPausenForm::DateiName() const {
  return dateiNameFeld_->text();
}

QString TPausenForm::Zeit() const {
  return zeitFeld_->text();
}

QString TPausenForm::FreiSpeicher() const {
  return freiSpeicherFeld_->text();
}

QString TPausenForm::Memo() const {
  return memo_->toPlainText();
}

}  // namespace kolvar
