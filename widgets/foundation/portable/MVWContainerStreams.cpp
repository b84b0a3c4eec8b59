#include "widgets/foundation/portable/MVWContainerStreams.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <algorithm>
#include <cstring>

namespace marivo {

namespace {

[[noreturn]] void InvalidImageSize() {
  throw EInvalidGraphicOperation("Invalid image size");
}

void CheckPositions(TStream& stream, std::int32_t count) {
  if (count < 0 || std::int64_t{count} * 4 > stream.Size() - stream.Position())
    throw EReadError("Stream read error");
}

} // namespace

std::uint8_t PixelFormatFlag(TMVWSavePixelFormat format) {
  static constexpr std::uint8_t flags[] = {0, ItemMono, Item4Bit, Item8Bit};
  return flags[format];
}

TMVWSavePixelFormat PixelFormatOfFlags(std::uint8_t flags) {
  if (flags & ItemMono)
    return spfMono;
  if (flags & Item4Bit)
    return spf4bit;
  if (flags & Item8Bit)
    return spf8bit;
  return spfDefault;
}

int PixelFormatCode(TMVWSavePixelFormat format) {
  static constexpr int codes[] = {-1, 2, 16, 256};
  return codes[format];
}

void WriteItemHeader(TStream& stream, const TMVWItemHeader& header) {
  WriteByte(stream, header.Flags);
  if (header.Flags & ItemHasDescription)
    WriteShortString(stream, header.Description);
  if (header.Flags & ItemHasIdent)
    WriteInt32(stream, header.Ident);
}

TMVWItemHeader ReadItemHeader(TStream& stream) {
  TMVWItemHeader header;
  header.Flags = ReadByte(stream);
  if (header.Flags & ItemHasDescription)
    header.Description = ReadShortString(stream);
  if (header.Flags & ItemHasIdent)
    header.Ident = static_cast<std::uint16_t>(ReadInt32(stream) & 0xFFFF);
  return header;
}

const std::array<const char*, ListKindCount>& ListSignatures() {
  static const std::array<const char*, ListKindCount> signatures = {
      "MVWIML30", "MVWBML30", "MVWWVL30", "MVWSLL30", "MVWGLL50", "MVWRTL50"};
  return signatures;
}

const std::array<const char*, ListKindCount>& ListFileExtensions() {
  static const std::array<const char*, ListKindCount> extensions = {"iml", "bmp", "wav",
                                                                    "txt", "*",   "rtf"};
  return extensions;
}

void WriteContainerFrame(TStream& stream, int count, bool indexed,
                         const std::function<void(int index)>& writeItem) {
  WriteInt32(stream, count);
  if (!indexed || count <= 0) {
    for (int i = 0; i < count; ++i)
      writeItem(i);
    return;
  }
  const std::int64_t table = stream.Position();
  std::vector<std::int32_t> positions(static_cast<std::size_t>(count), 0);
  stream.WriteBuffer(positions.data(), std::int64_t{count} * 4);
  for (int i = 0; i < count; ++i) {
    positions[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(stream.Position());
    writeItem(i);
  }
  const std::int64_t end = stream.Position();
  stream.SetPosition(table);
  for (const std::int32_t position : positions)
    WriteInt32(stream, position);
  stream.SetPosition(end);
}

void ReadContainerFrame(TStream& stream, bool indexed, const std::function<void()>& readItem) {
  const std::int32_t count = ReadInt32(stream);
  if (count < 0)
    throw EReadError("Stream read error");
  if (indexed && count > 0) {
    CheckPositions(stream, count);
    stream.SetPosition(stream.Position() + std::int64_t{count} * 4);
  }
  for (std::int32_t i = 0; i < count; ++i)
    readItem();
}

int ReadListKind(TStream& stream, std::int32_t& count, std::vector<std::int32_t>* positions) {
  char signature[9];
  stream.ReadBuffer(signature, 9);
  int kind = ListKindNone;
  for (int i = 0; i < ListKindCount; ++i)
    if (signature[0] == 8 && std::memcmp(signature + 1, ListSignatures()[i], 8) == 0) {
      kind = i;
      break;
    }
  count = ReadInt32(stream);
  if (kind != ListKindNone && positions) {
    positions->clear();
    CheckPositions(stream, count);
    for (std::int32_t i = 0; i < count; ++i)
      positions->push_back(ReadInt32(stream));
  }
  return kind;
}

int ReadListFileKind(const std::string& fileName, std::int32_t& count,
                     std::vector<std::int32_t>* positions) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  return ReadListKind(file, count, positions);
}

void WriteListSignature(TStream& stream, int kind) {
  WriteShortString(stream, ListSignatures()[static_cast<std::size_t>(kind)]);
}

void WriteImageStripSize(TStream& stream, const TMVWImageStripSize& size) {
  WriteInt32(stream, size.Height);
  WriteInt32(stream, size.Width);
  WriteInt32(stream, size.AllocBy);
  WriteByte(stream, size.Masked ? 1 : 0);
}

TMVWImageStripSize ReadImageStripSize(TStream& stream) {
  TMVWImageStripSize size;
  size.Height = ReadInt32(stream);
  size.Width = ReadInt32(stream);
  size.AllocBy = ReadInt32(stream);
  size.Masked = ReadByte(stream) != 0;
  if (size.Height < 1 || size.Width < 1 || size.AllocBy < 1)
    InvalidImageSize();
  return size;
}

void CheckImageCount(const TMVWImageStripSize& size, std::int32_t count) {
  if (count < 0 || std::int64_t{count} * size.Width > MaxStripWidth)
    InvalidImageSize();
}

} // namespace marivo
