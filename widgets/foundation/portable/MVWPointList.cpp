#include "widgets/foundation/portable/MVWPointList.h"

namespace marivo {

std::uint32_t TMVWPointList::Item(int index) const {
  return PackPoint(Points_.at(static_cast<std::size_t>(index)));
}

void TMVWPointList::GetPoint(int index, TMVWPoint& point) const {
  if (index < 0 || index >= Count())
    return;
  point = Points_[static_cast<std::size_t>(index)];
}

void TMVWPointList::SetPoint(int index, TMVWPoint point) {
  if (index < 0 || index >= Count())
    return;
  Points_[static_cast<std::size_t>(index)] = point;
  Changed();
}

void TMVWPointList::AddPoint(TMVWPoint point) {
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
    TMVWPoint point{};
    list->GetPoint(i, point);
    list->SetPoint(i, {point.X + dx, point.Y + dy});
  }
}

} // namespace marivo
