#include "platform/ui/StdCtrls.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/Edits.h"
#include "platform/ui/Lists.h"

namespace marivo {

void RegisterStdCtrlsClasses() {
  RegisterButtonClasses();
  RegisterEditClasses();
  RegisterListClasses();
}

LRESULT TControlBrush::Apply(HDC dc, TColor color, TColor textColor) {
  const COLORREF rgb = ColorToRGB(color);
  if (!Brush_ || rgb != BrushColor_) {
    Brush_.Reset(CreateSolidBrush(rgb));
    BrushColor_ = rgb;
  }
  SetTextColor(dc, ColorToRGB(textColor));
  SetBkColor(dc, rgb);
  return reinterpret_cast<LRESULT>(Brush_.Get());
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

} // namespace marivo
