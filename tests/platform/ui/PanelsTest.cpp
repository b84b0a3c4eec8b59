#include "platform/ui/Panels.h"
#include "tests/platform/ui/ExtCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

using test::TScreenPixels;
using ExtCtrlsPanelTest = test::ExtCtrlsTest;

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

} // namespace
} // namespace marivo
