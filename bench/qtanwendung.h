// The one QApplication of a GUI benchmark program, offscreen unless a platform is set.
#pragma once

#include <QApplication>

namespace kolvar {

inline QApplication& BenchAnwendung() {
  static int argc = 1;
  static char name[] = "bench_gui";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: at exit Qt's own statics are gone before a static application would be,
  // and its teardown would run Qt's clean-ups on them. The process ends right after anyway.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace kolvar
