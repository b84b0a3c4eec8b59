#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace marivo {
namespace {

// A focusable control that may ask for the Tab key.
class TField : public TCustomControl {
public:
  TField(TWinControl* parent, const std::string& name, int left) : TCustomControl(parent) {
    SetName(name);
    SetParent(parent);
    SetBounds(left, 10, 40, 20);
    SetTabStop(true);
  }
  void WndProc(TMessage& message) override {
    TCustomControl::WndProc(message);
    if (message.Msg == WM_GETDLGCODE && WantsTab)
      message.Result |= DLGC_WANTTAB;
    if (message.Msg == WM_GETDLGCODE && WantsArrows)
      message.Result |= DLGC_WANTARROWS;
  }
  using TWinControl::RecreateWnd;
  bool WantsTab = false;
  bool WantsArrows = false;
};

class FocusTest : public ::testing::Test {
protected:
  void SetUp() override {
    Form.SetBounds(50, 50, 400, 200);
    A = new TField(&Form, "A", 10);
    B = new TField(&Form, "B", 60);
    Skipped = new TField(&Form, "Skipped", 110);
    Skipped->SetTabStop(false);
    Off = new TField(&Form, "Off", 160);
    Off->SetEnabled(false);
    C = new TField(&Form, "C", 210);
    Form.Show();
    ASSERT_TRUE(test::TakeFocus(A->Handle()));
  }
  std::string FocusedName() {
    TWinControl* control = FindControl(GetFocus());
    return control ? control->Name() : "none";
  }

  TApplication App;
  TForm Form{nullptr};
  TField *A, *B, *Skipped, *Off, *C;
};

TEST_F(FocusTest, TabAndNextDialogControlGoRoundTheTabStops) {
  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    SendMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    seen.push_back(FocusedName());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"B", "C", "A", "B"}));
  SendMessageA(Form.Handle(), WM_NEXTDLGCTL, 1, 0); // the one before
  EXPECT_EQ(FocusedName(), "A");
  SendMessageA(Form.Handle(), WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(FocusedName(), "C");
  SendMessageA(Form.Handle(), WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(FocusedName(), "A");
  SendMessageA(Form.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(C->Handle()), 1);
  EXPECT_EQ(FocusedName(), "C");

  C->WantsTab = true;
  SendMessageA(C->Handle(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(FocusedName(), "C"); // the control asked for the key
  B->SetTabOrder(0); // B, A, Skipped, Off, C
  SendMessageA(Form.Handle(), WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(FocusedName(), "B");
}

TEST_F(FocusTest, ArrowKeysGoRoundTheSiblingsThatCanTakeTheFocus) {
  const auto press = [this](WPARAM key) {
    SendMessageA(GetFocus(), WM_KEYDOWN, key, 0);
    return FocusedName();
  };
  std::vector<std::string> seen;
  for (WPARAM key : {VK_RIGHT, VK_DOWN, VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP})
    seen.push_back(press(key));
  // Not a tab stop is no matter; disabled is.
  EXPECT_EQ(seen, (std::vector<std::string>{"B", "Skipped", "C", "A", "C", "Skipped"}));

  Skipped->WantsArrows = true;
  EXPECT_EQ(press(VK_RIGHT), "Skipped") << "the control asked for the key";
  Skipped->WantsArrows = false;

  // Only the siblings: a control inside another stays among its own.
  auto* inner = new TField(B, "Inner", 0);
  auto* alone = new TField(C, "Alone", 0);
  ASSERT_TRUE(test::TakeFocus(inner->Handle()));
  EXPECT_EQ(press(VK_DOWN), "Inner");
  ASSERT_TRUE(test::TakeFocus(alone->Handle()));
  EXPECT_EQ(press(VK_UP), "Alone");
  // A key sent to a control without the focus moves nothing.
  SendMessageA(A->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(FocusedName(), "Alone");
}

TEST_F(FocusTest, AReplacedWindowProcSeesEveryMessageAndOutlivesTheWindow) {
  std::vector<UINT> seen;
  const TWndMethod original = B->WindowProc;
  B->WindowProc = [&](TMessage& message) {
    seen.push_back(message.Msg);
    original(message);
  };
  B->Perform(WM_USER + 7, 0, 0);
  HWND before = B->Handle();
  B->SetFocus();
  B->RecreateWnd();
  EXPECT_NE(B->Handle(), before);
  EXPECT_EQ(FocusedName(), "B");
  SendMessageA(B->Handle(), WM_USER + 8, 0, 0);
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_USER + 7), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_USER + 8), seen.end());
  B->WindowProc = original;
}

TEST_F(FocusTest, TheScreenCursorWinsOverTheControlsOwn) {
  B->SetCursor(crIBeam);
  auto setCursor = [&] {
    return SendMessageA(B->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(B->Handle()),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  };
  SetCursorPosSeam(POINT{0, 0});
  EXPECT_EQ(setCursor(), 1);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_IBEAM));
  Screen().SetCursor(crHourGlass);
  EXPECT_EQ(setCursor(), 1);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  Screen().SetCursor(crDefault);
  B->SetCursor(crDefault);
  EXPECT_EQ(setCursor(), 0); // the window class decides
  SetCursorPosSeam(std::nullopt);
}

// The form would later send the exit to a control that is elsewhere, or freed.
TEST_F(FocusTest, AControlTakenOffTheFormIsNoLongerItsActiveControl) {
  ASSERT_EQ(Form.ActiveControl(), A);
  A->SetParent(nullptr);
  EXPECT_EQ(Form.ActiveControl(), nullptr);
  delete A;

  auto* holder = new TField(&Form, "Holder", 260);
  auto* inner = new TField(holder, "Inner", 0);
  ASSERT_TRUE(test::TakeFocus(inner->Handle()));
  ASSERT_EQ(Form.ActiveControl(), inner);
  auto* other = new TField(&Form, "Other", 320);
  holder->SetParent(other);
  EXPECT_EQ(Form.ActiveControl(), inner) << "still on the form";
  holder->SetParent(nullptr);
  EXPECT_EQ(Form.ActiveControl(), nullptr) << "it went with its parent";
  delete holder;

  std::vector<std::string> exits;
  B->OnExit = [&exits](TObject* sender) {
    exits.push_back(static_cast<TControl*>(sender)->Name());
  };
  ASSERT_TRUE(test::TakeFocus(B->Handle()));
  ASSERT_TRUE(test::TakeFocus(C->Handle()));
  EXPECT_EQ(exits, std::vector<std::string>{"B"});
}

} // namespace
} // namespace marivo
