#include "widgets/foundation/portable/MVWCustomTimerPool.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace marivo {

TMVWTimerItem::TMVWTimerItem(TMVWCustomTimerPool* pool, std::uint16_t id) : Pool_(pool), Id_(id) {
  if (!pool)
    throw EInvalidOperation("TMVWTimerItem: Invalid Owner or List");
  IntervalTicks_ = Interval_ / pool->MinInterval();
}

TMVWTimerItem::~TMVWTimerItem() {
  Pool_->Unlink(this);
}

void TMVWTimerItem::SetEnabled(bool value) {
  if (value == Enabled_ || (value && CallLimit_ == 0))
    return;
  Enabled_ = value;
  CallCount_ = 0;
}

void TMVWTimerItem::SetInterval(TMVWTimerInterval value) {
  const TMVWTimerInterval minInterval = Pool_->MinInterval();
  if (value == Interval_ || value % minInterval != 0)
    return;
  if (value == 0)
    value = minInterval;
  IntervalTicks_ = value / minInterval;
  Interval_ = value;
  CallCount_ = 0;
}

void TMVWTimerItem::Fire() {
  if (!Enabled_)
    return;
  CallCount_ = CallCount_ == INT32_MAX ? 0 : CallCount_ + 1;
  // The flag directly, not SetEnabled: the last call still reports its count.
  if (CallCount_ == CallLimit_)
    Enabled_ = false;
  const std::int32_t count = CallCount_;
  // Copies: the handler may remove this item and clear its events.
  if (TNotifyEvent handler = OnTimer)
    handler(Pool_);
  else if (TMVWTimerPoolEvent poolHandler = Pool_->OnTimer)
    poolHandler(Pool_, Id_, count);
}

TMVWCustomTimerPool::TMVWCustomTimerPool(TComponent* owner, TMVWTimerInterval minInterval)
    : TMVWCustomComponent(owner), MinInterval_(minInterval > 0 ? minInterval : DefaultMinInterval) {
}

TMVWCustomTimerPool::~TMVWCustomTimerPool() {
  while (!Items_.empty())
    delete Items_.back();
}

void TMVWCustomTimerPool::SetMinInterval(TMVWTimerInterval value) {
  // 0 would divide every interval by zero.
  if ((ComponentState() & csLoading) && value > 0)
    MinInterval_ = value;
}

int TMVWCustomTimerPool::AddTimerItem(std::uint16_t id, TMVWTimerInterval interval,
                                      TNotifyEvent handler) {
  if (!Items_.empty() && IndexOfTimer(id) != -1)
    throw Exception("List index out of bounds (%d)");
  if (interval % MinInterval_ != 0 || interval < MinInterval_)
    throw Exception("Interval not compatible with MinInterval property!");
  auto* item = new TMVWTimerItem(this, id);
  Items_.push_back(item);
  item->SetInterval(interval);
  item->OnTimer = std::move(handler);
  SetActive(true);
  return IndexOfTimer(id);
}

void TMVWCustomTimerPool::RemoveTimerItem(std::uint16_t id) {
  Removing_ = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } reset{Removing_};
  const int index = IndexOfTimer(id);
  if (index < 0)
    return;
  TMVWTimerItem* item = Items_[static_cast<std::size_t>(index)];
  item->SetEnabled(false);
  item->OnTimer = nullptr;
  if (Ticking_) {
    Unlink(item);
    Removed_.push_back(item);
  } else {
    delete item;
  }
  if (Items_.empty())
    SetActive(false);
}

int TMVWCustomTimerPool::IndexOfTimer(std::uint16_t id) const {
  const auto found = std::find_if(Items_.begin(), Items_.end(),
                                  [id](const TMVWTimerItem* item) { return item->Id() == id; });
  return found == Items_.end() ? -1 : static_cast<int>(found - Items_.begin());
}

TMVWTimerItem* TMVWCustomTimerPool::FindTimerItem(std::uint16_t id) const {
  const int index = IndexOfTimer(id);
  return index < 0 ? nullptr : Items_[static_cast<std::size_t>(index)];
}

int TMVWCustomTimerPool::EnabledCount() const {
  return static_cast<int>(std::count_if(Items_.begin(), Items_.end(),
                                        [](const TMVWTimerItem* item) { return item->Enabled(); }));
}

void TMVWCustomTimerPool::SetActive(bool value) {
  Active_ = false;
  StopWindowTimer();
  if (!value || EnabledCount() == 0)
    return;
  if (!StartWindowTimer())
    throw EOutOfResources("Not enough timers available");
  TickCounter_ = 1;
  Active_ = true;
}

void TMVWCustomTimerPool::Clear() {
  SetActive(false);
  while (!Items_.empty())
    delete Items_.back();
}

void TMVWCustomTimerPool::Tick() {
  if (Removing_ || Ticking_)
    return;
  Ticking_ = true;
  struct TEndTick {
    TMVWCustomTimerPool& Pool;
    ~TEndTick() {
      Pool.Ticking_ = false;
      for (TMVWTimerItem* item : std::exchange(Pool.Removed_, {}))
        delete item;
    }
  } endTick{*this};
  for (TickIndex_ = 0; TickIndex_ < Count(); ++TickIndex_) {
    TMVWTimerItem* item = Items_[static_cast<std::size_t>(TickIndex_)];
    if (item->Enabled() && item->IntervalTicks() > 0 && TickCounter_ % item->IntervalTicks() == 0)
      item->Fire();
  }
  TickCounter_ = TickCounter_ == INT32_MAX ? 0 : TickCounter_ + 1;
}

void TMVWCustomTimerPool::Unlink(TMVWTimerItem* item) {
  const auto found = std::find(Items_.begin(), Items_.end(), item);
  if (found == Items_.end())
    return;
  const auto index = static_cast<int>(found - Items_.begin());
  Items_.erase(found);
  // The tick goes on with the item that followed the one taken out.
  if (Ticking_ && index <= TickIndex_)
    --TickIndex_;
}

std::uint16_t TMVWTimerSlots::AddTimer(TMVWCustomTimerPool& pool, TMVWTimerInterval interval,
                                       TNotifyEvent handler) {
  const auto free = std::find(Used_.begin(), Used_.end(), false);
  if (free == Used_.end())
    return 0;
  const auto id = static_cast<std::uint16_t>(FirstId + (free - Used_.begin()));
  const int before = pool.Count();
  int index = -1;
  try {
    index = pool.AddTimerItem(id, interval, std::move(handler));
  } catch (...) {
    // Left in the list, the item would make its identifier a duplicate for every later call.
    if (pool.Count() > before)
      pool.RemoveTimerItem(id);
    throw;
  }
  if (index == -1)
    return 0;
  *free = true;
  return id;
}

void TMVWTimerSlots::RemoveTimer(TMVWCustomTimerPool& pool, std::uint16_t id) {
  if (id < FirstId || id >= FirstId + SlotCount)
    return;
  pool.RemoveTimerItem(id);
  Used_[id - FirstId] = false;
}

} // namespace marivo
