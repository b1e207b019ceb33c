#include "druck/deputatdruck.h"

#include <algorithm>
#include <array>

#include "ansicht/depzeilen.h"
#include "druck/breiten.h"
#include "druck/druckkopf.h"
#include "druck/druckmass.h"
#include "druck/izeichenflaeche.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

namespace {

const std::string& Kz(const TElement* e) {
  static const std::string leer;
  return e != nullptr ? e->Kuerzel() : leer;
}

std::string KzBlank(const TElement* e) {
  return e != nullptr ? e->Kuerzel() + " " : std::string();
}

constexpr std::array<const char*, 12> kKoepfe{"Wert", "Std",  "Le",  "Fa",   "Kl",  "Ko",
                                              "Ra",   "Fakt", "SpT", "Einz", "Tab", "Summe"};

}  // namespace

TDeputatDruck::TDeputatDruck(const TSchule& schule, const TDeputatDruckOptionen& optionen)
    : schule_(schule), o_(optionen), version_(schule.Standard().AktuelleVersion()) {
  o_.dda = std::clamp(o_.dda, 0, 5);
}

std::string TDeputatDruck::Wert(int64_t wert) const {
  const TStandard& st = schule_.Standard();
  return FormatiereStunden(wert, st.vkm, st.nkm, st.dvs);
}

std::string TDeputatDruck::TitelZeile(const TElement& e) const {
  const std::string kopf = e.Kuerzel() + "  " + e.Name();
  switch (e.Art()) {
    case TElementArt::Lehrer: {
      std::string t = "Lehrerdeputat " + kopf + " ( ";
      for (const TKlasse* k : schule_.Klassen())
        if (k->Lehrer1() == &e || k->Lehrer2() == &e) t += k->Kuerzel() + " ";
      return t + ")";
    }
    case TElementArt::Klasse: {
      const auto& k = static_cast<const TKlasse&>(e);
      return "Klassendeputat " + kopf + " ( " + KzBlank(k.Raum()) + KzBlank(k.Lehrer1()) +
             KzBlank(k.Lehrer2()) + ")";
    }
    case TElementArt::Kopplung:
      return "Kopplungsdeputat " + kopf;
    case TElementArt::Fach:
      return "Fachdeputat " + kopf;
    case TElementArt::Raum:
      return "Raumdeputat " + kopf;
    default:
      return kopf;
  }
}

std::string TDeputatDruck::StundenZeile(const TElement& e) const {
  const TStandard& st = schule_.Standard();
  const auto zeile = [&](int64_t soll, int64_t ist) {
    return "Soll: " + FormatiereStunden(soll, st) + "  Ist: " + FormatiereStunden(ist, st) +
           "  Rest: " + FormatiereStunden(soll - ist, st);
  };
  switch (e.Art()) {
    case TElementArt::Lehrer: {
      const auto& l = static_cast<const TLehrer&>(e);
      return zeile(l.Soll(version_), l.IstGewichtet(version_, true, Seite::Lehrer));
    }
    case TElementArt::Klasse: {
      const auto& k = static_cast<const TKlasse&>(e);
      return zeile(k.Soll(version_), k.IstGewichtet(version_, k.Einzeln(), Seite::Klasse));
    }
    case TElementArt::Fach: {
      const auto& f = static_cast<const TFach&>(e);
      return "Lehrer: " + std::to_string(f.Lehrer().Anzahl()) +
             "  Klassen: " + std::to_string(f.Klassen().Anzahl());
    }
    default:
      return {};
  }
}

int TDeputatDruck::Zeilen(const TKurs& kurs) const {
  int n = 1;
  if (o_.dkl) n = std::max(n, kurs.Klassen().Anzahl());
  if (o_.drl) n = std::max(n, kurs.Raeume().Anzahl());
  return n;
}

void TDeputatDruck::Kopf(IZeichenflaeche& f) {
  // A new page starts in the recorder's default font.
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfListe(f, schule_, l_.Links, l_.Oben, l_.h);
  y_ = l_.Oben + 3 * l_.h;
}

void TDeputatDruck::Breiten(IZeichenflaeche& f) {
  const TFlaechenMass mass(f);
  const int a = f.TextWidth("A");
  const auto element = [&](int art, const char* kopf) {
    return std::max(MaxKuerzelBreite(schule_, art, mass) + a, f.TextWidth(kopf));
  };
  const int klein = std::max({f.TextWidth("999") + a, f.TextWidth("StdA"), f.TextWidth("FaktA"),
                              f.TextWidth("SpTA"), f.TextWidth("EinzA"), f.TextWidth("TabA")});
  const TStandard& st = schule_.Standard();
  const int wert =
      std::max({f.TextWidth("9") * (st.vkm + 1 + st.nkm) + a, f.TextWidth("WertA"), f.TextWidth("SummeA")});
  const std::array<int, 12> breiten{wert,
                                    klein,
                                    element(0, "LeA"),
                                    element(3, "FaA"),
                                    element(1, "KlA"),
                                    element(2, "KoA"),
                                    element(4, "RaA"),
                                    klein,
                                    klein,
                                    klein,
                                    klein,
                                    wert};
  l_.Rechts.clear();
  int x = l_.Links;
  for (int i = 0; i < Spalten(); ++i) {
    x += breiten[static_cast<std::size_t>(i)];
    l_.Rechts.push_back(x);
  }
  l_.InfoX = x + f.TextWidth("AA");
}

void TDeputatDruck::Drucke(IZeichenflaeche& f, const std::vector<TElement*>& elemente) {
  l_ = TDepDruckLayout{};
  l_.Links = RandInPixel(f, o_.dra);
  l_.Oben = f.InchToPixel(0.3937);
  f.SetFont(DruckSchrift(o_.Schrift));
  l_.h = std::max(1, f.TextHeight());
  Breiten(f);
  Kopf(f);
  if (o_.dda == 5) {
    for (const TKurs* kurs : schule_.Kurse()) {
      if (f.Abgebrochen()) return;
      DruckeKurs(f, *kurs);
    }
    return;
  }
  bool erstes = true;
  for (const TElement* e : elemente) {
    if (f.Abgebrochen()) return;
    if (e == nullptr) continue;
    DruckeBlatt(f, *e, erstes);
    erstes = false;
  }
}

void TDeputatDruck::Rechtsbuendig(IZeichenflaeche& f, TDepDruckSpalte spalte, const std::string& text) {
  const auto i = static_cast<std::size_t>(spalte);
  if (i >= l_.Rechts.size()) return;
  f.TextOut(l_.Rechts[i] - f.TextWidth(text), y_, text);
}

void TDeputatDruck::Tabellenkopf(IZeichenflaeche& f) {
  for (int i = 0; i < Spalten(); ++i)
    Rechtsbuendig(f, static_cast<TDepDruckSpalte>(i), kKoepfe[static_cast<std::size_t>(i)]);
  if (o_.dzu) f.TextOut(l_.InfoX, y_, "Info");
  y_ += l_.h;
}

void TDeputatDruck::DruckeBlatt(IZeichenflaeche& f, const TElement& e, bool erstes) {
  int k = 0;
  if (!erstes) {
    if (o_.d1s) {
      k = 1000;
    } else {
      for (const TKurs* kurs : e.Kurse()) k += Zeilen(*kurs);
    }
  }
  if (!PlatzReicht(f, y_, k + 1, l_.h)) {
    f.NewPage();
    Kopf(f);
  }
  f.TextOut(l_.Links, y_, TitelZeile(e));
  y_ += l_.h;
  const std::string stunden = StundenZeile(e);
  if (!stunden.empty()) {
    f.TextOut(l_.Links, y_, stunden);
    y_ += l_.h;
  }
  Tabellenkopf(f);
  for (const TKurs* kurs : e.Kurse()) {
    if (f.Abgebrochen()) return;
    DruckeKurs(f, *kurs);
  }
  y_ += l_.h;
}

void TDeputatDruck::DruckeKurs(IZeichenflaeche& f, const TKurs& kurs) {
  const int zeilen = Zeilen(kurs);
  if (!PlatzReicht(f, y_, zeilen + 2, l_.h)) {
    f.NewPage();
    Kopf(f);
  }
  if (o_.dco) {
    f.GetBrush() = TDruckPinsel{kurs.Farbe(), false};
    f.FillRect({l_.Links, y_, l_.Rechts[static_cast<std::size_t>(TDepDruckSpalte::Ra)], y_ + l_.h});
  }
  // A flagged course is italic; the others keep the style the user chose.
  f.GetFont().Kursiv =
      o_.Schrift.Kursiv || kurs.NichtVerplanen() || kurs.NichtZaehlenLehrer() || kurs.NichtZaehlenKlassen();
  using S = TDepDruckSpalte;
  const TStandard& st = schule_.Standard();
  Rechtsbuendig(f, S::Wert, Wert(int64_t{kurs.Stunden(version_)} * kurs.Faktor()));
  Rechtsbuendig(f, S::Std, std::to_string(kurs.Stunden(version_)));
  Rechtsbuendig(f, S::Le, Kz(kurs.Lehrer()));
  Rechtsbuendig(f, S::Fa, Kz(kurs.Fach()));
  Rechtsbuendig(f, S::Kl, Kz(kurs.Klassen().Hole(1)));
  Rechtsbuendig(f, S::Ko, Kz(kurs.Kopplung()));
  Rechtsbuendig(f, S::Ra, Kz(kurs.Raeume().Hole(1)));
  if (o_.dzu) {
    Rechtsbuendig(f, S::Fakt, std::to_string(kurs.Faktor()));
    Rechtsbuendig(f, S::SpT, std::to_string(kurs.StundenProTag()));
    Rechtsbuendig(f, S::Einz, std::to_string(kurs.Einzelstunden()));
    Rechtsbuendig(f, S::Tab, std::to_string(kurs.Tabelle()));
    Rechtsbuendig(f, S::Summe, TDepZeilen::Zelle(kurs, TKursFeld::Stat, st));
    f.TextOut(l_.InfoX - f.TextWidth("AA") + f.TextWidth("A"), y_, kurs.Info());
  }
  f.GetBrush() = TDruckPinsel{0xFFFFFF, true};
  y_ += l_.h;
  for (int z = 2; z <= zeilen; ++z) {
    if (o_.dkl) Rechtsbuendig(f, S::Kl, Kz(kurs.Klassen().Hole(z)));
    if (o_.drl) Rechtsbuendig(f, S::Ra, Kz(kurs.Raeume().Hole(z)));
    y_ += l_.h;
  }
  f.GetFont().Kursiv = o_.Schrift.Kursiv;
}

}  // namespace kolvar
