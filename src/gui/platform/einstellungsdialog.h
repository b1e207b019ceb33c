// Base of the settings dialogs: "Ok", "Abbrechen" and "Wechseln", which pops up the list of
// settings pages and, when one is chosen, confirms this dialog through its own "Ok".
// A dialog made over the settings loads its fields from them each time it is shown and stores
// them back on "Ok" only, so "Abbrechen" and the close box leave the settings as they were.
#pragma once

#include <QStringList>

#include "platform/kvdialog.h"

class QPushButton;
class QVBoxLayout;

namespace kolvar {

class TStandard;

class TEinstellungsDialog : public TKvDialog {
  Q_OBJECT

 public:
  explicit TEinstellungsDialog(QWidget* eltern = nullptr);
  explicit TEinstellungsDialog(TStandard& standard, QWidget* eltern = nullptr);

  // The settings pages in menu order, indexes 0..11.
  static QStringList StandardSeiten();

  void SetzeSeiten(const QStringList& seiten) { seiten_ = seiten; }
  // The settings whose number of plan versions enables "Planversionen" in the page list (set by
  // the constructor over the settings; a dialog made without them sets it here).
  void SetzeVersionsQuelle(const TStandard& standard) { versionsQuelle_ = &standard; }
  // The page index of "Planversionen".
  static constexpr int kSeitePlanversionen = 5;
  const QStringList& Seiten() const { return seiten_; }
  // The page chosen through "Wechseln", -1 when none.
  int GewaehlteSeite() const { return gewaehlteSeite_; }

  // The area above the buttons for the concrete dialog's controls.
  QVBoxLayout* Inhalt() const { return inhalt_; }
  QPushButton* OkKnopf() const { return ok_; }
  QPushButton* AbbrechenKnopf() const { return abbrechen_; }
  QPushButton* WechselnKnopf() const { return wechseln_; }

 signals:
  void SeiteGewaehlt(int seite);

 protected:
  // The fields from the settings; each time the dialog is shown.
  virtual void Laden(const TStandard& /*standard*/) {}
  // The fields into the settings; on "Ok" (also through "Wechseln") only.
  virtual void Speichern(TStandard& /*standard*/) {}
  // Runs on "Ok" before storing; mrOk is already set, and a changed result stores nothing.
  virtual void OkKnopfClick() {}
  virtual void WechselnKnopfClick();
  void VorDemZeigen() override;

 private:
  void OkGedrueckt();

  TStandard* standard_ = nullptr;
  const TStandard* versionsQuelle_ = nullptr;
  QStringList seiten_;
  int gewaehlteSeite_ = -1;
  QVBoxLayout* inhalt_;
  QPushButton* ok_;
  QPushButton* abbrechen_;
  QPushButton* wechseln_;
};

}  // namespace kolvar
