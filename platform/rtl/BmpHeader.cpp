#include "platform/rtl/BmpHeader.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"

#include <climits>
#include <string>

namespace marivo {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::uint32_t CompressionRGB = 0;
constexpr std::uint32_t CompressionBitFields = 3;

std::uint32_t ReadU16(const std::uint8_t* bytes) {
  return bytes[0] | (bytes[1] << 8);
}

std::uint32_t ReadU32(const std::uint8_t* bytes) {
  return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
         (static_cast<std::uint32_t>(bytes[3]) << 24);
}

[[noreturn]] void BadBitmap(const std::string& reason) {
  throw EInvalidGraphic("Bitmap image is not valid: " + reason);
}

} // namespace

TBmpLayout CheckBmpHeader(const std::uint8_t* data, std::size_t size) {
  if (size < FileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
    BadBitmap("no bitmap header");
  const std::uint64_t fileSize = ReadU32(data + 2);
  const std::uint64_t pixelOffset = ReadU32(data + 10);
  const std::uint64_t headerSize = ReadU32(data + FileHeaderSize);
  if (fileSize > size)
    BadBitmap("the file is shorter than its header says");
  if (headerSize < InfoHeaderSize)
    BadBitmap("unsupported header of " + IntToStr(static_cast<std::int64_t>(headerSize)) +
              " bytes");
  if (FileHeaderSize + headerSize > size)
    BadBitmap("the header is truncated");

  const std::uint8_t* info = data + FileHeaderSize;
  const auto width = static_cast<std::int32_t>(ReadU32(info + 4));
  const auto height = static_cast<std::int32_t>(ReadU32(info + 8));
  const std::uint32_t planes = ReadU16(info + 12);
  const std::uint32_t bitCount = ReadU16(info + 14);
  const std::uint32_t compression = ReadU32(info + 16);
  const std::uint64_t imageSize = ReadU32(info + 20);
  const std::uint64_t colorsUsed = ReadU32(info + 32);
  if (width <= 0 || height == 0 || height == INT32_MIN)
    BadBitmap("invalid size " + IntToStr(width) + " x " + IntToStr(height));
  if (planes != 1)
    BadBitmap("invalid plane count");
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
      bitCount != 32)
    BadBitmap("unsupported " + IntToStr(bitCount) + " bits per pixel");

  TBmpLayout layout;
  layout.Width = width;
  layout.TopDown = height < 0;
  layout.Rows = layout.TopDown ? -height : height;
  layout.BitCount = static_cast<int>(bitCount);
  layout.BitFields = compression == CompressionBitFields && (bitCount == 16 || bitCount == 32);
  if (compression != CompressionRGB && !layout.BitFields)
    BadBitmap("unsupported compression");

  // Bit-field masks follow a 40-byte header and sit at the same place inside longer ones.
  if (bitCount == 32) {
    layout.Masks[0] = 0xFF0000;
    layout.Masks[1] = 0xFF00;
    layout.Masks[2] = 0xFF;
  } else {
    layout.Masks[0] = 0x7C00;
    layout.Masks[1] = 0x03E0;
    layout.Masks[2] = 0x001F;
  }
  if (layout.BitFields) {
    if (FileHeaderSize + InfoHeaderSize + 12 > size)
      BadBitmap("the colour masks are truncated");
    for (int i = 0; i < 3; ++i)
      layout.Masks[i] = ReadU32(info + InfoHeaderSize + 4 * i);
  }

  if (bitCount <= 8) {
    const std::uint64_t maxColors = 1u << bitCount;
    if (colorsUsed > maxColors)
      BadBitmap("too many palette colours");
    const std::uint64_t paletteOffset = FileHeaderSize + headerSize;
    const std::uint64_t colors = colorsUsed ? colorsUsed : maxColors;
    if (paletteOffset + colors * 4 > size)
      BadBitmap("the palette is truncated");
    layout.Palette.assign(maxColors, 0);
    for (std::uint64_t i = 0; i < colors; ++i)
      layout.Palette[i] = ReadU32(data + paletteOffset + i * 4) & 0xFFFFFF;
    layout.PaletteColors = static_cast<int>(colors);
  }

  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
  const std::uint64_t available = pixelOffset <= size ? size - pixelOffset : 0;
  // Divided, not multiplied: a huge width times a huge height must not wrap round.
  if (pixelOffset < FileHeaderSize + headerSize ||
      static_cast<std::uint64_t>(layout.Rows) > available / stride || imageSize > available)
    BadBitmap("the pixels are truncated");
  layout.PixelOffset = static_cast<std::size_t>(pixelOffset);
  layout.Stride = static_cast<std::size_t>(stride);
  return layout;
}

} // namespace marivo
