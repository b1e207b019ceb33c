#include "platform/spaltenmenue.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>
#include <algorithm>
#include <cmath>

namespace kolvar {

int SpaltenHoehe(int anzahl, int minimum) {
  const int h = static_cast<int>(std::lround(std::sqrt(std::max(anzahl, 0) / 3.0) * 3.0));
  return std::max(h, minimum);
}

bool BeginntSpalte(int index, int hoehe) {
  return hoehe > 0 && index > 0 && index % hoehe == 0;
}

// The entries laid out in columns, drawn with the style's menu items. An entry with sub-items
// opens its submenu beside it when the mouse comes over it or clicks it.
class TSpaltenFlaeche : public QWidget {
 public:
  TSpaltenFlaeche(TSpaltenMenue* menue, const std::vector<TPopupEintrag>& eintraege, int hoehe)
      : QWidget(menue), menue_(menue), eintraege_(eintraege), hoehe_(hoehe) {
    setMouseTracking(true);
    Anordnen();
    for (int i = 0; i < static_cast<int>(eintraege_.size()); ++i) {
      TSpaltenMenue* unter = menue_->Untermenue(i);
      if (unter == nullptr) continue;
      unter->installEventFilter(this);
      connect(unter, &QMenu::aboutToHide, this, [this, i] {
        if (offen_ != i) return;
        offen_ = -1;
        update();
      });
    }
  }

  int Spalten() const { return static_cast<int>(spaltenX_.size()) - 1; }
  QRect Rechteck(int i) const {
    if (i < 0 || i >= static_cast<int>(eintraege_.size())) return {};
    const int s = i / hoehe_;
    return QRect(spaltenX_[s], zeilenY_[i], spaltenX_[s + 1] - spaltenX_[s], Hoehe(i));
  }
  QSize sizeHint() const override { return groesse_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (int i = 0; i < static_cast<int>(eintraege_.size()); ++i) {
      QStyleOptionMenuItem opt = Option(i);
      opt.rect = Rechteck(i);
      style()->drawControl(QStyle::CE_MenuItem, &opt, &p, this);
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override { Ueber(e->position().toPoint()); }
  void leaveEvent(QEvent*) override {
    ueber_ = -1;
    update();
  }
  void mouseReleaseEvent(QMouseEvent* e) override { Klick(e->position().toPoint()); }
  void hideEvent(QHideEvent* e) override {
    SchliesseUnter();
    QWidget::hideEvent(e);
  }
  // An open submenu takes the mouse; what happens over the columns is still theirs.
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::MouseMove && art != QEvent::MouseButtonPress && art != QEvent::MouseButtonRelease)
      return false;
    TSpaltenMenue* unter = offen_ >= 0 ? menue_->Untermenue(offen_) : nullptr;
    if (unter == nullptr || objekt != unter) return false;
    const QPoint global = static_cast<QMouseEvent*>(ereignis)->globalPosition().toPoint();
    if (unter->rect().contains(unter->mapFromGlobal(global))) return false;
    const QPoint hier = mapFromGlobal(global);
    if (!rect().contains(hier)) {
      if (art != QEvent::MouseButtonPress) return false;
      // A press outside every part of the menu dismisses all of it.
      SchliesseUnter();
      menue_->close();
      return true;
    }
    if (art == QEvent::MouseMove)
      Ueber(hier);
    else if (art == QEvent::MouseButtonRelease)
      Klick(hier);
    return true;
  }

 private:
  bool Waehlbar(int i) const { return i >= 0 && eintraege_[i].aktiv && !eintraege_[i].trenner; }
  bool HatUnter(int i) const { return Waehlbar(i) && menue_->Untermenue(i) != nullptr; }
  void Ueber(QPoint p) {
    const int i = Bei(p);
    if (i != ueber_) {
      ueber_ = i;
      update();
    }
    if (i < 0 || i == offen_) return;
    if (HatUnter(i))
      ZeigeUnter(i);
    else
      SchliesseUnter();
  }
  void Klick(QPoint p) {
    const int i = Bei(p);
    if (HatUnter(i)) {
      ZeigeUnter(i);
    } else if (Waehlbar(i)) {
      SchliesseUnter();
      menue_->Waehle(i);
    }
  }
  void ZeigeUnter(int i) {
    if (offen_ == i) return;
    SchliesseUnter();
    offen_ = i;
    update();
    menue_->Untermenue(i)->popup(mapToGlobal(Rechteck(i).topRight()));
  }
  void SchliesseUnter() {
    if (offen_ < 0) return;
    TSpaltenMenue* unter = menue_->Untermenue(offen_);
    offen_ = -1;
    if (unter != nullptr) unter->hide();
    update();
  }
  QStyleOptionMenuItem Option(int i) const {
    const TPopupEintrag& e = eintraege_[i];
    QStyleOptionMenuItem opt;
    opt.initFrom(this);
    opt.menuItemType = e.trenner          ? QStyleOptionMenuItem::Separator
                       : !e.unter.empty() ? QStyleOptionMenuItem::SubMenu
                                          : QStyleOptionMenuItem::Normal;
    opt.checkType = e.haken ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
    opt.checked = e.haken;
    opt.text = e.text;
    opt.maxIconWidth = 0;
    opt.reservedShortcutWidth = 0;
    opt.menuHasCheckableItems = true;
    opt.font = font();
    if (!e.aktiv) {
      opt.state &= ~QStyle::State_Enabled;
      opt.palette.setCurrentColorGroup(QPalette::Disabled);
    }
    if ((i == ueber_ || i == offen_) && e.aktiv && !e.trenner) opt.state |= QStyle::State_Selected;
    return opt;
  }
  int Hoehe(int i) const { return hoehen_[i]; }
  int Bei(QPoint p) const {
    for (int i = 0; i < static_cast<int>(eintraege_.size()); ++i)
      if (Rechteck(i).contains(p)) return i;
    return -1;
  }
  void Anordnen() {
    const int n = static_cast<int>(eintraege_.size());
    hoehen_.assign(n, 0);
    zeilenY_.assign(n, 0);
    spaltenX_.assign(1, 0);
    int hoechste = 0;
    for (int anfang = 0; anfang < n; anfang += hoehe_) {
      int breite = 0;
      int y = 0;
      for (int i = anfang; i < std::min(n, anfang + hoehe_); ++i) {
        QStyleOptionMenuItem opt = Option(i);
        const QFontMetrics fm(font());
        const QSize inhalt(fm.horizontalAdvance(opt.text), fm.height());
        const QSize g = style()->sizeFromContents(QStyle::CT_MenuItem, &opt, inhalt, this);
        hoehen_[i] = g.height();
        zeilenY_[i] = y;
        y += g.height();
        breite = std::max(breite, g.width() + 12);
      }
      hoechste = std::max(hoechste, y);
      spaltenX_.push_back(spaltenX_.back() + breite);
    }
    groesse_ = QSize(spaltenX_.back(), hoechste);
    setFixedSize(groesse_);
  }

  TSpaltenMenue* menue_;
  std::vector<TPopupEintrag> eintraege_;
  int hoehe_;
  std::vector<int> hoehen_;
  std::vector<int> zeilenY_;
  std::vector<int> spaltenX_;
  QSize groesse_;
  int ueber_ = -1;
  int offen_ = -1;  // the entry whose submenu is shown
};

TSpaltenMenue::TSpaltenMenue(QWidget* eltern) : QMenu(eltern) {
  connect(this, &QMenu::aboutToShow, this, [this] {
    gewaehlt_ = -1;
    gewaehltUnter_ = -1;
  });
}

TSpaltenMenue* TSpaltenMenue::NeuesUntermenue(int index, int hoehe) {
  const TPopupEintrag& e = eintraege_[static_cast<std::size_t>(index)];
  auto* unter = new TSpaltenMenue(this);
  unter->setTitle(e.text);
  unter->SetzeEintraege(e.unter, hoehe);
  connect(unter, &TSpaltenMenue::EintragGewaehlt, this, [this, index](int j) { WaehleUnter(index, j); });
  return unter;
}

TSpaltenMenue* TSpaltenMenue::Untermenue(int index) const {
  if (index < 0 || index >= static_cast<int>(untermenues_.size())) return nullptr;
  return untermenues_[static_cast<std::size_t>(index)];
}

void TSpaltenMenue::SetzeEintraege(const std::vector<TPopupEintrag>& eintraege, int hoehe) {
  clear();
  for (TSpaltenMenue* unter : untermenues_) delete unter;
  untermenues_.assign(eintraege.size(), nullptr);
  flaeche_ = nullptr;
  eintraege_ = eintraege;
  gewaehlt_ = -1;
  gewaehltUnter_ = -1;
  const int n = static_cast<int>(eintraege.size());
  for (int i = 0; i < n; ++i)
    if (!eintraege[i].unter.empty() && !eintraege[i].trenner) untermenues_[i] = NeuesUntermenue(i, hoehe);
  if (hoehe <= 0 || n <= hoehe) {
    for (int i = 0; i < n; ++i) {
      const TPopupEintrag& e = eintraege[i];
      if (e.trenner) {
        addSeparator();
        continue;
      }
      if (untermenues_[i] != nullptr) {
        addMenu(untermenues_[i])->setEnabled(e.aktiv);
        continue;
      }
      QAction* a = addAction(e.text);
      a->setCheckable(e.haken);
      a->setChecked(e.haken);
      a->setEnabled(e.aktiv);
      connect(a, &QAction::triggered, this, [this, i] {
        gewaehlt_ = i;
        emit EintragGewaehlt(i);
      });
    }
    return;
  }
  auto* aktion = new QWidgetAction(this);
  flaeche_ = new TSpaltenFlaeche(this, eintraege, hoehe);
  aktion->setDefaultWidget(flaeche_);
  addAction(aktion);
}

int TSpaltenMenue::Spaltenzahl() const {
  return flaeche_ != nullptr ? flaeche_->Spalten() : 1;
}

QWidget* TSpaltenMenue::SpaltenFlaeche() const {
  return flaeche_;
}

QRect TSpaltenMenue::EintragsRechteck(int index) const {
  return flaeche_ != nullptr ? flaeche_->Rechteck(index) : QRect();
}

void TSpaltenMenue::Waehle(int index) {
  if (index < 0 || index >= static_cast<int>(eintraege_.size())) return;
  if (!eintraege_[index].aktiv || eintraege_[index].trenner || Untermenue(index) != nullptr) return;
  gewaehlt_ = index;
  gewaehltUnter_ = -1;
  close();
  emit EintragGewaehlt(index);
}

void TSpaltenMenue::mousePressEvent(QMouseEvent* ereignis) {
  const QPoint global = ereignis->globalPosition().toPoint();
  const QWidget* unter = QApplication::widgetAt(global);
  // A press on another menu (a submenu's parent) stays the menus' own business.
  if (!rect().contains(ereignis->position().toPoint()) &&
      (unter == nullptr || qobject_cast<const QMenu*>(unter->window()) == nullptr)) {
    // The press goes on to what it was made on (the pop-up service hands it over), not replayed
    // by Qt as well: a replayed press may come after the release and click nothing.
    schliessOrt_ = global;
    setAttribute(Qt::WA_NoMouseReplay);
  }
  QMenu::mousePressEvent(ereignis);
}

void TSpaltenMenue::WaehleUnter(int index, int unter) {
  TSpaltenMenue* menue = Untermenue(index);
  if (menue == nullptr || !eintraege_[index].aktiv || unter < 0 ||
      unter >= static_cast<int>(eintraege_[index].unter.size()))
    return;
  gewaehlt_ = index;
  gewaehltUnter_ = unter;
  menue->hide();
  close();
  emit EintragGewaehlt(index);
}

}  // namespace kolvar
