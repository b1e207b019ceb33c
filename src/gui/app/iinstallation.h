// What a feature's installer sees of the program: the school and its settings, the menus, the
// dialogs by name, the core's questions, the per-kind window registry and the printouts others
// ask for. Windows it builds get Palette() and Hauptfenster() as their palette and owner.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/dialogregister.h"
#include "model/element.h"

class QToolButton;
class QWidget;

namespace kolvar {

class IPalette;
class TFensterArtRegister;
class TGuiDialoge;
class TKurs;
class TMenueBaum;
class TSchule;
class TStandard;
struct TDruckAuftraege;

class IInstallation {
 public:
  using TKursOeffner = std::function<void(TKurs& kurs, const std::vector<TKurs*>& liste)>;

  virtual ~IInstallation() = default;

  virtual TSchule& Schule() const = 0;
  virtual TStandard& Standard() const = 0;
  virtual bool DateiOffen() const = 0;
  virtual TMenueBaum& Menues() const = 0;
  virtual TDialogRegister& DialogRegister() = 0;
  // A dialog by name; with a menu path, that entry opens it from then on.
  virtual void RegistriereDialog(const QString& name, TDialogRegister::TOeffner oeffner,
                                 const QString& menuePfad = {}) = 0;
  virtual TGuiDialoge& Fragen() = 0;
  virtual TFensterArtRegister& FensterArten() = 0;
  virtual TDruckAuftraege& Druckauftraege() = 0;
  // The course editor's opener, which IPalette::OeffneKursForm calls.
  virtual void SetzeKursFensterOeffner(TKursOeffner oeffner) = 0;

  // What windows and dialogs are given.
  virtual IPalette& Palette() = 0;
  virtual QWidget* Hauptfenster() = 0;
  // The palette's button of the name (its menu entry follows it), the element choice of the
  // pop-ups, and the element menus after the lists changed.
  virtual QToolButton* Knopf(const QString& name) const = 0;
  virtual void SetzeWahl(TElementArt art, TElement* e) = 0;
  virtual void KuerzelMenusAnlegen() = 0;
  // The backdrop in the colour (while "Eckdaten" tries one), and the palette after new basic
  // settings: its layout, backdrop, version menu, enabling and cursors.
  virtual void ZeigeHintergrundFarbe(std::uint32_t farbe) = 0;
  virtual void EckdatenUebernommen() = 0;
};

}  // namespace kolvar
