// TVLeWahlForm "Vertretungslehrerwahl": edits one teacher substitution. It lists the teachers fit
// to substitute (the core's filters) with their day bars and accounts, shows a day plan, and
// offers "Frei", "Löschen", "Anrechnen", "Wie am", the "statt" options, the room and the
// remarks. Every choice is the record's own operation.
#pragma once

#include <QPoint>
#include <functional>
#include <vector>

#include "ansicht/wahlfenstermass.h"
#include "platform/kindfenster.h"
#include "substitution/ivertrfenster.h"
#include "substitution/vertrvorschlag.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace kolvar {

class IPalette;
class TGitter;
struct TZellZustand;
class TTagesplan;
class TVertretung;

class TVLeWahlForm : public TKindFenster, public IVertrWahlFenster {
  Q_OBJECT

 public:
  TVLeWahlForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
  ~TVLeWahlForm() override;

  QLabel* StdFeld = nullptr;
  QPushButton* LehrerKnopf = nullptr;
  QLabel* LehrerLabel = nullptr;
  QPushButton* RaumKnopf = nullptr;
  QLabel* RaumLabel = nullptr;
  QPushButton* FreiKnopf = nullptr;
  QPushButton* LoeschKnopf = nullptr;
  QPushButton* WieAmKnopf = nullptr;
  QCheckBox* AnrechnenBox = nullptr;
  QLabel* StattLabel = nullptr;
  QPushButton* StattKnopf = nullptr;
  QPushButton* StattMenueKnopf = nullptr;
  QLabel* VerlegtLabel = nullptr;
  QPushButton* VerlegtKnopf = nullptr;
  TTagesplan* Tagesplan = nullptr;
  TGitter* LehrerGrid = nullptr;
  QCheckBox* FreieBox = nullptr;
  QCheckBox* RandBox = nullptr;
  QPushButton* AuswahlKnopf = nullptr;  // "vla"
  QPushButton* KontoKnopf = nullptr;    // "vva"
  QLineEdit* InfoFeldL = nullptr;
  QLineEdit* InfoFeldS = nullptr;
  QPushButton* LBemKnopf = nullptr;
  QPushButton* SBemKnopf = nullptr;

  // Clears the palette's element choice after a pop-up chose from it (set by the installer).
  std::function<void(TElementArt)> WahlZuruecksetzen;

  TVertretung* Vertretung() const override { return vertretung_; }
  void SetzeVertretung(TVertretung* v);
  void FuelleLehrerListe();
  void ZeigeVertretung();
  void ZeigeTagesplan();
  const std::vector<TLehrerVorschlag>& Vorschlaege() const { return vorschlaege_; }
  // The row (1-based) of the teacher in the list, 0 when not listed.
  int ZeileVon(const TLehrer* l) const;

  // Handlers; each is one user action.
  void LehrerGridDblClick(int zeile);
  void LehrerGridKlick(int spalte, int zeile, QPoint global);
  void LehrerKnopfClick();
  void FreiKnopfClick();
  void LoeschKnopfClick();
  void AnrechnenClick(bool an);
  void WieAmKnopfClick();
  void RaumKnopfClick();
  void StattMenueKnopfClick();
  void BemKnopfClick(bool lehrer, bool strg);
  void FilterClick();
  void AuswahlKnopfClick();
  void KontoKnopfClick();

  // IFenster
  void Aktualisiere() override;
  bool Blaettere(bool vorwaerts) override;

 protected:
  void FormClose(TCloseAction& aktion) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Binde(TVertretung* v);
  // Pop-ups act only while this is the active window.
  bool PopupAktiv() const;
  TWahlFensterMass Mass() const;
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) const;
  QPoint UnterKnopf(const QWidget* w) const;
  bool Aktiv() const;

  IPalette* palette_;
  TVertretung* vertretung_ = nullptr;
  std::vector<TLehrerVorschlag> vorschlaege_;
  bool zeigt_ = false;          // while the fields are filled from the record
  bool strgBeimDruck_ = false;  // Ctrl held when "LBem"/"SBem" was last pressed

  QTimer* stattZeit_ = nullptr;  // a click's "statt" pop-up waits for a second click
  bool doppelklick_ = false;     // the next release ends a double click
};

}  // namespace kolvar
