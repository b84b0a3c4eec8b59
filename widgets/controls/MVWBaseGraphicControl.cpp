#include "widgets/controls/MVWBaseGraphicControl.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Forms.h"
#include "widgets/controls/MVWCustomControl.h"
#include "widgets/foundation/MVWFormShape.h"
#include "widgets/foundation/MVWMessages.h"

namespace marivo {

TMVWBaseGraphicControl::TMVWBaseGraphicControl(TComponent* owner) : TMVWBaseControl(owner) {
  SetControlStyle((ControlStyle() & ~csOpaque) | csReplicatable);
  SetBounds(Left(), Top(), 30, 30);
}

void TMVWBaseGraphicControl::SetTransparent(bool value) {
  if (value == Transparent_)
    return;
  SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  Transparent_ = value;
  Perform(CM_MVWGRAPHICBACKCHANGED, 0, 0);
}

void TMVWBaseGraphicControl::MakeOpaque() {
  Transparent_ = false;
  SetControlStyle(ControlStyle() | csOpaque);
}

// Painting at once needs the parent's window, and is pointless while the form is read.
void TMVWBaseGraphicControl::RepaintControl() {
  Invalidate();
  if (!Transparent_ && !MVWControlLoading(*this) && Parent() && Parent()->HandleAllocated())
    UpdateWindow(Parent()->Handle());
}

// Each kind of parent that keeps a background decides in turn; the last that applies wins.
bool TMVWBaseGraphicControl::ParentBackActive() {
  if (!Transparent_)
    return false;
  bool active = false;
  if (auto* control = dynamic_cast<TMVWCustomControl*>(Parent());
      control && control->HandleAllocated())
    active = control->HasBackImage();
  if (auto* source = dynamic_cast<TMVWParentBackSource*>(Parent()))
    active = Parent()->HandleAllocated() && source->HasParentBack();
  if (dynamic_cast<TForm*>(Parent())) {
    const int shape = TMVWCustomControl::IndexOfComponentClass<TMVWFormShape>(Owner());
    if (shape >= 0)
      active = Parent()->HandleAllocated() &&
               FormShapeHasBackground(static_cast<TMVWFormShape*>(Owner()->Components(shape)));
  }
  return active;
}

void TMVWBaseGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == CM_MVWGRAPHICBACKCHANGED) {
    if (Visible())
      RepaintControl();
    return;
  }
  TMVWBaseControl::WndProc(message);
}

void RegisterMVWBaseGraphicControl() {
  RegisterPersistentClass<TMVWBaseGraphicControl, TMVWBaseControl>("TMVWBaseGraphicControl");
}

} // namespace marivo
