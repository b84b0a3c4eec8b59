#include "widgets/controls/MVWCustomPanelFill.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWMessages.h"

#include <windowsx.h>

namespace marivo {

namespace {

constexpr UINT CaptionFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;

} // namespace

TMVWCustomPanelFill::TMVWCustomPanelFill(TComponent* owner)
    : TMVWCustomParentPanel(owner), FillObject_(std::make_unique<TMVWFillObject>()),
      FontFX_(std::make_unique<TMVWFxCaption>()) {
  SetControlStyle(ControlStyle() | csSetCaption);
  FillObject_->OnChange = [this](TObject* sender) { ChildChanged(sender); };
  FontFX_->OnChange = [this](TObject* sender) { ChildChanged(sender); };
}

TMVWCustomPanelFill::~TMVWCustomPanelFill() {
  FillObject_->OnChange = nullptr;
  FontFX_->OnChange = nullptr;
}

void TMVWCustomPanelFill::SetAlignment(TMVWAlignment value) {
  if (Store(Alignment_, value))
    ChildChanged(FontFX_.get());
}

void TMVWCustomPanelFill::SetTransparentBorder(bool value) {
  if (Store(TransparentBorder_, value))
    Invalidate();
}

void TMVWCustomPanelFill::BuildBackBuffer(bool force) {
  if (MVWControlLoading(*this) || (ComponentState() & csDestroying))
    return;
  const bool fill = !Transparent() && !FillObject_->FillIsEmpty();
  if (!fill && !KeepsEffectsBuffer()) {
    DropBackBuffer();
    return;
  }
  if (!BackBuffer_)
    BackBuffer_ = std::make_unique<TBitmap>();
  else if (!force && FillObject_->Style() != sfGradient && BackBuffer_->Width() == Width() &&
           BackBuffer_->Height() == Height())
    return;
  BackBuffer_->SetSize(Width(), Height());
  if (!fill) {
    TakeEffectsBuffer();
    return;
  }
  FillObject_->FillRect(BackBuffer_->Canvas(), {0, 0, Width(), Height()}, Color());
  BackBuffer_->SetPixelFormat(pf24bit);
  BackFX().ApplyTo(*BackBuffer_);
}

HPALETTE TMVWCustomPanelFill::GetPalette() {
  return FillObject_->GetFillPalette();
}

void TMVWCustomPanelFill::ChildChanged(TObject* sender) {
  TMVWCustomParentPanel::ChildChanged(sender);
  if (sender == FontFX_.get()) {
    Canvas().Font().Assign(Font());
    // Only outline fonts turn; the renamed font comes back here once, as TrueType.
    if (FontFX_->Angle() != 0 && !IsTrueTypeCanvasFont(Canvas()))
      Font().SetName("Arial");
    TellChildren(CM_FONTCHANGED);
    return;
  }
  if (MVWControlLoading(*this))
    return;
  if (sender == FillObject_.get() || sender == &BackFX()) {
    UpdateBackBuffer(true);
    TellChildren(CM_MVWBACKCHANGED);
  } else if (sender == &Bevel()) {
    TellChildren(CM_COLORCHANGED);
  }
}

void TMVWCustomPanelFill::ImageListChanged() {
  if (ImageEmpty()) {
    FillObject_->SetListBitmap(nullptr);
  } else {
    TBitmap bitmap;
    ImageList()->GetBitmap(ListIndex(), ImageIndex(), bitmap);
    FillObject_->SetListBitmap(&bitmap);
  }
  ChildChanged(FillObject_.get());
}

void TMVWCustomPanelFill::Resized() {
  TMVWCustomParentPanel::Resized();
  if (FillObject_->Style() == sfGradient)
    TellChildren(CM_COLORCHANGED);
}

void TMVWCustomPanelFill::Paint() {
  if (MVWControlLoading(*this))
    return;
  PaintBackground();
  RECT rect = ClientRect();
  if (!Flat() || HasFocus())
    rect = Bevel().PaintBevel(Canvas(), rect, TransparentBorder_);
  PaintCaption(rect, Alignment_);
}

void TMVWCustomPanelFill::PaintCaption(RECT rect, TMVWAlignment alignment) {
  Canvas().Brush().SetStyle(bsClear);
  Canvas().Brush().SetColor(Color());
  Canvas().Font().Assign(Font());
  if (FontFX_->Angle() != 0 && alignment != agTopLeft) {
    RECT placed{};
    DrawFxCaptionRect(alignment, Caption(), FontFX_.get(), placed, CaptionFormat, false, false,
                      Canvas().Font(), rect);
    rect = placed;
  }
  const std::uint8_t effects = (Enabled() ? FxTextEnabled : FxText3DDisabled) | FxTextClip;
  DrawFxText(Canvas(), Caption(), FontFX_.get(), nullptr, effects,
             CaptionFormat | AlignmentTextFlags(alignment), rect);
}

void TMVWCustomPanelFill::WndProc(TMessage& message) {
  // Drawn by the library, the panel has no system click: a press and release inside is one, or
  // a counting tile would never count a touch.
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  const bool clicked =
      message.Msg == WM_LBUTTONUP && Clicking() && x >= 0 && y >= 0 && x < Width() && y < Height();
  TMVWCustomParentPanel::WndProc(message);
  if (clicked)
    Click();
  switch (message.Msg) {
  case CM_ENABLEDCHANGED:
  case CM_TEXTCHANGED:
    ChildChanged(nullptr);
    break;
  case CM_FONTCHANGED:
    ChildChanged(FontFX_.get());
    break;
  }
}

void RegisterMVWCustomPanelFill() {
  RegisterPersistentClass<TMVWCustomPanelFill, TMVWCustomParentPanel>("TMVWCustomPanelFill");
}

} // namespace marivo
