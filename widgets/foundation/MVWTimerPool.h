#pragma once

#include "platform/ui/Messages.h"
#include "widgets/foundation/portable/MVWCustomTimerPool.h"

namespace marivo {

// The widget timers' pool with its hidden window and one window timer of MinInterval. A handler
// that pumps messages gets no tick inside its own; a handler's exception goes to the standard
// error box and the pool runs on.
class TMVWTimerPool : public TMVWCustomTimerPool {
public:
  explicit TMVWTimerPool(TComponent* owner) : TMVWCustomTimerPool(owner) {}
  TMVWTimerPool(TComponent* owner, TMVWTimerInterval minInterval)
      : TMVWCustomTimerPool(owner, minInterval) {}
  ~TMVWTimerPool() override;

  HWND Window() const { return Window_; }

protected:
  bool StartWindowTimer() override;
  void StopWindowTimer() override;

private:
  void WindowProc(TMessage& message);

  HWND Window_ = nullptr;
  bool InTick_ = false;
};

// Makes the pool known to form data.
void RegisterMVWTimerPool();

} // namespace marivo
