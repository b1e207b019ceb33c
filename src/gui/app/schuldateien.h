// How the file commands reach the school file: read a file into a new school, write a school,
// import courses into a school. The program uses the data-file reader and writer; tests put a
// fake in their place. Failures come back as the German text the user is shown.
#pragma once

#include <memory>
#include <string>

#include "model/schule.h"

namespace kolvar {

class TFortschrittsForm;
class TStandard;

class ISchulDateien {
 public:
  virtual ~ISchulDateien() = default;
  // The school of the file, titled with its file name and holding its path; nullptr on any
  // fault, with the message in fehler (empty when the user has been told already).
  virtual std::unique_ptr<TSchule> Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                        TFortschrittsForm& fortschritt, std::string& fehler) = 0;
  // Saves the whole school atomically; only on success the school takes the file (title, path,
  // not modified). On failure the previous file and the school are unchanged.
  virtual bool Schreibe(TSchule& schule, const std::string& pfad, TFortschrittsForm& fortschritt,
                        std::string& fehler) = 0;
  // Adds the courses of a text file to the school.
  virtual bool Importiere(TSchule& schule, const std::string& pfad, TFortschrittsForm& fortschritt,
                          std::string& fehler) = 0;
};

// Stands in until the program has its file format: every command says so and changes nothing.
class TOhneSchulDateien : public ISchulDateien {
 public:
  std::unique_ptr<TSchule> Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                TFortschrittsForm& fortschritt, std::string& fehler) override;
  bool Schreibe(TSchule& schule, const std::string& pfad, TFortschrittsForm& fortschritt,
                std::string& fehler) override;
  bool Importiere(TSchule& schule, const std::string& pfad, TFortschrittsForm& fortschritt,
                  std::string& fehler) override;
};

}  // namespace kolvar
