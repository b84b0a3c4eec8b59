#include "widgets/foundation/MVWSimpleBevel.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>

namespace marivo {

void TMVWSimpleBevel::SetColour(TColor& field, TColor value) {
  if (Store(field, value))
    Change();
}

void TMVWSimpleBevel::SetWidth(TMVWBevelWidth value) {
  value = std::min<TMVWBevelWidth>(value, 50);
  if (Store(Width_, value))
    Change();
}

void TMVWSimpleBevel::SetStyle(TMVWSimpleBevelStyle value) {
  if (Store(Style_, value))
    Change();
}

void TMVWSimpleBevel::Assign(const TPersistent& source) {
  if (&source == this)
    return;
  const auto* bevel = dynamic_cast<const TMVWSimpleBevel*>(&source);
  if (!bevel) {
    TMVWObject::Assign(source);
    return;
  }
  Color_ = bevel->Color_;
  LightColor_ = bevel->LightColor_;
  ShadowColor_ = bevel->ShadowColor_;
  Width_ = bevel->Width_;
  Style_ = bevel->Style_;
  Change();
}

std::string TMVWSimpleBevel::DescribeSettings() const {
  static const char* const names[] = {"{Normal}", "{Inset}", "{Offset}"};
  return names[Style_];
}

void RegisterMVWSimpleBevel() {
  using T = TMVWSimpleBevel;
  RegisterPersistentClass<T, TMVWObject>("TMVWSimpleBevel")
      .Integer("Color", ColorIdents(), &T::Color, &T::SetColor, T::DefaultColor)
      .Integer("Width", &T::Width, &T::SetWidth, T::DefaultWidth)
      .Enumeration("Style", {"sbNormal", "sbInset", "sbOffset"}, &T::Style, &T::SetStyle,
                   T::DefaultStyle)
      .Integer("LightColor", ColorIdents(), &T::LightColor, &T::SetLightColor, T::DefaultLightColor)
      .Integer("ShadowColor", ColorIdents(), &T::ShadowColor, &T::SetShadowColor,
               T::DefaultShadowColor);
}

} // namespace marivo
