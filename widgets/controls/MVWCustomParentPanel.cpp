#include "widgets/controls/MVWCustomParentPanel.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWMessages.h"

namespace marivo {

namespace {

// Bit 0 of the application options asks to spare palette work on displays of 8 bits or fewer.
bool DrawWithPalette() {
  if (!MVWApplication || !(MVWApplication->Options() & 1))
    return true;
  const TWindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), BITSPIXEL) >= 9;
}

} // namespace

TMVWCustomParentPanel::TMVWCustomParentPanel(TComponent* owner) : TMVWCustomBevelPanel(owner) {}

bool TMVWCustomParentPanel::KeepsImageBuffer() {
  return !Transparent() && !ImageEmpty();
}

bool TMVWCustomParentPanel::KeepsEffectsBuffer() {
  return Transparent() && BackFX().HasEffect() && BackFXPass();
}

void TMVWCustomParentPanel::DropBackBuffer() {
  BackBuffer_.reset();
  SetRepaintOnChildChange(true);
}

void TMVWCustomParentPanel::TakeEffectsBuffer() {
  BackBuffer_.reset();
  if (!GetBackBitmap())
    return;
  auto buffer = std::make_unique<TBitmap>();
  buffer->SetSize(Width(), Height());
  PaintParentBack(buffer->Canvas(), ClientRect(), 0, {0, 0});
  // The effects show on what the children copy, not only on the panel's own painting.
  buffer->SetPixelFormat(pf24bit);
  BackFX().ApplyTo(*buffer);
  BackBuffer_ = std::move(buffer);
}

TBitmap* TMVWCustomParentPanel::BackBuffer() {
  BuildDueBackBuffer();
  return BackBuffer_.get();
}

void TMVWCustomParentPanel::UpdateBackBuffer(bool force) {
  BackBufferDue_ = true;
  BackBufferForced_ = BackBufferForced_ || force;
}

void TMVWCustomParentPanel::BuildDueBackBuffer() {
  if (!BackBufferDue_)
    return;
  // Cleared first: building reads the parent's background through this panel's own getters.
  BackBufferDue_ = false;
  const bool force = BackBufferForced_;
  BackBufferForced_ = false;
  BuildBackBuffer(force);
}

void TMVWCustomParentPanel::BuildBackBuffer(bool force) {
  const bool image = KeepsImageBuffer();
  if (!image && !KeepsEffectsBuffer()) {
    DropBackBuffer();
    return;
  }
  if (!BackBuffer_)
    BackBuffer_ = std::make_unique<TBitmap>();
  // The buffer covers the whole panel, border included, so that is the size to compare.
  else if (!force && BackBuffer_->Width() == Width() && BackBuffer_->Height() == Height())
    return;
  BackBuffer_->SetSize(Width(), Height());
  if (!image) {
    TakeEffectsBuffer();
    return;
  }
  std::uint16_t flags = DrawTile;
  if (DrawWithPalette())
    flags |= DrawUsePalette;
  ImageList()->DrawInRect(BackBuffer_->Canvas(), {0, 0, Width(), Height()}, ListIndex(),
                          ImageIndex(), flags);
}

bool TMVWCustomParentPanel::HasBackImage() {
  return BackBuffer() || TMVWCustomBevelPanel::HasBackImage();
}

TBitmap* TMVWCustomParentPanel::GetBackBitmap() {
  if (TBitmap* buffer = BackBuffer())
    return buffer;
  return TMVWCustomBevelPanel::GetBackBitmap();
}

POINT TMVWCustomParentPanel::MapBackOrigin(POINT point) {
  if (BackBuffer())
    return point;
  return TMVWCustomBevelPanel::MapBackOrigin(point);
}

bool TMVWCustomParentPanel::PaintParentBack(TCanvas& canvas, const RECT& rect, int flags,
                                            POINT origin) {
  if (MVWControlLoading(*this))
    return false;
  if (!BackBuffer())
    return TMVWCustomBevelPanel::PaintParentBack(canvas, rect, flags, origin);
  RECT dest = rect;
  POINT position{rect.left + origin.x, rect.top + origin.y};
  const RECT client = ClientRect();
  if (EqualRect(&rect, &client)) {
    GetClipBox(canvas.Handle(), &dest);
    position = {dest.left, dest.top};
  }
  if (HPALETTE palette = QuickDraw_ ? nullptr : GetPalette()) {
    SelectPalette(canvas.Handle(), palette, FALSE);
    RealizePalette(canvas.Handle());
  }
  CopyBackPart(canvas, dest, *GetBackBitmap(), position);
  return true;
}

bool TMVWCustomParentPanel::BackFromParent() {
  return HasBackImage();
}

HPALETTE TMVWCustomParentPanel::GetPalette() {
  return ImageEmpty() ? nullptr : ImageList()->GetPalette(ListIndex());
}

void TMVWCustomParentPanel::ChildChanged(TObject* sender) {
  if (MVWControlLoading(*this))
    return;
  UpdateBackBuffer(true);
  TMVWCustomBevelPanel::ChildChanged(sender);
  Invalidate();
}

void TMVWCustomParentPanel::BackFXPassChanged() {
  ChildChanged(&BackFX());
}

void TMVWCustomParentPanel::ImageListChanged() {
  ChildChanged(nullptr);
  TellChildren(CM_MVWBACKCHANGED);
}

void TMVWCustomParentPanel::Loaded() {
  TMVWCustomBevelPanel::Loaded();
  UpdateBackBuffer(true);
  TellChildren(CM_MVWBACKCHANGED);
}

void TMVWCustomParentPanel::Notification(TComponent* component, TOperation operation) {
  const bool listGoes = operation == opRemove && component && component == ImageList();
  TMVWCustomBevelPanel::Notification(component, operation);
  if (!listGoes)
    return;
  // A freed list must not keep painting from the buffer it filled.
  if (ImageList())
    SetImageList(nullptr);
  BuildDueBackBuffer();
  if (BackBuffer_ && !(ComponentState() & csDestroying))
    ImageListChanged();
}

void TMVWCustomParentPanel::Paint() {
  if (MVWControlLoading(*this))
    return;
  PaintBackground();
  Bevel().PaintBevel(Canvas(), ClientRect(), true);
}

void TMVWCustomParentPanel::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SIZE:
    if (!MVWControlLoading(*this))
      UpdateBackBuffer(false);
    break;
  case WM_MOVE:
    if (BackFXPass()) {
      UpdateBackBuffer(true);
      TellChildren(CM_MVWBACKCHANGED);
    }
    break;
  case CM_MVWBACKCHANGED:
    if (BackFXPass())
      UpdateBackBuffer(true);
    break;
  }
  TMVWCustomBevelPanel::WndProc(message);
}

void RegisterMVWCustomParentPanel() {
  RegisterPersistentClass<TMVWCustomParentPanel, TMVWCustomBevelPanel>("TMVWCustomParentPanel");
}

} // namespace marivo
