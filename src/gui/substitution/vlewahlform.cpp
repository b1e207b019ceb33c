#include "substitution/vlewahlform.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/textfeldbefehle.h"
#include "engine/ablage.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/dateitextvalidator.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/qtext.h"
#include "substitution/tagesbalken.h"
#include "substitution/tagesplan.h"
#include "substitution/vertretung.h"
#include "substitution/vertrform.h"
#include "substitution/vertrvorschlag.h"
#include "substitution/wahlbemerkung.h"

namespace kolvar {

namespace {

const char* const kAuswahl[] = {"gleiche Klasse", "gleiches Fach", "alle Lehrer"};
const char* const kKonto[] = {"V-Std. 1", "V-Std 2"};

int Spaltenhoehe(std::size_t n) {
  return std::max(static_cast<int>(std::nearbyint(std::sqrt(3.0 * static_cast<double>(n)))), 16);
}

}  // namespace

TVLeWahlForm::TVLeWahlForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::VLeWahl, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(QStringLiteral("Vertretungslehrerwahl"));
  auto* haupt = new QVBoxLayout(this);
  haupt->setContentsMargins(4, 4, 4, 4);
  StdFeld = new QLabel(this);
  StdFeld->setObjectName(QStringLiteral("StdFeld"));
  QFont fett = StdFeld->font();
  fett.setBold(true);
  StdFeld->setFont(fett);
  haupt->addWidget(StdFeld);

  auto* oben = new QGridLayout;
  LehrerKnopf = new QPushButton(QStringLiteral("Lehrer"), this);
  LehrerLabel = new QLabel(this);
  RaumKnopf = new QPushButton(QStringLiteral("Raum"), this);
  RaumLabel = new QLabel(this);
  FreiKnopf = new QPushButton(QStringLiteral("Frei"), this);
  LoeschKnopf = new QPushButton(QStringLiteral("Löschen"), this);
  WieAmKnopf = new QPushButton(QStringLiteral("Wie am"), this);
  AnrechnenBox = new QCheckBox(QStringLiteral("Anrechnen"), this);
  oben->addWidget(LehrerKnopf, 0, 0);
  oben->addWidget(LehrerLabel, 0, 1);
  oben->addWidget(RaumKnopf, 1, 0);
  oben->addWidget(RaumLabel, 1, 1);
  oben->addWidget(FreiKnopf, 0, 2);
  oben->addWidget(LoeschKnopf, 1, 2);
  oben->addWidget(WieAmKnopf, 0, 3);
  oben->addWidget(AnrechnenBox, 1, 3);
  haupt->addLayout(oben);

  auto* links = new QHBoxLayout;
  auto* stattBox = new QGroupBox(QStringLiteral("statt"), this);
  auto* stattReihe = new QHBoxLayout(stattBox);
  StattLabel = new QLabel(stattBox);
  StattKnopf = new QPushButton(QStringLiteral("zeigen"), stattBox);
  StattMenueKnopf = new QPushButton(QStringLiteral("statt..."), stattBox);
  stattReihe->addWidget(StattLabel, 1);
  stattReihe->addWidget(StattKnopf);
  stattReihe->addWidget(StattMenueKnopf);
  auto* verlegtBox = new QGroupBox(QStringLiteral("verlegt auf"), this);
  auto* verlegtReihe = new QHBoxLayout(verlegtBox);
  VerlegtLabel = new QLabel(verlegtBox);
  VerlegtKnopf = new QPushButton(QStringLiteral("zeigen"), verlegtBox);
  verlegtReihe->addWidget(VerlegtLabel, 1);
  verlegtReihe->addWidget(VerlegtKnopf);
  links->addWidget(stattBox);
  links->addWidget(verlegtBox);
  haupt->addLayout(links);

  auto* mitte = new QHBoxLayout;
  Tagesplan = new TTagesplan(this);
  mitte->addWidget(Tagesplan);
  auto* listenBox = new QGroupBox(QStringLiteral("zur Vertretung geeignete Lehrer"), this);
  auto* listenSpalte = new QVBoxLayout(listenBox);
  LehrerGrid = new TGitter(listenBox);
  LehrerGrid->setObjectName(QStringLiteral("LehrerGrid"));
  LehrerGrid->SetzeOptionen(TGitter::goLinien | TGitter::goZeilenauswahl);
  LehrerGrid->SetzeSpalten(3);
  LehrerGrid->SetzeFesteZeilen(0);
  LehrerGrid->SetzeFesteSpalten(0);
  LehrerGrid->SetzeSpaltenBreite(0, 50);
  LehrerGrid->SetzeSpaltenBreite(1, 7 * kStunden + 4);
  LehrerGrid->SetzeSpaltenBreite(2, 50);
  LehrerGrid->SetzeZeichner([this](QPainter& p, int s, int z, const QRect& r, TZellZustand zustand) {
    ZeichneZelle(p, s, z, r, zustand);
  });
  LehrerGrid->setMinimumWidth(LehrerGrid->SpaltenBreite(0) + LehrerGrid->SpaltenBreite(1) +
                              LehrerGrid->SpaltenBreite(2) + 24);
  listenSpalte->addWidget(LehrerGrid, 1);
  auto* filter = new QGridLayout;
  FreieBox = new QCheckBox(QStringLiteral("freie Lehrer"), listenBox);
  RandBox = new QCheckBox(QStringLiteral("Randstunden"), listenBox);
  AuswahlKnopf = new QPushButton(listenBox);
  KontoKnopf = new QPushButton(listenBox);
  filter->addWidget(FreieBox, 0, 0);
  filter->addWidget(RandBox, 1, 0);
  filter->addWidget(AuswahlKnopf, 0, 1);
  filter->addWidget(KontoKnopf, 1, 1);
  listenSpalte->addLayout(filter);
  mitte->addWidget(listenBox, 1);
  haupt->addLayout(mitte, 1);

  auto* bem = new QGridLayout;
  InfoFeldL = new QLineEdit(this);
  InfoFeldS = new QLineEdit(this);
  for (QLineEdit* feld : {InfoFeldL, InfoFeldS}) {
    feld->setMaxLength(kBemerkungLaenge);
    // Only what the school file holds, typed or pasted; the field's own paste takes one line, as
    // "Einsetzen" does.
    feld->setValidator(new TDateiTextValidator(false, feld));
    EinsetzenWieImMenue(*feld, *this, &AblageIstBemerkung);
  }
  LBemKnopf = new QPushButton(QStringLiteral("LBem"), this);
  SBemKnopf = new QPushButton(QStringLiteral("SBem"), this);
  bem->addWidget(LBemKnopf, 0, 0);
  bem->addWidget(InfoFeldL, 0, 1);
  bem->addWidget(SBemKnopf, 1, 0);
  bem->addWidget(InfoFeldS, 1, 1);
  haupt->addLayout(bem);

  stattZeit_ = new QTimer(this);
  stattZeit_->setSingleShot(true);
  connect(LehrerGrid, &TGitter::ZelleGedrueckt, this, [this] {
    // A press within the double-click time is no single click: the waiting pop-up is dropped.
    stattZeit_->stop();
    doppelklick_ = false;
  });
  connect(LehrerGrid, &TGitter::Doppelklick, this, [this](int, int z, Qt::KeyboardModifiers) {
    stattZeit_->stop();
    doppelklick_ = true;
    LehrerGridDblClick(z + 1);
  });
  connect(LehrerGrid, &TGitter::ZelleLosgelassen, this,
          [this](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            // The release that ends a double click belongs to it.
            if (std::exchange(doppelklick_, false) || knopf != Qt::LeftButton || s != 0 || z < 0 ||
                z >= static_cast<int>(vorschlaege_.size()))
              return;
            const QRect r = LehrerGrid->ZellRechteck(s, z);
            const QPoint ort = LehrerGrid->viewport()->mapToGlobal(r.bottomLeft());
            const TLehrer* l = vorschlaege_[static_cast<std::size_t>(z)].Lehrer;
            // A second click may follow: the "statt" pop-up opened at once would take it, and the
            // double click would never choose the teacher. So it waits the double-click time.
            stattZeit_->disconnect();
            connect(stattZeit_, &QTimer::timeout, this,
                    [this, s, l, ort] { LehrerGridKlick(s, ZeileVon(l), ort); });
            stattZeit_->start(QApplication::doubleClickInterval());
          });
  connect(LehrerKnopf, &QPushButton::clicked, this, [this] { LehrerKnopfClick(); });
  connect(RaumKnopf, &QPushButton::clicked, this, [this] { RaumKnopfClick(); });
  connect(FreiKnopf, &QPushButton::clicked, this, [this] { FreiKnopfClick(); });
  connect(LoeschKnopf, &QPushButton::clicked, this, [this] { LoeschKnopfClick(); });
  connect(WieAmKnopf, &QPushButton::clicked, this, [this] { WieAmKnopfClick(); });
  connect(AnrechnenBox, &QCheckBox::clicked, this, [this](bool an) { AnrechnenClick(an); });
  connect(StattMenueKnopf, &QPushButton::clicked, this, [this] { StattMenueKnopfClick(); });
  connect(StattKnopf, &QPushButton::clicked, this, [this] {
    if (vertretung_ && vertretung_->Statt()) SetzeVertretung(vertretung_->Statt());
  });
  connect(VerlegtKnopf, &QPushButton::clicked, this, [this] {
    if (vertretung_ && vertretung_->VerlegtAuf()) SetzeVertretung(vertretung_->VerlegtAuf());
  });
  connect(FreieBox, &QCheckBox::clicked, this, [this] { FilterClick(); });
  connect(RandBox, &QCheckBox::clicked, this, [this] { FilterClick(); });
  connect(AuswahlKnopf, &QPushButton::clicked, this, [this] { AuswahlKnopfClick(); });
  connect(KontoKnopf, &QPushButton::clicked, this, [this] { KontoKnopfClick(); });
  // Ctrl counts as it was when the button went down (the press event says), not at the release.
  for (QPushButton* knopf : {LBemKnopf, SBemKnopf}) knopf->installEventFilter(this);
  connect(LBemKnopf, &QPushButton::clicked, this, [this] { BemKnopfClick(true, strgBeimDruck_); });
  connect(SBemKnopf, &QPushButton::clicked, this, [this] { BemKnopfClick(false, strgBeimDruck_); });
  connect(InfoFeldL, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!vertretung_) return;
    TippeBemerkung(*vertretung_, true, t.toStdString());
  });
  connect(InfoFeldS, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!vertretung_) return;
    TippeBemerkung(*vertretung_, false, t.toStdString());
  });
  connect(Tagesplan, &TTagesplan::PlanGewechselt, this, [this](int plan) {
    Schule().Standard().vpl = plan;
    ZeigeTagesplan();
  });
  connect(Tagesplan, &TTagesplan::KopplungGeklickt, this, [this](int zeile, QPoint global) {
    if (!PopupAktiv()) return;
    const TTagesplanZeile& z = Tagesplan->Zeilen()[static_cast<std::size_t>(zeile)];
    if (!z.Kurs || !z.Setzung) return;
    TMenueDaten menue;
    z.Kurs->KopplungsMenueEintraegeInVersion(menue, z.Setzung->Version(), z.Setzung->Tag(),
                                             z.Setzung->Stunde(), false);
    ZeigeKernMenue(menue.Eintraege(), global, 0);
  });

  LehrerGrid->setMinimumHeight(3 * (LehrerGrid->StandardHoehe() + 1));
  Tagesplan->PlanGrid->setMinimumHeight(3 * (Tagesplan->PlanGrid->StandardHoehe() + 1));
  const TStandard& st = schule.Standard();
  move(st.vll, st.vlt);
  resize(560, LehrerWahlMass(0, st.pst, LehrerGrid->StandardHoehe(), 0).Hoehe);
}

bool TVLeWahlForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if ((objekt == LBemKnopf || objekt == SBemKnopf) &&
      (ereignis->type() == QEvent::MouseButtonPress || ereignis->type() == QEvent::KeyPress))
    strgBeimDruck_ = static_cast<QInputEvent*>(ereignis)->modifiers() & Qt::ControlModifier;
  return TKindFenster::eventFilter(objekt, ereignis);
}

bool TVLeWahlForm::PopupAktiv() const {
  return Aktiv() && Schule().AktivesFenster() == this;
}

TWahlFensterMass TVLeWahlForm::Mass() const {
  return LehrerWahlMass(static_cast<int>(vorschlaege_.size()), Schule().Standard().pst,
                        LehrerGrid->StandardHoehe(), vertretung_ ? vertretung_->Stunde() : 0);
}

TVLeWahlForm::~TVLeWahlForm() = default;

bool TVLeWahlForm::Aktiv() const {
  return vertretung_ != nullptr && IstAngemeldet();
}

QPoint TVLeWahlForm::UnterKnopf(const QWidget* w) const {
  return w->mapToGlobal(QPoint(0, w->height()));
}

void TVLeWahlForm::Binde(TVertretung* v) {
  stattZeit_->stop();  // its pop-up was for the record left
  // One window per record: another's window lets go of it.
  BindeWahlFenster(*this, vertretung_, v);
}

void TVLeWahlForm::SetzeVertretung(TVertretung* v) {
  Binde(v);
  if (!v) return;
  StdFeld->setText(Q(VertrZeitText(*v, false)) + QStringLiteral("  ") + Q(VertrKursText(*v, false)));
  const TStandard& st = Schule().Standard();
  zeigt_ = true;
  Tagesplan->SetzePlan(st.vpl);
  FreieBox->setChecked(st.vfc);
  RandBox->setChecked(st.vrc);
  AuswahlKnopf->setText(QString::fromUtf8(kAuswahl[std::clamp(st.vla, 0, 2)]));
  KontoKnopf->setText(QString::fromUtf8(kKonto[std::clamp(st.vva, 0, 1)]));
  zeigt_ = false;
  ZeigeVertretung();
  FuelleLehrerListe();
}

void TVLeWahlForm::ZeigeVertretung() {
  TVertretung* v = vertretung_;
  if (!v) return;
  zeigt_ = true;
  LehrerLabel->setText(v->Vertreter() ? Q(v->Vertreter()->Kuerzel())
                                      : (v->Frei() ? QStringLiteral("-----") : QStringLiteral("?????")));
  RaumLabel->setText(v->Ersatzraum() ? Q(v->Ersatzraum()->Kuerzel()) : QString());
  AnrechnenBox->setChecked(v->Anrechnen());
  if (InfoFeldL->text() != Q(v->LehrerBem())) InfoFeldL->setText(Q(v->LehrerBem()));
  if (InfoFeldS->text() != Q(v->SchuelerBem())) InfoFeldS->setText(Q(v->SchuelerBem()));
  const TVertretung* statt = v->Statt();
  StattLabel->setText(statt ? Q(VertrZeitText(*statt, false)) + QStringLiteral("  ") +
                                  Q(VertrKursText(*statt, false))
                            : QString());
  StattKnopf->setEnabled(statt != nullptr);
  StattMenueKnopf->setVisible(v->Vertreter() && !statt);
  const TVertretung* verlegt = v->VerlegtAuf();
  VerlegtLabel->setText(verlegt ? Q(VertrZeitText(*verlegt, false)) + QStringLiteral("  ") +
                                      Q(VertrKursText(*verlegt, false))
                                : QString());
  VerlegtKnopf->setEnabled(verlegt != nullptr);
  zeigt_ = false;
  ZeigeTagesplan();
}

void TVLeWahlForm::ZeigeTagesplan() {
  Tagesplan->Zeige(vertretung_, Mass().PlanZeilen);
}

void TVLeWahlForm::FuelleLehrerListe() {
  if (!vertretung_) return;
  const TStandard& st = Schule().Standard();
  const TLehrerFilter filter{FreieBox->isChecked(), RandBox->isChecked(), std::clamp(st.vla, 0, 2)};
  vorschlaege_ = TVertrVorschlag::Lehrer(*vertretung_, filter, st.vva);
  const int oben = LehrerGrid->ObersteZeile();
  LehrerGrid->SetzeZeilen(std::max<int>(static_cast<int>(vorschlaege_.size()), 1));
  LehrerGrid->Leeren();
  for (std::size_t i = 0; i < vorschlaege_.size(); ++i) {
    const int z = static_cast<int>(i);
    LehrerGrid->SetzeText(0, z, Q(vorschlaege_[i].Lehrer->Kuerzel()));
    LehrerGrid->SetzeObjekt(0, z, vorschlaege_[i].Lehrer);
    LehrerGrid->SetzeText(2, z, Q(vorschlaege_[i].Konto));
  }
  LehrerGrid->SetzeObersteZeile(std::min(oben, std::max(LehrerGrid->Zeilen() - 1, 0)));
  LehrerGrid->viewport()->update();
  const TWahlFensterMass mass = Mass();
  Tagesplan->Zeige(vertretung_, mass.PlanZeilen);
  SetzeWahlFensterHoehe(*this, *LehrerGrid, mass.Zeilen * (LehrerGrid->StandardHoehe() + 1),
                        Tagesplan->PlanGrid, mass.PlanZeilen * (Tagesplan->PlanGrid->StandardHoehe() + 1));
}

int TVLeWahlForm::ZeileVon(const TLehrer* l) const {
  for (std::size_t i = 0; i < vorschlaege_.size(); ++i)
    if (vorschlaege_[i].Lehrer == l) return static_cast<int>(i) + 1;
  return 0;
}

void TVLeWahlForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) const {
  const TLehrerVorschlag* v = zeile >= 0 && zeile < static_cast<int>(vorschlaege_.size())
                                  ? &vorschlaege_[static_cast<std::size_t>(zeile)]
                                  : nullptr;
  // The one empty row of an empty list holds nothing to select.
  if (!v) z.ausgewaehlt = false;
  const QPalette& pal = palette();
  p.fillRect(r, z.ausgewaehlt && spalte != 1 ? pal.highlight() : pal.base());
  if (!v) return;
  if (spalte == 1) {
    ZeichneTagesBalken(p, r, v->Balken);
    return;
  }
  QFont schrift = LehrerGrid->font();
  schrift.setUnderline(spalte == 0 && v->Statt);
  p.setFont(schrift);
  p.setPen(z.ausgewaehlt ? pal.highlightedText().color() : pal.text().color());
  p.drawText(r.adjusted(1, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, LehrerGrid->Text(spalte, zeile));
}

void TVLeWahlForm::Aktualisiere() {
  if (!vertretung_) return;
  ZeigeVertretung();
  FuelleLehrerListe();
}

void TVLeWahlForm::LehrerGridDblClick(int zeile) {
  if (!Aktiv() || zeile < 1 || zeile > static_cast<int>(vorschlaege_.size())) return;
  TLehrer* l = vorschlaege_[static_cast<std::size_t>(zeile - 1)].Lehrer;
  if (l == vertretung_->Vertreter()) return;
  TSchule::TAktion aktion(Schule());
  vertretung_->SetzeVertreter(l);
}

void TVLeWahlForm::LehrerGridKlick(int spalte, int zeile, QPoint global) {
  if (!PopupAktiv() || spalte != 0 || zeile < 1 || zeile > static_cast<int>(vorschlaege_.size())) return;
  const TLehrerVorschlag& z = vorschlaege_[static_cast<std::size_t>(zeile - 1)];
  if (!z.Statt) return;
  TMenueDaten menue;
  vertretung_->BildeStattListe(z.Lehrer, menue);
  ZeigeKernMenue(menue.Eintraege(), global, 0);
}

void TVLeWahlForm::LehrerKnopfClick() {
  if (!PopupAktiv() || !palette_) return;
  if (!palette_->WaehleElement(TElementArt::Lehrer, false, UnterKnopf(LehrerKnopf))) return;
  auto* l = static_cast<TLehrer*>(palette_->Wahl(TElementArt::Lehrer));
  if (WahlZuruecksetzen) WahlZuruecksetzen(TElementArt::Lehrer);
  if (!Aktiv() || !l || l == vertretung_->Vertreter()) return;
  TSchule::TAktion aktion(Schule());
  vertretung_->SetzeVertreter(l);
}

void TVLeWahlForm::FreiKnopfClick() {
  if (!Aktiv()) return;
  TSchule::TAktion aktion(Schule());
  vertretung_->MacheFrei();
}

void TVLeWahlForm::LoeschKnopfClick() {
  if (!Aktiv()) return;
  TSchule::TAktion aktion(Schule());
  vertretung_->LoescheVertreter();
}

void TVLeWahlForm::AnrechnenClick(bool an) {
  if (!Aktiv() || zeigt_) return;
  TSchule::TAktion aktion(Schule());
  vertretung_->AendereAnrechnen(an);
}

void TVLeWahlForm::WieAmKnopfClick() {
  if (!PopupAktiv()) return;
  TMenueDaten menue;
  vertretung_->BaueWieAmMenu(menue);
  ZeigeKernMenue(menue.Eintraege(), UnterKnopf(WieAmKnopf), 0);
}

void TVLeWahlForm::RaumKnopfClick() {
  if (!PopupAktiv()) return;
  TMenueDaten menue;
  vertretung_->BaueRaumMenu(menue);
  ZeigeKernMenue(menue.Eintraege(), UnterKnopf(RaumKnopf), Spaltenhoehe(menue.Eintraege().size()));
}

void TVLeWahlForm::StattMenueKnopfClick() {
  if (!PopupAktiv()) return;
  TMenueDaten menue;
  TVertrVorschlag::BaueStattMenue(*vertretung_, menue);
  ZeigeKernMenue(menue.Eintraege(), UnterKnopf(StattMenueKnopf), 0);
}

void TVLeWahlForm::BemKnopfClick(bool lehrer, bool strg) {
  if (!PopupAktiv()) return;
  const TStandard& st = Schule().Standard();
  std::vector<TMenueEintrag> eintraege;
  for (const std::string& text : st.StandardBemerkung) {
    TMenueEintrag e;
    e.Text = text;
    e.Aktiv = !text.empty();
    e.Aktion = [this, lehrer, strg, text] {
      if (!vertretung_) return;
      QLineEdit* feld = lehrer ? InfoFeldL : InfoFeldS;
      const std::string neu =
          NimmStandardBemerkung(*vertretung_, lehrer, feld->text().toStdString(), text, strg);
      feld->setText(Q(neu));
    };
    eintraege.push_back(std::move(e));
  }
  ZeigeKernMenue(eintraege, UnterKnopf(lehrer ? LBemKnopf : SBemKnopf), 0);
}

void TVLeWahlForm::FilterClick() {
  TStandard& st = Schule().Standard();
  st.vfc = FreieBox->isChecked();
  st.vrc = RandBox->isChecked();
  FuelleLehrerListe();
}

void TVLeWahlForm::AuswahlKnopfClick() {
  if (!PopupAktiv()) return;
  std::vector<TMenueEintrag> eintraege;
  for (int i = 0; i < 3; ++i)
    eintraege.push_back({kAuswahl[i], Schule().Standard().vla == i, true, false, [this, i] {
                           Schule().Standard().vla = i;
                           AuswahlKnopf->setText(QString::fromUtf8(kAuswahl[i]));
                           FuelleLehrerListe();
                         }});
  ZeigeKernMenue(eintraege, UnterKnopf(AuswahlKnopf), 0);
}

void TVLeWahlForm::KontoKnopfClick() {
  if (!PopupAktiv()) return;
  std::vector<TMenueEintrag> eintraege;
  for (int i = 0; i < 2; ++i)
    eintraege.push_back({kKonto[i], Schule().Standard().vva == i, true, false, [this, i] {
                           Schule().Standard().vva = i;
                           KontoKnopf->setText(QString::fromUtf8(kKonto[i]));
                           FuelleLehrerListe();
                         }});
  ZeigeKernMenue(eintraege, UnterKnopf(KontoKnopf), 0);
}

bool TVLeWahlForm::Blaettere(bool vorwaerts) {
  if (!vertretung_) return true;
  TVertretung* v = NaechsteWahlVertretung(Schule(), *vertretung_, vorwaerts, [](const TVertretung& r) {
    return r.Art() == VertrArt::Lehrer && r.Noetig();
  });
  if (v == nullptr) return true;
  SetzeVertretung(v);
  if (auto* liste = dynamic_cast<TVertrForm*>(Schule().EinzelFenster(FensterArt::Vertr)))
    liste->WaehleVertretung(v);
  return true;
}

void TVLeWahlForm::FormClose(TCloseAction& aktion) {
  Binde(nullptr);
  TStandard& st = Schule().Standard();
  st.vll = x();
  st.vlt = y();
  TKindFenster::FormClose(aktion);
}

}  // namespace kolvar
