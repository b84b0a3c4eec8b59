#include "platform/ui/StatusBars.h"
#include "tests/platform/ui/ExtCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

using test::TScreenPixels;
using ExtCtrlsStatusBarTest = test::ExtCtrlsTest;

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

} // namespace
} // namespace marivo
