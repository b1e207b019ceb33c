#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/einstellungsdialog.h"
#include "platform/kvdialog.h"
#include "platform/popupdienst.h"

namespace kolvar {
namespace {

// A save question shaped like the program's: "Ja" is default and cancel button.
class TFrageDialog : public TKvDialog {
 public:
  TFrageDialog() {
    setWindowTitle(QStringLiteral("Daten sichern?"));
    auto* layout = new QVBoxLayout(this);
    const std::pair<const char*, int> knoepfe[] = {
        {"Ja", mrJa}, {"Mit einem anderem Namen", mrOk}, {"Nein", mrNein}};
    for (const auto& [text, ergebnis] : knoepfe) {
      auto* knopf = new QPushButton(QString::fromUtf8(text), this);
      layout->addWidget(knopf);
      KnopfErgebnis(knopf, ergebnis);
      if (ergebnis == mrJa) ja = knopf;
    }
    SetzeStandardKnopf(ja);
    SetzeAbbruchKnopf(ja);
  }
  QPushButton* ja = nullptr;
};

class DialogTest : public GuiTest {};

TEST_F(DialogTest, ZeigeMitSkriptAntworten) {
  TFrageDialog frage;
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  dialoge.Klicke(QStringLiteral("Daten sichern?"), QStringLiteral("Mit einem anderem Namen"));
  dialoge.Bediene(QString(), [](TKvDialog&) {});  // leaves it like the close box
  dialoge.Antworte(QStringLiteral("Kennworteingabe"), mrOk);
  EXPECT_EQ(frage.Zeige(), mrNein);
  EXPECT_EQ(frage.Zeige(), mrOk);
  EXPECT_EQ(frage.Zeige(), mrAbbrechen);
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join('\n').toStdString();
  EXPECT_EQ(frage.Zeige(), mrAbbrechen) << "a different dialog than expected";
  EXPECT_EQ(frage.Zeige(), mrAbbrechen) << "no answer left";
  EXPECT_EQ(dialoge.Fehler().size(), 2);
  EXPECT_EQ(dialoge.Protokoll().size(), 5);
  EXPECT_FALSE(frage.isVisible()) << "no modal loop, nothing shown";
}

TEST_F(DialogTest, TastenSchliessfeldUndKnopfHandler) {
  TFrageDialog frage;
  int klicks = 0;
  QObject::connect(frage.ja, &QPushButton::clicked, [&] { ++klicks; });
  QTest::keyClick(&frage, Qt::Key_Escape);
  EXPECT_EQ(frage.result(), mrJa) << "Esc answers Ja in the save question";
  EXPECT_EQ(klicks, 1);

  frage.setResult(mrKeins);
  frage.show();
  frage.close();
  EXPECT_EQ(frage.result(), mrAbbrechen) << "the close box";

  // Without a cancel button Esc does nothing.
  TKvDialog ohne;
  auto* ok = new QPushButton(QStringLiteral("Ok"), &ohne);
  ohne.KnopfErgebnis(ok, mrOk);
  ohne.show();
  QTest::keyClick(&ohne, Qt::Key_Escape);
  EXPECT_EQ(ohne.result(), mrKeins);
  EXPECT_TRUE(ohne.isVisible());
  ohne.SetzeStandardKnopf(ok);
  QTest::keyClick(&ohne, Qt::Key_Return);
  EXPECT_EQ(ohne.result(), mrOk) << "Enter clicks the default button";
  EXPECT_EQ(ohne.Knopf(QStringLiteral("Nein")), nullptr);

  // A handler connected after the result may still change it, as "Ok" without a change does.
  QObject::connect(ok, &QPushButton::clicked, &ohne, [&] { ohne.done(mrAbbrechen); });
  dialoge.Klicke(QString(), QStringLiteral("Ok"));
  EXPECT_EQ(ohne.Zeige(), mrAbbrechen);
}

TEST_F(DialogTest, FrageNurMitAngebotenenKnoepfen) {
  struct TFall {
    unsigned knoepfe;
    int antwort;
    const char* knopf;  // clicked instead of the answer
    int erwartet;
    bool fehler;
    const char* grund;
  };
  const TFall faelle[] = {
      {knJa | knNein, mrJa, nullptr, mrJa, false, "an offered answer"},
      {knJa | knNein, mrKeins, "Nein", mrNein, false, "an offered button"},
      {knOk, mrJa, nullptr, mrAbbrechen, true, "Ja is not on a notice"},
      {knOk, mrAbbrechen, nullptr, mrAbbrechen, false, "closing a notice is always possible"},
      {knJa | knNein, mrAbbrechen, nullptr, mrAbbrechen, true,
       "a Ja/Nein question cannot be closed unanswered"},
  };
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.grund);
    TSkriptDialogDienst skript;
    TDienste::SetzeDialoge(&skript);
    if (f.knopf != nullptr) skript.Klicke(QString(), QString::fromUtf8(f.knopf));
    if (f.knopf == nullptr) skript.Antworte(QString(), f.antwort);
    const int ergebnis = TDienste::Dialoge().Frage(QStringLiteral("WinKolvar"), QStringLiteral("x"),
                                                   f.knoepfe, TMeldungsArt::Frage, knJa);
    EXPECT_EQ(ergebnis, f.erwartet);
    EXPECT_EQ(skript.Fehler().size(), f.fehler ? 1 : 0);
    EXPECT_EQ(skript.Protokoll(), QStringList{QStringLiteral("WinKolvar: x")});
  }
}

// A settings page over one value: loaded when shown, stored on "Ok".
class TAnordnungsSeite : public TEinstellungsDialog {
 public:
  explicit TAnordnungsSeite(TStandard& standard) : TEinstellungsDialog(standard) {
    setWindowTitle(QStringLiteral("Anordnung"));
    feld = new QSpinBox(this);
    feld->setRange(1, 4);
    Inhalt()->addWidget(feld);
  }
  QSpinBox* feld;
  bool ablehnen = false;
  int geladen = 0;

 protected:
  void Laden(const TStandard& standard) override {
    ++geladen;
    feld->setValue(standard.FensterAnordnung);
  }
  void Speichern(TStandard& standard) override { standard.FensterAnordnung = feld->value(); }
  void OkKnopfClick() override {
    if (ablehnen) setResult(mrAbbrechen);
  }
};

TEST_F(DialogTest, EinstellungenLadenBeimZeigenUndSpeichernNurMitOk) {
  struct TFall {
    const char* name;
    std::function<void(TKvDialog&)> handlung;
    const char* seite;  // scripted choice in the page list: nullptr none offered, "" dismissed
    bool ablehnen;
    int erwartet, ergebnis, gewaehlt;
  };
  const auto klicke = [](const char* knopf) {
    return [knopf](TKvDialog& d) { d.Knopf(QString::fromUtf8(knopf))->click(); };
  };
  const auto wechselnDannAbbrechen = [](TKvDialog& d) {
    d.Knopf(QStringLiteral("Wechseln"))->click();
    EXPECT_EQ(d.result(), mrKeins) << "a dismissed list leaves the dialog open";
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  };
  const std::vector<TFall> faelle{
      {"Ok", klicke("Ok"), nullptr, false, 3, mrOk, -1},
      {"Abbrechen", klicke("Abbrechen"), nullptr, false, 1, mrAbbrechen, -1},
      {"Schliessfeld", [](TKvDialog& d) { d.reject(); }, nullptr, false, 1, mrAbbrechen, -1},
      {"Esc", [](TKvDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, nullptr, false, 1, mrAbbrechen, -1},
      {"Wechseln", klicke("Wechseln"), "Zeiten", false, 3, mrOk, 7},
      {"Wechseln verworfen", wechselnDannAbbrechen, "", false, 1, mrAbbrechen, -1},
      {"Ok abgelehnt", klicke("Ok"), nullptr, true, 1, mrAbbrechen, -1},
  };
  for (const TFall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    TStandard standard;
    standard.FensterAnordnung = 1;
    TAnordnungsSeite seite(standard);
    seite.ablehnen = fall.ablehnen;
    if (fall.seite != nullptr && *fall.seite != 0) popups.WaehleText(QString::fromUtf8(fall.seite));
    if (fall.seite != nullptr && *fall.seite == 0) popups.WaehleNichts();
    dialoge.Bediene(QStringLiteral("Anordnung"), [&](TKvDialog& d) {
      EXPECT_EQ(seite.feld->value(), 1) << "loaded before it shows";
      seite.feld->setValue(3);
      fall.handlung(d);
    });
    EXPECT_EQ(seite.Zeige(), fall.ergebnis);
    EXPECT_EQ(standard.FensterAnordnung, fall.erwartet);
    EXPECT_EQ(seite.GewaehlteSeite(), fall.gewaehlt);
  }
  ASSERT_EQ(popups.Angebote().size(), 2u);
  EXPECT_EQ(popups.Angebote()[0].texte, TEinstellungsDialog::StandardSeiten());

  // Each showing loads again: what another page stored in between, not the field's old value.
  TStandard standard;
  standard.FensterAnordnung = 2;
  TAnordnungsSeite seite(standard);
  dialoge.Klicke(QStringLiteral("Anordnung"), QStringLiteral("Abbrechen"));
  seite.Zeige();
  standard.FensterAnordnung = 4;
  dialoge.Bediene(QStringLiteral("Anordnung"), [&](TKvDialog& d) {
    EXPECT_EQ(seite.feld->value(), 4);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  seite.Zeige();
  EXPECT_EQ(seite.geladen, 2);
  EXPECT_EQ(standard.FensterAnordnung, 4);
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(dialoge.AllesBeantwortet());
  EXPECT_TRUE(popups.Fehler().isEmpty());

  // A page list of its own.
  seite.SetzeSeiten({QStringLiteral("Eins"), QStringLiteral("Zwei")});
  popups.WaehleIndex(1);
  seite.WechselnKnopf()->click();
  EXPECT_EQ(seite.GewaehlteSeite(), 1);
  EXPECT_EQ(seite.result(), mrOk);
}

}  // namespace
}  // namespace kolvar
