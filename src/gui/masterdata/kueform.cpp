#include "masterdata/kueform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCollator>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/meldungsform.h"
#include "masterdata/kueaendform.h"
#include "masterdata/kueloeform.h"
#include "model/element.h"
#include "model/schule.h"
#include "model/text.h"
#include "platform/beschaeftigt.h"
#include "platform/dateitextvalidator.h"
#include "platform/gitter.h"
#include "platform/qtext.h"

namespace kolvar {

TKueForm::TKueForm(TSchule& schule, QWidget* eltern)
    : TKvDialog(eltern), liste_(schule, TElementArt::Lehrer) {
  BearbeitetSchule(schule);
  setObjectName(QStringLiteral("KueForm"));
  setWindowTitle(QStringLiteral("Kürzel"));
  auto* haupt = new QHBoxLayout(this);

  auto* links = new QVBoxLayout;
  kueFeld_ = new QLineEdit(this);
  kueFeld_->setObjectName(QStringLiteral("KueFeld"));
  // Longer text would be cut on creation and could then equal an existing abbreviation.
  kueFeld_->setMaxLength(kKuerzelLaenge);
  kueFeld_->setValidator(new TDateiTextValidator(true, kueFeld_));
  links->addWidget(kueFeld_);
  kueGrid_ = new TGitter(this);
  kueGrid_->setObjectName(QStringLiteral("KueGrid"));
  kueGrid_->SetzeSpalten(1);
  kueGrid_->SetzeZeilen(1);
  kueGrid_->SetzeFesteSpalten(0);
  kueGrid_->SetzeFesteZeilen(0);
  kueGrid_->SetzeOptionen(TGitter::goLinien);
  kueGrid_->SetzeStandardHoehe(18);
  kueGrid_->SetzeSpaltenBreite(0, 110);
  kueGrid_->SetzeRollbalken(true);
  kueGrid_->setFixedSize(132, 12 * 19 + 4);
  links->addWidget(kueGrid_);
  links->addStretch();
  haupt->addLayout(links);

  auto* rechts = new QVBoxLayout;
  auto* gruppe = new QGroupBox(QStringLiteral("Kürzelart"), this);
  gruppe->setObjectName(QStringLiteral("KueArt"));
  auto* radios = new QVBoxLayout(gruppe);
  artGruppe_ = new QButtonGroup(this);
  const std::array<QString, 6> namen{QStringLiteral("Lehrer"),     QStringLiteral("Klassen"),
                                     QStringLiteral("Kopplungen"), QStringLiteral("Fächer"),
                                     QStringLiteral("Räume"),      QStringLiteral("UVTabellen")};
  for (int i = 0; i < static_cast<int>(namen.size()); ++i) {
    auto* radio = new QRadioButton(namen[static_cast<std::size_t>(i)], gruppe);
    radios->addWidget(radio);
    artGruppe_->addButton(radio, i);
  }
  rechts->addWidget(gruppe);
  auto knopf = [this, rechts](const QString& text) {
    auto* k = new QPushButton(text, this);
    k->setAutoDefault(false);
    rechts->addWidget(k);
    return k;
  };
  neuKnopf_ = knopf(QStringLiteral("Neues"));
  aendernKnopf_ = knopf(QStringLiteral("Ändern"));
  loeschKnopf_ = knopf(QStringLiteral("Löschen"));
  sortKnopf_ = knopf(QStringLiteral("Sortieren"));
  rechts->addStretch();
  okKnopf_ = knopf(QStringLiteral("Ok"));
  haupt->addLayout(rechts);
  // "Ok" is the default and the cancel button: Enter and Esc make a new element while the
  // typed text is new, and close the list otherwise.
  SetzeStandardKnopf(okKnopf_);
  SetzeAbbruchKnopf(okKnopf_);

  connect(artGruppe_, &QButtonGroup::idClicked, this, &TKueForm::KuerzelListeZeigen);
  connect(kueFeld_, &QLineEdit::textChanged, this, &TKueForm::KueFeldChange);
  connect(neuKnopf_, &QPushButton::clicked, this, &TKueForm::NeuKnopfClick);
  connect(aendernKnopf_, &QPushButton::clicked, this, &TKueForm::AendernKnopfClick);
  connect(loeschKnopf_, &QPushButton::clicked, this, &TKueForm::LoeschKnopfClick);
  connect(sortKnopf_, &QPushButton::clicked, this, &TKueForm::SortKnopfClick);
  connect(okKnopf_, &QPushButton::clicked, this, &TKueForm::OkKnopfClick);
  connect(kueGrid_, &TGitter::ZelleGedrueckt, this,
          [this](int, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers modifier, QPoint) {
            GridGedrueckt(zeile, knopf, modifier);
          });
  connect(kueGrid_, &TGitter::ZelleLosgelassen, this,
          [this](int, int zeile, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { GridLosgelassen(zeile); });
  connect(kueGrid_, &TGitter::Doppelklick, this, [this](int spalte, int zeile, Qt::KeyboardModifiers) {
    if (spalte >= 0 && zeile >= 0 && !liste_.Elemente().empty()) AendernKnopfClick();
  });
  connect(kueGrid_, &TGitter::ZiehenUeber, this, [this](int, int zeile) { ZiehenUeber(zeile); });
  // A drag ends like a release on the row the element went to.
  connect(kueGrid_, &TGitter::ZiehenEnde, this, [this](int, int, int, int zeile) {
    ziehZeile_ = -1;
    GridLosgelassen(zeile);
  });
  connect(kueGrid_, &TGitter::ZiehenAbgebrochen, this, [this] {
    ziehZeile_ = -1;
    ZeigeAuswahl();
  });

  artGruppe_->button(0)->setChecked(true);
  KuerzelListeZeigen(0);
}

void TKueForm::VorDemZeigen() {
  kueFeld_->setFocus();
}

void TKueForm::showEvent(QShowEvent* ereignis) {
  TKvDialog::showEvent(ereignis);
  kueFeld_->setFocus();
}

void TKueForm::FeldFokus() {
  if (isVisible()) kueFeld_->setFocus();
}

void TKueForm::Knoepfe(bool neu, bool aendern) {
  neuKnopf_->setEnabled(neu);
  aendernKnopf_->setEnabled(aendern);
  loeschKnopf_->setEnabled(aendern);
}

void TKueForm::FuelleGrid() {
  const std::vector<TElement*> elemente = liste_.Elemente();
  // An empty list shows one empty row.
  kueGrid_->SetzeZeilen(std::max<int>(1, static_cast<int>(elemente.size())));
  kueGrid_->Leeren();
  for (std::size_t i = 0; i < elemente.size(); ++i) {
    kueGrid_->SetzeText(0, static_cast<int>(i), Q(elemente[i]->Kuerzel()));
    kueGrid_->SetzeObjekt(0, static_cast<int>(i), elemente[i]);
  }
  ZeigeAuswahl();
}

void TKueForm::ZeigeAuswahl() {
  const std::vector<TElement*> elemente = liste_.Elemente();
  const auto it = std::find(elemente.begin(), elemente.end(), gewaehlt_);
  if (gewaehlt_ != nullptr && it != elemente.end())
    kueGrid_->SetzeZelle(0, static_cast<int>(it - elemente.begin()));
  else
    kueGrid_->SetzeAuswahl(TGitterAuswahl{});
}

void TKueForm::KuerzelListeZeigen(int art) {
  if (art < 0 || art > 5) return;
  if (art != art_) {
    art_ = art;
    liste_.SetzeArt(static_cast<TElementArt>(art));
    gewaehlt_ = nullptr;
    kueGrid_->SetzeObersteZeile(0);
    FuelleGrid();
    {
      const QSignalBlocker sperre(kueFeld_);
      kueFeld_->clear();
    }
    Knoepfe(false, false);
    kueGrid_->SetzeAuswahl(TGitterAuswahl{});
  }
  FeldFokus();
}

void TKueForm::KueFeldChange() {
  const std::string text = kueFeld_->text().toStdString();
  gewaehlt_ = nullptr;
  if (text.empty()) {
    Knoepfe(false, false);
    kueGrid_->SetzeAuswahl(TGitterAuswahl{});
    return;
  }
  const int zeile = liste_.Treffer(text);
  if (zeile < 0) {
    Knoepfe(TKuerzelListe::GueltigesKuerzel(text), false);
    kueGrid_->SetzeAuswahl(TGitterAuswahl{});
    return;
  }
  gewaehlt_ = liste_.Elemente()[static_cast<std::size_t>(zeile)];
  kueGrid_->SetzeZelle(0, zeile);
  Knoepfe(false, true);
}

void TKueForm::NeuKnopfClick() {
  if (!neuKnopf_->isEnabled()) return;
  if (liste_.Neu(kueFeld_->text().toStdString()) == nullptr) {
    QApplication::beep();
    return;
  }
  FuelleGrid();
  kueGrid_->ZeigeZelle(0, kueGrid_->Zeilen() - 1);
  kueFeld_->clear();
  FeldFokus();
}

void TKueForm::AendernKnopfClick() {
  if (gewaehlt_ == nullptr) return;
  TElement* e = gewaehlt_;
  TKueAendForm form(liste_, *e, this);
  form.Zeige();
  FuelleGrid();
  kueFeld_->setText(Q(e->Kuerzel()));
  KueFeldChange();
  FeldFokus();
  // Selected, so that the next abbreviation typed replaces it instead of being appended to it.
  kueFeld_->selectAll();
}

void TKueForm::LoeschKnopfClick() {
  if (gewaehlt_ == nullptr) return;
  TElement* e = gewaehlt_;
  if (TKuerzelListe::HatDaten(*e)) {
    TKueLoeForm frage(Q(e->Kuerzel()), this);
    if (frage.Zeige() != mrJa) {
      FeldFokus();
      return;
    }
  }
  gewaehlt_ = nullptr;
  liste_.Loesche(e);
  // The grid follows the list, so the deleted element's own row goes, wherever the selection is.
  FuelleGrid();
  kueFeld_->clear();
  FeldFokus();
}

void TKueForm::SortKnopfClick() {
  if (liste_.Elemente().size() >= 2) {
    TSanduhr sanduhr;
    TMeldungsForm meldung(this);
    meldung.SetzeMeldung(QStringLiteral("Die Kürzel werden sortiert."));
    meldung.ZeigeSofort();
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseSensitive);
    liste_.KuerzelSortieren(
        [&collator](const std::string& a, const std::string& b) { return collator.compare(Q(a), Q(b)); });
    FuelleGrid();
  }
  FeldFokus();
}

void TKueForm::OkKnopfClick() {
  if (neuKnopf_->isEnabled())
    NeuKnopfClick();
  else
    done(mrOk);
}

void TKueForm::GridGedrueckt(int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers modifier) {
  // Ctrl-press drags at once, without a threshold.
  if (knopf == Qt::LeftButton && (modifier & Qt::ControlModifier) && zeile >= 0 && kueGrid_->Zeilen() > 1 &&
      zeile < static_cast<int>(liste_.Elemente().size())) {
    ziehZeile_ = zeile;
    kueGrid_->BeginneZiehen(0, zeile);
  }
}

void TKueForm::GridLosgelassen(int zeile) {
  const std::vector<TElement*> elemente = liste_.Elemente();
  if (zeile < 0 || zeile >= static_cast<int>(elemente.size())) return;
  gewaehlt_ = elemente[static_cast<std::size_t>(zeile)];
  kueFeld_->setText(Q(gewaehlt_->Kuerzel()));
  FeldFokus();
}

void TKueForm::ZiehenUeber(int zeile) {
  if (ziehZeile_ < 0 || zeile == ziehZeile_) return;
  if (liste_.Verschiebe(ziehZeile_, zeile)) {
    const std::vector<TElement*> elemente = liste_.Elemente();
    for (std::size_t i = 0; i < elemente.size(); ++i) {
      kueGrid_->SetzeText(0, static_cast<int>(i), Q(elemente[i]->Kuerzel()));
      kueGrid_->SetzeObjekt(0, static_cast<int>(i), elemente[i]);
    }
  }
  ziehZeile_ = zeile;
}

}  // namespace kolvar
