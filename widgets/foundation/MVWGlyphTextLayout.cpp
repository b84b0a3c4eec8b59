#include "widgets/foundation/MVWGlyphTextLayout.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void TMVWGlyphTextLayout::SetAlignment(TMVWAlignment value) {
  if (Store(Alignment_, value))
    Change();
}

void TMVWGlyphTextLayout::SetAlignText2Glyph(TMVWTextArrange value) {
  if (Store(AlignText2Glyph_, value))
    Change();
}

void TMVWGlyphTextLayout::SetOffset(int index, std::int32_t value) {
  std::int32_t& field = index == 0 ? OffsetX_ : OffsetY_;
  if (Store(field, value))
    Change();
}

void TMVWGlyphTextLayout::SetSpacing(std::int32_t value) {
  if (Store(Spacing_, value))
    Change();
}

void TMVWGlyphTextLayout::Assign(const TPersistent& source) {
  const auto* layout = dynamic_cast<const TMVWGlyphTextLayout*>(&source);
  if (!layout) {
    TMVWObject::Assign(source);
    return;
  }
  Alignment_ = layout->Alignment_;
  AlignText2Glyph_ = layout->AlignText2Glyph_;
  OffsetX_ = layout->OffsetX_;
  OffsetY_ = layout->OffsetY_;
  Spacing_ = layout->Spacing_;
  Change();
}

const std::vector<std::string>& AlignmentNames() {
  static const std::vector<std::string> names = {"agTopLeft",    "agTopCenter",    "agTopRight",
                                                 "agCenterLeft", "agCenter",       "agCenterRight",
                                                 "agBottomLeft", "agBottomCenter", "agBottomRight"};
  return names;
}

void RegisterMVWGlyphTextLayout() {
  using T = TMVWGlyphTextLayout;
  RegisterPersistentClass<T, TMVWObject>("TMVWGlyphTextLayout")
      .Enumeration("Alignment", AlignmentNames(), &T::Alignment, &T::SetAlignment)
      .Enumeration("AlignText2Glyph",
                   {"taLeft", "taLeftTop", "taRight", "taRightTop", "taTop", "taTopLeft",
                    "taBottom", "taBottomLeft"},
                   &T::AlignText2Glyph, &T::SetAlignText2Glyph, T::DefaultAlignText2Glyph)
      .Integer("OffsetX", &T::OffsetX, &T::SetOffsetX, T::DefaultOffset)
      .Integer("OffsetY", &T::OffsetY, &T::SetOffsetY, T::DefaultOffset)
      .Integer("Spacing", &T::Spacing, &T::SetSpacing, T::DefaultSpacing);
}

} // namespace marivo
