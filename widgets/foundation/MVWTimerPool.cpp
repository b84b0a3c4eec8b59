#include "widgets/foundation/MVWTimerPool.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Application.h"
#include "platform/ui/WindowProcs.h"

namespace marivo {

namespace {

constexpr UINT_PTR PoolTimerId = 1;

} // namespace

TMVWTimerPool::~TMVWTimerPool() {
  Clear();
  DeallocateHWnd(Window_);
}

bool TMVWTimerPool::StartWindowTimer() {
  if (!Window_)
    Window_ = AllocateHWnd([this](TMessage& message) { WindowProc(message); });
  return SetTimer(Window_, PoolTimerId, MinInterval(), nullptr) != 0;
}

void TMVWTimerPool::StopWindowTimer() {
  if (Window_)
    KillTimer(Window_, PoolTimerId);
}

void TMVWTimerPool::WindowProc(TMessage& message) {
  if (message.Msg != WM_TIMER) {
    message.Result = DefWindowProcA(Window_, message.Msg, message.WParam, message.LParam);
    return;
  }
  if (InTick_)
    return;
  InTick_ = true;
  try {
    Tick();
  } catch (...) {
    HandleCurrentException();
  }
  InTick_ = false;
}

void RegisterMVWTimerPool() {
  using T = TMVWTimerPool;
  RegisterComponentClass<T, TMVWCustomComponent>("TMVWTimerPool")
      .String("About", &T::About, &T::SetAbout, std::string())
      .Integer("MinInterval", &T::MinInterval, &T::SetMinInterval, T::DefaultMinInterval)
      .Event("OnTimer", &T::OnTimer);
}

} // namespace marivo
