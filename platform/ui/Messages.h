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
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;    // Enter or Esc that the focused control left, to the
                                              // controls until one answers 1 (Default, Cancel)
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;   // an unused character key, to the controls until one
                                              // answers 1 (accelerators)
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7; // to every control of a form when its active control
                                              // changed: lParam the new one (or none)
// To every child when its parent's font changed; with wParam 1, lParam is the parent's new TFont*.
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;  // to every child when its parent's colour
                                                     // changed
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;     // Enabled changed; sent to the control itself
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;       // Color changed
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;        // Font changed
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;       // Ctl3D changed; sent to the control itself
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17; // to every child when its parent's Ctl3D
                                                     // changed
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;        // Caption or Text changed
constexpr UINT CM_MOUSEENTER = CM_BASE + 19; // the mouse came over the control, window-less or not
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20; // the mouse left it; always before the next enter
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;  // a grouped button went down: wParam its group,
                                                 // lParam the button; to its siblings
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25; // a control became visible or hidden
// To the control that became, or stopped being, its form's active control.
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
// The system colours changed; the form passes it to every control.
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 31;

// Notifications a parent window receives from a child window, reflected to the child's control.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

} // namespace marivo
