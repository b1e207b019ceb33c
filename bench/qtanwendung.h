// The one QApplication of a GUI benchmark program, offscreen unless a platform is set.
#pragma once

#include <QApplication>

namespace kolvar {

inline QApplication& BenchAnwendung() {
  static int argc = 1;
  static char name[] = "bench_gui";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

}  // namespace kolvar
