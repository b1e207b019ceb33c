#include "engine/ablage.h"

#include "model/text.h"

namespace kolvar {

std::vector<std::string> AblageZeilen(std::string_view text) {
  std::vector<std::string> zeilen;
  std::string zeile;
  bool offen = false;  // a line has begun since the last line end
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      zeilen.push_back(std::move(zeile));
      zeile.clear();
      offen = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      zeile += c;
      offen = true;
    }
  }
  if (offen) zeilen.push_back(std::move(zeile));
  return zeilen;
}

namespace {

bool EineZeileKuerzerAls(std::string_view text, int grenze) {
  const std::vector<std::string> zeilen = AblageZeilen(text);
  return zeilen.size() == 1 && TextLaenge(zeilen[0]) < grenze;
}

bool IstKurszeile(const std::string& zeile) {
  if (zeile.empty()) return false;
  std::vector<std::string> felder;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = zeile.find('\t', start);
    felder.push_back(zeile.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  if (felder.size() != 14) return false;
  for (std::size_t f = 0; f < felder.size(); ++f) {
    const int laenge = TextLaenge(felder[f]);
    int grenze = 7;
    if (f >= 2 && f <= 6) grenze = 8;
    if (f == 7) grenze = 22;
    if (f == 13) grenze = 6;
    if (laenge >= grenze) return false;
    if (felder[0].empty() && f != 4 && f != 6 && laenge > 0) return false;
  }
  return true;
}

}  // namespace

bool AblageIstName(std::string_view text) {
  return EineZeileKuerzerAls(text, kNamenLaenge + 1);
}

bool AblageIstBemerkung(std::string_view text) {
  return EineZeileKuerzerAls(text, kBemerkungLaenge + 1);
}

bool AblageIstKursliste(std::string_view text) {
  for (const std::string& zeile : AblageZeilen(text))
    if (!IstKurszeile(zeile)) return false;
  return true;
}

}  // namespace kolvar
