#pragma once

#include "platform/rtl/Streams.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace marivo {

// Region data as the platform keeps it, little-endian: a 32-byte header (its own size 32, type 1
// for rectangles, the rectangle count, a size hint, the bounds) and then 16 bytes per rectangle.
constexpr std::size_t RegionDataHeaderSize = 32;
constexpr std::size_t RegionDataRectSize = 16;

// True when the block holds a whole header of the rectangle type and every rectangle it counts;
// only such a block may be handed to the platform.
bool IsValidRegionData(const std::uint8_t* data, std::size_t size);
inline bool IsValidRegionData(const std::vector<std::uint8_t>& data) {
  return IsValidRegionData(data.data(), data.size());
}

// "RegionData" of form data: the whole stored value, which must be declaredSize bytes long.
// Raises EReadError naming the property otherwise.
std::vector<std::uint8_t> ReadRegionDataBlock(TStream& stream, std::int32_t declaredSize);

// A picture of a region mask in form data: a flag byte (nonzero: compressed), then the BMP file
// image after its 32-bit length or as a compressed stream, filling the whole stored value.
struct TMVWMaskPicture {
  bool Compressed = false;
  std::vector<std::uint8_t> Image;
};
// Raises EReadError naming the property for truncated, corrupt or overlong data.
TMVWMaskPicture ReadMaskPicture(TStream& stream, const std::string& property);

} // namespace marivo
