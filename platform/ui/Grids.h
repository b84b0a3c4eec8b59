#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Edits.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace marivo {

using TGridOptions = std::uint16_t;
enum : TGridOptions {
  goFixedVertLine = 1 << 0,
  goFixedHorzLine = 1 << 1,
  goVertLine = 1 << 2,
  goHorzLine = 1 << 3,
  goRangeSelect = 1 << 4,
  goDrawFocusSelected = 1 << 5,
  goRowSelect = 1 << 6,
  goEditing = 1 << 7
};

using TGridDrawState = std::uint8_t;
enum : TGridDrawState { gdSelected = 1 << 0, gdFocused = 1 << 1, gdFixed = 1 << 2 };

// Cells from Left/Top to Right/Bottom, all included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const RECT& Rect,
                                          TGridDrawState State)>;

// A self-drawn table of cells: fixed columns and rows at the top and left, a current cell and a
// selection, sizes per column and row. The grids are sized to show all their cells, so the first
// scrollable column and row always follow the fixed ones.
class TCustomGrid : public TCustomControl {
public:
  int ColCount() const { return ColCount_; }
  void SetColCount(int value);
  int RowCount() const { return RowCount_; }
  void SetRowCount(int value);
  int FixedCols() const { return FixedCols_; }
  void SetFixedCols(int value);
  int FixedRows() const { return FixedRows_; }
  void SetFixedRows(int value);
  int LeftCol() const { return FixedCols_; }
  int TopRow() const { return FixedRows_; }

  int DefaultColWidth() const { return DefaultColWidth_; }
  // Every column takes the new width, also those given one of their own.
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return DefaultRowHeight_; }
  void SetDefaultRowHeight(int value);
  // Outside the grid a read gives the default and a write is ignored.
  int ColWidths(int index) const;
  void SetColWidths(int index, int value);
  int RowHeights(int index) const;
  void SetRowHeights(int index, int value);
  int GridLineWidth() const { return GridLineWidth_; }
  void SetGridLineWidth(int value);

  TGridOptions Options() const { return Options_; }
  void SetOptions(TGridOptions value);
  TColor FixedColor() const { return FixedColor_; }
  void SetFixedColor(TColor value);
  // Kept for form data only: the grids show all their cells and have no scroll bars.
  TScrollStyle ScrollBars() const { return ScrollBars_; }
  void SetScrollBars(TScrollStyle value) { ScrollBars_ = value; }

  // The current cell. Moving it asks OnSelectCell first; an index outside the scrollable cells
  // raises EInvalidOperation.
  int Col() const { return Col_; }
  void SetCol(int value);
  int Row() const { return Row_; }
  void SetRow(int value);
  TGridRect Selection() const;

  // The cell under a client point, or -1 for a coordinate beyond the cells. A grid line belongs
  // to the cell left of it or above it.
  void MouseToCell(int x, int y, int& col, int& row) const;
  // In client coordinates, without the grid lines; empty for a cell outside the grid.
  RECT CellRect(int col, int row) const;

  // Off: OnDrawCell alone paints the cells, on a canvas whose brush and font are those of the
  // cell's state.
  bool DefaultDrawing() const { return DefaultDrawing_; }
  void SetDefaultDrawing(bool value);

  TSelectCellEvent OnSelectCell;
  // Runs for every visible cell of non-zero size, after the default look if there is one.
  TDrawCellEvent OnDrawCell;

  void WndProc(TMessage& message) override;

protected:
  explicit TCustomGrid(TComponent* owner);

  // Paints one cell's content with the canvas's brush and font already set for its state, over
  // the default background when DefaultDrawing is on; descendants add their content, then call
  // this one for OnDrawCell.
  virtual void DrawCell(int col, int row, const RECT& rect, TGridDrawState state);
  virtual bool SelectCell(int col, int row);
  // After the counts changed, before the repaint.
  virtual void SizeChanged() {}

  void Paint() override;
  void EraseBackground(HDC) override {}
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Loaded() override;

private:
  int VertLineWidth() const;
  int HorzLineWidth() const;
  int ColumnAt(int x) const;
  int RowAt(int y) const;
  bool IsScrollableCell(int col, int row) const;
  void MoveCurrent(int col, int row);
  void ClampCounts();
  void PaintLines(int col, int row, const RECT& cell);
  void PaintCellBackground(const RECT& rect, TGridDrawState state);

  int ColCount_ = 5;
  int RowCount_ = 5;
  int FixedCols_ = 1;
  int FixedRows_ = 1;
  int DefaultColWidth_ = 64;
  int DefaultRowHeight_ = 24;
  std::vector<int> ColWidths_;
  std::vector<int> RowHeights_;
  int GridLineWidth_ = 1;
  TGridOptions Options_ =
      goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
  TColor FixedColor_ = clBtnFace;
  TScrollStyle ScrollBars_ = ssBoth;
  bool DefaultDrawing_ = true;
  int Col_ = 1;
  int Row_ = 1;
  // The other corner of the selection; the current cell is the first.
  int AnchorCol_ = 1;
  int AnchorRow_ = 1;
  bool Selecting_ = false;
};

// A grid that shows a text in each cell.
class TStringGrid : public TCustomGrid {
public:
  explicit TStringGrid(TComponent* owner);

  // Outside the grid a read gives "" and a write is ignored.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);

protected:
  void DrawCell(int col, int row, const RECT& rect, TGridDrawState state) override;
  void SizeChanged() override;

private:
  std::map<std::pair<int, int>, std::string> Cells_;
};

// Makes the grid classes known to form data; the first call does it, later calls nothing.
void RegisterGridsClasses();

} // namespace marivo
