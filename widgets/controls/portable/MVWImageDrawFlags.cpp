#include "widgets/controls/portable/MVWImageDrawFlags.h"

namespace marivo {

std::uint16_t ImageDrawFlags(TMVWBitmapStyle style, bool forceTransparent, int bevelExtent) {
  std::uint16_t flags = BitmapStyleDrawFlags.at(style);
  if (forceTransparent)
    flags |= ForceTransparentDrawFlag;
  if (bevelExtent == 0)
    flags ^= 0x0001;
  return flags;
}

} // namespace marivo
