#include "masterdata/grform.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

#include "masterdata/sperrung.h"
#include "model/element.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "model/text.h"
#include "platform/cursoren.h"
#include "platform/dateitextvalidator.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"

namespace kolvar {

TGrForm::TGrForm(int tag, TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(tag, schule, palette, nullptr, eltern), palette_(palette) {
  InfoFeld = new QLineEdit(this);
  InfoFeld->setObjectName(QStringLiteral("InfoFeld"));
  InfoFeld->setMaxLength(kNamenLaenge);
  InfoFeld->setValidator(new TDateiTextValidator(false, InfoFeld));
  InfoFeld->setMaximumWidth(170);
  // Wide enough for the caption in the frame.
  setMinimumWidth(260);
  connect(InfoFeld, &QLineEdit::textEdited, this, [this](const QString& t) { InfoGeaendert(t); });
  inhalt_ = new QVBoxLayout(this);
  inhalt_->setContentsMargins(6, 6, 6, 6);
  inhalt_->setSpacing(4);
}

TGrForm::~TGrForm() = default;

void TGrForm::BaueSperrung() {
  sperrung_ = new TSperrung(this);
  LeiteTastenWeiter(sperrung_->Gitter());
  inhalt_->addWidget(sperrung_, 0, Qt::AlignLeft);
  // A drag reaches the element's windows through the change notices; the grid shows it itself.
  connect(sperrung_, &TSperrung::Gesperrt, this, [this] { sperrung_->NeuZeichnen(); });
}

void TGrForm::LeiteTastenWeiter(QWidget* w) {
  w->installEventFilter(this);
}

bool TGrForm::IstAktiv() const {
  return Schule().AktivesFenster() == static_cast<const IFenster*>(this);
}

int TGrForm::Modus() const {
  return Schule().Werkzeugmodus();
}

std::uint8_t TGrForm::Tasten() const {
  return Schule().Palette().Tasten();
}

void TGrForm::Vorbereiten(TElement* element) {
  element_ = element;
  Schule().BindeFenster(this, element_);
  if (element_ == nullptr) return;
  SetzeElementCaption(QStringLiteral("Grunddaten "));
  if (sperrung_ != nullptr) {
    sperrung_->Vorbereiten(Schule().Standard());
    if (auto* pe = dynamic_cast<TPlanElement*>(element_))
      sperrung_->SetzeQuelle(TSperrQuelle::VonElement(*pe), &Schule());
  }
  Fuelle();
  Zeige();
}

void TGrForm::Aktualisiere() {
  if (element_ != nullptr) Vorbereiten(element_);
}

void TGrForm::NeuZeichnen() {
  if (sperrung_ != nullptr) sperrung_->NeuZeichnen();
}

void TGrForm::Zeige() {
  if (element_ == nullptr) return;
  const QString name = QString::fromStdString(element_->Name());
  if (InfoFeld->text() != name) InfoFeld->setText(name);
}

void TGrForm::InfoGeaendert(const QString& text) {
  if (element_ == nullptr) return;
  TSchule::TAktion aktion(Schule());
  element_->SetzeName(text.toStdString());
  element_->ZeigeWerte();
}

bool TGrForm::Pfeil(int taste) {
  if (taste != Qt::Key_Left && taste != Qt::Key_Right) return false;
  if (palette_ == nullptr) return true;
  if (taste == Qt::Key_Left)
    palette_->ClickLinks();
  else
    palette_->ClickRechts();
  return true;
}

bool TGrForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  // A list's one column spans its width.
  if (ereignis->type() == QEvent::Resize)
    for (TGitter* liste : listen_)
      if (liste->viewport() == objekt) liste->SetzeSpaltenBreite(0, std::max(40, liste->viewport()->width()));
  if (ereignis->type() == QEvent::KeyPress && Pfeil(static_cast<QKeyEvent*>(ereignis)->key())) return true;
  return TKindFenster::eventFilter(objekt, ereignis);
}

void TGrForm::keyPressEvent(QKeyEvent* ereignis) {
  if (Pfeil(ereignis->key())) return;
  TKindFenster::keyPressEvent(ereignis);
}

TGitter* TGrForm::BaueListe(std::function<void(QPainter&, int, const QRect&, bool)> zeichner) {
  auto* liste = new TGitter(this);
  liste->SetzeFesteZeilen(0);
  liste->SetzeFesteSpalten(0);
  liste->SetzeSpalten(1);
  liste->SetzeZeilen(1);
  liste->SetzeLinienBreite(0);
  liste->SetzeOptionen(TGitter::goZeilenauswahl);
  liste->SetzeStandardHoehe(16);
  liste->SetzeSpaltenBreite(0, 150);
  liste->SetzeZeichner(
      [zeichner = std::move(zeichner)](QPainter& p, int, int zeile, const QRect& r, TZellZustand z) {
        zeichner(p, zeile, r, z.ausgewaehlt);
      });
  LeiteTastenWeiter(liste);
  liste->viewport()->installEventFilter(this);
  listen_.push_back(liste);
  return liste;
}

void TGrForm::LoeschbareListe(TGitter* liste) {
  loeschbar_.push_back(liste);
  SetzeCursorNachModus(Modus(), 0);
}

void TGrForm::SetzeCursorNachModus(int modus, std::uint8_t /*tasten*/) {
  // The other modes do nothing here: the arrow, not the cursor a former mode left.
  const QCursor cursor =
      modus == Modus::Loeschen ? KolvarCursor(QStringLiteral("GUMMI")) : QCursor(Qt::ArrowCursor);
  for (TGitter* liste : loeschbar_) liste->viewport()->setCursor(cursor);
}

void TGrForm::ZeigeZeile(TGitter& liste, int zeile) {
  if (zeile < 0 || zeile >= liste.Zeilen()) return;
  liste.SetzeZelle(0, zeile);
  liste.ZeigeZelle(0, zeile);
}

void TGrForm::ZeichneZeile(QPainter& p, const QRect& r, bool ausgewaehlt, const QString& stunden,
                           const QString& text, bool rot, bool hervorheben) {
  const QPalette pal;
  QColor hinten = pal.color(QPalette::Button);
  QColor schrift = Qt::black;
  if (ausgewaehlt) {
    hinten = hervorheben ? pal.color(QPalette::Highlight) : QColor(0x00, 0x00, 0x80);
    schrift = hervorheben ? pal.color(QPalette::HighlightedText) : QColor(Qt::white);
  }
  if (rot) schrift = Qt::red;
  p.fillRect(r, hinten);
  if (stunden.isEmpty() && text.isEmpty()) return;
  p.setPen(schrift);
  const QFontMetrics fm = p.fontMetrics();
  const int vier = fm.horizontalAdvance(QStringLiteral("0000"));
  const int fuenf = fm.horizontalAdvance(QStringLiteral("00000"));
  p.drawText(QRect(r.left(), r.top(), vier, r.height()), Qt::AlignRight | Qt::AlignVCenter, stunden);
  p.drawText(QRect(r.left() + fuenf, r.top(), r.width() - fuenf, r.height()),
             Qt::AlignLeft | Qt::AlignVCenter, text);
}

QPoint TGrForm::MenueOrt(const TGitter& liste, int zeile) {
  const QRect r = liste.ZellRechteck(0, zeile);
  return liste.viewport()->mapToGlobal(r.topLeft() + QPoint(0, r.height() / 2));
}

}  // namespace kolvar
