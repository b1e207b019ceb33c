// "Stundenbezeichnungen": the labels of the 16 periods per plan version, edited in a working copy
// of the whole table and stored on "Ok".
#pragma once

#include <array>
#include <string>

#include "model/versionssicht.h"
#include "platform/einstellungsdialog.h"

class QSpinBox;

namespace kolvar {

class TGitter;

class TZeitForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  using TTabelle = std::array<std::array<std::string, kStunden>, kMaxVersionen>;

  explicit TZeitForm(TStandard& standard, QWidget* eltern = nullptr);

  TGitter* LinksGrid() const { return links_; }
  TGitter* RechtsGrid() const { return rechts_; }
  QSpinBox* VersionsSpin() const { return version_; }
  const TTabelle& Arbeitskopie() const { return tabelle_; }

  // A cell's text as typed: into the working copy at the version shown.
  void SetzeZelle(bool rechts, int zeile, const QString& text);

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  void ZeigeVersion();

  TGitter* links_;
  TGitter* rechts_;
  QSpinBox* version_;
  TTabelle tabelle_;
  int versionen_ = 1;
};

}  // namespace kolvar
