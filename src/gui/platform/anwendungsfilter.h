// An event filter that watches every window of the application, installed once: it lives with
// the application, and a new application (each test's) gets a new one.
#pragma once

#include <QCoreApplication>
#include <QPointer>

namespace kolvar {

template <typename Filter>
void AnwendungsFilterEinrichten() {
  static QPointer<Filter> filter;
  if (!filter.isNull() || QCoreApplication::instance() == nullptr) return;
  filter = new Filter(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace kolvar
