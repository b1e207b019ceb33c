#pragma once
// Character set of the data file and the course import. The file stores one byte per character:
// nine German characters at their Macintosh positions, every other byte as Windows-1252 (the five
// bytes Windows-1252 leaves undefined stand for U+0081, U+008D, U+008F, U+0090 and U+009D, so they
// survive). Model text is UTF-8; these routines are the only way between the two.
//
// Not a bijection on purpose: the Windows bytes of the nine characters (C4 D6 DC E4 F6 FC DF A5)
// read as those characters and are written back at their Macintosh positions. The Windows
// characters whose bytes the nine occupy (€ … † Š š Ÿ ¤ ´) cannot be stored and become "?".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kolvar {

// The character a file byte stands for.
char32_t MacZuAnsi(uint8_t byte);

// The file byte of a character; '?' for a character the file cannot hold.
uint8_t AnsiZuMac(char32_t zeichen);

// Whether the file can hold the character (for input fields that must not lose text on saving).
bool MacDarstellbar(char32_t zeichen);
bool MacDarstellbar(std::string_view text);

// File bytes to UTF-8 text.
std::string MacZuText(const uint8_t* bytes, std::size_t anzahl);

// UTF-8 text to file bytes, one byte per character; at most maxZeichen characters are taken.
// A byte sequence that is not UTF-8 counts as one character per stray byte and becomes '?'.
// Returns the number of bytes written to ziel.
std::size_t TextZuMac(std::string_view text, uint8_t* ziel, std::size_t maxZeichen);

// Appends one character to a UTF-8 text.
void HaengeZeichenAn(std::string& text, char32_t zeichen);

}  // namespace kolvar
