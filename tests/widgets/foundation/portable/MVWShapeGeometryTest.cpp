#include "widgets/foundation/portable/MVWShapeGeometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace marivo {

std::ostream& operator<<(std::ostream& out, const TMVWPoint& point);

namespace {

std::vector<TMVWPoint> Geometry(int width, int height, const TMVWShapeSettings& settings) {
  TMVWPointList points;
  points.AddPoint({-1, -1});
  CalcShapeGeometry({0, 0, width, height}, settings, points);
  return points.Points();
}

// The points as "x,y x,y", the first half (the outer outline), " | ", then the second half.
std::string Outlines(const std::vector<TMVWPoint>& points) {
  std::string text;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0)
      text += i == points.size() / 2 ? " | " : " ";
    text += std::to_string(points[i].X) + "," + std::to_string(points[i].Y);
  }
  return text;
}

// Worked out by hand: outer outline, then inner one. w 0 and 1 give r = s = 0, w 2 r = 1 and
// s = 0, w 4 r = 2 and s = 1.
TEST(MVWShapeGeometry, EveryKindGivesItsOuterThenInnerOutline) {
  struct TCase {
    TMVWShapeType Shape;
    int Width, Height, Depth, PenWidth;
    bool Square;
    std::string Expected;
  };
  const TCase cases[] = {
      {stRectangle, 75, 25, 6, 2, false, "6,6 75,25 | 7,7 75,25"},
      {stRectangle, 100, 40, 0, 0, true, "30,0 70,40 | 30,0 70,40"},
      // The box is inverted when the shadow is deeper than the rectangle; points all the same.
      {stRectangle, 4, 3, 6, 2, false, "6,6 4,3 | 7,7 4,3"},
      {stEllipse, 100, 40, 0, 4, true, "30,0 70,40 | 32,2 69,39"},
      {stEllipse, 50, 30, 6, 1, false, "6,6 50,30 | 6,6 50,30"},
      // Corner size 33% of min(94, 54) = 17; the inner corner point is moved by the depth.
      {stRoundRect, 100, 60, 6, 4, false, "6,6 100,60 17,17 | 8,8 100,60 23,23"},
      {stRoundRect, 60, 100, 0, 0, true, "0,20 60,80 30,30 | 0,20 60,80 30,30"},
      {stDirectUp, 100, 60, 0, 4, false, "50,0 100,60 0,60 | 50,2 99,59 4,60"},
      {stDirectUp, 100, 60, 6, 2, true, "53,6 80,60 26,60 | 53,7 80,60 28,60"},
      {stDirectRight, 100, 60, 6, 2, false, "6,6 100,33 6,60 | 7,7 100,33 7,60"},
      {stDirectDown, 100, 60, 6, 4, true, "26,6 80,6 53,60 | 28,8 79,8 53,60"},
      {stDirectLeft, 100, 60, 0, 1, false, "100,0 0,30 100,60 | 100,0 0,30 100,60"},
      {stDirectLeft, 60, 100, 0, 4, false, "60,0 0,50 60,100 | 59,2 2,50 59,99"},
      {stDiamond, 100, 60, 0, 4, false, "50,0 100,30 50,60 0,30 | 50,2 99,30 50,59 2,30"},
      {stDiamond, 70, 50, 6, 0, true, "38,6 60,28 38,50 16,28 | 38,6 60,28 38,50 16,28"},
      // q = Round(54 / 5) = 11.
      {stComb, 100, 60, 6, 2, false,
       "53,6 100,17 100,50 53,60 6,50 6,17 | 53,7 100,18 100,51 53,60 7,51 7,18"},
      {stComb, 60, 100, 0, 4, true,
       "30,20 60,32 60,68 30,80 0,68 0,32 | 30,22 59,34 59,70 30,79 2,70 2,34"},
      // p = Round(100 / 3.414) = 29, q = Round(60 / 3.414) = 18, Round(29 k) = 41, Round(18 k)
      // = 25.
      {stOctagon, 100, 60, 0, 4, false,
       "29,0 70,0 100,18 100,43 70,60 29,60 0,43 0,18 | "
       "31,2 72,2 99,20 99,45 72,59 31,59 2,45 2,20"},
      // Box (21, 6, 65, 50): p = q = Round(44 / 3.414) = 13, Round(13 k) = 18.
      {stOctagon, 80, 50, 6, 0, true,
       "34,6 52,6 65,19 65,37 52,50 34,50 21,37 21,19 | "
       "34,6 52,6 65,19 65,37 52,50 34,50 21,37 21,19"},
      {stStar, 100, 60, 0, 4, false,
       "50,0 65,23 100,23 70,36 85,60 50,45 15,60 30,36 0,23 35,23 | "
       "50,2 65,23 99,23 70,36 85,59 50,45 15,59 30,36 1,23 35,23"},
      // Box (16, 6, 60, 50), 44 square: 28.6, 16.72, 30.8, 26.4, 37.4, 33, 6.6, 13.2, 15.4.
      {stStar, 70, 50, 6, 2, true,
       "38,6 45,23 60,23 47,32 53,50 38,39 23,50 29,32 16,23 31,23 | "
       "38,7 45,23 60,23 47,32 53,50 38,39 23,50 29,32 16,23 31,23"},
      // Halves go to even: 6.5, 3.5, 1.5, 8.5 across, 37.5 down.
      {stStar, 10, 50, 0, 1, false,
       "5,0 6,19 10,19 7,30 8,50 5,38 2,50 3,30 0,19 4,19 | "
       "5,0 6,19 10,19 7,30 8,50 5,38 2,50 3,30 0,19 4,19"},
  };
  for (const TCase& c : cases) {
    TMVWShapeSettings settings;
    settings.Shape = c.Shape;
    settings.Depth = c.Depth;
    settings.PenWidth = c.PenWidth;
    settings.RoundPercent = c.Square ? 50 : 33;
    settings.Square = c.Square;
    EXPECT_EQ(Outlines(Geometry(c.Width, c.Height, settings)), c.Expected)
        << int{c.Shape} << " " << c.Width << "x" << c.Height << " depth " << c.Depth << " pen "
        << c.PenWidth << (c.Square ? " square" : "");
  }
}

TEST(MVWShapeGeometry, EachPointTellsTheListTwice) {
  TMVWPointList points;
  int changes = 0;
  points.OnChange = [&](TObject*) { ++changes; };
  TMVWShapeSettings star;
  star.Shape = stStar;
  CalcShapeGeometry({0, 0, 40, 40}, star, points);
  EXPECT_EQ(points.Count(), 20);
  EXPECT_EQ(changes, 40);
}

// Walked clockwise, edges going mostly right or mostly up take the first colour; an outline listed
// the other way round is judged walked backwards.
TEST(MVWShapeGeometry, BevelEdgesFacingUpAndLeftTakeTheFirstColour) {
  struct TCase {
    TMVWPoint From, To;
    bool Clockwise, First;
  };
  const TCase cases[] = {{{0, 0}, {10, 0}, true, true},    {{10, 0}, {10, 10}, true, false},
                         {{10, 10}, {0, 10}, true, false}, {{0, 10}, {0, 0}, true, true},
                         {{0, 0}, {10, 5}, true, true},    {{10, 5}, {0, 0}, true, false},
                         {{0, 0}, {5, 10}, true, false},   {{0, 10}, {5, 0}, true, true},
                         {{5, 10}, {0, 0}, true, true},    {{10, 0}, {0, 10}, true, false},
                         {{10, 0}, {0, 5}, false, true},   {{0, 5}, {10, 10}, false, false},
                         {{10, 10}, {10, 0}, false, false}};
  for (const TCase& c : cases)
    EXPECT_EQ(IsFirstBevelEdge(c.From, c.To, c.Clockwise), c.First)
        << c.From << " to " << c.To << (c.Clockwise ? "" : " backwards");

  TMVWShapeSettings settings;
  for (int kind = stDirectUp; kind <= stStar; ++kind) {
    settings.Shape = static_cast<TMVWShapeType>(kind);
    const std::vector<TMVWPoint> points = Geometry(100, 60, settings);
    const std::vector<TMVWPoint> outer(points.begin(), points.begin() + points.size() / 2);
    EXPECT_EQ(IsClockwise(outer), kind != stDirectLeft) << kind;
  }
}

} // namespace
} // namespace marivo
