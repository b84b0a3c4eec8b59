#include "widgets/foundation/MVWWndProcComponent.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Controls.h"
#include "widgets/foundation/MVWApplication.h"

namespace marivo {

TMVWWndProcComponent::TMVWWndProcComponent(TComponent* owner) : TMVWCustomComponent(owner) {}

TMVWWndProcComponent::~TMVWWndProcComponent() {
  RemoveHook();
}

void TMVWWndProcComponent::SetEnabled(bool value) {
  if (!Store(Enabled_, value))
    return;
  if (value)
    HookWndProc();
  else
    UnhookWndProc();
  EnabledChanged();
}

bool TMVWWndProcComponent::HookWndProc() {
  if (!Enabled_ || Subclass_.Installed())
    return false;
  const HWND target = TargetHandle();
  if (!target)
    return false;
  Destroying_ = false;
  try {
    return Subclass_.Install(target, [this](TMessage& message) { WndProc(message); });
  } catch (const std::exception&) {
    RemoveHook();
    return false;
  }
}

void TMVWWndProcComponent::UnhookWndProc() {
  RemoveHook();
}

HWND TMVWWndProcComponent::TargetHandle() {
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control)
    return nullptr;
  try {
    return control->Handle();
  } catch (const std::exception&) {
    return nullptr;
  }
}

void TMVWWndProcComponent::WndProc(TMessage& message) {
  if (message.Msg == WM_NCDESTROY) {
    CallPreviousWndProc(message);
    RemoveHook();
    return;
  }
  if (Destroying_)
    return;
  if (message.Msg == WM_DESTROY)
    Destroying_ = true;
  CallPreviousWndProc(message);
}

void TMVWWndProcComponent::CallPreviousWndProc(TMessage& message) {
  Subclass_.CallPrevious(message);
}

void TMVWWndProcComponent::Loaded() {
  TMVWCustomComponent::Loaded();
  HookWndProc();
}

// The window may have gone already; then only the hook's own state goes.
void TMVWWndProcComponent::RemoveHook() {
  Subclass_.Remove();
  Destroying_ = false;
}

void TMVWXPThemeManager::WndProc(TMessage& message) {
  if (MVWApplication) {
    if (message.Msg == WM_CREATE)
      MVWApplication->RefreshThemeState();
    if (message.Msg == WM_THEMECHANGED && !Switching_ && MVWApplication->UseThemes()) {
      Switching_ = true;
      try {
        MVWApplication->SetThemes(false);
        MVWApplication->SetThemes(true);
      } catch (...) {
        Switching_ = false;
        throw;
      }
      Switching_ = false;
    }
  }
  TMVWWndProcComponent::WndProc(message);
}

void RegisterMVWWndProcComponent() {
  RegisterComponentClass<TMVWWndProcComponent, TMVWCustomComponent>("TMVWWndProcComponent");
  RegisterComponentClass<TMVWXPThemeManager, TMVWWndProcComponent>("TMVWXPThemeManager");
}

} // namespace marivo
