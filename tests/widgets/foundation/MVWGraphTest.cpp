#include "widgets/foundation/MVWGraph.h"
#include "platform/ui/Pictures.h"
#include "tests/widgets/foundation/BitmapPixels.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr TColor Back = 0x123456;

std::unique_ptr<TBitmap> Surface(int w, int h, TColor fill = Back) {
  auto bitmap = std::make_unique<TBitmap>();
  FillBitmap(*bitmap, {0, 0, w, h}, fill);
  return bitmap;
}

// A 10 x 10 picture: the transparent colour white, a red square 2..7 and a blue pixel at (8, 1).
std::unique_ptr<TBitmap> Picture() {
  auto bitmap = Surface(10, 10, clWhite);
  for (int y = 2; y < 8; ++y)
    for (int x = 2; x < 8; ++x)
      bitmap->SetPixels(x, y, clRed);
  bitmap->SetPixels(8, 1, clBlue);
  return bitmap;
}

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

using test::CountOf;

class MVWDrawing : public ::testing::Test {
protected:
  void SetUp() override { MVWApplication->SetThemeActiveSeam(false); }
  TMVWFoundation Foundation;
};

TEST_F(MVWDrawing, GradientBandsFollowMulDivEdges) {
  TMVWGradient gradient;
  const RECT rect{3, 5, 43, 42};
  const int w = 40, h = 37, n = 16;
  for (const std::uint16_t flags : {std::uint16_t{0}, GradientBuffered, GradientClip}) {
    for (const TMVWGradientStyle style : {gstVertical, gstHorizontal}) {
      auto surface = Surface(50, 50);
      FillGradientRect(surface->Canvas(), rect, style, 0, flags, nullptr, &gradient.StepColors());
      for (int i = 0; i < n; ++i) {
        const int from = MulDiv(i, style == gstVertical ? h : w, n);
        const int to = MulDiv(i + 1, style == gstVertical ? h : w, n) - 1;
        for (const int along : {from, to}) {
          const int x = style == gstVertical ? rect.left + w / 2 : rect.left + along;
          const int y = style == gstVertical ? rect.top + along : rect.top + h / 2;
          EXPECT_EQ(static_cast<std::uint32_t>(surface->Pixels(x, y)), gradient.StepColors()[i])
              << "band " << i << " flags " << flags;
        }
      }
      EXPECT_EQ(surface->Pixels(2, 20), Back);
      EXPECT_EQ(surface->Pixels(43, 20), Back);
      EXPECT_EQ(surface->Pixels(20, 42), Back);
    }
  }
  EXPECT_EQ(gradient.StepColors().front(), 0xFF0000u);
}

TEST_F(MVWDrawing, GradientShapesPutColourZeroWhereTheStyleSays) {
  TMVWGradient gradient;
  gradient.SetColor(clRed);
  gradient.SetEndColor(clLime);
  const std::uint32_t first = gradient.StepColors().front();
  const std::uint32_t last = gradient.StepColors().back();
  struct TCase {
    TMVWGradientStyle Style;
    POINT First;
    POINT Last;
  };
  const TCase cases[] = {
      {gstSquare, {30, 20}, {0, 0}},          {gstElliptic, {30, 20}, {0, 0}},
      {gstTopLeft, {1, 1}, {59, 39}},         {gstTopRight, {58, 1}, {0, 39}},
      {gstBottomLeft, {1, 38}, {59, 0}},      {gstBottomRight, {58, 38}, {0, 0}},
      {gstTopLeftDiagonal, {1, 1}, {59, 39}}, {gstTopRightDiagonal, {58, 1}, {0, 39}},
  };
  for (const TCase& c : cases) {
    // Unclipped, the larger shapes would spill past the rect.
    for (const std::uint16_t flags : {GradientClip, GradientBuffered}) {
      auto surface = Surface(80, 60);
      FillGradientRect(surface->Canvas(), {10, 10, 70, 50}, c.Style, 0, flags, nullptr,
                       &gradient.StepColors());
      EXPECT_EQ(static_cast<std::uint32_t>(surface->Pixels(10 + c.First.x, 10 + c.First.y)), first)
          << int(c.Style);
      EXPECT_EQ(static_cast<std::uint32_t>(surface->Pixels(10 + c.Last.x, 10 + c.Last.y)), last)
          << int(c.Style);
      EXPECT_EQ(surface->Pixels(5, 5), Back) << c.Style;
      EXPECT_EQ(surface->Pixels(75, 55), Back) << c.Style;
    }
  }
}

TEST_F(MVWDrawing, GradientClipPaletteAndEmptyCases) {
  TMVWGradient gradient;
  // The clip offset moves the clip: 10 to the right and 5 down (X low word, Y high word).
  auto surface = Surface(60, 60);
  FillGradientRect(surface->Canvas(), {0, 0, 40, 40}, gstVertical, (5u << 16) | 10u, GradientClip,
                   nullptr, &gradient.StepColors());
  EXPECT_EQ(surface->Pixels(5, 20), Back);
  EXPECT_EQ(surface->Pixels(15, 3), Back);
  EXPECT_NE(surface->Pixels(15, 20), Back);
  // Without a clip the next drawing reaches everywhere again.
  surface->Canvas().Brush().SetColor(clRed);
  surface->Canvas().FillRect({0, 0, 60, 60});
  EXPECT_EQ(surface->Pixels(5, 20), clRed);

  gradient.SetPaletteRealize(true);
  auto plain = Surface(40, 40);
  auto withPalette = Surface(40, 40);
  FillGradientRect(plain->Canvas(), {0, 0, 40, 40}, gstVertical, 0, 0, nullptr,
                   &gradient.StepColors());
  gradient.PaintGradient(withPalette->Canvas(), {0, 0, 40, 40});
  for (int y = 0; y < 40; y += 3)
    EXPECT_EQ(withPalette->Pixels(20, y), plain->Pixels(20, y));

  TMVWColorList none;
  auto untouched = Surface(20, 20);
  FillGradientRect(untouched->Canvas(), {0, 0, 20, 20}, gstVertical, 0, 0, nullptr, &none);
  FillGradientRect(untouched->Canvas(), {0, 0, 0, 20}, gstVertical, 0, 0, nullptr,
                   &gradient.StepColors());
  FillGradientRect(untouched->Canvas(), {0, 0, 20, 20}, gstVertical, 0, 0, nullptr, nullptr);
  EXPECT_EQ(CountOf(*untouched, Back), 400);
}

TEST_F(MVWDrawing, BevelFramesLeaveTheirInnerRect) {
  struct TCase {
    TMVWBevelStyle Style;
    int Width;
    RECT Result;
    POINT LightAt;
    POINT ShadowAt;
  };
  const TCase cases[] = {
      {bvFrameRaised, 1, {2, 2, 8, 8}, {0, 0}, {9, 9}},
      {bvFrameLowered, 1, {2, 2, 8, 8}, {9, 9}, {0, 0}},
      {bvRaised, 1, {1, 1, 9, 9}, {0, 5}, {9, 5}},
      {bvLowered, 1, {1, 1, 9, 9}, {9, 5}, {0, 5}},
      {bvRaised, 2, {2, 2, 8, 8}, {0, 5}, {9, 5}},
  };
  for (const TCase& c : cases) {
    auto surface = Surface(10, 10);
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(DrawBevelFrame(surface->Canvas(), r, c.Style, c.Width, clRed, clLime));
    EXPECT_TRUE(EqualRect(&r, &c.Result)) << c.Style << " " << Text(r);
    EXPECT_EQ(surface->Pixels(c.LightAt.x, c.LightAt.y), clLime) << c.Style;
    EXPECT_EQ(surface->Pixels(c.ShadowAt.x, c.ShadowAt.y), clRed) << c.Style;
    EXPECT_EQ(surface->Pixels(5, 5), Back);
  }
  auto surface = Surface(10, 10);
  RECT r{0, 0, 10, 10};
  EXPECT_TRUE(DrawBevelFrame(surface->Canvas(), r, bvNormal, 1, clRed, clLime));
  EXPECT_EQ(surface->Pixels(0, 5), clBlack);
  for (const auto& [style, width] : {std::pair{bvNone, 1}, {bvShadow, 1}, {bvRaised, 0}}) {
    RECT same{0, 0, 10, 10};
    EXPECT_FALSE(DrawBevelFrame(surface->Canvas(), same, style, width, clRed, clLime));
    EXPECT_EQ(same.right, 10);
  }
}

TEST_F(MVWDrawing, StandardBordersShrinkTheRect) {
  const RECT expected[] = {{0, 0, 20, 20}, {1, 1, 20, 20}, {2, 2, 18, 18}, {2, 2, 18, 18},
                           {1, 1, 18, 18}, {2, 2, 19, 19}, {2, 2, 18, 18}, {2, 2, 18, 18},
                           {2, 2, 18, 18}, {2, 2, 18, 18}, {2, 2, 18, 18}, {1, 1, 19, 19},
                           {1, 1, 19, 19}, {2, 2, 18, 18}, {2, 2, 18, 18}};
  const int widths[] = {0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 2, 2};
  for (int style = 0; style < 15; ++style) {
    auto surface = Surface(20, 20);
    RECT r{0, 0, 20, 20};
    EXPECT_TRUE(DrawStandardBorder(surface->Canvas(), r, static_cast<TMVWBorderStyle>(style), 0));
    EXPECT_TRUE(EqualRect(&r, &expected[style])) << style << ": " << Text(r);
    EXPECT_EQ(StandardBorderWidth(static_cast<TMVWBorderStyle>(style)), widths[style]);
    EXPECT_EQ(surface->Pixels(10, 10), Back);
  }
}

TEST_F(MVWDrawing, ShadowFramesAndBevelModes) {
  auto surface = Surface(30, 20);
  RECT r{0, 0, 30, 20};
  DrawShadowFrame(surface->Canvas(), r, clLime, clRed, clBlue, 3, 1, false);
  EXPECT_EQ(Text(r), "1,1,26,16");
  EXPECT_EQ(surface->Pixels(28, 10), clRed); // right strip
  EXPECT_EQ(surface->Pixels(10, 18), clRed); // bottom strip
  EXPECT_EQ(surface->Pixels(28, 1), clBlue); // corners
  EXPECT_EQ(surface->Pixels(1, 18), clBlue);
  EXPECT_EQ(surface->Pixels(0, 5), clLime); // frame
  auto transparent = Surface(30, 20);
  RECT t{0, 0, 30, 20};
  DrawShadowFrame(transparent->Canvas(), t, clLime, clRed, clBlue, 3, 1, true);
  EXPECT_EQ(transparent->Pixels(28, 1), Back);

  struct TCase {
    TMVWBevelMode Mode;
    RECT Result;
  };
  const TCase modes[] = {{bmCustom, {2, 2, 38, 28}},
                         {bmStandard, {2, 2, 38, 28}},
                         {bmEdge, {3, 3, 37, 27}},
                         {bmWindows, {3, 3, 37, 27}}};
  for (const TCase& c : modes) {
    TMVWBevel bevel;
    bevel.SetStyleOuter(bvRaised);
    bevel.SetBorderInnerWidth(1);
    bevel.SetMode(c.Mode);
    bevel.SetStandardStyle(lsSingleLowered);
    auto canvas = Surface(40, 30);
    const RECT inner = bevel.PaintBevel(canvas->Canvas(), {0, 0, 40, 30}, false);
    EXPECT_TRUE(EqualRect(&inner, &c.Result)) << c.Mode << ": " << Text(inner);
    // The inner ring has the border colour.
    EXPECT_EQ(static_cast<std::uint32_t>(canvas->Pixels(inner.left - 1, 15)), ColorToRGB(clBtnFace))
        << c.Mode;
    EXPECT_EQ(canvas->Pixels(20, 15), Back);
  }
  TMVWBevel none;
  auto canvas = Surface(10, 10);
  const RECT same = none.PaintBevel(canvas->Canvas(), {0, 0, 10, 10}, false);
  EXPECT_EQ(Text(same), "0,0,10,10");
  EXPECT_EQ(CountOf(*canvas, Back), 100);
  TMVWBevel edge;
  edge.SetMode(bmEdge);
  edge.SetBorderSides(1 << fsTop);
  EXPECT_EQ(Text(edge.PaintBevel(canvas->Canvas(), {0, 0, 10, 10}, true)), "2,2,8,8");
}

TEST_F(MVWDrawing, DropArrows) {
  auto surface = Surface(30, 30);
  DrawDropArrow(surface->Canvas(), 5, 5, true, true, clRed, 16);
  DrawDropArrow(surface->Canvas(), 5, 5, true, true, clRed, 1);
  EXPECT_EQ(CountOf(*surface, Back), 900);
  DrawDropArrow(surface->Canvas(), 5, 5, true, true, clRed, 2);
  EXPECT_EQ(CountOf(*surface, clRed), 4);
  for (const int x : {5, 6, 7})
    EXPECT_EQ(surface->Pixels(x, 5), clRed);
  EXPECT_EQ(surface->Pixels(6, 6), clRed);
  auto up = Surface(30, 30);
  DrawDropArrow(up->Canvas(), 5, 5, true, false, clRed, 3);
  EXPECT_EQ(CountOf(*up, clRed), 1 + 3 + 5);
  EXPECT_EQ(up->Pixels(6, 5), clRed);
  EXPECT_EQ(up->Pixels(4, 7), clRed);
  auto disabled = Surface(30, 30);
  DrawDropArrow(disabled->Canvas(), 5, 5, false, true, clRed, 4);
  EXPECT_EQ(CountOf(*disabled, clRed), 0);
  EXPECT_EQ(static_cast<std::uint32_t>(disabled->Pixels(5, 5)), ColorToRGB(clGrayText));
  EXPECT_EQ(static_cast<std::uint32_t>(disabled->Pixels(12, 6)), ColorToRGB(clHighlightText));
}

TEST_F(MVWDrawing, ImagePlacementsAndUsedRects) {
  auto picture = Picture();
  struct TCase {
    std::uint16_t Flags;
    RECT Target;
    RECT Used;
    POINT Red;   // a canvas pixel that shows the red square
    POINT White; // one that shows the picture's white
  };
  const TCase cases[] = {
      {0, {5, 5, 40, 40}, {5, 5, 15, 15}, {7, 7}, {5, 5}},
      {DrawCenter, {0, 0, 30, 20}, {10, 5, 20, 15}, {12, 7}, {10, 5}},
      {DrawStretch, {0, 0, 20, 20}, {0, 0, 20, 20}, {10, 10}, {1, 1}},
      {DrawStretch | DrawKeepAspectByWidth, {0, 0, 20, 40}, {0, 0, 20, 20}, {10, 10}, {1, 1}},
      {DrawStretch | DrawKeepAspectByHeight, {0, 0, 40, 20}, {0, 0, 20, 20}, {10, 10}, {1, 1}},
      {DrawStretch | DrawKeepAspectByWidth | DrawKeepAspectByHeight,
       {0, 0, 40, 20},
       {0, 0, 20, 20},
       {10, 10},
       {1, 1}},
      {DrawTile, {0, 0, 25, 25}, {0, 0, 10, 10}, {22, 22}, {20, 20}},
  };
  for (const TCase& c : cases) {
    auto surface = Surface(50, 50);
    RECT used;
    DrawImageInRect(surface->Canvas(), c.Target, &picture->Canvas(), used, nullptr, nullptr, clNone,
                    c.Flags, {0, 0, 10, 10});
    EXPECT_TRUE(EqualRect(&used, &c.Used)) << c.Flags << ": " << Text(used);
    EXPECT_EQ(surface->Pixels(c.Red.x, c.Red.y), clRed) << c.Flags;
    EXPECT_EQ(surface->Pixels(c.White.x, c.White.y), clWhite) << c.Flags;
  }
  // Tiling: the last cells reach 5 pixels past the target unless clipped.
  for (const bool clip : {false, true}) {
    auto surface = Surface(50, 50);
    DrawBitmapInRect(surface->Canvas(), {5, 5, 30, 30}, *picture, clNone, 0,
                     DrawTile | (clip ? DrawClip : 0));
    EXPECT_EQ(surface->Pixels(32, 32), clip ? Back : clRed);
    EXPECT_EQ(surface->Pixels(27, 27), clRed);
  }
  // A picture without size has no proportion: nothing is drawn.
  auto surface = Surface(20, 20);
  RECT used;
  DrawImageInRect(surface->Canvas(), {0, 0, 20, 20}, &picture->Canvas(), used, nullptr, nullptr,
                  clNone, DrawStretch | DrawKeepAspectByWidth, {0, 0, 0, 10});
  EXPECT_EQ(Text(used), "0,0,20,20");
  EXPECT_EQ(CountOf(*surface, Back), 400);
  DrawImageInRect(surface->Canvas(), {0, 0, 0, 0}, &picture->Canvas(), used, nullptr, nullptr,
                  clNone, 0, {0, 0, 10, 10});
  EXPECT_EQ(Text(used), "0,0,0,0");
}

TEST_F(MVWDrawing, TransparentMaskedAndBrushCopied) {
  auto picture = Picture();
  RECT used;
  auto transparent = Surface(20, 20);
  DrawImageInRect(transparent->Canvas(), {0, 0, 20, 20}, &picture->Canvas(), used, nullptr, nullptr,
                  clWhite, DrawTransparent, {0, 0, 10, 10});
  EXPECT_EQ(transparent->Pixels(0, 0), Back);
  EXPECT_EQ(transparent->Pixels(3, 3), clRed);
  EXPECT_EQ(transparent->Pixels(8, 1), clBlue);

  TBitmap mask, image;
  MakeBitmapMaskPair(*picture, mask, image, clWhite);
  EXPECT_EQ(mask.Pixels(0, 0), clWhite);
  EXPECT_EQ(mask.Pixels(3, 3), clBlack);
  EXPECT_EQ(image.Pixels(0, 0), clBlack);
  EXPECT_EQ(image.Pixels(3, 3), clRed);
  auto masked = Surface(20, 20);
  DrawImageInRect(masked->Canvas(), {0, 0, 20, 20}, &image.Canvas(), used, &mask, nullptr, clNone,
                  DrawMasked | DrawStretch, {0, 0, 10, 10});
  EXPECT_EQ(masked->Pixels(1, 1), Back);
  EXPECT_EQ(masked->Pixels(10, 10), clRed);

  auto brushed = Surface(20, 20);
  DrawBitmapInRect(brushed->Canvas(), {0, 0, 20, 20}, *picture, clYellow, 0, DrawBrushCopy);
  EXPECT_EQ(brushed->Pixels(0, 0), clYellow);
  EXPECT_EQ(brushed->Pixels(3, 3), clRed);
  EXPECT_EQ(brushed->Pixels(15, 15), Back);

  // A bitmap whose canvas pen stands at x = -1 is not drawn.
  picture->Canvas().MoveTo(-1, 0);
  auto skipped = Surface(20, 20);
  DrawBitmapAligned(skipped->Canvas(), {0, 0, 20, 20}, *picture, used, clNone, 0);
  EXPECT_EQ(CountOf(*skipped, Back), 400);
  EXPECT_EQ(Text(used), "0,0,0,0");

  // A composite: the first bitmap's non-white pixels printed on the picture, then drawn
  // transparent by the picture's white.
  auto first = Picture();
  auto canvas = Surface(10, 10);
  auto target = Surface(10, 10, clWhite);
  target->SetPixels(0, 9, clWhite);
  DrawMaskedComposite(canvas->Canvas(), {0, 0, 10, 10}, *first, clWhite, clWhite, *target);
  EXPECT_EQ(target->Pixels(3, 3), clRed);
  EXPECT_EQ(canvas->Pixels(3, 3), clRed);
  EXPECT_EQ(canvas->Pixels(0, 0), Back);
}

TEST_F(MVWDrawing, DisabledAndEmbossedPictures) {
  auto flat = Surface(6, 6, clRed);
  TBitmap same;
  MakeDisabledBitmap(same, *flat);
  EXPECT_EQ(CountOf(same, clRed), 36);

  auto picture = Surface(4, 1, clBlack);
  picture->SetPixels(1, 0, clWhite);
  picture->SetPixels(2, 0, clWhite);
  picture->SetPixels(3, 0, 0x404040);
  TBitmap disabled;
  MakeDisabledBitmap(disabled, *picture);
  // Average 574: white (765) lies above 374 + 250, dark grey (192) below 374 + 50.
  EXPECT_EQ(disabled.Pixels(0, 0), clBlack);
  EXPECT_EQ(static_cast<std::uint32_t>(disabled.Pixels(1, 0)), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(disabled.Pixels(3, 0), clBlack);

  auto glyph = Surface(8, 8, clWhite);
  glyph->SetPixels(3, 3, clBlack);
  TBitmap embossed;
  embossed.SetSize(8, 8);
  EmbossBitmap(embossed, *glyph, 0, 0);
  EXPECT_EQ(static_cast<std::uint32_t>(embossed.Pixels(3, 3)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(static_cast<std::uint32_t>(embossed.Pixels(4, 4)), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(embossed.Pixels(6, 1), clWhite);
}

TEST_F(MVWDrawing, ColoursAndAlignments) {
  EXPECT_EQ(InterpolateColor(clBlack, clWhite, 1, 2), 0x808080);   // 127.5 rounds to even 128
  EXPECT_EQ(InterpolateColor(0x000001, 0x000004, 1, 2), 0x000002); // 2.5 rounds to even 2
  EXPECT_EQ(InterpolateColor(clRed, clBlue, 0, 4), clRed);
  EXPECT_EQ(InterpolateColor(clRed, clBlue, 4, 4), clBlue);
  EXPECT_EQ(InterpolateColor(clRed, clBlue, 3, 0), clRed);
  const RECT outer{10, 20, 41, 51};
  const RECT inner{0, 0, 10, 10};
  const POINT corners[] = {{10, 20}, {20, 20}, {31, 20}, {10, 30}, {20, 30},
                           {31, 30}, {10, 41}, {20, 41}, {31, 41}};
  const UINT flags[] = {0,
                        DT_CENTER,
                        DT_RIGHT,
                        DT_VCENTER,
                        DT_CENTER | DT_VCENTER,
                        DT_RIGHT | DT_VCENTER,
                        DT_BOTTOM,
                        DT_BOTTOM | DT_CENTER,
                        DT_BOTTOM | DT_RIGHT};
  for (int a = 0; a < 9; ++a) {
    const RECT placed = AlignRectInRect(static_cast<TMVWAlignment>(a), inner, outer);
    EXPECT_EQ(placed.left, corners[a].x) << a;
    EXPECT_EQ(placed.top, corners[a].y) << a;
    EXPECT_EQ(placed.right - placed.left, 10);
    EXPECT_EQ(AlignmentTextFlags(static_cast<TMVWAlignment>(a)), flags[a]);
  }
}

TEST_F(MVWDrawing, TextStylesPaintTheirColours) {
  struct TCase {
    TMVWThreeDStyle Style;
    std::vector<TColor> Shown;
  };
  const TCase cases[] = {
      {tdNone, {clBlack}},
      {tdSunken, {clBlack, clLime}},
      {tdRaised, {clBlack, clLime}},
      {tdSunkenShadow, {clBlack, clLime, clRed}},
      {tdRaisedShadow, {clBlack, clLime, clRed}},
      {tdShadow, {clBlack, clRed}},
      {tdOutline, {clBlack}},
      {tdExtrude, {clBlack, clRed}},
      {tdExtrudeEnh, {clBlack}},
      {tdPColorSunken, {clBlue, clLime}},
  };
  for (const TCase& c : cases) {
    TMVW3DCaption caption;
    caption.SetStyle(c.Style);
    caption.SetLightColor(clLime);
    caption.SetShadowColor(clRed);
    caption.SetLightDepth(2);
    caption.SetShadowDepth(3);
    auto surface = Surface(120, 60, clWhite);
    TCanvas& canvas = surface->Canvas();
    canvas.Font().SetHeight(-36);
    canvas.Font().SetColor(clBlack);
    canvas.Font().SetStyle(fsBold);
    canvas.Brush().SetColor(clBlue);
    DrawFxText(canvas, "HW", &caption, nullptr, FxTextEnabled, DT_LEFT | DT_TOP, {5, 5, 115, 55});
    for (const TColor color : c.Shown)
      EXPECT_GT(CountOf(*surface, color), 0) << c.Style << " colour " << color;
    if (c.Style == tdNone) {
      EXPECT_EQ(CountOf(*surface, clRed) + CountOf(*surface, clLime), 0);
    }
  }
  // Disabled: grey text, and sunken with a light copy for the 3D look.
  TMVW3DCaption disabled;
  disabled.SetLightColor(clLime);
  auto surface = Surface(120, 60, clWhite);
  surface->Canvas().Font().SetHeight(-36);
  DrawFxText(surface->Canvas(), "HW", &disabled, nullptr, FxText3DDisabled, 0, {5, 5, 115, 55});
  EXPECT_GT(CountOf(*surface, clGrayText), 0);
  EXPECT_GT(CountOf(*surface, clLime), 0);
  // Clipped to a rect, nothing lands outside it.
  auto clipped = Surface(120, 60, clWhite);
  clipped->Canvas().Font().SetHeight(-36);
  const RECT clip{0, 0, 20, 60};
  DrawFxText(clipped->Canvas(), "HWHW", &disabled, &clip, FxTextEnabled | FxTextClip, 0,
             {5, 5, 115, 55});
  for (int y = 0; y < 60; ++y)
    for (int x = 20; x < 120; ++x)
      ASSERT_EQ(clipped->Pixels(x, y), clWhite);
  auto plain = Surface(120, 60, clWhite);
  DrawFxText(plain->Canvas(), "", &disabled, nullptr, 0, 0, {5, 5, 115, 55});
  DrawFxText(plain->Canvas(), "W", nullptr, nullptr, 0, 0, {5, 5, 115, 55});
  EXPECT_GT(plain->Width() * plain->Height() - CountOf(*plain, clWhite), 0);
}

TEST_F(MVWDrawing, MeasuringAndRotatedCaptions) {
  TFont font;
  font.SetHeight(-20);
  TCanvas canvas;
  RECT plain{10, 10, 300, 100};
  MeasureFxCaption(canvas, "Judge", nullptr, 0, 0, false, false, font, plain);
  TMVW3DCaption shadow;
  shadow.SetStyle(tdShadow);
  shadow.SetShadowDepth(4);
  RECT deeper{10, 10, 300, 100};
  MeasureFxCaption(canvas, "Judge", &shadow, 0, 1, false, false, font, deeper);
  EXPECT_EQ(deeper.right - plain.right, 4 + 2);
  EXPECT_EQ(deeper.bottom - plain.bottom, 4 + 2);
  RECT empty{0, 0, 300, 100};
  MeasureFxCaption(canvas, "", nullptr, 0, 0, true, false, font, empty);
  EXPECT_GT(empty.right, 2);

  TMVWFxCaption turned;
  turned.SetAngle(90);
  RECT rotated{0, 0, 300, 300};
  MeasureFxCaption(canvas, "Judge", &turned, 0, 0, false, false, font, rotated);
  // Turned by 90 degrees the text is as wide as it was high.
  EXPECT_NEAR(rotated.right - 2, plain.bottom - plain.top - 2, 1);
  EXPECT_NEAR(rotated.bottom - 2, plain.right - plain.left - 2, 1);
  EXPECT_NE(turned.PosY(), 0);
  EXPECT_GT(FxCaptionTextHeight(&shadow, font), FxCaptionTextHeight(nullptr, font));
  EXPECT_EQ(FxCaptionTextHeight(&shadow, font) - FxCaptionTextHeight(nullptr, font), 4);
  font.SetName("Arial");
  EXPECT_TRUE(IsTrueTypeFont(font));

  RECT placed;
  DrawFxCaptionRect(agBottomRight, "Judge", nullptr, placed, 0, false, false, font,
                    {0, 0, 400, 200});
  EXPECT_EQ(placed.right, 400);
  EXPECT_EQ(placed.bottom, 200);
}

TEST_F(MVWDrawing, GlyphTextLayouts) {
  auto glyph = Picture();
  TMVWButtonLayout layout;
  layout.SetAlignment(agTopLeft);
  auto surface = Surface(200, 100);
  surface->Canvas().Font().SetHeight(-14);
  TMVWLayoutRects rects;
  for (const TMVWTextArrange arrange : {taLeft, taRight, taTop, taBottom}) {
    layout.SetAlignText2Glyph(arrange);
    DrawGlyphTextLayout(surface->Canvas(), "Start", nullptr, rects, 0, LayoutMeasureOnly, false,
                        false, false, layout, clNone, nullptr, {0, 0, 10, 10}, &glyph->Canvas(),
                        {0, 0, 200, 100});
    EXPECT_EQ(rects.Glyph.right - rects.Glyph.left, 10);
    switch (arrange) {
    case taLeft:
      EXPECT_GE(rects.Glyph.left, rects.Text.right - 1 + layout.Spacing()) << arrange;
      break;
    case taRight:
      EXPECT_GE(rects.Text.left, rects.Glyph.right + layout.Spacing()) << arrange;
      break;
    case taTop:
      EXPECT_GE(rects.Glyph.top, rects.Text.bottom - 1 + layout.Spacing()) << arrange;
      break;
    default:
      EXPECT_GE(rects.Text.top, rects.Glyph.bottom + layout.Spacing()) << arrange;
      break;
    }
  }
  EXPECT_EQ(CountOf(*surface, Back), 200 * 100); // measuring draws nothing

  layout.SetAlignText2Glyph(taRight);
  layout.SetAlignment(agCenter);
  layout.SetArrow(true);
  layout.SetArrowColor(clLime);
  const RECT invalid = DrawGlyphTextLayout(
      surface->Canvas(), "Start", nullptr, rects, 0, LayoutInvalidateAll | FxTextEnabled, true,
      false, false, layout, clWhite, nullptr, {0, 0, 10, 10}, &glyph->Canvas(), {0, 0, 200, 100});
  EXPECT_EQ(invalid.left, rects.Union.left - 1);
  EXPECT_GT(CountOf(*surface, clRed), 0);
  EXPECT_EQ(CountOf(*surface, clWhite), 0); // the glyph's white is transparent
  EXPECT_GT(CountOf(*surface, clLime), 0);  // the arrow
  const int centre = (rects.Union.left + rects.Union.right) / 2;
  EXPECT_NEAR(centre, 100, 10);
}

TEST_F(MVWDrawing, ClassicButtonFaces) {
  struct TCase {
    TMVWUserButtonStyle Style;
    bool FillsBackground;
  };
  const TCase cases[] = {{ubsWin31, true},       {ubsWin40, true},     {ubsKestrin, true},
                         {ubsKestrinFlat, true}, {ubsFlat, true},      {ubsFlatUnColored, true},
                         {ubsNavigator, true},   {ubsExplorer, false}, {ubsExplorerColored, false},
                         {ubsIntegrated, true},  {ubsWinXP, true},     {ubsWinXPCombo, true},
                         {ubsWinXPTool, false},  {ubsAutoDetect, true}};
  for (const TCase& c : cases) {
    for (const int state : {0, 4}) {
      auto surface = Surface(40, 30);
      RECT rect{0, 0, 40, 30};
      EXPECT_TRUE(
          DrawButtonFace(nullptr, surface->Canvas(), false, clYellow, 0, state, c.Style, rect));
      const RECT expected = state == 4 ? RECT{4, 4, 38, 28} : RECT{3, 3, 37, 27};
      EXPECT_TRUE(EqualRect(&rect, &expected))
          << c.Style << " state " << state << ": " << Text(rect);
      EXPECT_EQ(surface->Pixels(20, 15) == clYellow, c.FillsBackground) << c.Style;
    }
  }
  // Latched faces take the application's checker pattern.
  auto latched = Surface(40, 30);
  RECT rect{0, 0, 40, 30};
  DrawButtonFace(nullptr, latched->Canvas(), false, clYellow, 0, 3, ubsWin40, rect);
  EXPECT_NE(latched->Pixels(20, 15), latched->Pixels(21, 15));
  // Focused faces get a focus rectangle 3 inside.
  auto focused = Surface(40, 30);
  RECT face{0, 0, 40, 30};
  DrawButtonFace(nullptr, focused->Canvas(), false, clYellow, FaceFocused, 0, ubsFlat, face);
  EXPECT_NE(focused->Pixels(3, 10), clYellow);
}

} // namespace
} // namespace marivo
