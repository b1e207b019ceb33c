#include "print/druckuebform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

// One dialog class serves the four overviews; each kind carries the name it is known by.
QString TDruckUebForm::FormName(TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return QStringLiteral("TDruckLUebForm");
    case TUebersichtArt::Raum:
      return QStringLiteral("TDruckRUebForm");
    case TUebersichtArt::Kombination:
      return QStringLiteral("TDruckKoUebForm");
    default:
      return QStringLiteral("TDruckKUebForm");
  }
}

QString TDruckUebForm::Caption(TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return QStringLiteral("Drucke Lehrerübersichten");
    case TUebersichtArt::Raum:
      return QStringLiteral("Drucke Raumübersichten");
    case TUebersichtArt::Kombination:
      return QStringLiteral("Drucke Übersichten für Kombinationen von Planelementen");
    default:
      return QStringLiteral("Drucke Klassenübersichten");
  }
}

TUebersichtDruckOptionen& TDruckUebForm::Optionen(TSchule& schule, TUebersichtArt art) {
  TStandard& st = schule.Standard();
  switch (art) {
    case TUebersichtArt::Lehrer:
      return st.LehrerUebersichtDruck;
    case TUebersichtArt::Raum:
      return st.RaumUebersichtDruck;
    case TUebersichtArt::Kombination:
      return st.KopplungsUebersichtDruck;
    default:
      return st.KlassenUebersichtDruck;
  }
}

TDruckUebForm::TDruckUebForm(TSchule& schule, TUebersichtArt art, TWaehler waehler, QWidget* eltern)
    : TDruckDialog(schule, Caption(art), Optionen(schule, art).Schrift,
                   {&Optionen(schule, art).rl, &Optionen(schule, art).rr, &Optionen(schule, art).ro,
                    &Optionen(schule, art).ru},
                   eltern),
      art_(art),
      o_(Optionen(schule, art)) {
  setObjectName(FormName(art));
  using O = TUebersichtDruckOptionen;
  BaueVonBis();
  auto* bemerkungZeile = new QHBoxLayout;
  bemerkungZeile->addWidget(new QLabel(QStringLiteral("Bemerkung"), this));
  bemerkung_ = new QLineEdit(this);
  bemerkung_->setMaxLength(61);
  bemerkungZeile->addWidget(bemerkung_);
  OptionenSpalte()->addLayout(bemerkungZeile);
  auto* einstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* spalte = new QVBoxLayout(einstellungen);
  OptionenSpalte()->addWidget(einstellungen);
  const auto box = [this, spalte](const char* text, bool O::*wert) {
    QCheckBox* b = NeueBox(QString::fromUtf8(text), wert);
    spalte->addWidget(b);
    return b;
  };
  switch (art_) {
    case TUebersichtArt::Lehrer: {
      QCheckBox* klasse = box("mit Klasse", &O::kl);
      box("mit Fach", &O::fa);
      box("mit Raum", &O::ra);
      QCheckBox* kopplung = box("mit Kopplung", &O::ko);
      KoppleBoxen(klasse, kopplung, box("Kopplung statt Klasse", &O::st));
      break;
    }
    case TUebersichtArt::Raum: {
      box("mit Lehrer", &O::le);
      QCheckBox* klasse = box("mit Klasse", &O::kl);
      box("mit Fach", &O::fa);
      QCheckBox* kopplung = box("mit Kopplung", &O::ko);
      KoppleBoxen(klasse, kopplung, box("Kopplung statt Klasse", &O::st));
      break;
    }
    case TUebersichtArt::Klasse: {
      QCheckBox* lehrer = box("mit Lehrer", &O::le);
      box("mit Fach", &O::fa);
      box("mit Raum", &O::ra);
      QCheckBox* kopplung = box("mit Kopplung", &O::ko);
      KoppleBoxen(lehrer, kopplung, box("Kopplung statt Lehrer", &O::st));
      break;
    }
    case TUebersichtArt::Kombination:
      box("mit Datum", &O::da);
      break;
  }
  box("mit Sperrungen", &O::sp);
  box("Kopplungen fett", &O::fe);
  box("untereinander", &O::un);
  box("mit Farbe", &O::co);
  OptionenSpalte()->addStretch(1);

  const TWahlKnopf lehrer{QStringLiteral("Lehrer"), QStringLiteral("Lehrer"),
                          [&schule] { return AlleElemente(schule.Lehrer()); }};
  const TWahlKnopf klassen{QStringLiteral("Klassen"), QStringLiteral("Klassen"),
                           [&schule] { return AlleElemente(schule.Klassen()); }};
  const TWahlKnopf raeume{QStringLiteral("Räume"), QStringLiteral("Räume"),
                          [&schule] { return AlleElemente(schule.Raeume()); }};
  if (art_ == TUebersichtArt::Kombination) {
    BaueElementWahl(QStringLiteral("für Kürzel"), {lehrer, klassen, raeume}, std::move(waehler));
  } else {
    TWahlKnopf k = art_ == TUebersichtArt::Lehrer ? lehrer : art_ == TUebersichtArt::Raum ? raeume : klassen;
    const QString titel = QStringLiteral("für ") + k.listenName;
    k.text = QStringLiteral("Auswahl");
    BaueElementWahl(titel, {k}, std::move(waehler));
  }
}

QCheckBox* TDruckUebForm::NeueBox(const QString& text, bool TUebersichtDruckOptionen::*wert) {
  auto* b = new QCheckBox(text, this);
  boxen_.push_back({b, wert});
  return b;
}

QCheckBox* TDruckUebForm::Box(const QString& text) const {
  for (const TBox& b : boxen_)
    if (b.box->text() == text) return b.box;
  return nullptr;
}

void TDruckUebForm::LadeOptionen() {
  SetzeVonBis(o_.vt, o_.bt, o_.vs, o_.bs);
  bemerkung_->setText(QString::fromStdString(o_.bm));
  for (const TBox& b : boxen_) b.box->setChecked(o_.*b.wert);
}

void TDruckUebForm::SpeichereOptionen() {
  o_.vt = VonTag()->value();
  o_.bt = BisTag()->value();
  o_.vs = VonStunde()->value();
  o_.bs = BisStunde()->value();
  o_.bm = bemerkung_->text().toStdString();
  for (const TBox& b : boxen_) o_.*b.wert = b.box->isChecked();
}

void TDruckUebForm::Drucke(IZeichenflaeche& flaeche) {
  std::vector<TPlanElement*> elemente;
  for (TElement* e : Elemente()) elemente.push_back(static_cast<TPlanElement*>(e));
  TUebersichtDruck(schule_, art_, o_).Drucke(flaeche, elemente);
}

}  // namespace kolvar
