#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/Shell.h"
#include "tests/support/MessagePump.h"
#include "tests/widgets/controls/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWCustomStatusBar.h"
#include "widgets/controls/MVWLabel.h"
#include "widgets/controls/MVWSimpleLabel.h"
#include "widgets/controls/MVWSimplePanel.h"
#include "widgets/controls/MVWStaticText.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::CountPixels;
using test::Place;
using TSimpleLabel = test::TOffScreen<TMVWSimpleLabel>;
using TBevelLabel = test::TOffScreen<TMVWLabel>;
constexpr TColor Parent = clWhite;

class Labels : public ::testing::Test {
protected:
  TMVWFoundation Foundation;
  TBitmap Picture;
  TForm Form{nullptr};

  void TearDown() override { Form.Hide(); }
  // A raised caption on the simple label, a lowered bevel and a turned Arial one on the other.
  static void Dress(TMVWSimpleLabel& simple, TMVWLabel& bevel) {
    simple.Font3D().SetStyle(tdRaised);
    bevel.SetAutoSize(false);
    bevel.Bevel().SetStyleOuter(bvLowered);
    bevel.Bevel().SetWidthOuter(2);
    bevel.Font().SetName("Arial");
    bevel.FontFX().SetAngle(90);
  }

  // One phase of blinking, through the pool's tick.
  static void PassPhase(const TMVWBaseLabel& label) {
    const bool shown = label.TwinkleShown();
    for (int tick = 0; tick < 1000 && label.TwinkleShown() == shown; ++tick)
      MVWApplication->TimerPool().Tick();
  }
};

TEST_F(Labels, BlinkingHidesOrRecoloursTheTextAndStopsShown) {
  TSimpleLabel label(nullptr);
  label.Font().SetColor(clBlack);
  label.Font().SetHeight(-20);
  label.SetCaption("HELLO");
  label.SetTwinkleVisible(100);
  label.SetTwinkleInVisible(300);
  label.SetTwinkle(true);
  PassPhase(label);
  ASSERT_FALSE(label.TwinkleShown());
  EXPECT_EQ(MVWApplication->FindTimer(label.TwinkleTimer())->Interval(), 300);
  label.PaintInto(Picture, Parent);
  EXPECT_EQ(CountPixels(Picture, clBlack), 0) << "hidden phase with clNone";
  label.SetTwinkleColor(clRed);
  label.PaintInto(Picture, Parent);
  EXPECT_GT(CountPixels(Picture, clRed), 0) << "hidden phase in TwinkleColor";
  label.SetTwinkle(false);
  EXPECT_TRUE(label.TwinkleShown());
  label.PaintInto(Picture, Parent);
  EXPECT_GT(CountPixels(Picture, clBlack), 0) << "shown again at once";
}

TEST_F(Labels, BlinkingLeavesNoTimerBehind) {
  const int before = MVWApplication->TimerPool().Count();
  auto label = std::make_unique<TMVWSimpleLabel>(nullptr);
  label->SetCaption("1");
  label->SetTwinkle(true);
  for (int phase = 0; phase < 1000; ++phase)
    PassPhase(*label);
  EXPECT_EQ(MVWApplication->TimerPool().Count(), before + 1);
  label.reset();
  EXPECT_EQ(MVWApplication->TimerPool().Count(), before) << "freed with its label";
}

// Blinking labels on a shown form, each phase painted through the window as the display gets it.
TEST_F(Labels, AThousandPaintedBlinkPhasesLeaveNoGdiObjectNorTimerBehind) {
  TApplication app;
  TForm form(nullptr);
  auto* simple = new TMVWSimpleLabel(&form);
  auto* bevel = new TMVWLabel(&form);
  Dress(*simple, *bevel);
  simple->SetCaption("Received");
  bevel->SetTwinkleColor(clRed);
  bevel->SetCaption("9.5");
  form.SetBounds(40, 40, 320, 160);
  int left = 10;
  for (TMVWBaseLabel* label : std::initializer_list<TMVWBaseLabel*>{simple, bevel}) {
    label->SetParent(&form);
    label->SetBounds(left, 10, 140, 100);
    label->SetTwinkle(true);
    left += 150;
  }
  form.Show();
  UpdateWindow(form.Handle());
  PassPhase(*simple);
  UpdateWindow(form.Handle());
  const long gdiBefore = GdiLiveCount();
  const int timersBefore = MVWApplication->TimerPool().Count();
  int phases = 0;
  for (; phases < 1000; ++phases) {
    const bool shown = simple->TwinkleShown();
    PassPhase(*simple);
    if (simple->TwinkleShown() == shown)
      break;
    UpdateWindow(form.Handle());
  }
  std::printf("1,000 painted blink phases: GDI live count %ld before, %ld after; timer pool items "
              "%d before, %d after\n",
              gdiBefore, GdiLiveCount(), timersBefore, MVWApplication->TimerPool().Count());
  EXPECT_EQ(phases, 1000) << "every phase came through the pool";
  EXPECT_EQ(GdiLiveCount(), gdiBefore);
  EXPECT_EQ(MVWApplication->TimerPool().Count(), timersBefore);
}

TEST_F(Labels, RepaintsLeaveNoGdiObjectBehind) {
  TSimpleLabel simple(nullptr);
  TBevelLabel bevel(nullptr);
  Dress(simple, bevel);
  simple.SetCaption("Judge 3");
  bevel.SetBounds(0, 0, 40, 80);
  bevel.SetCaption("Turned");
  simple.PaintInto(Picture, Parent);
  bevel.PaintInto(Picture, Parent);
  const long before = GdiLiveCount();
  for (int paint = 0; paint < 1000; ++paint) {
    simple.PaintInto(Picture, Parent);
    bevel.PaintInto(Picture, Parent);
  }
  EXPECT_EQ(GdiLiveCount(), before);
}

TEST_F(Labels, NoFreeTimerRefusesToBlink) {
  std::vector<std::uint16_t> taken;
  for (std::uint16_t id; (id = MVWApplication->AddTimer(1000, nullptr)) != 0;)
    taken.push_back(id);
  TMVWSimpleLabel label(nullptr);
  EXPECT_THROW(label.SetTwinkle(true), EOutOfResources);
  EXPECT_FALSE(label.Twinkle());
  for (std::uint16_t id : taken)
    MVWApplication->RemoveTimer(id);
  label.SetTwinkle(true);
  EXPECT_TRUE(label.Twinkle());
}

TEST_F(Labels, AnEmptyTransparentLabelLeavesItsParent) {
  TSimpleLabel label(nullptr);
  label.SetAutoSize(false);
  label.SetBounds(0, 0, 40, 20);
  label.SetColor(clRed);
  label.PaintInto(Picture, Parent);
  EXPECT_EQ(CountPixels(Picture, Parent), 40 * 20);
  label.SetTransparent(false);
  label.PaintInto(Picture, Parent);
  EXPECT_EQ(CountPixels(Picture, clRed), 40 * 20);
}

// The box around the pixels of a colour; empty when there are none.
RECT Ink(const TBitmap& picture, TColor color) {
  RECT box{picture.Width(), picture.Height(), 0, 0};
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.Pixels(x, y) == color)
        box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                   std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
  return box;
}

TEST_F(Labels, NineAlignmentsPlaceTheTextOnOneLineOrMany) {
  for (const bool multiLine : {false, true}) {
    TSimpleLabel label(nullptr);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 120, 60);
    label.SetMultiLine(multiLine);
    label.Font().SetColor(clBlack);
    label.SetCaption("Judge");
    for (int alignment = 0; alignment < 9; ++alignment) {
      label.SetAlignment(static_cast<TMVWAlignment>(alignment));
      label.PaintInto(Picture, Parent);
      const RECT ink = Ink(Picture, clBlack);
      const int column = alignment % 3;
      const int row = alignment / 3;
      const int slackX = 120 - (ink.right - ink.left);
      const int slackY = 60 - (ink.bottom - ink.top);
      const int expectedLeft = column == 0 ? 0 : column == 1 ? slackX / 2 : slackX;
      const int expectedTop = row == 0 ? 0 : row == 1 ? slackY / 2 : slackY;
      EXPECT_NEAR(ink.left, expectedLeft, 6) << "alignment " << alignment << " " << multiLine;
      EXPECT_NEAR(ink.top, expectedTop, 6) << "alignment " << alignment << " " << multiLine;
    }
  }
}

TEST_F(Labels, AutoSizeKeepsTheCornerAndTakesTheMeasure) {
  TMVWSimpleLabel label(nullptr);
  label.SetBounds(30, 40, 5, 5);
  label.SetCaption("Judge 1");
  const int oneLine = label.Height();
  EXPECT_EQ(label.Left(), 30);
  EXPECT_EQ(label.Top(), 40);
  EXPECT_GT(label.Width(), 20);
  label.SetCaption("Judge 1 (Execution)");
  EXPECT_GT(label.Width(), 60);
  EXPECT_EQ(label.Height(), oneLine);
}

TEST_F(Labels, ABevelLabelClipsItsTextInsideTheBevel) {
  TBevelLabel label(nullptr);
  label.SetAutoSize(false);
  label.SetBounds(0, 0, 30, 24);
  label.Font().SetHeight(-40);
  label.Font().SetColor(clBlue);
  label.Bevel().SetStyleOuter(bvRaised);
  label.Bevel().SetWidthOuter(4);
  label.SetCaption("WWWW");
  label.PaintInto(Picture, Parent);
  EXPECT_GT(CountPixels(Picture, clBlue), 0);
  const int extent = label.Bevel().Extent();
  ASSERT_GT(extent, 0);
  for (int y = 0; y < label.Height(); ++y) {
    for (int x = 0; x < label.Width(); ++x) {
      const bool inBevel =
          x < extent || y < extent || x >= label.Width() - extent || y >= label.Height() - extent;
      if (inBevel) {
        ASSERT_NE(Picture.Pixels(x, y), clBlue) << x << "," << y;
      }
    }
  }
}

TEST_F(Labels, TheBaseStatusBarGivesItsBevelLabelsNoOffset) {
  TMVWCustomStatusBar bar(nullptr);
  TMVWSimplePanel panel(nullptr);
  TBevelLabel inBar(nullptr);
  TBevelLabel onPanel(nullptr);
  TBitmap outside;
  for (TBevelLabel* label : {&inBar, &onPanel}) {
    label->SetParent(label == &inBar ? static_cast<TWinControl*>(&bar) : &panel);
    label->Font().SetColor(clBlue);
    label->Bevel().SetStyleOuter(bvLowered);
    label->Bevel().SetWidthOuter(1);
    label->SetCaption("Connected");
  }
  EXPECT_EQ(inBar.Width(), onPanel.Width());
  inBar.PaintInto(Picture, Parent);
  onPanel.PaintInto(outside, Parent);
  ASSERT_GT(CountPixels(Picture, clBlue), 0);
  for (int y = 0; y < Picture.Height(); ++y)
    for (int x = 0; x < Picture.Width(); ++x)
      ASSERT_EQ(Picture.Pixels(x, y), outside.Pixels(x, y)) << x << "," << y;
}

TEST_F(Labels, TheAcceleratorFocusesItsControlWhileThereIsOne) {
  auto* button = Place<TButton>(Form);
  auto* label = Place<TMVWSimpleLabel>(Form);
  label->SetCaption("&Name");
  Form.Show();
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n', 0), 0) << "no focus control";
  label->SetFocusControl(button);
  ASSERT_TRUE(test::TakeFocus(Form.Handle()));
  EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'n', 0), 1);
  EXPECT_TRUE(button->Focused());
  EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'x', 0), 0);
  label->SetShowAccelChar(false);
  EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'n', 0), 0);
  delete button;
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(Labels, AStaticTextSizesItselfAndFocusesOnItsAccelerator) {
  auto* button = Place<TButton>(Form);
  auto* text = Place<TMVWStaticText>(Form, 40, 50, 10, 10);
  text->SetCaption("&Difficulty");
  const int width = text->Width();
  EXPECT_GT(width, 30);
  EXPECT_EQ(text->Left(), 40);
  EXPECT_EQ(text->Top(), 50);
  text->SetCaption("&Difficulty of the routine");
  EXPECT_GT(text->Width(), width);
  EXPECT_FALSE(text->ControlStyle() & csAcceptsControls);
  text->SetFocusControl(button);
  Form.Show();
  ASSERT_TRUE(test::TakeFocus(Form.Handle()));
  EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'D', 0), 1);
  EXPECT_TRUE(button->Focused());
}

TEST_F(Labels, AClickableLabelClicksOnceThroughItsParent) {
  Form.SetBounds(0, 0, 300, 200);
  auto* label = Place<TMVWSimpleLabel>(Form, 20, 30, 100, 20);
  label->SetCaption("Technical Routine");
  label->SetTag(7);
  std::vector<std::int64_t> clicks;
  label->OnClick = [&clicks](TObject* sender) {
    clicks.push_back(static_cast<TComponent*>(sender)->Tag());
  };
  Form.Show();
  const auto press = [this](int upX, int upY) {
    SendMessageA(Form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 35));
    SendMessageA(Form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(upX, upY));
  };
  press(30, 35);
  EXPECT_EQ(clicks, std::vector<std::int64_t>{7});
  press(250, 150);
  EXPECT_EQ(clicks.size(), 1u) << "released outside";
}

TEST_F(Labels, ALinkOpensItsTargetAndAFailedShellTurnsItOff) {
  std::vector<std::string> opened;
  INT_PTR answer = 42;
  SetShellOpener([&](HWND, const std::string& target) {
    opened.push_back(target);
    return answer;
  });
  TMVWSimpleLabel label(nullptr);
  int clicks = 0;
  label.OnClick = [&clicks](TObject*) { ++clicks; };
  label.SetCaption("judge@meet.example");
  label.SetJumpMode(jmInternet);
  EXPECT_TRUE(label.Font().Style() & fsUnderline);
  EXPECT_EQ(label.Font().Color(), label.InActiveColor());
  label.Click();
  label.SetJump(" http://meet.example ");
  label.Click();
  EXPECT_EQ(opened,
            (std::vector<std::string>{"mailto:judge@meet.example", " http://meet.example "}));
  EXPECT_EQ(clicks, 0);
  answer = 2;
  label.Click();
  EXPECT_EQ(label.JumpMode(), jmNone);
  EXPECT_FALSE(label.Enabled());
  EXPECT_FALSE(label.Font().Style() & fsUnderline);
  label.Click();
  EXPECT_EQ(clicks, 1) << "an ordinary label again";
  SetShellOpener(nullptr);
}

TEST_F(Labels, ATurnedCaptionNeedsATrueTypeFont) {
  TMVWLabel label(nullptr);
  label.Font().SetName("Arial");
  label.FontFX().SetAngle(90);
  EXPECT_EQ(label.FontFX().Angle(), 90);
  TFont probe;
  std::string bitmapFont;
  for (const char* name : {"MS Sans Serif", "Small Fonts", "Fixedsys", "System", "Terminal"}) {
    probe.SetName(name);
    if (!IsTrueTypeFont(probe)) {
      bitmapFont = name;
      break;
    }
  }
  if (bitmapFont.empty())
    GTEST_SKIP() << "no font here that is not TrueType";
  label.Font().SetName(bitmapFont);
  EXPECT_EQ(label.FontFX().Angle(), 0);
  label.FontFX().SetAngle(270);
  EXPECT_EQ(label.Font().Name(), "Arial");
}

} // namespace
} // namespace marivo
