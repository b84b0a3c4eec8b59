#include "widgets/foundation/MVWBitmapStreams.h"

#include "platform/rtl/Streams.h"
#include "platform/ui/Pictures.h"

namespace marivo {

namespace {

int BitCountOf(HBITMAP handle, int code) {
  switch (code) {
  case 2:
    return 1;
  case 16:
    return 4;
  case 256:
    return 8;
  default:
    break;
  }
  BITMAP description{};
  if (!handle || !GetObjectA(handle, sizeof description, &description))
    throw EInvalidGraphic("Bitmap image is not valid");
  const int bitCount = description.bmBitsPixel * description.bmPlanes;
  return bitCount == 16 || bitCount == 32 ? 24 : bitCount;
}

int CodeFor(const TBitmap& bitmap, int code) {
  return bitmap.Monochrome() && code != MVWBitmapOwnFormat ? 2 : code;
}

} // namespace

std::vector<std::uint8_t> BuildBMPImage(HBITMAP handle, HPALETTE palette, int code) {
  return BitmapFileImage(handle, palette, BitCountOf(handle, code));
}

void WriteDIBToStream(TStream& stream, HBITMAP handle, HPALETTE palette, int code,
                      bool withLength) {
  const std::vector<std::uint8_t> image = BuildBMPImage(handle, palette, code);
  if (withLength)
    WriteInt32(stream, static_cast<std::int32_t>(image.size()));
  stream.WriteBuffer(image.data(), static_cast<std::int64_t>(image.size()));
}

void SaveBitmapAsDIB(TStream& stream, TBitmap& bitmap, int code) {
  WriteDIBToStream(stream, bitmap.Handle(), bitmap.Palette(), CodeFor(bitmap, code), false);
  stream.SetPosition(0);
}

void WriteBitmap(TStream& stream, TBitmap& bitmap, bool compressed, int code) {
  code = CodeFor(bitmap, code);
  if (compressed) {
    TMemoryStream image;
    if (code == MVWBitmapOwnFormat) {
      bitmap.SaveToStream(image);
      image.SetPosition(0);
    } else {
      SaveBitmapAsDIB(image, bitmap, code);
    }
    CompressStream(image, stream, image.Size());
  } else if (code == MVWBitmapOwnFormat) {
    WriteWithLength(stream, [&bitmap](TStream& target) { bitmap.SaveToStream(target); });
  } else {
    WriteDIBToStream(stream, bitmap.Handle(), bitmap.Palette(), code, true);
  }
}

void ReadBitmap(TStream& stream, TBitmap& bitmap, bool compressed) {
  TMemoryStream image;
  ReadPiece(stream, image, compressed);
  image.SetPosition(0);
  bitmap.LoadFromStream(image);
}

} // namespace marivo
