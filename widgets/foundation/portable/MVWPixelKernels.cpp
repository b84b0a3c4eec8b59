#include "widgets/foundation/portable/MVWPixelKernels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

namespace marivo {

namespace {

// The source positions [Low, High) of one axis whose pixels land inside every picture, and where
// each of them lands in the target.
struct TAxis {
  std::int64_t Low = 0;
  std::int64_t High = 0;
  std::int64_t TargetBase = 0; // target = TargetBase + s, or TargetBase - s when mirrored
  bool Mirrored = false;
  std::int64_t Target(std::int64_t s) const { return Mirrored ? TargetBase - s : TargetBase + s; }
  bool Empty() const { return Low >= High; }
};

TAxis CutAxis(int low, int high, int sourceSize, int at, int targetSize, bool mirrored) {
  TAxis axis;
  axis.Mirrored = mirrored;
  axis.Low = std::max<std::int64_t>(low, 0);
  axis.High = std::min<std::int64_t>(high, sourceSize);
  if (mirrored) {
    axis.TargetBase = std::int64_t{at} + high - 1;
    axis.Low = std::max(axis.Low, axis.TargetBase - targetSize + 1);
    axis.High = std::min(axis.High, axis.TargetBase + 1);
  } else {
    axis.TargetBase = std::int64_t{at} - low;
    axis.Low = std::max(axis.Low, -axis.TargetBase);
    axis.High = std::min(axis.High, targetSize - axis.TargetBase);
  }
  return axis;
}

// A second picture read along an unmirrored axis from secondAt on.
void CutAxisBy(TAxis& axis, int low, int secondAt, int secondSize) {
  const std::int64_t offset = std::int64_t{secondAt} - low;
  axis.Low = std::max(axis.Low, -offset);
  axis.High = std::min(axis.High, secondSize - offset);
}

bool Valid(const TMVWPixelRows& rows) {
  return rows.Bits && rows.Width > 0 && rows.Height > 0 && rows.PixelBytes >= 3;
}

bool SharesMemory(const TMVWPixelRows& a, const TMVWPixelRows& b) {
  const auto span = [](const TMVWPixelRows& rows) {
    const std::uint8_t* first = rows.Row(0);
    const std::uint8_t* last = rows.Row(rows.Height - 1);
    return std::make_pair(std::min(first, last),
                          std::max(first, last) +
                              static_cast<std::ptrdiff_t>(rows.Width) * rows.PixelBytes);
  };
  const auto [aLow, aHigh] = span(a);
  const auto [bLow, bHigh] = span(b);
  return std::less<>()(aLow, bHigh) && std::less<>()(bLow, aHigh);
}

// Where a kernel reads its pixels: the source itself, or a copy of the area taken before
// anything is written when the target shares its memory.
class TReadView {
public:
  TReadView(const TMVWPixelRows& source, const TAxis& x, const TAxis& y, bool copy)
      : Rows_(source) {
    if (!copy)
      return;
    const int width = static_cast<int>(x.High - x.Low);
    const int height = static_cast<int>(y.High - y.Low);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * source.PixelBytes;
    Copy_.resize(rowBytes * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
      std::memcpy(Copy_.data() + rowBytes * static_cast<std::size_t>(row),
                  Pixel(source, static_cast<int>(x.Low), static_cast<int>(y.Low) + row), rowBytes);
    Rows_ = {Copy_.data(), static_cast<std::ptrdiff_t>(rowBytes), width, height, source.PixelBytes};
    OffsetX_ = static_cast<int>(x.Low);
    OffsetY_ = static_cast<int>(y.Low);
  }
  const std::uint8_t* At(int x, int y) const { return Pixel(Rows_, x - OffsetX_, y - OffsetY_); }

  static std::uint8_t* Pixel(const TMVWPixelRows& rows, int x, int y) {
    return rows.Row(y) + static_cast<std::ptrdiff_t>(x) * rows.PixelBytes;
  }

private:
  TMVWPixelRows Rows_;
  std::vector<std::uint8_t> Copy_;
  int OffsetX_ = 0;
  int OffsetY_ = 0;
};

// Reading in place is safe only pixel by pixel onto the very same pixel.
bool NeedsCopy(const TMVWPixelRows& source, const TMVWPixelRows& target, const TAxis& x,
               const TAxis& y) {
  if (!SharesMemory(source, target))
    return false;
  const bool samePixels = source.Bits == target.Bits && source.Stride == target.Stride &&
                          source.PixelBytes == target.PixelBytes && !x.Mirrored && !y.Mirrored &&
                          x.TargetBase == 0 && y.TargetBase == 0;
  return !samePixels;
}

template <class Write>
void Transform(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
               TMVWPoint at, bool mirrorColumns, bool mirrorRows, Write write) {
  if (!Valid(source) || !Valid(target))
    return;
  const TAxis x = CutAxis(area.Left, area.Right, source.Width, at.X, target.Width, mirrorColumns);
  const TAxis y = CutAxis(area.Top, area.Bottom, source.Height, at.Y, target.Height, mirrorRows);
  if (x.Empty() || y.Empty())
    return;
  const TReadView from(source, x, y, NeedsCopy(source, target, x, y));
  for (auto sy = y.Low; sy < y.High; ++sy) {
    const auto ty = static_cast<int>(y.Target(sy));
    for (auto sx = x.Low; sx < x.High; ++sx)
      write(TReadView::Pixel(target, static_cast<int>(x.Target(sx)), ty),
            from.At(static_cast<int>(sx), static_cast<int>(sy)));
  }
}

void CopyPixel(std::uint8_t* to, const std::uint8_t* from) {
  to[0] = from[0];
  to[1] = from[1];
  to[2] = from[2];
}

std::uint8_t ClampChannel(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

} // namespace

void GrayScalePixels(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                     TMVWPoint at) {
  // Blue, green, red weights; ties to even keep 255 x (0.3 + 0.59 + 0.11) at 254.
  std::array<std::array<std::uint8_t, 256>, 3> weighted{};
  constexpr int Hundredths[3] = {11, 59, 30};
  for (std::size_t channel = 0; channel < 3; ++channel)
    for (int value = 0; value < 256; ++value)
      weighted[channel][static_cast<std::size_t>(value)] =
          static_cast<std::uint8_t>(RoundRatio(value, Hundredths[channel], 100));
  Transform(source, area, target, at, false, false,
            [&weighted](std::uint8_t* to, const std::uint8_t* from) {
              const int grey = weighted[0][from[0]] + weighted[1][from[1]] + weighted[2][from[2]];
              to[0] = to[1] = to[2] = static_cast<std::uint8_t>(grey);
            });
}

void MirrorPixelColumns(const TMVWPixelRows& source, const TMVWRect& area,
                        const TMVWPixelRows& target, TMVWPoint at) {
  Transform(source, area, target, at, true, false, CopyPixel);
}

void MirrorPixelRows(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                     TMVWPoint at) {
  Transform(source, area, target, at, false, true, CopyPixel);
}

void InvertPixels(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                  TMVWPoint at) {
  Transform(source, area, target, at, false, false, [](std::uint8_t* to, const std::uint8_t* from) {
    for (int channel = 0; channel < 3; ++channel)
      to[channel] = static_cast<std::uint8_t>(~from[channel]);
  });
}

void BrightenPixels(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                    int amount, TMVWPoint at) {
  const int clamped = std::clamp(amount, -255, 255);
  Transform(source, area, target, at, false, false,
            [clamped](std::uint8_t* to, const std::uint8_t* from) {
              for (int channel = 0; channel < 3; ++channel)
                to[channel] = ClampChannel(from[channel] + clamped);
            });
}

void BlendPixels(const TMVWPixelRows& first, const TMVWPixelRows& second, const TMVWRect& area,
                 TMVWPoint at, double weight, const TMVWPixelRows& target, TMVWPoint secondAt) {
  if (!Valid(first) || !Valid(second) || !Valid(target) || !std::isfinite(weight))
    return;
  TAxis x = CutAxis(area.Left, area.Right, first.Width, at.X, target.Width, false);
  TAxis y = CutAxis(area.Top, area.Bottom, first.Height, at.Y, target.Height, false);
  CutAxisBy(x, area.Left, secondAt.X, second.Width);
  CutAxisBy(y, area.Top, secondAt.Y, second.Height);
  if (x.Empty() || y.Empty())
    return;
  // d x weight for every difference d of -255..255; a weight beyond 0..1 from stored data must
  // not wrap a channel round, so the sums are clamped below.
  std::array<int, 511> products{};
  for (int d = -255; d <= 255; ++d)
    products[static_cast<std::size_t>(d + 255)] =
        RoundHalfEven(std::clamp(d * weight, -65536.0, 65536.0));
  const std::int64_t dx = std::int64_t{secondAt.X} - area.Left;
  const std::int64_t dy = std::int64_t{secondAt.Y} - area.Top;
  TAxis secondX = x, secondY = y;
  secondX.Low += dx;
  secondX.High += dx;
  secondX.TargetBase -= dx;
  secondY.Low += dy;
  secondY.High += dy;
  secondY.TargetBase -= dy;
  const TReadView one(first, x, y, NeedsCopy(first, target, x, y));
  const TReadView two(second, secondX, secondY, NeedsCopy(second, target, secondX, secondY));
  for (auto sy = y.Low; sy < y.High; ++sy) {
    const auto ty = static_cast<int>(y.Target(sy));
    for (auto sx = x.Low; sx < x.High; ++sx) {
      const std::uint8_t* s1 = one.At(static_cast<int>(sx), static_cast<int>(sy));
      const std::uint8_t* s2 = two.At(static_cast<int>(sx + dx), static_cast<int>(sy + dy));
      std::uint8_t* to = TReadView::Pixel(target, static_cast<int>(x.Target(sx)), ty);
      for (int channel = 0; channel < 3; ++channel)
        to[channel] = ClampChannel(
            s2[channel] + products[static_cast<std::size_t>(s1[channel] - s2[channel] + 255)]);
    }
  }
}

} // namespace marivo
