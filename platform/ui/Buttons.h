#pragma once

#include "platform/ui/Controls.h"

namespace marivo {

// A platform push button. OnClick runs when it is pressed with the mouse, Space or Enter.
class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);

  // Enter presses it while the focus is on something that is not a button.
  bool Default() const { return Default_; }
  void SetDefault(bool value);
  // Esc presses it.
  bool Cancel() const { return Cancel_; }
  void SetCancel(bool value) { Cancel_ = value; }
  // The button Enter stands for now: the focused button, or the Default one while the focus is
  // elsewhere than on a button.
  bool Active() const { return Active_; }
  int ModalResult() const { return ModalResult_; }
  void SetModalResult(int value) { ModalResult_ = value; }

  bool KeyDown(WORD& key, TShiftState shift) override;
  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  // Shows whether Enter stands for this button, on every change of the form's focus: the
  // heavier frame of the platform button.
  virtual void SetButtonStyle(bool active);

private:
  void FocusChanged(TWinControl* focused);

  bool Active_ = false;
  bool Default_ = false;
  bool Cancel_ = false;
  int ModalResult_ = 0;
};

// The states a check box shows.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

void RegisterButtonClasses();

} // namespace marivo
