#include "platform/dateidienst.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/kvform.h"

namespace kolvar {

QStringList QtFilter(const QString& filter) {
  QStringList ergebnis;
  const QStringList teile = filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < teile.size(); i += 2) {
    QString beschreibung = teile[i].trimmed();
    QStringList muster;
    static const QRegularExpression klammer(QStringLiteral("\\s*\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch treffer = klammer.match(beschreibung);
    if (treffer.hasMatch()) {
      muster += treffer.captured(1).split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
      beschreibung.truncate(treffer.capturedStart());
    }
    muster += teile[i + 1].split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
    QStringList alle;
    for (const QString& m : muster)
      for (const QString& form : {m, m.toLower(), m.toUpper()})
        if (!alle.contains(form)) alle << form;
    ergebnis << QStringLiteral("%1 (%2)").arg(beschreibung, alle.join(QLatin1Char(' ')));
  }
  return ergebnis;
}

QString MitEndung(const QString& pfad, const QString& endung) {
  if (pfad.isEmpty() || endung.isEmpty() || !QFileInfo(pfad).suffix().isEmpty()) return pfad;
  return pfad + QLatin1Char('.') + endung;
}

namespace {
QString Frage(const TDateiAuswahl& auswahl, QFileDialog::AcceptMode modus) {
  // Owned by the dialog or window in front, so the window manager keeps it above that one.
  QWidget* vorne = QApplication::activeModalWidget();
  if (vorne == nullptr) vorne = QApplication::activeWindow();
  QFileDialog dialog(vorne, auswahl.titel, auswahl.ordner);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(modus);
  dialog.setFileMode(modus == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilters(QtFilter(auswahl.filter));
  dialog.setDefaultSuffix(auswahl.endung);
  if (!auswahl.name.isEmpty()) dialog.selectFile(auswahl.name);
  const TFreigabeAufschub aufschub;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}
}  // namespace

QString TQtDateiDienst::Oeffnen(const TDateiAuswahl& auswahl) {
  return Frage(auswahl, QFileDialog::AcceptOpen);
}

QString TQtDateiDienst::Sichern(const TDateiAuswahl& auswahl) {
  return MitEndung(Frage(auswahl, QFileDialog::AcceptSave), auswahl.endung);
}

}  // namespace kolvar
