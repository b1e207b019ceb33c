// With fresh settings and the default fonts, every window and dialog the menus open shows its
// caption and the headers of its grids whole: each text's width against the room it gets.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>
#include <set>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/skriptdienste.h"
#include "installation.h"
#include "model/fach.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "platform/dienste.h"
#include "platform/fensterrahmen.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "platform/kvform.h"
#include "platform/popupdienst.h"
#include "print/anwendungsdrucker.h"

namespace kolvar {
namespace {

// What a window or dialog cuts: its caption in the title bar, a header cell of a grid.
QStringList Abgeschnitten(const QWidget& w) {
  QStringList fehler;
  const QString titel = w.windowTitle();
  if (w.width() < TitelBreite(titel))
    fehler << QStringLiteral("%1: Breite %2 < %3").arg(titel).arg(w.width()).arg(TitelBreite(titel));
  for (const TGitter* g : w.findChildren<TGitter*>()) {
    const QFontMetrics mass(g->font());
    for (int z = 0; z < g->Zeilen(); ++z)
      for (int s = 0; s < g->Spalten(); ++s) {
        if (z >= g->FesteZeilen() && s >= g->FesteSpalten()) continue;
        const QString text = g->Text(s, z);
        if (text.isEmpty()) continue;
        if (mass.horizontalAdvance(text) + 2 > g->SpaltenBreite(s))
          fehler << QStringLiteral("%1 [%2]: \"%3\" in %4 px")
                        .arg(titel, g->objectName(), text)
                        .arg(g->SpaltenBreite(s));
      }
  }
  return fehler;
}

// Looks at every dialog, answers it by cancelling.
class TPruefDialoge : public IDialogDienst {
 public:
  int ZeigeDialog(TKvDialog& d) override {
    gesehen.insert(d.windowTitle());
    fehler << Abgeschnitten(d);
    return mrAbbrechen;
  }
  int Frage(const QString&, const QString&, unsigned knoepfe, TMeldungsArt, TKnopf) override {
    if (knoepfe & knAbbrechen) return mrAbbrechen;
    return (knoepfe & knNein) ? mrNein : mrOk;
  }
  std::set<QString> gesehen;
  QStringList fehler;
};

// No system print, page or font dialog is shown.
class TKeinDruck : public IDruckAblauf {
 public:
  bool Druckdialog(QPrinter&, QWidget*) override { return false; }
  bool Papierformat(QPrinter&, QWidget*) override { return false; }
  bool Schrift(QFont&, QWidget*) override { return false; }
};

class TKeinPopup : public IPopupDienst {
 public:
  TPopupWahl Zeige(const std::vector<TPopupEintrag>&, const QPoint&, int) override { return {}; }
};

void BaueSchule(TSchule& s) {
  TLehrer* le = s.NeuerLehrer("MUE");
  TKlasse* kl = s.NeueKlasse("5a");
  TKopplung* ko = s.NeueKopplung("Rel5");
  TFach* fa = s.NeuesFach("De");
  TRaum* ra = s.NeuerRaum("R101");
  s.ErzeugeKurs(le, kl, ko, fa, ra, 3);
  s.NeueUVTab("UV5");
}

// The menu entries below a menu, with their paths.
void Sammle(QMenu& menue, const QString& pfad, std::vector<std::pair<QString, QPointer<QAction>>>& aktionen) {
  for (QAction* a : menue.actions()) {
    if (a->isSeparator()) continue;
    const QString name = pfad + QLatin1Char('/') + a->text();
    if (a->menu() != nullptr)
      Sammle(*a->menu(), name, aktionen);
    else
      aktionen.emplace_back(name, a);
  }
}

TEST(TextBreiten, JedesFensterUndJederDialogZeigtSeineTexteGanz) {
  TPruefDialoge dialoge;
  TKeinPopup popups;
  TSpeicherAblage ablage;
  TSkriptDateiDienst dateiDienst;
  TKeinDruck druck;
  TAnwendungsDrucker::SetzeAblauf(&druck);
  TDienste::SetzeDialoge(&dialoge);
  TDienste::SetzePopups(&popups);
  TDienste::SetzeAblage(&ablage);
  TDienste::SetzeDateien(&dateiDienst);
  TStandard standard;
  TGebauteSchule dateien{BaueSchule};
  auto palette = std::make_unique<TKolvarPalette>(standard, dateien);
  InstalliereFunktionen(*palette);
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));

  QStringList fehler;
  auto fensterPruefen = [&fehler] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<TKvForm*>(w) != nullptr && w->isVisible()) fehler << Abgeschnitten(*w);
  };
  // Every element's window in each view.
  for (const char* knopf : {"GrDat", "Dep", "Plan"}) {
    for (const char* menue : {"Le", "Kl", "Ko", "Fa", "Ra", "UV"}) {
      palette->Knopf(QString::fromLatin1(knopf))->click();
      QMenu* m = palette->Menues().Menue(QString::fromLatin1(menue));
      if (m == nullptr || m->actions().isEmpty()) continue;
      // With Shift held nothing open is replaced.
      palette->SetzeTasten(Taste::Shift);
      m->actions().front()->trigger();
      palette->SetzeTasten(0);
    }
  }
  fensterPruefen();
  // Every entry of the main menu that opens a window or a dialog.
  static const QStringList kAuslassen{QStringLiteral("Datei/Neu"),
                                      QStringLiteral("Datei/Datei schließen"),
                                      QStringLiteral("Datei/Beenden"),
                                      QStringLiteral("Datei/Fenster schließen"),
                                      QStringLiteral("Bearbeiten/Widerrufen"),
                                      QStringLiteral("Bearbeiten/Ausschneiden"),
                                      QStringLiteral("Bearbeiten/Einsetzen"),
                                      QStringLiteral("Bearbeiten/Löschen")};
  std::vector<std::pair<QString, QPointer<QAction>>> aktionen;
  for (QAction* a : palette->menuBar()->actions())
    if (a->menu() != nullptr) Sammle(*a->menu(), a->text(), aktionen);
  for (const auto& [pfad, a] : aktionen) {
    // Menus rebuilt by an entry before (element menus, the window list) lose their entries.
    if (a.isNull() || !a->isEnabled() || kAuslassen.contains(pfad) ||
        pfad.contains(QStringLiteral("Werkzeuge")) || pfad.startsWith(QStringLiteral("Le/")) ||
        pfad.startsWith(QStringLiteral("Hilfe")))
      continue;
    a->trigger();
    fensterPruefen();
  }
  fehler << dialoge.fehler;
  fehler.removeDuplicates();
  EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
  EXPECT_GT(dialoge.gesehen.size(), 20u) << "the menus reach the dialogs";
  palette.reset();
  TAnwendungsDrucker::SetzeAblauf(nullptr);
  TDienste::Zuruecksetzen();
}

}  // namespace
}  // namespace kolvar
