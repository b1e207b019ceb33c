#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/autolauf.h"
#include "engine/konfliktliste.h"
#include "engine/pruefung.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/leser.h"
#include "storage/schreiber.h"
#include "substitution/fehlzeit.h"
#include "substitution/vertretung.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "support/vertretungspruefung.h"

namespace kolvar {
namespace {

using TBytes = std::vector<uint8_t>;

#ifdef KOLVAR_SANITIZE
constexpr int kSchritte = 120;
#else
constexpr int kSchritte = 400;
#endif

// A seeded run of mixed planning, deletion, version, absence and substitution steps on a
// generated school; the model check after every step, a byte-stable round trip at the end.
class Gemischt {
 public:
  explicit Gemischt(uint32_t seed) : zufall_(seed) {
    schule_ = ErzeugeSchule(standard_, Profil::Klein, seed, {&dialoge_, &palette_, &uhr_});
    palette_.undo = true;
  }

  int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
  template <typename T>
  T* Wahl(const TListe<T>& liste) {
    return liste.Leer() ? nullptr : liste.Hole(Zahl(1, liste.Anzahl()));
  }
  TSetzung* EineSetzung() {
    for (int versuch = 0; versuch < 10; ++versuch) {
      TKurs* k = Wahl(schule_->Kurse());
      if (k && !k->Setzungen().Leer()) return Wahl(k->Setzungen());
    }
    return nullptr;
  }
  // A placement of the plan shown, as the plan views move them.
  TSetzung* EineSetzungImPlan() {
    TSetzung* s = EineSetzung();
    if (s) standard_.SetAktuelleVersion(s->Version() ? s->Version() : 1);
    return s;
  }
  int Tag() { return Zahl(1, standard_.mtn); }
  int Stunde() { return Zahl(1, 10); }
  int32_t Datum() { return kGeneratorHeute + Zahl(-5, 20); }
  // Teachers, classes, rooms, then couplings and subjects: the first `arten` kinds.
  TElement* EinElement(int arten) {
    switch (Zahl(0, arten - 1)) {
      case 0:
        return Wahl(schule_->Lehrer());
      case 1:
        return Wahl(schule_->Klassen());
      case 2:
        return Wahl(schule_->Raeume());
      case 3:
        return Wahl(schule_->Kopplungen());
      default:
        return Wahl(schule_->Faecher());
    }
  }

  // One step; returns its name for the failure message.
  std::string Schritt() {
    dialoge_.standardAntwort = Zahl(0, 1) ? Modal::Ja : Modal::Nein;
    switch (Zahl(0, 21)) {
      case 0:
      case 1: {
        TKurs* k = Wahl(schule_->Kurse());
        if (!k) return "setzen (kein Kurs)";
        k->Setze(Zahl(0, standard_.mwn()), Tag(), Zahl(0, 1) ? Wahl(k->Raeume()) : nullptr, Stunde());
        return "setzen";
      }
      case 2:
      case 3: {
        TSetzung* s = EineSetzungImPlan();
        if (!s) return "verschieben (nichts)";
        s->Kurs().Verschiebe(Tag(), Stunde(), Zahl(0, 1), s->Tag(), s->Stunde());
        return "verschieben";
      }
      case 4: {
        TSetzung* s = EineSetzungImPlan();
        if (!s) return "verschieben mit Raum (nichts)";
        s->Kurs().VerschiebeMitRaum(Tag(), Stunde(), Wahl(schule_->Raeume()), Zahl(0, 1), s->Tag(),
                                    s->Stunde());
        return "verschieben mit Raum";
      }
      case 5: {
        standard_.SetNurAktuelleVersion(Zahl(0, 1));
        const int d1 = Tag(), p1 = Stunde(), d2 = Tag(), p2 = Stunde();
        // The plan view swaps in spite of conflicts when the user says so.
        if (schule_->TauschKonflikt(d1, p1, d2, p2) && Zahl(0, 1)) return "tauschen (Konflikt)";
        std::vector<int> vorher;
        for (const TKurs* k : schule_->Kurse()) vorher.push_back(k->Setzungen().Anzahl());
        schule_->TauscheStunden(d1, p1, d2, p2);
        std::vector<int> nachher;
        for (const TKurs* k : schule_->Kurse()) nachher.push_back(k->Setzungen().Anzahl());
        // A swap gives every hour back.
        return vorher == nachher ? "tauschen" : "tauschen: STUNDEN VERLOREN";
      }
      case 6: {
        TKurs* k = Wahl(schule_->Kurse());
        if (!k) return "automatik (kein Kurs)";
        const int v = Zahl(1, standard_.mwn());
        standard_.SetAktuelleVersion(v);
        const int n = k->OffeneStunden(v);
        if (n < 1) return "automatik (nichts offen)";
        TAutoLauf lauf(standard_);
        k->SetzePrioritaet(0);
        k->BerechneSperrbereich(true);
        AutoKursSetzen(lauf, *k, v, n);
        return "automatik";
      }
      case 7: {
        TPruefung pruefung(*schule_);
        pruefung.PruefeKonsistenz();
        for (auto pruefe :
             {&TPruefung::PruefeBruecken, &TPruefung::PruefeFehlendeRaeume, &TPruefung::PruefeFehlendeStunden,
              &TPruefung::PruefeKopplungen, &TPruefung::PruefeEinzelstunden, &TPruefung::PruefeVersionen})
          (pruefung.*pruefe)();
        return "prüfen";
      }
      case 8: {
        if (Zahl(0, 3)) return "löschen (ausgelassen)";
        TElement* e = EinElement(5);
        if (!e) return "element löschen (keins)";
        schule_->LoescheElement(e);
        return "element löschen";
      }
      case 9: {
        TKurs* k = Wahl(schule_->Kurse());
        if (!k || Zahl(0, 2)) return "kurs löschen (ausgelassen)";
        schule_->LoescheKurs(k);
        return "kurs löschen";
      }
      case 10: {
        const int n = standard_.mwn();
        if (Zahl(0, 1) && n < 6) {
          schule_->ErweiterePlanversionen(n + 1);
          return "version dazu";
        }
        schule_->LoeschePlanversionen(n - 1);
        return "version weg";
      }
      case 11: {
        auto* e = static_cast<TPlanElement*>(EinElement(3));
        if (!e) return "fehlen (keins)";
        SetzeFehltStunde(*e, Datum(), Stunde(), Zahl(0, 2) != 0);
        return "fehlen";
      }
      case 12: {
        TVertretung* v = Wahl(schule_->Vertretungen());
        if (!v) return "vertreter (keine)";
        switch (Zahl(0, 3)) {
          case 0:
            v->SetzeVertreter(Wahl(schule_->Lehrer()));
            return "vertreter";
          case 1:
            v->SetzeErsatzraum(Wahl(schule_->Raeume()));
            return "ersatzraum";
          case 2:
            v->MacheFrei();
            return "frei";
          default:
            TVertretung::Loesche(v);
            return "vertretung löschen";
        }
      }
      case 13: {
        TSetzung* s = EineSetzung();
        if (!s) return "fixieren (nichts)";
        s->SetFixiert(!s->Fixiert());
        return "fixieren";
      }
      case 14: {
        TSetzung* s = EineSetzung();
        if (!s) return "entfernen (nichts)";
        s->Kurs().EntferneStunde(s->Version(), s->Tag(), s->Stunde(), Zahl(0, 1));
        return "stunde entfernen";
      }
      case 15:
        schule_->Widerrufe();
        return "widerrufen";
      case 16:
        standard_.SetAktuelleVersion(Zahl(1, standard_.mwn()));
        return "version wählen";
      case 18: {
        // The checked move of the plan views: displacing on the dialog's answer.
        TSetzung* s = EineSetzungImPlan();
        if (!s) return "geprüft verschieben (nichts)";
        TKurs& k = s->Kurs();
        const int vonTag = s->Tag(), vonStunde = s->Stunde(), d = Tag(), p = Stunde();
        const bool mitKopplung = Zahl(0, 1);
        if (k.Belegung().Belegt(standard_.AktuelleVersion(), d, p)) return "geprüft verschieben (belegt)";
        TKonfliktListe liste;
        if (k.PruefeVerschieben(d, p, mitKopplung, liste, vonStunde, vonTag))
          k.Verschiebe(d, p, mitKopplung, vonTag, vonStunde);
        return "geprüft verschieben";
      }
      case 19: {
        TKurs* k = Wahl(schule_->Kurse());
        if (!k) return "setzmenü (kein Kurs)";
        TRaum* r = Zahl(0, 1) ? Wahl(schule_->Raeume()) : nullptr;
        const int d = Tag(), p = Stunde();
        TKonfliktListe liste;
        if (k->PruefeSetzenMitRaum(d, p, r, true, liste)) k->SetzeMenueClick(d, p, r);
        return "setzmenü";
      }
      case 20: {
        TSetzung* s = EineSetzung();
        if (!s) return "raumwahl (nichts)";
        s->Kurs().RaumMenueWahl(Wahl(schule_->Raeume()), {{s->Tag(), s->Stunde()}});
        return "raumwahl";
      }
      case 21: {
        const int art = Zahl(0, 4);
        TElement* e = art == 0   ? static_cast<TElement*>(Wahl(schule_->Lehrer()))
                      : art == 1 ? static_cast<TElement*>(Wahl(schule_->Raeume()))
                      : art == 2 ? static_cast<TElement*>(Wahl(schule_->Klassen()))
                      : art == 3 ? static_cast<TElement*>(Wahl(schule_->Faecher()))
                                 : static_cast<TElement*>(Wahl(schule_->Kopplungen()));
        if (!e) return "umordnen (keins)";
        schule_->VerschiebeElement(e, 1);
        return "umordnen";
      }
      default: {
        TKurs* k = Wahl(schule_->Kurse());
        if (!k) return "raum (kein Kurs)";
        TSetzung* s = Wahl(k->Setzungen());
        if (!s) return "raum (nichts)";
        if (Zahl(0, 1))
          k->SetzeRaum(s, Wahl(k->Raeume()));
        else
          k->LoeseRaum(s);
        return "raum";
      }
    }
  }

  TStandard standard_;
  TFakeDialoge dialoge_;
  TFakePalette palette_;
  TFesteUhr uhr_{int64_t{kGeneratorHeute} * 86400 + 10 * 3600};
  std::unique_ptr<TSchule> schule_;
  std::mt19937 zufall_;
};

class GemischteSchritte : public ::testing::TestWithParam<uint32_t> {};

TEST_P(GemischteSchritte, ModellBleibtHeilUndDateiStabil) {
  Gemischt g(GetParam());
  std::vector<std::string> verlauf;
  for (int i = 0; i < kSchritte; ++i) {
    verlauf.push_back(g.Schritt());
    std::vector<std::string> fehler = PruefeModell(*g.schule_);
    if (verlauf.back().find("VERLOREN") != std::string::npos) fehler.push_back(verlauf.back());
    for (std::string& f : PruefeVertretungen(*g.schule_)) fehler.push_back(std::move(f));
    if (!fehler.empty()) {
      std::string zuletzt;
      for (std::size_t j = verlauf.size() > 8 ? verlauf.size() - 8 : 0; j < verlauf.size(); ++j)
        zuletzt += verlauf[j] + "; ";
      FAIL() << "step " << i << " (" << zuletzt << "): " << fehler.front() << " (+" << fehler.size() - 1
             << " more)";
    }
  }

  const TBytes eins = TSchreiber().Baue(*g.schule_);
  TStandard standard;
  TFakeDialoge dialoge;
  TFesteUhr uhr(g.uhr_.jetzt);
  TLeser leser(standard, {&dialoge, nullptr, &uhr});
  const auto gelesen = leser.LiesDaten(eins);
  ASSERT_NE(gelesen, nullptr);
  for (const std::string& f : PruefeModell(*gelesen)) ADD_FAILURE() << "read back: " << f;
  for (const std::string& f : PruefeVertretungen(*gelesen)) ADD_FAILURE() << "read back: " << f;
  const TBytes zwei = TSchreiber().Baue(*gelesen);
  std::size_t i = 0;
  while (i < eins.size() && i < zwei.size() && eins[i] == zwei[i]) ++i;
  EXPECT_TRUE(eins == zwei) << "first difference at byte " << i << " of " << eins.size() << "/"
                            << zwei.size();
}

INSTANTIATE_TEST_SUITE_P(Seeds, GemischteSchritte, ::testing::Values(1u, 2u, 3u, 17u, 42u, 1234u));

}  // namespace
}  // namespace kolvar
