#include "widgets/controls/portable/MVWGroupLayout.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

TEST(GroupLayout, CaptionBandAndFrameBySide) {
  struct Row {
    TMVWGroupCaptionAlign Align;
    int CaptionHeight;
    TMVWRect Band;
    TMVWRect Frame;
  };
  const Row rows[] = {
      {gcaTopLeft, 16, {8, 0, 185, 16}, {0, 8, 185, 105}},
      {gcaTopCenter, 16, {0, 0, 185, 16}, {0, 8, 185, 105}},
      {gcaTopRight, 16, {0, 0, 177, 16}, {0, 8, 185, 105}},
      {gcaLeftBottom, 16, {0, 0, 16, 97}, {8, 0, 185, 105}},
      {gcaLeftCenter, 15, {0, 0, 15, 105}, {7, 0, 185, 105}},
      {gcaLeftTop, 16, {0, 8, 16, 105}, {8, 0, 185, 105}},
      {gcaBottomLeft, 16, {8, 89, 185, 105}, {0, 0, 185, 97}},
      {gcaBottomCenter, 16, {0, 89, 185, 105}, {0, 0, 185, 97}},
      {gcaBottomRight, 16, {0, 89, 177, 105}, {0, 0, 185, 97}},
      {gcaRightTop, 16, {169, 10, 185, 105}, {0, 0, 177, 105}},
      {gcaRightCenter, 16, {169, 2, 185, 105}, {0, 0, 177, 105}},
      {gcaRightBottom, 16, {169, 2, 185, 97}, {0, 0, 177, 105}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(GroupFrame(row.Align, 8, row.CaptionHeight, 185, 105),
              (TMVWGroupFrame{row.Band, row.Frame}))
        << "position " << int(row.Align);
}

TEST(GroupLayout, CaptionTextAndBackground) {
  struct Row {
    TMVWGroupCaptionAlign Align;
    std::uint32_t Flags;
    int Angle;
    TMVWRect Background;
  };
  const TMVWRect caption{10, 20, 50, 36};
  const Row rows[] = {
      {gcaTopLeft, 0x60, 0, {8, 20, 50, 36}},        {gcaTopCenter, 0x61, 0, {8, 20, 50, 36}},
      {gcaTopRight, 0x62, 0, {8, 20, 50, 36}},       {gcaLeftBottom, 0x68, 90, {10, 20, 50, 38}},
      {gcaLeftCenter, 0x64, 90, {10, 20, 50, 38}},   {gcaLeftTop, 0x60, 90, {10, 20, 50, 38}},
      {gcaBottomLeft, 0x68, 0, {8, 20, 50, 36}},     {gcaBottomCenter, 0x69, 0, {8, 20, 50, 36}},
      {gcaBottomRight, 0x6A, 0, {8, 20, 50, 36}},    {gcaRightTop, 0x62, 270, {10, 18, 50, 36}},
      {gcaRightCenter, 0x66, 270, {10, 18, 50, 36}}, {gcaRightBottom, 0x6A, 270, {10, 18, 50, 36}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(GroupCaptionTextFlags(row.Align, true), row.Flags) << int(row.Align);
    EXPECT_EQ(GroupCaptionTextFlags(row.Align, false), row.Flags | 0x800) << int(row.Align);
    EXPECT_EQ(GroupCaptionPlaces[row.Align].Angle, row.Angle) << int(row.Align);
    EXPECT_EQ(CaptionBackground(row.Align, caption), row.Background) << int(row.Align);
  }
}

TEST(GroupLayout, ArrangeFillsColumnByColumn) {
  struct Row {
    TMVWButtonGroupGeometry Geometry;
    int Button;
    TMVWRect Bounds;
  };
  const TMVWButtonGroupGeometry roles{20, 4, -1, 4, 400, 200, 2, 16, gcaTopLeft};
  const TMVWButtonGroupGeometry seven{7, 3, -1, 4, 300, 100, 0, 0, gcaTopLeft};
  const TMVWButtonGroupGeometry left{2, 1, -1, 4, 200, 100, 2, 20, gcaLeftCenter};
  const TMVWButtonGroupGeometry right{2, 1, -1, 4, 200, 100, 2, 20, gcaRightTop};
  const TMVWButtonGroupGeometry bottom{2, 1, -1, 4, 200, 100, 2, 20, gcaBottomCenter};
  const TMVWButtonGroupGeometry fixed{3, 1, 20, 4, 100, 100, 0, 0, gcaTopLeft};
  const TMVWButtonGroupGeometry noColumns{2, 0, -1, 4, 100, 100, 0, 0, gcaTopLeft};
  const TMVWButtonGroupGeometry bevelOverCaption{1, 1, -1, 0, 100, 100, 10, 6, gcaTopLeft};
  const Row rows[] = {
      {roles, 0, {7, 18, 103, 53}},
      {roles, 4, {7, 158, 103, 193}},
      {roles, 5, {103, 18, 199, 53}},
      {roles, 19, {295, 158, 391, 193}},
      {seven, 6, {199, 3, 296, 35}},
      {seven, 2, {5, 67, 102, 99}},
      {left, 0, {25, 4, 196, 50}},
      {left, 1, {25, 50, 196, 96}},
      {right, 0, {7, 4, 178, 50}},
      {bottom, 1, {7, 41, 196, 78}},
      {fixed, 2, {5, 43, 98, 63}},
      {noColumns, 1, {5, 50, 98, 98}},
      {bevelOverCaption, 0, {11, 12, 88, 88}},
  };
  for (const Row& row : rows) {
    const std::vector<TMVWRect> bounds = ArrangeButtons(row.Geometry);
    ASSERT_EQ(static_cast<int>(bounds.size()), row.Geometry.Count);
    EXPECT_EQ(bounds[static_cast<std::size_t>(row.Button)], row.Bounds) << "row " << (&row - rows);
  }
  EXPECT_TRUE(ArrangeButtons({0, 4, -1, 4, 400, 200, 2, 16, gcaTopLeft}).empty());
}

TEST(GroupLayout, ClampsAndAutoHeight) {
  const std::pair<int, int> columns[] = {{0, 1}, {-3, 1}, {1, 1}, {12, 12}, {20, 12}};
  for (const auto& [value, clamped] : columns)
    EXPECT_EQ(ClampColumns(value), clamped) << value;
  const int indexes[][3] = {{25, 20, 19}, {-5, 20, -1}, {3, 20, 3}, {0, 0, -1}, {-1, 0, -1}};
  for (const auto& row : indexes)
    EXPECT_EQ(ClampRadioIndex(row[0], row[1]), row[2]) << row[0];
  EXPECT_EQ(ButtonGroupAutoHeight(3, 20, 2, 16), 81);
  EXPECT_EQ(ButtonGroupAutoHeight(3, 20, 2, 0), 67);
}

TEST(GroupLayout, CheckGroupBitSet) {
  EXPECT_EQ(CheckedBits({true, false, true}), 5);
  EXPECT_EQ(CheckedBits(std::vector<bool>(31, true)), 0x7FFFFFFF);
  EXPECT_EQ(CheckedBits({}), 0);
  struct Row {
    std::int32_t Bits;
    int Count;
    std::vector<bool> Checked;
  };
  const Row rows[] = {
      {5, 3, {true, false, true}},
      {0xFF, 3, {true, true, true}},
      {-1, 3, {false, false, false}},
      {8, 3, {false, false, false}},
      {5, 0, {}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CheckedFromBits(row.Bits, row.Count), row.Checked) << row.Bits;
  std::vector<bool> last(31, false);
  last[30] = true;
  EXPECT_EQ(CheckedFromBits(1 << 30, 31), last);
}

} // namespace
} // namespace marivo
