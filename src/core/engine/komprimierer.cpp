#include "engine/komprimierer.h"

#include <algorithm>

#include "engine/planweit.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

void TKomprimierer::Zeige(TKlasse* klasse, int v) {
  klasse_ = klasse;
  version_ = v;
  letzte_.fill(0);
  maximum_ = 0;
  luecken_ = klasse ? klasse->ZaehleLuecken(v, letzte_, maximum_) : 0;
}

int TKomprimierer::StartVersion() const {
  const TStandard& st = schule_.Standard();
  return st.eaw() ? st.AktuelleVersion() : 1;
}

void TKomprimierer::KomprimiereKlasse(TKlasse& klasse) {
  const TPlanweit planweit(schule_);
  const TStandard& st = schule_.Standard();
  if (klasse_ != &klasse) Zeige(&klasse, version_);
  if (st.eaw()) {
    KompKlasse(st.AktuelleVersion());
    return;
  }
  for (int v = 1; v <= st.mwn() && !halt_; ++v) KompKlasse(v);
}

void TKomprimierer::KompKlasse(int v) {
  if (halt_ || klasse_ == nullptr) return;
  if (v != version_) Zeige(klasse_, v);
  naechste_ = false;
  const int tage = std::clamp(schule_.Standard().mtn, 0, kTage);
  for (int d = 1; d <= tage; ++d)
    for (int p = maximum_ - 1; p >= 1; --p) {
      if (halt_ || naechste_) return;
      if (klasse_->Belegung().Belegt(v, d, p) || klasse_->Sperrung().Belegt(v, d, p)) continue;
      gefunden_ = false;
      schritte_ = 0;
      KompSuche(1, d, p);
      if (!gefunden_ && schritte_ >= SuchSchritte) ++aufgegeben_;
      if (gefunden_) {
        gefunden_ = false;
        Zeige(klasse_, v);
        if (LueckenGeaendert) LueckenGeaendert(luecken_);
      }
    }
}

void TKomprimierer::KompSuche(int tiefe, int td, int tp) {
  const int tage = std::clamp(schule_.Standard().mtn, 0, kTage);
  const int v = version_;
  for (int p = kStunden; p >= 1; --p)
    for (int d = 1; d <= tage; ++d) {
      // On the last level only a day's last lesson can end the chain; any other move would be
      // undone at once.
      const bool umsonst = tiefe >= kTiefe && p != letzte_[static_cast<std::size_t>(d)];
      if (TSetzung* s = umsonst ? nullptr : KompVerschiebbar(td, tp, d, p)) {
        TKurs& k = s->Kurs();
        TRaum* raum = s->Raum();
        k.EntferneSetzung(s);
        TSetzung* neu = k.Setze(v, td, raum, tp);
        if (neu != nullptr) {
          ++verschiebungen_;
          if (p == letzte_[static_cast<std::size_t>(d)]) {
            gefunden_ = true;
          } else {
            KompSuche(tiefe + 1, d, p);
            if (!gefunden_) {
              // The deeper levels may have moved this very lesson away and back, freeing neu on
              // the way: take back whatever now holds the slot.
              if (TSetzung* jetzt = k.FindeSetzung(v, td, tp)) k.EntferneSetzung(jetzt);
              --verschiebungen_;
            }
          }
        }
        // The chain failed or was stopped: the lesson goes back where it was.
        if (!gefunden_ && k.Setze(v, d, raum, p) == nullptr) k.NeueSetzung(v, d, p, raum, false);
      }
      ++schritte_;
      if (Abbruch && Abbruch()) halt_ = true;
      if (!Weiter()) return;
    }
}

TSetzung* TKomprimierer::KompVerschiebbar(int td, int tp, int d, int p) const {
  const int v = version_;
  if (klasse_ == nullptr || !klasse_->Belegung().Belegt(v, d, p)) return nullptr;
  TSetzung* s = klasse_->SetzungAn(v, d, p);
  if (s == nullptr || s->Fixiert()) return nullptr;
  const TKurs& k = s->Kurs();
  if (k.Kopplung() != nullptr) return nullptr;
  const TStandard& st = schule_.Standard();
  if (d != td && !st.kmpb && k.HatSetzungAmTag(v, td)) return nullptr;
  if (!st.kmpm && ((p > 1 && k.HatSetzung(v, d, p - 1)) || (p < kStunden && k.HatSetzung(v, d, p + 1))))
    return nullptr;
  return k.KannSetzen(v, td, s->Raum(), tp) ? s : nullptr;
}

}  // namespace kolvar
