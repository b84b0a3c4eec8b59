#pragma once

#include <cstdint>
#include <vector>

namespace marivo {

// The side that carries a nose or a bubble trail, then the corner it is near.
enum TMVWExtPos : std::uint8_t {
  epLeftTop,
  epTopLeft,
  epTopRight,
  epRightTop,
  epRightBottom,
  epBottomRight,
  epBottomLeft,
  epLeftBottom
};

struct TMVWPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TMVWPoint&, const TMVWPoint&) = default;
};

// Right and bottom edges excluded.
struct TMVWRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TMVWRect&, const TMVWRect&) = default;
};

// Nearest integer, ties to even.
int RoundHalfEven(double value);
// value x numerator / denominator (denominator > 0) rounded to nearest, ties to even, in exact
// integer arithmetic: 0.7 x 5 is 3.5 and goes to 4, whatever a binary fraction would make of it.
int RoundRatio(int value, int numerator, int denominator);

// The outlines of the polygon shapes, in the order the region and its border walk them.
std::vector<TMVWPoint> StarPoints(const TMVWRect& rect);
std::vector<TMVWPoint> DiamondPoints(const TMVWRect& rect);
std::vector<TMVWPoint> OctagonPoints(const TMVWRect& rect);
std::vector<TMVWPoint> CombPoints(const TMVWRect& rect);

// The rectangle left beside a nose or bubble trail of size a at the position.
TMVWRect ShrinkForExtension(const TMVWRect& rect, int a, TMVWExtPos position);
// Tip and the two base points of a nose of size a with base offset b, after the shrinking.
std::vector<TMVWPoint> NosePoints(const TMVWRect& shrunk, int a, int b, TMVWExtPos position);

struct TMVWBubble {
  TMVWPoint Centre;
  int Diameter = 0;
};
// The n + 2 bubbles of a trail of size a, after the shrinking; the first has no size.
std::vector<TMVWBubble> BubbleTrail(const TMVWRect& shrunk, int a, int n, TMVWExtPos position);
// The box a bubble's ellipse is drawn in.
TMVWRect BubbleBox(const TMVWBubble& bubble);

// Points as form data keeps them: X1, Y1, X2, Y2... Raises EReadError for an odd count or a
// value outside 32 bits.
std::vector<TMVWPoint> PointsFromList(const std::vector<std::int64_t>& values);
std::vector<std::int64_t> PointsToList(const std::vector<TMVWPoint>& points);

// The packed 32-bit item, (X shl 16) + Y with both cut to 16 bits, and back: exact for X in
// 0..65535 and Y in 0..32767.
std::uint32_t PackPoint(TMVWPoint point);
TMVWPoint UnpackPoint(std::uint32_t item);

} // namespace marivo
