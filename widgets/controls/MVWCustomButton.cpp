#include "widgets/controls/MVWCustomButton.h"
#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWImageListConnector.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Messages.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/controls/portable/MVWButtonDrawState.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWMessages.h"

#include <utility>

namespace marivo {

namespace {

bool IsShadedLook(TMVWUserButtonStyle style) {
  return style == ubsFlatUnColored || style == ubsNavigator || style == ubsExplorer;
}

// Looks whose face leaves part of the button to the background.
bool FillsBeforeFace(TMVWUserButtonStyle style) {
  return style == ubsExplorer || style == ubsExplorerColored || style == ubsWinXP ||
         style == ubsWinXPCombo || style == ubsWinXPTool;
}

// The canvas draws on the item's device context for one paint, and lets go of it however the
// paint ends.
class TCanvasOnDC {
public:
  TCanvasOnDC(TCanvas& canvas, HDC dc) : Canvas_(canvas) { Canvas_.SetHandle(dc); }
  ~TCanvasOnDC() { Canvas_.SetHandle(nullptr); }
  TCanvasOnDC(const TCanvasOnDC&) = delete;
  TCanvasOnDC& operator=(const TCanvasOnDC&) = delete;

private:
  TCanvas& Canvas_;
};

} // namespace

TMVWCustomButton::TMVWCustomButton(TComponent* owner)
    : TButton(owner), Canvas_(std::make_unique<TCanvas>()) {
  SetControlStyle(ControlStyle() | csReplicatable);
  SetParentColor(true);
  SetParentFont(true);
  const TNotifyEvent fontChanged = [this](TObject* sender) { FontChanged(sender); };
  Glyph_.OnChange = fontChanged;
  ButtonLayout_.OnChange = fontChanged;
  FontFX_.OnChange = fontChanged;
  ImageLink_ = std::make_unique<TMVWImageLink>(*this, [this](TObject*) { ImageListChanged(); });
  SetBounds(Left(), Top(), 75, 25);
}

TMVWCustomButton::~TMVWCustomButton() {
  if (Freed_)
    *Freed_ = true;
  StopRepeat();
  Glyph_.OnChange = nullptr;
  ButtonLayout_.OnChange = nullptr;
  FontFX_.OnChange = nullptr;
  ImageLink_.reset();
}

bool TMVWCustomButton::FreedBy(const std::function<void()>& action) {
  bool freed = false;
  bool* outer = std::exchange(Freed_, &freed);
  try {
    action();
  } catch (...) {
    if (!freed)
      Freed_ = outer;
    else if (outer)
      *outer = true;
    throw;
  }
  if (freed) {
    if (outer)
      *outer = true;
    return true;
  }
  Freed_ = outer;
  return false;
}

void TMVWCustomButton::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TMVWCustomButton::SetButtonStyle(bool active) {
  // The face shows the default frame itself: the window keeps its owner-draw style.
  if (Store(DefaultLook_, active))
    Invalidate();
}

void TMVWCustomButton::SetExtStyle(TMVWUserButtonStyle value) {
  if (value == ExtStyle_)
    return;
  Glyph_.SetStyle(IsShadedLook(value) ? GlyphStyleShaded : GlyphStyleNormal);
  ExtStyle_ = value;
  Invalidate();
}

void TMVWCustomButton::SetGlyph(const TBitmap* value) {
  if (!MVWControlLoading(*this) && ImageList())
    SetImageList(nullptr);
  Glyph_.SetGlyph(value);
  Invalidate();
}

void TMVWCustomButton::SetNumGlyphs(TMVWNumGlyphs value) {
  if (value == Glyph_.NumGlyphs())
    return;
  Glyph_.SetNumGlyphs(value);
  Invalidate();
}

void TMVWCustomButton::SetMultiLine(bool value) {
  if (Store(MultiLine_, value))
    FontChanged(nullptr);
}

void TMVWCustomButton::SetUseCaption(bool value) {
  if (Store(UseCaption_, value))
    FontChanged(nullptr);
}

void TMVWCustomButton::FontChanged(TObject* sender) {
  if (MVWControlLoading(*this))
    return;
  if (sender == &Font() || sender == &FontFX_) {
    // The platform drops ParentFont itself for a font set on the button, but not for the
    // parent's font it follows.
    if (sender == &FontFX_)
      SetParentFont(false);
    if (FontFX_.Angle() != 0 && !IsTrueTypeFont(Font())) {
      // Rotated text needs an outline font; the font's own change comes back here.
      if (sender == &FontFX_) {
        Font().SetName("Arial");
        return;
      }
      FontFX_.SetAngle(0);
    }
  }
  Invalidate();
}

void TMVWCustomButton::ImageListChanged() {
  if (ImageLink_->ImageEmpty()) {
    Glyph_.SetGlyph(nullptr);
  } else {
    TBitmap entry;
    ImageList()->GetBitmap(ListIndex(), ImageIndex(), entry);
    Glyph_.SetGlyph(&entry);
  }
  Invalidate();
}

void TMVWCustomButton::Loaded() {
  TButton::Loaded();
  if (dynamic_cast<TMVWImageListConnector*>(ImageList()))
    ImageListChanged();
}

void TMVWCustomButton::Notification(TComponent* component, TOperation operation) {
  TButton::Notification(component, operation);
  if (operation == opRemove && ImageLink_ && component == ImageList())
    SetImageList(nullptr);
}

void TMVWCustomButton::SetBounds(int left, int top, int width, int height) {
  const bool moved = left != Left() || top != Top();
  const bool resized = width != Width() || height != Height();
  TButton::SetBounds(left, top, width, height);
  if (!MVWControlLoading(*this) && (moved || resized))
    BoundsChanged(BoundsChangeFlags(moved, resized));
}

void TMVWCustomButton::DrawItem(const DRAWITEMSTRUCT& item) {
  TCanvas& canvas = *Canvas_;
  const TCanvasOnDC onItem(canvas, item.hDC);
  RECT rect = ClientRect();
  DrawState_ = PushButtonDrawState(Enabled(), item.itemState, Hot_);
  const std::uint16_t flags = PushButtonFaceFlags(DefaultLook_, item.itemState, Hot_);
  if (FillsBeforeFace(ExtStyle_)) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
  }
  DrawButtonFace(this, canvas, Hot_, Color(), flags, DrawState_, ExtStyle_, rect);
  const bool themes = MVWApplication && MVWApplication->UseThemes();
  if (!(ExtStyle_ == ubsWinXPCombo && themes)) {
    canvas.Font().Assign(Font());
    DrawCaptionGlyph(canvas, rect, 0);
  }
}

void TMVWCustomButton::DrawCaptionGlyph(TCanvas& canvas, const RECT& rect, UINT bidiFlags) {
  const std::uint16_t options = (Enabled() ? 0x0002 : 0x0001) | 0x0004;
  Glyph_.Draw(canvas, UseCaption_ ? Caption() : std::string(), bidiFlags, MultiLine_, options,
              ButtonLayout_, DrawState_, rect, &FontFX_);
}

void TMVWCustomButton::RepeatClick() {
  if (MVWApplication && RepeatTimer_ != 0)
    if (TMVWTimerItem* timer = MVWApplication->FindTimer(RepeatTimer_))
      timer->SetInterval(RepeatingInterval_);
  Click();
}

void TMVWCustomButton::StopRepeat() {
  const std::uint16_t id = std::exchange(RepeatTimer_, 0);
  if (id == 0 || !MVWApplication)
    return;
  if (TMVWTimerItem* timer = MVWApplication->FindTimer(id)) {
    timer->SetEnabled(false);
    timer->OnTimer = nullptr;
    MVWApplication->RemoveTimer(id);
  }
}

void TMVWCustomButton::MouseEntered(TMessage& message) {
  TButton::WndProc(message);
  if (DrawState_ == 0 && OnMouseEnter && FreedBy([this] { OnMouseEnter(this); }))
    return;
  if (!Hot_) {
    Hot_ = true;
    Invalidate();
  }
}

void TMVWCustomButton::MouseLeft(TMessage& message) {
  TButton::WndProc(message);
  if (OnMouseExit && FreedBy([this] { OnMouseExit(this); }))
    return;
  if (Hot_) {
    Hot_ = false;
    DrawState_ = 0;
    Invalidate();
  }
}

void TMVWCustomButton::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CN_DRAWITEM:
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
    message.Result = 1;
    return;
  case CN_MEASUREITEM: {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    measure->itemWidth = static_cast<UINT>(Width());
    measure->itemHeight = static_cast<UINT>(Height());
    message.Result = 1;
    return;
  }
  case CM_MOUSEENTER:
    MouseEntered(message);
    return;
  case CM_MOUSELEAVE:
    MouseLeft(message);
    return;
  case WM_LBUTTONDBLCLK:
    // A double click is a second press.
    message.Msg = WM_LBUTTONDOWN;
    WndProc(message);
    return;
  case WM_LBUTTONDOWN:
    if (FreedBy([&] { TButton::WndProc(message); }))
      return;
    if (RepeatedClick_ && RepeatTimer_ == 0 && MVWApplication) {
      RepeatTimer_ = MVWApplication->AddTimer(RepeatingDelay_, [this](TObject*) {
        if (Hot_)
          RepeatClick();
      });
      if (RepeatTimer_ == 0)
        throw EOutOfResources("Not enough timers available");
      MVWApplication->FindTimer(RepeatTimer_)->SetEnabled(true);
    }
    return;
  case WM_LBUTTONUP:
    // The release clicks, and OnClick may free the button.
    if (FreedBy([&] { TButton::WndProc(message); }))
      return;
    if (RepeatedClick_)
      StopRepeat();
    return;
  case WM_CAPTURECHANGED:
  case WM_CANCELMODE:
  case WM_KILLFOCUS:
    // A press that ends without a release (a message box, another capture) repeats no more.
    StopRepeat();
    break;
  case CM_SHOWINGCHANGED:
    if (!Visible()) {
      Hot_ = false;
      StopRepeat();
    }
    break;
  case CM_ENABLEDCHANGED:
    if (!Enabled())
      StopRepeat();
    TButton::WndProc(message);
    Invalidate();
    return;
  case CM_MVWTHEMECHANGED:
    Invalidate();
    return;
  case CM_FONTCHANGED:
    TButton::WndProc(message);
    FontChanged(&Font());
    return;
  default:
    break;
  }
  TButton::WndProc(message);
}

void RegisterMVWCustomButton() {
  RegisterPersistentClass<TMVWCustomButton, TButton>("TMVWCustomButton")
      .String("About", &TMVWCustomButton::About, &TMVWCustomButton::SetAbout)
      .Stored([](TMVWCustomButton&) { return false; })
      .String("Internal", &TMVWCustomButton::InternalListRef, &TMVWCustomButton::SetInternalListRef,
              std::string());
}

} // namespace marivo
