#include "widgets/foundation/portable/MVWRegionData.h"

#include "platform/rtl/BmpHeader.h"
#include "platform/rtl/Exceptions.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <string>

namespace marivo {

namespace {

std::uint32_t ReadLittleEndian32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace

bool IsValidRegionData(const std::uint8_t* data, std::size_t size) {
  if (!data || size < RegionDataHeaderSize)
    return false;
  constexpr std::uint32_t RectanglesType = 1;
  if (ReadLittleEndian32(data) != RegionDataHeaderSize ||
      ReadLittleEndian32(data + 4) != RectanglesType)
    return false;
  const std::uint64_t count = ReadLittleEndian32(data + 8);
  return RegionDataHeaderSize + RegionDataRectSize * count <= size;
}

std::vector<std::uint8_t> ReadRegionDataBlock(TStream& stream, std::int32_t declaredSize) {
  const std::int64_t available = stream.Size() - stream.Position();
  if (declaredSize <= 0 || available != declaredSize)
    throw EReadError("Invalid property value RegionData: " + std::to_string(available) +
                     " bytes where RegionDataSize says " + std::to_string(declaredSize));
  std::vector<std::uint8_t> data(static_cast<std::size_t>(declaredSize));
  stream.ReadBuffer(data.data(), declaredSize);
  return data;
}

TMVWMaskPicture ReadMaskPicture(TStream& stream, const std::string& property) {
  TMVWMaskPicture picture;
  try {
    picture.Compressed = ReadByte(stream) != 0;
    TMemoryStream image;
    ReadPiece(stream, image, picture.Compressed);
    if (stream.Position() != stream.Size())
      throw EReadError("bytes after the picture");
    picture.Image.resize(static_cast<std::size_t>(image.Size()));
    image.SetPosition(0);
    if (!picture.Image.empty()) {
      image.ReadBuffer(picture.Image.data(), image.Size());
      CheckBmpHeader(picture.Image.data(), picture.Image.size());
    }
  } catch (const Exception& error) {
    throw EReadError("Invalid property value " + property + ": " + error.Message());
  }
  return picture;
}

} // namespace marivo
