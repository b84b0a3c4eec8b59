#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Pictures.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

void Fill(TBitmap& bitmap, int w, int h, TColor color) {
  bitmap.SetSize(w, h);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect({0, 0, w, h});
}

TEST(Canvas, ShapesPixelsAndPen) {
  TBitmap bitmap;
  Fill(bitmap, 20, 20, clWhite);
  TCanvas& canvas = bitmap.Canvas();
  canvas.SetPixels(1, 1, clRed);
  EXPECT_EQ(canvas.Pixels(1, 1), clRed);
  EXPECT_EQ(bitmap.Pixels(1, 1), clRed);
  canvas.Pen().SetStyle(psClear);
  canvas.Brush().SetColor(clBlue);
  canvas.Polygon({{10, 0}, {19, 0}, {19, 9}});
  EXPECT_EQ(bitmap.Pixels(17, 2), clBlue);
  EXPECT_EQ(bitmap.Pixels(11, 8), clWhite);
  canvas.Brush().SetColor(clLime);
  canvas.Ellipse(0, 10, 10, 20);
  EXPECT_EQ(bitmap.Pixels(5, 15), clLime);
  EXPECT_EQ(bitmap.Pixels(0, 10), clWhite);
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetColor(clBlack);
  canvas.Polyline({{12, 12}, {18, 12}, {18, 18}});
  EXPECT_EQ(bitmap.Pixels(14, 12), clBlack);
  EXPECT_EQ(bitmap.Pixels(18, 15), clBlack);
  canvas.MoveTo(-1, 4);
  EXPECT_EQ(canvas.PenPos().x, -1);
  EXPECT_EQ(canvas.PenPos().y, 4);
}

TEST(Canvas, CopiesThroughTheCopyModeAndBrushCopy) {
  TBitmap source;
  Fill(source, 4, 4, clWhite);
  source.SetPixels(1, 1, clRed);
  TBitmap target;
  Fill(target, 8, 8, clBlue);
  target.Canvas().CopyRect({0, 0, 8, 8}, source.Canvas(), {0, 0, 4, 4});
  EXPECT_EQ(target.Pixels(2, 2), clRed);
  EXPECT_EQ(target.Pixels(6, 6), clWhite);
  Fill(target, 8, 8, clLime);
  target.Canvas().SetCopyMode(SRCAND);
  target.Canvas().Draw(0, 0, source);
  EXPECT_EQ(target.Pixels(1, 1), clBlack); // red AND lime
  EXPECT_EQ(target.Pixels(2, 2), clLime);
  target.Canvas().SetCopyMode(SRCCOPY);
  Fill(target, 8, 8, clLime);
  target.Canvas().StretchDraw({0, 0, 8, 8}, source);
  EXPECT_EQ(target.Pixels(7, 7), clWhite);

  Fill(target, 8, 8, clBlack);
  target.Canvas().Brush().SetColor(clYellow);
  target.Canvas().BrushCopy({0, 0, 4, 4}, source, {0, 0, 4, 4}, clWhite);
  EXPECT_EQ(target.Pixels(0, 0), clYellow);
  EXPECT_EQ(target.Pixels(1, 1), clRed);
  EXPECT_EQ(target.Pixels(5, 5), clBlack);

  // A pattern brush paints the bitmap's pixels.
  TBitmap pattern;
  Fill(pattern, 8, 8, clRed);
  Fill(target, 8, 8, clBlack);
  target.Canvas().Brush().SetBitmap(&pattern);
  target.Canvas().FillRect({0, 0, 8, 8});
  target.Canvas().Brush().SetBitmap(nullptr);
  EXPECT_EQ(target.Pixels(3, 3), clRed);
  target.Canvas().DrawFocusRect({0, 0, 8, 8});
  int dotted = 0;
  for (int x = 0; x < 8; ++x)
    dotted += target.Pixels(x, 0) != clRed;
  EXPECT_GT(dotted, 0);
  EXPECT_EQ(target.Pixels(4, 4), clRed);
}

TEST(Canvas, MasksAndRotatedFonts) {
  TBitmap bitmap;
  Fill(bitmap, 3, 3, clWhite);
  bitmap.SetPixels(1, 1, clRed);
  HBITMAP mask = bitmap.MaskHandle();
  ASSERT_NE(mask, nullptr);
  BITMAP info{};
  GetObjectA(mask, sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 1);
  bitmap.Mask(clWhite);
  EXPECT_EQ(bitmap.Pixels(0, 0), clWhite);
  EXPECT_EQ(bitmap.Pixels(1, 1), clBlack);
  EXPECT_TRUE(bitmap.Monochrome());

  TFont font;
  font.SetName("Arial");
  TFont turned;
  turned.Assign(font);
  turned.SetOrientation(900);
  EXPECT_FALSE(turned.Equals(font));
  LOGFONTA description{};
  GetObjectA(turned.Handle(), sizeof description, &description);
  EXPECT_EQ(description.lfEscapement, 900);
  TFont copy;
  copy.Assign(turned);
  EXPECT_EQ(copy.Orientation(), 900);
}

TEST(ImageList, AddsDrawsAndTellsItsLinks) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  TBitmap images;
  Fill(images, 8, 4, clWhite);
  images.SetPixels(5, 1, clRed);
  int changes = 0;
  TChangeLink link;
  link.OnChange = [&](TObject* sender) { changes += sender == &list; };
  list.RegisterChanges(&link);
  EXPECT_EQ(list.Add(images, nullptr), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.Count(), 2);
  TBitmap wrong;
  Fill(wrong, 5, 4, clWhite);
  EXPECT_THROW(list.Add(wrong, nullptr), EInvalidGraphicOperation);
  TBitmap one;
  list.GetBitmap(1, one);
  EXPECT_EQ(one.Pixels(1, 1), clRed);
  EXPECT_THROW(list.GetBitmap(2, one), EInvalidOperation);
  TBitmap canvas;
  Fill(canvas, 6, 6, clBlue);
  list.Draw(canvas.Canvas(), 1, 1, 1);
  EXPECT_EQ(canvas.Pixels(2, 2), clRed);
  EXPECT_EQ(canvas.Pixels(3, 3), clBlue); // white is masked out
  list.UnRegisterChanges(&link);
  list.UnRegisterChanges(&link);
  list.Clear();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.Count(), 0);
  {
    TImageList shortLived(nullptr);
    shortLived.RegisterChanges(&link);
  }
  EXPECT_EQ(link.Sender(), nullptr);
}

} // namespace
} // namespace marivo
