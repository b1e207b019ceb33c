#include "print/druckdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "druck/prevprinter.h"
#include "model/element.h"
#include "model/optionen.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "print/anwendungsdrucker.h"
#include "print/previewform.h"

namespace kolvar {

namespace {

QSpinBox* PfeilSpin(int von, int bis, QWidget* eltern) {
  auto* s = new QSpinBox(eltern);
  s->setRange(von, bis);
  if (auto* feld = s->findChild<QLineEdit*>()) feld->setReadOnly(true);
  return s;
}

// Days and periods take typed digits too; the spin box keeps them within its range.
QSpinBox* ZahlSpin(int von, int bis, QWidget* eltern) {
  auto* s = new QSpinBox(eltern);
  s->setRange(von, bis);
  return s;
}

constexpr int kElementRolle = Qt::UserRole + 1;

}  // namespace

TDruckDialog::TDruckDialog(TSchule& schule, const QString& caption, TSchrift& schrift,
                           std::array<int*, 4> raender, QWidget* eltern)
    : TKvDialog(eltern), schule_(schule), schrift_(schrift), gespeicherteRaender_(raender) {
  setWindowTitle(caption);
  auto* haupt = new QHBoxLayout(this);
  optionen_ = new QVBoxLayout;
  rechts_ = new QVBoxLayout;
  haupt->addLayout(optionen_);
  haupt->addLayout(rechts_);

  auto* schriftBox = new QGroupBox(QStringLiteral("Schrift"), this);
  auto* schriftZeile = new QHBoxLayout(schriftBox);
  schriftFeld_ = new QLabel(schriftBox);
  schriftFeld_->setObjectName(QStringLiteral("SchriftFeld"));
  auto* aendern = new QPushButton(QStringLiteral("Ändern"), schriftBox);
  schriftZeile->addWidget(schriftFeld_, 1);
  schriftZeile->addWidget(aendern);
  connect(aendern, &QPushButton::clicked, this, [this] { SchriftButtonClick(); });

  auto* randBox = new QGroupBox(QStringLiteral("Rand [cm]"), this);
  auto* randGitter = new QGridLayout(randBox);
  const std::array<const char*, 4> namen{"links", "rechts", "oben", "unten"};
  for (std::size_t i = 0; i < 4; ++i) {
    raender_[i] = PfeilSpin(0, 6, randBox);
    randGitter->addWidget(new QLabel(QString::fromUtf8(namen[i]), randBox), static_cast<int>(i / 2),
                          static_cast<int>(i % 2) * 2);
    randGitter->addWidget(raender_[i], static_cast<int>(i / 2), static_cast<int>(i % 2) * 2 + 1);
  }

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* ansehen = new QPushButton(QStringLiteral("Ansehen"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  auto* format = new QPushButton(QStringLiteral("Papierformat"), this);
  SetzeStandardKnopf(ok);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeAbbruchKnopf(abbrechen);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(ansehen, &QPushButton::clicked, this, [this] { PreviewKnopfClick(); });
  connect(format, &QPushButton::clicked, this, [this] { FormatKnopfClick(); });
  for (QPushButton* k : {ok, ansehen, abbrechen, format}) rechts_->addWidget(k);
  rechts_->addWidget(schriftBox);
  rechts_->addWidget(randBox);
  rechts_->addStretch(1);
}

TDruckDialog::~TDruckDialog() = default;

void TDruckDialog::LadeEinstellungen() {
  for (std::size_t i = 0; i < 4; ++i) raender_[i]->setValue(*gespeicherteRaender_[i]);
  LadeOptionen();
  ZeigeSchrift();
  ZeigeVonBis();
}

void TDruckDialog::ZeigeSchrift() {
  schriftFeld_->setText(QString::fromStdString(schrift_.Name) + QLatin1Char(' ') +
                        QString::number(schrift_.Groesse));
  // A dialog that was given a minimum width (room for its title) no longer grows with its
  // layout by itself: it widens here, so a longer font name is not cut.
  // The layouts are brought up to date from the label outwards, as they would be one event at
  // a time.
  for (QWidget* w = schriftFeld_->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (w->layout() != nullptr) w->layout()->activate();
    if (w == this) break;
  }
  if (layout() == nullptr) return;
  const int noetig = layout()->totalMinimumSize().width();
  if (minimumWidth() < noetig) setMinimumWidth(noetig);
}

void TDruckDialog::Speichere() {
  for (std::size_t i = 0; i < 4; ++i) *gespeicherteRaender_[i] = raender_[i]->value();
  SpeichereOptionen();
}

// The recorder reports to the status window up to its end (its destructor ends an unfinished
// recording), so it is declared after the window and goes first.
struct TDruckDialog::TDruckLauf {
  std::unique_ptr<TDruckMeldung> meldung;
  std::unique_ptr<TPrevPrinter> recorder;
};

TDruckDialog::TDruckLauf TDruckDialog::Zeichne() {
  TDruckLauf lauf;
  lauf.meldung = std::make_unique<TDruckMeldung>(this);
  lauf.recorder = TAnwendungsDrucker::NeuerRecorder(lauf.meldung.get());
  if (HatInhalt()) {
    lauf.recorder->BeginRecord();
    Drucke(*lauf.recorder);
  }
  lauf.recorder->EndRecord();
  if (lauf.meldung->Abgebrochen()) lauf.recorder.reset();
  return lauf;
}

// An empty grid would print a blank sheet or nothing at all: the dialog stays open for the
// choice instead.
bool TDruckDialog::AuswahlPruefen() {
  if (kuerzelGrid_ == nullptr || !BrauchtAuswahl() || !Elemente().empty()) return true;
  TDienste::Dialoge().Hinweis(QStringLiteral("Drucken"), keineAuswahl_);
  return false;
}

void TDruckDialog::OkKnopfClick() {
  Speichere();
  if (!AuswahlPruefen()) return;
  done(mrOk);
  // This dialog asked: the print dialog opens over it.
  if (!TAnwendungsDrucker::Druckdialog(this)) return;
  const TDruckLauf lauf = Zeichne();
  if (lauf.recorder) TAnwendungsDrucker::Drucke(*lauf.recorder, parentWidget());
}

void TDruckDialog::PreviewKnopfClick() {
  Speichere();
  if (!AuswahlPruefen()) return;
  const TDruckLauf lauf = Zeichne();
  if (!lauf.recorder) return;
  TPreviewForm vorschau(this);
  vorschau.SetzePrinter(lauf.recorder.get());
  if (vorschau.Zeige() == mrJa) TAnwendungsDrucker::Drucke(*lauf.recorder, this);
}

void TDruckDialog::FormatKnopfClick() {
  TAnwendungsDrucker::Ablauf().Papierformat(TAnwendungsDrucker::Drucker(), this);
}

void TDruckDialog::SchriftButtonClick() {
  QFont f(QString::fromStdString(schrift_.Name), schrift_.Groesse);
  f.setBold(schrift_.Fett);
  f.setItalic(schrift_.Kursiv);
  f.setUnderline(schrift_.Unterstrichen);
  if (!TAnwendungsDrucker::Ablauf().Schrift(f, this)) return;
  // Everything the dialog chose is kept; the colour stays, as the dialog offers none.
  schrift_.Name = f.family().toStdString();
  if (f.pointSize() > 0) schrift_.Groesse = f.pointSize();
  schrift_.Fett = f.bold();
  schrift_.Kursiv = f.italic();
  schrift_.Unterstrichen = f.underline();
  ZeigeSchrift();
}

// ---------------------------------------------------------------------------------------------
// Element choice

void TDruckDialog::BaueElementWahl(const QString& titel, std::vector<TWahlKnopf> knoepfe, TWaehler waehler) {
  auto* box = new QGroupBox(titel, this);
  auto* spalte = new QVBoxLayout(box);
  kuerzelGrid_ = new QTableWidget(1, 1, box);
  kuerzelGrid_->setObjectName(QStringLiteral("KuerzelGrid"));
  kuerzelGrid_->horizontalHeader()->hide();
  kuerzelGrid_->verticalHeader()->hide();
  kuerzelGrid_->setColumnWidth(0, 86);
  kuerzelGrid_->verticalHeader()->setDefaultSectionSize(16);
  kuerzelGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  kuerzelGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  kuerzelGrid_->setFixedWidth(86 + 22);
  kuerzelGrid_->setMinimumHeight(16 * 8);
  connect(kuerzelGrid_, &QTableWidget::cellPressed, this, [this](int zeile, int) { letzteZeile_ = zeile; });
  connect(kuerzelGrid_, &QTableWidget::cellDoubleClicked, this,
          [this](int, int) { EntferneZeile(letzteZeile_); });
  spalte->addWidget(kuerzelGrid_);
  QString knopfListe;
  for (std::size_t i = 0; i < knoepfe.size(); ++i) {
    if (i > 0) knopfListe += i + 1 == knoepfe.size() ? QStringLiteral(" oder ") : QStringLiteral(", ");
    knopfListe += QLatin1Char('"') + knoepfe[i].text + QLatin1Char('"');
  }
  keineAuswahl_ = QStringLiteral(
                      "Es ist nichts zum Drucken gewählt.\nBitte wählen Sie unter \"%1\" mit %2, was "
                      "gedruckt werden soll.")
                      .arg(titel, knopfListe);
  for (TWahlKnopf& k : knoepfe) {
    const int nummer = static_cast<int>(auswahl_.size());
    auswahl_.push_back([this, liste = std::move(k.liste), waehler, name = k.listenName] {
      if (!waehler) return;
      for (TElement* e : waehler(liste(), name)) FuegeElementHinzu(e);
    });
    auto* knopf = new QPushButton(k.text, box);
    connect(knopf, &QPushButton::clicked, this, [this, nummer] { AuswahlKnopfClick(nummer); });
    spalte->addWidget(knopf);
  }
  rechts_->insertWidget(4, box);
}

void TDruckDialog::AuswahlKnopfClick(int knopf) {
  if (knopf >= 0 && knopf < static_cast<int>(auswahl_.size())) auswahl_[static_cast<std::size_t>(knopf)]();
}

void TDruckDialog::KoppleBoxen(QCheckBox* eintrag, QCheckBox* kopplung, QCheckBox* statt) {
  if (eintrag == nullptr || kopplung == nullptr || statt == nullptr) return;
  connect(eintrag, &QCheckBox::clicked, this, [statt](bool an) {
    if (!an) statt->setChecked(false);
  });
  connect(kopplung, &QCheckBox::clicked, this, [statt](bool an) {
    if (an) statt->setChecked(false);
  });
  connect(statt, &QCheckBox::clicked, this, [kopplung, eintrag](bool an) {
    if (!an) return;
    kopplung->setChecked(false);
    eintrag->setChecked(true);
  });
}

std::vector<TElement*> TDruckDialog::Elemente() const {
  std::vector<TElement*> elemente;
  if (kuerzelGrid_ == nullptr) return elemente;
  for (int z = 0; z < kuerzelGrid_->rowCount(); ++z) {
    const QTableWidgetItem* item = kuerzelGrid_->item(z, 0);
    if (item == nullptr) continue;
    if (auto* e = static_cast<TElement*>(item->data(kElementRolle).value<void*>())) elemente.push_back(e);
  }
  return elemente;
}

namespace {
QTableWidgetItem* ElementZelle(TElement* e) {
  auto* item = new QTableWidgetItem(QString::fromStdString(e->Kuerzel()));
  item->setData(kElementRolle, QVariant::fromValue(static_cast<void*>(e)));
  return item;
}
}  // namespace

void TDruckDialog::FuegeElementHinzu(TElement* element) {
  if (kuerzelGrid_ == nullptr || element == nullptr) return;
  const QTableWidgetItem* erstes = kuerzelGrid_->item(0, 0);
  if (erstes == nullptr || erstes->text().isEmpty()) {
    kuerzelGrid_->setItem(0, 0, ElementZelle(element));
    return;
  }
  const int zeile = kuerzelGrid_->rowCount();
  kuerzelGrid_->insertRow(zeile);
  kuerzelGrid_->setItem(zeile, 0, ElementZelle(element));
}

void TDruckDialog::UebernimmElement(TElement* element) {
  if (kuerzelGrid_ == nullptr || element == nullptr) return;
  kuerzelGrid_->setItem(0, 0, ElementZelle(element));
}

void TDruckDialog::EntferneZeile(int zeile) {
  if (kuerzelGrid_ == nullptr || zeile < 0 || zeile >= kuerzelGrid_->rowCount()) return;
  if (kuerzelGrid_->rowCount() > 1)
    kuerzelGrid_->removeRow(zeile);
  else
    kuerzelGrid_->setItem(0, 0, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Day and period ranges

void TDruckDialog::BaueVonBis() {
  auto* box = new QGroupBox(QStringLiteral("Tage und Stunden"), this);
  auto* gitter = new QGridLayout(box);
  vonTag_ = ZahlSpin(1, 7, box);
  bisTag_ = ZahlSpin(1, 7, box);
  vonStunde_ = ZahlSpin(1, 16, box);
  bisStunde_ = ZahlSpin(1, 16, box);
  vonTagText_ = new QLabel(box);
  bisTagText_ = new QLabel(box);
  vonStundeText_ = new QLabel(box);
  bisStundeText_ = new QLabel(box);
  const std::array<std::tuple<const char*, QSpinBox*, QLabel*>, 4> zeilen{
      {{"Tag von", vonTag_, vonTagText_},
       {"Tag bis", bisTag_, bisTagText_},
       {"Stunde von", vonStunde_, vonStundeText_},
       {"Stunde bis", bisStunde_, bisStundeText_}}};
  int z = 0;
  for (const auto& [text, spin, label] : zeilen) {
    gitter->addWidget(new QLabel(QString::fromUtf8(text), box), z, 0);
    gitter->addWidget(spin, z, 1);
    label->setMinimumWidth(80);
    gitter->addWidget(label, z, 2);
    ++z;
  }
  // von <= bis always: each end bounds the other.
  const auto koppeln = [this](QSpinBox* von, QSpinBox* bis) {
    connect(von, &QSpinBox::valueChanged, this, [this, bis](int v) {
      bis->setMinimum(v);
      ZeigeVonBis();
    });
    connect(bis, &QSpinBox::valueChanged, this, [this, von](int v) {
      von->setMaximum(v);
      ZeigeVonBis();
    });
  };
  koppeln(vonTag_, bisTag_);
  koppeln(vonStunde_, bisStunde_);
  optionen_->addWidget(box);
}

void TDruckDialog::SetzeVonBis(int vt, int bt, int vs, int bs) {
  if (vonTag_ == nullptr) return;
  vonTag_->setMaximum(7);
  bisTag_->setMinimum(1);
  vonStunde_->setMaximum(16);
  bisStunde_->setMinimum(1);
  vonTag_->setValue(std::clamp(vt, 1, 7));
  bisTag_->setValue(std::clamp(bt, vonTag_->value(), 7));
  vonStunde_->setValue(std::clamp(vs, 1, 16));
  bisStunde_->setValue(std::clamp(bs, vonStunde_->value(), 16));
}

void TDruckDialog::ZeigeVonBis() {
  if (vonTag_ == nullptr) return;
  const TStandard& st = schule_.Standard();
  const auto& stunden = st.sp[static_cast<std::size_t>(st.AktuelleVersion() - 1)];
  vonTagText_->setText(QString::fromStdString(st.spn[static_cast<std::size_t>(vonTag_->value() - 1)]));
  bisTagText_->setText(QString::fromStdString(st.spn[static_cast<std::size_t>(bisTag_->value() - 1)]));
  vonStundeText_->setText(QString::fromStdString(stunden[static_cast<std::size_t>(vonStunde_->value() - 1)]));
  bisStundeText_->setText(QString::fromStdString(stunden[static_cast<std::size_t>(bisStunde_->value() - 1)]));
}

}  // namespace kolvar
