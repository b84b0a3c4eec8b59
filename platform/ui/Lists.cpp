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
  if (Store(Floating_, value))
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
  if (Store(ItemIndex_, value) && HandleAllocated())
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
    return true;
  }();
  (void)registered;
}

} // namespace marivo
