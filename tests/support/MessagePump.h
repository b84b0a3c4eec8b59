#pragma once

#include <chrono>
#include <functional>

#include <windows.h>

namespace marivo {
class TControl;
}

namespace marivo::test {

// A wait that only a hung program runs out of, however busy the machine is.
inline constexpr std::chrono::milliseconds GenerousWait{10000};

// Handles the application's messages until done() holds or the wait runs out; gives done()'s
// last answer. It returns as soon as done() holds, with no message handled after it.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds wait = GenerousWait);

// Handles the application's messages until every message posted to this thread before the call
// has been handled, the posted focus events among them, however long the machine takes.
bool PumpPosted(std::chrono::milliseconds wait = GenerousWait);

// Handles messages until every window of this thread is painted and none is left to handle.
bool PumpUntilDrawn(std::chrono::milliseconds wait = GenerousWait);

// Makes the window's form the foreground window and gives the window (or a child of it) the
// focus, waiting until both hold: the activation may come some messages after the call.
bool TakeFocus(HWND window, std::chrono::milliseconds wait = GenerousWait);

// A click as the mouse gives it: onto the control's middle, pressed and released there, through
// its own window or, for a window-less control, through its parent's. The mouse then moves away.
void ClickWithMouse(TControl& control);

} // namespace marivo::test
