#include "platform/rtl/Streams.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Images.h"
#include "tests/support/Snapshot.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWImageList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace marivo {
namespace {

constexpr int SheetWidth = 1000;
constexpr int SheetHeight = 480;

void Label(TCanvas& canvas, int x, int y, const std::string& text) {
  canvas.Font().SetHeight(-11);
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextOut(x, y, text);
  canvas.Brush().SetStyle(bsSolid);
}

// A glyph: white (transparent) with a red disc, a dark outline and a blue corner mark.
std::unique_ptr<TBitmap> Glyph() {
  auto glyph = std::make_unique<TBitmap>();
  FillBitmap(*glyph, {0, 0, 24, 24}, clWhite);
  TCanvas& canvas = glyph->Canvas();
  canvas.Brush().SetColor(clRed);
  canvas.Pen().SetColor(clBlack);
  canvas.Ellipse(3, 3, 21, 21);
  canvas.Brush().SetColor(clBlue);
  canvas.FillRect({16, 2, 22, 8});
  return glyph;
}

void PaintGradients(TCanvas& canvas, int top) {
  TMVWGradient gradient;
  gradient.SetColor(clNavy);
  gradient.SetEndColor(clAqua);
  gradient.SetColorCount(64);
  static const char* const names[] = {"horizontal",  "vertical",   "square",      "elliptic",
                                      "top left",    "top right",  "bottom left", "bottom right",
                                      "TL diagonal", "TR diagonal"};
  for (int style = 0; style < 10; ++style) {
    const int x = 10 + style * 98;
    FillGradientRect(canvas, {x, top + 14, x + 90, top + 74}, static_cast<TMVWGradientStyle>(style),
                     0, GradientClip, nullptr, &gradient.StepColors());
    Label(canvas, x, top, names[style]);
  }
}

void PaintBorders(TCanvas& canvas, int top) {
  static const char* const modes[] = {"custom", "standard", "edge", "windows"};
  for (int mode = 0; mode < 4; ++mode) {
    TMVWBevel bevel;
    bevel.SetStyleOuter(bvRaised);
    bevel.SetStyleInner(bvFrameLowered);
    bevel.SetWidthOuter(2);
    bevel.SetBorderWidth(2);
    bevel.SetBorderColor(clSilver);
    bevel.SetStandardStyle(lsDoubleRaised);
    bevel.SetEdgeStyle(etBump);
    bevel.SetMode(static_cast<TMVWBevelMode>(mode));
    const int x = 10 + mode * 70;
    Label(canvas, x, top, modes[mode]);
    bevel.PaintBevel(canvas, {x, top + 14, x + 62, top + 54}, false);
  }
  TMVWBevel shadow;
  shadow.SetStyleOuter(bvShadow);
  shadow.SetWidthOuter(5);
  shadow.SetLightColor(clBlack);
  shadow.SetShadowColor(clGray);
  Label(canvas, 290, top, "shadow");
  shadow.PaintBevel(canvas, {290, top + 14, 352, top + 54}, false);
  for (int style = 0; style < 15; ++style) {
    const int x = 370 + style * 41;
    RECT r{x, top + 14, x + 36, top + 54};
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(r);
    DrawStandardBorder(canvas, r, static_cast<TMVWBorderStyle>(style), 0);
    Label(canvas, x + 2, top, std::to_string(style));
  }
}

void PaintFaces(TCanvas& canvas, int top) {
  static const int states[] = {0, 2, 4, 3, 1};
  static const char* const stateNames[] = {"up", "hot", "pressed", "latched", "disabled"};
  for (int s = 0; s < 5; ++s)
    Label(canvas, 10, top + 14 + s * 26, stateNames[s]);
  for (int style = 0; style < 14; ++style) {
    const int x = 70 + style * 66;
    Label(canvas, x, top, std::to_string(style));
    for (int s = 0; s < 5; ++s) {
      RECT r{x, top + 14 + s * 26, x + 60, top + 36 + s * 26};
      DrawButtonFace(nullptr, canvas, states[s] == 2, clBtnFace, 0, states[s],
                     static_cast<TMVWUserButtonStyle>(style), r);
      TMVW3DCaption caption;
      canvas.Font().SetColor(clBtnText);
      DrawFxText(canvas, "OK", &caption, nullptr, states[s] == 1 ? 0 : FxTextEnabled,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE, r);
    }
  }
}

void PaintTexts(TCanvas& canvas, int top) {
  static const char* const names[] = {"none",          "sunken",    "raised",     "sunk shadow",
                                      "raised shadow", "pc sunken", "pc raised",  "shadow",
                                      "outline",       "extrude",   "extrude enh"};
  canvas.Font().SetName("Arial");
  for (int style = 0; style < 11; ++style) {
    TMVWFxCaption caption;
    caption.SetStyle(static_cast<TMVWThreeDStyle>(style));
    caption.SetLightDepth(1);
    caption.SetShadowDepth(3);
    caption.SetLightColor(clWhite);
    caption.SetShadowColor(clGray);
    caption.SetOrientation(toBottomRight);
    const int x = 10 + style * 78;
    canvas.Brush().SetColor(clSilver);
    canvas.FillRect({x, top + 14, x + 74, top + 54});
    Label(canvas, x, top, names[style]);
    canvas.Font().SetHeight(-26);
    canvas.Font().SetStyle(fsBold);
    canvas.Font().SetColor(clNavy);
    canvas.Brush().SetColor(clYellow);
    DrawFxText(canvas, "Aa", &caption, nullptr, FxTextEnabled, DT_LEFT | DT_TOP,
               {x + 6, top + 16, x + 74, top + 54});
    canvas.Font().SetStyle(0);
  }
  TMVWFxCaption rotated;
  rotated.SetStyle(tdRaised);
  rotated.SetAngle(45);
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-20);
  RECT measured{0, 0, 200, 200};
  MeasureFxCaption(canvas, "Rotated", &rotated, 0, 0, false, false, font, measured);
  canvas.Font().Assign(font);
  canvas.Font().SetColor(clMaroon);
  Label(canvas, 880, top, "rotated 45");
  canvas.Font().Assign(font);
  canvas.Font().SetColor(clMaroon);
  DrawFxText(canvas, "Rotated", &rotated, nullptr, FxTextEnabled, 0,
             {875, top + 14, 875 + measured.right, top + 14 + measured.bottom});
}

void PaintBitmaps(TCanvas& canvas, int top) {
  auto glyph = Glyph();
  struct TMode {
    const char* Name;
    std::uint16_t Flags;
  };
  const TMode modes[] = {{"centred", DrawCenter},
                         {"stretched", DrawStretch},
                         {"tiled", DrawTile | DrawClip},
                         {"transparent", DrawTransparent | DrawCenter},
                         {"masked", DrawMasked | DrawStretch}};
  for (int m = 0; m < 5; ++m) {
    const int x = 10 + m * 98;
    const RECT target{x, top + 14, x + 90, top + 74};
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(target);
    Label(canvas, x, top, modes[m].Name);
    if (modes[m].Flags & DrawMasked) {
      TBitmap mask, image;
      MakeBitmapMaskPair(*glyph, mask, image, clWhite);
      RECT used;
      DrawImageInRect(canvas, target, &image.Canvas(), used, &mask, nullptr, clNone, modes[m].Flags,
                      {0, 0, 24, 24});
    } else {
      DrawBitmapInRect(canvas, target, *glyph, clWhite, 0, modes[m].Flags);
    }
  }
  TBitmap disabled, embossed;
  MakeDisabledBitmap(disabled, *glyph);
  embossed.SetSize(24, 24);
  EmbossBitmap(embossed, *glyph, 0, 0);
  Label(canvas, 500, top, "disabled");
  DrawBitmapInRect(canvas, {500, top + 14, 590, top + 74}, disabled, clNone, 0, DrawCenter);
  Label(canvas, 598, top, "embossed");
  DrawBitmapInRect(canvas, {598, top + 14, 688, top + 74}, embossed, clNone, 0, DrawCenter);

  TMVWImageList list(nullptr);
  auto* item = list.Item(list.AddItem());
  item->SetWidth(24);
  item->SetHeight(24);
  item->SetMasked(true);
  item->AddImages(*glyph, nullptr);
  item->SetBlendColor(clBlue);
  item->SetBkColor(clYellow);
  for (int style = 0; style < 4; ++style) {
    item->SetDrawingStyle(style);
    const int x = 700 + style * 72;
    canvas.Brush().SetColor(clLime);
    canvas.FillRect({x, top + 14, x + 40, top + 54});
    Label(canvas, x, top, "style " + std::to_string(style));
    list.DrawAt(canvas, x + 8, top + 22, 0, 0);
  }
}

TEST(MVWDrawingSheet, EveryRoutineOnOneForm) {
  TMVWFoundation foundation;
  MVWApplication->SetThemeActiveSeam(false);
  auto sheet = std::make_unique<TBitmap>();
  FillBitmap(*sheet, {0, 0, SheetWidth, SheetHeight}, clBtnFace);
  TCanvas& canvas = sheet->Canvas();
  PaintGradients(canvas, 8);
  PaintBorders(canvas, 96);
  PaintFaces(canvas, 164);
  PaintTexts(canvas, 316);
  PaintBitmaps(canvas, 390);
  // A few pixels a person would check: a gradient's first colour, a face, the image styles.
  EXPECT_EQ(sheet->Pixels(10, 50), clNavy);
  EXPECT_EQ(sheet->Pixels(700 + 3 * 72 + 8 + 12, 390 + 22 + 12), clRed);

  TForm form(nullptr);
  form.SetCaption("Widget drawing");
  form.SetClientWidth(SheetWidth);
  form.SetClientHeight(SheetHeight);
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetBounds(0, 0, SheetWidth, SheetHeight);
  image->Picture().SetGraphic(sheet.get());
  const std::string file = test::SnapshotForm(form, "widget-drawing").File;
  if (!file.empty()) {
    TFileStream stream(file, TFileMode::fmOpenRead);
    const std::int64_t pixels = ((form.Width() * 3 + 3) & ~3) * std::int64_t{form.Height()};
    EXPECT_EQ(stream.Size(), 54 + pixels) << file;
  }
  form.Hide();
}

} // namespace
} // namespace marivo
