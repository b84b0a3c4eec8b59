#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"
#include "widgets/foundation/MVWGradient.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace marivo {
namespace {

// Counts the owner notifications of a sub-object.
template <class T> struct TCounted {
  TCounted() {
    Object.OnChange = [this](TObject*) { ++Changes; };
  }
  // The changes one action fires.
  int Count(const std::function<void(T&)>& action) {
    Changes = 0;
    action(Object);
    return Changes;
  }
  T Object;
  int Changes = 0;
};

TEST(MVWSubObjects, OneChangePerEffectiveSetNoneWhenEqualOrLocked) {
  TCounted<TMVWButtonLayout> layout;
  const std::vector<std::function<void(TMVWButtonLayout&)>> layoutSets = {
      [](auto& o) { o.SetAlignment(agTopLeft); },
      [](auto& o) { o.SetAlignText2Glyph(taTop); },
      [](auto& o) { o.SetOffsetX(3); },
      [](auto& o) { o.SetOffsetY(-2); },
      [](auto& o) { o.SetSpacing(5); },
      [](auto& o) { o.SetArrow(true); },
      [](auto& o) { o.SetArrowColor(clRed); },
      [](auto& o) { o.SetArrowIndent(1); },
      [](auto& o) { o.SetArrowPosition(apLeftGlyph); },
      [](auto& o) { o.SetArrowSize(7); }};
  for (const auto& set : layoutSets) {
    EXPECT_EQ(layout.Count(set), 1);
    EXPECT_EQ(layout.Count(set), 0); // equal
  }
  TCounted<TMVWFxCaption> caption;
  const std::vector<std::function<void(TMVWFxCaption&)>> captionSets = {
      [](auto& o) { o.SetDisabledStyle(ds3d); },
      [](auto& o) { o.SetLightDepth(3); },
      [](auto& o) { o.SetShadowDepth(4); },
      [](auto& o) { o.SetLightColor(clYellow); },
      [](auto& o) { o.SetShadowColor(clNavy); },
      [](auto& o) { o.SetOrientation(toBottomRight); },
      [](auto& o) { o.SetStyle(tdExtrude); },
      [](auto& o) { o.SetTracing(2); },
      [](auto& o) { o.SetAngle(45); },
      [](auto& o) { o.SetPosX(9); },
      [](auto& o) { o.SetPosY(8); }};
  for (const auto& set : captionSets) {
    EXPECT_EQ(caption.Count(set), 1);
    EXPECT_EQ(caption.Count(set), 0);
  }
  EXPECT_EQ(caption.Count([](auto& o) { o.SetPos(100, 200); }), 0); // recorded silently
  EXPECT_EQ(caption.Object.PosX(), 100);
  EXPECT_EQ(caption.Object.PosY(), 200);
  EXPECT_EQ(caption.Count([](auto& o) {
    o.BeginUpdate();
    o.SetStyle(tdSunken);
    o.SetTracing(0);
  }),
            0);
  EXPECT_EQ(caption.Count([](auto& o) { o.EndUpdate(true); }), 1);

  TCounted<TMVWGradient> gradient;
  EXPECT_EQ(gradient.Count([](auto& o) { o.SetColor(clRed); }), 1);
  EXPECT_EQ(gradient.Count([](auto& o) { o.SetColorCount(16); }), 0);
  EXPECT_EQ(gradient.Count([](auto& o) { o.SetStyle(gstElliptic); }), 1);
  EXPECT_EQ(gradient.Count([](auto& o) { o.SetTwoColors(false); }), 1);

  TCounted<TMVWBevel> bevel;
  EXPECT_EQ(bevel.Count([](auto& o) { o.SetStandardStyle(lsRaised); }), 0); // not standard mode
  EXPECT_EQ(bevel.Object.StandardStyle(), lsRaised);
  EXPECT_EQ(bevel.Count([](auto& o) { o.SetMode(bmStandard); }), 1);
  EXPECT_EQ(bevel.Count([](auto& o) { o.SetStandardStyle(lsSingle); }), 1);
  EXPECT_EQ(bevel.Count([](auto& o) { o.SetBorderColor(clRed); }), 1);
  EXPECT_EQ(bevel.Count([](auto& o) { o.SetColor(0, clRed); }), 0);
}

TEST(MVWSubObjects, AngleIsKeptBelow360) {
  TCounted<TMVWFxCaption> caption;
  EXPECT_EQ(caption.Count([](auto& o) { o.SetAngle(360); }), 1); // compared before reduced
  EXPECT_EQ(caption.Object.Angle(), 0);
  EXPECT_EQ(caption.Count([](auto& o) { o.SetAngle(0); }), 0);
  EXPECT_EQ(caption.Count([](auto& o) { o.SetAngle(370); }), 1);
  EXPECT_EQ(caption.Object.Angle(), 10);
}

TEST(MVWSubObjects, AssignCopiesEverythingWithOneChange) {
  TMVWButtonLayout source;
  source.SetAlignment(agBottomRight);
  source.SetSpacing(9);
  source.SetArrow(true);
  source.SetArrowSize(5);
  source.SetArrowPosition(apLeftText);
  TCounted<TMVWButtonLayout> target;
  EXPECT_EQ(target.Count([&](auto& o) { o.Assign(source); }), 1);
  EXPECT_EQ(target.Object.Alignment(), agBottomRight);
  EXPECT_EQ(target.Object.Spacing(), 9);
  EXPECT_TRUE(target.Object.Arrow());
  EXPECT_EQ(target.Object.ArrowSize(), 5);
  EXPECT_EQ(target.Object.ArrowPosition(), apLeftText);
  TCounted<TMVWGlyphTextLayout> plain;
  EXPECT_EQ(plain.Count([&](auto& o) { o.Assign(source); }), 1);
  EXPECT_EQ(plain.Object.Alignment(), agBottomRight);

  TMVWFxCaption fx;
  fx.SetStyle(tdRaised);
  fx.SetOrientation(toBottomLeft);
  fx.SetAngle(30);
  fx.SetPos(4, 5);
  fx.SetLightDepth(2);
  TCounted<TMVWFxCaption> copy;
  EXPECT_EQ(copy.Count([&](auto& o) { o.Assign(fx); }), 1);
  EXPECT_EQ(copy.Object.Orientation(), toBottomLeft);
  EXPECT_EQ(copy.Object.Angle(), 30);
  EXPECT_EQ(copy.Object.PosY(), 5);
  EXPECT_EQ(copy.Object.LightDepth(), 2);
  TCounted<TMVW3DCaption> flat;
  EXPECT_EQ(flat.Count([&](auto& o) { o.Assign(fx); }), 1);
  EXPECT_EQ(flat.Object.Style(), tdRaised);
  EXPECT_EQ(flat.Object.Orientation(), toBottomLeft);

  TMVWGradient gradient;
  gradient.SetStyle(gstSquare);
  gradient.SetTwoColors(false);
  gradient.Colors() = {0x0000FF, 0x00FF00};
  gradient.Change();
  TCounted<TMVWGradient> gradientCopy;
  EXPECT_EQ(gradientCopy.Count([&](auto& o) { o.Assign(gradient); }), 1);
  EXPECT_EQ(gradientCopy.Object.StepColors(), gradient.StepColors());

  TMVWBevel bevel;
  bevel.SetMode(bmEdge);
  bevel.SetBorderSides(1 << fsTop);
  bevel.SetOwnerDrawsWindowsBorder(true);
  TCounted<TMVWBevel> bevelCopy;
  EXPECT_EQ(bevelCopy.Count([&](auto& o) { o.Assign(bevel); }), 1);
  EXPECT_EQ(bevelCopy.Object.BorderSides(), 1 << fsTop);
  EXPECT_TRUE(bevelCopy.Object.OwnerDrawsWindowsBorder());
  EXPECT_EQ(bevelCopy.Object.Extent(), 2);
  EXPECT_THROW(bevelCopy.Object.Assign(gradient), EConvertError);
}

TEST(MVWSubObjects, DescribeSettingsTexts) {
  const std::pair<TMVWThreeDStyle, std::string> words[] = {{tdNone, "{Disabled}"},
                                                           {tdSunken, "{sunken}"},
                                                           {tdRaised, "{raised}"},
                                                           {tdSunkenShadow, "{sunken shadow}"},
                                                           {tdRaisedShadow, "{raised shadow}"},
                                                           {tdPColorSunken, "{PColor sunken}"},
                                                           {tdPColorRaised, "{PColor raised}"},
                                                           {tdShadow, "{shadow}"},
                                                           {tdOutline, "{outline}"},
                                                           {tdExtrude, "{extrude}"},
                                                           {tdExtrudeEnh, "{extrude enh}"}};
  TMVWFxCaption caption;
  for (const auto& [style, text] : words) {
    caption.SetStyle(style);
    EXPECT_EQ(caption.DescribeSettings(), text);
  }
  caption.SetStyle(tdRaised);
  caption.SetAngle(45);
  EXPECT_EQ(caption.DescribeSettings(), "{raised, rot: 45\xB0}");
  caption.SetStyle(tdNone);
  caption.SetAngle(90);
  EXPECT_EQ(caption.DescribeSettings(), "{ rot: 90\xB0}");
  EXPECT_EQ(TMVWGlyphTextLayout().DescribeSettings(), "");

  TMVWGradient gradient;
  EXPECT_EQ(gradient.DescribeSettings(), "vertical, Col: 16, 2 col mode");
  gradient.SetStyle(gstTopRightDiagonal);
  gradient.SetTwoColors(false);
  gradient.SetColorCount(64);
  EXPECT_EQ(gradient.DescribeSettings(), "top right diag, Col: 64, mult. col mode");

  TMVWBevel bevel;
  const std::string modes[] = {"{Custom style}", "{Standard style}", "{Edged style}",
                               "{Windows style}"};
  for (int mode = 0; mode < 4; ++mode) {
    bevel.SetMode(static_cast<TMVWBevelMode>(mode));
    EXPECT_EQ(bevel.DescribeSettings(), modes[mode]);
  }
}

TEST(MVWGradientSteps, TwoAndManyColourModes) {
  TMVWGradient gradient;
  ASSERT_EQ(gradient.StepColors().size(), 16u);
  EXPECT_EQ(gradient.StepColors().front(), 0xFF0000u);
  EXPECT_EQ(gradient.StepColors().back(), 0u);
  for (std::size_t k = 0; k < 16; ++k)
    EXPECT_EQ(gradient.StepColors()[k], static_cast<std::uint32_t>(255 + MulDiv(int(k), -255, 15))
                                            << 16);
  gradient.SetColorCount(2);
  EXPECT_EQ(gradient.StepColors(), (TMVWColorList{0xFF0000, 0}));
  gradient.SetColorCount(1); // kept within 2..236
  EXPECT_EQ(gradient.ColorCount(), 2);
  gradient.SetColorCount(250);
  EXPECT_EQ(gradient.ColorCount(), 236);

  gradient.SetColorCount(16);
  gradient.SetTwoColors(false);
  EXPECT_TRUE(gradient.StepColors().empty());
  gradient.Colors() = {0x0000FF};
  gradient.Change();
  EXPECT_TRUE(gradient.StepColors().empty());
  gradient.Colors() = {0x0000FF, 0x00FF00, 0xFF0000};
  gradient.Change();
  ASSERT_EQ(gradient.StepColors().size(), 9u);
  EXPECT_EQ(gradient.StepColors()[0], 0x0000FFu);
  EXPECT_EQ(gradient.StepColors()[4], 0x00FF00u);
  EXPECT_EQ(gradient.StepColors()[8], 0xFF0000u);
  EXPECT_EQ(gradient.StepColors()[2], 0x00807Fu); // MulDiv halves away from zero

  // Segments of one step: the first adds its start, later ones nothing.
  gradient.SetColorCount(4);
  gradient.Colors() = {0x000001, 0x000002, 0x000003};
  gradient.Change();
  EXPECT_EQ(gradient.StepColors(), (TMVWColorList{0x000001}));

  TMVWColorList list{7};
  AppendColorSteps(clBlack, clWhite, 0, true, &list);
  EXPECT_EQ(list, TMVWColorList{7});
  AppendColorSteps(clBtnFace, clBtnFace, 2, true, &list);
  EXPECT_EQ(list, (TMVWColorList{ColorToRGB(clBtnFace), ColorToRGB(clBtnFace)}));
  AppendColorSteps(clBlack, clWhite, 3, false, &list);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[2], 0x808080u);
  EXPECT_EQ(list[3], 0xFFFFFFu);

  gradient.SetPaletteRealize(true);
  EXPECT_NE(gradient.GetPalette(), nullptr);
  PALETTEENTRY entry{};
  GetPaletteEntries(gradient.GetPalette(), 0, 1, &entry);
  EXPECT_EQ(entry.peRed, 1);
  EXPECT_EQ(entry.peFlags, PC_NOCOLLAPSE);
  gradient.SetPaletteRealize(false);
  EXPECT_EQ(gradient.GetPalette(), nullptr);
  EXPECT_EQ(CreateStepPalette(nullptr), nullptr);
}

TEST(MVWBevelGeometry, ExtentsAndClientRects) {
  struct TCase {
    std::function<void(TMVWBevel&)> Set;
    int Extent;
    int RightBottom;
    RECT Client;
  };
  const TCase cases[] = {
      {[](TMVWBevel&) {}, 0, 0, {0, 0, 100, 50}},
      {[](TMVWBevel& b) {
         b.SetStyleOuter(bvFrameRaised);
         b.SetWidthOuter(2);
       },
       3,
       3,
       {3, 3, 97, 47}},
      {[](TMVWBevel& b) {
         b.SetStyleOuter(bvRaised);
         b.SetStyleInner(bvFrameLowered);
         b.SetBorderWidth(2);
         b.SetBorderInnerWidth(1);
       },
       1 + 2 + 1 + 1 + 1,
       6,
       {6, 6, 94, 44}},
      {[](TMVWBevel& b) {
         b.SetStyleOuter(bvShadow);
         b.SetWidthOuter(3);
       },
       1,
       4,
       {1, 1, 96, 46}},
      {[](TMVWBevel& b) {
         b.SetMode(bmStandard);
         b.SetStandardStyle(lsLowered);
         b.SetBorderInnerWidth(3);
       },
       5,
       5,
       {5, 5, 95, 45}},
      {[](TMVWBevel& b) {
         b.SetMode(bmEdge);
         b.SetBorderSides(0);
         b.SetBorderInnerWidth(4);
       },
       4,
       4,
       {4, 4, 96, 46}},
      {[](TMVWBevel& b) {
         b.SetMode(bmWindows);
         b.SetBorderInnerWidth(1);
       },
       3,
       3,
       {3, 3, 97, 47}},
  };
  for (const TCase& c : cases) {
    TMVWBevel bevel;
    c.Set(bevel);
    EXPECT_EQ(bevel.Extent(), c.Extent);
    EXPECT_EQ(bevel.ExtentRightBottom(), c.RightBottom);
    const RECT client = bevel.ClientRect({0, 0, 100, 50});
    EXPECT_TRUE(EqualRect(&client, &c.Client))
        << client.left << "," << client.top << "," << client.right << "," << client.bottom;
  }
  // The shadow style couples both stages.
  TMVWBevel bevel;
  bevel.SetStyleOuter(bvShadow);
  EXPECT_EQ(bevel.StyleInner(), bvShadow);
  bevel.SetStyleOuter(bvRaised);
  EXPECT_EQ(bevel.StyleInner(), bvNone);
  bevel.SetStyleInner(bvShadow);
  EXPECT_EQ(bevel.StyleOuter(), bvShadow);
  bevel.SetStyleInner(bvLowered);
  EXPECT_EQ(bevel.StyleOuter(), bvNone);

  // A window border drawn by the owner costs no inset and asks for a frame once per switch.
  TMVWBevel owned;
  owned.SetOwnerDrawsWindowsBorder(true);
  owned.SetBorderInnerWidth(5);
  owned.SetMode(bmWindows);
  EXPECT_EQ(owned.Extent(), 0);
  EXPECT_TRUE(owned.NeedsFullRepaint());
  owned.SetMode(bmCustom);
  EXPECT_TRUE(owned.NeedsFullRepaint());
  EXPECT_FALSE(owned.NeedsFullRepaint());
  TMVWScrollBoxBevel box;
  EXPECT_EQ(box.Mode(), bmWindows);
  EXPECT_EQ(box.Extent(), 0);
  EXPECT_TRUE(box.OwnerDrawsWindowsBorder());
}

} // namespace
} // namespace marivo
