#pragma once
// The heights of the two substitute choice windows: they follow the number of rows their list
// holds, at least enough for the periods shown ("pst"), and the day plan beside the list shows
// as many periods as fit next to it.

namespace kolvar {

struct TWahlFensterMass {
  int Zeilen;      // rows the list is sized for
  int Hoehe;       // window height in pixels
  int PlanZeilen;  // periods the day plan shows, 1..16
};

// "Vertretungslehrerwahl": at least pst - 1 rows, height rows x (row height + 1) + 298, plan
// rows min(rows + 1, 16). The record's own period always stays in the plan.
TWahlFensterMass LehrerWahlMass(int anzahl, int pst, int zeilenHoehe, int stunde);
// "Ersatzraumwahl": at least pst + 5 rows, height rows x (row height + 1) + 190, plan rows
// min(rows - 5, 16), the record's period included.
TWahlFensterMass RaumWahlMass(int anzahl, int pst, int zeilenHoehe, int stunde);

}  // namespace kolvar
