#include "app/menuebefehle.h"

#include <QApplication>

#include "app/dialogregister.h"
#include "app/fensterverwaltung.h"
#include "app/frageform.h"
#include "app/kolvarpalette.h"
#include "model/ifenster.h"
#include "model/schule.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/kindfenster.h"

namespace kolvar {

TMenueBefehle::TMenueBefehle(TKolvarPalette& palette) : palette_(palette) {}

TKindFenster* TMenueBefehle::AktivesFenster() const {
  return dynamic_cast<TKindFenster*>(palette_.Schule().AktivesFenster());
}

void TMenueBefehle::WiderrufenItemClick() {
  TSchule& schule = palette_.Schule();
  if (schule.ManuellFenster() != nullptr) {
    schule.Widerrufe();
    palette_.SetzeWiderrufenAktiv(false);
    if (IManuellFenster* manuell = schule.ManuellFenster()) manuell->ErsterKursAktuell();
    return;
  }
  TDienste::Dialoge().Hinweis(QStringLiteral("WinKolvar"), QStringLiteral("Noch nicht implementiert!"),
                              TMeldungsArt::Information);
}

void TMenueBefehle::UndoLoeschenItemClick() {
  palette_.Schule().VerwerfeUndo();
  palette_.SetzeWiderrufenAktiv(false);
}

void TMenueBefehle::AusschneidenItemClick() {
  TKindFenster* aktiv = AktivesFenster();
  if (aktiv == nullptr || !palette_.FensterArten().FuehreAus(TFensterBefehl::Ausschneiden, *aktiv))
    QApplication::beep();
}

void TMenueBefehle::EinsetzenItemClick() {
  TKindFenster* aktiv = AktivesFenster();
  if (aktiv == nullptr || !palette_.FensterArten().FuehreAus(TFensterBefehl::Einsetzen, *aktiv))
    ZeigeEinfuegeFehler();
}

void TMenueBefehle::KopierenItemClick() {
  if (TKindFenster* aktiv = AktivesFenster())
    palette_.FensterArten().FuehreAus(TFensterBefehl::Kopieren, *aktiv);
  else
    QApplication::beep();
}

void TMenueBefehle::AllesAuswaehlenItemClick() {
  if (TKindFenster* aktiv = AktivesFenster())
    palette_.FensterArten().FuehreAus(TFensterBefehl::AllesAuswaehlen, *aktiv);
}

void TMenueBefehle::FensterDruckenItemClick() {
  if (TKindFenster* aktiv = AktivesFenster())
    palette_.FensterArten().FuehreAus(TFensterBefehl::Drucken, *aktiv);
}

void TMenueBefehle::KennwortItemClick() {
  palette_.DialogRegister().Oeffne(DialogName::Kennwort);
}

}  // namespace kolvar
