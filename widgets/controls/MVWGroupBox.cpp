#include "widgets/controls/MVWGroupBox.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/portable/MVWButtonCells.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWXPStyles.h"

namespace marivo {

namespace {

RECT ToRECT(const TMVWRect& r) {
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

TMVWRect FromRECT(const RECT& r) {
  return TMVWRect{r.left, r.top, r.right, r.bottom};
}

// use(theme) with the "BUTTON" theme data of the window, closed again afterwards; false when
// they cannot be opened.
template <class F> bool WithButtonTheme(HWND window, F use) {
  const TMVWXPStyles& styles = XPStyles();
  if (!styles.OpenThemeData || !styles.CloseThemeData)
    return false;
  HTHEME theme = styles.OpenThemeData(window, L"BUTTON");
  if (!theme)
    return false;
  const bool result = use(theme);
  styles.CloseThemeData(theme);
  return result;
}

} // namespace

TMVWCustomGroupBox::TMVWCustomGroupBox(TComponent* owner) : TMVWCustomParentPanel(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                  csDoubleClicks | csReplicatable);
  CaptionFont3D_.OnChange = [this](TObject*) {
    CaptionMetrics();
    if (!MVWControlLoading(*this))
      Invalidate();
  };
  CaptionFont_.OnChange = [this](TObject*) { CaptionFontChanged(); };
  Bevel().SetOwnerDrawsWindowsBorder(false);
  Bevel().SetMode(bmStandard);
  Bevel().SetStandardStyle(lsFrameInset);
  SetTabStop(DefaultTabStop);
  CaptionMetrics();
  SetBounds(Left(), Top(), 185, 105);
}

TMVWCustomGroupBox::~TMVWCustomGroupBox() {
  CaptionFont3D_.OnChange = nullptr;
  CaptionFont_.OnChange = nullptr;
}

void TMVWCustomGroupBox::CaptionFontChanged() {
  if (!FollowingParent_)
    CaptionParentFont_ = false;
  CaptionMetrics();
  Invalidate();
}

void TMVWCustomGroupBox::SetAlignment(TMVWGroupCaptionAlign value) {
  if (!Store(Alignment_, value))
    return;
  CaptionMetrics();
  Invalidate();
  TWinControl::AlignControls();
}

void TMVWCustomGroupBox::SetCaptionOffset(std::int32_t value) {
  if (Store(CaptionOffset_, value))
    Invalidate();
}

void TMVWCustomGroupBox::SetShowAccelChar(bool value) {
  if (Store(ShowAccelChar_, value))
    Invalidate();
}

void TMVWCustomGroupBox::SetCaptionParentFont(bool value) {
  if (Store(CaptionParentFont_, value) && value && Parent())
    FollowParentFont(&Parent()->Font());
}

void TMVWCustomGroupBox::FollowParentFont(TFont* font) {
  if (!CaptionParentFont_)
    return;
  FollowingParent_ = true;
  CaptionFont_.Assign(font ? *font : Font());
  FollowingParent_ = false;
}

void TMVWCustomGroupBox::CaptionMetrics() {
  Fx_.Assign(CaptionFont3D_);
  Fx_.SetAngle(static_cast<TMVWAngle>(GroupCaptionPlaces[Alignment_].Angle));
  // Only TrueType fonts turn.
  if (Fx_.Angle() != 0 && !IsTrueTypeFont(CaptionFont_)) {
    FollowingParent_ = true;
    CaptionFont_.SetName("Arial");
    FollowingParent_ = false;
  }
  CaptionHeight_ = FxCaptionTextHeight(&Fx_, CaptionFont_);
}

bool TMVWCustomGroupBox::HasCaption() {
  return !Trim(Caption()).empty();
}

int TMVWCustomGroupBox::CaptionHeight() {
  return HasCaption() ? CaptionHeight_ : 0;
}

void TMVWCustomGroupBox::AlignControls(TControl* control, RECT& rect) {
  const int h = CaptionHeight();
  switch (GroupCaptionPlaces[Alignment_].Side) {
  case csTop:
    rect.top += h;
    break;
  case csLeft:
    rect.left += h;
    break;
  case csBottom:
    rect.bottom -= h;
    break;
  case csRight:
    rect.right -= h;
    break;
  }
  TMVWCustomParentPanel::AlignControls(control, rect);
}

void TMVWCustomGroupBox::Paint() {
  if (MVWControlLoading(*this) || !HandleAllocated())
    return;
  PaintBackground();
  TCanvas& canvas = Canvas();
  const std::string text = Trim(Caption());
  const int w = ClientWidth();
  const int t = ClientHeight();
  RECT frame{0, 0, w, t};
  TMVWGroupFrame places{};
  if (!text.empty()) {
    places = GroupFrame(Alignment_, CaptionOffset_, CaptionHeight_, w, t);
    frame = ToRECT(places.Frame);
  }
  if (Bevel().Mode() != bmWindows)
    Bevel().PaintBevel(canvas, frame, true);
  else if (!ThemedLook() || !PaintThemedFrame(canvas, frame))
    DrawStandardBorder(canvas, frame, lsFrameInset, 0);
  if (text.empty())
    return;
  const TMVWGroupCaptionPlace& place = GroupCaptionPlaces[Alignment_];
  RECT caption{};
  DrawFxCaptionRect(static_cast<TMVWAlignment>(place.TextAlignment), text, &Fx_, caption, 0,
                    ShowAccelChar_, false, CaptionFont_, ToRECT(places.CaptionBand));
  const RECT back = ToRECT(CaptionBackground(Alignment_, FromRECT(caption)));
  if ((!HasBackImage() || !PaintParentBack(canvas, back, 0, POINT{0, 0})) &&
      !PaintThemedCaptionBack(canvas, back)) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(back);
  }
  canvas.Font().Assign(CaptionFont_);
  canvas.Brush().SetStyle(bsClear);
  DrawFxText(canvas, text, &Fx_, nullptr, Enabled() ? FxTextEnabled : 0,
             GroupCaptionTextFlags(Alignment_, ShowAccelChar_), caption);
}

bool TMVWCustomGroupBox::PaintThemedFrame(TCanvas& canvas, const RECT& frame) {
  const TMVWXPStyles& styles = XPStyles();
  return styles.DrawThemeBackground && WithButtonTheme(Handle(), [&](HTHEME theme) {
           styles.DrawThemeBackground(theme, canvas.Handle(), ThemeGroupBoxPart, ThemeState(),
                                      &frame, nullptr);
           return true;
         });
}

bool TMVWCustomGroupBox::PaintThemedCaptionBack(TCanvas& canvas, const RECT& back) {
  const TMVWXPStyles& styles = XPStyles();
  if (!ThemedLook() || !styles.IsThemeBackgroundPartiallyTransparent)
    return false;
  const bool seeThrough = WithButtonTheme(Handle(), [&](HTHEME theme) {
    return styles.IsThemeBackgroundPartiallyTransparent(theme, ThemeGroupBoxPart, ThemeState()) !=
           FALSE;
  });
  if (!seeThrough)
    return false;
  // The whole client area is asked for and clipped here; it comes from the parent's one picture
  // of this paint, shared with the other groups and see-through controls on it.
  HDC dc = canvas.Handle();
  const TSavedDC saved(dc);
  IntersectClipRect(dc, back.left, back.top, back.right, back.bottom);
  return PaintParentBackground(dc);
}

void TMVWCustomGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_PARENTFONTCHANGED:
    TMVWCustomParentPanel::WndProc(message);
    FollowParentFont(message.WParam ? reinterpret_cast<TFont*>(message.LParam) : nullptr);
    return;
  case CM_TEXTCHANGED:
    TMVWCustomParentPanel::WndProc(message);
    Invalidate();
    TWinControl::AlignControls();
    return;
  case CM_ENABLEDCHANGED:
    TMVWCustomParentPanel::WndProc(message);
    Invalidate();
    return;
  case CM_DIALOGCHAR:
    if (ShowAccelChar_ && IsAccel(static_cast<WORD>(message.WParam), Caption()) && CanFocus()) {
      SelectFirst();
      message.Result = 1;
      return;
    }
    break;
  }
  TMVWCustomParentPanel::WndProc(message);
}

const std::vector<std::string>& GroupCaptionAlignNames() {
  static const std::vector<std::string> names = {
      "gcaTopLeft",     "gcaTopCenter", "gcaTopRight",    "gcaLeftBottom",
      "gcaLeftCenter",  "gcaLeftTop",   "gcaBottomLeft",  "gcaBottomCenter",
      "gcaBottomRight", "gcaRightTop",  "gcaRightCenter", "gcaRightBottom"};
  return names;
}

void RegisterMVWGroupBox() {
  RegisterPersistentClass<TMVWCustomGroupBox, TMVWCustomParentPanel>("TMVWCustomGroupBox");
  auto builder = RegisterComponentClass<TMVWGroupBox, TMVWCustomGroupBox>("TMVWGroupBox");
  PublishGroupBox(builder);
}

} // namespace marivo
