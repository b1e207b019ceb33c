#pragma once
// What a user action changed. The engine's entry points record here, in the school, while the
// action runs; at its end (the outermost TSchule::TAktion) every open window gets the whole set
// once and decides whether it is affected. A school-wide swap or an automatic run therefore
// refreshes each window once, however many lessons moved.
//
// Who records what. A course's setters (TKurs) each mark the school modified. One that changes a
// link (teacher, classes, rooms, subject, coupling) or a placement also records the notices of
// what it touched (KursGeaendert, SetzungenGeaendert), since only it still knows the old partner.
// One that changes a plain value (text, colour, count, flag) records nothing: the engine or core
// function a window calls for the edit records it once for the whole edit, so every window
// calling that function gets the same refreshes. A window records nothing after such a call.
// Substitution records keep bare setters for loading; their edits go through TVertretung's
// actions and the core/substitution functions, which mark the school and tell the windows.

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kolvar {

class IFenster;
class TElement;
class TKurs;

// What a window does about a change; a rebuild covers the others.
namespace Aenderung {
constexpr uint8_t Werte = 1;      // the shown values (a lighter refresh)
constexpr uint8_t Daten = 2;      // rebuild from the model
constexpr uint8_t Zeichnen = 4;   // repaint: placements, lock grids
constexpr uint8_t Statistik = 8;  // an element's row of the statistics window of its kind
}  // namespace Aenderung

class TAenderungen {
 public:
  bool Leer() const;
  // Every window rebuilds (another plan version, repaired links ...).
  bool Alles() const { return alles_; }
  uint8_t Element(const TElement* e) const { return Suche(elemente_, e); }
  uint8_t Kurs(const TKurs* k) const { return Suche(kurse_, k); }
  // Addressed to every window of a kind.
  uint8_t Art(int tag) const { return Suche(arten_, tag); }
  // Addressed to one window (a substitution record's choice window).
  uint8_t Fenster(const IFenster* f) const { return Suche(fenster_, f); }
  bool VertretungsTag(int32_t datum) const { return tage_.count(datum) != 0; }
  // Elements with any of the bits, in the order they were first recorded.
  std::vector<const TElement*> ElementeMit(uint8_t was) const;

  // What the window of that kind, element and course is to do (Aenderung bits).
  uint8_t FuerFenster(const IFenster& f) const;

  void MerkeAlles() { alles_ = true; }
  void MerkeElement(const TElement* e, uint8_t was);
  void MerkeKurs(const TKurs* k, uint8_t was);
  void MerkeArt(int tag, uint8_t was) { arten_[tag] |= was; }
  void MerkeFenster(const IFenster* f, uint8_t was) { fenster_[f] |= was; }
  void MerkeVertretungsTag(int32_t datum) { tage_.insert(datum); }
  // An element or course is about to be freed: nothing may reach it through this set.
  void Vergiss(const TElement* e);
  void Vergiss(const TKurs* k) { kurse_.erase(k); }

 private:
  template <typename K>
  static uint8_t Suche(const std::unordered_map<K, uint8_t>& m, const K& k) {
    const auto it = m.find(k);
    return it == m.end() ? 0 : it->second;
  }

  bool alles_ = false;
  std::unordered_map<const TElement*, uint8_t> elemente_;
  std::vector<const TElement*> reihe_;
  std::unordered_map<const TKurs*, uint8_t> kurse_;
  std::unordered_map<int, uint8_t> arten_;
  std::unordered_map<const IFenster*, uint8_t> fenster_;
  std::unordered_set<int32_t> tage_;
};

}  // namespace kolvar
