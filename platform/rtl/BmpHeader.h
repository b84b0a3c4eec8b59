#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace marivo {

// Where the parts of a BMP file image lie, as its headers say once they have been checked.
struct TBmpLayout {
  int Width = 0;
  int Rows = 0;
  bool TopDown = false;
  int BitCount = 0;                   // 1, 4, 8, 16, 24 or 32
  std::uint32_t Masks[3] = {};        // red, green, blue of a 16- or 32-bit pixel
  std::vector<std::uint32_t> Palette; // 0x00RRGGBB, 2^BitCount entries for 8 bits or fewer
  int PaletteColors = 0;              // the entries the file holds
  std::size_t PixelOffset = 0;
  std::size_t Stride = 0; // bytes per row, a multiple of 4
  bool BitFields = false;
};

// Checks a BMP file image (file header, info header of 40 bytes or more, colour table, pixels)
// against its own size before anything is read from it: the file may lie. Raises
// EInvalidGraphic "Bitmap image is not valid: <reason>".
TBmpLayout CheckBmpHeader(const std::uint8_t* data, std::size_t size);

} // namespace marivo
