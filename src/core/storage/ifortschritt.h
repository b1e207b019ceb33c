#pragma once
// IFortschritt: the progress of reading and writing files (and of other long runs), shown by
// the GUI's small progress windows; also how the user cancels. Tests record it.

#include <cstddef>
#include <string>

namespace kolvar {

class IFortschritt {
 public:
  virtual ~IFortschritt() = default;
  // The file's name without its folder and its size in bytes (0 while writing).
  virtual void Datei(const std::string& /*name*/, std::size_t /*bytes*/) {}
  // The status line.
  virtual void Status(const std::string& text) = 0;
  // Bytes done so far.
  virtual void Position(std::size_t bytes) = 0;
  // True once the user asked to stop; the operation then ends with nothing changed.
  virtual bool Abgebrochen() const { return false; }
};

}  // namespace kolvar
