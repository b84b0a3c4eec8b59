#include "widgets/controls/MVWControl.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Forms.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWMessages.h"

namespace marivo {

bool MVWControlLoading(TControl& control) {
  if (control.ComponentState() & csLoading)
    return true;
  if (control.Owner() && (control.Owner()->ComponentState() & csLoading))
    return true;
  TForm* form = control.ParentForm();
  return form && (form->ComponentState() & csLoading);
}

TMVWControl::TMVWControl(TComponent* owner) : TGraphicControl(owner) {}

void TMVWControl::SetBounds(int left, int top, int width, int height) {
  const RECT before{Left(), Top(), Width(), Height()};
  TGraphicControl::SetBounds(left, top, width, height);
  TMVWBoundsFlags flags = 0;
  if (before.left != Left() || before.top != Top())
    flags |= bfMoved;
  if (before.right != Width() || before.bottom != Height())
    flags |= bfResized;
  if (flags && !MVWControlLoading(*this))
    BoundsChanged(flags);
}

void TMVWControl::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_MOUSEENTER:
    TGraphicControl::WndProc(message);
    DoMouseEnter();
    return;
  case CM_MOUSELEAVE:
    TGraphicControl::WndProc(message);
    DoMouseExit();
    return;
  case CM_MVWTHEMECHANGED:
    ThemeChanged();
    return;
  }
  TGraphicControl::WndProc(message);
}

void TMVWControl::ThemeChanged() {
  if (UsesThemes())
    Invalidate();
}

void TMVWControl::DoMouseEnter() {
  if (Enabled() && OnMouseEnter)
    OnMouseEnter(this);
}

void TMVWControl::DoMouseExit() {
  if (Enabled() && OnMouseExit)
    OnMouseExit(this);
}

void TMVWControl::Changed() {
  if (!MVWControlLoading(*this))
    Invalidate();
}

bool TMVWControl::ThemedDrawing() {
  return UsesThemes() && MVWApplication && MVWApplication->UseThemes() && ThemeEnabled_;
}

void TMVWControl::FillBackground() {
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().FillRect(ClientRect());
}

void RegisterMVWControl() {
  // Form data creates none of the bases; they give every published class About.
  RegisterPersistentClass<TMVWControl, TGraphicControl>("TMVWControl")
      .String("About", &TMVWControl::About, &TMVWControl::SetAbout, std::string());
}

} // namespace marivo
