#include "widgets/foundation/MVWPointList.h"

namespace marivo {

void TMVWPointList::GetPoint(int index, POINT& point) const {
  if (index < 0 || index >= Count())
    return;
  const std::uint32_t item = Item(index);
  point.x = static_cast<LONG>(item >> 16);
  point.y = static_cast<std::int16_t>(item & 0xFFFF);
}

void TMVWPointList::SetPoint(int index, POINT point) {
  if (index < 0 || index >= Count())
    return;
  const auto x = static_cast<std::uint16_t>(static_cast<std::int16_t>(point.x));
  const auto y = static_cast<std::int16_t>(point.y);
  // A negative Y borrows from the X half, as the packed form always did.
  Items_[static_cast<std::size_t>(index)] =
      (static_cast<std::uint32_t>(x) << 16) +
      static_cast<std::uint32_t>(static_cast<std::int32_t>(y));
  Changed();
}

void TMVWPointList::AddPoint(POINT point) {
  Items_.push_back(0);
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
