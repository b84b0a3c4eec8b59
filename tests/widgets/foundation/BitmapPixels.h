#pragma once

#include "platform/ui/Graphics.h"
#include "platform/ui/Pictures.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace marivo::test {

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;

// A bitmap whose pixel (x, y) has the colour colour(x, y).
inline void Paint(TBitmap& bitmap, int width, int height,
                  const std::function<TColor(int, int)>& colour) {
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixels(x, y, colour(x, y));
}

// Every pixel, row after row.
inline std::vector<TColor> Pixels(const TBitmap& bitmap) {
  std::vector<TColor> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      pixels.push_back(bitmap.Pixels(x, y));
  return pixels;
}

// How many pixels show the colour.
inline int CountOf(const TBitmap& bitmap, TColor color) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      count += bitmap.Pixels(x, y) == static_cast<TColor>(ColorToRGB(color));
  return count;
}

// A 3 x 2 picture with a different colour in every pixel.
inline TColor Numbered(int x, int y) {
  return static_cast<TColor>(RGB(10 * x + 1, 20 * y + 2, 40 + x + y));
}

} // namespace marivo::test
