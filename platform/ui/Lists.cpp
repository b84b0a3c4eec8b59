#include "platform/ui/Lists.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

namespace {

bool Loading(const TComponent& component) {
  return (component.ComponentState() & csLoading) != 0;
}

// Form data may give the index before the items, so it is checked once everything is read.
int CheckedIndex(const TComponent& component, int value, int count) {
  if (Loading(component))
    return value;
  return value < -1 || value >= count ? -1 : value;
}

} // namespace

// --- TListBox ---------------------------------------------------------------------------------

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  Items_.OnChange = [this](TObject*) {
    if (HandleAllocated())
      FillWindow();
    else
      ItemIndex_ = CheckedIndex(*this, ItemIndex_, Items_.Count());
  };
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "LISTBOX";
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (Floating_) {
    params.Style = (params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
    params.ExStyle =
        (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    // Owned by the parent's top-level window, so it goes with it.
    params.WndParent = params.WndParent ? GetAncestor(params.WndParent, GA_ROOT) : nullptr;
  }
}

void TListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (Floating_)
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (Visible() ? SWP_SHOWWINDOW : 0));
  FillWindow();
}

void TListBox::SetFloating(bool value) {
  if (value == Floating_)
    return;
  Floating_ = value;
  RecreateWnd();
}

int TListBox::ItemHeight() {
  return static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
}

void TListBox::FillWindow() {
  HWND window = Handle();
  SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  SendMessageA(window, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < Items_.Count(); ++i)
    SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Items_.Strings(i).c_str()));
  ItemIndex_ = CheckedIndex(*this, ItemIndex_, Items_.Count());
  SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(ItemIndex_), 0);
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window, nullptr, TRUE);
}

void TListBox::SetItemIndex(int value) {
  value = CheckedIndex(*this, value, Items_.Count());
  if (value == ItemIndex_)
    return;
  ItemIndex_ = value;
  if (HandleAllocated())
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(ItemIndex_), 0);
}

void TListBox::Loaded() {
  TWinControl::Loaded();
  ItemIndex_ = CheckedIndex(*this, ItemIndex_, Items_.Count());
}

void TListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CN_COMMAND:
    if (HIWORD(message.WParam) == LBN_SELCHANGE) {
      ItemIndex_ = static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
      Click();
    }
    return;
  case CN_CTLCOLORLISTBOX:
    message.Result = Brush_.Apply(reinterpret_cast<HDC>(message.WParam), Color(), Font().Color());
    return;
  }
  TWinControl::WndProc(message);
}

// --- TComboBox --------------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
  Items_.OnChange = [this](TObject*) {
    if (HandleAllocated())
      FillWindow();
    else
      ItemIndex_ = CheckedIndex(*this, ItemIndex_, Items_.Count());
  };
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "COMBOBOX";
  params.Style |= WS_VSCROLL;
  params.Style |= Style_ == csDropDown ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
}

void TComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  FillWindow();
  PlaceWindow();
}

void TComboBox::FillWindow() {
  HWND window = Handle();
  Syncing_ = true;
  SendMessageA(window, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < Items_.Count(); ++i)
    SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Items_.Strings(i).c_str()));
  ItemIndex_ = CheckedIndex(*this, ItemIndex_, Items_.Count());
  SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(ItemIndex_), 0);
  // Emptying the list empties the edit too; what the official typed stays.
  if (Style_ == csDropDown)
    SetWindowTextA(window, Caption().c_str());
  Syncing_ = false;
}

// The window's height is the height of the dropped-down list; the platform keeps the closed
// box as high as its font needs.
void TComboBox::PlaceWindow() {
  if (!HandleAllocated())
    return;
  RECT closed;
  GetWindowRect(Handle(), &closed);
  const int itemHeight = static_cast<int>(SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0));
  const int dropped = (closed.bottom - closed.top) + DropDownCount_ * itemHeight + 2;
  SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), dropped, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  PlaceWindow();
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == Style_)
    return;
  Style_ = value;
  RecreateWnd();
}

void TComboBox::SetDropDownCount(int value) {
  if (value == DropDownCount_)
    return;
  DropDownCount_ = value;
  PlaceWindow();
}

void TComboBox::SetItemIndex(int value) {
  value = CheckedIndex(*this, value, Items_.Count());
  if (value == ItemIndex_)
    return;
  ItemIndex_ = value;
  if (HandleAllocated()) {
    Syncing_ = true;
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(ItemIndex_), 0);
    Syncing_ = false;
  }
  if (Style_ == csDropDown && ItemIndex_ < Items_.Count())
    SetEditText(ItemIndex_ >= 0 ? Items_.Strings(ItemIndex_) : std::string());
}

std::string TComboBox::Text() const {
  if (Style_ == csDropDown)
    return Caption();
  return ItemIndex_ >= 0 && ItemIndex_ < Items_.Count() ? Items_.Strings(ItemIndex_)
                                                        : std::string();
}

void TComboBox::SetText(const std::string& value) {
  if (Style_ == csDropDownList)
    SetItemIndex(Items_.IndexOf(value));
  else
    SetCaption(value);
}

void TComboBox::SetEditText(const std::string& text) {
  Syncing_ = true;
  SetCaption(text);
  Syncing_ = false;
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  ItemIndex_ = CheckedIndex(*this, ItemIndex_, Items_.Count());
}

void TComboBox::Change() {
  if (OnChange)
    OnChange(this);
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_TEXTCHANGED:
    // Only typed text or text set in code for the edit goes to the window; in csDropDownList
    // the selection is the text.
    if (!Syncing_ && Style_ == csDropDown && HandleAllocated()) {
      Syncing_ = true;
      SetWindowTextA(Handle(), Caption().c_str());
      Syncing_ = false;
      ItemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
    }
    return;
  case CN_COMMAND:
    switch (HIWORD(message.WParam)) {
    case CBN_SELCHANGE:
      ItemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
      // The edit shows the picked item only after this notification; the handlers must see it.
      if (Style_ == csDropDown && ItemIndex_ >= 0)
        SetEditText(Items_.Strings(ItemIndex_));
      Click();
      Change();
      break;
    case CBN_EDITCHANGE:
      if (!Syncing_) {
        SetEditText(WindowText(Handle()));
        ItemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
        Change();
      }
      break;
    }
    return;
  // The edit and the list inside the box ask the box itself for their colours.
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case CN_CTLCOLOREDIT:
  case CN_CTLCOLORLISTBOX:
  case CN_CTLCOLORSTATIC:
    message.Result = Brush_.Apply(reinterpret_cast<HDC>(message.WParam), Color(), Font().Color());
    return;
  }
  TWinControl::WndProc(message);
}

void RegisterListClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TListBox, TWinControl>("TListBox")
        .Class("Items", &TListBox::Items)
        .Boolean("Sorted", &TListBox::Sorted, &TListBox::SetSorted, false)
        .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex, -1)
        .Stored([](TListBox&) { return false; })
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
        .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clWindow)
        .Stored([](TListBox& list) { return !list.ParentColor(); });
    RegisterComponentClass<TComboBox, TWinControl>("TComboBox")
        .Enumeration("Style", {"csDropDown", "csDropDownList"}, &TComboBox::Style,
                     &TComboBox::SetStyle, csDropDown)
        .Class("Items", &TComboBox::Items)
        .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex, -1)
        .String("Text", &TComboBox::Text, &TComboBox::SetText, std::string())
        .Stored([](TComboBox& combo) { return combo.Style() == csDropDown; })
        .String("Caption", &TComboBox::Caption, &TComboBox::SetCaption)
        .Stored([](TComboBox&) { return false; })
        .Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount, 8)
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
        .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clWindow)
        .Stored([](TComboBox& combo) { return !combo.ParentColor(); })
        .Event("OnChange", &TComboBox::OnChange);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
