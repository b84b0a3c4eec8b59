#include "widgets/foundation/portable/MVWStreamUtils.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "widgets/foundation/portable/MVWBlockCodec.h"
#include "widgets/foundation/portable/MVWCustomWave.h"

#include <algorithm>
#include <vector>

namespace marivo {

namespace {

[[noreturn]] void CorruptStream(const std::string& reason) {
  throw EReadError("Stream read error: " + reason);
}

} // namespace

void WriteInt32(TStream& stream, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const std::uint8_t bytes[4] = {
      static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
      static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  stream.WriteBuffer(bytes, 4);
}

std::int32_t ReadInt32(TStream& stream) {
  std::uint8_t bytes[4];
  stream.ReadBuffer(bytes, 4);
  return static_cast<std::int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                   (static_cast<std::uint32_t>(bytes[3]) << 24));
}

void WriteByte(TStream& stream, std::uint8_t value) {
  stream.WriteBuffer(&value, 1);
}

std::uint8_t ReadByte(TStream& stream) {
  std::uint8_t value;
  stream.ReadBuffer(&value, 1);
  return value;
}

// A longer text keeps its first 255 bytes: its length's low byte alone would lose the rest.
void WriteShortString(TStream& stream, const std::string& text) {
  const auto length = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), 255));
  WriteByte(stream, length);
  stream.WriteBuffer(text.data(), length);
}

std::string ReadShortString(TStream& stream) {
  std::string text(ReadByte(stream), '\0');
  stream.ReadBuffer(text.data(), static_cast<std::int64_t>(text.size()));
  return text;
}

void WriteWithLength(TStream& stream, const std::function<void(TStream&)>& write) {
  const std::int64_t start = stream.Position();
  WriteInt32(stream, 0);
  write(stream);
  const std::int64_t end = stream.Position();
  stream.SetPosition(start);
  WriteInt32(stream, static_cast<std::int32_t>(end - start - 4));
  stream.SetPosition(end);
}

void ReadPiece(TStream& source, TMemoryStream& target, bool compressed) {
  if (compressed) {
    DecompressStream(source, target);
    return;
  }
  const std::int32_t length = ReadInt32(source);
  if (length < 0 || length > source.Size() - source.Position())
    CorruptStream("a length runs past the end of the stream");
  if (length > 0)
    target.CopyFrom(source, length);
}

void WriteStrings(TStream& stream, const TStrings& list, bool compressed) {
  if (!compressed) {
    WriteWithLength(stream, [&list](TStream& target) { list.SaveToStream(target); });
    return;
  }
  TMemoryStream text;
  list.SaveToStream(text);
  text.SetPosition(0);
  CompressStream(text, stream, text.Size());
}

void ReadStrings(TStream& stream, TStrings& list, bool compressed) {
  TMemoryStream text;
  ReadPiece(stream, text, compressed);
  text.SetPosition(0);
  list.LoadFromStream(text);
}

void WriteWave(TStream& stream, TMVWCustomWave& wave, bool compressed) {
  if (compressed)
    wave.SaveCompressed(stream);
  else
    wave.SaveWithLength(stream);
}

void ReadWave(TStream& stream, TMVWCustomWave& wave, bool compressed) {
  if (compressed)
    wave.LoadCompressed(stream);
  else
    wave.LoadWithLength(stream);
}

void CompressStream(TStream& source, TStream& dest, std::int64_t count) {
  const std::int64_t start = dest.Position();
  WriteInt32(dest, 0);
  std::vector<std::uint8_t> input(MVWBlockSize);
  std::vector<std::uint8_t> output(MVWBlockSize + 6);
  std::int64_t total = 0;
  while (count > 0) {
    const std::int64_t read = source.Read(input.data(), std::min(count, MVWBlockSize));
    if (read <= 0)
      break;
    const std::size_t length =
        LZRWCompress(input.data(), output.data(), static_cast<std::uint16_t>(read));
    WriteInt32(dest, static_cast<std::int32_t>(length));
    dest.WriteBuffer(output.data(), static_cast<std::int64_t>(length));
    total += static_cast<std::int64_t>(length) + 4;
    count -= read;
  }
  const std::int64_t end = dest.Position();
  dest.SetPosition(start);
  WriteInt32(dest, static_cast<std::int32_t>(total));
  dest.SetPosition(end);
}

void DecompressStream(TStream& source, TStream& dest) {
  std::int64_t total = ReadInt32(source);
  std::vector<std::uint8_t> input(MVWBlockSize + 1);
  std::vector<std::uint8_t> output(MVWBlockSize);
  while (total > 0) {
    const std::int32_t size = ReadInt32(source);
    if (size <= 0 || size > MVWBlockSize + 1)
      CorruptStream("a compressed block has a size of " + std::to_string(size));
    if (size + 4 > total)
      CorruptStream("a compressed block runs past the stream's total");
    source.ReadBuffer(input.data(), size);
    const std::size_t length =
        LZRWDecompress(input.data(), output.data(), static_cast<std::size_t>(size), output.size());
    dest.WriteBuffer(output.data(), static_cast<std::int64_t>(length));
    total -= size + 4;
  }
}

} // namespace marivo
