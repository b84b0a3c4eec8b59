#include "console/common/NoticeForms.h"
#include "platform/ui/Application.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/ScreenPixels.h"
#include "widgets/controls/MVWLImage.h"
#include "widgets/foundation/MVWFormShape.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
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
    return NamedComponent<TControl>(form, name).Caption();
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
    EXPECT_FALSE(NamedComponent<TMVWLImage>(*ObtainingIPAddress, name).IsEmpty())
        << name << " has no picture";
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
  const auto& strip = NamedComponent<TControl>(*InvalidElements, "PanelLostConnection");
  EXPECT_EQ(PixelAt(*InvalidElements, strip.Left() + 3, strip.Top() + 3), RGB(0, 0, 255));
  const auto& second = NamedComponent<TControl>(*InvalidElements, "PanelReconnecting");
  EXPECT_EQ(PixelAt(*InvalidElements, second.Left() + second.Width() - 4, second.Top() + 3),
            RGB(0, 0, 255));
}

// The colours of a column of a notice, top to bottom, as on screen.
std::vector<COLORREF> Column(TForm& form, int x, int top, int bottom) {
  return test::RepaintedPixels(form.Handle(), {x, top, x + 1, bottom});
}

int DistinctColours(const std::vector<COLORREF>& pixels) {
  return static_cast<int>(std::set<COLORREF>(pixels.begin(), pixels.end()).size());
}

TEST_F(NoticeForms, EachNoticeShowsItsStripsGradientsAndPictures) {
  TForm& address = *ObtainingIPAddress;
  address.Show();
  App->ProcessMessages();
  const auto& title = NamedComponent<TControl>(address, "PanelTitle");
  EXPECT_EQ(PixelAt(address, title.Width() / 2, 2), RGB(0, 0, 255)) << "blue title strip";
  const auto& pictures = NamedComponent<TControl>(address, "PanelPictures");
  const int top = pictures.Top();
  const int bottom = pictures.Top() + pictures.Height();
  // Left of the first picture the gradient runs from top to bottom in its 64 colours to aqua.
  const auto gradient = Column(address, 20, top, bottom);
  EXPECT_EQ(DistinctColours(gradient), 64);
  EXPECT_EQ(gradient.back(), RGB(0, 255, 255));
  for (const char* name : {"Image1", "Image2", "Image3"}) {
    const auto& image = NamedComponent<TMVWLImage>(address, name);
    EXPECT_EQ(image.Width(), 64);
    EXPECT_EQ(image.Height(), 64);
    const int x = image.Left();
    const int y = top + image.Top();
    EXPECT_EQ(PixelAt(address, x + 32, y + 32), RGB(255, 255, 255)) << name << ": its picture";
    // The picture's aqua ground is transparent: the gradient shows through.
    EXPECT_EQ(PixelAt(address, x, y), gradient[static_cast<std::size_t>(image.Top())]) << name;
  }
  address.Hide();

  InvalidElements->Show();
  App->ProcessMessages();
  // Beside the strips, inside the raised edge: red at the top to yellow at the bottom.
  const auto warning = Column(*InvalidElements, 8, 1, 120);
  EXPECT_EQ(warning.front(), RGB(255, 0, 0));
  EXPECT_EQ(GetRValue(warning.back()), 255);
  EXPECT_GE(GetGValue(warning.back()), 240);
  EXPECT_EQ(GetBValue(warning.back()), 0);
  EXPECT_GE(DistinctColours(warning), 60);
  InvalidElements->Close();

  ScoresForm->Show();
  App->ProcessMessages();
  // Two lowered rings of 3 pixels: shadow at the top left, light at the bottom right.
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const int right = ScoresForm->ClientWidth() - 1;
  const int low = ScoresForm->ClientHeight() - 1;
  for (int ring : {0, 2, 3, 5}) {
    EXPECT_EQ(PixelAt(*ScoresForm, ring, 100), shadow) << "left, pixel " << ring;
    EXPECT_EQ(PixelAt(*ScoresForm, 100, ring), shadow) << "top, pixel " << ring;
    EXPECT_EQ(PixelAt(*ScoresForm, right - ring, 100), light) << "right, pixel " << ring;
    EXPECT_EQ(PixelAt(*ScoresForm, 100, low - ring), light) << "bottom, pixel " << ring;
  }
  EXPECT_EQ(PixelAt(*ScoresForm, 6, 100), RGB(0, 0, 255)) << "the blue inside the rings";
}

// Graphics resources stay flat however often the notices come and go.
TEST_F(NoticeForms, HundredShowingsOfTheNoticesLeaveNoGraphicsObjectsBehind) {
  auto showAll = [this] {
    ObtainingIPAddress->Show();
    App->ProcessMessages();
    ObtainingIPAddress->Hide();
    InvalidElements->ShowAgain();
    App->ProcessMessages();
    Clock.Advance(2000);
    ScoresForm->ShowAgain();
    App->ProcessMessages();
    Clock.Advance(6000);
  };
  showAll();
  const long before = GdiLiveCount();
  for (int showing = 0; showing < 100; ++showing)
    showAll();
  EXPECT_FALSE(InvalidElements->Visible());
  EXPECT_FALSE(ScoresForm->Visible());
  EXPECT_EQ(GdiLiveCount(), before);
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
