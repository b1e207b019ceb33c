// WinKolvar: the palette with the school named by the first argument.
#include <QApplication>

#include "app/programm.h"
#include "app/schuldateien.h"
#include "installation.h"
#include "platform/inieinstellungsspeicher.h"
#include "storage/dateigrenze.h"

int main(int argc, char** argv) {
  kolvar::IgnoriereDateigrenzenSignal();
  QApplication app(argc, argv);
  kolvar::TIniEinstellungsSpeicher speicher;
  kolvar::TSchulDateien dateien;
  kolvar::TProgramm programm(speicher, dateien, kolvar::InstalliereFunktionen);
  if (!programm.Starte(QApplication::arguments())) return 0;
  return QApplication::exec();
}
