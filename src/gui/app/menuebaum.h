// The palette's main menu: the tree of entries named by their paths (menuepfade.h), the command
// of each entry, the element menus "Le" .. "UV", and the enabling of entries and buttons by the
// file state and the kind of the active window.
//
// Every menu command and every button click of the palette runs through FuehreAus, the one
// place where a user action starts. An entry without a command stays disabled; a feature hands
// it its command through SetzeBefehl and from then on the entry follows the rules.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "model/element.h"

class QAbstractButton;
class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;

namespace kolvar {

class TKolvarPalette;

class TMenueBaum : public QObject {
 public:
  // Builds the tree with the palette's own commands.
  explicit TMenueBaum(TKolvarPalette& palette);
  ~TMenueBaum() override;

  // Runs one user action: a menu command or a button click.
  void FuehreAus(const std::function<void()>& befehl);
  // After an action that placed lessons after the periods shown (more than the vorher there
  // were after alt): "pst" rises to them, and the user is told once.
  void ZeigeStundenNachPst(int alt, int vorher);
  // The button's clicks run the command through FuehreAus.
  void Verbinde(QAbstractButton* knopf, std::function<void()> befehl);

  // The entry of the path; std::invalid_argument (naming the path) when the menu has none.
  QAction* Aktion(const QString& pfad) const;
  // A top-level menu by its title ("Menu" is the folding item); std::invalid_argument when none.
  QMenu* Menue(const QString& titel) const;
  // Gives an entry its command; std::invalid_argument for an unknown path or a sub-menu.
  void SetzeBefehl(const QString& pfad, std::function<void()> befehl);
  bool HatBefehl(const QString& pfad) const;
  // The entry's command (empty without one), so a feature can chain its own before it.
  std::function<void()> Befehl(const QString& pfad) const;

  // Puts the menus into the menu bar, or all of them under "Menu" (tool-window layouts).
  void InDieLeiste(QMenuBar& leiste, bool gefaltet);
  QMenu& FensterMenue() const { return *fensterMenue_; }

  // --- Enabling ---
  // By the file state: an open school, its modified flag, the undo list.
  void DateiMenusAnpassen();
  // By the active window's kind: entries, buttons, view group, mode fallback, window marks.
  void MenusAnpassen();
  void SetzeSichernAktiv(bool an);
  // "Löschen" by the undo list; "Widerrufen" too while the manual planning window is open.
  void SetzeWiderrufenAktiv(bool an);

  // --- Element menus ---
  // Rebuilds "Le" .. "UV" from the school's lists (numbering the elements by position).
  void KuerzelMenusAnlegen();
  std::vector<QString> KuerzelTexte(TElementArt art) const;
  int KuerzelSpaltenHoehe(TElementArt art) const;

 private:
  void Baue();
  QAction* Eintrag(const QString& pfad, const QKeySequence& taste, std::function<void()> befehl = {});
  QAction* Eintrag(const QString& pfad, std::function<void()> befehl = {});
  QMenu* Hauptmenue(const QString& titel);
  QMenu* Untermenue(const QString& pfad);
  // The menu an entry of the path goes into: the longest known menu path before it.
  QMenu* Eltern(const QString& pfad, QString& text) const;
  bool HatBefehl(QAction* aktion) const;
  // Enables the entry when an is true and the entry has a command (a sub-menu: any of its own).
  void Freigeben(QAction* aktion, bool an);
  void Freigeben(const QString& pfad, bool an) { Freigeben(Aktion(pfad), an); }
  void KuerzelMenuClick(TElementArt art, int position);
  // The settings page of the entry (index in menu order), -1 for any other entry.
  int Seite(const QAction* aktion) const;
  // Opens the page, then each page its "Wechseln" chose, one after the other.
  void SeitenFolgen(int seite);
  // What follows a page once its dialog has closed.
  void NachSeite(int seite);

  TKolvarPalette& palette_;
  QHash<QString, QAction*> aktionen_;
  QHash<QString, QMenu*> menues_;
  QHash<QAction*, std::function<void()>> befehle_;
  std::vector<QMenu*> hauptMenues_;
  QMenu* faltMenue_ = nullptr;
  std::array<QMenu*, 6> kuerzelMenues_{};
  QMenu* fensterMenue_ = nullptr;
};

}  // namespace kolvar
