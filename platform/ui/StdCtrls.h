#pragma once

#include "platform/ui/GdiHandles.h"
#include "platform/ui/Graphics.h"

#include <windows.h>

#include <string>

namespace marivo {

// Makes the standard controls (buttons, memos, list boxes) known to form data;
// the first call does it, later calls nothing.
void RegisterStdCtrlsClasses();

// The brush a platform control is painted with when it asks its parent for colours
// (WM_CTLCOLOR*): the control's Color behind, its Font.Color for the text. The brush lives as
// long as this object, because the platform control keeps using it after the answer.
class TControlBrush {
public:
  TControlBrush() = default;
  TControlBrush(const TControlBrush&) = delete;
  TControlBrush& operator=(const TControlBrush&) = delete;

  // Prepares dc and gives the brush as the WM_CTLCOLOR* answer.
  LRESULT Apply(HDC dc, TColor color, TColor textColor);

private:
  TBrushHandle Brush_;
  COLORREF BrushColor_ = 0;
};

// The whole text of a window, however long.
std::string WindowText(HWND window);

} // namespace marivo
