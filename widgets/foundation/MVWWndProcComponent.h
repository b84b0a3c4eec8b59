#pragma once

#include "platform/ui/Messages.h"
#include "platform/ui/WindowProcs.h"
#include "widgets/foundation/portable/MVWBase.h"

namespace marivo {

// A component that puts its WndProc in front of the window of the control that owns it. It hooks
// once loaded (or when Enabled turns on) and unhooks when Enabled turns off, when it is freed, or
// when the window goes. After WM_DESTROY it consumes every message but WM_NCDESTROY, which it
// passes on before it unhooks, so the owner still learns that its window has gone.
class TMVWWndProcComponent : public TMVWCustomComponent {
public:
  static constexpr bool DefaultEnabled = true;

  explicit TMVWWndProcComponent(TComponent* owner);
  ~TMVWWndProcComponent() override;

  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value);
  // True when hooked now; False without an owner window or when already hooked.
  virtual bool HookWndProc();
  virtual void UnhookWndProc();
  bool Hooked() const { return Subclass_.Installed(); }
  // The owner's window, made when it has none; 0 without a windowed owner or when that fails.
  HWND TargetHandle();
  virtual void WndProc(TMessage& message);
  void CallPreviousWndProc(TMessage& message);

protected:
  virtual void EnabledChanged() {}
  void Loaded() override;

private:
  void RemoveHook();

  bool Enabled_ = DefaultEnabled;

  bool Destroying_ = false;
  TWindowSubclass Subclass_;
};

// Re-reads the theme state when its form's window is made and switches the widgets' themes off
// and on again when the system's theme changes.
class TMVWXPThemeManager : public TMVWWndProcComponent {
public:
  using TMVWWndProcComponent::TMVWWndProcComponent;
  void WndProc(TMessage& message) override;

private:
  // Switching sends WM_THEMECHANGED to this very form; reacting to it again would never end.
  bool Switching_ = false;
};

// Makes the hooking component and the theme manager known to form data.
void RegisterMVWWndProcComponent();

} // namespace marivo
