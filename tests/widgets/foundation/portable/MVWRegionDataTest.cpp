#include "widgets/foundation/portable/MVWRegionData.h"
#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include "platform/rtl/Exceptions.h"
#include "tests/support/Bytes.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace marivo {

std::ostream& operator<<(std::ostream& out, const TMVWPoint& point);
std::ostream& operator<<(std::ostream& out, const TMVWRect& rect);

namespace {

using namespace marivo::test;

TBytes RegionDataHeader(std::uint32_t size, std::uint32_t type, std::uint32_t count) {
  TBytes bytes(32, 0);
  const auto put = [&bytes](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put(0, size);
  put(4, type);
  put(8, count);
  put(12, count * 16);
  return bytes;
}

TEST(MVWRegionData, OnlyAWholeRectangleBlockIsHandedOn) {
  struct TCase {
    const char* Name;
    TBytes Data;
    bool Valid;
  };
  const TBytes rect(16, 1);
  const TCase cases[] = {
      {"no rectangles", RegionDataHeader(32, 1, 0), true},
      {"two rectangles", Join({RegionDataHeader(32, 1, 2), rect, rect}), true},
      {"room to spare", Join({RegionDataHeader(32, 1, 1), rect, rect}), true},
      {"empty", {}, false},
      {"short header", TBytes(31, 0), false},
      {"header size 40", Join({RegionDataHeader(40, 1, 0), TBytes(8, 0)}), false},
      {"type 2", RegionDataHeader(32, 2, 0), false},
      {"count past the data", Join({RegionDataHeader(32, 1, 2), rect}), false},
      {"count that would wrap", Join({RegionDataHeader(32, 1, 0xFFFFFFFFu), rect}), false},
      {"count of 2^28", Join({RegionDataHeader(32, 1, 0x10000000u), rect}), false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(IsValidRegionData(c.Data), c.Valid) << c.Name;
  EXPECT_FALSE(IsValidRegionData(nullptr, 64));
}

TEST(MVWRegionData, TheStoredBlockMustBeAsLongAsItsDeclaredSize) {
  const TBytes block = Join({RegionDataHeader(32, 1, 1), TBytes(16, 7)});
  TMemoryStream exact = StreamOf(block);
  EXPECT_EQ(ReadRegionDataBlock(exact, 48), block);
  for (const std::int32_t declared : {47, 49, 0, -48}) {
    TMemoryStream stream = StreamOf(block);
    try {
      ReadRegionDataBlock(stream, declared);
      ADD_FAILURE() << "no error for " << declared;
    } catch (const EReadError& error) {
      EXPECT_NE(error.Message().find("RegionData"), std::string::npos) << error.Message();
    }
  }
}

// A 2 x 2 picture of 24 bits: 14 + 40 header bytes and two rows of 8 bytes. GCC 12 sees its own
// inlined growth of the vector writing past the header (a known false positive).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
TBytes SmallBmpImage() {
  const std::uint8_t header[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0,  0,
                                 2,   0,   0,  0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0,  0, 16, 0,
                                 0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0,  0};
  TBytes image(70, 0x5A);
  std::copy(std::begin(header), std::end(header), image.begin());
  return image;
}
#pragma GCC diagnostic pop

TBytes LengthOf(std::size_t length) {
  TMemoryStream stream;
  WriteInt32(stream, static_cast<std::int32_t>(length));
  return stream.Data();
}

TEST(MVWRegionData, MaskPicturesArePlainOrCompressedAndWholeOrRefused) {
  const TBytes image = SmallBmpImage();
  TMemoryStream plain = StreamOf(Join({{0}, LengthOf(image.size()), image}));
  TMVWMaskPicture picture = ReadMaskPicture(plain, "BorderBmp");
  EXPECT_FALSE(picture.Compressed);
  EXPECT_EQ(picture.Image, image);

  TMemoryStream source = StreamOf(image);
  TMemoryStream packed;
  CompressStream(source, packed, source.Size());
  // Any nonzero flag says compressed.
  TMemoryStream compressed = StreamOf(Join({{2}, packed.Data()}));
  picture = ReadMaskPicture(compressed, "BorderUpBmp");
  EXPECT_TRUE(picture.Compressed);
  EXPECT_EQ(picture.Image, image);

  TBytes lyingHeader = image;
  lyingHeader[18] = 200; // 200 pixels wide in 70 bytes
  const std::pair<const char*, TBytes> bad[] = {
      {"no flag", {}},
      {"length past the end", Join({{0}, LengthOf(image.size() + 1), image})},
      {"truncated image", Join({{0}, LengthOf(60), TBytes(image.begin(), image.begin() + 60)})},
      {"bytes after the picture", Join({{0}, LengthOf(image.size()), image, {0}})},
      {"lying header", Join({{0}, LengthOf(image.size()), lyingHeader})},
      {"truncated block", Join({{1}, TBytes(packed.Data().begin(), packed.Data().end() - 3)})},
  };
  for (const auto& [name, bytes] : bad) {
    TMemoryStream stream = StreamOf(bytes);
    try {
      ReadMaskPicture(stream, "BorderDnBmp");
      ADD_FAILURE() << "no error for " << name;
    } catch (const EReadError& error) {
      EXPECT_NE(error.Message().find("BorderDnBmp"), std::string::npos) << name;
    }
  }
}

} // namespace
} // namespace marivo
