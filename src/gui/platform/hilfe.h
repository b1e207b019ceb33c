// The help commands. The help is an HTML file shown in our own viewer; without it installed the
// user is told so.
#pragma once

#include <QPointer>
#include <QStringList>

#include <QTextBrowser>

namespace kolvar {

class IHilfe {
 public:
  virtual ~IHilfe() = default;
  // "Hilfethemen": the contents of the help.
  virtual void Themen() = 0;
  // Closes the viewer when the program ends.
  virtual void Schliesse() = 0;
};

class TQtHilfe : public IHilfe {
 public:
  // Folders searched for the help file; by default beside the program and in the data folders.
  TQtHilfe();
  explicit TQtHilfe(QStringList ordner) : ordner_(std::move(ordner)) {}

  void Themen() override;
  void Schliesse() override;
  // The help file found, or an empty string.
  QString Datei() const;
  QTextBrowser* Anzeige() const { return anzeige_; }

 private:
  QStringList ordner_;
  QPointer<QTextBrowser> anzeige_;
};

inline const QString kHilfeDateiName = QStringLiteral("winkolvar-hilfe.html");
inline const QString kKeineHilfeText = QStringLiteral("Für WinKolvar ist keine Hilfedatei installiert.");

}  // namespace kolvar
