#include "widgets/foundation/portable/MVWCustomTimerPool.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace marivo {
namespace {

// A pool whose window timer is a flag: the tests call Tick themselves.
class TTestPool : public TMVWCustomTimerPool {
public:
  explicit TTestPool(TMVWTimerInterval minInterval = 50)
      : TMVWCustomTimerPool(nullptr, minInterval) {}
  ~TTestPool() override { Clear(); }
  void Run(int ticks) {
    for (int i = 0; i < ticks; ++i)
      Tick();
  }
  bool Running = false;
  bool Refuse = false;

protected:
  bool StartWindowTimer() override {
    Running = !Refuse;
    return Running;
  }
  void StopWindowTimer() override { Running = false; }
};

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& error) {
    return error.Message();
  }
  return "";
}

TEST(MVWTimerPool, ItemsFireOnTheirTicks) {
  TTestPool pool;
  EXPECT_FALSE(pool.Active());
  std::vector<int> ticks;
  pool.AddTimerItem(1, 500, [&](TObject* sender) {
    EXPECT_EQ(sender, &pool);
    ticks.push_back(pool.TickCounter());
  });
  EXPECT_TRUE(pool.Active());
  EXPECT_TRUE(pool.Running);
  pool.Run(30);
  EXPECT_EQ(ticks, (std::vector<int>{10, 20, 30}));
}

TEST(MVWTimerPool, IntervalsMustFitMinInterval) {
  TTestPool pool;
  for (const TMVWTimerInterval interval : {75, 25, 0})
    EXPECT_EQ(MessageOf([&] { pool.AddTimerItem(1, interval, nullptr); }),
              "Interval not compatible with MinInterval property!")
        << interval;
  EXPECT_EQ(pool.Count(), 0);
  pool.AddTimerItem(1, 100, nullptr);
  EXPECT_EQ(MessageOf([&] { pool.AddTimerItem(1, 100, nullptr); }),
            "List index out of bounds (%d)");
  TMVWTimerItem& item = *pool.FindTimerItem(1);
  item.SetInterval(0);
  EXPECT_EQ(item.Interval(), 50);
  EXPECT_EQ(item.IntervalTicks(), 1);
  item.SetInterval(120); // not a multiple: ignored
  EXPECT_EQ(item.Interval(), 50);
  EXPECT_EQ(pool.FindTimerItem(2), nullptr);
  EXPECT_EQ(pool.IndexOfTimer(2), -1);
  EXPECT_EQ(MessageOf([] { TMVWTimerItem orphan(nullptr, 1); }),
            "TMVWTimerItem: Invalid Owner or List");
}

TEST(MVWTimerPool, AddingRestartsTheCount) {
  TTestPool pool;
  std::vector<std::string> fired;
  pool.AddTimerItem(1, 100,
                    [&](TObject*) { fired.push_back("a" + std::to_string(pool.TickCounter())); });
  pool.Run(3); // ticks 1, 2, 3: fires on 2
  pool.AddTimerItem(2, 100,
                    [&](TObject*) { fired.push_back("b" + std::to_string(pool.TickCounter())); });
  pool.Run(2); // ticks 1, 2 again
  EXPECT_EQ(fired, (std::vector<std::string>{"a2", "a2", "b2"}));
}

TEST(MVWTimerPool, CallLimitAndPoolEvent) {
  TTestPool pool;
  std::vector<std::int32_t> counts;
  pool.OnTimer = [&](TObject* sender, std::uint16_t id, std::int32_t count) {
    EXPECT_EQ(sender, &pool);
    EXPECT_EQ(id, 7);
    counts.push_back(count);
  };
  pool.AddTimerItem(7, 50, nullptr);
  TMVWTimerItem& item = *pool.FindTimerItem(7);
  item.SetCallLimit(3);
  pool.Run(5);
  EXPECT_EQ(counts, (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_FALSE(item.Enabled());
  EXPECT_EQ(pool.Count(), 1); // stays in the list, disabled
  item.SetEnabled(true);
  pool.Run(1);
  EXPECT_EQ(counts.back(), 1);

  item.SetCallLimit(0);
  item.SetEnabled(false);
  item.SetEnabled(true);
  EXPECT_FALSE(item.Enabled());
}

TEST(MVWTimerPool, RemovingTheLastItemStops) {
  TTestPool pool;
  pool.AddTimerItem(1, 50, nullptr);
  pool.AddTimerItem(2, 50, nullptr);
  pool.RemoveTimerItem(1);
  EXPECT_TRUE(pool.Active());
  pool.RemoveTimerItem(3);
  pool.RemoveTimerItem(2);
  EXPECT_FALSE(pool.Active());
  EXPECT_FALSE(pool.Running);
}

TEST(MVWTimerPool, RefusedWindowTimer) {
  TTestPool pool;
  pool.Refuse = true;
  EXPECT_THROW(pool.AddTimerItem(1, 50, nullptr), EOutOfResources);
  EXPECT_FALSE(pool.Active());
}

// Handlers change the pool under the running tick.
TEST(MVWTimerPool, HandlersChangeThePoolMidTick) {
  TTestPool pool;
  std::vector<std::string> fired;
  const auto record = [&](const std::string& name) {
    return [&fired, name](TObject*) { fired.push_back(name); };
  };
  pool.AddTimerItem(1, 50, record("first"));
  pool.AddTimerItem(2, 50, [&](TObject*) {
    fired.push_back("self");
    pool.RemoveTimerItem(2);
    EXPECT_EQ(pool.FindTimerItem(2), nullptr);
  });
  pool.AddTimerItem(3, 50, [&](TObject*) {
    fired.push_back("neighbour");
    pool.RemoveTimerItem(4);
    pool.RemoveTimerItem(1);
  });
  pool.AddTimerItem(4, 50, record("removed"));
  pool.AddTimerItem(5, 50, [&](TObject*) {
    fired.push_back("adder");
    if (pool.FindTimerItem(6) == nullptr)
      pool.AddTimerItem(6, 50, record("added"));
  });
  pool.AddTimerItem(7, 50, record("last"));
  pool.Run(1);
  EXPECT_EQ(fired,
            (std::vector<std::string>{"first", "self", "neighbour", "adder", "last", "added"}));
  EXPECT_EQ(pool.Count(), 4);
}

// A control that frees itself from its own timer, as a self-closing notice would.
class TTimedControl {
public:
  TTimedControl(TTestPool& pool, TMVWTimerSlots& slots, std::unique_ptr<TTimedControl>& holder)
      : Pool_(pool), Slots_(slots) {
    Id_ = slots.AddTimer(pool, 50, [&holder](TObject*) { holder.reset(); });
  }
  ~TTimedControl() { Slots_.RemoveTimer(Pool_, Id_); }

private:
  TTestPool& Pool_;
  TMVWTimerSlots& Slots_;
  std::uint16_t Id_;
};

TEST(MVWTimerPool, HandlerFreesItsOwner) {
  TTestPool pool;
  TMVWTimerSlots slots;
  int after = 0;
  std::unique_ptr<TTimedControl> control;
  control = std::make_unique<TTimedControl>(pool, slots, control);
  slots.AddTimer(pool, 50, [&](TObject*) { ++after; });
  pool.Run(2);
  EXPECT_EQ(control, nullptr);
  EXPECT_EQ(after, 2);
  EXPECT_EQ(pool.Count(), 1);
}

TEST(MVWTimerPool, ThrowingHandlerLeavesThePoolRunning) {
  TTestPool pool;
  int calls = 0;
  pool.AddTimerItem(1, 50, [&](TObject*) {
    ++calls;
    pool.RemoveTimerItem(2);
    throw std::runtime_error("handler failed");
  });
  pool.AddTimerItem(2, 50, nullptr);
  EXPECT_THROW(pool.Tick(), std::runtime_error);
  EXPECT_EQ(pool.Count(), 1);
  EXPECT_THROW(pool.Tick(), std::runtime_error);
  EXPECT_EQ(calls, 2);
}

TEST(MVWTimerSlots, HandsOutTheLowestFreeIdentifier) {
  TTestPool pool;
  TMVWTimerSlots slots;
  for (int i = 0; i < 250; ++i)
    ASSERT_EQ(slots.AddTimer(pool, 100, nullptr), 0xFD01 + i);
  EXPECT_EQ(slots.AddTimer(pool, 100, nullptr), 0);
  slots.RemoveTimer(pool, 0xFD00);
  slots.RemoveTimer(pool, 0);
  slots.RemoveTimer(pool, 0xFDFB);
  EXPECT_EQ(pool.Count(), 250);
  slots.RemoveTimer(pool, 0xFD10);
  EXPECT_EQ(slots.AddTimer(pool, 100, nullptr), 0xFD10);
}

TEST(MVWTimerSlots, FailedStartFreesTheIdentifier) {
  TTestPool pool;
  TMVWTimerSlots slots;
  pool.Refuse = true;
  EXPECT_THROW(slots.AddTimer(pool, 100, nullptr), EOutOfResources);
  EXPECT_EQ(pool.Count(), 0);
  EXPECT_THROW(slots.AddTimer(pool, 75, nullptr), Exception);
  pool.Refuse = false;
  EXPECT_EQ(slots.AddTimer(pool, 100, nullptr), 0xFD01);
}

} // namespace
} // namespace marivo
