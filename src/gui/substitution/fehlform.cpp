#include "substitution/fehlform.h"

#include <QHBoxLayout>
#include <QInputEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/meldungsform.h"
#include "model/element.h"
#include "model/fehl.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/popupdienst.h"
#include "substitution/fehltlangform.h"

namespace kolvar {

namespace {

constexpr int kMusterSpalte = 0, kKuerzelSpalte = 1, kMaskenSpalte = 2;
constexpr int kZeilenHoehe = 16;

struct TArtTexte {
  const char* caption;
  const char* knopf;
  const char* liste;
};

TArtTexte Texte(TElementArt art) {
  switch (art) {
    case TElementArt::Klasse:
      return {"Fehlende Klassen", "Klassen", "Klassen"};
    case TElementArt::Raum:
      return {"Fehlende Räume", "Räume", "Räume"};
    default:
      return {"Fehlende Lehrer", "Lehrer", "Lehrer"};
  }
}

// The "KALENDER" picture: a small sheet of a tear-off calendar.
void ZeichneKalender(QPainter& p, const QRect& r) {
  const QRect blatt(r.left() + 2, r.top() + 2, 11, 11);
  p.fillRect(blatt, Qt::white);
  p.fillRect(QRect(blatt.left(), blatt.top(), blatt.width(), 3), QColor(0xC0, 0, 0));
  p.setPen(Qt::black);
  p.drawRect(blatt.adjusted(0, 0, -1, -1));
  for (int y = blatt.top() + 5; y < blatt.bottom() - 1; y += 2)
    for (int x = blatt.left() + 2; x < blatt.right() - 1; x += 2) p.drawPoint(x, y);
}

}  // namespace

TFehlForm::TFehlForm(TSchule& schule, IPalette* palette, TMehrfachWahl mehrfachWahl, QWidget* eltern)
    : TKvDialog(eltern), schule_(schule), palette_(palette), mehrfachWahl_(std::move(mehrfachWahl)) {
  BearbeitetSchule(schule);
  setObjectName(QStringLiteral("FehlForm"));
  auto* haupt = new QVBoxLayout(this);
  datumFeld_ = new QLabel(this);
  haupt->addWidget(datumFeld_);

  auto* bereich = new QHBoxLayout;
  elementKnopf_ = new QPushButton(this);
  vonKnopf_ = new QPushButton(QStringLiteral("von Stunde"), this);
  bisKnopf_ = new QPushButton(QStringLiteral("bis Stunde"), this);
  vonFeld_ = new QLabel(this);
  bisFeld_ = new QLabel(this);
  vonFeld_->setMinimumWidth(40);
  bisFeld_->setMinimumWidth(40);
  for (QPushButton* k : {elementKnopf_, vonKnopf_, bisKnopf_}) k->setAutoDefault(false);
  bereich->addWidget(elementKnopf_);
  bereich->addSpacing(12);
  bereich->addWidget(vonKnopf_);
  bereich->addWidget(vonFeld_);
  bereich->addWidget(bisKnopf_);
  bereich->addWidget(bisFeld_);
  bereich->addStretch(1);
  haupt->addLayout(bereich);

  grid_ = new TGitter(this);
  grid_->setObjectName(QStringLiteral("FehlGrid"));
  grid_->SetzeSpalten(3);
  grid_->SetzeZeilen(1);
  grid_->SetzeFesteSpalten(0);
  grid_->SetzeFesteZeilen(0);
  grid_->SetzeStandardHoehe(kZeilenHoehe);
  grid_->SetzeSpaltenBreite(kMusterSpalte, 146);
  grid_->SetzeSpaltenBreite(kKuerzelSpalte, 60);
  grid_->SetzeSpaltenBreite(kMaskenSpalte, 16);
  grid_->SetzeOptionen(TGitter::goLinien | TGitter::goZeilenauswahl);
  grid_->setMinimumSize(146 + 60 + 16 + 24, 12 * (kZeilenHoehe + 1));
  grid_->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) {
    ZeichneZelle(p, spalte, zeile, r, z.ausgewaehlt);
  });
  haupt->addWidget(grid_, 1);

  auto* knoepfe = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch(1);
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  haupt->addLayout(knoepfe);
  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
  connect(ok, &QPushButton::clicked, this, [this] { SpeichereFehlzeiten(); });
  // Ctrl counts as it was when the button went down (the press event says), not at the release.
  elementKnopf_->installEventFilter(this);
  connect(elementKnopf_, &QPushButton::clicked, this, [this] { ElementKnopfClick(strgBeimDruck_); });
  connect(vonKnopf_, &QPushButton::clicked, this, [this] { WaehleStunde(true); });
  connect(bisKnopf_, &QPushButton::clicked, this, [this] { WaehleStunde(false); });
  connect(grid_, &TGitter::ZelleGedrueckt, this,
          [this](int spalte, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, QPoint ort) {
            if (knopf != Qt::LeftButton || spalte < 0 || zeile < 0) return;
            GridKlick(spalte, zeile, ort.x() - grid_->ZellRechteck(spalte, zeile).left(), tasten);
          });
}

TFehlForm::~TFehlForm() = default;

bool TFehlForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == elementKnopf_ &&
      (ereignis->type() == QEvent::MouseButtonPress || ereignis->type() == QEvent::KeyPress))
    strgBeimDruck_ = static_cast<QInputEvent*>(ereignis)->modifiers() & Qt::ControlModifier;
  return TKvDialog::eventFilter(objekt, ereignis);
}

void TFehlForm::InitFehlForm(TElementArt art, TFehl* fehl, int32_t datum) {
  eingabe_ = std::make_unique<TFehlEingabe>(schule_, art, datum);
  const TArtTexte t = Texte(art);
  setWindowTitle(QString::fromUtf8(t.caption));
  elementKnopf_->setText(QString::fromUtf8(t.knopf));
  datumFeld_->setText(QString::fromStdString(LangesDatum(datum)));
  ZeigeBereich();
  FuelleGrid();
  const int z = std::max(eingabe_->ZeileVon(fehl), 0);
  grid_->SetzeZelle(kKuerzelSpalte, z);
  grid_->SetzeObersteZeile(z);
}

QString TFehlForm::Periode(int p) const {
  const TStandard& st = schule_.Standard();
  const int v = eingabe_ ? eingabe_->Version() : 1;
  if (v < 1 || v > kMaxVersionen || p < 1 || p > kStunden) return {};
  return QString::fromStdString(st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)]);
}

void TFehlForm::ZeigeBereich() {
  vonFeld_->setText(Periode(eingabe_->Von()));
  bisFeld_->setText(Periode(eingabe_->Bis()));
}

void TFehlForm::FuelleGrid() {
  const auto& zeilen = eingabe_->Zeilen();
  grid_->Leeren();
  grid_->SetzeZeilen(std::max<int>(1, static_cast<int>(zeilen.size())));
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const int z = static_cast<int>(i);
    grid_->SetzeText(kMusterSpalte, z, QString::fromStdString(eingabe_->Tagesmuster(z)));
    grid_->SetzeText(kKuerzelSpalte, z, QString::fromStdString(zeilen[i].Element->Kuerzel()));
    grid_->SetzeObjekt(kKuerzelSpalte, z, zeilen[i].Element);
    grid_->SetzeText(kMaskenSpalte, z, QString::fromStdString(zeilen[i].Maske));
    grid_->SetzeObjekt(kMaskenSpalte, z, zeilen[i].Fehl);
  }
  grid_->viewport()->update();
}

void TFehlForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const {
  if (!eingabe_) return;
  const auto& zeilen = eingabe_->Zeilen();
  const bool belegt = zeile >= 0 && zeile < static_cast<int>(zeilen.size());
  // The grid keeps one empty row when there is none: it shows no selection.
  ausgewaehlt = ausgewaehlt && belegt;
  const QColor grund = ausgewaehlt && spalte == kKuerzelSpalte ? palette().color(QPalette::Highlight)
                                                               : palette().color(QPalette::Base);
  p.fillRect(r, grund);
  if (!belegt) return;
  if (spalte == kMusterSpalte) {
    const std::string muster = grid_->Text(kMusterSpalte, zeile).toStdString();
    const std::string& maske = zeilen[static_cast<std::size_t>(zeile)].Maske;
    for (int periode = 1; periode <= 16; ++periode) {
      const int links = r.left() + kFehlStundenBreite * periode - 6;
      const int breite = 6;
      const char c =
          periode <= static_cast<int>(muster.size()) ? muster[static_cast<std::size_t>(periode - 1)] : 'F';
      switch (c) {
        case 'E':
        case 'G':
          p.setPen(Qt::black);
          p.setBrush(Qt::NoBrush);
          p.drawRect(QRect(QPoint(links, r.top() + 1), QPoint(links + breite - 1, r.top() + 8)));
          break;
        case 'K':
        case 'L':
          p.fillRect(QRect(QPoint(links, r.top() + 1), QPoint(links + breite - 1, r.top() + 8)), Qt::black);
          break;
        case 'S':
          p.fillRect(QRect(QPoint(links, r.top() + 1), QPoint(links + breite - 1, r.top() + 8)),
                     QColor(0x80, 0x80, 0x00));
          break;
        default:  // F, U
          p.fillRect(QRect(QPoint(links, r.top() + 4), QPoint(links + breite - 1, r.top() + 6)), Qt::black);
          break;
      }
      if (periode <= static_cast<int>(maske.size()) && maske[static_cast<std::size_t>(periode - 1)] == '+')
        p.fillRect(QRect(QPoint(links, r.bottom() - 4), QPoint(links + breite - 1, r.bottom() - 1)), Qt::red);
    }
    return;
  }
  if (spalte == kMaskenSpalte) {
    ZeichneKalender(p, r);
    return;
  }
  p.setPen(palette().color(ausgewaehlt ? QPalette::HighlightedText : QPalette::Text));
  p.drawText(r.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, grid_->Text(spalte, zeile));
}

void TFehlForm::ElementKnopfClick(bool strg) {
  const TElementArt art = eingabe_->Art();
  if (strg) {
    if (!mehrfachWahl_) return;
    for (TElement* e : mehrfachWahl_(schule_.Elemente(art), QString::fromUtf8(Texte(art).liste)))
      FuegeElementHinzu(e);
    return;
  }
  if (!palette_) return;
  if (!palette_->WaehleElement(art, false, elementKnopf_->mapToGlobal(QPoint(elementKnopf_->width(), 0))))
    return;
  TElement* e = palette_->Wahl(art);
  // The choice was for this row only: the palette's other users must not find it.
  if (WahlZuruecksetzen) WahlZuruecksetzen(art);
  FuegeElementHinzu(e);
}

void TFehlForm::FuegeElementHinzu(TElement* e) {
  const int z = eingabe_->FuegeHinzu(dynamic_cast<TPlanElement*>(e));
  if (z < 0) return;
  FuelleGrid();
  grid_->SetzeZelle(kKuerzelSpalte, z);
  if (z >= 8) grid_->SetzeObersteZeile(z - 8);
}

void TFehlForm::WaehleStunde(bool von) {
  std::vector<TPopupEintrag> eintraege;
  const int n = std::clamp(schule_.Standard().pst, 1, kStunden);
  for (int p = 1; p <= n; ++p) {
    TPopupEintrag e;
    e.text = Periode(p);
    if (e.text.isEmpty()) e.text = QString::number(p);
    e.id = p;
    eintraege.push_back(std::move(e));
  }
  QPushButton* knopf = von ? vonKnopf_ : bisKnopf_;
  const int p = TDienste::Popups().Waehle(eintraege, knopf->mapToGlobal(QPoint(0, knopf->height())), 0);
  if (p >= 1) SetzeStunde(von, p);
}

void TFehlForm::SetzeStunde(bool von, int p) {
  if (von)
    eingabe_->SetzeVon(p);
  else
    eingabe_->SetzeBis(p);
  ZeigeBereich();
}

void TFehlForm::GridKlick(int spalte, int zeile, int x, Qt::KeyboardModifiers tasten) {
  if (zeile < 0 || zeile >= static_cast<int>(eingabe_->Zeilen().size())) return;
  if (spalte == kMusterSpalte) {
    if (eingabe_->Klick(zeile, x, tasten & Qt::ShiftModifier, tasten & Qt::ControlModifier)) FuelleGrid();
  } else if (spalte == kMaskenSpalte) {
    LangeFehlzeit(zeile);
  }
}

void TFehlForm::LangeFehlzeit(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(eingabe_->Zeilen().size())) return;
  const TFehlZeile z = eingabe_->Zeilen()[static_cast<std::size_t>(zeile)];
  TFehltLangForm lang(QString::fromStdString(z.Element->Kuerzel()), eingabe_->Datum(), this);
  if (lang.Zeige() != mrOk) return;
  TSanduhr sanduhr;
  TMeldungsForm meldung(this);
  meldung.SetzeMeldung(QStringLiteral("Die Fehlzeiten werden eingetragen."));
  meldung.ZeigeSofort();
  TSchule::TAktion aktion(schule_);
  TrageFehlzeitenEin(*z.Element, z.Maske, eingabe_->Datum(), lang.EndDatum());
}

void TFehlForm::SpeichereFehlzeiten() {
  TSchule::TAktion aktion(schule_);
  eingabe_->Speichere();
}

}  // namespace kolvar
