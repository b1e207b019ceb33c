#pragma once
// Option groups of the settings object: the fonts, the plan and workload windows and every
// printout. Each group is stored in a section of its own; fields carry the value names of the
// store (for the four plan printouts and the four overviews without their prefix, which the
// section supplies: "lvt" is the teacher plan's vt).

#include <array>
#include <cstdint>
#include <string>

#include "model/datum.h"

namespace kolvar {

constexpr int32_t kStandardDatum = TagesNummer(1994, 1, 1);  // "01.01.94"

// A font by name and point size ("...fn", "...fs").
struct TSchrift {
  std::string Name = "Arial";
  int Groesse = 8;
  // Style and colour: the printouts' fonts keep what the font dialog chose.
  bool Fett = false;
  bool Kursiv = false;
  bool Unterstrichen = false;
  uint32_t Farbe = 0;  // 0x00BBGGRR
  bool operator==(const TSchrift&) const = default;
};

// Column widths in pixels as the store keeps them: the abbreviation columns of plan windows
// 13..69, every other column 1..999. Computed widths stay inside, so a restart keeps them.
constexpr int kMinKuerzelSpalte = 13, kMaxKuerzelSpalte = 69;
constexpr int kMinSpalte = 1, kMaxSpalte = 999;

// Plan windows ("Urbo2"); "pst" is a field of the settings object itself.
struct TPlanFensterOptionen {
  bool neb = true;                                       // abbreviations in a cell side by side
  bool mra = true;                                       // show rooms
  bool pkf = true;                                       // couplings in bold
  TSchrift Schrift;                                      // "pfn", "pfs"
  int plb = 40, pkb = 40, pob = 40, pfb = 40, prb = 40;  // abbreviation column widths, 13..69
  int ptb = 40, psb = 40, pwb = 40;                      // day abbreviation, period label and value widths
  int pma = 0;  // manual planning windows: 0 = 1, 1 = 2 high, 2 = 2 across, 3 = 3 high, 4 = 3 across, 5 = 4
  bool pzk = true;  // the manual planning window shows couplings
  bool operator==(const TPlanFensterOptionen&) const = default;
};

// Workload windows ("Urbo3").
struct TDeputatFensterOptionen {
  TSchrift Schrift;                                      // "dfn", "dfs"
  int dlb = 40, dkb = 40, dob = 40, dfb = 40, drb = 40;  // abbreviation column widths
  int dwb = 40, dsb = 40;                                // value column, three-digit number column
  bool mns = true;                                       // lessons with 0 hours
  bool mki = false;                                      // lesson information
  bool mzi = false;                                      // additional information
  bool mst = false;                                      // statistics
  int32_t dvo = kStandardDatum;                          // statistics period
  int32_t dbi = kStandardDatum;
  bool operator==(const TDeputatFensterOptionen&) const = default;
};

// Plan printouts of teachers ("Urbo13", prefix "l"), classes ("Urbo14", "k"), rooms ("Urbo15",
// "r") and couplings ("Urbo16", "o"). Each kind stores three of the element flags kl, le, fa,
// ra; the coupling plan none of them, nor ne, ko, st and d1s.
struct TPlanDruckOptionen {
  TSchrift Schrift;
  int vt = 1, vs = 1, bt = 5, bs = 9;  // first day, first period, last day, last period
  int ne = 0;                          // 0 side by side, 1 one under the other
  int li = 0;                          // 0 periods down the left, 1 days
  std::string bm = "Bemerkung";        // remark line, 61 characters
  bool kl = true, le = true, fa = true, ra = true;
  bool ko = false;                     // cells show the coupling
  bool st = true;                      // coupling instead of class or teacher
  bool sp = true;                      // blocked hours
  bool fe = false;                     // couplings bold
  bool al = true;                      // all plans; false: only those changed since ad/at
  bool da = true;                      // date in the header
  bool d1s = false;                    // one page per plan
  int rl = 1, rr = 0, ro = 1, ru = 0;  // margins in cm, 0..6
  int32_t ad = kStandardDatum;         // changed-since date
  int32_t at = 0;                      // and time, seconds of the day
  bool co = false;                     // colour
  bool mk = true;                      // coupling plans: coupling name line
  bool operator==(const TPlanDruckOptionen&) const = default;
};

// Overview printouts of teachers ("Urbo17", "lu"), classes ("Urbo18", "ku"), rooms ("Urbo19",
// "ru") and couplings ("Urbo20", "ou").
struct TUebersichtDruckOptionen {
  TSchrift Schrift;
  int vt = 1, vs = 1, bt = 5, bs = 9;
  std::string bm = "Bemerkung";
  bool kl = true, le = true, fa = true, ra = true;
  bool ko = false, st = true, sp = true, fe = false, da = true;
  int rl = 1, rr = 0, ro = 1, ru = 0;
  bool co = false;
  bool un = false;  // abbreviations one below the other
  bool operator==(const TUebersichtDruckOptionen&) const = default;
};

// Abbreviation lists ("Urbo9").
struct TKuerzelDruckOptionen {
  TSchrift Schrift;  // "kfn", "kfs"
  bool kle = true, kkl = true, kko = true, kfa = true, kra = true, kuv = true;
  int ran = 1;
  bool operator==(const TKuerzelDruckOptionen&) const = default;
};

// Deputats ("Urbo12").
struct TDeputatDruckOptionen {
  TSchrift Schrift;  // "dfn", "dfs"
  int dda = 0;       // 0 teachers .. 4 rooms, 5 all lessons
  bool dkl = false, drl = false, d1s = false, dzu = false;
  int dra = 1;
  bool dco = false;
  bool operator==(const TDeputatDruckOptionen&) const = default;
};

// Subject conferences ("Urbo21").
struct TFachKonferenzDruckOptionen {
  TSchrift Schrift;   // "fkfn", "fkfs"
  bool fksp = true;   // one conference per page
  bool fkfe = false;  // only teachers deployed in the subject
  int fkrd = 1;
  bool operator==(const TFachKonferenzDruckOptionen&) const = default;
};

// Class conferences ("Urbo22").
struct TKlassenKonferenzDruckOptionen {
  TSchrift Schrift;  // "kkfn", "kkfs"
  bool kksp = true;
  int kkrd = 1;
  bool operator==(const TKlassenKonferenzDruckOptionen&) const = default;
};

// Remaining hours ("Urbo23").
struct TRestStundenDruckOptionen {
  TSchrift Schrift;  // "rfn", "rfs"
  int rda = 0;       // 0 teachers, 1 classes, 2 subjects
  int rra = 1;
  bool operator==(const TRestStundenDruckOptionen&) const = default;
};

// Hour distribution ("Urbo24").
struct TStundenVerteilungDruckOptionen {
  TSchrift Schrift;                               // "svfn", "svfs"
  int svda = 0;                                   // 0..4 teachers .. rooms
  bool svsr = false, svsg = false, svfa = false;  // blocked hours, gaps, colour
  int svra = 1;
  bool operator==(const TStundenVerteilungDruckOptionen&) const = default;
};

// Lesson-distribution tables ("Urbo25").
struct TUVTabDruckOptionen {
  TSchrift Schrift;  // "uvfn", "uvfs"
  bool uvft = false;
  int uvra = 1;
  bool uvco = false;
  bool operator==(const TUVTabDruckOptionen&) const = default;
};

// Error list ("Urbo26").
struct TFehlerListeDruckOptionen {
  TSchrift Schrift;  // "fefn", "fefs"
  int fera = 1;
  bool operator==(const TFehlerListeDruckOptionen&) const = default;
};

// Parallel couplings ("Urbo27").
struct TParallelDruckOptionen {
  TSchrift Schrift;                            // "pfn", "pfs"
  bool pml = false, pmf = false, pmk = false;  // teacher, subject, conflicts
  int pra = 1;
  bool operator==(const TParallelDruckOptionen&) const = default;
};

// Subject overview ("Urbo30").
struct TFachUebersichtDruckOptionen {
  TSchrift Schrift;  // "fufn", "fufs"
  std::string fubm = "Bemerkung";
  bool fuku = true, funa = true, fukl = true, fura = true;
  bool fuko = false;
  bool fust = true, fuda = true;
  int furd = 1;
  bool operator==(const TFachUebersichtDruckOptionen&) const = default;
};

// A printout with nothing beyond font and margin: substituted hours ("sfn", "sfs", "sra" in
// "Urbo29") and the substitution overview ("vufn", "vufs", "vura" in "Urbo31").
struct TEinfacheDruckOptionen {
  TSchrift Schrift;
  int Rand = 1;
  bool operator==(const TEinfacheDruckOptionen&) const = default;
};

// One of the four presets "Einstellung 1".."Einstellung 4" of the substitution printout; the
// store appends the preset number to each value name.
struct TVertrDruckEinstellung {
  bool vdv = true;                          // print the substitution plan
  int vvs = 0;                              // its sort order
  bool vde = true;                          // print the substitute-room plan
  int ves = 0;                              // its sort order
  bool vmk = true, vmd = true, vma = true;  // couplings, date, general remarks
  bool vfl = true, vfk = true, vfr = true;  // absent teachers, classes, rooms
  int vlb = 0;                              // teachers by name or abbreviation
  int vba = 0;                              // remarks for students or teachers
  bool operator==(const TVertrDruckEinstellung&) const = default;
};

// Substitution plan printout ("Urbo29").
struct TVertretungsDruckOptionen {
  TSchrift Schrift;  // "vfn", "vfs"
  int vra = 1;
  std::array<bool, 4> vc{true, true, true, true};  // which presets are printed
  std::array<TVertrDruckEinstellung, 4> Vorgaben;
  bool operator==(const TVertretungsDruckOptionen&) const = default;
};

}  // namespace kolvar
