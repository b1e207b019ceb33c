// Dialogs that features bring, opened by name: the file commands run the set-up dialogs of a
// new school where the program has them, menu entries open them, and a feature registers its
// own without app/ knowing its class.
#pragma once

#include <QHash>
#include <QString>
#include <functional>

namespace kolvar {

// The names dialogs are registered and opened by.
namespace DialogName {
inline const QString Eckdaten = QStringLiteral("Eckdaten");
inline const QString Grunddaten = QStringLiteral("Grunddaten");
inline const QString KursVorgaben = QStringLiteral("Kurse");
inline const QString Kennwort = QStringLiteral("Kennwort");
inline const QString Kuerzel = QStringLiteral("Kürzel");
}  // namespace DialogName

class TDialogRegister {
 public:
  // Shows the dialog modally and returns its modal result.
  using TOeffner = std::function<int()>;

  // A second dialog under the same name replaces the first.
  void Registriere(const QString& name, TOeffner oeffner);
  bool Hat(const QString& name) const;
  // The dialog's modal result; mrKeins (0) when none is registered under the name.
  int Oeffne(const QString& name) const;

 private:
  QHash<QString, TOeffner> oeffner_;
};

}  // namespace kolvar
