#include "masterdata/uvform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "engine/kursbearbeitung.h"
#include "model/fach.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/uvtab.h"
#include "platform/beschaeftigt.h"
#include "platform/cursoren.h"
#include "platform/druckauftraege.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/qtext.h"
#include "platform/spaltenmenue.h"

namespace kolvar {

namespace {

// Beyond the cells: frame and scroll bar across, frame and scroll bar down. Caption and outer
// frame are the window manager's and are not counted here.
constexpr int kRandBreite = 29;
constexpr int kRandHoehe = 20;

QColor Farbe(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

void Punktlinie(QPainter& p, int x, const QRect& r) {
  p.save();
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  p.drawLine(x, r.top(), x, r.bottom());
  p.restore();
}

}  // namespace

TUVForm::TUVForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::UV, schule, palette, nullptr, eltern), palette_(palette) {
  UVGrid = new TGitter(this);
  UVGrid->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goBereichsauswahl |
                        TGitter::goSpaltenbreite);
  UVGrid->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) {
    ZeichneZelle(p, spalte, zeile, r, z.ausgewaehlt);
  });
  connect(UVGrid, &TGitter::ZelleGedrueckt, this,
          [this](int s, int z, Qt::MouseButton, Qt::KeyboardModifiers, QPoint ort) {
            UVGridMouseDown(s, z, ort);
          });
  connect(UVGrid, &TGitter::ZelleLosgelassen, this,
          [this](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint ort) {
            UVGridMouseUp(s, z, knopf, ort);
          });
  connect(UVGrid, &TGitter::EinzelKlick, this, [this](int s, int z, QPoint) { UVGridKlick(s, z); });
  connect(UVGrid, &TGitter::Doppelklick, this,
          [this](int s, int z, Qt::KeyboardModifiers) { UVGridDblClick(s, z); });
  connect(UVGrid, &TGitter::TasteGedrueckt, this, [this](QKeyEvent* e) {
    if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) {
      keyPressEvent(e);
      e->accept();
    }
  });
  UVWechselKnopf = new QToolButton(UVGrid);
  UVWechselKnopf->setText(QStringLiteral("x"));
  UVWechselKnopf->setToolTip(QStringLiteral("Kopplung oder Lehrer/Fach anzeigen"));
  UVWechselKnopf->setFocusPolicy(Qt::NoFocus);
  connect(UVWechselKnopf, &QToolButton::clicked, this, [this] { WechselKnopfClick(); });
  UVGrid->move(0, 0);
}

TUVForm::~TUVForm() = default;

TElement* TUVForm::Element() const {
  return tab_;
}

bool TUVForm::ZeigtKopplung() const {
  return UVWechselKnopf->text() == QStringLiteral("o");
}

uint8_t TUVForm::Tasten() const {
  return Schule().Palette().Tasten();
}

bool TUVForm::IstAktiv() const {
  return Schule().AktivesFenster() == static_cast<const IFenster*>(this);
}

int TUVForm::WertBreite() const {
  return Schule().Standard().PlanFenster.pwb;
}

// ---------------------------------------------------------------------------------------------
// Building

void TUVForm::Vorbereiten(TUVTab* tab) {
  tab_ = tab;
  // Taking the window over for another table moves the table's slot with it.
  Schule().BindeFenster(this, tab_);
  if (tab_ == nullptr) return;
  SetzeElementCaption(QStringLiteral("UV-Tabelle "));
  const TStandard& st = Schule().Standard();
  QFont schrift(Q(st.PlanFenster.Schrift.Name));
  schrift.setPointSize(std::max(1, st.PlanFenster.Schrift.Groesse));
  setFont(schrift);
  UVGrid->setFont(schrift);
  layout_.Aufbauen(*tab_);
  GitterFuellen();
  Einpassen();
  UVGrid->SetzeZelle(1, 1);
  SetzeCursorNachModus(Schule().Werkzeugmodus(), Tasten());
}

void TUVForm::GitterFuellen() {
  const TStandard& st = Schule().Standard();
  const bool uv = layout_.NachFaechern();
  const TGitterAuswahl auswahl = UVGrid->Auswahl();
  const QSize vorher(UVGrid->Spalten(), UVGrid->Zeilen());
  UVGrid->Leeren();
  UVGrid->SetzeSpalten(std::max(2, layout_.Spalten()));
  UVGrid->SetzeZeilen(std::max(2, layout_.Zeilen()));
  UVGrid->SetzeFesteZeilen(1);
  UVGrid->SetzeFesteSpalten(1);
  UVGrid->SetzeStandardHoehe(st.PlanZeilenHoehe);
  UVGrid->SetzeStandardBreite((uv ? st.GetPlnLeKoBreite() : st.GetPlnFaKoBreite()) + WertBreite());
  UVGrid->SetzeSpaltenBreite(0, uv ? st.PlanFenster.pkb : st.PlanFenster.plb + WertBreite());
  UVGrid->SetzeText(0, 0, uv ? QStringLiteral("UV") : QStringLiteral("LK"));
  for (int s = 1; s < layout_.Spalten(); ++s) {
    UVGrid->SetzeText(s, 0, Q(layout_.SpaltenKopf(s)->Kuerzel()));
    UVGrid->SetzeObjekt(s, 0, layout_.SpaltenKopf(s));
  }
  for (int z = 1; z < layout_.Zeilen(); ++z) {
    UVGrid->SetzeText(0, z, Q(layout_.ZeilenKopf(z)->Kuerzel()));
    UVGrid->SetzeObjekt(0, z, layout_.ZeilenKopf(z));
    for (int s = 1; s < layout_.Spalten(); ++s)
      if (TKurs* k = layout_.Kurs(s, z)) {
        UVGrid->SetzeText(s, z, QString::number(layout_.Index(s, z)));
        UVGrid->SetzeObjekt(s, z, k);
      }
  }
  // The button sits in the corner cell.
  const int h = std::max(8, UVGrid->ZeilenHoehe(0) - 4);
  UVWechselKnopf->setFixedSize(h, h);
  UVWechselKnopf->move(UVGrid->viewport()->geometry().topLeft() + QPoint(2, 2));
  UVWechselKnopf->raise();
  UVGrid->SetzeAuswahl(auswahl);
  UVGrid->viewport()->update();
  // A further row or column: the window grows with it as far as the screen lets it.
  if (isVisible() && vorher != QSize(UVGrid->Spalten(), UVGrid->Zeilen())) Einpassen();
}

void TUVForm::Einpassen() {
  const QScreen* bildschirm = screen() != nullptr ? screen() : QApplication::primaryScreen();
  const QRect flaeche = bildschirm != nullptr ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);
  const int zeilenHoehe = UVGrid->StandardHoehe() + 1;
  const int spaltenBreite = UVGrid->StandardBreite() + 1;
  const int platzUnten = flaeche.bottom() - std::max(y(), flaeche.top());
  const int platzRechts = flaeche.right() - std::max(x(), flaeche.left());
  int zeilen = UVGrid->Zeilen();
  while (zeilen > 2 && zeilen * zeilenHoehe + kRandHoehe > platzUnten) --zeilen;
  int spalten = UVGrid->Spalten() - 1;
  while (spalten > 1 && spalten * spaltenBreite + UVGrid->SpaltenBreite(0) + kRandBreite > platzRechts)
    --spalten;
  resize(spalten * spaltenBreite + UVGrid->SpaltenBreite(0) + kRandBreite, zeilen * zeilenHoehe + kRandHoehe);
}

void TUVForm::resizeEvent(QResizeEvent* ereignis) {
  UVGrid->setGeometry(rect());
  UVWechselKnopf->move(UVGrid->viewport()->geometry().topLeft() + QPoint(2, 2));
  TKindFenster::resizeEvent(ereignis);
}

void TUVForm::Aenderungen(const TAenderungen& a) {
  if (tab_ == nullptr) return;
  const uint8_t was = a.FuerFenster(*this);
  // The table's own lists changed, or everything: built anew.
  if (a.Alles() || ((a.Element(tab_) | a.Fenster(this)) & (Aenderung::Daten | Aenderung::Werte))) {
    Vorbereiten(tab_);
    return;
  }
  if (was & Aenderung::Daten) {
    for (TKurs* k : Schule().Kurse())
      if (a.Kurs(k) & Aenderung::Daten) layout_.KursAktualisieren(k);
    GitterFuellen();
    return;
  }
  // Targets and values of the rows' teachers show anew.
  UVGrid->viewport()->update();
}

void TUVForm::KursEntfernen(TKurs* kurs) {
  layout_.KursEntfernen(kurs);
  GitterFuellen();
}

void TUVForm::KursEintragen(TKurs* kurs) {
  layout_.KursEintragen(kurs);
  GitterFuellen();
}

void TUVForm::SetzeCursorNachModus(int modus, uint8_t tasten) {
  switch (modus) {
    case Modus::Setzen:
      UVGrid->viewport()->setCursor(KolvarCursor(QStringLiteral("SETZER")));
      break;
    case Modus::Loeschen:
      UVGrid->viewport()->setCursor(
          KolvarCursor((tasten & Taste::Strg) ? QStringLiteral("HALBGUMMI") : QStringLiteral("GUMMI")));
      break;
    default:
      UVGrid->viewport()->setCursor(Qt::ArrowCursor);
      break;
  }
}

void TUVForm::WechselKnopfClick() {
  UVWechselKnopf->setText(ZeigtKopplung() ? QStringLiteral("x") : QStringLiteral("o"));
  UVGrid->viewport()->update();
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TUVForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const {
  const TStandard& st = Schule().Standard();
  const int wert = WertBreite();
  if (spalte == 0 || zeile == 0) {
    // Only the teachers-by-classes table has teachers in its row headers.
    const TElement* kopf = layout_.ZeilenKopf(zeile);
    if (spalte != 0 || zeile == 0 || layout_.NachFaechern() || kopf == nullptr ||
        kopf->Art() != TElementArt::Lehrer) {
      UVGrid->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
      return;
    }
    const auto* lehrer = static_cast<const TLehrer*>(kopf);
    // A teacher's row: the rest hours, then the abbreviation.
    UVGrid->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
    p.save();
    p.fillRect(r.adjusted(1, 1, -1, -1), UVGrid->palette().color(QPalette::Button));
    const int64_t rest = int64_t{lehrer->Soll(-1)} - lehrer->IstGewichtet(-1, true, Seite::Lehrer);
    p.setPen(lehrer->HatNichtGezaehlteKurse() ? Qt::red : Qt::black);
    p.drawText(QRect(r.left() + 1, r.top() + 1, wert - 2, r.height() - 1), Qt::AlignLeft | Qt::AlignTop,
               Q(FormatiereStunden(rest, st)));
    Punktlinie(p, r.left() + wert, r);
    p.setPen(Qt::black);
    p.drawText(r.adjusted(wert + 2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, Q(lehrer->Kuerzel()));
    p.restore();
    return;
  }
  const TKurs* kurs = layout_.Kurs(spalte, zeile);
  p.save();
  QFont schrift = UVGrid->font();
  schrift.setBold(false);
  schrift.setItalic(false);
  QColor stift = Qt::black;
  const QPalette& pal = UVGrid->palette();
  if (ausgewaehlt) {
    p.fillRect(r, pal.color(QPalette::Highlight));
    stift = pal.color(QPalette::HighlightedText);
  } else {
    p.fillRect(r, kurs != nullptr ? Farbe(kurs->Farbe()) : QColor(Qt::white));
  }
  if (kurs != nullptr) {
    schrift.setBold(kurs->Kopplung() != nullptr && st.PlanFenster.pkf);
    schrift.setItalic(layout_.Kursiv(spalte, zeile));
    p.setFont(schrift);
    p.setPen(stift);
    p.drawText(QRect(r.left() + 1, r.top() + 1, wert - 2, r.height() - 1), Qt::AlignLeft | Qt::AlignTop,
               Q(TUVLayout::Wert(*kurs, st)));
    Punktlinie(p, r.left() + wert, r);
    p.setPen(stift);
    p.drawText(r.adjusted(wert + 2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               Q(layout_.ZweiterText(*kurs, ZeigtKopplung())));
  }
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// Selection, copy, delete

std::vector<TKurs*> TUVForm::MarkierteKurse() const {
  const TGitterAuswahl a = UVGrid->Auswahl();
  if (a.Leer()) return {};
  std::vector<TKurs*> kurse = layout_.KurseIn(a.links, a.oben, a.rechts, a.unten);
  std::reverse(kurse.begin(), kurse.end());
  return kurse;
}

void TUVForm::MarkierteKurseLoeschen() {
  const TGitterAuswahl a = UVGrid->Auswahl();
  if (a.Leer() || tab_ == nullptr) return;
  LoescheKurseNachFrage(Schule(), layout_.KurseIn(a.links, a.oben, a.rechts, a.unten));
  if (IstAngemeldet()) Vorbereiten(tab_);
}

QStringList TUVForm::TabellenText() const {
  QStringList zeilen;
  for (const std::string& z : layout_.Kopiertext(Schule().Standard(), ZeigtKopplung())) zeilen << Q(z);
  return zeilen;
}

void TUVForm::TabelleKopieren() {
  QString text;
  for (const QString& zeile : TabellenText()) text += zeile + QStringLiteral("\r\n");
  if (palette_ != nullptr) palette_->TextInZwischenablage(text);
}

void TUVForm::WaehleAlles() {
  if (!layout_.HatKoerper()) return;
  UVGrid->SetzeAuswahl(TGitterAuswahl{1, 1, UVGrid->Spalten() - 1, UVGrid->Zeilen() - 1});
}

void TUVForm::Drucke() {
  if (tab_ == nullptr || palette_ == nullptr || !palette_->Druckauftraege().DruckeUVFenster) return;
  palette_->Druckauftraege().DruckeUVFenster(*tab_, layout_, ZeigtKopplung());
}

// ---------------------------------------------------------------------------------------------
// Mouse

QPoint TUVForm::MenueOrt(int spalte, int zeile, bool halbeZeile) const {
  const QRect r = UVGrid->ZellRechteck(spalte, zeile);
  return UVGrid->viewport()->mapToGlobal(
      QPoint(r.left(), r.top() + (halbeZeile ? UVGrid->StandardHoehe() / 2 : 0)));
}

bool TUVForm::ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint ort) {
  if (eintraege.empty()) return false;
  return ZeigeKernMenue(eintraege, ort, SpaltenHoehe(static_cast<int>(eintraege.size()), 16));
}

void TUVForm::UVGridMouseDown(int spalte, int zeile, QPoint ort) {
  Q_UNUSED(spalte);
  Q_UNUSED(zeile);
  maus_ = ort;
}

void TUVForm::UVGridMouseUp(int spalte, int zeile, Qt::MouseButton knopf, QPoint ort) {
  if (knopf != Qt::LeftButton || spalte < 1 || zeile < 1 || tab_ == nullptr) return;
  if (spalte >= layout_.Spalten() || zeile >= layout_.Zeilen()) return;
  TSchule::TAktion aktion(Schule());
  // The coupling pop-up of "Zeigen" waits for EinzelKlick: a double click there opens the course.
  if (Schule().Werkzeugmodus() == Modus::Setzen) Setzen(spalte, zeile, ort);
}

void TUVForm::UVGridKlick(int spalte, int zeile) {
  if (Schule().Werkzeugmodus() != Modus::Zeigen || tab_ == nullptr || !IstAktiv()) return;
  if (spalte < 1 || zeile < 1 || spalte >= layout_.Spalten() || zeile >= layout_.Zeilen()) return;
  TKurs* kurs = layout_.Kurs(spalte, zeile);
  if (kurs == nullptr) return;
  TSchule::TAktion aktion(Schule());
  TMenueDaten menue;
  kurs->KopplungsMenueEintraege(menue, (Tasten() & Taste::Strg) != 0);
  ZeigeMenue(menue.Eintraege(), MenueOrt(spalte, zeile, true));
}

TKurs* TUVForm::NeuerKurs(int spalte, int zeile, TLehrer* lehrer, TFach* fach) {
  TKlasse* klasse = layout_.KlasseBei(spalte, zeile);
  if (klasse == nullptr) return nullptr;
  TKurs* kurs = NeuerKursMitVorgaben(Schule(), lehrer, klasse, fach);
  layout_.SetzeKurs(spalte, zeile, kurs);
  GitterFuellen();
  return kurs;
}

void TUVForm::Setzen(int spalte, int zeile, QPoint ort) {
  TSchule& schule = Schule();
  TBeschaeftigt beschaeftigt(schule.Palette());
  const bool uv = layout_.NachFaechern();
  const QPoint zelle = MenueOrt(spalte, zeile, false);
  TMenueDaten menue;
  TKurs* kurs = layout_.Kurs(spalte, zeile);
  const QRect r = UVGrid->ZellRechteck(spalte, zeile);
  if (kurs != nullptr && ort.x() < r.left() + r.width() / 2) {
    kurs->StundenMenueEintraege(menue);
    ZeigeMenue(menue.Eintraege(), MenueOrt(spalte, zeile, true));
    return;
  }
  // The teachers of the column's (or the course's) subject, or the subjects of the row's teacher.
  auto* fach = static_cast<TFach*>(uv ? (kurs ? kurs->Fach() : layout_.SpaltenKopf(spalte)) : nullptr);
  auto* lehrer = static_cast<TLehrer*>(!uv ? (kurs ? kurs->Lehrer() : layout_.ZeilenKopf(zeile)) : nullptr);
  if (kurs != nullptr && !kurs->Setzungen().Leer()) return;
  if (uv && fach != nullptr) {
    fach->SetzeGewaehltenLehrer(nullptr);
    fach->FuelleLehrerMenue(menue);
    UVGrid->SetzeZelle(spalte, zeile);
    TLehrer* gewaehlt = ZeigeMenue(menue.Eintraege(), zelle) ? fach->GewaehlterLehrer() : nullptr;
    fach->SetzeGewaehltenLehrer(nullptr);
    if (gewaehlt == nullptr || !IstAngemeldet()) return;
    if (kurs == nullptr)
      NeuerKurs(spalte, zeile, gewaehlt, fach);
    else
      UebernimmElement(*kurs, TKursFeld::Lehrer, gewaehlt);
  } else if (!uv && lehrer != nullptr) {
    lehrer->SetzeGewaehltesFach(nullptr);
    lehrer->FuelleFachMenue(menue);
    UVGrid->SetzeZelle(spalte, zeile);
    TFach* gewaehlt = ZeigeMenue(menue.Eintraege(), zelle) ? lehrer->GewaehltesFach() : nullptr;
    lehrer->SetzeGewaehltesFach(nullptr);
    if (gewaehlt == nullptr || !IstAngemeldet()) return;
    if (kurs == nullptr)
      NeuerKurs(spalte, zeile, lehrer, gewaehlt);
    else
      UebernimmElement(*kurs, TKursFeld::Fach, gewaehlt);
  }
}

void TUVForm::Loeschen(int spalte, int zeile) {
  TKurs* kurs = layout_.Kurs(spalte, zeile);
  if (kurs == nullptr) return;
  TSchule::TAktion aktion(Schule());
  // Without Ctrl the course's teacher (by subjects) or subject (by teachers) goes, with Ctrl its rooms.
  const TKursFeld feld = (Tasten() & Taste::Strg) != 0 ? TKursFeld::Raeume
                         : layout_.NachFaechern()      ? TKursFeld::Lehrer
                                                       : TKursFeld::Fach;
  EntferneAlle(*kurs, feld);
}

void TUVForm::OeffneKopf(TElement* element) {
  if (element == nullptr || palette_ == nullptr) return;
  const int gruppe = (Tasten() & Taste::Shift) ? 1 : 0;
  // Always a window of its own: this one is not replaced.
  palette_->OeffneElementFenster(element, gruppe, Taste::Shift);
}

void TUVForm::OeffneKursEditor(int spalte, int zeile) {
  UVGrid->SetzeZelle(spalte, zeile);
  TKurs* kurs = layout_.Kurs(spalte, zeile);
  if (kurs == nullptr || palette_ == nullptr) return;
  palette_->OeffneKursForm(*kurs, Schule().Kurse().Elemente());
}

void TUVForm::UVGridDblClick(int spalte, int zeile) {
  if (tab_ == nullptr) return;
  const bool strg = (Tasten() & Taste::Strg) != 0;
  const bool uv = layout_.NachFaechern();
  if (zeile == 0 && spalte >= 1 && spalte < layout_.Spalten()) {
    if (strg && !uv) {
      layout_.ExtraLinie(spalte);
      GitterFuellen();
    } else {
      OeffneKopf(layout_.SpaltenKopf(spalte));
    }
    return;
  }
  if (spalte == 0 && zeile >= 1 && zeile < layout_.Zeilen()) {
    if (strg && uv) {
      layout_.ExtraLinie(zeile);
      GitterFuellen();
    } else {
      OeffneKopf(layout_.ZeilenKopf(zeile));
    }
    return;
  }
  if (spalte < 1 || zeile < 1 || spalte >= layout_.Spalten() || zeile >= layout_.Zeilen()) return;
  switch (Schule().Werkzeugmodus()) {
    case Modus::Zeigen: {
      if (layout_.Kurs(spalte, zeile) == nullptr) {
        TSchule::TAktion aktion(Schule());
        TLehrer* lehrer = uv ? nullptr : static_cast<TLehrer*>(layout_.ZeilenKopf(zeile));
        TFach* fach = uv ? static_cast<TFach*>(layout_.SpaltenKopf(spalte)) : nullptr;
        if (NeuerKurs(spalte, zeile, lehrer, fach) == nullptr) return;
      }
      OeffneKursEditor(spalte, zeile);
      return;
    }
    case Modus::Loeschen:
      Loeschen(spalte, zeile);
      return;
    default:
      return;
  }
}

// ---------------------------------------------------------------------------------------------
// Keys

void TUVForm::keyPressEvent(QKeyEvent* ereignis) {
  if (palette_ != nullptr && (ereignis->key() == Qt::Key_Left || ereignis->key() == Qt::Key_Right)) {
    if (ereignis->key() == Qt::Key_Left)
      palette_->ClickLinks();
    else
      palette_->ClickRechts();
    return;
  }
  TKindFenster::keyPressEvent(ereignis);
}

}  // namespace kolvar
