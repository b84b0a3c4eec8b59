#include "widgets/foundation/MVWBitmapStreams.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace marivo {
namespace {

using TBytes = std::vector<std::uint8_t>;

std::uint32_t U32(const TBytes& bytes, std::size_t offset) {
  return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
         (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::uint32_t U16(const TBytes& bytes, std::size_t offset) {
  return bytes[offset] | (bytes[offset + 1] << 8);
}

// 16 x 16 in four quarters of pure colours every depth holds.
void Paint(TBitmap& bitmap) {
  bitmap.SetSize(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      bitmap.SetPixels(x, y, x < 8 ? (y < 8 ? clBlack : clWhite) : (y < 8 ? clWhite : clBlack));
}

TBytes Written(TBitmap& bitmap, bool compressed, int code) {
  TMemoryStream stream;
  WriteBitmap(stream, bitmap, compressed, code);
  return stream.Data();
}

TEST(MVWBitmapStreams, ImagesFollowTheirCode) {
  TBitmap bitmap;
  Paint(bitmap);
  struct TCase {
    int Code;
    std::uint32_t BitCount, Size, Offset, ImageSize;
  };
  // 14 + 40 + colour table + rows of ((16 x bits + 31) div 32) x 4 bytes.
  for (const TCase& c : {TCase{16, 4, 246, 118, 128}, TCase{2, 1, 126, 62, 64},
                         TCase{256, 8, 1334, 1078, 256}, TCase{0, 24, 822, 54, 768}}) {
    SCOPED_TRACE(c.Code);
    const TBytes written = Written(bitmap, false, c.Code);
    ASSERT_EQ(written.size(), c.Size + 4);
    EXPECT_EQ(U32(written, 0), c.Size);
    const TBytes image(written.begin() + 4, written.end());
    EXPECT_EQ(image[0], 'B');
    EXPECT_EQ(image[1], 'M');
    EXPECT_EQ(U32(image, 2), c.Size);
    EXPECT_EQ(U32(image, 6), 0u);
    EXPECT_EQ(U32(image, 10), c.Offset);
    EXPECT_EQ(U32(image, 14), 40u);
    EXPECT_EQ(U32(image, 18), 16u);
    EXPECT_EQ(U32(image, 22), 16u);
    EXPECT_EQ(U16(image, 26), 1u);
    EXPECT_EQ(U16(image, 28), c.BitCount);
    EXPECT_EQ(U32(image, 30), 0u);
    EXPECT_EQ(U32(image, 34), c.ImageSize);
    for (std::size_t offset = 38; offset < 54; offset += 4)
      EXPECT_EQ(U32(image, offset), 0u) << offset;

    for (const bool compressed : {false, true}) {
      TMemoryStream stream;
      WriteBitmap(stream, bitmap, compressed, c.Code);
      stream.SetPosition(0);
      TBitmap read;
      ReadBitmap(stream, read, compressed);
      EXPECT_EQ(stream.Position(), stream.Size());
      ASSERT_EQ(read.Width(), 16);
      EXPECT_EQ(read.Pixels(0, 0), clBlack);
      EXPECT_EQ(read.Pixels(15, 0), clWhite);
      EXPECT_EQ(read.Pixels(15, 15), clBlack);
    }
  }
}

TEST(MVWBitmapStreams, OwnFormatAndMonochrome) {
  TBitmap bitmap;
  Paint(bitmap);
  TMemoryStream own;
  bitmap.SaveToStream(own);
  const TBytes written = Written(bitmap, false, MVWBitmapOwnFormat);
  EXPECT_EQ(U32(written, 0), own.Size());
  EXPECT_EQ(TBytes(written.begin() + 4, written.end()), own.Data());

  bitmap.SetMonochrome(true);
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(U16(Written(bitmap, false, 256), 4 + 28), 1u); // code 2 whatever was asked
  TMemoryStream monochrome;
  bitmap.SaveToStream(monochrome);
  EXPECT_EQ(U16(monochrome.Data(), 28), 1u);

  TMemoryStream compressed;
  WriteBitmap(compressed, bitmap, true, 256);
  compressed.SetPosition(0);
  TBitmap read;
  ReadBitmap(compressed, read, true);
  EXPECT_EQ(read.PixelFormat(), pf1bit);
  EXPECT_EQ(read.Pixels(15, 0), clWhite);
}

TEST(MVWBitmapStreams, DIBHelpers) {
  TBitmap bitmap;
  Paint(bitmap);
  TMemoryStream stream;
  stream.WriteBuffer("xx", 2);
  SaveBitmapAsDIB(stream, bitmap, 16);
  EXPECT_EQ(stream.Position(), 0);
  EXPECT_EQ(stream.Size(), 2 + 246);
  TMemoryStream withLength;
  WriteDIBToStream(withLength, bitmap.Handle(), bitmap.Palette(), 16, true);
  EXPECT_EQ(withLength.Size(), 4 + 246);
  EXPECT_EQ(BuildBMPImage(bitmap.Handle(), nullptr, 0).size(), 822u);
  try {
    BuildBMPImage(nullptr, nullptr, 0);
    FAIL() << "no handle must raise";
  } catch (const EInvalidGraphic& error) {
    EXPECT_EQ(error.Message(), "Bitmap image is not valid");
  }
}

TEST(MVWBitmapStreams, EmptyAndMalformedBitmaps) {
  TBitmap empty;
  TMemoryStream stream;
  WriteBitmap(stream, empty, false, MVWBitmapOwnFormat);
  EXPECT_EQ(stream.Data(), TBytes({0, 0, 0, 0}));
  EXPECT_THROW(WriteBitmap(stream, empty, false, 0), EInvalidGraphic);
  stream.SetPosition(0);
  TBitmap read;
  Paint(read);
  ReadBitmap(stream, read, false);
  EXPECT_TRUE(read.Empty());

  TMemoryStream garbage;
  WriteInt32(garbage, 6);
  garbage.WriteBuffer("BMxxxx", 6);
  garbage.SetPosition(0);
  EXPECT_THROW(ReadBitmap(garbage, read, false), EInvalidGraphic);
  TMemoryStream tooLong;
  WriteInt32(tooLong, 1000);
  tooLong.SetPosition(0);
  EXPECT_THROW(ReadBitmap(tooLong, read, false), EReadError);
}

} // namespace
} // namespace marivo
