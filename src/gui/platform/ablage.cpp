#include "platform/ablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace kolvar {

bool TQtAblage::HatText() const {
  const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
  return daten != nullptr && daten->hasText();
}

QString TQtAblage::Text() const {
  return QGuiApplication::clipboard()->text();
}

void TQtAblage::SetzeText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

}  // namespace kolvar
