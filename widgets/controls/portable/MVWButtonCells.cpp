#include "widgets/controls/portable/MVWButtonCells.h"

#include <algorithm>

namespace marivo {

namespace {

bool ShowsPressedCell(const TMVWGlyphCellState& s) {
  return s.Pressed && (s.FromImageList ? s.DownGlyph : s.Themed);
}

// A flat button at rest shows its normal set, past the hot one.
bool FlatAtRest(const TMVWGlyphCellState& s) {
  return s.Flat && !s.MouseOver && (!s.Focused || s.Themed);
}

int CellIndex(const TMVWGlyphCellState& s, int state, int cellsPerSet) {
  const int index = 2 * state + (s.Enabled ? 0 : 1);
  // A pressed cell stays in the pressed set whatever the mouse and focus.
  if (ShowsPressedCell(s))
    return index + (s.Flat ? 2 : 1) * cellsPerSet;
  return FlatAtRest(s) ? index + cellsPerSet : index;
}

} // namespace

int CheckBoxCellIndex(const TMVWGlyphCellState& s) {
  const int states = s.FromImageList ? ClampGlyphNumber(s.GlyphNumber) : 3;
  return CellIndex(s, std::clamp(s.State, 0, states - 1), CheckBoxCellsPerSet);
}

int RadioCellIndex(const TMVWGlyphCellState& s) {
  return CellIndex(s, s.State != 0 ? 1 : 0, RadioCellsPerSet);
}

int BuiltInGlyphSets(bool themed, bool flat) {
  return 1 + (themed ? 1 : 0) + (flat ? 1 : 0);
}

int BuiltInCellWidth(int stripWidth, int cellsPerSet, bool themed, bool flat) {
  return stripWidth / (cellsPerSet * BuiltInGlyphSets(themed, flat));
}

int CheckBoxListCellWidth(int stripWidth, int glyphNumber, bool flat, bool downGlyph) {
  const int width = stripWidth / (ClampGlyphNumber(glyphNumber) * 2);
  if (downGlyph && flat)
    return width / 3;
  if (downGlyph || flat)
    return width / 2;
  return width;
}

int RadioListCellWidth(int stripWidth, bool flat) {
  return stripWidth / (flat ? 8 : 4);
}

int ClampGlyphNumber(int value) {
  return std::clamp(value, 1, 3);
}

} // namespace marivo
