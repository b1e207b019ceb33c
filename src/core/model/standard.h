#pragma once
// TStandard: the one settings object. Fields carry the value names under which the store keeps
// them and are read directly; fields with side effects are changed through their setter.
// (Only the fields the model needs so far; the settings issue completes it.)

#include <array>
#include <cstdint>
#include <string>

#include "model/versionssicht.h"
#include "model/wochbereich.h"

namespace kolvar {

class TStandard {
 public:
  TStandard();

  // Plan versions: "mwn", the current version and "eaw", kept in the view every grid reads.
  const TVersionsSicht& Versionen() const { return versionen_; }
  int mwn() const { return versionen_.Versionen; }
  int AktuelleVersion() const { return versionen_.AktuelleVersion; }
  bool eaw() const { return versionen_.NurAktuelle; }
  void SetVersionszahl(int n);  // also lowers the current version to n when higher
  void SetAktuelleVersion(int v);
  void SetNurAktuelleVersion(bool an) { versionen_.NurAktuelle = an; }

  // Basic data ("Urbo1").
  int mtn = 7;  // school days per week, 5..7
  int dvs = 1;  // smallest time unit: hour values count in 1/dvs hours, 1..100
  int vkm = 2;  // digits before the decimal point, 1..3
  int nkm = 1;  // digits after the decimal point, 0..3
  int vtm = 10; // days past substitutions and absences are kept

  // Plan windows ("Urbo2").
  int pst = 6;  // periods per day shown, 1..16

  // Defaults of new elements and lessons ("Urbo4", "Urbo5").
  TWoElem gds;        // lock grid of a new teacher, class or room
  int les = 24;       // target hours of a new teacher
  int kls = 30;       // target hours of a new class
  TWoElem kus;        // lock grid of a new lesson
  int kst = 3;        // weekly hours of a new lesson, 0..112
  int spt = 1;        // hours per day of a new lesson, 1..16
  int ezs = 3;        // single hours of a new lesson, 0..7
  int tbn = 1;        // slot table of a new lesson, 1..4
  int fkt = 1;        // factor of a new lesson, 0..10000
  bool nvp = false;   // "nicht verplanen"
  bool nzl = false;   // "nicht zählen" for the teacher
  bool nzk = false;   // "nicht zählen" for the classes
  uint32_t kfa = 0xFFFFFF;  // colour of a new lesson
  bool nks = true;    // lessons sorted by classes (false: by teachers)

  // Time grid: period labels per version ("sp1".."sp54"), day abbreviations and names.
  std::array<std::array<std::string, kStunden>, kMaxVersionen> sp;
  std::array<std::string, kTage> spg;
  std::array<std::string, kTage> spn;

 private:
  TVersionsSicht versionen_;
};

}  // namespace kolvar
