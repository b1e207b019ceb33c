// TVertrForm "Vertretungen": the substitution records of one working date in the order of the
// school's list. A double click opens the substitute choice of a record (or, in the tool mode
// "Löschen", deletes it); the buttons open the absence entry of the date; the palette's arrows
// step to the previous or next school day. Rows and their looks are the core's (VertrZeilen).
#pragma once

#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/kindfenster.h"
#include "platform/textspalte.h"
#include "substitution/ivertrfenster.h"
#include "substitution/vertrzeile.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace kolvar {

class IPalette;
class TFehl;
class TGitter;
class TGitterZeilen;
struct TZellZustand;
class TVertretung;

// What the absence entry is asked for: kind 0 teachers, 1 classes, 4 rooms.
struct TFehlAnfrage {
  int Art = -1;
  int32_t Datum = 0;
  TFehl* Fehl = nullptr;  // the absence to select, or null
};

class TVertrForm : public TKindFenster, public IVertrTagFenster {
  Q_OBJECT

 public:
  // The absence entry of the request (FehlAnfrage()); the absence feature provides it.
  using TFehlEingabe = std::function<void()>;
  // The substitute choice of a record (kind 0 teacher, kind 4 room).
  using TWahlOeffner = std::function<void(TVertretung* v)>;

  TVertrForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TVertrForm() override;

  TGitter* VertrGrid = nullptr;
  QLabel* DatumLabel = nullptr;
  QButtonGroup* SortGroup = nullptr;
  QPushButton* LehrerKnopf = nullptr;
  QPushButton* KlassenKnopf = nullptr;
  QPushButton* RaumKnopf = nullptr;
  TFehlEingabe FehlEingabe;
  TWahlOeffner WahlOeffner;
  // "Fenster drucken": the substitution plan of the shown date.
  std::function<void()> Drucken;
  void Drucke() {
    if (Drucken) Drucken();
  }

  int32_t VertrDatum() const override { return datum_; }
  const TFehlAnfrage& FehlAnfrage() const { return anfrage_; }
  void SetzeVertrDatum(int32_t datum);
  void FuelleVertrGrid();
  // A click in the sort group: the whole school list in the new order.
  void SortiereVertretungen(int vsa);
  void WaehleZeile(int zeile);
  // Selects the row of the record when it is shown.
  void WaehleVertretung(const TVertretung* v);
  int GetZeilenzahl() const;
  // The record of a row (1-based), or null.
  TVertretung* VertretungIn(int zeile) const;
  const std::vector<TVertrZeile>& Zeilen() const { return zeilen_; }

  // The grid's handlers (mouse up and double click on the remembered row).
  void VertrGridKlick(int spalte, int zeile, QPoint global);
  void VertrGridDblClick();
  // The absence buttons; with Ctrl a pop-up of the elements absent on the date.
  void FehlKnopfClick(int art, bool strg, QPoint global);

  // IFenster
  void Aktualisiere() override { FuelleVertrGrid(); }
  void NeuZeichnen() override;
  void Aenderungen(const TAenderungen& a) override;
  bool Blaettere(bool vorwaerts) override;
  // The placing pen in "Setzen", the eraser in "Löschen", else the arrow.
  void SetzeCursorNachModus(int modus, uint8_t tasten) override;

 protected:
  void FormClose(TCloseAction& aktion) override;

 private:
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) const;
  void PasseHoeheAn();
  // "Stunde" as wide as the widest text it may show on the date.
  void PasseStundenSpalteAn();

  IPalette* palette_;
  int32_t datum_ = 0;
  int zeile_ = 0;  // the last clicked row
  TFehlAnfrage anfrage_;
  std::vector<TVertrZeile> zeilen_;
  std::unique_ptr<TGitterZeilen> gitterZeilen_;
  TTextSpalte stundenSpalte_{60, 8};
};

// "dddd, d. mmmm yyyy" and "ddd, d. mmm yyyy" in German, whatever the locale.
QString LangesTagesDatum(int32_t datum);
QString KurzesDatum(int32_t datum);

}  // namespace kolvar
