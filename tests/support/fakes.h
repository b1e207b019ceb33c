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
// the school lists it and puts it into the slot of its kind. It counts what the change sets
// made it do (the default reaction of IFenster) and how many sets reached it.
template <typename Schnittstelle>
class TFakeFensterBasis : public Schnittstelle {
 public:
  TFakeFensterBasis(TSchule& schule, int tag, TElement* element = nullptr, TKurs* kurs = nullptr)
      : schule_(&schule), tag_(tag), element_(element), kurs_(kurs) {}

  void Anmelden() { schule_->MeldeFensterAn(this); }

  int Tag() const override { return tag_; }
  std::string Titel() const override { return "Fenster " + std::to_string(tag_); }
  TElement* Element() const override { return element_; }
  TKurs* Kurs() const override { return kurs_; }
  void Aenderungen(const TAenderungen& a) override {
    ++saetze;
    Schnittstelle::Aenderungen(a);
  }
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

  int saetze = 0;
  int aktualisiert = 0;
  int werteGezeigt = 0;
  int neuGezeichnet = 0;
  int cursorModus = -1;
  bool geschlossen = false;
  std::vector<TKurs*> geloeschteKurse;
  std::function<void()> beimAktualisieren;

 protected:
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
