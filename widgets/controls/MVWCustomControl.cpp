#include "widgets/controls/MVWCustomControl.h"
#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWImageListConnector.h"

#include "platform/ui/GdiHandles.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWXPStyles.h"

namespace marivo {

namespace {

constexpr int kEditPart = 1;
enum TEditState { esNormal = 1, esHot = 2, esDisabled = 4, esFocused = 5, esReadOnly = 6 };

void FrameInColor(HDC dc, const RECT& rect, int sysColor) {
  FrameRect(dc, &rect, GetSysColorBrush(sysColor));
}

} // namespace

TMVWCustomControl::TMVWCustomControl(TComponent* owner)
    : TCustomControl(owner), ImageLink_(*this, [this](TObject*) { ImageListChanged(); }),
      BackFX_(std::make_unique<TMVWBitmapEffectObject>()) {
  BackFX_->OnChange = [this](TObject*) { ChildChanged(); };
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(Left(), Top(), 100, 40);
  SetTabStop(false);
}

TMVWCustomControl::~TMVWCustomControl() {
  BackFX_->OnChange = nullptr;
}

void TMVWCustomControl::SetTransparent(bool value) {
  if (!Store(Transparent_, value))
    return;
  SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  RecreateWnd();
}

void TMVWCustomControl::SetFlat(bool value) {
  if (!Store(Flat_, value))
    return;
  FlatChanged();
  if (Flat_)
    PaintFlatBorder();
  else
    PaintSunkenBorder();
}

void TMVWCustomControl::SetBackFXPass(bool value) {
  if (Store(BackFXPass_, value))
    BackFXPassChanged();
}

void TMVWCustomControl::SetCtlXP(bool value) {
  if (Store(CtlXP_, value))
    ThemeChanged();
}

void TMVWCustomControl::ThemeChanged() {
  Invalidate();
  TMessage message{CM_MVWTHEMECHANGED, 0, 0, 0};
  Broadcast(message);
}

bool TMVWCustomControl::ThemedTransparent() {
  return Transparent_ && MVWApplication && MVWApplication->UseThemes() && CtlXP_ && !HasBackImage();
}

bool TMVWCustomControl::ThemedDrawing() {
  return UsesThemes() && ThemedLook();
}

bool TMVWCustomControl::ThemedLook() {
  return MVWApplication && MVWApplication->UseThemes() && MVWApplication->ThemeActive() && CtlXP_;
}

void TMVWCustomControl::ChildChanged() {
  if (RepaintOnChildChange_)
    Invalidate();
}

bool TMVWCustomControl::PaintParentBack(TCanvas&, const RECT&, int, POINT) {
  return false;
}

HPALETTE TMVWCustomControl::BackPalette() {
  if (HasBackImage())
    return nullptr;
  if (auto* parent = dynamic_cast<TMVWCustomControl*>(Parent()))
    if (TBitmap* bitmap = parent->GetBackBitmap())
      return bitmap->Palette();
  return nullptr;
}

void TMVWCustomControl::DoMouseEnter() {
  if (OnMouseEnter)
    OnMouseEnter(this);
  MouseAbove_ = true;
}

void TMVWCustomControl::DoMouseExit() {
  MouseAbove_ = false;
  if (Flat_ && !HasFocus_)
    PaintFlatBorder();
  if (OnMouseExit)
    OnMouseExit(this);
}

void TMVWCustomControl::FillBackRect(const RECT& rect) {
  if (ThemedDrawing())
    return;
  if (BackFromParent() && PaintParentBack(Canvas(), rect, 0, POINT{0, 0}))
    return;
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().FillRect(rect);
}

template <class F> void TMVWCustomControl::PaintOnWindow(F paint) {
  if (!HandleAllocated())
    return;
  RECT rect;
  GetWindowRect(Handle(), &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  const TWindowDC dc(Handle(), GetWindowDC(Handle()));
  paint(dc.Get(), rect);
}

void TMVWCustomControl::PaintFlatBorder() {
  if (!Flat_ || MouseAbove_ || Focused())
    return;
  PaintOnWindow([this](HDC dc, RECT rect) {
    if (ThemedDrawing()) {
      TCanvas canvas;
      canvas.SetHandle(dc);
      PaintThemeFrame(canvas, rect);
      return;
    }
    FrameInColor(dc, rect, COLOR_BTNFACE);
    if (Ctl3D()) {
      InflateRect(&rect, -1, -1);
      FrameInColor(dc, rect, COLOR_BTNFACE);
    }
  });
}

void TMVWCustomControl::PaintSunkenBorder() {
  PaintOnWindow([this](HDC dc, RECT rect) {
    if (ThemedDrawing()) {
      TCanvas canvas;
      canvas.SetHandle(dc);
      PaintThemeFrame(canvas, rect);
      return;
    }
    if (!Ctl3D()) {
      FrameInColor(dc, rect, COLOR_WINDOWFRAME);
      return;
    }
    FrameInColor(dc, RECT{rect.left + 1, rect.top + 1, rect.right, rect.bottom}, COLOR_WINDOWFRAME);
    FrameInColor(dc, RECT{rect.left, rect.top, rect.right - 1, rect.bottom - 1}, COLOR_BTNFACE);
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  });
}

int TMVWCustomControl::GetThemeEditState() {
  int state = esNormal;
  if (Focused())
    state = esFocused;
  if (MouseAbove_)
    state = esHot;
  if (IsReadOnlyLook())
    state = esReadOnly;
  if (!Enabled())
    state = esDisabled;
  return state;
}

void TMVWCustomControl::PaintThemeFrame(TCanvas& canvas, const RECT& rect) {
  const TMVWXPStyles& styles = XPStyles();
  if (!styles.OpenThemeData || !styles.DrawThemeBackground || !styles.CloseThemeData ||
      !HandleAllocated())
    return;
  HTHEME theme = styles.OpenThemeData(Handle(), L"EDIT");
  if (!theme)
    return;
  styles.DrawThemeBackground(theme, canvas.Handle(), kEditPart, GetThemeEditState(), &rect,
                             nullptr);
  styles.CloseThemeData(theme);
}

void TMVWCustomControl::PaintBackground() {
  if (ThemeBackDrawn_ || (ThemedTransparent() && CanUseThemeBack()))
    return;
  const RECT client = ClientRect();
  if (BackFromParent() && PaintParentBack(Canvas(), client, 0, POINT{0, 0}))
    return;
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().FillRect(client);
}

void TMVWCustomControl::Paint() {
  if (MVWControlLoading(*this))
    return;
  PaintBackground();
  PaintFlatBorder();
}

void TMVWCustomControl::DoEnter() {
  TCustomControl::DoEnter();
  HasFocus_ = true;
  if (Flat_)
    PaintSunkenBorder();
}

void TMVWCustomControl::DoExit() {
  HasFocus_ = false;
  PaintFlatBorder();
  TCustomControl::DoExit();
}

void TMVWCustomControl::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TMVWCustomControl::Loaded() {
  TCustomControl::Loaded();
  if (IsImageListConnector(ImageList()))
    ImageListChanged();
}

void TMVWCustomControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove)
    ImageLink_.Removed(component, *BackFX_);
}

// Invalidated and painted before the call returns, so children see the new background.
void TMVWCustomControl::RepaintNow() {
  if (!HandleAllocated())
    return;
  InvalidateRect(Handle(), nullptr, TRUE);
  UpdateWindow(Handle());
}

void TMVWCustomControl::BackChanged() {
  BackFX_->InvalidateBuffer();
  if (BackFromParent()) {
    RepaintNow();
    TMessage message{CM_MVWBACKCHANGED, 0, 0, 0};
    Broadcast(message);
  } else {
    Invalidate();
  }
}

void TMVWCustomControl::EraseBackgroundMessage(TMessage& message) {
  ThemeBackDrawn_ = false;
  if (Transparent_ && ThemedTransparent() && CanUseThemeBack()) {
    // From the parent's one picture of this paint, so that a group of see-through buttons does
    // not have the parent chain paint itself once for each of them.
    ThemeBackDrawn_ = PaintParentBackground(reinterpret_cast<HDC>(message.WParam));
    message.Result = 1;
    return;
  }
  if (BackFromParent()) {
    message.Result = 1;
    return;
  }
  TCustomControl::WndProc(message);
}

void TMVWCustomControl::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    // Posted, so the events run once the whole focus change is over.
    TCustomControl::WndProc(message);
    if (HandleAllocated())
      PostMessageA(Handle(), message.Msg == WM_SETFOCUS ? CM_MVWAFTERENTER : CM_MVWAFTEREXIT, 0, 0);
    return;
  case CM_MVWAFTERENTER:
    if (OnAfterEnter)
      OnAfterEnter(this);
    return;
  case CM_MVWAFTEREXIT:
    if (OnAfterExit)
      OnAfterExit(this);
    return;
  case CM_MOUSEENTER:
    TCustomControl::WndProc(message);
    DoMouseEnter();
    return;
  case CM_MOUSELEAVE:
    TCustomControl::WndProc(message);
    DoMouseExit();
    return;
  case WM_ERASEBKGND:
    EraseBackgroundMessage(message);
    return;
  case WM_SIZE:
    TCustomControl::WndProc(message);
    BackChanged();
    return;
  case WM_MOVE:
    TCustomControl::WndProc(message);
    if (BackFromParent()) {
      BackFX_->InvalidateBuffer();
      RepaintNow();
    }
    return;
  case CM_MVWBACKCHANGED:
    if (!MVWControlLoading(*this) && !(ComponentState() & csDestroying))
      BackChanged();
    return;
  case CM_MVWPARENTBACKCHANGED:
    if (BackFromParent()) {
      TMessage changed{CM_MVWBACKCHANGED, 0, 0, 0};
      Broadcast(changed);
    }
    return;
  case CM_MVWTHEMECHANGED:
    ThemeChanged();
    return;
  case WM_THEMECHANGED:
    TCustomControl::WndProc(message);
    ThemeChanged();
    return;
  case CM_SYSCOLORCHANGE:
    TCustomControl::WndProc(message);
    if (!Transparent_)
      Invalidate();
    return;
  }
  TCustomControl::WndProc(message);
}

void RegisterMVWCustomControl() {
  RegisterPersistentClass<TMVWCustomControl, TCustomControl>("TMVWCustomControl")
      .String("About", &TMVWCustomControl::About, &TMVWCustomControl::SetAbout, std::string())
      .String("Internal", &TMVWCustomControl::InternalListRef,
              &TMVWCustomControl::SetInternalListRef, std::string());
}

} // namespace marivo
