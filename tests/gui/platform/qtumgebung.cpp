// One QApplication for every test of this program, created before the first test runs.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/dienste.h"

namespace {

class QtUmgebung : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_gui_platform";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
  }
  void TearDown() override {
    kolvar::TDienste::Zuruecksetzen();
    delete app_;
  }

 private:
  QApplication* app_ = nullptr;
};

[[maybe_unused]] auto* const umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);

}  // namespace
