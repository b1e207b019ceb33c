// The set-up every GUI test shares: each platform service replaced by its scripted stand-in for
// as long as the test runs, and on demand a palette made as the program makes it, with every
// feature installed.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>

#include <cstdint>
#include <memory>

#include "app/kolvarpalette.h"
#include "gui/support/skriptdienste.h"
#include "model/standard.h"

namespace kolvar {

class IEinstellungsSpeicher;
class ISchulDateien;
class TGitter;

// The day the scripted clock shows unless a test sets another: a Tuesday in December 2025.
inline constexpr std::int32_t kGuiTestHeute = 46000;

class GuiTest : public ::testing::Test {
 protected:
  GuiTest();
  // Closed windows are deleted later; they go before the palette and the services.
  ~GuiTest() override;

  // The palette over that file service (and settings store), every installer run as the
  // program runs them; without funktionen the bare palette, for tests of its own commands. The
  // test keeps the file service alive as long as the palette.
  TKolvarPalette& BauePalette(ISchulDateien& dateien, IEinstellungsSpeicher* speicher = nullptr,
                              bool funktionen = true);
  // Nothing was asked that the test did not script, and no pop-up went wrong.
  void ErwarteKeineSkriptFehler() const;

  // The mouse as the user moves it: the header cell of column von pressed, dragged over
  // column nach and released there.
  static void ZieheKopf(TGitter& gitter, int von, int nach);
  // A double click on the cell as the window system sends it: press, release, press, double
  // click, release.
  static void DoppelKlicke(TGitter& gitter, int spalte, int zeile, Qt::KeyboardModifiers tasten = {});
  // A single click (at ort in the viewport, else the cell's middle); the grid's pop-ups of a single
  // click wait the double-click time: WarteAufEinzelKlick lets it pass.
  static void KlickeZelle(TGitter& gitter, int spalte, int zeile, QPoint ort = {-1, -1});
  static void WarteAufEinzelKlick();

  TStandard standard;
  TSkriptDialogDienst dialoge;
  TSkriptPopupDienst popups;
  TSkriptDateiDienst dateiDienst;
  TSpeicherAblage ablage;
  TFesteQtUhr uhr{std::int64_t{kGuiTestHeute} * 86400 + 36000};
  TProtokollHilfe hilfe;
  std::unique_ptr<TKolvarPalette> palette;
};

}  // namespace kolvar
