#include "platform/ui/Menus.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>
#include <memory>

namespace marivo {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  while (!Items_.empty())
    delete Items_.back();
  if (Parent_)
    Parent_->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) {
  if (item == nullptr || item->Parent_ == this)
    return;
  if (item->Parent_)
    item->Parent_->Remove(item);
  item->Parent_ = this;
  Items_.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto found = std::find(Items_.begin(), Items_.end(), item);
  if (found == Items_.end())
    return;
  Items_.erase(found);
  item->Parent_ = nullptr;
}

void TMenuItem::Click() {
  if (OnClick)
    OnClick(this);
}

namespace {

TPopupMenuTracker& Tracker() {
  static TPopupMenuTracker tracker;
  return tracker;
}

struct TMenuHandle {
  HMENU Handle;
  ~TMenuHandle() { DestroyMenu(Handle); }
};

// Commands are the positions in `commands`, plus one, so 0 stays "nothing chosen".
HMENU BuildMenu(const TMenuItem& parent, std::vector<TMenuItem*>& commands) {
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    UINT flags = MF_STRING;
    if (!item->Enabled())
      flags |= MF_GRAYED;
    if (item->Checked())
      flags |= MF_CHECKED;
    if (item->Caption() == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item->Count() > 0) {
      AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(*item, commands)),
                  item->Caption().c_str());
    } else {
      commands.push_back(item);
      AppendMenuA(menu, flags, commands.size(), item->Caption().c_str());
    }
  }
  return menu;
}

UINT TrackWithSystem(HMENU menu, int x, int y, HWND owner) {
  // A menu dismissed by a click elsewhere needs its owner in the foreground.
  SetForegroundWindow(owner);
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON, x, y, 0,
      owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  return command;
}

} // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), Items_(new TMenuItem(nullptr)) {}

TPopupMenu::~TPopupMenu() {
  delete Items_;
}

TPopupMenuTracker TPopupMenu::SetTracker(TPopupMenuTracker tracker) {
  return std::exchange(Tracker(), std::move(tracker));
}

void TPopupMenu::Popup(int x, int y) {
  Chosen_ = nullptr;
  if (OnPopup)
    OnPopup(this);
  std::vector<TMenuItem*> commands;
  const TMenuHandle menu{BuildMenu(*Items_, commands)};
  // The menu's messages go to a window of this thread that lives just as long as the menu.
  HWND owner = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  UINT command = 0;
  try {
    command =
        Tracker() ? Tracker()(menu.Handle, x, y, owner) : TrackWithSystem(menu.Handle, x, y, owner);
  } catch (...) {
    DestroyWindow(owner);
    throw;
  }
  DestroyWindow(owner);
  if (command == 0 || command > commands.size())
    return;
  Chosen_ = commands[command - 1];
  Chosen_->Click();
}

void RegisterMenuClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TMenuItem, TComponent>("TMenuItem")
        .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, std::string())
        .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
        .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
        .Event("OnClick", &TMenuItem::OnClick);
    RegisterComponentClass<TPopupMenu, TComponent>("TPopupMenu")
        .Event("OnPopup", &TPopupMenu::OnPopup);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
