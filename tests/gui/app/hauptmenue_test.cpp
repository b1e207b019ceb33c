// The whole main menu as the user sees it: every caption in its place, every shortcut, and no
// entry left without its command except those whose window another feature still brings. The
// settings pages follow one another through "Wechseln".
#include <QMenuBar>
#include <map>
#include <set>

#include "app/dialogregister.h"
#include "app/hintergrund.h"
#include "appumgebung.h"
#include "installation.h"
#include "model/klasse.h"
#include "platform/einstellungsdialog.h"

namespace kolvar {
namespace {

namespace P = MenuePfad;

// The menu in order: "path" or "path|shortcut"; a sub-menu is a path with entries below it.
const std::vector<const char*> kBaum{
    "Datei",
    "Datei/Neu|Ctrl+N",
    "Datei/Öffnen...|Ctrl+O",
    "Datei/Datei schließen",
    "Datei/Fenster schließen|Ctrl+W",
    "Datei/Sichern|Ctrl+S",
    "Datei/Sichern unter...",
    "Datei/Papierformat...",
    "Datei/Fenster drucken...|Ctrl+P",
    "Datei/Drucken",
    "Datei/Drucken/Kürzel...",
    "Datei/Drucken/Deputate...",
    "Datei/Drucken/Pläne",
    "Datei/Drucken/Pläne/Lehrerpläne...",
    "Datei/Drucken/Pläne/Klassenpläne...",
    "Datei/Drucken/Pläne/Raumpläne...",
    "Datei/Drucken/Pläne/Kopplungspläne...",
    "Datei/Drucken/Übersichten",
    "Datei/Drucken/Übersichten/Lehrer...",
    "Datei/Drucken/Übersichten/Klassen...",
    "Datei/Drucken/Übersichten/Räume...",
    "Datei/Drucken/Übersichten/Fächer...",
    "Datei/Drucken/Übersichten/Kombination...",
    "Datei/Drucken/Listen",
    "Datei/Drucken/Listen/Reststunden...",
    "Datei/Drucken/Listen/Stundenverteilung...",
    "Datei/Drucken/Listen/Fachkonferenzen...",
    "Datei/Drucken/Listen/Klassenkonferenzen...",
    "Datei/Drucken/Vertretung",
    "Datei/Drucken/Vertretung/Vertretungsplan...",
    "Datei/Drucken/Vertretung/Vertretungsstunden...",
    "Datei/Drucken/Vertretung/Vertretungsübersicht...",
    "Datei/Import...",
    "Datei/Export",
    "Datei/Export/Kurse...",
    "Datei/Export/HTML-Dateien...",
    "Datei/Beenden|Ctrl+Q",
    "Bearbeiten",
    "Bearbeiten/Widerrufen|Ctrl+Z",
    "Bearbeiten/Ausschneiden|Ctrl+X",
    "Bearbeiten/Kopieren|Ctrl+C",
    "Bearbeiten/Einsetzen|Ctrl+V",
    "Bearbeiten/Löschen",
    "Bearbeiten/Alles auswählen|Ctrl+A",
    "Bearbeiten/Voreinstellungen",
    "Bearbeiten/Voreinstellungen/Eckdaten",
    "Bearbeiten/Voreinstellungen/Grunddaten",
    "Bearbeiten/Voreinstellungen/Deputate",
    "Bearbeiten/Voreinstellungen/Pläne",
    "Bearbeiten/Voreinstellungen/Kurse",
    "Bearbeiten/Voreinstellungen/Planversionen",
    "Bearbeiten/Voreinstellungen/Kalender",
    "Bearbeiten/Voreinstellungen/Zeiten",
    "Bearbeiten/Voreinstellungen/Kennwort",
    "Bearbeiten/Voreinstellungen/Automatik",
    "Bearbeiten/Voreinstellungen/Vertretung",
    "Bearbeiten/Voreinstellungen/HTML-Farben",
    "Bearbeiten/Werkzeuge",
    "Bearbeiten/Werkzeuge/Grunddaten|Ctrl+F1",
    "Bearbeiten/Werkzeuge/Deputat|Ctrl+F2",
    "Bearbeiten/Werkzeuge/Plan|Ctrl+F3",
    "Bearbeiten/Werkzeuge/Neuer Kurs|Ctrl+F4",
    "Bearbeiten/Werkzeuge/Kurs löschen|Ctrl+F5",
    "Bearbeiten/Werkzeuge/Zeigen|Ctrl+F6",
    "Bearbeiten/Werkzeuge/Setzen|Ctrl+F7",
    "Bearbeiten/Werkzeuge/Löschen|Ctrl+F8",
    "Bearbeiten/Werkzeuge/Schieben|Ctrl+F9",
    "Bearbeiten/Werkzeuge/Fixieren|Ctrl+F10",
    "Bearbeiten/Werkzeuge/Manuell|Ctrl+F11",
    "Bearbeiten/Werkzeuge/Automatik|Ctrl+F12",
    "Daten",
    "Daten/Kürzel...|Ctrl+K",
    "Daten/Kurse|Ctrl+U",
    "Daten/Parallele Kopplungen",
    "Daten/UV-Statistik",
    "Daten/UV-Statistik/Lehrer",
    "Daten/UV-Statistik/Klassen",
    "Daten/UV-Statistik/Kopplungen",
    "Daten/UV-Statistik/Fächer",
    "Daten/UV-Statistik/Räume",
    "Daten/UV-Statistik/UV-Tabellen",
    "Daten/Pläne",
    "Daten/Pläne/Löschen...",
    "Daten/Pläne/Komprimieren",
    "Daten/Pläne/Stundenverteilung",
    "Daten/Pläne/nicht belegte Räume",
    "Daten/Pläne/später eingetragene Räume",
    "Daten/Vertretung",
    "Daten/Vertretung/Heute|Ctrl+H",
    "Daten/Vertretung/Morgen",
    "Daten/Vertretung/anderer Tag",
    "Daten/Vertretung/Vertretungsstunden",
    "Daten/Vertretung/Vertretungsübersicht",
    "Daten/Prüfen",
    "Daten/Prüfen/Konsistenz",
    "Daten/Prüfen/Brücken",
    "Daten/Prüfen/fehlende Räume",
    "Daten/Prüfen/fehlende Stunden",
    "Daten/Prüfen/Versionsunterschiede",
    "Daten/Prüfen/gekoppelte Kurse",
    "Daten/Prüfen/Einzel-/Mehrfachstunden",
    "Le",
    "Kl",
    "Ko",
    "Fa",
    "Ra",
    "UV",
    "Fenster",
    "Fenster/Anordnung...",
    "Fenster/Zwischenablage",
    "Hilfe",
    "Hilfe/Hilfethemen",
    "Hilfe/Über WinKolvar...",
};

// Entries whose window or dialog a feature still to come brings (none now); each takes its line
// off when it registers the command.
const std::set<QString> kWartend{};

// "Export" stays disabled whatever is built: no command enables it.
const std::set<QString> kImmerAus{"Datei/Export/Kurse...", "Datei/Export/HTML-Dateien..."};

const std::set<QString> kElementMenues{"Le", "Kl", "Ko", "Fa", "Ra", "UV"};

struct TEintrag {
  QString pfad;
  QString taste;
  QAction* aktion;
};

void Sammle(QMenu& menue, const QString& pfad, std::vector<TEintrag>& eintraege) {
  for (QAction* a : menue.actions()) {
    if (a->isSeparator()) continue;
    const QString unter = pfad + QLatin1Char('/') + a->text();
    eintraege.push_back({unter, a->shortcut().toString(QKeySequence::PortableText), a});
    if (a->menu() != nullptr) Sammle(*a->menu(), unter, eintraege);
  }
}

class HauptmenueTest : public AppTest {
 protected:
  HauptmenueTest() { nurPalette = true; }
  std::vector<TEintrag> Baum() {
    std::vector<TEintrag> eintraege;
    for (QAction* a : Palette().menuBar()->actions()) {
      eintraege.push_back({a->text(), {}, a});
      // The element menus hold the school's abbreviations, the window menu the open windows.
      if (kElementMenues.count(a->text()) == 0 && a->text() != P::Fenster)
        Sammle(*a->menu(), a->text(), eintraege);
    }
    for (QAction* a : Palette().Menues().FensterMenue().actions())
      if (!a->isSeparator() && a->menu() == nullptr && a->text() != QStringLiteral("Anordnung...") &&
          a->text() != QStringLiteral("Zwischenablage"))
        ADD_FAILURE() << "window entry without a window: " << a->text().toStdString();
    return eintraege;
  }
};

TEST_F(HauptmenueTest, JedeBeschriftungJedeTasteUndKeinEintragOhneBefehl) {
  InstalliereFunktionen(Palette());
  std::vector<TEintrag> baum = Baum();
  // The window menu's fixed entries sit where the tree expects them.
  std::vector<TEintrag> erwartet;
  for (const char* zeile : kBaum) {
    const QStringList teile = QString::fromUtf8(zeile).split(QLatin1Char('|'));
    erwartet.push_back({teile[0], teile.value(1), nullptr});
  }
  std::vector<TEintrag> ist;
  for (const TEintrag& e : baum) {
    ist.push_back(e);
    if (e.pfad == P::Fenster)
      for (const QString& p : {P::Anordnung, P::Zwischenablage})
        ist.push_back({p, {}, Palette().Menues().Aktion(p)});
  }
  ASSERT_EQ(ist.size(), erwartet.size());
  for (std::size_t i = 0; i < ist.size(); ++i) {
    EXPECT_EQ(ist[i].pfad, erwartet[i].pfad) << i;
    EXPECT_EQ(ist[i].taste, erwartet[i].taste) << ist[i].pfad.toStdString();
    // Captions get no accelerators of their own.
    EXPECT_FALSE(ist[i].aktion->text().contains(QLatin1Char('&'))) << ist[i].pfad.toStdString();
    if (!ist[i].taste.isEmpty()) {
      EXPECT_EQ(ist[i].aktion->shortcutContext(), Qt::ApplicationShortcut) << ist[i].pfad.toStdString();
    }
  }

  // A school with two versions and a class is open: every entry with a command is there, and an
  // entry is disabled only by what the school or the active window says, never for lack of code.
  standard.SetVersionszahl(2);
  for (const char* form : {"EckStandardForm", "GrDatStandardForm", "KursStandardForm", "Kürzel"})
    dialoge.Klicke(QString::fromUtf8(form), QStringLiteral("Ok"));
  Palette().DateiBefehle().NeuItemClick();
  const int neuDialoge = dialoge.Protokoll().size();
  Palette().Schule().NeueKlasse("5a");
  Palette().KuerzelMenusAnlegen();
  Palette().MenusAnpassen();
  const std::set<QString> nachZustand{
      P::Neu,          P::Oeffnen,         P::Sichern,     P::FensterSchliessen, P::FensterDrucken,
      P::UndoLoeschen, P::AllesAuswaehlen, P::WzNeuerKurs, P::WzKursLoeschen,    P::WzSetzen,
      P::WzLoeschen,   P::WzSchieben,      P::WzFixieren,  P::WzManuell,         P::WzAutomatik};
  for (const TEintrag& e : baum) {
    if (e.aktion->menu() != nullptr) continue;
    const std::string pfad = e.pfad.toStdString();
    TMenueBaum& menues = Palette().Menues();
    if (kWartend.count(e.pfad) != 0) {
      EXPECT_FALSE(menues.HatBefehl(e.pfad)) << pfad << " has its command now: take it off kWartend";
      EXPECT_FALSE(e.aktion->isEnabled()) << pfad;
      continue;
    }
    if (kImmerAus.count(e.pfad) != 0) continue;
    EXPECT_TRUE(menues.HatBefehl(e.pfad)) << pfad << " has no command";
    if (nachZustand.count(e.pfad) == 0) {
      EXPECT_TRUE(e.aktion->isEnabled()) << pfad;
    }
  }
  for (const char* m : {"Le", "Kl"})
    EXPECT_EQ(Palette().Menues().Menue(m)->menuAction()->isEnabled(), m == std::string("Kl"));
  EXPECT_FALSE(Aktiv(P::Export));
  // Compressing without a class does nothing, not even warn.
  Palette().Schule().LoescheElement(Palette().Schule().Klassen().Hole(1));
  Palette().Menues().Aktion(P::Komprimieren)->trigger();
  EXPECT_EQ(dialoge.Protokoll().size(), neuDialoge) << dialoge.Protokoll().join('\n').toStdString();
  KeineFehler();
}

// A settings page that records what it stores.
class TTestSeite : public TEinstellungsDialog {
 public:
  TTestSeite(const QString& name, TStandard& standard, QStringList& protokoll)
      : TEinstellungsDialog(standard), name_(name), protokoll_(protokoll) {
    setWindowTitle(name);
  }

 protected:
  void Speichern(TStandard&) override { protokoll_ << name_ + QStringLiteral(" gespeichert"); }

 private:
  QString name_;
  QStringList& protokoll_;
};

TEST_F(HauptmenueTest, WechselnOeffnetDieGewaehlteSeiteNachDerGespeicherten) {
  QStringList protokoll;
  for (const QString& seite :
       {QStringLiteral("Eckdaten"), QStringLiteral("Zeiten"), QStringLiteral("Planversionen")}) {
    Palette().RegistriereDialog(
        seite,
        [this, seite, &protokoll] {
          TTestSeite dialog(seite, standard, protokoll);
          return dialog.Zeige();
        },
        QStringLiteral("Bearbeiten/Voreinstellungen/") + seite);
  }
  // Eckdaten -> Zeiten -> Eckdaten, then "Abbrechen": each page stores before the next opens.
  popups.WaehleText(QStringLiteral("Zeiten"));
  dialoge.Klicke(QStringLiteral("Eckdaten"), QStringLiteral("Wechseln"));
  popups.WaehleText(QStringLiteral("Eckdaten"));
  dialoge.Klicke(QStringLiteral("Zeiten"), QStringLiteral("Wechseln"));
  dialoge.Antworte(QStringLiteral("Eckdaten"), mrAbbrechen);
  Palette().Menues().Aktion(P::VorEckdaten)->trigger();
  EXPECT_EQ(protokoll, (QStringList{"Eckdaten gespeichert", "Zeiten gespeichert"}));
  EXPECT_EQ(dialoge.Protokoll(), (QStringList{"Eckdaten", "Zeiten", "Eckdaten"}));

  // A page the menu keeps disabled (one version only) is offered disabled: nothing can be chosen,
  // the page stays open and stores nothing until its own button closes it.
  protokoll.clear();
  popups.WaehleNichts();
  bool planversionenAn = true;
  dialoge.Bediene(QStringLiteral("Zeiten"), [&](TKvDialog& d) {
    d.Knopf(QStringLiteral("Wechseln"))->click();
    ASSERT_FALSE(popups.Angebote().empty());
    const auto& angebot = popups.Angebote().back();
    ASSERT_EQ(angebot.texte.value(5), QStringLiteral("Planversionen"));
    planversionenAn = angebot.aktiv[5];
    EXPECT_TRUE(angebot.aktiv[7]);
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Palette().Menues().Aktion(P::VorZeiten)->trigger();
  EXPECT_FALSE(planversionenAn);
  EXPECT_TRUE(protokoll.isEmpty());
  EXPECT_EQ(dialoge.Protokoll().size(), 4);
  // With two versions it is offered.
  standard.SetVersionszahl(2);
  popups.WaehleNichts();
  dialoge.Bediene(QStringLiteral("Zeiten"), [&](TKvDialog& d) {
    d.Knopf(QStringLiteral("Wechseln"))->click();
    planversionenAn = popups.Angebote().back().aktiv[5];
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Palette().Menues().Aktion(P::VorZeiten)->trigger();
  EXPECT_TRUE(planversionenAn);
  standard.SetVersionszahl(1);
  EXPECT_EQ(dialoge.Protokoll().size(), 5);
  // A page without a dialog yet ends the round as well.
  popups.WaehleText(QStringLiteral("Kalender"));
  dialoge.Klicke(QStringLiteral("Zeiten"), QStringLiteral("Wechseln"));
  Palette().Menues().Aktion(P::VorZeiten)->trigger();
  EXPECT_EQ(dialoge.Protokoll().size(), 6);
  KeineFehler();
  EXPECT_TRUE(popups.Fehler().isEmpty());
}

TEST_F(HauptmenueTest, EckdatenRichtenHintergrundUndVersionsknopfNeuAus) {
  InstalliereFunktionen(Palette());
  standard.hga = false;
  Palette().HintergrundAnpassen();
  Palette().RegistriereDialog(
      DialogName::Eckdaten,
      [this] {
        standard.hga = true;
        standard.SetVersionszahl(3);
        standard.SetAktuelleVersion(3);
        return int{mrOk};
      },
      P::VorEckdaten);
  Palette().Menues().Aktion(P::VorEckdaten)->trigger();
  EXPECT_FALSE(Palette().Hintergrund()->isHidden());
  EXPECT_EQ(Knopf("Vers")->text(), QStringLiteral("3"));
  EXPECT_TRUE(Aktiv(P::VorPlanversionen)) << "more than one version now";
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
