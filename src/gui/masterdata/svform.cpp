#include "masterdata/svform.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "ansicht/svzeile.h"
#include "model/element.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "platform/gitterzeilen.h"
#include "platform/ipalette.h"
#include "platform/qtext.h"

namespace kolvar {

namespace {

// The choice above the grid; the window's inside is that and the grid. Caption and outer frame
// are the window manager's, so they are not counted in the height beyond the grid.
constexpr int kKopfHoehe = 40;
constexpr int kRandHoehe = kKopfHoehe + 2;
constexpr int kGrenzeHoehe = 200;
constexpr int kSymbol = 7;

}  // namespace

TSVForm::TSVForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::SV, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(QStringLiteral("Stundenverteilung"));
  KueGroup = new QGroupBox(this);
  auto* reihe = new QHBoxLayout(KueGroup);
  reihe->setContentsMargins(6, 2, 6, 2);
  knoepfe_ = new QButtonGroup(this);
  const char* texte[] = {"Lehrer", "Klassen", "Räume"};
  for (int i = 0; i < 3; ++i) {
    auto* knopf = new QRadioButton(QString::fromUtf8(texte[i]), KueGroup);
    knoepfe_->addButton(knopf, i);
    reihe->addWidget(knopf);
  }
  knoepfe_->button(0)->setChecked(true);
  connect(knoepfe_, &QButtonGroup::idClicked, this, [this](int) { SVFuellen(); });
  SVGrid = new TGitter(this);
  SVGrid->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goZeilenauswahl |
                        TGitter::goSpaltenVerschieben);
  zeilen_ = std::make_unique<TGitterZeilen>(*SVGrid);
  SVGrid->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) {
    ZeichneZelle(p, spalte, zeile, r, z.fest, z.ausgewaehlt);
  });
  connect(SVGrid, &TGitter::Doppelklick, this,
          [this](int s, int z, Qt::KeyboardModifiers) { SVGridDblClick(s, z); });
  setMinimumHeight(100);
}

TSVForm::~TSVForm() = default;

int TSVForm::Liste() const {
  return std::max(0, knoepfe_->checkedId());
}

void TSVForm::SetzeListe(int liste) {
  if (QAbstractButton* k = knoepfe_->button(liste)) k->setChecked(true);
  SVFuellen();
}

std::vector<TPlanElement*> TSVForm::Elemente() const {
  static constexpr TElementArt arten[] = {TElementArt::Lehrer, TElementArt::Klasse, TElementArt::Raum};
  std::vector<TPlanElement*> liste;
  for (TElement* e : Schule().Elemente(arten[Liste()])) liste.push_back(static_cast<TPlanElement*>(e));
  return liste;
}

void TSVForm::Vorbereiten() {
  const TStandard& st = Schule().Standard();
  QFont schrift(Q(st.DeputatFenster.Schrift.Name));
  schrift.setPointSize(std::max(1, st.DeputatFenster.Schrift.Groesse));
  setFont(schrift);
  SVGrid->setFont(schrift);
  tage_ = std::clamp(st.mtn, 0, kTage);
  const int p = std::clamp(st.pst, 1, kStunden);
  SVGrid->Leeren();
  SVGrid->SetzeSpalten(tage_ + 2);
  SVGrid->SetzeFesteZeilen(1);
  SVGrid->SetzeFesteSpalten(0);
  SVGrid->SetzeStandardHoehe(st.ListenZeilenHoehe);
  const QFontMetrics mass(schrift);
  int kuerzel = mass.horizontalAdvance(QStringLiteral("Kürzel")) + 8;
  for (TElementArt art : {TElementArt::Lehrer, TElementArt::Klasse, TElementArt::Raum})
    for (TElement* e : Schule().Elemente(art))
      kuerzel = std::max(kuerzel, mass.horizontalAdvance(Q(e->Kuerzel())) + 8);
  // Widths go to the columns where the user has moved them.
  const auto breite = [this](int spalte, int b) {
    SVGrid->SetzeSpaltenBreite(SVGrid->SpaltenPosition(spalte), b);
  };
  breite(0, kuerzel);
  for (int d = 1; d <= tage_; ++d) breite(d, p * kSymbol + 3);
  breite(tage_ + 1, mass.horizontalAdvance(QStringLiteral("Sprstd.")) + 8);
  int summe = 0;
  for (int c = 0; c < SVGrid->Spalten(); ++c) summe += SVGrid->SpaltenBreite(c);
  resize(summe + 30 + 40, height());
  knoepfe_->button(0)->setChecked(true);
  SVFuellen();
}

void TSVForm::SVFuellen() {
  const TStandard& st = Schule().Standard();
  std::vector<std::string> koepfe{"Kürzel"};
  for (int d = 1; d <= tage_; ++d) koepfe.push_back(st.spg[static_cast<std::size_t>(d - 1)]);
  koepfe.push_back("Sprstd.");
  const std::vector<TPlanElement*> liste = Elemente();
  const int n = static_cast<int>(liste.size());
  zeilen_->NeueZeilen(n);
  zeilen_->SetzeKoepfe(koepfe);
  for (int r = 1; r <= n; ++r) {
    TPlanElement* e = liste[static_cast<std::size_t>(r - 1)];
    const TSVZeile z = SVZeile(*e, st);
    std::vector<std::string> texte(static_cast<std::size_t>(tage_) + 2);
    texte[0] = z.Kuerzel;
    for (int d = 1; d <= tage_ && d <= static_cast<int>(z.Muster.size()); ++d)
      texte[static_cast<std::size_t>(d)] = z.Muster[static_cast<std::size_t>(d - 1)];
    texte[static_cast<std::size_t>(tage_) + 1] = std::to_string(z.Springstunden);
    zeilen_->SetzeZeile(r, texte, e);
  }
  const int schritt = SVGrid->StandardHoehe() + 1;
  int h = SVGrid->Zeilen() * schritt + 5;
  while (h > kGrenzeHoehe) h -= schritt;
  resize(width(), h + kRandHoehe);
  SVGrid->SetzeAuswahl(TGitterAuswahl{});
  SVGrid->viewport()->update();
}

TPlanElement* TSVForm::ElementIn(int zeile) const {
  if (zeile < 1 || zeile >= SVGrid->Zeilen()) return nullptr;
  auto* e = zeilen_->ElementAls<TPlanElement>(zeile);
  // Only an element the school still has.
  const std::vector<TPlanElement*> liste = Elemente();
  return std::find(liste.begin(), liste.end(), e) != liste.end() ? e : nullptr;
}

void TSVForm::Aenderungen(const TAenderungen& a) {
  const uint8_t was = a.FuerFenster(*this);
  if (was & Aenderung::Daten) {
    Vorbereiten();
    return;
  }
  // Placements moved in a plan: the patterns follow, the choice stays.
  for (const TElement* e : a.ElementeMit(Aenderung::Zeichnen | Aenderung::Daten))
    if (e->Art() == TElementArt::Lehrer || e->Art() == TElementArt::Klasse || e->Art() == TElementArt::Raum) {
      SVFuellen();
      return;
    }
}

void TSVForm::resizeEvent(QResizeEvent* ereignis) {
  KueGroup->setGeometry(4, 2, width() - 8, kKopfHoehe - 6);
  SVGrid->setGeometry(0, kKopfHoehe, width(), std::max(0, height() - kRandHoehe));
  TKindFenster::resizeEvent(ereignis);
}

void TSVForm::SVGridDblClick(int /*spalte*/, int zeile) {
  TPlanElement* e = ElementIn(zeile);
  if (e == nullptr || palette_ == nullptr) return;
  palette_->OeffneElementFenster(e, 2, palette_->Tasten());
}

void TSVForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool fest,
                           bool ausgewaehlt) const {
  const QPalette& pal = SVGrid->palette();
  if (fest) {
    SVGrid->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
    return;
  }
  const QColor grund = ausgewaehlt ? pal.color(QPalette::Highlight) : QColor(Qt::white);
  p.fillRect(r, grund);
  // What a column shows is decided by the column it was filled as, wherever it stands now.
  const int tag = SVGrid->SpaltenUrsprung(spalte);
  if (tag < 1 || tag > tage_) {
    p.setPen(ausgewaehlt ? pal.color(QPalette::HighlightedText) : QColor(Qt::black));
    p.drawText(r.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, SVGrid->Text(spalte, zeile));
    return;
  }
  const QString muster = SVGrid->Text(spalte, zeile);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 1; i <= muster.size(); ++i) {
    const int links = r.left() + kSymbol * i - 6;
    const QRect form(links, r.top() + 5, kSymbol - 1, 8);
    const QRect balken(links, r.top() + 8, kSymbol - 1, 3);
    switch (muster[i - 1].toLatin1()) {
      case 'E':
        p.setPen(Qt::black);
        p.setBrush(grund);
        p.drawEllipse(form);
        break;
      case 'K':
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        p.drawEllipse(form);
        break;
      case 'G':
        p.setPen(Qt::black);
        p.setBrush(grund);
        p.drawRect(form.adjusted(0, 0, -1, -1));
        break;
      case 'L':
        p.fillRect(form, Qt::black);
        break;
      case 'S':
        p.fillRect(form, QColor(128, 128, 0));
        break;
      case 'F':
        p.fillRect(balken, Qt::black);
        break;
      case 'U':
        p.fillRect(balken, Qt::red);
        break;
      default:
        break;
    }
  }
  p.restore();
}

}  // namespace kolvar
