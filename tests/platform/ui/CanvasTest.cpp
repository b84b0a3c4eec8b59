#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Pictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

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

TEST(Canvas, RoundRectsArcsClipsAndPenModes) {
  TBitmap bitmap;
  Fill(bitmap, 40, 40, clWhite);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clLime);
  canvas.RoundRect(0, 0, 40, 40, 20, 20);
  EXPECT_EQ(bitmap.Pixels(20, 20), clLime);
  EXPECT_EQ(bitmap.Pixels(20, 0), clBlack) << "the edge in the pen";
  EXPECT_EQ(bitmap.Pixels(0, 0), clWhite) << "a rounded corner";

  Fill(bitmap, 40, 40, clWhite);
  canvas.Pen().SetColor(clRed);
  // Counter-clockwise from the upper right to the upper left: the top of the circle only.
  canvas.Arc(0, 0, 20, 20, 20, 0, 0, 0);
  EXPECT_EQ(bitmap.Pixels(10, 0), clRed);
  EXPECT_EQ(bitmap.Pixels(10, 19), clWhite);

  EXPECT_EQ(canvas.ClipRect().right, 40);
  IntersectClipRect(canvas.Handle(), 5, 6, 10, 12);
  const RECT clip = canvas.ClipRect();
  EXPECT_EQ((std::vector<LONG>{clip.left, clip.top, clip.right, clip.bottom}),
            (std::vector<LONG>{5, 6, 10, 12}));
  SelectClipRgn(canvas.Handle(), nullptr);

  const struct {
    TPenMode Mode;
    TColor Seen;
  } modes[] = {{pmCopy, clAqua}, {pmMask, clLime}};
  for (const auto& m : modes) {
    Fill(bitmap, 10, 10, clYellow);
    canvas.Pen().SetColor(clAqua);
    canvas.Pen().SetMode(m.Mode);
    canvas.MoveTo(0, 5);
    canvas.LineTo(10, 5);
    EXPECT_EQ(bitmap.Pixels(5, 5), m.Seen) << "mode " << int{m.Mode};
    EXPECT_EQ(bitmap.Pixels(5, 2), clYellow);
  }
}

TEST(Canvas, HatchAndPatternBrushesAndAForeignDC) {
  TBitmap bitmap;
  Fill(bitmap, 16, 16, clWhite);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsHorizontal);
  canvas.Brush().SetColor(clRed);
  canvas.FillRect({0, 0, 16, 16});
  int redRows = 0;
  for (int y = 0; y < 16; ++y)
    redRows += bitmap.Pixels(3, y) == clRed;
  EXPECT_EQ(redRows, 2) << "a line every eight rows, white between";
  EXPECT_EQ(bitmap.Pixels(3, 1) == clRed, bitmap.Pixels(12, 1) == clRed) << "lines run across";

  TBitmap pattern;
  Fill(pattern, 2, 2, clWhite);
  pattern.SetPixels(0, 0, clBlue);
  pattern.SetPixels(1, 1, clBlue);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetBitmap(&pattern);
  canvas.FillRect({0, 0, 16, 16});
  EXPECT_EQ(bitmap.Pixels(4, 4), clBlue);
  EXPECT_EQ(bitmap.Pixels(5, 4), clWhite);
  EXPECT_EQ(bitmap.Pixels(5, 5), clBlue);
  canvas.Brush().SetBitmap(nullptr);

  HDC foreign = CreateCompatibleDC(nullptr);
  HBITMAP surface = CreateBitmap(8, 8, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(foreign, surface);
  {
    TCanvas borrowed;
    borrowed.SetHandle(foreign);
    borrowed.Brush().SetColor(clRed);
    borrowed.FillRect({0, 0, 8, 8});
  }
  EXPECT_EQ(GetObjectType(foreign), static_cast<DWORD>(OBJ_MEMDC)) << "not the canvas's to delete";
  EXPECT_EQ(GetPixel(foreign, 4, 4), RGB(255, 0, 0));
  SelectObject(foreign, old);
  DeleteObject(surface);
  DeleteDC(foreign);
}

TEST(Canvas, PensAndBitmapsTellOfTheirChanges) {
  TPen pen;
  int penChanges = 0;
  pen.OnChange = [&](TObject*) { ++penChanges; };
  pen.SetColor(clBlack);
  pen.SetWidth(3);
  pen.SetStyle(psDot);
  pen.SetMode(pmMask);
  EXPECT_EQ(penChanges, 3) << "the colour was already black";
  TPen copy;
  int copyChanges = 0;
  copy.OnChange = [&](TObject*) { ++copyChanges; };
  copy.Assign(pen);
  copy.Assign(pen);
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Style(), psDot);
  EXPECT_EQ(copy.Mode(), pmMask);

  TBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  TBitmap other;
  Fill(other, 4, 4, clRed);
  const struct {
    const char* Action;
    std::function<void()> Run;
  } actions[] = {
      {"resize", [&] { bitmap.SetSize(8, 8); }},
      {"assign", [&] { bitmap.Assign(other); }},
      {"fill",
       [&] {
         bitmap.Canvas().FillRect({0, 0, 2, 2});
       }},
      {"line", [&] { bitmap.Canvas().LineTo(3, 3); }},
      {"text", [&] { bitmap.Canvas().TextOut(0, 0, "x"); }},
      {"round rect", [&] { bitmap.Canvas().RoundRect(0, 0, 4, 4, 2, 2); }},
      {"transparent colour", [&] { bitmap.SetTransparentColor(clLime); }},
  };
  for (const auto& a : actions) {
    changes = 0;
    a.Run();
    EXPECT_EQ(changes, 1) << a.Action;
  }
  changes = 0;
  bitmap.Canvas().Pixels(0, 0);
  bitmap.Canvas().TextExtent("x");
  EXPECT_EQ(changes, 0) << "reading and measuring draw nothing";
}

TEST(Canvas, ASetTransparentColourIsTheOneLeftOut) {
  TBitmap picture;
  Fill(picture, 4, 4, clRed);
  picture.SetPixels(1, 1, clBlue);
  EXPECT_EQ(picture.TransparentColor(), clRed) << "the bottom-left pixel's";
  picture.SetTransparentColor(clBlue);
  EXPECT_EQ(picture.TransparentColor(), clBlue);
  TBitmap copy;
  copy.Assign(picture);
  EXPECT_EQ(copy.TransparentColor(), clBlue);
  picture.SetTransparent(true);
  TBitmap target;
  Fill(target, 4, 4, clWhite);
  target.Canvas().Draw(0, 0, picture);
  EXPECT_EQ(target.Pixels(1, 1), clWhite) << "the set colour shows the target through";
  EXPECT_EQ(target.Pixels(0, 3), clRed);
  picture.SetTransparentColor(clDefault);
  EXPECT_EQ(picture.TransparentColor(), clRed);
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
