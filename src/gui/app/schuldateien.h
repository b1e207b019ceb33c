// How the file commands reach the files: read a school file into a new school, write a school,
// import courses into a school. The program uses the data-file reader, writer and course import;
// tests put a fake in their place. Failures come back as the German text the user is shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/schule.h"
#include "storage/fenster.h"

namespace kolvar {

class IFortschritt;
class TStandard;

class ISchulDateien {
 public:
  virtual ~ISchulDateien() = default;
  // The school of the file, titled with its file name and holding its path, and the windows
  // saved with it; nullptr on any fault, with the message in fehler (empty when the user has
  // been told already). The settings change only on success.
  virtual std::unique_ptr<TSchule> Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                        IFortschritt& fortschritt, std::vector<TFenster>& fenster,
                                        std::string& fehler) = 0;
  // Saves the whole school with its open windows atomically; only on success the school takes
  // the file (title, path, not modified). On failure the previous file and the school stay.
  virtual bool Schreibe(TSchule& schule, const std::string& pfad, const std::vector<TFenster>& fenster,
                        IFortschritt& fortschritt, std::string& fehler) = 0;
  // Adds the courses of a text file to the school, all or nothing. False when nothing was
  // imported; fehler is empty when the user has been told already (or said no).
  virtual bool Importiere(TSchule& schule, const std::string& pfad, IFortschritt& fortschritt,
                          std::string& fehler) = 0;
};

// The program's files: TLeser, TSchreiber and TKursImport.
class TSchulDateien : public ISchulDateien {
 public:
  std::unique_ptr<TSchule> Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                IFortschritt& fortschritt, std::vector<TFenster>& fenster,
                                std::string& fehler) override;
  bool Schreibe(TSchule& schule, const std::string& pfad, const std::vector<TFenster>& fenster,
                IFortschritt& fortschritt, std::string& fehler) override;
  bool Importiere(TSchule& schule, const std::string& pfad, IFortschritt& fortschritt,
                  std::string& fehler) override;
};

}  // namespace kolvar
