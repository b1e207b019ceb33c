#include "masterdata/statform.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ansicht/statistik.h"
#include "model/element.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "platform/gitterzeilen.h"
#include "platform/ipalette.h"
#include "platform/qtext.h"

namespace kolvar {

namespace {

constexpr int kRandBreite = 35;
constexpr int kRandHoehe = 53;
constexpr int kGrenzeHoehe = 201;

}  // namespace

TStatForm::TStatForm(int tag, const QString& caption, TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(tag, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(caption);
  StatGrid = new TGitter(this);
  StatGrid->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goZeilenauswahl |
                          TGitter::goBereichsauswahl | TGitter::goSpaltenbreite);
  StatGrid->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) {
    ZeichneZelle(p, spalte, zeile, r, z.fest, z.ausgewaehlt);
  });
  connect(StatGrid, &TGitter::Doppelklick, this,
          [this](int s, int z, Qt::KeyboardModifiers) { StatGridDblClick(s, z); });
  StatGrid->move(0, 0);
  zeilen_ = std::make_unique<TGitterZeilen>(*StatGrid);
}

TStatForm::~TStatForm() = default;

void TStatForm::resizeEvent(QResizeEvent* ereignis) {
  StatGrid->setGeometry(rect());
  TKindFenster::resizeEvent(ereignis);
}

std::vector<TElement*> TStatForm::Liste() const {
  TElementArt art{};
  const TFensterArtInfo* info = FensterArtInfo(Tag());
  if (info == nullptr || !info->Liste) return {};
  art = *info->Liste;
  return Schule().Elemente(art);
}

TElement* TStatForm::ElementIn(int zeile) const {
  const std::vector<TElement*> liste = Liste();
  if (zeile < 1 || zeile > static_cast<int>(liste.size()) || zeile >= StatGrid->Zeilen()) return nullptr;
  TElement* e = liste[static_cast<std::size_t>(zeile - 1)];
  // The row must still show it: a list that changed behind the window gives nothing.
  return zeilen_->Element(zeile) == e ? e : nullptr;
}

void TStatForm::StatistikFuellen() {
  const TStandard& st = Schule().Standard();
  QFont schrift(Q(st.DeputatFenster.Schrift.Name));
  schrift.setPointSize(std::max(1, st.DeputatFenster.Schrift.Groesse));
  setFont(schrift);
  StatGrid->setFont(schrift);
  const std::vector<std::string> koepfe = StatistikKoepfe(Tag());
  const std::vector<TElement*> liste = Liste();
  const int n = static_cast<int>(liste.size());
  zeilen_->Beginne(koepfe, n);
  StatGrid->SetzeStandardHoehe(st.ListenZeilenHoehe);
  for (int r = 1; r <= n; ++r) ZeileFuellen(r, *liste[static_cast<std::size_t>(r - 1)]);
  const int breite = zeilen_->BreitenNachText(QFontMetrics(schrift), 8, 24);
  const int zeilenHoehe = StatGrid->StandardHoehe();
  int r = n + 1;
  while (r > 1 && zeilenHoehe * r >= kGrenzeHoehe) --r;
  resize(breite + kRandBreite, zeilenHoehe * r + kRandHoehe);
  StatGrid->SetzeAuswahl(TGitterAuswahl{});
  StatGrid->viewport()->update();
}

void TStatForm::ZeileFuellen(int zeile, const TElement& e) {
  zeilen_->SetzeZeile(zeile, StatistikZeile(Tag(), e, Schule().Standard()), const_cast<TElement*>(&e));
}

void TStatForm::StatistikZeileFuellen(int zeile) {
  const std::vector<TElement*> liste = Liste();
  if (zeile < 1 || zeile > static_cast<int>(liste.size())) return;
  if (zeile >= StatGrid->Zeilen() || static_cast<int>(liste.size()) != StatGrid->Zeilen() - 1 ||
      zeilen_->Element(zeile) != liste[static_cast<std::size_t>(zeile - 1)]) {
    StatistikFuellen();
    return;
  }
  ZeileFuellen(zeile, *liste[static_cast<std::size_t>(zeile - 1)]);
  StatGrid->viewport()->update();
}

void TStatForm::Aenderungen(const TAenderungen& a) {
  const uint8_t was = a.FuerFenster(*this);
  const std::vector<TElement*> liste = Liste();
  // Elements made or deleted while the window was open: rows and list no longer match.
  // (Without elements the grid keeps one empty row.)
  bool passt = liste.empty() ? zeilen_->Element(1) == nullptr
                             : static_cast<int>(liste.size()) == StatGrid->Zeilen() - 1;
  for (std::size_t i = 0; passt && i < liste.size(); ++i)
    passt = zeilen_->Element(static_cast<int>(i) + 1) == liste[i];
  if (!passt || (was & Aenderung::Daten)) {
    StatistikFuellen();
    return;
  }
  const TFensterArtInfo* info = FensterArtInfo(Tag());
  for (const TElement* e : a.ElementeMit(Aenderung::Statistik | Aenderung::Daten | Aenderung::Werte))
    if (info != nullptr && info->Liste && e->Art() == *info->Liste) StatistikZeileFuellen(e->Nummer());
}

QStringList TStatForm::KopierText() const {
  const TGitterAuswahl a = StatGrid->Auswahl();
  std::vector<std::vector<std::string>> zeilen;
  const std::vector<TElement*> liste = Liste();
  if (!a.Leer())
    for (int r = std::max(a.oben, 1); r <= a.unten; ++r) {
      // Only rows that still show their element.
      if (r > static_cast<int>(liste.size()) || zeilen_->Element(r) != liste[static_cast<std::size_t>(r - 1)])
        continue;
      // In the order the columns are shown.
      for (std::vector<std::string>& texte : zeilen_->Texte(r, r, true)) zeilen.push_back(std::move(texte));
    }
  QStringList text;
  for (const std::string& z : StatistikKopiertext(zeilen)) text << Q(z);
  return text;
}

void TStatForm::StatistikKopieren() {
  QString text;
  for (const QString& zeile : KopierText()) text += zeile + QStringLiteral("\r\n");
  // Also an empty text: the clipboard then holds nothing of before.
  if (palette_ != nullptr) palette_->TextInZwischenablage(text);
}

void TStatForm::WaehleAlles() {
  if (zeilen_->Element(1) == nullptr) return;
  StatGrid->SetzeAuswahl(TGitterAuswahl{0, 1, StatGrid->Spalten() - 1, StatGrid->Zeilen() - 1});
}

void TStatForm::StatGridDblClick(int /*spalte*/, int zeile) {
  TElement* e = ElementIn(zeile);
  if (e == nullptr || palette_ == nullptr) return;
  const int gruppe = (palette_->Tasten() & Taste::Shift) ? 1 : 0;
  palette_->OeffneElementFenster(e, gruppe, 0);
}

void TStatForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool fest,
                             bool ausgewaehlt) const {
  if (fest) {
    StatGrid->ZeichneStandard(p, spalte, zeile, r, TZellZustand{true, false, false});
    return;
  }
  const QPalette& pal = StatGrid->palette();
  p.fillRect(r, ausgewaehlt ? pal.color(QPalette::Highlight) : QColor(Qt::white));
  p.setPen(ausgewaehlt ? pal.color(QPalette::HighlightedText) : QColor(Qt::black));
  p.drawText(r.adjusted(2, 1, -2, 0), Qt::AlignLeft | Qt::AlignTop, StatGrid->Text(spalte, zeile));
}

TLeStatForm::TLeStatForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TStatForm(FensterArt::LeStat, QStringLiteral("Lehrerstatistik"), schule, palette, eltern) {}

TKlStatForm::TKlStatForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TStatForm(FensterArt::KlStat, QStringLiteral("Klassenstatistik"), schule, palette, eltern) {}

TFaStatForm::TFaStatForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TStatForm(FensterArt::FaStat, QStringLiteral("Fachstatistik"), schule, palette, eltern) {}

TKoStatForm::TKoStatForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TStatForm(FensterArt::KoStat, QStringLiteral("Kopplungsstatistik"), schule, palette, eltern) {}

TRaStatForm::TRaStatForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TStatForm(FensterArt::RaStat, QStringLiteral("Raumstatistik"), schule, palette, eltern) {}

TUVStatForm::TUVStatForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TStatForm(FensterArt::UVStat, QStringLiteral("UV-Statistik"), schule, palette, eltern) {
  StatGrid->SetzeOptionen(StatGrid->Optionen() | TGitter::goSpaltenVerschieben);
}

}  // namespace kolvar
