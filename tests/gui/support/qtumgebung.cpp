// One QApplication for every GUI test program, with the settings folder in a temporary
// place so that no test touches the user's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/dienste.h"

namespace {

class QtUmgebung : public ::testing::Environment {
 public:
  void SetUp() override {
    ordner_ = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", ordner_->path().toUtf8());
    static int argc = 1;
    static char name[] = "winkolvar-test";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
  }
  void TearDown() override {
    kolvar::TDienste::Zuruecksetzen();
    delete app_;
    delete ordner_;
  }

 private:
  QApplication* app_ = nullptr;
  QTemporaryDir* ordner_ = nullptr;
};

[[maybe_unused]] auto* const umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);

}  // namespace
