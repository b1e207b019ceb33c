// Who opens which window: the per-kind registry builds element windows (by the view group they
// belong to, 0 master data, 1 workload or table, 2 plan) and windows without an element (all
// courses, statistics ...) for the windows a school file reopens; the course editor has an
// opener of its own, since it takes a list to step through.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kolvar {

class TElement;
class TFensterArtRegister;
class TKurs;

class TFensterOeffner {
 public:
  // The course editor on a course, with the list it steps through.
  using TKursOeffner = std::function<void(TKurs& kurs, const std::vector<TKurs*>& liste)>;

  static constexpr int kGruppen = 3;

  explicit TFensterOeffner(const TFensterArtRegister& arten) : arten_(arten) {}

  void SetzeKursOeffner(TKursOeffner oeffner) { kursOeffner_ = std::move(oeffner); }

  bool HatElementOeffner(int gruppe) const;
  // Whether any group can open element windows (the element menus are useless without).
  bool HatElementOeffner() const;
  // False when the group has no opener (nothing opens).
  bool OeffneElement(int gruppe, TElement* element, std::uint8_t tasten) const;
  bool OeffneArt(int art) const;
  bool OeffneKurs(TKurs& kurs, const std::vector<TKurs*>& liste) const;

 private:
  const TFensterArtRegister& arten_;
  TKursOeffner kursOeffner_;
};

}  // namespace kolvar
