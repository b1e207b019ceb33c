#pragma once
// The course import: lessons with their teachers, subjects, classes, couplings, rooms and placed
// hours from a tab-separated text file, in three passes (format, unknown abbreviations, import).
//
// The file: a carriage return ends a record and line feeds are ignored; a TAB ends a field
// (23 per record); the byte 0x1D separates the items of fields 13 to 17. Its text is read in
// the data file's character set, or as UTF-8 when it starts with a byte-order mark or is valid
// UTF-8 with characters beyond ASCII; such a file must hold only characters the school file can
// store. A last record without its carriage return is ignored.
//
// The import is all or nothing: every field, numbers included, is checked in the format pass,
// so the import pass cannot fail half way. Each pass walks the file one record at a time and
// holds no more than that record besides the file's text. The school's title and file path
// stay as they were.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

class IFortschritt;
class TSchule;

enum class TImportErgebnis {
  Importiert,      // the lessons are in the school
  FalschesFormat,  // "Falsches Format" was shown; nothing changed
  Abgebrochen,     // unknown abbreviations and the answer "Nein"; nothing changed
};

// Status texts of the passes.
inline constexpr const char* kImportFormatText = "Das Format der Importdatei wird untersucht.";
inline constexpr const char* kImportKuerzelText = "Die Datei wird auf unbekannte Kürzel untersucht.";
inline constexpr const char* kImportDatenText = "Die Daten werden importiert.";

class TKursImport {
 public:
  // The progress window is told the file, the status text of each pass and, now and then, the
  // position in the file's text.
  explicit TKursImport(TSchule& schule, IFortschritt* fortschritt = nullptr)
      : schule_(&schule), fortschritt_(fortschritt) {}

  // Runs the three passes on the file's bytes; questions and notices go to the school's IDialoge.
  TImportErgebnis Importiere(const std::vector<uint8_t>& bytes);
  // The same for a file; a file that cannot be opened throws the stream's TDateiFehler.
  TImportErgebnis ImportiereDatei(const std::filesystem::path& datei);

  // Pass 1 on the bytes: true when every complete record has the course format.
  bool PruefeFormat(const std::vector<uint8_t>& bytes);
  // Pass 2: true when the school knows every abbreviation the records name.
  bool PruefeKuerzel(const std::vector<uint8_t>& bytes);

  // The file's text as UTF-8 (byte-order mark removed), by the rule above.
  static std::string DateiText(const std::vector<uint8_t>& bytes);

 private:
  bool PruefeFormatText(std::string_view text, bool utf8);
  bool PruefeKuerzelText(std::string_view text);
  // Whether the school file can hold the school with the file's lessons and new elements.
  bool PruefeGrenzen(std::string_view text);
  void Uebernimm(std::string_view text);
  void Melde(const char* status) const;
  void Melde(std::size_t position) const;

  TSchule* schule_;
  IFortschritt* fortschritt_;
  std::string meldung_;  // the line and cause of a refusal the notice names, if any
};

}  // namespace kolvar
