#pragma once

#include "platform/rtl/Components.h"
#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <cstdint>
#include <vector>

namespace marivo {

// A list of points with a change event, each kept exactly; Item gives the packed 32-bit form,
// (X shl 16) + Y with both cut to 16 bits, that shapes and regions once kept.
class TMVWPointList : public TObject {
public:
  int Count() const { return static_cast<int>(Points_.size()); }
  std::uint32_t Item(int index) const;
  // Past the end the point stays as it was.
  void GetPoint(int index, TMVWPoint& point) const;
  // Past the end nothing happens.
  void SetPoint(int index, TMVWPoint point);
  // Two notifications: the item set, then the list grown.
  void AddPoint(TMVWPoint point);
  // Without a notification.
  void Clear() { Points_.clear(); }
  const std::vector<TMVWPoint>& Points() const { return Points_; }

  TNotifyEvent OnChange;

private:
  void Changed();

  std::vector<TMVWPoint> Points_;
};

// Moves every point of the list; no list, nothing.
void OffsetPoints(TMVWPointList* list, int dx, int dy);

} // namespace marivo
