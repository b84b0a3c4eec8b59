#include "widgets/foundation/MVWShapePaint.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace marivo {
namespace {

const TMVWShapeType AllKinds[] = {stEllipse,     stRectangle,  stRoundRect,  stDirectUp,
                                  stDirectRight, stDirectDown, stDirectLeft, stDiamond,
                                  stComb,        stOctagon,    stStar};

class MVWShapePaint : public ::testing::Test {
protected:
  MVWShapePaint() {
    Shadow.SetColor(clBlue);
    Brush.SetColor(clLime);
    Bevel.SetLightColor(clAqua);
    Bevel.SetShadowColor(clPurple);
    // The picture and its DC are there before a test counts GDI objects.
    FillBitmap(Target, {0, 0, 110, 70}, clWhite);
  }
  // A white picture of 110 x 70 with the shape painted into its upper-left 100 x 60.
  TBitmap& Paint(TMVWShapeType shape, TBitmap* picture = nullptr, TMVWPointList* points = nullptr,
                 const TMVWSimpleBevel* bevel = nullptr) {
    FillBitmap(Target, {0, 0, 110, 70}, clWhite);
    PaintShape(Target.Canvas(), {0, 0, 100, 60}, shape, &Shadow, bevel ? bevel : &Bevel, 33, Brush,
               false, clWhite, clFuchsia, picture, points);
    return Target;
  }

  TMVWFoundation Foundation;
  TMVWShadow Shadow;
  TMVWSimpleBevel Bevel;
  TBrush Brush;
  TBitmap Target;
};

// 100 x 60 with a blue shadow of depth 6, a black outline of width 2 and a lime body: the body
// sits in (0, 0, 94, 54), its shadow in (6, 6, 100, 60).
TEST_F(MVWShapePaint, EveryKindShowsShadowBodyOutlineAndBackground) {
  struct TCase {
    TMVWShapeType Shape;
    POINT Body, Outline, Shadow, Outside;
  };
  const TCase cases[] = {
      {stEllipse, {47, 27}, {1, 27}, {97, 33}, {2, 2}},
      {stRectangle, {47, 27}, {1, 27}, {97, 57}, {99, 59}},
      {stRoundRect, {47, 27}, {1, 27}, {97, 40}, {1, 1}},
      {stDirectUp, {47, 36}, {47, 54}, {96, 58}, {5, 5}},
      {stDirectRight, {30, 27}, {1, 27}, {50, 44}, {90, 5}},
      {stDirectDown, {47, 20}, {47, 1}, {97, 8}, {5, 50}},
      {stDirectLeft, {70, 27}, {1, 27}, {97, 57}, {5, 5}},
      {stDiamond, {47, 27}, {1, 27}, {97, 33}, {3, 3}},
      {stComb, {47, 27}, {1, 27}, {97, 27}, {3, 3}},
      {stOctagon, {47, 27}, {1, 27}, {97, 27}, {2, 2}},
      // Outside: between the two lower tips.
      {stStar, {47, 28}, {78, 21}, {90, 29}, {47, 50}},
  };
  for (const TCase& c : cases) {
    TBitmap& bitmap = Paint(c.Shape);
    EXPECT_EQ(bitmap.Canvas().Pixels(c.Body.x, c.Body.y), clLime) << int{c.Shape};
    EXPECT_EQ(bitmap.Canvas().Pixels(c.Outline.x, c.Outline.y), clBlack) << int{c.Shape};
    EXPECT_EQ(bitmap.Canvas().Pixels(c.Shadow.x, c.Shadow.y), clBlue) << int{c.Shape};
    EXPECT_EQ(bitmap.Canvas().Pixels(c.Outside.x, c.Outside.y), clWhite) << int{c.Shape};
  }
  EXPECT_EQ(Target.Canvas().Pixels(20, 10), clWhite) << "between the star's upper tips";
}

// Without shadow, bevel width 2: sbInset frames the upper left in the shadow colour (purple) and
// the lower right in the light one (aqua), sbOffset the other way round.
TEST_F(MVWShapePaint, BevelsColourTheUpperLeftAndLowerRightEdges) {
  struct TCase {
    TMVWShapeType Shape;
    POINT UpperLeft, LowerRight;
  };
  const TCase cases[] = {
      {stEllipse, {50, 1}, {50, 59}},      {stEllipse, {1, 30}, {99, 30}},
      {stRectangle, {50, 1}, {50, 59}},    {stRectangle, {1, 30}, {99, 30}},
      {stRoundRect, {50, 1}, {50, 59}},    {stRoundRect, {1, 30}, {99, 30}},
      {stDirectUp, {26, 30}, {75, 30}},    {stDirectUp, {26, 30}, {50, 60}},
      {stDirectRight, {50, 15}, {50, 45}}, {stDirectRight, {1, 30}, {50, 45}},
      {stDirectDown, {50, 1}, {75, 30}},   {stDirectDown, {25, 30}, {75, 30}},
      {stDirectLeft, {50, 16}, {50, 45}},  {stDiamond, {25, 16}, {75, 45}},
      {stComb, {1, 30}, {100, 30}},        {stOctagon, {1, 30}, {100, 30}},
      {stOctagon, {50, 1}, {50, 60}},      {stStar, {42, 12}, {85, 29}},
  };
  Shadow.SetStyle(hssNone);
  const long objects = GdiLiveCount();
  for (const TMVWSimpleBevelStyle style : {sbInset, sbOffset}) {
    Bevel.SetStyle(style);
    const TColor first = style == sbInset ? clPurple : clAqua;
    const TColor second = style == sbInset ? clAqua : clPurple;
    for (const TCase& c : cases) {
      TBitmap& bitmap = Paint(c.Shape);
      EXPECT_EQ(bitmap.Canvas().Pixels(c.UpperLeft.x, c.UpperLeft.y), first)
          << int{c.Shape} << " style " << int{style};
      EXPECT_EQ(bitmap.Canvas().Pixels(c.LowerRight.x, c.LowerRight.y), second)
          << int{c.Shape} << " style " << int{style};
    }
  }
  EXPECT_EQ(GdiLiveCount(), objects);
}

TEST_F(MVWShapePaint, APictureShowsOnlyInsideTheShape) {
  TBitmap picture;
  FillBitmap(picture, {0, 0, 100, 60}, clRed);
  picture.Canvas().Brush().SetColor(clNavy);
  picture.Canvas().FillRect({50, 0, 100, 60});
  const long objects = GdiLiveCount();
  for (const TMVWShapeType shape : {stEllipse, stStar}) {
    TBitmap& bitmap = Paint(shape, &picture);
    EXPECT_EQ(GdiLiveCount(), objects) << int{shape};
    EXPECT_EQ(bitmap.Canvas().Pixels(30, 30), clRed) << int{shape};
    EXPECT_EQ(bitmap.Canvas().Pixels(60, 30), clNavy) << int{shape};
    EXPECT_EQ(bitmap.Canvas().Pixels(2, 2), clWhite) << int{shape};
  }
  EXPECT_EQ(Target.Canvas().Pixels(20, 10), clWhite) << "between the star's upper tips";
  EXPECT_EQ(Target.Canvas().Pixels(47, 50), clWhite) << "between the star's lower tips";
  EXPECT_EQ(Target.Canvas().Pixels(78, 21), clBlack) << "the outline over the picture";
  EXPECT_EQ(Target.Canvas().Pixels(90, 29), clBlue) << "the shadow under it";
}

TEST_F(MVWShapePaint, PaintingDrawsTheGivenOutlineAndLeavesItAsItWas) {
  TMVWPointList points;
  TMVWShadow shadow;
  // A square outline, painted as if the shape were not square.
  CalcShapeGeometry({0, 0, 100, 60}, stRectangle, &shadow, &Bevel, 33, true, points);
  const std::vector<TMVWPoint> before = points.Points();
  int changes = 0;
  points.OnChange = [&](TObject*) { ++changes; };
  TBitmap& bitmap = Paint(stRectangle, nullptr, &points);
  EXPECT_EQ(points.Points(), before);
  EXPECT_EQ(changes, 3 * 4) << "moved to the corner, up by the depth and back, point by point";
  EXPECT_EQ(bitmap.Canvas().Pixels(10, 27), clWhite) << "left of the square";
  EXPECT_EQ(bitmap.Canvas().Pixels(47, 27), clLime);

  // Pressed: no shadow depth, so the body takes the shadow's place.
  Shadow.SetDepth(0);
  Paint(stRectangle, nullptr, &points);
  EXPECT_EQ(Target.Canvas().Pixels(30, 3), clWhite);
  EXPECT_EQ(Target.Canvas().Pixels(30, 30), clLime);
  EXPECT_EQ(Target.Canvas().Pixels(27, 30), clBlack);
}

TEST_F(MVWShapePaint, OutlineAndShadowFollowTheirSettings) {
  TMVWSimpleBevel none;
  none.SetWidth(0);
  Paint(stRectangle, nullptr, nullptr, &none);
  EXPECT_EQ(Target.Canvas().Pixels(1, 27), clLime) << "width 0: no outline";

  PaintShape(Target.Canvas(), {0, 0, 100, 60}, stEllipse, nullptr, nullptr, 33, Brush, false,
             clWhite, clFuchsia, nullptr, nullptr);
  EXPECT_EQ(Target.Canvas().Pixels(0, 30), clBlack) << "no bevel: a black line of width 1";
  EXPECT_EQ(Target.Canvas().Pixels(1, 30), clLime);
  EXPECT_EQ(Target.Canvas().Pixels(99, 30), clBlack) << "no shadow: the body fills the rectangle";

  Shadow.SetStyle(hssNone);
  Paint(stRectangle);
  EXPECT_EQ(Target.Canvas().Pixels(97, 57), clLime) << "hssNone: no depth, no shadow";
  EXPECT_EQ(Target.Canvas().Pixels(99, 30), clBlack);

  // The pattern's white pixels leave the background; its coloured ones mask it.
  Shadow.SetStyle(hssTracing);
  Paint(stRectangle);
  const TColor pair[] = {Target.Canvas().Pixels(97, 57), Target.Canvas().Pixels(98, 57)};
  EXPECT_TRUE((pair[0] == clBlue && pair[1] == clWhite) ||
              (pair[0] == clWhite && pair[1] == clBlue))
      << std::hex << pair[0] << " " << pair[1];

  // Hatches show the background colour between their lines.
  Shadow.SetStyle(hssSolid);
  Brush.SetStyle(bsCross);
  FillBitmap(Target, {0, 0, 110, 70}, clWhite);
  PaintShape(Target.Canvas(), {0, 0, 100, 60}, stRectangle, &Shadow, &Bevel, 33, Brush, false,
             clYellow, clFuchsia, nullptr, nullptr);
  int lime = 0, yellow = 0;
  for (int y = 20; y < 30; ++y)
    for (int x = 40; x < 50; ++x) {
      const TColor pixel = Target.Canvas().Pixels(x, y);
      lime += pixel == clLime;
      yellow += pixel == clYellow;
    }
  EXPECT_GT(lime, 0);
  EXPECT_EQ(lime + yellow, 100);
}

TEST_F(MVWShapePaint, ABoxWithoutRoomIsNotPaintedAndOnlyTheOriginIsTaken) {
  FillBitmap(Target, {0, 0, 20, 20}, clWhite);
  PaintShape(Target.Canvas(), {0, 0, 6, 20}, stRectangle, &Shadow, &Bevel, 33, Brush, false,
             clWhite, clFuchsia, nullptr, nullptr);
  for (const POINT point : {POINT{0, 0}, POINT{3, 10}, POINT{5, 19}})
    EXPECT_EQ(Target.Canvas().Pixels(point.x, point.y), clWhite);
  EXPECT_THROW(PaintShape(Target.Canvas(), {5, 5, 50, 50}, stRectangle, &Shadow, &Bevel, 33, Brush,
                          false, clWhite, clFuchsia, nullptr, nullptr),
               EInvalidOperation);
}

} // namespace
} // namespace marivo
