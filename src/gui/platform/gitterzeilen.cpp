#include "platform/gitterzeilen.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/gitter.h"

namespace kolvar {

int TGitterZeilen::Position(int spalte) const {
  const int p = gitter_.SpaltenPosition(spalte);
  return p >= 0 ? p : spalte;
}

void TGitterZeilen::Beginne(const std::vector<std::string>& koepfe, int zeilen, int spalten) {
  gitter_.Leeren();
  gitter_.SetzeSpalten(spalten >= 0 ? spalten : std::max<int>(1, static_cast<int>(koepfe.size())));
  gitter_.SetzeZeilen(std::max(zeilen, 1) + 1);
  gitter_.SetzeFesteZeilen(1);
  gitter_.SetzeFesteSpalten(0);
  elemente_.assign(static_cast<std::size_t>(gitter_.Zeilen()), nullptr);
  SetzeKoepfe(koepfe);
}

void TGitterZeilen::SetzeKoepfe(const std::vector<std::string>& koepfe) {
  for (std::size_t c = 0; c < koepfe.size(); ++c)
    gitter_.SetzeText(Position(static_cast<int>(c)), 0, QString::fromStdString(koepfe[c]));
}

void TGitterZeilen::NeueZeilen(int zeilen) {
  const int alt = gitter_.Zeilen();
  gitter_.SetzeZeilen(std::max(zeilen, 1) + 1);
  // Rows that stay are emptied; rows added come empty.
  for (int r = 1; r < std::min(alt, gitter_.Zeilen()); ++r)
    for (int c = 0; c < gitter_.Spalten(); ++c) {
      gitter_.SetzeText(c, r, QString());
      gitter_.SetzeObjekt(c, r, nullptr);
    }
  elemente_.assign(static_cast<std::size_t>(gitter_.Zeilen()), nullptr);
}

void TGitterZeilen::SetzeZeile(int zeile, const std::vector<std::string>& texte, void* element) {
  if (zeile < 1 || zeile >= gitter_.Zeilen()) return;
  for (std::size_t c = 0; c < texte.size(); ++c)
    gitter_.SetzeText(Position(static_cast<int>(c)), zeile, QString::fromStdString(texte[c]));
  elemente_.resize(std::max<std::size_t>(elemente_.size(), static_cast<std::size_t>(gitter_.Zeilen())),
                   nullptr);
  elemente_[static_cast<std::size_t>(zeile)] = element;
  gitter_.SetzeObjekt(Position(objektSpalte_), zeile, element);
}

void TGitterZeilen::SetzeText(int spalte, int zeile, const std::string& text) {
  gitter_.SetzeText(Position(spalte), zeile, QString::fromStdString(text));
}

void* TGitterZeilen::Element(int zeile) const {
  if (zeile < 1 || zeile >= gitter_.Zeilen() || zeile >= static_cast<int>(elemente_.size())) return nullptr;
  return elemente_[static_cast<std::size_t>(zeile)];
}

std::string TGitterZeilen::Text(int spalte, int zeile) const {
  return gitter_.Text(Position(spalte), zeile).toStdString();
}

int TGitterZeilen::BreitenNachText(const QFontMetrics& mass, int rand, int mindest) {
  int summe = 0;
  for (int c = 0; c < gitter_.Spalten(); ++c) {
    int b = mindest;
    for (int r = 0; r < gitter_.Zeilen(); ++r)
      b = std::max(b, mass.horizontalAdvance(gitter_.Text(c, r)) + rand);
    gitter_.SetzeSpaltenBreite(c, b);
    summe += b;
  }
  return summe;
}

std::vector<std::vector<std::string>> TGitterZeilen::Texte(int oben, int unten, bool nurMitElement) const {
  std::vector<std::vector<std::string>> zeilen;
  for (int r = std::max(oben, 1); r <= unten && r < gitter_.Zeilen(); ++r) {
    if (nurMitElement && Element(r) == nullptr) continue;
    std::vector<std::string> texte;
    for (int c = 0; c < gitter_.Spalten(); ++c) texte.push_back(gitter_.Text(c, r).toStdString());
    zeilen.push_back(std::move(texte));
  }
  return zeilen;
}

std::vector<std::vector<std::string>> TGitterZeilen::AusgewaehlteTexte(bool nurMitElement) const {
  const TGitterAuswahl a = gitter_.Auswahl();
  if (a.Leer()) return {};
  return Texte(a.oben, a.unten, nurMitElement);
}

}  // namespace kolvar
