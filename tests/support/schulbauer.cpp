#include "support/schulbauer.h"

#include "model/parliste.h"
#include "model/setzung.h"

namespace kolvar {

std::unique_ptr<TKleineSchule> BaueKleineSchule(int versionen) {
  auto s = std::make_unique<TKleineSchule>();
  s->standard.SetVersionszahl(versionen);
  s->standard.gds.SetzeStunde(7, 1, true);  // Sunday morning locked for new elements
  s->schule = std::make_unique<TSchule>(s->standard, TUmgebung{&s->dialoge, &s->palette, &s->uhr});
  TSchule& sch = *s->schule;

  s->mue = sch.NeuerLehrer("MUE");
  s->sch = sch.NeuerLehrer("SCH");
  s->ber = sch.NeuerLehrer("BER");
  s->k5a = sch.NeueKlasse("5a");
  s->k5b = sch.NeueKlasse("5b");
  s->k6a = sch.NeueKlasse("6a");
  s->spo = sch.NeueKopplung("SPO");
  s->de = sch.NeuesFach("De");
  s->ma = sch.NeuesFach("Ma");
  s->sp = sch.NeuesFach("Sp");
  s->r101 = sch.NeuerRaum("R101");
  s->r102 = sch.NeuerRaum("R102");
  s->th = sch.NeuerRaum("TH");
  s->uv = sch.NeueUVTab("UV5");

  s->mue->FuegeFachHinzu(s->de);
  s->mue->FuegeFachHinzu(s->ma);
  s->sch->FuegeFachHinzu(s->ma);
  s->sch->FuegeFachHinzu(s->sp);
  s->ber->FuegeFachHinzu(s->sp);
  s->ber->FuegeFachHinzu(s->de);
  s->k5a->SetzeLehrer1(s->mue);
  s->k5a->SetzeLehrer2(s->sch);
  s->k5b->SetzeLehrer1(s->sch);
  s->k5a->SetzeRaum(s->r101);
  s->mue->SetzeRaum(s->r101);
  s->uv->FuegeLehrerHinzu(s->mue);
  s->uv->FuegeLehrerHinzu(s->sch);
  s->uv->FuegeKlasseHinzu(s->k5a);
  s->uv->FuegeKlasseHinzu(s->k5b);
  s->uv->FuegeFachHinzu(s->de);
  s->uv->FuegeFachHinzu(s->ma);

  TParListe& par = sch.ParListe();
  par.Leere();
  par.SetzeZeilen(2);
  par.SetzeSpalten(2);
  par.Zellen().Haenge(s->spo);
  par.Zellen().Haenge(nullptr);
  par.Zellen().Haenge(nullptr);
  par.Zellen().Haenge(s->spo);

  const bool eaw = s->standard.eaw();
  s->standard.SetNurAktuelleVersion(false);  // hours of every version
  s->deutsch5a = sch.ErzeugeKurs(s->mue, s->k5a, nullptr, s->de, s->r101, 4);
  s->mathe5b = sch.ErzeugeKurs(s->mue, s->k5b, nullptr, s->ma, s->r102, 3);
  s->mathe5a = sch.ErzeugeKurs(s->sch, s->k5a, nullptr, s->ma, s->r101, 4);
  s->sportSch = sch.ErzeugeKurs(s->sch, s->k5a, s->spo, s->sp, s->th, 2);
  s->sportSch->FuegeKlasseHinzu(s->k5b);
  s->sportBer = sch.ErzeugeKurs(s->ber, s->k5a, s->spo, s->sp, s->r102, 2);
  s->sportBer->FuegeKlasseHinzu(s->k5b);
  s->deutsch6a = sch.ErzeugeKurs(s->ber, s->k6a, nullptr, s->de, nullptr, 3);
  s->standard.SetNurAktuelleVersion(eaw);

  s->dialoge.anfragen.clear();
  sch.SetzeGeaendert(false);
  return s;
}

void SetzeEinigeStunden(TKleineSchule& s) {
  for (int v = 1; v <= s.standard.mwn(); ++v) {
    s.deutsch5a->Setze(v, 1, s.r101, 1);
    s.deutsch5a->Setze(v, 2, s.r101, 2);
    s.mathe5b->Setze(v, 1, s.r102, 2);
    s.mathe5a->Setze(v, 1, s.r101, 3);
    s.sportSch->Setze(v, 3, s.th, 5);
    s.sportBer->Setze(v, 3, s.r102, 5);
    s.deutsch6a->Setze(v, 2, nullptr, 1);
    if (TSetzung* fest = s.mathe5a->Setze(v, 2, s.r101, 3)) fest->SetFixiert(true);
  }
}

}  // namespace kolvar
