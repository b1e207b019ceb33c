// A seeded soak of the program's windows: thousands of random clicks, drags and keys (shortcuts
// among them) on the palette and every open window. Pop-ups and dialogs are answered at random,
// and a pop-up now and then receives further events while it is open, as a real one does in its
// own event loop. The model is checked after every step.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/schuldateien.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/kindfenster.h"
#include "platform/kvdialog.h"
#include "platform/kvform.h"
#include "platform/spaltenmenue.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "views/planfenster.h"

namespace kolvar {
namespace {

#ifdef KOLVAR_SANITIZE
constexpr int kSchritte = 2000;
#else
constexpr int kSchritte = 5000;
#endif

const QString kPfad = QStringLiteral("/tmp/zufall.kvr");

// Every file read is the same generated school; writing always succeeds.
class TGenerierteDateien : public ISchulDateien {
 public:
  std::unique_ptr<TSchule> Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                IFortschritt&, std::vector<TFenster>&, std::string&) override {
    auto schule = ErzeugeSchule(standard, Profil::Klein, 11, umgebung);
    schule->SetzePfad(pfad);
    schule->SetzeGeaendert(false);
    return schule;
  }
  bool Schreibe(TSchule& schule, const std::string& pfad, const std::vector<TFenster>&, IFortschritt&,
                std::string&) override {
    schule.SetzePfad(pfad);
    schule.SetzeGeaendert(false);
    return true;
  }
  bool Importiere(TSchule&, const std::string&, IFortschritt&, std::string& fehler) override {
    fehler = "kein Import";
    return false;
  }
};

// Answers every dialog with one of its enabled buttons, every message box with one it offers.
class TZufallsDialoge : public IDialogDienst {
 public:
  explicit TZufallsDialoge(std::mt19937& zufall) : zufall_(zufall) {}

  int ZeigeDialog(TKvDialog& dialog) override {
    std::vector<QAbstractButton*> knoepfe;
    for (QAbstractButton* k : dialog.findChildren<QAbstractButton*>())
      if (k->isEnabled()) knoepfe.push_back(k);
    if (knoepfe.empty() || zufall_() % 5 == 0)
      dialog.done(mrAbbrechen);
    else
      knoepfe[zufall_() % knoepfe.size()]->click();
    return dialog.result() == mrKeins ? mrAbbrechen : dialog.result();
  }
  int Frage(const QString&, const QString&, unsigned knoepfe, TMeldungsArt, TKnopf) override {
    std::vector<int> antworten;
    for (TKnopf k : {knOk, knJa, knNein, knAbbrechen})
      if (knoepfe & k) antworten.push_back(ErgebnisVonKnopf(k));
    return antworten.empty() ? mrAbbrechen : antworten[zufall_() % antworten.size()];
  }

 private:
  std::mt19937& zufall_;
};

// Chooses an entry (or a sub-item) at random or nothing; sometimes the user goes on working while
// the pop-up is open, inside an event loop of its own.
class TZufallsPopups : public IPopupDienst {
 public:
  TZufallsPopups(std::mt19937& zufall, std::function<void()> zwischendurch)
      : zufall_(zufall), zwischendurch_(std::move(zwischendurch)) {}

  TPopupWahl Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint&, int) override {
    const TFreigabeAufschub aufschub;
    ++gezeigt;
    if (tiefe_ < 2 && zufall_() % 4 == 0) {
      ++mitEreignissen;
      ++tiefe_;
      QEventLoop schleife;
      QTimer::singleShot(0, &schleife, [this, &schleife] {
        zwischendurch_();
        QTimer::singleShot(0, &schleife, &QEventLoop::quit);
      });
      schleife.exec();
      --tiefe_;
    }
    if (eintraege.empty() || zufall_() % 4 == 0) return {};
    const int i = static_cast<int>(zufall_() % eintraege.size());
    const TPopupEintrag& e = eintraege[static_cast<std::size_t>(i)];
    if (!e.aktiv || e.trenner) return {};
    if (e.unter.empty()) return {i, -1};
    const int j = static_cast<int>(zufall_() % e.unter.size());
    return e.unter[static_cast<std::size_t>(j)].aktiv ? TPopupWahl{i, j} : TPopupWahl{};
  }

  int gezeigt = 0;
  int mitEreignissen = 0;

 private:
  std::mt19937& zufall_;
  std::function<void()> zwischendurch_;
  int tiefe_ = 0;
};

class ZufallTest : public GuiTest {
 protected:
  ZufallTest() : zufall(20240611), dialoge(zufall), popups(zufall, [this] { Zwischendurch(); }) {
    TDienste::SetzeDialoge(&dialoge);
    TDienste::SetzePopups(&popups);
    uhr.Setze(int64_t{kGeneratorHeute} * 86400 + 36000);
    // The plan windows alone: the random answers click any button, and the print and settings
    // dialogs' buttons open Qt's own font, colour and print dialogs, which no script answers.
    BauePalette(dateien, nullptr, false);
    InstallierePlanFenster(*palette);
    palette->show();
  }
  ~ZufallTest() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    palette.reset();
  }

  int Zahl(int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); }
  bool Selten(int n) { return Zahl(n) == 0; }

  std::vector<TKindFenster*> Fenster() {
    std::vector<TKindFenster*> liste;
    for (IFenster* f : palette->Schule().Fenster())
      if (auto* k = dynamic_cast<TKindFenster*>(f); k != nullptr && k->isVisible()) liste.push_back(k);
    return liste;
  }
  TKindFenster* EinFenster() {
    const std::vector<TKindFenster*> liste = Fenster();
    return liste.empty() ? nullptr : liste[static_cast<std::size_t>(Zahl(static_cast<int>(liste.size())))];
  }
  Qt::KeyboardModifiers Tasten() {
    Qt::KeyboardModifiers m;
    if (Selten(4)) m |= Qt::ShiftModifier;
    if (Selten(4)) m |= Qt::ControlModifier;
    if (Selten(6)) m |= Qt::AltModifier;
    return m;
  }
  // Somewhere on the widget, now and then beyond its edges.
  QPoint Ort(const QWidget* w) {
    const int rand = Selten(6) ? 300 : 0;
    return {Zahl(w->width() + 2 * rand + 1) - rand, Zahl(w->height() + 2 * rand + 1) - rand};
  }
  // A click makes its window the active one, as the window manager does.
  QWidget* MausZiel(TKindFenster* f) {
    Aktiviere(f);
    if (auto* gitter = f->findChild<TGitter*>(); gitter != nullptr && !Selten(8)) return gitter->viewport();
    return f;
  }
  static void Aktiviere(QWidget* w) {
    w->activateWindow();
    QApplication::setActiveWindow(w);
  }
  static void Maus(QWidget* w, QEvent::Type art, QPoint ort, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
                   Qt::KeyboardModifiers m) {
    QMouseEvent ereignis(art, QPointF(ort), QPointF(w->mapToGlobal(ort)), knopf, knoepfe, m);
    QApplication::sendEvent(w, &ereignis);
  }

  void Klick(bool doppelt) {
    TKindFenster* f = EinFenster();
    if (f == nullptr) return;
    QPointer<QWidget> w = MausZiel(f);
    const QPoint ort = Ort(w);
    const Qt::MouseButton knopf = Selten(4) ? Qt::RightButton : Qt::LeftButton;
    const Qt::KeyboardModifiers m = Tasten();
    protokoll.push_back(QStringLiteral("%1 %2 %3,%4 knopf %5 mod %6")
                            .arg(doppelt ? "Doppelklick" : "Klick", f->Caption())
                            .arg(ort.x())
                            .arg(ort.y())
                            .arg(static_cast<int>(knopf))
                            .arg(static_cast<int>(m)));
    Maus(w, QEvent::MouseButtonPress, ort, knopf, knopf, m);
    if (w.isNull()) return;
    Maus(w, QEvent::MouseButtonRelease, ort, knopf, Qt::NoButton, m);
    if (!doppelt || w.isNull()) return;
    Maus(w, QEvent::MouseButtonDblClick, ort, knopf, knopf, m);
    if (w.isNull()) return;
    Maus(w, QEvent::MouseButtonRelease, ort, knopf, Qt::NoButton, m);
  }

  void Ziehen() {
    TKindFenster* f = EinFenster();
    if (f == nullptr) return;
    QPointer<QWidget> w = MausZiel(f);
    const Qt::KeyboardModifiers m = Tasten();
    QPoint ort = Ort(w);
    protokoll.push_back(QStringLiteral("Ziehen %1 ab %2,%3 mod %4")
                            .arg(f->Caption())
                            .arg(ort.x())
                            .arg(ort.y())
                            .arg(static_cast<int>(m)));
    Maus(w, QEvent::MouseButtonPress, ort, Qt::LeftButton, Qt::LeftButton, m);
    for (int i = Zahl(4); i >= 0 && !w.isNull(); --i) {
      ort = Ort(w);
      Maus(w, QEvent::MouseMove, ort, Qt::NoButton, Qt::LeftButton, m);
    }
    if (!w.isNull() && Selten(5)) {
      protokoll.push_back(QStringLiteral("Esc beim Ziehen"));
      QTest::keyClick(w, Qt::Key_Escape);
    }
    if (!w.isNull()) Maus(w, QEvent::MouseButtonRelease, ort, Qt::LeftButton, Qt::NoButton, m);
  }

  // A key, now and then a shortcut. While a pop-up is open the keys go to the window that is
  // active (the pop-up's own), and shortcuts are what they mostly are.
  void Taste(bool imPopup = false) {
    static const Qt::Key tasten[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                     Qt::Key_PageUp, Qt::Key_Home,  Qt::Key_Return, Qt::Key_Escape,
                                     Qt::Key_F2,     Qt::Key_Space, Qt::Key_A,      Qt::Key_X,
                                     Qt::Key_Delete, Qt::Key_Tab};
    // The palette's shortcuts, Ctrl+Q (Beenden) left out.
    static const Qt::Key kuerzel[] = {
        Qt::Key_W,  Qt::Key_W,   Qt::Key_C,  Qt::Key_A,  Qt::Key_Z,   Qt::Key_P,  Qt::Key_S,  Qt::Key_N,
        Qt::Key_O,  Qt::Key_K,   Qt::Key_F1, Qt::Key_F2, Qt::Key_F3,  Qt::Key_F6, Qt::Key_F7, Qt::Key_F8,
        Qt::Key_F9, Qt::Key_F10, Qt::Key_F4, Qt::Key_F5, Qt::Key_F11, Qt::Key_F12};
    QWidget* ziel = palette.get();
    if (imPopup && QApplication::activeWindow() != nullptr) {
      ziel = QApplication::activeWindow();
    } else {
      if (TKindFenster* f = EinFenster(); f != nullptr && !Selten(4)) ziel = f;
      Aktiviere(ziel);
    }
    Qt::Key taste;
    Qt::KeyboardModifiers m;
    if (imPopup ? !Selten(3) : Selten(2)) {
      taste = kuerzel[Zahl(static_cast<int>(std::size(kuerzel)))];
      m = Qt::ControlModifier | (Selten(5) ? Qt::ShiftModifier : Qt::NoModifier);
    } else {
      taste = tasten[Zahl(static_cast<int>(std::size(tasten)))];
      m = Tasten() & ~Qt::ControlModifier;
    }
    QWidget* fokus = ziel->focusWidget() != nullptr ? ziel->focusWidget() : ziel;
    protokoll.push_back(QStringLiteral("Taste %1 mod %2 an %3")
                            .arg(QKeySequence(taste).toString())
                            .arg(static_cast<int>(m))
                            .arg(ziel->windowTitle()));
    QTest::keyClick(fokus, taste, m);
  }

  void PalettenKnopf() {
    std::vector<QToolButton*> knoepfe;
    for (QToolButton* k : palette->findChildren<QToolButton*>())
      if (k->isEnabled() && k->menu() == nullptr && !k->objectName().isEmpty()) knoepfe.push_back(k);
    if (knoepfe.empty()) return;
    QToolButton* k = knoepfe[static_cast<std::size_t>(Zahl(static_cast<int>(knoepfe.size())))];
    palette->SetzeTasten(static_cast<uint8_t>(Selten(4) ? 4 : Selten(4) ? 1 : 0));
    protokoll.push_back(QStringLiteral("Knopf %1 tasten %2").arg(k->objectName()).arg(palette->Tasten()));
    k->click();
    palette->SetzeTasten(0);
  }

  void ElementMenue() {
    static const char* menues[] = {"Le", "Kl", "Ra"};
    const char* titel = menues[Zahl(3)];
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QString::fromLatin1(titel)));
    if (menue == nullptr || !menue->menuAction()->isEnabled()) return;
    // The plans' group, then an element: its plan opens.
    palette->Schule().SetzeAnsichtsgruppe(2);
    const int index = Zahl(12);
    palette->SetzeTasten(static_cast<uint8_t>(Selten(3) ? 1 : 0));
    protokoll.push_back(QStringLiteral("Menü %1 Eintrag %2").arg(titel).arg(index));
    menue->Waehle(index);
    palette->SetzeTasten(0);
  }

  // "Datei schließen" with its windows open; the loop opens the file again.
  void DateiSchliessen() {
    protokoll.push_back(QStringLiteral("Datei schließen"));
    palette->Menues().Aktion(QStringLiteral("Datei/Datei schließen"))->trigger();
  }

  // One random step; an open pop-up takes the mouse, so inside one only keys.
  void Schritt(bool imPopup) {
    if (imPopup) {
      Taste(true);
      return;
    }
    const int art = Zahl(100);
    if (art < 30)
      Klick(false);
    else if (art < 38)
      Klick(true);
    else if (art < 55)
      Ziehen();
    else if (art < 77)
      Taste();
    else if (art < 87)
      PalettenKnopf();
    else if (art < 97)
      ElementMenue();
    else if (art < 98)
      DateiSchliessen();
    else
      QCoreApplication::processEvents();
  }

  void Zwischendurch() {
    protokoll.push_back(QStringLiteral("-- im Pop-up:"));
    Schritt(true);
  }

  QString Verlauf() const {
    QStringList letzte;
    for (std::size_t i = protokoll.size() > 25 ? protokoll.size() - 25 : 0; i < protokoll.size(); ++i)
      letzte << protokoll[i];
    return letzte.join(QLatin1Char('\n'));
  }

  std::mt19937 zufall;
  TGenerierteDateien dateien;
  TZufallsDialoge dialoge;
  TZufallsPopups popups;
  std::vector<QString> protokoll;
};

TEST_F(ZufallTest, ThousandsOfRandomEventsKeepTheModelSoundAndNoWindowIsUsedAfterItsEnd) {
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(kPfad));
  int geoeffnet = 0, geschlossen = 0;
  std::size_t offen = 0;
  for (int schritt = 0; schritt < kSchritte; ++schritt) {
    // A school closed or replaced by a command is opened again, so that there is something to do.
    if (palette->Schule().Lehrer().Leer() && palette->DateiBefehle().DateiOeffnen(kPfad)) ++geoeffnet;
    Schritt(false);
    for (const std::string& fehler : PruefeModell(palette->Schule()))
      FAIL() << "Schritt " << schritt << ": " << fehler << "\n" << Verlauf().toStdString();
    // Every window the school lists is alive and not on its way out.
    for (IFenster* f : palette->Schule().Fenster()) {
      auto* k = dynamic_cast<TKindFenster*>(f);
      ASSERT_NE(k, nullptr);
      ASSERT_FALSE(k->WirdFreigegeben()) << "Schritt " << schritt << "\n" << Verlauf().toStdString();
    }
    const std::size_t jetzt = palette->Schule().Fenster().size();
    if (jetzt < offen) ++geschlossen;
    offen = jetzt;
  }
  // The soak did what it is for: windows came and went, pop-ups were worked through.
  EXPECT_GT(geschlossen, kSchritte / 100);
  EXPECT_GT(popups.mitEreignissen, kSchritte / 200);
  EXPECT_GT(geoeffnet, 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(PruefeModell(palette->Schule()).empty());
  EXPECT_LT(geoeffnet, kSchritte / 10) << "the school was open most of the time";
}

}  // namespace
}  // namespace kolvar
