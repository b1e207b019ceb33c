// Clipboard text, replaceable in tests.
#pragma once

#include <QString>

namespace kolvar {

class IAblage {
 public:
  virtual ~IAblage() = default;
  virtual bool HatText() const = 0;
  virtual QString Text() const = 0;
  virtual void SetzeText(const QString& text) = 0;
};

class TQtAblage : public IAblage {
 public:
  bool HatText() const override;
  QString Text() const override;
  void SetzeText(const QString& text) override;
};

}  // namespace kolvar
