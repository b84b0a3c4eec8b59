#include "widgets/foundation/MVWShapeFill.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Images.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/foundation/BitmapPixels.h"
#include "widgets/foundation/MVWAlphaObject.h"
#include "widgets/foundation/MVWBitmapEffectObject.h"
#include "widgets/foundation/MVWBmp.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::Blue;
using test::Numbered;
using test::Paint;
using test::Pixels;
using test::Red;

class MVWFills : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterFoundationClasses();
  }
  // The fill painted over a grey bitmap; the answer of FillRect and the pixels.
  std::pair<bool, std::vector<TColor>> Filled(TMVWFillObject& fill, int width, int height,
                                              const RECT& rect) {
    TBitmap canvas;
    Paint(canvas, width, height, [](int, int) { return static_cast<TColor>(0x808080); });
    const bool painted = fill.FillRect(canvas.Canvas(), rect, Red);
    return {painted, Pixels(canvas)};
  }
  TMVWFoundation Foundation;
};

TEST_F(MVWFills, EachStylePaintsItsFillAndSaysWhetherItDid) {
  const TColor grey = 0x808080;
  TMVWFillObject fill;
  EXPECT_EQ(Filled(fill, 2, 1, {0, 0, 2, 1}),
            std::make_pair(false, std::vector<TColor>{grey, grey}));

  fill.SetStyle(sfBitmap);
  EXPECT_EQ(Filled(fill, 2, 1, {0, 0, 2, 1}), std::make_pair(false, std::vector<TColor>{Red, Red}))
      << "an empty bitmap fills the background";
  fill.SetOptions(0);
  EXPECT_EQ(Filled(fill, 2, 1, {0, 0, 2, 1}),
            std::make_pair(false, std::vector<TColor>{grey, grey}))
      << "unless the inner fill is off";

  fill.SetStyle(sfBrush);
  fill.Brush().SetColor(Blue);
  EXPECT_EQ(Filled(fill, 2, 1, {0, 0, 2, 1}),
            std::make_pair(true, std::vector<TColor>{Blue, Blue}));
  fill.Brush().SetStyle(bsVertical);
  const std::vector<TColor> hatched = Filled(fill, 16, 1, {0, 0, 16, 1}).second;
  EXPECT_NE(std::count(hatched.begin(), hatched.end(), Blue), 0);
  EXPECT_NE(std::count(hatched.begin(), hatched.end(), Red), 0) << "gaps show the background";

  fill.SetStyle(sfGradient);
  fill.Gradient().SetStyle(gstHorizontal);
  fill.Gradient().SetColor(clBlack);
  fill.Gradient().SetEndColor(clWhite);
  const std::vector<TColor> gradient = Filled(fill, 64, 1, {0, 0, 64, 1}).second;
  EXPECT_EQ(gradient.front(), clBlack);
  EXPECT_EQ(gradient.back(), clWhite);

  // An unscaled bitmap placed by its alignment and offsets, on the background.
  fill.SetStyle(sfBitmap);
  fill.SetOptions(FillOption(foFillInner));
  fill.SetTileMode(tmNone);
  Paint(fill.Bitmap(), 1, 1, [](int, int) { return Blue; });
  fill.SetAlignment(agBottomRight);
  fill.SetOffsetX(-1);
  EXPECT_EQ(Filled(fill, 3, 2, {0, 0, 3, 2}),
            std::make_pair(true, std::vector<TColor>{Red, Red, Red, Red, Blue, Red}));
  fill.SetTileMode(tmTile);
  EXPECT_EQ(Filled(fill, 2, 1, {0, 0, 2, 1}),
            std::make_pair(true, std::vector<TColor>{Blue, Blue}));
  EXPECT_EQ(fill.DescribeSettings(), "{Bitmap}");
}

TEST_F(MVWFills, OwnersHearOfWhatShowsAndCopiesKeepTheirPlacement) {
  TMVWFillObject fill;
  int changes = 0;
  fill.OnChange = [&](TObject*) { ++changes; };
  fill.SetStyle(sfBitmap);
  fill.SetAlignment(agCenter);
  fill.SetOffsetY(4);
  EXPECT_EQ(changes, 1) << "placement is not seen while the bitmap is tiled";
  fill.SetTileMode(tmNone);
  fill.SetAlignment(agBottomLeft);
  fill.Gradient().SetColor(clLime);
  Paint(fill.Bitmap(), 1, 1, [](int, int) { return Blue; });
  fill.Brush().SetColor(clYellow);
  EXPECT_GE(changes, 6);

  TMVWFillObject copy;
  copy.SetAlignment(agTopRight);
  copy.SetOffsetX(7);
  copy.Assign(fill);
  EXPECT_EQ(copy.Style(), sfBitmap);
  EXPECT_EQ(copy.TileMode(), tmNone);
  EXPECT_EQ(copy.Brush().Color(), clYellow);
  EXPECT_EQ(copy.Bitmap().Pixels(0, 0), Blue);
  EXPECT_EQ(copy.Alignment(), agTopRight);
  EXPECT_EQ(copy.OffsetX(), 7);
  EXPECT_FALSE(copy.FillIsEmpty());
  copy.SetStyle(sfBitmapList);
  EXPECT_TRUE(copy.FillIsEmpty());
}

TEST_F(MVWFills, AnAlphaObjectBlendsItsFillAndFollowsItsImageList) {
  TMVWAlphaObject alpha;
  EXPECT_FALSE(alpha.IsEffective());
  EXPECT_EQ(alpha.DescribeSettings(), "{Disabled}");
  TBitmap picture;
  Paint(picture, 2, 1, [](int, int) { return Blue; });
  alpha.ApplyTo(picture);
  EXPECT_EQ(Pixels(picture), (std::vector<TColor>{Blue, Blue})) << "no fill, no change";

  alpha.FillObject().SetStyle(sfBrush);
  alpha.FillObject().Brush().SetColor(Red);
  alpha.SetStrength(0.5f);
  EXPECT_TRUE(alpha.IsEffective());
  EXPECT_EQ(alpha.DescribeSettings(), "{Enabled (brush), strength: 0.500}");
  alpha.ApplyTo(picture);
  // Halves round to even: 127.5 gives 128 up from blue's 0 and 128 down from red's 255.
  EXPECT_EQ(Pixels(picture), (std::vector<TColor>(2, static_cast<TColor>(RGB(127, 0, 128)))));
  alpha.SetStrength(1.0f);
  EXPECT_FALSE(alpha.IsEffective());

  TMVWBitmapList list(nullptr);
  TBitmap item;
  Paint(item, 1, 1, [](int, int) { return clLime; });
  alpha.SetImageList(&list);
  EXPECT_TRUE(alpha.FillObject().ListBitmap().Empty());
  list.Item(list.AddItem())->SetBitmap(item);
  list.Change();
  EXPECT_EQ(alpha.FillObject().ListBitmap().Pixels(0, 0), clLime) << "the list told of its change";
}

TEST_F(MVWFills, TheEffectChainRunsInOrderAndItsBufferLastsUntilAChange) {
  TMVWBitmapEffectObject effects;
  effects.SetMonochrome(true);
  EXPECT_FALSE(effects.HasEffect());
  effects.SetMonochrome(false);
  effects.SetFlipHorizontal(true);
  effects.SetInvert(true);
  EXPECT_TRUE(effects.HasEffect());
  EXPECT_EQ(effects.DescribeSettings(), "{FH,INV}");

  TBitmap picture;
  Paint(picture, 3, 2, Numbered);
  effects.SetBuffered(true);
  effects.ApplyTo(picture);
  TBitmap expected;
  Paint(expected, 3, 2,
        [](int x, int y) { return static_cast<TColor>(Numbered(x, 1 - y) ^ 0xFFFFFF); });
  EXPECT_EQ(Pixels(picture), Pixels(expected));
  EXPECT_TRUE(effects.BufferValid());

  TBitmap other;
  Paint(other, 3, 2, [](int, int) { return clBlack; });
  effects.ApplyTo(other);
  EXPECT_EQ(Pixels(other), Pixels(expected)) << "the buffered picture";
  effects.SetFlipVertical(true);
  effects.SetFlipVertical(false);
  EXPECT_FALSE(effects.BufferValid());
  Paint(other, 3, 2, [](int, int) { return clBlack; });
  effects.ApplyTo(other);
  EXPECT_EQ(other.Pixels(0, 0), static_cast<TColor>(0xFFFFFF));

  TBitmap target;
  target.SetSize(2, 2);
  effects.SetBuffered(false);
  effects.SetInvert(false);
  Paint(picture, 3, 2, Numbered);
  effects.DrawWithEffects(picture, {1, 0, 3, 2}, {0, 0, 2, 2}, target);
  EXPECT_EQ(Pixels(target),
            (std::vector<TColor>{Numbered(1, 1), Numbered(2, 1), Numbered(1, 0), Numbered(2, 0)}));
}

TEST_F(MVWFills, ShapeSettingsTellOfChangesAndDescribeThemselves) {
  TMVWShape shape;
  int changes = 0;
  shape.OnChange = [&](TObject*) { ++changes; };
  shape.SetShape(stRectangle);
  shape.Bevel().SetWidth(2);
  shape.Shadow().SetDepth(6);
  EXPECT_EQ(changes, 0) << "values it already has";
  shape.Bevel().SetWidth(4);
  shape.Shadow().SetStyle(hssTracing);
  shape.Brush().SetColor(Red);
  shape.SetShape(stStar);
  shape.SetRoundPercent(250);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(shape.RoundPercent(), 100);

  shape.Shadow().SetDepth(12);
  EXPECT_EQ(shape.Shadow().DescribeSettings(), "{tracing, 12}");
  EXPECT_EQ(TMVWShadow().DescribeSettings(), "{solid, 6}");
  const TMVWRgnShadow region;
  EXPECT_EQ(region.DescribeSettings(), "{Disabled}");
  EXPECT_EQ(region.Depth(), 6);
  EXPECT_EQ(region.EffectiveDepth(), 0);
  EXPECT_EQ(region.Color(), clBtnShadow);

  TMVWShape copy;
  int copyChanges = 0;
  copy.OnChange = [&](TObject*) { ++copyChanges; };
  copy.Assign(shape);
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(copy.Shape(), stStar);
  EXPECT_EQ(copy.Bevel().Width(), 4);
  EXPECT_EQ(copy.Brush().Color(), Red);

  TMVWSimpleBevel bevel;
  int bevelChanges = 0;
  bevel.OnChange = [&](TObject*) { ++bevelChanges; };
  bevel.Assign(shape.Bevel());
  EXPECT_EQ(bevelChanges, 1);
  EXPECT_EQ(bevel.Width(), 4);
  bevel.SetStyle(sbInset);
  EXPECT_EQ(bevel.DescribeSettings(), "{Inset}");
}

// Every fill style, the bitmap in every tile mode, a hatch and a blend, for a person to look at.
TEST_F(MVWFills, SnapshotOfEveryFill) {
  constexpr int Cell = 90;
  TBitmap picture;
  Paint(picture, 24, 16, [](int x, int y) { return (x / 4 + y / 4) % 2 ? Red : clYellow; });
  struct TSample {
    TMVWFillStyle Style;
    TMVWTileMode Mode;
    TBrushStyle Brush;
  };
  const TSample samples[] = {{sfNone, tmTile, bsSolid},          {sfBrushBitmap, tmTile, bsSolid},
                             {sfBrush, tmTile, bsSolid},         {sfBrush, tmTile, bsDiagCross},
                             {sfBitmap, tmNone, bsSolid},        {sfBitmap, tmCenter, bsSolid},
                             {sfBitmap, tmStretch, bsSolid},     {sfBitmap, tmTile, bsSolid},
                             {sfBitmapList, tmStretch, bsSolid}, {sfGradient, tmTile, bsSolid}};
  const int count = static_cast<int>(std::size(samples));
  auto sheet = std::make_unique<TBitmap>();
  FillBitmap(*sheet, {0, 0, count * Cell, 2 * Cell}, clBtnFace);
  for (int i = 0; i < count; ++i) {
    TMVWFillObject fill;
    fill.SetStyle(samples[i].Style);
    fill.SetTileMode(samples[i].Mode);
    fill.SetAlignment(agCenter);
    fill.Brush().SetColor(Blue);
    fill.Brush().SetStyle(samples[i].Brush);
    fill.Bitmap().Assign(picture);
    fill.SetListBitmap(&picture);
    fill.Gradient().SetEndColor(clAqua);
    const RECT rect{i * Cell + 4, 4, (i + 1) * Cell - 4, Cell - 4};
    fill.FillRect(sheet->Canvas(), rect, clWhite);
    // The same fill blended at 0.5 over a grey picture below it.
    TMVWAlphaObject alpha;
    alpha.SetFillObject(fill);
    alpha.SetStrength(0.5f);
    TBitmap blended;
    Paint(blended, Cell - 8, Cell - 8, [](int, int) { return static_cast<TColor>(0x808080); });
    alpha.ApplyTo(blended);
    sheet->Canvas().Draw(i * Cell + 4, Cell + 4, blended);
  }
  TForm form(nullptr);
  form.SetCaption("Fills");
  form.SetClientWidth(count * Cell);
  form.SetClientHeight(2 * Cell);
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetBounds(0, 0, count * Cell, 2 * Cell);
  image->Picture().SetGraphic(sheet.get());
  test::SnapshotForm(form, "widget-fills");
  form.Hide();
  EXPECT_EQ(sheet->Pixels(2 * Cell + Cell / 2, Cell / 2), Blue);
}

// A component owning an alpha object, as a control's effects will.
class TAlphaHolder : public TComponent {
public:
  using TComponent::TComponent;
  TMVWAlphaObject Alpha;
};

TEST_F(MVWFills, FormDataStoresWhatDiffersFromTheDefaults) {
  static const bool registered = [] {
    RegisterComponentClass<TAlphaHolder, TComponent>("TAlphaHolder")
        .Class("Alpha", [](TAlphaHolder& holder) { return &holder.Alpha; });
    return true;
  }();
  (void)registered;
  const struct {
    std::function<void(TMVWAlphaObject&)> Set;
    const char* Present;
    const char* Absent;
  } cases[] = {
      {[](TMVWAlphaObject&) {}, "", "Strength"},
      {[](TMVWAlphaObject& a) { a.SetStrength(0.5f); }, "Strength = 0.5", ""},
      {[](TMVWAlphaObject& a) { a.FillObject().SetStyle(sfGradient); },
       "FillObject.Style = sfGradient", "Strength"},
      {[](TMVWAlphaObject& a) { a.SetImageList(&MVWContainer->BitmapList()); },
       "Internal = 'MVWBML30'", "ImageList ="},
  };
  for (const auto& c : cases) {
    TAlphaHolder holder(nullptr);
    holder.SetName("Holder");
    c.Set(holder.Alpha);
    const std::string text = WriteComponentToText(holder);
    if (*c.Present) {
      EXPECT_NE(text.find(c.Present), std::string::npos) << text;
    }
    if (*c.Absent) {
      EXPECT_EQ(text.find(c.Absent), std::string::npos) << text;
    }
  }
}

} // namespace
} // namespace marivo
