#include "platform/ui/Timers.h"
#include "tests/platform/ui/ExtCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

// One test takes the system's ticks as they come; the others run on a manual clock, so that they
// see each tick at its exact moment however busy the machine is.
using ExtCtrlsTimerTest = test::ExtCtrlsTest;

TEST_F(ExtCtrlsTimerTest, SystemTicksComeWhileMessagesArePumpedAndStopWhenDisabled) {
  auto* ticker = Find<TTimer>("Ticker");
  ticker->SetEnabled(true);
  EXPECT_TRUE(test::PumpUntil([&] { return Form->TickerTicks >= 3; }));
  ticker->SetEnabled(false);
  // The clock from the form data started once it was read; while it ticks twice more, the
  // stopped ticker stays silent.
  const int ticks = Form->TickerTicks;
  const int clockTicks = Form->ClockTicks;
  EXPECT_TRUE(test::PumpUntil([&] { return Form->ClockTicks >= clockTicks + 2; }));
  EXPECT_EQ(Form->TickerTicks, ticks);
}

TEST_F(ExtCtrlsTimerTest, EachTimerTicksAtItsIntervalOnlyWhileEnabled) {
  TManualClock clock; // takes over the clock from the form data, which runs already
  auto* ticker = Find<TTimer>("Ticker");
  clock.Advance(1000);
  EXPECT_EQ(Form->TickerTicks, 0) << "a disabled timer ticked";
  EXPECT_EQ(Form->ClockTicks, 1000 / 60);

  ticker->SetEnabled(true);
  const std::vector<std::pair<unsigned, int>> steps = {{49, 0}, {1, 1}, {99, 2}, {1, 3}};
  for (const auto& [milliseconds, ticks] : steps) {
    clock.Advance(milliseconds);
    EXPECT_EQ(Form->TickerTicks, ticks) << "after " << milliseconds << " ms more";
  }
  ticker->SetEnabled(false);
  clock.Advance(1000);
  EXPECT_EQ(Form->TickerTicks, 3);
}

TEST_F(ExtCtrlsTimerTest, IntervalChangesCountAgainFromTheChangeAndZeroStops) {
  TManualClock clock;
  auto* ticker = Find<TTimer>("Ticker");
  ticker->SetInterval(60000);
  ticker->SetEnabled(true);
  clock.Advance(59990);
  ticker->SetInterval(40);
  clock.Advance(39);
  EXPECT_EQ(Form->TickerTicks, 0);
  clock.Advance(41);
  EXPECT_EQ(Form->TickerTicks, 2);

  ticker->SetInterval(0);
  clock.Advance(60000);
  EXPECT_EQ(Form->TickerTicks, 2);
}

TEST_F(ExtCtrlsTimerTest, ErrorInOnTimerShowsTheErrorBoxAndTicksGoOn) {
  TManualClock clock;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(30);
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 1)
      throw EInvalidOperation("Score table is locked");
  };
  clock.Advance(90);
  EXPECT_EQ(ticks, 3);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "Score table is locked");
  EXPECT_EQ(Boxes[0].Caption, "Marivo");
}

TEST_F(ExtCtrlsTimerTest, TimerFreedOrDisabledInItsOwnOnTimerIsSafe) {
  TManualClock clock;
  auto* freed = new TTimer(Form);
  int freedTicks = 0;
  freed->SetInterval(20);
  freed->OnTimer = [&](TObject* sender) {
    ++freedTicks;
    delete static_cast<TTimer*>(sender);
    freed = nullptr;
  };
  auto* stopped = new TTimer(Form);
  int stoppedTicks = 0;
  stopped->SetInterval(20);
  stopped->OnTimer = [&](TObject* sender) {
    ++stoppedTicks;
    static_cast<TTimer*>(sender)->SetEnabled(false);
  };
  clock.Advance(1000);
  EXPECT_EQ(freedTicks, 1);
  EXPECT_EQ(freed, nullptr);
  EXPECT_EQ(stoppedTicks, 1);
  EXPECT_FALSE(stopped->Enabled());
  EXPECT_TRUE(Boxes.empty());
}

// The reconnect timer stops itself in its handler; the next lost score must start it again.
TEST_F(ExtCtrlsTimerTest, TimerStoppedInItsOwnOnTimerRunsAgainWhenStartedAgain) {
  TManualClock clock;
  auto* timer = new TTimer(Form);
  int ticks = 0;
  timer->SetInterval(20);
  timer->OnTimer = [&](TObject* sender) {
    ++ticks;
    static_cast<TTimer*>(sender)->SetEnabled(false);
  };
  for (int round = 1; round <= 3; ++round) {
    clock.Advance(19);
    EXPECT_EQ(ticks, round - 1) << "round " << round;
    clock.Advance(1000);
    EXPECT_EQ(ticks, round) << "round " << round;
    timer->SetEnabled(true);
  }
}

TEST_F(ExtCtrlsTimerTest, OnlyOneManualClockRunsAndTimersGoBackToTheSystemAfterIt) {
  {
    TManualClock clock;
    EXPECT_THROW(TManualClock(), EInvalidOperation);
  }
  EXPECT_TRUE(test::PumpUntil([&] { return Form->ClockTicks >= 2; }));
}

} // namespace
} // namespace marivo
