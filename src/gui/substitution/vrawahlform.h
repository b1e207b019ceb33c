// TVRaWahlForm "Ersatzraumwahl": edits the substitute room of one room substitution: the free
// rooms (the core's filters) with their day bars, a day plan, "Ersatzraum", "Löschen" and the
// two remarks. The record may go while a room is set (its room's own absence taken back); the
// window then closes and touches nothing more.
#pragma once

#include <functional>
#include <vector>

#include "ansicht/wahlfenstermass.h"
#include "platform/kindfenster.h"
#include "substitution/ivertrfenster.h"
#include "substitution/vertrvorschlag.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvar {

class IPalette;
class TGitter;
struct TZellZustand;
class TTagesplan;
class TVertretung;

class TVRaWahlForm : public TKindFenster, public IVertrWahlFenster {
  Q_OBJECT

 public:
  TVRaWahlForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TVRaWahlForm() override;

  QLabel* StdFeld = nullptr;
  QPushButton* ErsatzraumKnopf = nullptr;
  QLabel* RaumLabel = nullptr;
  QPushButton* LoeschKnopf = nullptr;
  TTagesplan* Tagesplan = nullptr;
  TGitter* RaumGrid = nullptr;
  QLineEdit* LBemFeld = nullptr;
  QLineEdit* SBemFeld = nullptr;

  // Clears the palette's element choice after a pop-up chose from it (set by the installer).
  std::function<void(TElementArt)> WahlZuruecksetzen;

  TVertretung* Vertretung() const override { return vertretung_; }
  void SetzeVertretung(TVertretung* v);
  void FuelleRaumListe();
  void ZeigeVertretung();
  const std::vector<TRaumVorschlag>& Vorschlaege() const { return vorschlaege_; }
  int ZeileVon(const TRaum* r) const;

  void RaumGridDblClick(int zeile);
  void ErsatzraumKnopfClick();
  void LoeschKnopfClick();
  // A room chosen by the user: SetzeErsatzraum with its warnings.
  void WaehleRaum(TRaum* r);

  // IFenster
  void Aktualisiere() override;
  bool Blaettere(bool vorwaerts) override;

 protected:
  void FormClose(TCloseAction& aktion) override;

 private:
  void Binde(TVertretung* v);
  TWahlFensterMass Mass() const;
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) const;

  IPalette* palette_;
  TVertretung* vertretung_ = nullptr;
  std::vector<TRaumVorschlag> vorschlaege_;
};

}  // namespace kolvar
