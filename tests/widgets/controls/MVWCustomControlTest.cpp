#include "widgets/controls/MVWCustomControl.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWGraphicControl.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/Snapshot.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::TMessageRecorder;
using test::TRecording;

TMessageRecorder* LoadLog = nullptr;

// A windowed widget whose parent-background image can be switched on.
class TBackPanel : public TRecording<TMVWCustomControl> {
public:
  TBackPanel(TComponent* owner, TMessageRecorder& log, const std::string& name)
      : TRecording<TMVWCustomControl>(owner, log, name) {}
  explicit TBackPanel(TComponent* owner) : TBackPanel(owner, *LoadLog, "") {}
  bool HasBackImage() override { return BackImage; }
  bool BackImage = true;
};

// A window-less widget counting its repaints; Ping sends its parent a background change, as any
// setter run from form data could.
class TPingKey : public TRecording<TMVWBaseGraphicControl> {
public:
  TPingKey(TComponent* owner, TMessageRecorder& log, const std::string& name)
      : TRecording<TMVWBaseGraphicControl>(owner, log, name) {}
  explicit TPingKey(TComponent* owner) : TPingKey(owner, *LoadLog, "") {}
  void Changed() override {
    ++Changes;
    TRecording<TMVWBaseGraphicControl>::Changed();
  }
  int Ping() const { return 0; }
  void SetPing(int) {
    if (Parent())
      Parent()->Perform(CM_MVWBACKCHANGED, 0, 0);
  }
  int Changes = 0;
};

class MVWCustomControlTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterControlClasses();
    [[maybe_unused]] static const bool registered = [] {
      RegisterComponentClass<TBackPanel, TMVWCustomControl>("TBackPanel");
      RegisterComponentClass<TPingKey, TMVWBaseGraphicControl>("TPingKey")
          .Integer("Ping", &TPingKey::Ping, &TPingKey::SetPing, 0);
      return true;
    }();
    LoadLog = &Log;
    MVWApplication->SetThemeActiveSeam(false);
    Form = std::make_unique<TRecording<TForm>>(nullptr, Log, "Form");
    Form->SetBounds(100, 100, 400, 300);
  }
  void TearDown() override {
    Form.reset();
    LoadLog = nullptr;
  }
  template <class T = TRecording<TMVWCustomControl>>
  T* Add(const std::string& name, TWinControl& parent, RECT bounds) {
    auto* control = new T(Form.get(), Log, name);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    control->SetParent(&parent);
    return control;
  }
  // A widget on the form that notes its four focus events.
  TMVWCustomControl* Focusable(const std::string& name, RECT bounds) {
    auto* control = Add(name, *Form, bounds);
    control->OnEnter = Log.Noting(name, "OnEnter");
    control->OnExit = Log.Noting(name, "OnExit");
    control->OnAfterEnter = Log.Noting(name, "OnAfterEnter");
    control->OnAfterExit = Log.Noting(name, "OnAfterExit");
    return control;
  }
  void ShowForm() {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    App.ProcessMessages();
  }
  // The form shown with the focus on control and every posted focus event handled.
  bool ShowFocused(TWinControl& control) {
    ShowForm();
    return test::TakeFocus(control.Handle()) && test::PumpPosted();
  }

  TApplication App;
  TMVWFoundation Foundation;
  TMessageRecorder Log;
  std::unique_ptr<TForm> Form;
};

TEST_F(MVWCustomControlTest, FocusEventsRunExitEnterThenThePostedAfterEvents) {
  auto* a = Focusable("A", {10, 10, 100, 40});
  auto* b = Focusable("B", {10, 60, 100, 40});
  ASSERT_TRUE(ShowFocused(*a));
  EXPECT_TRUE(a->HasFocus());
  Log.Clear();

  b->SetFocus();
  EXPECT_EQ(Log.Sequence(), (std::vector<std::string>{"A.OnExit", "B.OnEnter"}))
      << "the after-events wait for the message loop";
  ASSERT_TRUE(test::PumpPosted());
  EXPECT_EQ(Log.Sequence(),
            (std::vector<std::string>{"A.OnExit", "B.OnEnter", "A.OnAfterExit", "B.OnAfterEnter"}));
  EXPECT_EQ(Form->ActiveControl(), b);
  EXPECT_FALSE(a->HasFocus());

  a->SetFocus();
  ASSERT_TRUE(test::PumpPosted());
  Log.Clear();
  b->SetFocus();
  delete b;
  ASSERT_TRUE(test::PumpPosted());
  EXPECT_EQ(Log.Sequence(), (std::vector<std::string>{"A.OnExit", "B.OnEnter", "A.OnAfterExit"}))
      << "a control gone before its posted event loses it";
  EXPECT_EQ(Form->ActiveControl(), nullptr);
}

// Another window taking the focus for a while (a message box) leaves the form's active control
// as it is: only the after-events follow the real focus.
TEST_F(MVWCustomControlTest, FocusVisitingAnotherWindowRunsOnlyTheAfterEvents) {
  auto* a = Focusable("A", {10, 10, 100, 40});
  ASSERT_TRUE(ShowFocused(*a));
  Log.Clear();
  TForm box(nullptr);
  box.SetBounds(150, 150, 200, 100);
  box.Show();
  ASSERT_TRUE(test::TakeFocus(box.Handle()));
  ASSERT_TRUE(test::TakeFocus(a->Handle()));
  ASSERT_TRUE(test::PumpPosted());
  EXPECT_EQ(Log.Sequence(), (std::vector<std::string>{"A.OnAfterExit", "A.OnAfterEnter"}));
  EXPECT_EQ(Form->ActiveControl(), a);
}

// A panel that keeps a 5-pixel margin around its aligned children.
class TMarginPanel : public TMVWCustomControl {
public:
  using TMVWCustomControl::TMVWCustomControl;

protected:
  void AlignControls(TControl* control, RECT& rect) override {
    InflateRect(&rect, -5, -5);
    TMVWCustomControl::AlignControls(control, rect);
  }
};

TEST_F(MVWCustomControlTest, AlignmentHappensInTheRectangleAPanelGives) {
  auto* panel = new TMarginPanel(Form.get());
  panel->SetBounds(0, 0, 100, 60);
  panel->SetParent(Form.get());
  auto* child = new TMVWCustomControl(Form.get());
  child->SetParent(panel);
  child->SetAlign(alClient);
  EXPECT_EQ((std::array{child->Left(), child->Top(), child->Width(), child->Height()}),
            (std::array{5, 5, 90, 50}));
}

TEST_F(MVWCustomControlTest, RecreatingTheWindowKeepsTheFocusWithoutFocusEvents) {
  auto* a = Focusable("A", {10, 10, 100, 40});
  a->SetTransparent(true);
  EXPECT_FALSE(a->HandleAllocated()) << "no window is made only to be recreated";
  ASSERT_TRUE(ShowFocused(*a));
  Log.Clear();
  const HWND before = a->Handle();
  a->SetTransparent(false);
  EXPECT_NE(a->Handle(), before);
  EXPECT_EQ(GetFocus(), a->Handle());
  EXPECT_EQ(Form->ActiveControl(), a);
  EXPECT_EQ(Log.Sequence(), std::vector<std::string>{});
}

// Who hears a widget message sent to panel P, whose children are the window-less key K and the
// windowed widget C.
TEST_F(MVWCustomControlTest, WidgetMessagesReachTheChildrenAsTheBackgroundAndThemeSay) {
  auto* panel = Add<TBackPanel>("P", *Form, {10, 10, 200, 100});
  auto* key = Add<TPingKey>("K", *panel, {5, 5, 30, 30});
  Add("C", *panel, {50, 5, 100, 40});
  panel->SetTransparent(true);
  Form->HandleNeeded();
  const struct {
    UINT Msg;
    bool BackImage;
    std::vector<std::string> Children;
    int KeyChanges;
  } cases[] = {
      {CM_MVWBACKCHANGED, true, {"K", "C"}, 1},
      {CM_MVWBACKCHANGED, false, {}, 0},
      {CM_MVWPARENTBACKCHANGED, true, {"K", "C"}, 1},
      {CM_MVWPARENTBACKCHANGED, false, {}, 0},
      {CM_MVWTHEMECHANGED, false, {"K", "C"}, 0},
      {CM_MVWGRAPHICBACKCHANGED, true, {}, 0},
      {CM_MVWBEVELCHANGED, true, {}, 0},
      {0xB0D2, true, {}, 0},
      {0xB0D3, true, {}, 0},
      {0xB0D5, true, {}, 0},
  };
  for (const auto& c : cases) {
    panel->BackImage = c.BackImage;
    key->Changes = 0;
    Log.Clear();
    EXPECT_EQ(panel->Perform(c.Msg, 0, 0), 0);
    std::vector<std::string> children;
    for (const UINT heard : {CM_MVWBACKCHANGED, CM_MVWTHEMECHANGED})
      for (const std::string& name : Log.Receivers(heard))
        if (name != "P")
          children.push_back(name);
    EXPECT_EQ(children, c.Children) << std::hex << c.Msg << " back image " << c.BackImage;
    EXPECT_EQ(key->Changes, c.KeyChanges) << std::hex << c.Msg;
  }
  key->SetTransparent(false);
  key->Changes = 0;
  panel->BackImage = true;
  panel->Perform(CM_MVWBACKCHANGED, 0, 0);
  EXPECT_EQ(key->Changes, 0) << "an opaque key shows no parent background";
}

TEST_F(MVWCustomControlTest, NoBackgroundChangeTravelsWhileTheFormLoads) {
  ReadComponentFromText(*Form,
                        "object Form: TForm\n"
                        "  object P: TBackPanel\n"
                        "    Width = 200\n"
                        "    object K: TPingKey\n"
                        "      Ping = 1\n"
                        "    end\n"
                        "  end\n"
                        "end\n",
                        "loading");
  auto& key = NamedComponent<TPingKey>(*Form, "K");
  auto& panel = NamedComponent<TBackPanel>(*Form, "P");
  panel.SetTransparent(true);
  EXPECT_EQ(Log.Receivers(CM_MVWBACKCHANGED), std::vector<std::string>{"P"});
  EXPECT_EQ(key.Changes, 0);
  Form->HandleNeeded();
  Log.Clear();
  key.Changes = 0;
  key.SetPing(1);
  EXPECT_EQ(Log.Receivers(CM_MVWBACKCHANGED), (std::vector<std::string>{"P", "K"}));
  EXPECT_EQ(key.Changes, 1);
}

TEST_F(MVWCustomControlTest, ChildrenFollowTheParentsCtl3DUnlessTheyChoseTheirOwn) {
  auto* panel = Add("P", *Form, {10, 10, 200, 100});
  auto* follows = Add("F", *panel, {5, 5, 50, 20});
  auto* own = Add("O", *panel, {5, 30, 50, 20});
  own->SetParentCtl3D(false);
  Log.Clear();
  panel->SetCtl3D(false);
  EXPECT_FALSE(follows->Ctl3D());
  EXPECT_TRUE(follows->ParentCtl3D());
  EXPECT_TRUE(own->Ctl3D());
  EXPECT_EQ(Log.Receivers(CM_CTL3DCHANGED), (std::vector<std::string>{"P", "F"}));
}

// The colour a window shows at a point of its window rectangle.
COLORREF PixelOf(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return color;
}

TEST_F(MVWCustomControlTest, OpaqueAndPlainTransparentWidgetsFillTheirColour) {
  auto* opaque = Add("O", *Form, {10, 10, 100, 40});
  opaque->SetColor(clLime);
  auto* plain = Add("T", *Form, {10, 60, 100, 40});
  plain->SetColor(clAqua);
  plain->SetTransparent(true);
  ShowForm();
  test::SnapshotForm(*Form, "widget-bases-fill");
  EXPECT_EQ(PixelOf(opaque->Handle(), 50, 20), ColorToRGB(clLime));
  EXPECT_EQ(PixelOf(plain->Handle(), 50, 20), ColorToRGB(clAqua))
      << "without a parent background image a see-through widget fills like an opaque one";
}

TEST_F(MVWCustomControlTest, FlatBorderIsButtonFaceColdAndSunkenWhenFocused) {
  auto* other = Add("X", *Form, {10, 10, 100, 40});
  auto* flat = Add("F", *Form, {10, 60, 100, 40});
  flat->SetColor(clYellow);
  flat->SetFlat(true);
  ShowForm();
  ASSERT_TRUE(test::TakeFocus(other->Handle()));
  RedrawWindow(flat->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const struct {
    POINT At;
    COLORREF Cold;
    COLORREF Hot;
  } rings[] = {
      {{0, 0}, face, GetSysColor(COLOR_BTNSHADOW)},
      {{1, 1}, face, GetSysColor(COLOR_WINDOWFRAME)},
      {{98, 38}, face, face},
      {{99, 39}, face, GetSysColor(COLOR_BTNHIGHLIGHT)},
      {{50, 20}, ColorToRGB(clYellow), ColorToRGB(clYellow)},
  };
  for (const auto& ring : rings)
    EXPECT_EQ(PixelOf(flat->Handle(), ring.At.x, ring.At.y), ring.Cold) << "cold " << ring.At.x;
  flat->SetFocus();
  for (const auto& ring : rings)
    EXPECT_EQ(PixelOf(flat->Handle(), ring.At.x, ring.At.y), ring.Hot) << "hot " << ring.At.x;
}

TEST_F(MVWCustomControlTest, WindowsBevelDrawsTheSunkenClientEdge) {
  auto* key = Add<TRecording<TMVWGraphicControl>>("K", *Form, {20, 20, 60, 40});
  key->Bevel().SetMode(bmWindows);
  EXPECT_EQ(key->BevelExtent(), 2);
  EXPECT_EQ(key->BevelSpace(), 4);
  ShowForm();
  RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(Form->Handle());
  // Only the outer ring goes all round; inside it the key's own background shows.
  const struct {
    POINT At;
    COLORREF Color;
  } edge[] = {
      {{20, 20}, GetSysColor(COLOR_BTNSHADOW)},
      {{21, 21}, GetSysColor(COLOR_3DDKSHADOW)},
      {{79, 59}, GetSysColor(COLOR_BTNHIGHLIGHT)},
      {{78, 58}, ColorToRGB(Form->Color())},
  };
  for (const auto& point : edge)
    EXPECT_EQ(GetPixel(dc, point.At.x, point.At.y), point.Color) << point.At.x << "," << point.At.y;
  ReleaseDC(Form->Handle(), dc);
}

} // namespace
} // namespace marivo
