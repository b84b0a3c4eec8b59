#pragma once

#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace marivo {

class TStream;

// What a buffer holds. The buffer knows nothing about an entry but its bytes, which only a block
// has; a derived entry is freed through its own destructor.
class TMVWBufferEntry {
public:
  virtual ~TMVWBufferEntry() = default;
  virtual std::span<const std::uint8_t> Bytes() const { return {}; }
};

// The entry a load makes: a plain block of bytes.
class TMVWBufferBlock final : public TMVWBufferEntry {
public:
  explicit TMVWBufferBlock(std::vector<std::uint8_t> bytes) : Bytes_(std::move(bytes)) {}
  std::span<const std::uint8_t> Bytes() const override { return Bytes_; }

private:
  std::vector<std::uint8_t> Bytes_;
};

// A place in a walk over the entries, oldest first; MVWBufferEnd is past the newest.
using TMVWBufferPosition = std::int32_t;
constexpr TMVWBufferPosition MVWBufferEnd = -1;

// Disposes of an entry the buffer drops; it receives the entry to keep or let go.
using TMVWFreeEntryEvent =
    std::function<void(TObject* sender, std::unique_ptr<TMVWBufferEntry> entry)>;
// The number of the entry's bytes a save writes.
using TMVWEntrySizeEvent =
    std::function<void(TObject* sender, const TMVWBufferEntry& entry, std::int32_t& size)>;

// An abstract container of owned entries with a stream form: the 32-bit length 23, the
// signature "@MVWBufferStream-V0.1@" and a zero byte, then each entry, oldest first, as a
// 32-bit size and its bytes. There is no count: the entries run to the end of the stream.
class TMVWBuffer : public TMVWObject {
public:
  int Count() const { return Count_; }
  // -1 for no limit, else the capacity, at least 1.
  std::int32_t EntryLimit() const { return EntryLimit_; }
  // EInvalidOperation for any other value: a limit of 0 would be full while empty.
  void SetEntryLimit(std::int32_t value);

  virtual TMVWBufferPosition First() const = 0;
  virtual TMVWBufferPosition Next(TMVWBufferPosition position) const = 0;
  // The entry at a position, nullptr at the end.
  virtual TMVWBufferEntry* EntryData(TMVWBufferPosition position) const = 0;
  virtual bool IsEnd(TMVWBufferPosition position) const = 0;
  virtual bool IsEmpty() const = 0;
  virtual bool IsFull() const = 0;
  // Takes the entry and answers true; an entry it refuses stays with the caller, unmoved.
  virtual bool Push(std::unique_ptr<TMVWBufferEntry>&& entry) = 0;
  // The newest entry, handed to the caller; nullptr when empty.
  virtual std::unique_ptr<TMVWBufferEntry> Pop() = 0;
  // Drops every entry, newest first.
  virtual void Clear() = 0;
  // Replaces the entries by the stream's, or raises EReadError and leaves them as they were.
  virtual void LoadFromStream(TStream& stream);
  // EWriteError when OnEntrySize reports more bytes than an entry has.
  virtual void SaveToStream(TStream& stream);

  // OnEntrySize's answer for the entry at a position; 0 without the event.
  std::int32_t EntrySize(TMVWBufferPosition position);

  TMVWFreeEntryEvent OnFreeEntry;
  TMVWEntrySizeEvent OnEntrySize;

protected:
  // Hands the entry to OnFreeEntry, or frees it without one.
  void DropEntry(std::unique_ptr<TMVWBufferEntry> entry);

  int Count_ = 0;

private:
  std::int32_t EntryLimit_ = -1;
};

} // namespace marivo
