// What the tests of the program's windows share: every service replaced by its scripted fake,
// and school files kept in memory.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/dateibefehle.h"
#include "app/fensterverwaltung.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuebefehle.h"
#include "app/menuepfade.h"
#include "app/schuldateien.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "storage/einstellungenimspeicher.h"

namespace kolvar {

// School files in memory: what a file holds, and what was written where.
class TFakeSchulDateien : public ISchulDateien {
 public:
  struct TDatei {
    std::vector<std::string> lehrer;
    std::vector<std::string> klassen;
    int versionen = 1;
    int versionDieseWoche = 1;
    std::string fehler;  // a damaged file: reading fails with this text
  };

  std::unique_ptr<TSchule> Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                IFortschritt& fortschritt, std::vector<TFenster>& fenster,
                                std::string& fehler) override;
  bool Schreibe(TSchule& schule, const std::string& pfad, const std::vector<TFenster>& fenster,
                IFortschritt& fortschritt, std::string& fehler) override;
  bool Importiere(TSchule& schule, const std::string& pfad, IFortschritt& fortschritt,
                  std::string& fehler) override;

  std::map<std::string, TDatei> dateien;
  std::map<std::string, std::vector<std::string>> importe;  // path -> teachers it brings
  std::vector<std::string> gelesen;
  std::vector<std::string> geschrieben;
  std::vector<QString> fortschrittsTitel;
  bool schreibenScheitert = false;
  std::vector<TFenster> gespeicherteFenster;  // what every file read holds
  std::vector<TFenster> geschriebeneFenster;
};

class AppTest : public GuiTest {
 protected:
  AppTest();
  ~AppTest() override;

  // A palette over the fakes (made on first use), every feature installed unless nurPalette.
  TKolvarPalette& Palette();
  bool Aktiv(const QString& pfad);
  void ErwarteAktiv(bool aktiv, std::initializer_list<const char*> pfade);
  bool MenueAn(const char* titel) { return Palette().Menues().Menue(titel)->menuAction()->isEnabled(); }
  QToolButton* Knopf(const char* name) { return Palette().Knopf(QString::fromLatin1(name)); }
  // The palette as it is without a school file: title, menus, element menus.
  void ErwarteOhneDatei();
  // Dialogs and boxes the test has not scripted show up here.
  void KeineFehler();

  TEinstellungenImSpeicher speicher;
  TFakeSchulDateien dateien;
  // The palette's own commands, menus and window list alone: no feature's dialogs (the ones
  // "Neu" leads through) or openers stand in between, the test installs what it needs itself.
  bool nurPalette = false;
  // With nurPalette: the clipboard window and its menu entry all the same.
  bool mitZwischenablage = false;
};

}  // namespace kolvar
