#include "widgets/foundation/mvwbmp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace marivo {

namespace {

constexpr int BytesPerPixel = 4;

// The area cut to the source; the target point moves with its top-left corner.
bool CutToSource(const TBitmap& source, const RECT& area, POINT& at, RECT& cut) {
  cut = {std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0),
         std::min<LONG>(area.right, source.Width()), std::min<LONG>(area.bottom, source.Height())};
  if (cut.left >= cut.right || cut.top >= cut.bottom)
    return false;
  at.x += cut.left - area.left;
  at.y += cut.top - area.top;
  return true;
}

// The pixels of the area, row after row, read before anything is written so that the target
// may be the source, overlapping or not.
std::vector<std::uint8_t> ReadArea(TBitmap& source, const RECT& cut) {
  const std::size_t rowBytes = static_cast<std::size_t>(cut.right - cut.left) * BytesPerPixel;
  std::vector<std::uint8_t> pixels(rowBytes * static_cast<std::size_t>(cut.bottom - cut.top));
  for (int y = cut.top; y < cut.bottom; ++y)
    std::copy_n(source.ScanLine(y) + static_cast<std::size_t>(cut.left) * BytesPerPixel, rowBytes,
                pixels.begin() + static_cast<std::ptrdiff_t>(rowBytes * (y - cut.top)));
  return pixels;
}

// Writes every pixel of the area through write(target pixel, source pixel), placed at the
// target point and mirrored as asked; what falls outside the target is left out.
template <class W>
void Transform(TBitmap& source, const RECT& area, TBitmap& target, POINT at, bool mirrorColumns,
               bool mirrorRows, W write) {
  CheckPixelFormat24(source, "Source");
  CheckPixelFormat24(target, "Target");
  RECT cut;
  if (!CutToSource(source, area, at, cut))
    return;
  const int width = cut.right - cut.left;
  const int height = cut.bottom - cut.top;
  const std::vector<std::uint8_t> pixels = ReadArea(source, cut);
  for (int row = 0; row < height; ++row) {
    const int y = at.y + (mirrorRows ? height - 1 - row : row);
    if (y < 0 || y >= target.Height())
      continue;
    std::uint8_t* line = target.ScanLine(y);
    for (int column = 0; column < width; ++column) {
      const int x = at.x + (mirrorColumns ? width - 1 - column : column);
      if (x < 0 || x >= target.Width())
        continue;
      write(line + static_cast<std::size_t>(x) * BytesPerPixel,
            &pixels[(static_cast<std::size_t>(row) * width + column) * BytesPerPixel]);
    }
  }
}

void CopyPixel(std::uint8_t* to, const std::uint8_t* from) {
  std::copy_n(from, 3, to);
}

std::uint8_t ClampChannel(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

} // namespace

bool CheckPixelFormat24(const TBitmap& bitmap, const std::string& name) {
  if (bitmap.PixelFormat() != pf24bit)
    throw EMVWWrongPixelFormat("Wrong PixelFormat in " + name + " bitmap!");
  return true;
}

void GrayScaleRect(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  // Each weight's products rounded on their own, ties to even: the sum stays within 254.
  std::array<std::array<std::uint8_t, 256>, 3> weighted{};
  constexpr double Weights[3] = {0.11, 0.59, 0.3}; // blue, green, red
  for (int channel = 0; channel < 3; ++channel)
    for (int value = 0; value < 256; ++value)
      weighted[channel][value] =
          static_cast<std::uint8_t>(std::nearbyint(Weights[channel] * value));
  Transform(source, area, target, at, false, false,
            [&weighted](std::uint8_t* to, const std::uint8_t* from) {
              const int grey = weighted[0][from[0]] + weighted[1][from[1]] + weighted[2][from[2]];
              std::fill_n(to, 3, static_cast<std::uint8_t>(grey));
            });
}

void MirrorColumns(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  Transform(source, area, target, at, true, false, CopyPixel);
}

void MirrorRows(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  Transform(source, area, target, at, false, true, CopyPixel);
}

void InvertRect(TBitmap& source, const RECT& area, TBitmap& target, POINT at) {
  Transform(source, area, target, at, false, false, [](std::uint8_t* to, const std::uint8_t* from) {
    for (int channel = 0; channel < 3; ++channel)
      to[channel] = static_cast<std::uint8_t>(~from[channel]);
  });
}

void BrightenRect(TBitmap& source, const RECT& area, TBitmap& target, int amount, POINT at) {
  Transform(source, area, target, at, false, false,
            [amount](std::uint8_t* to, const std::uint8_t* from) {
              for (int channel = 0; channel < 3; ++channel)
                to[channel] = ClampChannel(from[channel] + amount);
            });
}

void AlphaBlend(TBitmap& first, TBitmap& second, const RECT& area, POINT at, double weight,
                TBitmap& target, POINT secondAt) {
  CheckPixelFormat24(first, "Source 1");
  CheckPixelFormat24(second, "Source 2");
  CheckPixelFormat24(target, "Target");
  // d x weight for every difference d of -255..255.
  std::array<int, 511> products{};
  for (int d = -255; d <= 255; ++d)
    products[static_cast<std::size_t>(d + 255)] = static_cast<int>(std::nearbyint(d * weight));
  RECT cut;
  POINT firstAt = at;
  if (!CutToSource(first, area, firstAt, cut))
    return;
  secondAt.x += cut.left - area.left;
  secondAt.y += cut.top - area.top;
  const int width = cut.right - cut.left;
  const int height = cut.bottom - cut.top;
  const std::vector<std::uint8_t> firstPixels = ReadArea(first, cut);
  RECT secondArea{secondAt.x, secondAt.y, secondAt.x + width, secondAt.y + height};
  RECT secondCut;
  POINT unused{};
  if (!CutToSource(second, secondArea, unused, secondCut))
    return;
  const std::vector<std::uint8_t> secondPixels = ReadArea(second, secondCut);
  const int secondWidth = secondCut.right - secondCut.left;
  for (int row = 0; row < height; ++row) {
    const int y = firstAt.y + row;
    const int secondRow = secondAt.y + row - secondCut.top;
    if (y < 0 || y >= target.Height() || secondRow < 0 ||
        secondRow >= secondCut.bottom - secondCut.top)
      continue;
    std::uint8_t* line = target.ScanLine(y);
    for (int column = 0; column < width; ++column) {
      const int x = firstAt.x + column;
      const int secondColumn = secondAt.x + column - secondCut.left;
      if (x < 0 || x >= target.Width() || secondColumn < 0 || secondColumn >= secondWidth)
        continue;
      const std::uint8_t* s1 = &firstPixels[(static_cast<std::size_t>(row) * width + column) * 4];
      const std::uint8_t* s2 =
          &secondPixels[(static_cast<std::size_t>(secondRow) * secondWidth + secondColumn) * 4];
      std::uint8_t* to = line + static_cast<std::size_t>(x) * BytesPerPixel;
      // A weight outside 0..1 from stored data must not wrap a channel round.
      for (int channel = 0; channel < 3; ++channel)
        to[channel] = ClampChannel(
            s2[channel] + products[static_cast<std::size_t>(s1[channel] - s2[channel] + 255)]);
    }
  }
}

} // namespace marivo
