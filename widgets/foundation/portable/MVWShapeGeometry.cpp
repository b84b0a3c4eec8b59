#include "widgets/foundation/portable/MVWShapeGeometry.h"

#include <algorithm>
#include <cmath>

namespace marivo {

namespace {

const double Sqrt2 = std::sqrt(2.0);

struct TOutlines {
  std::vector<TMVWPoint> Outer;
  std::vector<TMVWPoint> Inner;
};

// Some inner points are not simply the outer ones moved inward, and stay so because shapes have
// always been drawn from them: the rounded rectangle keeps its outer lower-right corner and takes
// a corner point moved by the depth, the upward triangle's base corner sits 2r along the outer
// base line, the downward one keeps its tip, the comb's lower corners move down by r, the star's
// left tip moves by s.
TOutlines Outlines(const TMVWRect& box, int roundness, const TMVWShapeSettings& settings) {
  const int l = box.Left, t = box.Top, rt = box.Right, b = box.Bottom;
  const int r = OuterHalf(settings.PenWidth), s = InnerHalf(settings.PenWidth);
  const int mx = l + box.Width() / 2, my = t + box.Height() / 2;
  switch (settings.Shape) {
  case stEllipse:
  case stRectangle:
    return {{{l, t}, {rt, b}}, {{l + r, t + r}, {rt - s, b - s}}};
  case stRoundRect: {
    const int d = settings.Depth;
    return {{{l, t}, {rt, b}, {roundness, roundness}},
            {{l + r, t + r}, {rt, b}, {roundness + d, roundness + d}}};
  }
  case stDirectUp:
    return {{{mx, t}, {rt, b}, {l, b}}, {{mx, t + r}, {rt - s, b - s}, {l + 2 * r, b}}};
  case stDirectRight:
    return {{{l, t}, {rt, my}, {l, b}}, {{l + r, t + r}, {rt - s, my}, {l + r, b - s}}};
  case stDirectDown:
    return {{{l, t}, {rt, t}, {mx, b}}, {{l + r, t + r}, {rt - s, t + r}, {mx, b}}};
  case stDirectLeft:
    return {{{rt, t}, {l, my}, {rt, b}}, {{rt - s, t + r}, {l + r, my}, {rt - s, b - s}}};
  case stDiamond:
    return {{{mx, t}, {rt, my}, {mx, b}, {l, my}},
            {{mx, t + r}, {rt - s, my}, {mx, b - s}, {l + r, my}}};
  case stComb: {
    const int q = RoundRatio(box.Height(), 1, 5);
    return {{{mx, t}, {rt, t + q}, {rt, t + 4 * q}, {mx, b}, {l, t + 4 * q}, {l, t + q}},
            {{mx, t + r},
             {rt - s, t + q + r},
             {rt - s, t + 4 * q + r},
             {mx, b - s},
             {l + r, t + 4 * q + r},
             {l + r, t + q + r}}};
  }
  case stOctagon: {
    const int p = RoundHalfEven(box.Width() / (2 + Sqrt2));
    const int q = RoundHalfEven(box.Height() / (2 + Sqrt2));
    const int pk = RoundHalfEven(p * Sqrt2), qk = RoundHalfEven(q * Sqrt2);
    return {{{l + p, t},
             {l + p + pk, t},
             {rt, t + q},
             {rt, t + q + qk},
             {l + p + pk, b},
             {l + p, b},
             {l, t + q + qk},
             {l, t + q}},
            {{l + p + r, t + r},
             {l + p + pk + r, t + r},
             {rt - s, t + q + r},
             {rt - s, t + q + qk + r},
             {l + p + pk + r, b - s},
             {l + p + r, b - s},
             {l + r, t + q + qk + r},
             {l + r, t + q + r}}};
  }
  case stStar: {
    std::vector<TMVWPoint> outer = StarPoints(box);
    std::vector<TMVWPoint> inner = outer;
    inner[0].Y = t + r;
    inner[2].X = rt - s;
    inner[4].Y = b - s;
    inner[6].Y = b - s;
    inner[8].X = l + s;
    return {std::move(outer), std::move(inner)};
  }
  }
  return {};
}

} // namespace

int ShapeRoundness(int width, int height, const TMVWShapeSettings& settings) {
  return settings.RoundPercent * std::min(width - settings.Depth, height - settings.Depth) / 100;
}

TMVWRect ShapeBox(int width, int height, const TMVWShapeSettings& settings) {
  const int d = settings.Depth;
  if (!settings.Square)
    return {d, d, width, height};
  if (width > height) {
    const int dx = (width - height) / 2;
    return {d + dx, d, width - dx, height};
  }
  const int dy = (height - width) / 2;
  return {d, d + dy, width, height - dy};
}

void CalcShapeGeometry(const TMVWRect& rect, const TMVWShapeSettings& settings,
                       TMVWPointList& points) {
  points.Clear();
  const int width = rect.Width(), height = rect.Height();
  const TOutlines outlines = Outlines(ShapeBox(width, height, settings),
                                      ShapeRoundness(width, height, settings), settings);
  for (const TMVWPoint& point : outlines.Outer)
    points.AddPoint(point);
  for (const TMVWPoint& point : outlines.Inner)
    points.AddPoint(point);
}

bool IsFirstBevelEdge(TMVWPoint from, TMVWPoint to, bool clockwise) {
  if (!clockwise)
    std::swap(from, to);
  return to.X - from.X > to.Y - from.Y;
}

bool IsClockwise(const std::vector<TMVWPoint>& outline) {
  std::int64_t area = 0;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const TMVWPoint a = outline[i];
    const TMVWPoint b = outline[(i + 1) % outline.size()];
    area += std::int64_t{a.X} * b.Y - std::int64_t{b.X} * a.Y;
  }
  // With y pointing down a positive area turns clockwise on screen.
  return area >= 0;
}

} // namespace marivo
