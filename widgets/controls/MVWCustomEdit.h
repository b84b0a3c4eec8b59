#pragma once

#include "widgets/controls/MVWBaseEdit.h"
#include "widgets/foundation/MVWGlyph.h"

#include <functional>
#include <memory>
#include <string>

namespace marivo {

class TMVWEditAutoComplete;
class TMVWSpecialButtons;
class TMVWSpeedButton;

using TMVWOnBtnClick = std::function<void(TObject* Sender, TMVWSpeedButton* Btn, int index)>;

// The usable edit: the text as shown (masked by PasswordChar), its painting, caret placement and
// hit test, an automatic height, custom buttons inside the right edge and auto-completion.
class TMVWCustomEdit : public TMVWBaseEdit {
public:
  static constexpr int DefaultCustomButtonWidth = 16;
  static constexpr TMVWUserButtonStyle DefaultCustomButtonStyle = ubsIntegrated;
  static constexpr char DefaultPasswordChar = '\0';
  static constexpr bool DefaultAutoSize = false;

  explicit TMVWCustomEdit(TComponent* owner);
  ~TMVWCustomEdit() override;

  char PasswordChar() const { return PasswordChar_; }
  void SetPasswordChar(char value);
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool value);
  TMVWSpecialButtons& CustomButtons() { return *CustomButtons_; }
  void SetCustomButtons(const TMVWSpecialButtons& value);
  int CustomButtonWidth() const { return CustomButtonWidth_; }
  void SetCustomButtonWidth(int value);
  TMVWUserButtonStyle CustomButtonStyle() const { return CustomButtonStyle_; }
  void SetCustomButtonStyle(TMVWUserButtonStyle value);
  TMVWEditAutoComplete* AutoComplete() const { return AutoComplete_; }
  void SetAutoComplete(TMVWEditAutoComplete* value);

  std::string DisplayText() override;
  int PosFromX(int x) override;
  void AdjustHeight();
  void ArrangeCustomButtons();
  // A custom button was clicked: OnBtnClick with this edit as sender.
  virtual void DoButtonClick(TMVWSpeedButton* button, int index);
  void EditKeyDown(std::uint16_t& key) override;
  void WndProc(TMessage& message) override;

  TMVWOnBtnClick OnBtnClick;

protected:
  void RepaintText(int position) override;
  void UpdateCaretPos() override;
  bool AutoCompleteActive() const override;
  bool CanCopy() const override { return PasswordChar_ == '\0'; }
  void AfterChange() override;
  void AdjustTextRect(RECT& area) override;
  void FontChanged() override;
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  char PasswordChar_ = DefaultPasswordChar;
  bool AutoSize_ = DefaultAutoSize;
  std::unique_ptr<TMVWSpecialButtons> CustomButtons_;
  int CustomButtonWidth_ = DefaultCustomButtonWidth;
  TMVWUserButtonStyle CustomButtonStyle_ = DefaultCustomButtonStyle;
  TMVWEditAutoComplete* AutoComplete_ = nullptr;
};

} // namespace marivo
