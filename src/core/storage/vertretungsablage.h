#pragma once
// TVertretungsAblage: the substitution records of a school file as the reader finds them, before
// they join the school. Here their numbers become links, and outdated records go, in linear time
// and before any record is in a list.
//
// Links: R.Statt = F exactly when F.VerlegtAuf = R. Links from a file are taken only when they
// are consistent (mutual, nobody's follow-up twice, no cycle); resolution and expiry are linear.

#include <cstdint>
#include <string>
#include <vector>

#include "substitution/vertretung.h"

namespace kolvar {

class TLehrer;
class TRaum;
class TSetzung;
class TVertretung;

struct TVertretungsSatz {
  // The placement the record belongs to.
  TSetzung* Setzung = nullptr;
  int64_t Datum = 0;  // date-time, seconds from 30.12.1899
  TLehrer* Vertreter = nullptr;
  TRaum* Ersatzraum = nullptr;
  std::string LehrerBem;
  std::string SchuelerBem;
  uint8_t Art = 0;  // 0 teacher absent, 4 room absent
  bool Frei = false;
  bool Noetig = true;
  bool Anrechnen = false;
  // Links as positions in the list, -1 for none.
  int VerlegtAuf = -1;
  int Statt = -1;
  // The numbers read from the file; only the reader uses them.
  int Nummer = 0;
  int VerlegtAufNr = 0;
  int StattNr = 0;
};

class TVertretungsAblage {
 public:
  std::vector<TVertretungsSatz>& Saetze() { return saetze_; }
  const std::vector<TVertretungsSatz>& Saetze() const { return saetze_; }
  bool Leer() const { return saetze_.empty(); }

  // Puts the records in the order of their ranks (one per record; stable), links following.
  void Ordne(const std::vector<std::size_t>& rang);
  // Turns the file numbers into links, keeping only consistent ones.
  void Verknuepfe();
  // Drops every record dated vtm days or more before today, with the follow-ups it owns.
  void EntferneVeraltete(int32_t heute, int vtm);
  // True when every link is two-way and the follow-up chains have no cycle.
  bool Stimmig() const;

 private:
  // weg[i] set: record i goes, and with it the follow-ups it owns; links to it are cleared.
  void Entferne(std::vector<char> weg);

  std::vector<TVertretungsSatz> saetze_;
};

// Sorts records stably by the order of "vsa". Where the order puts either of two records first
// (two records without the compared element), they count as equal, so the sort is well defined
// and keeps the given order among them.
void SortiereVertretungsliste(std::vector<TVertretung*>& liste, int vsa);
// The same, given a guess of the result as positions into the list (the order the records were
// saved in): when the guess is what the sort gives, checking it replaces the sort.
void SortiereVertretungsliste(std::vector<TVertretung*>& liste, int vsa,
                              const std::vector<std::size_t>& vermutung);
// The same with each record's key given (VertrSchluessel, in list order): the reader computes
// them while the records' lessons and placements are at hand.
void SortiereNachSchluesseln(std::vector<TVertretung*>& liste,
                             const std::vector<TVertrSchluessel>& schluessel,
                             const std::vector<std::size_t>& vermutung);

// Own numbers of the file for records in list order: the position while there are at most 32767
// records; beyond that 1..m for the records taking part in a link and 0 for the others. Throws
// TDateiFehler when even those do not fit the file's 16-bit numbers.
std::vector<int> VertretungsNummern(const std::vector<char>& verknuepft);

}  // namespace kolvar
