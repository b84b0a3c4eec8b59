#include "platform/ui/Groups.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/StdCtrls.h"

#include <algorithm>

namespace marivo {

// --- TGroupBox --------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 105);
}

int TGroupBox::CaptionHeight() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

void TGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  const int captionHeight = CaptionHeight();
  RECT frame{0, captionHeight / 2, Width(), Height()};
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty())
    return;
  canvas.Font().Assign(Font());
  if (!Enabled())
    canvas.Font().SetColor(clGrayText);
  // The caption interrupts the frame's top edge, with a little room on either side.
  const int textWidth = canvas.TextWidth(Caption());
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(RECT{6, 0, 10 + textWidth, captionHeight});
  canvas.Brush().SetStyle(bsClear);
  canvas.TextOut(8, 0, Caption());
}

void TGroupBox::WndProc(TMessage& message) {
  TCustomControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED)
    Invalidate();
}

// --- TRadioGroupButton ------------------------------------------------------------------------

// One item of a radio group: a platform radio button whose state the group sets.
class TRadioGroupButton : public TWinControl {
public:
  explicit TRadioGroupButton(TRadioGroup& group) : TWinControl(nullptr), Group_(group) {
    SetParentColor(true);
  }

  void SetChecked(bool value) {
    if (value == Checked_)
      return;
    Checked_ = value;
    if (HandleAllocated())
      SendMessageA(Handle(), BM_SETCHECK, Checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  // Arrow keys move to the neighbouring item and pick it, as in any group of radio buttons.
  bool KeyDown(WORD& key, TShiftState shift) override {
    if (TWinControl::KeyDown(key, shift))
      return true;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
      Group_.PickNext(this, -1);
      return true;
    case VK_DOWN:
    case VK_RIGHT:
      Group_.PickNext(this, 1);
      return true;
    }
    return false;
  }

  void WndProc(TMessage& message) override {
    switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) {
        const auto& buttons = Group_.Buttons_;
        Group_.Pick(
            static_cast<int>(std::find(buttons.begin(), buttons.end(), this) - buttons.begin()));
      }
      return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
      message.Result = Brush_.Apply(reinterpret_cast<HDC>(message.WParam), Color(), Font().Color());
      return;
    }
    TWinControl::WndProc(message);
  }

protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.WinClassName = "BUTTON";
    params.Style |= BS_RADIOBUTTON | BS_MULTILINE;
  }

  void CreateWnd() override {
    TWinControl::CreateWnd();
    SendMessageA(Handle(), BM_SETCHECK, Checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  }

private:
  TRadioGroup& Group_;
  bool Checked_ = false;
  TControlBrush Brush_;
};

// --- TRadioGroup ------------------------------------------------------------------------------

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {
  Items_.OnChange = [this](TObject*) { ItemsChanged(); };
}

TRadioGroup::~TRadioGroup() {
  // The buttons call back into the group while their windows go; they must go first.
  for (TRadioGroupButton* button : Buttons_)
    delete button;
}

void TRadioGroup::SetItemIndex(int value) {
  if (!(ComponentState() & csLoading))
    value = std::clamp(value, -1, Items_.Count() - 1);
  if (value == ItemIndex_)
    return;
  ItemIndex_ = value;
  UpdateChecks();
}

void TRadioGroup::SetColumns(int value) {
  value = std::max(1, value);
  if (value == Columns_)
    return;
  Columns_ = value;
  ArrangeButtons();
}

void TRadioGroup::ItemsChanged() {
  while (static_cast<int>(Buttons_.size()) > Items_.Count()) {
    delete Buttons_.back();
    Buttons_.pop_back();
  }
  for (int i = 0; i < Items_.Count(); ++i) {
    if (i == static_cast<int>(Buttons_.size())) {
      auto* button = new TRadioGroupButton(*this);
      button->SetEnabled(Enabled());
      Buttons_.push_back(button);
    }
    Buttons_[static_cast<std::size_t>(i)]->SetCaption(Items_.Strings(i));
  }
  ArrangeButtons();
  for (TRadioGroupButton* button : Buttons_)
    button->SetParent(this);
  if (!(ComponentState() & csLoading))
    ItemIndex_ = std::min(ItemIndex_, Items_.Count() - 1);
  UpdateChecks();
}

// Items fill the columns top to bottom, each column as wide as the next and each row as high,
// using the whole area under the caption.
void TRadioGroup::ArrangeButtons() {
  if (Buttons_.empty())
    return;
  const int count = static_cast<int>(Buttons_.size());
  const int rows = (count + Columns_ - 1) / Columns_;
  const int columnWidth = std::max(0, (Width() - 10) / Columns_);
  const int top = CaptionHeight() + 1;
  const int area = std::max(0, Height() - top - 4);
  const int rowHeight = area / rows;
  const int margin = top + (area % rows) / 2;
  for (int i = 0; i < count; ++i)
    Buttons_[static_cast<std::size_t>(i)]->SetBounds(
        8 + (i / rows) * columnWidth, margin + (i % rows) * rowHeight, columnWidth, rowHeight);
}

void TRadioGroup::UpdateChecks() {
  for (std::size_t i = 0; i < Buttons_.size(); ++i)
    Buttons_[i]->SetChecked(static_cast<int>(i) == ItemIndex_);
}

void TRadioGroup::Pick(int index) {
  if (index == ItemIndex_ || index < 0 || index >= static_cast<int>(Buttons_.size()))
    return;
  ItemIndex_ = index;
  UpdateChecks();
  if (OnChange)
    OnChange(this);
  Click();
}

void TRadioGroup::PickNext(const TRadioGroupButton* from, int step) {
  const auto at = std::find(Buttons_.begin(), Buttons_.end(), from);
  const int index = static_cast<int>(at - Buttons_.begin()) + step;
  if (index < 0 || index >= static_cast<int>(Buttons_.size()))
    return;
  Buttons_[static_cast<std::size_t>(index)]->SetFocus();
  Pick(index);
}

void TRadioGroup::BoundsChanged() {
  TGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TRadioGroup::Loaded() {
  TGroupBox::Loaded();
  ItemIndex_ = std::clamp(ItemIndex_, -1, Items_.Count() - 1);
  UpdateChecks();
}

void TRadioGroup::WndProc(TMessage& message) {
  TGroupBox::WndProc(message);
  switch (message.Msg) {
  case CM_FONTCHANGED:
    ArrangeButtons();
    break;
  case CM_ENABLEDCHANGED:
    for (TRadioGroupButton* button : Buttons_)
      button->SetEnabled(Enabled());
    break;
  }
}

void RegisterGroupClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TGroupBox, TCustomControl>("TGroupBox");
    RegisterComponentClass<TRadioGroup, TGroupBox>("TRadioGroup")
        .Class("Items", &TRadioGroup::Items)
        .Integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex, -1)
        .Integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns, 1)
        .Event("OnChange", &TRadioGroup::OnChange);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
