#pragma once
// Model text is UTF-8. Capacities count characters, never bytes: these helpers are the only
// place that cuts or counts model text.

#include <string>
#include <string_view>

namespace kolvar {

constexpr int kKuerzelLaenge = 7;     // abbreviation
constexpr int kNamenLaenge = 21;      // name or info text
constexpr int kBemerkungLaenge = 61;  // remark
constexpr int kTitelLaenge = 255;     // title or path

// Number of characters (code points) of a UTF-8 text; a stray byte counts as one.
int TextLaenge(std::string_view text);

// The first n characters of a UTF-8 text; never splits a character.
std::string KuerzeText(std::string_view text, int n);

// Characters [von, von + anzahl) (0-based, counted in characters).
std::string TeilText(std::string_view text, int von, int anzahl);

// Removes leading and trailing blanks.
std::string OhneRaender(std::string_view text);

}  // namespace kolvar
