#include "ansicht/leerlauf.h"

#include "model/standard.h"

namespace kolvar {

TLeerlauf::TLeerlauf(ILeerlaufZiel& ziel, TStandard& standard, int64_t jetzt)
    : ziel_(ziel),
      standard_(standard),
      basis_(jetzt),
      gesehen_(standard.LetzteSicherungsZeit),
      letzteEingabe_(jetzt) {}

void TLeerlauf::BeendeWennAngefordert(bool unterbrechbar) {
  if (!beendenAngefordert_ || frageOffen_ || pauseOffen_ || ziel_.FrageOffen() || !unterbrechbar) return;
  frageOffen_ = true;
  if (ziel_.Beende()) return;
  // Kept open: both marks go, or neither the reminder nor a later end could ever come again.
  frageOffen_ = false;
  beendenAngefordert_ = false;
}

void TLeerlauf::AppIdle(int64_t jetzt, int64_t tageszeit) {
  if (standard_.LetzteSicherungsZeit != gesehen_) {
    gesehen_ = standard_.LetzteSicherungsZeit;
    basis_ = jetzt;
  }
  // Input since the wait ran out (answering a question, say) takes the screen back; only a
  // wish made through PauseMachen outlasts it.
  const bool pauseFaellig = jetzt - letzteEingabe_ >= pauseNach_;

  if (beendenAngefordert_) {
    BeendeWennAngefordert(ziel_.Unterbrechbar());
  } else if ((pauseGewuenscht_ || pauseFaellig) && !frageOffen_ && !pauseOffen_ && !ziel_.FrageOffen() &&
             ziel_.Unterbrechbar()) {
    pauseOffen_ = true;
    ziel_.ZeigePause();
    pauseOffen_ = false;
    pauseGewuenscht_ = false;
    letzteEingabe_ = jetzt;
  }

  const int spz = standard_.spz;
  if (spz < 1 || frageOffen_ || pauseOffen_ || ziel_.FrageOffen()) return;
  if (jetzt - basis_ <= int64_t{spz} * 60 * 1000) return;
  basis_ = jetzt;
  standard_.SetLetzteSicherungsZeit(tageszeit);
  gesehen_ = tageszeit;
  frageOffen_ = true;
  ziel_.ErinnereSichern();
  frageOffen_ = false;
}

}  // namespace kolvar
