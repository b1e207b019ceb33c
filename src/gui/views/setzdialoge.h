// The small modal dialogs of placing, moving and swapping: refusal ("Setzungsverbot"), the
// offer to displace ("Verdrängen"), the room swap, the room still used in a plan, the
// school-wide swap of two slots with its conflicts, and the removal of a coupled lesson.
// Each holds only its texts; the caller acts on the modal result.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "model/idialoge.h"
#include "platform/kvdialog.h"

class QLabel;
class QScrollArea;
class QVBoxLayout;
class QHBoxLayout;

namespace kolvar {

class TGitter;
class TKurs;
class TRaum;
class TSchule;

// What the dialogs share: a column of lines beside an optional warning picture, one-column
// lists that start with one row, and a row of buttons at the bottom. Before each showing the
// dialog fits what it was filled with, its caption included.
class TPlanDialog : public TKvDialog {
  Q_OBJECT

 public:
  TPlanDialog(const QString& caption, bool warnbild, QWidget* eltern = nullptr);

 protected:
  QLabel* Zeile(const QString& text);
  TGitter* Liste(int breite);
  QPushButton* NeuerKnopf(const QString& text, int ergebnis);
  // A fixed size unless the dialog is sizeable.
  void Fertig(bool groesseFest);
  void VorDemZeigen() override { Einpassen(); }

 private:
  struct TListe {
    TGitter* liste;
    QScrollArea* rahmen;  // shows at most hoechstens of the list's width
    int mindestens;       // the list's least width
  };
  void Einpassen();
  static void SetzeListenBreite(const TListe& l, int breite, int hoechstens);

  QVBoxLayout* zeilen_;
  QHBoxLayout* knoepfe_;
  std::vector<TListe> listen_;
};

// Fills a list: one row per text, at least one row.
void FuelleListe(TGitter& liste, const QStringList& texte);
QStringList ZuTexten(const std::vector<std::string>& texte, std::size_t ab = 0);

class TSetzVerbForm : public TPlanDialog {
  Q_OBJECT

 public:
  explicit TSetzVerbForm(QWidget* eltern = nullptr);
  void Fuellen(const QString& zeit, const QStringList& konflikte);
  QLabel* ZeitFeld;
  TGitter* KonflGrid;
};

class TVerdraengForm : public TPlanDialog {
  Q_OBJECT

 public:
  explicit TVerdraengForm(QWidget* eltern = nullptr);
  void Fuellen(const QString& zeit, const QStringList& konflikte);
  QLabel* ZeitFeld;
  TGitter* KonflGrid;
};

class TRaTauschForm : public TPlanDialog {
  Q_OBJECT

 public:
  explicit TRaTauschForm(QWidget* eltern = nullptr);
  void Fuellen(const QString& text1, const QString& text2, const QString& zeit);
  QLabel* Kurs1Feld;
  QLabel* Kurs2Feld;
  QLabel* ZeitFeld;
};

// Answers 6 "Ja" (the caller takes the room off) or 7 "Nein".
class TKursImRaPlnForm : public TPlanDialog {
  Q_OBJECT

 public:
  explicit TKursImRaPlnForm(QWidget* eltern = nullptr);
  void Fuellen(const QString& kurs, const QString& raum);
  QLabel* KursFeld;
  QLabel* Raumfeld;
  void reject() override { done(Modal::Nein); }
};

class TSchulTauschForm : public TPlanDialog {
  Q_OBJECT

 public:
  explicit TSchulTauschForm(QWidget* eltern = nullptr);
  QLabel* vonFeld;
  QLabel* bisFeld;
};

class TTauschKonflForm : public TPlanDialog {
  Q_OBJECT

 public:
  explicit TTauschKonflForm(QWidget* eltern = nullptr);
  TGitter* KonflGrid;
  // Closing the window is the refusing answer, "Nein".
  void reject() override { done(Modal::Nein); }
};

// The conflicts of swapping slot A with slot B, into the dialog's list.
void TauschKonflikteFuellen(TTauschKonflForm& dialog, const TSchule& schule, int tagA, int stundeA,
                            int stundeB, int tagB);

// The school-wide swap of slot A with slot B, after "Stundentausch" and, where it clashes,
// "Tauschkonflikte". True when the slots were swapped.
bool SchulTausch(TSchule& schule, int tagA, int stundeA, int tagB, int stundeB);

// "gekoppelten Kurs löschen": 6 "Dieser Kurs", 1 "Kopplung", 2 "Abbrechen".
class TKursLoeschForm : public TPlanDialog {
  Q_OBJECT

 public:
  explicit TKursLoeschForm(QWidget* eltern = nullptr);
  // The course's coupling members that hold the slot in the current version.
  void Fuellen(const TKurs& kurs, int tag, int stunde);
  void Fuellen(const QString& zeit, const QString& kurs, const QStringList& gekoppelt);
  QLabel* ZeitFeld;
  QLabel* KursFeld;
  TGitter* KursGrid;
};

// Day abbreviation, a blank and the current version's period label (no cuts).
QString SlotText(const TSchule& schule, int tag, int stunde);

// Shows the dialog of this file that stands for the core's request; false for other requests.
bool ZeigePlanungsDialog(TDialog art, const std::vector<std::string>& texte, int& ergebnis);

}  // namespace kolvar
