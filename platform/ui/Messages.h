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
// A character no control used, to the form's controls until one answers 1 (an accelerator).
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// To every child when its parent's font, colour or Ctl3D changed; with wParam 1, lParam of
// CM_PARENTFONTCHANGED is the parent's new TFont*.
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
// Sent to the control itself when the property changed.
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18; // Caption or Text
// The mouse came over a control, window-less or not, or left it; a leave always comes first.
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// A grouped button went down; to its siblings, wParam its group, lParam the button.
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25; // a control became visible or hidden
// To the control that became, or stopped being, its form's active control.
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
// The system colours changed; the form passes it to every control.
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 31;
// Posted by an edit to itself when it got or lost the focus.
constexpr UINT CM_AFTERENTER = CM_BASE + 64;
constexpr UINT CM_AFTEREXIT = CM_BASE + 65;

// Notifications a parent window receives from a child window, reflected to the child's control.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

} // namespace marivo
