#include "platform/ui/Timers.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

namespace marivo {

namespace {

TManualClock* RunningClock = nullptr; // the source of every tick while one lives

} // namespace

// One hidden message-only window receives the ticks of every timer of the process; ticks are
// mapped back to their timer by id, so a tick that was queued for a freed timer finds nothing.
struct TTimerWindow {
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER)
      return DefWindowProcA(window, msg, wParam, lParam);
    Deliver(static_cast<std::uintptr_t>(wParam));
    return 0;
  }

  static void Deliver(std::uintptr_t id) {
    try {
      Tick(id);
    } catch (...) {
      HandleCurrentException();
    }
  }

  static void Tick(std::uintptr_t id) {
    const auto found = Timers().find(id);
    // A handler still busy (a modal box inside it) gets no second tick on top of the first.
    if (found == Timers().end() || found->second->Firing_)
      return;
    TTimer* timer = found->second;
    // The handler may free its own timer, or stop it and start it again under a new id: the
    // object itself, not its id, says whether it is still there to be told the tick is over.
    bool destroyed = false;
    timer->Firing_ = true;
    timer->Destroyed_ = &destroyed;
    try {
      timer->Timer();
    } catch (...) {
      EndTick(timer, destroyed);
      throw;
    }
    EndTick(timer, destroyed);
  }

  static void EndTick(TTimer* timer, bool destroyed) {
    if (destroyed)
      return;
    timer->Firing_ = false;
    timer->Destroyed_ = nullptr;
  }

  static HWND Handle() {
    static const HWND window = [] {
      WNDCLASSA windowClass{};
      windowClass.lpfnWndProc = WindowProc;
      windowClass.hInstance = GetModuleHandleA(nullptr);
      windowClass.lpszClassName = "MarivoTimer";
      RegisterClassA(&windowClass);
      return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             windowClass.hInstance, nullptr);
    }();
    if (!window)
      throw EInvalidOperation("Cannot create the timer window");
    return window;
  }

  static std::map<std::uintptr_t, TTimer*>& Timers() {
    static std::map<std::uintptr_t, TTimer*> timers;
    return timers;
  }

  static std::uintptr_t NextId() {
    static std::uintptr_t last = 0;
    return ++last;
  }

  static void SwitchClock(TManualClock* clock) {
    std::vector<TTimer*> running;
    for (const auto& [id, timer] : Timers())
      running.push_back(timer);
    for (TTimer* timer : running)
      timer->Stop();
    RunningClock = clock;
    for (TTimer* timer : running)
      timer->UpdateTimer();
  }
};

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  // A timer made by the form reader starts in Loaded, once all its properties are read.
  if (!owner || !(owner->ComponentState() & csLoading))
    UpdateTimer();
}

TTimer::~TTimer() {
  if (Destroyed_)
    *Destroyed_ = true;
  Stop();
}

void TTimer::SetInterval(unsigned value) {
  if (Store(Interval_, value))
    UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (Store(Enabled_, value))
    UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() {
  // A copy, so that a handler that frees its own timer does not destroy the running function.
  if (TNotifyEvent handler = OnTimer)
    handler(this);
}

// OnTimer is a plain member that may be set after the timer started, so the system timer runs
// whenever the timer is enabled and a tick without a handler does nothing.
void TTimer::UpdateTimer() {
  Stop();
  if (!Enabled_ || Interval_ == 0 || (ComponentState() & csLoading))
    return;
  const std::uintptr_t id = TTimerWindow::NextId();
  if (RunningClock)
    RunningClock->Due_[id] = {RunningClock->Now_ + Interval_, Interval_};
  else if (!SetTimer(TTimerWindow::Handle(), id, Interval_, nullptr))
    throw EInvalidOperation("Not enough timers available");
  Id_ = id;
  TTimerWindow::Timers()[id] = this;
}

void TTimer::Stop() {
  if (Id_ == 0)
    return;
  if (RunningClock)
    RunningClock->Due_.erase(Id_);
  else
    KillTimer(TTimerWindow::Handle(), Id_);
  TTimerWindow::Timers().erase(Id_);
  Id_ = 0;
}

TManualClock::TManualClock() {
  if (RunningClock)
    throw EInvalidOperation("Another manual clock is running");
  TTimerWindow::SwitchClock(this);
}

TManualClock::~TManualClock() {
  TTimerWindow::SwitchClock(nullptr);
}

void TManualClock::Advance(unsigned milliseconds) {
  const unsigned long long until = Now_ + milliseconds;
  for (;;) {
    // Of timers due at one moment, the one started first ticks first.
    const auto next = std::min_element(Due_.begin(), Due_.end(), [](const auto& a, const auto& b) {
      return a.second.At < b.second.At;
    });
    if (next == Due_.end() || next->second.At > until)
      break;
    Now_ = next->second.At;
    next->second.At += next->second.Interval;
    TTimerWindow::Deliver(next->first);
  }
  Now_ = until;
}

void RegisterTimerClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TTimer, TComponent>("TTimer")
        .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
        .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000u)
        .Event("OnTimer", &TTimer::OnTimer);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
