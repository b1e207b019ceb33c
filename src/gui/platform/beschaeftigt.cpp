#include "platform/beschaeftigt.h"

#include <QCursor>
#include <QGuiApplication>

namespace kolvar {

TSanduhr::TSanduhr() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

TSanduhr::~TSanduhr() {
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace kolvar
