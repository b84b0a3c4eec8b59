#include "widgets/controls/portable/MVWLabelFlags.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

constexpr std::uint8_t TopLeft = 0, TopCenter = 1, TopRight = 2, CenterLeft = 3, Center = 4,
                       CenterRight = 5, BottomCenter = 7, BottomRight = 8;
constexpr TMVWLabelOptions EndEllipsis = 1u << loEndEllipsis;
constexpr TMVWLabelOptions AllOptions = 0x7;

struct Row {
  TMVWLabelTextLook Look;
  std::uint32_t Flags;
  bool PlaceByCaption;
};

void Check(TMVWLabelTextFlags (*flags)(const TMVWLabelTextLook&), const Row& row, int line) {
  EXPECT_EQ(flags(row.Look), (TMVWLabelTextFlags{row.Flags, row.PlaceByCaption}))
      << "row at line " << line;
}

TEST(LabelFlags, AlignmentsAndOptions) {
  EXPECT_EQ(AlignmentDrawFlags, (std::array<std::uint32_t, 9>{0, 1, 2, 4, 5, 6, 8, 9, 10}));
  EXPECT_EQ(LabelOptionFlags(0), 0u);
  EXPECT_EQ(LabelOptionFlags(1u << loPathEllipsis), 0x4000u);
  EXPECT_EQ(LabelOptionFlags(EndEllipsis), 0x8000u);
  EXPECT_EQ(LabelOptionFlags(1u << loEditControl), 0x2000u);
  EXPECT_EQ(LabelOptionFlags(AllOptions), 0xE000u);
}

TEST(LabelFlags, SimpleLabel) {
  const Row rows[] = {
      {{TopLeft, false, true}, 0x70, false},
      {{Center, false, true}, 0x75, false},
      {{BottomRight, true, true}, 0x5A, true},
      {{TopCenter, true, true}, 0x51, false},
      {{CenterLeft, true, false, EndEllipsis}, 0x8854, true},
      {{TopRight, false, true, AllOptions, true, 0, 0x20000}, 0x2E072, false},
  };
  for (const Row& row : rows)
    Check(SimpleLabelTextFlags, row, __LINE__);
}

TEST(LabelFlags, BevelLabel) {
  const Row rows[] = {
      {{Center, false, true, 0, true}, 0x55, false},
      {{TopLeft, true, true, 0, false, 90}, 0x70, false},
      {{CenterRight, true, true, 0, false, 90}, 0x76, true},
      {{BottomCenter, false, true, 0, false}, 0x79, false},
      {{BottomCenter, true, true, 0, false}, 0x59, true},
      {{TopCenter, true, false, 0, false}, 0x851, false},
  };
  for (const Row& row : rows)
    Check(BevelLabelTextFlags, row, __LINE__);
}

TEST(LabelFlags, StaticText) {
  const Row rows[] = {
      {{Center, false, true}, 0x65, false},
      {{TopRight, true, false, 0, true, 90}, 0x842, true},
      {{TopLeft, true, true, 0, true, 90}, 0x40, false},
      {{BottomCenter, true, true, 1u << loPathEllipsis}, 0x4049, false},
  };
  for (const Row& row : rows)
    Check(StaticTextFlags, row, __LINE__);
}

} // namespace
} // namespace marivo
