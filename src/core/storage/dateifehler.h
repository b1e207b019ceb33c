#pragma once
// The error of the data-file stream and of everything that reads or writes files through it.
// The message is the program's own German text; the position says where in the bytes it happened.

#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>

namespace kolvar {

inline constexpr const char* kStreamLesefehler = "Stream-Read-Fehler";
inline constexpr const char* kStreamSchreibfehler = "Stream-Write-Fehler";

class TDateiFehler : public std::runtime_error {
 public:
  static constexpr std::size_t kKeinePosition = std::numeric_limits<std::size_t>::max();

  explicit TDateiFehler(const std::string& meldung, std::size_t position = kKeinePosition)
      : std::runtime_error(meldung), position_(position) {}

  // Byte offset in the stream, or kKeinePosition when the error is not tied to one.
  std::size_t Position() const { return position_; }

  // "Datei %s kann nicht geöffnet werden" / "Datei %s kann nicht erstellt werden".
  static TDateiFehler NichtGeoeffnet(const std::string& datei) {
    return TDateiFehler("Datei " + datei + " kann nicht geöffnet werden");
  }
  static TDateiFehler NichtErstellt(const std::string& datei) {
    return TDateiFehler("Datei " + datei + " kann nicht erstellt werden");
  }

 private:
  std::size_t position_;
};

}  // namespace kolvar
