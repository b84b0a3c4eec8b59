#include "widgets/controls/MVWBaseImage.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void TMVWBaseImage::SetQuickDraw(bool value) {
  if (QuickDraw_ == value)
    return;
  QuickDraw_ = value;
  RepaintControl();
}

void TMVWBaseImage::SetStyle(TMVWBitmapStyle value) {
  if (Style_ == value)
    return;
  Style_ = value;
  // A new style may want another size.
  AdjustSize();
  RepaintControl();
}

const std::vector<std::string>& BitmapStyleNames() {
  static const std::vector<std::string> names = {"sbNone",      "sbAutosize",  "sbCenter",
                                                 "sbStretch",   "sbTile",      "sbKeepAspRatio",
                                                 "sbKeepWidth", "sbKeepHeight"};
  return names;
}

void RegisterMVWBaseImage() {
  RegisterPersistentClass<TMVWBaseImage, TMVWGraphicControl>("TMVWBaseImage");
}

} // namespace marivo
