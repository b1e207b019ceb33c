#include "app/guidialoge.h"

#include <QString>

#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "views/setzdialoge.h"

namespace kolvar {

namespace {

QString Teil(const std::vector<std::string>& texte, std::size_t i) {
  return i < texte.size() ? QString::fromStdString(texte[i]) : QString();
}

QString MitTexten(TDialog art, const std::vector<std::string>& texte) {
  QString text = QString::fromStdString(DialogText(art));
  for (const std::string& t : texte) text += QLatin1Char('\n') + QString::fromStdString(t);
  return text;
}

}  // namespace

int TGuiDialoge::Frage(TDialog art, const std::vector<std::string>& texte) {
  if (int ergebnis = 0; ZeigePlanungsDialog(art, texte, ergebnis)) return ergebnis;
  IDialogDienst& dienst = TDienste::Dialoge();
  const QString titel = QStringLiteral("WinKolvar");
  switch (art) {
    case TDialog::VersionenLoeschen:
      return dienst.Frage(titel, QString::fromStdString(DialogText(art)), knJa | knNein,
                          TMeldungsArt::Warnung, knNein);
    case TDialog::KursVerplant:
      return dienst.Frage(QString::fromStdString(DialogText(art)),
                          Teil(texte, 0) + QStringLiteral("\nSollen die verplanten Stunden gelöscht werden?"),
                          knJa | knNein, TMeldungsArt::Frage, knNein);
    case TDialog::KursImRaumplan:
      return dienst.Frage(QString::fromStdString(DialogText(art)),
                          QStringLiteral("Der Kurs ") + Teil(texte, 0) +
                              QStringLiteral(" ist schon im Plan von Raum ") + Teil(texte, 1) +
                              QStringLiteral(".\nSoll der Raum trotzdem aus dem Kurs entfernt werden?"),
                          knJa | knNein, TMeldungsArt::Frage, knNein);
    default:
      return dienst.Frage(titel, MitTexten(art, texte), knJa | knNein, TMeldungsArt::Frage, knNein);
  }
}

void TGuiDialoge::Melde(TDialog art, const std::vector<std::string>& texte) {
  if (int ergebnis = 0; ZeigePlanungsDialog(art, texte, ergebnis)) return;
  IDialogDienst& dienst = TDienste::Dialoge();
  switch (art) {
    case TDialog::FachEntfernen:
      dienst.Hinweis(QStringLiteral("Fehler"), QString::fromStdString(DialogText(art)), TMeldungsArt::Fehler);
      return;
    case TDialog::LehrerDoppelt:
      dienst.Hinweis(
          QString::fromStdString(DialogText(art)),
          QStringLiteral("Lehrer ") + Teil(texte, 0) + QStringLiteral(" in Kopplung ") + Teil(texte, 1),
          TMeldungsArt::Fehler);
      return;
    default:
      dienst.Hinweis(QStringLiteral("WinKolvar"), MitTexten(art, texte), TMeldungsArt::Information);
      return;
  }
}

}  // namespace kolvar
