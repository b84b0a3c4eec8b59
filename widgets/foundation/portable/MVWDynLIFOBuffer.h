#pragma once

#include "widgets/foundation/portable/MVWBuffer.h"

#include <deque>

namespace marivo {

// A last-in-first-out buffer. When full, a push drops the oldest entry while OverwriteOldest is
// on and is refused while it is off.
class TMVWDynLIFOBuffer : public TMVWBuffer {
public:
  TMVWDynLIFOBuffer() = default;
  ~TMVWDynLIFOBuffer() override;

  bool OverwriteOldest() const { return OverwriteOldest_; }
  void SetOverwriteOldest(bool value) { OverwriteOldest_ = value; }

  TMVWBufferPosition First() const override;
  TMVWBufferPosition Next(TMVWBufferPosition position) const override;
  TMVWBufferEntry* EntryData(TMVWBufferPosition position) const override;
  bool IsEnd(TMVWBufferPosition position) const override { return position == MVWBufferEnd; }
  bool IsEmpty() const override { return Entries_.empty(); }
  bool IsFull() const override;
  bool Push(std::unique_ptr<TMVWBufferEntry>&& entry) override;
  std::unique_ptr<TMVWBufferEntry> Pop() override;
  void Clear() override;

private:
  std::deque<std::unique_ptr<TMVWBufferEntry>> Entries_; // oldest first
  bool OverwriteOldest_ = true;
};

} // namespace marivo
