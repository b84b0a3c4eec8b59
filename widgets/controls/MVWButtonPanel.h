#pragma once

#include "widgets/controls/MVWCustomPanelFill.h"
#include "widgets/controls/MVWSpecialButton.h"

#include <functional>
#include <memory>

namespace marivo {

// Sender: the panel; SendBtn: the clicked button; Btn: that button's Tag.
using TMVWBtnClickEvent = std::function<void(TObject* Sender, TObject* SendBtn, int Btn)>;

// A fill panel that lays its buttons out in a grid of equal cells and takes the grid's size.
class TMVWButtonPanel : public TMVWCustomPanelFill {
public:
  static constexpr int DefaultButtonSize = 20;
  static constexpr TMVWUserButtonStyle DefaultButtonStyle = ubsAutoDetect;

  explicit TMVWButtonPanel(TComponent* owner);

  TMVWSpecialButtons& Buttons() const { return *Buttons_; }
  void SetButtons(const TMVWSpecialButtons& value) { Buttons_->Assign(value); }
  // At least 1: the grid divides by them.
  int ButtonWidth() const { return ButtonWidth_; }
  void SetButtonWidth(int value) { SetButtonSize(1, value); }
  int ButtonHeight() const { return ButtonHeight_; }
  void SetButtonHeight(int value) { SetButtonSize(0, value); }
  // index 1 ButtonWidth, 0 ButtonHeight.
  void SetButtonSize(int index, int value);
  TMVWUserButtonStyle ButtonStyle() const { return ButtonStyle_; }
  void SetButtonStyle(TMVWUserButtonStyle value);

  // One of the buttons was clicked.
  void ButtonClicked(TMVWSpeedButton& button);
  void WndProc(TMessage& message) override;

  TMVWBtnClickEvent OnButtonClick;

protected:
  using TMVWCustomPanelFill::ChildChanged;
  void ChildChanged(TObject* sender) override;
  void Loaded() override;
  void ArrangeButtons();

private:
  void LayOutGrid();

  std::unique_ptr<TMVWSpecialButtons> Buttons_;
  int ButtonWidth_ = DefaultButtonSize;
  int ButtonHeight_ = DefaultButtonSize;
  TMVWUserButtonStyle ButtonStyle_ = DefaultButtonStyle;
  bool Arranging_ = false;
};

// Makes the panel known to form data.
void RegisterMVWButtonPanel();

} // namespace marivo
