#pragma once

#include "platform/rtl/Components.h"

#include <cstdint>
#include <map>

namespace marivo {

// Runs OnTimer every Interval milliseconds while Enabled, from the message loop of the thread
// that started it.
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  unsigned Interval() const { return Interval_; }
  void SetInterval(unsigned value);
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value);

  TNotifyEvent OnTimer;

protected:
  void Loaded() override;
  virtual void Timer();

private:
  friend struct TTimerWindow;
  void UpdateTimer();
  void Stop();

  unsigned Interval_ = 1000;
  bool Enabled_ = true;
  std::uintptr_t Id_ = 0; // 0 while no system timer runs
  bool Firing_ = false;
  bool* Destroyed_ = nullptr; // set while OnTimer runs, so the tick learns of a free inside it
};

// While one lives, every timer takes its ticks from it instead of from the system, so a test
// moves time on by hand and sees each tick fall due at its exact moment, whatever the machine's
// speed. One at a time; timers running when it comes or goes carry on under the other source.
class TManualClock {
public:
  TManualClock();
  ~TManualClock();
  TManualClock(const TManualClock&) = delete;
  TManualClock& operator=(const TManualClock&) = delete;

  // Runs, in order, every tick that falls due within the next milliseconds.
  void Advance(unsigned milliseconds);

private:
  friend class TTimer;
  struct TDue {
    unsigned long long At;
    unsigned Interval;
  };
  unsigned long long Now_ = 0;
  std::map<std::uintptr_t, TDue> Due_; // by timer id, so equal moments tick in start order
};

void RegisterTimerClasses();

} // namespace marivo
