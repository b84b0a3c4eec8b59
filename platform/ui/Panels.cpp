#include "platform/ui/Panels.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace marivo {

void DrawBevel(HDC dc, RECT& rect, TBevelCut cut, int width) {
  if (cut == TBevelCut::bvNone || width <= 0)
    return;
  HBRUSH light = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
  HBRUSH dark = GetSysColorBrush(COLOR_BTNSHADOW);
  HBRUSH topLeft = cut == TBevelCut::bvRaised ? light : dark;
  HBRUSH bottomRight = cut == TBevelCut::bvRaised ? dark : light;
  for (int i = 0; i < width && rect.right - rect.left >= 2 && rect.bottom - rect.top >= 2; ++i) {
    const RECT top{rect.left, rect.top, rect.right - 1, rect.top + 1};
    const RECT left{rect.left, rect.top, rect.left + 1, rect.bottom - 1};
    const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
    const RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
    FillRect(dc, &top, topLeft);
    FillRect(dc, &left, topLeft);
    FillRect(dc, &bottom, bottomRight);
    FillRect(dc, &right, bottomRight);
    InflateRect(&rect, -1, -1);
  }
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetAlignment(TAlignment value) {
  if (Store(Alignment_, value))
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (Store(BevelInner_, value))
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (Store(BevelOuter_, value))
    Invalidate();
}

void TPanel::SetBevelWidth(int value) {
  if (value < 1)
    throw EInvalidOperation("BevelWidth must be at least 1");
  if (Store(BevelWidth_, value))
    Invalidate();
}

void TPanel::SetBorderWidth(int value) {
  if (value < 0)
    throw EInvalidOperation("BorderWidth must not be negative");
  if (Store(BorderWidth_, value))
    Invalidate();
}

void TPanel::SetBorderStyle(TFormBorderStyle value) {
  if (value != bsNone && value != bsSingle)
    throw EInvalidOperation("A panel's border is bsNone or bsSingle");
  if (!Store(BorderStyle_, value))
    return;
  // The border belongs to the window's frame, which only a new window can change.
  RecreateWnd();
}

void TPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (BorderStyle_ == bsSingle)
    params.Style |= WS_BORDER;
}

void TPanel::BoundsChanged() {
  // A centred caption and the bottom-right bevel move with the size.
  Invalidate();
}

void TPanel::WndProc(TMessage& message) {
  TCustomControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED)
    Invalidate();
}

void TPanel::Paint() {
  RECT rect{0, 0, ClientWidth(), ClientHeight()};
  HDC dc = Canvas().Handle();
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().FillRect(rect);
  DrawBevel(dc, rect, BevelOuter_, BevelWidth_);
  InflateRect(&rect, -BorderWidth_, -BorderWidth_);
  DrawBevel(dc, rect, BevelInner_, BevelWidth_);
  if (Caption().empty())
    return;
  Canvas().Font().Assign(Font());
  Canvas().Brush().SetStyle(bsClear);
  static constexpr UINT kHorizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  Canvas().TextRect(rect, Caption(),
                    kHorizontal[Alignment_] | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void RegisterPanelClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TPanel, TCustomControl>("TPanel")
        .Integer("Width", &TControl::Width, &TControl::SetWidth, 185)
        .Integer("Height", &TControl::Height, &TControl::SetHeight, 41)
        .Enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                     &TPanel::Alignment, &TPanel::SetAlignment, taCenter)
        .Enumeration("BevelInner", {"bvNone", "bvLowered", "bvRaised"}, &TPanel::BevelInner,
                     &TPanel::SetBevelInner, TBevelCut::bvNone)
        .Enumeration("BevelOuter", {"bvNone", "bvLowered", "bvRaised"}, &TPanel::BevelOuter,
                     &TPanel::SetBevelOuter, TBevelCut::bvRaised)
        .Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1)
        .Integer("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth, 0)
        .Enumeration("BorderStyle", {"bsNone", "bsSingle"}, &TPanel::BorderStyle,
                     &TPanel::SetBorderStyle, bsNone);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
