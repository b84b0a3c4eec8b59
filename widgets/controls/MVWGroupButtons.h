#pragma once

#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWRadioButton.h"

namespace marivo {

class TMVWCustomButtonGroup;

// The child buttons a button group makes: they ask the group whether they may change and pass
// their keys on to it.
class TMVWRadioGroupButton : public TMVWRadioButton {
public:
  explicit TMVWRadioGroupButton(TMVWCustomButtonGroup* group);
  ~TMVWRadioGroupButton() override;

  bool CanModify() override;
  void WndProc(TMessage& message) override;

private:
  TMVWCustomButtonGroup* Group_;
};

class TMVWCheckGroupButton : public TMVWCustomCheckBox {
public:
  explicit TMVWCheckGroupButton(TMVWCustomButtonGroup* group);
  ~TMVWCheckGroupButton() override;

  bool CanModify() override;
  void WndProc(TMessage& message) override;

private:
  TMVWCustomButtonGroup* Group_;
};

} // namespace marivo
