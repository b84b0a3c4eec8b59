#pragma once

#include "platform/ui/Messages.h"

#include <functional>

namespace marivo {

// A window procedure that is a method of an object. An exception leaving it goes to the standard
// error box, since it must not cross the system's frames.
using TWndMethod = std::function<void(TMessage& message)>;

// A hidden window whose messages, once it exists, go to method; the method calls DefWindowProcA
// for those it leaves alone.
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND window);

// Puts method in front of a window's procedure; it passes a message on with CallPrevious. Several
// subclasses of one window may be removed in any order.
class TWindowSubclass {
public:
  TWindowSubclass() = default;
  ~TWindowSubclass() { Remove(); }
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // False when the window is not there or already subclassed by this object.
  bool Install(HWND window, TWndMethod method);
  // Does nothing when not installed or when the window has gone.
  void Remove();
  bool Installed() const { return Window_ != nullptr; }
  HWND Window() const { return Window_; }
  // Runs the message through the procedures behind this one; its value becomes the result.
  void CallPrevious(TMessage& message);

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  HWND Window_ = nullptr;
  TWndMethod Method_;
};

} // namespace marivo
