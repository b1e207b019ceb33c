#pragma once
// TUVLayout: the grid of a lesson-distribution table. By subjects (orientation 1) the classes
// run down and the subjects across; by teachers (orientation 0) the teachers run down and the
// classes across. Either way each class owns one or more lines along its axis (one per course
// of the same subject, or of the same teacher), and each body cell holds at most one course
// with its index among the class's lines. Kept here in "class line x other element" terms and
// turned into grid rows and columns on the way out.

#include <string>
#include <vector>

namespace kolvar {

class TElement;
class TKlasse;
class TKurs;
class TStandard;
class TUVTab;

class TUVLayout {
 public:
  // Builds from the table's lists: its classes in table order, its subjects or teachers.
  void Aufbauen(const TUVTab& tab);
  bool NachFaechern() const { return nachFaechern_; }
  // Whether there is a body (at least one class and one column element).
  bool HatKoerper() const { return !linien_.empty() && !andere_.empty(); }

  // Grid size including the header row and column.
  int Zeilen() const;
  int Spalten() const;
  // Header elements: row 0 of a column, column 0 of a row; nullptr outside.
  TElement* SpaltenKopf(int spalte) const;
  TElement* ZeilenKopf(int zeile) const;
  // Body cells (row and column >= 1): the course, or nullptr; its index within its class.
  TKurs* Kurs(int spalte, int zeile) const;
  int Index(int spalte, int zeile) const;
  // The class of a body cell or a class header; nullptr for a subject or teacher.
  TKlasse* KlasseBei(int spalte, int zeile) const;

  // Clears every cell that holds the course; the lines stay.
  void KursEntfernen(const TKurs* kurs);
  // Enters the course into a free line of each of its classes that does not show it yet in its
  // column; a class with all lines taken gets a new line after its last one.
  void KursEintragen(TKurs* kurs);
  // After a change of the course: it leaves the cells where it no longer belongs (another
  // subject or teacher, a class it left) and is entered where it is missing; where it stays
  // its cells stay.
  void KursAktualisieren(TKurs* kurs);
  // Puts a course made in that empty body cell there; false when the cell is taken or outside.
  bool SetzeKurs(int spalte, int zeile, TKurs* kurs);
  // A further line for the class of the class line that holds the row (by subjects) or column
  // (by teachers) of the grid, right after it; false when that is no class line.
  bool ExtraLinie(int zeileOderSpalte);

  // The text a course cell shows beside its value: the coupling (when mitKopplung and the course
  // is coupled), else the teacher (by subjects) or the subject (by teachers), else "".
  std::string ZweiterText(const TKurs& kurs, bool mitKopplung) const;
  // The cell's value: hours x factor of version -1, formatted.
  static std::string Wert(const TKurs& kurs, const TStandard& standard);
  // Whether the course is drawn in italics in that cell: the class of the line is not its first.
  bool Kursiv(int spalte, int zeile) const;
  // The whole table as tab-separated lines: the column headers after two tabs each, then per row
  // its header and per cell a tab, the value, a tab and the second text ("0" for an empty cell).
  std::vector<std::string> Kopiertext(const TStandard& standard, bool mitKopplung) const;
  // The courses of the body cells in the rectangle, each once, from its bottom row up and each
  // row from left to right.
  std::vector<TKurs*> KurseIn(int links, int oben, int rechts, int unten) const;

 private:
  struct TZelle {
    TKurs* kurs = nullptr;
    int index = 0;
  };
  struct TLinie {
    TKlasse* klasse = nullptr;
    std::vector<TZelle> zellen;  // one per column element
  };

  TElement* Schluessel(const TKurs& kurs) const;
  int AndereIndex(const TElement* e) const;
  // The class's lines [erste, ende); erste == ende when it has none.
  void LinienDer(const TKlasse* k, int& erste, int& ende) const;
  void NeueLinie(int vor, TKlasse* k);
  // Grid cell to (line, column element), both 0-based; false outside the body.
  bool Koerper(int spalte, int zeile, int& linie, int& andere) const;

  bool nachFaechern_ = true;
  std::vector<TElement*> andere_;  // subjects or teachers
  std::vector<TLinie> linien_;
};

}  // namespace kolvar
