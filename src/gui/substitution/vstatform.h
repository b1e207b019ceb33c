// "Vertretungsübersicht" (window kind 82): for a range of dates, every substitution given,
// every absence substituted and every lesson dropped, per teacher. The rows are the core's
// (VertrUebersicht); the window shows, refreshes, copies and prints them.
#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>

#include "platform/kindfenster.h"

namespace kolvar {

class IPalette;
class TGitter;
class TGitterZeilen;

class TVStatForm : public TKindFenster {
  Q_OBJECT

 public:
  TVStatForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TVStatForm() override;

  TGitter* StatGrid = nullptr;

  // Rebuilds the rows for the range and sizes the window; an end before the start is the start.
  void BildeVertrUebersicht(int32_t bis, int32_t von);
  int32_t GetVon() const { return von_; }
  int32_t GetBis() const { return bis_; }
  // The selected rows below the header, cells joined by tabs.
  QStringList KopierText() const;
  void UebersichtKopieren();
  // Selects every row below the header ("Alles auswählen").
  void WaehleAlles();
  // The overview of the shown range through the palette's print requests ("Fenster drucken...").
  void Drucke();

  // IFenster
  void Aktualisiere() override { BildeVertrUebersicht(bis_, von_); }
  void Aenderungen(const TAenderungen& a) override;

 protected:
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  // The rows and column widths for the stored range.
  void Fuelle();

  IPalette* palette_;
  std::unique_ptr<TGitterZeilen> zeilen_;
  int32_t von_ = 0, bis_ = 0;
};

}  // namespace kolvar
