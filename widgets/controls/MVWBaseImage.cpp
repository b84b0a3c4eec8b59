#include "widgets/controls/MVWBaseImage.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void TMVWBaseImage::SetQuickDraw(bool value) {
  if (Store(QuickDraw_, value))
    RepaintControl();
}

void TMVWBaseImage::SetStyle(TMVWBitmapStyle value) {
  if (!Store(Style_, value))
    return;
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
