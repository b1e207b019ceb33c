// The two export commands: what they ask, which folder they remember, that a cancel changes
// nothing and that nothing is written; the menu "Export" stays disabled.
#include <QDir>
#include <QProgressBar>
#include <QTemporaryDir>

#include "appumgebung.h"
#include "export/exportbefehle.h"
#include "export/exportform.h"

namespace kolvar {
namespace {

class ExportTest : public AppTest {
 protected:
  void SetUp() override {
    InstalliereExport(Palette());
    dateien.dateien["/s/a.kvr"] = {{"AB"}, {"5a"}, 1, 1, {}};
    ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/s/a.kvr")));
  }
  QStringList Inhalt() const {
    return QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  }
  QTemporaryDir ordner;
};

TEST_F(ExportTest, KurseFragtNachDemNamenMerktDenOrdnerUndSchreibtNichts) {
  standard.ipf = "/import";
  EXPECT_FALSE(Aktiv(MenuePfad::Export));
  // Cancelled: nothing asked beyond the dialog, the folder stays.
  dateiDienst.Antworte(QString());
  Palette().Menues().Aktion(MenuePfad::ExportKurse)->trigger();
  ASSERT_EQ(dateiDienst.Anfragen().size(), 1u);
  const TDateiAuswahl& a = dateiDienst.Anfragen()[0];
  EXPECT_EQ(a.titel, QStringLiteral("Exportieren als"));
  EXPECT_EQ(a.filter, QStringLiteral("Textdateien (*.TXT)|*.txt"));
  EXPECT_EQ(a.ordner, QStringLiteral("/import"));
  EXPECT_EQ(a.name, QStringLiteral("Ohne Titel"));
  EXPECT_EQ(standard.ipf, "/import");

  dateiDienst.Antworte(ordner.filePath(QStringLiteral("kurse.txt")));
  KurseClick(Palette());
  EXPECT_EQ(QString::fromStdString(standard.ipf), QDir(ordner.path()).absolutePath());
  EXPECT_TRUE(Inhalt().isEmpty());
  EXPECT_FALSE(Palette().Schule().Geaendert());
  EXPECT_FALSE(Aktiv(MenuePfad::Export));
  KeineFehler();
}

TEST_F(ExportTest, HtmlFragtNachDemOrdnerUndSchreibtNichts) {
  standard.hpf = "/web";
  dateiDienst.Antworte(QString());
  Palette().Menues().Aktion(MenuePfad::ExportHtml)->trigger();
  ASSERT_EQ(dateiDienst.Anfragen().size(), 1u);
  EXPECT_EQ(dateiDienst.Anfragen()[0].titel, QStringLiteral("Exportieren in den Ordner"));
  EXPECT_EQ(dateiDienst.Anfragen()[0].name, QStringLiteral("HTML Ordner"));
  EXPECT_EQ(dateiDienst.Anfragen()[0].ordner, QStringLiteral("/web"));
  EXPECT_EQ(standard.hpf, "/web");

  dateiDienst.Antworte(ordner.filePath(QStringLiteral("HTML Ordner")));
  HTMLDateienClick(Palette());
  EXPECT_EQ(QString::fromStdString(standard.hpf), QDir(ordner.path()).absolutePath());
  EXPECT_TRUE(Inhalt().isEmpty());
  EXPECT_FALSE(Aktiv(MenuePfad::Export));
  KeineFehler();
}

// The web window's three attribute strings come from the settings' colours, black and pure red
// included; its folder line shows the target.
TEST_F(ExportTest, HtmlFensterMachtDieFarbAttribute) {
  standard.hin = 0;
  standard.tab = 255;
  standard.ueb = 0x00C0FFEE;
  THTMLForm form(standard, QStringLiteral("/web/HTML Ordner"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Exportieren in HTML-Dateien"));
  EXPECT_EQ(form.Hintergrund(), "\"#000000\"");
  EXPECT_EQ(form.Tabelle(), "\"#FF0000\"");
  EXPECT_EQ(form.Ueberschrift(), "\"#EEFFC0\"");
  EXPECT_EQ(form.Ordner(), QStringLiteral("/web/HTML Ordner"));
  TExportForm kurse(QStringLiteral("kurse.txt"));
  EXPECT_EQ(kurse.windowTitle(), QStringLiteral("Exportieren"));
  EXPECT_EQ(kurse.DateiName(), QStringLiteral("kurse.txt"));
  EXPECT_EQ(kurse.Balken()->maximum(), 100);
}

}  // namespace
}  // namespace kolvar
