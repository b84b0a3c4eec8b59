#pragma once

#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {

enum TMVWAlignment : std::uint8_t {
  agTopLeft,
  agTopCenter,
  agTopRight,
  agCenterLeft,
  agCenter,
  agCenterRight,
  agBottomLeft,
  agBottomCenter,
  agBottomRight
};

// The names form data uses for the alignments, in their order.
const std::vector<std::string>& AlignmentNames();

// Where the text sits beside the glyph.
enum TMVWTextArrange : std::uint8_t {
  taLeft,
  taLeftTop,
  taRight,
  taRightTop,
  taTop,
  taTopLeft,
  taBottom,
  taBottomLeft
};

// Where a glyph and a caption sit in a rectangle and relative to each other.
class TMVWGlyphTextLayout : public TMVWObject {
public:
  static constexpr TMVWTextArrange DefaultAlignText2Glyph = taRight;
  static constexpr std::int32_t DefaultOffset = 0;
  static constexpr std::int32_t DefaultSpacing = 2;

  TMVWGlyphTextLayout() = default;

  TMVWAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TMVWAlignment value);
  TMVWTextArrange AlignText2Glyph() const { return AlignText2Glyph_; }
  void SetAlignText2Glyph(TMVWTextArrange value);
  // Index 0 OffsetX, 1 OffsetY.
  std::int32_t Offset(int index) const { return index == 0 ? OffsetX_ : OffsetY_; }
  void SetOffset(int index, std::int32_t value);
  std::int32_t OffsetX() const { return OffsetX_; }
  std::int32_t OffsetY() const { return OffsetY_; }
  void SetOffsetX(std::int32_t value) { SetOffset(0, value); }
  void SetOffsetY(std::int32_t value) { SetOffset(1, value); }
  std::int32_t Spacing() const { return Spacing_; }
  void SetSpacing(std::int32_t value);

  void Assign(const TPersistent& source) override;

protected:
  TMVWAlignment Alignment_ = agTopLeft;
  TMVWTextArrange AlignText2Glyph_ = DefaultAlignText2Glyph;
  std::int32_t OffsetX_ = DefaultOffset;
  std::int32_t OffsetY_ = DefaultOffset;
  std::int32_t Spacing_ = DefaultSpacing;
};

// Makes the layout known to form data.
void RegisterMVWGlyphTextLayout();

} // namespace marivo
