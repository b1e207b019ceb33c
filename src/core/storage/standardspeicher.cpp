// Loading and saving the settings object through a settings store: the binders that read and
// write each value of the walk (model/standardbindung.cpp) in its text form. The password
// scrambler lives here too, as it works on the school file's bytes.

#include <algorithm>

#include "model/einstellungsbinder.h"
#include "model/standard.h"
#include "model/text.h"
#include "storage/einstellungsspeicher.h"
#include "storage/mactext.h"

namespace kolvar {

namespace {

constexpr int kMinSchrift = 4, kMaxSchrift = 72;  // font sizes in points
constexpr int kSchriftNamenLaenge = 63;

class TLader : public TEinstellungsBinder {
 public:
  explicit TLader(const IEinstellungsSpeicher& s) : s_(s) {}

  void Zahl(const std::string& a, const std::string& n, int& wert, int min, int max) override {
    wert = std::clamp(s_.LiesInteger(a, n, wert), min, max);
  }
  void Schalter(const std::string& a, const std::string& n, bool& wert) override {
    wert = s_.LiesBool(a, n, wert);
  }
  void Farbe(const std::string& a, const std::string& n, uint32_t& wert) override {
    const int f = s_.LiesInteger(a, n, -1);
    if (f >= 0 && f <= 0xFFFFFF) wert = static_cast<uint32_t>(f);
  }
  void Text(const std::string& a, const std::string& n, std::string& wert, int maxZeichen) override {
    wert = s_.LiesString(a, n, wert);
    if (maxZeichen > 0) wert = KuerzeText(wert, maxZeichen);
  }
  void Schrift(const std::string& a, const std::string& fn, const std::string& fs, TSchrift& wert) override {
    const std::string name = OhneRaender(s_.LiesString(a, fn, wert.Name));
    if (!name.empty()) wert.Name = KuerzeText(name, kSchriftNamenLaenge);
    wert.Groesse = std::clamp(s_.LiesInteger(a, fs, wert.Groesse), kMinSchrift, kMaxSchrift);
  }
  void Datum(const std::string& a, const std::string& n, int32_t& tag) override {
    if (const auto text = s_.Lies(a, n))
      if (const auto t = LiesDatumText(*text)) tag = std::clamp(*t, kErsterTag, kLetzterTag);
  }
  void Uhrzeit(const std::string& a, const std::string& n, int32_t& sekunden) override {
    if (const auto text = s_.Lies(a, n))
      if (const auto t = LiesUhrzeitText(*text)) sekunden = *t;
  }
  void Form(const std::string& a, const std::string& n, std::string& text) override {
    text = s_.LiesString(a, n, text);
  }

 private:
  const IEinstellungsSpeicher& s_;
};

class TSchreiber : public TEinstellungsBinder {
 public:
  explicit TSchreiber(IEinstellungsSpeicher& s) : s_(s) {}

  void Zahl(const std::string& a, const std::string& n, int& wert, int, int) override {
    s_.SchreibeInteger(a, n, wert);
  }
  void Schalter(const std::string& a, const std::string& n, bool& wert) override {
    s_.SchreibeBool(a, n, wert);
  }
  void Farbe(const std::string& a, const std::string& n, uint32_t& wert) override {
    s_.SchreibeInteger(a, n, static_cast<int>(wert & 0xFFFFFFu));
  }
  void Text(const std::string& a, const std::string& n, std::string& wert, int) override {
    s_.SchreibeString(a, n, wert);
  }
  void Schrift(const std::string& a, const std::string& fn, const std::string& fs, TSchrift& wert) override {
    s_.SchreibeString(a, fn, wert.Name);
    s_.SchreibeInteger(a, fs, wert.Groesse);
  }
  void Datum(const std::string& a, const std::string& n, int32_t& tag) override {
    s_.SchreibeString(a, n, DatumText(tag));
  }
  void Uhrzeit(const std::string& a, const std::string& n, int32_t& sekunden) override {
    s_.SchreibeString(a, n, UhrzeitText(sekunden));
  }
  void Form(const std::string& a, const std::string& n, std::string& text) override {
    s_.SchreibeString(a, n, text);
  }

 private:
  IEinstellungsSpeicher& s_;
};

}  // namespace

void TStandard::LadeEinstellungen(const IEinstellungsSpeicher& speicher) {
  // Missing values give defaults, not what was there before.
  const int aktuell = AktuelleVersion();
  const int64_t start = StartZeit, sicherung = LetzteSicherungsZeit;
  *this = TStandard();
  StartZeit = start;
  LetzteSicherungsZeit = sicherung;
  TLader lader(speicher);
  Binde(lader);
  InitStandardTabellen();
  InitKalenderwochen();
  SetFreieTage(FreieTage);
  SetAktuelleVersion(aktuell);
}

bool TStandard::SpeichereEinstellungen(IEinstellungsSpeicher& speicher) const {
  TStandard kopie = *this;
  TSchreiber schreiber(speicher);
  kopie.Binde(schreiber);
  return speicher.Sichere();
}

std::string TStandard::Verschluessele(std::string_view text) {
  // The state is reset on every call, so equal texts give equal results.
  int32_t zustand = 736152049;
  // The codes are the bytes the school file gives the characters, not code points.
  std::vector<uint8_t> bytes(text.size());
  bytes.resize(TextZuMac(text, bytes.data(), text.size()));
  std::string ergebnis;
  for (const uint8_t c : bytes) {
    // Signed 32-bit product that wraps, then the remainder with the sign of the product.
    const auto produkt = static_cast<int32_t>(static_cast<uint32_t>(zustand) * 16807u);
    zustand = produkt % 2147483647;
    const int64_t summe = static_cast<int64_t>(zustand) + c;
    ergebnis += static_cast<char>((summe < 0 ? -summe : summe) % 88 + 40);
  }
  return ergebnis;
}

}  // namespace kolvar
