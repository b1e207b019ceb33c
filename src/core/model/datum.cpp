#include "model/datum.h"

#include <array>

#include <algorithm>

#include <cstdio>
#include <vector>

namespace kolvar {

TKalenderDatum KalenderDatum(int32_t tag) {
  const int64_t z = static_cast<int64_t>(tag) - 25569 + 719468;
  const int64_t aera = detail::BodenDiv(z, 146097);
  const int64_t tde = z - aera * 146097;
  const int64_t jde = (tde - tde / 1460 + tde / 36524 - tde / 146096) / 365;
  const int64_t tdj = tde - (365 * jde + jde / 4 - jde / 100);
  const int64_t mp = (5 * tdj + 2) / 153;
  TKalenderDatum d;
  d.Tag = static_cast<int>(tdj - (153 * mp + 2) / 5 + 1);
  d.Monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  d.Jahr = static_cast<int>(jde + aera * 400 + (d.Monat <= 2 ? 1 : 0));
  return d;
}

bool DatumGueltig(int jahr, int monat, int tag) {
  if (jahr < 1 || jahr > 9999 || monat < 1 || monat > 12 || tag < 1) return false;
  const TKalenderDatum d = KalenderDatum(TagesNummer(jahr, monat, tag));
  return d.Jahr == jahr && d.Monat == monat && d.Tag == tag;
}

int Wochentag(int32_t tag) {
  int r = static_cast<int>((static_cast<int64_t>(tag) - kKalenderBeginn) % 7);
  if (r < 0) r += 7;
  return r + 1;
}

int Kalenderwoche(int32_t tag) {
  // The week belongs to the year of its Thursday.
  const int32_t donnerstag = tag + (4 - Wochentag(tag));
  const int jahr = KalenderDatum(donnerstag).Jahr;
  return (donnerstag - TagesNummer(jahr, 1, 1)) / 7 + 1;
}

int WochenIndex(int32_t tag) {
  const int32_t woche = detail::BodenDiv(static_cast<int64_t>(tag) - kKalenderBeginn, 7);
  int i = woche % kKalenderWochen;
  if (i < 0) i += kKalenderWochen;
  return i;
}

int VersionDerWoche(int32_t tag, const TWochenTabelle& wochen, int versionen) {
  const int v = wochen[static_cast<std::size_t>(WochenIndex(tag))];
  return (v >= 1 && v <= versionen) ? v : 1;
}

std::string DatumText(int32_t tag) {
  const TKalenderDatum d = KalenderDatum(tag);
  char puffer[16];
  std::snprintf(puffer, sizeof puffer, "%02d.%02d.%02d", d.Tag % 100, d.Monat % 100,
                ((d.Jahr % 100) + 100) % 100);
  return puffer;
}

namespace {

// Splits a text of digits and one kind of separator into numbers; each part 1..4 digits.
std::optional<std::vector<int>> Zahlen(std::string_view text, char trenner) {
  std::vector<int> zahlen;
  int wert = 0;
  int ziffern = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == trenner) {
      if (ziffern == 0) return std::nullopt;
      zahlen.push_back(wert);
      wert = 0;
      ziffern = 0;
    } else if (text[i] >= '0' && text[i] <= '9' && ziffern < 4) {
      wert = wert * 10 + (text[i] - '0');
      ++ziffern;
    } else {
      return std::nullopt;
    }
  }
  return zahlen;
}

std::string_view OhneBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<int32_t> LiesDatumText(std::string_view text) {
  text = OhneBlanks(text);
  int j = 0, m = 0, t = 0;
  if (auto z = Zahlen(text, '.'); z && z->size() == 3) {
    t = (*z)[0];
    m = (*z)[1];
    j = (*z)[2];
    const std::size_t jahrZiffern = text.size() - text.rfind('.') - 1;
    if (jahrZiffern <= 2)
      j += j < 50 ? 2000 : 1900;
    else if (jahrZiffern != 4)
      return std::nullopt;
  } else if (auto z = Zahlen(text, '-'); z && z->size() == 3 && text.find('-') == 4) {
    j = (*z)[0];
    m = (*z)[1];
    t = (*z)[2];
  } else {
    return std::nullopt;
  }
  if (!DatumGueltig(j, m, t)) return std::nullopt;
  return TagesNummer(j, m, t);
}

std::string UhrzeitText(int32_t sekunden) {
  int32_t s = sekunden % 86400;
  if (s < 0) s += 86400;
  char puffer[16];
  std::snprintf(puffer, sizeof puffer, "%02d:%02d:%02d", s / 3600, (s / 60) % 60, s % 60);
  return puffer;
}

std::optional<int32_t> LiesUhrzeitText(std::string_view text) {
  auto z = Zahlen(OhneBlanks(text), ':');
  if (!z || z->size() < 2 || z->size() > 3) return std::nullopt;
  const int h = (*z)[0], m = (*z)[1], s = z->size() == 3 ? (*z)[2] : 0;
  if (h > 23 || m > 59 || s > 59) return std::nullopt;
  return h * 3600 + m * 60 + s;
}

const char* TagName(int wochentag, bool kurz) {
  static constexpr std::array<const char*, 7> kLang{"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                                    "Freitag", "Samstag",  "Sonntag"};
  static constexpr std::array<const char*, 7> kKurz{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  const auto i = static_cast<std::size_t>(std::clamp(wochentag, 1, 7) - 1);
  return kurz ? kKurz[i] : kLang[i];
}

const char* MonatsName(int monat, bool kurz) {
  static constexpr std::array<const char*, 12> kLang{"Januar",    "Februar", "März",     "April",
                                                     "Mai",       "Juni",    "Juli",     "August",
                                                     "September", "Oktober", "November", "Dezember"};
  static constexpr std::array<const char*, 12> kKurz{"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                     "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  const auto i = static_cast<std::size_t>(std::clamp(monat, 1, 12) - 1);
  return kurz ? kKurz[i] : kLang[i];
}

}  // namespace kolvar
