#include "storage/kursimport.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/dateifehler.h"
#include "storage/ifortschritt.h"
#include "support/fakes.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

constexpr char kP = '\x1d';

// One record: the defaults below with the given fields (1-based) replaced; ended by CR.
std::string Satz(const std::map<int, std::string>& felder = {}, const std::string& ende = "\r") {
  std::array<std::string, 23> f = {"1",  "1",         "2", "",  "MUE", "Müller", "De", "Deutsch",
                                   "5a", "Klasse 5a", "",  "",  "",    "",       "",   "",
                                   "",   "1",         "0", "1", "0",   "0",      "0"};
  for (const auto& [nr, text] : felder) f[static_cast<std::size_t>(nr - 1)] = text;
  std::string s;
  for (std::size_t i = 0; i < f.size(); ++i) s += (i ? "\t" : "") + f[i];
  return s + ende;
}

std::string Posten(std::initializer_list<std::string> teile) {
  std::string s;
  for (const std::string& t : teile) s += (s.empty() ? "" : std::string(1, kP)) + t;
  return s;
}

std::vector<uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

struct TLeereSchule {
  explicit TLeereSchule(int versionen = 1, bool nurAktuelle = true) {
    standard.SetVersionszahl(versionen);
    standard.SetNurAktuelleVersion(nurAktuelle);
    standard.SetTageProWoche(5);
    dialoge.standardAntwort = Modal::Ja;
    schule = std::make_unique<TSchule>(standard, TUmgebung{&dialoge, &palette, &uhr});
  }
  TImportErgebnis Importiere(const std::string& text) { return TKursImport(*schule).Importiere(Bytes(text)); }
  TKurs* Kurs(int i) const { return schule->Kurse().Hole(i); }

  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr;
  std::unique_ptr<TSchule> schule;
};

TEST(KursImport, PostenListenGebenDieGesetztenStundenMitAllenRastern) {
  TLeereSchule s(2, false);
  s.standard.gds.SetzeStunde(1, 2, true);  // new elements are locked on Monday period 2
  ASSERT_EQ(s.Importiere(Satz({{3, "6"},
                               {13, Posten({"1", "2", "1"})},
                               {14, Posten({"1", "3", "5"})},
                               {15, Posten({"2", "2", "4"})},
                               {16, Posten({"R1", "R2", "R1"})},
                               {17, Posten({"Raum eins", "Raum zwei", "Raum eins"})}})),
            TImportErgebnis::Importiert);
  EXPECT_EQ(s.dialoge.Anzahl(TDialog::UnbekannteKuerzel), 1);
  ASSERT_EQ(s.schule->Kurse().Anzahl(), 1);
  TKurs* k = s.Kurs(1);
  ASSERT_EQ(k->Setzungen().Anzahl(), 3);
  const TSetzung* a = k->FindeSetzung(1, 1, 2);
  const TSetzung* b = k->FindeSetzung(2, 3, 2);
  const TSetzung* c = k->FindeSetzung(1, 5, 4);
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(a->Raum()->Kuerzel(), "R1");
  EXPECT_EQ(b->Raum()->Kuerzel(), "R2");
  EXPECT_EQ(c->Raum(), a->Raum());
  EXPECT_EQ(a->Raum()->Name(), "Raum eins");
  EXPECT_FALSE(a->Fixiert());
  EXPECT_EQ(k->Stunden(1), 3);  // 6 hours over 2 versions
  EXPECT_EQ(k->Stunden(2), 3);
  EXPECT_EQ(k->Raeume().Anzahl(), 2);
  EXPECT_EQ(k->Farbe(), 0xFFFFFFu);
  TLehrer* l = k->Lehrer();
  EXPECT_EQ(l->Name(), "Müller");
  EXPECT_TRUE(l->Belegung().Belegt(1, 1, 2));
  EXPECT_FALSE(l->Sperrung().Belegt(1, 1, 2));
  EXPECT_TRUE(l->Sperrung().Belegt(2, 1, 2));  // no hour there
  EXPECT_FALSE(k->Klassen().Hole(1)->Sperrung().Belegt(1, 1, 2));
  EXPECT_FALSE(k->Sperrung().Belegt(1, 1, 2));
  EXPECT_TRUE(a->Raum()->Belegung().Belegt(1, 5, 4));
  EXPECT_EQ(l->Faecher().Position(k->Fach()), 1);
  EXPECT_EQ(PruefeModell(*s.schule), std::vector<std::string>{});
}

TEST(KursImport, FolgesaetzeFuegenNurKlassenHinzu) {
  TLeereSchule s;
  const std::string text = Satz({{1, "7"}, {13, "1"}, {14, "2"}, {15, "3"}}) +
                           Satz({{1, "7"}, {5, "XYZ"}, {9, "5b"}, {10, "Klasse 5b"}, {13, "1"}}) +
                           Satz({{1, "8"}, {9, "6a"}});
  ASSERT_EQ(s.Importiere(text), TImportErgebnis::Importiert);
  ASSERT_EQ(s.schule->Kurse().Anzahl(), 2);
  EXPECT_EQ(s.schule->Lehrer().Anzahl(), 1);  // XYZ of the follow-on record is ignored
  TKurs* k = TSchule::SucheKuerzel(s.schule->Klassen(), "5b")->Kurse().Hole(1);
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->Klassen().Anzahl(), 2);
  EXPECT_EQ(k->Setzungen().Anzahl(), 1);
  TKlasse* k5b = TSchule::SucheKuerzel(s.schule->Klassen(), "5b");
  EXPECT_EQ(k5b->Name(), "Klasse 5b");
  EXPECT_TRUE(k5b->Belegung().Belegt(1, 2, 3));
  EXPECT_NE(k->Fach()->Klassen().Position(k5b), 0);
  EXPECT_EQ(PruefeModell(*s.schule), std::vector<std::string>{});
}

TEST(KursImport, ZeilenendenUndLeereZeilen) {
  for (const std::string& text :
       {Satz({}, "\r\n") + Satz({{1, "2"}}, "\r\n"), Satz({}, "\n") + Satz({{1, "2"}}, "\n"),
        Satz() + "\r" + Satz({{1, "2"}}), std::string(), std::string("\n\n")}) {
    TLeereSchule s;
    const bool crlf = text.find("\r\n") != std::string::npos;  // LF alone and empty lines are refused
    EXPECT_EQ(s.Importiere(text), crlf ? TImportErgebnis::Importiert : TImportErgebnis::FalschesFormat);
    EXPECT_EQ(s.dialoge.Anzahl(TDialog::FalschesFormat), crlf ? 0 : 1);
    EXPECT_EQ(s.schule->Kurse().Anzahl(), crlf ? 2 : 0);
    EXPECT_EQ(s.schule->Lehrer().Anzahl(), crlf ? 1 : 0);
  }
}

TEST(KursImport, StundenJeVersionUndSchultage) {
  TLeereSchule s(4, false);
  ASSERT_EQ(s.Importiere(Satz({{3, "8"}, {13, "3"}, {14, "7"}, {15, "1"}, {19, "9"}})),
            TImportErgebnis::Importiert);
  TKurs* k = s.Kurs(1);
  for (int v = 1; v <= 4; ++v) EXPECT_EQ(k->Stunden(v), 2);
  EXPECT_EQ(s.standard.mtn, 7);
  EXPECT_NE(k->FindeSetzung(3, 7, 1), nullptr);
  EXPECT_EQ(s.standard.pst, 6) << "period 1 is shown already";
  EXPECT_EQ(k->Einzelstunden(), 7);  // clamped to the raised school week
}

// An hour beyond the periods the plans show raises them, as a day beyond the school week does.
TEST(KursImport, SpaeteStundeWirdSichtbar) {
  TLeereSchule s;
  ASSERT_EQ(s.standard.pst, 6);
  ASSERT_EQ(s.Importiere(Satz({{13, "1"}, {14, "2"}, {15, "9"}})), TImportErgebnis::Importiert);
  EXPECT_NE(s.Kurs(1)->FindeSetzung(1, 2, 9), nullptr);
  EXPECT_EQ(s.standard.pst, 9);
}

TEST(KursImport, WerteWerdenBegrenzt) {
  TLeereSchule s(2, true);
  ASSERT_EQ(s.Importiere(Satz({{2, "0"},
                               {3, "-9"},
                               {13, Posten({"5", "0"})},
                               {14, Posten({"9", "0"})},
                               {15, Posten({"17", "0"})},
                               {18, "0"},
                               {19, "9"},
                               {20, "7"},
                               {21, "1"},
                               {22, "1"},
                               {23, "1"}})),
            TImportErgebnis::Importiert);
  TKurs* k = s.Kurs(1);
  EXPECT_EQ(k->Faktor(), 1);
  EXPECT_EQ(k->Stunden(1), -9);  // only the current version with "eaw"
  EXPECT_EQ(k->Stunden(2), 0);
  EXPECT_NE(k->FindeSetzung(2, 1, 16), nullptr);
  EXPECT_NE(k->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_EQ(k->StundenProTag(), 1);
  EXPECT_EQ(k->Einzelstunden(), 5);
  EXPECT_EQ(k->Tabelle(), 4);
  EXPECT_TRUE(k->NichtVerplanen());
  EXPECT_TRUE(k->NichtZaehlenLehrer());
  EXPECT_TRUE(k->NichtZaehlenKlassen());
}

TEST(KursImport, UnbekannteKuerzelFragenNach) {
  auto klein = BaueKleineSchule();
  TSchule& sch = *klein->schule;
  sch.SetzeGeaendert(false);
  const std::string vorher = Fingerabdruck(sch);
  klein->dialoge.Antworte(Modal::Nein);
  EXPECT_EQ(TKursImport(sch).Importiere(Bytes(Satz({{5, "NEU"}}))), TImportErgebnis::Abgebrochen);
  EXPECT_EQ(Fingerabdruck(sch), vorher);
  EXPECT_FALSE(sch.Geaendert());

  // Known abbreviations ask nothing.
  EXPECT_EQ(TKursImport(sch).Importiere(Bytes(Satz({{8, "Deutsch"}}))), TImportErgebnis::Importiert);
  EXPECT_EQ(klein->dialoge.Anzahl(TDialog::UnbekannteKuerzel), 1);

  // Blanks around a known abbreviation make it unknown to the question, not to the import.
  klein->dialoge.Antworte(Modal::Ja);
  const int lehrer = sch.Lehrer().Anzahl();
  EXPECT_EQ(TKursImport(sch).Importiere(Bytes(Satz({{5, " MUE "}, {6, "Müller"}}))),
            TImportErgebnis::Importiert);
  EXPECT_EQ(klein->dialoge.Anzahl(TDialog::UnbekannteKuerzel), 2);
  EXPECT_EQ(sch.Lehrer().Anzahl(), lehrer);

  // Rooms likewise: a blank room is no room, and no room keeps a blank the file would turn
  // into "¥" on the next opening.
  klein->dialoge.Antworte(Modal::Ja);
  const int raeume = sch.Raeume().Anzahl();
  ASSERT_EQ(TKursImport(sch).Importiere(Bytes(Satz({{13, Posten({"1", "1"})},
                                                    {14, Posten({"2", "3"})},
                                                    {15, Posten({"1", "1"})},
                                                    {16, Posten({" RX ", "  "})}}))),
            TImportErgebnis::Importiert);
  EXPECT_EQ(sch.Raeume().Anzahl(), raeume + 1);
  for (const TRaum* r : sch.Raeume()) EXPECT_EQ(r->Kuerzel().find(' '), std::string::npos) << r->Kuerzel();
  const TKurs* k = nullptr;
  for (const TKurs* kurs : sch.Kurse())
    if (kurs->Setzungen().Anzahl() == 2 && kurs->FindeSetzung(1, 2, 1) && kurs->FindeSetzung(1, 3, 1))
      k = kurs;
  ASSERT_NE(k, nullptr);
  ASSERT_NE(k->FindeSetzung(1, 2, 1)->Raum(), nullptr);
  EXPECT_EQ(k->FindeSetzung(1, 2, 1)->Raum()->Kuerzel(), "RX");
  EXPECT_EQ(k->FindeSetzung(1, 3, 1)->Raum(), nullptr);

  klein->dialoge.Antworte(Modal::Ja);
  EXPECT_EQ(TKursImport(sch).Importiere(Bytes(Satz({{5, "NEU"}, {11, "KO"}, {16, "R9"}, {13, "1"}}))),
            TImportErgebnis::Importiert);
  EXPECT_NE(TSchule::SucheKuerzel(sch.Lehrer(), "NEU"), nullptr);
  EXPECT_NE(TSchule::SucheKuerzel(sch.Kopplungen(), "KO"), nullptr);
  EXPECT_NE(TSchule::SucheKuerzel(sch.Raeume(), "R9"), nullptr);
  EXPECT_EQ(PruefeModell(sch), std::vector<std::string>{});
}

TEST(KursImport, FehlerImletztenSatzLaesstDieSchuleUnveraendert) {
  // Each of these passes a check of lengths alone but is no number, or breaks a record's shape.
  const std::vector<std::map<int, std::string>> kaputt = {
      {{19, ""}},
      {{20, ""}},
      {{3, "-"}},
      {{3, "1-"}},
      {{14, "x"}},
      {{13, "1" + std::string(1, kP)}},
      {{15, "a"}},
      {{2, "1" + std::string(1, kP) + "2"}},
      {{1, ""}},
      {{1, "123456"}},
      {{5, "ABCDEFGH"}},
      {{6, std::string(22, 'n')}},
      {{14, "12"}},
      {{21, "2"}},
      {{23, "01"}},
      {{23, ""}},
      {{18, "123"}},
      {{13, "-1"}},
      {{15, "-9"}},
      {{13, Posten({"1", "-1"})}},
      {{15, Posten({"2", "-9"})}},
  };
  for (const auto& felder : kaputt) {
    auto klein = BaueKleineSchule();
    TSchule& sch = *klein->schule;
    klein->dialoge.standardAntwort = Modal::Ja;
    sch.SetzeGeaendert(false);
    const std::string vorher = Fingerabdruck(sch);
    const std::string text = Satz({{5, "NEU"}, {13, "1"}}) + Satz({{1, "2"}}) + Satz(felder);
    EXPECT_EQ(TKursImport(sch).Importiere(Bytes(text)), TImportErgebnis::FalschesFormat) << Satz(felder);
    EXPECT_EQ(Fingerabdruck(sch), vorher);
    EXPECT_FALSE(sch.Geaendert());
  }
  // A record with 22 or 24 fields.
  for (const std::string& text : {Satz().substr(0, Satz().rfind('\t')) + "\r", Satz({{23, "0\t0"}})}) {
    TLeereSchule s;
    EXPECT_EQ(s.Importiere(text), TImportErgebnis::FalschesFormat);
  }
}

TEST(KursImport, UeberzaehligePostenDoppelteSlotsUndOffenerLetzterSatz) {
  TLeereSchule s(2, true);
  const std::string text =
      // more days, periods and rooms than hours: the surplus is ignored
      Satz({{13, Posten({"1", "1"})},
            {14, Posten({"2", "3", "4", "5"})},
            {15, Posten({"1", "2", "3"})},
            {16, Posten({"A", "B", "C"})},
            {17, Posten({"a", "b", "c"})}}) +
      // the same slot twice: placed once
      Satz({{1, "2"},
            {9, "6a"},
            {13, Posten({"1", "1"})},
            {14, Posten({"1", "1"})},
            {15, Posten({"1", "1"})}}) +
      // fewer items than hours: the last item is the last hour's, the others keep Monday 1
      Satz({{1, "3"}, {9, "7a"}, {13, Posten({"2", "2", "2"})}, {14, "4"}, {15, Posten({"5", "6"})}}) +
      // no carriage return: ignored, however it looks
      "4\tgarbage";
  ASSERT_EQ(s.Importiere(text), TImportErgebnis::Importiert);
  ASSERT_EQ(s.schule->Kurse().Anzahl(), 3);
  TKurs* a = TSchule::SucheKuerzel(s.schule->Klassen(), "5a")->Kurse().Hole(1);
  ASSERT_EQ(a->Setzungen().Anzahl(), 2);
  EXPECT_NE(a->FindeSetzung(1, 2, 1), nullptr);
  EXPECT_NE(a->FindeSetzung(1, 3, 2), nullptr);
  EXPECT_EQ(a->FindeSetzung(1, 3, 2)->Raum()->Kuerzel(), "B");
  EXPECT_EQ(TSchule::SucheKuerzel(s.schule->Raeume(), "C"), nullptr);
  TKurs* b = TSchule::SucheKuerzel(s.schule->Klassen(), "6a")->Kurse().Hole(1);
  EXPECT_EQ(b->Setzungen().Anzahl(), 1);
  TKurs* c = TSchule::SucheKuerzel(s.schule->Klassen(), "7a")->Kurse().Hole(1);
  ASSERT_EQ(c->Setzungen().Anzahl(), 3);
  EXPECT_NE(c->FindeSetzung(2, 1, 5), nullptr);
  EXPECT_NE(c->FindeSetzung(2, 4, 6), nullptr);
  EXPECT_NE(c->FindeSetzung(2, 1, 1), nullptr);
  EXPECT_EQ(PruefeModell(*s.schule), std::vector<std::string>{});
}

TEST(KursImport, OffenerLetzterSatzZaehltInKeinemDurchgang) {
  TLeereSchule s;
  ASSERT_EQ(s.Importiere(Satz()), TImportErgebnis::Importiert);
  s.dialoge.anfragen.clear();
  // Known abbreviations, then an unknown one in a record without its carriage return.
  EXPECT_EQ(s.Importiere(Satz({{1, "2"}}) + Satz({{1, "3"}, {5, "NEU"}}, "")), TImportErgebnis::Importiert);
  EXPECT_EQ(s.dialoge.Anzahl(TDialog::UnbekannteKuerzel), 0);
  EXPECT_EQ(s.schule->Kurse().Anzahl(), 2);
  EXPECT_EQ(TSchule::SucheKuerzel(s.schule->Lehrer(), "NEU"), nullptr);
}

class TFortschrittProtokoll : public IFortschritt {
 public:
  void Datei(const std::string& name, std::size_t bytes) override {
    datei = name + " " + std::to_string(bytes);
  }
  void Status(const std::string& text) override { status.push_back(text); }
  void Position(std::size_t bytes) override { letzte = bytes; }
  std::string datei;
  std::vector<std::string> status;
  std::size_t letzte = 0;
};

TEST(KursImport, TitelUndPfadBleiben) {
  TLeereSchule s;
  const auto pfad = std::filesystem::temp_directory_path() / "kolvar_import_titel.txt";
  {
    std::ofstream aus(pfad, std::ios::binary);
    aus << Satz();
  }
  TFortschrittProtokoll fortschritt;
  EXPECT_EQ(TKursImport(*s.schule, &fortschritt).ImportiereDatei(pfad), TImportErgebnis::Importiert);
  std::filesystem::remove(pfad);
  EXPECT_EQ(fortschritt.datei, "kolvar_import_titel.txt " + std::to_string(Satz().size()));
  EXPECT_EQ(fortschritt.status,
            (std::vector<std::string>{kImportFormatText, kImportKuerzelText, kImportDatenText}));
  EXPECT_GT(fortschritt.letzte, 0u);
  EXPECT_EQ(s.schule->Titel(), kOhneTitel);
  EXPECT_FALSE(s.schule->HatDatei());
  EXPECT_TRUE(s.schule->Geaendert());
  EXPECT_THROW(TKursImport(*s.schule).ImportiereDatei(pfad), TDateiFehler);
}

TEST(KursImport, Zeichensaetze) {
  // Mac bytes: 0x8A is "ä", 0x9A "ö".
  {
    TLeereSchule s;
    std::string text = Satz({{6, std::string("J\x8Ager")}, {8, std::string("Gr\x9A\xDF")}});
    ASSERT_EQ(s.Importiere(text), TImportErgebnis::Importiert);
    EXPECT_EQ(s.schule->Lehrer().Hole(1)->Name(), "Jäger");
  }
  // UTF-8 with and without a byte-order mark; lengths count characters.
  for (const std::string& vorn : {std::string("\xEF\xBB\xBF"), std::string()}) {
    TLeereSchule s;
    ASSERT_EQ(s.Importiere(vorn + Satz({{5, "ÄÖÜäöüß"}, {6, "Jäger"}, {4, std::string(21, 'x')}})),
              TImportErgebnis::Importiert);
    EXPECT_EQ(s.schule->Lehrer().Hole(1)->Kuerzel(), "ÄÖÜäöüß");
    EXPECT_EQ(s.schule->Lehrer().Hole(1)->Name(), "Jäger");
  }
  // A lone 0xC3 is no UTF-8: read as Mac bytes.
  EXPECT_EQ(TKursImport::DateiText({'a', 0xC3, 'b'}), "aÃb");
}

// Refused with the line and the reason, the school left as it was: a UTF-8 file holds characters
// the school file cannot store, or is no UTF-8 after its byte-order mark (instead of saving "?"
// for them); a list of the school file holds 32767 entries, and a file that would make one longer
// is refused before anything changes, not left for saving to fail.
TEST(KursImport, WasDieSchuldateiNichtFasstWirdAbgelehnt) {
  const std::string bom = "\xEF\xBB\xBF";
  auto saetze = [](int n, auto felder) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += Satz(felder(i));
    return text;
  };
  std::string raeume, versionen;
  for (int i = 1; i <= 32768; ++i) {
    raeume += (i > 1 ? std::string(1, kP) : "") + "R" + std::to_string(i);
    versionen += (i > 1 ? std::string(1, kP) : "") + "1";
  }
  const struct {
    int vorhanden;  // teachers and classes the school has already
    std::string text, meldung;
  } faelle[] = {
      {0, Satz({{5, "Łu"}}) + Satz({{1, "2"}, {5, "Ńu"}}) + Satz({{1, "3"}, {5, "€u"}}),
       "Zeile 1: Das Zeichen „Ł“ passt nicht in die Schuldatei."},
      {0, Satz() + Satz({{1, "2"}, {17, "Ń"}}), "Zeile 2: Das Zeichen „Ń“ passt nicht in die Schuldatei."},
      {0, bom + Satz() + Satz({{1, "2"}}, "\r\n") + Satz({{1, "3"}, {4, "5 €"}}),
       "Zeile 3: Das Zeichen „€“ passt nicht in die Schuldatei."},
      {0, bom + Satz() + Satz({{1, "2"}, {6, "M\xFCller"}}),
       "Zeile 2: Das Byte 0xFC ist kein UTF-8-Zeichen."},
      {0,
       saetze(32768,
              [](int i) {
                return std::map<int, std::string>{{1, std::to_string(i)}};
              }),
       "Zeile 32768: Mehr als 32767 Kurse passen nicht in die Schuldatei."},
      {100,
       saetze(32668,
              [](int i) {
                return std::map<int, std::string>{{1, std::to_string(i)}, {5, "L" + std::to_string(i)}};
              }),
       "Zeile 32668: Mehr als 32767 Lehrer passen nicht in die Schuldatei."},
      {3,
       saetze(32765,
              [](int i) {
                return std::map<int, std::string>{{9, "K" + std::to_string(i)}};
              }),
       "Zeile 32765: Mehr als 32767 Klassen passen nicht in die Schuldatei."},
      {0, Satz({{13, versionen}, {16, raeume}}),
       "Zeile 1: Mehr als 32767 Räume passen nicht in die Schuldatei."},
  };
  for (const auto& fall : faelle) {
    TLeereSchule s;
    for (int i = 1; i <= fall.vorhanden; ++i) {
      s.schule->NeuerLehrer("V" + std::to_string(i));
      s.schule->NeueKlasse("V" + std::to_string(i));
    }
    const std::string vorher = Fingerabdruck(*s.schule);
    EXPECT_EQ(s.Importiere(fall.text), TImportErgebnis::FalschesFormat) << fall.meldung;
    ASSERT_EQ(s.dialoge.anfragen.size(), 1u);
    EXPECT_EQ(s.dialoge.anfragen[0].Texte.back(), fall.meldung);
    EXPECT_EQ(Fingerabdruck(*s.schule), vorher);
    EXPECT_EQ(s.schule->Kurse().Anzahl(), 0);
  }
}

// Heap in use (glibc), sampled whenever the import reports its position.
class THeapProtokoll : public IFortschritt {
 public:
  static std::size_t Belegt() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
  }
  void Datei(const std::string&, std::size_t) override {}
  void Status(const std::string&) override {}
  void Position(std::size_t) override { spitze = std::max(spitze, Belegt()); }
  std::size_t spitze = 0;
};

// A hostile file is refused at its first bad record without splitting the rest: while the
// format is checked the heap holds little more than the file's text.
TEST(KursImport, FormatpruefungBrauchtKaumMehrSpeicherAlsDieDatei) {
  std::string vieleSaetze = Satz({{1, "x"}});
  for (int i = 0; i < 20000; ++i) vieleSaetze += Satz();
  for (const std::string& text : {std::string(200000, '\t') + "\r",
                                  Satz({{16, std::string(200000, kP)}}) + Satz({{1, "x"}}), vieleSaetze}) {
    TLeereSchule s;
    const std::vector<uint8_t> bytes = Bytes(text);
    THeapProtokoll heap;
    const std::size_t vorher = THeapProtokoll::Belegt();
    heap.spitze = vorher;
    EXPECT_FALSE(TKursImport(*s.schule, &heap).PruefeFormat(bytes));
    EXPECT_LT(heap.spitze - vorher, 4 * bytes.size()) << text.substr(0, 40);
  }
}

// Hostile import files: changed bytes of a good file never crash; a refused file leaves the
// school as it was, an accepted one leaves it sound.
TEST(KursImport, VeraenderteDateien) {
  std::string gut;
  for (int i = 1; i <= 6; ++i)
    gut += Satz({{1, std::to_string(i / 2 + 1)},
                 {9, i % 2 ? "5a" : "6b"},
                 {13, Posten({"1", "1"})},
                 {14, Posten({std::to_string(i % 5 + 1), "3"})},
                 {15, Posten({"2", std::to_string(i + 2)})},
                 {16, Posten({"R1", ""})},
                 {17, Posten({"Raum", ""})}},
                "\r\n");
  uint32_t z = 4711;
  auto zufall = [&z](uint32_t n) {
    z = z * 1664525u + 1013904223u;
    return (z >> 8) % n;
  };
  const std::string zeichen = std::string("\t\r\n\x1d-0179aZ ") + "\xc3\xa4\xff";
  int importiert = 0;
  for (int n = 0; n < 400; ++n) {
    std::string text = gut;
    for (uint32_t k = 0, m = 1 + zufall(3); k < m; ++k) {
      const std::size_t pos = zufall(static_cast<uint32_t>(text.size()));
      switch (zufall(3)) {
        case 0:
          text[pos] = zeichen[zufall(static_cast<uint32_t>(zeichen.size()))];
          break;
        case 1:
          text.erase(pos, 1);
          break;
        default:
          text.insert(pos, 1, zeichen[zufall(static_cast<uint32_t>(zeichen.size()))]);
          break;
      }
    }
    auto klein = BaueKleineSchule(2);
    klein->dialoge.standardAntwort = (n % 3) ? Modal::Ja : Modal::Nein;
    const std::string vorher = Fingerabdruck(*klein->schule);
    const TImportErgebnis e = TKursImport(*klein->schule).Importiere(Bytes(text));
    if (e == TImportErgebnis::Importiert) {
      ++importiert;
      EXPECT_EQ(PruefeModell(*klein->schule), std::vector<std::string>{});
    } else {
      EXPECT_EQ(Fingerabdruck(*klein->schule), vorher);
    }
  }
  EXPECT_GT(importiert, 0);
}

}  // namespace
}  // namespace kolvar
