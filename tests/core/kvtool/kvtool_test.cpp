#include "support/kvtool.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/automat.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/standard.h"
#include "storage/dateigrenze.h"
#include "storage/leser.h"
#include "support/fakes.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;

struct TLauf {
  int status;
  std::string aus, fehler;
};

TLauf Starte(const std::vector<std::string>& argumente) {
  std::ostringstream aus, fehler;
  const int status = Kvtool(argumente, aus, fehler);
  return {status, aus.str(), fehler.str()};
}

fs::path Beispiele() {
  const char* daten = std::getenv("KOLVAR_TESTDATEN");
  // tests/data need not exist: resolve without the file system.
  return (fs::path(daten ? daten : "tests/data") / ".." / ".." / "examples").lexically_normal();
}

std::string Lies(const fs::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Schreibe(const fs::path& datei, const std::string& inhalt) {
  std::ofstream aus(datei, std::ios::binary);
  aus << inhalt;
}

class Kvtool : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner_ = fs::temp_directory_path() /
              ("kvtool_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(ordner_);
  }
  void TearDown() override { fs::remove_all(ordner_); }
  fs::path ordner_;
};

TEST_F(Kvtool, BeispielschuleImportInfoCheckRoundtrip) {
  const fs::path kvr = ordner_ / "schule.kvr";
  TLauf l = Starte({"import", (Beispiele() / "schule.txt").string(), kvr.string()});
  ASSERT_EQ(l.status, 0) << l.fehler;
  EXPECT_EQ(l.fehler, "");
  // The example's data file is what kvtool makes of its text.
  EXPECT_EQ(Lies(kvr), Lies(Beispiele() / "schule.kvr"));

  l = Starte({"info", kvr.string()});
  ASSERT_EQ(l.status, 0) << l.fehler;
  EXPECT_EQ(l.aus,
            "versions: 1\nteachers: 22\nclasses: 12\ncouplings: 6\nsubjects: 16\nrooms: 20\nuvtables: 0\n"
            "courses: 124\nhours: 320\nplaced: 254\nsubstitutions: 0\nabsences: 0\n");

  l = Starte({"check", kvr.string()});
  ASSERT_EQ(l.status, 0) << l.fehler;
  EXPECT_EQ(l.aus.find("doppelt im Plan"), std::string::npos);
  EXPECT_TRUE(l.aus.ends_with("\nkleinere Fehler gefunden.\n"));

  l = Starte({"roundtrip", kvr.string()});
  EXPECT_EQ(l.status, 0) << l.fehler;
  EXPECT_EQ(l.aus, "identisch\n");

  // Several versions.
  const fs::path v3 = ordner_ / "v3.kvr";
  const std::string text = (Beispiele() / "schule.txt").string();
  ASSERT_EQ(Starte({"import", text, v3.string(), "--versionen", "3"}).status, 0);
  EXPECT_NE(Starte({"info", v3.string()}).aus.find("versions: 3\n"), std::string::npos);
  EXPECT_EQ(Starte({"roundtrip", v3.string()}).aus, "identisch\n");
  for (const char* falsch : {"0", "55", "x", "", "123"})
    EXPECT_EQ(Starte({"import", text, v3.string(), "--versionen", falsch}).status, 1) << falsch;
}

TEST_F(Kvtool, FalscherAufrufUndFalscheDateien) {
  const fs::path fehlt = ordner_ / "fehlt.kvr";
  for (const std::vector<std::string>& a :
       std::vector<std::vector<std::string>>{{},
                                             {"hilfe"},
                                             {"info"},
                                             {"info", "a", "b"},
                                             {"import", "x"},
                                             {"info", fehlt.string()},
                                             {"check", fehlt.string()},
                                             {"roundtrip", fehlt.string()}}) {
    const TLauf l = Starte(a);
    EXPECT_EQ(l.status, 1);
    EXPECT_FALSE(l.fehler.empty());
    EXPECT_EQ(l.aus, "");
  }
  // A course file that is not one, and a data file given as course file.
  const fs::path text = ordner_ / "kaputt.txt";
  Schreibe(text, "1\t2\t3\n");
  TLauf l = Starte({"import", text.string(), (ordner_ / "aus.kvr").string()});
  EXPECT_EQ(l.status, 1);
  EXPECT_NE(l.fehler.find("Falsches Format"), std::string::npos);
  EXPECT_FALSE(fs::exists(ordner_ / "aus.kvr"));
  l = Starte({"import", (Beispiele() / "schule.kvr").string(), (ordner_ / "aus.kvr").string()});
  EXPECT_EQ(l.status, 1);
  // A course file as data file.
  l = Starte({"info", (Beispiele() / "schule.txt").string()});
  EXPECT_EQ(l.status, 1);
  EXPECT_FALSE(l.fehler.empty());
}

// Clear the example school, run over every course, save, and read the result back: the lines
// add up, the saved file holds what was placed, and wrong options are refused.
TEST_F(Kvtool, LeerenUndAutomatik) {
  // "key: value" lines as numbers.
  auto werte = [](const std::string& text) {
    std::map<std::string, long> wert;
    std::istringstream zeilen(text);
    for (std::string z; std::getline(zeilen, z);) {
      const auto doppelpunkt = z.find(": ");
      if (doppelpunkt != std::string::npos)
        wert[z.substr(0, doppelpunkt)] = std::stol(z.substr(doppelpunkt + 2));
    }
    return wert;
  };
  const fs::path leer = ordner_ / "leer.kvr", voll = ordner_ / "voll.kvr";
  TLauf l = Starte({"leeren", (Beispiele() / "schule.kvr").string(), leer.string()});
  ASSERT_EQ(l.status, 0) << l.fehler;
  // The example has no fixed hour: nothing stays.
  const long fest = werte(Starte({"info", leer.string()}).aus)["placed"];
  EXPECT_EQ(fest, 0);

  l = Starte({"auto", leer.string(), "--tage", "5", "--stunden", "8", "--aus", voll.string()});
  ASSERT_EQ(l.status, 0) << l.fehler;
  std::map<std::string, long> wert = werte(l.aus);
  for (const char* schluessel :
       {"kurse", "stunden_offen_vorher", "stunden_gesetzt", "stunden_nicht_verplanbar", "ms"})
    EXPECT_TRUE(wert.contains(schluessel)) << schluessel;
  EXPECT_EQ(wert["stunden_offen_vorher"], 320 - fest);
  EXPECT_GT(wert["stunden_gesetzt"], 0);
  EXPECT_EQ(wert["stunden_gesetzt"] + wert["stunden_nicht_verplanbar"], wert["stunden_offen_vorher"]);
  EXPECT_EQ(werte(Starte({"info", voll.string()}).aus)["placed"], fest + wert["stunden_gesetzt"]);
  EXPECT_EQ(Starte({"check", voll.string()}).aus.find("doppelt im Plan"), std::string::npos);

  for (const std::vector<std::string>& a :
       std::vector<std::vector<std::string>>{{"auto"},
                                             {"auto", leer.string(), "--tage", "4"},
                                             {"auto", leer.string(), "--stunden", "17"},
                                             {"auto", leer.string(), "--prozent", "4"},
                                             {"auto", leer.string(), "--prozent"},
                                             {"auto", leer.string(), "--schnell"},
                                             {"auto", leer.string(), "--ohne-raum"},
                                             {"leeren", leer.string()}}) {
    l = Starte(a);
    EXPECT_EQ(l.status, 1) << a.size();
    EXPECT_FALSE(l.fehler.empty());
  }
}

// Without options the run takes the program's defaults (an hour may go without a room or its
// single-hour pattern): it places what the core's run with fresh settings places, and each strict
// option places no more than that.
TEST_F(Kvtool, AutomatikMitDenVorgaben) {
  auto gesetzt = [](const std::string& text) {
    const auto stelle = text.find("stunden_gesetzt: ");
    return stelle == std::string::npos ? -1L : std::stol(text.substr(stelle + 17));
  };
  const fs::path leer = ordner_ / "leer.kvr";
  ASSERT_EQ(Starte({"leeren", (Beispiele() / "schule.kvr").string(), leer.string()}).status, 0);

  TStandard standard;
  TFakeDialoge dialoge;
  TLeser leser(standard, TUmgebung{&dialoge, nullptr, nullptr});
  const std::unique_ptr<TSchule> schule = leser.LiesDatei(leer.string());
  ASSERT_TRUE(standard.ara && standard.aei);
  long vorher = 0, nachher = 0;
  for (const TKurs* k : schule->Kurse()) vorher += k->Setzungen().Anzahl();
  TAutomat automat(*schule);
  automat.AutomatVorbereiten(schule->Kurse().Elemente());
  while (automat.Schritt()) {
  }
  for (const TKurs* k : schule->Kurse()) nachher += k->Setzungen().Anzahl();

  const TLauf vorgabe = Starte({"auto", leer.string()});
  ASSERT_EQ(vorgabe.status, 0) << vorgabe.fehler;
  EXPECT_EQ(gesetzt(vorgabe.aus), nachher - vorher);
  for (const std::vector<std::string>& streng : std::vector<std::vector<std::string>>{
           {"--nur-mit-raum"}, {"--nur-mit-muster"}, {"--nur-mit-raum", "--nur-mit-muster"}}) {
    std::vector<std::string> a{"auto", leer.string()};
    a.insert(a.end(), streng.begin(), streng.end());
    const TLauf l = Starte(a);
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_GE(gesetzt(l.aus), 0);
    EXPECT_LE(gesetzt(l.aus), gesetzt(vorgabe.aus)) << streng.size();
  }
}

TEST_F(Kvtool, BeschaedigteDatenDateien) {
  const std::string gut = Lies(Beispiele() / "schule.kvr");
  ASSERT_GT(gut.size(), 1000u);
  const fs::path datei = ordner_ / "kaputt.kvr";
  // Cut anywhere: always a German message, never a crash.
  for (std::size_t laenge : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{100},
                             std::size_t{1000}, gut.size() / 2, gut.size() - 1}) {
    Schreibe(datei, gut.substr(0, laenge));
    for (const char* befehl : {"info", "check", "roundtrip"}) {
      const TLauf l = Starte({befehl, datei.string()});
      EXPECT_EQ(l.status, 1) << befehl << " " << laenge;
      EXPECT_FALSE(l.fehler.empty());
    }
  }
  // Bytes changed here and there: refused with a message, or read as some school.
  uint32_t zufall = 12345;
  for (int n = 0; n < 60; ++n) {
    std::string kaputt = gut;
    for (int k = 0; k < 4; ++k) {
      zufall = zufall * 1103515245u + 12345u;
      kaputt[(zufall >> 8) % kaputt.size()] = static_cast<char>(zufall >> 24);
    }
    Schreibe(datei, kaputt);
    for (const char* befehl : {"info", "check", "roundtrip"}) {
      const TLauf l = Starte({befehl, datei.string()});
      EXPECT_TRUE(l.status == 0 || (l.status == 1 && !l.fehler.empty()) ||
                  (l.status == 2 && befehl[0] == 'r'))
          << befehl << " " << l.status;
    }
  }
}

// Saving past the file-size limit, in a child process that sets the limit as kvtool starts:
// the save fails with the write error, kvtool ends normally, the old file stays and no
// temporary file is left.
TEST_F(Kvtool, DateigrenzeBeendetNichtDasProgramm) {
  const fs::path kvr = ordner_ / "schule.kvr";
  Schreibe(kvr, "alt");
  const pid_t kind = ::fork();
  ASSERT_GE(kind, 0);
  if (kind == 0) {
    const rlimit grenze{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &grenze);
    IgnoriereDateigrenzenSignal();
    const TLauf l = Starte({"import", (Beispiele() / "schule.txt").string(), kvr.string()});
    ::_exit(l.status == 1 && l.fehler == "Stream-Write-Fehler\n" ? 0 : 3);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(kind, &status, 0), kind);
  EXPECT_FALSE(WIFSIGNALED(status)) << "signal " << WTERMSIG(status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wrong status or message";
  EXPECT_EQ(Lies(kvr), "alt");
  EXPECT_EQ(std::distance(fs::directory_iterator(ordner_), {}), 1);
}

}  // namespace
}  // namespace kolvar
