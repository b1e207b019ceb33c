#include "masterdata/sperrung.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

namespace {

constexpr int kZellBreite = 15;
constexpr int kZellHoehe = 12;
constexpr int kRand = 2;  // the grid's frame
constexpr int kKopfHoehe = 14;
constexpr int kStdBreite = 34;

int Breite(int tage) {
  return tage * kZellBreite + 2 * kRand;  // 79, 94, 109 for 5, 6, 7 days
}

}  // namespace

// The drawn grid: hands paint and mouse to its owner.
class TSperrung::TGitterFlaeche : public QWidget {
 public:
  explicit TGitterFlaeche(TSperrung& besitzer) : QWidget(&besitzer), besitzer_(besitzer) {
    setCursor(Qt::CrossCursor);
    setMouseTracking(false);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter maler(this);
    besitzer_.Male(maler);
  }
  void mousePressEvent(QMouseEvent* e) override { besitzer_.Starte(e->position().toPoint(), e->button()); }
  void mouseMoveEvent(QMouseEvent* e) override { besitzer_.Ziehe(e->position().toPoint(), e->buttons()); }
  void mouseReleaseEvent(QMouseEvent* e) override { besitzer_.Analyse(e->position().toPoint(), e->button()); }

 private:
  TSperrung& besitzer_;
};

// A disabled header row or column: the day abbreviations or the period labels.
class TSperrung::TKopf : public QWidget {
 public:
  TKopf(QWidget* eltern, bool waagerecht) : QWidget(eltern), waagerecht_(waagerecht) { setEnabled(false); }
  void SetzeTexte(std::vector<QString> texte) {
    texte_ = std::move(texte);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter maler(this);
    maler.fillRect(rect(), palette().color(QPalette::Button));
    maler.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    QFont schrift = font();
    schrift.setPixelSize(9);
    maler.setFont(schrift);
    for (std::size_t i = 0; i < texte_.size(); ++i) {
      const int n = static_cast<int>(i);
      const QRect r = waagerecht_ ? QRect(kRand + n * kZellBreite, 0, kZellBreite, height())
                                  : QRect(0, kRand + n * kZellHoehe, width() - 2, kZellHoehe);
      maler.drawText(r, (waagerecht_ ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter, texte_[i]);
    }
  }

 private:
  bool waagerecht_;
  std::vector<QString> texte_;
};

TSperrung::TSperrung(QWidget* eltern) : QGroupBox(QStringLiteral("Sperrung"), eltern) {
  setObjectName(QStringLiteral("SperrBox"));
  gitter_ = new TGitterFlaeche(*this);
  gitter_->setObjectName(QStringLiteral("Sperrung"));
  tagKopf_ = new TKopf(this, true);
  tagKopf_->setObjectName(QStringLiteral("TagGrid"));
  stdKopf_ = new TKopf(this, false);
  stdKopf_->setObjectName(QStringLiteral("StdGrid"));
  Spalte(kStdBreite);
  Anordnen(5);
}

void TSperrung::Spalte(int breite) {
  const int oben = 18;
  stdKopf_->setGeometry(6, oben + kKopfHoehe, breite, kStunden * kZellHoehe + 2 * kRand);
  tagKopf_->move(6 + breite, oben);
  gitter_->move(6 + breite, oben + kKopfHoehe);
}

void TSperrung::Anordnen(int tage) {
  tage_ = tage;
  tagKopf_->resize(Breite(tage), kKopfHoehe);
  gitter_->resize(Breite(tage), kStunden * kZellHoehe + 2 * kRand);
  setFixedSize(gitter_->geometry().right() + 8, gitter_->geometry().bottom() + 8);
}

void TSperrung::Vorbereiten(const TStandard& standard) {
  standard_ = &standard;
  const int tage = std::clamp(standard.mtn, 5, kTage);
  Anordnen(tage);
  std::vector<QString> tagTexte;
  for (int d = 0; d < tage; ++d)
    tagTexte.push_back(QString::fromStdString(standard.spg[static_cast<std::size_t>(d)]));
  tagKopf_->SetzeTexte(std::move(tagTexte));
  const int v = std::clamp(standard.AktuelleVersion(), 1, kMaxVersionen);
  std::vector<QString> stdTexte;
  for (int p = 0; p < kStunden; ++p)
    stdTexte.push_back(
        QString::fromStdString(standard.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p)]));
  // The period column is as wide as its longest label, which it would cut otherwise.
  QFont schrift = stdKopf_->font();
  schrift.setPixelSize(9);
  const QFontMetrics mass(schrift);
  int breite = kStdBreite;
  for (const QString& t : stdTexte) breite = std::max(breite, mass.horizontalAdvance(t) + 6);
  stdKopf_->SetzeTexte(std::move(stdTexte));
  Spalte(breite);
  Anordnen(tage);
  gitter_->update();
}

void TSperrung::SetzeQuelle(const TSperrQuelle& quelle, TSchule* schule) {
  quelle_ = quelle;
  schule_ = schule;
  ziehen_ = false;
  gitter_->update();
}

QWidget* TSperrung::Gitter() const {
  return gitter_;
}

void TSperrung::NeuZeichnen() {
  gitter_->update();
}

int TSperrung::Version() const {
  return standard_ != nullptr ? standard_->AktuelleVersion() : 1;
}

QRect TSperrung::ZellRechteck(int tag, int stunde) const {
  return QRect(kRand + (tag - 1) * kZellBreite, kRand + (stunde - 1) * kZellHoehe, kZellBreite, kZellHoehe);
}

bool TSperrung::Zelle(const QPoint& punkt, int& tag, int& stunde) const {
  // Points beyond the grid count as its nearest cell, as a range selection would.
  tag = std::clamp((punkt.x() - kRand) / kZellBreite + 1, 1, tage_);
  stunde = std::clamp((punkt.y() - kRand) / kZellHoehe + 1, 1, kStunden);
  return punkt.x() >= 0 && punkt.y() >= 0 && punkt.x() < gitter_->width() && punkt.y() < gitter_->height();
}

void TSperrung::Male(QPainter& maler) const {
  const QColor grund = gitter_->palette().color(QPalette::Base);
  maler.fillRect(gitter_->rect(), grund);
  const int v = Version();
  for (int d = 1; d <= tage_; ++d) {
    for (int p = 1; p <= kStunden; ++p) {
      const QRect r = ZellRechteck(d, p);
      const TWochenZelle z = ZeichneWochenZelle(quelle_, v, d, p);
      if (z.Art == TWochenZelle::TArt::Gesetzt) {
        maler.setPen(Qt::black);
        maler.setBrush(z.Gekoppelt ? QBrush(Qt::black) : QBrush(grund));
        const QRect form(r.left() + 4, r.top() + 1, r.width() - 8, r.height() - 3);
        if (z.Fixiert)
          maler.drawRect(form);
        else
          maler.drawEllipse(form);
      } else if (z.Art == TWochenZelle::TArt::Gesperrt) {
        maler.fillRect(r.adjusted(1, 1, -1, -1), QColor(128, 128, 0));
      }
    }
  }
  if (ziehen_) {
    maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(start_, ecke_).normalized());
  }
}

void TSperrung::Starte(const QPoint& punkt, Qt::MouseButton knopf) {
  if (knopf != Qt::LeftButton) return;
  int tag = 0, stunde = 0;
  if (!Zelle(punkt, tag, stunde)) return;
  start_ = ecke_ = punkt;
  ziehen_ = true;
  gitter_->update();
}

void TSperrung::Ziehe(const QPoint& punkt, Qt::MouseButtons knoepfe) {
  if (!ziehen_ || !(knoepfe & Qt::LeftButton)) return;
  ecke_ = punkt;
  gitter_->update();
}

void TSperrung::Analyse(const QPoint& punkt, Qt::MouseButton knopf) {
  // Any release ends a drag; only the left button's applies it.
  const bool war = ziehen_;
  ziehen_ = false;
  gitter_->update();
  if (!war || knopf != Qt::LeftButton) return;
  int tagA = 0, stdA = 0, tagB = 0, stdB = 0;
  Zelle(start_, tagA, stdA);
  Zelle(punkt, tagB, stdB);
  const int v = Version();
  const bool geaendert = schule_ != nullptr
                             ? SperreAuswahl(*schule_, quelle_, v, tagA, tagB, stdA, stdB, tagA, stdA)
                             : SperreAuswahl(quelle_, v, tagA, tagB, stdA, stdB, tagA, stdA);
  if (geaendert) emit Gesperrt();
}

}  // namespace kolvar
