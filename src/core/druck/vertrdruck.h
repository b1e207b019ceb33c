#pragma once
// The substitution plan printout of one date: per chosen preset the substitution plan and the
// substitute-room plan, with the general remarks and the lists of absent teachers, classes and
// rooms. The same layout goes onto a drawing surface or, for the clipboard, into tab-separated
// lines (each group header a line of its own).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TElement;
class TSchule;
class TVertretung;

// "Montag, 2. Mrz 2026": German names whatever the machine's locale.
std::string VertrPlanDatumText(int32_t datum);

class TVertrDruck {
 public:
  // bemerkungen: the general remark lines shown in the dialog.
  TVertrDruck(const TSchule& schule, const TVertretungsDruckOptionen& optionen,
              std::vector<std::string> bemerkungen, int32_t datum);

  // Records every chosen preset onto a surface whose page 1 is current.
  void Drucke(IZeichenflaeche& flaeche);
  // The same content as lines of tab-separated fields.
  std::vector<std::string> Text();

  // The needed records of the date of one kind in the order the preset's order field chooses.
  std::vector<TVertretung*> Liste(uint8_t art, int ordnung) const;
  // "fehlende Lehrer:" ... : the entries "element<TAB>first - last" of one absence list.
  std::vector<std::string> Fehlende(int art, const TVertrDruckEinstellung& vorgabe) const;

 private:
  enum class TFeld {
    Periode,
    Lehrer,
    KlasseKopplung,
    Fach,
    Raum,
    Kopplung,
    Pfeil,
    Vertreter,
    Ersatzraum,
    Rest
  };
  struct TEintrag {
    TFeld feld;
    std::string text;
  };

  void Lauf();
  void Vorgabe(const TVertrDruckEinstellung& v);
  void Miss(const TVertrDruckEinstellung& v);
  void Kopf();
  void Titel(const std::string& titel);
  void Regel();
  void DruckeFehlende(const TVertrDruckEinstellung& v);
  void Gruppe(const std::string& text);
  void Zeile(const std::vector<TEintrag>& eintraege);
  void Platz();
  void DruckeVertretungsplan(const TVertrDruckEinstellung& v);
  void DruckeErsatzraumplan(const TVertrDruckEinstellung& v);
  void NachKlassen(const std::vector<TVertretung*>& liste, bool raum);

  std::string LehrerText(const TElement* l) const;
  std::string KlasseText(const TVertretung& r) const;
  std::string VertreterText(const TVertretung& r) const;
  std::string RaumText(const TVertretung& r) const;
  std::string Periode(const TVertretung& r) const;
  std::string Bemerkung(const TVertretung& r) const;
  int Breite(TFeld feld) const;

  const TSchule& schule_;
  TVertretungsDruckOptionen o_;
  std::vector<std::string> bemerkungen_;
  int32_t datum_;
  const TVertrDruckEinstellung* v_ = nullptr;

  IZeichenflaeche* f_ = nullptr;
  std::vector<std::string>* text_ = nullptr;
  std::string titel_;
  int rand_ = 0, cm_ = 0, h_ = 0, y_ = 0;
  std::array<int, 8> breiten_{};  // Periode .. Pfeil
};

}  // namespace kolvar
