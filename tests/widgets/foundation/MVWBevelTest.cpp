#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"
#include "widgets/foundation/MVWGradient.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace marivo {
namespace {

TEST(MVWBevelGeometry, ExtentsAndClientRects) {
  struct TCase {
    std::function<void(TMVWBevel&)> Set;
    int Extent;
    int RightBottom;
    RECT Client;
  };
  const TCase cases[] = {
      {[](TMVWBevel&) {}, 0, 0, {0, 0, 100, 50}},
      {[](TMVWBevel& b) {
         b.SetStyleOuter(bvFrameRaised);
         b.SetWidthOuter(2);
       },
       3,
       3,
       {3, 3, 97, 47}},
      {[](TMVWBevel& b) {
         b.SetStyleOuter(bvRaised);
         b.SetStyleInner(bvFrameLowered);
         b.SetBorderWidth(2);
         b.SetBorderInnerWidth(1);
       },
       1 + 2 + 1 + 1 + 1,
       6,
       {6, 6, 94, 44}},
      {[](TMVWBevel& b) {
         b.SetStyleOuter(bvShadow);
         b.SetWidthOuter(3);
       },
       1,
       4,
       {1, 1, 96, 46}},
      {[](TMVWBevel& b) {
         b.SetMode(bmStandard);
         b.SetStandardStyle(lsLowered);
         b.SetBorderInnerWidth(3);
       },
       5,
       5,
       {5, 5, 95, 45}},
      {[](TMVWBevel& b) {
         b.SetMode(bmEdge);
         b.SetBorderSides(0);
         b.SetBorderInnerWidth(4);
       },
       4,
       4,
       {4, 4, 96, 46}},
      {[](TMVWBevel& b) {
         b.SetMode(bmWindows);
         b.SetBorderInnerWidth(1);
       },
       3,
       3,
       {3, 3, 97, 47}},
  };
  for (const TCase& c : cases) {
    TMVWBevel bevel;
    c.Set(bevel);
    EXPECT_EQ(bevel.Extent(), c.Extent);
    EXPECT_EQ(bevel.ExtentRightBottom(), c.RightBottom);
    const RECT client = bevel.ClientRect({0, 0, 100, 50});
    EXPECT_TRUE(EqualRect(&client, &c.Client))
        << client.left << "," << client.top << "," << client.right << "," << client.bottom;
  }
  // The shadow style couples both stages.
  TMVWBevel bevel;
  bevel.SetStyleOuter(bvShadow);
  EXPECT_EQ(bevel.StyleInner(), bvShadow);
  bevel.SetStyleOuter(bvRaised);
  EXPECT_EQ(bevel.StyleInner(), bvNone);
  bevel.SetStyleInner(bvShadow);
  EXPECT_EQ(bevel.StyleOuter(), bvShadow);
  bevel.SetStyleInner(bvLowered);
  EXPECT_EQ(bevel.StyleOuter(), bvNone);

  // A window border drawn by the owner costs no inset and asks for a frame once per switch.
  TMVWBevel owned;
  owned.SetOwnerDrawsWindowsBorder(true);
  owned.SetBorderInnerWidth(5);
  owned.SetMode(bmWindows);
  EXPECT_EQ(owned.Extent(), 0);
  EXPECT_TRUE(owned.NeedsFullRepaint());
  owned.SetMode(bmCustom);
  EXPECT_TRUE(owned.NeedsFullRepaint());
  EXPECT_FALSE(owned.NeedsFullRepaint());
  TMVWScrollBoxBevel box;
  EXPECT_EQ(box.Mode(), bmWindows);
  EXPECT_EQ(box.Extent(), 0);
  EXPECT_TRUE(box.OwnerDrawsWindowsBorder());
}

} // namespace
} // namespace marivo
