#pragma once
// What an edit in the course editor does to its course: the hours with the plan versions, block
// length and single hours, the flags, and the elements chosen or removed. The window only shows
// values and asks; every decision lives here.
//
// Teacher, classes and coupling of a placed course never change in place: the course asks
// "Kurs ist verplant" first, and only once its placements are gone (each given back as taking a
// lesson out of the plan does, with its substitution records) the link changes. So the occupancy
// grids of old and new elements have nothing to follow, and no conflict can arise in a plan.

#include <cstdint>
#include <string>
#include <vector>

namespace kolvar {

class TElement;
class TKurs;

// The fields the editor's kind choice names; the numbers are the radio buttons' kinds.
enum class TKursFeld { Lehrer = 0, Klassen = 1, Kopplung = 2, Fach = 3, Raeume = 4 };

constexpr int kMaxKursStunden = 112;

// The "Stunden" box: the value shown and its step and limits in the current version mode.
struct TStundenSpin {
  int32_t Wert = 0;
  int32_t Schritt = 1;
  int32_t Min = 0;
  int32_t Max = kMaxKursStunden;
};

// N: 1 while actions apply to the current version only, else the number of plan versions.
int VersionsFaktor(const TKurs& k);
TStundenSpin StundenSpin(const TKurs& k);
// Takes the box's value: the current version gets it, or with all versions each version the
// value / N. Refused (false, nothing changed) outside the limits and when any version would be
// left with fewer hours than it has placed.
bool SetzeSpinStunden(TKurs& k, int32_t wert);
// Whether SetzeSpinStunden would take the value.
bool SpinStundenErlaubt(const TKurs& k, int32_t wert);

// The single hours that follow from the hours and a block length: the rest of the blocks, the
// hours themselves for a block of 1.
int EinzelAusBlock(int32_t stunden, int block);
// "Std/Tag" (1..16): the block length; with positive hours the single hours follow it.
void SetzeBlockLaenge(TKurs& k, int block);
void SetzeEinzelne(TKurs& k, int n);        // 0..7
void SetzeKursTabelle(TKurs& k, int n);     // 1..4
void SetzeKursFaktor(TKurs& k, int32_t f);  // 0..10000

// "nicht verplanen" can change only while the course has no placement in any version.
bool NichtVerplanenAenderbar(const TKurs& k);
// Refused (false) while placed. Clearing it sets negative hours to 0 and puts the course at its
// sorted place again.
bool SetzeNichtVerplanenFlag(TKurs& k, bool an);

// "Wert": hours x factor, formatted with the settings' units.
std::string KursWertText(const TKurs& k);

// Whether changing the field of a placed course needs its placements gone first.
bool BrauchtLeerePlaene(TKursFeld feld);
// An element chosen for the field ("Kürzel"): the teacher, subject or coupling is replaced, a
// class or room added. True when the course changed; nothing happens for the element the field
// holds already, an element of another kind, or when the user keeps a placed course's hours.
bool UebernimmElement(TKurs& k, TKursFeld feld, TElement* e);
// Double click in "Löschen" mode: teacher, subject or coupling taken off, or the class or room
// (e) removed; a room used by placements is asked for first. True when the course changed.
bool EntferneAusKurs(TKurs& k, TKursFeld feld, TElement* e);

// The room rows a and b (1-based) change places in the course's room list.
bool TauscheRaumZeilen(TKurs& k, int a, int b);

// The next (or previous) course of the list after von, wrapping; nullptr when von is not in it.
TKurs* NaechsterKurs(const std::vector<TKurs*>& liste, const TKurs* von, bool vorwaerts);

}  // namespace kolvar
