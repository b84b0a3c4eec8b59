#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdClasses.h"
#include "widgets/foundation/MVWFormShape.h"
#include "widgets/foundation/MVWGdiHandles.h"
#include "widgets/foundation/MVWUnits.h"
#include "widgets/foundation/mvwgraph.h"
#include "widgets/foundation/mvwregion.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace marivo {
namespace {

bool Alive(HGDIOBJ object) {
  return GetObjectType(object) != 0;
}

TEST(MVWGdiHandles, OwnersDeleteOnEveryPathAndCountWhatTheyHold) {
  const long start = MVWGdiLiveCount();
  HRGN kept = nullptr;
  {
    TMVWRegionHandle region(CreateRectRgn(0, 0, 10, 10));
    TMVWBrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    const TMVWMemoryDC dc(CreateCompatibleDC(nullptr));
    EXPECT_EQ(MVWGdiLiveCount(), start + 3);
    HRGN first = region.Get();
    TMVWRegionHandle moved(std::move(region));
    EXPECT_FALSE(region);
    EXPECT_EQ(moved.Get(), first);
    EXPECT_EQ(MVWGdiLiveCount(), start + 3) << "a move is no new object";
    moved.Reset(CreateRectRgn(0, 0, 5, 5));
    EXPECT_FALSE(Alive(first)) << "the replaced region";
    kept = moved.Release();
    EXPECT_EQ(MVWGdiLiveCount(), start + 2) << "given away";
    EXPECT_TRUE(Alive(kept));
    TMVWPenHandle failed(nullptr);
    EXPECT_FALSE(failed);
    EXPECT_EQ(MVWGdiLiveCount(), start + 2) << "a failed Create holds nothing";
  }
  EXPECT_EQ(MVWGdiLiveCount(), start);
  EXPECT_TRUE(Alive(kept));
  DeleteObject(kept);

  HBITMAP thrown = nullptr;
  try {
    const TMVWBitmapHandle bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    thrown = bitmap.Get();
    throw std::runtime_error("drawing failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(Alive(thrown)) << "deleted on the way out of an exception";
  EXPECT_EQ(MVWGdiLiveCount(), start);

  // A bitmap selected into a DC cannot be deleted: the selection puts the old one back first.
  const TMVWMemoryDC dc(CreateCompatibleDC(nullptr));
  HBITMAP selected = nullptr;
  {
    const TMVWBitmapHandle bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    selected = bitmap.Get();
    const TMVWSelection selection(dc.Get(), bitmap.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), selected);
  }
  EXPECT_FALSE(Alive(selected));
}

class MVWGdiLeaks : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterFoundationClasses();
  }
  static std::vector<std::uint8_t> EllipseData() {
    const TMVWRegionHandle ellipse(CreateEllipticRgn(0, 0, 90, 60));
    std::vector<std::uint8_t> data(GetRegionData(ellipse.Get(), 0, nullptr));
    GetRegionData(ellipse.Get(), static_cast<DWORD>(data.size()),
                  reinterpret_cast<RGNDATA*>(data.data()));
    return data;
  }
  // A region of the kind with what it needs to build: points, region data, a shadow.
  static void Prepare(TMVWBorderRegion& region, int kind, const std::vector<std::uint8_t>& data) {
    region.Mask().SetRegionData(data);
    for (const TMVWPoint point :
         {TMVWPoint{0, 0}, TMVWPoint{90, 10}, TMVWPoint{40, 70}, TMVWPoint{5, 50}})
      region.Points().AddPoint(point);
    // Only a point list fills the user region that rsUserRegion shares.
    region.SetShape(rsPointList);
    region.SetShape(static_cast<TMVWRegionShape>(kind));
    region.Shadow().SetStyle(kind % 2 ? hssSolid : hssTracing);
  }
  static void Report(const char* what, long before, long after) {
    std::printf("GDI live count, %s: %ld before, %ld after\n", what, before, after);
  }
  TMVWFoundation Foundation;
};

TEST_F(MVWGdiLeaks, AThousandBuildsOfEveryRegionKindLeaveNothingBehind) {
  const std::vector<std::uint8_t> data = EllipseData();
  const long before = MVWGdiLiveCount();
  for (int kind = rsRect; kind <= rsPointList; ++kind) {
    TMVWBorderRegion region;
    Prepare(region, kind, data);
    for (int i = 0; i < 1000; ++i) {
      if (i % 3 == 2)
        region.SetRectRegion({0, 0, 10 + i % 7, 10});
      else
        region.CreateRegion({0, 0, 60 + i % 50, 40 + i % 30});
    }
    ASSERT_TRUE(region.Handle()) << kind;
    EXPECT_EQ(MVWGdiLiveCount(), before + 1) << kind << ": only the region's own handle";
  }
  Report("18 x 1,000 region builds", before, MVWGdiLiveCount());
  EXPECT_EQ(MVWGdiLiveCount(), before);
}

TEST_F(MVWGdiLeaks, AThousandBorderPaintingsLeaveNothingBehind) {
  const std::vector<std::uint8_t> data = EllipseData();
  TBitmap bitmap;
  bitmap.SetSize(140, 100);
  const long before = MVWGdiLiveCount();
  std::vector<std::unique_ptr<TMVWBorderRegion>> regions;
  for (int kind = rsRect; kind <= rsPointList; ++kind) {
    regions.push_back(std::make_unique<TMVWBorderRegion>());
    Prepare(*regions.back(), kind, data);
    regions.back()->CreateRegion({0, 0, 120, 90});
  }
  for (int i = 0; i < 1000; ++i) {
    TMVWBorderRegion& region = *regions[static_cast<std::size_t>(i) % regions.size()];
    region.Border().SetStyle(static_cast<TMVWRegionBorderStyle>(i % 8));
    region.PaintBorder(bitmap.Canvas(), {0, 0, 120, 90});
  }
  EXPECT_EQ(MVWGdiLiveCount(), before + static_cast<long>(regions.size()));
  regions.clear();
  Report("1,000 PaintBorder calls", before, MVWGdiLiveCount());
  EXPECT_EQ(MVWGdiLiveCount(), before);
}

TEST_F(MVWGdiLeaks, FiveHundredResizesOfAShapedFormLeaveNothingBehind) {
  TApplication app;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(50, 50, 300, 200);
  auto* shape = new TMVWFormShape(form.get());
  shape->FillObject().SetStyle(sfGradient);
  shape->Region().Shadow().SetStyle(hssSolid);
  shape->Region().Border().SetStyle(rbSingleRaised);
  form->Show();
  ASSERT_TRUE(shape->HookWndProc());
  shape->UpdateRegion();
  UpdateWindow(form->Handle());
  const long before = MVWGdiLiveCount();
  const TMVWRegionShape kinds[] = {rsRoundRect, rsStar, rsSharpShield, rsEllipticThinkBubble,
                                   rsRoundNoseRect};
  for (int i = 0; i < 500; ++i) {
    form->SetBounds(50, 50, 200 + i % 100, 150 + i % 60);
    if (i % 50 == 0)
      shape->Region().SetShape(kinds[i / 50 % 5]);
    UpdateWindow(form->Handle());
  }
  const long after = MVWGdiLiveCount();
  EXPECT_EQ(shape->ShapeRect().right, form->Width() - 2 * GetSystemMetrics(SM_CXFRAME) + 1)
      << "the last resize reached the shape";
  Report("500 resizes of a shaped form", before, after);
  EXPECT_EQ(after, before);
  HRGN window = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(form->Handle(), window), ERROR) << "the window still has its shape";
  DeleteObject(window);
  form.reset();
}

} // namespace
} // namespace marivo
