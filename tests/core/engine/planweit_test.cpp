// The plan-wide tools and the undo steps of manual planning: each tool ends what can be taken
// back and records nothing itself, so that taking back afterwards never touches the tool's work
// nor replays a step into a plan the tool has changed; steps made by hand afterwards count again.

#include <gtest/gtest.h>

#include <functional>

#include "core/engine/planhilfe.h"
#include "engine/automat.h"
#include "engine/eckdaten.h"
#include "engine/komprimierer.h"
#include "engine/kuerzelliste.h"
#include "engine/partabelle.h"
#include "engine/planloescher.h"
#include "engine/versionkopierer.h"
#include "model/ipalettezustand.h"
#include "model/undoelement.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

TWoElem Alles() {
  TWoElem w;
  for (int d = 1; d <= kTage; ++d) w.SetzeTag(d, 0xFFFF);
  return w;
}

TEST(Planweit, WerkzeugeBeendenDasProtokollUndZeichnenNichtsAuf) {
  struct TFall {
    const char* name;
    std::function<void(TKleineSchule&)> werkzeug;
  };
  const std::vector<TFall> faelle{
      {"Pläne löschen",
       [](TKleineSchule& s) {
         TPlanLoescher(*s.schule).LoeschePlaene(TPlanLoescher::AllePlaene, 0, 0, Alles(), true, false);
       }},
      {"später eingetragene Räume",
       [](TKleineSchule& s) { TPlanLoescher(*s.schule).LoescheSpaeterErgaenzteRaeume(); }},
      {"nicht belegte Räume", [](TKleineSchule& s) { TPlanLoescher(*s.schule).LoescheUnbenutzteRaeume(); }},
      {"Tage nach Donnerstag", [](TKleineSchule& s) { LoescheStundenNachTag(*s.schule, 4); }},
      {"Komprimieren", [](TKleineSchule& s) { TKomprimierer(*s.schule).KomprimiereKlasse(*s.k5a); }},
      {"Automatik",
       [](TKleineSchule& s) {
         TAutomat automat(*s.schule);
         automat.AutomatVorbereiten(s.schule->Kurse().Elemente());
         while (automat.Schritt()) {
         }
       }},
      {"Version kopieren",
       [](TKleineSchule& s) {
         TVersionKopierer(*s.schule, 1, 2, true).Kopiere(TVersionKopierer::AlleKurse, {});
       }},
      {"Kopplungszeile",
       [](TKleineSchule& s) {
         TParTabelle t(*s.schule);
         t.Baue(1, 1, false);
         t.SetzeZelle(1, 1, s.spo);
         t.PlatziereZeile(1, 4, 6);
       }},
      {"Lehrer löschen",
       [](TKleineSchule& s) { TKuerzelListe(*s.schule, TElementArt::Lehrer).Loesche(s.mue); }},
      {"Klasse löschen",
       [](TKleineSchule& s) { TKuerzelListe(*s.schule, TElementArt::Klasse).Loesche(s.k5b); }},
  };
  for (const TFall& f : faelle) {
    auto s = BaueKleineSchule(2);
    SetzeEinigeStunden(*s);
    TSchule& schule = *s->schule;
    IPaletteZustand& palette = schule.Palette();
    palette.SetzeUndoAufzeichnen(true);
    // Two steps by hand: a Friday lesson placed, one of the lessons there before removed.
    ASSERT_NE(s->deutsch5a->Setze(1, 5, s->r101, 7), nullptr) << f.name;
    ASSERT_TRUE(s->deutsch5a->Setzungen().Anzahl() > 1) << f.name;
    s->mathe5b->EntferneSetzung(s->mathe5b->Setzungen().Hole(1));
    ASSERT_EQ(schule.UndoSchritte().Anzahl(), 2) << f.name;

    f.werkzeug(*s);
    EXPECT_TRUE(schule.UndoSchritte().Leer()) << f.name;
    EXPECT_TRUE(palette.UndoAufzeichnen()) << f.name << ": recording goes on after the tool";
    const std::string nachWerkzeug = Planstand(schule);
    schule.Widerrufe();
    EXPECT_EQ(Planstand(schule), nachWerkzeug) << f.name << ": nothing of the tool is taken back";

    // A step by hand afterwards is recorded and taken back alone.
    TSetzung* weg = nullptr;
    for (TKurs* k : schule.Kurse())
      for (TSetzung* st : k->Setzungen())
        if (weg == nullptr && !st->Fixiert()) weg = st;
    ASSERT_NE(weg, nullptr) << f.name;
    weg->Kurs().EntferneSetzung(weg);
    EXPECT_EQ(schule.UndoSchritte().Anzahl(), 1) << f.name;
    schule.Widerrufe();
    EXPECT_EQ(Planstand(schule), nachWerkzeug) << f.name;
    for (const std::string& fehler : PruefeModell(schule)) ADD_FAILURE() << f.name << ": " << fehler;
  }
}

// Without manual planning nothing is recorded, and a tool leaves it so.
TEST(Planweit, OhneAufzeichnungBleibtSieAus) {
  auto s = BaueKleineSchule(1);
  SetzeEinigeStunden(*s);
  TPlanLoescher(*s->schule).LoescheUnbenutzteRaeume();
  EXPECT_FALSE(s->schule->Palette().UndoAufzeichnen());
  ASSERT_NE(s->deutsch6a->Setze(1, 3, nullptr, 8), nullptr);
  EXPECT_TRUE(s->schule->UndoSchritte().Leer());
}

}  // namespace
}  // namespace kolvar
