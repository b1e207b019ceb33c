// The absence entry without its window: masks, clicks on a row's day bar, storing the rows and
// the longer absence, checked against the records and accounts they give.

#include "substitution/fehleingabe.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

using FehlEingabe = VertretungsTest;

TEST(FehlMasken, TextUndMaske) {
  struct Fall {
    std::string text;
    uint16_t maske;
  };
  for (const Fall& f :
       {Fall{"----------------", 0}, Fall{"+---------------", 0x8000}, Fall{"---------------+", 0x0001},
        Fall{"--+++-----------", 0x3800}, Fall{"++++++++++++++++", 0xFFFF}}) {
    EXPECT_EQ(FehlMaske(f.text), f.maske) << f.text;
    EXPECT_EQ(MaskenText(f.maske), f.text);
  }
  // Short, long and foreign texts: only "+" in the first sixteen counts.
  EXPECT_EQ(FehlMaske("+"), 0x8000);
  EXPECT_EQ(FehlMaske("----------------+++"), 0);
  EXPECT_EQ(FehlMaske("x+"), 0x4000);
  EXPECT_EQ(NeueMaske(3, 5), "--+++-----------");
  EXPECT_EQ(NeueMaske(16, 16), "---------------+");
}

TEST(FehlMasken, EndDatumDerSpins) {
  const int32_t start = TagesNummer(2026, 3, 2);
  EXPECT_EQ(FehlEndDatum(2026, 3, 20, start), TagesNummer(2026, 3, 20));
  EXPECT_EQ(FehlEndDatum(2027, 2, 31, start), TagesNummer(2027, 2, 28));
  EXPECT_EQ(FehlEndDatum(2028, 2, 30, start), TagesNummer(2028, 2, 29));
  EXPECT_EQ(FehlEndDatum(2026, 3, 1, start), start);
  EXPECT_EQ(FehlEndDatum(2050, 1, 1, start), TagesNummer(kLetztesJahr, 1, 1));
  EXPECT_EQ(LangesDatum(start), "Montag, 2. März, 2026");
}

TEST_F(FehlEingabe, KlickAufDenTagesbalken) {
  TFehlEingabe e(Schule(), TElementArt::Lehrer, kMontag);
  e.SetzeVon(3);
  EXPECT_EQ(e.Bis(), s->standard.pst);
  e.SetzeBis(2);  // "bis" before "von" takes "von" along
  EXPECT_EQ(e.Von(), 2);
  ASSERT_EQ(e.FuegeHinzu(s->mue), 0);
  EXPECT_EQ(e.Zeilen()[0].Maske, "-+--------------");
  struct Fall {
    int x;
    bool shift, strg, geaendert;
    std::string maske;
  };
  for (const Fall& f :
       {Fall{0, false, false, true, "++--------------"}, Fall{8, false, false, true, "-+--------------"},
        Fall{9, false, false, true, "----------------"}, Fall{143, false, false, true, "---------------+"},
        Fall{144, false, false, false, "---------------+"},  // beyond period 16
        Fall{145, false, false, false, "---------------+"}, Fall{-1, false, false, false, "---------------+"},
        Fall{40, false, true, true, "++++++++++++++++"}, Fall{40, true, false, true, "----------------"}}) {
    EXPECT_EQ(e.Klick(0, f.x, f.shift, f.strg), f.geaendert) << f.x;
    EXPECT_EQ(e.Zeilen()[0].Maske, f.maske) << f.x;
  }
  EXPECT_FALSE(e.Klick(1, 0, false, false));
}

TEST_F(FehlEingabe, DreiTageFehlenUndZuruecknehmen) {
  const auto start = Konten();
  TFehlEingabe e(Schule(), TElementArt::Lehrer, kMontag);
  e.SetzeVon(1);
  e.SetzeBis(2);
  const int z = e.FuegeHinzu(s->mue);
  EXPECT_EQ(e.FuegeHinzu(s->mue), z);  // a second time selects the same row
  // The longer absence is written at once, the dialog's own date on "Ok".
  EXPECT_EQ(TrageFehlzeitenEin(*s->mue, e.Zeilen()[0].Maske, kMontag, kMittwoch), 2);
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 1);  // Tuesday's De 5a in period 2
  Schule().SetzeGeaendert(false);
  e.Speichere();
  EXPECT_TRUE(Schule().Geaendert());
  EXPECT_EQ(Schule().LehrerFehlen().Anzahl(), 3);
  EXPECT_EQ(VertretungenVon(s->deutsch5a, kMontag).size(), 1u);
  EXPECT_EQ(VertretungenVon(s->mathe5b, kMontag).size(), 1u);
  ASSERT_EQ(VertretungenVon(s->deutsch5a, kDienstag).size(), 1u);
  for (const TVertretung* v : Schule().Vertretungen()) {
    EXPECT_EQ(v->Art(), VertrArt::Lehrer);
    EXPECT_TRUE(v->Noetig());
  }
  ASSERT_TRUE(EineVertretung(s->deutsch5a, kDienstag)->SetzeVertreter(s->ber));
  EXPECT_EQ(s->ber->VStd1(), 2);

  // A dialog opened again shows the stored row; all "-" takes the absence back.
  TFehlEingabe wieder(Schule(), TElementArt::Lehrer, kMontag);
  ASSERT_EQ(wieder.Zeilen().size(), 1u);
  EXPECT_EQ(wieder.Zeilen()[0].Maske, "++--------------");
  EXPECT_EQ(wieder.ZeileVon(FehlzeitAm(*s->mue, kMontag)), 0);
  wieder.Klick(0, 0, true, false);
  EXPECT_EQ(TrageFehlzeitenEin(*s->mue, wieder.Zeilen()[0].Maske, kMontag, kMittwoch), 2);
  wieder.Speichere();
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_TRUE(Schule().LehrerFehlen().Leer());
  for (const auto& [kuerzel, konto] : Konten()) EXPECT_EQ(konto, start.at(kuerzel)) << kuerzel;
}

TEST_F(FehlEingabe, KlassenFehlenMachenStundenUnnoetig) {
  Fehlt(s->mue, kMontag, 2);
  TVertretung* ma = EineVertretung(s->mathe5b, kMontag);
  ASSERT_TRUE(ma && ma->SetzeVertreter(s->ber));
  TFehlEingabe e(Schule(), TElementArt::Klasse, kMontag);
  e.SetzeVon(2);
  e.SetzeBis(2);
  e.FuegeHinzu(s->k5b);
  e.FuegeHinzu(s->mue);  // not a class: no row
  EXPECT_EQ(e.Zeilen().size(), 1u);
  e.Speichere();
  EXPECT_FALSE(ma->Noetig());
  EXPECT_EQ(ma->Vertreter(), nullptr);
  EXPECT_EQ(s->ber->VStd1(), 0);
  ASSERT_NE(FehlzeitAm(*s->k5b, kMontag), nullptr);
  EXPECT_EQ(FehlzeitAm(*s->k5b, kMontag)->Stunden(), FehlMaske("-+"));
}

TEST_F(FehlEingabe, LaengereFehlzeitUeberspringtFreieTage) {
  s->standard.mtn = 5;
  TWochenTabelle frei = s->standard.FreieTage;
  frei[static_cast<std::size_t>(WochenIndex(kMittwoch))] = 1 << 2;  // Wednesday
  s->standard.SetFreieTage(frei);
  Fehlt(s->mue, kDienstag, 1);
  // From Monday to the next Tuesday: Tuesday, Thursday, Friday, Monday, Tuesday.
  EXPECT_EQ(TrageFehlzeitenEin(*s->mue, "-+", kMontag, kMontag + 8), 5);
  for (int32_t tag = kMontag; tag <= kMontag + 8; ++tag) {
    const TFehl* f = FehlzeitAm(*s->mue, tag);
    const bool schultag = tag != kMontag && tag != kMittwoch && tag != kMontag + 5 && tag != kMontag + 6;
    ASSERT_EQ(f != nullptr, schultag) << tag - kMontag;
    if (f) {
      EXPECT_EQ(f->Stunden(), FehlMaske("-+")) << tag - kMontag;  // Tuesday's period 1 replaced
    }
  }
  EXPECT_EQ(VertretungenVon(s->deutsch5a, kDienstag).size(), 1u);  // De 5a in period 2
  // An end before the start writes nothing.
  EXPECT_EQ(TrageFehlzeitenEin(*s->mue, "+", kMontag, kMontag), 0);
}

}  // namespace
}  // namespace kolvar
