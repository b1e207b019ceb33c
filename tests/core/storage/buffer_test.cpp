#include "storage/buffer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "model/text.h"

namespace kolvar {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Geschrieben(const std::function<void(TBuffer&)>& schreibe) {
  TBuffer b;
  schreibe(b);
  return b.Daten();
}

TEST(TBuffer, ZahlenBigEndian) {
  TBuffer b(Bytes{0xFF, 0xFF, 0x7F, 0xFF, 0x80, 0x00, 0xFF, 0x2D, 0xAB, 0xCD, 0x12, 0x34, 0x56, 0x78, 0xFF,
                  0xFF, 0xFF, 0xFE, 0xC8});
  EXPECT_EQ(b.LiesInteger(), -1);
  EXPECT_EQ(b.LiesInteger(), 32767);
  EXPECT_EQ(b.LiesInteger(), -32768);
  EXPECT_EQ(b.LiesInteger(), -211);  // the version word
  EXPECT_EQ(b.LiesWort(), 0xABCD);
  EXPECT_EQ(b.LiesLongint(), 0x12345678);
  EXPECT_EQ(b.LiesLongint(), -2);
  EXPECT_EQ(b.LiesByte(), 0xC8);
  EXPECT_TRUE(b.AmEnde());

  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.SchreibeInteger(-211); }), (Bytes{0xFF, 0x2D}));
  // Values held in 32 bits keep their low 16 bits in the file.
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.SchreibeInteger(0x12345); }), (Bytes{0x23, 0x45}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.SchreibeLongint(-2); }), (Bytes{0xFF, 0xFF, 0xFF, 0xFE}));
}

TEST(TBuffer, WahrheitswerteUndArten) {
  TBuffer b(Bytes{0x00, 0x01, 0x02, 0xFF, 0x00, 0x02, 0x04, 0x06, 0x07, 0xFF});
  EXPECT_FALSE(b.LiesBoolean());
  EXPECT_TRUE(b.LiesBoolean());
  EXPECT_TRUE(b.LiesBoolean());
  EXPECT_TRUE(b.LiesBoolean());
  // Older files' kinds 2 and 6 are today's 0 and 4.
  for (int erwartet : {0, 0, 4, 4, 7, 255}) EXPECT_EQ(b.LiesArt(), erwartet);
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.SchreibeBoolean(true);
              b.SchreibeBoolean(false);
              b.SchreibeArt(2);
            }),
            (Bytes{0x01, 0x00, 0x02}));
}

TEST(TBuffer, DatumUndFarbe) {
  const int64_t jahr2000 = 36526 * int64_t{86400};
  EXPECT_EQ(Geschrieben([&](TBuffer& b) { b.SchreibeDatum(jahr2000); }), (Bytes{0xB4, 0x92, 0xF4, 0x00}));
  EXPECT_EQ(TBuffer(Bytes{0xB4, 0x92, 0xF4, 0x00}).LiesDatum(), jahr2000);
  EXPECT_EQ(TBuffer(Bytes{0xFF, 0xFF, 0xFF, 0xFF}).LiesDatum(), (1462 + 49710) * int64_t{86400} + 23328);
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.SchreibeFarbe(0x00FF8000); }),
            (Bytes{0x00, 0x00, 0x80, 0x00, 0xFF, 0x00}));
  EXPECT_EQ(TBuffer(Bytes{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}).LiesFarbe(), 0x009A5612u);
}

TEST(TBuffer, JederWertKommtZurueck) {
  const int integers[] = {-32768, -211, -1, 0, 1, 0x7FFF};
  const uint16_t worte[] = {0, 1, 0x8000, 0xFFFF};
  const int32_t longints[] = {std::numeric_limits<int32_t>::min(), -1, 0, 0x12345678,
                              std::numeric_limits<int32_t>::max()};
  const int64_t daten[] = {1462 * int64_t{86400}, 36526 * int64_t{86400} + 43200,
                           46000 * int64_t{86400} + 864 * 37};
  const uint32_t farben[] = {0, 0x00FFFFFF, 0x00FF8000, 0x00010203};
  const std::string texte[] = {"", "a", "Müller", "¥¥5a", "§ 4 ß", "é ž ™ \u0081"};

  TBuffer b;
  for (int i : integers) b.SchreibeInteger(i);
  for (uint16_t w : worte) b.SchreibeWort(w);
  for (int32_t l : longints) b.SchreibeLongint(l);
  for (int k = 0; k < 256; ++k) b.SchreibeByte(uint8_t(k));
  for (bool w : {true, false}) b.SchreibeBoolean(w);
  for (int k = 0; k < 256; ++k) b.SchreibeArt(uint8_t(k));
  for (int64_t d : daten) b.SchreibeDatum(d);
  for (uint32_t f : farben) b.SchreibeFarbe(f);
  for (const std::string& t : texte) {
    b.SchreibeKuerzel(t);
    b.SchreibeName(t);
    b.SchreibeBemerkung(t);
    b.SchreibeTitel(t);
    b.SchreibeText(t, 15);
  }

  TBuffer l(b.Daten());
  for (int i : integers) EXPECT_EQ(l.LiesInteger(), i);
  for (uint16_t w : worte) EXPECT_EQ(l.LiesWort(), w);
  for (int32_t x : longints) EXPECT_EQ(l.LiesLongint(), x);
  for (int k = 0; k < 256; ++k) EXPECT_EQ(l.LiesByte(), k);
  for (bool w : {true, false}) EXPECT_EQ(l.LiesBoolean(), w);
  for (int k = 0; k < 256; ++k) EXPECT_EQ(l.LiesArt(), k == 2 ? 0 : k == 6 ? 4 : k);
  for (int64_t d : daten) EXPECT_EQ(l.LiesDatum(), d);
  for (uint32_t f : farben) EXPECT_EQ(l.LiesFarbe(), f);
  for (const std::string& t : texte) {
    EXPECT_EQ(l.LiesKuerzel(), t);
    EXPECT_EQ(l.LiesName(), t);
    EXPECT_EQ(l.LiesBemerkung(), t);
    EXPECT_EQ(l.LiesTitel(), t);
    EXPECT_EQ(l.LiesText(15), t);
  }
  EXPECT_TRUE(l.AmEnde());
}

// A read past the end fails with the stream's error at the place it happened and consumes
// nothing, for every primitive and every shortfall.
TEST(TBuffer, KurzesLesenScheitertSichtbar) {
  struct TPrimitiv {
    const char* name;
    std::size_t groesse;
    std::function<void(TBuffer&)> lies;
  };
  const TPrimitiv primitive[] = {
      {"Integer", 2, [](TBuffer& b) { b.LiesInteger(); }},
      {"Wort", 2, [](TBuffer& b) { b.LiesWort(); }},
      {"Longint", 4, [](TBuffer& b) { b.LiesLongint(); }},
      {"Byte", 1, [](TBuffer& b) { b.LiesByte(); }},
      {"Boolean", 1, [](TBuffer& b) { b.LiesBoolean(); }},
      {"Art", 1, [](TBuffer& b) { b.LiesArt(); }},
      {"Datum", 4, [](TBuffer& b) { b.LiesDatum(); }},
      {"Farbe", 6, [](TBuffer& b) { b.LiesFarbe(); }},
      {"Kuerzel", 8, [](TBuffer& b) { b.LiesKuerzel(); }},
      {"Name", 22, [](TBuffer& b) { b.LiesName(); }},
      {"Bemerkung", 62, [](TBuffer& b) { b.LiesBemerkung(); }},
      {"Titel", 256, [](TBuffer& b) { b.LiesTitel(); }},
      {"Text15", 16, [](TBuffer& b) { b.LiesText(15); }},
      {"Zeichen", 1, [](TBuffer& b) { b.LiesZeichen(); }},
      {"Block", 9, [](TBuffer& b) { b.LiesBlock(9); }},
  };
  const std::size_t vorne = 3;
  for (const TPrimitiv& p : primitive) {
    // A string field whose length byte says 0 is still short when its padding is missing.
    for (std::size_t n = 0; n < p.groesse; ++n) {
      TBuffer b(Bytes(vorne + n, 0x01));
      b.LiesByte();
      b.LiesByte();
      b.LiesByte();
      try {
        p.lies(b);
        ADD_FAILURE() << p.name << " with " << n << " bytes did not fail";
      } catch (const TDateiFehler& f) {
        EXPECT_STREQ(f.what(), "Stream-Read-Fehler");
        EXPECT_EQ(f.Position(), vorne) << p.name;
      }
      EXPECT_EQ(b.Position(), vorne) << p.name;
      EXPECT_EQ(b.Rest(), n) << p.name;
    }
    TBuffer voll(Bytes(p.groesse, 0x01));
    EXPECT_NO_THROW(p.lies(voll)) << p.name;
    EXPECT_TRUE(voll.AmEnde()) << p.name;
  }
}

TEST(TBuffer, FeldgroessenUndAbschneiden) {
  // Thirty characters keep their first 21; the rest of the field is zero bytes.
  const Bytes name = Geschrieben([](TBuffer& b) { b.SchreibeName("Abcdefghijklmnopqrstuvwxyz1234"); });
  Bytes erwartet{21};
  for (char c : std::string("Abcdefghijklmnopqrstu")) erwartet.push_back(uint8_t(c));
  EXPECT_EQ(name, erwartet);

  // Capacities count characters, not UTF-8 bytes.
  const Bytes umlaute = Geschrieben([](TBuffer& b) { b.SchreibeKuerzel("ÄÖÜäöüßxy"); });
  EXPECT_EQ(umlaute, (Bytes{7, 0x80, 0x85, 0x86, 0x8A, 0x9A, 0x9F, 0xA7}));
  EXPECT_EQ(TBuffer(umlaute).LiesKuerzel(), "ÄÖÜäöüß");
  // A character the file cannot hold still takes exactly one place.
  const Bytes emoji = Geschrieben([](TBuffer& b) { b.SchreibeKuerzel("😀€中1234567"); });
  EXPECT_EQ(emoji, (Bytes{7, '?', '?', '?', '1', '2', '3', '4'}));
  // Out-of-range capacities are held to what a length byte can say.
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.SchreibeText("abc", 0); }), (Bytes{1, 'a'}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.SchreibeText("abc", 1000); }).size(), 256u);
}

// Blocks come as they are and go out zeroed behind what is there; a text that fills its field
// exactly, in bytes or in characters, stays whole, one character more is cut.
TEST(TBuffer, BloeckeUndVolleFelder) {
  TBuffer b(Bytes{1, 2, 3, 4, 5});
  b.LiesByte();
  const uint8_t* block = b.LiesBlock(3);
  EXPECT_EQ(Bytes(block, block + 3), (Bytes{2, 3, 4}));
  EXPECT_EQ(b.Rest(), 1u);
  EXPECT_EQ(b.LiesBlock(0), b.Daten().data() + 4);
  const Bytes geschrieben = Geschrieben([](TBuffer& s) {
    s.SchreibeByte(7);
    uint8_t* p = s.SchreibeBlock(4);
    EXPECT_EQ(Bytes(p, p + 4), Bytes(4, 0));
    p[1] = 9;
    s.SchreibeByte(8);
  });
  EXPECT_EQ(geschrieben, (Bytes{7, 0, 9, 0, 0, 8}));

  const std::string ascii21(21, 'x'), umlaute21 = "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüß";
  for (const std::string& text : {ascii21, umlaute21, umlaute21.substr(0, 20) + "y"}) {
    const Bytes feld = Geschrieben([&](TBuffer& s) { s.SchreibeName(text); });
    EXPECT_EQ(TBuffer(feld).LiesName(), text);
  }
  EXPECT_EQ(TBuffer(Geschrieben([&](TBuffer& s) { s.SchreibeName(ascii21 + "y"); })).LiesName(), ascii21);
  EXPECT_EQ(TBuffer(Geschrieben([&](TBuffer& s) { s.SchreibeName(umlaute21 + "y"); })).LiesName(), umlaute21);
}

TEST(TBuffer, KuerzelOhneFuehrendeBlanks) {
  TBuffer b(Bytes{4, ' ', ' ', '5', 'a', 0, 0, 0});
  const std::string k = b.LiesKuerzel();
  EXPECT_EQ(k, "¥¥5a");
  EXPECT_EQ(Geschrieben([&](TBuffer& s) { s.SchreibeKuerzel(k); }),
            (Bytes{4, 0xB4, 0xB4, '5', 'a', 0, 0, 0}));
  // Only leading blanks, only abbreviations, and padding blanks beyond the length do not count.
  EXPECT_EQ(TBuffer(Bytes{4, 'a', ' ', 'b', ' ', ' ', ' ', ' '}).LiesKuerzel(), "a b ");
  EXPECT_EQ(TBuffer(Bytes{3, ' ', ' ', ' ', 0, 0, 0, 0}).LiesKuerzel(), "¥¥¥");
  EXPECT_EQ(TBuffer(Bytes{0, ' ', ' ', ' ', 0, 0, 0, 0}).LiesKuerzel(), "");
  Bytes name(22, 0);
  name[0] = 2;
  name[1] = name[2] = ' ';
  EXPECT_EQ(TBuffer(name).LiesName(), "  ");
}

TEST(TBuffer, FeindlicheLaengenbytes) {
  // A length beyond the capacity is the capacity; the next field stays where it belongs.
  Bytes daten{0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 0x12, 0x34};
  TBuffer b(daten);
  EXPECT_EQ(b.LiesKuerzel(), "abcdefg");
  EXPECT_EQ(b.LiesInteger(), 0x1234);
  Bytes name(22, 'n');
  name[0] = 0x80;
  TBuffer n(name);
  EXPECT_EQ(TextLaenge(n.LiesName()), 21);
  // Bytes after the length are padding, whatever they hold.
  EXPECT_EQ(TBuffer(Bytes{1, 'x', 0xFF, 0x80, 0xB4, 'q', 'q', 'q'}).LiesKuerzel(), "x");
}

class TDateiTest : public testing::Test {
 protected:
  void SetUp() override {
    ordner_ = std::filesystem::temp_directory_path() /
              ("kolvar-buffer-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(ordner_);
    std::filesystem::create_directories(ordner_);
  }
  void TearDown() override { std::filesystem::remove_all(ordner_); }

  std::size_t Eintraege() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(ordner_), {}));
  }

  std::filesystem::path ordner_;
};

// Kind, link target, permissions and content of a folder entry, without following a link.
std::string Beschreibung(const std::filesystem::path& p) {
  if (std::filesystem::is_symlink(p)) return "link " + std::filesystem::read_symlink(p).string();
  struct stat info {};
  ::stat(p.c_str(), &info);
  std::ifstream ein(p, std::ios::binary);
  return "file " + std::to_string(info.st_mode & 07777) + " " +
         std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

TEST_F(TDateiTest, SpeichernUndOeffnen) {
  const std::filesystem::path datei = ordner_ / "Schule Ä.KVR";
  TBuffer b;
  b.SchreibeInteger(-211);
  b.SchreibeTitel("Gymnasium Süd");
  b.Speichere(datei);
  TBuffer l = TBuffer::Oeffne(datei);
  EXPECT_EQ(l.Daten(), b.Daten());
  EXPECT_EQ(l.LiesInteger(), -211);
  EXPECT_EQ(l.LiesTitel(), "Gymnasium Süd");

  // Replacing keeps the old file's permissions and leaves no temporary file behind.
  ::chmod(datei.c_str(), 0640);
  TBuffer kurz;
  kurz.SchreibeByte(7);
  kurz.Speichere(datei);
  EXPECT_EQ(TBuffer::Oeffne(datei).Daten(), Bytes{7});
  struct stat info {};
  ASSERT_EQ(::stat(datei.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(Eintraege(), 1u);
  TBuffer().Speichere(ordner_ / "leer");
  const std::filesystem::path lang = ordner_ / (std::string(250, 'L') + ".kvr");  // 254 bytes
  b.Speichere(lang);
  EXPECT_EQ(TBuffer::Oeffne(lang).Daten(), b.Daten());
  std::filesystem::remove(lang);
  EXPECT_EQ(TBuffer::Oeffne(ordner_ / "leer").Groesse(), 0u);
}

TEST_F(TDateiTest, FehlerBeimOeffnenUndErstellen) {
  const std::filesystem::path fehlt = ordner_ / "fehlt.kvr";
  try {
    TBuffer::Oeffne(fehlt);
    ADD_FAILURE();
  } catch (const TDateiFehler& f) {
    EXPECT_EQ(std::string(f.what()), "Datei " + fehlt.string() + " kann nicht geöffnet werden");
  }
  EXPECT_THROW(TBuffer::Oeffne(ordner_), TDateiFehler);  // a folder is no data file
  // Nor is a pipe; opening it must not wait for a writer that never comes.
  const std::filesystem::path roehre = ordner_ / "roehre.kvr";
  ASSERT_EQ(::mkfifo(roehre.c_str(), 0600), 0);
  EXPECT_THROW(TBuffer::Oeffne(roehre), TDateiFehler);
  std::filesystem::remove(roehre);

  TBuffer b;
  b.SchreibeInteger(1);
  const std::filesystem::path ohneOrdner = ordner_ / "nicht da" / "x.kvr";
  try {
    b.Speichere(ohneOrdner);
    ADD_FAILURE();
  } catch (const TDateiFehler& f) {
    EXPECT_EQ(std::string(f.what()), "Datei " + ohneOrdner.string() + " kann nicht erstellt werden");
  }
  // The target cannot be replaced: it stays as it was and no temporary file is left.
  const std::filesystem::path besetzt = ordner_ / "besetzt.kvr";
  std::filesystem::create_directory(besetzt);
  std::ofstream(besetzt / "inhalt") << "bleibt";
  EXPECT_THROW(b.Speichere(besetzt), TDateiFehler);
  EXPECT_TRUE(std::filesystem::is_regular_file(besetzt / "inhalt"));
  EXPECT_EQ(Eintraege(), 1u);
}

// A school file reached through a symbolic link, whether its file exists yet or not: saving
// writes the file the link names and leaves the link a link, so whoever opens the file itself
// sees the saved data.
TEST_F(TDateiTest, SpeichernUeberEineVerknuepfungSchreibtDasZiel) {
  for (const bool zielDa : {true, false}) {
    SCOPED_TRACE(zielDa ? "existing target" : "missing target");
    std::filesystem::remove_all(ordner_);
    const std::filesystem::path ziel = ordner_ / "daten" / "schule.kvr";
    std::filesystem::create_directories(ziel.parent_path());
    if (zielDa) {
      TBuffer alt;
      alt.SchreibeByte(1);
      alt.Speichere(ziel);
    }
    const std::filesystem::path link = ordner_ / "link.kvr";
    std::filesystem::create_symlink(std::filesystem::path("daten") / "schule.kvr", link);
    TBuffer neu;
    neu.SchreibeByte(2);
    neu.Speichere(link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TBuffer::Oeffne(ziel).Daten(), Bytes{2});
    EXPECT_EQ(TBuffer::Oeffne(link).Daten(), Bytes{2});
    EXPECT_EQ(Eintraege(), 2u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ziel.parent_path()), {}), 1);
  }
}

// Targets that must not be replaced: the save is refused as a failed create, and the link or
// the file stays exactly as it was.
TEST_F(TDateiTest, UnersetzbareZieleBleibenUnberuehrt) {
  struct Fall {
    const char* name;
    std::function<std::filesystem::path(const std::filesystem::path&)> lege;  // the path saved to
  };
  const Fall faelle[] = {
      {"link into a missing folder",
       [](const std::filesystem::path& o) {
         std::filesystem::create_symlink(std::filesystem::path("fehlt") / "schule.kvr", o / "link.kvr");
         return o / "link.kvr";
       }},
      {"read-only file",
       [](const std::filesystem::path& o) {
         std::ofstream(o / "schule.kvr") << "alt";
         ::chmod((o / "schule.kvr").c_str(), 0444);
         return o / "schule.kvr";
       }},
      {"link to a read-only file",
       [](const std::filesystem::path& o) {
         std::ofstream(o / "schule.kvr") << "alt";
         ::chmod((o / "schule.kvr").c_str(), 0444);
         std::filesystem::create_symlink("schule.kvr", o / "link.kvr");
         return o / "link.kvr";
       }},
  };
  TBuffer b;
  b.SchreibeInteger(-211);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    std::filesystem::remove_all(ordner_);
    std::filesystem::create_directories(ordner_);
    const std::filesystem::path datei = f.lege(ordner_);
    std::map<std::string, std::string> vorher;
    for (const auto& e : std::filesystem::directory_iterator(ordner_))
      vorher[e.path().filename()] = Beschreibung(e.path());
    try {
      b.Speichere(datei);
      ADD_FAILURE() << "saved";
    } catch (const TDateiFehler& fehler) {
      EXPECT_EQ(std::string(fehler.what()), "Datei " + datei.string() + " kann nicht erstellt werden");
    }
    std::map<std::string, std::string> nachher;
    for (const auto& e : std::filesystem::directory_iterator(ordner_))
      nachher[e.path().filename()] = Beschreibung(e.path());
    EXPECT_EQ(nachher, vorher);
  }
}

}  // namespace
}  // namespace kolvar
