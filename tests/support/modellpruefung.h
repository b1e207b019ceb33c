#pragma once
// Checks of the data model's invariants, shared by every test that changes a school:
// two-way links, sorted lists, occupancy grids agreeing with the placements, grid sizes.

#include <string>
#include <vector>

namespace kolvar {

class TSchule;

// Every broken invariant as one line; empty when the school is sound.
std::vector<std::string> PruefeModell(const TSchule& schule);
// The same, and no course with more lessons than hours in a version: what the planning tools
// (copying versions above all) must never leave, though an imported file may hold it.
std::vector<std::string> PruefeModellMitStunden(const TSchule& schule);

// True when any link, list, placement, undo step, absence or table of the school still holds
// the address (of a deleted object; the address is only compared, never followed).
bool HaeltZeiger(const TSchule& schule, const void* zeiger);
// Where the school still holds it (empty when nowhere).
std::string WoGehalten(const TSchule& schule, const void* zeiger);

// A text of everything the school holds, by abbreviations and values (no addresses): two schools
// with the same text hold the same data.
std::string Fingerabdruck(const TSchule& schule);

}  // namespace kolvar
