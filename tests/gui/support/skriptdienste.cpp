#include "gui/support/skriptdienste.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QTimer>
#include <utility>

#include "platform/kvdialog.h"
#include "platform/kvform.h"

namespace kolvar {

namespace {
constexpr TKnopf kAlleKnoepfe[] = {knOk, knJa, knNein, knAbbrechen};

QString ArtText(TMeldungsArt art) {
  switch (art) {
    case TMeldungsArt::Warnung:
      return QStringLiteral("Warnung");
    case TMeldungsArt::Fehler:
      return QStringLiteral("Fehler");
    case TMeldungsArt::Frage:
      return QStringLiteral("Frage");
    case TMeldungsArt::Information:
      break;
  }
  return QStringLiteral("Information");
}
}  // namespace

bool TSkriptDialogDienst::NaechsterSchritt(const QStringList& namen, Schritt& schritt) {
  if (schritte_.empty()) {
    fehler_ << QStringLiteral("unerwartet: %1").arg(namen.value(0));
    return false;
  }
  schritt = std::move(schritte_.front());
  schritte_.pop_front();
  if (!schritt.erwartet.isEmpty() && !namen.contains(schritt.erwartet)) {
    fehler_ << QStringLiteral("erwartet %1, gezeigt %2").arg(schritt.erwartet, namen.value(0));
    return false;
  }
  return true;
}

int TSkriptDialogDienst::ZeigeDialog(TKvDialog& dialog) {
  protokoll_ << dialog.windowTitle();
  Schritt schritt;
  const QStringList namen{dialog.windowTitle(), dialog.objectName(),
                          QString::fromLatin1(dialog.metaObject()->className())};
  if (!NaechsterSchritt(namen, schritt)) return mrAbbrechen;
  if (schritt.handlung) {
    schritt.handlung(dialog);
  } else if (!schritt.knopf.isEmpty()) {
    QAbstractButton* knopf = dialog.Knopf(schritt.knopf);
    if (knopf == nullptr || !knopf->isEnabled()) {
      fehler_ << QStringLiteral("%1: kein Knopf %2").arg(dialog.windowTitle(), schritt.knopf);
      return mrAbbrechen;
    }
    knopf->click();
  } else {
    dialog.done(schritt.ergebnis);
  }
  // A dialog that was left without a result counts as closed by its close box.
  return dialog.result() == mrKeins ? mrAbbrechen : dialog.result();
}

int TSkriptDialogDienst::Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
                               TKnopf) {
  protokoll_ << QStringLiteral("%1: %2").arg(titel, text);
  Schritt schritt;
  if (!NaechsterSchritt({titel, text, ArtText(art)}, schritt)) return mrAbbrechen;
  int ergebnis = schritt.ergebnis;
  if (!schritt.knopf.isEmpty()) {
    ergebnis = -1;
    for (TKnopf k : kAlleKnoepfe)
      if (KnopfText(k) == schritt.knopf) ergebnis = ErgebnisVonKnopf(k);
  }
  // Closing the box answers mrAbbrechen only where the Qt box lets it close: with "Abbrechen"
  // or on a plain notice.
  bool angeboten = ergebnis == mrAbbrechen && (knoepfe == knOk || (knoepfe & knAbbrechen));
  for (TKnopf k : kAlleKnoepfe)
    if ((knoepfe & k) && ErgebnisVonKnopf(k) == ergebnis) angeboten = true;
  if (!angeboten) {
    fehler_ << QStringLiteral("%1: Antwort %2 nicht angeboten").arg(titel).arg(ergebnis);
    return mrAbbrechen;
  }
  return ergebnis;
}

TPopupWahl TSkriptPopupDienst::Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                                     int spaltenHoehe) {
  Angebot angebot;
  angebot.ort = global;
  angebot.spaltenHoehe = spaltenHoehe;
  for (const TPopupEintrag& e : eintraege) {
    angebot.texte << e.text;
    angebot.aktiv.push_back(e.aktiv && !e.trenner);
    angebot.haken.push_back(e.haken);
    QStringList unter;
    for (const TPopupEintrag& u : e.unter) unter << u.text;
    angebot.unter.push_back(unter);
  }
  angebote_.push_back(angebot);
  // As a real pop-up: its own event loop runs while it is open, and windows closed meanwhile
  // wait to be freed until it has returned.
  const TFreigabeAufschub aufschub;
  if (std::function<void()> handlung = std::exchange(waehrend_, {})) {
    QEventLoop schleife;
    QTimer::singleShot(0, &schleife, [&schleife, &handlung] {
      handlung();
      // One more round, for what the handling posted (deferred deletes among it).
      QTimer::singleShot(0, &schleife, &QEventLoop::quit);
    });
    schleife.exec();
  }
  if (antworten_.empty()) {
    fehler_ << QStringLiteral("unerwartetes Menü: %1").arg(angebot.texte.join(QLatin1Char('|')));
    return {};
  }
  const Antwort antwort = antworten_.front();
  antworten_.pop_front();
  int index = antwort.index;
  if (!antwort.text.isNull()) index = static_cast<int>(angebot.texte.indexOf(antwort.text));
  if (antwort.text.isNull() && antwort.index < 0) return {};
  const QString gewuenscht = antwort.text.isNull() ? QString::number(antwort.index) : antwort.text;
  if (index < 0 || index >= static_cast<int>(eintraege.size()) || !angebot.aktiv[index]) {
    fehler_ << QStringLiteral("nicht wählbar: %1").arg(gewuenscht);
    return {};
  }
  const std::vector<TPopupEintrag>& unter = eintraege[index].unter;
  if (unter.empty() != antwort.unter.isNull()) {
    fehler_ << QStringLiteral("Untermenü passt nicht: %1 / %2").arg(gewuenscht, antwort.unter);
    return {};
  }
  if (unter.empty()) return {index, -1};
  const int j = static_cast<int>(angebot.unter[index].indexOf(antwort.unter));
  if (j < 0 || !unter[j].aktiv || unter[j].trenner) {
    fehler_ << QStringLiteral("nicht wählbar: %1 / %2").arg(gewuenscht, antwort.unter);
    return {};
  }
  return {index, j};
}

QString TSkriptDateiDienst::Naechste(const TDateiAuswahl& auswahl) {
  anfragen_.push_back(auswahl);
  if (antworten_.empty()) return {};
  QString pfad = antworten_.front();
  antworten_.pop_front();
  return pfad;
}

QString TSkriptDateiDienst::Oeffnen(const TDateiAuswahl& auswahl) {
  return Naechste(auswahl);
}

QString TSkriptDateiDienst::Sichern(const TDateiAuswahl& auswahl) {
  return MitEndung(Naechste(auswahl), auswahl.endung);
}

void TFesteQtUhr::Vorruecken(std::int64_t millisekunden) {
  if (millisekunden < 0) return;  // time only moves on
  monoton_ += millisekunden;
  rest_ += millisekunden;
  jetzt_ += rest_ / 1000;
  rest_ %= 1000;
}

}  // namespace kolvar
