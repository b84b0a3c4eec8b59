#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/FormText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Notebooks.h"
#include "platform/ui/Panels.h"
#include "platform/ui/StatusBars.h"
#include "platform/ui/Timers.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace marivo {
namespace {

class TExtCtrlsForm : public TForm {
public:
  using TForm::TForm;
  int PageChanges = 0;
  int StatusDblClicks = 0;
  int TickerTicks = 0;
  int ClockTicks = 0;

  void BookPageChanged(TObject*) { ++PageChanges; }
  void StatusDblClick(TObject*) { ++StatusDblClicks; }
  void TickerTimer(TObject*) { ++TickerTicks; }
  void ClockTimer(TObject*) { ++ClockTicks; }
};

struct TBox {
  std::string Text;
  std::string Caption;
};

// The pixels of a window's client area as they are on the screen, after it painted.
class TScreenPixels {
public:
  explicit TScreenPixels(HWND window) : Window_(window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Dc_ = GetDC(window);
  }
  ~TScreenPixels() { ReleaseDC(Window_, Dc_); }
  COLORREF At(int x, int y) const { return GetPixel(Dc_, x, y); }
  // How many pixels in rect differ from the background colour.
  int CountOther(const RECT& rect, COLORREF background) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x)
        count += At(x, y) != background;
    return count;
  }
  // The first and last columns in rect holding a pixel of another colour, or {-1, -1}.
  std::pair<int, int> InkColumns(const RECT& rect, COLORREF background) const {
    std::pair<int, int> columns{-1, -1};
    for (int x = rect.left; x < rect.right; ++x)
      for (int y = rect.top; y < rect.bottom; ++y)
        if (At(x, y) != background) {
          if (columns.first < 0)
            columns.first = x;
          columns.second = x;
          break;
        }
    return columns;
  }

private:
  HWND Window_;
  HDC Dc_;
};

class ExtCtrlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    static const bool registered = [] {
      RegisterPanelClasses();
      RegisterNotebookClasses();
      RegisterStatusBarClasses();
      RegisterTimerClasses();
      RegisterComponentClass<TExtCtrlsForm, TForm>("TExtCtrlsForm")
          .Handler("BookPageChanged", &TExtCtrlsForm::BookPageChanged)
          .Handler("StatusDblClick", &TExtCtrlsForm::StatusDblClick)
          .Handler("TickerTimer", &TExtCtrlsForm::TickerTimer)
          .Handler("ClockTimer", &TExtCtrlsForm::ClockTimer);
      return true;
    }();
    (void)registered;
    SetMessageBoxHandler([this](const std::string& text, const std::string& caption, unsigned) {
      Boxes.push_back({text, caption});
      return IDOK;
    });
    App.SetTitle("Marivo");
    App.CreateForm(Form);
  }
  void TearDown() override { SetMessageBoxHandler(nullptr); }

  void ShowForm() {
    Form->Show();
    App.ProcessMessages();
  }

  template <class T> T* Find(const std::string& name) {
    auto* component = dynamic_cast<T*>(Form->FindComponent(name));
    if (!component)
      ADD_FAILURE() << "no " << name;
    return component;
  }

  TApplication App;
  TExtCtrlsForm* Form = nullptr;
  std::vector<TBox> Boxes;
};

// --- Form data ------------------------------------------------------------------------------

using ExtCtrlsFormDataTest = ExtCtrlsTest;

TEST_F(ExtCtrlsFormDataTest, PropertiesReadBackAsWritten) {
  auto* frame = Find<TPanel>("Frame");
  EXPECT_EQ(frame->Caption(), "Frame");
  EXPECT_EQ(frame->BevelOuter(), TBevelCut::bvRaised);
  EXPECT_EQ(frame->BevelInner(), TBevelCut::bvLowered);
  EXPECT_EQ(frame->BorderWidth(), 3);
  EXPECT_EQ(frame->Alignment(), taCenter);
  EXPECT_EQ(frame->BorderStyle(), bsNone);
  EXPECT_EQ(Find<TPanel>("Holder")->Color(), clYellow);

  auto* book = Find<TNotebook>("Book");
  EXPECT_EQ(book->Parent(), frame);
  EXPECT_EQ(book->PageIndex(), 1);
  EXPECT_EQ(book->ActivePage(), "Scoring");
  ASSERT_EQ(book->Pages().Count(), 3);
  EXPECT_EQ(book->Pages().CommaText(), "Opening,Scoring,Closing");
  for (const char* name : {"Opening", "Scoring", "Closing"}) {
    auto* page = Find<TPage>(name);
    EXPECT_EQ(page->Notebook(), book) << name;
    EXPECT_EQ(page->ControlCount(), 1) << name;
  }
  EXPECT_EQ(Find<TPanel>("ClosingPanel")->Parent(), Find<TPage>("Closing"));
  EXPECT_EQ(Find<TPanel>("ScoringPanel")->Alignment(), taLeftJustify);

  auto* status = Find<TStatusBar>("Status");
  EXPECT_EQ(status->Align(), alBottom);
  ASSERT_EQ(status->Panels().Count(), 6);
  EXPECT_EQ(status->Panels().Items(0)->Text(), "Judge 3");
  EXPECT_EQ(status->Panels().Items(0)->Width(), 80);
  EXPECT_EQ(status->Panels().Items(1)->Alignment(), taCenter);
  EXPECT_EQ(status->Panels().Items(2)->Text(), "");
  EXPECT_EQ(status->Panels().Items(3)->Width(), 50);
  EXPECT_EQ(status->Panels().Items(3)->Bevel(), pbRaised);
  EXPECT_EQ(status->Panels().Items(4)->Bevel(), pbNone);
  EXPECT_EQ(status->Panels().Items(5)->Bevel(), pbLowered);
  EXPECT_THROW(status->Panels().Items(6), EListError);

  auto* ticker = Find<TTimer>("Ticker");
  EXPECT_FALSE(ticker->Enabled());
  EXPECT_EQ(ticker->Interval(), 50u);
  EXPECT_TRUE(ticker->OnTimer);
  EXPECT_TRUE(Find<TTimer>("Clock")->Enabled());
}

TEST_F(ExtCtrlsFormDataTest, WrittenFormDataReadsBackToTheSameText) {
  const std::string written = WriteComponentToText(*Form);

  // The notebook holds its pages, each page its control, and the timers are not lost.
  const TFormObject tree = ParseFormText(written, "written");
  const auto child = [](const TFormObject& parent, const std::string& name) -> const TFormObject* {
    for (const TFormObject& object : parent.Children)
      if (object.Name == name)
        return &object;
    return nullptr;
  };
  const TFormObject* frame = child(tree, "Frame");
  ASSERT_NE(frame, nullptr) << written;
  const TFormObject* book = child(*frame, "Book");
  ASSERT_NE(book, nullptr) << written;
  ASSERT_EQ(book->Children.size(), 3u) << written;
  EXPECT_EQ(book->Children[0].Name, "Opening");
  EXPECT_EQ(book->Children[2].ClassName, "TPage");
  ASSERT_EQ(book->Children[2].Children.size(), 1u);
  EXPECT_EQ(book->Children[2].Children[0].Name, "ClosingPanel");
  EXPECT_NE(child(tree, "Ticker"), nullptr) << written;
  EXPECT_NE(child(tree, "Clock"), nullptr) << written;
  // Pages follow their notebook: neither place nor visibility is theirs to keep.
  for (const TFormProperty& property : book->Children[0].Properties)
    EXPECT_TRUE(property.Name != "Visible" && property.Name != "Left" && property.Name != "Width")
        << property.Name;
  EXPECT_NE(written.find("PageIndex = 1"), std::string::npos) << written;
  EXPECT_NE(written.find("Bevel = pbRaised"), std::string::npos) << written;

  TExtCtrlsForm copy(nullptr);
  ReadComponentFromText(copy, written, "written");
  EXPECT_EQ(WriteComponentToText(copy), written);
  auto* copiedBook = dynamic_cast<TNotebook*>(copy.FindComponent("Book"));
  ASSERT_NE(copiedBook, nullptr);
  EXPECT_EQ(copiedBook->ActivePage(), "Scoring");
}

// --- TPanel ---------------------------------------------------------------------------------

using ExtCtrlsPanelTest = ExtCtrlsTest;

TEST_F(ExtCtrlsPanelTest, PaintsItsColourBevelAndCaption) {
  ShowForm();
  auto* holder = Find<TPanel>("Holder");
  const int width = holder->ClientWidth();
  const int height = holder->ClientHeight();
  const COLORREF yellow = RGB(255, 255, 0);
  const RECT captionBand{2, 2, width - 2, height - 2};
  int left = 0;
  int right = 0;
  {
    TScreenPixels pixels(holder->Handle());
    EXPECT_EQ(pixels.At(5, 5), yellow);
    EXPECT_EQ(pixels.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixels.At(width - 1, height - 1), GetSysColor(COLOR_BTNSHADOW));
    std::tie(left, right) = pixels.InkColumns(captionBand, yellow);
  }
  ASSERT_GT(left, 0) << "no caption drawn";
  // Centred: as much room on either side, give or take a pixel of rounding and the bevel.
  EXPECT_NEAR(left - 1, width - 2 - right, 3);

  holder->SetAlignment(taLeftJustify);
  {
    TScreenPixels pixels(holder->Handle());
    EXPECT_LE(pixels.InkColumns(captionBand, yellow).first, 4);
  }
  holder->SetAlignment(taRightJustify);
  {
    TScreenPixels pixels(holder->Handle());
    EXPECT_GE(pixels.InkColumns(captionBand, yellow).second, width - 5);
  }
  holder->SetCaption("");
  {
    TScreenPixels pixels(holder->Handle());
    EXPECT_EQ(pixels.CountOther(captionBand, yellow), 0);
  }
}

TEST_F(ExtCtrlsPanelTest, BevelsFollowTheirSettings) {
  ShowForm();
  auto* holder = Find<TPanel>("Holder");
  holder->SetCaption("");
  holder->SetBevelOuter(TBevelCut::bvLowered);
  holder->SetBevelInner(TBevelCut::bvRaised);
  holder->SetBevelWidth(2);
  holder->SetBorderWidth(4);
  const int width = holder->ClientWidth();
  const int height = holder->ClientHeight();
  TScreenPixels pixels(holder->Handle());
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(pixels.At(0, 5), shadow);
  EXPECT_EQ(pixels.At(1, 5), shadow);
  EXPECT_EQ(pixels.At(width - 2, 5), light);
  // Between the bevels the border in the panel's colour, then the inner bevel.
  EXPECT_EQ(pixels.At(2 + 3, 10), RGB(255, 255, 0));
  EXPECT_EQ(pixels.At(2 + 4, 10), light);
  EXPECT_EQ(pixels.At(width - 1 - 2 - 4, 10), shadow);
  EXPECT_EQ(pixels.At(width / 2, height / 2), RGB(255, 255, 0));
}

TEST_F(ExtCtrlsPanelTest, ClientAlignedChildFillsThePanelAndFollowsItsBorder) {
  ShowForm();
  auto* holder = Find<TPanel>("Holder");
  auto* filling = Find<TPanel>("Filling");
  filling->Show();
  EXPECT_EQ(filling->Left(), 0);
  EXPECT_EQ(filling->Top(), 0);
  EXPECT_EQ(filling->Width(), holder->ClientWidth());
  EXPECT_EQ(filling->Height(), holder->ClientHeight());
  {
    TScreenPixels pixels(holder->Handle());
    EXPECT_EQ(pixels.At(holder->ClientWidth() / 2, holder->ClientHeight() / 2), RGB(0, 0, 255));
  }

  holder->SetBorderStyle(bsSingle);
  EXPECT_EQ(holder->ClientWidth(), holder->Width() - 2);
  EXPECT_EQ(filling->Width(), holder->ClientWidth());
  EXPECT_EQ(GetParent(filling->Handle()), holder->Handle());
  EXPECT_TRUE(IsWindowVisible(filling->Handle()));

  holder->SetWidth(260);
  EXPECT_EQ(filling->Width(), 258);
  EXPECT_THROW(holder->SetBorderStyle(bsDialog), EInvalidOperation);
}

// --- TNotebook ------------------------------------------------------------------------------

using ExtCtrlsNotebookTest = ExtCtrlsTest;

TEST_F(ExtCtrlsNotebookTest, PageIndexShowsExactlyOnePage) {
  ShowForm();
  auto* book = Find<TNotebook>("Book");
  const std::vector<TPage*> pages = {Find<TPage>("Opening"), Find<TPage>("Scoring"),
                                     Find<TPage>("Closing")};
  const auto shownPages = [&] {
    std::vector<int> shown;
    for (std::size_t i = 0; i < pages.size(); ++i)
      if (pages[i]->HandleAllocated() && IsWindowVisible(pages[i]->Handle()))
        shown.push_back(static_cast<int>(i));
    return shown;
  };
  EXPECT_EQ(shownPages(), std::vector<int>{1});
  EXPECT_TRUE(IsWindowVisible(Find<TPanel>("ScoringPanel")->Handle()));
  // A page fills its notebook.
  EXPECT_EQ(pages[1]->Width(), book->ClientWidth());
  EXPECT_EQ(pages[1]->Height(), book->ClientHeight());

  for (int index : {2, 0, 1}) {
    book->SetPageIndex(index);
    EXPECT_EQ(book->PageIndex(), index);
    EXPECT_EQ(shownPages(), std::vector<int>{index});
  }
  EXPECT_EQ(Form->PageChanges, 3);

  for (int outside : {-1, 3, 100}) {
    book->SetPageIndex(outside);
    EXPECT_EQ(book->PageIndex(), 1);
  }
  book->SetPageIndex(1);
  EXPECT_EQ(shownPages(), std::vector<int>{1});
  EXPECT_EQ(Form->PageChanges, 3);
}

TEST_F(ExtCtrlsNotebookTest, ActivePageIsTheShownPagesCaption) {
  ShowForm();
  auto* book = Find<TNotebook>("Book");
  book->SetActivePage("Closing");
  EXPECT_EQ(book->PageIndex(), 2);
  EXPECT_EQ(book->ActivePage(), "Closing");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Closing")->Handle()));
  book->SetActivePage("opening");
  EXPECT_EQ(book->ActivePage(), "Opening");
  book->SetActivePage("Interval");
  EXPECT_EQ(book->ActivePage(), "Opening");
  EXPECT_EQ(Form->PageChanges, 2);

  // Renaming a page through Pages renames what ActivePage reports.
  book->Pages().SetStrings(0, "Warm-up");
  EXPECT_EQ(Find<TPage>("Opening")->Caption(), "Warm-up");
  EXPECT_EQ(book->ActivePage(), "Warm-up");
}

TEST_F(ExtCtrlsNotebookTest, PagesAddedAndDeletedThroughTheirCaptions) {
  ShowForm();
  auto* book = Find<TNotebook>("Book");
  book->Pages().Insert(1, "Break");
  EXPECT_EQ(book->Pages().CommaText(), "Opening,Break,Scoring,Closing");
  auto* added = dynamic_cast<TPage*>(book->Pages().Objects(1));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Owner(), Form);
  // What was shown stays shown; only its index moves.
  EXPECT_FALSE(added->Visible());
  EXPECT_EQ(book->PageIndex(), 2);
  EXPECT_EQ(book->ActivePage(), "Scoring");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Scoring")->Handle()));
  book->SetPageIndex(1);
  EXPECT_TRUE(IsWindowVisible(added->Handle()));
  EXPECT_EQ(added->Width(), book->ClientWidth());

  book->Pages().Delete(1);
  EXPECT_EQ(book->Pages().CommaText(), "Opening,Scoring,Closing");
  EXPECT_EQ(book->ActivePage(), "Scoring");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Scoring")->Handle()));
  EXPECT_THROW(book->Pages().Delete(3), EListError);

  book->SetPageIndex(2);
  book->Pages().Delete(0);
  EXPECT_EQ(book->PageIndex(), 1);
  EXPECT_EQ(book->ActivePage(), "Closing");
  // Deleting the shown page shows the one that takes its place, or the last one.
  book->Pages().Delete(1);
  EXPECT_EQ(book->ActivePage(), "Scoring");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Scoring")->Handle()));
  EXPECT_EQ(Form->FindComponent("Closing"), nullptr);
  EXPECT_EQ(Form->FindComponent("ClosingPanel"), nullptr);
}

// --- TStatusBar -----------------------------------------------------------------------------

using ExtCtrlsStatusBarTest = ExtCtrlsTest;

TEST_F(ExtCtrlsStatusBarTest, SitsAtTheBottomAndTheLastPanelTakesTheRest) {
  ShowForm();
  auto* status = Find<TStatusBar>("Status");
  EXPECT_EQ(status->Left(), 0);
  EXPECT_EQ(status->Width(), Form->ClientWidth());
  EXPECT_EQ(status->Top() + status->Height(), Form->ClientHeight());

  const RECT second = status->PanelRect(1);
  EXPECT_EQ(second.left, 80);
  EXPECT_EQ(status->PanelRect(5).left, 80 + 100 + 120 + 50 + 50);
  EXPECT_EQ(status->PanelRect(5).right, status->ClientWidth());
  EXPECT_THROW(status->PanelRect(6), EListError);

  Form->SetWidth(500);
  EXPECT_EQ(status->PanelRect(5).right, Form->ClientWidth());
}

TEST_F(ExtCtrlsStatusBarTest, ChangedPanelTextIsRepainted) {
  ShowForm();
  auto* status = Find<TStatusBar>("Status");
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  RECT inside = status->PanelRect(2);
  InflateRect(&inside, -2, -2);
  {
    TScreenPixels pixels(status->Handle());
    EXPECT_EQ(pixels.At(inside.left - 2, inside.top - 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixels.CountOther(inside, face), 0);
  }
  status->Panels().Items(2)->SetText("Routine 4");
  {
    TScreenPixels pixels(status->Handle());
    EXPECT_GT(pixels.CountOther(inside, face), 0) << "the new text was not painted";
  }

  // A simple text replaces the panels: no bevel is left where a panel began.
  const RECT raised = status->PanelRect(3);
  {
    TScreenPixels pixels(status->Handle());
    EXPECT_EQ(pixels.At(raised.left, raised.top), GetSysColor(COLOR_BTNHIGHLIGHT));
  }
  status->SetSimpleText("Waiting");
  status->SetSimplePanel(true);
  {
    TScreenPixels pixels(status->Handle());
    EXPECT_EQ(pixels.At(raised.left, raised.top), face);
    EXPECT_GT(pixels.CountOther(RECT{0, 2, 60, status->ClientHeight()}, face), 0);
  }
}

TEST_F(ExtCtrlsStatusBarTest, DoubleClickAnywhereOnTheBarRunsOnDblClick) {
  ShowForm();
  auto* status = Find<TStatusBar>("Status");
  SendMessageA(status->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 8));
  EXPECT_EQ(Form->StatusDblClicks, 1);
  SendMessageA(status->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON,
               MAKELPARAM(status->ClientWidth() - 3, 8));
  EXPECT_EQ(Form->StatusDblClicks, 2);
  SendMessageA(status->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  SendMessageA(status->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 8));
  EXPECT_EQ(Form->StatusDblClicks, 2);
}

// --- TTimer ---------------------------------------------------------------------------------

// One test takes the system's ticks as they come; the others run on a manual clock, so that they
// see each tick at its exact moment however busy the machine is.
using ExtCtrlsTimerTest = ExtCtrlsTest;

TEST_F(ExtCtrlsTimerTest, SystemTicksComeWhileMessagesArePumpedAndStopWhenDisabled) {
  auto* ticker = Find<TTimer>("Ticker");
  ticker->SetEnabled(true);
  EXPECT_TRUE(test::PumpUntil([&] { return Form->TickerTicks >= 3; }));
  ticker->SetEnabled(false);
  // The clock from the form data started once it was read; while it ticks twice more, the
  // stopped ticker stays silent.
  const int ticks = Form->TickerTicks;
  const int clockTicks = Form->ClockTicks;
  EXPECT_TRUE(test::PumpUntil([&] { return Form->ClockTicks >= clockTicks + 2; }));
  EXPECT_EQ(Form->TickerTicks, ticks);
}

TEST_F(ExtCtrlsTimerTest, EachTimerTicksAtItsIntervalOnlyWhileEnabled) {
  TManualClock clock; // takes over the clock from the form data, which runs already
  auto* ticker = Find<TTimer>("Ticker");
  clock.Advance(1000);
  EXPECT_EQ(Form->TickerTicks, 0) << "a disabled timer ticked";
  EXPECT_EQ(Form->ClockTicks, 1000 / 60);

  ticker->SetEnabled(true);
  const std::vector<std::pair<unsigned, int>> steps = {{49, 0}, {1, 1}, {99, 2}, {1, 3}};
  for (const auto& [milliseconds, ticks] : steps) {
    clock.Advance(milliseconds);
    EXPECT_EQ(Form->TickerTicks, ticks) << "after " << milliseconds << " ms more";
  }
  ticker->SetEnabled(false);
  clock.Advance(1000);
  EXPECT_EQ(Form->TickerTicks, 3);
}

TEST_F(ExtCtrlsTimerTest, IntervalChangesCountAgainFromTheChangeAndZeroStops) {
  TManualClock clock;
  auto* ticker = Find<TTimer>("Ticker");
  ticker->SetInterval(60000);
  ticker->SetEnabled(true);
  clock.Advance(59990);
  ticker->SetInterval(40);
  clock.Advance(39);
  EXPECT_EQ(Form->TickerTicks, 0);
  clock.Advance(41);
  EXPECT_EQ(Form->TickerTicks, 2);

  ticker->SetInterval(0);
  clock.Advance(60000);
  EXPECT_EQ(Form->TickerTicks, 2);
}

TEST_F(ExtCtrlsTimerTest, ErrorInOnTimerShowsTheErrorBoxAndTicksGoOn) {
  TManualClock clock;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(30);
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 1)
      throw EInvalidOperation("Score table is locked");
  };
  clock.Advance(90);
  EXPECT_EQ(ticks, 3);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "Score table is locked");
  EXPECT_EQ(Boxes[0].Caption, "Marivo");
}

TEST_F(ExtCtrlsTimerTest, TimerFreedOrDisabledInItsOwnOnTimerIsSafe) {
  TManualClock clock;
  auto* freed = new TTimer(Form);
  int freedTicks = 0;
  freed->SetInterval(20);
  freed->OnTimer = [&](TObject* sender) {
    ++freedTicks;
    delete static_cast<TTimer*>(sender);
    freed = nullptr;
  };
  auto* stopped = new TTimer(Form);
  int stoppedTicks = 0;
  stopped->SetInterval(20);
  stopped->OnTimer = [&](TObject* sender) {
    ++stoppedTicks;
    static_cast<TTimer*>(sender)->SetEnabled(false);
  };
  clock.Advance(1000);
  EXPECT_EQ(freedTicks, 1);
  EXPECT_EQ(freed, nullptr);
  EXPECT_EQ(stoppedTicks, 1);
  EXPECT_FALSE(stopped->Enabled());
  EXPECT_TRUE(Boxes.empty());
}

// The reconnect timer stops itself in its handler; the next lost score must start it again.
TEST_F(ExtCtrlsTimerTest, TimerStoppedInItsOwnOnTimerRunsAgainWhenStartedAgain) {
  TManualClock clock;
  auto* timer = new TTimer(Form);
  int ticks = 0;
  timer->SetInterval(20);
  timer->OnTimer = [&](TObject* sender) {
    ++ticks;
    static_cast<TTimer*>(sender)->SetEnabled(false);
  };
  for (int round = 1; round <= 3; ++round) {
    clock.Advance(19);
    EXPECT_EQ(ticks, round - 1) << "round " << round;
    clock.Advance(1000);
    EXPECT_EQ(ticks, round) << "round " << round;
    timer->SetEnabled(true);
  }
}

TEST_F(ExtCtrlsTimerTest, OnlyOneManualClockRunsAndTimersGoBackToTheSystemAfterIt) {
  {
    TManualClock clock;
    EXPECT_THROW(TManualClock(), EInvalidOperation);
  }
  EXPECT_TRUE(test::PumpUntil([&] { return Form->ClockTicks >= 2; }));
}

} // namespace
} // namespace marivo
