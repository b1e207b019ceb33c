// The abbreviation lists' window: the grid follows the school's list through typing, creating,
// renaming, deleting, sorting and Ctrl-drag, and its questions are asked as scripted.

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "masterdata/kueaendform.h"
#include "masterdata/kueform.h"
#include "model/setzung.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class KueFormTest : public GuiTest {
 protected:
  KueFormTest() {
    s = BaueKleineSchule();
    s->schule->SetzeGeaendert(false);
    form = std::make_unique<TKueForm>(*s->schule);
    // Shown, so that the grid has its size and Enter reaches the default button.
    form->show();
    QApplication::processEvents();
  }
  ~KueFormTest() override { form.reset(); }
  void TearDown() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    for (const std::string& f : PruefeModell(*s->schule))
      if (!doppelte || f.find("nicht eindeutig") == std::string::npos) ADD_FAILURE() << f;
    // The grid is the list, row for row.
    std::vector<TElement*> elemente = s->schule->Elemente(static_cast<TElementArt>(form->Art()));
    TGitter& grid = *form->KueGrid();
    ASSERT_EQ(grid.Zeilen(), std::max<int>(1, static_cast<int>(elemente.size())));
    for (std::size_t i = 0; i < elemente.size(); ++i) {
      EXPECT_EQ(grid.ObjektAls<TElement>(0, static_cast<int>(i)), elemente[i]) << i;
      EXPECT_EQ(grid.Text(0, static_cast<int>(i)).toStdString(), elemente[i]->Kuerzel()) << i;
    }
  }

  QStringList Zeilen() const {
    QStringList z;
    for (int i = 0; i < form->KueGrid()->Zeilen(); ++i) z << form->KueGrid()->Text(0, i);
    return z;
  }
  void Tippe(const QString& text) {
    form->KueFeld()->clear();
    QTest::keyClicks(form->KueFeld(), text);
  }
  void Maus(QEvent::Type art, int zeile, Qt::KeyboardModifiers m, Qt::MouseButtons knoepfe) {
    TGitter& grid = *form->KueGrid();
    const QPoint ort = grid.ZellRechteck(0, zeile).center();
    QMouseEvent e(art, QPointF(ort), QPointF(grid.viewport()->mapToGlobal(ort)), Qt::LeftButton, knoepfe, m);
    QApplication::sendEvent(grid.viewport(), &e);
  }
  bool Knoepfe(bool neu, bool aendern) const {
    return form->NeuKnopf()->isEnabled() == neu && form->AendernKnopf()->isEnabled() == aendern &&
           form->LoeschKnopf()->isEnabled() == aendern;
  }

  bool doppelte = false;  // the test puts two equal abbreviations in a list, as a file may
  std::unique_ptr<TKleineSchule> s;
  std::unique_ptr<TKueForm> form;
};

TEST_F(KueFormTest, ArtenZeigenIhreListenUndEineLeereZeile) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Kürzel"));
  EXPECT_EQ(Zeilen(), (QStringList{"MUE", "SCH", "BER"}));
  EXPECT_TRUE(Knoepfe(false, false));
  struct {
    int art;
    QStringList zeilen;
  } const faelle[] = {{1, {"5a", "5b", "6a"}},
                      {2, {"SPO"}},
                      {3, {"De", "Ma", "Sp"}},
                      {5, {"UV5"}},
                      {0, {"MUE", "SCH", "BER"}}};
  for (const auto& f : faelle) {
    form->ArtGruppe()->button(f.art)->click();
    EXPECT_EQ(Zeilen(), f.zeilen) << f.art;
  }
  // The last coupling gone, its list is one empty row, which "Neues" fills.
  form->ArtGruppe()->button(2)->click();
  s->schule->LoescheElement(s->spo);
  form->ArtGruppe()->button(0)->click();
  form->ArtGruppe()->button(2)->click();
  EXPECT_EQ(Zeilen(), QStringList{QString()});
  Tippe(QStringLiteral("KO1"));
  form->NeuKnopf()->click();
  EXPECT_EQ(Zeilen(), QStringList{"KO1"});
  EXPECT_TRUE(form->KueFeld()->text().isEmpty());
  EXPECT_TRUE(s->schule->Geaendert());
}

TEST_F(KueFormTest, TippenWaehltDenLetztenTrefferUndUnterscheidetGrossKlein) {
  doppelte = true;
  TElement* zweiterSch = s->schule->NeuerLehrer("SCH");
  form->ArtGruppe()->button(1)->click();
  form->ArtGruppe()->button(0)->click();
  Tippe(QStringLiteral("SCH"));
  EXPECT_EQ(form->Gewaehlt(), zweiterSch);
  EXPECT_EQ(form->KueGrid()->Auswahl().oben, 3);
  EXPECT_TRUE(Knoepfe(false, true));
  Tippe(QStringLiteral("Sch"));
  EXPECT_EQ(form->Gewaehlt(), nullptr);
  EXPECT_TRUE(Knoepfe(true, false));
  EXPECT_TRUE(form->KueGrid()->Auswahl().Leer());
  Tippe(QString());
  EXPECT_TRUE(Knoepfe(false, false));
  // The field takes 7 characters, no leading blank and nothing the file cannot hold.
  Tippe(QStringLiteral(" ABC"));
  for (const QString& zeichen : {QStringLiteral("€"), QStringLiteral("Ä"), QStringLiteral("ß")})
    QTest::sendKeyEvent(QTest::Click, form->KueFeld(), Qt::Key_unknown, zeichen, Qt::NoModifier);
  QTest::keyClicks(form->KueFeld(), QStringLiteral("DEFG"));
  EXPECT_EQ(form->KueFeld()->text(), QStringLiteral("ABCÄßDE"));
}

TEST_F(KueFormTest, OkUndEscLegenNeuAnSolangeDerTextNeuIst) {
  Tippe(QStringLiteral("NEU"));
  QTest::keyClick(form->KueFeld(), Qt::Key_Return);
  Tippe(QStringLiteral("ESC"));
  QTest::keyClick(form->KueFeld(), Qt::Key_Escape);
  EXPECT_EQ(Zeilen(), (QStringList{"MUE", "SCH", "BER", "NEU", "ESC"}));
  EXPECT_EQ(form->result(), mrKeins);
  Tippe(QStringLiteral("MUE"));
  form->OkKnopf()->click();
  EXPECT_EQ(form->result(), mrOk);
  EXPECT_EQ(s->schule->Lehrer().Anzahl(), 5);
}

TEST_F(KueFormTest, AendernVerweigertDoppelteUndBleibtOffen) {
  Tippe(QStringLiteral("MUE"));
  dialoge.Bediene(QStringLiteral("Kürzel ändern"), [](TKvDialog& d) {
    auto& f = static_cast<TKueAendForm&>(d);
    EXPECT_EQ(f.KueFeld()->text(), QStringLiteral("MUE"));
    f.KueFeld()->clear();
    EXPECT_FALSE(f.OkKnopf()->isEnabled());
    f.KueFeld()->setText(QStringLiteral("SCH"));
    f.OkKnopf()->click();
    EXPECT_EQ(f.result(), mrKeins) << "the rename form stays open";
    f.KueFeld()->setText(QStringLiteral("MÜL"));
    f.OkKnopf()->click();
  });
  dialoge.Antworte(QStringLiteral("Stop"), mrOk);
  form->AendernKnopf()->click();
  EXPECT_EQ(s->mue->Kuerzel(), "MÜL");
  EXPECT_EQ(Zeilen(), (QStringList{"MÜL", "SCH", "BER"}));
  EXPECT_EQ(form->KueFeld()->text(), QStringLiteral("MÜL"));
  EXPECT_EQ(form->Gewaehlt(), s->mue);
  EXPECT_TRUE(dialoge.Protokoll().contains(QStringLiteral("Stop")));
}

// After a rename the new abbreviation stands selected in the field: the next one typed replaces
// it ("FIS", then "BEC" makes a new teacher BEC, not FISBEC).
TEST_F(KueFormTest, NachDemAendernErsetztTippenDasFeld) {
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  Tippe(QStringLiteral("MUE"));
  dialoge.Bediene(QStringLiteral("Kürzel ändern"), [](TKvDialog& d) {
    auto& f = static_cast<TKueAendForm&>(d);
    f.KueFeld()->setText(QStringLiteral("FIS"));
    f.OkKnopf()->click();
  });
  form->AendernKnopf()->click();
  ASSERT_EQ(s->mue->Kuerzel(), "FIS");
  EXPECT_TRUE(form->KueFeld()->hasFocus());
  QTest::keyClicks(form->KueFeld(), QStringLiteral("BEC"));
  EXPECT_EQ(form->KueFeld()->text(), QStringLiteral("BEC"));
  QTest::keyClick(form->KueFeld(), Qt::Key_Return);
  EXPECT_EQ(Zeilen(), (QStringList{"FIS", "SCH", "BER", "BEC"}));
}

TEST_F(KueFormTest, DoppelklickAendert) {
  Maus(QEvent::MouseButtonPress, 1, {}, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, 1, {}, Qt::NoButton);
  EXPECT_EQ(form->KueFeld()->text(), QStringLiteral("SCH"));
  dialoge.Antworte(QStringLiteral("Kürzel ändern"), mrAbbrechen);
  Maus(QEvent::MouseButtonDblClick, 1, {}, Qt::LeftButton);
  EXPECT_EQ(s->sch->Kuerzel(), "SCH");
}

TEST_F(KueFormTest, LoeschenFragtBeiKursenUndNimmtDieEigeneZeile) {
  form->ArtGruppe()->button(4)->click();
  for (int antwort : {mrNein, mrJa}) {
    Tippe(QStringLiteral("R101"));
    dialoge.Antworte(QStringLiteral("Kürzel löschen"), antwort);
    form->LoeschKnopf()->click();
  }
  EXPECT_EQ(Zeilen(), (QStringList{"R102", "TH"}));
  EXPECT_TRUE(s->deutsch5a->Raeume().Leer());
  // Without courses nothing is asked; the last one leaves an empty row.
  form->ArtGruppe()->button(5)->click();
  Tippe(QStringLiteral("UV5"));
  form->LoeschKnopf()->click();
  EXPECT_EQ(Zeilen(), QStringList{QString()});
  EXPECT_TRUE(form->KueFeld()->text().isEmpty());
}

TEST_F(KueFormTest, NachDemZiehenLoeschtDasGewaehlteElementSeineZeile) {
  // "BER" is chosen; a drag cancelled with Esc has moved MUE and left the selection elsewhere.
  doppelte = true;
  s->schule->NeuerLehrer("MUE");
  form->ArtGruppe()->button(1)->click();
  form->ArtGruppe()->button(0)->click();
  Tippe(QStringLiteral("BER"));
  Maus(QEvent::MouseButtonPress, 0, Qt::ControlModifier, Qt::LeftButton);
  Maus(QEvent::MouseMove, 1, Qt::ControlModifier, Qt::LeftButton);
  QTest::keyClick(form->KueGrid(), Qt::Key_Escape);
  Maus(QEvent::MouseButtonRelease, 1, Qt::ControlModifier, Qt::NoButton);
  EXPECT_EQ(Zeilen(), (QStringList{"SCH", "MUE", "BER", "MUE"}));
  EXPECT_EQ(form->result(), mrKeins) << "Esc ended the drag, not the list";
  ASSERT_EQ(form->Gewaehlt(), s->ber);
  dialoge.Antworte(QStringLiteral("Kürzel löschen"), mrJa);
  form->LoeschKnopf()->click();
  ASSERT_EQ(s->schule->Lehrer().Anzahl(), 3);
  EXPECT_EQ(Zeilen(), (QStringList{"SCH", "MUE", "MUE"}));
  // A sort takes the grid's order into the list: nothing deleted comes back.
  form->SortKnopf()->click();
  EXPECT_EQ(Zeilen(), (QStringList{"MUE", "MUE", "SCH"}));
  EXPECT_EQ(s->schule->Lehrer().Hole(1), s->mue);
}

TEST_F(KueFormTest, SortierenNachDeutscherOrdnungMarkiertDieSchule) {
  for (const char* k : {"abc", "Ärz", "MUE2"}) s->schule->NeuerLehrer(k);
  s->schule->SetzeGeaendert(false);
  form->ArtGruppe()->button(1)->click();
  form->ArtGruppe()->button(0)->click();
  form->SortKnopf()->click();
  EXPECT_EQ(Zeilen(), (QStringList{"abc", "Ärz", "BER", "MUE", "MUE2", "SCH"}));
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_EQ(s->ber->Nummer(), 3);
  // One element: nothing to sort, nothing changed.
  form->ArtGruppe()->button(2)->click();
  s->schule->SetzeGeaendert(false);
  form->SortKnopf()->click();
  EXPECT_FALSE(s->schule->Geaendert());
}

TEST_F(KueFormTest, StrgZiehenVerschiebtSchrittweise) {
  for (const char* k : {"A", "B"}) s->schule->NeuerLehrer(k);
  s->schule->SetzeGeaendert(false);
  form->ArtGruppe()->button(1)->click();
  form->ArtGruppe()->button(0)->click();
  // Without Ctrl a press only chooses.
  Maus(QEvent::MouseButtonPress, 0, {}, Qt::LeftButton);
  Maus(QEvent::MouseMove, 3, {}, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, 3, {}, Qt::NoButton);
  EXPECT_FALSE(s->schule->Geaendert());
  Maus(QEvent::MouseButtonPress, 0, Qt::ControlModifier, Qt::LeftButton);
  EXPECT_TRUE(form->KueGrid()->Zieht()) << "no drag threshold";
  Maus(QEvent::MouseMove, 2, Qt::ControlModifier, Qt::LeftButton);
  EXPECT_EQ(Zeilen(), (QStringList{"SCH", "BER", "MUE", "A", "B"}));
  Maus(QEvent::MouseMove, 4, Qt::ControlModifier, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, 4, Qt::ControlModifier, Qt::NoButton);
  EXPECT_EQ(Zeilen(), (QStringList{"SCH", "BER", "A", "B", "MUE"}));
  EXPECT_EQ(form->KueFeld()->text(), QStringLiteral("MUE"));
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_EQ(s->mue->Nummer(), 5);
}

}  // namespace
}  // namespace kolvar
