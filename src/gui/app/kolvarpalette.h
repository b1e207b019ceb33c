// TKolvarPalette: the main window, a small tool palette that stays on top. It owns the school
// and keeps the state every planning window acts by: the shift state, the element choice of the
// pop-ups, the busy flag; it carries the tool and view buttons and the plan-version button and
// lays them out. Its other duties live in parts of their own: the main menu with its enabling
// (TMenueBaum), the file commands (TDateiBefehle), the other menu commands (TMenueBefehle),
// the open windows (TFensterVerwaltung).
//
// Features install themselves: they register the openers of their windows, their dialogs and
// their menu commands here; app/ knows no view.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/dialogregister.h"
#include "app/fensteroeffner.h"
#include "app/guidialoge.h"
#include "app/iinstallation.h"
#include "model/element.h"
#include "model/ifenster.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "platform/druckauftraege.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"
#include "platform/shiftempfaenger.h"
#include "storage/fenster.h"

class QButtonGroup;
class QFrame;
class QToolButton;

namespace kolvar {

class IEinstellungsSpeicher;
class ISchulDateien;
class TDateiBefehle;
class TFensterVerwaltung;
class THintergrund;
class TKindFenster;
class TLeerlaufSteuerung;
class TMenueBaum;
class TMenueBefehle;
class TStandard;

class TKolvarPalette : public QMainWindow,
                       public IPalette,
                       public IInstallation,
                       public IPaletteZustand,
                       public IShiftEmpfaenger {
  Q_OBJECT

 public:
  // speicher: where the settings go when the program ends (none: they are not saved).
  TKolvarPalette(TStandard& standard, ISchulDateien& dateien, IEinstellungsSpeicher* speicher = nullptr,
                 QWidget* eltern = nullptr);
  ~TKolvarPalette() override;

  TSchule& Schule() const override { return *schule_; }
  TStandard& Standard() const override { return standard_; }
  int Tag() const { return FensterArt::Palette; }
  // The services a school made by the palette gets.
  TUmgebung Umgebung();

  TMenueBaum& Menues() const override { return *menues_; }
  TDateiBefehle& DateiBefehle() const { return *dateiBefehle_; }
  TFensterVerwaltung& Fenster() const { return *fenster_; }
  TMenueBefehle& Befehle() const { return *befehle_; }
  // The idle passes: the save reminder, the idle screen, the end the session asks for.
  TLeerlaufSteuerung& Leerlauf() const { return *leerlauf_; }
  TDialogRegister& DialogRegister() override { return dialogRegister_; }
  // The core's questions; features register their own dialogs for some of them.
  TGuiDialoge& Fragen() override { return dialoge_; }
  const TFensterOeffner& Oeffner() const { return oeffner_; }
  TFensterArtRegister& FensterArten() override { return fensterArten_; }
  TDruckAuftraege& Druckauftraege() override { return druckAuftraege_; }
  const TDruckAuftraege& Druckauftraege() const override { return druckAuftraege_; }
  IPalette& Palette() override { return *this; }
  QWidget* Hauptfenster() override { return this; }

  // --- What features register (IInstallation) ---
  void SetzeKursFensterOeffner(TKursOeffner oeffner) override;
  void RegistriereDialog(const QString& name, TDialogRegister::TOeffner oeffner,
                         const QString& menuePfad = {}) override;

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
  bool DateiOffen() const override;
  // The new school replaces the old one, whose windows close first; the element choice goes.
  void ErsetzeSchule(std::unique_ptr<TSchule> neu);
  // Reopens a saved window with Shift held, so that it replaces no other.
  void FensterWiederOeffnen(const TFenster& satz);

  // --- Buttons and layout ---
  QToolButton* Knopf(const QString& name) const override;
  void PaletteAnordnen();
  void SetzeCaption();
  // The backdrop follows "hga" and "efa".
  void HintergrundAnpassen();
  THintergrund* Hintergrund() const { return hintergrund_.get(); }
  void VersionsMenuAufbauen();
  // The element menus anew; the pop-ups' choice goes with the old lists.
  void KuerzelMenusAnlegen() override;
  void ZeigeHintergrundFarbe(std::uint32_t farbe) override;
  void EckdatenUebernommen() override;
  // Menus and buttons by the active window (TMenueBaum::MenusAnpassen).
  void MenusAnpassen();
  void VersKnopfClick();
  void VersionGewaehlt(int version);
  void ModusKnopfClick(int modus);
  void AnsichtKnopfClick(int gruppe);
  // The mode button goes down and the school takes the mode (a fallback, not a click).
  void ModusSetzen(int modus);
  // The view button goes down and the school takes the group.
  void AnsichtSetzen(int gruppe);
  void NeueUEKnopfClick();
  void UELoeschKnopfClick();
  void ClickLinks() override;
  void ClickRechts() override;

  // --- Element choice through the pop-ups ---
  bool WaehleElement(TElementArt art, bool mitOhne, const QPoint& ort) override;
  TElement* Wahl(TElementArt art) const override { return wahl_[static_cast<std::size_t>(art)]; }
  void OeffneKursForm(TKurs& kurs, const std::vector<TKurs*>& liste) override {
    oeffner_.OeffneKurs(kurs, liste);
  }
  void SetzeWahl(TElementArt art, TElement* e) override;
  void SetzeLehrerWahl(TElement* e) { SetzeWahl(TElementArt::Lehrer, e); }
  void SetzeKlassenWahl(TElement* e) { SetzeWahl(TElementArt::Klasse, e); }
  void SetzeKopplungsWahl(TElement* e) { SetzeWahl(TElementArt::Kopplung, e); }
  void SetzeFachWahl(TElement* e) { SetzeWahl(TElementArt::Fach, e); }
  void SetzeRaumWahl(TElement* e) { SetzeWahl(TElementArt::Raum, e); }
  bool Gewaehlt() const { return gewaehlt_; }
  void SetzeGewaehlt(bool an) { gewaehlt_ = an; }
  // The multi-selection of elements; empty without a dialog when there are none.
  std::vector<TElement*> ZeigeMenuForm(const std::vector<TElement*>& elemente,
                                       const QString& caption) override;
  void OeffneElementFenster(TElement* element, int gruppe, std::uint8_t tasten) override;

  // --- Clipboard ---
  // The hidden memo's text goes to the clipboard; the clipboard window follows.
  void TextInZwischenablage(const QString& text) override;

  // --- IPalette ---
  IFensterListe& FensterListe() override;

  // --- IPaletteZustand ---
  uint8_t Tasten() const override { return tasten_; }
  // The shift state as a command sets it for its own run; the cursors stay.
  void SetzeTasten(uint8_t tasten) { tasten_ = tasten; }
  bool Beschaeftigt() const override { return beschaeftigt_; }
  void SetzeBeschaeftigt(bool an) override { beschaeftigt_ = an; }
  bool UndoAufzeichnen() const override { return undoAufzeichnen_; }
  void SetzeUndoAufzeichnen(bool an) override { undoAufzeichnen_ = an; }
  std::string AblageText() const override;
  void SetzeSichernAktiv(bool an) override;
  void SetzeWiderrufenAktiv(bool an) override;

  // --- IShiftEmpfaenger ---
  void ShiftMerken(uint8_t zustand) override;

 protected:
  void closeEvent(QCloseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void keyReleaseEvent(QKeyEvent* ereignis) override;

 private:
  void Initialisiere();
  void KnoepfeBauen();

  TStandard& standard_;
  IEinstellungsSpeicher* speicher_;
  TGuiDialoge dialoge_;
  std::unique_ptr<THintergrund> hintergrund_;
  std::unique_ptr<TSchule> schule_;
  TFensterArtRegister fensterArten_;
  TDruckAuftraege druckAuftraege_;
  TFensterOeffner oeffner_;
  TDialogRegister dialogRegister_;
  std::unique_ptr<TMenueBaum> menues_;
  std::unique_ptr<TFensterVerwaltung> fenster_;
  std::unique_ptr<TDateiBefehle> dateiBefehle_;
  std::unique_ptr<TMenueBefehle> befehle_;
  std::unique_ptr<TLeerlaufSteuerung> leerlauf_;

  // Palette state.
  uint8_t tasten_ = 0;
  std::array<TElement*, 6> wahl_{};
  bool gewaehlt_ = false;
  bool beschaeftigt_ = false;
  bool undoAufzeichnen_ = false;
  bool beendet_ = false;

  QHash<QString, QToolButton*> knoepfe_;
  QButtonGroup* modusGruppe_ = nullptr;
  QButtonGroup* ansichtsGruppe_ = nullptr;
  QFrame* versPanel_ = nullptr;
  QWidget* flaeche_ = nullptr;
  QStringList memo_;
};

}  // namespace kolvar
