#pragma once
// TKursFeld: the fields of a course by which windows edit it. The workload view's columns and the
// course editor's kinds name the same fields, so both speak this one enum.

#include <cstdint>

namespace kolvar {

// In the order of the workload view's full column set.
enum class TKursFeld : uint8_t {
  Wert,
  Std,
  Lehrer,
  Fach,
  Klassen,
  Kopplung,
  Raeume,
  Faktor,
  SproT,
  Ez,
  Tab,
  Stat,
  Info
};

}  // namespace kolvar
