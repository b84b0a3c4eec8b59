#include "tests/support/MessagePump.h"

#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"

namespace marivo::test {

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds wait) {
  const auto end = std::chrono::steady_clock::now() + wait;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end)
      return false;
    Application->ProcessMessages();
    Sleep(5);
  }
  return true;
}

bool PumpPosted(std::chrono::milliseconds wait) {
  // Posted messages leave the queue in order, so the marker goes after all those before it.
  constexpr UINT Marker = WM_APP + 0x3F00;
  PostThreadMessageA(GetCurrentThreadId(), Marker, 0, 0);
  return PumpUntil(
      [] {
        MSG message;
        return !PeekMessageA(&message, nullptr, Marker, Marker, PM_NOREMOVE);
      },
      wait);
}

namespace {

BOOL CALLBACK FindUnpainted(HWND window, LPARAM unpainted) {
  if (!IsWindowVisible(window))
    return TRUE;
  if (GetUpdateRect(window, nullptr, FALSE))
    *reinterpret_cast<bool*>(unpainted) = true;
  else
    EnumChildWindows(window, FindUnpainted, unpainted);
  return !*reinterpret_cast<bool*>(unpainted);
}

} // namespace

bool PumpUntilDrawn(std::chrono::milliseconds wait) {
  const auto end = std::chrono::steady_clock::now() + wait;
  for (;;) {
    Application->ProcessMessages();
    MSG pending;
    bool unpainted = false;
    EnumThreadWindows(GetCurrentThreadId(), FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    if (!unpainted && !PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE))
      return true;
    if (std::chrono::steady_clock::now() > end)
      return false;
  }
}

bool TakeFocus(HWND window, std::chrono::milliseconds wait) {
  const HWND form = GetAncestor(window, GA_ROOT);
  const auto focused = [window] {
    const HWND focus = GetFocus();
    return focus && (focus == window || IsChild(window, focus));
  };
  return PumpUntil(
      [&] {
        if (GetForegroundWindow() != form)
          SetForegroundWindow(form);
        if (!focused())
          SetFocus(window);
        return GetForegroundWindow() == form && GetActiveWindow() == form && focused();
      },
      wait);
}

void ClickWithMouse(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  TWinControl& receiver = windowed ? *windowed : *control.Parent();
  const POINT middle =
      windowed ? POINT{control.Width() / 2, control.Height() / 2}
               : POINT{control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
  const LPARAM at = MAKELPARAM(middle.x, middle.y);
  SetCursorPosSeam(receiver.ClientToScreen(middle));
  SendMessageA(receiver.Handle(), WM_MOUSEMOVE, 0, at);
  SendMessageA(receiver.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(receiver.Handle(), WM_LBUTTONUP, 0, at);
  SetCursorPosSeam(std::nullopt);
}

} // namespace marivo::test
