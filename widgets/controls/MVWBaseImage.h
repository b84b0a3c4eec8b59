#pragma once

#include "widgets/controls/MVWGraphicControl.h"
#include "widgets/controls/portable/MVWImageDrawFlags.h"

namespace marivo {

// A window-less picture placed in its bevel by a style.
class TMVWBaseImage : public TMVWGraphicControl {
public:
  static constexpr TMVWBitmapStyle DefaultStyle = sbNone;
  static constexpr bool DefaultQuickDraw = true;

  explicit TMVWBaseImage(TComponent* owner) : TMVWGraphicControl(owner) {}

  // Without palette handling; the default.
  bool QuickDraw() const { return QuickDraw_; }
  void SetQuickDraw(bool value);
  TMVWBitmapStyle Style() const { return Style_; }
  void SetStyle(TMVWBitmapStyle value);

protected:
  // Whether the control changed its size to fit its picture.
  virtual bool AdjustSize() { return false; }

private:
  bool QuickDraw_ = DefaultQuickDraw;
  TMVWBitmapStyle Style_ = DefaultStyle;
};

const std::vector<std::string>& BitmapStyleNames();

// Makes the base known to form data.
void RegisterMVWBaseImage();

} // namespace marivo
