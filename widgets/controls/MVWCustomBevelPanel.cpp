#include "widgets/controls/MVWCustomBevelPanel.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/foundation/MVWMessages.h"

namespace marivo {

TMVWCustomBevelPanel::TMVWCustomBevelPanel(TComponent* owner)
    : TMVWCustomPanel(owner), Bevel_(std::make_unique<TMVWBevel>()) {
  Bevel_->SetOwnerDrawsWindowsBorder(true);
  Bevel_->OnChange = [this](TObject* sender) { ChildChanged(sender); };
}

TMVWCustomBevelPanel::~TMVWCustomBevelPanel() {
  Bevel_->OnChange = nullptr;
}

void TMVWCustomBevelPanel::SetBevel(const TMVWBevel& value) {
  Bevel_->Assign(value);
  Perform(CM_MVWBEVELCHANGED, 0, 0);
}

void TMVWCustomBevelPanel::ApplyBevelChange() {
  Bevel_->SetOwnerDrawsWindowsBorder(true);
  // Only a window that exists is made again; one made later takes the new style anyway.
  if (Bevel_->NeedsFullRepaint())
    RecreateWnd();
  TWinControl::AlignControls();
}

void TMVWCustomBevelPanel::ChildChanged(TObject* sender) {
  if (MVWControlLoading(*this))
    return;
  if (sender == Bevel_.get())
    ApplyBevelChange();
  TMVWCustomPanel::ChildChanged(sender);
}

void TMVWCustomBevelPanel::AlignControls(TControl* control, RECT& rect) {
  rect = Bevel_->ClientRect(rect);
  TMVWCustomPanel::AlignControls(control, rect);
}

void TMVWCustomBevelPanel::CreateParams(TCreateParams& params) {
  TMVWCustomPanel::CreateParams(params);
  if (Bevel_->Mode() != bmWindows)
    return;
  AddWindowsBorder(params.Style, params.ExStyle, Ctl3D());
  if (ThemedDrawing()) {
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    params.Style &= ~static_cast<DWORD>(WS_BORDER);
  }
}

void TMVWCustomBevelPanel::Paint() {
  PaintBackground();
  if (Focused() || !Flat())
    Bevel_->PaintBevel(Canvas(), ClientRect(), Transparent());
  else if (MouseAbove())
    // A repaint while the mouse is over must not wipe the hot frame it drew on entering.
    PaintSunkenBorder();
  else
    PaintFlatBorder();
}

void TMVWCustomBevelPanel::PaintSunkenBorder() {
  if (Bevel_->Mode() == bmWindows) {
    TMVWCustomPanel::PaintSunkenBorder();
    return;
  }
  if (!HandleAllocated())
    return;
  TClientCanvasScope scope(*this);
  Bevel_->PaintBevel(Canvas(), ClientRect(), true);
}

void TMVWCustomBevelPanel::PaintFlatBorder() {
  if (Focused() || !Flat() || MouseAbove())
    return;
  if (Bevel_->Mode() == bmWindows) {
    TMVWCustomPanel::PaintFlatBorder();
    return;
  }
  if (!HandleAllocated())
    return;
  TClientCanvasScope scope(*this);
  const int extent = Bevel_->Extent();
  const int rightBottom = Bevel_->ExtentRightBottom();
  const int width = Width();
  const int height = Height();
  const RECT strips[] = {
      {0, 0, width, extent},
      {0, extent, extent, height},
      {extent, height - rightBottom - 1, width, height},
      {width - rightBottom, extent, width, height - rightBottom},
  };
  for (const RECT& strip : strips)
    FillBackRect(strip);
}

void TMVWCustomBevelPanel::DoEnter() {
  if (Flat() && !HasFocus())
    PaintSunkenBorder();
  TMVWCustomPanel::DoEnter();
}

void TMVWCustomBevelPanel::DoMouseEnter() {
  if (Flat() && !Focused() && !HasFocus())
    PaintSunkenBorder();
  TMVWCustomPanel::DoMouseEnter();
}

void TMVWCustomBevelPanel::WndProc(TMessage& message) {
  if (message.Msg == CM_CTL3DCHANGED && Bevel_->Mode() == bmWindows && !ThemedDrawing())
    RecreateWnd();
  TMVWCustomPanel::WndProc(message);
}

void RegisterMVWCustomBevelPanel() {
  RegisterPersistentClass<TMVWCustomBevelPanel, TMVWCustomPanel>("TMVWCustomBevelPanel");
}

} // namespace marivo
