#include "platform/ui/Forms.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Images.h"
#include "platform/ui/Panels.h"
#include "tests/support/ModalScript.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace marivo {
namespace {

class TShowcaseForm : public TForm {
public:
  using TForm::TForm;
  std::vector<std::string> Events;
  bool AllowClose = true;
  // 1: a system error, 2: something that is no standard exception at all.
  int ThrowOnCloseQuery = 0;

  void FormCreate(TObject*) { Events.push_back("create:" + Caption()); }
  void FormShow(TObject*) { Events.push_back("show:" + std::to_string(HandleAllocated())); }
  void FormClose(TObject*, TCloseAction&) { Events.push_back("close"); }
  void FormCloseQuery(TObject*, bool& canClose) {
    Events.push_back("query");
    if (ThrowOnCloseQuery == 1)
      throw EConvertError("'x' is not a valid integer value");
    if (ThrowOnCloseQuery == 2)
      throw 42;
    canClose = AllowClose;
  }
};

class TBrokenForm : public TForm {
public:
  using TForm::TForm;
};

struct TBox {
  std::string Text;
  std::string Caption;
  unsigned Flags;
};

class FormsTest : public ::testing::Test {
protected:
  void SetUp() override {
    static const bool registered = [] {
      RegisterComponentClass<TShowcaseForm, TForm>("TShowcaseForm")
          .Handler("FormCreate", &TShowcaseForm::FormCreate)
          .Handler("FormShow", &TShowcaseForm::FormShow)
          .Handler("FormClose", &TShowcaseForm::FormClose)
          .Handler("FormCloseQuery", &TShowcaseForm::FormCloseQuery);
      RegisterComponentClass<TBrokenForm, TForm>("TBrokenForm");
      return true;
    }();
    (void)registered;
    SetMessageBoxHandler(
        [this](const std::string& text, const std::string& caption, unsigned flags) {
          Boxes.push_back({text, caption, flags});
          return IDOK;
        });
    App.SetTitle("Marivo");
  }
  void TearDown() override { SetMessageBoxHandler(nullptr); }

  TApplication App;
  std::vector<TBox> Boxes;
};

TEST_F(FormsTest, FormComesFromItsFormDataAndRunsOnCreateOnce) {
  TShowcaseForm* form = nullptr;
  App.CreateForm(form);
  ASSERT_EQ(App.MainForm(), form);
  EXPECT_EQ(form->Name(), "ShowcaseForm");
  EXPECT_EQ(form->Caption(), "Marivo");
  EXPECT_EQ(form->Color(), clRed);
  EXPECT_EQ(form->Left(), 40);
  EXPECT_EQ(form->Width(), 420);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->Events, std::vector<std::string>{"create:Marivo"});
}

TEST_F(FormsTest, ShowRunsOnShowBeforeTheWindowAppearsAndPaintsTheFormColour) {
  TShowcaseForm* form = nullptr;
  App.CreateForm(form);
  form->Show();
  App.ProcessMessages();
  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->Events.back(), "show:0");

  RECT bounds;
  GetWindowRect(form->Handle(), &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 420);
  EXPECT_EQ(bounds.bottom - bounds.top, 260);

  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(form->Handle());
  const COLORREF pixel = GetPixel(dc, 20, 20);
  ReleaseDC(form->Handle(), dc);
  EXPECT_EQ(pixel, RGB(255, 0, 0));
}

TEST_F(FormsTest, CloseAsksFirstAndClosingTheMainFormEndsTheApplication) {
  TShowcaseForm* form = nullptr;
  App.CreateForm(form);
  form->Show();
  form->AllowClose = false;
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(App.Terminated());
  EXPECT_TRUE(form->Visible());

  form->AllowClose = true;
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(App.Terminated());
  EXPECT_EQ(form->Events,
            (std::vector<std::string>{"create:Marivo", "show:0", "query", "query", "close"}));
}

TEST_F(FormsTest, ErrorInAHandlerShowsTheStandardErrorBoxAndTheWindowLivesOn) {
  TShowcaseForm* form = nullptr;
  App.CreateForm(form);
  form->Show();
  for (const auto& [kind, text] :
       {std::pair{1, "'x' is not a valid integer value"}, std::pair{2, "Unknown error"}}) {
    Boxes.clear();
    form->ThrowOnCloseQuery = kind;
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(Boxes.size(), 1u) << text;
    EXPECT_EQ(Boxes[0].Text, text);
    EXPECT_EQ(Boxes[0].Caption, "Marivo");
    EXPECT_EQ(Boxes[0].Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONSTOP));
    EXPECT_TRUE(IsWindow(form->Handle()));
    EXPECT_FALSE(App.Terminated());
  }
}

TEST_F(FormsTest, BadOrMissingFormDataIsAReadErrorNamingWhereItIs) {
  TBrokenForm* broken = nullptr;
  try {
    App.CreateForm(broken);
    FAIL() << "the unknown property was accepted";
  } catch (const EReadError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("TBROKENFORM"), std::string::npos) << message;
    EXPECT_NE(message.find("(3)"), std::string::npos) << message;
    EXPECT_NE(message.find("Colour"), std::string::npos) << message;
  }

  TForm plain(&App);
  EXPECT_THROW(plain.LoadFromResource(), EResNotFound);
}

// Shared panels move to the page of the chosen role, also to a page never shown before.
TEST_F(FormsTest, AControlMovedToAParentWithoutAWindowAppearsThereWhenItIsShown) {
  TShowcaseForm* form = nullptr;
  App.CreateForm(form);
  auto* shownPage = new TPanel(form);
  shownPage->SetParent(form);
  auto* laterPage = new TPanel(form);
  laterPage->SetVisible(false);
  laterPage->SetParent(form);
  auto* shared = new TPanel(form);
  shared->SetParent(shownPage);
  form->Show();
  ASSERT_TRUE(shared->HandleAllocated());

  shared->SetParent(laterPage);
  shownPage->Hide();
  laterPage->Show();
  App.ProcessMessages();
  ASSERT_TRUE(shared->HandleAllocated());
  EXPECT_EQ(GetParent(shared->Handle()), laterPage->Handle());
  EXPECT_TRUE(IsWindowVisible(shared->Handle()));
}

// The reader thread hands frames to the main window with sent messages: a modal form must keep
// handling them, while the windows below it take no input.
TEST_F(FormsTest, AModalFormHandlesEveryMessageUntilItHasAResult) {
  TShowcaseForm* main = nullptr;
  App.CreateForm(main);
  main->Show();
  auto* dialog = new TForm(&App);
  dialog->SetBounds(60, 60, 200, 100);
  std::atomic<bool> handled = false;
  std::thread reader;
  const TModalResult result =
      test::ShowModalWith(*dialog, {[&] {
                                      EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
                                      EXPECT_FALSE(IsWindowEnabled(main->Handle()));
                                      reader = std::thread([&] {
                                        SendMessageA(main->Handle(), WM_NULL, 0, 0);
                                        handled = true;
                                      });
                                      return true;
                                    },
                                    [&] { return handled.load(); },
                                    [&] {
                                      dialog->SetModalResult(7);
                                      return true;
                                    }});
  App.ProcessMessages();
  reader.join();
  EXPECT_EQ(result, 7);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(FormsTest, ClosingOrHidingAModalFormCancelsIt) {
  TShowcaseForm* main = nullptr;
  App.CreateForm(main);
  auto* dialog = new TForm(&App);
  EXPECT_EQ(test::ShowModalWith(*dialog, {[&] {
              PostMessageA(dialog->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
              return true;
            }}),
            mrCancel);
  EXPECT_EQ(test::ShowModalWith(*dialog, {[&] {
              dialog->Hide();
              return true;
            }}),
            mrCancel);
  EXPECT_FALSE(App.Terminated());
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(FormsTest, MessageBoxesGoThroughTheReplaceableHandler) {
  EXPECT_EQ(
      ShowMessageBox("Press OK to confirm you want to exit this program.", "Marivo", MB_OKCANCEL),
      IDOK);
  App.HandleException(std::runtime_error("Could not connect"));
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[0].Flags, static_cast<unsigned>(MB_OKCANCEL));
  EXPECT_EQ(Boxes[1].Text, "Could not connect");
  EXPECT_EQ(Boxes[1].Caption, "Marivo");

  // A failing box must not let anything escape towards the system's window procedures.
  SetMessageBoxHandler([](const std::string&, const std::string&, unsigned) -> int {
    throw std::runtime_error("no box");
  });
  try {
    throw std::runtime_error("Could not connect");
  } catch (...) {
    HandleCurrentException();
  }
}

TEST_F(FormsTest, TheFormCanvasScreenPointsAndTheControlAtAPoint) {
  TForm form(nullptr);
  form.SetBounds(40, 40, 300, 200);
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetBounds(10, 10, 60, 20);
  auto* covering = new TImage(&form);
  covering->SetParent(&form);
  covering->SetBounds(50, 10, 60, 20);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(10, 100, 80, 30);
  form.Show();

  HDC dc = form.Canvas().Handle();
  EXPECT_EQ(WindowFromDC(dc), form.Handle());
  EXPECT_EQ(form.Canvas().Handle(), dc) << "taken once";

  POINT screen{7, 9};
  ClientToScreen(form.Handle(), &screen);
  const POINT back = form.ScreenToClient(screen);
  EXPECT_EQ(back.x, 7);
  EXPECT_EQ(back.y, 9);

  const struct {
    POINT Point;
    bool AllowDisabled;
    bool AllowWinControls;
    TControl* Found;
  } cases[] = {
      {{20, 15}, false, false, image},    {{55, 15}, false, false, covering},
      {{20, 110}, false, false, nullptr}, {{20, 110}, false, true, button},
      {{200, 150}, true, true, nullptr},
  };
  for (const auto& c : cases)
    EXPECT_EQ(form.ControlAtPos(c.Point, c.AllowDisabled, c.AllowWinControls), c.Found)
        << c.Point.x << ", " << c.Point.y;
  covering->SetEnabled(false);
  EXPECT_EQ(form.ControlAtPos({55, 15}, false), image) << "a disabled one is passed over";
  EXPECT_EQ(form.ControlAtPos({55, 15}, true), covering);
  covering->Hide();
  EXPECT_EQ(form.ControlAtPos({55, 15}, true), image);

  // A new window takes a new DC; the old one went back with its window.
  form.SetBorderStyle(bsSingle);
  EXPECT_EQ(WindowFromDC(form.Canvas().Handle()), form.Handle());
}

// DestroyWindow refuses a window of another thread: once its control is gone, the window's
// messages (the last ones when its thread ends) must not reach the freed object.
TEST_F(FormsTest, AControlWhoseWindowOutlivesItIsNoLongerFoundByTheWindow) {
  auto form = std::make_unique<TForm>(nullptr);
  HWND window = nullptr;
  std::atomic<bool> made{false};
  std::atomic<bool> release{false};
  std::thread owner([&] {
    window = form->Handle();
    made = true;
    while (!release)
      Sleep(1);
  });
  while (!made)
    Sleep(1);
  ASSERT_EQ(FindControl(window), form.get());
  form.reset();
  EXPECT_TRUE(IsWindow(window)) << "still there, its thread lives";
  EXPECT_EQ(FindControl(window), nullptr);
  release = true;
  owner.join();
  EXPECT_FALSE(IsWindow(window));
}

TEST(Screen, ListsFormsInCreationOrder) {
  const int before = Screen().FormCount();
  auto* first = new TForm(nullptr);
  auto* second = new TForm(nullptr);
  ASSERT_EQ(Screen().FormCount(), before + 2);
  EXPECT_EQ(Screen().Forms(before), first);
  EXPECT_EQ(Screen().Forms(before + 1), second);
  delete first;
  EXPECT_EQ(Screen().Forms(before), second);
  delete second;
  EXPECT_EQ(Screen().FormCount(), before);
}

} // namespace
} // namespace marivo
