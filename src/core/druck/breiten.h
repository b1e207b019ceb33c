#pragma once
// Column widths of the printouts: the widest text of a column measured with the current font
// of the page recorder; 0 for an empty list.

namespace kolvar {

class ITextMass;
class TSchule;
class TStandard;

// The widest abbreviation / name of the element list of kind 0..5 (teachers, classes,
// couplings, subjects, rooms, tables); 0 for another kind.
int MaxKuerzelBreite(const TSchule& schule, int art, const ITextMass& mass);
int MaxNameBreite(const TSchule& schule, int art, const ITextMass& mass);
// The widest of the seven day abbreviations.
int MaxTagBreite(const TStandard& standard, const ITextMass& mass);
// The widest of the 16 period labels of the current plan version.
int MaxStundenBreite(const TStandard& standard, const ITextMass& mass);

}  // namespace kolvar
