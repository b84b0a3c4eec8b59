#include "widgets/foundation/MVWPointList.h"

#include "widgets/foundation/portable/MVWRegionGeometry.h"

namespace marivo {

std::uint32_t TMVWPointList::Item(int index) const {
  const POINT point = Points_.at(static_cast<std::size_t>(index));
  return PackPoint({point.x, point.y});
}

void TMVWPointList::GetPoint(int index, POINT& point) const {
  if (index < 0 || index >= Count())
    return;
  point = Points_[static_cast<std::size_t>(index)];
}

void TMVWPointList::SetPoint(int index, POINT point) {
  if (index < 0 || index >= Count())
    return;
  Points_[static_cast<std::size_t>(index)] = point;
  Changed();
}

void TMVWPointList::AddPoint(POINT point) {
  Points_.push_back({0, 0});
  SetPoint(Count() - 1, point);
  Changed();
}

void TMVWPointList::Changed() {
  if (TNotifyEvent handler = OnChange)
    handler(this);
}

void OffsetPoints(TMVWPointList* list, int dx, int dy) {
  if (!list)
    return;
  for (int i = 0; i < list->Count(); ++i) {
    POINT point{};
    list->GetPoint(i, point);
    list->SetPoint(i, {point.x + dx, point.y + dy});
  }
}

} // namespace marivo
