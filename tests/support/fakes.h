#pragma once
// Recording, scripted stand-ins for the platform services the core calls: windows, dialogs,
// the palette state and the clock.

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/element.h"
#include "model/idialoge.h"
#include "model/ifenster.h"
#include "model/ipalettezustand.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/uhr.h"

namespace kolvar {

// Answers questions from a script (then with the default answer) and records every request.
class TFakeDialoge : public IDialoge {
 public:
  struct Anfrage {
    TDialog Art;
    std::vector<std::string> Texte;
    bool Frage;
  };
  int Frage(TDialog art, const std::vector<std::string>& texte) override;
  void Melde(TDialog art, const std::vector<std::string>& texte) override;

  void Antworte(int antwort) { antworten.push_back(antwort); }
  int Anzahl(TDialog art) const;

  std::deque<int> antworten;
  int standardAntwort = Modal::Nein;
  std::vector<Anfrage> anfragen;
};

class TFakePalette : public IPaletteZustand {
 public:
  uint8_t Tasten() const override { return tasten; }
  bool Beschaeftigt() const override { return beschaeftigt; }
  void SetzeBeschaeftigt(bool an) override { beschaeftigt = an; }
  bool UndoAufzeichnen() const override { return undo; }
  void SetzeUndoAufzeichnen(bool an) override { undo = an; }
  std::string AblageText() const override { return ablage; }
  void SetzeSichernAktiv(bool an) override { sichern = an; }
  void SetzeWiderrufenAktiv(bool an) override { widerrufen = an; }

  uint8_t tasten = 0;
  bool beschaeftigt = false;
  bool undo = false;
  std::string ablage;
  bool sichern = false;
  bool widerrufen = false;
};

class TFesteUhr : public Uhr {
 public:
  explicit TFesteUhr(int64_t jetzt = int64_t{45000} * 86400) : jetzt(jetzt) {}
  int64_t Jetzt() const override { return jetzt; }
  int64_t jetzt;
};

// A window that records what the core asked of it. Anmelden registers it like a real window:
// in the school's list, in its element's slot for its kind, or in its single-window slot.
template <typename Schnittstelle>
class TFakeFensterBasis : public Schnittstelle {
 public:
  TFakeFensterBasis(TSchule& schule, int tag, TElement* element = nullptr, TKurs* kurs = nullptr)
      : schule_(&schule), tag_(tag), element_(element), kurs_(kurs) {}

  void Anmelden() {
    schule_->MeldeFensterAn(this);
    if (element_) {
      if (tag_ >= 61 && tag_ <= 66)
        element_->SetzeGrForm(this);
      else if ((tag_ >= 16 && tag_ <= 20) || tag_ == 12)
        element_->SetzeDepForm(this);
      else if (tag_ >= 9 && tag_ <= 11)
        if (auto* pe = dynamic_cast<TPlanElement*>(element_)) pe->SetzePlnForm(this);
    }
    if (int slot = EinzelSlot(); slot >= 0)
      schule_->SetzeEinzelFenster(static_cast<TEinzelFenster>(slot), this);
  }

  int Tag() const override { return tag_; }
  std::string Titel() const override { return "Fenster " + std::to_string(tag_); }
  TElement* Element() const override { return element_; }
  TKurs* Kurs() const override { return kurs_; }
  void Aktualisiere() override {
    ++aktualisiert;
    if (beimAktualisieren) beimAktualisieren();
  }
  void ZeigeWerte() override { ++werteGezeigt; }
  void NeuZeichnen() override { ++neuGezeichnet; }
  void SetzeCursorNachModus(int modus, uint8_t) override { cursorModus = modus; }
  void KursWirdGeloescht(TKurs* k) override {
    geloeschteKurse.push_back(k);
    if (k == kurs_) Schliesse();
  }
  void Schliesse() override {
    if (geschlossen) return;
    geschlossen = true;
    schule_->MeldeFensterAb(this);
  }

  int aktualisiert = 0;
  int werteGezeigt = 0;
  int neuGezeichnet = 0;
  int cursorModus = -1;
  bool geschlossen = false;
  std::vector<TKurs*> geloeschteKurse;
  std::function<void()> beimAktualisieren;

 protected:
  int EinzelSlot() const {
    switch (tag_) {
      case FensterArt::KursDep:
        return static_cast<int>(TEinzelFenster::KursDep);
      case FensterArt::Kurs:
        return static_cast<int>(TEinzelFenster::Kurs);
      case FensterArt::Fehler:
        return static_cast<int>(TEinzelFenster::Fehler);
      case FensterArt::LeStat:
        return static_cast<int>(TEinzelFenster::LeStat);
      case FensterArt::KlStat:
        return static_cast<int>(TEinzelFenster::KlStat);
      case FensterArt::KoStat:
        return static_cast<int>(TEinzelFenster::KoStat);
      case FensterArt::FaStat:
        return static_cast<int>(TEinzelFenster::FaStat);
      case FensterArt::RaStat:
        return static_cast<int>(TEinzelFenster::RaStat);
      case FensterArt::UVStat:
        return static_cast<int>(TEinzelFenster::UVStat);
      case FensterArt::SV:
        return static_cast<int>(TEinzelFenster::SV);
      case FensterArt::Par:
        return static_cast<int>(TEinzelFenster::Par);
      case FensterArt::Manuell:
        return static_cast<int>(TEinzelFenster::Manuell);
      case FensterArt::Vertr:
        return static_cast<int>(TEinzelFenster::Vertr);
      case FensterArt::VLeWahl:
        return static_cast<int>(TEinzelFenster::VLeWahl);
      case FensterArt::VRaWahl:
        return static_cast<int>(TEinzelFenster::VRaWahl);
      case FensterArt::Zwischen:
        return static_cast<int>(TEinzelFenster::Zwischen);
      case FensterArt::VStat:
        return static_cast<int>(TEinzelFenster::VStat);
      default:
        return -1;
    }
  }

  TSchule* schule_;
  int tag_;
  TElement* element_;
  TKurs* kurs_;
};

using TFakeFenster = TFakeFensterBasis<IFenster>;

class TFakeStatFenster : public TFakeFensterBasis<IStatFenster> {
 public:
  using TFakeFensterBasis::TFakeFensterBasis;
  void StatistikZeileFuellen(int zeile) override { zeilen.push_back(zeile); }
  std::vector<int> zeilen;
};

class TFakeManuellFenster : public TFakeFensterBasis<IManuellFenster> {
 public:
  explicit TFakeManuellFenster(TSchule& schule) : TFakeFensterBasis(schule, FensterArt::Manuell) {}
  void ModusGeaendert() override { ++modusGeaendert; }
  void NimmKursAuf(TKurs* k) override {
    if (kurse.Position(k) == 0) kurse.Haenge(k);
  }
  void EntferneKurs(TKurs* k) override {
    kurse.Entferne(k);
    if (kurse.Leer()) Schliesse();
  }
  int modusGeaendert = 0;
  TListe<TKurs> kurse;
};

}  // namespace kolvar
