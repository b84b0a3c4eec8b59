#include "widgets/foundation/portable/MVWDynLIFOBuffer.h"

namespace marivo {

TMVWDynLIFOBuffer::~TMVWDynLIFOBuffer() {
  Clear();
}

TMVWBufferPosition TMVWDynLIFOBuffer::First() const {
  return Entries_.empty() ? MVWBufferEnd : 0;
}

TMVWBufferPosition TMVWDynLIFOBuffer::Next(TMVWBufferPosition position) const {
  if (position < 0 || static_cast<std::size_t>(position) + 1 >= Entries_.size())
    return MVWBufferEnd;
  return position + 1;
}

TMVWBufferEntry* TMVWDynLIFOBuffer::EntryData(TMVWBufferPosition position) const {
  if (position < 0 || static_cast<std::size_t>(position) >= Entries_.size())
    return nullptr;
  return Entries_[static_cast<std::size_t>(position)].get();
}

// Still full after the limit was lowered below the count.
bool TMVWDynLIFOBuffer::IsFull() const {
  return EntryLimit() != -1 && Count_ >= EntryLimit();
}

bool TMVWDynLIFOBuffer::Push(std::unique_ptr<TMVWBufferEntry>&& entry) {
  if (IsFull()) {
    if (!OverwriteOldest_)
      return false;
    if (EntryLimit() == 1)
      Clear();
    // A lowered limit drops as many of the oldest as it takes to make room.
    while (IsFull()) {
      std::unique_ptr<TMVWBufferEntry> oldest = std::move(Entries_.front());
      Entries_.pop_front();
      --Count_;
      DropEntry(std::move(oldest));
    }
  }
  Entries_.push_back(std::move(entry));
  ++Count_;
  return true;
}

std::unique_ptr<TMVWBufferEntry> TMVWDynLIFOBuffer::Pop() {
  if (Entries_.empty())
    return nullptr;
  std::unique_ptr<TMVWBufferEntry> newest = std::move(Entries_.back());
  Entries_.pop_back();
  --Count_;
  return newest;
}

// Each entry leaves the buffer before it is dropped, so a handler sees a buffer without it.
void TMVWDynLIFOBuffer::Clear() {
  while (!Entries_.empty())
    DropEntry(Pop());
}

} // namespace marivo
