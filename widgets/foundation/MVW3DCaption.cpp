#include "widgets/foundation/MVW3DCaption.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void TMVW3DCaption::SetDisabledStyle(TMVWDisabledStyle value) {
  if (Store(DisabledStyle_, value))
    Change();
}

void TMVW3DCaption::SetDepth(int index, std::uint8_t value) {
  if (Store(index == 0 ? LightDepth_ : ShadowDepth_, value))
    Change();
}

void TMVW3DCaption::SetColor(int index, TColor value) {
  if (Store(index == 0 ? LightColor_ : ShadowColor_, value))
    Change();
}

void TMVW3DCaption::SetOrientation(TMVWThreeDOrientation value) {
  if (Store(Orientation_, value))
    Change();
}

void TMVW3DCaption::SetStyle(TMVWThreeDStyle value) {
  if (Store(Style_, value))
    Change();
}

void TMVW3DCaption::SetTracing(std::int32_t value) {
  if (Store(Tracing_, value))
    Change();
}

void TMVW3DCaption::CopyFrom(const TMVW3DCaption& caption) {
  DisabledStyle_ = caption.DisabledStyle_;
  LightDepth_ = caption.LightDepth_;
  ShadowDepth_ = caption.ShadowDepth_;
  LightColor_ = caption.LightColor_;
  ShadowColor_ = caption.ShadowColor_;
  // A copy that kept its own extrusion direction would look different from its source.
  Orientation_ = caption.Orientation_;
  Style_ = caption.Style_;
  Tracing_ = caption.Tracing_;
}

void TMVW3DCaption::Assign(const TPersistent& source) {
  const auto* caption = dynamic_cast<const TMVW3DCaption*>(&source);
  if (!caption) {
    TMVWObject::Assign(source);
    return;
  }
  CopyFrom(*caption);
  Change();
}

std::string TMVW3DCaption::DescribeSettings() const {
  static const char* const words[] = {
      "Disabled",      "sunken", "raised",  "sunken shadow", "raised shadow", "PColor sunken",
      "PColor raised", "shadow", "outline", "extrude",       "extrude enh"};
  return std::string("{") + words[Style_] + "}";
}

void RegisterMVW3DCaption() {
  using T = TMVW3DCaption;
  RegisterPersistentClass<T, TMVWObject>("TMVW3DCaption")
      .Enumeration("DisabledStyle", {"dsAuto", "dsStandard", "ds3d", "dsNone"}, &T::DisabledStyle,
                   &T::SetDisabledStyle, T::DefaultDisabledStyle)
      .Integer("LightDepth", &T::LightDepth, &T::SetLightDepth, T::DefaultDepth)
      .Integer("ShadowDepth", &T::ShadowDepth, &T::SetShadowDepth, T::DefaultDepth)
      .Integer("LightColor", ColorIdents(), &T::LightColor, &T::SetLightColor, T::DefaultLightColor)
      .Integer("ShadowColor", ColorIdents(), &T::ShadowColor, &T::SetShadowColor,
               T::DefaultShadowColor)
      .Enumeration("Orientation", {"toBottomLeft", "toBottomRight", "toTopLeft", "toTopRight"},
                   &T::Orientation, &T::SetOrientation, T::DefaultOrientation)
      .Enumeration("Style",
                   {"tdNone", "tdSunken", "tdRaised", "tdSunkenShadow", "tdRaisedShadow",
                    "tdPColorSunken", "tdPColorRaised", "tdShadow", "tdOutline", "tdExtrude",
                    "tdExtrudeEnh"},
                   &T::Style, &T::SetStyle, T::DefaultStyle)
      .Integer("Tracing", &T::Tracing, &T::SetTracing, T::DefaultTracing);
}

} // namespace marivo
