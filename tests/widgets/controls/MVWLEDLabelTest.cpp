#include "platform/ui/GdiHandles.h"
#include "tests/widgets/controls/OffScreen.h"
#include "widgets/controls/MVWLEDLabel.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <set>

namespace marivo {
namespace {

using test::CountPixels;
using TLEDLabel = test::TOffScreen<TMVWLEDLabel>;
constexpr TColor Parent = 0x0000FF;

// The pixels strictly inside a segment of the cell at the origin.
std::vector<POINT> Inside(const TMVWLEDPolygon& polygon) {
  std::vector<POINT> corners;
  for (const TMVWPoint& point : polygon)
    corners.push_back(POINT{point.X, point.Y});
  HRGN region = CreatePolygonRgn(corners.data(), static_cast<int>(corners.size()), WINDING);
  std::vector<POINT> inside;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (PtInRegion(region, x, y))
        inside.push_back(POINT{x, y});
  DeleteObject(region);
  return inside;
}

class LEDLabel : public ::testing::Test {
protected:
  TMVWFoundation Foundation;
  TLEDLabel Label{nullptr};
  TBitmap Picture;

  void SetUp() override { Label.SetAutoSize(true); }
  // The label painted: how many of its pixels are lit.
  int LitPixels() {
    Label.PaintInto(Picture, Parent);
    return CountPixels(Picture, Label.LED().ActiveColor());
  }
};

TEST_F(LEDLabel, LitSegmentsAreAllActiveAndUnlitOnesCheckered) {
  Label.SetCaption("8");
  ASSERT_EQ(Label.Width(), 20);
  ASSERT_EQ(Label.Height(), 28);
  Label.PaintInto(Picture, Parent);
  const TMVWLEDSegments segments = LEDSegments(Label.LED().CellSize());
  std::set<std::pair<int, int>> lit;
  for (int segment = 0; segment < 7; ++segment)
    for (const POINT& p : Inside(segments[segment])) {
      ASSERT_EQ(Picture.Pixels(p.x, p.y), Label.LED().ActiveColor())
          << "segment " << segment << " at " << p.x << "," << p.y;
      lit.insert({p.x, p.y});
    }
  // The dots overlap the bars: only what no lit segment covers counts.
  std::set<TColor> unlit;
  for (int segment = 7; segment < LEDSegmentCount; ++segment)
    for (const POINT& p : Inside(segments[segment]))
      if (!lit.contains({p.x, p.y}))
        unlit.insert(Picture.Pixels(p.x, p.y));
  EXPECT_EQ(unlit, (std::set<TColor>{clBlack, Label.LED().InActiveColor()}));
}

TEST_F(LEDLabel, NothingLightsWhereTheCellCannotShowIt) {
  Label.SetCaption("8X");
  Label.SetEnabled(false);
  EXPECT_EQ(LitPixels(), 0) << "disabled";
  Label.LED().SetDisabledDigits(false);
  EXPECT_GT(LitPixels(), 0) << "disabled, digits shown";

  Label.SetEnabled(true);
  Label.SetCaption("X");
  Label.LED().SetHorzsize(3);
  EXPECT_EQ(LitPixels(), 0) << "X in a narrow cell";
  Label.LED().SetHorzsize(9);
  Label.LED().SetVertsize(3);
  EXPECT_EQ(LitPixels(), 0) << "X in a low cell";
}

TEST_F(LEDLabel, ACellOfNoSizeDrawsNothing) {
  Label.SetCaption("88");
  Label.LED().SetHorzsize(0);
  Label.LED().SetThickness(0);
  EXPECT_EQ(Label.Width(), 1);
  Label.SetAutoSize(false);
  Label.SetBounds(0, 0, 20, 20);
  EXPECT_EQ(LitPixels(), 0);
  EXPECT_EQ(CountPixels(Picture, clBlack), 20 * 20);
}

TEST_F(LEDLabel, ATransparentLabelShowsItsParentBetweenTheSegments) {
  Label.SetCaption("1");
  Label.PaintInto(Picture, Parent);
  EXPECT_EQ(Picture.Pixels(0, 0), clBlack);
  Label.SetTransparent(true);
  Label.PaintInto(Picture, Parent);
  EXPECT_EQ(Picture.Pixels(0, 0), Parent);
  EXPECT_EQ(Picture.Pixels(9, 8), Label.LED().ActiveColor());
}

TEST_F(LEDLabel, SizesItselfToItsCells) {
  struct Row {
    const char* Caption;
    TMVWLEDStyle Style;
    std::int32_t Value;
    int Width;
    int Height;
  };
  const Row rows[] = {
      {"ORDER ", lsString, 0, 115, 28},
      {"", lsInteger, 7, 58, 28},
      {"12\r3", lsString, 0, 39, 56},
  };
  for (const Row& row : rows) {
    Label.SetDigits(3);
    Label.SetStyle(row.Style);
    Label.SetValue(row.Value);
    Label.SetCaption(row.Caption);
    EXPECT_EQ(Label.Width(), row.Width) << row.Caption;
    EXPECT_EQ(Label.Height(), row.Height) << row.Caption;
  }
  Label.SetStyle(lsInteger);
  Label.SetValue(-5);
  EXPECT_EQ(Label.GetLEDText(), "0-5");
  Label.SetDigits(0);
  EXPECT_EQ(Label.Digits(), 3);
  Label.SetValue(1234);
  EXPECT_EQ(Label.GetLEDText(), "---");
}

TEST_F(LEDLabel, ABlinkingLEDAlternatesAtEachDrawButNotWhenMeasured) {
  Label.SetCaption("8");
  Label.LED().BlinkOn();
  int lit[4];
  for (int& count : lit) {
    Label.LED().TextExtent("8", 0);
    count = LitPixels();
  }
  EXPECT_EQ(lit[0], 0);
  EXPECT_GT(lit[1], 0);
  EXPECT_EQ(lit[2], 0);
  EXPECT_EQ(lit[3], lit[1]);
}

TEST_F(LEDLabel, RepaintsLeaveNoGdiObjectBehind) {
  Label.SetCaption("ORDER 12");
  Label.SetTransparent(true);
  Label.LED().BlinkOn();
  Label.PaintInto(Picture, Parent);
  const long before = GdiLiveCount();
  for (int paint = 0; paint < 1000; ++paint)
    Label.PaintInto(Picture, Parent);
  EXPECT_EQ(GdiLiveCount(), before);
}

TEST_F(LEDLabel, AssigningCopiesSizesAndColoursButNotTheBackground) {
  TMVWLED other;
  other.SetHorzsize(5);
  other.SetActiveColor(clRed);
  other.SetBackgroundColor(clWhite);
  other.SetDisabledDigits(false);
  Label.SetLED(other);
  EXPECT_EQ(Label.LED().Horzsize(), 5);
  EXPECT_EQ(Label.LED().ActiveColor(), clRed);
  EXPECT_FALSE(Label.LED().DisabledDigits());
  EXPECT_EQ(Label.LED().BackgroundColor(), clBlack);
  EXPECT_EQ(Label.Width(), 16);
}

} // namespace
} // namespace marivo
