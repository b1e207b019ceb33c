// What windows measure once and keep: the workload headers' widths per font and an element's
// caption per abbreviation. Kept, they must still read as freshly measured and built ones.

#include <QFontMetrics>
#include <memory>

#include "engine/kuerzelliste.h"
#include "model/text.h"
#include "planumgebung.h"
#include "platform/fensterrahmen.h"
#include "platform/gitter.h"
#include "platform/qtext.h"
#include "views/depform.h"

namespace kolvar {
namespace {

// Every column as wide as the settings say, or as its header in the window's font and a margin.
void KoepfeWieGemessen(const TDepForm& f, const TSchrift& s, const char* wann) {
  QFont schrift(Q(s.Name));
  schrift.setPointSize(std::max(1, s.Groesse));
  const QFontMetrics mass(schrift);
  const auto& spalten = f.Zeilen().SpaltenListe();
  ASSERT_EQ(f.DepGrid->Spalten(), static_cast<int>(spalten.size())) << wann;
  for (std::size_t i = 0; i < spalten.size(); ++i) {
    const QString kopf = QString::fromUtf8(spalten[i].Kopf);
    const int spalte = static_cast<int>(i);
    EXPECT_EQ(f.DepGrid->Text(spalte, 0), kopf) << wann;
    EXPECT_EQ(f.DepGrid->SpaltenBreite(spalte), std::max(spalten[i].Breite, mass.horizontalAdvance(kopf) + 6))
        << wann << ": " << spalten[i].Kopf;
  }
}

int Summe(const TDepForm& f) {
  int breite = 0;
  for (int s = 0; s < f.DepGrid->Spalten(); ++s) breite += f.DepGrid->SpaltenBreite(s);
  return breite;
}

TEST_F(PlanTest, DeputatKoepfeJeSchriftGemessen) {
  TDeputatFensterOptionen& optionen = schule->Standard().DeputatFenster;
  // Narrow abbreviation columns: the headers decide their widths.
  optionen.dlb = optionen.dkb = optionen.dob = optionen.dfb = optionen.drb = 4;
  auto lehrer = std::make_unique<TLeDepForm>(*schule, nullptr);
  lehrer->Zeige(mue);
  KoepfeWieGemessen(*lehrer, optionen.Schrift, "erstes Fenster");
  auto klasse = std::make_unique<TKlDepForm>(*schule, nullptr);
  klasse->Zeige(k5a);
  KoepfeWieGemessen(*klasse, optionen.Schrift, "zweites Fenster");
  lehrer->Aktualisiere();
  KoepfeWieGemessen(*lehrer, optionen.Schrift, "aufgefrischt");
  const int vorher = Summe(*lehrer);

  optionen.Schrift = TSchrift{"Liberation Serif", 20};
  lehrer->Aktualisiere();
  KoepfeWieGemessen(*lehrer, optionen.Schrift, "neue Schrift");
  EXPECT_GT(Summe(*lehrer), vorher) << "a larger font widens the headers";
  klasse->Aktualisiere();
  KoepfeWieGemessen(*klasse, optionen.Schrift, "neue Schrift, zweites Fenster");
  optionen.Schrift = TSchrift{};
  lehrer->Aktualisiere();
  KoepfeWieGemessen(*lehrer, optionen.Schrift, "alte Schrift");
  EXPECT_EQ(Summe(*lehrer), vorher);
}

// The caption follows every rename of its element, back to an old name too, and the window keeps
// room for it; changes that rename nothing leave it as it is.
TEST_F(PlanTest, CaptionFolgtJederUmbenennung) {
  auto plan = Oeffne<TLePlnForm>(mue);
  auto deputat = std::make_unique<TLeDepForm>(*schule, nullptr);
  deputat->Zeige(mue);
  deputat->Oeffne();
  TKuerzelListe liste(*schule, TElementArt::Lehrer);
  for (const char* name : {"FISCHER", "MUE", "FISCHER", "FIS"}) {
    ASSERT_EQ(liste.Umbenenne(mue, name), TKuerzelListe::TUmbenennung::Umbenannt) << name;
    EXPECT_EQ(plan->Caption(), QString::fromStdString(KuerzeText(std::string("Plan ") + name, 12)));
    EXPECT_EQ(deputat->Caption(), QStringLiteral("Deputat ") + QString::fromLatin1(name));
    EXPECT_GE(plan->width(), TitelBreite(plan->Caption())) << name;
    EXPECT_GE(deputat->minimumWidth(), TitelBreite(deputat->Caption())) << name;
  }
  {
    TSchule::TAktion aktion(*schule);
    deutsch5a->SetzeStunden(1, 5);
  }
  EXPECT_EQ(plan->Caption(), QStringLiteral("Plan FIS"));
  EXPECT_EQ(deputat->Caption(), QStringLiteral("Deputat FIS"));
}

}  // namespace
}  // namespace kolvar
