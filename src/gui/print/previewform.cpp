#include "print/previewform.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "druck/prevprinter.h"
#include "platform/cursoren.h"
#include "platform/dialogdienst.h"
#include "print/druckwiedergabe.h"

namespace kolvar {

// The white sheet the page is drawn on; the panel clips it when zoomed.
class TPreviewFlaeche : public QWidget {
 public:
  TPreviewFlaeche(TPreviewForm& form, QWidget* eltern) : QWidget(eltern), form_(form) {}

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { form_.MausRunter(e->position().toPoint()); }
  void mouseMoveEvent(QMouseEvent* e) override { form_.MausZieht(e->position().toPoint()); }
  void mouseReleaseEvent(QMouseEvent* e) override { form_.MausHoch(e->position().toPoint()); }

 private:
  TPreviewForm& form_;
};

void TPreviewFlaeche::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.setPen(Qt::black);
  maler.setBrush(Qt::white);
  maler.drawRect(0, 0, width() - 1, height() - 1);
  TPrevPrinter* p = form_.printer_;
  if (p != nullptr) {
    if (const TDruckSeite* seite = p->PageMetafile(form_.Seite())) {
      const TDruckGeraet& g = p->Geraet();
      const double massstab = static_cast<double>(width()) / g.Blatt.x;
      maler.save();
      maler.setRenderHint(QPainter::Antialiasing);
      maler.setRenderHint(QPainter::TextAntialiasing);
      maler.translate(std::nearbyint(g.Versatz.x * massstab), std::nearbyint(g.Versatz.y * massstab));
      SpieleAb(*seite, maler, g.PixelProZollY, massstab);
      maler.restore();
    }
  }
  if (form_.ziehtRahmen_) {
    maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(form_.rahmen_, QSize(150, 120)));
  }
}

TPreviewForm::TPreviewForm(QWidget* eltern) : TKvDialog(eltern) {
  setWindowTitle(QStringLiteral("Voransicht"));
  setFixedSize(602, 403);
  panel_ = new QFrame(this);
  panel_->setFrameShape(QFrame::Panel);
  panel_->setFrameShadow(QFrame::Sunken);
  panel_->setGeometry(5, 5, 484, 395);
  paintBox_ = new TPreviewFlaeche(*this, panel_);
  paintBox_->setObjectName(QStringLiteral("PaintBox"));

  auto* ansicht = new QGroupBox(QStringLiteral("Ansicht"), this);
  ansicht->setGeometry(496, 5, 101, 200);
  auto* seite = new QLabel(QStringLiteral("Seite"), ansicht);
  seite->setGeometry(10, 24, 40, 16);
  nrFeld_ = new QLabel(QStringLiteral("1"), ansicht);
  nrFeld_->setObjectName(QStringLiteral("NrFeld"));
  nrFeld_->setGeometry(52, 24, 40, 16);
  auto* drucken = new QPushButton(QStringLiteral("Drucken"), ansicht);
  drucken->setGeometry(8, 52, 85, 25);
  auto* naechste = new QPushButton(QStringLiteral("nächste Seite"), ansicht);
  naechste->setGeometry(8, 86, 85, 25);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), ansicht);
  abbrechen->setGeometry(8, 120, 85, 25);
  setTabOrder(drucken, naechste);
  setTabOrder(naechste, abbrechen);
  KnopfErgebnis(drucken, mrJa);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeAbbruchKnopf(abbrechen);
  connect(naechste, &QPushButton::clicked, this, [this] { NextKnopfClick(); });
  drucken->setFocus();
}

QWidget* TPreviewForm::PaintBox() const {
  return paintBox_;
}

int TPreviewForm::Seite() const {
  return nrFeld_->text().toInt();
}

void TPreviewForm::SetzePrinter(TPrevPrinter* printer) {
  printer_ = printer;
  GanzeSeite();
}

void TPreviewForm::GanzeSeite() {
  paintBox_->hide();
  TDruckPunkt blatt{1, 1};
  if (printer_ != nullptr) blatt = printer_->GetPhysPageSize();
  const int w = std::max(1, blatt.x), h = std::max(1, blatt.y);
  const int W = panel_->width(), H = panel_->height();
  QRect r;
  if (static_cast<double>(w) / h > static_cast<double>(W) / H) {
    const int breite = W - 10;
    const int hoehe = h * breite / w;
    r = QRect(5, H / 2 - hoehe / 2, breite, hoehe);
  } else {
    const int hoehe = H - 10;
    const int breite = w * hoehe / h;
    r = QRect(W / 2 - breite / 2, 5, breite, hoehe);
  }
  paintBox_->setGeometry(r);
  paintBox_->show();
  vergroessert_ = false;
  paintBox_->setCursor(KolvarCursor(QStringLiteral("LUPEPLUS")));
}

void TPreviewForm::Vergroessern(int x, int y) {
  paintBox_->hide();
  const QRect alt = paintBox_->geometry();
  const auto rund = [](double v) { return static_cast<int>(std::nearbyint(v)); };
  paintBox_->setGeometry(rund((10 - x) * 2.5), rund((10 - y) * 2.5), rund(alt.width() * 2.5),
                         rund(alt.height() * 2.5));
  paintBox_->show();
  vergroessert_ = true;
  paintBox_->setCursor(KolvarCursor(QStringLiteral("LUPEMINUS")));
}

void TPreviewForm::ZeigeSeite(int n) {
  if (printer_ == nullptr || n < 1 || n > printer_->PageCount()) return;
  nrFeld_->setText(QString::number(n));
  paintBox_->update();
}

void TPreviewForm::NextKnopfClick() {
  const int n = Seite();
  const int anzahl = printer_ != nullptr ? printer_->PageCount() : 0;
  if (n < anzahl) {
    ZeigeSeite(n + 1);
  } else if (n == anzahl) {
    done(mrAbbrechen);
  }
}

void TPreviewForm::MausRunter(QPoint p) {
  if (vergroessert_) return;
  rahmen_ = p;
  ziehtRahmen_ = true;
  paintBox_->update();
}

void TPreviewForm::MausZieht(QPoint p) {
  if (!ziehtRahmen_) return;
  rahmen_ = p;
  paintBox_->update();
}

void TPreviewForm::MausHoch(QPoint p) {
  const bool zog = ziehtRahmen_;
  ziehtRahmen_ = false;
  if (!vergroessert_ && zog)
    Vergroessern(p.x(), p.y());
  else if (vergroessert_)
    GanzeSeite();
  paintBox_->update();
}

}  // namespace kolvar
