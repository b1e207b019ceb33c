// The two ways a window opens. An element's window: the element's own window comes to the
// front, else the active window of the kind showing another element takes the element over
// (unless a window of its own is wanted), else the registry builds a new one. A single window:
// the open one comes to the front, else the registry builds it. zeige fills and opens a window
// that was built or taken over; each kind shows it its own way.
#pragma once

#include "model/element.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/kindfenster.h"

namespace kolvar {

// zeige(form, uebernommen) gets whether the window was taken over from another element; null
// when the element has no window of the kind (none registered).
template <typename Form, typename Zeige>
Form* OeffneElementFensterDerArt(const TFensterArtRegister& arten, TSchule& schule, int art,
                                 TElement& element, IFenster* eigenes, bool neu, Zeige zeige) {
  auto* aktiv = dynamic_cast<Form*>(schule.AktivesFenster());
  if (aktiv != nullptr && (aktiv->Tag() != art || aktiv->Element() == &element)) aktiv = nullptr;

  auto* fenster = dynamic_cast<Form*>(eigenes);
  if (fenster == nullptr) {
    const bool uebernehmen = !neu && aktiv != nullptr;
    fenster = uebernehmen ? aktiv : arten.Baue<Form>(art);
    if (fenster == nullptr) return nullptr;
    zeige(*fenster, uebernehmen);
  } else {
    fenster->NachVorn();
    if (!neu && aktiv != nullptr && aktiv != fenster) aktiv->Schliesse();
  }
  return fenster;
}

// The slot's open window, or a new one the registry builds (neu then set, the window not yet
// open); null when none is registered.
template <typename Form>
Form* EinzelFensterDerArt(const TFensterArtRegister& arten, TSchule& schule, int art, bool& neu) {
  auto* fenster = dynamic_cast<Form*>(schule.EinzelFenster(art));
  neu = fenster == nullptr;
  return neu ? arten.Baue<Form>(art) : fenster;
}

// zeige(form) fills and opens the new window; the open one only comes to the front. Null when
// none is registered.
template <typename Form, typename Zeige>
Form* OeffneEinzelFenster(const TFensterArtRegister& arten, TSchule& schule, int art, Zeige zeige) {
  bool neu = false;
  auto* fenster = EinzelFensterDerArt<Form>(arten, schule, art, neu);
  if (fenster == nullptr) return nullptr;
  if (neu)
    zeige(*fenster);
  else
    fenster->NachVorn();
  return fenster;
}

}  // namespace kolvar
