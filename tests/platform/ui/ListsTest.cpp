#include "platform/ui/Lists.h"
#include "tests/platform/ui/StdCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

class StdCtrlsLists : public test::StdCtrlsFixture {};

std::vector<std::string> ListWindowItems(HWND window, UINT countMessage, UINT textMessage) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageA(window, countMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(window, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

TEST_F(StdCtrlsLists, ListBoxItemsBeforeAndAfterTheWindowAndOutOfRangeIndex) {
  auto& judges = Find<TListBox>("JudgesList");
  judges.Items().Add("J4");
  judges.SetItemIndex(3);
  ShowForm();
  EXPECT_EQ(ListWindowItems(judges.Handle(), LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"J1", "J2", "J3", "J4"}));
  EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCURSEL, 0, 0), 3);

  judges.Items().Delete(3);
  EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(judges.ItemIndex(), -1);

  judges.SetItemIndex(1);
  EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCURSEL, 0, 0), 1);
  for (int outside : {3, 17, -2}) {
    judges.SetItemIndex(1);
    judges.SetItemIndex(outside);
    EXPECT_EQ(judges.ItemIndex(), -1) << outside;
    EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCURSEL, 0, 0), LB_ERR) << outside;
  }
  EXPECT_EQ(Form->Fired["JudgesList"], 0);
}

TEST_F(StdCtrlsLists, ListBoxReportsTheOfficialsSelection) {
  ShowForm();
  auto& judges = Find<TListBox>("JudgesList");
  RECT item;
  SendMessageA(judges.Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  SendMessageA(judges.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(judges.Handle(), WM_LBUTTONUP, 0, at);
  App.ProcessMessages();
  EXPECT_EQ(judges.ItemIndex(), 2);
  EXPECT_EQ(Form->Seen, std::vector<std::string>{"2"});

  PressKey(judges.Handle(), VK_UP);
  App.ProcessMessages();
  EXPECT_EQ(judges.ItemIndex(), 1);
  EXPECT_EQ(Form->Seen, (std::vector<std::string>{"2", "1"}));
}

TEST_F(StdCtrlsLists, AFloatingListStandsOnTheDesktopWithoutTakingTheFocus) {
  ShowForm();
  auto& judges = Find<TListBox>("JudgesList");
  ASSERT_TRUE(test::TakeFocus(Form->Handle()));
  HWND active = GetActiveWindow();
  judges.SetFloating(true);
  judges.SetBounds(40, 50, 120, 3 * judges.ItemHeight() + 5);
  HWND list = judges.Handle();
  EXPECT_EQ(GetAncestor(list, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(list, GW_OWNER), Form->Handle());
  EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(IsWindowVisible(list));
  RECT bounds;
  GetWindowRect(list, &bounds);
  EXPECT_EQ(bounds.left, 40);
  EXPECT_EQ(bounds.top, 50);
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_EQ(ListWindowItems(list, LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"J1", "J2", "J3"}));
  judges.SetFloating(false);
  EXPECT_EQ(GetAncestor(judges.Handle(), GA_PARENT), Form->Handle());
}

TEST_F(StdCtrlsLists, SortedListBoxShowsItemsInOrder) {
  auto& judges = Find<TListBox>("JudgesList");
  judges.Items().Add("a0");
  judges.SetSorted(true);
  ShowForm();
  judges.Items().Add("J25");
  EXPECT_EQ(ListWindowItems(judges.Handle(), LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"a0", "J1", "J2", "J25", "J3"}));
}

} // namespace
} // namespace marivo
