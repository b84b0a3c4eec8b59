#include "widgets/foundation/MVWRegion.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/Images.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/Snapshot.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

class TRegionHolder : public TComponent {
public:
  using TComponent::TComponent;
  TMVWBorderRegion Region;
};

class MVWRegions : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterFoundationClasses();
    static const bool registered = [] {
      RegisterComponentClass<TRegionHolder, TComponent>("TRegionHolder")
          .Class("Region", [](TRegionHolder& holder) { return &holder.Region; });
      return true;
    }();
    (void)registered;
  }
  static bool Inside(const TMVWRegion& region, int x, int y) {
    return region.Handle() && PtInRegion(region.Handle(), x, y);
  }
  TMVWFoundation Foundation;
};

TEST_F(MVWRegions, EveryShapeCutsItsOwnOutline) {
  const RECT rect{0, 0, 100, 80};
  const struct {
    TMVWRegionShape Shape;
    POINT In;
    POINT Out;
  } cases[] = {
      {rsRect, {99, 79}, {100, 80}},
      {rsRoundRect, {50, 1}, {1, 1}},
      {rsNoseRect, {5, 10}, {3, 60}},
      {rsRoundNoseRect, {50, 40}, {3, 60}},
      {rsElliptic, {50, 1}, {3, 3}},
      {rsStar, {50, 2}, {10, 10}},
      {rsRoundShield, {50, 40}, {2, 78}},
      {rsSharpShield, {50, 40}, {2, 78}},
      {rsDiamond, {50, 40}, {5, 5}},
      {rsOctagon, {50, 40}, {1, 1}},
      {rsComb, {50, 40}, {2, 2}},
      {rsHalfRound, {50, 40}, {3, 78}},
      {rsThinkBubble, {50, 40}, {5, 70}},
      {rsRoundThinkBubble, {50, 40}, {5, 70}},
      {rsEllipticThinkBubble, {60, 45}, {98, 78}},
  };
  for (const auto& c : cases) {
    TMVWRegion region;
    region.SetShape(c.Shape);
    region.CreateRegion(rect);
    EXPECT_TRUE(Inside(region, c.In.x, c.In.y)) << int{c.Shape};
    EXPECT_FALSE(Inside(region, c.Out.x, c.Out.y)) << int{c.Shape};
  }
  // Shapes made from data have none until data comes.
  for (const TMVWRegionShape shape : {rsBitmap, rsUserRegion, rsPointList}) {
    TMVWRegion region;
    region.SetShape(shape);
    region.CreateRegion(rect);
    EXPECT_EQ(region.Handle(), nullptr) << int{shape};
  }
}

// Stored region data reaches the system only whole: a header of 32 bytes and its rectangles.
TEST_F(MVWRegions, BadRegionDataMakesNoRegionAndAnOddPointListIsAReadError) {
  HRGN source = CreateRectRgn(0, 0, 30, 20);
  std::vector<std::uint8_t> good(GetRegionData(source, 0, nullptr));
  GetRegionData(source, static_cast<DWORD>(good.size()), reinterpret_cast<RGNDATA*>(good.data()));
  DeleteObject(source);
  std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
  std::vector<std::uint8_t> miscounted = good;
  miscounted[8] = 200;
  std::vector<std::uint8_t> wrongType = good;
  wrongType[4] = 2;
  const struct {
    const char* Name;
    std::vector<std::uint8_t> Data;
    bool Region;
  } cases[] = {{"whole", good, true},
               {"truncated", truncated, false},
               {"count past the data", miscounted, false},
               {"not rectangles", wrongType, false},
               {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 31), false}};
  for (const auto& c : cases) {
    TMVWRegion region;
    region.SetShape(rsBitmap);
    region.Mask().SetRegionData(c.Data);
    region.CreateRegion({0, 0, 100, 100});
    EXPECT_EQ(region.Handle() != nullptr, c.Region) << c.Name;
  }
  TMVWRegion region;
  EXPECT_THROW(region.ReadPointList({1, 2, 3}), EReadError);
}

TEST_F(MVWRegions, ABubbleTrailGrowsFromTheCornerTowardsTheBody) {
  const TMVWRect body = ShrinkForExtension({0, 0, 300, 200}, 50, epLeftTop);
  EXPECT_EQ(std::vector<int>({body.Left, body.Top, body.Right, body.Bottom}),
            std::vector<int>({50, 50, 300, 200}));
  std::vector<std::vector<int>> bubbles;
  for (const TMVWBubble& bubble : BubbleTrail(body, 50, 4, epLeftTop))
    bubbles.push_back({bubble.Centre.X, bubble.Centre.Y, bubble.Diameter});
  EXPECT_EQ(bubbles,
            (std::vector<std::vector<int>>{
                {0, 0, 0}, {2, 15, 5}, {10, 29, 10}, {21, 40, 15}, {35, 48, 20}, {50, 50, 25}}));
}

TEST_F(MVWRegions, AShadowTakesItsStripAndPointsRebuildWithoutAChange) {
  TMVWRegion region;
  region.SetShape(rsRect);
  region.Shadow().SetStyle(hssSolid);
  region.CreateRegion({0, 0, 100, 80});
  EXPECT_TRUE(Inside(region, 93, 73));
  EXPECT_FALSE(Inside(region, 95, 75));

  int changes = 0;
  region.OnChange = [&](TObject*) { ++changes; };
  for (const TMVWPoint point : {TMVWPoint{0, 0}, TMVWPoint{100, 0}, TMVWPoint{50, 80}})
    region.Points().AddPoint(point);
  EXPECT_TRUE(region.UserRegionData().empty()) << "only a point-list region keeps them";
  region.SetShape(rsPointList);
  EXPECT_EQ(changes, 1);
  region.CreateRegion({0, 0, 200, 200});
  EXPECT_TRUE(Inside(region, 50, 10));
  EXPECT_FALSE(Inside(region, 5, 70));
  const std::vector<std::uint8_t> triangle = region.UserRegionData();
  region.Points().SetPoint(2, {50, 20});
  EXPECT_NE(region.UserRegionData(), triangle);
  EXPECT_EQ(changes, 1) << "the window keeps its outline until the next region change";
}

// A bitmap with the region's border painted on white.
std::unique_ptr<TBitmap> Painted(TMVWRegion& region, const RECT& rect) {
  auto bitmap = std::make_unique<TBitmap>();
  FillBitmap(*bitmap, {0, 0, rect.right + 2, rect.bottom + 2}, clWhite);
  region.CreateRegion(rect);
  region.PaintBorder(bitmap->Canvas(), rect);
  return bitmap;
}

TEST_F(MVWRegions, BordersTakeTheirColoursByStyleAndFacing) {
  TMVWBorderRegion region;
  region.SetShape(rsRect);
  region.Border().SetSingleColor(clRed);
  region.Border().SetLightColor(clLime);
  region.Border().SetShadowColor(clBlue);
  const struct {
    TMVWRegionBorderStyle Style;
    TColor Top;
    TColor Bottom;
  } cases[] = {
      {rbNone, clWhite, clWhite},  {rbSingle, clRed, clRed},     {rbRaised, clLime, clBlue},
      {rbLowered, clBlue, clLime}, {rbRaisedpsb, clLime, clRed}, {rbLoweredpsb, clBlue, clRed},
  };
  for (const auto& c : cases) {
    region.Border().SetStyle(c.Style);
    const auto bitmap = Painted(region, {0, 0, 60, 40});
    EXPECT_EQ(bitmap->Pixels(30, 0), c.Top) << int{c.Style};
    EXPECT_EQ(bitmap->Pixels(30, 40), c.Bottom) << int{c.Style};
  }

  region.SetShape(rsPointList);
  region.Border().SetStyle(rbRaised);
  for (const TMVWPoint point : {TMVWPoint{2, 2}, TMVWPoint{50, 2}, TMVWPoint{50, 30}})
    region.Points().AddPoint(point);
  const auto bitmap = Painted(region, {0, 0, 60, 40});
  EXPECT_EQ(bitmap->Pixels(25, 2), clLime) << "going right";
  EXPECT_EQ(bitmap->Pixels(50, 15), clBlue) << "going down";

  region.Shadow().SetStyle(hssSolid);
  region.Shadow().SetColor(clGray);
  region.SetShape(rsRect);
  region.Border().SetStyle(rbNone);
  const auto shadowed = Painted(region, {0, 0, 60, 40});
  EXPECT_EQ(shadowed->Pixels(57, 37), clGray);
  EXPECT_EQ(shadowed->Pixels(3, 37), clWhite);
}

TEST_F(MVWRegions, PointsAndBorderComeBackFromFormData) {
  TRegionHolder holder(nullptr);
  holder.SetName("Holder");
  EXPECT_EQ(WriteComponentToText(holder).find("PointList"), std::string::npos);
  holder.Region.Points().AddPoint({0, 0});
  holder.Region.Points().AddPoint({100, 0});
  holder.Region.Points().AddPoint({50, 80});
  holder.Region.SetShape(rsPointList);
  holder.Region.Border().SetStyle(rbRaised);
  const std::string text = WriteComponentToText(holder);
  EXPECT_NE(text.find("Region.Border.Style = rbRaised"), std::string::npos) << text;
  TRegionHolder back(nullptr);
  ReadComponentFromText(back, text, "region");
  EXPECT_EQ(back.Region.PointList(), (std::vector<std::int64_t>{0, 0, 100, 0, 50, 80}));
  EXPECT_EQ(back.Region.UserRegionData(), holder.Region.UserRegionData());
}

TEST_F(MVWRegions, BadPointsAndRegionDataGiveAnErrorOrNoRegion) {
  TRegionHolder holder(nullptr);
  holder.SetName("Holder");
  holder.Region.Points().AddPoint({-5, 70000});
  holder.Region.Points().AddPoint({100, -3});
  std::string text = WriteComponentToText(holder);
  TRegionHolder back(nullptr);
  ReadComponentFromText(back, text, "region");
  EXPECT_EQ(back.Region.PointList(), (std::vector<std::int64_t>{-5, 70000, 100, -3}))
      << "points come back exactly";
  const std::size_t last = text.find("-3");
  ASSERT_NE(last, std::string::npos) << text;
  text.erase(last, 2);
  TRegionHolder odd(nullptr);
  odd.Region.Points().AddPoint({1, 2});
  try {
    ReadComponentFromText(odd, text, "region");
    ADD_FAILURE() << "an odd point list was read";
  } catch (const EReadError& error) {
    EXPECT_NE(error.Message().find("PointList"), std::string::npos) << error.Message();
  }
  EXPECT_EQ(odd.Region.PointList(), (std::vector<std::int64_t>{1, 2})) << "no half point added";

  // Region data that the platform must never see: no region, and no fault.
  HRGN rect = CreateRectRgn(0, 0, 30, 20);
  std::vector<std::uint8_t> data(GetRegionData(rect, 0, nullptr));
  GetRegionData(rect, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
  DeleteObject(rect);
  std::vector<std::uint8_t> countsPast = data;
  countsPast[8] = 9;
  std::vector<std::uint8_t> wrongType = data;
  wrongType[4] = 2;
  const std::vector<std::uint8_t> shortHeader(data.begin(), data.begin() + 20);
  TMVWRegion region;
  region.SetShape(rsBitmap);
  region.Mask().SetRegionData(data);
  region.CreateRegion({0, 0, 50, 50});
  EXPECT_TRUE(Inside(region, 29, 19));
  for (const auto& bad : {countsPast, wrongType, shortHeader}) {
    region.Mask().SetRegionData(bad);
    region.CreateRegion({0, 0, 50, 50});
    EXPECT_EQ(region.Handle(), nullptr) << bad.size();
  }
}

TEST_F(MVWRegions, EveryReplacedHandleIsDeleted) {
  for (int shape = rsRect; shape <= rsPointList; ++shape) {
    TMVWRegion region;
    region.Points().AddPoint({0, 0});
    region.Points().AddPoint({90, 10});
    region.Points().AddPoint({40, 70});
    region.SetShape(static_cast<TMVWRegionShape>(shape));
    region.CreateRegion({0, 0, 100, 80});
    HRGN first = region.Handle();
    region.CreateRegion({0, 0, 120, 90});
    if (first) {
      EXPECT_EQ(GetObjectType(first), 0u) << shape;
    }
    HRGN second = region.Handle();
    region.SetRectRegion({0, 0, 10, 10});
    if (second) {
      EXPECT_EQ(GetObjectType(second), 0u) << shape;
    }
    EXPECT_EQ(GetObjectType(region.Handle()), static_cast<DWORD>(OBJ_REGION)) << shape;
  }
}

TEST_F(MVWRegions, BubbleTrailsLeaveNoStrayPixelAtTheOrigin) {
  for (const TMVWRegionShape shape : {rsThinkBubble, rsRoundThinkBubble, rsEllipticThinkBubble}) {
    TMVWRegion region;
    region.SetShape(shape);
    region.CreateRegion({0, 0, 300, 200});
    // The trail runs from the empty bubble at (0, 0) to the body's corner at (50, 50).
    EXPECT_FALSE(Inside(region, 0, 0)) << int{shape};
    EXPECT_TRUE(Inside(region, 175, 125)) << int{shape};
    EXPECT_TRUE(Inside(region, 40, 40)) << int{shape} << ": the last bubble";
  }
}

// Every kind of region with each border style, and both shadows, for a person to look at.
TEST_F(MVWRegions, SnapshotOfEveryKindStyleAndShadow) {
  constexpr int Cell = 56;
  constexpr int Kinds = 18;
  constexpr int Rows = 8 + 2;
  auto sheet = std::make_unique<TBitmap>();
  FillBitmap(*sheet, {0, 0, Kinds * Cell, Rows * Cell}, clBtnFace);
  for (int kind = 0; kind < Kinds; ++kind) {
    for (int row = 0; row < Rows; ++row) {
      TMVWBorderRegion region;
      region.SetShape(static_cast<TMVWRegionShape>(kind));
      region.SetRoundX(12);
      region.SetRoundY(12);
      region.Border().SetStyle(static_cast<TMVWRegionBorderStyle>(row < 8 ? row : rbRaised));
      region.Border().SetSingleColor(clNavy);
      if (row >= 8) {
        region.Shadow().SetStyle(row == 8 ? hssSolid : hssTracing);
        region.Shadow().SetDepth(4);
      }
      if (kind == rsPointList || kind == rsUserRegion) {
        for (const TMVWPoint point : {TMVWPoint{2, 2}, TMVWPoint{48, 10}, TMVWPoint{30, 48}})
          region.Points().AddPoint(point);
        region.SetShape(rsPointList);
      }
      TBitmap cell;
      FillBitmap(cell, {0, 0, Cell, Cell}, clBtnFace);
      region.CreateRegion({2, 2, Cell - 2, Cell - 2});
      if (region.Handle()) {
        HBRUSH brush = CreateSolidBrush(ColorToRGB(clWhite));
        FillRgn(cell.Canvas().Handle(), region.Handle(), brush);
        DeleteObject(brush);
      }
      region.PaintBorder(cell.Canvas(), {2, 2, Cell - 2, Cell - 2});
      sheet->Canvas().Draw(kind * Cell, row * Cell, cell);
    }
  }
  TForm form(nullptr);
  form.SetCaption("Regions");
  form.SetClientWidth(Kinds * Cell);
  form.SetClientHeight(Rows * Cell);
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetBounds(0, 0, Kinds * Cell, Rows * Cell);
  image->Picture().SetGraphic(sheet.get());
  test::SnapshotForm(form, "widget-regions");
  form.Hide();
  EXPECT_NE(sheet->Pixels(Cell + Cell / 2, Cell / 2), clBtnFace) << "a rounded rect was filled";
}

class MVWRegionLeaks : public MVWRegions {
protected:
  static std::vector<std::uint8_t> EllipseData() {
    const TRegionHandle ellipse(CreateEllipticRgn(0, 0, 90, 60));
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
};

TEST_F(MVWRegionLeaks, AThousandBuildsOfEveryRegionKindLeaveNothingBehind) {
  const std::vector<std::uint8_t> data = EllipseData();
  const long before = GdiLiveCount();
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
    EXPECT_EQ(GdiLiveCount(), before + 1) << kind << ": only the region's own handle";
  }
  Report("18 x 1,000 region builds", before, GdiLiveCount());
  EXPECT_EQ(GdiLiveCount(), before);
}

TEST_F(MVWRegionLeaks, AThousandBorderPaintingsLeaveNothingBehind) {
  const std::vector<std::uint8_t> data = EllipseData();
  TBitmap bitmap;
  bitmap.SetSize(140, 100);
  {
    // What is kept for good comes first: the bitmap's DC and the application's shadow pattern.
    TMVWBorderRegion first;
    Prepare(first, rsRect, data);
    first.CreateRegion({0, 0, 120, 90});
    first.PaintBorder(bitmap.Canvas(), {0, 0, 120, 90});
  }
  const long before = GdiLiveCount();
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
  EXPECT_EQ(GdiLiveCount(), before + static_cast<long>(regions.size()));
  regions.clear();
  Report("1,000 PaintBorder calls", before, GdiLiveCount());
  EXPECT_EQ(GdiLiveCount(), before);
}

} // namespace
} // namespace marivo
