#include "widgets/controls/MVWCustomButtonGroup.h"

#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWMessages.h"

#include <algorithm>

namespace marivo {

TMVWCustomButtonGroup::TMVWCustomButtonGroup(TComponent* owner) : TMVWCustomGroupBox(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                  csDoubleClicks);
  Font3D_.OnChange = [this](TObject*) { RefreshButtons(); };
  Items_.OnChange = [this](TObject*) { ItemsChanged(); };
  BtnAlignment_.SetAlignment(agCenterLeft);
  BtnAlignment_.OnChange = [this](TObject*) {
    ForEachButton([this](TMVWButtonControl& button) { button.SetAlignment(BtnAlignment_); });
    Arrange();
  };
}

TMVWCustomButtonGroup::~TMVWCustomButtonGroup() {
  // Unbound first, so that no event reaches a group half torn down.
  OnChange = nullptr;
  OnClick = nullptr;
  Items_.OnChange = nullptr;
  Font3D_.OnChange = nullptr;
  BtnAlignment_.OnChange = nullptr;
  SetButtonCount(0);
}

void TMVWCustomButtonGroup::SetColumns(int value) {
  value = ClampColumns(value);
  if (Store(Columns_, value))
    Arrange();
}

void TMVWCustomButtonGroup::SetItemHeight(int value) {
  if (Store(ItemHeight_, value))
    Arrange();
}

void TMVWCustomButtonGroup::SetItemOffset(int value) {
  if (Store(ItemOffset_, value))
    Arrange();
}

void TMVWCustomButtonGroup::ForEachButton(const std::function<void(TMVWButtonControl&)>& action) {
  for (TMVWButtonControl* button : Buttons_)
    action(*button);
}

void TMVWCustomButtonGroup::RefreshButtons() {
  RebuildButtons();
  ForEachButton([](TMVWButtonControl& button) { button.Invalidate(); });
}

void TMVWCustomButtonGroup::SetFlatGlyphs(bool value) {
  if (!Store(FlatGlyphs_, value))
    return;
  RefreshButtons();
  Arrange();
}

void TMVWCustomButtonGroup::SetFocusStyle(TMVWGlyphTextFocusStyle value) {
  if (Store(FocusStyle_, value))
    RefreshButtons();
}

void TMVWCustomButtonGroup::SetFocusColor(TColor value) {
  if (Store(FocusColor_, value))
    RefreshButtons();
}

void TMVWCustomButtonGroup::SetUseFocusColor(bool value) {
  if (Store(UseFocusColor_, value))
    RefreshButtons();
}

void TMVWCustomButtonGroup::Notification(TComponent* component, TOperation operation) {
  TMVWCustomGroupBox::Notification(component, operation);
  if (operation == opRemove)
    GlyphLink_.Removed(component, BackFX());
}

void TMVWCustomButtonGroup::SetHelpContextBtn(TMVWChildHelpContextID value) {
  HelpContextBtn_ = value;
  for (int i = 0; i < ButtonCount(); ++i)
    ApplyHelpContext(i);
}

void TMVWCustomButtonGroup::ApplyHelpContext(int index) {
  int context = 0;
  if (HelpContextBtn_ == ciSameAsParent)
    context = HelpContext();
  else if (HelpContextBtn_ == ciAutoNumbered)
    context = HelpContext() + index + 1;
  Buttons_[static_cast<std::size_t>(index)]->SetHelpContext(context);
}

void TMVWCustomButtonGroup::SetGlyphFlat(bool value) {
  if (Store(GlyphFlat_, value) && !MVWControlLoading(*this) && !GlyphImageList())
    ForEachButton([value](TMVWButtonControl& button) { button.SetGlyphFlat(value); });
}

void TMVWCustomButtonGroup::SetGlyphSize(std::uint8_t value) {
  if (!Store(GlyphSize_, value))
    return;
  if (!MVWControlLoading(*this) && !GlyphImageList())
    ForEachButton([value](TMVWButtonControl& button) { button.SetGlyphSize(value); });
  Arrange();
}

void TMVWCustomButtonGroup::SetGlyphTransparent(bool value) {
  if (Store(GlyphTransparent_, value))
    RefreshButtons();
}

void TMVWCustomButtonGroup::SetGlyphTransparentColor(TColor value) {
  if (Store(GlyphTransparentColor_, value))
    RefreshButtons();
}

void TMVWCustomButtonGroup::SetUseBitmap(bool value) {
  if (Store(UseBitmap_, value))
    RefreshButtons();
}

void TMVWCustomButtonGroup::RemoveButton(TMVWButtonControl* button) {
  Buttons_.erase(std::remove(Buttons_.begin(), Buttons_.end(), button), Buttons_.end());
}

void TMVWCustomButtonGroup::SetButtonCount(int count) {
  while (ButtonCount() < count)
    CreateButton();
  while (ButtonCount() > count) {
    TMVWButtonControl* last = Buttons_.back();
    if (last->HandleAllocated() && last->Focused()) {
      if (CanFocus())
        SetFocus();
      else if (Parent() && Parent()->CanFocus())
        Parent()->SetFocus();
    }
    delete last;
  }
}

void TMVWCustomButtonGroup::RebuildButtons() {
  if (MVWControlLoading(*this))
    return;
  SetButtonCount(Items_.Count());
  Updating_ = true;
  for (int i = 0; i < ButtonCount(); ++i) {
    TMVWButtonControl& button = *Buttons_[static_cast<std::size_t>(i)];
    button.SetPaintSuppressed(true);
    button.SetCaption(Items_.Strings(i));
    button.SetAlignment(BtnAlignment_);
    button.SetIndexProperty(0, GlyphImageIndex());
    button.SetIndexProperty(1, GlyphListIndex());
    button.SetParentColor(true);
    button.SetImageList(GlyphImageList());
    button.SetGlyphTransparent(GlyphTransparent_);
    button.SetGlyphTransparentColor(GlyphTransparentColor_);
    button.SetGlyphSize(GlyphSize_);
    button.SetGlyphFlat(GlyphFlat_);
    button.SetFocusStyle(FocusStyle_);
    button.SetFocusColor(FocusColor_);
    button.SetUseFocusColor(UseFocusColor_);
    button.SetFont3D(Font3D_);
    button.SetUseBitmap(UseBitmap_);
    button.SetFlat(FlatGlyphs_);
    button.SetCtlXP(CtlXP());
    ApplyHelpContext(i);
    button.SetPaintSuppressed(false);
  }
  ApplyItemIndex();
  Updating_ = false;
  Arrange();
}

void TMVWCustomButtonGroup::Arrange() {
  if (MVWControlLoading(*this) || Buttons_.empty())
    return;
  TMVWButtonGroupGeometry geometry;
  geometry.Count = ButtonCount();
  geometry.Columns = Columns_;
  geometry.ItemHeight = ItemHeight_;
  geometry.ItemOffset = ItemOffset_;
  geometry.Width = Width();
  geometry.Height = Height();
  geometry.BevelExtent = GetBevelExtent();
  geometry.CaptionHeight = CaptionHeight();
  geometry.CaptionAlign = Alignment();
  const std::vector<TMVWRect> bounds = ArrangeButtons(geometry);
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    const TMVWRect& r = bounds[i];
    Buttons_[i]->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    Buttons_[i]->SetVisible(true);
  }
}

void TMVWCustomButtonGroup::CheckItemCount(int) {}

void TMVWCustomButtonGroup::ItemsChanged() {
  if (MVWControlLoading(*this))
    return;
  try {
    CheckItemCount(Items_.Count());
  } catch (const Exception&) {
    // The lines go back to the last ones the buttons could show.
    Items_.OnChange = nullptr;
    Items_.Clear();
    for (const std::string& line : AcceptedItems_)
      Items_.Add(line);
    Items_.OnChange = [this](TObject*) { ItemsChanged(); };
    throw;
  }
  AcceptedItems_.clear();
  for (int i = 0; i < Items_.Count(); ++i)
    AcceptedItems_.push_back(Items_.Strings(i));
  RebuildButtons();
}

void TMVWCustomButtonGroup::Loaded() {
  TMVWCustomGroupBox::Loaded();
  ItemsChanged();
}

void TMVWCustomButtonGroup::ChildClick(TObject* sender) {
  if (Updating_)
    return;
  const auto found = std::find(Buttons_.begin(), Buttons_.end(), sender);
  if (found == Buttons_.end())
    return;
  const int old = ItemIndex_;
  ItemIndex_ = GetItemIndex();
  if (ItemIndex_ == old)
    return;
  TMVWCustomGroupBox::Click();
  if (OnChange)
    OnChange(this, static_cast<int>(found - Buttons_.begin()));
}

void TMVWCustomButtonGroup::GetChildren(const std::function<void(TComponent*)>& proc,
                                        TComponent* root) {
  // The buttons come from Items; form data never holds them.
  TMVWCustomGroupBox::GetChildren(
      [this, &proc](TComponent* child) {
        if (std::find(Buttons_.begin(), Buttons_.end(), child) == Buttons_.end())
          proc(child);
      },
      root);
}

void TMVWCustomButtonGroup::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_ENABLEDCHANGED:
    TMVWCustomGroupBox::WndProc(message);
    ForEachButton([this](TMVWButtonControl& button) { button.SetEnabled(Enabled()); });
    return;
  case CM_FONTCHANGED:
  case WM_SIZE:
    TMVWCustomGroupBox::WndProc(message);
    Arrange();
    return;
  case CM_MVWTHEMECHANGED:
    TMVWCustomGroupBox::WndProc(message);
    RebuildButtons();
    return;
  }
  TMVWCustomGroupBox::WndProc(message);
}

void RegisterMVWCustomButtonGroup() {
  RegisterPersistentClass<TMVWCustomButtonGroup, TMVWCustomGroupBox>("TMVWCustomButtonGroup");
}

namespace {

void SetUpGroupButton(TMVWButtonControl& button, TMVWCustomButtonGroup& group) {
  button.SetControlStyle(button.ControlStyle() | csReplicatable);
  button.SetVisible(false);
  button.SetTransparent(true);
  button.SetEnabled(group.Enabled());
  button.SetParent(&group);
}

// A group that may not change swallows the characters that would change a button.
bool SwallowedByGroup(TMessage& message, TMVWCustomButtonGroup& group) {
  if (message.Msg != WM_CHAR || (message.WParam != VK_BACK && message.WParam != VK_SPACE) ||
      group.CanModify())
    return false;
  message.Result = 0;
  return true;
}

// Keys go on to the group after the button has handled them, but not a key the form took (now
// 0), or the form would see it twice. Tab is the group's alone, so that the focus moves once,
// from the group's place in the tab order.
void PassKeysToGroup(TMessage& message, TMVWCustomButtonGroup& group, bool keyUpToo) {
  if (message.Msg == WM_GETDLGCODE)
    message.Result |= DLGC_WANTTAB;
  const bool key =
      message.Msg == WM_CHAR || message.Msg == WM_KEYDOWN || (keyUpToo && message.Msg == WM_KEYUP);
  if (key && message.WParam != 0 && group.HandleAllocated())
    SendMessageA(group.Handle(), message.Msg, message.WParam, message.LParam);
}

} // namespace

TMVWRadioGroupButton::TMVWRadioGroupButton(TMVWCustomButtonGroup* group)
    : TMVWRadioButton(group), Group_(group) {
  SetUpGroupButton(*this, *group);
  group->AddButton(this);
  OnClick = [group](TObject* sender) { group->ChildClick(sender); };
}

TMVWRadioGroupButton::~TMVWRadioGroupButton() {
  OnClick = nullptr;
  Group_->RemoveButton(this);
}

bool TMVWRadioGroupButton::CanModify() {
  return Group_->CanModify();
}

void TMVWRadioGroupButton::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_MOUSEMOVE:
    if (Group_->HandleAllocated())
      SendMessageA(Group_->Handle(), message.Msg, message.WParam, message.LParam);
    break;
  case WM_LBUTTONDBLCLK:
    Group_->DblClick();
    break;
  case WM_CONTEXTMENU:
    // The group has the right click and the menu keys as well, and asks for its own menu.
    return;
  }
  if (SwallowedByGroup(message, *Group_))
    return;
  TMVWRadioButton::WndProc(message);
  // The group moves the choice with the arrow keys, and it alone passes Enter, Esc and
  // accelerators on to the form, so that each acts once.
  if (message.Msg == WM_GETDLGCODE)
    message.Result |= DLGC_WANTALLKEYS;
  PassKeysToGroup(message, *Group_, true);
}

TMVWCheckGroupButton::TMVWCheckGroupButton(TMVWCustomButtonGroup* group)
    : TMVWCustomCheckBox(group), Group_(group) {
  SetUpGroupButton(*this, *group);
  group->AddButton(this);
  OnChange = [group](TObject* sender) { group->ChildClick(sender); };
}

TMVWCheckGroupButton::~TMVWCheckGroupButton() {
  OnChange = nullptr;
  Group_->RemoveButton(this);
}

bool TMVWCheckGroupButton::CanModify() {
  return Group_->CanModify();
}

void TMVWCheckGroupButton::WndProc(TMessage& message) {
  if (SwallowedByGroup(message, *Group_))
    return;
  TMVWCustomCheckBox::WndProc(message);
  PassKeysToGroup(message, *Group_, false);
}

} // namespace marivo
