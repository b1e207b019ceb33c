#pragma once
// A tiny school for tests and benchmarks: three teachers, three classes, three rooms, three
// subjects, a coupling of two sport courses sharing both classes of year 5, a lesson-
// distribution table and six courses. The settings, fakes and school live together.

#include <memory>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "support/fakes.h"

namespace kolvar {

struct TKleineSchule {
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr;
  std::unique_ptr<TSchule> schule;

  TLehrer *mue = nullptr, *sch = nullptr, *ber = nullptr;
  TKlasse *k5a = nullptr, *k5b = nullptr, *k6a = nullptr;
  TRaum *r101 = nullptr, *r102 = nullptr, *th = nullptr;
  TFach *de = nullptr, *ma = nullptr, *sp = nullptr;
  TKopplung* spo = nullptr;
  TUVTab* uv = nullptr;
  // MUE De 5a R101 (4); MUE Ma 5b R102 (3); SCH Ma 5a R101 (4);
  // SCH Sp 5a+5b SPO TH (2); BER Sp 5a+5b SPO R102 (2); BER De 6a no room (3).
  TKurs *deutsch5a = nullptr, *mathe5b = nullptr, *mathe5a = nullptr;
  TKurs *sportSch = nullptr, *sportBer = nullptr, *deutsch6a = nullptr;
};

// Builds the school with the given number of plan versions (hours in every version).
std::unique_ptr<TKleineSchule> BaueKleineSchule(int versionen = 1);

// Places a few hours of every course in every version (Monday to Wednesday), the coupled
// sport courses together; the school is then a realistic start for placement tests.
void SetzeEinigeStunden(TKleineSchule& s);

}  // namespace kolvar
