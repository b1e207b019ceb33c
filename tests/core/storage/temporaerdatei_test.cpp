// The temporary file of a save killed half-way: it stays until the next save into its folder,
// which removes it and nothing else.
#include "storage/temporaerdatei.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "storage/buffer.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;

std::string Lies(const fs::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Schreibe(const fs::path& datei, const std::string& text) {
  std::ofstream(datei, std::ios::binary) << text;
}

TBuffer Bytes(std::size_t anzahl, uint8_t wert) {
  return TBuffer(std::vector<uint8_t>(anzahl, wert));
}

// Saves in a child process that is killed the moment its file passes 4 KB, in the middle of the
// save; its process id, the process reaped.
pid_t SichereUndWerdeGetoetet(const fs::path& datei) {
  const pid_t kind = ::fork();
  if (kind == 0) {
    struct sigaction toeten {};
    toeten.sa_handler = [](int) { ::kill(::getpid(), SIGKILL); };
    sigemptyset(&toeten.sa_mask);
    ::sigaction(SIGXFSZ, &toeten, nullptr);
    const rlimit grenze{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &grenze);
    try {
      Bytes(64 * 1024, 2).Speichere(datei);
    } catch (...) {
    }
    ::_exit(0);
  }
  int status = 0;
  EXPECT_EQ(::waitpid(kind, &status, 0), kind);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "killed while saving";
  return kind;
}

class TemporaerDateiTest : public testing::Test {
 protected:
  void SetUp() override {
    ordner_ = fs::temp_directory_path() / ("kolvar-temporaer-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(ordner_);
    fs::create_directories(ordner_);
  }
  void TearDown() override {
    if (lebendig_ > 0) {
      ::kill(lebendig_, SIGKILL);
      ::waitpid(lebendig_, nullptr, 0);
    }
    fs::remove_all(ordner_);
  }
  std::set<std::string> Namen() const {
    std::set<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner_)) namen.insert(e.path().filename().string());
    return namen;
  }
  // A process that runs until the test ends it.
  pid_t Lebendig() {
    lebendig_ = ::fork();
    if (lebendig_ == 0) {
      for (;;) ::pause();
    }
    return lebendig_;
  }
  void Beende(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    lebendig_ = 0;
  }

  fs::path ordner_;
  pid_t lebendig_ = 0;
};

TEST_F(TemporaerDateiTest, TheNextSaveRemovesWhatAKilledSaveLeftAndNothingElse) {
  const fs::path schule = ordner_ / "schule.kvr";
  Bytes(100, 1).Speichere(schule);
  const pid_t tot = SichereUndWerdeGetoetet(schule);
  const std::string verwaist = TemporaerName(tot, 0);
  ASSERT_TRUE(fs::is_regular_file(ordner_ / verwaist)) << "the killed save's file is left";
  EXPECT_EQ(fs::file_size(ordner_ / verwaist), 4096u);
  EXPECT_EQ(TBuffer::Oeffne(schule).Daten(), std::vector<uint8_t>(100, 1)) << "the school stays whole";

  // What must stay: a running save's file, this process's, another machine's, other programs',
  // names that only look alike, and whatever is no plain file.
  const pid_t laeuft = Lebendig();
  const std::string laufend = TemporaerName(laeuft, 0);
  const std::vector<std::string> bleiben{laufend,
                                         TemporaerName(::getpid(), 7),
                                         ".kolvar-anderer-rechner-" + std::to_string(tot) + "-0.tmp",
                                         "notizen.tmp",
                                         ".kolvar.tmp",
                                         verwaist + ".bak",
                                         verwaist.substr(1),
                                         TemporaerName(tot, 0).insert(TemporaerName(tot, 0).size() - 4, "x"),
                                         "ziel"};
  for (const std::string& name : bleiben) Schreibe(ordner_ / name, name);
  fs::create_directory(ordner_ / TemporaerName(tot, 1));
  fs::create_symlink("ziel", ordner_ / TemporaerName(tot, 2));
  std::set<std::string> erwartet(bleiben.begin(), bleiben.end());
  erwartet.insert({"schule.kvr", TemporaerName(tot, 1), TemporaerName(tot, 2)});

  Bytes(200, 3).Speichere(schule);
  EXPECT_EQ(TBuffer::Oeffne(schule).Daten(), std::vector<uint8_t>(200, 3));
  EXPECT_EQ(Namen(), erwartet);
  for (const std::string& name : bleiben) EXPECT_EQ(Lies(ordner_ / name), name) << name;
  EXPECT_TRUE(fs::is_symlink(ordner_ / TemporaerName(tot, 2)));

  // Once that save's process has ended too, the next save takes its file as well.
  Beende(laeuft);
  Bytes(10, 4).Speichere(schule);
  erwartet.erase(laufend);
  EXPECT_EQ(Namen(), erwartet);
}

// Saving into another folder leaves this one's alone.
TEST_F(TemporaerDateiTest, OnlyTheFolderSavedIntoIsCleared) {
  fs::create_directory(ordner_ / "anderer");
  const pid_t tot = SichereUndWerdeGetoetet(ordner_ / "a.kvr");
  ASSERT_TRUE(fs::exists(ordner_ / TemporaerName(tot, 0)));
  Bytes(10, 1).Speichere(ordner_ / "anderer" / "b.kvr");
  EXPECT_TRUE(fs::exists(ordner_ / TemporaerName(tot, 0)));
  Bytes(10, 1).Speichere(ordner_ / "a.kvr");
  EXPECT_FALSE(fs::exists(ordner_ / TemporaerName(tot, 0)));
}

}  // namespace
}  // namespace kolvar
