#include "platform/ui/ScrollBoxes.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panels.h"

#include <gtest/gtest.h>

#include <memory>

namespace marivo {
namespace {

// A box 120 x 100 without a border holding a panel that reaches 250 pixels down.
class ScrollBoxTest : public ::testing::Test {
protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(50, 50, 300, 300);
    Box = new TScrollBox(Form.get());
    Box->SetBorderStyle(bsNone);
    Box->SetParent(Form.get());
    Box->SetBounds(10, 10, 120, 100);
    Tall = new TPanel(Form.get());
    Tall->SetParent(Box);
    Tall->SetBounds(0, 200, 50, 50);
    Form->Show();
    Box->UpdateScrollBars();
  }
  int Scroll(UINT code, int thumb = 0) {
    SendMessageA(Box->Handle(), WM_VSCROLL, MAKEWPARAM(code, thumb), 0);
    return Box->VertScrollBar().Position();
  }

  TApplication App;
  std::unique_ptr<TForm> Form;
  TScrollBox* Box = nullptr;
  TPanel* Tall = nullptr;
};

TEST_F(ScrollBoxTest, OnlyTheBarThatIsNeededShows) {
  EXPECT_TRUE(Box->VertScrollBar().IsScrollBarVisible());
  EXPECT_FALSE(Box->HorzScrollBar().IsScrollBarVisible());
  EXPECT_EQ(Box->VertScrollBar().Range(), 250);
  EXPECT_EQ(Box->ClientHeight(), 100);
  EXPECT_EQ(Box->ClientWidth(), 120 - GetSystemMetrics(SM_CXVSCROLL));

  Box->VertScrollBar().SetVisible(false);
  EXPECT_FALSE(Box->VertScrollBar().IsScrollBarVisible());
  EXPECT_EQ(Scroll(SB_LINEDOWN), 0) << "a hidden bar does not scroll";
}

TEST_F(ScrollBoxTest, EveryScrollCodeMovesTheChildrenByTheSameStep) {
  struct TStep {
    UINT Code;
    int Thumb;
    int Position;
  };
  const TStep steps[] = {
      {SB_LINEDOWN, 0, 8},   {SB_LINEDOWN, 0, 16},       {SB_LINEUP, 0, 8},
      {SB_PAGEDOWN, 0, 108}, {SB_PAGEDOWN, 0, 150},      {SB_ENDSCROLL, 0, 150},
      {SB_PAGEUP, 0, 50},    {SB_THUMBPOSITION, 70, 70}, {SB_THUMBTRACK, 500, 150},
      {SB_TOP, 0, 0},        {SB_LINEUP, 0, 0},          {SB_BOTTOM, 0, 150},
  };
  for (const TStep& step : steps) {
    EXPECT_EQ(Scroll(step.Code, step.Thumb), step.Position) << "code " << step.Code;
    EXPECT_EQ(Tall->Top(), 200 - step.Position);
    EXPECT_EQ(GetScrollPos(Box->Handle(), SB_VERT), step.Position);
  }
}

TEST_F(ScrollBoxTest, AGrownBoxScrollsBackWhatNoLongerNeedsScrolling) {
  Scroll(SB_BOTTOM);
  Box->SetHeight(300);
  EXPECT_EQ(Box->VertScrollBar().Position(), 0);
  EXPECT_EQ(Tall->Top(), 200);
  EXPECT_FALSE(Box->VertScrollBar().IsScrollBarVisible());
}

} // namespace
} // namespace marivo
