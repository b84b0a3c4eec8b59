#include "widgets/foundation/MVWShadow.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>
#include <string>
#include <vector>

namespace marivo {

void TMVWShadow::SetColor(TColor value) {
  if (Store(Color_, value))
    Change();
}

void TMVWShadow::SetDepth(TMVWShadowDepth value) {
  value = std::min<TMVWShadowDepth>(value, 40);
  if (Store(Depth_, value))
    Change();
}

void TMVWShadow::SetStyle(TMVWShadowStyle value) {
  if (Store(Style_, value))
    Change();
}

void TMVWShadow::Assign(const TPersistent& source) {
  if (&source == this)
    return;
  const auto* shadow = dynamic_cast<const TMVWShadow*>(&source);
  if (!shadow) {
    TMVWObject::Assign(source);
    return;
  }
  Style_ = shadow->Style_;
  Color_ = shadow->Color_;
  Depth_ = shadow->Depth_;
  Change();
}

std::string TMVWShadow::DescribeSettings() const {
  if (Style_ == hssNone)
    return "{Disabled}";
  return std::string("{") + (Style_ == hssSolid ? "solid" : "tracing") + ", " +
         std::to_string(Depth_) + "}";
}

void RegisterMVWShadow() {
  const std::vector<std::string> styles = {"hssNone", "hssSolid", "hssTracing"};
  using T = TMVWShadow;
  RegisterPersistentClass<T, TMVWObject>("TMVWShadow")
      .Integer("Color", ColorIdents(), &T::Color, &T::SetColor, T::DefaultColor)
      .Integer("Depth", &T::Depth, &T::SetDepth, T::DefaultDepth)
      .Enumeration("Style", styles, &T::Style, &T::SetStyle, T::DefaultStyle);
  RegisterPersistentClass<TMVWRgnShadow, T>("TMVWRgnShadow")
      .Enumeration("Style", styles, &TMVWRgnShadow::Style, &TMVWRgnShadow::SetStyle,
                   TMVWRgnShadow::DefaultStyle);
}

} // namespace marivo
