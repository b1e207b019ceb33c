// "Vertretungen": the twelve standard remarks the substitute choices offer ("Bemerkungen für
// Vertretungen"), edited in a working copy and stored on "Ok".
#pragma once

#include <array>
#include <string>

#include "model/standard.h"
#include "platform/einstellungsdialog.h"

namespace kolvar {

class TGitter;

class TVertrStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TVertrStandardForm(TStandard& standard, QWidget* eltern = nullptr);

  TGitter* BemGrid = nullptr;
  const std::array<std::string, kVertrBemerkungen>& Bemerkungen() const { return bemerkungen_; }
  // An edited cell: trailing blanks go (one character stays), cut to 61 characters; an empty
  // text is refused, the remark needs its first character.
  void BemerkungBearbeitet(int zeile, const QString& text);

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  std::array<std::string, kVertrBemerkungen> bemerkungen_;
};

}  // namespace kolvar
