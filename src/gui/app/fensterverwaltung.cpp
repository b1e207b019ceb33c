#include "app/fensterverwaltung.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <algorithm>

#include "ansicht/blaettern.h"
#include "app/fensteroeffner.h"
#include "app/fensterordform.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "model/fensterplatz.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/kindfenster.h"

namespace kolvar {

namespace {

TRechteck Rechteck(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

QScreen* Bildschirm() {
  return QGuiApplication::primaryScreen();
}

// The frame's place the cascade gave a window, until a saved place replaces it.
constexpr const char* kPlatzSoll = "kvPlatzSoll";

}  // namespace

TFensterVerwaltung::TFensterVerwaltung(TKolvarPalette& palette, QMenu& menue, const TFensterOeffner& oeffner)
    : palette_(palette), menue_(menue), oeffner_(oeffner) {}

// ---------------------------------------------------------------------------------------------
// Registration and the "Fenster" menu

void TFensterVerwaltung::FensterAnmelden(TKindFenster& fenster) {
  PlatziereFenster(fenster, static_cast<int>(eintraege_.size()) + 1, true);
  for (const TEintrag& e : eintraege_) e.aktion->setChecked(false);
  auto* aktion = new QAction(fenster.Caption(), &menue_);
  aktion->setCheckable(true);
  aktion->setChecked(true);
  menue_.addAction(aktion);
  TKindFenster* ziel = &fenster;
  QObject::connect(aktion, &QAction::triggered, &menue_,
                   [this, ziel] { palette_.Menues().FuehreAus([ziel] { ziel->NachVorn(); }); });
  eintraege_.push_back({ziel, aktion});
}

void TFensterVerwaltung::FensterAbmelden(TKindFenster& fenster) {
  auto it = std::find_if(eintraege_.begin(), eintraege_.end(),
                         [&fenster](const TEintrag& e) { return e.fenster == &fenster; });
  if (it == eintraege_.end()) return;
  menue_.removeAction(it->aktion);
  delete it->aktion;
  eintraege_.erase(it);
  if (!palette_.IstBeendet()) palette_.MenusAnpassen();
}

void TFensterVerwaltung::FensterAktiviert(TKindFenster&) {
  palette_.MenusAnpassen();
}

void TFensterVerwaltung::FensterUmbenannt(TKindFenster& fenster) {
  for (const TEintrag& e : eintraege_)
    if (e.fenster == &fenster) e.aktion->setText(fenster.Caption());
}

std::vector<QAction*> TFensterVerwaltung::FensterAktionen() const {
  std::vector<QAction*> aktionen;
  for (const TEintrag& e : eintraege_) aktionen.push_back(e.aktion);
  return aktionen;
}

void TFensterVerwaltung::FensterMenuMarkieren(const TKindFenster* fenster) {
  for (const TEintrag& e : eintraege_) e.aktion->setChecked(fenster != nullptr && e.fenster == fenster);
}

std::vector<TFenster> TFensterVerwaltung::OffeneFenster() const {
  // In the order of the school's list. Place and size are both the inside's: the frame's extents
  // are known only once the window manager has framed a window, and a place taken as the frame's
  // but given back as the inside's moves a window by its title bar on every save.
  std::vector<TFenster> saetze;
  for (IFenster* f : palette_.Schule().Fenster()) {
    auto* k = dynamic_cast<TKindFenster*>(f);
    if (k == nullptr) continue;
    const QRect innen = k->geometry();
    saetze.push_back({k->Tag(), k->Titel(), innen.x(), innen.y(), innen.width(), innen.height()});
  }
  return saetze;
}

// ---------------------------------------------------------------------------------------------
// Arrangement and closing

void TFensterVerwaltung::PlatziereFenster(TKindFenster& fenster, int nummer, bool neu) {
  QRect bildschirm(0, 0, 1280, 1024);
  QRect verfuegbar = bildschirm;
  if (QScreen* s = Bildschirm()) {
    bildschirm = s->geometry();
    verfuegbar = s->availableGeometry();
  }
  const TStandard& standard = palette_.Standard();
  const TRechteck palette = Rechteck(palette_.frameGeometry());
  TPunkt ort;
  if (neu) {
    std::vector<TPunkt> belegt;
    for (const TEintrag& e : eintraege_)
      if (e.fenster != &fenster) belegt.push_back({e.fenster->x(), e.fenster->y()});
    ort = FreierFensterPlatz(nummer, standard.FensterAnordnung, palette, standard.pas, bildschirm.width(),
                             bildschirm.height(), belegt);
  } else {
    ort = FensterPlatz(nummer, standard.FensterAnordnung, palette, standard.pas, bildschirm.width(),
                       bildschirm.height());
  }
  // A window that leaves its size to its layout gets it now: sized only when shown, it was placed by
  // its inside, so its title bar went under the palette.
  if (!fenster.testAttribute(Qt::WA_Resized)) fenster.adjustSize();
  // The room beside the palette: a window larger than it is made to fit where it may be resized,
  // since one moved up or left to end on the screen would hide its title bar under the palette.
  const TPunkt abstand = PalettenAbstand(palette, standard.pas, bildschirm.width(), bildschirm.height());
  QRect frei = verfuegbar;
  frei.setLeft(std::max(frei.left(), abstand.X));
  frei.setTop(std::max(frei.top(), abstand.Y));
  // Before a window is framed its frame is unknown; the palette's is the best guess.
  QSize rand = fenster.frameGeometry().size() - fenster.size();
  if (!fenster.isVisible() && palette_.isVisible()) rand = palette_.frameGeometry().size() - palette_.size();
  const QSize platz = frei.size() - rand;
  if (fenster.height() > platz.height() && fenster.minimumHeight() < fenster.maximumHeight())
    fenster.resize(fenster.width(), std::max(fenster.minimumHeight(), platz.height()));
  if (fenster.width() > platz.width() && fenster.minimumWidth() < fenster.maximumWidth())
    fenster.resize(std::max(fenster.minimumWidth(), platz.width()), fenster.height());
  // A window wider than its column or quadrant moves left (up) until it ends on the screen.
  const QSize rahmen = fenster.size() + rand;
  ort = ImBildschirm({ort.X, ort.Y, rahmen.width(), rahmen.height()}, Rechteck(frei));
  fenster.move(ort.X, ort.Y);
  // Before the window manager has framed a new window, Qt can only guess its frame; once it is
  // shown, the frame goes where it was meant to be, unless the window was given a place since.
  const QPoint soll(ort.X, ort.Y);
  fenster.setProperty(kPlatzSoll, soll);
  QPointer<TKindFenster> wache(&fenster);
  QTimer::singleShot(150, &fenster, [wache, soll] {
    if (!wache || !wache->isVisible() || wache->property(kPlatzSoll).toPoint() != soll) return;
    if (wache->frameGeometry().topLeft() != soll) wache->move(soll);
  });
}

void TFensterVerwaltung::AnordnungItemClick() {
  TFensterOrdForm form(palette_.Standard(), &palette_);
  if (form.Zeige() == mrOk) OrdneFensterAn();
}

TFensterVerwaltung::TUmordnung::TUmordnung(TFensterVerwaltung& verwaltung, bool umgestapelt)
    : verwaltung_(verwaltung) {
  ++verwaltung_.umordnungen_;
  if (umgestapelt) verwaltung_.umgestapelt_ = true;
}

TFensterVerwaltung::TUmordnung::~TUmordnung() {
  if (--verwaltung_.umordnungen_ > 0 || !verwaltung_.umgestapelt_) return;
  verwaltung_.umgestapelt_ = false;
  verwaltung_.AktivesNachVorn();
}

void TFensterVerwaltung::AktivesNachVorn() {
  if (palette_.IstBeendet()) return;
  auto* aktiv = dynamic_cast<TKindFenster*>(palette_.Schule().AktivesFenster());
  if (aktiv != nullptr && aktiv->IstAngemeldet() && !aktiv->WirdFreigegeben()) aktiv->NachVorn();
}

void TFensterVerwaltung::OrdneFensterAn() {
  const TUmordnung umordnung(*this);
  palette_.raise();
  int nummer = 0;
  for (const TEintrag& e : eintraege_) {
    ++nummer;
    if (const TFensterArtInfo* art = FensterArtInfo(e.fenster->Tag()); art && art->BehaeltPlatz) continue;
    PlatziereFenster(*e.fenster, nummer);
    e.fenster->raise();
  }
}

void TFensterVerwaltung::FensterSchliessenItemClick() {
  TSchule& schule = palette_.Schule();
  if (palette_.Tasten() & Taste::Shift) {
    // Each window once, from a snapshot: a window that refuses stays open.
    for (IFenster* f : schule.Fenster()) {
      if (!schule.IstAngemeldet(f)) continue;
      if (auto* k = dynamic_cast<TKindFenster*>(f))
        k->SchliesseFrage();
      else
        f->Schliesse();
    }
  } else if (IFenster* aktiv = schule.AktivesFenster()) {
    if (auto* k = dynamic_cast<TKindFenster*>(aktiv))
      k->SchliesseFrage();
    else
      aktiv->Schliesse();
  }
  palette_.MenusAnpassen();
}

void TFensterVerwaltung::SchliesseAlleFenster() {
  TSchule& schule = palette_.Schule();
  for (IFenster* f : schule.Fenster())
    if (schule.IstAngemeldet(f)) f->Schliesse();
}

bool TFensterVerwaltung::DuerfenAlleSchliessen() {
  TSchule& schule = palette_.Schule();
  for (IFenster* f : schule.Fenster())
    if (auto* form = dynamic_cast<TKindFenster*>(f); form != nullptr && schule.IstAngemeldet(f))
      if (!form->DarfSchliessen()) return false;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Saved windows, stepping and switching

void TFensterVerwaltung::WiederOeffnen(const TFenster& satz) {
  TSchule& schule = palette_.Schule();
  const std::size_t vorher = eintraege_.size();
  TElementArt art{};
  if (ListeDerArt(satz.Art, art)) {
    // The caption after its first blank is the abbreviation; the last element that has it.
    const std::string& titel = satz.Titel;
    const std::size_t blank = titel.find(' ');
    const std::string kuerzel = blank == std::string::npos ? std::string() : titel.substr(blank + 1);
    TElement* gefunden = nullptr;
    for (TElement* e : schule.Elemente(art))
      if (e->Kuerzel() == kuerzel) gefunden = e;
    const int gruppe = FensterArtInfo(satz.Art)->Gruppe;
    if (gefunden != nullptr && oeffner_.HatElementOeffner(gruppe)) {
      schule.SetzeAnsichtsgruppe(static_cast<uint8_t>(gruppe));
      oeffner_.OeffneElement(gruppe, gefunden, palette_.Tasten());
    }
  } else {
    oeffner_.OeffneArt(satz.Art);
  }
  if (eintraege_.size() <= vorher) return;
  // The place where enough of the screen is left; a size only when smaller than the window's own.
  TKindFenster* fenster = eintraege_.back().fenster;
  QRect flaeche(0, 0, 1 << 20, 1 << 20);
  if (QScreen* bildschirm = Bildschirm()) flaeche = bildschirm->geometry();
  QRect innen = fenster->geometry();
  const QRect bisher = innen;
  // A stored place left of or above the screen (another monitor once) is not taken either.
  if (satz.Links >= flaeche.left() && flaeche.right() - satz.Links > 200) innen.moveLeft(satz.Links);
  if (satz.Oben >= flaeche.top() && flaeche.bottom() - satz.Oben > 200) innen.moveTop(satz.Oben);
  const TFensterArtInfo* info = FensterArtInfo(satz.Art);
  const TGroessenRueckgabe groesse = info ? info->Groesse : TGroessenRueckgabe::Keine;
  const bool breiteNehmen = groesse == TGroessenRueckgabe::BreiteUndHoehe;
  const bool hoeheNehmen = groesse != TGroessenRueckgabe::Keine;
  if (hoeheNehmen && satz.Hoehe > 0 && satz.Hoehe < innen.height()) innen.setHeight(satz.Hoehe);
  if (breiteNehmen && satz.Breite > 0 && satz.Breite < innen.width()) innen.setWidth(satz.Breite);
  // The inside's rectangle: Qt sets it exactly, framed or not yet; the cascade's late correction
  // must not take the window back.
  if (innen.topLeft() != bisher.topLeft()) fenster->setProperty(kPlatzSoll, QVariant());
  if (innen != bisher) fenster->setGeometry(innen);
}

void TFensterVerwaltung::Blaettern(bool vorwaerts) {
  TSchule& schule = palette_.Schule();
  IFenster* aktiv = schule.AktivesFenster();
  if (aktiv == nullptr) return;
  // Looking through the elements changes nothing, so the modified flag stays as it is.
  if (auto* eigen = dynamic_cast<TKindFenster*>(aktiv); eigen != nullptr && eigen->Blaettere(vorwaerts))
    return;
  const int gruppe = schule.Ansichtsgruppe();
  if (oeffner_.HatElementOeffner(gruppe)) {
    if (TElement* ziel = BlaetterZiel(schule, aktiv->Tag(), aktiv->Element(), vorwaerts, palette_.Tasten()))
      oeffner_.OeffneElement(gruppe, ziel, palette_.Tasten());
  }
}

void TFensterVerwaltung::ElementFensterWechseln(int gruppe) {
  IFenster* aktiv = palette_.Schule().AktivesFenster();
  if (aktiv == nullptr || !oeffner_.HatElementOeffner(gruppe)) return;
  if (!UmschaltbarNach(aktiv->Tag(), gruppe)) return;
  TElement* element = aktiv->Element();
  if (element == nullptr) return;
  if (!(palette_.Tasten() & Taste::Shift)) aktiv->Schliesse();
  oeffner_.OeffneElement(gruppe, element, 0);
}

}  // namespace kolvar
