#pragma once

#include <windows.h>

namespace marivo {

// The widget library's private messages; wParam and lParam are 0. 0xB0D2, 0xB0D3 and 0xB0D5
// are not used.
// A window-less widget's Transparent changed; sent to itself, which repaints when visible.
constexpr UINT CM_MVWGRAPHICBACKCHANGED = 0xB0CD;
// A background changed; windowed widgets, parent panels and the scroll box send it to all their
// direct children, which repaint what shows that background.
constexpr UINT CM_MVWBACKCHANGED = 0xB0CE;
// Posted by a windowed widget to itself after WM_SETFOCUS; runs OnAfterEnter.
constexpr UINT CM_MVWAFTERENTER = 0xB0CF;
// Posted by a windowed widget to itself after WM_KILLFOCUS; runs OnAfterExit.
constexpr UINT CM_MVWAFTEREXIT = 0xB0D0;
// A widget's Bevel was assigned; sent to itself (only the edit uses it).
constexpr UINT CM_MVWBEVELCHANGED = 0xB0D1;
// The scroll box scrolled; sent to its children, which pass a background change on.
constexpr UINT CM_MVWPARENTBACKCHANGED = 0xB0D4;
// Theme use changed: TMVWApplication::SetThemes to the direct controls of every visible form,
// and every windowed widget's ThemeChanged to its children.
constexpr UINT CM_MVWTHEMECHANGED = 0xB0D6;
// Posted by the auto-complete to its own message window (no other window sees it) when its popup
// list loses the focus or takes Enter or Esc; closes the popup outside the hooked window procedure.
constexpr UINT WM_MVWCLOSEPOPUP = WM_USER + 1;

} // namespace marivo
