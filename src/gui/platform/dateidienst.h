// Open and save dialogs, replaceable in tests.
#pragma once

#include <QString>
#include <QStringList>

namespace kolvar {

// The school file filter in the program's own notation: description|pattern, pairs joined by '|'.
inline const QString kKolvarFilter = QStringLiteral("Kolvar-Dateien (*.KVR)|*.kvr");
// New files get the lower-case suffix the filter's pattern matches; Linux names keep case.
inline const QString kKolvarEndung = QStringLiteral("kvr");

struct TDateiAuswahl {
  QString titel;
  QString filter;  // "Beschreibung (*.X)|*.x|..."
  QString endung;  // appended when the name has no suffix
  QString ordner;
  QString name;
};

// Qt name filters from description|pattern pairs; each pattern is offered in upper and lower
// case, since Linux file names are case-sensitive.
QStringList QtFilter(const QString& filter);
// The path with ".endung" appended when its file name has no suffix.
QString MitEndung(const QString& pfad, const QString& endung);

class IDateiDienst {
 public:
  virtual ~IDateiDienst() = default;
  // The chosen path, or an empty string when cancelled.
  virtual QString Oeffnen(const TDateiAuswahl& auswahl) = 0;
  virtual QString Sichern(const TDateiAuswahl& auswahl) = 0;
};

class TQtDateiDienst : public IDateiDienst {
 public:
  QString Oeffnen(const TDateiAuswahl& auswahl) override;
  QString Sichern(const TDateiAuswahl& auswahl) override;
};

}  // namespace kolvar
