#pragma once

#include "widgets/controls/MVWBaseLabel.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWFxCaption.h"

namespace marivo {

// A label inside a bevel whose text style can turn the text.
class TMVWCustomLabel : public TMVWBaseLabel {
public:
  explicit TMVWCustomLabel(TComponent* owner);
  ~TMVWCustomLabel() override;

  TMVWBevel& Bevel() { return Bevel_; }
  void SetBevel(const TMVWBevel& value) { Bevel_.Assign(value); }
  TMVWFxCaption& FontFX() { return FontFX_; }
  void SetFontFX(const TMVWFxCaption& value) { FontFX_.Assign(value); }

protected:
  void Paint() override;
  void AdjustBounds() override;
  void FontChanged(TObject* sender) override;
  bool CanPaintBack() override;

private:
  // The offset of the status bar the label sits in, else 0.
  int StatusBarOffset();

  TMVWBevel Bevel_;
  TMVWFxCaption FontFX_;
};

class TMVWLabel : public TMVWCustomLabel {
public:
  using TMVWCustomLabel::TMVWCustomLabel;
};

void RegisterMVWLabel();

} // namespace marivo
