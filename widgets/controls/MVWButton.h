#pragma once

#include "platform/ui/Menus.h"
#include "widgets/controls/MVWCustomButton.h"

namespace marivo {

// The push button of the forms, with a drop-down menu: "Connect Console" and its neighbours.
class TMVWButton : public TMVWCustomButton {
public:
  static constexpr int DefaultDropDownIndent = 0;
  static constexpr bool DefaultDropDownRight = false;

  explicit TMVWButton(TComponent* owner) : TMVWCustomButton(owner) {}

  TPopupMenu* DropDownMenu() const { return DropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* value);
  int DropDownIndent() const { return DropDownIndent_; }
  void SetDropDownIndent(int value) { DropDownIndent_ = value; }
  bool DropDownRight() const { return DropDownRight_; }
  void SetDropDownRight(bool value) { DropDownRight_ = value; }

  // With a menu, OnClick first, then the menu below the button (right of it with DropDownRight).
  void Click() override;
  // Shows the button pushed while its menu is open; returns when the menu has closed.
  void DropDown();

  TNotifyEvent OnDropDown;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TPopupMenu* DropDownMenu_ = nullptr;
  int DropDownIndent_ = DefaultDropDownIndent;
  bool DropDownRight_ = DefaultDropDownRight;
};

// Makes the push button known to form data.
void RegisterMVWButton();

} // namespace marivo
