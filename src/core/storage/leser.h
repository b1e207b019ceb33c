#pragma once
// TLeser: reads a school data file into a new school. The file is read into memory and parsed
// with bounds-checked reads; every count, index, slot and link is checked. Only a fully read
// and checked school is handed out: on any fault the reader throws TDateiFehler with a German
// text saying what was wrong, the settings are as before and no school takes the file.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "model/schule.h"
#include "storage/dateifehler.h"
#include "storage/fenster.h"

namespace kolvar {

class IFortschritt;
class TStandard;

// A file of an older or newer program; the user has been told through IDialoge already.
class TVersionsFehler : public TDateiFehler {
 public:
  using TDateiFehler::TDateiFehler;
};

class TLeser {
 public:
  explicit TLeser(TStandard& standard, TUmgebung umgebung = {}, IFortschritt* fortschritt = nullptr)
      : standard_(standard), umgebung_(umgebung), fortschritt_(fortschritt) {}

  // The school of the file, titled with the file's name and holding its path. On success the
  // settings hold the file's number of plan versions and the version of today's week, and the
  // plans show every day and period that holds a placed hour.
  std::unique_ptr<TSchule> LiesDatei(const std::filesystem::path& datei);
  // The same from bytes in memory (no title, no path).
  std::unique_ptr<TSchule> LiesDaten(std::vector<uint8_t> daten);

  // After a successful read: the saved windows, to be reopened in this order.
  const std::vector<TFenster>& Fenster() const { return fenster_; }

 private:
  class TBlockLeser;

  TStandard& standard_;
  TUmgebung umgebung_;
  IFortschritt* fortschritt_;
  std::vector<TFenster> fenster_;
};

}  // namespace kolvar
