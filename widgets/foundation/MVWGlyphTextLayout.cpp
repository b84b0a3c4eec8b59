#include "widgets/foundation/MVWGlyphTextLayout.h"

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

} // namespace marivo
