#pragma once

#include "platform/rtl/Components.h"

#include <cstdint>

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

void RegisterTimerClasses();

} // namespace marivo
