#pragma once
// TListe: the model's list of non-owning object references with 1-based access from
// outside, a cursor, sorted insertion and a cyclic search.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kolvar {

template <typename T>
class TListe {
 public:
  TListe() = default;
  TListe(const TListe&) = default;
  TListe& operator=(const TListe& o) {
    items_ = o.items_;
    cursor_ = o.cursor_;
    // Neither list's earlier stand may describe the new contents.
    stand_ = std::max(stand_, o.stand_) + 1;
    return *this;
  }

  // Grows with every change of the items or their order: an index built from the list is
  // current while the stand it was built at is.
  uint64_t Stand() const { return stand_; }

  // Item i (1..Anzahl); nullptr for any other index.
  T* Hole(int i) const {
    if (i < 1 || i > Anzahl()) return nullptr;
    return items_[static_cast<std::size_t>(i - 1)];
  }

  int Anzahl() const { return static_cast<int>(items_.size()); }
  bool Leer() const { return items_.empty(); }

  // 1-based index of the first occurrence; 0 when absent.
  int Position(const T* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i] == item) return static_cast<int>(i) + 1;
    return 0;
  }

  void Haenge(T* item) {
    ++stand_;
    items_.push_back(item);
    cursor_ = Anzahl() - 1;
  }
  // Room for n items in all, so that appending them allocates once.
  void Reserviere(int n) {
    if (n > 0) items_.reserve(static_cast<std::size_t>(n));
  }

  // Inserts after every item that compares equal, so equal keys keep their order of insertion.
  template <typename Vergleich>
  void FuegeSortiertEin(T* item, Vergleich vergleiche) {
    if (item == nullptr) return;
    const int n = Anzahl();
    const int mid =
        SortierStelle(item, vergleiche, n, [this](int i) { return items_[static_cast<std::size_t>(i)]; });
    if (mid < n) {
      ++stand_;
      items_.insert(items_.begin() + mid, item);
      cursor_ = mid;
    } else {
      Haenge(item);
    }
  }

  // Merges items sorted by vor (a strict weak order on pointers) into the list sorted by it:
  // each goes after the list's items equal to it, as FuegeSortiertEin one by one would put them.
  // From the back, each new item's place found by binary search: a few new items in a long
  // list cost a few searches and one move of the items behind them.
  template <typename Vor>
  void MischeEin(const std::vector<T*>& neu, Vor vor) {
    if (neu.empty()) return;
    ++stand_;
    const auto anfang = [this](std::size_t k) { return items_.begin() + static_cast<std::ptrdiff_t>(k); };
    std::size_t alt = items_.size();  // the old items not yet moved: [0, alt)
    items_.resize(alt + neu.size());
    std::size_t ziel = items_.size();  // the merged ones: [ziel, size)
    for (std::size_t j = neu.size(); j-- > 0;) {
      const auto stelle = static_cast<std::size_t>(std::upper_bound(anfang(0), anfang(alt), neu[j], vor) - anfang(0));
      std::move_backward(anfang(stelle), anfang(alt), anfang(ziel));
      ziel -= alt - stelle;
      items_[--ziel] = neu[j];
      alt = stelle;
    }
  }

  // True when the item is in the list; the cursor then moves to it.
  bool Finde(const T* item) {
    const int pos = Position(item);
    if (pos == 0) return false;
    cursor_ = pos - 1;
    return true;
  }

  // Cyclic search from the cursor (the current item is tested first).
  template <typename Arg, typename Praedikat>
  bool Suche(const Arg& argument, Praedikat praedikat) {
    const int n = Anzahl();
    if (n == 0) return false;
    const int start = CursorGueltig() ? cursor_ : 0;
    int i = start;
    do {
      if (praedikat(argument, items_[static_cast<std::size_t>(i)])) {
        cursor_ = i;
        return true;
      }
      i = (i + 1) % n;
    } while (i != start);
    return false;
  }

  // The item at the cursor; nullptr when the cursor is not on an item (items may have been
  // taken out behind the cursor's back).
  T* Aktuelles() const { return CursorGueltig() ? items_[static_cast<std::size_t>(cursor_)] : nullptr; }

  void LoescheAktuelles(bool freigeben) {
    if (!CursorGueltig()) return;
    T* item = items_[static_cast<std::size_t>(cursor_)];
    EntferneIndex(static_cast<std::size_t>(cursor_));
    if (freigeben) delete item;
    if (cursor_ >= Anzahl()) cursor_ = 0;
  }

  void Weiter() {
    if (items_.empty()) return;
    cursor_ = CursorGueltig() ? (cursor_ + 1) % Anzahl() : 0;
  }
  void Zurueck() {
    if (items_.empty()) return;
    cursor_ = (CursorGueltig() && cursor_ > 0) ? cursor_ - 1 : Anzahl() - 1;
  }
  void ZumAnfang() { cursor_ = 0; }
  void ZumEnde() { cursor_ = items_.empty() ? 0 : Anzahl() - 1; }
  bool AmEnde() const { return items_.empty() || cursor_ == Anzahl() - 1; }

  // 1-based position of the cursor; 0 when it is not on an item.
  int CursorPosition() const { return CursorGueltig() ? cursor_ + 1 : 0; }
  void SetzeCursor(int position) { cursor_ = (position >= 1 && position <= Anzahl()) ? position - 1 : 0; }

  template <typename Prozedur>
  void FuerAlle(Prozedur prozedur) const {
    // Walk a snapshot: the procedure may change the list.
    const std::vector<T*> kopie = items_;
    for (T* item : kopie) prozedur(item);
  }

  // Stable bubble sort, as the lists are only reordered as a whole now and then.
  template <typename Vergleich>
  void Sortiere(Vergleich vergleiche) {
    const std::size_t n = items_.size();
    if (n < 2) return;
    ++stand_;
    bool getauscht = true;
    while (getauscht) {
      getauscht = false;
      for (std::size_t i = 0; i + 1 < n; ++i) {
        if (vergleiche(items_[i], items_[i + 1]) > 0) {
          std::swap(items_[i], items_[i + 1]);
          getauscht = true;
        }
      }
    }
  }

  // Empties the list, freeing every item from the front first when asked.
  void Vernichte(bool freigeben) {
    std::vector<T*> weg;
    weg.swap(items_);
    cursor_ = 0;
    ++stand_;
    if (freigeben)
      for (T* item : weg) delete item;
  }

  // Plain list operations used by the model; they leave the cursor where it is.
  bool Entferne(const T* item) {
    const int pos = Position(item);
    if (pos == 0) return false;
    EntferneIndex(static_cast<std::size_t>(pos - 1));
    return true;
  }
  // For lists of distinct items: searched from both ends at once, so that an item near either
  // end is found at once (a course's placements: a moved hour goes to the end and is the one
  // moved again; clearing takes the first).
  bool EntferneEinziges(const T* item) {
    for (std::size_t vorn = 0, hinten = items_.size(); vorn < hinten; ++vorn) {
      if (items_[--hinten] == item) {
        EntferneIndex(hinten);
        return true;
      }
      if (items_[vorn] == item) {
        EntferneIndex(vorn);
        return true;
      }
    }
    return false;
  }
  void FuegeEin(int position, T* item) {
    if (position < 1) position = 1;
    if (position > Anzahl() + 1) position = Anzahl() + 1;
    ++stand_;
    items_.insert(items_.begin() + (position - 1), item);
  }
  // Takes out every item the predicate picks, keeping the others' order: one pass however many
  // go. The predicate sees every item once, first to last.
  template <typename Praedikat>
  int EntferneWenn(Praedikat praedikat) {
    std::size_t ziel = 0;
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (!praedikat(items_[i])) items_[ziel++] = items_[i];
    const int anzahl = static_cast<int>(items_.size() - ziel);
    if (anzahl == 0) return 0;
    ++stand_;
    items_.resize(ziel);
    return anzahl;
  }
  // Takes out the items at the given indices (0-based, ascending, each once), keeping the others'
  // order: the stretches between them move once, however many go.
  void EntferneStellen(const std::vector<std::size_t>& stellen) {
    if (stellen.empty()) return;
    ++stand_;
    std::size_t ziel = stellen.front();
    for (std::size_t i = 0; i < stellen.size(); ++i) {
      const std::size_t von = stellen[i] + 1;
      const std::size_t bis = i + 1 < stellen.size() ? stellen[i + 1] : items_.size();
      std::copy(items_.begin() + static_cast<std::ptrdiff_t>(von),
                items_.begin() + static_cast<std::ptrdiff_t>(bis),
                items_.begin() + static_cast<std::ptrdiff_t>(ziel));
      ziel += bis - von;
    }
    items_.resize(ziel);
  }
  void LoescheBei(int position) {
    if (position < 1 || position > Anzahl()) return;
    EntferneIndex(static_cast<std::size_t>(position - 1));
  }
  void SetzeBei(int position, T* item) {
    if (position < 1 || position > Anzahl()) return;
    ++stand_;
    items_[static_cast<std::size_t>(position - 1)] = item;
  }
  void Tausche(int a, int b) {
    if (a < 1 || b < 1 || a > Anzahl() || b > Anzahl()) return;
    ++stand_;
    std::swap(items_[static_cast<std::size_t>(a - 1)], items_[static_cast<std::size_t>(b - 1)]);
  }
  void Leere() {
    ++stand_;
    items_.clear();
    cursor_ = 0;
  }

  // Range-for over the items, first to last (not a snapshot: do not change the list meanwhile).
  typename std::vector<T*>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T*>::const_iterator end() const { return items_.end(); }
  const std::vector<T*>& Elemente() const { return items_; }

 private:
  void EntferneIndex(std::size_t i) {
    // move-and-pop instead of erase: g++ 12 warns falsely about erase at a computed index
    ++stand_;
    for (std::size_t k = i; k + 1 < items_.size(); ++k) items_[k] = items_[k + 1];
    items_.pop_back();
  }
  bool CursorGueltig() const { return cursor_ >= 0 && cursor_ < Anzahl(); }
  // Where FuegeSortiertEin puts the item among the n items hole(0) .. hole(n - 1).
  template <typename Vergleich, typename Hole>
  static int SortierStelle(const T* item, Vergleich& vergleiche, int n, Hole hole) {
    if (n == 0) return 0;
    int hi = n - 1, lo = 0, mid = n / 2;
    while (lo < hi) {
      if (vergleiche(item, hole(mid)) < 0)
        hi = mid - 1;
      else
        lo = mid + 1;
      mid = (hi + lo + 1) / 2;
    }
    if (mid < n && vergleiche(item, hole(mid)) >= 0) ++mid;
    return mid;
  }

  std::vector<T*> items_;
  int cursor_ = 0;
  uint64_t stand_ = 0;
};

}  // namespace kolvar
