// "Fenster drucken..." through the program's full installation: editors, the course editor and
// the statistics without a printout of their own print what they show through the print dialog;
// the substitute choices open the substitution plan of their record's day.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/skriptdienste.h"
#include "installation.h"
#include "model/datum.h"
#include "model/fach.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/fensterartregister.h"
#include "platform/gitter.h"
#include "print/anwendungsdrucker.h"
#include "print/druckvertrform.h"
#include "substitution/fehlzeit.h"
#include "substitution/vertretung.h"
#include "substitution/vertrform.h"
#include "substitution/vlewahlform.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);

// Monday: MUE De 5a R1 in 1, absent then: one record.
void BaueTag(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TRaum* r1 = s.NeuerRaum("R1");
  TFach* de = s.NeuesFach("De");
  s.NeueKopplung("REL");
  s.ErzeugeKurs(mue, a, nullptr, de, r1, 2)->Setze(1, 1, r1, 1);
  SetzeFehltStunde(*mue, kMontag, 1, true);
}

// The system print dialog, answered as the test says.
class TDruckAblauf : public IDruckAblauf {
 public:
  bool Druckdialog(QPrinter&, QWidget*) override {
    ++gefragt;
    return drucken;
  }
  bool Papierformat(QPrinter&, QWidget*) override { return false; }
  bool Schrift(QFont&, QWidget*) override { return false; }
  int gefragt = 0;
  bool drucken = true;
};

class FensterDruckTest : public ::testing::Test {
 protected:
  FensterDruckTest() {
    TDienste::SetzeDialoge(&dialoge);
    TDienste::SetzePopups(&popups);
    TDienste::SetzeUhr(&uhr);
    TAnwendungsDrucker::SetzeAblauf(&ablauf);
    TAnwendungsDrucker::Drucker().setOutputFormat(QPrinter::PdfFormat);
    palette = std::make_unique<TKolvarPalette>(standard, dateien);
    InstalliereFunktionen(*palette);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/fensterdruck.kvr")));
  }
  ~FensterDruckTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    palette.reset();
    TAnwendungsDrucker::Drucker().setOutputFileName(QString());
    TAnwendungsDrucker::SetzeAblauf(nullptr);
    TDienste::Zuruecksetzen();
  }
  TSchule& S() { return palette->Schule(); }
  void Aktiviere(IFenster* f) {
    ASSERT_NE(f, nullptr);
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  // Ctrl+P's entry on the active window, into the file; its size afterwards (-1: none written).
  qint64 Drucke(const QString& datei) {
    TAnwendungsDrucker::Drucker().setOutputFileName(datei);
    palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
    return QFileInfo::exists(datei) ? QFileInfo(datei).size() : -1;
  }

  QTemporaryDir ordner;
  TStandard standard;
  TGebauteSchule dateien{BaueTag};
  TSkriptDialogDienst dialoge;
  TSkriptPopupDienst popups;
  TFesteQtUhr uhr{int64_t{kMontag} * 86400 + 8 * 3600};
  TDruckAblauf ablauf;
  std::unique_ptr<TKolvarPalette> palette;
};

TEST_F(FensterDruckTest, EditorsCourseEditorAndStatisticsPrintWhatTheyShow) {
  TElement* mue = S().Lehrer().Hole(1);
  TElement* rel = S().Kopplungen().Hole(1);
  std::vector<IFenster*> fenster;
  for (TElement* e : {mue, rel}) {
    palette->OeffneElementFenster(e, 0, 0);
    fenster.push_back(e->GrForm());
  }
  palette->OeffneKursForm(*S().Kurse().Hole(1), S().Kurse().Elemente());
  fenster.push_back(S().EinzelFenster(FensterArt::Kurs));
  for (int art : {FensterArt::KoStat, FensterArt::RaStat, FensterArt::UVStat}) {
    ASSERT_TRUE(palette->FensterArten().Oeffne(art, nullptr, 0));
    fenster.push_back(S().EinzelFenster(art));
  }
  int n = 0;
  for (IFenster* f : fenster) {
    Aktiviere(f);
    const QString datei = ordner.filePath(QStringLiteral("fenster%1.pdf").arg(++n));
    EXPECT_GT(Drucke(datei), 0) << f->Tag();
    EXPECT_EQ(ablauf.gefragt, n) << "through the print dialog: " << f->Tag();
    EXPECT_TRUE(TAnwendungsDrucker::Drucker().outputFileName().isEmpty()) << "one printout per file name";
  }
  // Cancelled in the print dialog: nothing is written.
  ablauf.drucken = false;
  EXPECT_EQ(Drucke(ordner.filePath(QStringLiteral("abgebrochen.pdf"))), -1);
  EXPECT_EQ(ablauf.gefragt, n + 1);
  EXPECT_FALSE(S().Geaendert());
}

TEST_F(FensterDruckTest, AChoiceWindowPrintsTheSubstitutionPlanOfItsRecordsDay) {
  palette->Menues().Aktion(MenuePfad::VertretungHeute)->trigger();
  auto* liste = dynamic_cast<TVertrForm*>(S().EinzelFenster(FensterArt::Vertr));
  ASSERT_NE(liste, nullptr);
  ASSERT_GT(liste->GetZeilenzahl(), 1);
  TVertretung* v = liste->VertretungIn(1);
  ASSERT_NE(v, nullptr);
  liste->WahlOeffner(v);
  auto* wahl = dynamic_cast<TVLeWahlForm*>(S().EinzelFenster(FensterArt::VLeWahl));
  ASSERT_NE(wahl, nullptr);
  Aktiviere(wahl);
  // A day later the record's day is still the one printed.
  uhr.Setze(int64_t{kMontag + 1} * 86400 + 8 * 3600);
  int32_t datum = 0;
  dialoge.Bediene(QStringLiteral("Drucke Vertretungsplan"), [&datum](TKvDialog& d) {
    datum = static_cast<TDruckVertrForm&>(d).Datum();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
  EXPECT_EQ(datum, kMontag);
  EXPECT_EQ(ablauf.gefragt, 0) << "the plan's own dialog, not the window's picture";
}

}  // namespace
}  // namespace kolvar
