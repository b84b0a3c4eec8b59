#include "platform/rtl/BmpHeader.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace marivo {
namespace {

using TBytes = std::vector<std::uint8_t>;

void Put(TBytes& bytes, std::size_t offset, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i)
    bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A plain uncompressed BMP file of the given depth, every field as a writer would set it.
TBytes Bmp(int width, int height, int bitCount) {
  const std::size_t colors = bitCount <= 8 ? std::size_t{1} << bitCount : 0;
  const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  const std::size_t offset = 54 + colors * 4;
  const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  TBytes bytes(offset + stride * rows, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
  Put(bytes, 10, static_cast<std::uint32_t>(offset), 4);
  Put(bytes, 14, 40, 4);
  Put(bytes, 18, static_cast<std::uint32_t>(width), 4);
  Put(bytes, 22, static_cast<std::uint32_t>(height), 4);
  Put(bytes, 26, 1, 2);
  Put(bytes, 28, static_cast<std::uint32_t>(bitCount), 2);
  Put(bytes, 34, static_cast<std::uint32_t>(stride * rows), 4);
  for (std::size_t i = 0; i < colors; ++i)
    Put(bytes, 54 + i * 4, static_cast<std::uint32_t>(i * 0x010101), 4);
  return bytes;
}

TEST(BmpHeader, LaysOutEveryDepth) {
  for (const int bitCount : {1, 4, 8, 16, 24, 32}) {
    const TBytes bytes = Bmp(16, 16, bitCount);
    const TBmpLayout layout = CheckBmpHeader(bytes.data(), bytes.size());
    EXPECT_EQ(layout.Width, 16);
    EXPECT_EQ(layout.Rows, 16);
    EXPECT_FALSE(layout.TopDown);
    EXPECT_EQ(layout.BitCount, bitCount);
    EXPECT_EQ(layout.Stride, static_cast<std::size_t>((16 * bitCount + 31) / 32 * 4));
    EXPECT_EQ(layout.Palette.size(), bitCount <= 8 ? std::size_t{1} << bitCount : 0);
  }
  const TBytes topDown = Bmp(3, -2, 24);
  const TBmpLayout layout = CheckBmpHeader(topDown.data(), topDown.size());
  EXPECT_TRUE(layout.TopDown);
  EXPECT_EQ(layout.Rows, 2);
  EXPECT_EQ(layout.Stride, 12u);
  EXPECT_EQ(layout.PixelOffset, 54u);
}

TEST(BmpHeader, RejectsMalformedHeaders) {
  struct TCase {
    const char* Name;
    std::function<void(TBytes&)> Spoil;
  };
  const TCase cases[] = {
      {"no signature", [](TBytes& b) { b[1] = 'X'; }},
      {"too short", [](TBytes& b) { b.resize(16); }},
      {"file size past the data",
       [](TBytes& b) { Put(b, 2, static_cast<std::uint32_t>(b.size() + 1), 4); }},
      {"core header", [](TBytes& b) { Put(b, 14, 12, 4); }},
      {"header past the data", [](TBytes& b) { Put(b, 14, 4000, 4); }},
      {"zero width", [](TBytes& b) { Put(b, 18, 0, 4); }},
      {"negative width", [](TBytes& b) { Put(b, 18, 0xFFFFFFFF, 4); }},
      {"zero height", [](TBytes& b) { Put(b, 22, 0, 4); }},
      {"two planes", [](TBytes& b) { Put(b, 26, 2, 2); }},
      {"7 bits", [](TBytes& b) { Put(b, 28, 7, 2); }},
      {"RLE8", [](TBytes& b) { Put(b, 30, 1, 4); }},
      {"too many colours", [](TBytes& b) { Put(b, 46, 257, 4); }},
      {"pixels cut",
       [](TBytes& b) {
         b.resize(b.size() - 1);
         Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
       }},
      {"pixel offset inside the header", [](TBytes& b) { Put(b, 10, 20, 4); }},
      {"huge size",
       [](TBytes& b) {
         Put(b, 18, 0x7FFFFFFF, 4);
         Put(b, 22, 0x7FFFFFFF, 4);
       }},
  };
  for (const TCase& c : cases) {
    TBytes bytes = Bmp(4, 4, 8);
    c.Spoil(bytes);
    EXPECT_THROW(CheckBmpHeader(bytes.data(), bytes.size()), EInvalidGraphic) << c.Name;
  }
}

} // namespace
} // namespace marivo
