#pragma once

#include <array>
#include <cstdint>

namespace marivo {

enum TMVWBitmapStyle : std::uint8_t {
  sbNone,
  sbAutosize,
  sbCenter,
  sbStretch,
  sbTile,
  sbKeepAspRatio,
  sbKeepWidth,
  sbKeepHeight
};

// The image list's draw flags per style, in the order of TMVWBitmapStyle.
inline constexpr std::array<std::uint16_t, 8> BitmapStyleDrawFlags = {
    0x0001, 0x0001, 0x0009, 0x0010, 0x0021, 0x0610, 0x0211, 0x0411};
constexpr std::uint16_t ForceTransparentDrawFlag = 0x0040;

// Without a bevel extent the clipping bit is flipped, as the image lists have always been asked.
std::uint16_t ImageDrawFlags(TMVWBitmapStyle style, bool forceTransparent, int bevelExtent);

} // namespace marivo
