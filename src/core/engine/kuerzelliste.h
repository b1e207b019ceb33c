#pragma once
// TKuerzelListe: what the abbreviation lists do to the school. One element kind at a time; the
// school's list of that kind is edited in place, so its order is the order of every element
// menu. The rows are always read from the school, never kept: a view built from Elemente() can
// never hold an element that is gone.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

class TElement;
class TSchule;
enum class TElementArt;

class TKuerzelListe {
 public:
  // Negative, zero or positive, as the abbreviations order (the GUI gives a German collation).
  using TVergleich = std::function<int(const std::string&, const std::string&)>;

  enum class TUmbenennung { Gleich, Ungueltig, Doppelt, Umbenannt };

  TKuerzelListe(TSchule& schule, TElementArt art) : schule_(schule), art_(art) {}

  TElementArt Art() const { return art_; }
  void SetzeArt(TElementArt art) { art_ = art; }
  // The kind's school list, in list order.
  std::vector<TElement*> Elemente() const;

  // An abbreviation the file stores as it is: not empty, no leading blank (the file turns it
  // into "¥"), every character one the file can hold, at most 7 characters.
  static bool GueltigesKuerzel(std::string_view text);
  // The row (from 0) whose abbreviation equals the text; the last of several; -1 when none.
  int Treffer(std::string_view text) const;
  // A new element of the kind, appended; nullptr when the text is no valid abbreviation or one
  // of the kind has it already.
  TElement* Neu(std::string_view text);
  // A rename refused for a duplicate leaves everything as it was.
  TUmbenennung Umbenenne(TElement* e, std::string_view text);
  // Whether deleting needs the user's "Ja": the element still has courses.
  static bool HatDaten(const TElement& e);
  // The element, unlinked from its courses (their lessons of it go) and everything else.
  void Loesche(TElement* e);
  // Stable sort by the comparison; true (and the school modified) when the order changed.
  bool KuerzelSortieren(const TVergleich& vergleich);
  // The element of row von goes to row nach, the rows between move up or down by one (as the
  // row passes them one exchange at a time); true when anything moved.
  bool Verschiebe(int von, int nach);

 private:
  TSchule& schule_;
  TElementArt art_;
};

}  // namespace kolvar
