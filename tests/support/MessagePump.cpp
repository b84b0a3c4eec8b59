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
  const POINT middle{control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
  const HWND parent = control.Parent()->Handle();
  const LPARAM at = MAKELPARAM(middle.x, middle.y);
  SetCursorPosSeam(control.Parent()->ClientToScreen(middle));
  SendMessageA(parent, WM_MOUSEMOVE, 0, at);
  SendMessageA(parent, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(parent, WM_LBUTTONUP, 0, at);
  SetCursorPosSeam(std::nullopt);
}

} // namespace marivo::test
