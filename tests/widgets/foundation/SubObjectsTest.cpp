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

} // namespace
} // namespace marivo
