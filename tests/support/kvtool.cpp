#include "support/kvtool.h"

#include <chrono>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>

#include "engine/automat.h"
#include "engine/pruefung.h"
#include "model/fehl.h"
#include "model/idialoge.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/dateifehler.h"
#include "storage/kursimport.h"
#include "storage/leser.h"
#include "storage/schreiber.h"

namespace kolvar {

namespace {

constexpr const char* kGebrauch =
    "Aufruf: kvtool import EIN.txt AUS.kvr [--versionen N] | info DATEI | check DATEI | roundtrip DATEI | "
    "auto DATEI [--tage N] [--stunden P] [--prozent P] [--nur-mit-raum] [--nur-mit-muster] [--aus AUS.kvr] | "
    "leeren DATEI AUS.kvr";

// Answers "Ja" to unknown abbreviations and remembers the last notice.
class TWerkzeugDialoge : public IDialoge {
 public:
  int Frage(TDialog art, const std::vector<std::string>&) override {
    return art == TDialog::UnbekannteKuerzel ? Modal::Ja : Modal::Nein;
  }
  void Melde(TDialog art, const std::vector<std::string>&) override { meldung = DialogText(art); }
  std::string meldung;
};

// The error of a wrong call or input, with its German message.
struct TFalscheEingabe {
  std::string meldung;
};

int Versionen(const std::string& text) {
  int n = 0;
  if (text.empty() || text.size() > 2) throw TFalscheEingabe{"Ungültige Zahl der Planversionen: " + text};
  for (char c : text) {
    if (c < '0' || c > '9') throw TFalscheEingabe{"Ungültige Zahl der Planversionen: " + text};
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > kMaxVersionen)
    throw TFalscheEingabe{"Die Zahl der Planversionen muss zwischen 1 und " + std::to_string(kMaxVersionen) +
                          " liegen."};
  return n;
}

int Importiere(const std::vector<std::string>& a, std::ostream& aus) {
  if (a.size() != 3 && !(a.size() == 5 && a[3] == "--versionen")) throw TFalscheEingabe{kGebrauch};
  TStandard standard;
  standard.SetVersionszahl(a.size() == 5 ? Versionen(a[4]) : 1);
  TWerkzeugDialoge dialoge;
  TSchule schule(standard, TUmgebung{&dialoge, nullptr, nullptr});
  const TImportErgebnis ergebnis = TKursImport(schule).ImportiereDatei(a[1]);
  if (ergebnis != TImportErgebnis::Importiert) throw TFalscheEingabe{"Falsches Format: " + dialoge.meldung};
  TSchreiber().SchreibeDatei(schule, a[2]);
  int setzungen = 0;
  for (const TKurs* k : schule.Kurse()) setzungen += k->Setzungen().Anzahl();
  aus << "importiert: " << schule.Kurse().Anzahl() << " Kurse, " << setzungen << " gesetzte Stunden\n";
  return 0;
}

struct TGelesen {
  TStandard standard;
  TWerkzeugDialoge dialoge;
  std::unique_ptr<TLeser> leser;
  std::unique_ptr<TSchule> schule;
};

std::unique_ptr<TGelesen> Lies(const std::string& datei) {
  auto g = std::make_unique<TGelesen>();
  g->leser = std::make_unique<TLeser>(g->standard, TUmgebung{&g->dialoge, nullptr, nullptr});
  g->schule = g->leser->LiesDatei(datei);
  return g;
}

int Info(const std::vector<std::string>& a, std::ostream& aus) {
  if (a.size() != 2) throw TFalscheEingabe{kGebrauch};
  const auto g = Lies(a[1]);
  const TSchule& s = *g->schule;
  long stunden = 0, gesetzt = 0;
  for (const TKurs* k : s.Kurse()) {
    stunden += k->Stunden(1);
    for (const TSetzung* st : k->Setzungen()) gesetzt += st->Version() == 1;
  }
  aus << "versions: " << g->standard.mwn() << '\n'
      << "teachers: " << s.Lehrer().Anzahl() << '\n'
      << "classes: " << s.Klassen().Anzahl() << '\n'
      << "couplings: " << s.Kopplungen().Anzahl() << '\n'
      << "subjects: " << s.Faecher().Anzahl() << '\n'
      << "rooms: " << s.Raeume().Anzahl() << '\n'
      << "uvtables: " << s.UVTabellen().Anzahl() << '\n'
      << "courses: " << s.Kurse().Anzahl() << '\n'
      << "hours: " << stunden << '\n'
      << "placed: " << gesetzt << '\n'
      << "substitutions: " << s.Vertretungen().Anzahl() << '\n'
      << "absences: " << s.LehrerFehlen().Anzahl() + s.KlassenFehlen().Anzahl() + s.RaumFehlen().Anzahl()
      << '\n';
  return 0;
}

int Pruefe(const std::vector<std::string>& a, std::ostream& aus) {
  if (a.size() != 2) throw TFalscheEingabe{kGebrauch};
  const auto g = Lies(a[1]);
  TPruefung p(*g->schule);
  int stufe = 0;
  for (const TPruefErgebnis& e :
       {p.PruefeKonsistenz(), p.PruefeBruecken(), p.PruefeFehlendeRaeume(), p.PruefeFehlendeStunden(),
        p.PruefeKopplungen(), p.PruefeEinzelstunden(), p.PruefeVersionen()}) {
    for (const std::string& z : e.Zeilen) aus << z << '\n';
    stufe = std::max(stufe, e.Stufe);
  }
  aus << ErgebnisText(stufe) << '\n';
  return 0;
}

// A whole number of the option in [min, max].
int Zahl(const std::string& option, const std::string& text, int min, int max) {
  int n = 0;
  bool gut = !text.empty() && text.size() <= 4;
  for (char c : text) {
    if (c < '0' || c > '9') gut = false;
    n = n * 10 + (c - '0');
  }
  if (!gut || n < min || n > max)
    throw TFalscheEingabe{"Ungültiger Wert für " + option + ": " + text + " (" + std::to_string(min) +
                          " bis " + std::to_string(max) + ")"};
  return n;
}

void Schreibe(const TGelesen& g, const std::string& datei) {
  TSchreiber schreiber;
  schreiber.SetzeFenster(g.leser->Fenster());
  schreiber.SchreibeDatei(*g.schule, datei);
}

int Leeren(const std::vector<std::string>& a, std::ostream& aus) {
  if (a.size() != 3) throw TFalscheEingabe{kGebrauch};
  const auto g = Lies(a[1]);
  int entfernt = 0;
  for (TKurs* k : g->schule->Kurse())
    for (TSetzung* s : std::vector<TSetzung*>(k->Setzungen().Elemente()))
      if (!s->Fixiert()) {
        k->EntferneSetzung(s);
        ++entfernt;
      }
  Schreibe(*g, a[2]);
  aus << "entfernt: " << entfernt << '\n';
  return 0;
}

// The run over every course with the program's default settings ("ara" and "aei" on); the strict
// options make every hour need a free room, or the single-hour pattern.
int Automatik(const std::vector<std::string>& a, std::ostream& aus) {
  if (a.size() < 2) throw TFalscheEingabe{kGebrauch};
  int tage = 0, stunden = 0, prozent = 100;
  bool nurMitRaum = false, nurMitMuster = false;
  std::string ziel;
  for (std::size_t i = 2; i < a.size(); ++i) {
    const std::string& o = a[i];
    const bool mitWert = o == "--tage" || o == "--stunden" || o == "--prozent" || o == "--aus";
    if (mitWert && i + 1 >= a.size()) throw TFalscheEingabe{kGebrauch};
    if (o == "--tage")
      tage = Zahl(o, a[++i], 5, kTage);
    else if (o == "--stunden")
      stunden = Zahl(o, a[++i], 1, kStunden);
    else if (o == "--prozent")
      prozent = Zahl(o, a[++i], 5, 100);
    else if (o == "--aus")
      ziel = a[++i];
    else if (o == "--nur-mit-raum")
      nurMitRaum = true;
    else if (o == "--nur-mit-muster")
      nurMitMuster = true;
    else
      throw TFalscheEingabe{kGebrauch};
  }
  const auto g = Lies(a[1]);
  TStandard& st = g->standard;
  if (tage != 0) st.mtn = tage;
  st.apr = prozent;
  if (nurMitRaum) st.ara = false;
  if (nurMitMuster) st.aei = false;
  long vorher = 0;
  for (const TKurs* k : g->schule->Kurse()) vorher += k->Setzungen().Anzahl();
  const auto start = std::chrono::steady_clock::now();
  TAutomat automat(*g->schule);
  automat.SetzeLetzteStunde(stunden);
  automat.AutomatVorbereiten(g->schule->Kurse().Elemente());
  const std::size_t kurse = automat.Laufliste().size();
  while (automat.Schritt()) {
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  long nachher = 0;
  for (const TKurs* k : g->schule->Kurse()) nachher += k->Setzungen().Anzahl();
  if (!ziel.empty()) Schreibe(*g, ziel);
  aus << "kurse: " << kurse << '\n'
      << "stunden_offen_vorher: " << automat.Gesamt() << '\n'
      << "stunden_gesetzt: " << nachher - vorher << '\n'
      << "stunden_nicht_verplanbar: " << automat.NichtVerplanbareStunden() << '\n'
      << "ms: " << ms << '\n';
  return 0;
}

std::vector<char> Bytes(const std::filesystem::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  if (!ein) throw TDateiFehler::NichtGeoeffnet(datei.filename().string());
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

int Rundlauf(const std::vector<std::string>& a, std::ostream& aus) {
  if (a.size() != 2) throw TFalscheEingabe{kGebrauch};
  const std::vector<char> original = Bytes(a[1]);
  const auto g = Lies(a[1]);
  TSchreiber schreiber;
  schreiber.SetzeFenster(g->leser->Fenster());
  std::error_code fehler;
  const auto ordner = std::filesystem::temp_directory_path(fehler);
  const auto temp = (fehler ? std::filesystem::path(".") : ordner) /
                    ("kvtool-" + std::to_string(std::hash<std::string>{}(a[1])) + ".kvr");
  schreiber.SchreibeDatei(*g->schule, temp);
  const std::vector<char> neu = Bytes(temp);
  std::filesystem::remove(temp, fehler);
  std::size_t i = 0;
  while (i < original.size() && i < neu.size() && original[i] == neu[i]) ++i;
  if (i == original.size() && i == neu.size()) {
    aus << "identisch\n";
    return 0;
  }
  aus << "Unterschied ab Offset " << i << '\n';
  return 2;
}

}  // namespace

int Kvtool(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler) {
  try {
    if (argumente.empty()) throw TFalscheEingabe{kGebrauch};
    const std::string& befehl = argumente[0];
    if (befehl == "import") return Importiere(argumente, aus);
    if (befehl == "info") return Info(argumente, aus);
    if (befehl == "check") return Pruefe(argumente, aus);
    if (befehl == "roundtrip") return Rundlauf(argumente, aus);
    if (befehl == "auto") return Automatik(argumente, aus);
    if (befehl == "leeren") return Leeren(argumente, aus);
    throw TFalscheEingabe{kGebrauch};
  } catch (const TFalscheEingabe& e) {
    fehler << e.meldung << '\n';
  } catch (const TDateiFehler& e) {
    fehler << e.what();
    if (e.Position() != TDateiFehler::kKeinePosition) fehler << " (Offset " << e.Position() << ")";
    fehler << '\n';
  } catch (const std::bad_alloc&) {
    fehler << "Nicht genug Speicher.\n";
  } catch (const std::exception& e) {
    fehler << "Fehler: " << e.what() << '\n';
  }
  return 1;
}

}  // namespace kolvar
