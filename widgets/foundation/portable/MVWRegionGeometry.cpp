#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <limits>

namespace marivo {

namespace {

bool OnTopSide(TMVWExtPos position) {
  return position <= epRightTop;
}

bool OnLeftSide(TMVWExtPos position) {
  return position == epLeftTop || position == epTopLeft || position == epBottomLeft ||
         position == epLeftBottom;
}

} // namespace

int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

int RoundRatio(int value, int numerator, int denominator) {
  const std::int64_t product = std::int64_t{value} * numerator;
  std::int64_t quotient = product / denominator;
  std::int64_t remainder = product % denominator;
  if (remainder < 0) {
    --quotient;
    remainder += denominator;
  }
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
    ++quotient;
  return static_cast<int>(quotient);
}

std::vector<TMVWPoint> StarPoints(const TMVWRect& r) {
  const int l = r.Left, t = r.Top, w = r.Width(), h = r.Height();
  const auto x = [&](int percent) { return l + RoundRatio(w, percent, 100); };
  const auto y = [&](int percent) { return t + RoundRatio(h, percent, 100); };
  return {{l + w / 2, t},    {x(65), y(38)},     {r.Right, y(38)},  {x(70), y(60)},
          {x(85), r.Bottom}, {l + w / 2, y(75)}, {x(15), r.Bottom}, {x(30), y(60)},
          {l, y(38)},        {x(35), y(38)}};
}

std::vector<TMVWPoint> DiamondPoints(const TMVWRect& r) {
  const int w = r.Width(), h = r.Height();
  return {{r.Left + w / 2, r.Top},
          {r.Left, r.Top + h / 2},
          {r.Left + w / 2, r.Bottom},
          {r.Right, r.Top + h / 2}};
}

std::vector<TMVWPoint> OctagonPoints(const TMVWRect& r) {
  const int w = r.Width(), h = r.Height();
  return {{r.Left + w / 3 * 2, r.Top},  {r.Left + w / 3, r.Top},    {r.Left, r.Top + h / 3},
          {r.Left, r.Top + h / 3 * 2},  {r.Left + w / 3, r.Bottom}, {r.Left + w / 3 * 2, r.Bottom},
          {r.Right, r.Top + h / 3 * 2}, {r.Right, r.Top + h / 3}};
}

std::vector<TMVWPoint> CombPoints(const TMVWRect& r) {
  const int w = r.Width(), h = r.Height();
  return {{r.Left + w / 2, r.Top},    {r.Left, r.Top + h / 4},      {r.Left, r.Top + h / 4 * 3},
          {r.Left + w / 2, r.Bottom}, {r.Right, r.Top + h / 4 * 3}, {r.Right, r.Top + h / 4}};
}

TMVWRect ShrinkForExtension(const TMVWRect& rect, int a, TMVWExtPos position) {
  TMVWRect shrunk = rect;
  if (OnTopSide(position))
    shrunk.Top += a;
  else
    shrunk.Bottom -= a;
  if (OnLeftSide(position))
    shrunk.Left += a;
  else
    shrunk.Right -= a;
  return shrunk;
}

std::vector<TMVWPoint> NosePoints(const TMVWRect& s, int a, int b, TMVWExtPos position) {
  const int x = RoundHalfEven(std::sqrt(2.0 * a * a));
  const int l = s.Left, t = s.Top, r = s.Right, bottom = s.Bottom;
  switch (position) {
  case epLeftTop:
    return {{l - a, t - a}, {l, t + b}, {l, t + b + x}};
  case epTopLeft:
    return {{l - a, t - a}, {l + b, t}, {l + b + x, t}};
  case epTopRight:
    return {{r + a, t - a}, {r - b, t}, {r - b - x, t}};
  case epRightTop:
    return {{r + a, t - a}, {r, t + b}, {r, t + b + x}};
  case epRightBottom:
    return {{r + a, bottom + a}, {r, bottom - b}, {r, bottom - b - x}};
  case epBottomRight:
    return {{r + a, bottom + a}, {r - b, bottom}, {r - b - x, bottom}};
  case epBottomLeft:
    return {{l - a, bottom + a}, {l + b, bottom}, {l + b + x, bottom}};
  case epLeftBottom:
    return {{l - a, bottom + a}, {l, bottom - b}, {l, bottom - b - x}};
  }
  return {};
}

std::vector<TMVWBubble> BubbleTrail(const TMVWRect& s, int a, int n, TMVWExtPos position) {
  std::vector<TMVWBubble> bubbles;
  if (n <= 0)
    return bubbles;
  const double e = a * 6.283185307179586 / 4 / n / n;
  const auto round = [a](double factor) { return RoundHalfEven(a * factor); };
  for (int f = 0; f <= n + 1; ++f) {
    const double g = f * (90.0 / (n + 1)) * 0.017453292519943295;
    // 1.57, not the exact quarter turn: the trail has always been drawn so.
    const double h = 1.57 - g;
    TMVWPoint c;
    switch (position) {
    case epLeftTop:
      c = {s.Left - round(std::cos(g)), s.Top - a + round(std::sin(g))};
      break;
    case epTopLeft:
      c = {s.Left - a + round(std::cos(h)), s.Top - round(std::sin(h))};
      break;
    case epTopRight:
      c = {s.Right + a - round(std::cos(h)), s.Top - round(std::sin(g + 1.57))};
      break;
    case epRightTop:
      c = {s.Right + round(std::cos(g)), s.Top - a + round(std::sin(g))};
      break;
    case epRightBottom:
      c = {s.Right + round(std::cos(g)), s.Bottom + a - round(std::sin(g))};
      break;
    case epBottomRight:
      c = {s.Right + a - round(std::cos(h)), s.Bottom + round(std::sin(h))};
      break;
    case epBottomLeft:
      c = {s.Left - a + round(std::cos(h)), s.Bottom + round(std::sin(h))};
      break;
    case epLeftBottom:
      c = {s.Left - round(std::cos(g)), s.Bottom + a - round(std::sin(g))};
      break;
    }
    bubbles.push_back({c, RoundHalfEven(e * f)});
  }
  return bubbles;
}

TMVWRect BubbleBox(const TMVWBubble& bubble) {
  const int half = bubble.Diameter / 2;
  return {bubble.Centre.X - half, bubble.Centre.Y - half, bubble.Centre.X + half,
          bubble.Centre.Y + half};
}

std::vector<TMVWPoint> PointsFromList(const std::vector<std::int64_t>& values) {
  if (values.size() % 2 != 0)
    throw EReadError("Invalid property value PointList: " + std::to_string(values.size()) +
                     " integers do not make X, Y pairs");
  std::vector<TMVWPoint> points;
  points.reserve(values.size() / 2);
  for (std::size_t i = 0; i < values.size(); i += 2) {
    for (const std::int64_t value : {values[i], values[i + 1]})
      if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EReadError("Invalid property value PointList: " + std::to_string(value) +
                         " is no coordinate");
    points.push_back({static_cast<int>(values[i]), static_cast<int>(values[i + 1])});
  }
  return points;
}

std::vector<std::int64_t> PointsToList(const std::vector<TMVWPoint>& points) {
  std::vector<std::int64_t> values;
  values.reserve(points.size() * 2);
  for (const TMVWPoint& point : points) {
    values.push_back(point.X);
    values.push_back(point.Y);
  }
  return values;
}

std::uint32_t PackPoint(TMVWPoint point) {
  const auto x = static_cast<std::uint16_t>(static_cast<std::int16_t>(point.X));
  const auto y = static_cast<std::int16_t>(point.Y);
  // A negative Y borrows from the X half, as the packed form always did.
  return (static_cast<std::uint32_t>(x) << 16) +
         static_cast<std::uint32_t>(static_cast<std::int32_t>(y));
}

TMVWPoint UnpackPoint(std::uint32_t item) {
  return {static_cast<int>(item >> 16), static_cast<std::int16_t>(item & 0xFFFF)};
}

} // namespace marivo
