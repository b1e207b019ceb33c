#include "views/parform.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "engine/parsuche.h"
#include "model/fensterart.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/cursoren.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/druckauftraege.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/qtext.h"
#include "platform/spaltenmenue.h"
#include "views/parsuchform.h"

namespace kolvar {

namespace {

TMenueEintrag Eintrag(std::string text) {
  TMenueEintrag e;
  e.Text = std::move(text);
  return e;
}

}  // namespace

TParForm::TParForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::Par, schule, palette, nullptr, eltern), palette_(palette), tabelle_(schule) {
  SetzeCaption(QStringLiteral("Parallele Kopplungen"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  gitter_ = new TGitter(this);
  gitter_->setObjectName(QStringLiteral("ParGrid"));
  gitter_->SetzeFesteSpalten(1);
  gitter_->SetzeFesteZeilen(1);
  layout->addWidget(gitter_);
  gitter_->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand) {
    ZeichneZelle(p, spalte, zeile, r);
  });
  // A right click opens its pop-up when the button comes up over the cell it went down on: a
  // pop-up opened by the press would take the release as the choice of its first entry.
  connect(
      gitter_, &TGitter::ZelleLosgelassen, this,
      [this](int spalte, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint ort) {
        if (knopf != Qt::RightButton || QPoint(spalte, zeile) != std::exchange(rechtsGedrueckt_, {-1, -1}))
          return;
        GitterRechtsklick(spalte, zeile, gitter_->viewport()->mapToGlobal(ort));
      });
  connect(gitter_, &TGitter::Klick, this, &TParForm::GitterKlick);
  connect(gitter_, &TGitter::Doppelklick, this,
          [this](int spalte, int zeile, Qt::KeyboardModifiers) { GitterDoppelklick(spalte, zeile); });
  connect(gitter_, &TGitter::ZelleGedrueckt, this,
          [this](int spalte, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            rechtsGedrueckt_ = knopf == Qt::RightButton ? QPoint(spalte, zeile) : QPoint(-1, -1);
            GitterGedrueckt(spalte, zeile, knopf);
          });
  connect(gitter_, &TGitter::ZiehenEnde, this, &TParForm::GitterZiehenEnde);
  SetzeCursorNachModus(schule.Werkzeugmodus(), 0);
}

void TParForm::SetzeCursorNachModus(int modus, std::uint8_t /*tasten*/) {
  // No keys here: Ctrl and Shift change nothing the table does. A drag keeps its own cursor.
  if (!gitter_->Zieht()) gitter_->viewport()->setCursor(ModusCursor(modus, 0, false));
}

std::uint8_t TParForm::Tasten() const {
  return palette_ != nullptr ? palette_->Tasten() : Schule().Palette().Tasten();
}

bool TParForm::Daten(int spalte, int zeile) const {
  return spalte >= 1 && zeile >= 1 && spalte <= tabelle_.Spalten() && zeile <= tabelle_.Zeilen();
}

void TParForm::Baue() {
  const TStandard& st = Schule().Standard();
  tabelle_.Baue(st.pze, st.psp, st.pue);
  gitter_->Leeren();
  gitter_->SetzeSpalten(tabelle_.Spalten() + 1);
  gitter_->SetzeZeilen(tabelle_.Zeilen() + 1);
  gitter_->SetzeSpaltenBreite(0, 30);
  gitter_->SetzeText(0, 0, QStringLiteral("Konfl."));
  for (int s = 1; s <= tabelle_.Spalten(); ++s)
    gitter_->SetzeText(s, 0, QStringLiteral("Spalte ") + QString::number(s));
  for (int z = 1; z <= tabelle_.Zeilen(); ++z)
    for (int s = 1; s <= tabelle_.Spalten(); ++s) ZeigeZelle(z, s);
  ZaehleAlle();
  SpaltenEinpassen();
  int breite = 0;
  for (int s = 0; s < gitter_->Spalten(); ++s) breite += gitter_->SpaltenBreite(s) + 1;
  const int hoehe = (gitter_->StandardHoehe() + 1) * gitter_->Zeilen();
  resize(std::min(breite, 500) + 29, std::min(hoehe, 300) + 48);
}

void TParForm::SpaltenEinpassen() {
  for (int s = 0; s < gitter_->Spalten(); ++s) SpalteEinpassen(s);
}

void TParForm::SpalteEinpassen(int spalte) {
  // A column grows to its longest text, the header's included; it never shrinks below its start.
  QFont kursiv = gitter_->font();
  kursiv.setItalic(true);
  const QFontMetrics mass(gitter_->font());
  const QFontMetrics kursivMass(kursiv);
  int breite = std::max(spalte == 0 ? 30 : gitter_->StandardBreite(),
                        mass.horizontalAdvance(gitter_->Text(spalte, 0)) + 6);
  for (int z = 1; z < gitter_->Zeilen(); ++z) {
    if (spalte == 0) {
      breite = std::max(breite, mass.horizontalAdvance(gitter_->Text(0, z)) + 6);
    } else if (Daten(spalte, z)) {
      const TParZelle& zelle = tabelle_.Zelle(z, spalte);
      if (zelle.Kopplung != nullptr)
        breite = std::max(breite, kursivMass.horizontalAdvance(
                                      Q(TParTabelle::ZellText(*zelle.Kopplung, Schule().Standard().pmf))) +
                                      6);
    }
  }
  if (breite != gitter_->SpaltenBreite(spalte)) gitter_->SetzeSpaltenBreite(spalte, breite);
}

void TParForm::Aktualisiere() {
  tabelle_.Bereinige();
  for (int z = 1; z <= tabelle_.Zeilen(); ++z)
    for (int s = 1; s <= tabelle_.Spalten(); ++s) ZeigeZelle(z, s);
  ZaehleAlle();
  SpaltenEinpassen();
}

void TParForm::Aenderungen(const TAenderungen&) {
  Aktualisiere();
  NeuZeichnen();
}

void TParForm::NeuZeichnen() {
  gitter_->viewport()->update();
}

void TParForm::ZeigeZelle(int zeile, int spalte) {
  const TParZelle& z = tabelle_.Zelle(zeile, spalte);
  gitter_->SetzeObjekt(spalte, zeile, z.Kopplung);
  gitter_->SetzeText(spalte, zeile,
                     z.Kopplung == nullptr ? QString()
                     : z.Fixiert           ? QStringLiteral("F")
                                           : QStringLiteral("K"));
  SpalteEinpassen(spalte);
}

void TParForm::Zaehle(int zeile) {
  gitter_->SetzeText(0, zeile, QString::number(tabelle_.KonflikteZaehlen(zeile)));
  tabelle_.ParTabelleSpeichern();
}

void TParForm::ZaehleAlle() {
  for (int z = 1; z <= tabelle_.Zeilen(); ++z) Zaehle(z);
}

void TParForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r) const {
  if (spalte == 0 || zeile == 0) {
    gitter_->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
    return;
  }
  const bool gewaehlt = gitter_->Auswahl().Enthaelt(spalte, zeile) && hasFocus();
  p.fillRect(r, gewaehlt ? palette().color(QPalette::Highlight) : QColor(Qt::white));
  const TParZelle& z = tabelle_.Zelle(zeile, spalte);
  if (z.Kopplung == nullptr) return;
  QFont schrift = gitter_->font();
  schrift.setUnderline(z.Fixiert);
  schrift.setItalic(z.Kopplung->VollVerplant());
  p.save();
  p.setFont(schrift);
  p.setPen(gewaehlt ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
  p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
             Q(TParTabelle::ZellText(*z.Kopplung, Schule().Standard().pmf)));
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// Mouse

std::vector<TMenueEintrag> TParForm::StundenMenue(int zeile, bool ohneRaeume) {
  std::vector<TMenueEintrag> tage;
  TWoElem frei;
  // A row placed completely still shows where it is free in common (nothing left to place there).
  if (!tabelle_.FreieGemeinsameStunden(zeile, ohneRaeume, frei, true)) return tage;
  const TStandard& st = Schule().Standard();
  const int v = std::clamp(st.AktuelleVersion(), 1, kMaxVersionen);
  for (int d = 1; d <= std::clamp(st.mtn, 0, kTage); ++d) {
    TMenueEintrag tag = Eintrag(st.spn[static_cast<std::size_t>(d - 1)]);
    bool einer = false;
    for (int p = 1; p <= std::clamp(st.pst, 1, kStunden); ++p) {
      std::string text = st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)];
      if (text.empty()) text = std::to_string(p);
      TMenueEintrag stunde = Eintrag(text);
      stunde.Aktiv = frei.Stunde(d, p);
      einer = einer || stunde.Aktiv;
      // Day, period and row travel in the action itself.
      stunde.Aktion = [this, zeile, d, p] { platzierung_ = tabelle_.PlatziereZeile(zeile, d, p); };
      tag.Unter.push_back(std::move(stunde));
    }
    tag.Aktiv = einer;
    tage.push_back(std::move(tag));
  }
  return tage;
}

void TParForm::GitterRechtsklick(int spalte, int zeile, QPoint global) {
  if (Daten(spalte, zeile)) {
    if (palette_ == nullptr || !palette_->WaehleElement(TElementArt::Kopplung, true, global)) return;
    TSchule::TAktion aktion(Schule());
    tabelle_.SetzeZelle(zeile, spalte, static_cast<TKopplung*>(palette_->Wahl(TElementArt::Kopplung)));
    ZeigeZelle(zeile, spalte);
    Zaehle(zeile);
    NeuZeichnen();
  } else if (zeile == 0 && spalte >= 1 && spalte <= tabelle_.Spalten()) {
    if (palette_ == nullptr || !palette_->WaehleElement(TElementArt::Klasse, false, global)) return;
    auto* klasse = static_cast<TKlasse*>(palette_->Wahl(TElementArt::Klasse));
    if (klasse == nullptr) return;
    TSchule::TAktion aktion(Schule());
    for (int z : tabelle_.FuelleSpalte(spalte, *klasse)) {
      ZeigeZelle(z, spalte);
      Zaehle(z);
    }
    NeuZeichnen();
  } else if (spalte == 0 && zeile >= 1 && zeile <= tabelle_.Zeilen()) {
    if (tabelle_.KonflikteZaehlen(zeile) > 0) {
      std::vector<TMenueEintrag> eintraege;
      for (const std::string& text : tabelle_.KonfliktTexte(zeile)) eintraege.push_back(Eintrag(text));
      ZeigeKernMenue(eintraege, global, 0);
      return;
    }
    const std::vector<TMenueEintrag> tage = StundenMenue(zeile, (Tasten() & Taste::Shift) != 0);
    platzierung_ = {};
    if (!ZeigeKernMenue(tage, global, 0) || !IstAngemeldet()) return;
    NeuZeichnen();
    if (platzierung_.Uebersprungen > 0)
      TDienste::Dialoge().Hinweis(
          QStringLiteral("Parallele Kopplungen"),
          QStringLiteral("%1 Stunde(n) nicht gesetzt: Lehrer, Klasse oder Raum sind dort schon belegt.")
              .arg(platzierung_.Uebersprungen),
          TMeldungsArt::Warnung);
  }
}

void TParForm::GitterKlick(int spalte, int zeile) {
  // In the other tool modes a click belongs to a double click or a drag.
  const uint8_t modus = Schule().Werkzeugmodus();
  if (modus != Modus::Zeigen && modus != Modus::Setzen) return;
  const QPoint ort = gitter_->viewport()->mapToGlobal(gitter_->ZellRechteck(spalte, zeile).bottomLeft());
  std::vector<TMenueEintrag> eintraege;
  if (Daten(spalte, zeile)) {
    const TKopplung* k = tabelle_.Zelle(zeile, spalte).Kopplung;
    if (k == nullptr) return;
    TMenueDaten menue;
    k->FuelleKursMenue(menue, false);
    eintraege = menue.Eintraege();
  } else if (spalte == 0 && zeile >= 1 && zeile <= tabelle_.Zeilen()) {
    for (const std::string& text : tabelle_.FaecherTexte(zeile)) eintraege.push_back(Eintrag(text));
  }
  ZeigeKernMenue(eintraege, ort, SpaltenHoehe(static_cast<int>(eintraege.size()), 16));
}

void TParForm::GitterDoppelklick(int spalte, int zeile) {
  if (!Daten(spalte, zeile) || tabelle_.Zelle(zeile, spalte).Kopplung == nullptr) return;
  const uint8_t modus = Schule().Werkzeugmodus();
  if (modus != Modus::Loeschen && modus != Modus::Fixieren) return;
  TSchule::TAktion aktion(Schule());
  if (modus == Modus::Loeschen)
    tabelle_.SetzeZelle(zeile, spalte, nullptr);
  else
    tabelle_.SetzeFixiert(zeile, spalte, !tabelle_.Zelle(zeile, spalte).Fixiert);
  ZeigeZelle(zeile, spalte);
  Zaehle(zeile);
  NeuZeichnen();
}

void TParForm::GitterGedrueckt(int spalte, int zeile, Qt::MouseButton knopf) {
  if (knopf != Qt::LeftButton || Schule().Werkzeugmodus() != Modus::Schieben) return;
  if (!Daten(spalte, zeile) || tabelle_.Zelle(zeile, spalte).Kopplung == nullptr) return;
  gitter_->BeginneZiehen(spalte, zeile);
}

void TParForm::GitterZiehenEnde(int vonSpalte, int vonZeile, int zuSpalte, int zuZeile) {
  if (!Daten(vonSpalte, vonZeile) || !Daten(zuSpalte, zuZeile)) return;
  if (vonSpalte == zuSpalte && vonZeile == zuZeile) return;
  TSchule::TAktion aktion(Schule());
  tabelle_.SetzeZelle(zuZeile, zuSpalte, tabelle_.Zelle(vonZeile, vonSpalte).Kopplung);
  // Shift copies: the source keeps its coupling.
  if ((Tasten() & Taste::Shift) == 0) tabelle_.SetzeZelle(vonZeile, vonSpalte, nullptr);
  ZeigeZelle(vonZeile, vonSpalte);
  ZeigeZelle(zuZeile, zuSpalte);
  Zaehle(vonZeile);
  Zaehle(zuZeile);
  NeuZeichnen();
}

// ---------------------------------------------------------------------------------------------

void TParForm::SucheLoesung() {
  {
    TParSuchForm form(tabelle_, this);
    form.Zeige();
  }
  if (!IstAngemeldet()) return;
  TSchule::TAktion aktion(Schule());
  Aktualisiere();
  NeuZeichnen();
}

void TParForm::FormClose(TCloseAction& aktion) {
  gitter_->BrecheZiehenAb();
  tabelle_.ParTabelleSpeichern();
  TKindFenster::FormClose(aktion);
}

void TParForm::Drucke() {
  if (palette_ != nullptr && palette_->Druckauftraege().DruckeParTabelle)
    palette_->Druckauftraege().DruckeParTabelle(tabelle_);
}

}  // namespace kolvar
