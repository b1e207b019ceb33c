#include "views/plnform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "engine/konfliktliste.h"
#include "engine/zeitfeld.h"
#include "model/element.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
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
#include "platform/spaltenmenue.h"
#include "views/planfenster.h"
#include "views/setzdialoge.h"

namespace kolvar {

namespace {

// Room the window frame takes beyond the grid's rows and columns when fitting to the screen.
constexpr int kRahmenHoehe = 48;
constexpr int kRahmenBreite = 29;

QColor Farbe(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Lifts a coupling's hour out of the occupancy grids for a search and always puts it back.
class TBelegungAus {
 public:
  TBelegungAus(TKurs* kurs, int tag, int stunde) : kurs_(kurs), tag_(tag), stunde_(stunde) {
    if (kurs_ != nullptr) kurs_->SchalteBelegung(-1, tag_, stunde_, true, false);
  }
  ~TBelegungAus() {
    if (kurs_ != nullptr) kurs_->SchalteBelegung(-1, tag_, stunde_, true, true);
  }
  TBelegungAus(const TBelegungAus&) = delete;
  TBelegungAus& operator=(const TBelegungAus&) = delete;

 private:
  TKurs* kurs_;
  int tag_, stunde_;
};

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
    : TKindFenster(tag, schule, palette != nullptr ? &palette->FensterListe() : nullptr, nullptr, eltern),
      palette_(palette) {
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
  connect(PlnGrid, &TGitter::ZiehenAbgebrochen, this, [this] { MarkierungenLoeschen(); });
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
  return IstKoerper(spalte, zeile) ? PlnGrid->ObjektAls<TKurs>(spalte, zeile) : nullptr;
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
  PlnGrid->SetzeSpaltenBreite(0, f.psb);
  PlnGrid->SetzeZeilenHoehe(0, st.PlanZeilenHoehe);
  PlanWechselKnopf->setGeometry(2, 2, std::max(12, f.psb - 4), std::max(12, st.PlanZeilenHoehe - 4));

  // Taking over a window for another element frees the other element's link.
  if (element_ != nullptr && element_ != element && element_->PlnForm() == static_cast<IFenster*>(this))
    element_->SetzePlnForm(nullptr);
  // The window is fitted to the screen when it shows an element or a grid of another size; a
  // refresh after every change of a lesson leaves the size the user gave it.
  const QSize raster(PlnGrid->Spalten(), PlnGrid->Zeilen());
  const QSize zelle(PlnGrid->StandardBreite(), PlnGrid->StandardHoehe());
  const bool einpassen = element != element_ || raster != eingepasstRaster_ || zelle != eingepassteZelle_;
  eingepasstRaster_ = raster;
  eingepassteZelle_ = zelle;
  element_ = element;
  if (element_ != nullptr) {
    SetzeCaption(QString::fromStdString(KuerzeText("Plan " + element_->Kuerzel(), 12)));
    element_->SetzePlnForm(this);
  }
  Fuellen();
  if (einpassen) FensterEinpassen();
  PlnGrid->SetzeZelle(1, 1);
  SetzeCursorNachModus(Schule().Werkzeugmodus(), Tasten());
}

void TPlnForm::Fuellen() {
  if (element_ == nullptr) return;
  const int v = Version();
  const int tage = PlnGrid->Spalten() - 1, stunden = PlnGrid->Zeilen() - 1;
  const TRaum* raum = PlanRaum();
  for (TKurs* k : element_->Kurse()) {
    for (const TSetzung* s : k->Setzungen()) {
      if (s->Version() != v || s->Stunde() > stunden || s->Tag() > tage) continue;
      if (raum != nullptr && s->Raum() != raum) continue;
      PlnGrid->SetzeObjekt(s->Tag(), s->Stunde(), k);
      PlnGrid->SetzeText(s->Tag(), s->Stunde(), kMarkeN);
    }
  }
  for (int d = 1; d <= tage; ++d)
    for (int p = 1; p <= stunden; ++p)
      if (element_->Sperrung().Belegt(v, d, p)) PlnGrid->SetzeText(d, p, kMarkeSperrung);
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
  QCursor cursor(Qt::ArrowCursor);
  const bool strg = tasten & Taste::Strg, shift = tasten & Taste::Shift;
  switch (modus) {
    case Modus::Setzen:
      cursor = KolvarCursor(QStringLiteral("SETZER"));
      break;
    case Modus::Loeschen:
      cursor = KolvarCursor(strg ? QStringLiteral("HALBGUMMI") : QStringLiteral("GUMMI"));
      break;
    case Modus::Schieben:
      cursor = KolvarCursor(strg ? (shift ? QStringLiteral("PFEIL3") : QStringLiteral("PFEIL4"))
                                 : (shift ? QStringLiteral("HALBHAND") : QStringLiteral("HAND")));
      break;
    case Modus::Fixieren:
      cursor = KolvarCursor(QStringLiteral("HAMMER"));
      break;
    default:
      break;
  }
  if (!PlnGrid->Zieht()) PlnGrid->viewport()->setCursor(cursor);
}

void TPlnForm::FormClose(TCloseAction& aktion) {
  PlnGrid->BrecheZiehenAb();
  if (element_ != nullptr && element_->PlnForm() == static_cast<IFenster*>(this))
    element_->SetzePlnForm(nullptr);
  TKindFenster::FormClose(aktion);
  element_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Marks

void TPlnForm::MarkierungenLoeschen() {
  for (int d = 1; d < PlnGrid->Spalten(); ++d)
    for (int p = 1; p < PlnGrid->Zeilen(); ++p)
      if (PlnGrid->Text(d, p) != kMarkeSperrung) PlnGrid->SetzeText(d, p, kMarkeN);
  NeuZeichnen();
}

void TPlnForm::ZieleMarkieren(TKurs* kurs) {
  MarkierungenLoeschen();
  if (kurs == nullptr) return;
  const int v = Version();
  for (int d = 1; d < PlnGrid->Spalten(); ++d)
    for (int p = 1; p < PlnGrid->Zeilen(); ++p)
      if (!kurs->Ergebnis().Belegt(v, d, p) && PlnGrid->Text(d, p) != kMarkeSperrung)
        PlnGrid->SetzeText(d, p, kMarkeR);
  NeuZeichnen();
}

void TPlnForm::MarkiereKurs(const TKurs* kurs) {
  for (int d = 1; d < PlnGrid->Spalten(); ++d)
    for (int p = 1; p < PlnGrid->Zeilen(); ++p)
      if (kurs != nullptr && PlnGrid->Objekt(d, p) == kurs && PlnGrid->Text(d, p) != kMarkeSperrung)
        PlnGrid->SetzeText(d, p, kMarkeR);
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
  const QString text = PlnGrid->Text(spalte, zeile);
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
  if (text == kMarkeR || ausgewaehlt) {
    p.fillRect(r, pal.color(QPalette::Highlight));
    stift = pal.color(QPalette::HighlightedText);
  } else if (kurs != nullptr) {
    p.fillRect(r, Farbe(kurs->Farbe()));
  } else if (text == kMarkeSperrung) {
    p.fillRect(r, QColor(128, 128, 128));
  } else {
    p.fillRect(r, Qt::white);
  }
  p.setPen(stift);
  if (kurs != nullptr)
    ZellTextZeichnen(p, r, spalte, *kurs, zeile);
  else if (text != kMarkeSperrung && text != kMarkeR && text != kMarkeN && !text.isEmpty())
    p.drawText(r.adjusted(1, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
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
    const QString text =
        Q(kurs.ZellenText(Version(), tag, stunde, teile.teil[i], Teil::Keiner, Teil::Keiner));
    p.drawText(QRect(x, y, std::max(1, r.right() - x), zeile), Qt::AlignLeft | Qt::AlignTop, text.trimmed());
    if (st.PlanFenster.neb)
      x += teile.breite[i];
    else
      y += zeile;
  }
}

// ---------------------------------------------------------------------------------------------
// Copy as text

QString TPlnForm::ZellText(const TKurs& kurs, int tag, int stunde, const TZellTeile& teile) const {
  return Q(kurs.ZellenText(Version(), tag, stunde, teile.teil[0], teile.teil[1], teile.teil[2]));
}

QString TPlnForm::KopierText(const TKurs& kurs, int tag, int stunde) const {
  return ZellText(kurs, tag, stunde, Teile(&kurs));
}

void TPlnForm::KopierZeilen(int, QStringList&) const {}

QStringList TPlnForm::PlanText() const {
  QStringList zeilen;
  QString kopf;
  for (int d = 1; d < PlnGrid->Spalten(); ++d) kopf += QLatin1Char('\t') + PlnGrid->Text(d, 0);
  zeilen << kopf;
  for (int p = 1; p < PlnGrid->Zeilen(); ++p) {
    QString zeile = PlnGrid->Text(0, p);
    for (int d = 1; d < PlnGrid->Spalten(); ++d) {
      const TKurs* k = KursIn(d, p);
      zeile += QLatin1Char('\t') + (k != nullptr ? KopierText(*k, d, p) : QStringLiteral("---"));
    }
    zeilen << zeile;
    KopierZeilen(p, zeilen);
  }
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
  if (eintraege.empty()) return;
  std::vector<TPopupEintrag> popup;
  popup.reserve(eintraege.size());
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    TPopupEintrag e;
    e.text = Q(eintraege[i].Text);
    e.haken = eintraege[i].Haken;
    e.aktiv = eintraege[i].Aktiv;
    e.id = static_cast<int>(i);
    popup.push_back(std::move(e));
  }
  const int gewaehlt =
      TDienste::Popups().Waehle(popup, global, MenueUmbrechen(static_cast<int>(popup.size())));
  if (gewaehlt < 0) return;
  // A copy: the action may rebuild this window and with it whatever filled the entries.
  const std::function<void()> aktion = eintraege[static_cast<std::size_t>(gewaehlt)].Aktion;
  if (aktion) aktion();
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
  const QPoint ort = MenueOrt(tag, stunde);
  for (TKurs* k : element_->Kurse().Elemente()) {
    TSammelMenue eigene;
    k->BaueSetzMenue(eigene, tag, stunde, raum);
    for (TMenueEintrag& e : eigene.eintraege) {
      // Outside a room plan the room is chosen in a second pop-up.
      if (!e.Aktion)
        e.Aktion = [this, k, tag, stunde, ort] {
          TSammelMenue raeume;
          k->SetzMenueRaeume(raeume, tag, stunde);
          ZeigeMenue(raeume.eintraege, ort);
        };
      menue.Fuege(std::move(e));
    }
  }
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
    SchiebeKandidaten(spalte, zeile);
    return;
  }
  if (kurs == nullptr) return;
  quelle_ = QPoint(spalte, zeile);
  MarkiereKurs(kurs);
  PlnGrid->BeginneZiehen(spalte, zeile);
}

void TPlnForm::SchiebeKandidaten(int tag, int stunde) {
  TKurs* gehoben = KursIn(tag, stunde);
  const bool ohneRaum = Tasten() & Taste::Shift;
  const int v = Version();
  {
    TBelegungAus aus(gehoben, tag, stunde);
    for (int d = 1; d < PlnGrid->Spalten(); ++d) {
      for (int p = 1; p < PlnGrid->Zeilen(); ++p) {
        TKurs* k = KursIn(d, p);
        if (k == nullptr || PlnGrid->Text(d, p) == kMarkeSperrung) continue;
        auto passt = [&](const TKurs* kurs) {
          const TRaum* raum = ohneRaum ? nullptr : kurs->RaumAnStunde(v, d, p);
          return kurs->KannSetzen(-1, tag, raum, stunde);
        };
        bool moeglich = true;
        if (k->Kopplung() != nullptr) {
          for (const TKurs* m : k->Kopplung()->Kurse())
            if (m->Belegung().Belegt(v, d, p) && !passt(m)) {
              moeglich = false;
              break;
            }
        } else {
          moeglich = passt(k);
        }
        if (moeglich) PlnGrid->SetzeText(d, p, kMarkeR);
      }
    }
    NeuZeichnen();
  }
}

void TPlnForm::PlnGridMouseUp(int spalte, int zeile, Qt::MouseButton knopf) {
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
          PlnGrid->SetzeObjekt(spalte, zeile, k);
          NeuZeichnen();
        };
      const bool mitInfo = Tasten() & Taste::Strg;
      for (TKurs* k : element_->Kurse().Elemente())
        k->BelegungMenueEintraege(menue, spalte, zeile, PlanRaum(), Seite(), mitInfo, waehle);
      ZeigeMenue(menue.eintraege, MenueOrt(spalte, zeile));
      return;
    }
    case Modus::Setzen: {
      MarkierungenLoeschen();
      if (kurs == nullptr) {
        ZeigeMenue(SetzEintraege(spalte, zeile), MenueOrt(spalte, zeile));
        return;
      }
      std::vector<std::pair<int, int>> zellen;
      if (PlanRaum() == nullptr) {
        if (Tasten() & Taste::Strg)
          PlnGrid->SetzeText(spalte, zeile, kMarkeR);
        else
          MarkiereKurs(kurs);
        NeuZeichnen();
        for (int d = 1; d < PlnGrid->Spalten(); ++d)
          for (int p = 1; p < PlnGrid->Zeilen(); ++p)
            if (PlnGrid->Text(d, p) == kMarkeR) zellen.emplace_back(d, p);
      } else {
        zellen.emplace_back(spalte, zeile);
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
  if (!IstKoerper(spalte, zeile)) return;
  TKurs* kurs = KursIn(spalte, zeile);
  const bool strg = Tasten() & Taste::Strg;
  switch (Schule().Werkzeugmodus()) {
    case Modus::Zeigen:
      // Without Ctrl the course editor opens here once it exists.
      if (kurs != nullptr && strg) OeffneElementFenster(*kurs, spalte, zeile, palette_, parentWidget());
      return;
    case Modus::Loeschen:
      if (kurs == nullptr) return;
      if (strg)
        kurs->LoeseRaumAnStunde(-1, spalte, zeile);
      else
        Loesche(spalte, zeile);
      return;
    case Modus::Fixieren:
      Schule().SetzeGeaendert(true);
      if (kurs != nullptr) Fixiere(spalte, zeile);
      return;
    default:
      return;
  }
}

void TPlnForm::Loesche(int tag, int stunde) {
  TKurs* kurs = KursIn(tag, stunde);
  if (kurs == nullptr) return;
  if (kurs->Kopplung() == nullptr) {
    kurs->EntferneStunde(-1, tag, stunde, false);
    return;
  }
  TKursLoeschForm frage;
  frage.Fuellen(*kurs, tag, stunde);
  const int antwort = frage.Zeige();
  if (antwort == Modal::Ja)
    kurs->EntferneStunde(-1, tag, stunde, false);
  else if (antwort == Modal::Ok)
    kurs->EntferneStunde(-1, tag, stunde, true);
}

void TPlnForm::Fixiere(int tag, int stunde) {
  TKurs* kurs = KursIn(tag, stunde);
  if (kurs == nullptr) return;
  const TStandard& st = Schule().Standard();
  int von, bis;
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
  // The value comes from the first version that holds the hour: a version without it would
  // make every click fix, and the hour could never be unfixed with the mouse.
  const TSetzung* erste = nullptr;
  for (int v = von; v <= bis && erste == nullptr; ++v) erste = kurs->FindeSetzung(v, tag, stunde);
  const bool fest = !(erste != nullptr && erste->Fixiert());
  // Every version takes the same value, coupled or not: inverting each version on its own
  // would keep versions that differ apart for ever.
  std::vector<TKurs*> kurse{kurs};
  if (kurs->Kopplung() != nullptr) kurse = kurs->Kopplung()->Kurse().Elemente();
  for (int v = von; v <= bis; ++v) {
    for (TKurs* k : kurse) {
      TSetzung* s = k->FindeSetzung(v, tag, stunde);
      if (s == nullptr) continue;
      s->SetFixiert(fest);
    }
  }
  for (TKurs* k : kurse) k->SetzungenGeaendert();
  NeuZeichnen();
}

void TPlnForm::PlnGridEndDrag(int quelleSpalte, int quelleZeile, int zielSpalte, int zielZeile) {
  const QPoint quelle(quelleSpalte, quelleZeile);
  quelle_ = QPoint(-1, -1);
  if (zielSpalte < 1 || zielZeile < 1 || !IstKoerper(quelleSpalte, quelleZeile)) {
    MarkierungenLoeschen();
    return;
  }
  if (Tasten() & Taste::Alt) {
    Tausche(quelle.x(), quelle.y(), zielSpalte, zielZeile);
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

void TPlnForm::Tausche(int tagA, int stundeA, int tagB, int stundeB) {
  if (tagA == tagB && stundeA == stundeB) return;
  const TStandard& st = Schule().Standard();
  TSchulTauschForm frage;
  frage.vonFeld->setText(Q(ZeitFeldText(st, tagA, stundeA)));
  frage.bisFeld->setText(Q(ZeitFeldText(st, tagB, stundeB)));
  if (frage.Zeige() != Modal::Ok) return;
  if (Schule().TauschKonflikt(tagA, stundeA, tagB, stundeB)) {
    TTauschKonflForm konflikte;
    TauschKonflikteFuellen(konflikte, Schule(), tagA, stundeA, stundeB, tagB);
    if (konflikte.Zeige() != Modal::Ja) return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Schule().TauscheStunden(tagA, stundeA, tagB, stundeB);
  QApplication::restoreOverrideCursor();
}

void TPlnForm::PlanWechselKnopfClick() {
  PlanWechselKnopf->setText(ZeigtKopplung() ? QStringLiteral("x") : QStringLiteral("o"));
  NeuZeichnen();
}

// ---------------------------------------------------------------------------------------------
// Keys

bool TPlnForm::TasteLinksRechts(QKeyEvent* ereignis) {
  if (ereignis->key() != Qt::Key_Left && ereignis->key() != Qt::Key_Right) return false;
  if (palette_ == nullptr) return false;
  if (ereignis->key() == Qt::Key_Left)
    palette_->ClickLinks();
  else
    palette_->ClickRechts();
  return true;
}

void TPlnForm::keyPressEvent(QKeyEvent* ereignis) {
  if (TasteLinksRechts(ereignis)) return;
  TKindFenster::keyPressEvent(ereignis);
}

// ---------------------------------------------------------------------------------------------
// The three variants

namespace {
TZellTeile Drei(int a, int b, int c) {
  TZellTeile t;
  t.teil = {a, b, c};
  return t;
}

bool MitKopplung(const TKurs* kurs, bool o) {
  return kurs != nullptr && kurs->Kopplung() != nullptr && o;
}
}  // namespace

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

TZellTeile TLePlnForm::Teile(const TKurs* kurs) const {
  const auto& st = Schule().Standard();
  const auto& f = st.PlanFenster;
  TZellTeile t;
  t.teil = {MitKopplung(kurs, ZeigtKopplung()) ? Teil::Kopplung : Teil::Klasse, Teil::Fach,
            f.mra ? Teil::Raum : Teil::Keiner};
  t.breite = {st.GetPlnKlKoBreite(), f.pfb, f.mra ? f.prb : 0};
  return t;
}

void TLePlnForm::LeerzellenMenue(IMenue& menue, int tag, int stunde) {
  TPlnForm::LeerzellenMenue(menue, tag, stunde);
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

TZellTeile TKlPlnForm::Teile(const TKurs* kurs) const {
  const auto& st = Schule().Standard();
  const auto& f = st.PlanFenster;
  TZellTeile t;
  t.teil = {MitKopplung(kurs, ZeigtKopplung()) ? Teil::Kopplung : Teil::Lehrer, Teil::Fach,
            f.mra ? Teil::Raum : Teil::Keiner};
  t.breite = {st.GetPlnLeKoBreite(), f.pfb, f.mra ? f.prb : 0};
  return t;
}

void TKlPlnForm::LeerzellenMenue(IMenue& menue, int tag, int stunde) {
  TPlnForm::LeerzellenMenue(menue, tag, stunde);
}

QString TKlPlnForm::KopierText(const TKurs& kurs, int tag, int stunde) const {
  if (!(Tasten() & Taste::Shift)) return TPlnForm::KopierText(kurs, tag, stunde);
  const int raum = Schule().Standard().PlanFenster.mra ? Teil::Raum : Teil::Keiner;
  const TKopplung* ko = kurs.Kopplung();
  if (ko == nullptr) return ZellText(kurs, tag, stunde, Drei(Teil::Lehrer, Teil::Fach, raum));
  if (ZeigtKopplung()) return ZellText(kurs, tag, stunde, Drei(Teil::Kopplung, Teil::Keiner, Teil::Keiner));
  const TKurs* erster = ko->Kurse().Hole(1);
  return ZellText(erster != nullptr ? *erster : kurs, tag, stunde, Drei(Teil::Kopplung, Teil::Fach, raum));
}

void TKlPlnForm::KopierZeilen(int stunde, QStringList& zeilen) const {
  if (!(Tasten() & Taste::Shift)) return;
  const int raum = Schule().Standard().PlanFenster.mra ? Teil::Raum : Teil::Keiner;
  const bool o = ZeigtKopplung();
  int m = 0;
  for (int d = 1; d < PlnGrid->Spalten(); ++d)
    if (const TKurs* k = KursIn(d, stunde); k != nullptr && k->Kopplung() != nullptr)
      m = std::max(m, k->Kopplung()->Kurse().Anzahl());
  // With "o" every course of the coupling gets a line; with "x" the first stands in the main line.
  const int erste = o ? 1 : 2;
  if (!o) m = std::max(m, 1);
  for (int i = erste; i <= m; ++i) {
    QString zeile;
    for (int d = 1; d < PlnGrid->Spalten(); ++d) {
      zeile += QLatin1Char('\t');
      const TKurs* k = KursIn(d, stunde);
      if (k == nullptr || k->Kopplung() == nullptr) continue;
      const TKurs* iter = k->Kopplung()->Kurse().Hole(i);
      if (iter == nullptr) continue;
      const TZellTeile teile = Drei(o ? Teil::Lehrer : Teil::Kopplung, Teil::Fach, raum);
      zeile += ZellText(*iter, d, stunde, teile);
    }
    zeilen << zeile;
  }
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

TZellTeile TRaPlnForm::Teile(const TKurs* kurs) const {
  const auto& st = Schule().Standard();
  const auto& f = st.PlanFenster;
  TZellTeile t;
  t.teil = {Teil::Lehrer, MitKopplung(kurs, ZeigtKopplung()) ? Teil::Kopplung : Teil::Klasse,
            f.mra ? Teil::Fach : Teil::Keiner};
  t.breite = {f.plb, st.GetPlnKlKoBreite(), f.mra ? f.pfb : 0};
  return t;
}

QString TRaPlnForm::KopierText(const TKurs& kurs, int tag, int stunde) const {
  const TZellTeile t =
      Drei(Teil::Lehrer, MitKopplung(&kurs, ZeigtKopplung()) ? Teil::Kopplung : Teil::Klasse, Teil::Fach);
  return ZellText(kurs, tag, stunde, t);
}

void TRaPlnForm::LeerzellenMenue(IMenue& menue, int tag, int stunde) {
  TPlnForm::LeerzellenMenue(menue, tag, stunde);
}

}  // namespace kolvar
