#include "tests/widgets/controls/OffScreen.h"
#include "widgets/controls/MVWLImage.h"
#include "widgets/foundation/MVWBitmapList.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

using test::CountPixels;
using TImage = test::TOffScreen<TMVWLImage>;

// Five battery pictures, level i with i + 1 green bars on a white body with a lime corner, the
// list's transparent colour.
void FillBatteries(TMVWBitmapList& list) {
  for (int level = 0; level < 5; ++level) {
    TBitmap& bitmap = list.Item(list.AddItem())->Bitmap();
    FillBitmap(bitmap, {0, 0, 30, 12}, clWhite);
    bitmap.Canvas().Brush().SetColor(clGreen);
    for (int bar = 0; bar <= level; ++bar)
      bitmap.Canvas().FillRect({2 + bar * 5, 2, 6 + bar * 5, 10});
    bitmap.SetPixels(0, 11, clLime);
  }
}

class LImage : public ::testing::Test {
protected:
  void SetUp() override { FillBatteries(Batteries); }
  TMVWFoundation Foundation;
  TMVWBitmapList Batteries{nullptr};
};

TEST_F(LImage, ShowsTheListEntryItPointsAt) {
  TImage image(nullptr);
  image.SetBounds(0, 0, 40, 20);
  image.SetStyle(sbCenter);
  image.SetForceTransparent(true);
  EXPECT_EQ(image.DrawFlags(), 0x0048);
  TBitmap picture;
  image.PaintInto(picture, clRed);
  EXPECT_EQ(CountPixels(picture, clGreen), 0) << "no list";
  image.SetImageList(&Batteries);
  int bars = 0;
  for (int level = 0; level < 5; ++level) {
    image.SetListIndex(level);
    image.PaintInto(picture, clRed);
    const int green = CountPixels(picture, clGreen);
    EXPECT_GT(green, bars) << "level " << level;
    bars = green;
    EXPECT_EQ(CountPixels(picture, clLime), 0) << "transparent corner";
  }
  image.SetListIndex(9);
  image.PaintInto(picture, clRed);
  EXPECT_EQ(CountPixels(picture, clGreen), 0) << "nothing at the index";
}

// A window-less image paints on its parent's DC moved to its own place and clipped to its
// bounds: a style that clips keeps to both, so it shows where it stands and nowhere else.
TEST_F(LImage, AClippingStyleDrawsWhereTheImageStandsOnItsParent) {
  struct TPaintedImage : TMVWLImage {
    using TMVWLImage::Paint;
    using TMVWLImage::TMVWLImage;
  } image(nullptr);
  image.SetBounds(0, 0, 30, 24);
  image.SetImageList(&Batteries);
  image.SetListIndex(4);
  image.SetStyle(sbKeepAspRatio);
  image.SetForceTransparent(true);
  ASSERT_TRUE(image.DrawFlags() & 0x0001) << "the style must clip";
  TBitmap parent;
  parent.SetSize(100, 60);
  FillBitmap(parent, {0, 0, 100, 60}, clRed);
  HDC dc = parent.Canvas().Handle();
  // The parent's own clipping leaves out the image's right half.
  IntersectClipRect(dc, 40, 30, 55, 54);
  SetViewportOrgEx(dc, 40, 30, nullptr);
  image.Canvas().SetHandle(dc);
  image.Paint();
  image.Canvas().SetHandle(nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  SelectClipRgn(dc, nullptr);
  int inside = 0;
  int outside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x)
      (x >= 40 && x < 55 && y >= 30 && y < 54 ? inside : outside) += parent.Pixels(x, y) == clGreen;
  EXPECT_GT(inside, 0) << "nothing drawn where the image stands";
  EXPECT_EQ(outside, 0) << "drawn outside its place or over the parent's clipping";
}

TEST_F(LImage, AutosizeFitsThePictureOrTwentyPixels) {
  TMVWLImage image(nullptr);
  image.Bevel().SetStyleOuter(bvRaised);
  image.Bevel().SetWidthOuter(2);
  const int space = 2 * image.BevelExtent();
  image.SetStyle(sbAutosize);
  EXPECT_EQ(image.Width(), 20 + space);
  EXPECT_EQ(image.Height(), 20 + space);
  image.SetImageList(&Batteries);
  EXPECT_EQ(image.Width(), 30 + space);
  EXPECT_EQ(image.Height(), 12 + space);
}

} // namespace
} // namespace marivo
