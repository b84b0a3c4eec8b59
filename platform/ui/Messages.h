#pragma once

#include <windows.h>

namespace marivo {

// A window message as a control's WndProc sees it; Result is what the window procedure returns.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Control messages of the class library, numbered from its customary base. The widget library
// owns 0xB0CD to 0xB0D6; nothing here may fall into that range.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 1; // a control became visible or hidden
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 2; // Enabled changed; sent to the control itself
constexpr UINT CM_TEXTCHANGED = CM_BASE + 3;    // Caption or Text changed
constexpr UINT CM_COLORCHANGED = CM_BASE + 4;   // Color changed

} // namespace marivo
