#include "widgets/controls/MVWCustomScrollBox.h"

#include "platform/ui/GdiHandles.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWCustomPanel.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWXPStyles.h"

namespace marivo {

namespace {

constexpr int EditPart = 1;

bool VisualStylesActive() {
  return MVWApplication && MVWApplication->UseThemes() && XPStyles().OpenThemeData &&
         XPStyles().DrawThemeBackground && XPStyles().CloseThemeData;
}

} // namespace

TMVWCustomScrollBox::TMVWCustomScrollBox(TComponent* owner)
    : TScrollBox(owner), Bevel_(std::make_unique<TMVWScrollBoxBevel>()) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks |
                  csReplicatable);
  SetBorderStyle(bsNone);
  Bevel_->OnChange = [this](TObject* sender) { BevelChanged(sender); };
}

TMVWCustomScrollBox::~TMVWCustomScrollBox() {
  Bevel_->OnChange = nullptr;
}

void TMVWCustomScrollBox::SetTransparent(bool value) {
  if (!Store(Transparent_, value))
    return;
  Invalidate();
  TellChildren(CM_MVWBACKCHANGED);
}

void TMVWCustomScrollBox::SetThemedBorder(bool value) {
  if (Store(ThemedBorder_, value))
    RecreateWnd();
}

void TMVWCustomScrollBox::SetSaveResources(bool value) {
  SaveResources_ = value;
  if (value)
    UpdateChildWindows();
}

bool TMVWCustomScrollBox::ThemedBorderActive() {
  return ThemedBorder_ && Bevel_->Mode() == bmWindows && VisualStylesActive();
}

bool TMVWCustomScrollBox::ThemedTransparent() {
  return VisualStylesActive() && Transparent_ && ThemedBorder_ && !HasParentBack();
}

bool TMVWCustomScrollBox::HasParentBack() {
  return Transparent_ && ParentBackOf(*this).Supplies;
}

TBitmap* TMVWCustomScrollBox::ParentBackBitmap() {
  return HasParentBack() ? ParentBackOf(*this).Bitmap() : nullptr;
}

POINT TMVWCustomScrollBox::MapBackOrigin(POINT point) {
  if (!HasParentBack())
    return point;
  POINT position = ParentBackOf(*this).MapOrigin({Left(), Top()});
  const int barWidth = VertScrollBar().IsScrollBarVisible() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int barHeight = HorzScrollBar().IsScrollBarVisible() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  position.x += point.x + Bevel_->Extent() + (Width() - ClientWidth() - barWidth) / 2;
  position.y += point.y + Bevel_->Extent() + (Height() - ClientHeight() - barHeight) / 2;
  return position;
}

bool TMVWCustomScrollBox::PaintParentBack(TCanvas& canvas, const RECT& rect, int, POINT origin) {
  if (MVWControlLoading(*this) || (ComponentState() & csDestroying))
    return false;
  TBitmap* back = ParentBackBitmap();
  if (!back)
    return false;
  const POINT position = MapBackOrigin(origin);
  CopyBackPart(canvas, rect, *back, {rect.left + position.x, rect.top + position.y});
  return true;
}

void TMVWCustomScrollBox::BevelChanged(TObject* sender) {
  if (sender == Bevel_.get()) {
    Bevel_->SetOwnerDrawsWindowsBorder(true);
    RecreateWnd();
    return;
  }
  if (HandleAllocated())
    Perform(WM_NCPAINT, 1, 0);
  Invalidate();
}

void TMVWCustomScrollBox::ThemeChanged() {
  RecreateWnd();
  TellChildren(CM_MVWTHEMECHANGED);
}

void TMVWCustomScrollBox::TellChildren(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  Broadcast(message);
}

void TMVWCustomScrollBox::RepaintNow() {
  if (!HandleAllocated())
    return;
  InvalidateRect(Handle(), nullptr, TRUE);
  UpdateWindow(Handle());
}

void TMVWCustomScrollBox::CreateParams(TCreateParams& params) {
  TScrollBox::CreateParams(params);
  params.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
  params.Style |= WS_CLIPCHILDREN;
  if (Bevel_->Mode() == bmWindows)
    AddWindowsBorder(params.Style, params.ExStyle, Ctl3D());
}

void TMVWCustomScrollBox::PaintWindow(HDC dc) {
  if (MVWControlLoading(*this))
    return;
  Canvas_.SetHandle(dc);
  PaintParentBack(Canvas_, ClientRect(), 0, {0, 0});
  Canvas_.SetHandle(nullptr);
  if (OnPaint)
    OnPaint(this);
}

void TMVWCustomScrollBox::PaintNonClient() {
  const TWindowDC windowDC(Handle(), GetWindowDC(Handle()));
  HDC dc = windowDC.Get();
  RECT window;
  GetWindowRect(Handle(), &window);
  OffsetRect(&window, -window.left, -window.top);
  HTHEME theme = ThemedBorderActive() ? XPStyles().OpenThemeData(Handle(), L"EDIT") : nullptr;
  if (theme) {
    const int state = !Enabled() ? 4 : Focused() ? 5 : 1;
    // Only the one-pixel frame: the inside belongs to the client and the scroll bars.
    ExcludeClipRect(dc, window.left + 1, window.top + 1, window.right - 1, window.bottom - 1);
    XPStyles().DrawThemeBackground(theme, dc, EditPart, state, &window, nullptr);
    XPStyles().CloseThemeData(theme);
  } else {
    NonClientCanvas_.SetHandle(dc);
    Bevel_->PaintBevel(NonClientCanvas_, window, false);
    NonClientCanvas_.SetHandle(nullptr);
  }
}

void TMVWCustomScrollBox::UpdateChildWindows() {
  if (!HandleAllocated())
    return;
  const int horizontal = HorzScrollBar().Position();
  const int vertical = VertScrollBar().Position();
  const RECT client = ClientRect();
  HWND focus = GetFocus();
  for (int i = 0; i < ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(Controls(i));
    if (!child)
      continue;
    const RECT bounds{child->Left(), child->Top(), child->Left() + child->Width(),
                      child->Top() + child->Height()};
    RECT common;
    if (IntersectRect(&common, &bounds, &client)) {
      child->HandleNeeded();
      continue;
    }
    if (!child->HandleAllocated())
      continue;
    // Taking the focused window away would drop the focus and what is being typed.
    const HWND window = child->Handle();
    if (focus && (focus == window || IsChild(window, focus)))
      continue;
    DestroyWindow(window);
  }
  HorzScrollBar().SetPosition(horizontal);
  VertScrollBar().SetPosition(vertical);
}

void TMVWCustomScrollBox::Scrolled(TMessage& message) {
  TControlScrollBar& bar = message.Msg == WM_HSCROLL ? HorzScrollBar() : VertScrollBar();
  const int before = bar.Position();
  TScrollBox::WndProc(message);
  if (UsesParentBack()) {
    bool refresh = LOWORD(message.WParam) == SB_ENDSCROLL;
    if (ScrollRepaintThrottle_) {
      refresh = ++ScrollSteps_ >= ScrollRepaintEvery_;
      if (refresh)
        ScrollSteps_ = 0;
    }
    if (refresh) {
      InvalidateRect(Handle(), nullptr, FALSE);
      TellChildren(CM_MVWPARENTBACKCHANGED);
    }
  }
  if (SaveResources_)
    UpdateChildWindows();
  if (bar.Position() != before && OnScroll)
    OnScroll(this);
}

void TMVWCustomScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_HSCROLL:
  case WM_VSCROLL:
    Scrolled(message);
    return;
  case WM_ERASEBKGND:
    if (!UsesParentBack())
      break;
    message.Result = 1;
    if (ControlCount() < 2) {
      Canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
      PaintParentBack(Canvas_, ClientRect(), 0, {0, 0});
      Canvas_.SetHandle(nullptr);
    }
    return;
  case WM_PAINT:
    TScrollBox::WndProc(message);
    if (!Painted_) {
      Painted_ = true;
      if (SaveResources_)
        UpdateChildWindows();
    }
    return;
  case WM_NCPAINT:
    if (MVWControlLoading(*this) && !IsWindowVisible(Handle()))
      return;
    TScrollBox::WndProc(message);
    PaintNonClient();
    return;
  case WM_NCCALCSIZE: {
    TScrollBox::WndProc(message);
    auto* rect = reinterpret_cast<RECT*>(message.LParam);
    if (ThemedBorderActive() && Ctl3D()) {
      InflateRect(rect, 1, 1);
    } else {
      rect->left += Bevel_->Extent();
      rect->top += Bevel_->Extent();
      rect->right -= Bevel_->ExtentRightBottom();
      rect->bottom -= Bevel_->ExtentRightBottom();
    }
    return;
  }
  case WM_SIZE:
    TScrollBox::WndProc(message);
    if (FullRepaint_)
      BevelChanged(nullptr);
    else
      Perform(WM_NCPAINT, 1, 0);
    return;
  case WM_MOVE:
    TScrollBox::WndProc(message);
    if (UsesParentBack()) {
      RepaintNow();
      TellChildren(CM_MVWBACKCHANGED);
    }
    return;
  case CM_MVWBACKCHANGED:
    Invalidate();
    if (UsesParentBack())
      TellChildren(CM_MVWBACKCHANGED);
    return;
  case CM_COLORCHANGED:
  case CM_PARENTCOLORCHANGED:
    if (!Transparent_ && !MVWControlLoading(*this)) {
      Invalidate();
      if (HorzScrollBar().IsScrollBarVisible() && VertScrollBar().IsScrollBarVisible())
        Perform(WM_NCPAINT, 1, 0);
    }
    break;
  case WM_THEMECHANGED:
    TScrollBox::WndProc(message);
    ThemeChanged();
    return;
  case CM_CTL3DCHANGED:
    if (Bevel_->Mode() == bmWindows)
      RecreateWnd();
    break;
  }
  TScrollBox::WndProc(message);
}

} // namespace marivo
