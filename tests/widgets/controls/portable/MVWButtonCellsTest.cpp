#include "widgets/controls/portable/MVWButtonCells.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

TMVWGlyphCellState Cell(int state, bool enabled = true) {
  TMVWGlyphCellState s;
  s.State = state;
  s.Enabled = enabled;
  return s;
}

TEST(ButtonCells, CheckBoxCellIndex) {
  struct Row {
    TMVWGlyphCellState State;
    int Index;
  };
  auto with = [](TMVWGlyphCellState s, auto change) {
    change(s);
    return s;
  };
  const Row rows[] = {
      {Cell(0), 0},
      {Cell(1), 2},
      {Cell(2, false), 5},
      {with(Cell(1), [](auto& s) { s.Pressed = true; }), 2},
      {with(Cell(1), [](auto& s) { s.Pressed = s.Themed = true; }), 8},
      {with(Cell(1), [](auto& s) { s.Pressed = s.Themed = s.Flat = true; }), 14},
      {with(Cell(1), [](auto& s) { s.Flat = true; }), 8},
      {with(Cell(1), [](auto& s) { s.Flat = s.MouseOver = true; }), 2},
      {with(Cell(1), [](auto& s) { s.Flat = s.Focused = true; }), 2},
      {with(Cell(1), [](auto& s) { s.Flat = s.Focused = s.Themed = true; }), 8},
      {with(Cell(2), [](auto& s) { s.FromImageList = true, s.GlyphNumber = 2; }), 2},
      {with(Cell(2), [](auto& s) { s.FromImageList = true, s.GlyphNumber = 0; }), 0},
      {with(Cell(2), [](auto& s) { s.FromImageList = true, s.GlyphNumber = 9; }), 4},
      {with(Cell(0), [](auto& s) { s.FromImageList = s.Pressed = true; }), 0},
      {with(Cell(0), [](auto& s) { s.FromImageList = s.Pressed = s.DownGlyph = true; }), 6},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CheckBoxCellIndex(row.State), row.Index) << "row " << (&row - rows);
}

TEST(ButtonCells, RadioCellIndex) {
  struct Row {
    TMVWGlyphCellState State;
    int Index;
  };
  TMVWGlyphCellState pressed = Cell(1);
  pressed.Pressed = pressed.Themed = true;
  TMVWGlyphCellState pressedFlat = pressed;
  pressedFlat.Flat = true;
  TMVWGlyphCellState flatAtRest = Cell(1);
  flatAtRest.Flat = true;
  const Row rows[] = {
      {Cell(0), 0}, {Cell(1), 2},      {Cell(0, false), 1}, {Cell(1, false), 3},
      {pressed, 6}, {pressedFlat, 10}, {flatAtRest, 6},
  };
  for (const Row& row : rows)
    EXPECT_EQ(RadioCellIndex(row.State), row.Index) << "row " << (&row - rows);
}

TEST(ButtonCells, CellWidths) {
  EXPECT_EQ(BuiltInCellWidth(78, CheckBoxCellsPerSet, false, false), 13);
  EXPECT_EQ(BuiltInCellWidth(156, CheckBoxCellsPerSet, false, true), 13);
  EXPECT_EQ(BuiltInCellWidth(234, CheckBoxCellsPerSet, true, true), 13);
  EXPECT_EQ(BuiltInCellWidth(52, RadioCellsPerSet, false, false), 13);
  EXPECT_EQ(BuiltInCellWidth(0, RadioCellsPerSet, true, false), 0);
  struct Row {
    int Strip, GlyphNumber;
    bool Flat, Down;
    int Width;
  };
  const Row rows[] = {{120, 3, false, false, 20}, {120, 3, true, false, 10},
                      {120, 3, false, true, 10},  {120, 3, true, true, 6},
                      {120, 2, false, false, 30}, {120, 0, false, false, 60}};
  for (const Row& row : rows)
    EXPECT_EQ(CheckBoxListCellWidth(row.Strip, row.GlyphNumber, row.Flat, row.Down), row.Width);
  EXPECT_EQ(RadioListCellWidth(80, false), 20);
  EXPECT_EQ(RadioListCellWidth(80, true), 10);
}

TEST(ButtonCells, ThemedStatesFollowTheSetsInOrder) {
  using States = std::vector<int>;
  EXPECT_EQ(ThemedGlyphStates(CheckBoxCellsPerSet, false),
            (States{1, 4, 5, 8, 9, 12, 3, 4, 7, 8, 11, 12}));
  EXPECT_EQ(ThemedGlyphStates(CheckBoxCellsPerSet, true),
            (States{2, 4, 6, 8, 10, 12, 1, 4, 5, 8, 9, 12, 3, 4, 7, 8, 11, 12}));
  EXPECT_EQ(ThemedGlyphStates(RadioCellsPerSet, false), (States{1, 4, 5, 8, 3, 4, 7, 8}));
  EXPECT_EQ(ThemedGlyphStates(RadioCellsPerSet, true),
            (States{2, 4, 6, 8, 1, 4, 5, 8, 3, 4, 7, 8}));
}

} // namespace
} // namespace marivo
