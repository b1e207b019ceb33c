// The preview's fitting, zoom and paging, and the print-dialog frame: what is stored when, the
// coupled check boxes, the element grid and the changed-plans moment.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "druck/plandruck.h"
#include "druck/prevprinter.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/datum.h"
#include "platform/dienste.h"
#include "platform/fensterrahmen.h"
#include "platform/qtuebersetzung.h"
#include "print/anwendungsdrucker.h"
#include "print/druckdepform.h"
#include "print/druckkueform.h"
#include "print/druckplnform.h"
#include "print/druckrestform.h"
#include "print/drucksvform.h"
#include "print/druckuebform.h"
#include "print/druckwiedergabe.h"
#include "print/previewform.h"
#include "print/zeitplnform.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class TSkriptAblauf : public IDruckAblauf {
 public:
  bool Druckdialog(QPrinter& drucker, QWidget* eltern) override {
    ++druckdialoge;
    frager = eltern;
    vorschlaege << drucker.outputFileName();
    // The file typed into the dialog goes into the printer, as Qt's dialog puts it there.
    if (druckenBestaetigt && !datei.isEmpty()) drucker.setOutputFileName(datei);
    return druckenBestaetigt;
  }
  bool Papierformat(QPrinter&, QWidget*) override { return false; }
  bool Schrift(QFont& f, QWidget*) override {
    vorher = f;
    f = gewaehlt;
    return true;
  }
  QFont gewaehlt{QStringLiteral("Liberation Serif"), 12};
  QFont vorher;
  int druckdialoge = 0;
  QWidget* frager = nullptr;
  bool druckenBestaetigt = false;
  QString datei;  // empty: the proposal is taken
  QStringList vorschlaege;
};

class DruckTest : public GuiTest {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    SetzeEinigeStunden(*s);
    TDienste::SetzeDateien(&dateien);
    TAnwendungsDrucker::SetzeAblauf(&ablauf);
  }
  void TearDown() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    TAnwendungsDrucker::SetzeAblauf(nullptr);
  }
  std::unique_ptr<TDruckPlnForm> Form(TPlanDruckArt art = TPlanDruckArt::Klasse) {
    auto form = std::make_unique<TDruckPlnForm>(*s->schule, art,
                                                [this](const std::vector<TElement*>& liste, const QString&) {
                                                  return std::vector<TElement*>{liste.begin(), liste.end()};
                                                });
    form->LadeEinstellungen();
    return form;
  }

  std::unique_ptr<TKleineSchule> s;
  TSkriptDateiDienst dateien;
  TSkriptAblauf ablauf;
  TQtDruckMesser messer;
};

TDruckGeraet A4() {
  TDruckGeraet g;
  g.Blatt = {4958, 7017};
  g.Seite = {4722, 6780};
  g.Versatz = {118, 118};
  return g;
}

TEST_F(DruckTest, PreviewFitsTheSheetZoomsAroundTheSpotAndStepsToTheEnd) {
  TPrevPrinter p(A4(), messer);
  p.BeginRecord();
  p.NewPage();
  p.NewPage();
  p.EndRecord();
  TPreviewForm form;
  form.SetzePrinter(&p);
  EXPECT_EQ(form.PaintBox()->geometry(), QRect(106, 5, 272, 385));
  form.Vergroessern(50, 60);
  EXPECT_EQ(form.PaintBox()->geometry(), QRect(-100, -125, 680, 962));
  EXPECT_TRUE(form.Vergroessert());
  form.GanzeSeite();
  EXPECT_FALSE(form.Vergroessert());
  form.NextKnopfClick();
  form.NextKnopfClick();
  EXPECT_EQ(form.NrFeld()->text(), QStringLiteral("3"));
  form.NextKnopfClick();
  EXPECT_EQ(form.result(), mrAbbrechen);
  // A landscape sheet fits by its width.
  TDruckGeraet quer = A4();
  std::swap(quer.Blatt.x, quer.Blatt.y);
  TPrevPrinter q(quer, messer);
  form.SetzePrinter(&q);
  EXPECT_EQ(form.PaintBox()->geometry().left(), 5);
  EXPECT_EQ(form.PaintBox()->geometry().width(), 474);
}

TEST_F(DruckTest, PreviewOfNothingStaysOnItsBlankSheet) {
  TPrevPrinter leer(A4(), messer);
  leer.EndRecord();
  TPreviewForm form;
  form.SetzePrinter(&leer);
  form.setResult(0);
  form.NextKnopfClick();
  EXPECT_EQ(form.result(), 0);
  EXPECT_EQ(form.NrFeld()->text(), QStringLiteral("1"));
  QImage bild(form.PaintBox()->size(), QImage::Format_RGB32);
  form.PaintBox()->render(&bild);
  EXPECT_EQ(bild.pixelColor(10, 10), QColor(Qt::white));
}

TEST_F(DruckTest, AnsehenStoresTheOptionsAbbrechenDoesNot) {
  TPlanDruckOptionen& o = s->standard.KlassenPlanDruck;
  {
    auto form = Form();
    form->Box(QStringLiteral("mit Farbe"))->setChecked(true);
    form->RandSpin(1)->setValue(3);
    form->KuerzelGrid()->setItem(0, 0, nullptr);
  }
  EXPECT_FALSE(o.co) << "closed without storing";
  auto form = Form();
  form->Box(QStringLiteral("mit Farbe"))->setChecked(true);
  form->RandSpin(1)->setValue(3);
  form->UebernimmElement(s->k5a);
  dialoge.Bediene(QStringLiteral("Voransicht"), [](TKvDialog& d) {
    EXPECT_EQ(static_cast<TPreviewForm&>(d).NrFeld()->text(), QStringLiteral("1"));
    d.done(mrAbbrechen);
  });
  form->PreviewKnopfClick();
  EXPECT_TRUE(o.co);
  EXPECT_EQ(o.rr, 3);
}

TEST_F(DruckTest, OkStoresThenAsksThePrintDialogAndRecordsNothingWhenItIsCancelled) {
  auto form = Form();
  form->UebernimmElement(s->k5a);
  form->Box(QStringLiteral("mit Datum"))->setChecked(false);
  form->OkKnopfClick();
  EXPECT_EQ(ablauf.druckdialoge, 1);
  EXPECT_EQ(ablauf.frager, form.get()) << "the print dialog opens over the dialog that asked";
  EXPECT_FALSE(s->standard.KlassenPlanDruck.da);
  EXPECT_EQ(form->result(), mrOk);
}

// With nothing in the element grid, "Ok" and "Ansehen" store the options as ever and then say
// where to choose: no print dialog, no file, no preview, and the dialog stays open for "Auswahl".
TEST_F(DruckTest, NothingChosenIsToldWhereToChooseAndNothingIsPrinted) {
  const auto waehler = [](const std::vector<TElement*>&, const QString&) { return std::vector<TElement*>(); };
  const QString auswahl = QStringLiteral("mit \"Auswahl\"");
  struct Fall {
    std::function<std::unique_ptr<TDruckDialog>()> baue;
    QString ort;
  };
  const std::vector<Fall> faelle{
      {[this] { return Form(TPlanDruckArt::Klasse); }, QStringLiteral("unter \"für Klassen\" ") + auswahl},
      {[this] { return Form(TPlanDruckArt::Lehrer); }, QStringLiteral("unter \"für Lehrer\" ") + auswahl},
      {[this] { return Form(TPlanDruckArt::Raum); }, QStringLiteral("unter \"für Räume\" ") + auswahl},
      {[this] { return Form(TPlanDruckArt::Kopplung); }, QStringLiteral("unter \"für Klassen\" ") + auswahl},
      {[&] { return std::make_unique<TDruckUebForm>(*s->schule, TUebersichtArt::Klasse, waehler); },
       QStringLiteral("unter \"für Klassen\" ") + auswahl},
      {[&] { return std::make_unique<TDruckUebForm>(*s->schule, TUebersichtArt::Kombination, waehler); },
       QStringLiteral("unter \"für Kürzel\" mit \"Lehrer\", \"Klassen\" oder \"Räume\"")},
      {[&] { return std::make_unique<TDruckDepForm>(*s->schule, waehler); },
       QStringLiteral("unter \"für Kürzel\" ") + auswahl}};
  int rand = 0;
  for (const Fall& f : faelle) {
    std::unique_ptr<TDruckDialog> form = f.baue();
    form->LadeEinstellungen();
    const std::string name = form->windowTitle().toStdString();
    form->show();
    form->RandSpin(0)->setValue(++rand % 7);
    const QString meldung = QStringLiteral("Drucken: Es ist nichts zum Drucken gewählt.\nBitte wählen Sie ") +
                            f.ort + QStringLiteral(", was gedruckt werden soll.");
    for (const QString& knopf : {QStringLiteral("Ok"), QStringLiteral("Ansehen")}) {
      dialoge.Antworte(QStringLiteral("Drucken"), mrOk);
      QTest::mouseClick(form->Knopf(knopf), Qt::LeftButton);
      EXPECT_EQ(dialoge.Protokoll().value(dialoge.Protokoll().size() - 1), meldung)
          << name << " " << knopf.toStdString();
      EXPECT_TRUE(form->isVisible()) << name << " " << knopf.toStdString();
    }
    EXPECT_EQ(ablauf.druckdialoge, 0) << name;
    EXPECT_TRUE(dateien.Anfragen().empty()) << name;
    EXPECT_FALSE(dialoge.Protokoll().contains(QStringLiteral("Voransicht"))) << name;
    // The options went into the settings all the same.
    form = f.baue();
    form->LadeEinstellungen();
    EXPECT_EQ(form->RandSpin(0)->value(), rand % 7) << name;
  }
  // "alle Kurse" prints without the grid: the print dialog comes.
  TDruckDepForm deputat(*s->schule, waehler);
  deputat.LadeEinstellungen();
  deputat.SetzeArt(5);
  deputat.show();
  QTest::mouseClick(deputat.Knopf(QStringLiteral("Ok")), Qt::LeftButton);
  EXPECT_EQ(ablauf.druckdialoge, 1);
}

// Within a run each print proposes the file the one before went to: the print dialog has it in
// the printer, the file dialog after the preview starts at it. A proposal that was not taken
// does not stay as the printer's file.
TEST_F(DruckTest, EachPrintProposesTheFileThePrintBeforeWentTo) {
  QTemporaryDir ordner;
  const QString erster = ordner.filePath(QStringLiteral("erster.pdf"));
  const QString zweiter = ordner.filePath(QStringLiteral("zweiter.pdf"));
  QPrinter& drucker = TAnwendungsDrucker::Drucker();
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(QString());
  const auto druckeMitOk = [this](TElement* e) {
    auto form = Form();
    form->UebernimmElement(e);
    form->show();
    QTest::mouseClick(form->Knopf(QStringLiteral("Ok")), Qt::LeftButton);
  };
  ablauf.druckenBestaetigt = true;
  ablauf.datei = erster;
  druckeMitOk(s->k5a);
  ASSERT_TRUE(QFileInfo::exists(erster));
  QFile(erster).remove();
  ablauf.datei.clear();
  druckeMitOk(s->k5b);
  EXPECT_EQ(ablauf.vorschlaege.value(1), erster);
  EXPECT_TRUE(QFileInfo::exists(erster)) << "the proposal taken is printed to";
  EXPECT_TRUE(dateien.Anfragen().empty());
  EXPECT_TRUE(drucker.outputFileName().isEmpty()) << "one printout per file name";

  auto form = Form();
  form->UebernimmElement(s->k6a);
  form->show();
  dialoge.Klicke(QStringLiteral("Voransicht"), QStringLiteral("Drucken"));
  dateien.Antworte(zweiter);
  QTest::mouseClick(form->Knopf(QStringLiteral("Ansehen")), Qt::LeftButton);
  ASSERT_EQ(dateien.Anfragen().size(), 1U);
  EXPECT_EQ(dateien.Anfragen()[0].ordner, QFileInfo(erster).absolutePath());
  EXPECT_EQ(dateien.Anfragen()[0].name, QStringLiteral("erster.pdf"));
  EXPECT_TRUE(QFileInfo::exists(zweiter));

  ablauf.druckenBestaetigt = false;
  druckeMitOk(s->k5a);
  EXPECT_EQ(ablauf.vorschlaege.value(2), zweiter);
  EXPECT_TRUE(drucker.outputFileName().isEmpty()) << "a cancelled proposal names no file";
}

// Qt's print dialog as the program shows it, in German: its printer list is wide enough for the
// entry that prints into a PDF file.
TEST_F(DruckTest, ThePrintDialogShowsItsPdfEntryInFull) {
  const std::unique_ptr<QTranslator> deutsch = LadeQtUebersetzung();
  const QString eintrag = QCoreApplication::translate("QPrintDialog", "Print to File (PDF)");
  if (deutsch) {
    EXPECT_EQ(eintrag, QStringLiteral("In PDF-Datei drucken"));
  }
  QWidget fenster;
  fenster.setGeometry(300, 200, 400, 300);
  fenster.show();
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  const std::unique_ptr<QPrintDialog> dialog = TQtDruckAblauf::NeuerDruckdialog(drucker, &fenster);
  dialog->show();
  QCoreApplication::processEvents();
  QComboBox* liste = nullptr;
  for (QComboBox* c : dialog->findChildren<QComboBox*>())
    if (c->isVisible() && c->findText(eintrag) >= 0) liste = c;
  ASSERT_NE(liste, nullptr);
  liste->setCurrentIndex(liste->findText(eintrag));
  QStyleOptionComboBox option;
  option.initFrom(liste);
  option.editable = liste->isEditable();
  option.frame = liste->hasFrame();
  option.currentText = eintrag;
  const QRect feld =
      liste->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, liste);
  EXPECT_GE(feld.width(), liste->fontMetrics().horizontalAdvance(eintrag))
      << "\"" << eintrag.toStdString() << "\" is cut";
  // Sized as it is shown, it still opens over the window that asked.
  EXPECT_NEAR(dialog->frameGeometry().center().x(), fenster.frameGeometry().center().x(), 1);
  EXPECT_NEAR(dialog->frameGeometry().center().y(), fenster.frameGeometry().center().y(), 1);
  dialog->close();
}

// A window placed over another is centred on it, and never leaves the screen.
TEST(FensterRahmen, ZentriereUeberBleibtAufDemBildschirm) {
  QWidget gross;
  gross.setGeometry(200, 150, 400, 300);
  QWidget klein;
  klein.resize(100, 50);
  ZentriereUeber(klein, gross);
  EXPECT_NEAR(klein.frameGeometry().center().x(), gross.frameGeometry().center().x(), 1);
  EXPECT_NEAR(klein.frameGeometry().center().y(), gross.frameGeometry().center().y(), 1);
  gross.move(-300, -200);
  ZentriereUeber(klein, gross);
  const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(klein.frameGeometry().topLeft(), schirm.topLeft());
}

TEST_F(DruckTest, CouplingBoxesFollowEachOther) {
  struct Fall {
    TPlanDruckArt art;
    QString eintrag, statt;
  };
  for (const Fall& f : std::vector<Fall>{{TPlanDruckArt::Klasse, "mit Lehrer", "Kopplung statt Lehrer"},
                                         {TPlanDruckArt::Lehrer, "mit Klasse", "Kopplung statt Klasse"},
                                         {TPlanDruckArt::Raum, "mit Klasse", "Kopplung statt Klasse"}}) {
    auto form = Form(f.art);
    QCheckBox* eintrag = form->Box(f.eintrag);
    QCheckBox* statt = form->Box(f.statt);
    QCheckBox* kopplung = form->Box(QStringLiteral("mit Kopplung"));
    ASSERT_TRUE(eintrag && statt && kopplung);
    ASSERT_TRUE(statt->isChecked());
    eintrag->click();
    EXPECT_FALSE(statt->isChecked());
    statt->click();
    EXPECT_TRUE(eintrag->isChecked());
    kopplung->click();
    EXPECT_FALSE(statt->isChecked());
    statt->click();
    EXPECT_FALSE(kopplung->isChecked());
  }
}

TEST_F(DruckTest, ElementGridTakesTheWindowsElementFirstAndLosesRowsOnDoubleClick) {
  auto form = Form();
  form->UebernimmElement(s->k6a);
  form->AuswahlKnopfClick();
  EXPECT_EQ(form->Elemente(), (std::vector<TElement*>{s->k6a, s->k5a, s->k5b, s->k6a}));
  form->EntferneZeile(0);
  EXPECT_EQ(form->Elemente().front(), s->k5a);
  for (int i = 0; i < 5; ++i) form->EntferneZeile(0);
  EXPECT_TRUE(form->Elemente().empty());
  EXPECT_EQ(form->KuerzelGrid()->rowCount(), 1);
}

TEST_F(DruckTest, CombinationOverviewFillsOneGridFromThreeLists) {
  TDruckUebForm form(*s->schule, TUebersichtArt::Kombination,
                     [this](const std::vector<TElement*>& liste, const QString&) {
                       return std::vector<TElement*>{liste.front()};
                     });
  form.LadeEinstellungen();
  for (int knopf = 0; knopf < 3; ++knopf) form.AuswahlKnopfClick(knopf);
  EXPECT_EQ(form.Elemente(), (std::vector<TElement*>{s->mue, s->k5a, s->r101}));
  EXPECT_NE(form.Box(QStringLiteral("mit Datum")), nullptr);
  EXPECT_EQ(form.Box(QStringLiteral("mit Lehrer")), nullptr);
}

TEST_F(DruckTest, ClearingAlleAsksForTheMomentAndOkStoresIt) {
  auto form = Form();
  dialoge.Bediene(QStringLiteral("Geänderte Pläne"), [](TKvDialog& d) {
    auto& zeit = static_cast<TZeitPlnForm&>(d);
    zeit.JahrSpin()->setValue(2030);
    zeit.MonatSpin()->setValue(2);
    zeit.TagSpin()->setValue(31);
    zeit.StdSpin()->setValue(7);
    zeit.Knopf(QStringLiteral("Ok"))->click();
    EXPECT_EQ(zeit.TagSpin()->value(), 28);
  });
  form->Box(QStringLiteral("alle Klassenpläne"))->click();
  form->Box(QStringLiteral("alle Klassenpläne"))->click();  // checking again asks nothing
  form->Box(QStringLiteral("alle Klassenpläne"))->setChecked(false);
  ablauf.druckenBestaetigt = false;
  dialoge.Antworte(QStringLiteral("Drucken"), mrOk);  // no class chosen
  form->OkKnopfClick();
  EXPECT_EQ(s->standard.KlassenPlanDruck.ad, TagesNummer(2030, 2, 28));
  EXPECT_EQ(s->standard.KlassenPlanDruck.at, 7 * 3600);
  EXPECT_FALSE(s->standard.KlassenPlanDruck.al);
}

TEST_F(DruckTest, TheFontDialogsChoiceIsStoredAndShown) {
  auto form = Form();
  form->SchriftButtonClick();
  EXPECT_EQ(s->standard.KlassenPlanDruck.Schrift.Name, "Liberation Serif");
  EXPECT_EQ(form->SchriftFeld()->text(), QStringLiteral("Liberation Serif 12"));
}

TEST_F(DruckTest, APrintToAFileThatCannotBeWrittenIsReported) {
  TPrevPrinter p(DruckGeraetVon(TAnwendungsDrucker::Drucker()), messer);
  p.BeginRecord();
  p.TextOut(600, 600, "Text");
  dateien.Antworte(QStringLiteral("/nicht/da/plan.pdf"));
  dialoge.Antworte(QStringLiteral("Drucken"), mrOk);
  EXPECT_FALSE(TAnwendungsDrucker::Drucke(p, nullptr));
  EXPECT_TRUE(dialoge.Protokoll().join(QLatin1Char('\n')).contains(QStringLiteral("Drucken nicht möglich")));
}

TEST_F(DruckTest, TheFontKeepsItsStyleFromTheDialogToThePrintedText) {
  ablauf.gewaehlt.setBold(true);
  ablauf.gewaehlt.setItalic(true);
  ablauf.gewaehlt.setUnderline(true);
  auto form = Form();
  form->SchriftButtonClick();
  const TSchrift& schrift = s->standard.KlassenPlanDruck.Schrift;
  EXPECT_TRUE(schrift.Fett && schrift.Kursiv && schrift.Unterstrichen);
  EXPECT_EQ(schrift.Groesse, 12);
  // The next dialog starts from the stored style.
  form->SchriftButtonClick();
  EXPECT_TRUE(ablauf.vorher.bold() && ablauf.vorher.italic() && ablauf.vorher.underline());
  TPrevPrinter p(A4(), messer);
  p.BeginRecord();
  TPlanDruck(*s->schule, TPlanDruckArt::Klasse, s->standard.KlassenPlanDruck).Drucke(p, {s->k5a});
  p.EndRecord();
  int texte = 0;
  for (const TDruckBefehl& b : p.PageMetafile(1)->Befehle) {
    if (b.Art != TBefehlsArt::Text) continue;
    ++texte;
    EXPECT_EQ(b.Schrift.Name, "Liberation Serif");
    EXPECT_TRUE(b.Schrift.Fett && b.Schrift.Kursiv && b.Schrift.Unterstrichen) << b.Text;
  }
  EXPECT_GT(texte, 5);
}

TEST_F(DruckTest, DayAndPeriodTakeTypedDigitsWithinTheirRange) {
  auto form = Form();
  form->show();
  const auto tippe = [](QSpinBox* spin, const QString& text) {
    spin->selectAll();
    QTest::keyClicks(spin, text);
  };
  form->VonStunde()->setValue(1);
  tippe(form->BisStunde(), QStringLiteral("12"));
  EXPECT_EQ(form->BisStunde()->value(), 12);
  tippe(form->VonStunde(), QStringLiteral("4"));
  EXPECT_EQ(form->VonStunde()->value(), 4);
  tippe(form->BisTag(), QStringLiteral("3"));
  EXPECT_EQ(form->BisTag()->value(), 3);
  tippe(form->BisTag(), QStringLiteral("9"));
  EXPECT_EQ(form->BisTag()->value(), 3) << "a digit beyond the range is refused";
  tippe(form->VonTag(), QStringLiteral("2"));
  EXPECT_EQ(form->VonTag()->value(), 2);
  EXPECT_LE(form->VonTag()->value(), form->BisTag()->value());
  // The margins stay arrows only.
  const int rand = form->RandSpin(0)->value();
  tippe(form->RandSpin(0), QStringLiteral("5"));
  EXPECT_EQ(form->RandSpin(0)->value(), rand);
}

TEST_F(DruckTest, ALongerFontNameWidensTheDialogInsteadOfBeingCut) {
  ablauf.gewaehlt = QFont(QStringLiteral("DejaVu Serif Condensed"), 12);
  const std::vector<std::function<std::unique_ptr<TDruckDialog>()>> dialoge_{
      [this] { return std::make_unique<TDruckDepForm>(*s->schule, TDruckDialog::TWaehler()); },
      [this] { return std::make_unique<TDruckKueForm>(*s->schule); },
      [this] { return std::make_unique<TDruckRestForm>(*s->schule, TListenDruckDialog::TPicker()); },
      [this] { return std::make_unique<TDruckSVForm>(*s->schule, TListenDruckDialog::TPicker()); },
      [] { return std::unique_ptr<TDruckDialog>(); }};
  for (const auto& baue : dialoge_) {
    std::unique_ptr<TDruckDialog> form = baue();
    if (!form) form = Form(TPlanDruckArt::Lehrer);
    form->LadeEinstellungen();
    const QString caption = form->windowTitle();
    dialoge.Bediene(caption, [caption](TKvDialog& d) {
      auto& dialog = static_cast<TDruckDialog&>(d);
      dialog.show();
      QCoreApplication::processEvents();
      const int vorher = dialog.width();
      dialog.Knopf(QStringLiteral("Ändern"))->click();
      QCoreApplication::processEvents();
      QLabel* feld = dialog.SchriftFeld();
      EXPECT_EQ(feld->text(), QStringLiteral("DejaVu Serif Condensed 12")) << caption.toStdString();
      EXPECT_GE(feld->width(), feld->sizeHint().width()) << caption.toStdString() << ": the label is cut";
      EXPECT_GE(dialog.width(), vorher) << caption.toStdString();
      dialog.done(mrAbbrechen);
    });
    form->Zeige();
  }
}

// A file that takes 4,096 bytes and then fails, as a full disk does.
class TVolleDatei : public QSaveFile {
 public:
  using QSaveFile::QSaveFile;

 protected:
  qint64 writeData(const char* daten, qint64 laenge) override {
    const qint64 platz = 4096 - geschrieben_;
    if (platz <= 0) return -1;
    const qint64 n = QSaveFile::writeData(daten, std::min(laenge, platz));
    if (n > 0) geschrieben_ += n;
    return n;
  }

 private:
  qint64 geschrieben_ = 0;
};

class TVollesZiel : public TDruckerZiel {
 public:
  using TDruckerZiel::TDruckerZiel;

 protected:
  std::unique_ptr<QSaveFile> NeueDatei(const QString& name) const override {
    return std::make_unique<TVolleDatei>(name);
  }
};

TEST_F(DruckTest, APdfThatFailsPartWayIsAFailureAndTheOldFileStays) {
  QTemporaryDir ordner;
  const QString pdf = ordner.filePath(QStringLiteral("plan.pdf"));
  {
    QFile alt(pdf);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alter Plan");
  }
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setResolution(600);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pdf);
  TPrevPrinter p(DruckGeraetVon(drucker), messer);
  p.BeginRecord();
  TPlanDruck(*s->schule, TPlanDruckArt::Klasse, s->standard.KlassenPlanDruck)
      .Drucke(p, {s->k5a, s->k5b, s->k6a, s->k5a, s->k5b, s->k6a});
  p.EndRecord();
  {
    TVollesZiel voll(drucker);
    EXPECT_FALSE(p.Print(voll)) << "a write that failed is no success";
  }
  QFile alt(pdf);
  ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
  EXPECT_EQ(alt.readAll(), QByteArray("alter Plan")) << "the old file stays whole";
  alt.close();
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("plan.pdf")})
      << "nothing half-written is left beside it";

  // The same printout to a sound file replaces the old one with a whole PDF.
  TDruckerZiel gut(drucker);
  EXPECT_TRUE(p.Print(gut));
  ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
  const QByteArray neu = alt.readAll();
  EXPECT_TRUE(neu.startsWith("%PDF"));
  EXPECT_GT(neu.size(), 4096);
  EXPECT_TRUE(neu.trimmed().endsWith("%%EOF"));
}

}  // namespace
}  // namespace kolvar
