#pragma once

#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWCustomPanelFill.h"
#include "widgets/controls/portable/MVWLabelFlags.h"

namespace marivo {

// A label with a window of its own, on a fill panel: sized to its text, with an accelerator that
// focuses FocusControl.
class TMVWStaticText : public TMVWCustomPanelFill {
public:
  static constexpr bool DefaultAutoSize = true;
  static constexpr bool DefaultMultiLine = false;
  static constexpr bool DefaultShowAccelChar = true;
  static constexpr TMVWLabelOptions DefaultOptions = 0;

  explicit TMVWStaticText(TComponent* owner);
  ~TMVWStaticText() override;

  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool value);
  bool MultiLine() const { return MultiLine_; }
  void SetMultiLine(bool value);
  bool ShowAccelChar() const { return ShowAccelChar_; }
  void SetShowAccelChar(bool value);
  TMVWLabelOptions Options() const { return Options_; }
  void SetOptions(TMVWLabelOptions value);
  TWinControl* FocusControl() const { return FocusControl_; }
  void SetFocusControl(TWinControl* value);

  void WndProc(TMessage& message) override;

protected:
  virtual void AdjustBounds();
  void PaintCaption(RECT rect, TMVWAlignment alignment) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool AutoSize_ = DefaultAutoSize;
  bool MultiLine_ = DefaultMultiLine;
  bool ShowAccelChar_ = DefaultShowAccelChar;
  TMVWLabelOptions Options_ = DefaultOptions;
  TWinControl* FocusControl_ = nullptr;
};

void RegisterMVWStaticText();

} // namespace marivo
