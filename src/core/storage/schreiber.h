#pragma once
// TSchreiber: writes a whole school into its data file. The file is built in memory and saved
// atomically, so a failed save leaves the previous file as it was and the school still modified.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "storage/fenster.h"

namespace kolvar {

class IFortschritt;
class TSchule;

inline constexpr int kDateiVersion = -211;  // 0xFF2D

class TSchreiber {
 public:
  explicit TSchreiber(IFortschritt* fortschritt = nullptr) : fortschritt_(fortschritt) {}

  // The windows to save (the GUI gives its open windows); empty saves none.
  void SetzeFenster(std::vector<TFenster> fenster) { fenster_ = std::move(fenster); }

  // The bytes of the file. Throws TDateiFehler when the school does not fit the file.
  std::vector<uint8_t> Baue(const TSchule& schule) const;
  // Builds and saves; only on success the school takes the file: title = the file's name, path,
  // not modified. Throws TDateiFehler with the school unchanged.
  void SchreibeDatei(TSchule& schule, const std::filesystem::path& datei) const;

 private:
  IFortschritt* fortschritt_;
  std::vector<TFenster> fenster_;
};

}  // namespace kolvar
