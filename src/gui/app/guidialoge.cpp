#include "app/guidialoge.h"

#include <QStringList>
#include <memory>

#include "app/frageform.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"

namespace kolvar {

namespace {

using TKnopfDaten = TFrageForm::TKnopfDaten;

QStringList Texte(const std::vector<std::string>& texte, std::size_t ab = 0) {
  QStringList liste;
  for (std::size_t i = ab; i < texte.size(); ++i) liste << QString::fromStdString(texte[i]);
  return liste;
}

QString Teil(const std::vector<std::string>& texte, std::size_t i) {
  return i < texte.size() ? QString::fromStdString(texte[i]) : QString();
}

QString Titel(TDialog art) {
  return QString::fromStdString(DialogText(art));
}

const std::vector<TKnopfDaten> kJaNein{{QStringLiteral("Ja"), mrJa, false, false},
                                       {QStringLiteral("Nein"), mrNein, true, true}};
const std::vector<TKnopfDaten> kOk{{QStringLiteral("Ok"), mrOk, true, true}};

// The dialog of one request of the core, built from its texts.
std::unique_ptr<TFrageForm> Baue(TDialog art, const std::vector<std::string>& t) {
  switch (art) {
    case TDialog::VersionenLoeschen:
      return std::make_unique<TFrageForm>(QStringLiteral("Planversionen"), QStringList{Titel(art)}, kJaNein);
    case TDialog::FachEntfernen:
      return std::make_unique<TFrageForm>(QStringLiteral("Fehler"), QStringList{Titel(art)}, kOk);
    case TDialog::LehrerDoppelt:
      return std::make_unique<TFrageForm>(Titel(art), QStringList{Teil(t, 0), Teil(t, 1)}, kOk);
    case TDialog::KursVerplant:
      return std::make_unique<TFrageForm>(
          Titel(art),
          QStringList{QStringLiteral("Der Kurs"), Teil(t, 1), QStringLiteral("ist verplant."),
                      QStringLiteral("Sollen die verplanten Stunden gelöscht werden?")},
          kJaNein);
    case TDialog::VersionZuAlt:
    case TDialog::VersionZuNeu:
      return std::make_unique<TFrageForm>(QStringLiteral("Fehler"), QStringList{Titel(art)}, kOk);
    case TDialog::LehrerFehlt:
    case TDialog::RaumBesetzt:
      return std::make_unique<TFrageForm>(Titel(art), Texte(t), kJaNein);
    case TDialog::Setzungsverbot:
    case TDialog::Verdraengen:
    case TDialog::KursLoeschen:
    case TDialog::Raumtausch:
    case TDialog::KursImRaumplan:
      break;  // the plan views register their placing dialogs for these
    case TDialog::UnbekannteKuerzel:
      return std::make_unique<TFrageForm>(
          Teil(t, 0), Texte(t, 1),
          std::vector<TKnopfDaten>{{QStringLiteral("Ja"), mrJa, true, false},
                                   {QStringLiteral("Nein"), mrNein, false, true}});
    case TDialog::FalschesFormat:
      return std::make_unique<TFrageForm>(Teil(t, 0), Texte(t, 1), kOk);
    case TDialog::StundenLoeschen:
      break;  // the plan tools register theirs
  }
  // A request this program does not know yet still reaches the user.
  return std::make_unique<TFrageForm>(QStringLiteral("WinKolvar"), Texte(t), kJaNein);
}

}  // namespace

void TGuiDialoge::Registriere(TDialog art, TAntwort antwort) {
  eigene_[art] = std::move(antwort);
}

int TGuiDialoge::Frage(TDialog art, const std::vector<std::string>& texte) {
  if (auto it = eigene_.find(art); it != eigene_.end() && it->second) return it->second(texte);
  return Baue(art, texte)->Zeige();
}

void TGuiDialoge::Melde(TDialog art, const std::vector<std::string>& texte) {
  if (auto it = eigene_.find(art); it != eigene_.end() && it->second) {
    it->second(texte);
    return;
  }
  Baue(art, texte)->Zeige();
}

}  // namespace kolvar
