#include "platform/gitter.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <numeric>
#include <utility>

namespace kolvar {

TGitter::TGitter(QWidget* eltern) : QAbstractScrollArea(eltern), zellen_(25) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  verticalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setSingleStep(1);
  ursprung_.resize(static_cast<std::size_t>(Spalten()));
  std::iota(ursprung_.begin(), ursprung_.end(), 0);
  einzelKlick_ = new QTimer(this);
  einzelKlick_->setSingleShot(true);
  Rollbalken();
}

bool TGitter::Gueltig(int spalte, int zeile) const {
  return spalte >= 0 && zeile >= 0 && spalte < Spalten() && zeile < Zeilen();
}

bool TGitter::Koerper(int spalte, int zeile) const {
  return Gueltig(spalte, zeile) && spalte >= FesteSpalten() && zeile >= FesteZeilen();
}

void TGitter::NeuVerteilen(int spalten, int zeilen) {
  spalten = std::max(spalten, 0);
  zeilen = std::max(zeilen, 0);
  std::vector<Zelle> neu(static_cast<std::size_t>(spalten) * zeilen);
  for (int z = 0; z < std::min(zeilen, Zeilen()); ++z)
    for (int s = 0; s < std::min(spalten, Spalten()); ++s)
      neu[static_cast<std::size_t>(z) * spalten + s] =
          std::move(zellen_[static_cast<std::size_t>(z) * Spalten() + s]);
  zellen_ = std::move(neu);
}

void TGitter::Geaendert(bool obenLinksBewegt) {
  if (bearbeitet_) EditorPlatzieren();
  Rollbalken();
  viewport()->update();
  updateGeometry();
  if (obenLinksBewegt) emit ObenLinksGeaendert();
}

void TGitter::Rollbalken() {
  rollbalkenAktualisierung_ = true;
  // Shown scroll bars take room; a grid that fits without them must not keep them.
  const QSize ganz = geo_.GanzeGroesse();
  const QSize ohneBalken = maximumViewportSize();
  const bool passt = ganz.width() <= ohneBalken.width() + geo_.LinienBreite() &&
                     ganz.height() <= ohneBalken.height() + geo_.LinienBreite();
  QScrollBar* senkrecht = verticalScrollBar();
  senkrecht->setRange(FesteZeilen(), passt ? FesteZeilen() : std::max(FesteZeilen(), geo_.MaxObersteZeile()));
  senkrecht->setPageStep(std::max(1, SichtbareZeilen()));
  senkrecht->setValue(ObersteZeile());
  QScrollBar* waagrecht = horizontalScrollBar();
  waagrecht->setRange(FesteSpalten(),
                      passt ? FesteSpalten() : std::max(FesteSpalten(), geo_.MaxLinkeSpalte()));
  waagrecht->setPageStep(std::max(1, SichtbareSpalten()));
  waagrecht->setValue(LinkeSpalte());
  rollbalkenAktualisierung_ = false;
}

void TGitter::SetzeSpalten(int anzahl) {
  if (bearbeitet_) BeendeBearbeiten(true);
  BrecheZiehenAb();
  zugSpalte_ = -1;
  NeuVerteilen(anzahl, Zeilen());
  const int links = LinkeSpalte();
  if (std::max(anzahl, 0) != Spalten()) {
    ursprung_.resize(static_cast<std::size_t>(std::max(anzahl, 0)));
    std::iota(ursprung_.begin(), ursprung_.end(), 0);
  }
  geo_.SetzeSpalten(std::max(anzahl, 0));
  AuswahlBegrenzen();
  Geaendert(links != LinkeSpalte());
}

void TGitter::SetzeZeilen(int anzahl) {
  if (bearbeitet_) BeendeBearbeiten(true);
  BrecheZiehenAb();
  NeuVerteilen(Spalten(), anzahl);
  const int oben = ObersteZeile();
  geo_.SetzeZeilen(std::max(anzahl, 0));
  AuswahlBegrenzen();
  Geaendert(oben != ObersteZeile());
}

void TGitter::SetzeFesteSpalten(int anzahl) {
  const int links = LinkeSpalte();
  geo_.SetzeFesteSpalten(anzahl);
  Geaendert(links != LinkeSpalte());
}

void TGitter::SetzeFesteZeilen(int anzahl) {
  const int oben = ObersteZeile();
  geo_.SetzeFesteZeilen(anzahl);
  Geaendert(oben != ObersteZeile());
}

void TGitter::SetzeStandardBreite(int breite) {
  const int links = LinkeSpalte();
  geo_.SetzeStandardBreite(breite);
  Geaendert(links != LinkeSpalte());
}

void TGitter::SetzeStandardHoehe(int hoehe) {
  const int oben = ObersteZeile();
  geo_.SetzeStandardHoehe(hoehe);
  Geaendert(oben != ObersteZeile());
}

void TGitter::SetzeSpaltenBreite(int spalte, int breite) {
  const int links = LinkeSpalte();
  geo_.SetzeSpaltenBreite(spalte, breite);
  Geaendert(links != LinkeSpalte());
}

void TGitter::SetzeZeilenHoehe(int zeile, int hoehe) {
  const int oben = ObersteZeile();
  geo_.SetzeZeilenHoehe(zeile, hoehe);
  Geaendert(oben != ObersteZeile());
}

void TGitter::SetzeLinienBreite(int breite) {
  const QPoint vorher(LinkeSpalte(), ObersteZeile());
  geo_.SetzeLinienBreite(breite);
  Geaendert(vorher != QPoint(LinkeSpalte(), ObersteZeile()));
}

void TGitter::SetzeOptionen(unsigned optionen) {
  optionen_ = optionen;
  if (!(optionen_ & goBearbeiten) && bearbeitet_) BeendeBearbeiten(true);
  SetzeAuswahl(auswahl_);
}

void TGitter::SetzeRollbalken(bool anzeigen) {
  const Qt::ScrollBarPolicy art = anzeigen ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  setVerticalScrollBarPolicy(art);
  setHorizontalScrollBarPolicy(art);
}

QString TGitter::Text(int spalte, int zeile) const {
  return Gueltig(spalte, zeile) ? zellen_[static_cast<std::size_t>(zeile) * Spalten() + spalte].text
                                : QString();
}

void TGitter::SetzeText(int spalte, int zeile, const QString& text) {
  if (!Gueltig(spalte, zeile)) return;
  zellen_[static_cast<std::size_t>(zeile) * Spalten() + spalte].text = text;
  ZeichneZelleNeu(spalte, zeile);
}

void* TGitter::Objekt(int spalte, int zeile) const {
  return Gueltig(spalte, zeile) ? zellen_[static_cast<std::size_t>(zeile) * Spalten() + spalte].objekt
                                : nullptr;
}

void TGitter::SetzeObjekt(int spalte, int zeile, void* objekt) {
  if (!Gueltig(spalte, zeile)) return;
  zellen_[static_cast<std::size_t>(zeile) * Spalten() + spalte].objekt = objekt;
  ZeichneZelleNeu(spalte, zeile);
}

void TGitter::Leeren() {
  for (Zelle& zelle : zellen_) zelle = Zelle{};
  viewport()->update();
}

void TGitter::AuswahlBegrenzen() {
  if (!Gueltig(spalte_, zeile_)) {
    SetzeZelle(FesteSpalten(), FesteZeilen());
    return;
  }
  TGitterAuswahl a = auswahl_;
  a.rechts = std::min(a.rechts, Spalten() - 1);
  a.unten = std::min(a.unten, Zeilen() - 1);
  if (a.Leer()) a = Normiert(spalte_, zeile_, spalte_, zeile_);
  SetzeAuswahl(a);
}

TGitterAuswahl TGitter::Normiert(int s1, int z1, int s2, int z2) const {
  TGitterAuswahl a{std::min(s1, s2), std::min(z1, z2), std::max(s1, s2), std::max(z1, z2)};
  if (optionen_ & goZeilenauswahl) {
    a.links = FesteSpalten();
    a.rechts = Spalten() - 1;
  }
  return a;
}

void TGitter::SetzeAuswahl(const TGitterAuswahl& auswahl) {
  TGitterAuswahl neu = auswahl;
  if ((optionen_ & goZeilenauswahl) && !neu.Leer())
    neu = Normiert(neu.links, neu.oben, neu.rechts, neu.unten);
  const bool geaendert = !(neu == auswahl_);
  auswahl_ = neu;
  if (!neu.Leer()) {
    spalte_ = std::clamp(neu.links, 0, std::max(Spalten() - 1, 0));
    zeile_ = std::clamp(neu.oben, 0, std::max(Zeilen() - 1, 0));
  }
  viewport()->update();
  if (geaendert) emit AuswahlGeaendert();
}

void TGitter::SetzeZelle(int spalte, int zeile) {
  if (!Gueltig(spalte, zeile)) return;
  if (bearbeitet_ && editZelle_ != QPoint(spalte, zeile)) BeendeBearbeiten(true);
  spalte_ = spalte;
  zeile_ = zeile;
  ecke_ = QPoint(spalte, zeile);
  const TGitterAuswahl neu = Normiert(spalte, zeile, spalte, zeile);
  const bool geaendert = !(neu == auswahl_);
  auswahl_ = neu;
  ZeigeZelle(spalte, zeile);
  viewport()->update();
  if (geaendert) emit AuswahlGeaendert();
}

void TGitter::WaehleBis(int spalte, int zeile) {
  if (!Koerper(spalte, zeile)) return;
  ecke_ = QPoint(spalte, zeile);
  const TGitterAuswahl neu = Normiert(spalte_, zeile_, spalte, zeile);
  ZeigeZelle(spalte, zeile);
  if (neu == auswahl_) return;
  auswahl_ = neu;
  viewport()->update();
  emit AuswahlGeaendert();
}

void TGitter::SetzeObersteZeile(int zeile) {
  if (bearbeitet_) BeendeBearbeiten(true);
  if (geo_.SetzeObersteZeile(zeile)) Geaendert(true);
}

void TGitter::SetzeLinkeSpalte(int spalte) {
  if (bearbeitet_) BeendeBearbeiten(true);
  if (geo_.SetzeLinkeSpalte(spalte)) Geaendert(true);
}

void TGitter::ZeigeZelle(int spalte, int zeile) {
  if (geo_.ZeigeZelle(spalte, zeile)) Geaendert(true);
}

void TGitter::SetzeZeichner(Zeichner zeichner) {
  zeichner_ = std::move(zeichner);
  viewport()->update();
}

void TGitter::ZeichneStandard(QPainter& p, int spalte, int zeile, const QRect& rechteck,
                              TZellZustand zustand) const {
  const QPalette& pal = palette();
  QColor schrift = pal.color(QPalette::Text);
  if (zustand.fest) {
    p.fillRect(rechteck, pal.button());
    qDrawShadePanel(&p, rechteck, pal, false, 1);
    schrift = pal.color(QPalette::ButtonText);
  } else if (zustand.ausgewaehlt) {
    p.fillRect(rechteck, pal.highlight());
    schrift = pal.color(QPalette::HighlightedText);
  } else {
    p.fillRect(rechteck, pal.base());
  }
  p.setPen(schrift);
  p.drawText(rechteck.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
             Text(spalte, zeile));
  if (zustand.fokussiert) {
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = rechteck.adjusted(1, 1, -1, -1);
    opt.backgroundColor = zustand.ausgewaehlt ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
  }
}

void TGitter::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& rechteck) const {
  TZellZustand zustand;
  zustand.fest = spalte < FesteSpalten() || zeile < FesteZeilen();
  zustand.ausgewaehlt = !zustand.fest && auswahl_.Enthaelt(spalte, zeile);
  zustand.fokussiert = !zustand.fest && spalte == spalte_ && zeile == zeile_ && hasFocus() && !zieht_;
  p.save();
  p.setClipRect(rechteck);
  if (zeichner_)
    zeichner_(p, spalte, zeile, rechteck, zustand);
  else
    ZeichneStandard(p, spalte, zeile, rechteck, zustand);
  p.restore();
}

void TGitter::Male(QPainter& p, const QRect& bereich) const {
  const QSize flaeche = geo_.Flaeche();
  const int linie = geo_.LinienBreite();
  p.fillRect(bereich, palette().base());
  // Visible columns and rows with their left and top edges, each computed once.
  std::vector<std::pair<int, int>> spalten;
  std::vector<std::pair<int, int>> zeilen;
  int x = 0;
  for (int s = 0; s < Spalten() && x < flaeche.width(); ++s) {
    if (s == FesteSpalten()) s = LinkeSpalte();
    if (s >= Spalten()) break;
    spalten.emplace_back(s, x);
    x += SpaltenBreite(s) + linie;
  }
  int y = 0;
  for (int z = 0; z < Zeilen() && y < flaeche.height(); ++z) {
    if (z == FesteZeilen()) z = ObersteZeile();
    if (z >= Zeilen()) break;
    zeilen.emplace_back(z, y);
    y += ZeilenHoehe(z) + linie;
  }
  const QColor festeLinie = palette().color(QPalette::Dark);
  const QColor koerperLinie = palette().color(QPalette::Midlight).darker(115);
  const QColor keineLinie = palette().color(QPalette::Base);
  for (const auto& [z, zy] : zeilen) {
    if (zy > bereich.bottom()) break;
    if (zy + ZeilenHoehe(z) + linie <= bereich.top()) continue;
    for (const auto& [s, sx] : spalten) {
      const QRect rechteck(sx, zy, SpaltenBreite(s), ZeilenHoehe(z));
      if (!rechteck.adjusted(0, 0, linie, linie).intersects(bereich)) continue;
      ZeichneZelle(p, s, z, rechteck);
      if (linie <= 0) continue;
      const bool fest = s < FesteSpalten() || z < FesteZeilen();
      const bool mitLinie = fest ? (optionen_ & goFesteLinien) != 0 : (optionen_ & goLinien) != 0;
      const QColor& farbe = mitLinie ? (fest ? festeLinie : koerperLinie) : keineLinie;
      p.fillRect(QRect(rechteck.right() + 1, rechteck.top(), linie, rechteck.height() + linie), farbe);
      p.fillRect(QRect(rechteck.left(), rechteck.bottom() + 1, rechteck.width(), linie), farbe);
    }
  }
  if (zieht_) {
    const QRect herkunft = geo_.ZellRechteck(quelle_.x(), quelle_.y());
    if (!herkunft.isEmpty()) {
      p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(herkunft.adjusted(1, 1, -2, -2));
    }
    if (!ziehBild_.isNull()) {
      p.setOpacity(0.6);
      p.drawPixmap(mausOrt_ - QPoint(ziehBild_.width() / 2, ziehBild_.height() / 2), ziehBild_);
      p.setOpacity(1.0);
    }
  }
  if (zugSpalte_ >= 0) SpaltenZugMale(p);
}

void TGitter::ZeichneZelleNeu(int spalte, int zeile) {
  const QRect rechteck = geo_.ZellRechteck(spalte, zeile);
  if (!rechteck.isEmpty())
    viewport()->update(rechteck.adjusted(0, 0, geo_.LinienBreite(), geo_.LinienBreite()));
}

void TGitter::paintEvent(QPaintEvent* ereignis) {
  QPainter p(viewport());
  Male(p, ereignis->rect());
}

void TGitter::resizeEvent(QResizeEvent*) {
  const QPoint vorher(LinkeSpalte(), ObersteZeile());
  geo_.SetzeFlaeche(viewport()->size());
  Geaendert(vorher != QPoint(LinkeSpalte(), ObersteZeile()));
}

void TGitter::scrollContentsBy(int, int) {
  if (rollbalkenAktualisierung_) return;
  if (bearbeitet_) BeendeBearbeiten(true);
  bool bewegt = geo_.SetzeObersteZeile(verticalScrollBar()->value());
  bewegt = geo_.SetzeLinkeSpalte(horizontalScrollBar()->value()) || bewegt;
  if (bewegt) Geaendert(true);
}

QSize TGitter::viewportSizeHint() const {
  return geo_.GanzeGroesse();
}

int TGitter::SpaltenKante(QPoint ort) const {
  if (ort.y() < 0 || ort.y() >= geo_.FesteHoehe()) return -1;
  for (int s = 0; s < Spalten(); ++s) {
    const int x = geo_.SpaltenX(s);
    if (x < 0) continue;
    if (x > geo_.Flaeche().width()) break;
    if (std::abs(ort.x() - (x + SpaltenBreite(s))) <= 2) return s;
  }
  return -1;
}

void TGitter::mousePressEvent(QMouseEvent* ereignis) {
  loslassenSchlucken_ = false;
  // A press within the double-click time: the click before it was no single click.
  einzelKlick_->stop();
  doppelklickLoslassen_ = false;
  if (bearbeitet_) BeendeBearbeiten(true);
  // A press while a drag still runs means its release went elsewhere: nothing is dropped.
  BrecheZiehenAb();
  const QPoint ort = ereignis->position().toPoint();
  const Qt::MouseButton knopf = ereignis->button();
  if (knopf == Qt::LeftButton && (optionen_ & goSpaltenbreite)) {
    groessenSpalte_ = SpaltenKante(ort);
    if (groessenSpalte_ >= 0) return;
  }
  const QPoint zelle = geo_.ZelleBei(ort);
  gedrueckt_ = zelle;
  if (knopf == Qt::LeftButton && SpaltenZugBeginnt(ort, zelle)) {
    emit ZelleGedrueckt(zelle.x(), zelle.y(), knopf, ereignis->modifiers(), ort);
    return;
  }
  if (knopf == Qt::LeftButton && Koerper(zelle.x(), zelle.y())) {
    if ((ereignis->modifiers() & Qt::ShiftModifier) && (optionen_ & goBereichsauswahl))
      WaehleBis(zelle.x(), zelle.y());
    else
      SetzeZelle(zelle.x(), zelle.y());
    waehlt_ = (optionen_ & goBereichsauswahl) != 0;
  }
  emit ZelleGedrueckt(zelle.x(), zelle.y(), knopf, ereignis->modifiers(), ort);
  if (knopf == Qt::RightButton) emit Rechtsklick(zelle.x(), zelle.y(), viewport()->mapToGlobal(ort));
  if (knopf == Qt::LeftButton && autoZiehen_ && !zieht_ && Koerper(zelle.x(), zelle.y()))
    BeginneZiehen(zelle.x(), zelle.y());
  if (zieht_) waehlt_ = false;
}

QPoint TGitter::Randziel(QPoint ort, QPoint bisher) {
  int spalte = bisher.x();
  int zeile = bisher.y();
  if (ort.y() < geo_.FesteHoehe()) {
    if (ObersteZeile() > FesteZeilen()) {
      SetzeObersteZeile(ObersteZeile() - 1);
      zeile = ObersteZeile();
    }
  } else if (ort.y() >= geo_.SichtbaresEndeY() && ObersteZeile() < geo_.MaxObersteZeile()) {
    SetzeObersteZeile(ObersteZeile() + 1);
    zeile = std::max(ObersteZeile(), ObersteZeile() + SichtbareZeilen() - 1);
  } else if (const int z = geo_.ZeileBei(ort.y()); z >= FesteZeilen()) {
    zeile = z;
  }
  if (ort.x() < geo_.FesteBreite()) {
    if (LinkeSpalte() > FesteSpalten()) {
      SetzeLinkeSpalte(LinkeSpalte() - 1);
      spalte = LinkeSpalte();
    }
  } else if (ort.x() >= geo_.SichtbaresEndeX() && LinkeSpalte() < geo_.MaxLinkeSpalte()) {
    SetzeLinkeSpalte(LinkeSpalte() + 1);
    spalte = std::max(LinkeSpalte(), LinkeSpalte() + SichtbareSpalten() - 1);
  } else if (const int s = geo_.SpalteBei(ort.x()); s >= FesteSpalten()) {
    spalte = s;
  }
  return {spalte, zeile};
}

void TGitter::ZiehenUeberPunkt(QPoint ort) {
  mausOrt_ = ort;
  QPoint neu = Randziel(ort, ziel_);
  if (nurZeilen_) neu.setX(quelle_.x());
  if (neu != ziel_ && Koerper(neu.x(), neu.y())) {
    ziel_ = neu;
    spalte_ = neu.x();
    zeile_ = neu.y();
    auswahl_ = Normiert(neu.x(), neu.y(), neu.x(), neu.y());
    ZeigeZelle(neu.x(), neu.y());
    emit AuswahlGeaendert();
    emit ZiehenUeber(neu.x(), neu.y());
  }
  viewport()->update();
}

void TGitter::mouseMoveEvent(QMouseEvent* ereignis) {
  const QPoint ort = ereignis->position().toPoint();
  mausOrt_ = ort;
  if (zugSpalte_ >= 0) {
    zugOrt_ = ort;
    viewport()->update();
    return;
  }
  if (groessenSpalte_ >= 0) {
    const int x = geo_.SpaltenX(groessenSpalte_);
    if (x >= 0) SetzeSpaltenBreite(groessenSpalte_, std::max(1, ort.x() - x));
    return;
  }
  if (zieht_) {
    ZiehenUeberPunkt(ort);
    return;
  }
  if (waehlt_ && (ereignis->buttons() & Qt::LeftButton)) {
    const QPoint ecke = Randziel(ort, ecke_);
    WaehleBis(ecke.x(), ecke.y());
    return;
  }
  if (optionen_ & goSpaltenbreite) {
    const bool anKante = SpaltenKante(ort) >= 0;
    if (anKante && !kantenCursor_) {
      vorKante_ = viewport()->cursor();
      viewport()->setCursor(Qt::SplitHCursor);
    } else if (!anKante && kantenCursor_) {
      viewport()->setCursor(vorKante_);
    }
    kantenCursor_ = anKante;
  }
}

void TGitter::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (groessenSpalte_ >= 0) {
    const int spalte = groessenSpalte_;
    groessenSpalte_ = -1;
    emit SpaltenBreiteGeaendert(spalte);
    return;
  }
  const QPoint ort = ereignis->position().toPoint();
  // A header dropped on its own place is a click on it.
  if (zugSpalte_ >= 0 && SpaltenZugEnde(ort)) return;
  const QPoint zelle = geo_.ZelleBei(ort);
  if (zieht_) {
    const bool ablegen = Koerper(zelle.x(), zelle.y());
    if (ablegen) ziel_ = nurZeilen_ ? QPoint(quelle_.x(), zelle.y()) : zelle;
    ZiehenBeenden(ablegen);
    return;
  }
  if (std::exchange(loslassenSchlucken_, false)) return;
  waehlt_ = false;
  const bool nachDoppelklick = std::exchange(doppelklickLoslassen_, false);
  emit ZelleLosgelassen(zelle.x(), zelle.y(), ereignis->button(), ereignis->modifiers(), ort);
  if (ereignis->button() != Qt::LeftButton) return;
  if (zelle == gedrueckt_ && zelle.x() >= 0) emit Klick(zelle.x(), zelle.y());
  if (nachDoppelklick) return;
  einzelKlick_->disconnect();
  connect(einzelKlick_, &QTimer::timeout, this, [this, zelle, ort] {
    // A dialog or menu opened meanwhile (a shortcut) has the user's attention: no pop-up over it.
    const QWidget* modal = QApplication::activeModalWidget();
    if ((modal != nullptr && modal != window()) || QApplication::activePopupWidget() != nullptr) return;
    emit EinzelKlick(zelle.x(), zelle.y(), ort);
  });
  einzelKlick_->start(QApplication::doubleClickInterval());
}

void TGitter::mouseDoubleClickEvent(QMouseEvent* ereignis) {
  einzelKlick_->stop();
  if (zieht_) return;
  doppelklickLoslassen_ = true;
  const QPoint zelle = geo_.ZelleBei(ereignis->position().toPoint());
  emit Doppelklick(zelle.x(), zelle.y(), ereignis->modifiers());
  if (ereignis->button() == Qt::LeftButton && (optionen_ & goBearbeiten) && Koerper(zelle.x(), zelle.y())) {
    SetzeZelle(zelle.x(), zelle.y());
    BeginneBearbeiten();
  }
}

void TGitter::BeginneZiehen(int spalte, int zeile) {
  if (!Koerper(spalte, zeile) || zieht_) return;
  if (bearbeitet_) BeendeBearbeiten(true);
  zieht_ = true;
  waehlt_ = false;
  quelle_ = ziel_ = QPoint(spalte, zeile);
  spalte_ = spalte;
  zeile_ = zeile;
  auswahl_ = Normiert(spalte, zeile, spalte, zeile);
  const QRect rechteck = geo_.ZellRechteck(spalte, zeile);
  ziehBild_ = QPixmap();
  if (!rechteck.isEmpty()) {
    ziehBild_ = QPixmap(rechteck.size());
    ziehBild_.fill(Qt::transparent);
    QPainter p(&ziehBild_);
    p.translate(-rechteck.topLeft());
    ZeichneZelle(p, spalte, zeile, rechteck);
  }
  alterCursor_ = viewport()->cursor();
  viewport()->setCursor(ziehCursor_);
  // Esc cancels wherever the keyboard focus is.
  QCoreApplication::instance()->installEventFilter(this);
  viewport()->update();
  emit AuswahlGeaendert();
  emit ZiehenBeginnt(spalte, zeile);
}

void TGitter::ZiehenBeenden(bool ablegen) {
  zieht_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  viewport()->setCursor(alterCursor_);
  ziehBild_ = QPixmap();
  viewport()->update();
  if (ablegen)
    emit ZiehenEnde(quelle_.x(), quelle_.y(), ziel_.x(), ziel_.y());
  else
    emit ZiehenAbgebrochen();
}

void TGitter::BrecheZiehenAb() {
  if (zieht_) ZiehenBeenden(false);
}

void TGitter::hideEvent(QHideEvent* ereignis) {
  einzelKlick_->stop();
  BrecheZiehenAb();
  zugSpalte_ = -1;
  QAbstractScrollArea::hideEvent(ereignis);
}

void TGitter::keyPressEvent(QKeyEvent* ereignis) {
  ereignis->ignore();
  emit TasteGedrueckt(ereignis);
  if (ereignis->isAccepted()) return;
  ereignis->accept();
  const bool erweitern = (ereignis->modifiers() & Qt::ShiftModifier) && (optionen_ & goBereichsauswahl);
  QPoint von = erweitern ? ecke_ : QPoint(spalte_, zeile_);
  QPoint nach = von;
  switch (ereignis->key()) {
    case Qt::Key_Left:
      nach.rx() -= 1;
      break;
    case Qt::Key_Right:
      nach.rx() += 1;
      break;
    case Qt::Key_Up:
      nach.ry() -= 1;
      break;
    case Qt::Key_Down:
      nach.ry() += 1;
      break;
    case Qt::Key_PageUp:
      nach.ry() -= std::max(1, SichtbareZeilen());
      break;
    case Qt::Key_PageDown:
      nach.ry() += std::max(1, SichtbareZeilen());
      break;
    case Qt::Key_Home:
      nach.setX(FesteSpalten());
      break;
    case Qt::Key_End:
      nach.setX(Spalten() - 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
      if (!BeginneBearbeiten()) ereignis->ignore();
      return;
    default:
      if ((optionen_ & goBearbeiten) && !ereignis->text().isEmpty() && ereignis->text().at(0).isPrint() &&
          !(ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && BeginneBearbeiten()) {
        editor_->setText(ereignis->text());
        return;
      }
      ereignis->ignore();
      return;
  }
  nach.setX(std::clamp(nach.x(), FesteSpalten(), std::max(FesteSpalten(), Spalten() - 1)));
  nach.setY(std::clamp(nach.y(), FesteZeilen(), std::max(FesteZeilen(), Zeilen() - 1)));
  if (!Koerper(nach.x(), nach.y())) return;
  if (erweitern)
    WaehleBis(nach.x(), nach.y());
  else
    SetzeZelle(nach.x(), nach.y());
}

void TGitter::keyReleaseEvent(QKeyEvent* ereignis) {
  ereignis->ignore();
  emit TasteLosgelassen(ereignis);
  if (!ereignis->isAccepted()) QAbstractScrollArea::keyReleaseEvent(ereignis);
}

void TGitter::focusInEvent(QFocusEvent* ereignis) {
  QAbstractScrollArea::focusInEvent(ereignis);
  ZeichneZelleNeu(spalte_, zeile_);
}

void TGitter::focusOutEvent(QFocusEvent* ereignis) {
  QAbstractScrollArea::focusOutEvent(ereignis);
  ZeichneZelleNeu(spalte_, zeile_);
}

bool TGitter::BeginneBearbeiten() {
  if (!(optionen_ & goBearbeiten) || !Koerper(spalte_, zeile_) || zieht_) return false;
  if (bearbeitet_) return true;
  EditorAnlegen();
  ZeigeZelle(spalte_, zeile_);
  editZelle_ = QPoint(spalte_, zeile_);
  editor_->setText(Text(spalte_, zeile_));
  bearbeitet_ = true;
  EditorPlatzieren();
  editor_->show();
  editor_->setFocus();
  editor_->selectAll();
  return true;
}

void TGitter::EditorPlatzieren() {
  if (editor_ == nullptr) return;
  const QRect rechteck = geo_.ZellRechteck(editZelle_.x(), editZelle_.y());
  if (rechteck.isEmpty())
    editor_->hide();
  else
    editor_->setGeometry(rechteck);
}

void TGitter::BeendeBearbeiten(bool uebernehmen) {
  if (!bearbeitet_) return;
  bearbeitet_ = false;
  const bool hatteFokus = editor_->hasFocus();
  const QString text = editor_->text();
  editor_->hide();
  if (hatteFokus) setFocus();
  if (uebernehmen && text != Text(editZelle_.x(), editZelle_.y())) {
    SetzeText(editZelle_.x(), editZelle_.y(), text);
    emit TextBearbeitet(editZelle_.x(), editZelle_.y(), text);
  }
}

void TGitter::EditorAnlegen() {
  if (editor_ != nullptr) return;
  editor_ = new QLineEdit(viewport());
  editor_->setFrame(false);
  editor_->installEventFilter(this);
  editor_->hide();
}

void TGitter::SetzeEditorLaenge(int laenge) {
  EditorAnlegen();
  editor_->setMaxLength(laenge);
}

void TGitter::SetzeEditorValidator(const QValidator* validator) {
  EditorAnlegen();
  editor_->setValidator(validator);
}

bool TGitter::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (zieht_ && ereignis->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
    loslassenSchlucken_ = true;
    BrecheZiehenAb();
    return true;
  }
  if (objekt != editor_ || !bearbeitet_) return QAbstractScrollArea::eventFilter(objekt, ereignis);
  if (ereignis->type() == QEvent::KeyPress) {
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() == Qt::Key_Escape) {
      BeendeBearbeiten(false);
      return true;
    }
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
      // Input the validator does not accept yet stays in the editor.
      if (editor_->hasAcceptableInput()) BeendeBearbeiten(true);
      return true;
    }
  } else if (ereignis->type() == QEvent::FocusOut) {
    BeendeBearbeiten(editor_->hasAcceptableInput());
  }
  return QAbstractScrollArea::eventFilter(objekt, ereignis);
}

}  // namespace kolvar
