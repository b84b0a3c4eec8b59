#include "widgets/controls/MVWRadioGroup.h"

#include "platform/ui/Accelerators.h"
#include "widgets/controls/MVWCustomButtonGroup.h"

namespace marivo {

TMVWButtonControl* TMVWCustomRadioGroup::CreateButton() {
  return new TMVWRadioGroupButton(this);
}

void TMVWCustomRadioGroup::SetItemIndex(int value) {
  if (MVWControlLoading(*this)) {
    ItemIndex_ = value;
    return;
  }
  value = ClampRadioIndex(value, ButtonCount());
  if (value == ItemIndex_)
    return;
  if (ItemIndex_ >= 0 && ItemIndex_ < ButtonCount())
    Buttons(ItemIndex_)->SetChecked(false);
  ItemIndex_ = value;
  if (ItemIndex_ >= 0)
    Buttons(ItemIndex_)->SetChecked(true);
}

int TMVWCustomRadioGroup::GetItemIndex() {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons(i)->GetChecked())
      return i;
  return -1;
}

void TMVWCustomRadioGroup::ApplyItemIndex() {
  // An index read from form data may lie beyond the lines.
  ItemIndex_ = ClampRadioIndex(ItemIndex_, ButtonCount());
  if (ItemIndex_ >= 0)
    Buttons(ItemIndex_)->SetChecked(true);
}

void TMVWCustomRadioGroup::ItemsChanged() {
  if (!MVWControlLoading(*this) && ItemIndex_ >= Items().Count())
    ItemIndex_ = Items().Count() - 1;
  TMVWCustomButtonGroup::ItemsChanged();
}

void TMVWCustomRadioGroup::StepFocus(int step) {
  const int next = ItemIndex_ + step;
  if (next < 0 || next >= ButtonCount())
    return;
  if (Buttons(next)->CanFocus())
    Buttons(next)->SetFocus();
}

void TMVWCustomRadioGroup::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS:
    TMVWCustomButtonGroup::WndProc(message);
    if (ItemIndex_ >= 0 && Buttons(ItemIndex_)->CanFocus())
      Buttons(ItemIndex_)->SetFocus();
    return;
  case WM_KEYDOWN:
    if (message.WParam == VK_UP || message.WParam == VK_LEFT) {
      StepFocus(-1);
      return;
    }
    if (message.WParam == VK_DOWN || message.WParam == VK_RIGHT) {
      StepFocus(1);
      return;
    }
    break;
  case CM_DIALOGCHAR:
    if (ShowAccelChar() && IsAccel(static_cast<WORD>(message.WParam), Caption()) && CanFocus()) {
      if (ItemIndex_ >= 0 && Buttons(ItemIndex_)->CanFocus())
        Buttons(ItemIndex_)->SetFocus();
      else
        SelectFirst();
      message.Result = 1;
      return;
    }
    break;
  }
  TMVWCustomButtonGroup::WndProc(message);
}

void RegisterMVWRadioGroup() {
  RegisterPersistentClass<TMVWCustomRadioGroup, TMVWCustomButtonGroup>("TMVWCustomRadioGroup");
  auto builder = RegisterComponentClass<TMVWRadioGroup, TMVWCustomRadioGroup>("TMVWRadioGroup");
  builder.Integer("ItemIndex", &TMVWRadioGroup::ItemIndex, &TMVWRadioGroup::SetItemIndex,
                  TMVWRadioGroup::DefaultItemIndex);
  PublishButtonGroup(builder);
}

} // namespace marivo
