#include "planumgebung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "support/modellpruefung.h"
#include "views/planfenster.h"

namespace kolvar {

PlanTest::PlanTest(int versionen) {
  TDienste::SetzeShift(&palette);
  InstallierePlanDialoge(guiDialoge);
  standard.SetVersionszahl(versionen);
  standard.SetTageProWoche(5);
  standard.pst = 6;
  schule = std::make_unique<TSchule>(standard, TUmgebung{&guiDialoge, &palette, &uhr});
  TSchule& s = *schule;
  mue = s.NeuerLehrer("MUE");
  sch = s.NeuerLehrer("SCH");
  ber = s.NeuerLehrer("BER");
  k5a = s.NeueKlasse("5a");
  k5b = s.NeueKlasse("5b");
  spo = s.NeueKopplung("SPO");
  de = s.NeuesFach("De");
  ma = s.NeuesFach("Ma");
  sp = s.NeuesFach("Sp");
  r101 = s.NeuerRaum("R101");
  r102 = s.NeuerRaum("R102");
  th = s.NeuerRaum("TH");
  const bool eaw = standard.eaw();
  standard.SetNurAktuelleVersion(false);  // hours in every version
  deutsch5a = s.ErzeugeKurs(mue, k5a, nullptr, de, r101, 4);
  mathe5a = s.ErzeugeKurs(sch, k5a, nullptr, ma, r101, 4);
  mathe5b = s.ErzeugeKurs(mue, k5b, nullptr, ma, r102, 3);
  sportSch = s.ErzeugeKurs(sch, k5a, spo, sp, th, 2);
  sportSch->FuegeKlasseHinzu(k5b);
  sportBer = s.ErzeugeKurs(ber, k5a, spo, sp, r102, 2);
  sportBer->FuegeKlasseHinzu(k5b);
  deutsch5b = s.ErzeugeKurs(ber, k5b, nullptr, de, nullptr, 2);
  standard.SetNurAktuelleVersion(eaw);
  deutsch5a->SetzeFarbe(0x00FFCC99);  // light blue as 0x00BBGGRR
  s.SetzeGeaendert(false);
}

QPoint PlanTest::Mitte(const TPlnForm& f, int tag, int stunde) {
  f.PlnGrid->ZeigeZelle(tag, stunde);
  return f.PlnGrid->ZellRechteck(tag, stunde).center();
}

namespace {
void Sende(TPlnForm& f, QEvent::Type art, QPoint ort, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
           Qt::KeyboardModifiers m) {
  QWidget* ziel = f.PlnGrid->viewport();
  QMouseEvent ereignis(art, QPointF(ort), QPointF(ziel->mapToGlobal(ort)), knopf, knoepfe, m);
  QApplication::sendEvent(ziel, &ereignis);
}
}  // namespace

void PlanTest::Druecke(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m, Qt::MouseButton knopf) {
  Sende(f, QEvent::MouseButtonPress, Mitte(f, tag, stunde), knopf, knopf, m);
}

void PlanTest::LasseLos(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m, Qt::MouseButton knopf) {
  Sende(f, QEvent::MouseButtonRelease, Mitte(f, tag, stunde), knopf, Qt::NoButton, m);
}

void PlanTest::Klicke(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m) {
  Druecke(f, tag, stunde, m);
  LasseLos(f, tag, stunde, m);
}

void PlanTest::Doppelklicke(TPlnForm& f, int tag, int stunde, Qt::KeyboardModifiers m) {
  Klicke(f, tag, stunde, m);
  Sende(f, QEvent::MouseButtonDblClick, Mitte(f, tag, stunde), Qt::LeftButton, Qt::LeftButton, m);
  LasseLos(f, tag, stunde, m);
}

void PlanTest::Ziehe(TPlnForm& f, int vonTag, int vonStunde, int zuTag, int zuStunde,
                     Qt::KeyboardModifiers m) {
  Druecke(f, vonTag, vonStunde);
  const QPoint ziel = f.PlnGrid->ZellRechteck(zuTag, zuStunde).center();
  Sende(f, QEvent::MouseMove, ziel, Qt::NoButton, Qt::LeftButton, m);
  Sende(f, QEvent::MouseButtonRelease, ziel, Qt::LeftButton, Qt::NoButton, m);
}

void PlanTest::TearDown() {
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(popups.Fehler().isEmpty()) << popups.Fehler().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(dialoge.AllesBeantwortet());
  Gesund();
}

void PlanTest::Antworte(const QString& titel, const QString& knopf, TGezeigt* gezeigt) {
  dialoge.Bediene(titel, [knopf, gezeigt](TKvDialog& d) {
    if (gezeigt != nullptr) {
      for (const QLabel* zeile : d.findChildren<QLabel*>()) gezeigt->felder << zeile->text();
      for (const TGitter* liste : d.findChildren<TGitter*>())
        for (int i = 0; i < liste->Zeilen(); ++i) gezeigt->zeilen << liste->Text(0, i);
    }
    ASSERT_NE(d.Knopf(knopf), nullptr) << knopf.toStdString();
    d.Knopf(knopf)->click();
  });
}

void PlanTest::Gesund() {
  for (const std::string& fehler : PruefeModell(*schule)) ADD_FAILURE() << fehler;
}

}  // namespace kolvar
