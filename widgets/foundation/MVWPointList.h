#pragma once

#include "platform/rtl/Components.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace marivo {

// Points packed one to a 32-bit item, (X shl 16) + Y with both cut to 16 bits: exact for X in
// 0..65535 and Y in 0..32767, the range shapes and regions keep them in.
class TMVWPointList : public TObject {
public:
  int Count() const { return static_cast<int>(Items_.size()); }
  std::uint32_t Item(int index) const { return Items_[static_cast<std::size_t>(index)]; }
  // Past the end the point stays as it was.
  void GetPoint(int index, POINT& point) const;
  // Past the end nothing happens.
  void SetPoint(int index, POINT point);
  // Two notifications: the item set, then the list grown.
  void AddPoint(POINT point);
  // Without a notification.
  void Clear() { Items_.clear(); }

  TNotifyEvent OnChange;

private:
  void Changed();

  std::vector<std::uint32_t> Items_;
};

// Moves every point of the list; no list, nothing.
void OffsetPoints(TMVWPointList* list, int dx, int dy);

} // namespace marivo
