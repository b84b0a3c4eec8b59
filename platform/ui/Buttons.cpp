#include "platform/ui/Buttons.h"

#include "platform/ui/Forms.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  // Captions such as "Clear" over "ESC" are two lines.
  params.Style |= (Active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE;
}

void TButton::SetDefault(bool value) {
  if (!Store(Default_, value))
    return;
  TForm* form = ParentForm();
  FocusChanged(form ? form->ActiveControl() : nullptr);
}

void TButton::FocusChanged(TWinControl* focused) {
  Active_ = focused == this || (Default_ && !dynamic_cast<TButton*>(focused));
  SetButtonStyle(Active_);
}

void TButton::SetButtonStyle(bool active) {
  if (HandleAllocated())
    SendMessageA(Handle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// The platform button clicks on Space by itself; Enter on a focused button clicks it too, as an
// official expects from any button that has the focus.
bool TButton::KeyDown(WORD& key, TShiftState shift) {
  if (TWinControl::KeyDown(key, shift))
    return true;
  if (key != VK_RETURN || shift != 0)
    return false;
  Click();
  return true;
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CN_COMMAND:
    if (HIWORD(message.WParam) == BN_CLICKED)
      Click();
    return;
  case CM_FOCUSCHANGED:
    FocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
    return;
  case CM_DIALOGKEY:
    if (((message.WParam == VK_RETURN && Active_) || (message.WParam == VK_ESCAPE && Cancel_)) &&
        Enabled() && Visible()) {
      Click();
      message.Result = 1;
    }
    return;
  default:
    TWinControl::WndProc(message);
  }
}

void RegisterButtonClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TButton, TWinControl>("TButton")
        .Boolean("Default", &TButton::Default, &TButton::SetDefault, false)
        .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
        .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, 0)
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
