#include "support/vertretungspruefung.h"

#include <set>

#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/statt.h"
#include "model/uhr.h"
#include "substitution/vertretung.h"

namespace kolvar {

std::vector<std::string> PruefeVertretungen(const TSchule& schule) {
  std::vector<std::string> fehler;
  std::set<const void*> kurse, setzungen, lehrer, raeume, vertretungen;
  for (const TKurs* k : schule.Kurse()) {
    kurse.insert(k);
    for (const TSetzung* s : k->Setzungen()) setzungen.insert(s);
  }
  for (const TLehrer* l : schule.Lehrer()) lehrer.insert(l);
  for (const TRaum* r : schule.Raeume()) raeume.insert(r);
  for (const TVertretung* v : schule.Vertretungen())
    if (!vertretungen.insert(v).second) fehler.push_back("Vertretung doppelt in der Schulliste");

  const int32_t heute = schule.Zeit().Heute();
  int nr = 0;
  for (const TVertretung* v : schule.Vertretungen()) {
    const std::string wer = "Vertretung " + std::to_string(++nr) + ": ";
    if (!kurse.count(v->Kurs())) fehler.push_back(wer + "Kurs gehört nicht zur Schule");
    if (!setzungen.count(v->Setzung())) {
      fehler.push_back(wer + "Setzung gehört nicht zur Schule");
      continue;
    }
    if (&v->Setzung()->Kurs() != v->Kurs()) fehler.push_back(wer + "Setzung eines anderen Kurses");
    if (v->Setzung()->Vertretungen().Position(v) == 0)
      fehler.push_back(wer + "fehlt in der Liste der Setzung");
    if (v->Vertreter() && !lehrer.count(v->Vertreter())) fehler.push_back(wer + "Vertreter gelöscht");
    if (v->Ersatzraum() && !raeume.count(v->Ersatzraum())) fehler.push_back(wer + "Ersatzraum gelöscht");
    if (v->Statt() && (!vertretungen.count(v->Statt()) || v->Statt()->VerlegtAuf() != v))
      fehler.push_back(wer + "statt ohne Rückverweis");
    if (v->VerlegtAuf() && (!vertretungen.count(v->VerlegtAuf()) || v->VerlegtAuf()->Statt() != v))
      fehler.push_back(wer + "verlegt auf ohne Rückverweis");
    if (v->Vertreter() && !v->Noetig()) fehler.push_back(wer + "unnötig mit Vertreter");
    if (v->Art() == VertrArt::Raum && !v->Noetig() && v->Anrechnen())
      fehler.push_back(wer + "Raumvertretung angerechnet");
    // A room record of today or later stands for the lesson's own room being absent then.
    const TRaum* raum = v->Setzung()->Raum();
    if (v->Art() == VertrArt::Raum && v->Datum() >= heute &&
        !(raum && raum->FehltAm(v->Datum(), v->Stunde())))
      fehler.push_back(wer + "Raumvertretung ohne fehlenden Raum");
    for (const TStatt* o : v->StattOptionen())
      if (!lehrer.count(o->Lehrer()) || !kurse.count(o->Kurs()) || !setzungen.count(o->Setzung()))
        fehler.push_back(wer + "statt-Angebot verweist ins Leere");
  }
  for (const TKurs* k : schule.Kurse())
    for (const TSetzung* s : k->Setzungen())
      for (const TVertretung* v : s->Vertretungen()) {
        if (!vertretungen.count(v)) fehler.push_back("Vertretung einer Setzung fehlt in der Schulliste");
        if (vertretungen.count(v) && v->Setzung() != s)
          fehler.push_back("Vertretung in der Liste einer fremden Setzung");
      }
  return fehler;
}

}  // namespace kolvar
