#include "widgets/controls/MVWCustomEdit.h"

#include "widgets/controls/MVWEditAutoComplete.h"
#include "widgets/controls/MVWSpecialButton.h"
#include "widgets/foundation/MVWMessages.h"

#include <algorithm>
#include <cstdlib>

namespace marivo {

TMVWCustomEdit::TMVWCustomEdit(TComponent* owner)
    : TMVWBaseEdit(owner), CustomButtons_(std::make_unique<TMVWSpecialButtons>(this, true)) {}

TMVWCustomEdit::~TMVWCustomEdit() {
  if (AutoComplete_)
    AutoComplete_->RemoveFreeNotification(this);
  CustomButtons_.reset();
}

void TMVWCustomEdit::SetPasswordChar(char value) {
  PasswordChar_ = value;
  TextChangedAt(1);
}

void TMVWCustomEdit::SetAutoSize(bool value) {
  if (Store(AutoSize_, value))
    AdjustHeight();
}

void TMVWCustomEdit::SetCustomButtons(const TMVWSpecialButtons& value) {
  CustomButtons_->Assign(value);
}

void TMVWCustomEdit::SetCustomButtonWidth(int value) {
  if (Store(CustomButtonWidth_, value) && Parent())
    Perform(WM_SIZE, 0, 0);
}

void TMVWCustomEdit::SetCustomButtonStyle(TMVWUserButtonStyle value) {
  if (Store(CustomButtonStyle_, value))
    ArrangeCustomButtons();
}

void TMVWCustomEdit::SetAutoComplete(TMVWEditAutoComplete* value) {
  ReplaceWatched(AutoComplete_, value);
}

void TMVWCustomEdit::Notification(TComponent* component, TOperation operation) {
  TMVWBaseEdit::Notification(component, operation);
  if (operation == opRemove && component == AutoComplete_)
    AutoComplete_ = nullptr;
}

std::string TMVWCustomEdit::DisplayText() {
  return PasswordChar_ != '\0' ? std::string(TextValue().size(), PasswordChar_) : TextValue();
}

void TMVWCustomEdit::RepaintText(int) {
  PaintText(DisplayText());
}

void TMVWCustomEdit::UpdateCaretPos() {
  if (!Focused() || !Caret().Shown())
    return;
  const std::string text = DisplayText();
  int origin = 0;
  int emptyX = 0;
  TextOrigin(text, origin, emptyX);
  switch (Font3D().Style()) {
  case tdSunken:
  case tdSunkenShadow:
    origin += Font3D().ShadowDepth();
    break;
  case tdRaised:
  case tdRaisedShadow:
    origin += Font3D().LightDepth();
    break;
  default:
    break;
  }
  origin -= 1;
  const RECT& r = TextRect();
  const int x = CaretX(origin, emptyX);
  if (x > r.right) {
    SetScrollOffset(ScrollOffset() + x - r.right + r.left + 2);
    RepaintText(-1);
  } else if (x < r.left && ScrollOffset() != 0) {
    SetScrollOffset(std::max<int>(0, ScrollOffset() - (std::abs(x) + r.left) - 2));
    RepaintText(-1);
  }
  PlaceCaret(CaretX(origin, origin) + 1, r.top);
}

int TMVWCustomEdit::PosFromX(int x) {
  x = static_cast<short>(x & 0xFFFF);
  const std::string text = DisplayText();
  int origin = 0;
  int emptyX = 0;
  TextOrigin(text, origin, emptyX);
  for (std::size_t p = 1; p <= text.size(); ++p) {
    const int middle = origin + TextWidth(text.substr(0, p)) - ScrollOffset() -
                       TextWidth(text.substr(p - 1, 1)) / 2;
    if (middle >= x)
      return static_cast<int>(p);
  }
  return static_cast<int>(text.size()) + 1;
}

bool TMVWCustomEdit::AutoCompleteActive() const {
  return AutoComplete_ && AutoComplete_->Enabled() && (AutoComplete_->Mode() & amText);
}

void TMVWCustomEdit::AfterChange() {
  if (AutoComplete_)
    AutoComplete_->Complete(this, TextValue());
}

void TMVWCustomEdit::AdjustTextRect(RECT& area) {
  area.right -= CustomButtons_->Count() * CustomButtonWidth_ + 1;
  ArrangeCustomButtons();
}

void TMVWCustomEdit::ArrangeCustomButtons() {
  const RECT& area = TextArea();
  const bool windowsFrame = Bevel().Mode() == bmWindows && !ThemedDrawing();
  for (int i = 0; i < CustomButtons_->Count(); ++i) {
    TMVWSpeedButton& button = CustomButtons_->Items(i)->Button();
    button.SetStyle(CustomButtonStyle_);
    button.SetBounds(area.right + 1 + i * CustomButtonWidth_, windowsFrame ? 0 : area.top,
                     CustomButtonWidth_, area.bottom - area.top);
  }
}

void TMVWCustomEdit::AdjustHeight() {
  Canvas().Font().Assign(Font());
  if (!AutoSize_)
    return;
  const int qp = TextHeight("Qp");
  const int height = qp * 5 / 4 + (Bevel().Mode() == bmWindows ? 5 : 2 * Bevel().GetExtent());
  const int width = std::max(Width(), CustomButtons_->Count() * CustomButtonWidth_ + 30);
  SetBounds(Left(), Top(), width, height);
}

void TMVWCustomEdit::DoButtonClick(TMVWSpeedButton* button, int index) {
  if (TMVWOnBtnClick handler = OnBtnClick)
    handler(this, button, index);
}

void TMVWCustomEdit::EditKeyDown(std::uint16_t& key) {
  const bool enter = key == MVWKeyReturn;
  TMVWBaseEdit::EditKeyDown(key);
  if (enter && AutoComplete_ && (AutoComplete_->AddUnknownOn() & aaControlReturn))
    AutoComplete_->AddUnknown(this, TextValue());
}

void TMVWCustomEdit::FontChanged() {
  TMVWBaseEdit::FontChanged();
  AdjustHeight();
}

void TMVWCustomEdit::Paint() {
  TMVWBaseEdit::Paint();
  if (!Loading() && UpdateCount() == 0)
    RepaintText(-1);
}

void TMVWCustomEdit::Loaded() {
  TMVWBaseEdit::Loaded();
  AdjustHeight();
}

void TMVWCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_MVWBEVELCHANGED:
    AdjustHeight();
    return;
  case EM_GETPASSWORDCHAR:
    message.Result = static_cast<unsigned char>(PasswordChar_);
    return;
  case EM_SETPASSWORDCHAR:
    SetPasswordChar(static_cast<char>(message.WParam & 0xFF));
    return;
  case WM_KILLFOCUS:
    TMVWBaseEdit::WndProc(message);
    if (AutoComplete_ && (AutoComplete_->AddUnknownOn() & aaControlExit))
      AutoComplete_->AddUnknown(this, TextValue());
    return;
  default:
    TMVWBaseEdit::WndProc(message);
  }
}

} // namespace marivo
