#pragma once
// The two substitution-hour accounts as the user adjusts them, and the substitution overview:
// per teacher, date and period every substitution given, every absence substituted and every
// lesson dropped. The window, its copy command and the overview printout share the rows.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kolvar {

class TLehrer;
class TSchule;
class TStandard;
class TVertretung;

// Table 1 is V-Std 1, table 2 V-Std 2.
int32_t VStdKonto(const TLehrer& l, int tabelle);
// Sets one account; when it changes, the school is marked modified and the teacher choice,
// which shows the accounts, is told.
void SetzeVStdKonto(TLehrer& l, int tabelle, int32_t wert);
// "Rücksetzen": that account of one teacher, or of every teacher (einer == nullptr), to 0.
void RuecksetzeVStd(TSchule& schule, int tabelle, TLehrer* einer);
// An account or value as the settings format hours ("vkm", "nkm", "dvs"), without the padding.
std::string VStdText(int64_t wert, const TStandard& standard);

constexpr int kVertrUebSpalten = 9;
using TVertrUebTexte = std::array<std::string, kVertrUebSpalten>;

// "Lehrer", "Datum", "Stunde", "Text", "Wert", "Kurs", "statt", "verlegt auf", "Bemerkung".
const TVertrUebTexte& VertrUebKoepfe();

struct TVertrUebZeile {
  const TLehrer* lehrer = nullptr;
  TVertretung* vertretung = nullptr;  // none for a dropped lesson
  TVertrUebTexte texte;
};

// The rows for the teachers (in the order given) from day von to day bis; an end before the
// start covers the start only.
std::vector<TVertrUebZeile> VertrUebersicht(const TSchule& schule, const std::vector<const TLehrer*>& lehrer,
                                            int32_t von, int32_t bis);
// Every teacher of the school list.
std::vector<const TLehrer*> AlleLehrer(const TSchule& schule);

// Each row's cells joined by tab characters.
std::vector<std::string> VertrUebKopiertext(const std::vector<TVertrUebTexte>& zeilen);

}  // namespace kolvar
