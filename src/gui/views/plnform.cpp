#include "views/plnform.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "ansicht/planzuege.h"
#include "engine/konfliktliste.h"
#include "engine/kursbearbeitung.h"
#include "engine/stundenklick.h"
#include "model/element.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/text.h"
#include "platform/ablage.h"
#include "platform/cursoren.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/popupdienst.h"
#include "platform/qtext.h"
#include "platform/schriftbreite.h"
#include "platform/spaltenmenue.h"
#include "views/planfenster.h"
#include "views/setzdialoge.h"

namespace kolvar {

namespace {

// The period column's width asks the font system for every label; the labels change only with
// "Zeiten", the version shown or the plans' font, so every plan window shares the last measure.
int GemesseneStundenSpalte(const TStandard& st) {
  struct TMerk {
    TSchrift schrift;
    bool fett = false;
    int psb = -1;
    int version = -1;
    std::array<std::string, kStunden> labels;
    int breite = 0;
  };
  static TMerk merk;
  const auto& f = st.PlanFenster;
  const int version = st.AktuelleVersion();
  const auto& labels = st.sp[static_cast<std::size_t>(version - 1)];
  if (merk.psb != f.psb || merk.version != version || merk.fett != f.pkf || !(merk.schrift == f.Schrift) ||
      merk.labels != labels) {
    merk = TMerk{f.Schrift, f.pkf, f.psb, version, labels, st.StundenSpalte(SchriftBreite)};
  }
  return merk.breite;
}

// Room the window frame takes beyond the grid's rows and columns when fitting to the screen.
constexpr int kRahmenHoehe = 48;
constexpr int kRahmenBreite = 29;

QColor Farbe(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// Collects what the core puts into a pop-up, in order.
class TSammelMenue : public IMenue {
 public:
  void Leere() override { eintraege.clear(); }
  void Fuege(TMenueEintrag eintrag) override { eintraege.push_back(std::move(eintrag)); }
  int Anzahl() const override { return static_cast<int>(eintraege.size()); }
  std::vector<TMenueEintrag> eintraege;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Set-up

TPlnForm::TPlnForm(int tag, TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(tag, schule, palette, nullptr, eltern), palette_(palette) {
  PlnGrid = new TGitter(this);
  PlnGrid->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goSpaltenbreite);
  PlnGrid->SetzeZiehCursor(KolvarCursor(QStringLiteral("GRIFF")));
  PlnGrid->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) {
    ZeichneZelle(p, spalte, zeile, r, z.ausgewaehlt);
  });
  PlanWechselKnopf = new QToolButton(PlnGrid->viewport());
  PlanWechselKnopf->setText(QStringLiteral("o"));
  PlanWechselKnopf->setToolTip(tag == FensterArt::KlPln ? QStringLiteral("Lehrer oder Kopplung anzeigen")
                                                        : QStringLiteral("Klasse oder Kopplung anzeigen"));
  connect(PlanWechselKnopf, &QToolButton::clicked, this, [this] { PlanWechselKnopfClick(); });

  connect(PlnGrid, &TGitter::ZelleGedrueckt, this,
          [this](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint ort) {
            PlnGridMouseDown(s, z, knopf, PlnGrid->viewport()->mapToGlobal(ort));
          });
  connect(PlnGrid, &TGitter::ZelleLosgelassen, this,
          [this](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            PlnGridMouseUp(s, z, knopf);
          });
  connect(PlnGrid, &TGitter::Doppelklick, this,
          [this](int s, int z, Qt::KeyboardModifiers) { PlnGridDblClick(s, z); });
  connect(PlnGrid, &TGitter::ZiehenEnde, this,
          [this](int qs, int qz, int zs, int zz) { PlnGridEndDrag(qs, qz, zs, zz); });
  connect(PlnGrid, &TGitter::ZiehenAbgebrochen, this, [this] {
    quelle_ = QPoint(-1, -1);
    MarkierungenLoeschen();
  });
  connect(PlnGrid, &TGitter::TasteGedrueckt, this, [this](QKeyEvent* e) {
    if (TasteLinksRechts(e)) e->accept();
  });
  PlnGrid->move(0, 0);
}

TPlnForm::~TPlnForm() = default;

TElement* TPlnForm::Element() const {
  return element_;
}

bool TPlnForm::ZeigtKopplung() const {
  return PlanWechselKnopf->text() == QLatin1String("o");
}

int TPlnForm::Version() const {
  return Schule().Standard().AktuelleVersion();
}

uint8_t TPlnForm::Tasten() const {
  return Schule().Palette().Tasten();
}

bool TPlnForm::IstAktiv() const {
  return Schule().AktivesFenster() == static_cast<const IFenster*>(this);
}

bool TPlnForm::IstKoerper(int spalte, int zeile) const {
  return spalte >= 1 && zeile >= 1 && spalte < PlnGrid->Spalten() && zeile < PlnGrid->Zeilen();
}

TKurs* TPlnForm::KursIn(int spalte, int zeile) const {
  return zellen_.Kurs(spalte, zeile);
}

void TPlnForm::PlanVorbereiten() {
  const TStandard& st = Schule().Standard();
  const auto& f = st.PlanFenster;
  PlnGrid->BrecheZiehenAb();
  PlnGrid->Leeren();
  PlnGrid->SetzeZeilen(std::clamp(st.pst, 1, kStunden) + 1);
  PlnGrid->SetzeSpalten(std::clamp(st.mtn, 1, kTage) + 1);
  PlnGrid->SetzeFesteZeilen(1);
  PlnGrid->SetzeFesteSpalten(1);
  zellen_.Leere(PlnGrid->Spalten() - 1, PlnGrid->Zeilen() - 1);
  QFont schrift(Q(f.Schrift.Name));
  schrift.setPointSize(std::max(1, f.Schrift.Groesse));
  setFont(schrift);
  PlnGrid->setFont(schrift);
  const int zeile = st.PlanZeilenHoehe;
  PlnGrid->SetzeStandardBreite(st.GetPlnMaxBreite());
  PlnGrid->SetzeStandardHoehe(f.neb ? zeile : (f.mra ? 3 * zeile : 2 * zeile));
  PlnGrid->SetzeText(0, 0, QStringLiteral(" "));
  const int v = Version();
  for (int p = 1; p < PlnGrid->Zeilen(); ++p)
    PlnGrid->SetzeText(0, p, Q(st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)]));
  for (int d = 1; d < PlnGrid->Spalten(); ++d)
    PlnGrid->SetzeText(d, 0, Q(st.spg[static_cast<std::size_t>(d - 1)]));
}

void TPlnForm::ZeigeElement(TPlanElement* element) {
  PlanVorbereiten();
  const TStandard& st = Schule().Standard();
  const auto& f = st.PlanFenster;
  if (f.neb) {
    const TZellTeile teile = Teile(nullptr);
    PlnGrid->SetzeStandardBreite(teile.breite[0] + teile.breite[1] + teile.breite[2]);
  }
  const int stundenSpalte = GemesseneStundenSpalte(st);
  PlnGrid->SetzeSpaltenBreite(0, stundenSpalte);
  PlnGrid->SetzeZeilenHoehe(0, st.PlanZeilenHoehe);
  PlanWechselKnopf->setGeometry(2, 2, std::max(12, stundenSpalte - 4), std::max(12, st.PlanZeilenHoehe - 4));

  // The window is fitted to the screen when it shows an element or a grid of another size; a
  // refresh after every change of a lesson leaves the size the user gave it.
  const QSize raster(PlnGrid->Spalten(), PlnGrid->Zeilen());
  const QSize zelle(PlnGrid->StandardBreite(), PlnGrid->StandardHoehe());
  const bool einpassen = element != element_ || raster != eingepasstRaster_ || zelle != eingepassteZelle_ ||
                         stundenSpalte != eingepassteStundenSpalte_;
  eingepasstRaster_ = raster;
  eingepassteZelle_ = zelle;
  eingepassteStundenSpalte_ = stundenSpalte;
  element_ = element;
  // Taking the window over for another element moves the element's plan slot with it.
  Schule().BindeFenster(this, element_);
  if (element_ != nullptr) SetzeElementCaption(QStringLiteral("Plan "), 12);
  Fuellen();
  if (einpassen) FensterEinpassen();
  PlnGrid->SetzeZelle(1, 1);
  SetzeCursorNachModus(Schule().Werkzeugmodus(), Tasten());
}

void TPlnForm::Fuellen() {
  if (element_ != nullptr) zellen_.Fuelle(*element_, Version());
}

void TPlnForm::FensterEinpassen() {
  // The largest number of rows (columns) that fits between the window's corner and the screen's
  // edge; at least one.
  const QScreen* bildschirm = screen() != nullptr ? screen() : QApplication::primaryScreen();
  const QRect flaeche = bildschirm != nullptr ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);
  const int rahmen = 2 * PlnGrid->frameWidth();
  auto passend = [](int anzahl, int schritt, int fest, int rand, int platz) {
    int k = anzahl;
    while (k > 1 && k * schritt + fest + rand > platz) --k;
    return std::max(k, 1);
  };
  const int zeilenSchritt = PlnGrid->StandardHoehe() + 1;
  const int spaltenSchritt = PlnGrid->StandardBreite() + 1;
  const int k = passend(PlnGrid->Zeilen() - 1, zeilenSchritt, PlnGrid->ZeilenHoehe(0), kRahmenHoehe,
                        flaeche.bottom() - std::max(y(), flaeche.top()));
  const int j = passend(PlnGrid->Spalten() - 1, spaltenSchritt, PlnGrid->SpaltenBreite(0), kRahmenBreite,
                        flaeche.right() - std::max(x(), flaeche.left()));
  const int rollH = k < PlnGrid->Zeilen() - 1 ? PlnGrid->verticalScrollBar()->sizeHint().width() : 0;
  const int rollB = j < PlnGrid->Spalten() - 1 ? PlnGrid->horizontalScrollBar()->sizeHint().height() : 0;
  const int hoehe = k * zeilenSchritt + PlnGrid->ZeilenHoehe(0) + 1 + rahmen + rollB;
  const int breite = j * spaltenSchritt + PlnGrid->SpaltenBreite(0) + 1 + rahmen + rollH;
  resize(breite, hoehe);
}

void TPlnForm::resizeEvent(QResizeEvent* ereignis) {
  PlnGrid->setGeometry(rect());
  TKindFenster::resizeEvent(ereignis);
}

void TPlnForm::Aktualisiere() {
  ZeigeElement(element_);
}

void TPlnForm::NeuZeichnen() {
  PlnGrid->viewport()->update();
}

void TPlnForm::SetzeCursorNachModus(int modus, uint8_t tasten) {
  if (!PlnGrid->Zieht()) PlnGrid->viewport()->setCursor(ModusCursor(modus, tasten, true));
}

void TPlnForm::FormClose(TCloseAction& aktion) {
  PlnGrid->BrecheZiehenAb();
  TKindFenster::FormClose(aktion);
  element_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Marks

void TPlnForm::MarkierungenLoeschen() {
  zellen_.LoescheMarken();
  NeuZeichnen();
}

void TPlnForm::ZieleMarkieren(TKurs* kurs) {
  MarkierungenLoeschen();
  if (kurs == nullptr) return;
  const int v = Version();
  zellen_.MarkiereWo([&](int d, int p) { return !kurs->Ergebnis().Belegt(v, d, p); });
  NeuZeichnen();
}

std::vector<TKurs*> TPlnForm::MarkierteKurse() const {
  const TGitterAuswahl a = PlnGrid->Auswahl();
  std::vector<TKurs*> kurse;
  for (int p = a.oben; p <= a.unten; ++p)
    for (int d = a.links; d <= a.rechts; ++d)
      if (TKurs* k = zellen_.Kurs(d, p)) kurse.push_back(k);
  return kurse;
}

void TPlnForm::AlleZellenWaehlen() {
  PlnGrid->SetzeAuswahl(TGitterAuswahl{1, 1, PlnGrid->Spalten() - 1, PlnGrid->Zeilen() - 1});
}

void TPlnForm::MarkiereKurs(const TKurs* kurs) {
  zellen_.MarkiereWo([&](int d, int p) { return kurs != nullptr && zellen_.Kurs(d, p) == kurs; });
  NeuZeichnen();
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TPlnForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const {
  const TStandard& st = Schule().Standard();
  QFont schrift = PlnGrid->font();
  schrift.setBold(false);
  schrift.setUnderline(false);
  const TKurs* kurs = KursIn(spalte, zeile);
  const TMarke marke = zellen_.Marke(spalte, zeile);
  if (kurs != nullptr) {
    schrift.setBold(kurs->Kopplung() != nullptr && st.PlanFenster.pkf);
    const TSetzung* s = kurs->FindeSetzung(Version(), spalte, zeile);
    schrift.setUnderline(s != nullptr && s->Fixiert());
  }
  p.save();
  p.setFont(schrift);
  const QPalette& pal = PlnGrid->palette();
  QColor stift = Qt::black;
  if (spalte == 0 || zeile == 0) {
    PlnGrid->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
    p.restore();
    return;
  }
  if (marke == TMarke::Markiert || ausgewaehlt) {
    p.fillRect(r, pal.color(QPalette::Highlight));
    stift = pal.color(QPalette::HighlightedText);
  } else if (kurs != nullptr) {
    p.fillRect(r, Farbe(kurs->Farbe()));
  } else if (marke == TMarke::Gesperrt) {
    p.fillRect(r, QColor(128, 128, 128));
  } else {
    p.fillRect(r, Qt::white);
  }
  p.setPen(stift);
  if (kurs != nullptr) ZellTextZeichnen(p, r, spalte, *kurs, zeile);
  p.restore();
}

void TPlnForm::ZellTextZeichnen(QPainter& p, const QRect& r, int tag, const TKurs& kurs, int stunde) const {
  const TStandard& st = Schule().Standard();
  const TZellTeile teile = Teile(&kurs);
  const int zeile = st.PlanZeilenHoehe;
  int x = r.left() + 2;
  int y = r.top() + 2;
  for (std::size_t i = 0; i < teile.teil.size(); ++i) {
    if (teile.teil[i] == Teil::Keiner) continue;
    const QString text = Q(ZellTeilText(kurs, Version(), tag, stunde, teile.teil[i]));
    p.drawText(QRect(x, y, std::max(1, r.right() - x), zeile), Qt::AlignLeft | Qt::AlignTop, text);
    if (st.PlanFenster.neb)
      x += teile.breite[i];
    else
      y += zeile;
  }
}

QStringList TPlnForm::ZellTexte(int tag, int stunde) const {
  QStringList texte;
  const TKurs* kurs = KursIn(tag, stunde);
  if (kurs == nullptr) return texte;
  for (int teil : Teile(kurs).teil)
    if (teil != Teil::Keiner) texte << Q(ZellTeilText(*kurs, Version(), tag, stunde, teil));
  return texte;
}

// ---------------------------------------------------------------------------------------------
// Copy as text

TZellTeile TPlnForm::Teile(const TKurs* kurs) const {
  return ZellTeile(Schule().Standard(), static_cast<TElementArt>(Seite()), kurs, ZeigtKopplung());
}

QStringList TPlnForm::PlanText() const {
  QStringList zeilen;
  const bool einzeln = Tasten() & Taste::Shift;
  for (const std::string& zeile :
       PlanKopie(zellen_, Schule().Standard(), static_cast<TElementArt>(Seite()), ZeigtKopplung(), einzeln))
    zeilen << Q(zeile);
  return zeilen;
}

void TPlnForm::PlanKopieren() {
  const QString text = PlanText().join(QLatin1Char('\n'));
  if (palette_ != nullptr)
    palette_->TextInZwischenablage(text);
  else
    TDienste::Ablage().SetzeText(text);
}

// ---------------------------------------------------------------------------------------------
// Pop-ups

int TPlnForm::MenueUmbrechen(int anzahl) {
  return SpaltenHoehe(anzahl, 16);
}

void TPlnForm::ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint global) {
  ZeigeKernMenue(eintraege, global, MenueUmbrechen(static_cast<int>(eintraege.size())));
}

QPoint TPlnForm::MenueOrt(int spalte, int zeile) const {
  const QRect r = PlnGrid->ZellRechteck(spalte, zeile);
  return PlnGrid->viewport()->mapToGlobal(QPoint(r.left(), r.top() + PlnGrid->StandardHoehe() / 2));
}

std::vector<TMenueEintrag> TPlnForm::SetzEintraege(int tag, int stunde) {
  TSammelMenue menue;
  LeerzellenMenue(menue, tag, stunde);
  return menue.eintraege;
}

void TPlnForm::LeerzellenMenue(IMenue& menue, int tag, int stunde) {
  if (element_ == nullptr || element_->Sperrung().Belegt(Version(), tag, stunde)) return;
  TRaum* raum = PlanRaum();
  for (TKurs* k : element_->Kurse().Elemente()) k->BaueSetzMenue(menue, tag, stunde, raum);
}

// ---------------------------------------------------------------------------------------------
// Mouse

void TPlnForm::PlnGridMouseDown(int spalte, int zeile, Qt::MouseButton knopf, QPoint global) {
  maus_ = QPoint(spalte, zeile);
  if (knopf == Qt::RightButton) {
    // The element's placing entries for the slot under the mouse.
    if (IstKoerper(spalte, zeile)) ZeigeMenue(SetzEintraege(spalte, zeile), global);
    return;
  }
  if (!IstKoerper(spalte, zeile)) return;
  MarkierungenLoeschen();
  if (Schule().Werkzeugmodus() != Modus::Schieben) return;
  TKurs* kurs = KursIn(spalte, zeile);
  if (Tasten() & Taste::Strg) {
    const bool ohneRaum = Tasten() & Taste::Shift;
    for (const auto& [d, p] : SchiebeKandidaten(zellen_, spalte, zeile, ohneRaum, Version()))
      zellen_.Markiere(d, p);
    NeuZeichnen();
    return;
  }
  if (kurs == nullptr) return;
  quelle_ = QPoint(spalte, zeile);
  MarkiereKurs(kurs);
  PlnGrid->BeginneZiehen(spalte, zeile);
}

void TPlnForm::PlnGridMouseUp(int spalte, int zeile, Qt::MouseButton knopf) {
  TSchule::TAktion aktion(Schule());
  if (knopf != Qt::LeftButton) return;
  maus_ = QPoint(spalte, zeile);
  if (!IstAktiv() || !IstKoerper(spalte, zeile)) return;
  TKurs* kurs = KursIn(spalte, zeile);
  switch (Schule().Werkzeugmodus()) {
    case Modus::Zeigen: {
      if (kurs == nullptr) return;
      MarkierungenLoeschen();
      TSammelMenue menue;
      TKlPlnForm* klassenplan = qobject_cast<TKlPlnForm*>(this);
      std::function<void(TKurs*, TKlasse*)> waehle;
      if (klassenplan != nullptr)
        waehle = [this, spalte, zeile](TKurs* k, TKlasse*) {
          zellen_.SetzeKurs(spalte, zeile, k);
          NeuZeichnen();
        };
      const bool mitInfo = Tasten() & Taste::Strg;
      for (TKurs* k : element_->Kurse().Elemente())
        k->BelegungMenueEintraege(menue, spalte, zeile, PlanRaum(), Seite(), mitInfo, waehle);
      QElapsedTimer offen;
      offen.start();
      ZeigeMenue(menue.eintraege, MenueOrt(spalte, zeile));
      // Under a window system the second press of a double click closes this pop-up instead of
      // reaching the grid: the button still held over the same cell at once is that double click.
      if (IstAngemeldet() && (QGuiApplication::mouseButtons() & Qt::LeftButton) &&
          offen.elapsed() <= QApplication::doubleClickInterval() &&
          PlnGrid->ZelleBei(PlnGrid->viewport()->mapFromGlobal(QCursor::pos())) == QPoint(spalte, zeile))
        PlnGridDblClick(spalte, zeile);
      return;
    }
    case Modus::Setzen: {
      MarkierungenLoeschen();
      if (kurs == nullptr) {
        ZeigeMenue(SetzEintraege(spalte, zeile), MenueOrt(spalte, zeile));
        return;
      }
      // With Ctrl (and in a room plan) the clicked hour alone, even in a locked slot.
      std::vector<std::pair<int, int>> zellen{{spalte, zeile}};
      if (PlanRaum() == nullptr) {
        if (Tasten() & Taste::Strg) {
          zellen_.Markiere(spalte, zeile);
        } else {
          MarkiereKurs(kurs);
          zellen = zellen_.Markierte();
        }
        NeuZeichnen();
      }
      TSammelMenue menue;
      kurs->BaueRaumMenue(menue, zellen);
      ZeigeMenue(menue.eintraege, MenueOrt(spalte, zeile));
      return;
    }
    default:
      return;
  }
}

void TPlnForm::PlnGridDblClick(int spalte, int zeile) {
  TSchule::TAktion aktion(Schule());
  if (!IstKoerper(spalte, zeile)) return;
  TKurs* kurs = KursIn(spalte, zeile);
  const bool strg = Tasten() & Taste::Strg;
  switch (Schule().Werkzeugmodus()) {
    case Modus::Zeigen:
      if (kurs == nullptr) return;
      // A plan built without a palette opens nothing.
      if (palette_ == nullptr) return;
      if (strg)
        OeffneElementFenster(*kurs, spalte, zeile, *palette_);
      else if (Element() != nullptr)
        palette_->OeffneKursForm(*kurs, Element()->Kurse().Elemente());
      return;
    case Modus::Loeschen:
      if (kurs == nullptr) return;
      if (!StundeDoppelklick(Schule(), kurs, spalte, zeile, strg)) Loesche(spalte, zeile);
      return;
    case Modus::Fixieren:
      if (StundeDoppelklick(Schule(), kurs, spalte, zeile, strg)) NeuZeichnen();
      return;
    default:
      return;
  }
}

void TPlnForm::Loesche(int tag, int stunde) {
  TKurs* kurs = KursIn(tag, stunde);
  if (kurs != nullptr) LoescheStundeNachFrage(*kurs, tag, stunde);
}

void TPlnForm::PlnGridEndDrag(int quelleSpalte, int quelleZeile, int zielSpalte, int zielZeile) {
  TSchule::TAktion aktion(Schule());
  const QPoint quelle(quelleSpalte, quelleZeile);
  quelle_ = QPoint(-1, -1);
  if (zielSpalte < 1 || zielZeile < 1 || !IstKoerper(quelleSpalte, quelleZeile)) {
    MarkierungenLoeschen();
    return;
  }
  if (Tasten() & Taste::Alt) {
    SchulTausch(Schule(), quelle.x(), quelle.y(), zielSpalte, zielZeile);
  } else if (TKurs* kurs = KursIn(quelle.x(), quelle.y())) {
    const bool mitKopplung = !(Tasten() & Taste::Shift);
    if (!kurs->Belegung().Belegt(Version(), zielSpalte, zielZeile)) {
      TKonfliktListe verdraengt;
      if (kurs->PruefeVerschieben(zielSpalte, zielZeile, mitKopplung, verdraengt, quelle.y(), quelle.x()))
        kurs->Verschiebe(zielSpalte, zielZeile, mitKopplung, quelle.x(), quelle.y());
    }
  }
  MarkierungenLoeschen();
}

void TPlnForm::PlanWechselKnopfClick() {
  PlanWechselKnopf->setText(ZeigtKopplung() ? QStringLiteral("x") : QStringLiteral("o"));
  NeuZeichnen();
}

// ---------------------------------------------------------------------------------------------
// Keys

void TPlnForm::keyPressEvent(QKeyEvent* ereignis) {
  if (TasteLinksRechts(ereignis)) return;
  TKindFenster::keyPressEvent(ereignis);
}

// ---------------------------------------------------------------------------------------------
// The three variants

TLePlnForm::TLePlnForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TPlnForm(FensterArt::LePln, schule, palette, eltern) {}

void TLePlnForm::Zeige(TLehrer* lehrer) {
  ZeigeElement(lehrer);
}

TLehrer* TLePlnForm::Lehrer() const {
  return static_cast<TLehrer*>(PlanElement());
}

void TLePlnForm::Aktualisiere() {
  Zeige(Lehrer());
}

TKlPlnForm::TKlPlnForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TPlnForm(FensterArt::KlPln, schule, palette, eltern) {}

void TKlPlnForm::Zeige(TKlasse* klasse) {
  ZeigeElement(klasse);
}

TKlasse* TKlPlnForm::Klasse() const {
  return static_cast<TKlasse*>(PlanElement());
}

void TKlPlnForm::Aktualisiere() {
  Zeige(Klasse());
}

TRaPlnForm::TRaPlnForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TPlnForm(FensterArt::RaPln, schule, palette, eltern) {}

void TRaPlnForm::Zeige(TRaum* raum) {
  ZeigeElement(raum);
}

TRaum* TRaPlnForm::Raum() const {
  return static_cast<TRaum*>(PlanElement());
}

TRaum* TRaPlnForm::PlanRaum() const {
  return Raum();
}

void TRaPlnForm::Aktualisiere() {
  Zeige(Raum());
}

}  // namespace kolvar
