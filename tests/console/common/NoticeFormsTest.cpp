#include "console/common/NoticeForms.h"
#include "platform/ui/Application.h"
#include "platform/ui/Images.h"
#include "platform/ui/Panels.h"
#include "platform/ui/StdClasses.h"
#include "widgets/foundation/MVWFormShape.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

class NoticeForms : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterNoticeForms();
    App = std::make_unique<TApplication>();
    App->SetTitle("Marivo");
    // The start-up notice stands in for the main form, so that the notices close as notices
    // (hidden) rather than ending the application.
    App->CreateForm(ObtainingIPAddress);
    App->CreateForm(InvalidElements);
    App->CreateForm(ScoresForm);
  }
  void TearDown() override {
    App.reset();
    ObtainingIPAddress = nullptr;
    InvalidElements = nullptr;
    ScoresForm = nullptr;
  }

  static bool Showing(TForm& form) {
    return form.Visible() && form.HandleAllocated() && IsWindowVisible(form.Handle());
  }

  static std::string PanelCaption(TForm& form, const std::string& name) {
    return NamedComponent<TPanel>(form, name).Caption();
  }

  static COLORREF PixelAt(TForm& form, int x, int y) {
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(form.Handle());
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(form.Handle(), dc);
    return pixel;
  }

  // The notices' time passes only as a test moves it on.
  TManualClock Clock;
  std::unique_ptr<TApplication> App;
};

TEST_F(NoticeForms, NoticesShowTheirTextsAndWaitHidden) {
  EXPECT_EQ(PanelCaption(*ObtainingIPAddress, "PanelTitle"), "Retrieving your IP Address");
  EXPECT_EQ(PanelCaption(*InvalidElements, "PanelLostConnection"), "Lost Connection");
  EXPECT_EQ(PanelCaption(*InvalidElements, "PanelReconnecting"), "Reconnecting in 2 seconds.");
  for (const char* name : {"Image1", "Image2", "Image3"}) {
    const TPicture& picture = NamedComponent<TImage>(*ObtainingIPAddress, name).Picture();
    EXPECT_GT(picture.Width(), 0) << name << " has no picture";
  }

  EXPECT_FALSE(ObtainingIPAddress->Visible());
  EXPECT_FALSE(InvalidElements->Visible());
  EXPECT_FALSE(ScoresForm->Visible());
  EXPECT_FALSE(InvalidElements->Timer1->Enabled());
  EXPECT_EQ(InvalidElements->Timer1->Interval(), 2000u);
  EXPECT_FALSE(ScoresForm->ScoresTimer->Enabled());
  EXPECT_EQ(ScoresForm->ScoresTimer->Interval(), 6000u);
  EXPECT_EQ(ScoresForm->ScoresGrid->ColCount(), 7);
  EXPECT_EQ(ScoresForm->ScoresGrid->RowCount(), 8);
}

// The address notice has no border: the window is the rounded rectangle over its whole client
// area, painted with the gradient to aqua and outlined in black.
TEST_F(NoticeForms, TheAddressNoticeIsRounded) {
  TForm& notice = *ObtainingIPAddress;
  notice.Show();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(notice.Handle(), region), ERROR);
  // The shape rectangle is the client area grown by a pixel on every side.
  HRGN rounded = CreateRoundRectRgn(-1, -1, 414, 150, 20, 20);
  HRGN difference = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(difference, region, rounded, RGN_XOR), NULLREGION);
  DeleteObject(difference);
  DeleteObject(rounded);
  DeleteObject(region);
  const auto& shape = NamedComponent<TMVWFormShape>(notice, "FormShape");
  EXPECT_FALSE(shape.ShowFormCaption());
  EXPECT_FALSE(shape.FormDragable());
  EXPECT_EQ(shape.FillObject().Gradient().StepColors().back(), ColorToRGB(clAqua));
}

TEST_F(NoticeForms, LostConnectionStaysOnTopWithItsBlueStrips) {
  InvalidElements->Show();
  App->ProcessMessages();
  ASSERT_TRUE(Showing(*InvalidElements));
  EXPECT_TRUE(GetWindowLongA(InvalidElements->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT bounds;
  GetWindowRect(InvalidElements->Handle(), &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 462);
  EXPECT_EQ(bounds.bottom - bounds.top, 121);

  // The corners of the strips hold no text: the strip's own blue shows there.
  const auto& strip = NamedComponent<TPanel>(*InvalidElements, "PanelLostConnection");
  EXPECT_EQ(PixelAt(*InvalidElements, strip.Left() + 3, strip.Top() + 3), RGB(0, 0, 255));
  const auto& second = NamedComponent<TPanel>(*InvalidElements, "PanelReconnecting");
  EXPECT_EQ(PixelAt(*InvalidElements, second.Left() + second.Width() - 4, second.Top() + 3),
            RGB(0, 0, 255));
}

TEST_F(NoticeForms, LostConnectionClosesItselfAfterItsTimeAndCanComeBack) {
  for (int showing = 1; showing <= 2; ++showing) {
    InvalidElements->Show();
    App->ProcessMessages();
    ASSERT_TRUE(Showing(*InvalidElements)) << "showing " << showing;
    Clock.Advance(1999);
    EXPECT_TRUE(Showing(*InvalidElements)) << "showing " << showing << " closed before its time";
    Clock.Advance(1);
    EXPECT_FALSE(InvalidElements->Visible()) << "showing " << showing << " stayed up";
    EXPECT_FALSE(IsWindowVisible(InvalidElements->Handle()));
  }
  EXPECT_FALSE(App->Terminated()) << "a notice closing must not end the console";
}

// A second lost connection while the notice is up gives the official the full time again.
TEST_F(NoticeForms, LostConnectionShownAgainStaysAFullIntervalFromTheSecondShowing) {
  InvalidElements->ShowAgain();
  ASSERT_TRUE(Showing(*InvalidElements));
  Clock.Advance(1500);
  InvalidElements->ShowAgain();
  Clock.Advance(1999);
  EXPECT_TRUE(Showing(*InvalidElements)) << "closed at the end of the first showing's time";
  Clock.Advance(1);
  EXPECT_FALSE(InvalidElements->Visible());
}

TEST_F(NoticeForms, ScoreTableCoversTheScreenAndHidesAfterItsTime) {
  ScoresForm->Show();
  App->ProcessMessages();
  ASSERT_TRUE(Showing(*ScoresForm));
  EXPECT_EQ(ScoresForm->Left(), 10);
  EXPECT_EQ(ScoresForm->Top(), 10);
  EXPECT_EQ(ScoresForm->Width(), 1346);
  EXPECT_EQ(ScoresForm->Height(), 748);
  RECT bounds;
  GetWindowRect(ScoresForm->Handle(), &bounds);
  EXPECT_EQ(bounds.left, 10);
  EXPECT_EQ(bounds.top, 10);
  EXPECT_EQ(bounds.right, 1356);
  EXPECT_EQ(bounds.bottom, 758);
  EXPECT_TRUE(GetWindowLongA(ScoresForm->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  Clock.Advance(5999);
  EXPECT_TRUE(Showing(*ScoresForm)) << "hidden before its time";
  Clock.Advance(1);
  EXPECT_FALSE(ScoresForm->Visible());
  EXPECT_FALSE(IsWindowVisible(ScoresForm->Handle()));
  EXPECT_FALSE(App->Terminated());
}

// Two score tables from the server 4 s apart: the second gets its own 6 s.
TEST_F(NoticeForms, ScoreTableShownAgainStaysAFullIntervalFromTheSecondShowing) {
  ScoresForm->ShowAgain();
  ASSERT_TRUE(Showing(*ScoresForm));
  Clock.Advance(4000);
  ScoresForm->ShowAgain();
  Clock.Advance(5999);
  EXPECT_TRUE(Showing(*ScoresForm)) << "hidden at the end of the first table's time";
  EXPECT_EQ(ScoresForm->Left(), 10);
  Clock.Advance(1);
  EXPECT_FALSE(ScoresForm->Visible());
}

} // namespace
} // namespace marivo
