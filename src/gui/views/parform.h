// TParForm: the parallel-couplings window. Every row is a group of couplings to be taught at the
// same time; column 0 counts the teachers a row needs twice. The pop-ups put couplings into
// cells, fill a column from a class, list a row's clashes or its free common slots, and place
// the row at a chosen slot; the tool mode empties, fixes and drags cells. What it decides is the
// core's TParTabelle; the window draws it and turns mouse events into its calls.
#pragma once

#include <QPoint>
#include <cstdint>
#include <vector>

#include "engine/partabelle.h"
#include "model/imenue.h"
#include "platform/kindfenster.h"

namespace kolvar {

class IPalette;
class TGitter;

class TParForm : public TKindFenster {
  Q_OBJECT

 public:
  TParForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);

  TGitter* Gitter() const { return gitter_; }
  TParTabelle& Tabelle() { return tabelle_; }
  const TParTabelle& Tabelle() const { return tabelle_; }

  // Builds the table from the settings ("pze", "psp", "pue"), sizes the window and counts.
  void Baue();
  // The cells stay; couplings the school lost leave them, every row is recounted and redrawn.
  void Aktualisiere() override;
  void NeuZeichnen() override;
  // Any change set: a deleted coupling must leave the cells before the next paint, and any
  // course change may change a count or the italics.
  void Aenderungen(const TAenderungen&) override;
  // The table through the palette's print requests ("Fenster drucken...").
  void Drucke();
  // Every tool mode has its cursor over the table.
  void SetzeCursorNachModus(int modus, std::uint8_t tasten) override;

  // "Suche Lösung" on this table; afterwards every row is recounted.
  void SucheLoesung();

  // The grid's mouse handlers (public so that tests reach them directly).
  void GitterRechtsklick(int spalte, int zeile, QPoint global);
  void GitterKlick(int spalte, int zeile);
  void GitterDoppelklick(int spalte, int zeile);
  void GitterGedrueckt(int spalte, int zeile, Qt::MouseButton knopf);
  void GitterZiehenEnde(int vonSpalte, int vonZeile, int zuSpalte, int zuZeile);

  // The pop-up of a row header with count 0: one item per school day, one sub-item per shown
  // period, each placing the row there; empty when no course of the row has open hours.
  std::vector<TMenueEintrag> StundenMenue(int zeile, bool ohneRaeume);
  // The result of the last placing from the slot pop-up.
  const TParTabelle::TPlatzierung& LetztePlatzierung() const { return platzierung_; }

 protected:
  void FormClose(TCloseAction& aktion) override;

 private:
  void SpaltenEinpassen();
  void SpalteEinpassen(int spalte);
  // Counts the row's clashes into column 0 and stores the table.
  void Zaehle(int zeile);
  void ZaehleAlle();
  void ZeigeZelle(int zeile, int spalte);
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r) const;
  std::uint8_t Tasten() const;
  bool Daten(int spalte, int zeile) const;

  IPalette* palette_;
  TParTabelle tabelle_;
  TGitter* gitter_;
  TParTabelle::TPlatzierung platzierung_;
  QPoint rechtsGedrueckt_{-1, -1};  // the cell a right button went down on
};

}  // namespace kolvar
