#include "platform/ui/GdiHandles.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScreenPixels.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

namespace marivo {
namespace {

bool Alive(HGDIOBJ object) {
  return GetObjectType(object) != 0;
}

TEST(GdiHandles, OwnersDeleteOnEveryPathAndCountWhatTheyHold) {
  const long start = GdiLiveCount();
  HRGN kept = nullptr;
  {
    TRegionHandle region(CreateRectRgn(0, 0, 10, 10));
    TBrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    const TMemoryDC dc(CreateCompatibleDC(nullptr));
    EXPECT_EQ(GdiLiveCount(), start + 3);
    HRGN first = region.Get();
    TRegionHandle moved(std::move(region));
    EXPECT_FALSE(region);
    EXPECT_EQ(moved.Get(), first);
    EXPECT_EQ(GdiLiveCount(), start + 3) << "a move is no new object";
    moved.Reset(CreateRectRgn(0, 0, 5, 5));
    EXPECT_FALSE(Alive(first)) << "the replaced region";
    kept = moved.Release();
    EXPECT_EQ(GdiLiveCount(), start + 2) << "given away";
    EXPECT_TRUE(Alive(kept));
    TPenHandle failed(nullptr);
    EXPECT_FALSE(failed);
    EXPECT_EQ(GdiLiveCount(), start + 2) << "a failed Create holds nothing";
  }
  EXPECT_EQ(GdiLiveCount(), start);
  EXPECT_TRUE(Alive(kept));
  DeleteObject(kept);

  HBITMAP thrown = nullptr;
  try {
    const TBitmapHandle bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    thrown = bitmap.Get();
    throw std::runtime_error("drawing failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(Alive(thrown)) << "deleted on the way out of an exception";
  EXPECT_EQ(GdiLiveCount(), start);

  // A bitmap selected into a DC cannot be deleted: the selection puts the old one back first.
  const TMemoryDC dc(CreateCompatibleDC(nullptr));
  HBITMAP selected = nullptr;
  {
    const TBitmapHandle bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    selected = bitmap.Get();
    const TSelection selection(dc.Get(), bitmap.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), selected);
  }
  EXPECT_FALSE(Alive(selected));
}

// Draws with a pen, a brush and its canvas's font, which the canvas makes once and keeps; then
// fails when told to.
class TFailingPaint : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  bool Fail = false;

protected:
  void Paint() override {
    Canvas().Brush().SetColor(clRed);
    Canvas().Rectangle(0, 0, Width(), Height());
    Canvas().TextOut(2, 2, "8.5");
    if (Fail)
      throw EInvalidOperation("Cannot paint");
  }
};

TEST(GdiHandles, APaintThatThrowsGivesBackAllButWhatTheCanvasesKeep) {
  TApplication app;
  int errors = 0;
  SetMessageBoxHandler([&errors](const std::string&, const std::string&, unsigned) {
    ++errors;
    return IDOK;
  });
  TForm form(nullptr);
  form.SetBounds(40, 40, 260, 120);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(120, 10, 100, 60);
  // On the form they paint on its paint cycle's DC, on the platform's button on a DC borrowed
  // after the button drew itself.
  TFailingPaint* const painters[] = {new TFailingPaint(&form), new TFailingPaint(button)};
  painters[0]->SetParent(&form);
  painters[1]->SetParent(button);
  for (TFailingPaint* painter : painters)
    painter->SetBounds(4, 4, 60, 40);
  form.Show();
  const auto repaint = [&form] {
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  repaint();
  const long before = GdiLiveCount();
  for (TFailingPaint* painter : painters)
    painter->Fail = true;
  repaint();
  EXPECT_EQ(errors, 2) << "both paints failed";
  EXPECT_EQ(GdiLiveCount(), before);
  SetMessageBoxHandler(nullptr);
}

// Shows its parent through itself, from the parent's one picture of the round of paints.
struct TSeeThrough : TCustomControl {
  using TCustomControl::TCustomControl;
  void EraseBackground(HDC dc) override {
    if (!PaintParentBackground(dc))
      TCustomControl::EraseBackground(dc);
  }
};

// Counting handles right after handling the messages must not see a round of paints still open,
// and the child shows the parent's new colour.
TEST(GdiHandles, TheParentsPictureForSeeThroughChildrenGoesWithTheLastMessage) {
  TApplication app;
  TForm form(nullptr);
  form.SetBounds(40, 40, 260, 120);
  form.SetColor(clRed);
  auto* child = new TSeeThrough(&form);
  child->SetParent(&form);
  child->SetBounds(20, 20, 80, 40);
  form.Show();
  ASSERT_TRUE(test::PumpUntilDrawn());
  const long idle = GdiLiveCount();
  form.SetColor(clLime);
  RedrawWindow(form.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(GdiLiveCount(), idle + 3) << "the picture, its DC and the region painted";
  app.ProcessMessages();
  EXPECT_EQ(GdiLiveCount(), idle) << "let go without waiting for its timer";
  EXPECT_EQ(test::ScreenPixels(child->Handle(), RECT{40, 20, 41, 21}).front(), ColorToRGB(clLime));
}

} // namespace
} // namespace marivo
