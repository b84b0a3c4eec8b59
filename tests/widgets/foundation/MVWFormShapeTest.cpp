#include "widgets/foundation/MVWFormShape.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/Images.h"
#include "platform/ui/Panels.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/Snapshot.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>

namespace marivo {
namespace {

// A form with a shape, shown, its window hooked as form data would leave it.
class MVWFormShape : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterFoundationClasses();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(100, 100, 300, 200);
    Shape = new TMVWFormShape(Form.get());
    Form->Show();
    ASSERT_TRUE(Shape->HookWndProc());
    Shape->UpdateRegion();
  }
  void TearDown() override { Form.reset(); }

  // The window region, moved so that (0, 0) is the window's corner.
  bool InWindow(int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool inside = GetWindowRgn(Form->Handle(), region) != ERROR && PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
  }
  LRESULT HitTest(int clientX, int clientY) {
    POINT point{clientX, clientY};
    ClientToScreen(Form->Handle(), &point);
    return SendMessageA(Form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  }

  TApplication App;
  std::unique_ptr<TForm> Form;
  TMVWFormShape* Shape = nullptr;
};

TEST_F(MVWFormShape, TheWindowTakesTheRegionItsShadowAndOnlyAKeptCaption) {
  EXPECT_FALSE(InWindow(0, 0)) << "a rounded corner";
  EXPECT_TRUE(InWindow(150, 100));
  EXPECT_TRUE(InWindow(299, 100));

  Shape->Region().Shadow().SetStyle(hssSolid);
  EXPECT_TRUE(InWindow(298, 100)) << "the shadow's copy belongs to the window";
  EXPECT_EQ(Shape->Region().Handle() != nullptr, true);
  RECT box{};
  GetRgnBox(Shape->Region().Handle(), &box);
  EXPECT_EQ(box.right, 300 + 1 - 6 - 1) << "the shape leaves the shadow's strip";

  Shape->Region().Shadow().SetStyle(hssNone);
  Shape->Region().SetShape(rsElliptic);
  Form->SetBorderStyle(bsSingle);
  Shape->UpdateRegion();
  EXPECT_TRUE(InWindow(2, 2)) << "the caption is kept with a border";
  Shape->SetShowFormCaption(false);
  EXPECT_FALSE(InWindow(150, 2)) << "and cut away without it";
}

TEST_F(MVWFormShape, EmptySpotsDragTheFormAndControlsStillTakeTheirPresses) {
  auto* image = new TImage(Form.get());
  image->SetParent(Form.get());
  image->SetBounds(10, 10, 50, 20);
  auto* button = new TButton(Form.get());
  button->SetParent(Form.get());
  button->SetBounds(100, 100, 80, 30);
  EXPECT_EQ(HitTest(200, 50), HTCAPTION);
  EXPECT_EQ(HitTest(20, 15), HTCLIENT) << "a window-less control";
  POINT onButton{110, 110};
  ClientToScreen(Form->Handle(), &onButton);
  EXPECT_EQ(SendMessageA(button->Handle(), WM_NCHITTEST, 0, MAKELPARAM(onButton.x, onButton.y)),
            HTCLIENT)
      << "a windowed control answers for itself";
  // Off the caption, so that the system starts no menu loop of its own.
  SendMessageA(Form->Handle(), WM_NCRBUTTONDOWN, HTNOWHERE, 0);
  EXPECT_EQ(HitTest(200, 50), HTCLIENT) << "while the right button is down";
  SendMessageA(Form->Handle(), WM_NCRBUTTONUP, HTNOWHERE, 0);
  EXPECT_EQ(HitTest(200, 50), HTCAPTION);
  Shape->SetFormDragable(false);
  EXPECT_EQ(HitTest(200, 50), HTCLIENT);
}

TEST_F(MVWFormShape, TheBackgroundIsTheFillForSeeThroughControls) {
  EXPECT_FALSE(FormShapeHasBackground(Shape));
  EXPECT_EQ(FormShapeBackBitmap(Shape), nullptr);
  Shape->FillObject().SetStyle(sfBrush);
  Shape->FillObject().Brush().SetColor(clLime);
  Shape->PaintBackground(nullptr);
  ASSERT_TRUE(FormShapeHasBackground(Shape));
  EXPECT_EQ(FormShapeBackBitmap(Shape), &Shape->BackBitmap());
  TBitmap control;
  control.SetSize(10, 10);
  EXPECT_TRUE(DrawFormShapeBackground(Shape, control.Canvas(), {0, 0, 10, 10}, {50, 50}));
  EXPECT_EQ(control.Pixels(5, 5), clLime);

  Shape->Region().SetShape(rsBitmap);
  Shape->Region().Mask().BorderBitmap().SetSize(120, 80);
  Shape->UpdateRegion();
  EXPECT_EQ(Form->Width(), 120 + 6) << "the picture and the shadow's depth";
  EXPECT_EQ(FormShapeBackBitmap(Shape), &Shape->Region().Mask().BorderBitmap());
}

TEST_F(MVWFormShape, FiveHundredResizesOfAShapedFormLeaveNothingBehind) {
  Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsSizeable);
  Form->SetBounds(50, 50, 300, 200);
  Shape = new TMVWFormShape(Form.get());
  Shape->FillObject().SetStyle(sfGradient);
  Shape->Region().Shadow().SetStyle(hssSolid);
  Shape->Region().Border().SetStyle(rbSingleRaised);
  Form->Show();
  ASSERT_TRUE(Shape->HookWndProc());
  Shape->UpdateRegion();
  UpdateWindow(Form->Handle());
  const long before = GdiLiveCount();
  const TMVWRegionShape kinds[] = {rsRoundRect, rsStar, rsSharpShield, rsEllipticThinkBubble,
                                   rsRoundNoseRect};
  for (int i = 0; i < 500; ++i) {
    Form->SetBounds(50, 50, 200 + i % 100, 150 + i % 60);
    if (i % 50 == 0)
      Shape->Region().SetShape(kinds[i / 50 % 5]);
    UpdateWindow(Form->Handle());
  }
  const long after = GdiLiveCount();
  EXPECT_EQ(Shape->ShapeRect().right, Form->Width() - 2 * GetSystemMetrics(SM_CXFRAME) + 1)
      << "the last resize reached the shape";
  std::printf("GDI live count, 500 resizes of a shaped form: %ld before, %ld after\n", before,
              after);
  EXPECT_EQ(after, before);
  const TRegionHandle window(CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(GetWindowRgn(Form->Handle(), window.Get()), ERROR) << "the window still has its shape";
}

TEST_F(MVWFormShape, SnapshotOfARoundedDraggableForm) {
  Shape->FillObject().SetStyle(sfGradient);
  Shape->FillObject().Gradient().SetColorCount(64);
  Shape->FillObject().Gradient().SetEndColor(clAqua);
  Shape->Region().Shadow().SetStyle(hssSolid);
  Shape->Region().Border().SetStyle(rbSingleRaised);
  auto* panel = new TPanel(Form.get());
  panel->SetParent(Form.get());
  panel->SetBounds(40, 80, 220, 24);
  panel->SetCaption("Drag me by any empty spot");
  const test::TSnapshot snapshot = test::SnapshotForm(*Form, "widget-form-shape");
  EXPECT_TRUE(snapshot.Shows(*Form, clBlue, {100, 0, 200, 10})) << "the gradient's first colour";
  EXPECT_EQ(snapshot.At(*Form, {295, 100}), ColorToRGB(clBtnShadow)) << "the shadow";
  EXPECT_EQ(HitTest(150, 40), HTCAPTION);
}

} // namespace
} // namespace marivo
