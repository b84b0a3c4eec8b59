#include "platform/ui/WindowProcs.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"

#include <windows.h>

#include <commctrl.h>

namespace marivo {

namespace {

constexpr const char* UtilityWindowClass = "MarivoUtilityWindow";

void Dispatch(const TWndMethod& method, TMessage& message) {
  try {
    method(message);
  } catch (...) {
    HandleCurrentException();
  }
}

LRESULT CALLBACK UtilityWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!method)
    return DefWindowProcA(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  Dispatch(*method, message);
  return message.Result;
}

} // namespace

HWND AllocateHWnd(TWndMethod method) {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = UtilityWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = UtilityWindowClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  HWND window = registered ? CreateWindowExA(0, UtilityWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                             nullptr, GetModuleHandleA(nullptr), nullptr)
                           : nullptr;
  if (!window)
    throw EOutOfResources("Cannot create a hidden window");
  SetWindowLongPtrA(window, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(new TWndMethod(std::move(method))));
  return window;
}

void DeallocateHWnd(HWND window) {
  if (!window)
    return;
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  delete method;
}

bool TWindowSubclass::Install(HWND window, TWndMethod method) {
  if (Window_ || !window || !IsWindow(window))
    return false;
  Method_ = std::move(method);
  if (!SetWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this),
                         reinterpret_cast<DWORD_PTR>(this)))
    return false;
  Window_ = window;
  return true;
}

void TWindowSubclass::Remove() {
  if (!Window_)
    return;
  if (IsWindow(Window_))
    RemoveWindowSubclass(Window_, Procedure, reinterpret_cast<UINT_PTR>(this));
  Window_ = nullptr;
}

void TWindowSubclass::CallPrevious(TMessage& message) {
  if (Window_)
    message.Result = DefSubclassProc(Window_, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TWindowSubclass::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) {
  auto* subclass = reinterpret_cast<TWindowSubclass*>(self);
  TMessage message{msg, wParam, lParam, 0};
  // A copy: the method may remove the subclass, and with it Method_.
  const TWndMethod method = subclass->Method_;
  Dispatch(method, message);
  // The window's last message: the system drops its subclasses now, so none must outlive it.
  if (msg == WM_NCDESTROY && subclass->Window_ == window)
    subclass->Remove();
  return message.Result;
}

} // namespace marivo
