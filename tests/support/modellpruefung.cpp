#include "support/modellpruefung.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/fach.h"
#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "model/undoelement.h"
#include "model/uvtab.h"

namespace kolvar {

namespace {

struct Pruefer {
  std::vector<std::string> fehler;
  void Melde(const std::string& text) { fehler.push_back(text); }
};

std::string Name(const TElement* e) {
  return e ? e->Kuerzel() : "-";
}

template <typename T, typename V>
bool Sortiert(const TListe<T>& liste, V vergleiche) {
  for (int i = 1; i < liste.Anzahl(); ++i)
    if (vergleiche(liste.Hole(i), liste.Hole(i + 1)) > 0) return false;
  return true;
}

// Does the course name the element?
bool Nennt(const TKurs* k, const TElement* e) {
  if (k->Lehrer() == e || k->Kopplung() == e || k->Fach() == e) return true;
  for (const TKlasse* kl : k->Klassen())
    if (kl == e) return true;
  for (const TRaum* r : k->Raeume())
    if (r == e) return true;
  return false;
}

template <typename T>
void PruefeListe(Pruefer& p, const TSchule& s, const TListe<T>& liste, const char* art) {
  const int n = s.Standard().mwn();
  for (int i = 1; i <= liste.Anzahl(); ++i) {
    const T* e = liste.Hole(i);
    if (e->Nummer() != i)
      p.Melde(std::string(art) + " " + Name(e) + ": Nummer " + std::to_string(e->Nummer()));
    if (liste.Position(e) != i) p.Melde(std::string(art) + " " + Name(e) + " doppelt");
    if (TSchule::SucheKuerzel(liste, e->Kuerzel()) != e)
      p.Melde(std::string(art) + " " + Name(e) + ": Kürzel nicht eindeutig");
    for (const TKurs* k : e->Kurse()) {
      if (!Nennt(k, e)) p.Melde(Name(e) + " hält einen Kurs, der es nicht nennt: " + k->Text());
      if (s.Kurse().Position(k) == 0) p.Melde(Name(e) + " hält einen fremden Kurs");
    }
    const bool klasse = e->Art() == TElementArt::Klasse;
    if (klasse ? !Sortiert(e->Kurse(), VergleicheKurseNachOrdnung) : !Sortiert(e->Kurse(), VergleicheKurse))
      p.Melde(Name(e) + ": Kursliste unsortiert");
    if (auto* pe = dynamic_cast<const TPlanElement*>(e)) {
      if (pe->Sperrung().Versionen() != n || pe->Belegung().Versionen() != n)
        p.Melde(Name(e) + ": Raster nicht auf " + std::to_string(n) + " Versionen");
      // The absences by weekday: those of Fehlzeiten() on that day, in its order, with their dates.
      for (int w = 1; w <= 7; ++w) {
        std::vector<const TFehl*> soll;
        std::vector<int32_t> daten;
        for (const TFehl* f : pe->Fehlzeiten())
          if (Uhr::Wochentag(f->Datum()) == w) {
            soll.push_back(f);
            daten.push_back(f->Datum());
          }
        if (pe->FehlzeitenAmWochentag(w) != soll)
          p.Melde(Name(e) + ": Abwesenheiten am Wochentag " + std::to_string(w) + " weichen ab");
        if (pe->FehlDatenAmWochentag(w) != daten)
          p.Melde(Name(e) + ": Daten der Abwesenheiten am Wochentag " + std::to_string(w) + " weichen ab");
        for (int v = 1; v <= n; ++v)
          if (pe->FehltInVersionAmWochentag(w, v) !=
              std::any_of(daten.begin(), daten.end(), [&](int32_t d) { return s.VersionDerWoche(d) == v; }))
            p.Melde(Name(e) + ": Versionen der Abwesenheiten am Wochentag " + std::to_string(w) + " weichen ab");
        // The dates at each slot as the records give them, version and period.
        for (int v = 1; v <= n; ++v)
          for (int stunde = 1; stunde <= kStunden; ++stunde) {
            std::vector<int32_t> ist, erwartet;
            pe->FehlDatenImSlot(v, w, stunde, ist);
            for (const TFehl* f : soll)
              if (s.VersionDerWoche(f->Datum()) == v && f->Fehlt(stunde)) erwartet.push_back(f->Datum());
            if (ist != erwartet)
              p.Melde(Name(e) + ": Abwesenheiten im Slot " + std::to_string(w) + "/" + std::to_string(stunde) +
                      " in Version " + std::to_string(v) + " weichen ab");
          }
      }
    }
    if (auto* so = dynamic_cast<const TSollElement*>(e))
      if (so->SollTabelle().Versionen() != n) p.Melde(Name(e) + ": Soll nicht auf Versionen");
  }
}

}  // namespace

std::vector<std::string> PruefeModell(const TSchule& s) {
  Pruefer p;
  const int n = s.Standard().mwn();
  PruefeListe(p, s, s.Lehrer(), "Lehrer");
  PruefeListe(p, s, s.Klassen(), "Klasse");
  PruefeListe(p, s, s.Kopplungen(), "Kopplung");
  PruefeListe(p, s, s.Faecher(), "Fach");
  PruefeListe(p, s, s.Raeume(), "Raum");
  PruefeListe(p, s, s.UVTabellen(), "UVTab");
  if (!Sortiert(s.Kurse(), VergleicheKurse)) p.Melde("Kursliste der Schule unsortiert");
  if (s.SchulRaster1().Versionen() != n || s.SchulRaster2().Versionen() != n)
    p.Melde("Schulraster nicht auf Versionen");

  // Expected occupancy and per-slot counts of every plan element, rebuilt from the placements.
  std::map<const TPlanElement*, TWochBereich> soll;
  std::map<const TPlanElement*, std::vector<int>> sollAnzahl;
  auto slot = [](int v, int d, int h) {
    return static_cast<std::size_t>(((v - 1) * kTage + d - 1) * kStunden + h - 1);
  };
  auto bit = [&](const TPlanElement* e, const TSetzung* st) {
    auto it = soll.try_emplace(e, s.Standard().Versionen()).first;
    it->second.SetzeVersionen(n);
    it->second.SetzeBereich(st->Version(), st->Tag(), st->Stunde(), true);
    std::vector<int>& anzahl = sollAnzahl[e];
    anzahl.resize(static_cast<std::size_t>(n) * kTage * kStunden, 0);
    if (st->Version() >= 1 && st->Version() <= n) ++anzahl[slot(st->Version(), st->Tag(), st->Stunde())];
  };
  for (int i = 1; i <= s.Kurse().Anzahl(); ++i) {
    const TKurs* k = s.Kurse().Hole(i);
    if (s.Kurse().Position(k) != i) p.Melde("Kurs doppelt in der Schule: " + k->Text());
    auto gehalten = [&](const auto* e, const auto& liste) {
      if (!e) return;
      if (liste.Position(e) == 0) p.Melde(k->Text() + " nennt ein fremdes Element " + Name(e));
      int mal = 0;
      for (const TKurs* x : e->Kurse()) mal += x == k;
      if (mal != 1) p.Melde(k->Text() + " steht " + std::to_string(mal) + "x in " + Name(e));
    };
    gehalten(k->Lehrer(), s.Lehrer());
    gehalten(k->Kopplung(), s.Kopplungen());
    gehalten(k->Fach(), s.Faecher());
    for (const TKlasse* kl : k->Klassen()) {
      gehalten(kl, s.Klassen());
      if (k->Fach() && k->Fach()->Klassen().Position(kl) == 0)
        p.Melde("Fach " + Name(k->Fach()) + " fehlt die Klasse " + Name(kl));
    }
    for (const TRaum* r : k->Raeume()) gehalten(r, s.Raeume());
    for (const TRaum* r : k->SpaeterRaeume())
      if (k->Raeume().Position(r) == 0) p.Melde(k->Text() + ": späterer Raum nicht unter den Räumen");
    if (!Sortiert(k->Klassen(), VergleicheKlassen)) p.Melde(k->Text() + ": Klassen unsortiert");
    if (k->Belegung().Versionen() != n || k->Sperrung().Versionen() != n || k->Ergebnis().Versionen() != n ||
        k->StundenTabelle().Versionen() != n)
      p.Melde(k->Text() + ": Raster nicht auf Versionen");
    TWochBereich eigen(s.Standard().Versionen());
    eigen.SetzeVersionen(n);
    std::vector<int> jeVersion(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
    for (const TSetzung* st : k->Setzungen()) {
      if (&st->Kurs() != k) p.Melde(k->Text() + ": Setzung eines anderen Kurses");
      if (st->Version() >= 1 && st->Version() <= n) ++jeVersion[static_cast<std::size_t>(st->Version())];
      if (st->Version() < 1 || st->Version() > n)
        p.Melde(k->Text() + ": Setzung in Version " + std::to_string(st->Version()));
      if (eigen.Belegt(st->Version(), st->Tag(), st->Stunde()))
        p.Melde(k->Text() + ": zwei Setzungen in einem Feld");
      else if (k->FindeSetzung(st->Version(), st->Tag(), st->Stunde()) != st)
        p.Melde(k->Text() + ": Setzung an ihrem Feld nicht zu finden");
      eigen.SetzeBereich(st->Version(), st->Tag(), st->Stunde(), true);
      if (k->Lehrer()) bit(k->Lehrer(), st);
      for (const TKlasse* kl : k->Klassen()) bit(kl, st);
      if (st->Raum()) {
        bit(st->Raum(), st);
        if (s.Raeume().Position(st->Raum()) == 0) p.Melde(k->Text() + ": Setzung in fremdem Raum");
      }
    }
    if (!(eigen == k->Belegung())) p.Melde(k->Text() + ": Belegung weicht von den Setzungen ab");
    // The exact grid, which a drag never switches off, by slot and by day.
    for (int v = 1; v <= n; ++v)
      for (int d = 1; d <= kTage; ++d) {
        if (k->HatSetzungAmTag(v, d) != (eigen.Tag(v, d) != 0))
          p.Melde(k->Text() + ": Tag " + std::to_string(d) + " in Version " + std::to_string(v) + " falsch belegt");
        for (int stunde = 1; stunde <= kStunden; ++stunde)
          if (k->HatSetzung(v, d, stunde) != eigen.Belegt(v, d, stunde))
            p.Melde(k->Text() + ": exaktes Raster weicht ab");
      }
    if (!k->SlotIndexStimmt()) p.Melde(k->Text() + ": Setzungen nach Feld falsch verzeichnet");
    // The placements per slot over all versions.
    std::vector<int> jeSlot(static_cast<std::size_t>(kTage * kStunden), 0);
    for (const TSetzung* st : k->Setzungen())
      if (st->Tag() >= 1 && st->Tag() <= kTage && st->Stunde() >= 1 && st->Stunde() <= kStunden)
        ++jeSlot[static_cast<std::size_t>((st->Tag() - 1) * kStunden + st->Stunde() - 1)];
    for (int d = 1; d <= kTage; ++d)
      for (int h = 1; h <= kStunden; ++h)
        if (k->SetzungenImSlot(d, h) != jeSlot[static_cast<std::size_t>((d - 1) * kStunden + h - 1)])
          p.Melde(k->Text() + ": Setzungen im Feld " + std::to_string(d) + "/" + std::to_string(h) +
                  " falsch gezählt");
    // A slot's run over all versions: exactly its placements, in version order.
    for (int d = 1; d <= kTage; ++d)
      for (int h = 1; h <= kStunden; ++h) {
        int gefunden = 0, letzte = 0;
        bool stimmt = true;
        k->JeSetzungImSlot(d, h, 1, n, [&](const TSetzung* st, int v) {
          stimmt = stimmt && v > letzte && st->Version() == v && st->Tag() == d && st->Stunde() == h;
          letzte = v;
          ++gefunden;
        });
        if (!stimmt || gefunden != jeSlot[static_cast<std::size_t>((d - 1) * kStunden + h - 1)])
          p.Melde(k->Text() + ": Setzungen im Feld " + std::to_string(d) + "/" + std::to_string(h) +
                  " nicht in Versionsfolge");
      }
    for (int v = 1; v <= n; ++v)
      if (k->SetzungenInVersion(v) != jeVersion[static_cast<std::size_t>(v)])
        p.Melde(k->Text() + ": Zahl der Setzungen in Version " + std::to_string(v) + " falsch");
  }
  auto vergleiche = [&](const TPlanElement* e) {
    TWochBereich leer(s.Standard().Versionen());
    leer.SetzeVersionen(n);
    auto it = soll.find(e);
    if (!((it == soll.end() ? leer : it->second) == e->Belegung())) p.Melde(Name(e) + ": Belegung weicht ab");
  };
  for (const TLehrer* l : s.Lehrer()) vergleiche(l);
  for (const TKlasse* k : s.Klassen()) vergleiche(k);
  for (const TRaum* r : s.Raeume()) vergleiche(r);
  // Every slot of every version: a count left behind where nothing is placed shows too.
  auto zaehler = [&](const TPlanElement* e) {
    const auto it = sollAnzahl.find(e);
    for (int v = 1; v <= n; ++v)
      for (int d = 1; d <= kTage; ++d)
        for (int h = 1; h <= kStunden; ++h) {
          const int erwartet = it == sollAnzahl.end() ? 0 : it->second[slot(v, d, h)];
          if (e->SetzungenAn(v, d, h) != erwartet)
            p.Melde(Name(e) + ": " + std::to_string(e->SetzungenAn(v, d, h)) + " Setzungen gezählt in " +
                    std::to_string(v) + "/" + std::to_string(d) + "/" + std::to_string(h) + ", " +
                    std::to_string(erwartet) + " gesetzt");
        }
  };
  for (const TLehrer* l : s.Lehrer()) zaehler(l);
  for (const TKlasse* k : s.Klassen()) zaehler(k);
  for (const TRaum* r : s.Raeume()) zaehler(r);

  // Teacher <-> subject, both ways.
  for (const TLehrer* l : s.Lehrer())
    for (const TFach* f : l->Faecher())
      if (f->Lehrer().Position(l) == 0) p.Melde(Name(l) + " lehrt " + Name(f) + ", das ihn nicht führt");
  for (const TFach* f : s.Faecher())
    for (const TLehrer* l : f->Lehrer())
      if (l->Faecher().Position(f) == 0) p.Melde(Name(f) + " führt " + Name(l) + ", der es nicht lehrt");
  for (const TUndoElement* u : s.UndoSchritte()) {
    if (u->Kurs() && s.Kurse().Position(u->Kurs()) == 0) p.Melde("Rückgängig-Schritt mit fremdem Kurs");
    if (u->Raum() && s.Raeume().Position(u->Raum()) == 0) p.Melde("Rückgängig-Schritt mit fremdem Raum");
    if (u->Version() > n) p.Melde("Rückgängig-Schritt in gelöschter Version");
  }
  for (int i = 1; i <= s.ParListe().Zellen().Anzahl(); ++i) {
    const TKopplung* k = s.ParListe().Zellen().Hole(i);
    if (k && s.Kopplungen().Position(k) == 0) p.Melde("Parallelliste hält eine fremde Kopplung");
  }
  return p.fehler;
}

std::string WoGehalten(const TSchule& s, const void* z) {
  auto gleich = [z](const void* x) { return x == z; };
  for (const TKurs* k : s.Kurse()) {
    const std::string kurs = "Kurs " + std::to_string(k->Erstellnummer()) + ": ";
    if (gleich(k)) return kurs + "in der Schule";
    if (gleich(k->Lehrer())) return kurs + "Lehrer";
    if (gleich(k->Kopplung())) return kurs + "Kopplung";
    if (gleich(k->Fach())) return kurs + "Fach";
    for (const TKlasse* kl : k->Klassen())
      if (gleich(kl)) return kurs + "Klassen";
    for (const TRaum* r : k->Raeume())
      if (gleich(r)) return kurs + "Räume";
    for (const TRaum* r : k->SpaeterRaeume())
      if (gleich(r)) return kurs + "spätere Räume";
    for (const TSetzung* st : k->Setzungen())
      if (gleich(st) || gleich(st->Raum())) return kurs + "Setzung";
  }
  auto element = [&](const TElement* e) -> std::string {
    if (gleich(e)) return "Element in seiner Liste";
    for (const TKurs* k : e->Kurse())
      if (gleich(k)) return "Kursliste von " + e->Kuerzel();
    return {};
  };
  std::string ort;
  auto halte = [&](const std::string& o) {
    if (ort.empty()) ort = o;
  };
  for (const TLehrer* l : s.Lehrer()) {
    halte(element(l));
    if (gleich(l->Raum())) halte("Raum von " + l->Kuerzel());
    if (gleich(l->GewaehltesFach())) halte("gewähltes Fach von " + l->Kuerzel());
    for (const TFach* f : l->Faecher())
      if (gleich(f)) halte("Fächer von " + l->Kuerzel());
  }
  for (const TKlasse* k : s.Klassen()) {
    halte(element(k));
    if (gleich(k->Lehrer1()) || gleich(k->Lehrer2())) halte("Klassenlehrer von " + k->Kuerzel());
    if (gleich(k->Raum())) halte("Raum von " + k->Kuerzel());
  }
  for (const TKopplung* k : s.Kopplungen()) halte(element(k));
  for (const TFach* f : s.Faecher()) {
    halte(element(f));
    if (gleich(f->GewaehlterLehrer()) || gleich(f->GewaehlteKlasse())) halte("Wahl von " + f->Kuerzel());
    for (const TLehrer* l : f->Lehrer())
      if (gleich(l)) halte("Lehrer von " + f->Kuerzel());
    for (const TKlasse* k : f->Klassen())
      if (gleich(k)) halte("Klassen von " + f->Kuerzel());
  }
  for (const TRaum* r : s.Raeume()) halte(element(r));
  for (const TUVTab* t : s.UVTabellen()) {
    halte(element(t));
    for (const TLehrer* l : t->Lehrer())
      if (gleich(l)) halte("Tabelle " + t->Kuerzel());
    for (const TKlasse* k : t->Klassen())
      if (gleich(k)) halte("Tabelle " + t->Kuerzel());
    for (const TFach* f : t->Faecher())
      if (gleich(f)) halte("Tabelle " + t->Kuerzel());
  }
  for (const TUndoElement* u : s.UndoSchritte())
    if (gleich(u->Kurs()) || gleich(u->Raum())) halte("Rückgängig-Schritt");
  for (const auto* liste : {&s.LehrerFehlen(), &s.KlassenFehlen(), &s.RaumFehlen()})
    for (const TFehl* f : *liste)
      if (gleich(f->Element())) halte("Abwesenheit");
  for (const TKopplung* k : s.ParListe().Zellen())
    if (gleich(k)) halte("Parallelliste");
  return ort;
}

bool HaeltZeiger(const TSchule& s, const void* z) {
  return !WoGehalten(s, z).empty();
}

std::string Fingerabdruck(const TSchule& s) {
  std::ostringstream o;
  const int n = s.Standard().mwn();
  auto raster = [&](const TWochBereich& g) {
    o << " [" << g.Versionen();
    for (int v = 1; v <= g.Versionen(); ++v)
      for (int d = 1; d <= 7; ++d) o << "," << g.Tag(v, d);
    o << "]";
  };
  auto kurse = [&](const TElement* e) {
    o << " {";
    for (const TKurs* k : e->Kurse()) o << k->Erstellnummer() << ",";
    o << "}";
  };
  o << s.Titel() << "|" << n << "|" << int{s.Werkzeugmodus()} << "\n";
  for (int k = 1; k <= kWochen; ++k) o << int{s.WochenVersion(k)};
  o << "\n";
  raster(s.SchulRaster1());
  raster(s.SchulRaster2());
  o << "\n";
  for (const TLehrer* l : s.Lehrer()) {
    o << "L " << l->Nummer() << " " << l->Kuerzel() << " " << l->Name() << " " << Name(l->Raum()) << " "
      << l->VStd1() << " " << l->VStd2();
    for (int v = 1; v <= n; ++v) o << " " << l->Soll(v);
    for (const TFach* f : l->Faecher()) o << " F" << f->Kuerzel();
    raster(l->Sperrung());
    raster(l->Belegung());
    kurse(l);
    o << "\n";
  }
  for (const TKlasse* k : s.Klassen()) {
    o << "K " << k->Nummer() << " " << k->Kuerzel() << " " << Name(k->Lehrer1()) << " " << Name(k->Lehrer2())
      << " " << Name(k->Raum()) << " " << k->Einzeln();
    for (int v = 1; v <= n; ++v) o << " " << k->Soll(v);
    raster(k->Sperrung());
    raster(k->Belegung());
    kurse(k);
    o << "\n";
  }
  for (const TRaum* r : s.Raeume()) {
    o << "R " << r->Nummer() << " " << r->Kuerzel();
    raster(r->Sperrung());
    raster(r->Belegung());
    kurse(r);
    o << "\n";
  }
  for (const TKopplung* k : s.Kopplungen()) {
    o << "O " << k->Kuerzel();
    kurse(k);
    o << "\n";
  }
  for (const TFach* f : s.Faecher()) {
    o << "F " << f->Kuerzel();
    for (const TKlasse* k : f->Klassen()) o << " " << k->Kuerzel();
    kurse(f);
    o << "\n";
  }
  for (const TKurs* k : s.Kurse()) {
    o << "C " << k->Erstellnummer() << " " << k->Text() << " <" << k->Info() << "> " << k->Schluessel1()
      << " " << k->Schluessel2() << " " << k->Faktor() << " " << k->Einzelstunden() << " "
      << k->StundenProTag() << " " << k->Tabelle() << k->NichtVerplanen() << k->NichtZaehlenLehrer()
      << k->NichtZaehlenKlassen() << " " << k->Farbe();
    for (int v = 1; v <= n; ++v) o << " " << k->Stunden(v);
    for (const TRaum* r : k->Raeume()) o << " R" << r->Kuerzel();
    for (const TRaum* r : k->SpaeterRaeume()) o << " S" << r->Kuerzel();
    for (const TSetzung* st : k->Setzungen())
      o << " (" << st->Version() << "," << st->Tag() << "," << st->Stunde() << "," << Name(st->Raum()) << ","
        << st->Fixiert() << ")";
    raster(k->Sperrung());
    raster(k->Belegung());
    o << "\n";
  }
  return o.str();
}

std::vector<std::string> PruefeModellMitStunden(const TSchule& schule) {
  std::vector<std::string> befund = PruefeModell(schule);
  const int n = schule.Standard().mwn();
  for (const TKurs* k : schule.Kurse()) {
    std::vector<int> gesetzt(static_cast<std::size_t>(n) + 1, 0);
    for (const TSetzung* st : k->Setzungen())
      if (st->Version() >= 1 && st->Version() <= n) ++gesetzt[static_cast<std::size_t>(st->Version())];
    for (int v = 1; v <= n; ++v)
      if (gesetzt[static_cast<std::size_t>(v)] > k->Stunden(v))
        befund.push_back(k->Text() + ": mehr Stunden gesetzt als Stunden in Version " + std::to_string(v));
  }
  return befund;
}

}  // namespace kolvar
