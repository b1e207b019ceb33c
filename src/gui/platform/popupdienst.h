// Pop-up menus built from data entries, broken into columns, replaceable in tests.
#pragma once

#include <QPoint>
#include <QStringList>
#include <deque>
#include <vector>

#include "platform/menueeintrag.h"

namespace kolvar {

class IPopupDienst {
 public:
  virtual ~IPopupDienst() = default;
  // Shows the entries at a screen position with columns of the given height (0: one column) and
  // returns the index of the chosen entry, -1 when dismissed.
  virtual int Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global, int spaltenHoehe) = 0;

  // Shows the entries, runs the chosen entry's action and returns its id (-1 when dismissed).
  int Waehle(const std::vector<TPopupEintrag>& eintraege, const QPoint& global, int spaltenHoehe);
  // The plan views' rule: columns of max(sqrt(n / 3) * 3, 16).
  int WaehleUmbrochen(const std::vector<TPopupEintrag>& eintraege, const QPoint& global);
};

class TQtPopupDienst : public IPopupDienst {
 public:
  int Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global, int spaltenHoehe) override;
};

// Records what was offered and chooses as scripted: by text, by index, or nothing.
class TSkriptPopupDienst : public IPopupDienst {
 public:
  struct Angebot {
    QStringList texte;
    std::vector<bool> aktiv;
    std::vector<bool> haken;
    QPoint ort;
    int spaltenHoehe = 0;
  };

  void WaehleText(const QString& text) { antworten_.push_back({text, -1}); }
  void WaehleIndex(int index) { antworten_.push_back({{}, index}); }
  void WaehleNichts() { antworten_.push_back({{}, -1}); }

  int Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global, int spaltenHoehe) override;

  const std::vector<Angebot>& Angebote() const { return angebote_; }
  const QStringList& Fehler() const { return fehler_; }

 private:
  struct Antwort {
    QString text;
    int index;
  };
  std::deque<Antwort> antworten_;
  std::vector<Angebot> angebote_;
  QStringList fehler_;
};

}  // namespace kolvar
