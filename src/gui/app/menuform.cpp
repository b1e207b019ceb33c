#include "app/menuform.h"

#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "model/element.h"
#include "platform/gitter.h"
#include "platform/qttextmass.h"
#include "platform/spaltenmenue.h"

namespace kolvar {

TMenuForm::TMenuForm(const std::vector<TElement*>& elemente, const QString& caption, QWidget* eltern)
    : TKvDialog(eltern), alle_(elemente) {
  setObjectName(QStringLiteral("MenuForm"));
  setWindowTitle(caption);
  setWindowFlag(Qt::Tool, true);
  const int n = static_cast<int>(elemente.size());
  zeilen_ = SpaltenHoehe(n, 16);
  const int spalten = n / zeilen_ + 1;

  grid_ = new TGitter(this);
  grid_->setObjectName(QStringLiteral("MenuGrid"));
  grid_->setToolTip(QStringLiteral("Strg = Alle  Shift = Keins"));
  grid_->SetzeRollbalken(false);
  grid_->SetzeFesteSpalten(0);
  grid_->SetzeFesteZeilen(0);
  grid_->SetzeSpalten(spalten);
  grid_->SetzeZeilen(zeilen_);
  const TQtTextMass mass(font());
  int breite = 0;
  for (TElement* e : elemente) breite = std::max(breite, mass.TextBreite(e->Kuerzel()));
  const int spaltenBreite = breite + 5;
  const int zeilenHoehe = (n > 0 ? mass.TextHoehe({}) : 12) + 5;
  // The cells fill the grid's size below, a line between them.
  grid_->SetzeStandardBreite(spaltenBreite + 5);
  grid_->SetzeStandardHoehe(zeilenHoehe + 5);
  for (int i = 0; i < n; ++i) {
    const int s = i / zeilen_;
    const int z = i % zeilen_;
    grid_->SetzeText(s, z, QString::fromStdString(elemente[static_cast<std::size_t>(i)]->Kuerzel()));
    grid_->SetzeObjekt(s, z, elemente[static_cast<std::size_t>(i)]);
  }
  grid_->SetzeZeichner([this](QPainter& p, int s, int z, const QRect& r, TZellZustand) {
    const bool an = IstGewaehlt(s, z);
    p.fillRect(r, palette().color(an ? QPalette::Highlight : QPalette::Base));
    p.setPen(palette().color(an ? QPalette::HighlightedText : QPalette::Text));
    p.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, grid_->Text(s, z));
  });
  connect(grid_, &TGitter::ZelleGedrueckt, this,
          [this](int s, int z, Qt::MouseButton, Qt::KeyboardModifiers modifier, QPoint) {
            ZelleGeklickt(s, z, modifier);
          });
  // Every column in view: the grid is as large as its cells and lines plus its frame, and it
  // never scrolls, so a click on a partly shown column cannot shift the names under the mouse.
  const QSize zellen = grid_->Geometrie().GanzeGroesse();
  const int gridBreite = zellen.width() + 2 * grid_->frameWidth();
  const int gridHoehe = zellen.height() + 2 * grid_->frameWidth();
  grid_->setGeometry(2, 2, gridBreite, gridHoehe);
  connect(grid_, &TGitter::ObenLinksGeaendert, this, [this] {
    grid_->SetzeLinkeSpalte(0);
    grid_->SetzeObersteZeile(0);
  });

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  connect(abbrechen, &QPushButton::clicked, this, [this] { gewaehlt_.clear(); });
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
  const int formBreite =
      std::max(gridBreite + 5, ok->sizeHint().width() + abbrechen->sizeHint().width() + 20);
  const int formHoehe = gridHoehe + 31 + ok->sizeHint().height();
  setFixedSize(formBreite, formHoehe);
  const int mitte = formBreite / 2;
  const int oben = formHoehe - 25 - ok->sizeHint().height() / 2;
  ok->setGeometry(mitte - 5 - ok->sizeHint().width(), oben, ok->sizeHint().width(), ok->sizeHint().height());
  abbrechen->setGeometry(mitte, oben, abbrechen->sizeHint().width(), abbrechen->sizeHint().height());
}

TElement* TMenuForm::ElementBei(int spalte, int zeile) const {
  const int i = spalte * zeilen_ + zeile;
  if (spalte < 0 || zeile < 0 || zeile >= zeilen_ || i >= static_cast<int>(alle_.size())) return nullptr;
  return alle_[static_cast<std::size_t>(i)];
}

bool TMenuForm::IstGewaehlt(int spalte, int zeile) const {
  TElement* e = ElementBei(spalte, zeile);
  return e != nullptr && std::find(gewaehlt_.begin(), gewaehlt_.end(), e) != gewaehlt_.end();
}

void TMenuForm::ZelleGeklickt(int spalte, int zeile, Qt::KeyboardModifiers modifier) {
  if (modifier & Qt::ControlModifier) {
    gewaehlt_ = alle_;
  } else if (modifier & Qt::ShiftModifier) {
    gewaehlt_.clear();
  } else if (TElement* e = ElementBei(spalte, zeile)) {
    auto it = std::find(gewaehlt_.begin(), gewaehlt_.end(), e);
    if (it == gewaehlt_.end())
      gewaehlt_.push_back(e);
    else
      gewaehlt_.erase(it);
  }
  grid_->viewport()->update();
}

}  // namespace kolvar
