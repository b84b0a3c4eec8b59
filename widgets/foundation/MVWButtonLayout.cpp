#include "widgets/foundation/MVWButtonLayout.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>

namespace marivo {

void TMVWButtonLayout::SetArrow(bool value) {
  if (Store(Arrow_, value))
    Change();
}

void TMVWButtonLayout::SetArrowColor(TColor value) {
  if (Store(ArrowColor_, value))
    Change();
}

void TMVWButtonLayout::SetArrowIndent(std::int32_t value) {
  if (Store(ArrowIndent_, value))
    Change();
}

void TMVWButtonLayout::SetArrowPosition(TMVWArrowPosition value) {
  if (Store(ArrowPosition_, value))
    Change();
}

void TMVWButtonLayout::SetArrowSize(TMVWDDArrowSize value) {
  if (Store(ArrowSize_, value))
    Change();
}

void TMVWButtonLayout::Assign(const TPersistent& source) {
  const auto* layout = dynamic_cast<const TMVWButtonLayout*>(&source);
  if (!layout) {
    TMVWGlyphTextLayout::Assign(source);
    return;
  }
  TMVWUpdateGuard<TMVWObject> update(*this);
  SetAlignment(layout->Alignment());
  SetAlignText2Glyph(layout->AlignText2Glyph());
  SetOffsetX(layout->OffsetX());
  SetOffsetY(layout->OffsetY());
  SetSpacing(layout->Spacing());
  Arrow_ = layout->Arrow_;
  ArrowColor_ = layout->ArrowColor_;
  ArrowIndent_ = layout->ArrowIndent_;
  ArrowPosition_ = layout->ArrowPosition_;
  ArrowSize_ = layout->ArrowSize_;
  update.Release(true);
}

void RegisterMVWButtonLayout() {
  using T = TMVWButtonLayout;
  RegisterPersistentClass<T, TMVWGlyphTextLayout>("TMVWButtonLayout")
      .Enumeration("Alignment", AlignmentNames(), &T::Alignment, &T::SetAlignment,
                   T::DefaultAlignment)
      .Boolean("Arrow", &T::Arrow, &T::SetArrow, T::DefaultArrow)
      .Integer("ArrowColor", ColorIdents(), &T::ArrowColor, &T::SetArrowColor, T::DefaultArrowColor)
      .Integer("ArrowIndent", &T::ArrowIndent, &T::SetArrowIndent, T::DefaultArrowIndent)
      .Enumeration("ArrowPosition", {"apRightText", "apLeftText", "apRightGlyph", "apLeftGlyph"},
                   &T::ArrowPosition, &T::SetArrowPosition, T::DefaultArrowPosition)
      .Integer(
          "ArrowSize", &T::ArrowSize,
          [](T& layout, TMVWDDArrowSize value) {
            layout.SetArrowSize(std::clamp<TMVWDDArrowSize>(value, 2, 10));
          },
          T::DefaultArrowSize);
}

} // namespace marivo
