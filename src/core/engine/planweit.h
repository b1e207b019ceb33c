#pragma once
// TPlanweit: held while a plan-wide tool changes placements (automatic run, compressing, copying
// versions, deleting plans, cleaning rooms, placing a coupling row, dropping days). The manual
// window's undo takes back steps made by hand; a step recorded before such a tool could put an
// hour back into a slot the tool has filled since, and taking the tool's own thousands of steps
// back with one key would silently undo its work. So the tool ends what can be taken back (the
// menu entries go off, which the user sees) and records nothing itself.

namespace kolvar {

class TSchule;

class TPlanweit {
 public:
  explicit TPlanweit(TSchule& schule);
  ~TPlanweit();
  TPlanweit(const TPlanweit&) = delete;
  TPlanweit& operator=(const TPlanweit&) = delete;

 private:
  TSchule& schule_;
  bool aufzeichnen_;
};

}  // namespace kolvar
