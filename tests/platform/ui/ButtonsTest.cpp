#include "platform/ui/Buttons.h"
#include "tests/platform/ui/StdCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

class StdCtrlsButton : public test::StdCtrlsFixture {};

TEST_F(StdCtrlsButton, ARealClickSpaceOrEnterClicksOnce) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  EXPECT_TRUE(GetWindowLongA(send.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  SendMessageA(send.Handle(), BM_CLICK, 0, 0);
  App.ProcessMessages();
  EXPECT_EQ(Form->Fired["SendButton"], 1);

  send.SetFocus();
  PressKey(send.Handle(), VK_SPACE);
  App.ProcessMessages();
  EXPECT_EQ(Form->Fired["SendButton"], 2);

  SendMessageA(send.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  App.ProcessMessages();
  EXPECT_EQ(Form->Fired["SendButton"], 3);
}

TEST_F(StdCtrlsButton, EnterAndEscReachDefaultAndCancelFromOtherControls) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  auto& judges = Find<TListBox>("JudgesList");
  judges.SetFocus();
  App.ProcessMessages();
  EXPECT_TRUE(send.Active());
  SendMessageA(judges.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 1);
  SendMessageA(judges.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 1);
  send.SetCancel(true);
  SendMessageA(judges.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 2);

  // Another button with the focus is the one Enter stands for.
  auto* other = new TButton(Form);
  other->SetParent(Form);
  other->SetBounds(300, 10, 75, 25);
  other->SetFocus();
  App.ProcessMessages();
  EXPECT_FALSE(send.Active());
  EXPECT_FALSE(GetWindowLongA(send.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongA(other->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  judges.SetFocus();
  App.ProcessMessages();
  EXPECT_TRUE(GetWindowLongA(send.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(StdCtrlsButton, ClickInCodeRunsOnClickEvenWhenDisabled) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  send.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(send.Handle()));
  send.Click();
  EXPECT_EQ(Form->Fired["SendButton"], 1);
}

TEST_F(StdCtrlsButton, KeyDownHandlerThatTakesEnterStopsTheClick) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  send.OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
  SendMessageA(send.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 0);
}

} // namespace
} // namespace marivo
