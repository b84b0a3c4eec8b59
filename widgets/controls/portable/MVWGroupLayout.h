#pragma once

#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace marivo {

enum TMVWGroupCaptionAlign : std::uint8_t {
  gcaTopLeft,
  gcaTopCenter,
  gcaTopRight,
  gcaLeftBottom,
  gcaLeftCenter,
  gcaLeftTop,
  gcaBottomLeft,
  gcaBottomCenter,
  gcaBottomRight,
  gcaRightTop,
  gcaRightCenter,
  gcaRightBottom
};

enum TMVWCaptionSide : std::uint8_t { csTop, csLeft, csBottom, csRight };

// Where a caption position puts the caption, how it is turned and placed in its band.
struct TMVWGroupCaptionPlace {
  TMVWCaptionSide Side;
  int Angle;
  // Ordinal of the TMVWAlignment the caption takes inside its band.
  std::uint8_t TextAlignment;
  // Whether CaptionOffset keeps the caption off the band's start or its end.
  bool OffsetAtStart;
  bool OffsetAtEnd;
};

// In the order of TMVWGroupCaptionAlign.
inline constexpr std::array<TMVWGroupCaptionPlace, 12> GroupCaptionPlaces = {{
    {csTop, 0, 0, true, false},
    {csTop, 0, 1, false, false},
    {csTop, 0, 2, false, true},
    {csLeft, 90, 6, true, false},
    {csLeft, 90, 3, false, false},
    {csLeft, 90, 0, false, true},
    {csBottom, 0, 6, true, false},
    {csBottom, 0, 7, false, false},
    {csBottom, 0, 8, false, true},
    {csRight, 270, 2, true, false},
    {csRight, 270, 5, false, false},
    {csRight, 270, 8, false, true},
}};

struct TMVWGroupFrame {
  TMVWRect CaptionBand;
  TMVWRect Frame;
  friend bool operator==(const TMVWGroupFrame&, const TMVWGroupFrame&) = default;
};
// Caption band and frame of a width x height group box whose caption is captionHeight high.
TMVWGroupFrame GroupFrame(TMVWGroupCaptionAlign align, int captionOffset, int captionHeight,
                          int width, int height);
// The caption rectangle widened by 2 on the side the caption's background must also cover.
TMVWRect CaptionBackground(TMVWGroupCaptionAlign align, const TMVWRect& captionRect);
// Text output flags of the caption: its place in the band, one line, tabs expanded.
std::uint32_t GroupCaptionTextFlags(TMVWGroupCaptionAlign align, bool showAccelChar);

struct TMVWButtonGroupGeometry {
  int Count = 0;
  int Columns = 1;
  // Below 0: the rows share the height.
  int ItemHeight = -1;
  int ItemOffset = 4;
  int Width = 0;
  int Height = 0;
  int BevelExtent = 0;
  // 0 without caption text.
  int CaptionHeight = 0;
  TMVWGroupCaptionAlign CaptionAlign = gcaTopLeft;
};
// The child buttons' bounds, filled column by column.
std::vector<TMVWRect> ArrangeButtons(const TMVWButtonGroupGeometry& g);
// The height of an auto-sized group; only meaningful with ItemHeight above 0.
int ButtonGroupAutoHeight(int count, int itemHeight, int bevelExtent, int captionHeight);

constexpr int MaxGroupColumns = 12;
int ClampColumns(int value);
// A radio group's index: -1 for none, else within the buttons.
int ClampRadioIndex(int value, int count);

// A check group's bit set holds 32 buttons at most.
constexpr int MaxCheckGroupItems = 31;
std::int32_t CheckedBits(const std::vector<bool>& checked);
// Bits at or above count mean nothing; a negative set checks none.
std::vector<bool> CheckedFromBits(std::int32_t bits, int count);

} // namespace marivo
