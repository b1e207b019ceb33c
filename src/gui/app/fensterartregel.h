// What the kind of the active window means for the palette: which buttons and menu entries it
// enables, the view group it sets, the tool modes that fall back to "Zeigen"; and which element
// list an element window walks through.
#pragma once

#include "model/element.h"

namespace kolvar {

struct TArtRegel {
  bool alles, pfeile, setz, loesch, schieb, fix, neueUE, ueLoesch, manuell, automat;
  int ansicht;         // view group the palette sets, -1 unchanged
  unsigned rueckfall;  // modes (bits) that fall back to Zeigen
  bool manuellEintrag = true;
};

// The rule of a window kind; null for kinds without one (dialogs, unknown kinds).
const TArtRegel* RegelFuer(int tag);
// The element list of an element window's kind; false for other kinds.
bool ListeDerArt(int tag, TElementArt& art);

}  // namespace kolvar
