#pragma once
// What an edit of a course does, from whichever window it comes (course editor, workload views,
// lesson-distribution tables, class editor, plan and manual windows): the hours with the plan
// versions, block length and single hours, the flags, the elements chosen or removed, new courses,
// deleted courses and lessons. The windows only show values and ask; every decision lives here.
// Each edit marks the school modified and records the course's notices for the windows, so a
// window calling it has nothing to report afterwards.
//
// Teacher, classes and coupling of a placed course never change in place: the course asks
// "Kurs ist verplant" first, and only once its placements are gone (each given back as taking a
// lesson out of the plan does, with its substitution records) the link changes. So the occupancy
// grids of old and new elements have nothing to follow, and no conflict can arise in a plan.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/kursfeld.h"

namespace kolvar {

class TElement;
class TFach;
class TKlasse;
class TKurs;
class TLehrer;
class TSchule;

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
void SetzeKursNichtZaehlenLehrer(TKurs& k, bool an);
void SetzeKursNichtZaehlenKlassen(TKurs& k, bool an);
void SetzeKursInfo(TKurs& k, std::string_view text);
void SetzeKursFarbe(TKurs& k, uint32_t farbe);

// "nicht verplanen" can change only while the course has no placement in any version.
bool NichtVerplanenAenderbar(const TKurs& k);
// Refused (false) while placed. Clearing it sets negative hours to 0 and puts the course at its
// sorted place again.
bool SetzeNichtVerplanenFlag(TKurs& k, bool an);

// "Wert": hours x factor, formatted with the settings' units.
std::string KursWertText(const TKurs& k);

// Whether changing the field of a placed course needs its placements gone first: teacher,
// classes and coupling. The subject and the rooms are no part of any occupancy grid, so setting
// or taking them off never asks "Kurs ist verplant" (a room used by lessons asks for itself).
bool BrauchtLeerePlaene(TKursFeld feld);
// An element chosen for the field ("Kürzel"): the teacher, subject or coupling is replaced, a
// class or room added. True when the course changed; nothing happens for the element the field
// holds already, an element of another kind, or when the user keeps a placed course's hours.
bool UebernimmElement(TKurs& k, TKursFeld feld, TElement* e);
// Double click in "Löschen" mode: teacher, subject or coupling taken off, or the class or room
// (e) removed; a room used by placements is asked for first. True when the course changed.
bool EntferneAusKurs(TKurs& k, TKursFeld feld, TElement* e);

// Every class (asked once for a placed course) or every room (each asked for where lessons use
// it) taken off. True when the course changed.
bool EntferneAlle(TKurs& k, TKursFeld feld);
// The classes or rooms of quelle that ziel lacks are added to ziel, each as UebernimmElement
// adds it. True when ziel changed.
bool ErgaenzeAus(TKurs& ziel, const TKurs& quelle, TKursFeld feld);
// A field dragged from quelle onto ziel in a workload window: the classes or rooms ziel lacks
// (ErgaenzeAus) or the info text. ziel's windows are told even when nothing was missing. False
// for the other fields, which are left as they are.
bool UebernimmFeldAus(TKurs& ziel, const TKurs& quelle, TKursFeld feld);

// A new course with the defaults of a new course: the hours "kst" and as its room the class's
// home room, else the teacher's; no coupling. Any of teacher, class and subject may be nil.
TKurs* NeuerKursMitVorgaben(TSchule& s, TLehrer* lehrer, TKlasse* klasse, TFach* fach);
// Deletes the courses, each once: a placed course only when "Kurs ist verplant" had its hours
// deleted. Every question is asked before the first course goes. Returns how many went.
int LoescheKurseNachFrage(TSchule& s, const std::vector<TKurs*>& kurse);
// Takes the course's lesson at day and period of the current version (or of every version)
// out of the plans. A coupled course asks "gekoppelten Kurs löschen": "Dieser Kurs" takes only
// this lesson, "Kopplung" the lessons of the coupling there, "Abbrechen" nothing. False when
// cancelled.
bool LoescheStundeNachFrage(TKurs& k, int tag, int stunde);

// The room rows a and b (1-based) change places in the course's room list.
bool TauscheRaumZeilen(TKurs& k, int a, int b);

// The next (or previous) course of the list after von, wrapping; nullptr when von is not in it.
TKurs* NaechsterKurs(const std::vector<TKurs*>& liste, const TKurs* von, bool vorwaerts);

}  // namespace kolvar
