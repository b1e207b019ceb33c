// Who opens which window. Element windows are opened by the view group they belong to (0 master
// data, 1 workload or table, 2 plan), so each family registers its own opener and none replaces
// another; windows without an element (all courses, statistics ...) by their kind, for the
// windows a school file reopens.
#pragma once

#include <QHash>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace kolvar {

class TElement;
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

  // A group outside 0..2 is an error (std::out_of_range).
  void SetzeElementOeffner(int gruppe, TElementOeffner oeffner);
  void SetzeArtOeffner(int art, TArtOeffner oeffner);
  void SetzeKursOeffner(TKursOeffner oeffner) { kursOeffner_ = std::move(oeffner); }

  bool HatElementOeffner(int gruppe) const;
  // The group's opener as set so far (empty when none), for a family that chains its own in.
  TElementOeffner ElementOeffner(int gruppe) const;
  // Whether any group can open element windows (the element menus are useless without).
  bool HatElementOeffner() const;
  // False when the group has no opener (nothing opens).
  bool OeffneElement(int gruppe, TElement* element, std::uint8_t tasten) const;
  bool OeffneArt(int art) const;
  bool OeffneKurs(TKurs& kurs, const std::vector<TKurs*>& liste) const;

 private:
  std::array<TElementOeffner, kGruppen> elementOeffner_;
  QHash<int, TArtOeffner> artOeffner_;
  TKursOeffner kursOeffner_;
};

}  // namespace kolvar
