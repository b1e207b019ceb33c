// The abbreviation lists' rules on the small school: matching, creating, renaming with the
// duplicate check, deleting with courses, sorting and moving rows, and the modified flag.

#include "engine/kuerzelliste.h"

#include <gtest/gtest.h>

#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

std::vector<std::string> Kuerzel(const TKuerzelListe& liste) {
  std::vector<std::string> texte;
  for (const TElement* e : liste.Elemente()) texte.push_back(e->Kuerzel());
  return texte;
}

int Binaer(const std::string& a, const std::string& b) {
  return a.compare(b);
}

TEST(KuerzelListe, TrefferIstExaktUndDerLetzte) {
  auto s = BaueKleineSchule();
  s->schule->NeuerLehrer("SCH");  // loaded data may hold a duplicate
  TKuerzelListe liste(*s->schule, TElementArt::Lehrer);
  struct {
    const char* text;
    int zeile;
  } const faelle[] = {{"SCH", 3}, {"MUE", 0}, {"Mue", -1}, {"SC", -1}, {"", -1}, {"BER ", -1}};
  for (const auto& f : faelle) EXPECT_EQ(liste.Treffer(f.text), f.zeile) << f.text;
}

TEST(KuerzelListe, NeuNimmtNurGueltigeUndFreieKuerzel) {
  struct {
    const char* text;
    bool angelegt;
  } const faelle[] = {{"Ma", true},      {"MA", false},       {"", false},     {" X", false},
                      {"ABCDEFG", true}, {"ABCDEFGH", false}, {"Ärger", true}, {"€", false},
                      {"\xff", false},   {"Zß¥", true},       {"a b", true}};
  for (const auto& f : faelle) {
    auto s = BaueKleineSchule();
    TSchule& schule = *s->schule;
    schule.NeuerRaum("MA");
    schule.SetzeGeaendert(false);
    TKuerzelListe liste(schule, TElementArt::Raum);
    const std::size_t vorher = liste.Elemente().size();
    TElement* e = liste.Neu(f.text);
    EXPECT_EQ(e != nullptr, f.angelegt) << f.text;
    EXPECT_EQ(schule.Geaendert(), f.angelegt) << f.text;
    EXPECT_EQ(liste.Elemente().size(), vorher + (f.angelegt ? 1 : 0)) << f.text;
    if (e) {
      EXPECT_EQ(liste.Elemente().back(), e);
      EXPECT_EQ(e->Kuerzel(), f.text);
      EXPECT_EQ(e->Nummer(), static_cast<int>(vorher) + 1);
    }
  }
}

TEST(KuerzelListe, NeuLegtJedeArtAn) {
  auto s = BaueKleineSchule();
  for (int art = 0; art <= 5; ++art) {
    TKuerzelListe liste(*s->schule, static_cast<TElementArt>(art));
    TElement* e = liste.Neu("NEU");
    ASSERT_NE(e, nullptr) << art;
    EXPECT_EQ(static_cast<int>(e->Art()), art);
    EXPECT_EQ(liste.Treffer("NEU"), static_cast<int>(liste.Elemente().size()) - 1);
  }
  for (const std::string& f : PruefeModell(*s->schule)) ADD_FAILURE() << f;
}

TEST(KuerzelListe, UmbenennenPrueftDoppelte) {
  using U = TKuerzelListe::TUmbenennung;
  struct {
    const char* text;
    U ergebnis;
    const char* danach;
  } const faelle[] = {{"MUE", U::Gleich, "MUE"},         {"SCH", U::Doppelt, "MUE"},
                      {"Sch", U::Umbenannt, "Sch"},      {"", U::Ungueltig, "MUE"},
                      {" M", U::Ungueltig, "MUE"},       {"MUELLERX", U::Ungueltig, "MUE"},
                      {"MÜLLER", U::Umbenannt, "MÜLLER"}};
  for (const auto& f : faelle) {
    auto s = BaueKleineSchule();
    s->schule->SetzeGeaendert(false);
    TKuerzelListe liste(*s->schule, TElementArt::Lehrer);
    EXPECT_EQ(liste.Umbenenne(s->mue, f.text), f.ergebnis) << f.text;
    EXPECT_EQ(s->mue->Kuerzel(), f.danach) << f.text;
    EXPECT_EQ(s->schule->Geaendert(), f.ergebnis == U::Umbenannt) << f.text;
    EXPECT_EQ(liste.Elemente().front(), s->mue) << "the row stays where it was";
  }
}

TEST(KuerzelListe, LoeschenNimmtDasElementAusKursenUndPlaenen) {
  struct {
    TElementArt art;
    int zeile;
  } const faelle[] = {{TElementArt::Lehrer, 0}, {TElementArt::Klasse, 0},   {TElementArt::Raum, 0},
                      {TElementArt::Fach, 2},   {TElementArt::Kopplung, 0}, {TElementArt::UVTab, 0}};
  for (const auto& f : faelle) {
    auto s = BaueKleineSchule(2);
    SetzeEinigeStunden(*s);
    TSchule& schule = *s->schule;
    schule.SetzeGeaendert(false);
    TKuerzelListe liste(schule, f.art);
    TElement* weg = liste.Elemente()[static_cast<std::size_t>(f.zeile)];
    const bool daten = TKuerzelListe::HatDaten(*weg);
    EXPECT_EQ(daten, f.art != TElementArt::UVTab) << static_cast<int>(f.art);
    const std::size_t kurse = schule.Kurse().Anzahl(), vorher = liste.Elemente().size();
    liste.Loesche(weg);
    EXPECT_EQ(liste.Elemente().size(), vorher - 1);
    EXPECT_TRUE(schule.Geaendert());
    EXPECT_EQ(schule.Kurse().Anzahl(), kurse) << "courses stay, without the element";
    EXPECT_FALSE(HaeltZeiger(schule, weg)) << WoGehalten(schule, weg);
    for (const std::string& fehler : PruefeModell(schule)) ADD_FAILURE() << fehler;
    for (std::size_t i = 0; i < liste.Elemente().size(); ++i)
      EXPECT_EQ(liste.Elemente()[i]->Nummer(), static_cast<int>(i) + 1);
  }
}

TEST(KuerzelListe, SortierenIstStabilUndMarkiertNurEineAenderung) {
  auto s = BaueKleineSchule();
  TSchule& schule = *s->schule;
  TKuerzelListe liste(schule, TElementArt::Lehrer);
  schule.NeuerLehrer("ABC");
  schule.NeuerLehrer("MUE");  // equal keys keep their order
  TElement* zweiterMue = liste.Elemente().back();
  schule.SetzeGeaendert(false);
  EXPECT_TRUE(liste.KuerzelSortieren(Binaer));
  EXPECT_EQ(Kuerzel(liste), (std::vector<std::string>{"ABC", "BER", "MUE", "MUE", "SCH"}));
  EXPECT_EQ(liste.Elemente()[2], s->mue);
  EXPECT_EQ(liste.Elemente()[3], zweiterMue);
  EXPECT_TRUE(schule.Geaendert());
  for (std::size_t i = 0; i < liste.Elemente().size(); ++i)
    EXPECT_EQ(liste.Elemente()[i]->Nummer(), static_cast<int>(i) + 1);
  schule.SetzeGeaendert(false);
  EXPECT_FALSE(liste.KuerzelSortieren(Binaer));
  EXPECT_FALSE(schule.Geaendert()) << "a sorted list is not changed";
  // A descending comparison reverses, still stable.
  EXPECT_TRUE(
      liste.KuerzelSortieren([](const std::string& a, const std::string& b) { return b.compare(a); }));
  EXPECT_EQ(Kuerzel(liste), (std::vector<std::string>{"SCH", "MUE", "MUE", "BER", "ABC"}));
  EXPECT_EQ(liste.Elemente()[1], s->mue);
}

TEST(KuerzelListe, VerschiebenRuecktZeilenNach) {
  struct {
    int von, nach;
    bool bewegt;
    std::vector<std::string> danach;
  } const faelle[] = {{0, 3, true, {"B", "C", "D", "A", "E"}},
                      {4, 1, true, {"A", "E", "B", "C", "D"}},
                      {2, 2, false, {"A", "B", "C", "D", "E"}},
                      {0, 5, false, {"A", "B", "C", "D", "E"}},
                      {-1, 0, false, {"A", "B", "C", "D", "E"}}};
  for (const auto& f : faelle) {
    auto s = BaueKleineSchule();
    TKuerzelListe liste(*s->schule, TElementArt::Kopplung);
    s->schule->LoescheElement(s->spo);
    for (const char* k : {"A", "B", "C", "D", "E"}) liste.Neu(k);
    s->schule->SetzeGeaendert(false);
    EXPECT_EQ(liste.Verschiebe(f.von, f.nach), f.bewegt) << f.von << "->" << f.nach;
    EXPECT_EQ(Kuerzel(liste), f.danach) << f.von << "->" << f.nach;
    EXPECT_EQ(s->schule->Geaendert(), f.bewegt);
  }
}

}  // namespace
}  // namespace kolvar
