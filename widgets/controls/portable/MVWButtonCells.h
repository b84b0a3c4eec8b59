#pragma once

#include <cstdint>

namespace marivo {

// What picks the cell of a check box's or radio button's glyph strip.
struct TMVWGlyphCellState {
  // cbUnchecked 0, cbChecked 1, cbGrayed 2; a radio button uses 0 and 1.
  int State = 0;
  bool Enabled = true;
  bool Pressed = false;
  bool Flat = false;
  bool Themed = false;
  bool Focused = false;
  bool MouseOver = false;
  // A strip from an image list instead of the built-in images.
  bool FromImageList = false;
  bool DownGlyph = false;
  // The states an image-list strip holds, 1..3.
  int GlyphNumber = 3;
};

constexpr int CheckBoxCellsPerSet = 6;
constexpr int RadioCellsPerSet = 4;

int CheckBoxCellIndex(const TMVWGlyphCellState& state);
int RadioCellIndex(const TMVWGlyphCellState& state);

// Sets of built-in cells: normal, then pressed with the themed look, then hot when flat.
int BuiltInGlyphSets(bool themed, bool flat);
int BuiltInCellWidth(int stripWidth, int cellsPerSet, bool themed, bool flat);
int CheckBoxListCellWidth(int stripWidth, int glyphNumber, bool flat, bool downGlyph);
int RadioListCellWidth(int stripWidth, bool flat);
// GlyphNumber kept within 1..3: a strip holds at most the three states.
int ClampGlyphNumber(int value);

} // namespace marivo
