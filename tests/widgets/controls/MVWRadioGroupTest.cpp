#include "widgets/controls/MVWRadioGroup.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "tests/support/MessagePump.h"
#include "tests/support/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWCustomCheckGroup.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWGroupBox.h"
#include "widgets/controls/MVWRadioButton.h"
#include "widgets/controls/portable/MVWGroupLayout.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::OnAForm;
using test::Place;

// The event choice: Free or Technical Routine, the latter checked.
TMVWRadioGroup* EventGroup(TForm& form, int top) {
  auto* group = Place<TMVWRadioGroup>(form, 10, top, 200, 100);
  group->SetCaption("Which Event");
  group->Items().Add("Free Routine");
  group->Items().Add("Technical Routine");
  group->SetItemIndex(1);
  return group;
}

// The role choice: twenty roles in four columns, as the console shows it.
class RoleGroup : public OnAForm {
protected:
  TMVWRadioGroup* Group = nullptr;
  std::vector<std::string> Events;

  void SetUp() override {
    Form.SetBounds(0, 0, 700, 320);
    Group = Place<TMVWRadioGroup>(Form, 10, 10, 660, 260);
    Group->SetCaption("Which Function?");
    Group->SetColumns(4);
    for (int role = 1; role <= 20; ++role)
      Group->Items().Add("Role " + std::to_string(role));
    Group->OnClick = [this](TObject*) { Events.push_back("click"); };
    Group->OnChange = [this](TObject*, int index) {
      Events.push_back("change " + std::to_string(index));
    };
    Form.Show();
  }

  std::vector<int> Checked() {
    std::vector<int> checked;
    for (int i = 0; i < Group->ButtonCount(); ++i)
      if (Group->Buttons(i)->GetChecked())
        checked.push_back(i);
    return checked;
  }
  // The group's index is index and only its button is checked (none below 0); at tells where.
  void ExpectChoice(int index, int at) {
    EXPECT_EQ(Group->ItemIndex(), index) << at;
    EXPECT_EQ(Checked(), index < 0 ? std::vector<int>{} : std::vector<int>{index}) << at;
  }
  [[nodiscard]] bool FocusRole(int index) {
    Group->SetItemIndex(index);
    return test::TakeFocus(Group->Buttons(index)->Handle());
  }
  void KeyOn(int index, WPARAM key) {
    SendMessageA(Group->Buttons(index)->Handle(), WM_KEYDOWN, key, 0);
  }
  void ClickRole(int index) {
    HWND button = Group->Buttons(index)->Handle();
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
};

TEST_F(RoleGroup, ButtonsFillFourColumnsOfFiveRows) {
  ASSERT_EQ(Group->ButtonCount(), 20);
  EXPECT_EQ(Group->Buttons(5)->Top(), Group->Buttons(0)->Top());
  EXPECT_GT(Group->Buttons(5)->Left(), Group->Buttons(4)->Left());
  EXPECT_EQ(Group->Buttons(19)->Left(), Group->Buttons(15)->Left());
  EXPECT_EQ(Group->Buttons(19)->Top(), Group->Buttons(4)->Top());
  for (int i = 0; i < 20; ++i)
    EXPECT_TRUE(Group->Buttons(i)->Visible()) << i;
}

TEST_F(RoleGroup, AssigningTheIndexChecksTheClampedButtonSilently) {
  const std::pair<int, int> rows[] = {{3, 3}, {25, 19}, {-5, -1}, {0, 0}};
  for (const auto& [assigned, index] : rows) {
    Group->SetItemIndex(assigned);
    ExpectChoice(index, assigned);
  }
  EXPECT_TRUE(Events.empty());
}

TEST_F(RoleGroup, ClickingAnotherRoleClicksThenChangesOnce) {
  Group->SetItemIndex(2);
  ClickRole(7);
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change 7"}));
  ExpectChoice(7, __LINE__);
  Events.clear();
  ClickRole(7);
  EXPECT_TRUE(Events.empty()) << "the checked role";
}

TEST_F(RoleGroup, ArrowKeysMoveTheChoiceWithinTheGroup) {
  ASSERT_TRUE(FocusRole(4));
  Events.clear();
  KeyOn(4, VK_DOWN);
  EXPECT_EQ(Group->ItemIndex(), 5);
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change 5"}));
  KeyOn(5, VK_UP);
  EXPECT_EQ(Group->ItemIndex(), 4);
}

// The button passes its keys on to the group, but not one the form took first.
TEST_F(RoleGroup, AKeyTheFormTakesReachesTheFormOnce) {
  std::vector<WORD> previewed;
  Form.SetKeyPreview(true);
  Form.OnKeyDown = [&previewed](TObject*, WORD& key, TShiftState) {
    previewed.push_back(key);
    if (key == VK_F9)
      key = 0;
  };
  ASSERT_TRUE(FocusRole(4));
  KeyOn(4, VK_F9);
  EXPECT_EQ(previewed, std::vector<WORD>{VK_F9});
  KeyOn(4, VK_DOWN);
  EXPECT_EQ(Group->ItemIndex(), 5) << "a key the form leaves still moves the choice";
}

TEST_F(RoleGroup, ButtonsTakeTheirHelpContextFromTheGroup) {
  Group->SetHelpContext(100);
  const std::pair<TMVWChildHelpContextID, int> rows[] = {
      {ciSameAsParent, 100}, {ciAutoNumbered, 103}, {ciDefault, 0}};
  for (const auto& [mode, context] : rows) {
    Group->SetHelpContextBtn(mode);
    EXPECT_EQ(Group->Buttons(2)->HelpContext(), context) << int(mode);
  }
}

TEST_F(RoleGroup, FewerItemsLowerTheIndex) {
  Group->SetItemIndex(19);
  while (Group->Items().Count() > 10)
    Group->Items().Delete(Group->Items().Count() - 1);
  EXPECT_EQ(Group->ButtonCount(), 10);
  ExpectChoice(9, __LINE__);
  EXPECT_TRUE(Events.empty());
}

TEST_F(RoleGroup, AReadOnlyGroupKeepsItsChoice) {
  Group->SetItemIndex(1);
  Group->SetReadOnly(true);
  ClickRole(3);
  ExpectChoice(1, __LINE__);
  EXPECT_TRUE(Events.empty());
}

using Groups = OnAForm;
using RadioGroupFocus = OnAForm;

TEST_F(Groups, RepaintsLeaveNoGdiObjectBehind) {
  Form.SetBounds(0, 0, 400, 200);
  EventGroup(Form, 10)->SetAlignment(gcaLeftCenter);
  Place<TMVWCheckBox>(Form, 220, 10, 150, 20)->SetCaption("Test Mode On if Checked");
  Form.Show();
  const auto repaint = [&] {
    RedrawWindow(Form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  repaint();
  const long before = GdiLiveCount();
  for (int paint = 0; paint < 1000; ++paint)
    repaint();
  EXPECT_EQ(GdiLiveCount(), before);
}

// Tab and Shift+Tab move the focus one control at a time: into a group that is a tab stop (its
// checked button), out of it from that button, and past a group that is not; Enter and
// accelerators typed on a button reach the form once.
TEST_F(RadioGroupFocus, TabAndShiftTabStepOverTheGroupOnce) {
  Form.SetBounds(0, 0, 300, 220);
  std::vector<std::string> entered;
  const auto watch = [&entered](TWinControl* control, const std::string& name) {
    control->OnEnter = [&entered, name](TObject*) { entered.push_back(name); };
    return control;
  };
  TWinControl* first = watch(Place<TMVWEdit>(Form, 10, 10, 200, 21), "first");
  auto* group = EventGroup(Form, 40);
  watch(group->Buttons(0), "button 0");
  watch(group->Buttons(1), "button 1");
  TWinControl* last = watch(Place<TMVWEdit>(Form, 10, 150, 200, 21), "last");
  Form.Show();
  const auto press = [&entered](TWinControl& from, bool shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    entered.clear();
    SendMessageA(from.Handle(), WM_KEYDOWN, VK_TAB, 0);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
    return entered;
  };
  using TEntered = std::vector<std::string>;
  struct Step {
    bool GroupTabStop;
    TWinControl* From;
    bool Shift;
    TEntered Entered;
  };
  const Step steps[] = {
      {true, first, false, {"button 1"}}, {true, group->Buttons(1), false, {"last"}},
      {true, last, true, {"button 1"}},   {true, group->Buttons(1), true, {"first"}},
      {false, first, false, {"last"}},    {false, last, true, {"first"}}};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Step& step = steps[i];
    group->SetTabStop(step.GroupTabStop);
    ASSERT_TRUE(test::TakeFocus(step.From->Handle())) << i;
    EXPECT_EQ(press(*step.From, step.Shift), step.Entered) << "step " << i;
  }
  auto* ok = Place<TButton>(Form, 220, 10, 60, 25);
  ok->SetDefault(true);
  int okClicks = 0;
  ok->OnClick = [&okClicks](TObject*) { ++okClicks; };
  ASSERT_TRUE(test::TakeFocus(group->Buttons(1)->Handle()));
  SendMessageA(group->Buttons(1)->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(okClicks, 1) << "Enter clicks the default button once";
  auto* autosave = Place<TMVWCheckBox>(Form, 220, 50, 70, 17);
  autosave->SetCaption("&Autosave");
  SendMessageA(group->Buttons(1)->Handle(), WM_CHAR, 'a', 0);
  EXPECT_TRUE(autosave->Checked()) << "an accelerator toggles once";
}

} // namespace
} // namespace marivo
