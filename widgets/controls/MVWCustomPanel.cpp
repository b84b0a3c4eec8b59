#include "widgets/controls/MVWCustomPanel.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Forms.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWCustomScrollBox.h"
#include "widgets/foundation/MVWFormShape.h"

namespace marivo {

TMVWParentBack ParentBackOf(TControl& control) {
  TMVWParentBack back;
  TWinControl* parent = control.Parent();
  if (!parent)
    return back;
  if ((back.Widget = dynamic_cast<TMVWCustomControl*>(parent)))
    back.Supplies = parent->HandleAllocated() && back.Widget->HasBackImage();
  else if ((back.ScrollBox = dynamic_cast<TMVWCustomScrollBox*>(parent)))
    back.Supplies = parent->HandleAllocated() && back.ScrollBox->HasParentBack();
  else if (auto* form = dynamic_cast<TForm*>(parent)) {
    const int index = TMVWCustomControl::IndexOfComponentClass<TMVWFormShape>(form);
    back.FormShape = index < 0 ? nullptr : static_cast<TMVWFormShape*>(form->Components(index));
    back.Supplies =
        back.FormShape && parent->HandleAllocated() && FormShapeHasBackground(back.FormShape);
  }
  return back;
}

TBitmap* TMVWParentBack::Bitmap() const {
  if (!Supplies)
    return nullptr;
  if (Widget)
    return Widget->GetBackBitmap();
  if (ScrollBox)
    return ScrollBox->ParentBackBitmap();
  return FormShapeBackBitmap(FormShape);
}

POINT TMVWParentBack::MapOrigin(POINT point) const {
  if (Widget)
    return Widget->MapBackOrigin(point);
  if (ScrollBox)
    return ScrollBox->MapBackOrigin(point);
  return point;
}

void AddWindowsBorder(DWORD& style, DWORD& exStyle, bool ctl3D) {
  if (ctl3D)
    exStyle |= WS_EX_CLIENTEDGE;
  else
    style |= WS_BORDER;
}

void CopyBackPart(TCanvas& canvas, const RECT& dest, TBitmap& picture, POINT source) {
  BitBlt(canvas.Handle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
         picture.Canvas().Handle(), source.x, source.y, SRCCOPY);
}

TClientCanvasScope::TClientCanvasScope(TCustomControl& control) : Control_(control) {
  if (control.Canvas().Handle() || !control.HandleAllocated())
    return;
  DC_.emplace(control.Handle());
  control.Canvas().SetHandle(DC_->Get());
}

TClientCanvasScope::~TClientCanvasScope() {
  if (DC_)
    Control_.Canvas().SetHandle(nullptr);
}

TMVWCustomPanel::TMVWCustomPanel(TComponent* owner) : TMVWCustomControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks |
                  csReplicatable);
  SetColor(clBtnFace);
  // The panels tell their effects apart from their other parts.
  BackFX().OnChange = [this](TObject* sender) { ChildChanged(sender); };
}

void TMVWCustomPanel::ChildChanged(TObject*) {
  TMVWCustomControl::ChildChanged();
}

void TMVWCustomPanel::TellChildren(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  Broadcast(message);
}

bool TMVWCustomPanel::HasBackImage() {
  return Transparent() && ParentBackOf(*this).Supplies;
}

TBitmap* TMVWCustomPanel::GetBackBitmap() {
  if (!Transparent())
    return TMVWCustomControl::GetBackBitmap();
  const TMVWParentBack back = ParentBackOf(*this);
  if (!back.Supplies)
    return TMVWCustomControl::GetBackBitmap();
  TBitmap* bitmap = back.Bitmap();
  if (bitmap && BackFX().HasEffect())
    bitmap->SetPixelFormat(pf24bit);
  return bitmap;
}

POINT TMVWCustomPanel::PositionInParentBack() {
  POINT position = ParentBackOf(*this).MapOrigin({Left(), Top()});
  position.x += (Width() - ClientWidth()) / 2;
  position.y += (Height() - ClientHeight()) / 2;
  return position;
}

POINT TMVWCustomPanel::MapBackOrigin(POINT point) {
  if (!Transparent() || !ParentBackOf(*this).Supplies)
    return TMVWCustomControl::MapBackOrigin(point);
  const POINT position = PositionInParentBack();
  return {position.x + point.x, position.y + point.y};
}

bool TMVWCustomPanel::PaintParentBack(TCanvas& canvas, const RECT& rect, int flags, POINT origin) {
  const bool painted = TMVWCustomControl::PaintParentBack(canvas, rect, flags, origin);
  if (MVWControlLoading(*this) || (ComponentState() & csDestroying))
    return painted;
  TBitmap* back = GetBackBitmap();
  if (!back)
    return painted;
  const POINT position = PositionInParentBack();
  const POINT source{rect.left + position.x + origin.x, rect.top + position.y + origin.y};
  if (!BackFX().HasEffect() || BackFXPass()) {
    CopyBackPart(canvas, rect, *back, source);
    return true;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  TBitmap effects;
  effects.SetSize(ClientWidth() + 2, ClientHeight() + 2);
  effects.SetPixelFormat(pf24bit);
  BackFX().DrawWithEffects(*back, {source.x, source.y, source.x + width, source.y + height},
                           {0, 0, width, height}, effects);
  CopyBackPart(canvas, rect, effects, {0, 0});
  return true;
}

void TMVWCustomPanel::WndProc(TMessage& message) {
  TMVWCustomControl::WndProc(message);
  if (message.Msg == WM_SIZE)
    BackFX().InvalidateBuffer();
}

void RegisterMVWCustomPanel() {
  RegisterPersistentClass<TMVWCustomPanel, TMVWCustomControl>("TMVWCustomPanel");
}

} // namespace marivo
