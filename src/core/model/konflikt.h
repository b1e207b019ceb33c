#pragma once
// One reason why a course cannot go to a slot, with its German message text.

#include <string>

namespace kolvar {

class TElement;
class TKurs;

namespace KonfliktArt {
constexpr int KursGesperrt = 0;
constexpr int LehrerGesperrt = 1, KlasseGesperrt = 2, RaumGesperrt = 3;
constexpr int LehrerFixiert = 4, KlasseFixiert = 5, RaumFixiert = 6;
constexpr int LehrerBesetzt = 7, KlasseBesetzt = 8, RaumBesetzt = 9;
constexpr int KeinRaumFrei = 10;
}  // namespace KonfliktArt

class TKonflikt {
 public:
  TKonflikt() = default;
  TKonflikt(int art, int schwere, TKurs* kurs, TElement* element, int version) {
    Setze(art, schwere, kurs, element, version);
  }
  void Setze(int art, int schwere, TKurs* kurs, TElement* element, int version);

  int Art() const { return art_; }
  int Schwere() const { return schwere_; }
  int Version() const { return version_; }
  TElement* Element() const { return element_; }
  TKurs* Kurs() const { return kurs_; }

  std::string Text() const;

 private:
  int art_ = 0;
  int schwere_ = 0;
  int version_ = 0;
  TElement* element_ = nullptr;
  TKurs* kurs_ = nullptr;
};

// Kind ascending; never 0, so equal kinds stay in the order found.
int VergleicheKonflikte(const TKonflikt* a, const TKonflikt* b);
// Same course and same plan version.
bool GleicherKonflikt(const TKonflikt* a, const TKonflikt* b);

}  // namespace kolvar
