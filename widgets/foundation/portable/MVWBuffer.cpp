#include "widgets/foundation/portable/MVWBuffer.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <array>
#include <string>

namespace marivo {

namespace {

// The signature with its closing zero byte.
constexpr std::array<char, 23> Signature = {'@', 'M', 'V', 'W', 'B', 'u', 'f', 'f',
                                            'e', 'r', 'S', 't', 'r', 'e', 'a', 'm',
                                            '-', 'V', '0', '.', '1', '@', '\0'};

[[noreturn]] void CorruptStream(const std::string& reason) {
  throw EReadError("Stream read error: " + reason);
}

} // namespace

void TMVWBuffer::SetEntryLimit(std::int32_t value) {
  if (value != -1 && value < 1)
    throw EInvalidOperation("Entry limit " + std::to_string(value) + " is neither -1 nor above 0");
  EntryLimit_ = value;
}

std::int32_t TMVWBuffer::EntrySize(TMVWBufferPosition position) {
  const TMVWBufferEntry* entry = EntryData(position);
  std::int32_t size = 0;
  if (entry != nullptr && OnEntrySize)
    OnEntrySize(this, *entry, size);
  return size;
}

void TMVWBuffer::DropEntry(std::unique_ptr<TMVWBufferEntry> entry) {
  if (OnFreeEntry)
    OnFreeEntry(this, std::move(entry));
}

void TMVWBuffer::SaveToStream(TStream& stream) {
  WriteInt32(stream, static_cast<std::int32_t>(Signature.size()));
  stream.WriteBuffer(Signature.data(), Signature.size());
  for (TMVWBufferPosition position = First(); !IsEnd(position); position = Next(position)) {
    const std::int32_t size = EntrySize(position);
    const std::span<const std::uint8_t> bytes = EntryData(position)->Bytes();
    // A size past the entry's bytes would write whatever memory lies behind them.
    if (size < 0 || static_cast<std::size_t>(size) > bytes.size())
      throw EWriteError("Stream write error: an entry's size " + std::to_string(size) +
                        " does not fit its " + std::to_string(bytes.size()) + " bytes");
    WriteInt32(stream, size);
    stream.WriteBuffer(bytes.data(), size);
  }
}

// Everything is read before anything is replaced, so a bad entry late in the stream leaves the
// buffer whole.
void TMVWBuffer::LoadFromStream(TStream& stream) {
  if (ReadInt32(stream) != static_cast<std::int32_t>(Signature.size()))
    CorruptStream("not a buffer stream");
  std::array<char, Signature.size()> block;
  stream.ReadBuffer(block.data(), block.size());
  if (block != Signature)
    CorruptStream("not a buffer stream");
  std::vector<std::unique_ptr<TMVWBufferEntry>> entries;
  while (stream.Position() < stream.Size()) {
    const std::int32_t size = ReadInt32(stream);
    if (size < 0 || size > stream.Size() - stream.Position())
      CorruptStream("an entry runs past the end of the stream");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    entries.push_back(std::make_unique<TMVWBufferBlock>(std::move(bytes)));
  }
  Clear();
  for (std::unique_ptr<TMVWBufferEntry>& entry : entries)
    Push(std::move(entry));
}

} // namespace marivo
