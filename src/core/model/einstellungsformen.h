#pragma once
// Text forms of the structured settings values. The readers answer false (and leave the
// target unchanged) for a text that is not exactly of the form.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/datum.h"
#include "model/wochbereich.h"

namespace kolvar {

constexpr int kHexGruppen = kKalenderWochen / 8;  // 111 groups of 8 bytes

// A decimal integer with optional sign and surrounding blanks; nothing for anything else,
// including values beyond the int range.
std::optional<int> LiesGanzzahl(const std::string& text);

// A week record as 28 hex digits, 4 per day word, Monday first.
std::string WoElemZuHex(const TWoElem& woche);
bool HexZuWoElem(std::string_view text, TWoElem& woche);

// Bytes 8 (gruppe - 1) .. 8 gruppe - 1 of a week table as 16 hex digits (gruppe 1..111).
std::string BytesZuHex(const TWochenTabelle& tabelle, int gruppe);
bool HexZuBytes(std::string_view text, TWochenTabelle& tabelle, int gruppe);

// Bytes as two hex digits each, and back (exactly 2 n digits for n bytes).
std::string ZuHex(const std::vector<uint8_t>& bytes);
bool VonHex(std::string_view text, std::vector<uint8_t>& bytes, std::size_t anzahl);

// Texts each preceded by "$", with a closing "$": "$Mo$Di$...$So$".
std::string DollarListe(const std::string* texte, std::size_t anzahl);
// The texts between the "$": the text before the first "$" and after the last one is dropped.
std::vector<std::string> TeileDollarListe(std::string_view text);

// Seven numbers each followed by "$": one row of a slot table.
std::string TabellenZeile(const int* zellen);
bool LiesTabellenZeile(std::string_view text, int* zellen);

// The 16 custom colours as 6 hex digits each (the colour value 0x00BBGGRR).
std::string FarbenZuHex(const std::array<uint32_t, 16>& farben);
bool HexZuFarben(std::string_view text, std::array<uint32_t, 16>& farben);

}  // namespace kolvar
