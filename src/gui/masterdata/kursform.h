// The course editor: one window for one course at a time (the school's single course window),
// reused for the next course opened. Every change goes into the course at once; what a change
// does is decided in engine/kursbearbeitung.
#pragma once

#include <QPoint>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/kursbearbeitung.h"
#include "platform/kindfenster.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kolvar {

class IPalette;
class TGitter;
class TKurs;
class TSperrung;

class TKursForm : public TKindFenster {
  Q_OBJECT

 public:
  TKursForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TKursForm() override;

  // Shows the course; liste is what "Voriger" and "Nächster" step through. Leaves the school's
  // modified flag as it was.
  void Vorbereiten(TKurs* kurs, std::vector<TKurs*> liste);
  // Fills every control from the course, without running a change handler.
  void Zeige();
  void SperrungNeuZeichnen();
  // The palette's arrows: the next (or previous) course of the list, wrapping.
  bool Blaettere(bool vorwaerts) override;

  // IFenster
  TKurs* Kurs() const override { return kurs_; }
  void Aktualisiere() override;
  void NeuZeichnen() override;
  void KursWirdGeloescht(TKurs* kurs) override;
  // The eraser over the fields and grids in "Löschen"; over the rooms the hand in "Schieben".
  void SetzeCursorNachModus(int modus, uint8_t tasten) override;

  TKursFeld Feld() const { return feld_; }
  void WaehleFeld(TKursFeld feld);
  // "Kürzel": the pop-up of the chosen kind at the button; its choice goes into the course.
  void KueKnopfClick();
  // Double click on a field or a row of the class or room grid (zeile, 0-based).
  void FeldDoppelklick(TKursFeld feld, int zeile = 0);
  // The colour choice ("Ändern"); replaceable for tests. True with the chosen colour.
  using TFarbWahl = std::function<bool(uint32_t& farbe)>;
  void SetzeFarbWahl(TFarbWahl wahl) { farbWahl_ = std::move(wahl); }

  // The controls, named as in the form (tests reach them).
  QLineEdit *LehrerFeld = nullptr, *FachFeld = nullptr, *Kopplfeld = nullptr, *InfoFeld = nullptr;
  TGitter *KlGrid = nullptr, *RaGrid = nullptr;
  QRadioButton *LeRadio = nullptr, *KlRadio = nullptr, *KoRadio = nullptr, *FaRadio = nullptr,
               *RaRadio = nullptr;
  QPushButton *KueKnopf = nullptr, *FarbKnopf = nullptr;
  QCheckBox *nvpCheck = nullptr, *nzlCheck = nullptr, *nzkCheck = nullptr;
  QSpinBox *StdSpin = nullptr, *FaktorSpin = nullptr, *SpTSpin = nullptr, *EinzelSpin = nullptr,
           *TabelleSpin = nullptr;
  QLineEdit *VerplantFeld = nullptr, *WertFeld = nullptr;
  QFrame* FarbFeld = nullptr;
  TSperrung* Sperrung = nullptr;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Baue();
  QGroupBox* ElementBox(const QString& titel, TKursFeld feld, QWidget* inhalt);
  void FuelleGitter(TGitter* gitter, const std::vector<TElement*>& elemente);
  // Every handler is one user action; while the window is visible the course's views follow.
  template <typename F>
  void Aendere(F&& aenderung);
  void StdSpinChange(int wert);
  void FaktorSpinChange(int wert);
  void SpTSpinChange(int wert);
  void nvpCheckClick(bool an);
  void FarbKnopfClick();
  void InfoFeldChange(const QString& text);
  void RaGridMouseDown(int zeile);
  void RaGridZiehenUeber(int zeile);
  TElement* Waehle(TElementArt art, const QPoint& ort);

  IPalette* palette_;
  TKurs* kurs_ = nullptr;
  std::vector<TKurs*> liste_;
  TKursFeld feld_ = TKursFeld::Lehrer;
  QButtonGroup* radios_ = nullptr;
  int ziehZeile_ = -1;  // the room row being dragged, where it is now
  TFarbWahl farbWahl_;
};

}  // namespace kolvar
