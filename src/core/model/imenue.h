#pragma once
// Pop-up menus the core fills: entries with text, check mark, column break, an action or
// sub-items. The GUI builds the real menu from them (sub-items as a submenu) and runs the
// chosen entry's action.

#include <functional>
#include <string>
#include <vector>

namespace kolvar {

struct TMenueEintrag {
  std::string Text;
  bool Haken = false;
  bool Aktiv = true;
  bool NeueSpalte = false;  // starts a new column with a bar
  std::function<void()> Aktion;
  // A submenu: the entry itself is not chosen, one of these is.
  std::vector<TMenueEintrag> Unter = {};
};

class IMenue {
 public:
  virtual ~IMenue() = default;
  virtual void Leere() = 0;
  virtual void Fuege(TMenueEintrag eintrag) = 0;
  virtual int Anzahl() const = 0;
};

// A plain menu kept in memory (the core's own menus and a base for the GUI's).
class TMenueDaten : public IMenue {
 public:
  void Leere() override { eintraege_.clear(); }
  void Fuege(TMenueEintrag eintrag) override { eintraege_.push_back(std::move(eintrag)); }
  int Anzahl() const override { return static_cast<int>(eintraege_.size()); }
  const std::vector<TMenueEintrag>& Eintraege() const { return eintraege_; }
  const TMenueEintrag& operator[](int i) const { return eintraege_[static_cast<std::size_t>(i)]; }

 private:
  std::vector<TMenueEintrag> eintraege_;
};

}  // namespace kolvar
