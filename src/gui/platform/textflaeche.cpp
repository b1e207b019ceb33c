#include "platform/textflaeche.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kolvar {

QPlainTextEdit* TextFlaecheAnlegen(QWidget* fenster) {
  auto* layout = new QVBoxLayout(fenster);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* inhalt = new QPlainTextEdit(fenster);
  inhalt->setObjectName(QStringLiteral("Inhalt"));
  inhalt->setReadOnly(true);
  inhalt->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(inhalt);
  return inhalt;
}

}  // namespace kolvar
