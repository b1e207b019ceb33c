#pragma once
// TPrevPrinter: the page recorder every printout draws on. It records each page as a list of
// drawing commands in printer pixels; the preview shows the pages and Print hands them to a
// printer. Callers pass coordinates from the physical sheet's edge; the recorder takes the
// printer's unprintable strip (DruckVersatz) off every point, so a page lines up with the
// printable area the printer's painter starts at.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "druck/druckseite.h"
#include "druck/izeichenflaeche.h"

namespace kolvar {

class ITextMass;

// Text measures of a font on the printer.
class IDruckMesser {
 public:
  virtual ~IDruckMesser() = default;
  virtual std::unique_ptr<ITextMass> Mass(const TDruckSchrift& schrift, int pixelProZoll) const = 0;
};

// The status window of recording and printing, and the user's wish to stop.
class IDruckMeldung {
 public:
  virtual ~IDruckMeldung() = default;
  virtual void Meldung(const std::string& text) = 0;
  virtual bool Abgebrochen() const { return false; }
  // Recording or printing is over: the window goes.
  virtual void Ende() {}
};

// Where Print sends the pages.
class IDruckZiel {
 public:
  virtual ~IDruckZiel() = default;
  // False when the printer or file cannot be opened; nothing is printed then.
  virtual bool Beginne(const std::string& titel) = 0;
  virtual void NeueSeite() = 0;
  virtual void Seite(const TDruckSeite& seite, const TDruckGeraet& geraet) = 0;
  // False when the output could not be finished (a file not written).
  virtual bool Ende() = 0;
};

class TPrevPrinter : public IZeichenflaeche {
 public:
  TPrevPrinter(const TDruckGeraet& geraet, const IDruckMesser& messer, IDruckMeldung* meldung = nullptr);
  ~TPrevPrinter() override;

  void BeginRecord();
  void NewPage() override;
  void EndRecord();
  // Ends the recording and prints every page; true when there was nothing to print or the
  // target took every page.
  bool Print(IDruckZiel& ziel);

  int PageCount() const { return static_cast<int>(seiten_.size()); }
  // The recorded page n (1-based); null outside 1..PageCount or while recording.
  const TDruckSeite* PageMetafile(int n) const;
  // Page n while it is recorded (tests read it back before EndRecord too).
  const TDruckSeite* Seite(int n) const;
  bool Abgeschlossen() const { return abgeschlossen_; }
  int AktuelleSeite() const override { return aktuelleSeite_; }
  bool Abgebrochen() const override;

  const TDruckGeraet& Geraet() const { return geraet_; }
  TDruckPunkt DruckVersatz() const { return geraet_.Versatz; }
  std::string Titel;

  TDruckSchrift& GetFont() override { return schrift_; }
  void SetFont(const TDruckSchrift& schrift) override { schrift_ = schrift; }
  TDruckStift& GetPen() override { return stift_; }
  TDruckPinsel& GetBrush() override { return pinsel_; }

  void TextOut(int x, int y, std::string_view text) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(const TDruckRechteck& r) override;
  void Ellipse(const TDruckRechteck& r) override;
  void FillRect(const TDruckRechteck& r) override;
  TDruckPunkt PenPos() const override;

  int TextWidth(std::string_view text) override;
  int TextHeight() override;
  TDruckPunkt GetPhysPageSize() const override { return geraet_.Blatt; }
  TDruckRechteck DruckBereich() const override;
  int InchToPixel(double zoll) const override;

 private:
  bool Zeichnet() const { return aktuelleSeite_ >= 1 && !abgeschlossen_; }
  void Zeichne(TBefehlsArt art, const TDruckRechteck& ort, std::string_view text = {});
  const ITextMass& Mass();
  void Melde(const std::string& text);

  TDruckGeraet geraet_;
  const IDruckMesser& messer_;
  IDruckMeldung* meldung_;
  std::vector<TDruckSeite> seiten_;
  int aktuelleSeite_ = 0;
  bool abgeschlossen_ = false;
  TDruckSchrift schrift_;
  TDruckStift stift_;
  TDruckPinsel pinsel_;
  TDruckPunkt stiftPos_;  // in page coordinates, without the offset
  // Measures by font: a printout switches between few fonts many thousand times.
  std::vector<std::pair<TDruckSchrift, std::unique_ptr<ITextMass>>> masse_;
};

}  // namespace kolvar
