#include "masterdata/kursform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "app/textfeldbefehle.h"
#include "engine/sperrauswahl.h"
#include "masterdata/farbwahl.h"
#include "masterdata/sperrung.h"
#include "model/fach.h"
#include "model/imenue.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/text.h"
#include "platform/cursoren.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/qtext.h"
#include "storage/mactext.h"

namespace kolvar {

namespace {

QString Kuerzel(const TElement* e) {
  return e != nullptr ? Q(e->Kuerzel()) : QString();
}

// Text the school file can hold, so nothing typed changes on saving.
class TDateiTextPruefer : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int&) const override {
    for (const char32_t z : text.toUcs4())
      if (z < 0x20 || !MacDarstellbar(z)) return Invalid;
    return Acceptable;
  }
};

constexpr int kGitterZeilen = 4;

}  // namespace

TKursForm::TKursForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::Kurs, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(QStringLiteral("Kurs"));
  farbWahl_ = [this](uint32_t& farbe) {
    return FarbDialogMitEigenenFarben(Schule().Standard(), farbe, this);
  };
  Baue();
}

TKursForm::~TKursForm() = default;

QGroupBox* TKursForm::ElementBox(const QString& titel, TKursFeld feld, QWidget* inhalt) {
  auto* box = new QGroupBox(titel, this);
  auto* l = new QVBoxLayout(box);
  l->setContentsMargins(4, 2, 4, 4);
  l->addWidget(inhalt);
  // A click on the box, its field or its grid chooses the box's kind.
  box->setProperty("kursFeld", static_cast<int>(feld));
  inhalt->setProperty("kursFeld", static_cast<int>(feld));
  box->installEventFilter(this);
  inhalt->installEventFilter(this);
  return box;
}

void TKursForm::Baue() {
  auto feld = [this](const char* name) {
    auto* f = new QLineEdit(this);
    f->setObjectName(QLatin1String(name));
    f->setReadOnly(true);
    f->setFixedWidth(90);
    return f;
  };
  auto gitter = [this](const char* name) {
    auto* g = new TGitter(this);
    g->setObjectName(QLatin1String(name));
    g->SetzeSpalten(1);
    g->SetzeZeilen(1);
    g->SetzeFesteSpalten(0);
    g->SetzeFesteZeilen(0);
    g->SetzeStandardBreite(84);
    g->SetzeRollbalken(true);
    g->setFixedSize(90, kGitterZeilen * g->StandardHoehe() + 6);
    return g;
  };
  LehrerFeld = feld("LehrerFeld");
  FachFeld = feld("FachFeld");
  Kopplfeld = feld("Kopplfeld");
  KlGrid = gitter("KlGrid");
  RaGrid = gitter("RaGrid");

  auto* links = new QVBoxLayout;
  links->addWidget(ElementBox(QStringLiteral("Lehrer"), TKursFeld::Lehrer, LehrerFeld));
  links->addWidget(ElementBox(QStringLiteral("Fach"), TKursFeld::Fach, FachFeld));
  links->addWidget(ElementBox(QStringLiteral("Klassen"), TKursFeld::Klassen, KlGrid));
  links->addWidget(ElementBox(QStringLiteral("Kopplung"), TKursFeld::Kopplung, Kopplfeld));
  links->addWidget(ElementBox(QStringLiteral("Räume"), TKursFeld::Raeume, RaGrid));
  links->addStretch();
  KlGrid->viewport()->setProperty("kursFeld", static_cast<int>(TKursFeld::Klassen));
  RaGrid->viewport()->setProperty("kursFeld", static_cast<int>(TKursFeld::Raeume));
  KlGrid->viewport()->installEventFilter(this);
  RaGrid->viewport()->installEventFilter(this);

  // The kind that "Kürzel" assigns.
  auto* mitte = new QVBoxLayout;
  radios_ = new QButtonGroup(this);
  auto radio = [&](const char* name, const QString& text, TKursFeld f) {
    auto* r = new QRadioButton(text, this);
    r->setObjectName(QLatin1String(name));
    radios_->addButton(r, static_cast<int>(f));
    mitte->addWidget(r);
    return r;
  };
  LeRadio = radio("LeRadio", QStringLiteral("Lehrer"), TKursFeld::Lehrer);
  KlRadio = radio("KlRadio", QStringLiteral("Klassen"), TKursFeld::Klassen);
  KoRadio = radio("KoRadio", QStringLiteral("Kopplung"), TKursFeld::Kopplung);
  FaRadio = radio("FaRadio", QStringLiteral("Fach"), TKursFeld::Fach);
  RaRadio = radio("RaRadio", QStringLiteral("Räume"), TKursFeld::Raeume);
  LeRadio->setChecked(true);
  KueKnopf = new QPushButton(QStringLiteral("Kürzel"), this);
  KueKnopf->setObjectName(QStringLiteral("KueKnopf"));
  mitte->addWidget(KueKnopf);
  mitte->addSpacing(8);
  auto check = [&](const char* name, const QString& text) {
    auto* c = new QCheckBox(text, this);
    c->setObjectName(QLatin1String(name));
    mitte->addWidget(c);
    return c;
  };
  nvpCheck = check("nvpCheck", QStringLiteral("nicht verplanen"));
  nzlCheck = check("nzlCheck", QStringLiteral("nicht zählen Le"));
  nzkCheck = check("nzkCheck", QStringLiteral("nicht zählen Kl"));
  mitte->addStretch();

  auto* werte = new QFormLayout;
  auto spin = [&](const char* name, const QString& text, int min, int max) {
    auto* s = new QSpinBox(this);
    s->setObjectName(QLatin1String(name));
    s->setRange(min, max);
    // A typed value counts once it is complete (Enter or leaving the box).
    s->setKeyboardTracking(false);
    werte->addRow(text, s);
    return s;
  };
  auto anzeige = [&](const char* name, const QString& text) {
    auto* f = new QLineEdit(this);
    f->setObjectName(QLatin1String(name));
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::NoFocus);
    werte->addRow(text, f);
    return f;
  };
  StdSpin = spin("StdSpin", QStringLiteral("Stunden"), 0, kMaxKursStunden);
  VerplantFeld = anzeige("VerplantFeld", QStringLiteral("verplant"));
  FaktorSpin = spin("FaktorSpin", QStringLiteral("Faktor"), 0, 10000);
  WertFeld = anzeige("WertFeld", QStringLiteral("Wert"));
  SpTSpin = spin("SpTSpin", QStringLiteral("Std/Tag"), 1, 16);
  EinzelSpin = spin("EinzelSpin", QStringLiteral("Einzelne"), 0, 7);
  TabelleSpin = spin("TabelleSpin", QStringLiteral("Tabelle"), 1, 4);
  for (QSpinBox* s : {StdSpin, FaktorSpin, SpTSpin, EinzelSpin, TabelleSpin}) s->setFixedWidth(70);
  VerplantFeld->setFixedWidth(70);
  WertFeld->setFixedWidth(70);
  mitte->addLayout(werte);

  auto* rechts = new QVBoxLayout;
  auto* farbBox = new QGroupBox(QStringLiteral("Farbe"), this);
  farbBox->setObjectName(QStringLiteral("FarbBox"));
  auto* fl = new QHBoxLayout(farbBox);
  FarbFeld = new QFrame(farbBox);
  FarbFeld->setObjectName(QStringLiteral("FarbFeld"));
  FarbFeld->setFrameShape(QFrame::Box);
  FarbFeld->setAutoFillBackground(true);
  FarbFeld->setFixedSize(40, 22);
  FarbKnopf = new QPushButton(QStringLiteral("Ändern"), farbBox);
  FarbKnopf->setObjectName(QStringLiteral("FarbKnopf"));
  fl->addWidget(FarbFeld);
  fl->addWidget(FarbKnopf);
  auto* infoBox = new QGroupBox(QStringLiteral("Info"), this);
  infoBox->setObjectName(QStringLiteral("InfoBox"));
  auto* il = new QHBoxLayout(infoBox);
  InfoFeld = new QLineEdit(infoBox);
  InfoFeld->setObjectName(QStringLiteral("InfoFeld"));
  InfoFeld->setMaxLength(kNamenLaenge);
  InfoFeld->setValidator(new TDateiTextPruefer(InfoFeld));
  il->addWidget(InfoFeld);
  Sperrung = new TSperrung(this);
  rechts->addWidget(farbBox);
  rechts->addWidget(infoBox);
  rechts->addWidget(Sperrung);
  rechts->addStretch();

  auto* haupt = new QHBoxLayout(this);
  haupt->addLayout(links);
  haupt->addLayout(mitte);
  haupt->addLayout(rechts);
  haupt->setSizeConstraint(QLayout::SetFixedSize);

  connect(radios_, &QButtonGroup::idClicked, this, [this](int id) {
    WaehleFeld(static_cast<TKursFeld>(id));
    if (isVisible() && isActiveWindow()) KueKnopfClick();
  });
  connect(KueKnopf, &QPushButton::clicked, this, [this] { KueKnopfClick(); });
  connect(StdSpin, &QSpinBox::valueChanged, this, [this](int w) { StdSpinChange(w); });
  connect(FaktorSpin, &QSpinBox::valueChanged, this, [this](int w) { FaktorSpinChange(w); });
  connect(SpTSpin, &QSpinBox::valueChanged, this, [this](int w) { SpTSpinChange(w); });
  connect(EinzelSpin, &QSpinBox::valueChanged, this,
          [this](int w) { Aendere([&] { SetzeEinzelne(*kurs_, w); }); });
  connect(TabelleSpin, &QSpinBox::valueChanged, this,
          [this](int w) { Aendere([&] { SetzeKursTabelle(*kurs_, w); }); });
  connect(nvpCheck, &QCheckBox::clicked, this, [this](bool an) { nvpCheckClick(an); });
  connect(nzlCheck, &QCheckBox::clicked, this,
          [this](bool an) { Aendere([&] { SetzeKursNichtZaehlenLehrer(*kurs_, an); }); });
  connect(nzkCheck, &QCheckBox::clicked, this,
          [this](bool an) { Aendere([&] { SetzeKursNichtZaehlenKlassen(*kurs_, an); }); });
  connect(InfoFeld, &QLineEdit::textEdited, this, [this](const QString& t) { InfoFeldChange(t); });
  connect(FarbKnopf, &QPushButton::clicked, this, [this] { FarbKnopfClick(); });
  connect(
      KlGrid, &TGitter::ZelleGedrueckt, this,
      [this](int, int, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { WaehleFeld(TKursFeld::Klassen); });
  connect(KlGrid, &TGitter::Doppelklick, this,
          [this](int, int zeile, Qt::KeyboardModifiers) { FeldDoppelklick(TKursFeld::Klassen, zeile); });
  connect(RaGrid, &TGitter::ZelleGedrueckt, this,
          [this](int, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            WaehleFeld(TKursFeld::Raeume);
            if (knopf == Qt::LeftButton) RaGridMouseDown(zeile);
          });
  connect(RaGrid, &TGitter::Doppelklick, this,
          [this](int, int zeile, Qt::KeyboardModifiers) { FeldDoppelklick(TKursFeld::Raeume, zeile); });
  connect(RaGrid, &TGitter::ZiehenUeber, this, [this](int, int zeile) { RaGridZiehenUeber(zeile); });
  connect(RaGrid, &TGitter::ZiehenEnde, this, [this](int, int, int, int) { ziehZeile_ = -1; });
  // The rows already exchanged stay: each was written to the course as it happened.
  connect(RaGrid, &TGitter::ZiehenAbgebrochen, this, [this] { ziehZeile_ = -1; });
  SetzeCursorNachModus(Schule().Werkzeugmodus(), 0);
}

void TKursForm::SetzeCursorNachModus(int modus, uint8_t /*tasten*/) {
  // Modes that act on nothing here show the arrow, not the cursor a former mode left.
  const QCursor pfeil(Qt::ArrowCursor);
  const QCursor cursor = modus == Modus::Loeschen ? KolvarCursor(QStringLiteral("GUMMI")) : pfeil;
  for (QWidget* w : {static_cast<QWidget*>(LehrerFeld), static_cast<QWidget*>(FachFeld),
                     static_cast<QWidget*>(Kopplfeld), KlGrid->viewport()})
    w->setCursor(cursor);
  // A room drag shows its own cursor until it ends.
  if (!RaGrid->Zieht())
    RaGrid->viewport()->setCursor(modus == Modus::Schieben ? KolvarCursor(QStringLiteral("HAND")) : cursor);
}

// ---------------------------------------------------------------------------------------------
// Showing

void TKursForm::Vorbereiten(TKurs* kurs, std::vector<TKurs*> liste) {
  TSchule& schule = Schule();
  const bool anderer = kurs != kurs_;
  kurs_ = kurs;
  liste_ = std::move(liste);
  if (kurs_ != nullptr && std::find(liste_.begin(), liste_.end(), kurs_) == liste_.end())
    liste_.push_back(kurs_);
  Sperrung->Vorbereiten(schule.Standard());
  if (kurs_ != nullptr) Sperrung->SetzeQuelle(TSperrQuelle::VonKurs(*kurs_), &schule);
  Zeige();
  if (anderer && isVisible()) Sperrung->Gitter()->setFocus();
}

void TKursForm::FuelleGitter(TGitter* gitter, const std::vector<TElement*>& elemente) {
  gitter->Leeren();
  gitter->SetzeZeilen(std::max<int>(1, static_cast<int>(elemente.size())));
  for (std::size_t i = 0; i < elemente.size(); ++i) {
    gitter->SetzeText(0, static_cast<int>(i), Kuerzel(elemente[i]));
    gitter->SetzeObjekt(0, static_cast<int>(i), elemente[i]);
  }
}

void TKursForm::Zeige() {
  if (kurs_ == nullptr) return;
  const TKurs& k = *kurs_;
  const QSignalBlocker b1(StdSpin), b2(FaktorSpin), b3(SpTSpin), b4(EinzelSpin), b5(TabelleSpin),
      b6(nvpCheck), b7(nzlCheck), b8(nzkCheck), b9(InfoFeld);
  LehrerFeld->setText(Kuerzel(k.Lehrer()));
  FachFeld->setText(Kuerzel(k.Fach()));
  Kopplfeld->setText(Kuerzel(k.Kopplung()));
  std::vector<TElement*> klassen(k.Klassen().begin(), k.Klassen().end());
  std::vector<TElement*> raeume(k.Raeume().begin(), k.Raeume().end());
  FuelleGitter(KlGrid, klassen);
  if (!RaGrid->Zieht()) FuelleGitter(RaGrid, raeume);
  // The field refreshes after each character typed: setting the same text would move the cursor.
  if (InfoFeld->text() != Q(k.Info())) InfoFeld->setText(Q(k.Info()));
  VerplantFeld->setText(QString::number(k.GesetzteStunden(-1)));
  nvpCheck->setChecked(k.NichtVerplanen());
  nzlCheck->setChecked(k.NichtZaehlenLehrer());
  nzkCheck->setChecked(k.NichtZaehlenKlassen());
  QPalette farbe = FarbFeld->palette();
  farbe.setColor(QPalette::Window, AlsFarbe(k.Farbe()));
  FarbFeld->setPalette(farbe);
  FaktorSpin->setValue(k.Faktor());
  const TStundenSpin spin = StundenSpin(k);
  StdSpin->setSingleStep(spin.Schritt);
  StdSpin->setRange(std::min(spin.Min, spin.Wert), std::max(spin.Max, spin.Wert));
  StdSpin->setValue(spin.Wert);
  SpTSpin->setValue(k.StundenProTag());
  EinzelSpin->setValue(k.Einzelstunden());
  TabelleSpin->setValue(k.Tabelle());
  WertFeld->setText(Q(KursWertText(k)));
  nvpCheck->setEnabled(NichtVerplanenAenderbar(k));
  Sperrung->NeuZeichnen();
}

void TKursForm::Aktualisiere() {
  Vorbereiten(kurs_, liste_);
}

void TKursForm::NeuZeichnen() {
  SperrungNeuZeichnen();
}

void TKursForm::SperrungNeuZeichnen() {
  Sperrung->NeuZeichnen();
}

void TKursForm::KursWirdGeloescht(TKurs* kurs) {
  std::erase(liste_, kurs);
  if (kurs == kurs_) {
    kurs_ = nullptr;
    Schliesse();
  }
}

bool TKursForm::Blaettere(bool vorwaerts) {
  if (TKurs* ziel = NaechsterKurs(liste_, kurs_, vorwaerts); ziel != nullptr && ziel != kurs_)
    Vorbereiten(ziel, liste_);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Handlers

template <typename F>
void TKursForm::Aendere(F&& aenderung) {
  if (kurs_ == nullptr) return;
  TSchule::TAktion aktion(Schule());
  aenderung();
}

void TKursForm::StdSpinChange(int wert) {
  if (kurs_ == nullptr) return;
  TSchule::TAktion aktion(Schule());
  if (!SetzeSpinStunden(*kurs_, wert)) {
    // A version would keep more placed hours than it has: the box shows the hours again.
    QApplication::beep();
    const QSignalBlocker sperre(StdSpin);
    StdSpin->setValue(StundenSpin(*kurs_).Wert);
    return;
  }
  WertFeld->setText(Q(KursWertText(*kurs_)));
}

void TKursForm::FaktorSpinChange(int wert) {
  Aendere([&] { SetzeKursFaktor(*kurs_, wert); });
  if (kurs_ != nullptr) WertFeld->setText(Q(KursWertText(*kurs_)));
}

void TKursForm::SpTSpinChange(int wert) {
  Aendere([&] { SetzeBlockLaenge(*kurs_, wert); });
  if (kurs_ == nullptr) return;
  const QSignalBlocker sperre(EinzelSpin);
  EinzelSpin->setValue(kurs_->Einzelstunden());
}

void TKursForm::nvpCheckClick(bool an) {
  if (kurs_ == nullptr) return;
  TSchule::TAktion aktion(Schule());
  if (!SetzeNichtVerplanenFlag(*kurs_, an)) {
    const QSignalBlocker sperre(nvpCheck);
    nvpCheck->setChecked(kurs_->NichtVerplanen());
    return;
  }
  Zeige();
}

void TKursForm::InfoFeldChange(const QString& text) {
  Aendere([&] { SetzeKursInfo(*kurs_, text.toStdString()); });
}

void TKursForm::FarbKnopfClick() {
  if (kurs_ == nullptr || !farbWahl_) return;
  uint32_t farbe = kurs_->Farbe();
  if (!farbWahl_(farbe) || kurs_ == nullptr) return;
  TSchule::TAktion aktion(Schule());
  SetzeKursFarbe(*kurs_, farbe);
  Zeige();
}

void TKursForm::WaehleFeld(TKursFeld feld) {
  feld_ = feld;
  if (QAbstractButton* r = radios_->button(static_cast<int>(feld))) r->setChecked(true);
}

TElement* TKursForm::Waehle(TElementArt art, const QPoint& ort) {
  if (palette_ == nullptr || !palette_->WaehleElement(art, false, ort)) return nullptr;
  return palette_->Wahl(art);
}

void TKursForm::KueKnopfClick() {
  if (kurs_ == nullptr) return;
  TSchule::TAktion aktion(Schule());
  TKurs& k = *kurs_;
  const QPoint ort = KueKnopf->mapToGlobal(QPoint(0, KueKnopf->height()));
  TElement* wahl = nullptr;
  TMenueDaten menue;
  switch (feld_) {
    case TKursFeld::Lehrer:
      if (TFach* fach = k.Fach()) {
        fach->SetzeGewaehltenLehrer(nullptr);
        fach->FuelleLehrerMenue(menue);
        if (ZeigeKernMenue(menue.Eintraege(), ort, 16, true)) wahl = fach->GewaehlterLehrer();
        fach->SetzeGewaehltenLehrer(nullptr);
      } else {
        wahl = Waehle(TElementArt::Lehrer, ort);
      }
      break;
    case TKursFeld::Klassen:
      if (TFach* fach = k.Fach()) {
        fach->SetzeGewaehlteKlasse(nullptr);
        fach->FuelleKlassenMenue(menue);
        if (ZeigeKernMenue(menue.Eintraege(), ort, 16, true)) wahl = fach->GewaehlteKlasse();
        fach->SetzeGewaehlteKlasse(nullptr);
      } else {
        wahl = Waehle(TElementArt::Klasse, ort);
      }
      break;
    case TKursFeld::Kopplung:
      wahl = Waehle(TElementArt::Kopplung, ort);
      break;
    case TKursFeld::Fach:
      if (TLehrer* lehrer = k.Lehrer()) {
        lehrer->SetzeGewaehltesFach(nullptr);
        lehrer->FuelleFachMenue(menue);
        if (ZeigeKernMenue(menue.Eintraege(), ort, 16, true)) wahl = lehrer->GewaehltesFach();
        lehrer->SetzeGewaehltesFach(nullptr);
      } else {
        wahl = Waehle(TElementArt::Fach, ort);
      }
      break;
    case TKursFeld::Raeume:
      wahl = Waehle(TElementArt::Raum, ort);
      break;
    default:
      break;
  }
  // The window may have gone while the pop-up was open.
  if (kurs_ != &k || wahl == nullptr) return;
  UebernimmElement(k, feld_, wahl);
}

void TKursForm::FeldDoppelklick(TKursFeld feld, int zeile) {
  WaehleFeld(feld);
  if (kurs_ == nullptr || Schule().Werkzeugmodus() != Modus::Loeschen) return;
  TSchule::TAktion aktion(Schule());
  TElement* e = nullptr;
  if (feld == TKursFeld::Klassen) e = KlGrid->ObjektAls<TElement>(0, zeile);
  if (feld == TKursFeld::Raeume) e = RaGrid->ObjektAls<TElement>(0, zeile);
  EntferneAusKurs(*kurs_, feld, e);
}

void TKursForm::RaGridMouseDown(int zeile) {
  if (kurs_ == nullptr || Schule().Werkzeugmodus() != Modus::Schieben || kurs_->Raeume().Anzahl() < 2) return;
  if (zeile < 0 || zeile >= kurs_->Raeume().Anzahl()) return;
  ziehZeile_ = zeile;
  RaGrid->BeginneZiehen(0, zeile);
}

void TKursForm::RaGridZiehenUeber(int zeile) {
  if (kurs_ == nullptr || ziehZeile_ < 0 || zeile == ziehZeile_) return;
  if (zeile < 0 || zeile >= kurs_->Raeume().Anzahl()) return;
  TSchule::TAktion aktion(Schule());
  if (!TauscheRaumZeilen(*kurs_, ziehZeile_ + 1, zeile + 1)) return;
  // The dragged row moves with the mouse: the two grid rows change places as the rooms did.
  const QString text = RaGrid->Text(0, ziehZeile_);
  void* objekt = RaGrid->Objekt(0, ziehZeile_);
  RaGrid->SetzeText(0, ziehZeile_, RaGrid->Text(0, zeile));
  RaGrid->SetzeObjekt(0, ziehZeile_, RaGrid->Objekt(0, zeile));
  RaGrid->SetzeText(0, zeile, text);
  RaGrid->SetzeObjekt(0, zeile, objekt);
  ziehZeile_ = zeile;
}

bool TKursForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  const QVariant feld = objekt->property("kursFeld");
  if (feld.isValid()) {
    const auto f = static_cast<TKursFeld>(feld.toInt());
    if (ereignis->type() == QEvent::MouseButtonPress) {
      WaehleFeld(f);
    } else if (ereignis->type() == QEvent::MouseButtonDblClick && f != TKursFeld::Klassen &&
               f != TKursFeld::Raeume) {
      // The grids report their double clicks by row themselves.
      FeldDoppelklick(f);
      return true;
    }
  }
  return TKindFenster::eventFilter(objekt, ereignis);
}

}  // namespace kolvar
