// The idle passes: the save reminder's interval on the monotonic clock (also across midnight),
// the end the session asks for, the idle screen, and the marks that keep them from stacking.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ansicht/leerlauf.h"
#include "model/standard.h"

namespace kolvar {
namespace {

constexpr int64_t kMinute = 60 * 1000;

class TZiel : public ILeerlaufZiel {
 public:
  bool Unterbrechbar() const override { return unterbrechbar; }
  bool FrageOffen() const override { return frageOffen; }
  bool Beende() override {
    protokoll.push_back("beende");
    if (waehrend) waehrend();
    return beendeGelingt;
  }
  void ZeigePause() override {
    protokoll.push_back("pause");
    if (waehrend) waehrend();
  }
  void ErinnereSichern() override {
    protokoll.push_back("sichern");
    if (waehrend) waehrend();
  }

  bool unterbrechbar = true;
  bool frageOffen = false;
  bool beendeGelingt = false;
  std::function<void()> waehrend;  // runs inside the question or screen, as a nested pass would
  std::vector<std::string> protokoll;
};

class LeerlaufTest : public ::testing::Test {
 protected:
  LeerlaufTest() { standard.spz = 10; }
  // A pass at minute m; the wall clock's time of day starts at 23:50.
  void Pass(int64_t ms) { lauf.AppIdle(ms, (23 * 3600 + 50 * 60 + ms / 1000) % 86400); }

  TStandard standard;
  TZiel ziel;
  TLeerlauf lauf{ziel, standard, 0};
};

TEST_F(LeerlaufTest, ErinnerungNachMehrAlsSpzMinutenAuchUeberMitternacht) {
  lauf.SetzePauseNach(int64_t{100000} * kMinute);
  // Strictly more than 10 minutes; the next interval counts from the reminder. The wall clock
  // passes midnight at minute 10, which a time-of-day comparison would never get over.
  struct TFall {
    int64_t ms;
    int erinnerungen;
  };
  for (const TFall& f : {TFall{0, 0},
                         {9 * kMinute, 0},
                         {10 * kMinute, 0},
                         {10 * kMinute + 1, 1},
                         {20 * kMinute + 1, 1},
                         {20 * kMinute + 2, 2},
                         {30 * kMinute + 2, 2},
                         {30 * kMinute + 3, 3},
                         {26 * 60 * kMinute, 4}}) {
    Pass(f.ms);
    EXPECT_EQ(static_cast<int>(ziel.protokoll.size()), f.erinnerungen) << f.ms;
  }
  EXPECT_EQ(standard.LetzteSicherungsZeit, (23 * 3600 + 50 * 60 + 26 * 3600) % 86400)
      << "the settings keep the time of day of the last reminder";

  // Off: none, however long.
  standard.spz = 0;
  Pass(100 * 60 * kMinute);
  EXPECT_EQ(ziel.protokoll.size(), 4u);
}

TEST_F(LeerlaufTest, NeueBasisAusDenEinstellungenStartetDasIntervallNeu) {
  lauf.SetzePauseNach(int64_t{100000} * kMinute);
  Pass(8 * kMinute);
  // The basic settings were confirmed: their reminder time is set anew.
  standard.SetLetzteSicherungsZeit(standard.LetzteSicherungsZeit + 480);
  Pass(9 * kMinute);
  Pass(12 * kMinute);
  EXPECT_TRUE(ziel.protokoll.empty());
  Pass(19 * kMinute + 1);
  EXPECT_EQ(ziel.protokoll, std::vector<std::string>{"sichern"});
}

TEST_F(LeerlaufTest, NichtsStapeltSichWaehrendEineFrageOffenIst) {
  lauf.SetzePauseNach(int64_t{100000} * kMinute);
  // Inside the reminder's question a pass comes when the idle screen and a second reminder are
  // due; neither shows, and the question's mark goes with the question.
  ziel.waehrend = [this] {
    ziel.waehrend = nullptr;
    EXPECT_TRUE(lauf.FrageMarke());
    lauf.PauseMachen();
    Pass(40 * kMinute);
  };
  Pass(11 * kMinute);
  EXPECT_EQ(ziel.protokoll, std::vector<std::string>{"sichern"});
  EXPECT_FALSE(lauf.FrageMarke());
  // Inside the idle screen the reminder falls due and waits for the screen to go.
  ziel.waehrend = [this] {
    ziel.waehrend = nullptr;
    EXPECT_TRUE(lauf.PauseOffen());
    Pass(40 * kMinute);
  };
  Pass(30 * kMinute);
  EXPECT_EQ(ziel.protokoll, (std::vector<std::string>{"sichern", "pause", "sichern"}));
  EXPECT_FALSE(lauf.PauseOffen());

  // A file command's question is open: no reminder.
  ziel.frageOffen = true;
  Pass(60 * kMinute);
  EXPECT_EQ(ziel.protokoll.size(), 3u);
}

TEST_F(LeerlaufTest, PauseNachDerWartezeitOhneEingabeUndNurWennUnterbrechbar) {
  standard.spz = 0;
  lauf.Eingabe(10 * kMinute);
  Pass(10 * kMinute + TLeerlauf::kPauseNachMs - 1);
  EXPECT_TRUE(ziel.protokoll.empty());
  // Due, but a dialog is the active window: it waits for the first pass after it.
  ziel.unterbrechbar = false;
  Pass(10 * kMinute + TLeerlauf::kPauseNachMs);
  EXPECT_TRUE(ziel.protokoll.empty());
  ziel.unterbrechbar = true;
  Pass(10 * kMinute + TLeerlauf::kPauseNachMs + 1);
  EXPECT_EQ(ziel.protokoll, std::vector<std::string>{"pause"});
  // Due again while a question was open; the answer was input, so the screen stays away.
  const int64_t spaeter = 10 * kMinute + 2 * TLeerlauf::kPauseNachMs + 2;
  ziel.frageOffen = true;
  Pass(spaeter);
  ziel.frageOffen = false;
  lauf.Eingabe(spaeter + 1);
  Pass(spaeter + 2);
  EXPECT_EQ(ziel.protokoll.size(), 1u);
  // Asked for directly it comes on the next pass, input or not.
  lauf.PauseMachen();
  lauf.Eingabe(spaeter + 3);
  Pass(spaeter + 3);
  EXPECT_EQ(ziel.protokoll, (std::vector<std::string>{"pause", "pause"}));
  EXPECT_FALSE(lauf.PauseGewuenscht());
}

TEST_F(LeerlaufTest, BeendenWartetAufDieRuheUndEineAblehnungLoeschtDieMarken) {
  standard.spz = 0;
  lauf.SetzePauseNach(int64_t{100000} * kMinute);
  lauf.BeendenAnfordern();
  // While a dialog is active nothing happens.
  ziel.unterbrechbar = false;
  Pass(kMinute);
  EXPECT_TRUE(ziel.protokoll.empty());
  // The user keeps the program: both marks go, so the reminder and a later end work again.
  ziel.unterbrechbar = true;
  Pass(2 * kMinute);
  EXPECT_EQ(ziel.protokoll, std::vector<std::string>{"beende"});
  EXPECT_FALSE(lauf.BeendenAngefordert());
  EXPECT_FALSE(lauf.FrageMarke());
  standard.spz = 1;
  Pass(4 * kMinute);
  EXPECT_EQ(ziel.protokoll, (std::vector<std::string>{"beende", "sichern"}));

  // Asked for while the idle screen shows: it closes the program after "Weiterarbeiten".
  ziel.protokoll.clear();
  standard.spz = 0;
  ziel.beendeGelingt = true;
  ziel.waehrend = [this] {
    ziel.waehrend = nullptr;
    lauf.BeendenAnfordern();
    Pass(6 * kMinute);
    EXPECT_EQ(ziel.protokoll, std::vector<std::string>{"pause"});
  };
  lauf.PauseMachen();
  Pass(5 * kMinute);
  Pass(7 * kMinute);
  EXPECT_EQ(ziel.protokoll, (std::vector<std::string>{"pause", "beende"}));
  // Closed: the marks stay and no reminder follows.
  standard.spz = 1;
  Pass(60 * kMinute);
  EXPECT_TRUE(lauf.BeendenAngefordert());
  EXPECT_TRUE(lauf.FrageMarke());
  EXPECT_EQ(ziel.protokoll.size(), 2u);
}

}  // namespace
}  // namespace kolvar
