#include "substitution/vstatform.h"

#include <QFontMetrics>
#include <QScreen>
#include <algorithm>

#include "app/meldungsform.h"
#include "model/aenderungen.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/druckauftraege.h"
#include "platform/gitter.h"
#include "platform/gitterzeilen.h"
#include "platform/ipalette.h"
#include "substitution/vertrkonten.h"

namespace kolvar {

namespace {
constexpr int kRand = 48;
}

TVStatForm::TVStatForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TKindFenster(FensterArt::VStat, schule, palette, nullptr, eltern), palette_(palette) {
  SetzeCaption(QStringLiteral("Vertretungsübersicht"));
  StatGrid = new TGitter(this);
  StatGrid->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goZeilenauswahl |
                          TGitter::goBereichsauswahl | TGitter::goSpaltenbreite |
                          TGitter::goSpaltenVerschieben);
  StatGrid->move(0, 0);
  zeilen_ = std::make_unique<TGitterZeilen>(*StatGrid);
}

TVStatForm::~TVStatForm() = default;

void TVStatForm::resizeEvent(QResizeEvent* ereignis) {
  StatGrid->setGeometry(rect());
  TKindFenster::resizeEvent(ereignis);
}

void TVStatForm::BildeVertrUebersicht(int32_t bis, int32_t von) {
  TSanduhr sanduhr;
  TMeldungsForm meldung(this);
  meldung.SetzeMeldung(QStringLiteral("Die Vertretungsübersicht wird angelegt."));
  meldung.ZeigeSofort();
  von_ = von;
  bis_ = std::max(bis, von);
  Fuelle();
  int breite = 0;
  for (int c = 0; c < StatGrid->Spalten(); ++c) breite += StatGrid->SpaltenBreite(c);
  breite += 2 * StatGrid->frameWidth() + StatGrid->Spalten() + 2;  // frame and grid lines
  // As wide and as tall as the rows need, within the screen right of and below the window.
  const QRect schirm = screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1280, 900);
  while (breite > 10 && x() + breite > schirm.right()) breite -= 10;
  const int h = StatGrid->StandardHoehe();
  int n = StatGrid->Zeilen() - 1;
  while (n > 1 && y() + n * h + h + kRand > schirm.bottom()) --n;
  resize(breite, n * h + h + kRand);
}

void TVStatForm::Fuelle() {
  const std::vector<TVertrUebZeile> zeilen = VertrUebersicht(Schule(), AlleLehrer(Schule()), von_, bis_);
  const TVertrUebTexte& koepfe = VertrUebKoepfe();
  zeilen_->Beginne({koepfe.begin(), koepfe.end()}, static_cast<int>(zeilen.size()), kVertrUebSpalten);
  StatGrid->SetzeStandardHoehe(Schule().Standard().ListenZeilenHoehe);
  for (std::size_t r = 0; r < zeilen.size(); ++r)
    zeilen_->SetzeZeile(static_cast<int>(r) + 1, {zeilen[r].texte.begin(), zeilen[r].texte.end()},
                        zeilen[r].vertretung);
  zeilen_->BreitenNachText(QFontMetrics(StatGrid->font()), 8, 24);
  StatGrid->SetzeAuswahl(TGitterAuswahl{});
  StatGrid->viewport()->update();
}

void TVStatForm::Aenderungen(const TAenderungen& a) {
  // Any record, absence or plan change may move a row; the rows are few. The user's window size
  // stays.
  if (!a.Leer()) Fuelle();
}

QStringList TVStatForm::KopierText() const {
  // Every selected row, also a dropped lesson's without a record, as the columns are shown.
  std::vector<TVertrUebTexte> zeilen;
  for (const std::vector<std::string>& gezeigt : zeilen_->AusgewaehlteTexte(false)) {
    TVertrUebTexte texte;
    for (std::size_t c = 0; c < texte.size() && c < gezeigt.size(); ++c) texte[c] = gezeigt[c];
    zeilen.push_back(std::move(texte));
  }
  QStringList text;
  for (const std::string& z : VertrUebKopiertext(zeilen)) text << QString::fromStdString(z);
  return text;
}

void TVStatForm::UebersichtKopieren() {
  QString text;
  for (const QString& zeile : KopierText()) text += zeile + QStringLiteral("\r\n");
  if (palette_ != nullptr) palette_->TextInZwischenablage(text);
}

void TVStatForm::WaehleAlles() {
  StatGrid->SetzeAuswahl(TGitterAuswahl{0, 1, StatGrid->Spalten() - 1, StatGrid->Zeilen() - 1});
}

void TVStatForm::Drucke() {
  if (palette_ != nullptr && palette_->Druckauftraege().VertretungsUebersicht)
    palette_->Druckauftraege().VertretungsUebersicht(von_, bis_);
}

}  // namespace kolvar
