#pragma once

#include "widgets/foundation/portable/MVWBase.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace marivo {

class TMVWCustomTimerPool;

// Milliseconds.
using TMVWTimerInterval = std::uint16_t;
using TMVWTimerPoolEvent =
    std::function<void(TObject* Sender, std::uint16_t Id, std::int32_t Count)>;

// One widget timer of a pool: fires every Interval milliseconds (a multiple of the pool's
// MinInterval) while enabled, at most CallLimit times (-1: no limit) since last enabled.
class TMVWTimerItem : public TObject {
public:
  // EInvalidOperation "<class>: Invalid Owner or List" without a pool.
  TMVWTimerItem(TMVWCustomTimerPool* pool, std::uint16_t id);
  ~TMVWTimerItem() override;
  TMVWTimerItem(const TMVWTimerItem&) = delete;
  TMVWTimerItem& operator=(const TMVWTimerItem&) = delete;

  std::uint16_t Id() const { return Id_; }
  bool Enabled() const { return Enabled_; }
  // Enabling is refused at a call limit of 0; a change restarts the call count.
  void SetEnabled(bool value);
  TMVWTimerInterval Interval() const { return Interval_; }
  // Ignored unless a multiple of MinInterval; 0 stands for MinInterval.
  void SetInterval(TMVWTimerInterval value);
  std::int32_t IntervalTicks() const { return IntervalTicks_; }
  std::int32_t CallLimit() const { return CallLimit_; }
  void SetCallLimit(std::int32_t value) { CallLimit_ = value; }
  std::int32_t CallCount() const { return CallCount_; }

  // Sender is the pool. Without it the pool's OnTimer fires.
  TNotifyEvent OnTimer;

private:
  friend class TMVWCustomTimerPool;
  void Fire();

  TMVWCustomTimerPool* Pool_;
  std::int32_t CallLimit_ = -1;
  std::int32_t CallCount_ = 0;
  bool Enabled_ = true;
  std::uint16_t Id_;
  TMVWTimerInterval Interval_ = 1000;
  std::int32_t IntervalTicks_;
};

// The item list of the widget timers and its tick; the window timer that drives Tick belongs to
// the descendant. Handlers may remove their own or another item, add one, or free the control
// that owns them: an item removed during a tick is out of the list at once and freed when the
// tick ends, and the items after it still fire.
class TMVWCustomTimerPool : public TMVWCustomComponent {
public:
  static constexpr TMVWTimerInterval DefaultMinInterval = 1000;

  TMVWCustomTimerPool(TComponent* owner, TMVWTimerInterval minInterval = DefaultMinInterval);

  ~TMVWCustomTimerPool() override;

  TMVWTimerInterval MinInterval() const { return MinInterval_; }
  // Taken only while the pool is read from form data; 0 is refused.
  void SetMinInterval(TMVWTimerInterval value);

  // Raises "List index out of bounds (%d)" for an identifier in use and "Interval not
  // compatible with MinInterval property!"; then (re)starts the window timer.
  int AddTimerItem(std::uint16_t id, TMVWTimerInterval interval, TNotifyEvent handler);
  void RemoveTimerItem(std::uint16_t id);
  int IndexOfTimer(std::uint16_t id) const;
  TMVWTimerItem* FindTimerItem(std::uint16_t id) const;
  int Count() const { return static_cast<int>(Items_.size()); }
  TMVWTimerItem* Items(int index) const { return Items_.at(static_cast<std::size_t>(index)); }
  int EnabledCount() const;
  bool Active() const { return Active_; }
  // Stops the window timer, and starts it again (counting from tick 1) while items are enabled;
  // EOutOfResources "Not enough timers available" when it cannot.
  void SetActive(bool value);
  // Stops, then frees the items, the last first.
  void Clear();
  // One period of MinInterval has passed.
  void Tick();
  std::int32_t TickCounter() const { return TickCounter_; }

  TMVWTimerPoolEvent OnTimer;

protected:
  virtual bool StartWindowTimer() = 0;
  virtual void StopWindowTimer() = 0;

private:
  friend class TMVWTimerItem;
  void Unlink(TMVWTimerItem* item);

  bool Active_ = false;
  std::int32_t TickCounter_ = 0;
  TMVWTimerInterval MinInterval_;
  std::vector<TMVWTimerItem*> Items_;
  bool Removing_ = false;
  bool Ticking_ = false;
  int TickIndex_ = 0;
  std::vector<TMVWTimerItem*> Removed_; // freed when the tick ends
};

// The identifiers 0xFD01..0xFDFA the application object hands out to widget timers.
class TMVWTimerSlots {
public:
  static constexpr std::uint16_t FirstId = 0xFD01;
  static constexpr int SlotCount = 250;

  // The lowest free identifier, with its item in the pool; 0 when none is free. An item the
  // pool took before raising is removed again, so the identifier stays free.
  std::uint16_t AddTimer(TMVWCustomTimerPool& pool, TMVWTimerInterval interval,
                         TNotifyEvent handler);
  // Identifiers outside the slots are ignored.
  void RemoveTimer(TMVWCustomTimerPool& pool, std::uint16_t id);

private:
  std::array<bool, SlotCount> Used_{};
};

} // namespace marivo
