// Who opens which window: the per-kind registry builds element windows (by the view group they
// belong to, 0 master data, 1 workload or table, 2 plan) and windows without an element (all
// courses, statistics ...) for the windows a school file reopens. A whole view group may be
// stood in for by one opener (the palette's own tests use it, without any feature); the course
// editor has an opener of its own, since it takes a list to step through.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace kolvar {

class TElement;
class TFensterArtRegister;
class TKurs;

class TFensterOeffner {
 public:
  // Opens (or brings up) the element's window of the group; tasten is the shift state that
  // asks for a new window.
  using TElementOeffner = std::function<void(TElement* element, std::uint8_t tasten)>;
  using TArtOeffner = std::function<void()>;
  // The course editor on a course, with the list it steps through.
  using TKursOeffner = std::function<void(TKurs& kurs, const std::vector<TKurs*>& liste)>;

  static constexpr int kGruppen = 3;

  explicit TFensterOeffner(const TFensterArtRegister& arten) : arten_(arten) {}

  // A group outside 0..2 is an error (std::out_of_range).
  void SetzeElementOeffner(int gruppe, TElementOeffner oeffner);
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
  std::array<TElementOeffner, kGruppen> elementOeffner_;
  TKursOeffner kursOeffner_;
};

}  // namespace kolvar
