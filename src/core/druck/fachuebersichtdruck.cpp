#include "druck/fachuebersichtdruck.h"

#include <algorithm>

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
#include "model/setzung.h"
#include "model/standard.h"
#include "model/text.h"

namespace kolvar {

std::string TFachUebersichtDruck::TitelZeile(const TFach& fach) {
  return KuerzeText(KuerzeText(fach.Kuerzel() + " ", 8) + fach.Name(), 29);
}

void TFachUebersichtDruck::BerechneSpalten(IZeichenflaeche& f) {
  TFlaechenMass mass(f);
  const auto kuerzel = [&](bool an, int art) { return an ? MaxKuerzelBreite(schule_, art, mass) + 20 : 0; };
  w_.Klasse = kuerzel(o_.fukl, 1);
  w_.Kopplung = kuerzel(o_.fuko || o_.fust, 2);
  w_.LehrerKuerzel = kuerzel(o_.fuku, 0);
  w_.LehrerName = o_.funa ? MaxNameBreite(schule_, 0, mass) + 20 : 0;
  w_.Raum = kuerzel(o_.fura, 4);
  if (o_.fust) w_.Klasse = std::max(w_.Klasse, w_.Kopplung);
  w_.Tag = MaxTagBreite(schule_.Standard(), mass) + 20;
  w_.Stunde = MaxStundenBreite(schule_.Standard(), mass) + 20;
}

void TFachUebersichtDruck::DruckeKopf(IZeichenflaeche& f, const TFach& fach) {
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfPlan(f, schule_, l_, t_, h_, o_.fuda);
  y_ = t_ + 2 * h_;
  if (!o_.fubm.empty()) {
    f.TextOut(l_, y_, o_.fubm);
    y_ += 2 * h_;
  }
  f.TextOut(l_, y_, TitelZeile(fach));
  y_ += 2 * h_;
}

void TFachUebersichtDruck::Drucke(IZeichenflaeche& f, const TFach* von, const TFach* bis) {
  const TListe<TFach>& faecher = schule_.Faecher();
  const int erstes = faecher.Position(von);
  if (erstes == 0) return;
  const int letztes = std::max(erstes, faecher.Position(bis));
  l_ = RandInPixel(f, o_.furd);
  t_ = RandInPixel(f, 1);
  f.SetFont(DruckSchrift(o_.Schrift));
  h_ = f.TextHeight();
  BerechneSpalten(f);
  DruckeKopf(f, *von);
  for (int i = erstes; i <= letztes && !f.Abgebrochen(); ++i) {
    const TFach* fach = faecher.Hole(i);
    if (i != erstes) {
      // A heading never stands alone at the foot: where its first row would go to the next
      // page, the heading goes with it (the next page's head carries it).
      if (f.GetPhysPageSize().y - (y_ + 2 * h_) < 5 * h_) {
        f.NewPage();
        DruckeKopf(f, *fach);
      } else {
        y_ += h_;
        f.TextOut(l_, y_, TitelZeile(*fach));
        y_ += h_;
      }
    }
    DruckeFach(f, *fach);
  }
}

void TFachUebersichtDruck::DruckeFach(IZeichenflaeche& f, const TFach& fach) {
  const TStandard& st = schule_.Standard();
  const int version = st.AktuelleVersion();
  const auto Kz = [](const TElement* e) { return e != nullptr ? e->Kuerzel() : std::string(); };
  for (int tag = 1; tag <= st.mtn; ++tag)
    for (const TKurs* kurs : fach.Kurse())
      for (const TSetzung* s : kurs->Setzungen()) {
        if (s->Version() != version || s->Tag() != tag) continue;
        if (f.GetPhysPageSize().y - y_ < 5 * h_) {
          f.NewPage();
          DruckeKopf(f, fach);
        }
        int x = l_;
        f.TextOut(x, y_, st.spg[static_cast<std::size_t>(tag - 1)]);
        x += w_.Tag;
        f.TextOut(
            x, y_,
            st.sp[static_cast<std::size_t>(s->Version() - 1)][static_cast<std::size_t>(s->Stunde() - 1)]);
        x += w_.Stunde;
        const TKopplung* kopplung = kurs->Kopplung();
        if (o_.fukl)
          f.TextOut(x, y_,
                    o_.fust && kopplung != nullptr ? kopplung->Kuerzel() : Kz(kurs->Klassen().Hole(1)));
        x += w_.Klasse;
        if (o_.fuko && kopplung != nullptr) f.TextOut(x, y_, kopplung->Kuerzel());
        x += w_.Kopplung;
        if (o_.fura && s->Raum() != nullptr) f.TextOut(x, y_, s->Raum()->Kuerzel());
        x += w_.Raum;
        const TLehrer* lehrer = kurs->Lehrer();
        if (o_.fuku && lehrer != nullptr) f.TextOut(x, y_, lehrer->Kuerzel());
        x += w_.LehrerKuerzel;
        if (o_.funa && lehrer != nullptr) f.TextOut(x, y_, lehrer->Name());
        y_ += h_;
      }
}

}  // namespace kolvar
