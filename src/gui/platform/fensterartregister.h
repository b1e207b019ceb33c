// What each window kind does in the GUI, keyed by the kind table's tag: how a window of the kind
// is built, how an element (or a saved window) opens it, and its window commands
// ("Fenster drucken...", "Ausschneiden", "Kopieren", "Einsetzen", "Alles auswählen", "Automat").
// Features register their kinds; whoever opens or commands a window asks here, so no caller
// decides by the number of a kind. Every form of the program that prints, copies or selects does
// so through its kind's entry, typed to its form; the window's own methods are only the fallback
// for windows of a kind without one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>

#include "model/fensterart.h"
#include "platform/kindfenster.h"

namespace kolvar {

class TElement;

// A window of class Form, handed out as its base Basis: the builder in a feature's table of kinds.
template <typename Basis, typename Form>
Basis* NeuesFenster(TSchule& schule, IPalette* palette, QWidget* eltern) {
  return new Form(schule, palette, eltern);
}

enum class TFensterBefehl : std::uint8_t {
  Drucken,
  Kopieren,
  AllesAuswaehlen,
  Ausschneiden,
  Einsetzen,
  Automat
};
inline constexpr std::size_t kFensterBefehle = 6;

class TFensterArtRegister {
 public:
  // A new window of the kind, not yet open.
  using TBauer = std::function<TKindFenster*()>;
  // Opens (or brings up) the kind's window for the element (null for kinds without one, and for
  // the windows a school file reopens); tasten is the shift state that asks for a window of its
  // own.
  using TOeffner = std::function<void(TElement* element, std::uint8_t tasten)>;
  // A window command, given the active window of the kind.
  using TBefehl = std::function<void(TKindFenster& fenster)>;

  // The kind's builder and, where an element or a saved window opens it, its opener; form names
  // the window class and must be the kind table's. A kind without a row, a wrong form or a
  // second registration is a programming error (std::logic_error).
  void Registriere(int art, const char* form, TBauer bauer, TOeffner oeffner = {});
  // The kind's command, for every window of the kind; without one the window's own method runs
  // ("Fenster drucken...", "Kopieren", "Alles auswählen") or nothing ("Ausschneiden",
  // "Einsetzen", "Automat"). A second entry for one kind and command is a programming error
  // (std::logic_error), as a second builder is.
  void SetzeBefehl(int art, TFensterBefehl befehl, TBefehl ausfuehren) {
    Setze(art, befehl, std::move(ausfuehren), nullptr);
  }
  // The same, given the window as its form: the one cast lives here, not in every installer. A
  // window of the kind that is not a Form (none the program builds) is left alone.
  template <typename Form>
  void SetzeBefehl(int art, TFensterBefehl befehl, std::function<void(Form&)> ausfuehren) {
    if (!ausfuehren) throw std::logic_error("leerer Befehl");
    Setze(art, befehl, TBefehl([ausfuehren = std::move(ausfuehren)](TKindFenster& fenster) {
            if (auto* form = dynamic_cast<Form*>(&fenster)) ausfuehren(*form);
          }),
          &IstForm<Form>);
  }
  bool HatBefehl(int art, TFensterBefehl befehl) const;
  // Whether the kind's entry for the command acts on the window: an entry typed to a form takes
  // only windows of that form, an untyped one every window. False without an entry.
  bool NimmtFenster(int art, TFensterBefehl befehl, const TKindFenster& fenster) const;

  bool HatBauer(int art) const;
  bool HatOeffner(int art) const;
  // Whether some element window of the view group can be opened.
  bool HatElementOeffner(int gruppe) const;
  // A new window of the kind; nullptr when none is registered.
  TKindFenster* Baue(int art) const;
  template <typename Form>
  Form* Baue(int art) const {
    TKindFenster* fenster = Baue(art);
    auto* form = dynamic_cast<Form*>(fenster);
    if (form == nullptr) delete fenster;
    return form;
  }
  // False when the kind has no opener.
  bool Oeffne(int art, TElement* element, std::uint8_t tasten) const;
  // The element's window of the view group (FensterArtFuer); false when none opens.
  bool OeffneElement(TElement* element, int gruppe, std::uint8_t tasten) const;
  // Runs the command of the window's kind on it; false when neither the kind nor the window has
  // one, so the caller answers for the kinds that take no cut or paste.
  bool FuehreAus(TFensterBefehl befehl, TKindFenster& fenster) const;
  // The same for the school's active window; false when there is none.
  bool FuehreAus(TFensterBefehl befehl, IFenster* aktiv) const;

  // Told after each kind with an opener is registered (the element menus follow).
  std::function<void(int art)> BeiNeuemOeffner;

 private:
  // Whether a window is the form a typed entry was set for; null for an untyped entry.
  using TFormPruefung = bool (*)(const TKindFenster& fenster);
  template <typename Form>
  static bool IstForm(const TKindFenster& fenster) {
    return dynamic_cast<const Form*>(&fenster) != nullptr;
  }
  void Setze(int art, TFensterBefehl befehl, TBefehl ausfuehren, TFormPruefung form);

  struct TEintrag {
    TBauer bauer;
    TOeffner oeffner;
    std::array<TBefehl, kFensterBefehle> befehle;
    std::array<TFormPruefung, kFensterBefehle> formen{};
  };
  const TEintrag* Eintrag(int art) const;

  std::array<TEintrag, FensterArt::Grenze> eintraege_{};
};

}  // namespace kolvar
