// The file commands: new school, open, import, save, save as, close. They replace the palette's
// school, and every path that would drop a modified school asks first.
#pragma once

#include <QString>
#include <vector>

#include "storage/fenster.h"

namespace kolvar {

class ISchulDateien;
class TKolvarPalette;

class TDateiBefehle {
 public:
  TDateiBefehle(TKolvarPalette& palette, ISchulDateien& dateien);

  void NeuItemClick();
  void OeffnenItemClick();
  void ImportItemClick();
  void SichernItemClick();
  void SichernUnterItemClick();
  // "Datei schließen"; false when the user kept the school (or saving failed).
  bool SchliessenItemClick();
  // Reads the file into a new school; false (no file open, empty school) when it failed.
  bool DateiOeffnen(const QString& pfad);
  bool DateiImportieren(const QString& pfad);
  // Saves to the path; false with the school still modified when it failed.
  bool DateiSichern(const QString& pfad);
  // Asks "Daten sichern?" while the school is modified and acts on the answer; true when the
  // school may go: saved, or "Nein". The close box, a cancelled name or a failed save keep it.
  bool FrageSichernVorSchliessen();
  // The school goes without a question (the question was answered before): empty, no file.
  void Verwerfen();

  bool DateiOffen() const { return dateiOffen_; }
  bool SaveFrageOffen() const { return saveFrageOffen_; }
  // The windows saved in the file read last.
  const std::vector<TFenster>& GespeicherteFenster() const { return gespeicherteFenster_; }

 private:
  void NachDemLaden();
  void AktuelleVersionNachKalender();
  void Melde(const QString& text);

  TKolvarPalette& palette_;
  ISchulDateien& dateien_;
  bool dateiOffen_ = false;
  bool saveFrageOffen_ = false;
  std::vector<TFenster> gespeicherteFenster_;
};

}  // namespace kolvar
