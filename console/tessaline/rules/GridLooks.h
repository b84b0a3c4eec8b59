#pragma once

#include <optional>
#include <string>
#include <utility>

namespace marivo {

// The colours the console's grids are painted in.
enum class TGridColour { Blue, White, Black, Green, Lime, Red, Yellow, Silver, Gray };

// How one cell is painted: filled with Fill, then Text written on a box of TextBrush in Font.
// A decision shown as a changed verdict ("P-->F") sits on a box of another colour than its cell.
struct TCellLook {
  TGridColour Fill = TGridColour::White;
  TGridColour TextBrush = TGridColour::White;
  TGridColour Font = TGridColour::White;
  std::string Text;
  bool operator==(const TCellLook&) const = default;
};

// The referee's grid: rowCount rows (the heading, the elements, a separator, three impression and
// three STC rows), colCount columns (four element columns, the judges' scores, and three
// controllers' decision texts last).
TCellLook RefereeCellLook(int col, int row, int rowCount, int colCount, const std::string& text);

// The difficulty controllers' grid; declaredDD and failedDD are the row's DD as declared and on
// failure, against which the current DD (column 5) is coloured. The technical controller's DD
// never changes, so it is not coloured by its source.
TCellLook DATCCellLook(int col, int row, const std::string& text, const std::string& declaredDD,
                       const std::string& failedDD, bool technicalController);

// A declared difficulty too long for one line of its cell, as two lines: broken after the last
// blank or "-" among its first 29 characters, else after the 29th. Nothing for 30 characters or
// fewer.
std::optional<std::pair<std::string, std::string>> SplitDeclaration(const std::string& text);

} // namespace marivo
