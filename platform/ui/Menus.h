#pragma once

#include "platform/rtl/Components.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace marivo {

// One entry of a menu, with entries of its own when it opens a sub-menu. A "-" caption is a
// separator line.
class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& value) { Caption_ = value; }
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value) { Enabled_ = value; }
  bool Checked() const { return Checked_; }
  void SetChecked(bool value) { Checked_ = value; }

  int Count() const { return static_cast<int>(Items_.size()); }
  TMenuItem* Items(int index) const { return Items_.at(static_cast<std::size_t>(index)); }
  TMenuItem* Parent() const { return Parent_; }
  // Takes the item out of its former parent; the item is freed with this one.
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  // Runs OnClick.
  virtual void Click();

  TNotifyEvent OnClick;

private:
  friend class TPopupMenu;

  std::string Caption_;
  bool Enabled_ = true;
  bool Checked_ = false;
  TMenuItem* Parent_ = nullptr;
  std::vector<TMenuItem*> Items_;
};

// Replaces the system's menu tracking in tests: gets the menu, the screen point and the owner
// window, gives the command chosen (0 for none).
using TPopupMenuTracker = std::function<UINT(HMENU menu, int x, int y, HWND owner)>;

// A menu that pops up at a screen point and returns when it closes.
class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  TMenuItem& Items() { return *Items_; }
  // Shows the menu at the screen point until an entry is chosen or the menu is dismissed; the
  // chosen entry's OnClick has run when this returns.
  void Popup(int x, int y);
  // The item that the last Popup ran, or nullptr.
  TMenuItem* Chosen() const { return Chosen_; }

  TNotifyEvent OnPopup;

  // Installs a replacement for the system's tracking; an empty one restores it. Returns the
  // previous one.
  static TPopupMenuTracker SetTracker(TPopupMenuTracker tracker);

private:
  TMenuItem* Items_;
  TMenuItem* Chosen_ = nullptr;
};

void RegisterMenuClasses();

} // namespace marivo
