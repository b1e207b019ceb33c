#include "app/kolvarpalette.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "app/dateibefehle.h"
#include "app/fensterverwaltung.h"
#include "app/hintergrund.h"
#include "app/kennwortform.h"
#include "app/kwform.h"
#include "app/leerlaufsteuerung.h"
#include "app/menuebaum.h"
#include "app/menuebefehle.h"
#include "app/menuepfade.h"
#include "app/menuform.h"
#include "app/palettenknoepfe.h"
#include "app/startform.h"
#include "model/standard.h"
#include "platform/ablage.h"
#include "platform/beschaeftigt.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/hilfe.h"
#include "platform/kvdialog.h"
#include "platform/kvform.h"
#include "platform/popupdienst.h"
#include "platform/spaltenmenue.h"
#include "platform/uhr.h"
#include "storage/einstellungsspeicher.h"

namespace kolvar {

// ---------------------------------------------------------------------------------------------
// Start and end

TKolvarPalette::TKolvarPalette(TStandard& standard, ISchulDateien& dateien, IEinstellungsSpeicher* speicher,
                               QWidget* eltern)
    : QMainWindow(eltern), standard_(standard), speicher_(speicher), oeffner_(fensterArten_) {
  setObjectName(QStringLiteral("KolvarPalette"));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  TDienste::SetzeShift(this);
  ShiftFilterEinrichten();
  ModaleDialogeSichtbarHalten();
  hintergrund_ = std::make_unique<THintergrund>();
  schule_ = std::make_unique<TSchule>(standard_, Umgebung());
  menues_ = std::make_unique<TMenueBaum>(*this);
  fenster_ = std::make_unique<TFensterVerwaltung>(*this, menues_->FensterMenue(), oeffner_);
  HintergrundAnpassen();
  dateiBefehle_ = std::make_unique<TDateiBefehle>(*this, dateien);
  befehle_ = std::make_unique<TMenueBefehle>(*this);
  leerlauf_ = std::make_unique<TLeerlaufSteuerung>(*this);
  // The element menus offer their entries once something opens them.
  fensterArten_.BeiNeuemOeffner = [this](int art) {
    if (IstElementFenster(art)) KuerzelMenusAnlegen();
  };
  Initialisiere();
  RegistriereDialog(
      DialogName::Kennwort,
      [this] {
        TKennwortForm form(standard_, this);
        return form.Zeige();
      },
      MenuePfad::VorKennwort);
}

TKolvarPalette::~TKolvarPalette() {
  if (TDienste::Shift() == this) TDienste::SetzeShift(nullptr);
  fenster_->SchliesseAlleFenster();
}

TUmgebung TKolvarPalette::Umgebung() {
  return TUmgebung{&dialoge_, this, &TDienste::Uhr()};
}

void TKolvarPalette::Initialisiere() {
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
  menues_->DateiMenusAnpassen();
  MenusAnpassen();
}

void TKolvarPalette::SetzeKursFensterOeffner(TKursOeffner oeffner) {
  oeffner_.SetzeKursOeffner(std::move(oeffner));
}

void TKolvarPalette::RegistriereDialog(const QString& name, TDialogRegister::TOeffner oeffner,
                                       const QString& menuePfad) {
  dialogRegister_.Registriere(name, std::move(oeffner));
  if (!menuePfad.isEmpty()) menues_->SetzeBefehl(menuePfad, [this, name] { dialogRegister_.Oeffne(name); });
}

void TKolvarPalette::ZeigeHintergrundFarbe(std::uint32_t farbe) {
  hintergrund_->SetzeFarbe(farbe);
}

void TKolvarPalette::EckdatenUebernommen() {
  PaletteAnordnen();
  HintergrundAnpassen();
  VersionsMenuAufbauen();
  MenusAnpassen();
  schule_->SetzeCursor();
}

void TKolvarPalette::HintergrundAnpassen() {
  const TFensterVerwaltung::TUmordnung umordnung(*fenster_);
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
    dateiBefehle_->DateiOeffnen(argument);
  else
    dateiBefehle_->OeffnenItemClick();
}

bool TKolvarPalette::DateiOffen() const {
  return dateiBefehle_->DateiOffen();
}

bool TKolvarPalette::FormCloseQuery() {
  if (beschaeftigt_) return false;
  // Quitting closes every window: each asks first what closing it alone would ask.
  if (!fenster_->DuerfenAlleSchliessen()) return false;
  if (!DateiOffen()) return true;
  return dateiBefehle_->FrageSichernVorSchliessen();
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
  fenster_->SchliesseAlleFenster();
  if (DateiOffen()) dateiBefehle_->Verwerfen();
  standard_.pal = pos().x();
  standard_.pat = pos().y();
  hintergrund_->hide();
  if (speicher_ != nullptr && !standard_.SpeichereEinstellungen(*speicher_))
    TDienste::Dialoge().Hinweis(QStringLiteral("WinKolvar"),
                                QStringLiteral("Die Einstellungen konnten nicht gespeichert werden."),
                                TMeldungsArt::Warnung);
  TDienste::Hilfe().Schliesse();
  // From layout 3 on the palette is a tool window, which Qt never counts as the last window.
  QCoreApplication::quit();
}

void TKolvarPalette::ErsetzeSchule(std::unique_ptr<TSchule> neu) {
  fenster_->SchliesseAlleFenster();
  schule_ = std::move(neu);
  wahl_.fill(nullptr);
}

void TKolvarPalette::FensterWiederOeffnen(const TFenster& satz) {
  const uint8_t tasten = tasten_;
  tasten_ |= Taste::Shift;
  fenster_->WiederOeffnen(satz);
  tasten_ = tasten;
}

// ---------------------------------------------------------------------------------------------
// Buttons and layout

QToolButton* TKolvarPalette::Knopf(const QString& name) const {
  return knoepfe_.value(name, nullptr);
}

void TKolvarPalette::KnoepfeBauen() {
  flaeche_ = new QWidget(this);
  setCentralWidget(flaeche_);
  knoepfe_ = BaueKnoepfe(flaeche_);
  modusGruppe_ = new QButtonGroup(this);
  ansichtsGruppe_ = new QButtonGroup(this);
  const std::array<const char*, 5> modi{"Zeig", "Setz", "Loesch", "Schieb", "Fix"};
  for (int m = 0; m < 5; ++m) {
    QToolButton* k = Knopf(QString::fromLatin1(modi[static_cast<std::size_t>(m)]));
    k->setCheckable(true);
    modusGruppe_->addButton(k, m);
    menues_->Verbinde(k, [this, m] { ModusKnopfClick(m); });
  }
  const std::array<const char*, 3> ansichten{"GrDat", "Dep", "Plan"};
  for (int g = 0; g < 3; ++g) {
    QToolButton* k = Knopf(QString::fromLatin1(ansichten[static_cast<std::size_t>(g)]));
    k->setCheckable(true);
    ansichtsGruppe_->addButton(k, g);
    menues_->Verbinde(k, [this, g] { AnsichtKnopfClick(g); });
  }
  Knopf(QStringLiteral("Zeig"))->setChecked(true);
  Knopf(QStringLiteral("GrDat"))->setChecked(true);
  menues_->Verbinde(Knopf(QStringLiteral("PfeilLinks")), [this] { fenster_->Blaettern(false); });
  menues_->Verbinde(Knopf(QStringLiteral("PfeilRechts")), [this] { fenster_->Blaettern(true); });
  menues_->Verbinde(Knopf(QStringLiteral("NeueUE")), [this] { NeueUEKnopfClick(); });
  menues_->Verbinde(Knopf(QStringLiteral("UELoesch")), [this] { UELoeschKnopfClick(); });

  versPanel_ = new QFrame(flaeche_);
  versPanel_->setObjectName(QStringLiteral("VersPanel"));
  versPanel_->setFixedSize(kKnopfGroesse, kKnopfGroesse);
  versPanel_->setAutoFillBackground(true);
  auto* vers = new QToolButton(versPanel_);
  vers->setObjectName(QStringLiteral("VersKnopf"));
  vers->setToolTip(QStringLiteral("Planversion (rot = alle Versionen)"));
  vers->setGeometry(2, 2, kKnopfGroesse - 4, kKnopfGroesse - 4);
  vers->setFocusPolicy(Qt::NoFocus);
  knoepfe_.insert(QStringLiteral("Vers"), vers);
  menues_->Verbinde(vers, [this] { VersKnopfClick(); });
}

void TKolvarPalette::PaletteAnordnen() {
  SetzeCaption();
  const int pas = std::clamp(standard_.pas, 0, 6);
  const bool werkzeugRand = pas >= 3;
  const bool sichtbar = isVisible();
  // Changing the flags recreates the native window, which the window manager then places anew:
  // only when the window type changes, and at the place it had. (Qt::Tool shares its bits with
  // Qt::Window, so the type is set as a whole.)
  const Qt::WindowFlags flaggen = (windowFlags() & ~Qt::WindowType_Mask) | Qt::WindowStaysOnTopHint |
                                  (werkzeugRand ? Qt::Tool : Qt::Window);
  // The palette made anew is shown anew, and the window manager gives it the focus.
  const TFensterVerwaltung::TUmordnung umordnung(*fenster_, flaggen != windowFlags());
  if (flaggen != windowFlags()) {
    const QPoint ort = pos();
    setWindowFlags(flaggen);
    move(ort);
  }
  // Menu bar: the menus themselves, or all of them under the folding item "Menu".
  menues_->InDieLeiste(*menuBar(), werkzeugRand);
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
  if (DateiOffen()) {
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
  menues_->KuerzelMenusAnlegen();
  // Any choice of the element pop-ups may point into the old lists.
  wahl_.fill(nullptr);
}

void TKolvarPalette::MenusAnpassen() {
  menues_->MenusAnpassen();
}

void TKolvarPalette::ModusSetzen(int modus) {
  if (QAbstractButton* k = modusGruppe_->button(modus)) k->setChecked(true);
  if (schule_->Werkzeugmodus() != modus) schule_->SetzeModus(static_cast<uint8_t>(modus));
}

void TKolvarPalette::ModusKnopfClick(int modus) {
  if (QAbstractButton* k = modusGruppe_->button(modus)) k->setChecked(true);
  schule_->SetzeModus(static_cast<uint8_t>(modus));
}

void TKolvarPalette::AnsichtSetzen(int gruppe) {
  if (QAbstractButton* k = ansichtsGruppe_->button(gruppe)) k->setChecked(true);
  schule_->SetzeAnsichtsgruppe(static_cast<uint8_t>(gruppe));
}

void TKolvarPalette::AnsichtKnopfClick(int gruppe) {
  AnsichtSetzen(gruppe);
  fenster_->ElementFensterWechseln(gruppe);
}

void TKolvarPalette::NeueUEKnopfClick() {
  // The new course opens in the course editor, stepping through the element's courses.
  const IFenster* aktiv = schule_->AktivesFenster();
  const TElement* e = aktiv != nullptr ? aktiv->Element() : nullptr;
  TKurs* kurs = schule_->NeuerKurs();
  if (kurs == nullptr) return;
  schule_->AktualisiereAlleFenster();
  oeffner_.OeffneKurs(*kurs, e != nullptr ? e->Kurse().Elemente() : schule_->Kurse().Elemente());
}

void TKolvarPalette::UELoeschKnopfClick() {
  schule_->LoescheMarkierteKurse();
}

void TKolvarPalette::ClickLinks() {
  menues_->FuehreAus([this] { fenster_->Blaettern(false); });
}

void TKolvarPalette::ClickRechts() {
  menues_->FuehreAus([this] { fenster_->Blaettern(true); });
}

// ---------------------------------------------------------------------------------------------
// Element choice

bool TKolvarPalette::WaehleElement(TElementArt art, bool mitOhne, const QPoint& ort) {
  TBeschaeftigt beschaeftigt(*this);
  gewaehlt_ = false;
  const std::vector<TElement*> elemente = schule_->Elemente(art);
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

void TKolvarPalette::OeffneElementFenster(TElement* element, int gruppe, uint8_t tasten) {
  if (element == nullptr) return;
  AnsichtSetzen(gruppe);
  oeffner_.OeffneElement(gruppe, element, tasten);
}

void TKolvarPalette::SetzeWahl(TElementArt art, TElement* e) {
  wahl_[static_cast<std::size_t>(art)] = e;
  gewaehlt_ = true;
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
  menues_->SetzeSichernAktiv(an);
}

void TKolvarPalette::SetzeWiderrufenAktiv(bool an) {
  menues_->SetzeWiderrufenAktiv(an);
}

void TKolvarPalette::TextInZwischenablage(const QString& text) {
  memo_ = text.split(QLatin1Char('\n'));
  TDienste::Ablage().SetzeText(memo_.join(QLatin1Char('\n')));
  if (IFenster* zwischen = schule_->EinzelFenster(FensterArt::Zwischen)) zwischen->Aktualisiere();
}

IFensterListe& TKolvarPalette::FensterListe() {
  return *fenster_;
}

}  // namespace kolvar
