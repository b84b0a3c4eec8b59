#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWCustomControl.h"

#include "platform/ui/Forms.h"
#include "tests/support/MessageRecorder.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::TMessageRecorder;
using test::TRecording;

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

// A window-less widget that notes its events and answers the accelerator '1'.
class TKey : public TRecording<TMVWControl> {
public:
  TKey(TComponent* owner, TMessageRecorder& recorder, const std::string& name)
      : TRecording<TMVWControl>(owner, recorder, name) {
    OnMouseEnter = recorder.Noting(name, "OnMouseEnter");
    OnMouseExit = recorder.Noting(name, "OnMouseExit");
    OnClick = recorder.Noting(name, "OnClick");
    OnDblClick = recorder.Noting(name, "OnDblClick");
    OnMouseUp = [&recorder, name](TObject*, TMouseButton, TShiftState, int, int) {
      recorder.Note(name, "OnMouseUp");
    };
  }
  void WndProc(TMessage& message) override {
    TRecording<TMVWControl>::WndProc(message);
    if (message.Msg == CM_DIALOGCHAR && message.WParam == '1')
      message.Result = 1;
  }
};

// A form 300 x 200: keys A (10, 10) and B (50, 10), 30 pixels square, and the windowed widget W
// at (100, 10) holding key C at (5, 5).
class MVWMouse : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterControlClasses();
    MVWApplication->SetThemeActiveSeam(false);
    Form = std::make_unique<TRecording<TForm>>(nullptr, Log, "Form");
    Form->SetBounds(0, 0, 300, 200);
    A = Key("A", *Form, 10, 10);
    B = Key("B", *Form, 50, 10);
    W = new TRecording<TMVWCustomControl>(Form.get(), Log, "W");
    W->SetBounds(100, 10, 100, 40);
    W->SetParent(Form.get());
    W->OnMouseEnter = Log.Noting("W", "OnMouseEnter");
    W->OnMouseExit = Log.Noting("W", "OnMouseExit");
    C = Key("C", *W, 5, 5);
  }
  TKey* Key(const std::string& name, TWinControl& parent, int left, int top) {
    auto* key = new TKey(Form.get(), Log, name);
    key->SetBounds(left, top, 30, 30);
    key->SetParent(&parent);
    return key;
  }
  std::vector<std::string> Seen() {
    return Log.Sequence({{CM_MOUSEENTER, "enter"},
                         {CM_MOUSELEAVE, "leave"},
                         {WM_CAPTURECHANGED, "capture lost"},
                         {CM_DIALOGCHAR, "dialog char"}});
  }

  // Without the form's and W's own window messages.
  std::vector<std::string> SeenByKeys() {
    std::vector<std::string> seen;
    for (const std::string& entry : Seen())
      if (entry.rfind("Form", 0) != 0 && entry.rfind("W", 0) != 0)
        seen.push_back(entry);
    return seen;
  }

  TMVWFoundation Foundation;
  TMessageRecorder Log;
  std::unique_ptr<TForm> Form;
  TKey* A = nullptr;
  TKey* B = nullptr;
  TKey* C = nullptr;
  TMVWCustomControl* W = nullptr;
};

TEST_F(MVWMouse, LeaveComesBeforeEnterOverWindowLessAndWindowedControlsAndEventsNeedEnabled) {
  B->SetEnabled(false);
  for (const POINT at : {POINT{20, 20}, {25, 25}, {60, 20}, {150, 150}})
    Form->Perform(WM_MOUSEMOVE, 0, At(at.x, at.y));
  for (const POINT at : {POINT{10, 10}, {50, 30}})
    W->Perform(WM_MOUSEMOVE, 0, At(at.x, at.y));
  Form->Perform(WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(W->MouseAbove(), true) << "the form's own leave is not the child window's";
  W->Perform(WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Seen(),
            (std::vector<std::string>{"A enter", "A.OnMouseEnter", "A leave", "A.OnMouseExit",
                                      "B enter", "B leave", "Form enter", "Form leave", "C enter",
                                      "C.OnMouseEnter", "C leave", "C.OnMouseExit", "W enter",
                                      "W.OnMouseEnter", "W leave", "W.OnMouseExit"}));
  EXPECT_FALSE(W->MouseAbove());
}

TEST_F(MVWMouse, ClickAndDoubleClickFollowTheControlStyle) {
  const struct {
    TControlStyle Style;
    UINT Press;
    std::vector<std::string> Events;
  } cases[] = {
      {csCaptureMouse | csClickEvents | csDoubleClicks,
       WM_LBUTTONDOWN,
       {"A.OnMouseUp", "A.OnClick"}},
      {csCaptureMouse, WM_LBUTTONDOWN, {"A.OnMouseUp"}},
      {csCaptureMouse | csClickEvents | csDoubleClicks,
       WM_LBUTTONDBLCLK,
       {"A.OnDblClick", "A.OnMouseUp"}},
      // Without double clicks the second press is a press like the first.
      {csCaptureMouse | csClickEvents, WM_LBUTTONDBLCLK, {"A.OnMouseUp", "A.OnClick"}},
      {csCaptureMouse | csDoubleClicks, WM_LBUTTONDBLCLK, {"A.OnMouseUp"}},
  };
  for (const auto& c : cases) {
    A->SetControlStyle(c.Style);
    Log.Clear();
    Form->Perform(c.Press, MK_LBUTTON, At(20, 20));
    Form->Perform(WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(Seen(), c.Events) << "style " << c.Style << " press " << c.Press;
  }
}

TEST_F(MVWMouse, OnlyACapturingControlKeepsTheMouseAndHearsWhenItIsTaken) {
  Form->HandleNeeded();
  // Released outside: the capturing key hears the release (and does not click).
  Form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  Log.Clear();
  Form->Perform(WM_LBUTTONUP, 0, At(150, 150));
  EXPECT_EQ(SeenByKeys(), (std::vector<std::string>{"A.OnMouseUp"}));

  A->SetControlStyle(A->ControlStyle() & ~csCaptureMouse);
  Form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  Log.Clear();
  Form->Perform(WM_LBUTTONUP, 0, At(150, 150));
  EXPECT_EQ(SeenByKeys(), std::vector<std::string>{});

  A->SetControlStyle(A->ControlStyle() | csCaptureMouse);
  Form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  Log.Clear();
  Form->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(W->Handle()));
  Form->Perform(WM_LBUTTONUP, 0, At(150, 150));
  EXPECT_EQ(SeenByKeys(), (std::vector<std::string>{"A capture lost"}))
      << "the press is over: the release goes to nobody";
}

// The form took the mouse for the pressed key: with the key gone it must give it back, or every
// click of the program keeps landing on the form.
TEST_F(MVWMouse, AKeyFreedByItsOwnPressLeavesTheMouseFree) {
  Form->HandleNeeded();
  A->OnMouseDown = [](TObject* sender, TMouseButton, TShiftState, int, int) { delete sender; };
  Form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  A = nullptr;
  EXPECT_NE(GetCapture(), Form->Handle());
  Form->Perform(WM_LBUTTONUP, 0, At(20, 20));
  EXPECT_NE(GetCapture(), Form->Handle());
}

TEST_F(MVWMouse, CharactersNobodyUsesAskTheControlsUntilOneAnswers) {
  Form->HandleNeeded();
  const struct {
    UINT Msg;
    WPARAM Char;
    std::vector<std::string> Receivers;
  } cases[] = {
      {WM_SYSCHAR, '1', {"Form", "A"}},
      {WM_CHAR, '1', {"Form", "A"}},
      {WM_CHAR, '2', {"Form", "A", "B", "W", "C"}},
  };
  for (const auto& c : cases) {
    Log.Clear();
    W->Perform(c.Msg, c.Char, 0);
    EXPECT_EQ(Log.Receivers(CM_DIALOGCHAR), c.Receivers) << c.Msg << " " << c.Char;
  }
  Log.Clear();
  W->OnKeyPress = [](TObject*, char& key) { key = 0; };
  W->Perform(WM_CHAR, '1', 0);
  EXPECT_TRUE(Log.Receivers(CM_DIALOGCHAR).empty()) << "a used character is no accelerator";
}

} // namespace
} // namespace marivo
