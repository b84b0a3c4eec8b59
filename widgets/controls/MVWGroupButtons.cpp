#include "widgets/controls/MVWGroupButtons.h"

#include "widgets/controls/MVWCustomButtonGroup.h"

namespace marivo {

namespace {

void SetUpGroupButton(TMVWButtonControl& button, TMVWCustomButtonGroup& group) {
  button.SetControlStyle(button.ControlStyle() | csReplicatable);
  button.SetVisible(false);
  button.SetTransparent(true);
  button.SetEnabled(group.Enabled());
  button.SetParent(&group);
}

// A group that may not change swallows the characters that would change a button.
bool SwallowedByGroup(TMessage& message, TMVWCustomButtonGroup& group) {
  if (message.Msg != WM_CHAR || (message.WParam != VK_BACK && message.WParam != VK_SPACE) ||
      group.CanModify())
    return false;
  message.Result = 0;
  return true;
}

// Keys go on to the group after the button has handled them, but not a key the form took (now
// 0), or the form would see it twice. Tab is the group's alone, so that the focus moves once,
// from the group's place in the tab order.
void PassKeysToGroup(TMessage& message, TMVWCustomButtonGroup& group, bool keyUpToo) {
  if (message.Msg == WM_GETDLGCODE)
    message.Result |= DLGC_WANTTAB;
  const bool key =
      message.Msg == WM_CHAR || message.Msg == WM_KEYDOWN || (keyUpToo && message.Msg == WM_KEYUP);
  if (key && message.WParam != 0 && group.HandleAllocated())
    SendMessageA(group.Handle(), message.Msg, message.WParam, message.LParam);
}

} // namespace

TMVWRadioGroupButton::TMVWRadioGroupButton(TMVWCustomButtonGroup* group)
    : TMVWRadioButton(group), Group_(group) {
  SetUpGroupButton(*this, *group);
  group->AddButton(this);
  OnClick = [group](TObject* sender) { group->ChildClick(sender); };
}

TMVWRadioGroupButton::~TMVWRadioGroupButton() {
  OnClick = nullptr;
  Group_->RemoveButton(this);
}

bool TMVWRadioGroupButton::CanModify() {
  return Group_->CanModify();
}

void TMVWRadioGroupButton::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_MOUSEMOVE:
    if (Group_->HandleAllocated())
      SendMessageA(Group_->Handle(), message.Msg, message.WParam, message.LParam);
    break;
  case WM_LBUTTONDBLCLK:
    Group_->DblClick();
    break;
  case WM_CONTEXTMENU:
    // The group has the right click and the menu keys as well, and asks for its own menu.
    return;
  }
  if (SwallowedByGroup(message, *Group_))
    return;
  TMVWRadioButton::WndProc(message);
  // The group moves the choice with the arrow keys, and it alone passes Enter, Esc and
  // accelerators on to the form, so that each acts once.
  if (message.Msg == WM_GETDLGCODE)
    message.Result |= DLGC_WANTALLKEYS;
  PassKeysToGroup(message, *Group_, true);
}

TMVWCheckGroupButton::TMVWCheckGroupButton(TMVWCustomButtonGroup* group)
    : TMVWCustomCheckBox(group), Group_(group) {
  SetUpGroupButton(*this, *group);
  group->AddButton(this);
  OnChange = [group](TObject* sender) { group->ChildClick(sender); };
}

TMVWCheckGroupButton::~TMVWCheckGroupButton() {
  OnChange = nullptr;
  Group_->RemoveButton(this);
}

bool TMVWCheckGroupButton::CanModify() {
  return Group_->CanModify();
}

void TMVWCheckGroupButton::WndProc(TMessage& message) {
  if (SwallowedByGroup(message, *Group_))
    return;
  TMVWCustomCheckBox::WndProc(message);
  PassKeysToGroup(message, *Group_, false);
}

} // namespace marivo
