#include "app/kolvarpalette.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "app/fehlerform.h"
#include "app/fensterordform.h"
#include "app/fensterplatz.h"
#include "app/fortschrittsform.h"
#include "app/hintergrund.h"
#include "app/keinfehlerform.h"
#include "app/kennwortform.h"
#include "app/kwform.h"
#include "app/meldungsform.h"
#include "app/menuform.h"
#include "app/palettenknoepfe.h"
#include "app/savefrageform.h"
#include "app/schuldateien.h"
#include "app/startform.h"
#include "app/ueberdialog.h"
#include "app/zwischenform.h"
#include "engine/pruefung.h"
#include "model/element.h"
#include "model/fach.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "platform/ablage.h"
#include "platform/beschaeftigt.h"
#include "platform/dateidienst.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/einstellungsdialog.h"
#include "platform/hilfe.h"
#include "platform/kindfenster.h"
#include "platform/popupdienst.h"
#include "platform/spaltenmenue.h"
#include "platform/uhr.h"
#include "storage/einstellungsspeicher.h"

namespace kolvar {

namespace {

constexpr int kKnopf = kKnopfGroesse;
const QString kOhneTitelAnzeige = QStringLiteral("ohne Titel");

std::vector<TElement*> ElementeVon(const TSchule& schule, TElementArt art) {
  std::vector<TElement*> elemente;
  auto nimm = [&elemente](const auto& liste) {
    for (auto* e : liste) elemente.push_back(e);
  };
  switch (art) {
    case TElementArt::Lehrer:
      nimm(schule.Lehrer());
      break;
    case TElementArt::Klasse:
      nimm(schule.Klassen());
      break;
    case TElementArt::Kopplung:
      nimm(schule.Kopplungen());
      break;
    case TElementArt::Fach:
      nimm(schule.Faecher());
      break;
    case TElementArt::Raum:
      nimm(schule.Raeume());
      break;
    case TElementArt::UVTab:
      nimm(schule.UVTabellen());
      break;
  }
  return elemente;
}

// The list an element window's kind walks through.
const std::array<QString, 6> kKuerzelMenuTitel{QStringLiteral("Le"), QStringLiteral("Kl"),
                                               QStringLiteral("Ko"), QStringLiteral("Fa"),
                                               QStringLiteral("Ra"), QStringLiteral("UV")};

// A small picture for a speed button, drawn in code.
}  // namespace

// ---------------------------------------------------------------------------------------------
// Start and end

TKolvarPalette::TKolvarPalette(TStandard& standard, ISchulDateien& dateien, IEinstellungsSpeicher* speicher,
                               QWidget* eltern)
    : QMainWindow(eltern), standard_(standard), dateien_(dateien), speicher_(speicher) {
  Initialisiere();
}

TKolvarPalette::~TKolvarPalette() {
  if (TDienste::Shift() == this) TDienste::SetzeShift(nullptr);
  SchliesseAlleFenster();
}

TUmgebung TKolvarPalette::Umgebung() {
  return TUmgebung{&dialoge_, this, &TDienste::Uhr()};
}

void TKolvarPalette::Initialisiere() {
  setObjectName(QStringLiteral("KolvarPalette"));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  TDienste::SetzeShift(this);
  hintergrund_ = std::make_unique<THintergrund>();
  HintergrundAnpassen();
  schule_ = std::make_unique<TSchule>(standard_, Umgebung());
  MenusBauen();
  KnoepfeBauen();
  PaletteAnordnen();
  VersionsMenuAufbauen();
  KuerzelMenusAnlegen();
  // A position off the screen goes back to 0 on that axis.
  int links = standard_.pal;
  int oben = standard_.pat;
  if (QScreen* bildschirm = QGuiApplication::primaryScreen()) {
    const QRect flaeche = bildschirm->geometry();
    if (links > flaeche.width() - 50 || links < 0) links = 0;
    if (oben > flaeche.height() - 50 || oben < 0) oben = 0;
  }
  move(links, oben);
  DateiMenusAnpassen();
  MenusAnpassen();
}

void TKolvarPalette::HintergrundAnpassen() {
  hintergrund_->SetzeFarbe(standard_.efa);
  hintergrund_->setVisible(standard_.hga);
  if (standard_.hga) hintergrund_->lower();
}

bool TKolvarPalette::KennwortPruefen() {
  if (KeinKennwort(standard_)) return true;
  TKWForm form(standard_, this);
  return form.Zeige() == mrOk;
}

void TKolvarPalette::ParameterDateiOeffnen(const QString& argument) {
  if (!argument.isEmpty())
    DateiOeffnen(argument);
  else
    OeffnenItemClick();
}

bool TKolvarPalette::FormCloseQuery() {
  if (beschaeftigt_) return false;
  if (!dateiOffen_) return true;
  return FrageSichernVorSchliessen();
}

void TKolvarPalette::closeEvent(QCloseEvent* ereignis) {
  if (beendet_) {
    ereignis->accept();
    return;
  }
  if (!FormCloseQuery()) {
    ereignis->ignore();
    return;
  }
  Beende();
  ereignis->accept();
}

void TKolvarPalette::Beende() {
  if (beendet_) return;
  beendet_ = true;
  // The question was answered by the close query; what is left goes without asking.
  SchliesseAlleFenster();
  if (dateiOffen_) {
    ErsetzeSchule(std::make_unique<TSchule>(standard_, Umgebung()));
    dateiOffen_ = false;
  }
  standard_.pal = pos().x();
  standard_.pat = pos().y();
  hintergrund_->hide();
  if (speicher_ != nullptr && !standard_.SpeichereEinstellungen(*speicher_))
    TDienste::Dialoge().Hinweis(QStringLiteral("WinKolvar"),
                                QStringLiteral("Die Einstellungen konnten nicht gespeichert werden."),
                                TMeldungsArt::Warnung);
  TDienste::Hilfe().Schliesse();
}

// ---------------------------------------------------------------------------------------------
// Menus and buttons

QAction* TKolvarPalette::Eintrag(QMenu* menue, const QString& text, const QKeySequence& taste,
                                 std::function<void()> befehl) {
  QAction* aktion = menue->addAction(text);
  if (!taste.isEmpty()) {
    aktion->setShortcut(taste);
    // Reached from every window of the program, not only the palette.
    aktion->setShortcutContext(Qt::ApplicationShortcut);
  }
  QString pfad = text;
  for (QMenu* m = menue; m != nullptr; m = qobject_cast<QMenu*>(m->parent()))
    pfad = m->title() + QLatin1Char('/') + pfad;
  aktionen_.insert(pfad, aktion);
  connect(aktion, &QAction::triggered, this, [this, aktion] {
    auto it = befehle_.find(aktion);
    if (it != befehle_.end() && it.value()) it.value()();
  });
  if (befehl) befehle_.insert(aktion, std::move(befehl));
  aktion->setEnabled(HatBefehl(aktion));
  return aktion;
}

QMenu* TKolvarPalette::Untermenue(QMenu* menue, const QString& text) {
  auto* unter = new QMenu(text, menue);
  menue->addMenu(unter);
  QString pfad = text;
  for (QMenu* m = menue; m != nullptr; m = qobject_cast<QMenu*>(m->parent()))
    pfad = m->title() + QLatin1Char('/') + pfad;
  aktionen_.insert(pfad, unter->menuAction());
  return unter;
}

bool TKolvarPalette::HatBefehl(QAction* aktion) const {
  if (aktion == nullptr) return false;
  if (QMenu* unter = aktion->menu()) {
    for (QAction* a : unter->actions())
      if (!a->isSeparator() && HatBefehl(a)) return true;
    return false;
  }
  return befehle_.contains(aktion);
}

void TKolvarPalette::Freigeben(QAction* aktion, bool an) {
  if (aktion != nullptr) aktion->setEnabled(an && HatBefehl(aktion));
}

QAction* TKolvarPalette::Aktion(const QString& pfad) const {
  return aktionen_.value(pfad, nullptr);
}

QToolButton* TKolvarPalette::Knopf(const QString& name) const {
  return knoepfe_.value(name, nullptr);
}

QMenu* TKolvarPalette::Menue(const QString& titel) const {
  for (QMenu* m : hauptMenues_)
    if (m->title() == titel) return m;
  return titel == QLatin1String("Menu") ? faltMenue_ : nullptr;
}

void TKolvarPalette::SetzeBefehl(const QString& pfad, std::function<void()> befehl) {
  QAction* aktion = Aktion(pfad);
  if (aktion == nullptr || aktion->menu() != nullptr) return;
  befehle_.insert(aktion, std::move(befehl));
  aktion->setEnabled(true);
  DateiMenusAnpassen();
  MenusAnpassen();
}

void TKolvarPalette::SetzeElementFensterOeffner(std::function<void(TElement*, uint8_t)> oeffner) {
  elementFensterOeffner_ = std::move(oeffner);
  KuerzelMenusAnlegen();
}

void TKolvarPalette::SetzeFensterArtOeffner(int art, std::function<void()> oeffner) {
  artOeffner_.insert(art, std::move(oeffner));
}

void TKolvarPalette::FensterWiederOeffnen(const TFensterSatz& satz) {
  // Shift held: opening never closes or replaces another window.
  const uint8_t tasten = tasten_;
  tasten_ |= Taste::Shift;
  const std::size_t vorher = fensterEintraege_.size();
  TElementArt art{};
  if (ListeDerArt(satz.Art, art) && elementFensterOeffner_) {
    // The caption after its first blank is the abbreviation; the last element that has it.
    const std::string& titel = satz.Titel;
    const std::size_t blank = titel.find(' ');
    const std::string kuerzel = blank == std::string::npos ? std::string() : titel.substr(blank + 1);
    TElement* gefunden = nullptr;
    for (TElement* e : ElementeVon(*schule_, art))
      if (e->Kuerzel() == kuerzel) gefunden = e;
    if (gefunden != nullptr) {
      schule_->SetzeAnsichtsgruppe(static_cast<uint8_t>(FensterArtInfo(satz.Art)->Gruppe));
      elementFensterOeffner_(gefunden, tasten_);
    }
  } else if (auto it = artOeffner_.find(satz.Art); it != artOeffner_.end() && it.value()) {
    it.value()();
  }
  tasten_ = tasten;
  if (fensterEintraege_.size() <= vorher) return;
  // The place where enough of the screen is left; a size only when smaller than the window's own.
  TKindFenster* fenster = fensterEintraege_.back().fenster;
  QRect flaeche(0, 0, 1 << 20, 1 << 20);
  if (QScreen* bildschirm = QGuiApplication::primaryScreen()) flaeche = bildschirm->geometry();
  QPoint ort = fenster->pos();
  // A stored place left of or above the screen (another monitor once) is not taken either.
  if (satz.Links >= flaeche.left() && flaeche.right() - satz.Links > 200) ort.setX(satz.Links);
  if (satz.Oben >= flaeche.top() && flaeche.bottom() - satz.Oben > 200) ort.setY(satz.Oben);
  fenster->move(ort);
  const int a = satz.Art;
  const bool hoeheNehmen =
      (a >= 9 && a <= 12) || (a >= 16 && a <= 22) || a == 69 || a == 71 || (a >= 72 && a <= 77);
  const bool breiteNehmen = a >= 9 && a <= 12;
  QSize groesse = fenster->size();
  if (hoeheNehmen && satz.Hoehe > 0 && satz.Hoehe < groesse.height()) groesse.setHeight(satz.Hoehe);
  if (breiteNehmen && satz.Breite > 0 && satz.Breite < groesse.width()) groesse.setWidth(satz.Breite);
  fenster->resize(groesse);
}

void TKolvarPalette::MenusBauen() {
  auto haupt = [this](const QString& titel) {
    auto* m = new QMenu(titel, this);
    hauptMenues_.push_back(m);
    return m;
  };
  const auto strg = [](int taste) { return QKeySequence(Qt::CTRL | taste); };

  QMenu* datei = haupt(QStringLiteral("Datei"));
  Eintrag(datei, QStringLiteral("Neu"), strg(Qt::Key_N), [this] { NeuItemClick(); });
  Eintrag(datei, QStringLiteral("Öffnen..."), strg(Qt::Key_O), [this] { OeffnenItemClick(); });
  Eintrag(datei, QStringLiteral("Datei schließen"), {}, [this] { SchliessenItemClick(); });
  Eintrag(datei, QStringLiteral("Fenster schließen"), strg(Qt::Key_W),
          [this] { FensterSchliessenItemClick(); });
  datei->addSeparator();
  Eintrag(datei, QStringLiteral("Sichern"), strg(Qt::Key_S), [this] { SichernItemClick(); });
  Eintrag(datei, QStringLiteral("Sichern unter..."), {}, [this] { SichernUnterItemClick(); });
  datei->addSeparator();
  Eintrag(datei, QStringLiteral("Papierformat..."));
  Eintrag(datei, QStringLiteral("Fenster drucken..."), strg(Qt::Key_P));
  QMenu* drucken = Untermenue(datei, QStringLiteral("Drucken"));
  Eintrag(drucken, QStringLiteral("Kürzel..."));
  Eintrag(drucken, QStringLiteral("Deputate..."));
  QMenu* plaene = Untermenue(drucken, QStringLiteral("Pläne"));
  for (const char* t : {"Lehrerpläne...", "Klassenpläne...", "Raumpläne...", "Kopplungspläne..."})
    Eintrag(plaene, QString::fromUtf8(t));
  QMenu* uebersichten = Untermenue(drucken, QStringLiteral("Übersichten"));
  for (const char* t : {"Lehrer...", "Klassen...", "Räume...", "Fächer...", "Kombination..."})
    Eintrag(uebersichten, QString::fromUtf8(t));
  QMenu* listen = Untermenue(drucken, QStringLiteral("Listen"));
  for (const char* t :
       {"Reststunden...", "Stundenverteilung...", "Fachkonferenzen...", "Klassenkonferenzen..."})
    Eintrag(listen, QString::fromUtf8(t));
  QMenu* vertretungDruck = Untermenue(drucken, QStringLiteral("Vertretung"));
  for (const char* t : {"Vertretungsplan...", "Vertretungsstunden...", "Vertretungsübersicht..."})
    Eintrag(vertretungDruck, QString::fromUtf8(t));
  datei->addSeparator();
  Eintrag(datei, QStringLiteral("Import..."), {}, [this] { ImportItemClick(); });
  QMenu* export_ = Untermenue(datei, QStringLiteral("Export"));
  Eintrag(export_, QStringLiteral("Kurse..."));
  Eintrag(export_, QStringLiteral("HTML-Dateien..."));
  datei->addSeparator();
  Eintrag(datei, QStringLiteral("Beenden"), strg(Qt::Key_Q), [this] { BeendenItemClick(); });

  QMenu* bearbeiten = haupt(QStringLiteral("Bearbeiten"));
  Eintrag(bearbeiten, QStringLiteral("Widerrufen"), strg(Qt::Key_Z), [this] { WiderrufenItemClick(); });
  bearbeiten->addSeparator();
  Eintrag(bearbeiten, QStringLiteral("Ausschneiden"), strg(Qt::Key_X));
  Eintrag(bearbeiten, QStringLiteral("Kopieren"), strg(Qt::Key_C));
  Eintrag(bearbeiten, QStringLiteral("Einsetzen"), strg(Qt::Key_V));
  Eintrag(bearbeiten, QStringLiteral("Löschen"), {}, [this] { UndoLoeschenItemClick(); });
  bearbeiten->addSeparator();
  Eintrag(bearbeiten, QStringLiteral("Alles auswählen"), strg(Qt::Key_A));
  bearbeiten->addSeparator();
  QMenu* vor = Untermenue(bearbeiten, QStringLiteral("Voreinstellungen"));
  for (const QString& seite : TEinstellungsDialog::StandardSeiten()) {
    if (seite == QLatin1String("Kennwort"))
      Eintrag(vor, seite, {}, [this] { KennwortItemClick(); });
    else
      Eintrag(vor, seite);
  }
  QMenu* werkzeuge = Untermenue(bearbeiten, QStringLiteral("Werkzeuge"));
  const std::array<const char*, 12> werkzeugTexte{"Grunddaten",   "Deputat",  "Plan",    "Neuer Kurs",
                                                  "Kurs löschen", "Zeigen",   "Setzen",  "Löschen",
                                                  "Schieben",     "Fixieren", "Manuell", "Automatik"};
  const std::array<const char*, 12> werkzeugKnoepfe{"GrDat",    "Dep",  "Plan",    "NeueUE",
                                                    "UELoesch", "Zeig", "Setz",    "Loesch",
                                                    "Schieb",   "Fix",  "Manuell", "Automat"};
  for (std::size_t i = 0; i < werkzeugTexte.size(); ++i) {
    const QString knopf = QString::fromLatin1(werkzeugKnoepfe[i]);
    std::function<void()> befehl;
    if (knopf != QLatin1String("Manuell") && knopf != QLatin1String("Automat")) {
      befehl = [this, knopf] {
        if (knopf == QLatin1String("Dep")) tasten_ &= static_cast<uint8_t>(~Taste::Strg);
        if (QToolButton* k = Knopf(knopf); k != nullptr && k->isEnabled()) k->click();
      };
    }
    Eintrag(werkzeuge, QString::fromUtf8(werkzeugTexte[i]),
            QKeySequence(Qt::CTRL | (Qt::Key_F1 + static_cast<int>(i))), std::move(befehl));
  }

  QMenu* daten = haupt(QStringLiteral("Daten"));
  Eintrag(daten, QStringLiteral("Kürzel..."), strg(Qt::Key_K));
  Eintrag(daten, QStringLiteral("Kurse"), strg(Qt::Key_U));
  Eintrag(daten, QStringLiteral("Parallele Kopplungen"));
  QMenu* uvStat = Untermenue(daten, QStringLiteral("UV-Statistik"));
  for (const char* t : {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "UV-Tabellen"})
    Eintrag(uvStat, QString::fromUtf8(t));
  QMenu* datenPlaene = Untermenue(daten, QStringLiteral("Pläne"));
  for (const char* t : {"Löschen...", "Komprimieren", "Stundenverteilung", "nicht belegte Räume",
                        "später eingetragene Räume"})
    Eintrag(datenPlaene, QString::fromUtf8(t));
  QMenu* vertretung = Untermenue(daten, QStringLiteral("Vertretung"));
  Eintrag(vertretung, QStringLiteral("Heute"), strg(Qt::Key_H));
  for (const char* t : {"Morgen", "anderer Tag", "Vertretungsstunden", "Vertretungsübersicht"})
    Eintrag(vertretung, QString::fromUtf8(t));
  QMenu* pruefen = Untermenue(daten, QStringLiteral("Prüfen"));
  int pruefung = 0;
  for (const char* t : {"Konsistenz", "Brücken", "fehlende Räume", "fehlende Stunden", "Versionsunterschiede",
                        "gekoppelte Kurse", "Einzel-/Mehrfachstunden"}) {
    Eintrag(pruefen, QString::fromUtf8(t), {}, [this, pruefung] { PruefenItemClick(pruefung); });
    ++pruefung;
  }

  for (std::size_t i = 0; i < kKuerzelMenuTitel.size(); ++i) {
    auto* m = new TSpaltenMenue(this);
    m->setTitle(kKuerzelMenuTitel[i]);
    const auto art = static_cast<TElementArt>(i);
    connect(m, &TSpaltenMenue::EintragGewaehlt, this, [this, art](int p) { KuerzelMenuClick(art, p); });
    hauptMenues_.push_back(m);
    kuerzelMenues_[i] = m;
  }

  fensterMenue_ = haupt(QStringLiteral("Fenster"));
  Eintrag(fensterMenue_, QStringLiteral("Anordnung..."), {}, [this] { AnordnungItemClick(); });
  fensterMenue_->addSeparator();
  Eintrag(fensterMenue_, QStringLiteral("Zwischenablage"), {}, [this] { ZwischenablageItemClick(); });
  fensterMenue_->addSeparator();

  QMenu* hilfe = haupt(QStringLiteral("Hilfe"));
  Eintrag(hilfe, QStringLiteral("Hilfethemen"), {}, [] { TDienste::Hilfe().Themen(); });
  Eintrag(hilfe, QStringLiteral("Über WinKolvar..."), {}, [this] {
    TUeberDialog dialog(QString::fromStdString(schule_->Titel()), this);
    dialog.Zeige();
  });

  faltMenue_ = new QMenu(QStringLiteral("Menu"), this);
}

void TKolvarPalette::KnoepfeBauen() {
  flaeche_ = new QWidget(this);
  setCentralWidget(flaeche_);
  struct TKnopfDaten {
    const char* name;
    const char* hinweis;
  };
  const std::array<TKnopfDaten, 14> daten{{{"PfeilLinks", "Voriger"},
                                           {"PfeilRechts", "Nächster"},
                                           {"NeueUE", "Neuen Kurs erzeugen"},
                                           {"UELoesch", "Ausgewählte Kurse löschen"},
                                           {"Manuell", "Ausgewählte Kurse manuell setzen"},
                                           {"Automat", "Ausgewählte Kurse automatisch setzen"},
                                           {"GrDat", "Grunddaten"},
                                           {"Dep", "Deputate"},
                                           {"Plan", "Pläne"},
                                           {"Zeig", "Zeigen"},
                                           {"Setz", "Setzen"},
                                           {"Loesch", "Löschen"},
                                           {"Schieb", "Schieben"},
                                           {"Fix", "Fixieren"}}};
  modusGruppe_ = new QButtonGroup(this);
  ansichtsGruppe_ = new QButtonGroup(this);
  for (const TKnopfDaten& d : daten) {
    auto* knopf = new QToolButton(flaeche_);
    const QString name = QString::fromLatin1(d.name);
    knopf->setObjectName(name + QStringLiteral("Knopf"));
    knopf->setToolTip(QString::fromUtf8(d.hinweis));
    knopf->setFixedSize(kKnopf, kKnopf);
    knopf->setIcon(KnopfBild(name));
    knopf->setAutoRaise(false);
    knoepfe_.insert(name, knopf);
  }
  const std::array<const char*, 5> modi{"Zeig", "Setz", "Loesch", "Schieb", "Fix"};
  for (int m = 0; m < 5; ++m) {
    QToolButton* k = Knopf(QString::fromLatin1(modi[static_cast<std::size_t>(m)]));
    k->setCheckable(true);
    modusGruppe_->addButton(k, m);
    connect(k, &QToolButton::clicked, this, [this, m] { ModusKnopfClick(m); });
  }
  const std::array<const char*, 3> ansichten{"GrDat", "Dep", "Plan"};
  for (int g = 0; g < 3; ++g) {
    QToolButton* k = Knopf(QString::fromLatin1(ansichten[static_cast<std::size_t>(g)]));
    k->setCheckable(true);
    ansichtsGruppe_->addButton(k, g);
    connect(k, &QToolButton::clicked, this, [this, g] { AnsichtKnopfClick(g); });
  }
  Knopf(QStringLiteral("Zeig"))->setChecked(true);
  Knopf(QStringLiteral("GrDat"))->setChecked(true);
  connect(Knopf(QStringLiteral("PfeilLinks")), &QToolButton::clicked, this, [this] { ClickLinks(); });
  connect(Knopf(QStringLiteral("PfeilRechts")), &QToolButton::clicked, this, [this] { ClickRechts(); });
  connect(Knopf(QStringLiteral("NeueUE")), &QToolButton::clicked, this, [this] { NeueUEKnopfClick(); });
  connect(Knopf(QStringLiteral("UELoesch")), &QToolButton::clicked, this, [this] { UELoeschKnopfClick(); });

  versPanel_ = new QFrame(flaeche_);
  versPanel_->setObjectName(QStringLiteral("VersPanel"));
  versPanel_->setFixedSize(kKnopf, kKnopf);
  versPanel_->setAutoFillBackground(true);
  auto* vers = new QToolButton(versPanel_);
  vers->setObjectName(QStringLiteral("VersKnopf"));
  vers->setToolTip(QStringLiteral("Planversion (rot = alle Versionen)"));
  vers->setGeometry(2, 2, kKnopf - 4, kKnopf - 4);
  knoepfe_.insert(QStringLiteral("Vers"), vers);
  connect(vers, &QToolButton::clicked, this, [this] { VersKnopfClick(); });
}

void TKolvarPalette::PaletteAnordnen() {
  SetzeCaption();
  const int pas = std::clamp(standard_.pas, 0, 6);
  const bool werkzeugRand = pas >= 3;
  const bool sichtbar = isVisible();
  setWindowFlag(Qt::Tool, werkzeugRand);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);

  // Menu bar: the menus themselves, or all of them under the folding item "Menu".
  menuBar()->clear();
  faltMenue_->clear();
  for (QMenu* m : hauptMenues_) {
    if (werkzeugRand)
      faltMenue_->addMenu(m);
    else
      menuBar()->addMenu(m);
  }
  if (werkzeugRand) menuBar()->addMenu(faltMenue_);

  QSize flaeche;
  for (const TKnopfOrt& k : KnopfOrte(pas, flaeche)) {
    QWidget* w = k.name == QLatin1String("Vers") ? static_cast<QWidget*>(versPanel_) : Knopf(k.name);
    w->move(k.ort);
  }
  flaeche_->setFixedSize(flaeche);
  layout()->activate();
  QSize groesse = sizeHint();
  // Qt's menu bar cannot wrap into a second row; the window widens so every menu shows.
  if (!werkzeugRand) groesse.setWidth(std::max(groesse.width(), menuBar()->sizeHint().width()));
  setFixedSize(groesse);
  if (sichtbar) show();
}

void TKolvarPalette::SetzeCaption() {
  if (dateiOffen_) {
    const QString titel = QString::fromStdString(schule_->Titel());
    setWindowTitle(kProgrammTitel + QStringLiteral(" [") + titel + QLatin1Char(']'));
  } else {
    setWindowTitle(kProgrammTitel);
  }
}

void TKolvarPalette::VersionsMenuAufbauen() {
  QToolButton* vers = Knopf(QStringLiteral("Vers"));
  vers->setText(QString::number(standard_.AktuelleVersion()));
  QPalette farben = versPanel_->palette();
  farben.setColor(QPalette::Window,
                  standard_.eaw() ? QApplication::palette().color(QPalette::Button) : QColor(255, 0, 0));
  versPanel_->setPalette(farben);
}

void TKolvarPalette::VersKnopfClick() {
  if (tasten_ & Taste::Strg) {
    standard_.SetNurAktuelleVersion(!standard_.eaw());
    VersionsMenuAufbauen();
  } else {
    std::vector<TPopupEintrag> eintraege;
    const int n = standard_.mwn();
    for (int k = 1; k <= n; ++k) {
      TPopupEintrag e;
      e.text = QString::number(k);
      e.id = k;
      e.haken = k == standard_.AktuelleVersion();
      e.aktion = [this, k] { VersionGewaehlt(k); };
      eintraege.push_back(std::move(e));
    }
    QToolButton* vers = Knopf(QStringLiteral("Vers"));
    TDienste::Popups().Waehle(eintraege, vers->mapToGlobal(QPoint(0, vers->height())), SpaltenHoehe(n, 8));
  }
  schule_->AktualisiereAlleFenster();
}

void TKolvarPalette::VersionGewaehlt(int version) {
  standard_.SetAktuelleVersion(version);
  VersionsMenuAufbauen();
  MenusAnpassen();
  schule_->AktualisiereAlleFenster();
}

void TKolvarPalette::KuerzelMenusAnlegen() {
  std::unique_ptr<TMeldungsForm> meldung;
  std::unique_ptr<TSanduhr> sanduhr;
  if (isVisible() && (!schule_->Lehrer().Leer() || !schule_->Klassen().Leer())) {
    sanduhr = std::make_unique<TSanduhr>();
    meldung = std::make_unique<TMeldungsForm>(this);
    meldung->SetzeMeldung(QStringLiteral("Das Kürzelmenu wird angelegt."));
    meldung->ZeigeSofort();
  }
  for (std::size_t i = 0; i < kuerzelMenues_.size(); ++i) {
    const auto art = static_cast<TElementArt>(i);
    const std::vector<TElement*> elemente = ElementeVon(*schule_, art);
    std::vector<TPopupEintrag> eintraege;
    for (std::size_t p = 0; p < elemente.size(); ++p) {
      TElement* e = elemente[p];
      e->SetzeNummer(static_cast<int>(p) + 1);
      TPopupEintrag eintrag;
      eintrag.text = QString::fromStdString(e->Kuerzel());
      eintrag.id = static_cast<int>(p);
      eintrag.aktiv = static_cast<bool>(elementFensterOeffner_);
      eintraege.push_back(std::move(eintrag));
    }
    auto* menue = static_cast<TSpaltenMenue*>(kuerzelMenues_[i]);
    menue->SetzeEintraege(eintraege, SpaltenHoehe(static_cast<int>(eintraege.size()), 16));
    menue->menuAction()->setEnabled(!eintraege.empty());
  }
  // Any choice of the element pop-ups may point into the old lists.
  wahl_.fill(nullptr);
}

std::vector<QString> TKolvarPalette::KuerzelTexte(TElementArt art) const {
  std::vector<QString> texte;
  for (TElement* e : ElementeVon(*schule_, art)) texte.push_back(QString::fromStdString(e->Kuerzel()));
  return texte;
}

int TKolvarPalette::KuerzelSpaltenHoehe(TElementArt art) const {
  return SpaltenHoehe(static_cast<int>(ElementeVon(*schule_, art).size()), 16);
}

void TKolvarPalette::KuerzelMenuClick(TElementArt art, int position) {
  const std::vector<TElement*> elemente = ElementeVon(*schule_, art);
  if (position < 0 || position >= static_cast<int>(elemente.size()) || !elementFensterOeffner_) return;
  elementFensterOeffner_(elemente[static_cast<std::size_t>(position)], tasten_);
}

bool TKolvarPalette::WaehleElement(TElementArt art, bool mitOhne, const QPoint& ort) {
  TBeschaeftigt beschaeftigt(*this);
  gewaehlt_ = false;
  const std::vector<TElement*> elemente = ElementeVon(*schule_, art);
  std::vector<TPopupEintrag> eintraege;
  if (mitOhne) {
    TPopupEintrag ohne;
    ohne.text = QStringLiteral("ohne");
    ohne.id = -2;
    ohne.aktion = [this, art] { SetzeWahl(art, nullptr); };
    eintraege.push_back(std::move(ohne));
  }
  for (std::size_t p = 0; p < elemente.size(); ++p) {
    TPopupEintrag e;
    e.text = QString::fromStdString(elemente[p]->Kuerzel());
    e.id = static_cast<int>(p);
    TElement* element = elemente[p];
    e.aktion = [this, art, element] { SetzeWahl(art, element); };
    eintraege.push_back(std::move(e));
  }
  const int n = static_cast<int>(eintraege.size());
  TDienste::Popups().Waehle(eintraege, ort, SpaltenHoehe(n, 16));
  return gewaehlt_;
}

std::vector<TElement*> TKolvarPalette::ZeigeMenuForm(const std::vector<TElement*>& elemente,
                                                     const QString& caption) {
  if (elemente.empty()) return {};
  TMenuForm form(elemente, caption, this);
  form.Zeige();
  return form.Gewaehlt();
}

void TKolvarPalette::SetzeWahl(TElementArt art, TElement* e) {
  wahl_[static_cast<std::size_t>(art)] = e;
  gewaehlt_ = true;
}

void TKolvarPalette::DateiMenusAnpassen() {
  SetzeCaption();
  Freigeben(Aktion(QStringLiteral("Datei/Neu")), !dateiOffen_);
  Freigeben(Aktion(QStringLiteral("Datei/Öffnen...")), !dateiOffen_);
  Freigeben(Aktion(QStringLiteral("Datei/Sichern unter...")), dateiOffen_);
  Freigeben(Aktion(QStringLiteral("Datei/Datei schließen")), dateiOffen_);
  Freigeben(Aktion(QStringLiteral("Datei/Sichern")), dateiOffen_ && schule_->Geaendert());
  Freigeben(Aktion(QStringLiteral("Datei/Import...")), true);
  Freigeben(Aktion(QStringLiteral("Datei/Beenden")), true);
  // No command enables the export.
  Freigeben(Aktion(QStringLiteral("Datei/Export")), false);
  for (const char* pfad : {"Daten/Pläne", "Daten/UV-Statistik", "Daten/Parallele Kopplungen", "Daten/Kurse",
                           "Daten/Kürzel...", "Daten/Vertretung", "Daten/Prüfen", "Datei/Drucken"})
    Freigeben(Aktion(QString::fromUtf8(pfad)), dateiOffen_);
  Freigeben(Aktion(QStringLiteral("Datei/Papierformat...")), true);
  for (const char* pfad :
       {"Bearbeiten/Widerrufen", "Bearbeiten/Ausschneiden", "Bearbeiten/Kopieren", "Bearbeiten/Einsetzen",
        "Fenster/Anordnung...", "Fenster/Zwischenablage", "Hilfe/Hilfethemen", "Hilfe/Über WinKolvar..."})
    Freigeben(Aktion(QString::fromUtf8(pfad)), true);
  for (const QString& seite : TEinstellungsDialog::StandardSeiten())
    if (seite != QLatin1String("Planversionen"))
      Freigeben(Aktion(QStringLiteral("Bearbeiten/Voreinstellungen/") + seite), true);
  Freigeben(Aktion(QStringLiteral("Bearbeiten/Voreinstellungen")), true);
  Freigeben(Aktion(QStringLiteral("Bearbeiten/Werkzeuge")), true);
  Freigeben(Aktion(QStringLiteral("Bearbeiten/Löschen")),
            undoAufzeichnen_ && !schule_->UndoSchritte().Leer());
}

void TKolvarPalette::MenusAnpassen() {
  const bool mehrereVersionen = standard_.mwn() > 1;
  Freigeben(Aktion(QStringLiteral("Bearbeiten/Voreinstellungen/Planversionen")), mehrereVersionen);
  Freigeben(Aktion(QStringLiteral("Daten/Prüfen/Versionsunterschiede")), mehrereVersionen && dateiOffen_);

  IFenster* aktiv = schule_->AktivesFenster();
  const TFensterArtInfo* art = aktiv != nullptr ? FensterArtInfo(aktiv->Tag()) : nullptr;
  const TFreigabe r = art != nullptr ? art->Freigabe : TFreigabe{};

  Freigeben(Aktion(QStringLiteral("Datei/Fenster schließen")), aktiv != nullptr);
  Freigeben(Aktion(QStringLiteral("Datei/Fenster drucken...")), aktiv != nullptr);
  Freigeben(Aktion(QStringLiteral("Bearbeiten/Alles auswählen")), aktiv != nullptr && r.Alles);

  struct TZeile {
    const char* knopf;
    const char* eintrag;
    bool an;
  };
  const std::array<TZeile, 11> zeilen{{{"PfeilLinks", nullptr, r.Pfeile},
                                       {"PfeilRechts", nullptr, r.Pfeile},
                                       {"Setz", "Setzen", r.Setz},
                                       {"Loesch", "Löschen", r.Loesch},
                                       {"Schieb", "Schieben", r.Schieb},
                                       {"Fix", "Fixieren", r.Fix},
                                       {"NeueUE", "Neuer Kurs", r.NeueUE},
                                       {"UELoesch", "Kurs löschen", r.UELoesch},
                                       {"Manuell", "Manuell", r.Manuell && r.ManuellEintrag},
                                       {"Automat", "Automatik", r.Automat},
                                       {"Zeig", "Zeigen", true}}};
  for (const TZeile& z : zeilen) {
    const QString name = QString::fromLatin1(z.knopf);
    // The buttons whose windows do not exist yet stay off.
    const bool gebaut = name != QLatin1String("Manuell") && name != QLatin1String("Automat");
    bool knopfAn = z.an;
    if (name == QLatin1String("Manuell")) knopfAn = r.Manuell;
    Knopf(name)->setEnabled(knopfAn && gebaut);
    if (z.eintrag != nullptr)
      Freigeben(Aktion(QStringLiteral("Bearbeiten/Werkzeuge/") + QString::fromUtf8(z.eintrag)), z.an);
  }
  for (const char* e : {"Grunddaten", "Deputat", "Plan"})
    Freigeben(Aktion(QStringLiteral("Bearbeiten/Werkzeuge/") + QString::fromUtf8(e)), true);

  if (aktiv == nullptr) {
    ModusSetzen(Modus::Zeigen);
    for (const TFensterEintrag& e : fensterEintraege_) e.aktion->setChecked(false);
    return;
  }
  FensterMenuMarkieren(dynamic_cast<TKindFenster*>(aktiv));
  if (art == nullptr) return;
  if (art->Gruppe >= 0) {
    ansichtsGruppe_->button(art->Gruppe)->setChecked(true);
    schule_->SetzeAnsichtsgruppe(static_cast<uint8_t>(art->Gruppe));
  }
  if (r.Rueckfall & (1u << schule_->Werkzeugmodus())) {
    ModusSetzen(Modus::Zeigen);
  } else if (r.Cursor) {
    schule_->SetzeCursor();
  }
}

void TKolvarPalette::ModusSetzen(int modus) {
  if (QAbstractButton* k = modusGruppe_->button(modus)) k->setChecked(true);
  if (schule_->Werkzeugmodus() != modus) schule_->SetzeModus(static_cast<uint8_t>(modus));
}

void TKolvarPalette::ModusKnopfClick(int modus) {
  if (QAbstractButton* k = modusGruppe_->button(modus)) k->setChecked(true);
  schule_->SetzeModus(static_cast<uint8_t>(modus));
}

void TKolvarPalette::AnsichtKnopfClick(int gruppe) {
  if (QAbstractButton* k = ansichtsGruppe_->button(gruppe)) k->setChecked(true);
  schule_->SetzeAnsichtsgruppe(static_cast<uint8_t>(gruppe));
  IFenster* aktiv = schule_->AktivesFenster();
  if (aktiv == nullptr || !elementFensterOeffner_) return;
  static const std::array<std::vector<int>, 3> vonArten{{
      {9, 10, 11, 12, 16, 17, 18, 19, 20},
      {9, 10, 11, 61, 62, 63, 64, 65, 66},
      {16, 17, 20, 61, 62, 65},
  }};
  const auto& arten = vonArten[static_cast<std::size_t>(gruppe)];
  if (std::find(arten.begin(), arten.end(), aktiv->Tag()) == arten.end()) return;
  TElement* element = aktiv->Element();
  if (element == nullptr) return;
  if (!(tasten_ & Taste::Shift)) aktiv->Schliesse();
  elementFensterOeffner_(element, 0);
}

void TKolvarPalette::NeueUEKnopfClick() {
  if (schule_->NeuerKurs() != nullptr) schule_->AktualisiereAlleFenster();
}

void TKolvarPalette::UELoeschKnopfClick() {
  schule_->LoescheMarkierteKurse();
}

void TKolvarPalette::Blaettern(bool vorwaerts) {
  IFenster* aktiv = schule_->AktivesFenster();
  if (aktiv == nullptr) return;
  // Looking through the elements never marks the school modified.
  const bool geaendert = schule_->Geaendert();
  TElementArt art{};
  if (ListeDerArt(aktiv->Tag(), art) && aktiv->Element() != nullptr && elementFensterOeffner_) {
    const std::vector<TElement*> elemente = ElementeVon(*schule_, art);
    const auto it = std::find(elemente.begin(), elemente.end(), aktiv->Element());
    if (it != elemente.end()) {
      const auto n = static_cast<long>(elemente.size());
      long i = it - elemente.begin();
      i = ((vorwaerts ? i + 1 : i - 1) % n + n) % n;
      TElement* ziel = elemente[static_cast<std::size_t>(i)];
      const bool eigenesPlanFenster =
          (aktiv->Tag() == FensterArt::LePln || aktiv->Tag() == FensterArt::KlPln) &&
          ziel == aktiv->Element();
      if (!eigenesPlanFenster) elementFensterOeffner_(ziel, tasten_);
    }
  }
  schule_->SetzeGeaendert(geaendert);
}

void TKolvarPalette::FensterSchliessenItemClick() {
  if (tasten_ & Taste::Shift) {
    // Each window once, from a snapshot: a window that refuses stays open.
    for (IFenster* f : schule_->Fenster()) {
      if (!schule_->IstAngemeldet(f)) continue;
      if (auto* k = dynamic_cast<TKindFenster*>(f))
        k->SchliesseFrage();
      else
        f->Schliesse();
    }
  } else if (IFenster* aktiv = schule_->AktivesFenster()) {
    if (auto* k = dynamic_cast<TKindFenster*>(aktiv))
      k->SchliesseFrage();
    else
      aktiv->Schliesse();
  }
  MenusAnpassen();
}

void TKolvarPalette::WiderrufenItemClick() {
  if (schule_->ManuellFenster() != nullptr) {
    schule_->Widerrufe();
    SetzeWiderrufenAktiv(false);
    return;
  }
  TDienste::Dialoge().Hinweis(QStringLiteral("WinKolvar"), QStringLiteral("Noch nicht implementiert!"),
                              TMeldungsArt::Information);
}

void TKolvarPalette::UndoLoeschenItemClick() {
  schule_->VerwerfeUndo();
  SetzeWiderrufenAktiv(false);
}

void TKolvarPalette::ZwischenablageItemClick() {
  if (IFenster* offen = schule_->EinzelFenster(FensterArt::Zwischen)) {
    if (auto* k = dynamic_cast<TKindFenster*>(offen)) {
      k->raise();
      k->activateWindow();
    }
    return;
  }
  auto* form = new TZwischenForm(*schule_, this);
  form->Oeffne();
}

void TKolvarPalette::PruefenItemClick(int pruefung) {
  TPruefErgebnis ergebnis;
  {
    TSanduhr sanduhr;
    TMeldungsForm meldung(this);
    meldung.SetzeMeldung(QStringLiteral("Die Daten werden geprüft."));
    meldung.ZeigeSofort();
    TPruefung pruefer(*schule_);
    switch (pruefung) {
      case 0:
        ergebnis = pruefer.PruefeKonsistenz();
        break;
      case 1:
        ergebnis = pruefer.PruefeBruecken();
        break;
      case 2:
        ergebnis = pruefer.PruefeFehlendeRaeume();
        break;
      case 3:
        ergebnis = pruefer.PruefeFehlendeStunden();
        break;
      case 4:
        ergebnis = pruefer.PruefeVersionen();
        break;
      case 5:
        ergebnis = pruefer.PruefeKopplungen();
        break;
      default:
        ergebnis = pruefer.PruefeEinzelstunden();
        break;
    }
    if (!ergebnis.Zeilen.empty()) {
      auto* liste = dynamic_cast<TFehlerForm*>(schule_->EinzelFenster(FensterArt::Fehler));
      if (liste == nullptr) {
        liste = new TFehlerForm(*schule_, this);
        liste->Oeffne();
      }
      for (const std::string& zeile : ergebnis.Zeilen) liste->ZeileAnfuegen(QString::fromStdString(zeile));
    }
  }
  for (int i = 0; i < ergebnis.Reparaturen; ++i) QApplication::beep();
  if (ergebnis.Reparaturen > 0) schule_->AktualisiereAlleFenster();
  TKeinFehlerForm dialog(this);
  dialog.SetzeErgebnis(ergebnis.Stufe);
  dialog.Zeige();
}

void TKolvarPalette::KennwortItemClick() {
  TKennwortForm form(standard_, this);
  form.Zeige();
}

// ---------------------------------------------------------------------------------------------
// Keys, clipboard, palette state

void TKolvarPalette::keyPressEvent(QKeyEvent* ereignis) {
  ShiftMerken(ShiftByte(*ereignis));
  if (ereignis->key() == Qt::Key_Left && Knopf(QStringLiteral("PfeilLinks"))->isEnabled()) {
    Knopf(QStringLiteral("PfeilLinks"))->click();
    return;
  }
  if (ereignis->key() == Qt::Key_Right && Knopf(QStringLiteral("PfeilRechts"))->isEnabled()) {
    Knopf(QStringLiteral("PfeilRechts"))->click();
    return;
  }
  QMainWindow::keyPressEvent(ereignis);
}

void TKolvarPalette::keyReleaseEvent(QKeyEvent* ereignis) {
  ShiftMerken(ShiftByte(*ereignis));
  QMainWindow::keyReleaseEvent(ereignis);
}

void TKolvarPalette::ShiftMerken(uint8_t zustand) {
  if (zustand == tasten_) return;
  tasten_ = zustand;
  schule_->SetzeCursor();
}

std::string TKolvarPalette::AblageText() const {
  return TDienste::Ablage().Text().toStdString();
}

void TKolvarPalette::SetzeSichernAktiv(bool an) {
  Freigeben(Aktion(QStringLiteral("Datei/Sichern")), dateiOffen_ && an);
}

void TKolvarPalette::SetzeWiderrufenAktiv(bool an) {
  Freigeben(Aktion(QStringLiteral("Bearbeiten/Löschen")), an);
}

void TKolvarPalette::TextInZwischenablage(const QString& text) {
  memo_ = text.split(QLatin1Char('\n'));
  TDienste::Ablage().SetzeText(memo_.join(QLatin1Char('\n')));
  if (IFenster* zwischen = schule_->EinzelFenster(FensterArt::Zwischen)) zwischen->Aktualisiere();
}

void TKolvarPalette::Melde(const QString& text) {
  TDienste::Dialoge().Hinweis(QStringLiteral("Fehler"), text, TMeldungsArt::Fehler);
}

// ---------------------------------------------------------------------------------------------
// Open windows

void TKolvarPalette::PlatziereFenster(TKindFenster& fenster, int nummer) {
  QSize bildschirm(1280, 1024);
  if (QScreen* s = QGuiApplication::primaryScreen()) bildschirm = s->geometry().size();
  fenster.move(FensterPlatz(nummer, standard_.FensterAnordnung, frameGeometry(), standard_.pas, bildschirm));
}

void TKolvarPalette::AnordnungItemClick() {
  TFensterOrdForm form(standard_, this);
  if (form.Zeige() == mrOk) OrdneFensterAn();
}

void TKolvarPalette::OrdneFensterAn() {
  raise();
  int nummer = 0;
  for (const TFensterEintrag& e : fensterEintraege_) {
    ++nummer;
    // The manual planning window keeps its place.
    if (e.fenster->Tag() == FensterArt::Manuell) continue;
    PlatziereFenster(*e.fenster, nummer);
    e.fenster->raise();
  }
}

void TKolvarPalette::FensterAnmelden(TKindFenster& fenster) {
  PlatziereFenster(fenster, static_cast<int>(fensterEintraege_.size()) + 1);
  for (const TFensterEintrag& e : fensterEintraege_) e.aktion->setChecked(false);
  auto* aktion = new QAction(fenster.Caption(), fensterMenue_);
  aktion->setCheckable(true);
  aktion->setChecked(true);
  fensterMenue_->addAction(aktion);
  TKindFenster* ziel = &fenster;
  connect(aktion, &QAction::triggered, this, [ziel] {
    ziel->show();
    ziel->raise();
    ziel->activateWindow();
  });
  fensterEintraege_.push_back({ziel, aktion});
}

void TKolvarPalette::FensterAbmelden(TKindFenster& fenster) {
  auto it = std::find_if(fensterEintraege_.begin(), fensterEintraege_.end(),
                         [&fenster](const TFensterEintrag& e) { return e.fenster == &fenster; });
  if (it == fensterEintraege_.end()) return;
  fensterMenue_->removeAction(it->aktion);
  delete it->aktion;
  fensterEintraege_.erase(it);
  if (!beendet_) MenusAnpassen();
}

void TKolvarPalette::FensterAktiviert(TKindFenster&) {
  MenusAnpassen();
}

void TKolvarPalette::FensterUmbenannt(TKindFenster& fenster) {
  for (const TFensterEintrag& e : fensterEintraege_)
    if (e.fenster == &fenster) e.aktion->setText(fenster.Caption());
}

void TKolvarPalette::FensterMenuMarkieren(TKindFenster* fenster) {
  for (const TFensterEintrag& e : fensterEintraege_) e.aktion->setChecked(e.fenster == fenster);
}

std::vector<TFensterSatz> TKolvarPalette::OffeneFenster() const {
  // In the order of the school's list, with the frame's place on the screen.
  std::vector<TFensterSatz> saetze;
  for (IFenster* f : schule_->Fenster()) {
    auto* k = dynamic_cast<TKindFenster*>(f);
    if (k == nullptr) continue;
    const QRect rahmen = k->frameGeometry();
    saetze.push_back({k->Tag(), k->Titel(), rahmen.x(), rahmen.y(), k->width(), k->height()});
  }
  return saetze;
}

std::vector<QAction*> TKolvarPalette::FensterAktionen() const {
  std::vector<QAction*> aktionen;
  for (const TFensterEintrag& e : fensterEintraege_) aktionen.push_back(e.aktion);
  return aktionen;
}

void TKolvarPalette::SchliesseAlleFenster() {
  if (!schule_) return;
  for (IFenster* f : schule_->Fenster())
    if (schule_->IstAngemeldet(f)) f->Schliesse();
}

// ---------------------------------------------------------------------------------------------
// File commands

void TKolvarPalette::ErsetzeSchule(std::unique_ptr<TSchule> neu) {
  SchliesseAlleFenster();
  schule_ = std::move(neu);
  wahl_.fill(nullptr);
}

bool TKolvarPalette::FrageSichernVorSchliessen() {
  if (!schule_->Geaendert()) return true;
  saveFrageOffen_ = true;
  TSaveFrageForm frage(this);
  const int antwort = frage.Zeige();
  saveFrageOffen_ = false;
  switch (antwort) {
    case mrJa:
      SichernItemClick();
      return !schule_->Geaendert();
    case mrOk:
      SichernUnterItemClick();
      return !schule_->Geaendert();
    case mrNein:
      schule_->SetzeGeaendert(false);
      return true;
    default:
      return false;
  }
}

void TKolvarPalette::NeuItemClick() {
  if (dateiOffen_) return;
  schule_->SetzeTitel(kOhneTitelAnzeige.toStdString());
  schule_->SetzePfad({});
  dateiOffen_ = true;
  DateiMenusAnpassen();
  // Basic settings, master-data defaults, course defaults, abbreviations: each when the
  // program has it.
  for (const char* pfad : {"Bearbeiten/Voreinstellungen/Eckdaten", "Bearbeiten/Voreinstellungen/Grunddaten",
                           "Bearbeiten/Voreinstellungen/Kurse", "Daten/Kürzel..."}) {
    QAction* aktion = Aktion(QString::fromUtf8(pfad));
    auto it = befehle_.find(aktion);
    if (it != befehle_.end() && it.value()) it.value()();
  }
  KuerzelMenusAnlegen();
  VersionsMenuAufbauen();
  DateiMenusAnpassen();
  MenusAnpassen();
}

void TKolvarPalette::OeffnenItemClick() {
  if (dateiOffen_) return;
  TDateiAuswahl auswahl{QStringLiteral("WinKolvar-Datei öffnen"), kKolvarFilter, kKolvarEndung,
                        QString::fromStdString(standard_.opf), QString()};
  const QString pfad = TDienste::Dateien().Oeffnen(auswahl);
  if (pfad.isEmpty()) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  // The folder is remembered only when the file opened: a folder that failed (a system folder
  // such as /proc) must not become the next dialog's start.
  if (DateiOeffnen(pfad)) standard_.opf = QFileInfo(pfad).absolutePath().toStdString();
}

bool TKolvarPalette::DateiOeffnen(const QString& pfad) {
  // Only the empty school of the no-file state is ever replaced here; ask anyway, data first.
  if (dateiOffen_ && !FrageSichernVorSchliessen()) return false;
  std::unique_ptr<TSchule> neu;
  std::string fehler;
  gespeicherteFenster_.clear();
  {
    TSanduhr sanduhr;
    TFortschrittsForm lesen(kEinlesenCaption, this);
    lesen.Datei(QFileInfo(pfad).fileName().toStdString(), static_cast<std::size_t>(QFileInfo(pfad).size()));
    lesen.ZeigeSofort();
    neu = dateien_.Lies(pfad.toStdString(), standard_, Umgebung(), lesen, gespeicherteFenster_, fehler);
  }
  if (!neu) {
    // Nothing half-read stays: an empty school and the no-file state.
    ErsetzeSchule(std::make_unique<TSchule>(standard_, Umgebung()));
    dateiOffen_ = false;
    if (!fehler.empty()) Melde(QString::fromStdString(fehler));
    KuerzelMenusAnlegen();
    VersionsMenuAufbauen();
    DateiMenusAnpassen();
    MenusAnpassen();
    return false;
  }
  ErsetzeSchule(std::move(neu));
  schule_->SetzeTitel(QFileInfo(pfad).fileName().toStdString());
  schule_->SetzePfad(QFileInfo(pfad).absoluteFilePath().toStdString());
  dateiOffen_ = true;
  NachDemLaden();
  for (const TFensterSatz& satz : gespeicherteFenster_) FensterWiederOeffnen(satz);
  // Opening windows changes nothing of the school.
  schule_->SetzeGeaendert(false);
  return true;
}

void TKolvarPalette::AktuelleVersionNachKalender() {
  standard_.SetAktuelleVersion(schule_->VersionDerWoche(TDienste::Uhr().Heute()));
}

void TKolvarPalette::NachDemLaden() {
  KuerzelMenusAnlegen();
  AktuelleVersionNachKalender();
  VersionsMenuAufbauen();
  DateiMenusAnpassen();
  MenusAnpassen();
}

void TKolvarPalette::ImportItemClick() {
  TDateiAuswahl auswahl{QStringLiteral("Kolvar-Textdatei öffnen"),
                        QStringLiteral("Textdateien (*.TXT)|*.txt"), QStringLiteral("txt"),
                        QString::fromStdString(standard_.ipf), QString()};
  const QString pfad = TDienste::Dateien().Oeffnen(auswahl);
  if (pfad.isEmpty()) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  standard_.ipf = QFileInfo(pfad).absolutePath().toStdString();
  DateiImportieren(pfad);
}

bool TKolvarPalette::DateiImportieren(const QString& pfad) {
  std::string fehler;
  bool ok = false;
  {
    TSanduhr sanduhr;
    TFortschrittsForm importieren(kImportierenCaption, this);
    importieren.Datei(QFileInfo(pfad).fileName().toStdString(),
                      static_cast<std::size_t>(QFileInfo(pfad).size()));
    importieren.ZeigeSofort();
    ok = dateien_.Importiere(*schule_, pfad.toStdString(), importieren, fehler);
  }
  if (!ok) {
    if (!fehler.empty()) Melde(QString::fromStdString(fehler));
    if (!dateiOffen_) {
      // Whatever a failed import left in the empty school goes.
      ErsetzeSchule(std::make_unique<TSchule>(standard_, Umgebung()));
      KuerzelMenusAnlegen();
      DateiMenusAnpassen();
      MenusAnpassen();
    }
    return false;
  }
  // The title shows what was imported; the save path stays that of the school file (none
  // after importing into an empty school), so "Sichern" never writes over the text file.
  schule_->SetzeTitel(QFileInfo(pfad).fileName().toStdString());
  dateiOffen_ = true;
  NachDemLaden();
  return true;
}

void TKolvarPalette::SichernItemClick() {
  if (!dateiOffen_) return;
  if (schule_->HatDatei())
    DateiSichern(QString::fromStdString(schule_->Pfad()));
  else
    SichernUnterItemClick();
}

void TKolvarPalette::SichernUnterItemClick() {
  if (!dateiOffen_) return;
  // The name offered is the title, always with the school file's suffix.
  QString name = QString::fromStdString(schule_->Titel());
  const QFileInfo titel(name);
  if (titel.suffix().compare(kKolvarEndung, Qt::CaseInsensitive) != 0 && !titel.suffix().isEmpty())
    name = titel.completeBaseName() + QLatin1Char('.') + kKolvarEndung;
  TDateiAuswahl auswahl{QStringLiteral("Sichern als"), kKolvarFilter, kKolvarEndung,
                        QString::fromStdString(standard_.opf), name};
  const QString pfad = TDienste::Dateien().Sichern(auswahl);
  if (pfad.isEmpty()) return;
  if (DateiSichern(MitEndung(pfad, kKolvarEndung)))
    standard_.opf = QFileInfo(pfad).absolutePath().toStdString();
}

bool TKolvarPalette::DateiSichern(const QString& pfad) {
  std::string fehler;
  bool ok = false;
  {
    TSanduhr sanduhr;
    TFortschrittsForm speichern(kSpeichernCaption, this);
    speichern.Datei(QFileInfo(pfad).fileName().toStdString(), 0);
    speichern.ZeigeSofort();
    ok = dateien_.Schreibe(*schule_, QFileInfo(pfad).absoluteFilePath().toStdString(), OffeneFenster(),
                           speichern, fehler);
  }
  if (!ok) {
    Melde(fehler.empty() ? QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad)
                         : QString::fromStdString(fehler));
    return false;
  }
  // Title, path and caption change only once the file is really there.
  schule_->SetzeTitel(QFileInfo(pfad).fileName().toStdString());
  schule_->SetzePfad(QFileInfo(pfad).absoluteFilePath().toStdString());
  schule_->SetzeGeaendert(false);
  dateiOffen_ = true;
  DateiMenusAnpassen();
  return true;
}

bool TKolvarPalette::SchliessenItemClick() {
  if (!dateiOffen_) return true;
  if (!FrageSichernVorSchliessen()) return false;
  ErsetzeSchule(std::make_unique<TSchule>(standard_, Umgebung()));
  dateiOffen_ = false;
  KuerzelMenusAnlegen();
  DateiMenusAnpassen();
  MenusAnpassen();
  return true;
}

}  // namespace kolvar
