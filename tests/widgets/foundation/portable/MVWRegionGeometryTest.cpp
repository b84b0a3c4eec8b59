#include "widgets/foundation/portable/MVWRegionGeometry.h"
#include "widgets/foundation/portable/MVWRegionData.h"

#include "platform/rtl/Exceptions.h"
#include "tests/support/Bytes.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace marivo {

std::ostream& operator<<(std::ostream& out, const TMVWPoint& point) {
  return out << "(" << point.X << ", " << point.Y << ")";
}

std::ostream& operator<<(std::ostream& out, const TMVWRect& rect) {
  return out << "(" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom
             << ")";
}

namespace {

using namespace marivo::test;

TEST(MVWRegionGeometry, RatiosRoundTiesToEvenExactly) {
  struct TCase {
    int Value, Numerator, Denominator, Expected;
  };
  const TCase cases[] = {{5, 70, 100, 4},   // 3.5, which a binary 0.7 x 5 would put just below
                         {5, 30, 100, 2},   // 1.5
                         {5, 50, 100, 2},   // 2.5
                         {7, 50, 100, 4},   // 3.5
                         {-5, 50, 100, -2}, // -2.5
                         {-7, 50, 100, -4}, // -3.5
                         {255, 30, 100, 76}, {255, 59, 100, 150}, {255, 11, 100, 28},
                         {7, 65, 100, 5},    {0, 38, 100, 0},     {-3, 38, 100, -1},
                         {1, 1, 3, 0},       {2, 1, 3, 1}};
  for (const TCase& c : cases)
    EXPECT_EQ(RoundRatio(c.Value, c.Numerator, c.Denominator), c.Expected)
        << c.Value << " x " << c.Numerator << " / " << c.Denominator;
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

TEST(MVWRegionGeometry, PolygonsFollowTheirTables) {
  using TPoints = std::vector<TMVWPoint>;
  // 10 x 10 puts several star fractions exactly on .5.
  EXPECT_EQ(
      StarPoints({0, 0, 10, 10}),
      (TPoints{{5, 0}, {6, 4}, {10, 4}, {7, 6}, {8, 10}, {5, 8}, {2, 10}, {3, 6}, {0, 4}, {4, 4}}));
  EXPECT_EQ(StarPoints({100, 50, 300, 150}), (TPoints{{200, 50},
                                                      {230, 88},
                                                      {300, 88},
                                                      {240, 110},
                                                      {270, 150},
                                                      {200, 125},
                                                      {130, 150},
                                                      {160, 110},
                                                      {100, 88},
                                                      {170, 88}}));
  const TMVWRect r{10, 20, 110, 80};
  EXPECT_EQ(DiamondPoints(r), (TPoints{{60, 20}, {10, 50}, {60, 80}, {110, 50}}));
  // The division comes before the doubling: 100 div 3 x 2 = 66.
  EXPECT_EQ(
      OctagonPoints(r),
      (TPoints{{76, 20}, {43, 20}, {10, 40}, {10, 60}, {43, 80}, {76, 80}, {110, 60}, {110, 40}}));
  EXPECT_EQ(CombPoints(r), (TPoints{{60, 20}, {10, 35}, {10, 65}, {60, 80}, {110, 65}, {110, 35}}));
  // Degenerate rects give their points without fault.
  EXPECT_EQ(DiamondPoints({5, 5, 5, 5}), (TPoints{{5, 5}, {5, 5}, {5, 5}, {5, 5}}));
  EXPECT_EQ(StarPoints({0, 0, -10, -10})[1], (TMVWPoint{-6, -4}));
}

// One row per position: the shrunk body, the nose of size 10 with base offset 5 (X = Round(the
// square root of 200) = 14), and where a bubble trail of size 50 starts and ends.
TEST(MVWRegionGeometry, NosesAndTrailsSitAtTheNamedCorner) {
  struct TCase {
    TMVWExtPos Position;
    TMVWRect Shrunk;
    std::vector<TMVWPoint> Nose;
  };
  const TMVWRect rect{0, 0, 300, 200};
  const TCase cases[] = {
      {epLeftTop, {10, 10, 300, 200}, {{0, 0}, {10, 15}, {10, 29}}},
      {epTopLeft, {10, 10, 300, 200}, {{0, 0}, {15, 10}, {29, 10}}},
      {epTopRight, {0, 10, 290, 200}, {{300, 0}, {285, 10}, {271, 10}}},
      {epRightTop, {0, 10, 290, 200}, {{300, 0}, {290, 15}, {290, 29}}},
      {epRightBottom, {0, 0, 290, 190}, {{300, 200}, {290, 185}, {290, 171}}},
      {epBottomRight, {0, 0, 290, 190}, {{300, 200}, {285, 190}, {271, 190}}},
      {epBottomLeft, {10, 0, 300, 190}, {{0, 200}, {15, 190}, {29, 190}}},
      {epLeftBottom, {10, 0, 300, 190}, {{0, 200}, {10, 185}, {10, 171}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Position));
    const TMVWRect shrunk = ShrinkForExtension(rect, 10, c.Position);
    EXPECT_EQ(shrunk, c.Shrunk);
    EXPECT_EQ(NosePoints(shrunk, 10, 5, c.Position), c.Nose);

    const TMVWRect body = ShrinkForExtension(rect, 50, c.Position);
    const std::vector<TMVWBubble> trail = BubbleTrail(body, 50, 4, c.Position);
    ASSERT_EQ(trail.size(), 6u);
    // From the tip, the unshrunk corner, to the body's corner, growing by Round(e x f).
    EXPECT_EQ(trail.front().Centre, c.Nose.front());
    const TMVWPoint bodyCorner{c.Nose.front().X == 0 ? body.Left : body.Right,
                               c.Nose.front().Y == 0 ? body.Top : body.Bottom};
    EXPECT_EQ(trail.back().Centre, bodyCorner);
    for (std::size_t f = 0; f < trail.size(); ++f)
      EXPECT_EQ(trail[f].Diameter, static_cast<int>(5 * f));
  }
  const std::vector<TMVWBubble> trail =
      BubbleTrail(ShrinkForExtension(rect, 50, epLeftTop), 50, 4, epLeftTop);
  const std::vector<TMVWPoint> centres = {{0, 0}, {2, 15}, {10, 29}, {21, 40}, {35, 48}, {50, 50}};
  for (std::size_t f = 0; f < centres.size(); ++f)
    EXPECT_EQ(trail[f].Centre, centres[f]) << f;
  EXPECT_EQ(BubbleBox(trail[3]), (TMVWRect{14, 33, 28, 47}));
  EXPECT_TRUE(BubbleTrail(rect, 50, 0, epLeftTop).empty());
}

TEST(MVWRegionGeometry, PointListsAreExactPairsAndPackingIsOnlyAHelper) {
  const std::vector<std::int64_t> values = {1000, 200, -70000, -3, 2147483647, -2147483648LL};
  const std::vector<TMVWPoint> points = PointsFromList(values);
  EXPECT_EQ(points,
            (std::vector<TMVWPoint>{{1000, 200}, {-70000, -3}, {2147483647, -2147483647 - 1}}));
  EXPECT_EQ(PointsToList(points), values);
  EXPECT_TRUE(PointsFromList({}).empty());

  for (const std::vector<std::int64_t>& bad :
       {std::vector<std::int64_t>{1}, {1, 2, 3}, {2147483648LL, 0}, {0, -2147483649LL}}) {
    try {
      PointsFromList(bad);
      ADD_FAILURE() << "no error for " << bad.size() << " values";
    } catch (const EReadError& error) {
      EXPECT_NE(error.Message().find("PointList"), std::string::npos) << error.Message();
    }
  }

  EXPECT_EQ(PackPoint({1000, 200}), 65536200u);
  EXPECT_EQ(UnpackPoint(65536200u), (TMVWPoint{1000, 200}));
  EXPECT_EQ(UnpackPoint(PackPoint({65535, 32767})), (TMVWPoint{65535, 32767}));
  // Outside its range the packing wraps, and a negative Y borrows from the X half.
  EXPECT_EQ(UnpackPoint(PackPoint({65536 + 7, 5})), (TMVWPoint{7, 5}));
  EXPECT_EQ(UnpackPoint(PackPoint({10, -3})), (TMVWPoint{9, -3}));
}

} // namespace
} // namespace marivo
