// The print target through the menus: a PDF that does not fit on the disk is reported and leaves
// the old file as it was, printouts and window pictures alike, whether the disk fills up early
// or only at the last write; the print dialog of a window's picture opens over that window.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "platform/dienste.h"
#include "platform/fensterartregister.h"
#include "print/anwendungsdrucker.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

void BaueSchule(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  s.NeuerLehrer("SCH");
  s.NeuerLehrer("BER");
  TKlasse* a = s.NeueKlasse("5a");
  s.NeueKlasse("5b");
  TRaum* r1 = s.NeuerRaum("R1");
  TFach* de = s.NeuesFach("De");
  s.NeueKopplung("REL");
  s.ErzeugeKurs(mue, a, nullptr, de, r1, 3)->Setze(1, 2, r1, 1);
}

class TDruckAblauf : public IDruckAblauf {
 public:
  bool Druckdialog(QPrinter&, QWidget* eltern) override {
    ++gefragt;
    ueber = eltern;
    return true;
  }
  bool Papierformat(QPrinter&, QWidget*) override { return false; }
  bool Schrift(QFont&, QWidget*) override { return false; }
  int gefragt = 0;
  QWidget* ueber = nullptr;
};

// Files of this process end after so many bytes, as on a disk with that much room left: the
// kernel refuses the write that goes past, wherever Qt buffered the bytes before.
class TSchreibGrenze {
 public:
  explicit TSchreibGrenze(rlim_t bytes) {
    struct sigaction ignorieren {};
    ignorieren.sa_handler = SIG_IGN;
    sigemptyset(&ignorieren.sa_mask);
    ::sigaction(SIGXFSZ, &ignorieren, &signal_);
    ::getrlimit(RLIMIT_FSIZE, &alt_);
    const rlimit grenze{bytes, alt_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &grenze);
  }
  ~TSchreibGrenze() {
    ::setrlimit(RLIMIT_FSIZE, &alt_);
    ::sigaction(SIGXFSZ, &signal_, nullptr);
  }
  TSchreibGrenze(const TSchreibGrenze&) = delete;
  TSchreibGrenze& operator=(const TSchreibGrenze&) = delete;

 private:
  rlimit alt_{};
  struct sigaction signal_ {};
};

// A file system of 16 KB, where the machine lets the test mount one (as root).
class TKleinePlatte {
 public:
  explicit TKleinePlatte(const QString& ordner) : ordner_(QFile::encodeName(ordner)) {
    QDir().mkpath(ordner);
    eingehaengt_ = ::mount("tmpfs", ordner_.constData(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
                           "size=16k,mode=0700") == 0;
    if (!eingehaengt_) fehler_ = std::strerror(errno);
  }
  ~TKleinePlatte() {
    if (eingehaengt_) ::umount2(ordner_.constData(), MNT_DETACH);
  }
  TKleinePlatte(const TKleinePlatte&) = delete;
  TKleinePlatte& operator=(const TKleinePlatte&) = delete;
  bool Eingehaengt() const { return eingehaengt_; }
  const char* Fehler() const { return fehler_; }
  qint64 Frei() const {
    struct statvfs info {};
    if (::statvfs(ordner_.constData(), &info) != 0) return -1;
    return static_cast<qint64>(info.f_bavail) * static_cast<qint64>(info.f_frsize);
  }

 private:
  QByteArray ordner_;
  bool eingehaengt_ = false;
  const char* fehler_ = "";
};

// An earlier printout of 11,948 bytes.
QByteArray AlterPlan() {
  QByteArray alt("%PDF-1.4 alter Plan\n");
  while (alt.size() < 11948) alt += "alter Plan ";
  alt.truncate(11948);
  return alt;
}

QByteArray Inhalt(const QString& datei) {
  QFile f(datei);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Schreibe(const QString& datei, const QByteArray& bytes) {
  QFile f(datei);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool GanzesPdf(const QByteArray& pdf) {
  return pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF");
}

class DruckZielTest : public GuiTest {
 protected:
  DruckZielTest() {
    TAnwendungsDrucker::SetzeAblauf(&ablauf);
    TAnwendungsDrucker::Drucker().setOutputFormat(QPrinter::PdfFormat);
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/druckziel.kvr")));
  }
  ~DruckZielTest() override {
    ErwarteKeineSkriptFehler();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    for (const std::string& fehler : PruefeModell(palette->Schule())) ADD_FAILURE() << fehler;
    EXPECT_FALSE(palette->Schule().Geaendert());
    palette.reset();
    TAnwendungsDrucker::Drucker().setOutputFileName(QString());
    TAnwendungsDrucker::SetzeAblauf(nullptr);
  }
  TSchule& S() { return palette->Schule(); }

  // "Datei > Drucken > Kürzel..." with every kind, "Ok", into the file; the failure the user
  // is told of, answered, when one is expected.
  void DruckeKuerzel(const QString& datei, bool meldung = false) {
    TAnwendungsDrucker::Drucker().setOutputFileName(datei);
    dialoge.Klicke(QStringLiteral("Kürzel drucken"), QStringLiteral("Ok"));
    if (meldung) ErwarteMeldung();
    palette->Menues().Aktion(MenuePfad::DruckKuerzel)->trigger();
  }
  // The editor of the first teacher, active.
  QWidget* OeffneEditor() {
    TElement* mue = S().Lehrer().Hole(1);
    palette->OeffneElementFenster(mue, 0, 0);
    IFenster* f = mue->GrForm();
    S().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
    return dynamic_cast<QWidget*>(f);
  }
  // "Datei > Fenster drucken..." on the active window, into the file.
  void DruckeFenster(const QString& datei) {
    TAnwendungsDrucker::Drucker().setOutputFileName(datei);
    palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
  }
  void ErwarteMeldung() { dialoge.Antworte(QStringLiteral("Drucken"), mrOk); }
  QString Meldung(const QString& datei) const {
    return QStringLiteral("Drucken: Drucken nicht möglich: %1 kann nicht beschrieben werden.").arg(datei);
  }
  QString LetzteMeldung() const { return dialoge.Protokoll().value(dialoge.Protokoll().size() - 1); }
  QStringList Dateien(const QString& ordner) const {
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  TGebauteSchule dateien{BaueSchule};
  TDruckAblauf ablauf;
  QTemporaryDir ordner;
};

// The abbreviation list is small enough to stay in the file's buffer until the file is closed,
// so the disk refuses only the very last write.
TEST_F(DruckZielTest, APrintoutTheDiskRefusesAtTheLastWriteIsReportedAndTheOldPdfStays) {
  const QString pdf = ordner.filePath(QStringLiteral("kuerzel.pdf"));
  ASSERT_TRUE(Schreibe(pdf, AlterPlan()));
  {
    TSchreibGrenze grenze(4096);
    DruckeKuerzel(pdf, true);
  }
  EXPECT_EQ(LetzteMeldung(), Meldung(pdf));
  EXPECT_EQ(Inhalt(pdf), AlterPlan()) << "the old file stays whole";
  EXPECT_EQ(Dateien(ordner.path()), QStringList{QStringLiteral("kuerzel.pdf")}) << "nothing half-written";

  // With room again the same printout replaces it, whole.
  const auto meldungen = dialoge.Protokoll().size();
  DruckeKuerzel(pdf);
  EXPECT_EQ(dialoge.Protokoll().size(), meldungen + 1) << "only the option dialog";
  const QByteArray neu = Inhalt(pdf);
  EXPECT_TRUE(GanzesPdf(neu));
  EXPECT_GT(neu.size(), 4096);
  EXPECT_LT(neu.size(), 16384) << "no longer a printout that fails before the last write";
}

// A window's picture goes through the same target: reported, the old file kept, and the next
// picture printed whole.
TEST_F(DruckZielTest, AWindowsPictureTheDiskRefusesIsReportedAndTheNextOneIsWhole) {
  OeffneEditor();
  const QString pdf = ordner.filePath(QStringLiteral("editor.pdf"));
  ASSERT_TRUE(Schreibe(pdf, AlterPlan()));
  for (const rlim_t frei : {rlim_t{4096}, rlim_t{8192}}) {
    SCOPED_TRACE(frei);
    {
      TSchreibGrenze grenze(frei);
      ErwarteMeldung();
      DruckeFenster(pdf);
    }
    EXPECT_EQ(LetzteMeldung(), Meldung(pdf));
    EXPECT_EQ(Inhalt(pdf), AlterPlan());
    EXPECT_EQ(Dateien(ordner.path()), QStringList{QStringLiteral("editor.pdf")});
  }
  const QString neu = ordner.filePath(QStringLiteral("danach.pdf"));
  DruckeFenster(neu);
  EXPECT_TRUE(GanzesPdf(Inhalt(neu))) << Inhalt(neu).size() << " bytes";
  DruckeFenster(pdf);
  EXPECT_TRUE(GanzesPdf(Inhalt(pdf)));
  EXPECT_EQ(Inhalt(pdf), Inhalt(neu)) << "the same picture, the same file";
  EXPECT_EQ(ablauf.gefragt, 4);
}

// A real disk with 4 KB free: runs only where the test may mount one.
TEST_F(DruckZielTest, OnAFullDiskPrintoutsAndPicturesAreReportedAndTheOldPdfsStay) {
  TKleinePlatte platte(ordner.filePath(QStringLiteral("platte")));
  if (!platte.Eingehaengt()) GTEST_SKIP() << "kein kleines Dateisystem: " << platte.Fehler();
  const QString kuerzel = ordner.filePath(QStringLiteral("platte/kuerzel.pdf"));
  const QString editor = ordner.filePath(QStringLiteral("platte/editor.pdf"));
  ASSERT_TRUE(Schreibe(kuerzel, AlterPlan()));
  ASSERT_EQ(platte.Frei(), 4096);
  DruckeKuerzel(kuerzel, true);
  EXPECT_EQ(LetzteMeldung(), Meldung(kuerzel));
  EXPECT_EQ(Inhalt(kuerzel), AlterPlan());

  ASSERT_TRUE(QFile::rename(kuerzel, editor));
  OeffneEditor();
  ErwarteMeldung();
  DruckeFenster(editor);
  EXPECT_EQ(LetzteMeldung(), Meldung(editor));
  EXPECT_EQ(Inhalt(editor), AlterPlan());
  EXPECT_EQ(Dateien(ordner.filePath(QStringLiteral("platte"))), QStringList{QStringLiteral("editor.pdf")});
  EXPECT_EQ(platte.Frei(), 4096) << "no temporary file left behind";

  // Room again: the printout fits.
  ASSERT_TRUE(QFile::remove(editor));
  DruckeKuerzel(kuerzel);
  EXPECT_TRUE(GanzesPdf(Inhalt(kuerzel)));
}

TEST_F(DruckZielTest, TheDialogOfAWindowsPictureOpensOverThatWindow) {
  QWidget* editor = OeffneEditor();
  ASSERT_NE(editor, nullptr);
  DruckeFenster(ordner.filePath(QStringLiteral("editor.pdf")));
  EXPECT_EQ(ablauf.gefragt, 1);
  EXPECT_EQ(ablauf.ueber, editor) << "not over the palette";
  ASSERT_TRUE(palette->FensterArten().Oeffne(FensterArt::RaStat, nullptr, 0));
  auto* statistik = dynamic_cast<QWidget*>(S().EinzelFenster(FensterArt::RaStat));
  ASSERT_NE(statistik, nullptr);
  S().SetzeAktivesFenster(S().EinzelFenster(FensterArt::RaStat));
  palette->MenusAnpassen();
  DruckeFenster(ordner.filePath(QStringLiteral("statistik.pdf")));
  EXPECT_EQ(ablauf.ueber, statistik);
}

}  // namespace
}  // namespace kolvar
