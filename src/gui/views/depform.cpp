#include "views/depform.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "app/frageform.h"
#include "engine/kursbearbeitung.h"
#include "engine/kurstext.h"
#include "model/fach.h"
#include "model/idialoge.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/text.h"
#include "platform/ablage.h"
#include "platform/beschaeftigt.h"
#include "platform/cursoren.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/popupdienst.h"
#include "platform/qtext.h"
#include "platform/spaltenmenue.h"

namespace kolvar {

namespace {

// The frame and scroll bar beyond the columns, and the room below the rows.
constexpr int kRahmenBreite = 35;
constexpr int kRahmenHoehe = 16;

QColor Farbe(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// Leaves the pasting flag clear on every way out.
class TFlagge {
 public:
  explicit TFlagge(bool& flagge) : flagge_(flagge) { flagge_ = true; }
  ~TFlagge() { flagge_ = false; }
  TFlagge(const TFlagge&) = delete;
  TFlagge& operator=(const TFlagge&) = delete;

 private:
  bool& flagge_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Set-up

TDepForm::TDepForm(int tag, TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(tag, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(QStringLiteral("Deputat"));
  DepGrid = new TGitter(this);
  DepGrid->SetzeOptionen(TGitter::goZeilenauswahl | TGitter::goBereichsauswahl | TGitter::goSpaltenbreite);
  DepGrid->SetzeLinienBreite(0);
  DepGrid->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) {
    ZeichneZelle(p, spalte, zeile, r, z.ausgewaehlt);
  });
  connect(DepGrid, &TGitter::ZelleGedrueckt, this,
          [this](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            DepGridMouseDown(s, z, knopf);
          });
  connect(DepGrid, &TGitter::ZelleLosgelassen, this,
          [this](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            DepGridMouseUp(s, z, knopf);
          });
  connect(DepGrid, &TGitter::Doppelklick, this,
          [this](int s, int z, Qt::KeyboardModifiers) { DepGridDblClick(s, z); });
  connect(DepGrid, &TGitter::ZiehenUeber, this, [this](int, int z) {
    // The dragged column's cell of the row under the mouse shows the target.
    if (z >= 1 && z < DepGrid->Zeilen()) DepGrid->SetzeZelle(DepGrid->ZiehQuelle().x(), z);
  });
  connect(DepGrid, &TGitter::ZiehenEnde, this,
          [this](int qs, int qz, int zs, int zz) { DepGridEndDrag(qs, qz, zs, zz); });
  connect(DepGrid, &TGitter::TasteGedrueckt, this, [this](QKeyEvent* e) {
    if (TasteLinksRechts(e)) e->accept();
  });
  DepGrid->move(0, 0);
}

TDepForm::~TDepForm() = default;

uint8_t TDepForm::Tasten() const {
  return Schule().Palette().Tasten();
}

bool TDepForm::IstAktiv() const {
  return Schule().AktivesFenster() == static_cast<const IFenster*>(this);
}

TKursFeld TDepForm::FeldVon(int spalte) const {
  const auto& spalten = zeilen_.SpaltenListe();
  if (spalte < 0 || spalte >= static_cast<int>(spalten.size())) return TKursFeld::Info;
  return spalten[static_cast<std::size_t>(spalte)].Feld;
}

void TDepForm::Zeige(std::optional<TDepFilter> filter) {
  const uint8_t tasten = Tasten();
  if (filter)
    filter_ = *filter;
  else if (!filterBehalten_)
    filter_ = TDepFilter{.NurOffen = (tasten & Taste::Strg) != 0, .NurGekoppelt = (tasten & Taste::Alt) != 0};
  DepGrid->BrecheZiehenAb();
  zeilen_.Fuelle(Liste(), Schule().Standard(), filter_);
  SpaltenAnlegen();
  ZeilenZeigen();
  FensterEinpassen();
  SetzeCursorNachModus(Schule().Werkzeugmodus(), tasten);
}

namespace {

// Measuring text is the dearest part of opening or refreshing a workload window, and every one
// shows the same few headers in the same font: each is measured once for a font.
int KopfBreite(const TSchrift& schrift, const QFont& font, const QString& kopf) {
  static TSchrift gemessen;
  static QHash<QString, int> breiten;
  if (!(schrift == gemessen)) {
    breiten.clear();
    gemessen = schrift;
  }
  if (auto gemerkt = breiten.constFind(kopf); gemerkt != breiten.cend()) return *gemerkt;
  const int breite = QFontMetrics(font).horizontalAdvance(kopf);
  breiten.insert(kopf, breite);
  return breite;
}

}  // namespace

void TDepForm::SpaltenAnlegen() {
  const TStandard& st = Schule().Standard();
  QFont schrift(Q(st.DeputatFenster.Schrift.Name));
  schrift.setPointSize(std::max(1, st.DeputatFenster.Schrift.Groesse));
  setFont(schrift);
  DepGrid->setFont(schrift);
  const auto& spalten = zeilen_.SpaltenListe();
  DepGrid->Leeren();
  DepGrid->SetzeSpalten(static_cast<int>(spalten.size()));
  DepGrid->SetzeZeilen(std::max(2, zeilen_.Anzahl() + 1));
  DepGrid->SetzeFesteZeilen(1);
  DepGrid->SetzeFesteSpalten(0);
  DepGrid->SetzeStandardHoehe(st.ListenZeilenHoehe);
  int breite = 0;
  for (std::size_t i = 0; i < spalten.size(); ++i) {
    const QString kopf = QString::fromUtf8(spalten[i].Kopf);
    // The settings' width is for the abbreviations; the header is never cut.
    const int spalte = std::max(spalten[i].Breite, KopfBreite(st.DeputatFenster.Schrift, schrift, kopf) + 6);
    DepGrid->SetzeSpaltenBreite(static_cast<int>(i), spalte);
    DepGrid->SetzeText(static_cast<int>(i), 0, kopf);
    breite += spalte;
  }
  resize(breite + kRahmenBreite, height());
}

void TDepForm::ZeilenZeigen() {
  for (int r = 1; r <= zeilen_.Anzahl(); ++r) {
    const auto& texte = zeilen_.Texte(r);
    for (std::size_t c = 0; c < texte.size(); ++c) DepGrid->SetzeText(static_cast<int>(c), r, Q(texte[c]));
    DepGrid->SetzeObjekt(0, r, zeilen_.Kurs(r));
  }
  // No row is selected.
  DepGrid->SetzeAuswahl(TGitterAuswahl{});
}

void TDepForm::FensterEinpassen() {
  const QScreen* bildschirm = screen() != nullptr ? screen() : QApplication::primaryScreen();
  const QRect flaeche = bildschirm != nullptr ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);
  const int schritt = DepGrid->StandardHoehe() + 1;
  const int kopf = DepGrid->ZeilenHoehe(0) + 1 + 2 * DepGrid->frameWidth();
  // The whole frame stays on the screen: the frame the window has, but at least a title bar and
  // borders, since a window just shown is framed by the window manager only a little later.
  const int rahmen =
      std::max(frameGeometry().height() - height(), style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
  const int platz = flaeche.bottom() + 1 - std::max(pos().y(), flaeche.top()) - rahmen;
  int k = DepGrid->Zeilen() - 1;
  while (k > 1 && k * schritt + kopf + kRahmenHoehe > platz) --k;
  resize(width(), std::max(k, 1) * schritt + kopf + kRahmenHoehe);
}

void TDepForm::resizeEvent(QResizeEvent* ereignis) {
  DepGrid->setGeometry(rect());
  TKindFenster::resizeEvent(ereignis);
}

void TDepForm::Aktualisiere() {
  Zeige();
}

void TDepForm::Aenderungen(const TAenderungen& a) {
  // The school refreshes its windows at the end of any command, and the keys of that command
  // (Ctrl on the version button, say) are no choice of rows: the filters stay those the window
  // was opened with.
  const bool vorher = std::exchange(filterBehalten_, true);
  TKindFenster::Aenderungen(a);
  filterBehalten_ = vorher;
}

void TDepForm::KursZeileAktualisieren(TKurs* kurs) {
  if (!zeilen_.ZeileAktualisieren(kurs, Schule().Standard())) return;
  ZeilenZeigen();
  DepGrid->viewport()->update();
}

void TDepForm::KursWirdGeloescht(TKurs* kurs) {
  const int vorher = zeilen_.Anzahl();
  zeilen_.Entferne(kurs);
  if (zeilen_.Anzahl() == vorher) return;
  // The row goes at once: nothing may reach the course once it is freed.
  DepGrid->BrecheZiehenAb();
  DepGrid->Leeren();
  const auto& spalten = zeilen_.SpaltenListe();
  for (std::size_t i = 0; i < spalten.size(); ++i)
    DepGrid->SetzeText(static_cast<int>(i), 0, QString::fromUtf8(spalten[i].Kopf));
  DepGrid->SetzeZeilen(std::max(2, zeilen_.Anzahl() + 1));
  ZeilenZeigen();
}

void TDepForm::SetzeCursorNachModus(int modus, uint8_t tasten) {
  switch (modus) {
    case Modus::Zeigen:
      DepGrid->viewport()->setCursor(Qt::ArrowCursor);
      break;
    case Modus::Setzen:
      DepGrid->viewport()->setCursor(KolvarCursor(QStringLiteral("SETZER")));
      break;
    case Modus::Loeschen:
      DepGrid->viewport()->setCursor(
          KolvarCursor((tasten & Taste::Strg) ? QStringLiteral("HALBGUMMI") : QStringLiteral("GUMMI")));
      break;
    case Modus::Schieben:
      DepGrid->viewport()->setCursor(KolvarCursor(QStringLiteral("HAND")));
      break;
    default:
      break;
  }
}

void TDepForm::FormClose(TCloseAction& aktion) {
  DepGrid->BrecheZiehenAb();
  TKindFenster::FormClose(aktion);
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TDepForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const {
  const TKurs* kurs = zeilen_.Kurs(zeile);
  if (zeile == 0) {
    DepGrid->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
    return;
  }
  p.save();
  QFont schrift = DepGrid->font();
  const TKursFeld feld = FeldVon(spalte);
  QColor stift = Qt::black;
  bool rot = false;
  if (kurs != nullptr) {
    rot = feld == TKursFeld::Std && !kurs->NichtVerplanen() && kurs->OffeneStunden(-1) > 0;
    schrift.setBold((feld == TKursFeld::Klassen && kurs->Klassen().Anzahl() > 1) ||
                    (feld == TKursFeld::Raeume && kurs->Raeume().Anzahl() > 1));
  }
  const QPalette& pal = DepGrid->palette();
  if (ausgewaehlt) {
    p.fillRect(r, pal.color(QPalette::Highlight));
    stift = pal.color(QPalette::HighlightedText);
  } else {
    p.fillRect(r, kurs != nullptr ? Farbe(kurs->Farbe()) : QColor(Qt::white));
  }
  if (rot) stift = Qt::red;
  p.setFont(schrift);
  p.setPen(stift);
  p.drawText(r.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, DepGrid->Text(spalte, zeile));
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// Copy, cut, delete

std::vector<TKurs*> TDepForm::MarkierteKurse() const {
  std::vector<TKurs*> kurse;
  const TGitterAuswahl a = DepGrid->Auswahl();
  if (a.Leer()) return kurse;
  for (int z = std::max(a.oben, 1); z <= a.unten; ++z)
    if (TKurs* k = zeilen_.Kurs(z)) kurse.push_back(k);
  return kurse;
}

QStringList TDepForm::KursText() const {
  QStringList zeilen;
  for (const std::string& z : TKursText::Zeilen(MarkierteKurse(), (Tasten() & Taste::Shift) != 0))
    zeilen << Q(z);
  return zeilen;
}

void TDepForm::KurseKopieren(bool ausschneiden) {
  QString text;
  for (const QString& zeile : KursText()) text += zeile + QStringLiteral("\r\n");
  if (palette_ != nullptr)
    palette_->TextInZwischenablage(text);
  else
    TDienste::Ablage().SetzeText(text);
  if (!ausschneiden || MarkierteKurse().empty()) return;
  TFrageForm frage(
      QStringLiteral("Kures löschen?"),
      {QStringLiteral("Wollen Sie die ausgewählten Kurse"), QStringLiteral("wirklich löschen?")},
      {{QStringLiteral("Nein"), mrNein, true, true}, {QStringLiteral("Ja"), mrJa, false, false}});
  if (frage.Zeige() == mrJa) KurseLoeschen();
}

void TDepForm::KurseLoeschen() {
  LoescheKurseNachFrage(Schule(), MarkierteKurse());
}

void TDepForm::WaehleAlles() {
  if (zeilen_.Anzahl() < 1) return;
  DepGrid->SetzeAuswahl(TGitterAuswahl{0, 1, DepGrid->Spalten() - 1, zeilen_.Anzahl()});
}

// ---------------------------------------------------------------------------------------------
// Mouse

QPoint TDepForm::MenueOrt(int spalte, int zeile, bool halbeZeile) const {
  const QRect r = DepGrid->ZellRechteck(spalte, zeile);
  return DepGrid->viewport()->mapToGlobal(
      QPoint(r.left(), r.top() + (halbeZeile ? DepGrid->StandardHoehe() / 2 : 0)));
}

bool TDepForm::ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint ort) {
  return ZeigeKernMenue(eintraege, ort, SpaltenHoehe(static_cast<int>(eintraege.size()), 16));
}

void TDepForm::DepGridMouseDown(int spalte, int zeile, Qt::MouseButton knopf) {
  maus_ = QPoint(spalte, zeile);
  strgBeimDruecken_ = (Tasten() & Taste::Strg) != 0;
  if (knopf != Qt::LeftButton || Schule().Werkzeugmodus() != Modus::Schieben) return;
  if (zeilen_.Kurs(zeile) == nullptr) return;
  const TKursFeld feld = FeldVon(spalte);
  if (feld == TKursFeld::Klassen || feld == TKursFeld::Raeume ||
      (feld == TKursFeld::Info && spalte == DepGrid->Spalten() - 1))
    DepGrid->BeginneZiehen(spalte, zeile);
}

void TDepForm::DepGridMouseUp(int spalte, int zeile, Qt::MouseButton knopf) {
  if (knopf != Qt::LeftButton || !IstAktiv()) return;
  TKurs* kurs = zeilen_.Kurs(zeile);
  if (kurs == nullptr || spalte < 0 || spalte >= DepGrid->Spalten()) return;
  const TKursFeld feld = FeldVon(spalte);
  const int modus = Schule().Werkzeugmodus();
  {
    TSchule::TAktion aktion(Schule());
    switch (modus) {
      case Modus::Zeigen:
        Zeigen(*kurs, feld, spalte, zeile);
        return;
      case Modus::Setzen:
        Setzen(*kurs, feld, spalte, zeile);
        break;
      case Modus::Loeschen:
        Loeschen(*kurs, feld, spalte, zeile);
        return;
      default:
        return;
    }
  }
  // The action's end rebuilt the rows (and may have moved the course): its row is selected again.
  if (IstAngemeldet()) WaehleKursZeile(kurs, spalte, zeile);
}

void TDepForm::WaehleKursZeile(const TKurs* kurs, int spalte, int zeile) {
  for (int r = 1; r <= zeilen_.Anzahl(); ++r)
    if (zeilen_.Kurs(r) == kurs) {
      DepGrid->SetzeZelle(spalte, r);
      return;
    }
  // The course left the list (another teacher chosen): the row at the same place, if any.
  if (zeile <= zeilen_.Anzahl()) DepGrid->SetzeZelle(spalte, zeile);
}

void TDepForm::Zeigen(TKurs& kurs, TKursFeld feld, int spalte, int zeile) {
  TMenueDaten menue;
  if (feld == TKursFeld::Klassen && kurs.Klassen().Anzahl() > 1)
    kurs.KlassenMenueEintraege(menue);
  else if (feld == TKursFeld::Kopplung && kurs.Kopplung() != nullptr)
    kurs.KopplungsMenueEintraegeAnStunde(menue, 0, 0, false);
  else if (feld == TKursFeld::Raeume && kurs.Raeume().Anzahl() > 1)
    kurs.RaumMenueEintraege(menue);
  if (menue.Eintraege().empty()) return;
  QElapsedTimer offen;
  offen.start();
  ZeigeMenue(menue.Eintraege(), MenueOrt(spalte, zeile, true));
  // Under a window system the second press of a double click closes this pop-up instead of
  // reaching the grid: the button still held over the same row at once is that double click.
  if (IstAngemeldet() && (QGuiApplication::mouseButtons() & Qt::LeftButton) &&
      offen.elapsed() <= QApplication::doubleClickInterval() &&
      DepGrid->ZelleBei(DepGrid->viewport()->mapFromGlobal(QCursor::pos())).y() == zeile)
    DepGridDblClick(spalte, zeile);
}

void TDepForm::Setzen(TKurs& kurs, TKursFeld feld, int spalte, int zeile) {
  const QPoint ort = MenueOrt(spalte, zeile, false);
  // Chooses an element of the kind from the palette's pop-up; nullptr when none was chosen.
  auto ausPalette = [&](TElementArt art) -> TElement* {
    if (palette_ == nullptr || !palette_->WaehleElement(art, false, ort)) return nullptr;
    return palette_->Wahl(art);
  };
  TSchule& schule = Schule();
  {
    TBeschaeftigt beschaeftigt(schule.Palette());
    TMenueDaten menue;
    switch (feld) {
      case TKursFeld::Wert:
        kurs.FaktorMenueEintraege(menue);
        ZeigeMenue(menue.Eintraege(), ort);
        break;
      case TKursFeld::Std:
        kurs.StundenMenueEintraege(menue);
        ZeigeMenue(menue.Eintraege(), ort);
        break;
      case TKursFeld::Lehrer: {
        TLehrer* lehrer = nullptr;
        if (TFach* fach = kurs.Fach()) {
          fach->SetzeGewaehltenLehrer(nullptr);
          fach->FuelleLehrerMenue(menue);
          if (ZeigeMenue(menue.Eintraege(), ort)) lehrer = fach->GewaehlterLehrer();
          fach->SetzeGewaehltenLehrer(nullptr);
        } else {
          lehrer = static_cast<TLehrer*>(ausPalette(TElementArt::Lehrer));
        }
        UebernimmElement(kurs, feld, lehrer);
        break;
      }
      case TKursFeld::Fach: {
        TFach* fach = nullptr;
        if (TLehrer* lehrer = kurs.Lehrer()) {
          lehrer->SetzeGewaehltesFach(nullptr);
          lehrer->FuelleFachMenue(menue);
          if (ZeigeMenue(menue.Eintraege(), ort)) fach = lehrer->GewaehltesFach();
          lehrer->SetzeGewaehltesFach(nullptr);
        } else {
          fach = static_cast<TFach*>(ausPalette(TElementArt::Fach));
        }
        UebernimmElement(kurs, feld, fach);
        break;
      }
      case TKursFeld::Klassen: {
        TKlasse* klasse = nullptr;
        if (TFach* fach = kurs.Fach()) {
          fach->SetzeGewaehlteKlasse(nullptr);
          fach->FuelleKlassenMenue(menue);
          if (ZeigeMenue(menue.Eintraege(), ort)) klasse = fach->GewaehlteKlasse();
          fach->SetzeGewaehlteKlasse(nullptr);
        } else {
          klasse = static_cast<TKlasse*>(ausPalette(TElementArt::Klasse));
        }
        UebernimmElement(kurs, feld, klasse);
        break;
      }
      case TKursFeld::Kopplung: {
        UebernimmElement(kurs, feld, ausPalette(TElementArt::Kopplung));
        break;
      }
      case TKursFeld::Raeume: {
        if (!strgBeimDruecken_) UebernimmElement(kurs, feld, ausPalette(TElementArt::Raum));
        break;
      }
      default:
        break;
    }
  }
  // The multi-selection of rooms is a dialog of its own, shown without the busy flag.
  if (feld == TKursFeld::Raeume && strgBeimDruecken_) {
    if (palette_ != nullptr) {
      std::vector<TElement*> raeume = schule.Elemente(TElementArt::Raum);
      for (TElement* e : palette_->ZeigeMenuForm(raeume, QStringLiteral("Räume")))
        UebernimmElement(kurs, feld, e);
    }
  }
}

void TDepForm::Loeschen(TKurs& kurs, TKursFeld feld, int spalte, int zeile) {
  switch (feld) {
    case TKursFeld::Lehrer:
    case TKursFeld::Fach:
    case TKursFeld::Kopplung:
      EntferneAusKurs(kurs, feld, nullptr);
      return;
    case TKursFeld::Klassen:
    case TKursFeld::Raeume: {
      const bool klassen = feld == TKursFeld::Klassen;
      const int n = klassen ? kurs.Klassen().Anzahl() : kurs.Raeume().Anzahl();
      if (n == 1 || (n > 1 && strgBeimDruecken_)) {
        EntferneAlle(kurs, feld);
      } else if (n > 1) {
        // The pop-up's entry takes out the class or room chosen (Löschen mode).
        TMenueDaten menue;
        if (klassen)
          kurs.KlassenMenueEintraege(menue);
        else
          kurs.RaumMenueEintraege(menue);
        ZeigeMenue(menue.Eintraege(), MenueOrt(spalte, zeile, true));
      }
      return;
    }
    default:
      return;
  }
}

void TDepForm::DepGridDblClick(int /*spalte*/, int zeile) {
  TSchule::TAktion aktion(Schule());
  TKurs* kurs = zeilen_.Kurs(zeile);
  if (kurs == nullptr || palette_ == nullptr || Schule().Werkzeugmodus() != Modus::Zeigen) return;
  // The editor steps through the element's courses, or all of them from the all-courses window.
  const TElement* e = Element();
  palette_->OeffneKursForm(*kurs, e != nullptr ? e->Kurse().Elemente() : Schule().Kurse().Elemente());
}

void TDepForm::DepGridEndDrag(int quelleSpalte, int quelleZeile, int /*zielSpalte*/, int zielZeile) {
  TSchule::TAktion aktion(Schule());
  TKurs* quelle = zeilen_.Kurs(quelleZeile);
  TKurs* ziel = zeilen_.Kurs(zielZeile);
  if (quelle == nullptr || ziel == nullptr || quelle == ziel) return;
  UebernimmFeldAus(*ziel, *quelle, FeldVon(quelleSpalte));
}

// ---------------------------------------------------------------------------------------------
// Keys

void TDepForm::keyPressEvent(QKeyEvent* ereignis) {
  if (TasteLinksRechts(ereignis)) return;
  TKindFenster::keyPressEvent(ereignis);
}

// ---------------------------------------------------------------------------------------------
// The element variants

TElement* TDepForm::Element() const {
  return element_;
}

std::vector<TKurs*> TDepForm::Liste() const {
  return element_ != nullptr ? element_->Kurse().Elemente() : std::vector<TKurs*>{};
}

void TDepForm::ZeigeElement(TElement* element) {
  element_ = element;
  // Taking the window over for another element moves the element's workload slot with it.
  Schule().BindeFenster(this, element_);
  if (element_ != nullptr) SetzeElementCaption(QStringLiteral("Deputat "), 15);
  Zeige();
}

TLeDepForm::TLeDepForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TDepForm(FensterArt::LeDep, schule, palette, eltern) {}

void TLeDepForm::Zeige(TLehrer* e) {
  ZeigeElement(e);
}

TKlDepForm::TKlDepForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TDepForm(FensterArt::KlDep, schule, palette, eltern) {}

void TKlDepForm::Zeige(TKlasse* e) {
  ZeigeElement(e);
}

TKoDepForm::TKoDepForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TDepForm(FensterArt::KoDep, schule, palette, eltern) {}

void TKoDepForm::Zeige(TKopplung* e) {
  ZeigeElement(e);
}

TFaDepForm::TFaDepForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TDepForm(FensterArt::FaDep, schule, palette, eltern) {}

void TFaDepForm::Zeige(TFach* e) {
  ZeigeElement(e);
}

TRaDepForm::TRaDepForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TDepForm(FensterArt::RaDep, schule, palette, eltern) {}

void TRaDepForm::Zeige(TRaum* e) {
  ZeigeElement(e);
}

// ---------------------------------------------------------------------------------------------
// All courses

TKursDepForm::TKursDepForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TDepForm(FensterArt::KursDep, schule, palette, eltern) {
  SetzeCaption(QStringLiteral("alle Kurse"));
}

std::vector<TKurs*> TKursDepForm::Liste() const {
  return eigene_ ? *eigene_ : Schule().Kurse().Elemente();
}

void TKursDepForm::ZeigeAlle() {
  eigene_.reset();
  TDepForm::Zeige();
}

void TKursDepForm::Zeige(const std::vector<TKurs*>& kurse) {
  eigene_ = kurse;
  TDepForm::Zeige();
}

void TKursDepForm::Aktualisiere() {
  if (!einsetzen_) TDepForm::Zeige();
}

void TKursDepForm::KursWirdGeloescht(TKurs* kurs) {
  if (eigene_) std::erase(*eigene_, kurs);
  TDepForm::KursWirdGeloescht(kurs);
}

bool TKursDepForm::Einsetzen() {
  TSchule& schule = Schule();
  const TKursText text = TKursText::Lies(schule.Palette().AblageText());
  if (!text.Gueltig()) {
    ZeigeEinfuegeFehler();
    return false;
  }
  if (!text.KuerzelPruefen(schule) &&
      schule.Dialoge().Frage(TDialog::UnbekannteKuerzel,
                             {"Unbekannte Kürzel", "Die Zwischenablage enthält unbekannte",
                              "Kürzel. Soll trotzdem eingesetzt werden?"}) != Modal::Ja)
    return false;
  {
    TFlagge flagge(einsetzen_);
    TSchule::TAktion aktion(schule);
    const std::vector<TKurs*> neu = text.KurseEinfuegen(schule);
    if (eigene_) eigene_->insert(eigene_->end(), neu.begin(), neu.end());
    // The action ends before the flag: its refresh is skipped, the one below shows them.
  }
  // Ctrl+V holds Ctrl: the rows keep the window's own filters.
  TDepForm::Zeige(Filter());
  return true;
}

}  // namespace kolvar
