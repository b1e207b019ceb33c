#pragma once
// TVertretungsAblage: the substitution records of a school file, kept beside the school until
// the school holds substitution records itself. The reader collects every record here with its
// placement and resolved links; the writer numbers them and writes them inside their placements,
// so a file's substitutions survive loading and saving unchanged.
//
// Links: R.Statt = F exactly when F.VerlegtAuf = R. Links from a file are taken only when they
// are consistent (mutual, nobody's follow-up twice, no cycle); resolution and expiry are linear.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kolvar {

class TLehrer;
class TRaum;
class TSetzung;

struct TVertretungsSatz {
  // The placement the record belongs to; only compared with the school's placements.
  const TSetzung* Setzung = nullptr;
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

// The three numbers a record is written with.
struct TVertretungsNummern {
  int Nummer = 0;
  int VerlegtAuf = 0;
  int Statt = 0;
};

class TVertretungsAblage {
 public:
  std::vector<TVertretungsSatz>& Saetze() { return saetze_; }
  const std::vector<TVertretungsSatz>& Saetze() const { return saetze_; }
  bool Leer() const { return saetze_.empty(); }

  // Puts the records in the order of their placements' ranks (stable), links following.
  void Ordne(const std::unordered_map<const TSetzung*, std::size_t>& rang);
  // Turns the file numbers into links, keeping only consistent ones.
  void Verknuepfe();
  // Drops every record dated vtm days or more before today, with the follow-ups it owns.
  void EntferneVeraltete(int32_t heute, int vtm);
  // Drops the records of placements the school no longer has, with the follow-ups they own.
  void BehalteNur(const std::unordered_set<const TSetzung*>& setzungen);
  // Numbers by list position; beyond 32767 records only those taking part in a link are
  // numbered. Throws TDateiFehler when even those do not fit the file's 16-bit numbers.
  std::vector<TVertretungsNummern> Nummeriere() const;
  // Positions of the records of each placement, in list order.
  std::unordered_map<const TSetzung*, std::vector<int>> NachSetzung() const;
  // True when every link is two-way and the follow-up chains have no cycle.
  bool Stimmig() const;

 private:
  // weg[i] set: record i goes, and with it the follow-ups it owns; links to it are cleared.
  void Entferne(std::vector<char> weg);

  std::vector<TVertretungsSatz> saetze_;
};

}  // namespace kolvar
