#pragma once

#include <windows.h>

namespace marivo {

// The widget library's private messages. 0xB0D2, 0xB0D3 and 0xB0D5 are not used.
constexpr UINT CM_MVWGRAPHICBACKCHANGED = 0xB0CD; // a window-less widget's background changed
constexpr UINT CM_MVWBACKCHANGED = 0xB0CE;        // a widget's background effects changed
constexpr UINT CM_MVWAFTERENTER = 0xB0CF;         // posted to a widget after it took the focus
constexpr UINT CM_MVWAFTEREXIT = 0xB0D0;          // posted to a widget after it lost the focus
constexpr UINT CM_MVWBEVELCHANGED = 0xB0D1;       // a widget's bevel changed
constexpr UINT CM_MVWPARENTBACKCHANGED = 0xB0D4;  // to the children of a widget whose back changed
// Sent by TMVWApplication::SetThemes to the direct controls of every visible form.
constexpr UINT CM_MVWTHEMECHANGED = 0xB0D6;

} // namespace marivo
