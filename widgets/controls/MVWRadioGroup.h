#pragma once

#include "widgets/controls/MVWCustomButtonGroup.h"

namespace marivo {

// One item of the group checked at most; ItemIndex set in code fires no event.
class TMVWCustomRadioGroup : public TMVWCustomButtonGroup {
public:
  explicit TMVWCustomRadioGroup(TComponent* owner) : TMVWCustomButtonGroup(owner) {}

  // Kept within -1..count - 1; form data's value waits for the buttons.
  void SetItemIndex(int value) override;
  void WndProc(TMessage& message) override;

protected:
  TMVWButtonControl* CreateButton() override;
  int GetItemIndex() override;
  void ApplyItemIndex() override;
  void ItemsChanged() override;

private:
  // Moves the focus, and so the check, to the next or previous item.
  void StepFocus(int step);
};

class TMVWRadioGroup : public TMVWCustomRadioGroup {
public:
  using TMVWCustomRadioGroup::TMVWCustomRadioGroup;
};

void RegisterMVWRadioGroup();

} // namespace marivo
