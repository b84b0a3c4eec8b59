#pragma once

#include "widgets/controls/MVWButtonControl.h"

namespace marivo {

// A radio button that unchecks its sibling radio buttons and checks itself on taking the focus.
class TMVWRadioButton : public TMVWButtonControl {
public:
  static constexpr bool DefaultChecked = false;
  static constexpr bool DefaultGlyphTransparent = true;

  explicit TMVWRadioButton(TComponent* owner);

  bool Checked() const { return Checked_; }
  bool GetChecked() override { return Checked_; }
  void SetChecked(bool value) override;
  void Click() override;
  void WndProc(TMessage& message) override;

protected:
  virtual bool IsSibling(TControl* control);
  void CreateGlyphs() override;
  int CellIndex() override;
  int CellWidthFromList(int stripWidth) override;
  RECT TextArea() override;

private:
  bool Checked_ = DefaultChecked;
};

void RegisterMVWRadioButton();

} // namespace marivo
