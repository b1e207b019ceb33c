#include "druck/prevprinter.h"

#include <algorithm>
#include <cmath>

#include "model/itextmass.h"

namespace kolvar {

TPrevPrinter::TPrevPrinter(const TDruckGeraet& geraet, const IDruckMesser& messer, IDruckMeldung* meldung)
    : geraet_(geraet), messer_(messer), meldung_(meldung) {}

TPrevPrinter::~TPrevPrinter() {
  EndRecord();
}

void TPrevPrinter::Melde(const std::string& text) {
  if (meldung_ != nullptr) meldung_->Meldung(text);
}

bool TPrevPrinter::Abgebrochen() const {
  return meldung_ != nullptr && meldung_->Abgebrochen();
}

void TPrevPrinter::BeginRecord() {
  seiten_.clear();
  aktuelleSeite_ = 0;
  Melde("Seite 0 wird aufgezeichnet.");
  abgeschlossen_ = false;
  NewPage();
}

void TPrevPrinter::NewPage() {
  if (abgeschlossen_) return;
  seiten_.emplace_back();
  aktuelleSeite_ = PageCount();
  Melde("Seite " + std::to_string(aktuelleSeite_) + " wird aufgezeichnet.");
  pinsel_ = TDruckPinsel{};
  schrift_ = TDruckSchrift{};
  stift_ = TDruckStift{};
  stiftPos_ = {};
}

void TPrevPrinter::EndRecord() {
  if (abgeschlossen_) return;
  abgeschlossen_ = true;
  if (meldung_ != nullptr) meldung_->Ende();
}

bool TPrevPrinter::Print(IDruckZiel& ziel) {
  EndRecord();
  if (seiten_.empty()) return true;
  if (!ziel.Beginne(Titel)) return false;
  Melde("Seite 0 wird gedruckt.");
  bool ok = true;
  for (int n = 1; n <= PageCount(); ++n) {
    Melde("Seite " + std::to_string(n) + " wird gedruckt.");
    if (n > 1) ziel.NeueSeite();
    ziel.Seite(seiten_[static_cast<std::size_t>(n - 1)], geraet_);
  }
  ok = ziel.Ende();
  if (meldung_ != nullptr) meldung_->Ende();
  return ok;
}

const TDruckSeite* TPrevPrinter::PageMetafile(int n) const {
  if (!abgeschlossen_) return nullptr;
  return Seite(n);
}

const TDruckSeite* TPrevPrinter::Seite(int n) const {
  if (n < 1 || n > PageCount()) return nullptr;
  return &seiten_[static_cast<std::size_t>(n - 1)];
}

void TPrevPrinter::Zeichne(TBefehlsArt art, const TDruckRechteck& ort, std::string_view text) {
  TDruckBefehl b;
  b.Art = art;
  b.Ort = ort;
  b.Text = std::string(text);
  b.Schrift = schrift_;
  b.Stift = stift_;
  b.Pinsel = pinsel_;
  seiten_[static_cast<std::size_t>(aktuelleSeite_ - 1)].Befehle.push_back(std::move(b));
}

namespace {
TDruckRechteck Verschoben(const TDruckRechteck& r, TDruckPunkt v) {
  return {r.links - v.x, r.oben - v.y, r.rechts - v.x, r.unten - v.y};
}
}  // namespace

void TPrevPrinter::TextOut(int x, int y, std::string_view text) {
  if (!Zeichnet() || text.empty()) return;
  const TDruckPunkt v = geraet_.Versatz;
  Zeichne(TBefehlsArt::Text, {x - v.x, y - v.y, x - v.x, y - v.y}, text);
}

void TPrevPrinter::MoveTo(int x, int y) {
  stiftPos_ = {x - geraet_.Versatz.x, y - geraet_.Versatz.y};
}

void TPrevPrinter::LineTo(int x, int y) {
  const TDruckPunkt ziel{x - geraet_.Versatz.x, y - geraet_.Versatz.y};
  if (Zeichnet()) Zeichne(TBefehlsArt::Linie, {stiftPos_.x, stiftPos_.y, ziel.x, ziel.y});
  stiftPos_ = ziel;
}

void TPrevPrinter::Rectangle(const TDruckRechteck& r) {
  if (Zeichnet()) Zeichne(TBefehlsArt::Rechteck, Verschoben(r, geraet_.Versatz));
}

void TPrevPrinter::Ellipse(const TDruckRechteck& r) {
  if (Zeichnet()) Zeichne(TBefehlsArt::Ellipse, Verschoben(r, geraet_.Versatz));
}

void TPrevPrinter::FillRect(const TDruckRechteck& r) {
  if (Zeichnet()) Zeichne(TBefehlsArt::Fuellen, Verschoben(r, geraet_.Versatz));
}

TDruckPunkt TPrevPrinter::PenPos() const {
  return {stiftPos_.x + geraet_.Versatz.x, stiftPos_.y + geraet_.Versatz.y};
}

const ITextMass& TPrevPrinter::Mass() {
  for (const auto& [schrift, mass] : masse_)
    if (schrift == schrift_) return *mass;
  masse_.emplace_back(schrift_, messer_.Mass(schrift_, geraet_.PixelProZollY));
  return *masse_.back().second;
}

int TPrevPrinter::TextWidth(std::string_view text) {
  if (!Zeichnet()) return -1;
  return Mass().TextBreite(text);
}

int TPrevPrinter::TextHeight() {
  if (!Zeichnet()) return -1;
  return Mass().TextHoehe("X");
}

TDruckRechteck TPrevPrinter::DruckBereich() const {
  const TDruckPunkt& v = geraet_.Versatz;
  // A device that reports no printable area prints on the whole sheet.
  if (geraet_.Seite.x <= 0 || geraet_.Seite.y <= 0) return {0, 0, geraet_.Blatt.x, geraet_.Blatt.y};
  return {v.x, v.y, std::min(v.x + geraet_.Seite.x, geraet_.Blatt.x),
          std::min(v.y + geraet_.Seite.y, geraet_.Blatt.y)};
}

int TPrevPrinter::InchToPixel(double zoll) const {
  // Half to even, as the printer's own arithmetic rounds.
  return static_cast<int>(std::nearbyint(geraet_.PixelProZollX * zoll));
}

}  // namespace kolvar
