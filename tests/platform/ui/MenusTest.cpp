#include "platform/ui/Menus.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace marivo {
namespace {

TMenuItem* AddItem(TMenuItem& parent, const std::string& caption, std::vector<std::string>& log) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  item->OnClick = [&log, caption](TObject*) { log.push_back(caption); };
  parent.Add(item);
  return item;
}

class PopupMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    AddItem(Menu.Items(), "One", Clicks);
    AddItem(Menu.Items(), "-", Clicks);
    AddItem(Menu.Items(), "Two", Clicks)->SetEnabled(false);
    TMenuItem* more = AddItem(Menu.Items(), "More", Clicks);
    Deep = AddItem(*more, "Deep", Clicks);
    Menu.OnPopup = [this](TObject*) { Clicks.push_back("popup"); };
  }
  void TearDown() override { TPopupMenu::SetTracker({}); }

  TPopupMenu Menu{nullptr};
  TMenuItem* Deep = nullptr;
  std::vector<std::string> Clicks;
};

TEST_F(PopupMenuTest, ChosenEntryClicksBeforePopupReturns) {
  struct TSeen {
    int X = 0, Y = 0, Count = 0;
    UINT TwoState = 0;
    std::string SubCaption;
  } seen;
  TPopupMenu::SetTracker([&seen](HMENU menu, int x, int y, HWND owner) -> UINT {
    EXPECT_NE(owner, nullptr);
    seen = {x, y, GetMenuItemCount(menu), GetMenuState(menu, 2, MF_BYPOSITION), ""};
    HMENU sub = GetSubMenu(menu, 3);
    char text[32] = {};
    GetMenuStringA(sub, 0, text, sizeof text, MF_BYPOSITION);
    seen.SubCaption = text;
    return GetMenuItemID(sub, 0);
  });
  Menu.Popup(40, 60);
  EXPECT_EQ(seen.X, 40);
  EXPECT_EQ(seen.Y, 60);
  EXPECT_EQ(seen.Count, 4);
  EXPECT_NE(seen.TwoState & MF_GRAYED, 0u);
  EXPECT_EQ(seen.SubCaption, "Deep");
  EXPECT_EQ(Clicks, (std::vector<std::string>{"popup", "Deep"}));
  EXPECT_EQ(Menu.Chosen(), Deep);
}

TEST_F(PopupMenuTest, DismissedSystemMenuReturnsWithNothingChosen) {
  // The system menu runs its own loop; a timer of this thread closes it from inside.
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  Menu.Popup(10, 10);
  KillTimer(nullptr, timer);
  EXPECT_EQ(Clicks, (std::vector<std::string>{"popup"}));
  EXPECT_EQ(Menu.Chosen(), nullptr);
}

TEST_F(PopupMenuTest, ARightClickShowsTheMenuOfTheWindowlessControlUnderTheMouse) {
  TApplication app;
  TForm form(nullptr);
  form.SetBounds(50, 50, 200, 100);
  auto* label = new TGraphicControl(&form);
  label->SetParent(&form);
  label->SetBounds(10, 10, 50, 20);
  label->SetPopupMenu(&Menu);
  std::vector<POINT> shown;
  TPopupMenu::SetTracker([&shown](HMENU, int x, int y, HWND) -> UINT {
    shown.push_back({x, y});
    return 0;
  });
  SendMessageA(form.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(20, 15));
  SendMessageA(form.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(120, 60)); // the form has none
  const POINT at = form.ClientToScreen(POINT{20, 15});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(std::make_pair(shown[0].x, shown[0].y), std::make_pair(at.x, at.y));
}

TEST(MenuItemTest, ItemsLeaveTheirParentWhicheverGoesFirst) {
  TComponent owner(nullptr);
  auto* parent = new TMenuItem(&owner);
  auto* child = new TMenuItem(&owner);
  parent->Add(child);
  delete child;
  EXPECT_EQ(parent->Count(), 0);
  auto* second = new TMenuItem(&owner);
  parent->Add(second);
  delete parent;
  EXPECT_EQ(owner.ComponentCount(), 0) << "the parent freed its entry, which left the owner";
}

} // namespace
} // namespace marivo
