// TKolvarPalette: the main window, a small tool palette that stays on top. It owns the school,
// carries the main menu, the tool and view buttons, the plan-version button and the element
// pop-ups, keeps the shift state and the busy flag, lists the open child windows and enables
// menus and buttons by the kind of the active window. The file commands live here too: they
// replace the school, and every path that would drop a modified school asks first.
//
// Menu entries whose command another window of the program provides start disabled; that
// window's code hands the palette the command (SetzeBefehl) and the entry follows the rules.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/guidialoge.h"
#include "model/ifenster.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "platform/fensterliste.h"
#include "platform/shiftempfaenger.h"

class QAction;
class QButtonGroup;
class QFrame;
class QMenu;
class QToolButton;

namespace kolvar {

class IEinstellungsSpeicher;
class ISchulDateien;
class TElement;
class TKindFenster;
class TStandard;

class TKolvarPalette : public QMainWindow,
                       public IPaletteZustand,
                       public IShiftEmpfaenger,
                       public IFensterListe {
  Q_OBJECT

 public:
  // speicher: where the settings go when the program ends (none: they are not saved).
  TKolvarPalette(TStandard& standard, ISchulDateien& dateien, IEinstellungsSpeicher* speicher = nullptr,
                 QWidget* eltern = nullptr);
  ~TKolvarPalette() override;

  TSchule& Schule() const { return *schule_; }
  TStandard& Standard() const { return standard_; }
  int Tag() const { return FensterArt::Palette; }
  // The services a school made by the palette gets.
  TUmgebung Umgebung();

  // --- Start and end ---
  // The password prompt when a password is set; false when the entry was wrong or cancelled.
  bool KennwortPruefen();
  // The start file: the first argument, or the Open dialog when there is none.
  void ParameterDateiOeffnen(const QString& argument);
  // Whether the program may close now (also asks to save).
  bool FormCloseQuery();
  // Closes the school, stores the position and the settings; runs once.
  void Beende();
  void BeendenItemClick() { close(); }
  bool IstBeendet() const { return beendet_; }

  // --- File commands ---
  void NeuItemClick();
  void OeffnenItemClick();
  void ImportItemClick();
  void SichernItemClick();
  void SichernUnterItemClick();
  // "Datei schließen"; false when the user kept the school (or saving failed).
  bool SchliessenItemClick();
  // Reads the file into a new school; false (no file open, empty school) when it failed.
  bool DateiOeffnen(const QString& pfad);
  bool DateiImportieren(const QString& pfad);
  // Saves to the path; false with the school still modified when it failed.
  bool DateiSichern(const QString& pfad);
  // Asks "Daten sichern?" while the school is modified and acts on the answer; true when the
  // school may go: saved, or "Nein". The close box, a cancelled name or a failed save keep it.
  bool FrageSichernVorSchliessen();
  bool DateiOffen() const { return dateiOffen_; }

  // --- Menus and buttons ---
  // The entry by its path of captions, e.g. "Datei/Sichern unter..."; null when unknown.
  QAction* Aktion(const QString& pfad) const;
  QToolButton* Knopf(const QString& name) const;
  QMenu* Menue(const QString& titel) const;
  // Gives an entry its command; from then on the entry is enabled by the rules.
  void SetzeBefehl(const QString& pfad, std::function<void()> befehl);
  // Opens an element's window for the current view group (the element windows provide it).
  void SetzeElementFensterOeffner(std::function<void(TElement*, uint8_t)> oeffner);

  void PaletteAnordnen();
  void VersionsMenuAufbauen();
  void KuerzelMenusAnlegen();
  void MenusAnpassen();
  void VersKnopfClick();
  void VersionGewaehlt(int version);
  void ModusKnopfClick(int modus);
  void AnsichtKnopfClick(int gruppe);
  void NeueUEKnopfClick();
  void UELoeschKnopfClick();
  void ClickLinks() { Blaettern(false); }
  void ClickRechts() { Blaettern(true); }
  void FensterSchliessenItemClick();
  void WiderrufenItemClick();
  void UndoLoeschenItemClick();
  void ZwischenablageItemClick();
  void KennwortItemClick();
  // Where the abbreviation menus' entries of one list are; for tests and the menus.
  std::vector<QString> KuerzelTexte(TElementArt art) const;
  int KuerzelSpaltenHoehe(TElementArt art) const;

  // --- Element choice through the pop-ups ---
  // Pops up the element menu of the kind (with "ohne" when asked) with the busy flag set;
  // true when a choice was made, the element then in Wahl (null for "ohne").
  bool WaehleElement(TElementArt art, bool mitOhne, const QPoint& ort);
  TElement* Wahl(TElementArt art) const { return wahl_[static_cast<std::size_t>(art)]; }
  void SetzeWahl(TElementArt art, TElement* e);
  bool Gewaehlt() const { return gewaehlt_; }
  void SetzeGewaehlt(bool an) { gewaehlt_ = an; }

  // --- Clipboard ---
  // The hidden memo's text goes to the clipboard; the clipboard window follows.
  void TextInZwischenablage(const QString& text);

  // --- IPaletteZustand ---
  uint8_t Tasten() const override { return tasten_; }
  bool Beschaeftigt() const override { return beschaeftigt_; }
  void SetzeBeschaeftigt(bool an) override { beschaeftigt_ = an; }
  bool UndoAufzeichnen() const override { return undoAufzeichnen_; }
  void SetzeUndoAufzeichnen(bool an) override { undoAufzeichnen_ = an; }
  std::string AblageText() const override;
  void SetzeSichernAktiv(bool an) override;
  void SetzeWiderrufenAktiv(bool an) override;

  // --- IShiftEmpfaenger ---
  void ShiftMerken(uint8_t zustand) override;

  // --- IFensterListe ---
  void FensterAnmelden(TKindFenster& fenster) override;
  void FensterAbmelden(TKindFenster& fenster) override;
  void FensterAktiviert(TKindFenster& fenster) override;
  void FensterUmbenannt(TKindFenster& fenster) override;
  // The "Fenster" menu's window entries in order (after the four fixed ones).
  std::vector<QAction*> FensterAktionen() const;
  // Closes every window of the school without asking (the school goes away).
  void SchliesseAlleFenster();

 protected:
  void closeEvent(QCloseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void keyReleaseEvent(QKeyEvent* ereignis) override;

 private:
  struct TFensterEintrag {
    TKindFenster* fenster;
    QAction* aktion;
  };

  void Initialisiere();
  void MenusBauen();
  void KnoepfeBauen();
  QAction* Eintrag(QMenu* menue, const QString& text, const QKeySequence& taste = {},
                   std::function<void()> befehl = {});
  QMenu* Untermenue(QMenu* menue, const QString& text);
  // Enables the entry when an is true and the entry has a command (a sub-menu: any of its own).
  void Freigeben(QAction* aktion, bool an);
  bool HatBefehl(QAction* aktion) const;
  void DateiMenusAnpassen();
  void SetzeCaption();
  void ErsetzeSchule(std::unique_ptr<TSchule> neu);
  void NachDemLaden();
  void AktuelleVersionNachKalender();
  void FensterMenuMarkieren(TKindFenster* fenster);
  void Blaettern(bool vorwaerts);
  void KuerzelMenuClick(TElementArt art, int position);
  void ModusSetzen(int modus);
  void Melde(const QString& text);

  TStandard& standard_;
  ISchulDateien& dateien_;
  IEinstellungsSpeicher* speicher_;
  TGuiDialoge dialoge_;
  std::unique_ptr<TSchule> schule_;

  // Palette state.
  uint8_t tasten_ = 0;
  std::array<TElement*, 6> wahl_{};
  bool saveFrageOffen_ = false;
  bool gewaehlt_ = false;
  bool beschaeftigt_ = false;
  bool undoAufzeichnen_ = false;
  bool dateiOffen_ = false;
  bool beendet_ = false;

  QHash<QString, QAction*> aktionen_;
  QHash<QAction*, std::function<void()>> befehle_;
  QHash<QString, QToolButton*> knoepfe_;
  std::vector<QMenu*> hauptMenues_;
  QMenu* faltMenue_ = nullptr;
  std::array<QMenu*, 6> kuerzelMenues_{};
  QMenu* fensterMenue_ = nullptr;
  std::vector<TFensterEintrag> fensterEintraege_;
  QButtonGroup* modusGruppe_ = nullptr;
  QButtonGroup* ansichtsGruppe_ = nullptr;
  QFrame* versPanel_ = nullptr;
  QWidget* flaeche_ = nullptr;
  QStringList memo_;
  std::function<void(TElement*, uint8_t)> elementFensterOeffner_;
};

}  // namespace kolvar
