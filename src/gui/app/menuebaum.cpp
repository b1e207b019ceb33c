#include "app/menuebaum.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <memory>
#include <stdexcept>

#include "app/dateibefehle.h"
#include "app/fensteroeffner.h"
#include "app/fensterverwaltung.h"
#include "app/kolvarpalette.h"
#include "app/meldungsform.h"
#include "app/menuebefehle.h"
#include "app/menuepfade.h"
#include "app/seitenwahl.h"
#include "app/ueberdialog.h"
#include "model/fensterart.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/hilfe.h"
#include "platform/kindfenster.h"
#include "platform/spaltenmenue.h"

namespace kolvar {

namespace P = MenuePfad;

namespace {

const std::array<QString, 6> kKuerzelMenuTitel{QStringLiteral("Le"), QStringLiteral("Kl"),
                                               QStringLiteral("Ko"), QStringLiteral("Fa"),
                                               QStringLiteral("Ra"), QStringLiteral("UV")};

[[noreturn]] void Unbekannt(const QString& pfad) {
  throw std::invalid_argument("unbekannter Menüpfad: " + pfad.toStdString());
}

// The lessons placed after the period, in every version.
int StundenNach(const TSchule& schule, int stunde) {
  int n = 0;
  for (const TKurs* k : schule.Kurse())
    for (const TSetzung* s : k->Setzungen())
      if (s->Stunde() > stunde) ++n;
  return n;
}

}  // namespace

TMenueBaum::TMenueBaum(TKolvarPalette& palette) : palette_(palette) {
  Baue();
}

TMenueBaum::~TMenueBaum() = default;

// ---------------------------------------------------------------------------------------------
// Dispatch and lookup

void TMenueBaum::FuehreAus(const std::function<void()>& befehl) {
  if (!befehl) return;
  // Whatever the command re-stacks, the window in front at its end is the active one.
  const TFensterVerwaltung::TUmordnung umordnung(palette_.Fenster(), false);
  // One user action: the open windows refresh once, when it is done. A command may replace the
  // school (opening or closing a file); the one it began with is then left alone.
  struct TKlammer {
    TKolvarPalette& palette;
    TSchule* schule;
    explicit TKlammer(TKolvarPalette& p) : palette(p), schule(&p.Schule()) { schule->BeginneAktion(); }
    ~TKlammer() {
      if (&palette.Schule() == schule) schule->BeendeAktion();
    }
  } klammer(palette_);
  const int pst = palette_.Standard().pst;
  const int vorher = StundenNach(palette_.Schule(), pst);
  befehl();
  // A new school was read (which shows its lessons itself), or "Std/Tag" was set on purpose.
  if (&palette_.Schule() == klammer.schule && palette_.Standard().pst == pst)
    ZeigeStundenNachPst(pst, vorher);
}

void TMenueBaum::ZeigeStundenNachPst(int alt, int vorher) {
  // An action (the automatic run above all, whose slot tables rank the late periods last) may
  // place lessons after the last period the plans show: they are shown, as opening a file does.
  TSchule& schule = palette_.Schule();
  const int n = StundenNach(schule, alt);
  if (n <= vorher || !schule.ZeigeAlleSetzungen()) return;
  TDienste::Dialoge().Hinweis(QStringLiteral("Std/Tag"),
                              QStringLiteral("%1 Stunden liegen nach der %2. Stunde; Std/Tag ist jetzt %3.")
                                  .arg(n)
                                  .arg(alt)
                                  .arg(palette_.Standard().pst),
                              TMeldungsArt::Information);
}

void TMenueBaum::Verbinde(QAbstractButton* knopf, std::function<void()> befehl) {
  connect(knopf, &QAbstractButton::clicked, this, [this, befehl = std::move(befehl)] { FuehreAus(befehl); });
}

QAction* TMenueBaum::Aktion(const QString& pfad) const {
  QAction* aktion = aktionen_.value(pfad, nullptr);
  if (aktion == nullptr) Unbekannt(pfad);
  return aktion;
}

QMenu* TMenueBaum::Menue(const QString& titel) const {
  if (titel == P::Menu) return faltMenue_;
  for (QMenu* m : hauptMenues_)
    if (m->title() == titel) return m;
  Unbekannt(titel);
}

void TMenueBaum::SetzeBefehl(const QString& pfad, std::function<void()> befehl) {
  QAction* aktion = Aktion(pfad);
  if (aktion->menu() != nullptr)
    throw std::invalid_argument("Menüpfad ist ein Untermenü: " + pfad.toStdString());
  befehle_.insert(aktion, std::move(befehl));
  aktion->setEnabled(true);
  DateiMenusAnpassen();
  MenusAnpassen();
}

bool TMenueBaum::HatBefehl(const QString& pfad) const {
  return HatBefehl(Aktion(pfad));
}

std::function<void()> TMenueBaum::Befehl(const QString& pfad) const {
  return befehle_.value(Aktion(pfad));
}

bool TMenueBaum::HatBefehl(QAction* aktion) const {
  if (aktion == nullptr) return false;
  if (QMenu* unter = aktion->menu()) {
    for (QAction* a : unter->actions())
      if (!a->isSeparator() && HatBefehl(a)) return true;
    return false;
  }
  const auto it = befehle_.find(aktion);
  return it != befehle_.end() && static_cast<bool>(it.value());
}

void TMenueBaum::Freigeben(QAction* aktion, bool an) {
  aktion->setEnabled(an && HatBefehl(aktion));
}

// ---------------------------------------------------------------------------------------------
// Building

QMenu* TMenueBaum::Eltern(const QString& pfad, QString& text) const {
  // Captions may hold '/' themselves ("Einzel-/Mehrfachstunden"): the longest menu path wins.
  QMenu* eltern = nullptr;
  qsizetype laenge = -1;
  for (auto it = menues_.begin(); it != menues_.end(); ++it) {
    const QString& m = it.key();
    if (m.size() > laenge && pfad.size() > m.size() + 1 && pfad.startsWith(m) && pfad[m.size()] == u'/') {
      eltern = it.value();
      laenge = m.size();
    }
  }
  if (eltern == nullptr) Unbekannt(pfad);
  text = pfad.mid(laenge + 1);
  return eltern;
}

QAction* TMenueBaum::Eintrag(const QString& pfad, const QKeySequence& taste, std::function<void()> befehl) {
  QString text;
  QMenu* menue = Eltern(pfad, text);
  QAction* aktion = menue->addAction(text);
  if (!taste.isEmpty()) {
    aktion->setShortcut(taste);
    // Reached from every window of the program, not only the palette.
    aktion->setShortcutContext(Qt::ApplicationShortcut);
  }
  aktionen_.insert(pfad, aktion);
  connect(aktion, &QAction::triggered, this, [this, aktion] {
    if (const int seite = Seite(aktion); seite >= 0) {
      SeitenFolgen(seite);
      return;
    }
    const auto it = befehle_.find(aktion);
    if (it != befehle_.end()) FuehreAus(it.value());
  });
  if (befehl) befehle_.insert(aktion, std::move(befehl));
  aktion->setEnabled(HatBefehl(aktion));
  return aktion;
}

int TMenueBaum::Seite(const QAction* aktion) const {
  for (std::size_t i = 0; i < P::VoreinstellungsSeiten.size(); ++i)
    if (aktionen_.value(P::VoreinstellungsSeiten[i], nullptr) == aktion) return static_cast<int>(i);
  return -1;
}

void TMenueBaum::SeitenFolgen(int seite) {
  // The page chosen through "Wechseln" opens when the one it was chosen in has closed: a loop
  // rather than nested clicks, so a long round of pages never deepens the stack.
  while (seite >= 0) {
    QAction* aktion = Aktion(P::VoreinstellungsSeiten[static_cast<std::size_t>(seite)]);
    const auto it = befehle_.find(aktion);
    if (!aktion->isEnabled() || it == befehle_.end() || !it.value()) return;
    const std::function<void()> befehl = it.value();
    TSeitenWahl wahl;
    FuehreAus([this, &befehl, seite] {
      befehl();
      NachSeite(seite);
    });
    seite = wahl.Seite();
  }
}

void TMenueBaum::NachSeite(int seite) {
  const QString& pfad = P::VoreinstellungsSeiten[static_cast<std::size_t>(seite)];
  if (pfad == P::VorEckdaten) {
    // The days, periods and versions may have changed, and the backdrop with them.
    palette_.HintergrundAnpassen();
    if (palette_.Standard().hga) palette_.Fenster().OrdneFensterAn();
    palette_.VersionsMenuAufbauen();
    MenusAnpassen();
  } else if (pfad == P::VorPlanversionen) {
    palette_.VersionsMenuAufbauen();
    MenusAnpassen();
  }
}

QAction* TMenueBaum::Eintrag(const QString& pfad, std::function<void()> befehl) {
  return Eintrag(pfad, QKeySequence(), std::move(befehl));
}

QMenu* TMenueBaum::Hauptmenue(const QString& titel) {
  auto* m = new QMenu(titel, &palette_);
  hauptMenues_.push_back(m);
  menues_.insert(titel, m);
  return m;
}

QMenu* TMenueBaum::Untermenue(const QString& pfad) {
  QString text;
  QMenu* eltern = Eltern(pfad, text);
  auto* unter = new QMenu(text, eltern);
  eltern->addMenu(unter);
  aktionen_.insert(pfad, unter->menuAction());
  menues_.insert(pfad, unter);
  return unter;
}

void TMenueBaum::Baue() {
  TKolvarPalette& p = palette_;
  const auto strg = [](int taste) { return QKeySequence(Qt::CTRL | taste); };

  QMenu* datei = Hauptmenue(P::Datei);
  Eintrag(P::Neu, strg(Qt::Key_N), [&p] { p.DateiBefehle().NeuItemClick(); });
  Eintrag(P::Oeffnen, strg(Qt::Key_O), [&p] { p.DateiBefehle().OeffnenItemClick(); });
  Eintrag(P::DateiSchliessen, [&p] { p.DateiBefehle().SchliessenItemClick(); });
  QAction* fensterSchliessen =
      Eintrag(P::FensterSchliessen, strg(Qt::Key_W), [&p] { p.Fenster().FensterSchliessenItemClick(); });
  // Ctrl+Shift+W is the entry with Shift, which closes every window. A shortcut's modifiers are
  // forgotten when it fires, so the command is given its Shift here.
  auto* alleSchliessen = new QAction(&palette_);
  alleSchliessen->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
  alleSchliessen->setShortcutContext(Qt::ApplicationShortcut);
  palette_.addAction(alleSchliessen);
  connect(alleSchliessen, &QAction::triggered, this, [this, &p, fensterSchliessen] {
    if (!fensterSchliessen->isEnabled()) return;
    FuehreAus([&p] {
      const uint8_t tasten = p.Tasten();
      p.SetzeTasten(static_cast<uint8_t>(tasten | Taste::Shift));
      p.Fenster().FensterSchliessenItemClick();
      p.SetzeTasten(tasten);
    });
  });
  datei->addSeparator();
  Eintrag(P::Sichern, strg(Qt::Key_S), [&p] { p.DateiBefehle().SichernItemClick(); });
  Eintrag(P::SichernUnter, [&p] { p.DateiBefehle().SichernUnterItemClick(); });
  datei->addSeparator();
  Eintrag(P::Papierformat);
  Eintrag(P::FensterDrucken, strg(Qt::Key_P), [&p] { p.Befehle().FensterDruckenItemClick(); });
  Untermenue(P::Drucken);
  Eintrag(P::DruckKuerzel);
  Eintrag(P::DruckDeputate);
  Untermenue(P::DruckPlaene);
  for (const QString& pfad :
       {P::DruckLehrerplaene, P::DruckKlassenplaene, P::DruckRaumplaene, P::DruckKopplungsplaene})
    Eintrag(pfad);
  Untermenue(P::DruckUebersichten);
  for (const QString& pfad :
       {P::DruckUebLehrer, P::DruckUebKlassen, P::DruckUebRaeume, P::DruckUebFaecher, P::DruckUebKombination})
    Eintrag(pfad);
  Untermenue(P::DruckListen);
  for (const QString& pfad :
       {P::DruckReststunden, P::DruckStundenverteilung, P::DruckFachkonferenzen, P::DruckKlassenkonferenzen})
    Eintrag(pfad);
  Untermenue(P::DruckVertretung);
  for (const QString& pfad :
       {P::DruckVertretungsplan, P::DruckVertretungsstunden, P::DruckVertretungsuebersicht})
    Eintrag(pfad);
  datei->addSeparator();
  Eintrag(P::Import, [&p] { p.DateiBefehle().ImportItemClick(); });
  Untermenue(P::Export);
  Eintrag(P::ExportKurse);
  Eintrag(P::ExportHtml);
  datei->addSeparator();
  Eintrag(P::Beenden, strg(Qt::Key_Q), [&p] { p.BeendenItemClick(); });

  QMenu* bearbeiten = Hauptmenue(P::Bearbeiten);
  Eintrag(P::Widerrufen, strg(Qt::Key_Z), [&p] { p.Befehle().WiderrufenItemClick(); });
  bearbeiten->addSeparator();
  Eintrag(P::Ausschneiden, strg(Qt::Key_X), [&p] { p.Befehle().AusschneidenItemClick(); });
  Eintrag(P::Kopieren, strg(Qt::Key_C), [&p] { p.Befehle().KopierenItemClick(); });
  Eintrag(P::Einsetzen, strg(Qt::Key_V), [&p] { p.Befehle().EinsetzenItemClick(); });
  Eintrag(P::UndoLoeschen, [&p] { p.Befehle().UndoLoeschenItemClick(); });
  bearbeiten->addSeparator();
  Eintrag(P::AllesAuswaehlen, strg(Qt::Key_A), [&p] { p.Befehle().AllesAuswaehlenItemClick(); });
  bearbeiten->addSeparator();
  Untermenue(P::Voreinstellungen);
  for (const QString& seite : P::VoreinstellungsSeiten) Eintrag(seite);
  Untermenue(P::Werkzeuge);
  const std::array<std::pair<QString, const char*>, 12> werkzeuge{{{P::WzGrunddaten, "GrDat"},
                                                                   {P::WzDeputat, "Dep"},
                                                                   {P::WzPlan, "Plan"},
                                                                   {P::WzNeuerKurs, "NeueUE"},
                                                                   {P::WzKursLoeschen, "UELoesch"},
                                                                   {P::WzZeigen, "Zeig"},
                                                                   {P::WzSetzen, "Setz"},
                                                                   {P::WzLoeschen, "Loesch"},
                                                                   {P::WzSchieben, "Schieb"},
                                                                   {P::WzFixieren, "Fix"},
                                                                   {P::WzManuell, "Manuell"},
                                                                   {P::WzAutomatik, "Automat"}}};
  for (std::size_t i = 0; i < werkzeuge.size(); ++i) {
    const QString knopf = QString::fromLatin1(werkzeuge[i].second);
    std::function<void()> befehl;
    if (knopf != QLatin1String("Manuell") && knopf != QLatin1String("Automat")) {
      befehl = [&p, knopf] {
        if (knopf == QLatin1String("Dep")) p.SetzeTasten(static_cast<uint8_t>(p.Tasten() & ~Taste::Strg));
        if (QToolButton* k = p.Knopf(knopf); k != nullptr && k->isEnabled()) k->click();
      };
    }
    Eintrag(werkzeuge[i].first, QKeySequence(Qt::CTRL | (Qt::Key_F1 + static_cast<int>(i))),
            std::move(befehl));
  }

  Hauptmenue(P::Daten);
  Eintrag(P::Kuerzel, strg(Qt::Key_K));
  Eintrag(P::Kurse, strg(Qt::Key_U));
  Eintrag(P::ParalleleKopplungen);
  Untermenue(P::UVStatistik);
  for (const QString& pfad :
       {P::StatLehrer, P::StatKlassen, P::StatKopplungen, P::StatFaecher, P::StatRaeume, P::StatUVTabellen})
    Eintrag(pfad);
  Untermenue(P::Plaene);
  for (const QString& pfad : {P::PlaeneLoeschen, P::Komprimieren, P::Stundenverteilung, P::NichtBelegteRaeume,
                              P::SpaeterEingetrageneRaeume})
    Eintrag(pfad);
  Untermenue(P::Vertretung);
  Eintrag(P::VertretungHeute, strg(Qt::Key_H));
  for (const QString& pfad :
       {P::VertretungMorgen, P::VertretungAndererTag, P::Vertretungsstunden, P::Vertretungsuebersicht})
    Eintrag(pfad);
  Untermenue(P::Pruefen);
  for (const QString& pfad : P::Pruefungen) Eintrag(pfad);

  for (std::size_t i = 0; i < kKuerzelMenuTitel.size(); ++i) {
    auto* m = new TSpaltenMenue(&palette_);
    m->setTitle(kKuerzelMenuTitel[i]);
    const auto art = static_cast<TElementArt>(i);
    connect(m, &TSpaltenMenue::EintragGewaehlt, this, [this, art](int position) {
      FuehreAus([this, art, position] { KuerzelMenuClick(art, position); });
    });
    hauptMenues_.push_back(m);
    kuerzelMenues_[i] = m;
  }

  fensterMenue_ = Hauptmenue(P::Fenster);
  Eintrag(P::Anordnung, [&p] { p.Fenster().AnordnungItemClick(); });
  fensterMenue_->addSeparator();
  Eintrag(P::Zwischenablage);
  fensterMenue_->addSeparator();

  Hauptmenue(P::Hilfe);
  Eintrag(P::Hilfethemen, [] { TDienste::Hilfe().Themen(); });
  Eintrag(P::Ueber, [&p] {
    TUeberDialog dialog(QString::fromStdString(p.Schule().Titel()), &p);
    dialog.Zeige();
  });

  faltMenue_ = new QMenu(P::Menu, &palette_);
}

void TMenueBaum::InDieLeiste(QMenuBar& leiste, bool gefaltet) {
  leiste.clear();
  faltMenue_->clear();
  for (QMenu* m : hauptMenues_) {
    if (gefaltet)
      faltMenue_->addMenu(m);
    else
      leiste.addMenu(m);
  }
  if (gefaltet) leiste.addMenu(faltMenue_);
}

// ---------------------------------------------------------------------------------------------
// Enabling

void TMenueBaum::DateiMenusAnpassen() {
  const bool offen = palette_.DateiOffen();
  TSchule& schule = palette_.Schule();
  palette_.SetzeCaption();
  Freigeben(P::Neu, !offen);
  Freigeben(P::Oeffnen, !offen);
  Freigeben(P::SichernUnter, offen);
  Freigeben(P::DateiSchliessen, offen);
  Freigeben(P::Sichern, offen && schule.Geaendert());
  Freigeben(P::Import, true);
  Freigeben(P::Beenden, true);
  // No command enables the export.
  Freigeben(P::Export, false);
  for (const QString& pfad : {P::Plaene, P::UVStatistik, P::ParalleleKopplungen, P::Kurse, P::Kuerzel,
                              P::Vertretung, P::Pruefen, P::Drucken})
    Freigeben(pfad, offen);
  Freigeben(P::Papierformat, true);
  for (const QString& pfad : {P::Ausschneiden, P::Kopieren, P::Einsetzen, P::Anordnung, P::Zwischenablage,
                              P::Hilfethemen, P::Ueber})
    Freigeben(pfad, true);
  for (const QString& seite : P::VoreinstellungsSeiten)
    if (seite != P::VorPlanversionen) Freigeben(seite, true);
  Freigeben(P::Voreinstellungen, true);
  Freigeben(P::Werkzeuge, true);
  SetzeWiderrufenAktiv(palette_.UndoAufzeichnen() && !schule.UndoSchritte().Leer());
}

void TMenueBaum::MenusAnpassen() {
  TSchule& schule = palette_.Schule();
  const bool mehrereVersionen = palette_.Standard().mwn() > 1;
  Freigeben(P::VorPlanversionen, mehrereVersionen);
  Freigeben(P::PruefVersionen, mehrereVersionen && palette_.DateiOffen());

  IFenster* aktiv = schule.AktivesFenster();
  const TFensterArtInfo* art = aktiv != nullptr ? FensterArtInfo(aktiv->Tag()) : nullptr;
  const TFreigabe r = art != nullptr ? art->Freigabe : TFreigabe{};

  Freigeben(P::FensterSchliessen, aktiv != nullptr);
  Freigeben(P::FensterDrucken, aktiv != nullptr);
  Freigeben(P::AllesAuswaehlen, aktiv != nullptr && r.Alles);

  struct TZeile {
    const char* knopf;
    const QString* eintrag;
    bool an;
  };
  const std::array<TZeile, 11> zeilen{{{"PfeilLinks", nullptr, r.Pfeile},
                                       {"PfeilRechts", nullptr, r.Pfeile},
                                       {"Setz", &P::WzSetzen, r.Setz},
                                       {"Loesch", &P::WzLoeschen, r.Loesch},
                                       {"Schieb", &P::WzSchieben, r.Schieb},
                                       {"Fix", &P::WzFixieren, r.Fix},
                                       {"NeueUE", &P::WzNeuerKurs, r.NeueUE},
                                       {"UELoesch", &P::WzKursLoeschen, r.UELoesch},
                                       {"Manuell", &P::WzManuell, r.Manuell && r.ManuellEintrag},
                                       {"Automat", &P::WzAutomatik, r.Automat},
                                       {"Zeig", &P::WzZeigen, true}}};
  for (const TZeile& z : zeilen) {
    const QString name = QString::fromLatin1(z.knopf);
    bool knopfAn = z.an;
    if (name == QLatin1String("Manuell")) knopfAn = r.Manuell;
    palette_.Knopf(name)->setEnabled(knopfAn);
    if (z.eintrag != nullptr) Freigeben(*z.eintrag, z.an);
  }
  for (const QString& pfad : {P::WzGrunddaten, P::WzDeputat, P::WzPlan}) Freigeben(pfad, true);

  auto* kind = dynamic_cast<TKindFenster*>(aktiv);
  palette_.Fenster().FensterMenuMarkieren(kind);
  if (aktiv == nullptr) {
    palette_.ModusSetzen(Modus::Zeigen);
    // With no active window the keys go to the palette; never out of a dialog or pop-up in front.
    if (palette_.isVisible() && QApplication::activeModalWidget() == nullptr &&
        QApplication::activePopupWidget() == nullptr)
      palette_.activateWindow();
    return;
  }
  if (art == nullptr) return;
  if (art->Gruppe >= 0) palette_.AnsichtSetzen(art->Gruppe);
  if (r.Rueckfall & (1u << schule.Werkzeugmodus())) {
    palette_.ModusSetzen(Modus::Zeigen);
  } else if (r.Cursor) {
    schule.SetzeCursor();
  }
}

void TMenueBaum::SetzeSichernAktiv(bool an) {
  Freigeben(P::Sichern, palette_.DateiOffen() && an);
}

void TMenueBaum::SetzeWiderrufenAktiv(bool an) {
  Freigeben(P::UndoLoeschen, an);
  // Without the manual planning window "Widerrufen" only says that it cannot undo yet.
  Freigeben(P::Widerrufen, an || palette_.Schule().ManuellFenster() == nullptr);
}

// ---------------------------------------------------------------------------------------------
// Element menus

void TMenueBaum::KuerzelMenusAnlegen() {
  TSchule& schule = palette_.Schule();
  std::unique_ptr<TMeldungsForm> meldung;
  std::unique_ptr<TSanduhr> sanduhr;
  if (palette_.isVisible() && (!schule.Lehrer().Leer() || !schule.Klassen().Leer())) {
    sanduhr = std::make_unique<TSanduhr>();
    meldung = std::make_unique<TMeldungsForm>(&palette_);
    meldung->SetzeMeldung(QStringLiteral("Das Kürzelmenu wird angelegt."));
    meldung->ZeigeSofort();
  }
  const bool oeffnen = palette_.Oeffner().HatElementOeffner();
  for (std::size_t i = 0; i < kuerzelMenues_.size(); ++i) {
    const std::vector<TElement*> elemente = schule.Elemente(static_cast<TElementArt>(i));
    std::vector<TPopupEintrag> eintraege;
    for (std::size_t p = 0; p < elemente.size(); ++p) {
      TElement* e = elemente[p];
      e->SetzeNummer(static_cast<int>(p) + 1);
      TPopupEintrag eintrag;
      eintrag.text = QString::fromStdString(e->Kuerzel());
      eintrag.id = static_cast<int>(p);
      eintrag.aktiv = oeffnen;
      eintraege.push_back(std::move(eintrag));
    }
    auto* menue = static_cast<TSpaltenMenue*>(kuerzelMenues_[i]);
    menue->SetzeEintraege(eintraege, SpaltenHoehe(static_cast<int>(eintraege.size()), 16));
    menue->menuAction()->setEnabled(!eintraege.empty());
  }
}

std::vector<QString> TMenueBaum::KuerzelTexte(TElementArt art) const {
  std::vector<QString> texte;
  for (TElement* e : palette_.Schule().Elemente(art)) texte.push_back(QString::fromStdString(e->Kuerzel()));
  return texte;
}

int TMenueBaum::KuerzelSpaltenHoehe(TElementArt art) const {
  return SpaltenHoehe(static_cast<int>(palette_.Schule().Elemente(art).size()), 16);
}

void TMenueBaum::KuerzelMenuClick(TElementArt art, int position) {
  const std::vector<TElement*> elemente = palette_.Schule().Elemente(art);
  if (position < 0 || position >= static_cast<int>(elemente.size())) return;
  palette_.Oeffner().OeffneElement(palette_.Schule().Ansichtsgruppe(),
                                   elemente[static_cast<std::size_t>(position)], palette_.Tasten());
}

}  // namespace kolvar
