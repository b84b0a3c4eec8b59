#include "widgets/foundation/portable/MVWPointList.h"

#include <gtest/gtest.h>

#include <vector>

namespace marivo {
namespace {

TEST(MVWPointList, PointsStayExactAndEveryChangeIsTold) {
  TMVWPointList points;
  int changes = 0;
  points.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &points);
    ++changes;
  };
  for (const TMVWPoint point : {TMVWPoint{1000, 200}, TMVWPoint{0, 32767}, TMVWPoint{65535, 0}})
    points.AddPoint(point);
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(points.Item(0), 65536200u);
  TMVWPoint point{-7, -7};
  points.GetPoint(3, point);
  EXPECT_EQ(point.X, -7) << "past the end the point stays as it was";
  points.GetPoint(-1, point);
  EXPECT_EQ(point.X, -7) << "so it does before the start";
  points.SetPoint(3, {1, 1});
  points.SetPoint(-1, {1, 1});
  EXPECT_EQ(points.Count(), 3);
  EXPECT_EQ(changes, 6);

  OffsetPoints(&points, 5, -3);
  EXPECT_EQ(changes, 9);
  // Past the packed range nothing wraps and a negative Y borrows nothing.
  const std::vector<TMVWPoint> expected = {{1005, 197}, {5, 32764}, {65540, -3}};
  for (int i = 0; i < 3; ++i) {
    points.GetPoint(i, point);
    EXPECT_EQ(point, expected[static_cast<std::size_t>(i)]) << i;
  }
  OffsetPoints(nullptr, 1, 1);
  points.Clear();
  EXPECT_EQ(changes, 9);
}

} // namespace
} // namespace marivo
