#include "views/manuellform.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "ansicht/planzuege.h"
#include "ansicht/zellteile.h"
#include "model/element.h"
#include "model/fach.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/cursoren.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/popupdienst.h"
#include "platform/qtext.h"
#include "platform/spaltenmenue.h"
#include "views/setzdialoge.h"

namespace kolvar {

namespace {

constexpr int kStrich = 5;   // height of the mark strip under each row
constexpr int kZeichen = 5;  // a reason sign's size
constexpr int kZeichenAbstand = 7;

QColor Farbe(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QString Kennbuchstabe(const TPlanElement* e) {
  if (e == nullptr) return QStringLiteral(" ");
  switch (e->Art()) {
    case TElementArt::Lehrer:
      return QStringLiteral("L");
    case TElementArt::Klasse:
      return QStringLiteral("K");
    case TElementArt::Raum:
      return QStringLiteral("A");
    default:
      return QStringLiteral("O");
  }
}

QString OderOhne(const TElement* e) {
  return e != nullptr ? Q(e->Kuerzel()) : QStringLiteral("ohne");
}

// Panel columns and rows of the layouts "1", "2 hoch", "2 quer", "3 hoch", "3 quer", "4".
QSize Raster(int pma) {
  static constexpr std::array<std::pair<int, int>, 6> raster{
      {{1, 1}, {2, 1}, {1, 2}, {3, 1}, {1, 3}, {2, 2}}};
  const auto [s, z] = raster[static_cast<std::size_t>(std::clamp(pma, 0, 5))];
  return {s, z};
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The close question

TManSchliessForm::TManSchliessForm(QWidget* eltern) : TKvDialog(eltern) {
  setWindowTitle(QStringLiteral("Manuellfenster schließen"));
  auto* spalte = new QVBoxLayout(this);
  for (const char* zeile : {"Es sind noch Kurse vorhanden, bei denen", "nicht alle Stunden verplant sind.",
                            "Soll das Manuellfenster trotzdem geschlossen werden?"})
    spalte->addWidget(new QLabel(QString::fromUtf8(zeile), this));
  auto* knoepfe = new QHBoxLayout;
  auto* nein = new QPushButton(QStringLiteral("Nein"), this);
  auto* ja = new QPushButton(QStringLiteral("Ja"), this);
  knoepfe->addStretch();
  knoepfe->addWidget(nein);
  knoepfe->addWidget(ja);
  spalte->addLayout(knoepfe);
  KnopfErgebnis(nein, Modal::Nein);
  KnopfErgebnis(ja, Modal::Ja);
  SetzeStandardKnopf(nein);
  SetzeAbbruchKnopf(nein);
}

// ---------------------------------------------------------------------------------------------
// Set-up

TManuellForm::TManuellForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::Manuell, schule, palette, nullptr, eltern),
      palette_(palette),
      planung_(schule) {
  SetzeCaption(QStringLiteral("Manuell"));
  LinksBox = new QGroupBox(QStringLiteral("aktueller Kurs"), this);
  // The box is 80 pixels wide whatever the desktop's font: its title must fit.
  QFont boxSchrift = LinksBox->font();
  while (boxSchrift.pointSize() > 6 &&
         QFontMetrics(boxSchrift).horizontalAdvance(LinksBox->title()) > 80 - 12)
    boxSchrift.setPointSize(boxSchrift.pointSize() - 1);
  LinksBox->setFont(boxSchrift);
  auto* box = new QVBoxLayout(LinksBox);
  box->setContentsMargins(4, 4, 4, 4);
  box->setSpacing(2);
  auto feld = [&](const QString& titel, QPushButton** knopf) {
    if (knopf != nullptr) {
      *knopf = new QPushButton(titel, LinksBox);
      box->addWidget(*knopf);
    } else {
      box->addWidget(new QLabel(titel, LinksBox));
    }
    auto* f = new QLabel(QStringLiteral("ohne"), LinksBox);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Sunken);
    box->addWidget(f);
    return f;
  };
  StdFeld = feld(QStringLiteral("Stunden"), nullptr);
  RestFeld = feld(QStringLiteral("Rest"), nullptr);
  LehrerFeld = feld(QStringLiteral("Lehrer"), &LehrerKnopf);
  FachFeld = feld(QStringLiteral("Fach"), &FachKnopf);
  KlassenFeld = feld(QStringLiteral("Klasse"), &KlassenKnopf);
  KopplFeld = feld(QStringLiteral("Kopplung"), &KopplKnopf);
  RaumFeld = feld(QStringLiteral("Raum"), &RaumKnopf);
  box->addWidget(new QLabel(QStringLiteral("Zeige"), LinksBox));
  ZeigeKnopf = new QPushButton(LinksBox);
  box->addWidget(ZeigeKnopf);
  box->addStretch();
  connect(LehrerKnopf, &QPushButton::clicked, this, [this] { LehrerKnopfClick(); });
  connect(FachKnopf, &QPushButton::clicked, this, [this] { FachKnopfClick(); });
  connect(KlassenKnopf, &QPushButton::clicked, this, [this] { KlassenKnopfClick(); });
  connect(KopplKnopf, &QPushButton::clicked, this, [this] { KopplKnopfClick(); });
  connect(RaumKnopf, &QPushButton::clicked, this, [this] { RaumKnopfClick(); });
  connect(ZeigeKnopf, &QPushButton::clicked, this, [this] { ZeigeKnopfClick(); });
  // The window sees the arrow keys before its buttons do, which would move the focus with them.
  for (QPushButton* knopf : LinksBox->findChildren<QPushButton*>()) knopf->installEventFilter(this);

  for (int i = 0; i < kPanels; ++i) {
    TPanel& panel = panels_[static_cast<std::size_t>(i)];
    panel.rahmen = new QFrame(this);
    panel.rahmen->setFrameShape(QFrame::StyledPanel);
    panel.label = new QLabel(panel.rahmen);
    panel.gitter = new TGitter(panel.rahmen);
    TGitter* g = panel.gitter;
    g->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien);
    g->SetzeZiehCursor(KolvarCursor(QStringLiteral("GRIFF")));
    g->SetzeZeichner([this, i](QPainter& p, int s, int z, const QRect& r, TZellZustand zustand) {
      PlanZelleZeichnen(i, p, s, z, r, zustand.ausgewaehlt);
    });
    connect(g, &TGitter::ZelleGedrueckt, this,
            [this, i, g](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint ort) {
              GridMouseDown(i, s, z, knopf, g->viewport()->mapToGlobal(ort));
            });
    connect(g, &TGitter::ZelleLosgelassen, this,
            [this, i](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
              GridMouseUp(i, s, z, knopf);
            });
    connect(g, &TGitter::Doppelklick, this,
            [this, i](int s, int z, Qt::KeyboardModifiers) { GridDblClick(i, s, z); });
    connect(g, &TGitter::ZiehenEnde, this,
            [this, i](int qs, int qz, int zs, int zz) { GridEndDrag(i, qs, qz, zs, zz); });
    connect(g, &TGitter::ZiehenAbgebrochen, this, [this] { MarkierungenLoeschen(); });
    connect(g, &TGitter::TasteGedrueckt, this, [this](QKeyEvent* e) {
      if (TasteLinksRechts(e)) e->accept();
    });
    connect(g, &TGitter::ObenLinksGeaendert, this, [this, i] { Gleichlauf(i); });
    connect(g, &TGitter::AuswahlGeaendert, this, [this, i] { Gleichlauf(i); });
  }
  menueZeit_ = new QTimer(this);
  menueZeit_->setSingleShot(true);
  Schule().Palette().SetzeUndoAufzeichnen(true);
  ManuellAnordnen();
  // Like a plan window, the window starts with its (first) plan.
  panels_[0].gitter->setFocus();
}

void TManuellForm::keyPressEvent(QKeyEvent* ereignis) {
  if (TasteLinksRechts(ereignis)) return;
  TKindFenster::keyPressEvent(ereignis);
}

bool TManuellForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::KeyPress && TasteLinksRechts(static_cast<QKeyEvent*>(ereignis)))
    return true;
  return TKindFenster::eventFilter(objekt, ereignis);
}

bool TManuellForm::MenueWartet() const {
  return menueZeit_->isActive();
}

TManuellForm::~TManuellForm() = default;

int TManuellForm::Gitterzahl() const {
  const QSize r = Raster(Schule().Standard().PlanFenster.pma);
  return r.width() * r.height();
}

int TManuellForm::Version() const {
  return Schule().Standard().AktuelleVersion();
}

uint8_t TManuellForm::Tasten() const {
  return Schule().Palette().Tasten();
}

bool TManuellForm::IstAktiv() const {
  return Schule().AktivesFenster() == static_cast<const IFenster*>(static_cast<const TKindFenster*>(this));
}

bool TManuellForm::IstKoerper(int i, int spalte, int zeile) const {
  const TGitter* g = Gitter(i);
  return i < Gitterzahl() && spalte >= 1 && zeile >= 1 && spalte < g->Spalten() && zeile < g->Zeilen();
}

void TManuellForm::GitterVorbereiten(TPanel& panel) {
  const TStandard& st = Schule().Standard();
  const auto& f = st.PlanFenster;
  TGitter* g = panel.gitter;
  g->BrecheZiehenAb();
  g->Leeren();
  g->SetzeZeilen(std::clamp(st.pst, 1, kStunden) + 1);
  g->SetzeSpalten(std::clamp(st.mtn, 1, kTage) + 1);
  g->SetzeFesteZeilen(1);
  g->SetzeFesteSpalten(1);
  QFont schrift(Q(f.Schrift.Name));
  schrift.setPointSize(std::max(1, f.Schrift.Groesse));
  g->setFont(schrift);
  const int zeile = st.PlanZeilenHoehe;
  const int faktor = f.neb ? (f.mra ? 3 : 2) : 1;
  g->SetzeStandardBreite(st.GetPlnMaxBreite() * faktor);
  const int strich = planung_.OhneGruende() ? 0 : kStrich;
  g->SetzeStandardHoehe((f.neb ? zeile : (f.mra ? 3 * zeile : 2 * zeile)) + strich);
  g->SetzeZeilenHoehe(0, zeile);
  const int v = Version();
  QFontMetrics mass(schrift);
  int breite = mass.horizontalAdvance(QStringLiteral("W"));
  for (int p = 1; p < g->Zeilen(); ++p) {
    const QString text = Q(st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)]);
    g->SetzeText(0, p, text);
    breite = std::max(breite, mass.horizontalAdvance(text) + 6);
  }
  g->SetzeSpaltenBreite(0, breite);
  for (int d = 1; d < g->Spalten(); ++d) g->SetzeText(d, 0, Q(st.spg[static_cast<std::size_t>(d - 1)]));
  g->SetzeText(0, 0, Kennbuchstabe(panel.element));
  panel.zellen.Leere(g->Spalten() - 1, g->Zeilen() - 1);
}

void TManuellForm::ManuellAnordnen() {
  const TStandard& st = Schule().Standard();
  for (TPanel& panel : panels_) GitterVorbereiten(panel);
  TManuellMasse m;
  m.Pma = st.PlanFenster.pma;
  m.Tage = std::clamp(st.mtn, 1, kTage);
  m.Stunden = std::clamp(st.pst, 1, kStunden);
  m.ZeilenHoehe = st.PlanZeilenHoehe;
  m.MaxBreite = st.GetPlnMaxBreite();
  m.StundenBreite = panels_[0].gitter->SpaltenBreite(0);
  m.Neb = st.PlanFenster.neb;
  m.Mra = st.PlanFenster.mra;
  m.Gruende = !planung_.OhneGruende();
  m.Pas = st.pas;
  if (const QWidget* pal = parentWidget()) {
    const QRect r = pal->frameGeometry();
    m.Palette = {r.x(), r.y(), r.width(), r.height()};
  }
  const QScreen* bildschirm = screen() != nullptr ? screen() : QApplication::primaryScreen();
  const QRect flaeche = bildschirm != nullptr ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);
  m.Bildschirm = {flaeche.x(), flaeche.y(), flaeche.width(), flaeche.height()};
  // Once on the screen the window is where the user put it: a refresh leaves it there.
  const bool aufBildschirm = isVisible();
  if (aufBildschirm) {
    m.HatOrt = true;
    m.Ort = {frameGeometry().x(), frameGeometry().y()};
  }
  TManuellGeometrie g = ManuellGeometrie(m);
  // The sizes count a frame of 10 x 25 pixels; the inside keeps a margin of 5 all round.
  auto innen = [&g] { return QSize(g.Fenster.Breite - 10, g.Fenster.Hoehe - 25); };
  // A new size keeps the corner, but not a title bar under the palette, which stays on top.
  if (aufBildschirm && innen() != size()) {
    m.PaletteFreilassen = true;
    g = ManuellGeometrie(m);
  }

  LinksBox->setGeometry(g.Box.Links, g.Box.Oben, g.Box.Breite, g.Box.Hoehe);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    TPanel& panel = panels_[i];
    const bool da = i < g.Panels.size();
    panel.rahmen->setVisible(da);
    if (!da) {
      panel.element = nullptr;
      continue;
    }
    const TRechteck& r = g.Panels[i];
    panel.rahmen->setGeometry(r.Links, r.Oben, r.Breite, r.Hoehe);
    panel.label->move(g.LabelLinks(), 5);
    panel.label->adjustSize();
    panel.gitter->setGeometry(2, 22, r.Breite - 4, r.Hoehe - 24);
  }
  const QPoint ort(g.Fenster.Links, g.Fenster.Oben);
  if (!aufBildschirm || ort != frameGeometry().topLeft()) {
    ort_ = ort;
    Platziere();
  }
  resize(innen());
  SetzePanelAktiv(std::min(aktivesPanel_, Gitterzahl() - 1));
  SetzeCursorNachModus(Schule().Werkzeugmodus(), Tasten());
}

void TManuellForm::Platziere() {
  // A framed window moves by its frame. Before the window manager has framed it, Qt knows no
  // frame and a move would place the inside there: the window is told that the place is the
  // frame's (told later, the window manager would put the inside there).
  const bool gerahmt = frameGeometry() != geometry();
  move(ort_);
  if (!gerahmt)
    if (QWindow* fenster = windowHandle()) fenster->setFramePosition(ort_);
}

void TManuellForm::showEvent(QShowEvent* ereignis) {
  // Registering placed it like any other window; it has a place of its own.
  if (!ereignis->spontaneous()) Platziere();
  TKindFenster::showEvent(ereignis);
}

void TManuellForm::Gleichlauf(int quelle) {
  if (gleichlauf_) return;
  gleichlauf_ = true;
  const TGitter* q = Gitter(quelle);
  for (int i = 0; i < Gitterzahl(); ++i) {
    if (i == quelle) continue;
    TGitter* g = Gitter(i);
    g->SetzeObersteZeile(q->ObersteZeile());
    g->SetzeLinkeSpalte(q->LinkeSpalte());
    g->SetzeAuswahl(q->Auswahl());
  }
  gleichlauf_ = false;
}

// ---------------------------------------------------------------------------------------------
// Showing

void TManuellForm::MitKursliste(const std::vector<TKurs*>& kurse, bool ohneGruende) {
  planung_.MitKursliste(kurse, ohneGruende);
  ManuellAnordnen();
  ZeigeAktKurs();
}

void TManuellForm::ErsterKursAktuell() {
  if (!planung_.Kurse().empty()) SetzeAktKurs(planung_.Kurse().front());
}

void TManuellForm::SetzeAktKurs(TKurs* kurs) {
  if (planung_.SetzeAktKurs(kurs)) ZeigeAktKurs();
}

void TManuellForm::ZeigeFelder() {
  const TKurs* k = planung_.AktKurs();
  ZeigeKnopf->setText(Schule().Standard().PlanFenster.pzk ? QStringLiteral("Kopplung")
                                                          : QStringLiteral("Le/Kl"));
  StdFeld->setText(k != nullptr ? QString::number(k->Stunden(-1)) : QString());
  RestFeld->setText(k != nullptr ? QString::number(k->Stunden(-1) - k->GesetzteStunden(-1)) : QString());
  LehrerFeld->setText(OderOhne(k != nullptr ? k->Lehrer() : nullptr));
  FachFeld->setText(OderOhne(k != nullptr ? k->Fach() : nullptr));
  KlassenFeld->setText(OderOhne(k != nullptr ? k->Klassen().Hole(1) : nullptr));
  KopplFeld->setText(OderOhne(planung_.GezeigteKopplung()));
  // A palette, not a style sheet: a style sheet gives the label the application's font, not the
  // left box's smaller one.
  QPalette farben = RestFeld->palette();
  if (planung_.KopplungsModus()) farben.setColor(QPalette::WindowText, Qt::red);
  KopplFeld->setPalette(farben);
  RaumFeld->setText(OderOhne(planung_.Raum()));
}

std::vector<TPlanElement*> TManuellForm::KursElemente() const {
  TKurs* k = planung_.AktKurs();
  std::vector<TPlanElement*> elemente;
  if (k != nullptr) {
    if (TKlasse* kl = k->Klassen().Hole(1)) elemente.push_back(kl);
    if (k->Lehrer() != nullptr) elemente.push_back(k->Lehrer());
    if (planung_.Raum() != nullptr) elemente.push_back(planung_.Raum());
  }
  return elemente;
}

void TManuellForm::ZeigeAktKurs() {
  ZeigeFelder();
  const std::vector<TPlanElement*> elemente = KursElemente();
  for (int i = 0; i < Gitterzahl(); ++i)
    ZeigeElementPlan(i,
                     i < static_cast<int>(elemente.size()) ? elemente[static_cast<std::size_t>(i)] : nullptr);
  SetzePanelAktiv(0);
}

void TManuellForm::ZeigeElementPlan(int i, TPlanElement* e) {
  TPanel& panel = panels_[static_cast<std::size_t>(i)];
  panel.element = e;
  panel.label->setText(e != nullptr ? Q(e->Kuerzel()) : QString());
  panel.label->adjustSize();
  panel.gitter->SetzeText(0, 0, Kennbuchstabe(e));
  FuelleGitter(i);
}

void TManuellForm::FuelleGitter(int i) {
  TPanel& panel = panels_[static_cast<std::size_t>(i)];
  panel.zellen.Leere(panel.gitter->Spalten() - 1, panel.gitter->Zeilen() - 1);
  if (panel.element != nullptr) {
    const int v = Version();
    panel.zellen.Fuelle(*panel.element, v);
    // A class cell keeps the current course when it is one of the lessons there.
    const TKurs* akt = planung_.AktKurs();
    if (akt != nullptr && panel.element->Art() == TElementArt::Klasse)
      for (const TSetzung* s : akt->Setzungen())
        if (s->Version() == v && panel.zellen.Gueltig(s->Tag(), s->Stunde()))
          panel.zellen.SetzeKurs(s->Tag(), s->Stunde(), const_cast<TKurs*>(akt));
  }
  panel.gitter->viewport()->update();
}

void TManuellForm::ZeigeImAktivenPanel(TPlanElement* e) {
  ZeigeElementPlan(aktivesPanel_, e);
}

void TManuellForm::SetzePanelAktiv(int i) {
  aktivesPanel_ = std::max(0, i);
  for (int j = 0; j < kPanels; ++j)
    panels_[static_cast<std::size_t>(j)].rahmen->setStyleSheet(
        j == aktivesPanel_ ? QStringLiteral("QFrame#%1 { background: rgb(192,192,192); }").arg(j)
                           : QString());
  for (int j = 0; j < kPanels; ++j)
    panels_[static_cast<std::size_t>(j)].rahmen->setObjectName(QString::number(j));
}

void TManuellForm::Aktualisiere() {
  std::array<bool, kPanels> verborgen{};
  for (int i = 0; i < kPanels; ++i)
    verborgen[static_cast<std::size_t>(i)] = panels_[static_cast<std::size_t>(i)].rahmen->isHidden();
  ManuellAnordnen();
  // Panels a larger layout adds show the current course's plans they would show on choosing it.
  const std::vector<TPlanElement*> elemente = KursElemente();
  for (int i = 0; i < Gitterzahl(); ++i) {
    TPanel& panel = panels_[static_cast<std::size_t>(i)];
    if (verborgen[static_cast<std::size_t>(i)] && panel.element == nullptr &&
        i < static_cast<int>(elemente.size())) {
      panel.element = elemente[static_cast<std::size_t>(i)];
      panel.label->clear();
    }
    panel.gitter->SetzeText(0, 0, Kennbuchstabe(panel.element));
    if (panel.label->text().isEmpty() && panel.element != nullptr) {
      panel.label->setText(Q(panel.element->Kuerzel()));
      panel.label->adjustSize();
    }
  }
  NeuZeichnen();
}

void TManuellForm::Aenderungen(const TAenderungen& a) {
  // The school knows this window by its TKindFenster side.
  uint8_t was = a.FuerFenster(static_cast<const TKindFenster&>(*this));
  // The current course's locks (its editor's lock grid) change why slots are closed to it,
  // and so do a teacher's, class's or room's: the grids show them and the reasons name them.
  if (a.Kurs(planung_.AktKurs()) & Aenderung::Zeichnen) was |= Aenderung::Zeichnen;
  for (const TElement* e : a.ElementeMit(Aenderung::Zeichnen))
    if (e->Art() == TElementArt::Lehrer || e->Art() == TElementArt::Klasse || e->Art() == TElementArt::Raum)
      was |= Aenderung::Zeichnen;
  TKindFenster::Reagiere(was);
}

QString TManuellForm::PanelTitel(int i) const {
  return panels_[static_cast<std::size_t>(i)].label->text();
}

void TManuellForm::NeuZeichnen() {
  // A panel's title follows its element's name.
  for (int i = 0; i < Gitterzahl(); ++i) {
    TPanel& panel = panels_[static_cast<std::size_t>(i)];
    if (panel.element != nullptr && panel.label->text() != Q(panel.element->Kuerzel())) {
      panel.label->setText(Q(panel.element->Kuerzel()));
      panel.label->adjustSize();
    }
  }
  planung_.SperrgruendeErmitteln();
  for (int i = 0; i < Gitterzahl(); ++i) FuelleGitter(i);
  ZeigeFelder();
}

void TManuellForm::ModusGeaendert() {
  const TKurs* k = planung_.AktKurs();
  if (k != nullptr && k->Kopplung() != nullptr && !planung_.OhneGruende()) {
    const int modus = Schule().Werkzeugmodus();
    if (modus == Modus::Setzen) planung_.SetzeKopplungsModus(false);
    if (modus == Modus::Schieben) planung_.SetzeKopplungsModus(true);
  }
  NeuZeichnen();
}

void TManuellForm::SetzeCursorNachModus(int modus, uint8_t tasten) {
  const QCursor cursor = ModusCursor(modus, tasten, false);
  const bool strg = tasten & Taste::Strg;
  for (TPanel& panel : panels_)
    if (!panel.gitter->Zieht()) panel.gitter->viewport()->setCursor(cursor);
  // The keys reach every window through here: letting go of Ctrl drops the candidates.
  if (modus == Modus::Schieben && (strgVorher_ && !strg)) MarkierungenLoeschen();
  strgVorher_ = strg;
}

void TManuellForm::NimmKursAuf(TKurs* kurs) {
  planung_.NimmKursAuf(kurs);
}

void TManuellForm::EntferneKurs(TKurs* kurs) {
  const TKurs* vorher = planung_.AktKurs();
  if (planung_.EntferneKurs(kurs)) {
    // Nothing left to place: the window goes without asking.
    for (TPanel& panel : panels_) panel.zellen.Leere(0, 0);
    Schliesse();
    return;
  }
  // The grids may still point at the course: they are filled again at once.
  if (planung_.AktKurs() != vorher)
    ZeigeAktKurs();
  else
    NeuZeichnen();
}

void TManuellForm::ElementWirdGeloescht(const TElement* e) {
  bool gezeigt = false;
  for (TPanel& panel : panels_) {
    if (panel.element != e) continue;
    gezeigt = true;
    panel.element = nullptr;
    panel.label->clear();
    panel.gitter->SetzeText(0, 0, Kennbuchstabe(nullptr));
  }
  planung_.VergissElement(e);
  // The course has let go of the element already: its panels show what it has left, as when it
  // became current, so that its teacher (say) is not hidden behind a blank class panel.
  if (gezeigt) ZeigeAktKurs();
  NeuZeichnen();
}

bool TManuellForm::Blaettere(bool vorwaerts) {
  TKurs* ziel = planung_.Nachbar(vorwaerts, Tasten() & Taste::Shift);
  if (ziel != nullptr) SetzeAktKurs(ziel);
  return true;
}

void TManuellForm::MarkierungenLoeschen() {
  for (int i = 0; i < kPanels; ++i) {
    panels_[static_cast<std::size_t>(i)].zellen.LoescheMarken();
    FuelleGitter(i);
  }
}

void TManuellForm::MarkiereAktKurs() {
  const TKurs* akt = planung_.AktKurs();
  for (int i = 0; i < Gitterzahl(); ++i) {
    TPanel& panel = panels_[static_cast<std::size_t>(i)];
    panel.zellen.MarkiereWo([&](int d, int p) { return akt != nullptr && panel.zellen.Kurs(d, p) == akt; });
    panel.gitter->viewport()->update();
  }
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TManuellForm::PlanZelleZeichnen(int i, QPainter& p, int spalte, int zeile, const QRect& r,
                                     bool ausgewaehlt) const {
  const TPanel& panel = panels_[static_cast<std::size_t>(i)];
  if (spalte == 0 || zeile == 0) {
    panel.gitter->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
    return;
  }
  const TStandard& st = Schule().Standard();
  const TKurs* kurs = panel.zellen.Kurs(spalte, zeile);
  const TMarke marke = panel.zellen.Marke(spalte, zeile);
  p.save();
  QFont schrift = panel.gitter->font();
  if (kurs != nullptr) {
    schrift.setBold(kurs->Kopplung() != nullptr && st.PlanFenster.pkf);
    const TSetzung* s = kurs->FindeSetzung(Version(), spalte, zeile);
    schrift.setUnderline(s != nullptr && s->Fixiert());
  }
  p.setFont(schrift);
  QColor stift = Qt::black;
  if (marke == TMarke::Markiert || ausgewaehlt) {
    p.fillRect(r, panel.gitter->palette().color(QPalette::Highlight));
    stift = panel.gitter->palette().color(QPalette::HighlightedText);
  } else if (kurs != nullptr) {
    p.fillRect(r, Farbe(kurs->Farbe()));
  } else if (marke == TMarke::Gesperrt) {
    p.fillRect(r, QColor(128, 128, 128));
  } else {
    p.fillRect(r, Qt::white);
  }
  p.setPen(stift);
  if (kurs != nullptr && panel.element != nullptr) {
    const TZellTeile teile = ZellTeile(st, panel.element->Art(), kurs, st.PlanFenster.pzk);
    const int hoehe = st.PlanZeilenHoehe;
    int x = r.left() + 2, y = r.top() + 1;
    for (std::size_t t = 0; t < teile.teil.size(); ++t) {
      if (teile.teil[t] == Teil::Keiner) continue;
      p.drawText(QRect(x, y, std::max(1, r.right() - x), hoehe), Qt::AlignLeft | Qt::AlignTop,
                 Q(ZellTeilText(*kurs, Version(), spalte, zeile, teile.teil[t])));
      if (st.PlanFenster.neb)
        x += teile.breite[t];
      else
        y += hoehe;
    }
  }
  if (marke != TMarke::Gesperrt && !planung_.OhneGruende()) {
    const TZellBild bild = planung_.Bild(spalte, zeile, kurs);
    const QRect balken(r.left(), r.bottom() - kStrich + 1, r.width(), kStrich);
    if (bild.AktBalken) {
      p.fillRect(balken, QColor(0, 128, 0));
    } else if (bild.KopplungsBalken) {
      p.fillRect(balken, QColor(192, 192, 192));
      p.setPen(QColor(0, 128, 0));
      p.setBrush(Qt::NoBrush);
      p.drawRect(balken.adjusted(0, 0, -1, -1));
    } else {
      if (bild.Schraffur) p.fillRect(r, QBrush(QColor(192, 192, 192), Qt::DiagCrossPattern));
      int x = r.left() + 2;
      const int y = r.bottom() - kZeichen;
      for (const TZeichen& z : bild.Zeichen) {
        const QRect q(x, y, kZeichen, kZeichen);
        switch (z.Form) {
          case TZeichenForm::Quadrat:
            p.setPen(Qt::red);
            p.setBrush(z.Gefuellt ? QColor(Qt::red) : QColor(192, 192, 192));
            p.drawRect(q);
            break;
          case TZeichenForm::Kreis:
            p.setPen(Qt::black);
            p.setBrush(z.Gefuellt ? QColor(Qt::black) : QColor(192, 192, 192));
            p.drawEllipse(q);
            break;
          case TZeichenForm::Kreuz:
            p.setPen(Qt::black);
            p.drawLine(q.topLeft(), q.bottomRight());
            p.drawLine(q.topRight(), q.bottomLeft());
            break;
        }
        x += kZeichenAbstand;
      }
    }
  }
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// Closing

bool TManuellForm::FrageVorDemSchliessen() {
  if (!planung_.HatOffeneStunden()) return true;
  TManSchliessForm frage(this);
  return frage.Zeige() == Modal::Ja;
}

void TManuellForm::FormCloseQuery(bool& erlaubt) {
  TKindFenster::FormCloseQuery(erlaubt);
  if (erlaubt && !FrageVorDemSchliessen()) erlaubt = false;
}

void TManuellForm::FormClose(TCloseAction& aktion) {
  menueZeit_->stop();
  for (TPanel& panel : panels_) panel.gitter->BrecheZiehenAb();
  Schule().VerwerfeUndo();
  Schule().Palette().SetzeUndoAufzeichnen(false);
  TKindFenster::FormClose(aktion);
  emit Geschlossen();
}

}  // namespace kolvar
