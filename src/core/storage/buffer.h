#pragma once
// TBuffer: the byte stream of the data file. Numbers are big-endian, texts fixed-size
// length-prefixed strings in the file's character set (mactext.h), dates and colours as in
// macdatum.h and macfarbe.h.
//
// Reading works over bytes held in memory; writing appends to them. Every read that would run
// past the end throws TDateiFehler("Stream-Read-Fehler") and consumes nothing, so a truncated
// file can never yield made-up values.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/dateifehler.h"

namespace kolvar {

class TBuffer {
 public:
  TBuffer() = default;
  explicit TBuffer(std::vector<uint8_t> daten) : daten_(std::move(daten)) {}

  // The whole file, positioned at its start.
  static TBuffer Oeffne(const std::filesystem::path& datei);
  // Replaces the file with the bytes atomically: a failed save leaves the old file as it was.
  void Speichere(const std::filesystem::path& datei) const;

  int LiesInteger();  // 16-bit, sign-extended
  // Stores the low 16 bits.
  void SchreibeInteger(int32_t wert);
  uint16_t LiesWort();
  void SchreibeWort(uint16_t wert);
  int32_t LiesLongint();
  void SchreibeLongint(int32_t wert);
  uint8_t LiesByte();
  void SchreibeByte(uint8_t wert);
  bool LiesBoolean();  // any non-zero byte is true
  void SchreibeBoolean(bool wert);
  // A substitution's kind: older files' 2 and 6 read as 0 and 4.
  uint8_t LiesArt();
  void SchreibeArt(uint8_t art);
  // Date-time in seconds since 30.12.1899 (see macdatum.h).
  int64_t LiesDatum();
  void SchreibeDatum(int64_t datumZeit);
  // Colour 0x00BBGGRR.
  uint32_t LiesFarbe();
  void SchreibeFarbe(uint32_t farbe);

  // Fixed-size strings; capacities count characters, a longer text is cut on writing. An
  // abbreviation read never begins with a blank: each leading blank becomes "¥".
  std::string LiesKuerzel();
  void SchreibeKuerzel(std::string_view text);
  std::string LiesName();
  void SchreibeName(std::string_view text);
  std::string LiesBemerkung();
  void SchreibeBemerkung(std::string_view text);
  std::string LiesTitel();
  void SchreibeTitel(std::string_view text);
  // A string field of 1 + kapazitaet bytes (kapazitaet 1..255). A length byte above the
  // capacity is taken as the capacity.
  std::string LiesText(int kapazitaet);
  void SchreibeText(std::string_view text, int kapazitaet);

  // One character (the course import reads its file this way).
  char32_t LiesZeichen();

  // Whole blocks, for fields read and written many at a time (the grids): the next n bytes as
  // they are (TDateiFehler when fewer are left, nothing consumed), and n zero bytes appended
  // for the caller to fill before anything else is written.
  const uint8_t* LiesBlock(std::size_t n) { return Nimm(n); }
  uint8_t* SchreibeBlock(std::size_t n) { return Haenge(n); }

  std::size_t Position() const { return position_; }
  std::size_t Groesse() const { return daten_.size(); }
  std::size_t Rest() const { return daten_.size() - position_; }
  bool AmEnde() const { return position_ >= daten_.size(); }

  const std::vector<uint8_t>& Daten() const { return daten_; }
  // Hands the bytes over and leaves the buffer empty.
  std::vector<uint8_t> NimmDaten();
  void Reserviere(std::size_t bytes) { daten_.reserve(bytes); }

 private:
  // The next n bytes, or TDateiFehler when fewer are left. Inline: every read goes through it.
  const uint8_t* Nimm(std::size_t n) {
    if (Rest() < n) [[unlikely]]
      ZuKurz();
    const uint8_t* p = daten_.data() + position_;
    position_ += n;
    return p;
  }
  [[noreturn]] void ZuKurz() const;
  uint8_t* Haenge(std::size_t n);

  std::vector<uint8_t> daten_;
  std::size_t position_ = 0;
};

}  // namespace kolvar
