#pragma once

#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <cstddef>
#include <cstdint>

namespace marivo {

// The rows of a picture of 24-bit pixels, blue, green, red, each followed by PixelBytes - 3 bytes
// that the kernels leave alone. Stride may be negative for pictures stored bottom row first.
struct TMVWPixelRows {
  std::uint8_t* Bits = nullptr; // the top row
  std::ptrdiff_t Stride = 0;
  int Width = 0;
  int Height = 0;
  int PixelBytes = 3;
  std::uint8_t* Row(int y) const { return Bits + Stride * y; }
};

// Every kernel reads an area of a source (right and bottom edges excluded) and writes it at a
// point of a target, which may be the source itself, overlapping or not. What lies outside the
// source or would land outside the target is left out; nothing else moves.

// grey = 0.3 red + 0.59 green + 0.11 blue, each product rounded on its own (at most 254).
void GrayScalePixels(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                     TMVWPoint at);
// Column L + k goes to target column X + (R - 1 - L - k).
void MirrorPixelColumns(const TMVWPixelRows& source, const TMVWRect& area,
                        const TMVWPixelRows& target, TMVWPoint at);
// Row T + k goes to target row Y + (B - 1 - T - k).
void MirrorPixelRows(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                     TMVWPoint at);
void InvertPixels(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                  TMVWPoint at);
// amount (-255..255) added to every channel, kept within 0..255.
void BrightenPixels(const TMVWPixelRows& source, const TMVWRect& area, const TMVWPixelRows& target,
                    int amount, TMVWPoint at);
// target = s2 + round((s1 - s2) x weight) per channel, kept within 0..255: weight 1 keeps the
// first source, 0 gives the second, read from secondAt on.
void BlendPixels(const TMVWPixelRows& first, const TMVWPixelRows& second, const TMVWRect& area,
                 TMVWPoint at, double weight, const TMVWPixelRows& target, TMVWPoint secondAt);

} // namespace marivo
