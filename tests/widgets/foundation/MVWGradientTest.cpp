#include "widgets/foundation/MVWGradient.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace marivo {
namespace {

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

} // namespace
} // namespace marivo
