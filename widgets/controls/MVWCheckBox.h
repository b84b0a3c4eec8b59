#pragma once

#include "widgets/controls/MVWButtonControl.h"

namespace marivo {

// A three-state check box; the grayed state only when AllowGrayed.
class TMVWCustomCheckBox : public TMVWButtonControl {
public:
  static constexpr std::uint8_t DefaultGlyphNumber = 3;
  static constexpr TCheckBoxState DefaultState = cbUnchecked;
  static constexpr bool DefaultAllowGrayed = false;
  static constexpr bool DefaultTabStop = true;

  explicit TMVWCustomCheckBox(TComponent* owner);

  TCheckBoxState State() const { return State_; }
  void SetState(TCheckBoxState value);
  bool Checked() const { return State_ == cbChecked; }
  bool GetChecked() override { return Checked(); }
  void SetChecked(bool value) override;
  bool AllowGrayed() const { return AllowGrayed_; }
  void SetAllowGrayed(bool value) { AllowGrayed_ = value; }
  // The states an image-list strip holds, kept within 1..3.
  std::uint8_t GlyphNumber() const { return GlyphNumber_; }
  void SetGlyphNumber(std::uint8_t value);

  virtual TCheckBoxState GetState() { return State_; }
  virtual void Toggle();
  void Click() override;
  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

protected:
  void CreateGlyphs() override;
  int CellIndex() override;
  int CellWidthFromList(int stripWidth) override;
  TColor StripTransparentColor() override;

private:
  TCheckBoxState State_ = DefaultState;
  bool AllowGrayed_ = DefaultAllowGrayed;
  std::uint8_t GlyphNumber_ = DefaultGlyphNumber;
};

class TMVWCheckBox : public TMVWCustomCheckBox {
public:
  using TMVWCustomCheckBox::TMVWCustomCheckBox;
};

void RegisterMVWCheckBox();

} // namespace marivo
