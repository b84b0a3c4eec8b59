#pragma once

#include "widgets/foundation/portable/MVWPointList.h"
#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <cstdint>

namespace marivo {

enum TMVWShapeType : std::uint8_t {
  stEllipse,
  stRectangle,
  stRoundRect,
  stDirectUp,
  stDirectRight,
  stDirectDown,
  stDirectLeft,
  stDiamond,
  stComb,
  stOctagon,
  stStar
};

// 0..100
using TMVWPercent = std::uint8_t;

// What the outline of a shape depends on. Depth is 0 without a shadow that counts; PenWidth is 1
// without a bevel.
struct TMVWShapeSettings {
  TMVWShapeType Shape = stRectangle;
  int Depth = 0;
  int PenWidth = 1;
  TMVWPercent RoundPercent = 33;
  bool Square = false;
};

// The pen runs on the inner outline, half its width inside: r towards the upper left, s towards
// the lower right.
constexpr int OuterHalf(int penWidth) {
  return penWidth / 2;
}
constexpr int InnerHalf(int penWidth) {
  return (penWidth - 1) / 2;
}
// The corner size of a rounded rectangle of width x height.
int ShapeRoundness(int width, int height, const TMVWShapeSettings& settings);
// The box the shape fills within width x height: the shadow's depth off the upper left, and with
// Square centred in the longer side.
TMVWRect ShapeBox(int width, int height, const TMVWShapeSettings& settings);
// Clears the list, then adds the outer outline and the inner one, as many points each, in the
// frame of the rectangle's top-left corner.
void CalcShapeGeometry(const TMVWRect& rect, const TMVWShapeSettings& settings,
                       TMVWPointList& points);
// Whether the bevel draws the edge between two points of an outline in its first colour (the one
// of the faces up and left): walked clockwise on screen, edges going more right than down or
// more up than left; a slant at 45 degrees takes the second.
bool IsFirstBevelEdge(TMVWPoint from, TMVWPoint to, bool clockwise);
// Whether the outline turns clockwise on screen (y down).
bool IsClockwise(const std::vector<TMVWPoint>& outline);

} // namespace marivo
