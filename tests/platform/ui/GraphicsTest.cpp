#include "platform/ui/Graphics.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace marivo {
namespace {

TEST(Colors, SystemColoursCarryTheirIndexInTheLowByte) {
  EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0x8000000Fu);
  EXPECT_EQ(static_cast<std::uint32_t>(clWindowText), 0x80000008u);
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x80000012)), GetSysColor(COLOR_BTNTEXT));
  const auto& idents = ColorIdents();
  const auto found = std::find_if(idents.begin(), idents.end(),
                                  [](const auto& ident) { return ident.first == "clBtnFace"; });
  ASSERT_NE(found, idents.end());
  EXPECT_EQ(found->second, clBtnFace);
}

} // namespace
} // namespace marivo
