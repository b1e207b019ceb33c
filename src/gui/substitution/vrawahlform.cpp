#include "substitution/vrawahlform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/textfeldbefehle.h"
#include "engine/ablage.h"
#include "model/raum.h"
#include "model/schule.h"
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

TVRaWahlForm::TVRaWahlForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::VRaWahl, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(QStringLiteral("Ersatzraumwahl"));
  auto* haupt = new QVBoxLayout(this);
  haupt->setContentsMargins(4, 4, 4, 4);
  StdFeld = new QLabel(this);
  StdFeld->setObjectName(QStringLiteral("StdFeld"));
  QFont fett = StdFeld->font();
  fett.setBold(true);
  StdFeld->setFont(fett);
  haupt->addWidget(StdFeld);
  auto* oben = new QHBoxLayout;
  ErsatzraumKnopf = new QPushButton(QStringLiteral("Ersatzraum"), this);
  RaumLabel = new QLabel(this);
  LoeschKnopf = new QPushButton(QStringLiteral("Löschen"), this);
  oben->addWidget(ErsatzraumKnopf);
  oben->addWidget(RaumLabel, 1);
  oben->addWidget(LoeschKnopf);
  haupt->addLayout(oben);
  auto* mitte = new QHBoxLayout;
  Tagesplan = new TTagesplan(this);
  mitte->addWidget(Tagesplan);
  auto* raumBox = new QGroupBox(QStringLiteral("freie Räume"), this);
  auto* raumSpalte = new QVBoxLayout(raumBox);
  RaumGrid = new TGitter(raumBox);
  RaumGrid->setObjectName(QStringLiteral("RaumGrid"));
  RaumGrid->SetzeOptionen(TGitter::goLinien | TGitter::goZeilenauswahl);
  RaumGrid->SetzeSpalten(2);
  RaumGrid->SetzeFesteZeilen(0);
  RaumGrid->SetzeFesteSpalten(0);
  RaumGrid->SetzeSpaltenBreite(0, 50);
  RaumGrid->SetzeSpaltenBreite(1, 7 * kStunden + 4);
  RaumGrid->SetzeZeichner([this](QPainter& p, int s, int z, const QRect& r, TZellZustand zustand) {
    ZeichneZelle(p, s, z, r, zustand);
  });
  RaumGrid->setMinimumWidth(RaumGrid->SpaltenBreite(0) + RaumGrid->SpaltenBreite(1) + 24);
  raumSpalte->addWidget(RaumGrid);
  mitte->addWidget(raumBox, 1);
  haupt->addLayout(mitte, 1);
  auto* bem = new QGridLayout;
  LBemFeld = new QLineEdit(this);
  SBemFeld = new QLineEdit(this);
  for (QLineEdit* feld : {LBemFeld, SBemFeld}) {
    feld->setMaxLength(kBemerkungLaenge);
    feld->setValidator(new TDateiTextValidator(false, feld));
    EinsetzenWieImMenue(*feld, *this, &AblageIstBemerkung);
  }
  bem->addWidget(new QLabel(QStringLiteral("L-Bem"), this), 0, 0);
  bem->addWidget(LBemFeld, 0, 1);
  bem->addWidget(new QLabel(QStringLiteral("S-Bem"), this), 1, 0);
  bem->addWidget(SBemFeld, 1, 1);
  haupt->addLayout(bem);

  connect(RaumGrid, &TGitter::Doppelklick, this,
          [this](int, int z, Qt::KeyboardModifiers) { RaumGridDblClick(z + 1); });
  connect(ErsatzraumKnopf, &QPushButton::clicked, this, [this] { ErsatzraumKnopfClick(); });
  connect(LoeschKnopf, &QPushButton::clicked, this, [this] { LoeschKnopfClick(); });
  connect(LBemFeld, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!vertretung_) return;
    TippeBemerkung(*vertretung_, true, t.toStdString());
  });
  connect(SBemFeld, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!vertretung_) return;
    TippeBemerkung(*vertretung_, false, t.toStdString());
  });
  connect(Tagesplan, &TTagesplan::PlanGewechselt, this, [this](int plan) {
    Schule().Standard().vpl = plan;
    Tagesplan->Zeige(vertretung_, Mass().PlanZeilen);
  });
  RaumGrid->setMinimumHeight(3 * (RaumGrid->StandardHoehe() + 1));
  Tagesplan->PlanGrid->setMinimumHeight(3 * (Tagesplan->PlanGrid->StandardHoehe() + 1));
  const TStandard& st = schule.Standard();
  move(st.vrl, st.vrt);
  resize(460, RaumWahlMass(0, st.pst, RaumGrid->StandardHoehe(), 0).Hoehe);
}

TWahlFensterMass TVRaWahlForm::Mass() const {
  return RaumWahlMass(static_cast<int>(vorschlaege_.size()), Schule().Standard().pst,
                      RaumGrid->StandardHoehe(), vertretung_ ? vertretung_->Stunde() : 0);
}

TVRaWahlForm::~TVRaWahlForm() = default;

void TVRaWahlForm::Binde(TVertretung* v) {
  // One window per record: another's window lets go of it.
  BindeWahlFenster(*this, vertretung_, v);
}

void TVRaWahlForm::SetzeVertretung(TVertretung* v) {
  Binde(v);
  if (!v) return;
  StdFeld->setText(Q(VertrZeitText(*v, false)) + QStringLiteral("  ") + Q(VertrKursText(*v, false)));
  Tagesplan->SetzePlan(Schule().Standard().vpl);
  ZeigeVertretung();
  FuelleRaumListe();
}

void TVRaWahlForm::ZeigeVertretung() {
  if (!vertretung_) return;
  RaumLabel->setText(vertretung_->Ersatzraum() ? Q(vertretung_->Ersatzraum()->Kuerzel())
                                               : QStringLiteral("?????"));
  if (LBemFeld->text() != Q(vertretung_->LehrerBem())) LBemFeld->setText(Q(vertretung_->LehrerBem()));
  if (SBemFeld->text() != Q(vertretung_->SchuelerBem())) SBemFeld->setText(Q(vertretung_->SchuelerBem()));
  Tagesplan->Zeige(vertretung_, Mass().PlanZeilen);
}

void TVRaWahlForm::FuelleRaumListe() {
  if (!vertretung_) return;
  vorschlaege_ = TVertrVorschlag::Raeume(*vertretung_);
  RaumGrid->SetzeZeilen(std::max<int>(static_cast<int>(vorschlaege_.size()), 1));
  RaumGrid->Leeren();
  for (std::size_t i = 0; i < vorschlaege_.size(); ++i) {
    RaumGrid->SetzeText(0, static_cast<int>(i), Q(vorschlaege_[i].Raum->Kuerzel()));
    RaumGrid->SetzeObjekt(0, static_cast<int>(i), vorschlaege_[i].Raum);
  }
  RaumGrid->viewport()->update();
  const TWahlFensterMass mass = Mass();
  Tagesplan->Zeige(vertretung_, mass.PlanZeilen);
  SetzeWahlFensterHoehe(*this, *RaumGrid, mass.Zeilen * (RaumGrid->StandardHoehe() + 1));
}

int TVRaWahlForm::ZeileVon(const TRaum* r) const {
  for (std::size_t i = 0; i < vorschlaege_.size(); ++i)
    if (vorschlaege_[i].Raum == r) return static_cast<int>(i) + 1;
  return 0;
}

void TVRaWahlForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) const {
  const TRaumVorschlag* v = zeile >= 0 && zeile < static_cast<int>(vorschlaege_.size())
                                ? &vorschlaege_[static_cast<std::size_t>(zeile)]
                                : nullptr;
  // The one empty row of an empty list holds nothing to select.
  if (!v) z.ausgewaehlt = false;
  const QPalette& pal = palette();
  p.fillRect(r, z.ausgewaehlt && spalte == 0 ? pal.highlight() : pal.base());
  if (!v) return;
  if (spalte == 1) {
    ZeichneTagesBalken(p, r, v->Balken);
    return;
  }
  p.setPen(z.ausgewaehlt ? pal.highlightedText().color() : pal.text().color());
  p.drawText(r.adjusted(1, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, RaumGrid->Text(spalte, zeile));
}

void TVRaWahlForm::Aktualisiere() {
  if (!vertretung_) return;
  ZeigeVertretung();
  FuelleRaumListe();
}

void TVRaWahlForm::WaehleRaum(TRaum* r) {
  if (!vertretung_ || !IstAngemeldet() || !r || r == vertretung_->Ersatzraum()) return;
  TSchule::TAktion aktion(Schule());
  // Taking back the room's own absence may take the record away, and this window with it.
  vertretung_->SetzeErsatzraum(r);
}

void TVRaWahlForm::RaumGridDblClick(int zeile) {
  if (zeile < 1 || zeile > static_cast<int>(vorschlaege_.size())) return;
  WaehleRaum(vorschlaege_[static_cast<std::size_t>(zeile - 1)].Raum);
}

void TVRaWahlForm::ErsatzraumKnopfClick() {
  if (!vertretung_ || !palette_) return;
  if (!palette_->WaehleElement(TElementArt::Raum, false,
                               ErsatzraumKnopf->mapToGlobal(QPoint(0, ErsatzraumKnopf->height()))))
    return;
  auto* r = static_cast<TRaum*>(palette_->Wahl(TElementArt::Raum));
  if (WahlZuruecksetzen) WahlZuruecksetzen(TElementArt::Raum);
  WaehleRaum(r);
}

void TVRaWahlForm::LoeschKnopfClick() {
  if (!vertretung_) return;
  TSchule::TAktion aktion(Schule());
  vertretung_->LoescheErsatzraum();
}

bool TVRaWahlForm::Blaettere(bool vorwaerts) {
  if (!vertretung_) return true;
  TVertretung* v = NaechsteWahlVertretung(Schule(), *vertretung_, vorwaerts,
                                          [](const TVertretung& r) { return r.Art() == VertrArt::Raum; });
  if (v == nullptr) return true;
  SetzeVertretung(v);
  if (auto* liste = dynamic_cast<TVertrForm*>(Schule().EinzelFenster(FensterArt::Vertr)))
    liste->WaehleVertretung(v);
  return true;
}

void TVRaWahlForm::FormClose(TCloseAction& aktion) {
  Binde(nullptr);
  TStandard& st = Schule().Standard();
  st.vrl = x();
  st.vrt = y();
  TKindFenster::FormClose(aktion);
}

}  // namespace kolvar
