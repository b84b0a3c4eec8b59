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
  // The mouse lands on the topmost window under it: a windowed control's own.
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  const HWND target = windowed ? windowed->Handle() : control.Parent()->Handle();
  const POINT at = windowed ? POINT{control.Width() / 2, control.Height() / 2} : middle;
  const LPARAM position = MAKELPARAM(at.x, at.y);
  SetCursorPosSeam(control.Parent()->ClientToScreen(middle));
  SendMessageA(target, WM_MOUSEMOVE, 0, position);
  SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, position);
  SendMessageA(target, WM_LBUTTONUP, 0, position);
  SetCursorPosSeam(std::nullopt);
}

} // namespace marivo::test
