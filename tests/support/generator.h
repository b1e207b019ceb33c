#pragma once
// The synthetic school generator shared by tests, benchmarks and kvtool: a seeded, realistic
// German secondary school (classes 5a.., Q1/Q2, subject and coupling bands, room pools, locks,
// placed and fixed hours, absences, substitutions and the parallel-coupling table). The same profile and seed
// always give the same school: every choice comes from one seeded generator of our own, and
// nothing depends on addresses or unordered containers.

#include <cstdint>
#include <memory>

#include "model/schule.h"

namespace kolvar {

class TStandard;

enum class Profil { Klein, Typisch, Gross, Stress };

struct TProfilGroesse {
  int lehrer;
  int klassen;
  int raeume;
  int faecher;
  int kopplungen;
  int kurse;
  int wochenstunden;  // sum of the courses' hours in each version
  int versionen;
  int vertretungen;  // substitution records (at least)
};

const TProfilGroesse& GroesseVon(Profil profil);
const char* ProfilName(Profil profil);

// The generator's "today" when the environment brings no clock: Monday 30.11.2026.
inline constexpr int32_t kGeneratorHeute = 46356;

// Sets the settings the school needs (versions, five school days) and builds the school. Dates
// (absences, change stamps) lie around the environment clock's today, or kGeneratorHeute.
std::unique_ptr<TSchule> ErzeugeSchule(TStandard& standard, Profil profil, uint32_t seed,
                                       TUmgebung umgebung = {});

}  // namespace kolvar
