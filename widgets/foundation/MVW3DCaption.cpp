#include "widgets/foundation/MVW3DCaption.h"

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

} // namespace marivo
