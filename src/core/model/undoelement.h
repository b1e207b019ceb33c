#pragma once
// One placement change recorded while the manual planning window is open. The school keeps
// the steps; deleting a course drops its steps, deleting a room takes it off them.

#include <cstdint>

namespace kolvar {

class TKurs;
class TRaum;
class TSetzung;

class TUndoElement {
 public:
  static constexpr uint8_t Gesetzt = 0;
  static constexpr uint8_t Entfernt = 1;

  // Records the change of the placement: appends a step to the school's undo list, tells the
  // manual planning window of a removed course and enables "Widerrufen".
  static void Merke(TKurs& kurs, const TSetzung& setzung, uint8_t art);

  // Undoes the step with undo recording off: a removed hour is placed again (unfixed, also for a
  // "nicht verplanen" course), a
  // placed hour is removed (not the whole coupling).
  void Ausfuehren() const;

  uint8_t Art() const { return art_; }
  int Version() const { return version_; }
  int Tag() const { return tag_; }
  int Stunde() const { return stunde_; }
  TRaum* Raum() const { return raum_; }
  TKurs* Kurs() const { return kurs_; }

 private:
  friend class TSchule;
  TUndoElement() = default;

  uint8_t art_ = 0;
  int version_ = 0;
  int tag_ = 0;
  int stunde_ = 0;
  TRaum* raum_ = nullptr;
  TKurs* kurs_ = nullptr;
};

}  // namespace kolvar
