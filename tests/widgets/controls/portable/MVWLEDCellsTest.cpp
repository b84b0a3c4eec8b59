#include "widgets/controls/portable/MVWLEDCells.h"

#include <gtest/gtest.h>

#include <string>

namespace marivo {
namespace {

using P = TMVWLEDPolygon;

TEST(LEDCells, DefaultCellAndAllSixteenSegments) {
  const TMVWLEDSize size;
  EXPECT_EQ(LEDCellWidth(size), 19);
  EXPECT_EQ(LEDCellHeight(size), 28);
  const TMVWLEDSegments expected = {{
      P{{{4, 3}, {5, 2}, {14, 2}, {15, 3}, {14, 4}, {5, 4}}},
      P{{{3, 4}, {4, 5}, {4, 12}, {3, 13}, {2, 12}, {2, 5}}},
      P{{{16, 4}, {17, 5}, {17, 12}, {16, 13}, {15, 12}, {15, 5}}},
      P{{{4, 14}, {5, 13}, {14, 13}, {15, 14}, {14, 15}, {5, 15}}},
      P{{{3, 15}, {4, 16}, {4, 23}, {3, 24}, {2, 23}, {2, 16}}},
      P{{{16, 15}, {17, 16}, {17, 23}, {16, 24}, {15, 23}, {15, 16}}},
      P{{{4, 25}, {5, 24}, {14, 24}, {15, 25}, {14, 26}, {5, 26}}},
      P{{{9, 4}, {10, 5}, {10, 12}, {9, 13}, {8, 12}, {8, 5}}},
      P{{{9, 15}, {10, 16}, {10, 23}, {9, 24}, {8, 23}, {8, 16}}},
      P{{{7, 11}, {6, 11}, {5, 7}, {5, 6}, {6, 6}, {7, 10}}},
      P{{{11, 11}, {12, 11}, {13, 7}, {13, 6}, {12, 6}, {11, 10}}},
      P{{{7, 17}, {6, 17}, {5, 21}, {5, 22}, {6, 22}, {7, 18}}},
      P{{{11, 17}, {12, 17}, {13, 21}, {13, 22}, {12, 22}, {11, 18}}},
      P{{{9, 12}, {9, 14}, {7, 14}, {7, 12}, {7, 12}, {7, 12}}},
      P{{{9, 1}, {9, 3}, {7, 3}, {7, 1}, {7, 1}, {7, 1}}},
      P{{{9, 23}, {9, 25}, {7, 25}, {7, 23}, {7, 23}, {7, 23}}},
  }};
  const TMVWLEDSegments segments = LEDSegments(size);
  for (int i = 0; i < LEDSegmentCount; ++i)
    EXPECT_EQ(segments[i], expected[i]) << "segment " << i;
}

// Halves go to even: 0.5 -> 0, 1.5 -> 2, 4.5 -> 4.
TEST(LEDCells, OtherSizesRoundHalvesToEven) {
  struct Row {
    TMVWLEDSize Size;
    int Segment;
    P Expected;
  };
  const Row rows[] = {
      {{3, 3, 1}, 0, P{{{2, 1}, {2, 1}, {5, 1}, {5, 1}, {5, 1}, {2, 1}}}},
      {{3, 3, 1}, 9, P{{{3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 5}}}},
      {{5, 3, 1}, 9, P{{{4, 5}, {4, 5}, {3, 3}, {3, 3}, {3, 3}, {4, 5}}}},
      {{5, 3, 1}, 10, P{{{6, 5}, {6, 5}, {7, 3}, {7, 3}, {7, 3}, {6, 5}}}},
      {{9, 7, 3}, 9, P{{{9, 13}, {7, 13}, {8, 11}, {8, 9}, {10, 9}, {9, 11}}}},
      {{9, 7, 3}, 10, P{{{14, 13}, {16, 13}, {15, 11}, {15, 9}, {13, 9}, {14, 11}}}},
      {{9, 7, 3}, 13, P{{{12, 15}, {12, 18}, {9, 18}, {9, 15}, {9, 15}, {9, 15}}}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(LEDSegments(row.Size)[row.Segment], row.Expected)
        << row.Size.Horz << "x" << row.Size.Vert << "x" << row.Size.Thickness << " segment "
        << row.Segment;
  EXPECT_EQ(LEDCellWidth({9, 7, 3}), 24);
  EXPECT_EQ(LEDCellHeight({9, 7, 3}), 35);
  EXPECT_EQ(LEDCellWidth({3, 3, 1}), 8);
  EXPECT_EQ(LEDCellHeight({3, 3, 1}), 13);
}

TEST(LEDCells, SmallCellsLightTheirBarsOnly) {
  struct Row {
    TMVWLEDSize Size;
    std::uint16_t Mask;
    std::uint16_t Lit;
  };
  const Row rows[] = {
      {{9, 7, 2}, 0x1E00, 0x1E00}, {{3, 7, 2}, 0x1E00, 0},      {{9, 3, 2}, 0x1E00, 0},
      {{3, 3, 1}, 0x007F, 0x007F}, {{3, 3, 1}, 0x01ED, 0x006D}, {{4, 4, 1}, 0xA000, 0xA000},
  };
  for (const Row& row : rows)
    EXPECT_EQ(LEDLitSegments(row.Mask, row.Size), row.Lit) << std::hex << row.Mask;
}

TEST(LEDCells, CharacterMasks) {
  struct Row {
    char Char;
    std::uint16_t Mask;
  };
  const Row rows[] = {
      {'8', 0x007F}, {'A', 0x003F},  {'a', 0x003F}, {'s', 0x006B}, {'S', 0x006B}, {'G', 0x007B},
      {'6', 0x007B}, {'<', 0x1400},  {'(', 0x1400}, {'i', 0x0180}, {'1', 0x0180}, {'[', 0x0053},
      {'c', 0x0053}, {'\\', 0x1200}, {'z', 0x0C41}, {'.', 0x8000}, {':', 0xA000}, {'{', 0},
      {'#', 0},      {'`', 0},       {' ', 0},      {'\r', 0},     {'\n', 0},     {'\0', 0},
      {'\xC9', 0},   {'\xFF', 0},    {'-', 0x0008},
  };
  for (const Row& row : rows)
    EXPECT_EQ(LEDCharMask(row.Char), row.Mask) << static_cast<int>(row.Char);
}

TEST(LEDCells, LinesAndColumns) {
  struct Row {
    std::string Text;
    int Cells;
    int Lines;
    int Widest;
  };
  const Row rows[] = {
      {"", 0, 1, 1},   {"ORDER ", 6, 1, 6},   {"12\r345", 5, 2, 3},   {"A\nB", 2, 1, 2},
      {"\r", 0, 2, 1}, {"a\tb\x01", 2, 1, 2}, {"\xC9t\xE9", 3, 1, 3}, {"1\r\r22", 3, 3, 2},
  };
  for (const Row& row : rows) {
    const TMVWLEDLayout layout = LayoutLEDText(row.Text);
    EXPECT_EQ(static_cast<int>(layout.Cells.size()), row.Cells) << row.Text;
    EXPECT_EQ(layout.Lines, row.Lines) << row.Text;
    EXPECT_EQ(layout.Widest, row.Widest) << row.Text;
  }
  const TMVWLEDLayout two = LayoutLEDText("8A\r-");
  ASSERT_EQ(two.Cells.size(), 3u);
  EXPECT_EQ(two.Cells[1].Column, 1);
  EXPECT_EQ(two.Cells[1].Mask, 0x003F);
  EXPECT_EQ(two.Cells[2].Column, 0);
  EXPECT_EQ(two.Cells[2].Line, 1);
  EXPECT_EQ(two.Cells[2].Mask, 0x0008);
}

TEST(LEDCells, TextExtent) {
  struct Row {
    std::string Text;
    TMVWLEDSize Size;
    int Bevel;
    int Width;
    int Height;
  };
  const Row rows[] = {
      {"ORDER 1", {}, 0, 134, 28}, {"ORDER 1", {}, 2, 138, 32},  {"12\r3", {}, 1, 41, 58},
      {"", {}, 0, 20, 28},         {"88", {3, 3, 1}, 0, 17, 13},
  };
  for (const Row& row : rows) {
    const TMVWLEDExtent extent = LEDTextExtent(row.Text, row.Size, row.Bevel);
    EXPECT_EQ(extent.Width, row.Width) << row.Text;
    EXPECT_EQ(extent.Height, row.Height) << row.Text;
  }
}

TEST(LEDCells, ShownTextPadsNumbersAndRefusesNoDigits) {
  struct Row {
    std::int32_t Value;
    std::uint8_t Digits;
    std::string Text;
  };
  const Row rows[] = {
      {7, 3, "007"}, {1234, 3, "---"}, {-5, 3, "0-5"}, {-12, 3, "-12"}, {-123, 3, "---"},
      {0, 3, "000"}, {5, 2, "05"},     {99, 2, "99"},  {100, 2, "--"},  {5, 1, "5"},
  };
  for (const Row& row : rows) {
    TMVWLEDValue value;
    value.SetStyle(lsInteger);
    value.SetDigits(row.Digits);
    value.SetValue(row.Value);
    EXPECT_EQ(value.Text("caption"), row.Text) << row.Value;
  }
  TMVWLEDValue value;
  EXPECT_EQ(value.Text("ORDER"), "ORDER");
  EXPECT_FALSE(value.SetDigits(0));
  EXPECT_EQ(value.Digits(), 2);
  EXPECT_FALSE(value.SetDigits(2));
  EXPECT_TRUE(value.SetDigits(4));
  EXPECT_FALSE(value.SetValue(0));
}

} // namespace
} // namespace marivo
