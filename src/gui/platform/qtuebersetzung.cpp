#include "platform/qtuebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kolvar {

std::unique_ptr<QTranslator> LadeQtUebersetzung() {
  auto uebersetzung = std::make_unique<QTranslator>();
  // German whatever the system's language: the program's own texts are German too. "qt_de"
  // pulls in the catalogues of every Qt module.
  if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qt"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return nullptr;
  if (!QCoreApplication::installTranslator(uebersetzung.get())) return nullptr;
  return uebersetzung;
}

}  // namespace kolvar
