// Input of text that goes into the school file: only characters the file can hold, so nothing
// typed is lost or changed on saving. An abbreviation may not start with a blank either (the
// file reads a leading blank back as "¥"). The field's length limit is the field's own.
#pragma once

#include <QValidator>

namespace kolvar {

class TDateiTextValidator : public QValidator {
  Q_OBJECT

 public:
  explicit TDateiTextValidator(bool kuerzel, QObject* eltern = nullptr);
  State validate(QString& text, int& position) const override;

 private:
  bool kuerzel_;
};

}  // namespace kolvar
