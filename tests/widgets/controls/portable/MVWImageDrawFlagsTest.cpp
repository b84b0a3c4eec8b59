#include "widgets/controls/portable/MVWImageDrawFlags.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

TEST(ImageDrawFlags, ByStyleTransparencyAndBevel) {
  struct Row {
    TMVWBitmapStyle Style;
    bool ForceTransparent;
    int Bevel;
    std::uint16_t Flags;
  };
  const Row rows[] = {
      {sbNone, false, 2, 0x0001},        {sbAutosize, false, 2, 0x0001},
      {sbCenter, false, 2, 0x0009},      {sbStretch, false, 2, 0x0010},
      {sbTile, false, 2, 0x0021},        {sbKeepAspRatio, false, 2, 0x0610},
      {sbKeepWidth, false, 2, 0x0211},   {sbKeepHeight, false, 2, 0x0411},
      {sbCenter, true, 2, 0x0049},       {sbCenter, true, 0, 0x0048},
      {sbStretch, false, 0, 0x0011},     {sbNone, false, 0, 0x0000},
      {sbKeepAspRatio, true, 0, 0x0651},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ImageDrawFlags(row.Style, row.ForceTransparent, row.Bevel), row.Flags)
        << "style " << int(row.Style);
}

} // namespace
} // namespace marivo
