#pragma once
// Small rules of the settings dialogs, kept apart from their widgets: the statistics period's
// date correction, the period labels' trimming, the single hours a block length suggests, the
// web colours' attribute text, the abbreviation lists the column widths are measured from, and
// which open windows a presets dialog rebuilds.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/standard.h"

namespace kolvar {

class TSchule;

// The day that exists in that month: lowered by one at most three times (31 February becomes 28
// or 29). The day number of the date; the day is written back.
int32_t KorrigiereDatum(int& tag, int monat, int jahr);

// A period label without trailing blanks (one character stays), cut to 15 characters.
std::string StundenBezeichnung(std::string_view text);

// The single hours of hours x per day: hours mod per day (the hours themselves with one a day);
// -1 leaves the field when there are no hours.
int EinzelstundenVorschlag(int stunden, int proTag);

// "#RRGGBB" with the quotes, from a colour with red in the lowest byte.
std::string FarbeNachHTML(uint32_t farbe);

// The abbreviations of teachers, classes, couplings, subjects and rooms.
TKuerzelListen KuerzelListen(const TSchule& schule);

// Every plan, table and manual planning window rebuilds once, when the running action ends.
void PlanFensterNeuAufbauen(TSchule& schule);
// Every workload window rebuilds once.
void DeputatFensterNeuAufbauen(TSchule& schule);
// Every master-data editor of a teacher, class or room is prepared again.
void GrunddatenFensterNeuAufbauen(TSchule& schule);

}  // namespace kolvar
