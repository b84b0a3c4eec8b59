#pragma once

#include "platform/ui/Graphics.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"

#include <cstdint>

namespace marivo {

enum TMVWArrowPosition : std::uint8_t { apRightText, apLeftText, apRightGlyph, apLeftGlyph };

// 2..10
using TMVWDDArrowSize = std::uint8_t;

// A glyph-and-text layout with a drop-down arrow beside the text or the glyph.
class TMVWButtonLayout : public TMVWGlyphTextLayout {
public:
  static constexpr TMVWAlignment DefaultAlignment = agCenter;
  static constexpr bool DefaultArrow = false;
  static constexpr TColor DefaultArrowColor = clBlack;
  static constexpr std::int32_t DefaultArrowIndent = 3;
  static constexpr TMVWArrowPosition DefaultArrowPosition = apRightText;
  static constexpr TMVWDDArrowSize DefaultArrowSize = 3;

  TMVWButtonLayout() { Alignment_ = DefaultAlignment; }

  bool Arrow() const { return Arrow_; }
  void SetArrow(bool value);
  TColor ArrowColor() const { return ArrowColor_; }
  void SetArrowColor(TColor value);
  std::int32_t ArrowIndent() const { return ArrowIndent_; }
  void SetArrowIndent(std::int32_t value);
  TMVWArrowPosition ArrowPosition() const { return ArrowPosition_; }
  void SetArrowPosition(TMVWArrowPosition value);
  TMVWDDArrowSize ArrowSize() const { return ArrowSize_; }
  void SetArrowSize(TMVWDDArrowSize value);

  void Assign(const TPersistent& source) override;

private:
  bool Arrow_ = DefaultArrow;
  TColor ArrowColor_ = DefaultArrowColor;
  std::int32_t ArrowIndent_ = DefaultArrowIndent;
  TMVWArrowPosition ArrowPosition_ = DefaultArrowPosition;
  TMVWDDArrowSize ArrowSize_ = DefaultArrowSize;
};

// Makes the layout known to form data.
void RegisterMVWButtonLayout();

} // namespace marivo
