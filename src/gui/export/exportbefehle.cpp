#include "export/exportbefehle.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "export/exportform.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/dateidienst.h"
#include "platform/dienste.h"

namespace kolvar {

void KurseClick(IInstallation& inst) {
  TStandard& standard = inst.Standard();
  TDateiAuswahl auswahl{QStringLiteral("Exportieren als"), QStringLiteral("Textdateien (*.TXT)|*.txt"),
                        QStringLiteral("txt"), QString::fromStdString(standard.ipf),
                        QStringLiteral("Ohne Titel")};
  const QString pfad = TDienste::Dateien().Sichern(auswahl);
  // A cancelled dialog changes nothing, not even the remembered folder.
  if (pfad.isEmpty()) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  standard.ipf = QFileInfo(pfad).absolutePath().toStdString();
  TSanduhr sanduhr;
  TExportForm form(QFileInfo(pfad).fileName(), inst.Hauptfenster());
  form.ZeigeSofort();
  form.close();
}

void HTMLDateienClick(IInstallation& inst) {
  TStandard& standard = inst.Standard();
  TDateiAuswahl auswahl{QStringLiteral("Exportieren in den Ordner"), QString(), QString(),
                        QString::fromStdString(standard.hpf), QStringLiteral("HTML Ordner")};
  const QString pfad = TDienste::Dateien().Sichern(auswahl);
  if (pfad.isEmpty()) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  standard.hpf = QFileInfo(pfad).absolutePath().toStdString();
  TSanduhr sanduhr;
  THTMLForm form(standard, QFileInfo(pfad).absoluteFilePath(), inst.Hauptfenster());
  form.ZeigeSofort();
  form.close();
}

void InstalliereExport(IInstallation& inst) {
  TMenueBaum& menues = inst.Menues();
  menues.SetzeBefehl(MenuePfad::ExportKurse, [&inst] { KurseClick(inst); });
  menues.SetzeBefehl(MenuePfad::ExportHtml, [&inst] { HTMLDateienClick(inst); });
}

}  // namespace kolvar
