// A pop-up menu whose entries run in columns of a given height; Qt's QMenu has no column break.
#pragma once

#include <QMenu>
#include <optional>
#include <vector>

#include "platform/menueeintrag.h"

namespace kolvar {

// Column height for n entries: sqrt(n / 3) * 3 rounded, at least minimum (16 for element and
// plan pop-ups, 8 for the plan-version menu). sqrt(3n) is never halfway between integers, so the
// rounding rule for ties does not matter.
int SpaltenHoehe(int anzahl, int minimum);
// Whether entry i (from 0) begins a new column.
bool BeginntSpalte(int index, int hoehe);

class TSpaltenFlaeche;

class TSpaltenMenue : public QMenu {
  Q_OBJECT

 public:
  explicit TSpaltenMenue(QWidget* eltern = nullptr);

  // Fills the menu; hoehe <= 0 or no more entries than hoehe gives a plain menu. Entries with
  // sub-items get submenus of their own, broken into columns of the same height.
  void SetzeEintraege(const std::vector<TPopupEintrag>& eintraege, int hoehe);
  // Index of the entry chosen in the last run, -1 when the menu was dismissed.
  int Gewaehlt() const { return gewaehlt_; }
  // The sub-item chosen in the entry's submenu, -1 for an entry without.
  int GewaehltUnter() const { return gewaehltUnter_; }
  // The submenu of entry i (null for an entry without sub-items).
  TSpaltenMenue* Untermenue(int index) const;
  int Spaltenzahl() const;
  // Where entry i lies inside the column area (empty for a plain menu).
  QRect EintragsRechteck(int index) const;
  // The widget that shows the columns (null for a plain menu).
  QWidget* SpaltenFlaeche() const;
  // Chooses entry i as a click would (used by the column area and by tests).
  void Waehle(int index);
  // Chooses sub-item j of entry i (its submenu reports it here).
  void WaehleUnter(int index, int unter);
  // Where a press outside the menu closed it (global), if one did.
  std::optional<QPoint> SchliessOrt() const { return schliessOrt_; }

 signals:
  // An entry was chosen; menus of the menu bar act on it here, pop-ups read Gewaehlt().
  void EintragGewaehlt(int index);

 private:
  TSpaltenMenue* NeuesUntermenue(int index, int hoehe);
  void mousePressEvent(QMouseEvent* ereignis) override;

  std::vector<TPopupEintrag> eintraege_;
  std::vector<TSpaltenMenue*> untermenues_;
  TSpaltenFlaeche* flaeche_ = nullptr;
  int gewaehlt_ = -1;
  int gewaehltUnter_ = -1;
  std::optional<QPoint> schliessOrt_;
};

}  // namespace kolvar
