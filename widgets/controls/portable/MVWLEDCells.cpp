#include "widgets/controls/portable/MVWLEDCells.h"

#include "platform/rtl/Setters.h"

#include <algorithm>
#include <limits>

namespace marivo {

namespace {

TMVWLEDPolygon Horizontal(int x, int y, int a, int b) {
  return {{{x, y + a},
           {x + a, y},
           {x + a + b, y},
           {x + b + 2 * a, y + a},
           {x + a + b, y + 2 * a},
           {x + a, y + 2 * a}}};
}

TMVWLEDPolygon Vertical(int x, int y, int a, int b) {
  return {{{x + b, y},
           {x + 2 * b, y + b},
           {x + 2 * b, y + a + b},
           {x + b, y + a + 2 * b},
           {x, y + a + b},
           {x, y + b}}};
}

int WithSignOf(int magnitude, int sign) {
  return sign < 0 ? -magnitude : magnitude;
}

// a is the vertical run, b the horizontal one; a zero run leaves a polygon of no area.
TMVWLEDPolygon Diagonal(int x, int y, int a, int b, int width) {
  if (a == 0 || b == 0) {
    TMVWLEDPolygon none;
    none.fill({x, y});
    return none;
  }
  const int half = RoundHalfEven(width / 2.0);
  const int e = WithSignOf(half, b);
  const int d = WithSignOf(half, a);
  return {{{x, y}, {x + e, y}, {x + b, y + a - d}, {x + b, y + a}, {x + b - e, y + a}, {x, y + d}}};
}

TMVWLEDPolygon Dot(int x, int y, int t) {
  return {{{x + t, y - 1}, {x + t, y + t - 1}, {x, y + t - 1}, {x, y - 1}, {x, y - 1}, {x, y - 1}}};
}

} // namespace

int LEDCellWidth(const TMVWLEDSize& size) {
  return size.Horz + 5 * size.Thickness;
}

int LEDCellHeight(const TMVWLEDSize& size) {
  return 2 * size.Vert + 7 * size.Thickness;
}

TMVWLEDSegments LEDSegments(const TMVWLEDSize& size) {
  const int h = size.Horz;
  const int v = size.Vert;
  const int t = size.Thickness;
  const int half = t / 2;
  const int w = 2 * t + h / 2;
  const int right = w + RoundHalfEven(1.5 * t);
  return {{
      Horizontal(2 * t, t, half, h),
      Vertical(t, 2 * t, v, half),
      Vertical(h + 3 * t, 2 * t, v, half),
      Horizontal(2 * t, v + 3 * t, half, h),
      Vertical(t, v + 4 * t, v, half),
      Vertical(h + 3 * t, v + 4 * t, v, half),
      Horizontal(2 * t, 2 * v + 5 * t, half, h),
      Vertical(w, 2 * t, v, half),
      Vertical(w, v + 4 * t, v, half),
      Diagonal(w - half, v + 2 * t, t - v, t - h / 2, t),
      Diagonal(right, v + 2 * t, t - v, h / 2 - t, t),
      Diagonal(w - half, v + 5 * t, v - t, t - h / 2, t),
      Diagonal(right, v + 5 * t, v - t, h / 2 - t, t),
      Dot(w - 1, v + 3 * t, t),
      Dot(w - 1, t, t),
      Dot(w - 1, 2 * v + 5 * t, t),
  }};
}

std::uint16_t LEDLitSegments(std::uint16_t mask, const TMVWLEDSize& size) {
  if (size.Vert > 3 && size.Horz > 3)
    return mask;
  return mask & LEDBarSegments;
}

std::uint16_t LEDCharMask(char c) {
  if (c >= 'a' && c <= 'z')
    c = static_cast<char>(c - 'a' + 'A');
  for (const TMVWLEDCharMask& entry : LEDCharMasks)
    if (entry.Chars.find(c) != std::string_view::npos)
      return entry.Mask;
  return 0;
}

TMVWLEDLayout LayoutLEDText(std::string_view text) {
  TMVWLEDLayout layout;
  int column = 0;
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code == '\r') {
      ++layout.Lines;
      column = 0;
      continue;
    }
    if (code < 32)
      continue;
    layout.Cells.push_back({column, layout.Lines - 1, LEDCharMask(c)});
    ++column;
    layout.Widest = std::max(layout.Widest, column);
  }
  return layout;
}

TMVWLEDExtent LEDTextExtent(std::string_view text, const TMVWLEDSize& size, int bevelExtent) {
  const TMVWLEDLayout layout = LayoutLEDText(text);
  const auto saturate = [](std::int64_t value) {
    return static_cast<int>(std::min<std::int64_t>(value, std::numeric_limits<int>::max()));
  };
  return {saturate(std::int64_t{LEDCellWidth(size)} * layout.Widest + 2 * bevelExtent + 1),
          saturate(std::int64_t{LEDCellHeight(size)} * layout.Lines + 2 * bevelExtent)};
}

bool TMVWLEDValue::SetStyle(TMVWLEDStyle value) {
  return Store(Style_, value);
}

bool TMVWLEDValue::SetDigits(std::uint8_t value) {
  return value != 0 && Store(Digits_, value);
}

bool TMVWLEDValue::SetValue(std::int32_t value) {
  return Store(Value_, value);
}

std::string TMVWLEDValue::Text(const std::string& caption) const {
  if (Style_ == lsString)
    return caption;
  const std::string number = std::to_string(Value_);
  if (number.size() > Digits_)
    return std::string(Digits_, '-');
  return std::string(Digits_ - number.size(), '0') + number;
}

} // namespace marivo
