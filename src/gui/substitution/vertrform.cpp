#include "substitution/vertrform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/datum.h"
#include "model/fehl.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/cursoren.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/gitterzeilen.h"
#include "platform/ipalette.h"
#include "substitution/vertretung.h"
#include "substitution/vertrvorschlag.h"

namespace kolvar {

namespace {

constexpr int kRand = 130;  // the window's height beside the grid's rows

QColor Farbe(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QString DatumText(int32_t datum, bool lang) {
  const TKalenderDatum k = KalenderDatum(datum);
  return QStringLiteral("%1, %2. %3 %4")
      .arg(QString::fromUtf8(TagName(Wochentag(datum), !lang)))
      .arg(k.Tag)
      .arg(QString::fromUtf8(MonatsName(k.Monat, !lang)))
      .arg(k.Jahr);
}

}  // namespace

QString LangesTagesDatum(int32_t datum) {
  return DatumText(datum, true);
}

QString KurzesDatum(int32_t datum) {
  return DatumText(datum, false);
}

TVertrForm::TVertrForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::Vertr, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(QStringLiteral("Vertretungen"));
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(4, 4, 4, 4);
  auto* kopf = new QHBoxLayout;
  DatumLabel = new QLabel(this);
  DatumLabel->setObjectName(QStringLiteral("DatumLabel"));
  QFont fett = DatumLabel->font();
  fett.setBold(true);
  DatumLabel->setFont(fett);
  kopf->addWidget(DatumLabel);
  kopf->addStretch();
  auto* sortBox = new QGroupBox(QStringLiteral("sortiert nach"), this);
  auto* sortReihe = new QHBoxLayout(sortBox);
  sortReihe->setContentsMargins(4, 0, 4, 0);
  SortGroup = new QButtonGroup(this);
  const char* sortTexte[] = {"Klassen", "fehl. Lehrern/Räumen", "vertr. Lehrern/Räumen", "Stunden"};
  for (int i = 0; i < 4; ++i) {
    auto* knopf = new QRadioButton(QString::fromUtf8(sortTexte[i]), sortBox);
    SortGroup->addButton(knopf, i);
    sortReihe->addWidget(knopf);
  }
  connect(SortGroup, &QButtonGroup::idClicked, this, [this](int vsa) {
    TSchule::TAktion aktion(Schule());
    SortiereVertretungen(vsa);
  });
  kopf->addWidget(sortBox);
  spalte->addLayout(kopf);

  auto* knoepfe = new QHBoxLayout;
  LehrerKnopf = new QPushButton(QStringLiteral("fehlender Lehrer"), this);
  KlassenKnopf = new QPushButton(QStringLiteral("fehlende Klasse"), this);
  RaumKnopf = new QPushButton(QStringLiteral("Raumänderung"), this);
  const std::array<std::pair<QPushButton*, int>, 3> arten = {
      {{LehrerKnopf, 0}, {KlassenKnopf, 1}, {RaumKnopf, 4}}};
  for (auto [knopf, art] : arten) {
    knoepfe->addWidget(knopf);
    connect(knopf, &QPushButton::clicked, this, [this, knopf, art] {
      const bool strg = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
      FehlKnopfClick(art, strg, knopf->mapToGlobal(QPoint(0, knopf->height())));
    });
  }
  knoepfe->addStretch();
  spalte->addLayout(knoepfe);

  VertrGrid = new TGitter(this);
  VertrGrid->setObjectName(QStringLiteral("VertrGrid"));
  VertrGrid->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goZeilenauswahl);
  VertrGrid->SetzeSpalten(VertrSpalte::Anzahl);
  VertrGrid->SetzeZeilen(2);
  VertrGrid->SetzeFesteZeilen(1);
  VertrGrid->SetzeFesteSpalten(0);
  gitterZeilen_ = std::make_unique<TGitterZeilen>(*VertrGrid, VertrSpalte::Stunde);
  VertrGrid->SetzeZeichner([this](QPainter& p, int s, int z, const QRect& r, TZellZustand zustand) {
    ZeichneZelle(p, s, z, r, zustand);
  });
  connect(VertrGrid, &TGitter::ZelleLosgelassen, this,
          [this](int, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            if (knopf == Qt::LeftButton && z >= 1) zeile_ = z;
          });
  // The row's pop-ups wait the double-click time, so that a double click reaches the row.
  connect(VertrGrid, &TGitter::EinzelKlick, this, [this](int s, int z, QPoint) {
    const QRect r = VertrGrid->ZellRechteck(s, z);
    VertrGridKlick(s, z, VertrGrid->viewport()->mapToGlobal(QPoint(r.left(), r.top() + r.height() / 2)));
  });
  connect(VertrGrid, &TGitter::Doppelklick, this, [this](int, int z, Qt::KeyboardModifiers) {
    if (z >= 1) zeile_ = z;
    VertrGridDblClick();
  });
  spalte->addWidget(VertrGrid, 1);
  SetzeCursorNachModus(schule.Werkzeugmodus(), 0);

  const TStandard& st = schule.Standard();
  move(st.vle, st.vto);
  resize(520, 2 * 21 + kRand);
}

TVertrForm::~TVertrForm() = default;

void TVertrForm::SetzeVertrDatum(int32_t datum) {
  datum_ = datum;
  DatumLabel->setText(QStringLiteral("für ") + KurzesDatum(datum));
  const int vsa = std::clamp(Schule().Standard().vsa, 0, 3);
  if (QAbstractButton* k = SortGroup->button(vsa)) k->setChecked(true);
  kolvar::SortiereVertretungen(Schule());
  const QFontMetrics mass(VertrGrid->font());
  gitterZeilen_->SetzeKoepfe(
      {"T", "Stunde", "Lehrer", "Klasse", "Fach", "Koppl.", "Raum", "Bem", "Ersatz", "R"});
  for (int c = 0; c < VertrSpalte::Anzahl; ++c)
    VertrGrid->SetzeSpaltenBreite(c, std::max(40, mass.horizontalAdvance(VertrGrid->Text(c, 0)) + 10));
  VertrGrid->SetzeSpaltenBreite(VertrSpalte::T, 11);
  VertrGrid->SetzeSpaltenBreite(VertrSpalte::Bem, 30);
  VertrGrid->SetzeSpaltenBreite(VertrSpalte::R, 11);
  FuelleVertrGrid();
  // Wide enough for the date beside the sort choices' whole texts.
  if (width() < sizeHint().width()) resize(sizeHint().width(), height());
}

void TVertrForm::SortiereVertretungen(int vsa) {
  Schule().Standard().vsa = std::clamp(vsa, 0, 3);
  kolvar::SortiereVertretungen(Schule());
  FuelleVertrGrid();
}

void TVertrForm::FuelleVertrGrid() {
  zeilen_ = VertrZeilen(Schule(), datum_);
  gitterZeilen_->NeueZeilen(static_cast<int>(zeilen_.size()));
  for (std::size_t i = 0; i < zeilen_.size(); ++i)
    gitterZeilen_->SetzeZeile(static_cast<int>(i) + 1, {zeilen_[i].Text.begin(), zeilen_[i].Text.end()},
                              zeilen_[i].Vertretung);
  if (zeile_ >= VertrGrid->Zeilen()) zeile_ = 0;
  PasseStundenSpalteAn();
  PasseHoeheAn();
  VertrGrid->viewport()->update();
}

void TVertrForm::PasseStundenSpalteAn() {
  // The labels change in "Zeiten" while the list is open; its refresh brings them here.
  const int breite = stundenSpalte_.Breite(VertrGrid->font(), VertrStundenTexte(Schule(), datum_));
  if (breite != VertrGrid->SpaltenBreite(VertrSpalte::Stunde))
    VertrGrid->SetzeSpaltenBreite(VertrSpalte::Stunde, breite);
}

void TVertrForm::PasseHoeheAn() {
  const int zeilenHoehe = VertrGrid->StandardHoehe() + 1;
  int n = VertrGrid->Zeilen();
  if (const QScreen* bildschirm = screen()) {
    const int unten = bildschirm->availableGeometry().bottom();
    while (n > 2 && n * zeilenHoehe + kRand > unten - y()) --n;
  }
  resize(width(), std::max(n, 2) * zeilenHoehe + kRand);
}

void TVertrForm::NeuZeichnen() {
  // Texts such as the substitute room change with a repaint notice: the rows are cheap to redo.
  FuelleVertrGrid();
}

void TVertrForm::SetzeCursorNachModus(int modus, uint8_t /*tasten*/) {
  // Moving and fixing do nothing in the list: the arrow, not the cursor a former mode left.
  QCursor cursor(Qt::ArrowCursor);
  if (modus == Modus::Setzen) cursor = KolvarCursor(QStringLiteral("SETZER"));
  if (modus == Modus::Loeschen) cursor = KolvarCursor(QStringLiteral("GUMMI"));
  VertrGrid->viewport()->setCursor(cursor);
}

void TVertrForm::Aenderungen(const TAenderungen& a) {
  uint8_t was = a.FuerFenster(*this);
  if (a.VertretungsTag(datum_)) was |= Aenderung::Daten;
  Reagiere(was);
}

TVertretung* TVertrForm::VertretungIn(int zeile) const {
  return gitterZeilen_->ElementAls<TVertretung>(zeile);
}

void TVertrForm::WaehleZeile(int zeile) {
  if (zeile < 1 || zeile >= VertrGrid->Zeilen()) return;
  VertrGrid->SetzeAuswahl({0, zeile, VertrSpalte::Anzahl - 1, zeile});
  VertrGrid->ZeigeZelle(0, zeile);
}

void TVertrForm::WaehleVertretung(const TVertretung* v) {
  for (std::size_t i = 0; i < zeilen_.size(); ++i)
    if (zeilen_[i].Vertretung == v) WaehleZeile(static_cast<int>(i) + 1);
}

int TVertrForm::GetZeilenzahl() const {
  return VertrGrid->Zeilen();
}

void TVertrForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) const {
  const TVertrZeile* daten = zeile >= 1 && zeile <= static_cast<int>(zeilen_.size())
                                 ? &zeilen_[static_cast<std::size_t>(zeile - 1)]
                                 : nullptr;
  if (z.fest || !daten) {
    // The one empty row of a day without records holds nothing to select.
    if (!daten) z.ausgewaehlt = false;
    VertrGrid->ZeichneStandard(p, spalte, zeile, r, z);
    return;
  }
  const QPalette& pal = palette();
  p.fillRect(r, z.ausgewaehlt ? pal.highlight() : pal.base());
  if (spalte == VertrSpalte::T) {
    if (daten->Marke)
      p.fillRect(QRect(QPoint(r.left() + 1, r.top() + 4), QPoint(r.right() - 1, r.bottom() - 4)),
                 Farbe(daten->MarkenFarbe));
    return;
  }
  if (spalte == VertrSpalte::R) {
    if (daten->RaumNoetig)
      p.fillRect(QRect(QPoint(r.left() + 1, r.top() + 4), QPoint(r.right() - 1, r.bottom() - 4)),
                 Farbe(0xFFFF00));
    return;
  }
  QFont schrift = VertrGrid->font();
  schrift.setItalic(daten->Kursiv);
  schrift.setBold(spalte == VertrSpalte::Klasse && daten->FettKlasse);
  p.setFont(schrift);
  p.setPen(z.ausgewaehlt ? pal.highlightedText().color() : Farbe(daten->Farbe(spalte)));
  p.drawText(r.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
             VertrGrid->Text(spalte, zeile));
}

void TVertrForm::VertrGridKlick(int spalte, int zeile, QPoint global) {
  if (zeile < 1) return;
  zeile_ = zeile;
  if (Schule().AktivesFenster() != this) return;
  TVertretung* v = VertretungIn(zeile);
  if (!v || !v->Kurs()) return;
  TMenueDaten menue;
  if (spalte == VertrSpalte::Klasse && v->Kurs()->Klassen().Anzahl() > 1) {
    // Only shown: a class taken off here would change the course, not the substitution.
    for (const TKlasse* k : v->Kurs()->Klassen()) menue.Fuege({k->Kuerzel(), false, true, false, {}});
  } else if (spalte == VertrSpalte::Kopplung && v->Kurs()->Kopplung() && v->Setzung()) {
    const bool strg = palette_ && (palette_->Tasten() & Taste::Strg);
    const TSetzung& s = *v->Setzung();
    v->Kurs()->KopplungsMenueEintraegeInVersion(menue, s.Version(), s.Tag(), s.Stunde(), strg);
  } else if (spalte == VertrSpalte::Bem) {
    v->BaueBemMenu(menue);
  } else {
    return;
  }
  ZeigeKernMenue(menue.Eintraege(), global, 0);
}

void TVertrForm::VertrGridDblClick() {
  TVertretung* v = VertretungIn(zeile_);
  if (!v) return;
  if (Schule().Werkzeugmodus() == Modus::Loeschen) {
    const QString text = QStringLiteral("Soll die Vertretung\n%1  %2\ngelöscht werden?")
                             .arg(QString::fromStdString(VertrZeitText(*v, false)),
                                  QString::fromStdString(VertrKursText(*v, false)));
    if (TDienste::Dialoge().Frage(QStringLiteral("Vertretung löschen"), text, knJa | knNein,
                                  TMeldungsArt::Frage, knNein) != mrJa)
      return;
    if (!IstAngemeldet()) return;
    TSchule::TAktion aktion(Schule());
    // The user's deletion takes back a counted substitute's credit first.
    TVertretung::Loesche(v);
    FuelleVertrGrid();
    return;
  }
  if (!v->Noetig()) {
    TDienste::Dialoge().Hinweis(
        QStringLiteral("Vertretung unnötig"),
        QStringLiteral("Vertretung nicht nötig, da die \nbeteiligten Klassen abwesend sind."));
    return;
  }
  if (WahlOeffner) WahlOeffner(v);
}

void TVertrForm::FehlKnopfClick(int art, bool strg, QPoint global) {
  if (!FehlEingabe) return;
  if (!strg) {
    anfrage_ = {art, datum_, nullptr};
    FehlEingabe();
    return;
  }
  const TListe<TFehl>& liste = art == 0   ? Schule().LehrerFehlen()
                               : art == 1 ? Schule().KlassenFehlen()
                                          : Schule().RaumFehlen();
  std::vector<TFehl*> fehlen;
  for (TFehl* f : liste)
    if (f->Datum() == datum_ && f->Element()) fehlen.push_back(f);
  if (fehlen.empty()) return;
  const int n =
      std::max(static_cast<int>(std::nearbyint(std::sqrt(3.0 * static_cast<double>(fehlen.size())))), 16);
  std::vector<TMenueEintrag> eintraege;
  for (std::size_t i = 0; i < fehlen.size(); ++i) {
    TMenueEintrag e;
    e.Text = fehlen[i]->Element()->Kuerzel();
    e.NeueSpalte = i > 0 && i % static_cast<std::size_t>(n) == 0;
    TFehl* f = fehlen[i];
    e.Aktion = [this, art, f] {
      anfrage_ = {art, datum_, f};
      FehlEingabe();
    };
    eintraege.push_back(std::move(e));
  }
  ZeigeKernMenue(eintraege, global, n);
}

bool TVertrForm::Blaettere(bool vorwaerts) {
  // The choice windows belong to the day that is left.
  for (int art : ArtenDerFamilie(TFamilie::Wahl))
    if (IFenster* f = Schule().EinzelFenster(art)) f->Schliesse();
  SetzeVertrDatum(NaechsterVertretungsTag(Schule(), datum_, vorwaerts));
  return true;
}

void TVertrForm::FormClose(TCloseAction& aktion) {
  TStandard& st = Schule().Standard();
  st.vle = x();
  st.vto = y();
  TKindFenster::FormClose(aktion);
}

}  // namespace kolvar
