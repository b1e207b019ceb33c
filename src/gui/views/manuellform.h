// TManuellForm: the manual planning window. The current course stands in the box on the left;
// up to four plan grids show its class, teacher and room (or any element picked), and every free
// slot shows why the course cannot go there. The tool mode acts on the current course (place,
// move), on the lesson under the mouse (remove, fix) or chooses the current course. While the
// window is open the palette records undo steps; "Widerrufen" takes them back.
//
// What it decides (its course list, the reasons, the signs, placing and moving) is the core's
// TManuellPlanung; the window draws it and turns mouse events into its calls.
#pragma once

#include <QPoint>
#include <array>
#include <functional>
#include <vector>

#include "ansicht/planzellen.h"
#include "engine/manuellplanung.h"
#include "model/ifenster.h"
#include "model/imenue.h"
#include "platform/kindfenster.h"
#include "platform/kvdialog.h"

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace kolvar {

class IPalette;
class TGitter;
class TPlanElement;

// "Manuellfenster schließen": 6 "Ja" closes, 7 "Nein" (the default) keeps the window.
class TManSchliessForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TManSchliessForm(QWidget* eltern = nullptr);
};

class TManuellForm : public TKindFenster, public IManuellFenster {
  Q_OBJECT

 public:
  static constexpr int kPanels = 4;

  TManuellForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TManuellForm() override;

  // Takes the courses (a copy of the list) and makes the first current.
  void MitKursliste(const std::vector<TKurs*>& kurse, bool ohneGruende);
  void SetzeAktKurs(TKurs* kurs);
  TKurs* AktKurs() const { return planung_.AktKurs(); }
  const TManuellPlanung& Planung() const { return planung_; }

  // IFenster (both bases reach these)
  int Tag() const override { return TKindFenster::Tag(); }
  std::string Titel() const override { return TKindFenster::Titel(); }
  void Aktualisiere() override;
  void NeuZeichnen() override;
  void Aenderungen(const TAenderungen& a) override;
  void SetzeCursorNachModus(int modus, uint8_t tasten) override;
  void Schliesse() override { TKindFenster::Schliesse(); }
  // "Manuellfenster schließen" while a course of the list has open hours.
  bool FrageVorDemSchliessen() override;
  // IManuellFenster
  void ModusGeaendert() override;
  void NimmKursAuf(TKurs* kurs) override;
  void EntferneKurs(TKurs* kurs) override;
  void ErsterKursAktuell() override;
  void ElementWirdGeloescht(const TElement* e) override;
  // The palette's arrows and the arrow keys: the previous or next course of the list, with
  // Shift only those with open hours.
  bool Blaettere(bool vorwaerts) override;

  void MarkierungenLoeschen();

  // The layout's grids ("pma": 1, 2, 2, 3, 3 or 4).
  int Gitterzahl() const;
  TGitter* Gitter(int i) const { return panels_[static_cast<std::size_t>(i)].gitter; }
  TPlanElement* GitterElement(int i) const { return panels_[static_cast<std::size_t>(i)].element; }
  QString PanelTitel(int i) const;
  const TPlanZellen& Zellen(int i) const { return panels_[static_cast<std::size_t>(i)].zellen; }
  int AktivesPanel() const { return aktivesPanel_; }
  // Shows the element's plan in the active panel.
  void ZeigeImAktivenPanel(TPlanElement* e);

  // The handlers of a grid (public so that tests reach them directly).
  void GridMouseDown(int panel, int spalte, int zeile, Qt::MouseButton knopf, QPoint global);
  void GridMouseUp(int panel, int spalte, int zeile, Qt::MouseButton knopf);
  void GridDblClick(int panel, int spalte, int zeile);
  // The pop-up of a single left click, once no second click followed.
  void MausMenue(int panel, int spalte, int zeile);
  bool MenueWartet() const;
  void GridEndDrag(int panel, int quelleSpalte, int quelleZeile, int zielSpalte, int zielZeile);
  // The element buttons of the left box.
  void LehrerKnopfClick();
  void KlassenKnopfClick();
  void FachKnopfClick();
  void RaumKnopfClick();
  void KopplKnopfClick();
  void ZeigeKnopfClick();

  QGroupBox* LinksBox = nullptr;
  QLabel* StdFeld = nullptr;
  QLabel* RestFeld = nullptr;
  QLabel* LehrerFeld = nullptr;
  QLabel* FachFeld = nullptr;
  QLabel* KlassenFeld = nullptr;
  QLabel* KopplFeld = nullptr;
  QLabel* RaumFeld = nullptr;
  QPushButton* LehrerKnopf = nullptr;
  QPushButton* FachKnopf = nullptr;
  QPushButton* KlassenKnopf = nullptr;
  QPushButton* KopplKnopf = nullptr;
  QPushButton* RaumKnopf = nullptr;
  QPushButton* ZeigeKnopf = nullptr;

 signals:
  // The window closed: the palette's undo entries take their usual names again.
  void Geschlossen();

 protected:
  void FormCloseQuery(bool& erlaubt) override;
  void FormClose(TCloseAction& aktion) override;
  void showEvent(QShowEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  struct TPanel {
    QFrame* rahmen = nullptr;
    QLabel* label = nullptr;
    TGitter* gitter = nullptr;
    TPlanElement* element = nullptr;
    TPlanZellen zellen;
  };

  void ManuellAnordnen();
  void Platziere();
  void GitterVorbereiten(TPanel& panel);
  void ZeigeAktKurs();
  // What the grids show for the current course, in order: its first class, teacher, room.
  std::vector<TPlanElement*> KursElemente() const;
  void ZeigeFelder();
  void ZeigeElementPlan(int i, TPlanElement* e);
  void FuelleGitter(int i);
  void PlanZelleZeichnen(int i, QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const;
  void MarkiereAktKurs();
  bool IstKoerper(int i, int spalte, int zeile) const;
  bool IstAktiv() const;
  int Version() const;
  uint8_t Tasten() const;
  void SetzePanelAktiv(int i);
  // A pop-up at the point; the chosen entry's action runs as one user action.
  void ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint global);
  QPoint MenueOrt(int i, int spalte, int zeile) const;
  void SperrgrundMenue(int i, int spalte, int zeile);
  void Loesche(TKurs* kurs, int tag, int stunde);
  void Nachher();
  // The elements of the current course (or of its coupling) for a button's pop-up.
  std::vector<TMenueEintrag> ElementEintraege(TElementArt art, bool mitOhne);
  void ElementKnopf(QPushButton* knopf, TElementArt art);
  void Gleichlauf(int quelle);

  IPalette* palette_;
  TManuellPlanung planung_;
  std::array<TPanel, kPanels> panels_;
  int aktivesPanel_ = 0;
  bool gleichlauf_ = false;
  bool doppelklick_ = false;
  QTimer* menueZeit_ = nullptr;
  bool strgVorher_ = false;
  QPoint ort_;  // where the layout puts the window's frame
};

}  // namespace kolvar
