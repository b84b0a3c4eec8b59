#include "platform/ui/Grids.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace marivo {

// --- TCustomGrid ------------------------------------------------------------------------------

TCustomGrid::TCustomGrid(TComponent* owner)
    : TCustomControl(owner), ColWidths_(ColCount_, DefaultColWidth_),
      RowHeights_(RowCount_, DefaultRowHeight_) {
  SetColor(clWindow);
}

void TCustomGrid::SetColCount(int value) {
  value = std::max(0, value);
  if (!Store(ColCount_, value))
    return;
  ClampCounts();
  SizeChanged();
  Invalidate();
}

void TCustomGrid::SetRowCount(int value) {
  value = std::max(0, value);
  if (!Store(RowCount_, value))
    return;
  ClampCounts();
  SizeChanged();
  Invalidate();
}

void TCustomGrid::SetFixedCols(int value) {
  value = std::max(0, value);
  if (!Store(FixedCols_, value))
    return;
  Col_ = AnchorCol_ = value;
  Row_ = AnchorRow_ = FixedRows_;
  ClampCounts();
  Invalidate();
}

void TCustomGrid::SetFixedRows(int value) {
  value = std::max(0, value);
  if (!Store(FixedRows_, value))
    return;
  Col_ = AnchorCol_ = FixedCols_;
  Row_ = AnchorRow_ = value;
  ClampCounts();
  Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int value) {
  value = std::max(0, value);
  if (!Store(DefaultColWidth_, value))
    return;
  ColWidths_.assign(ColWidths_.size(), value);
  Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  value = std::max(0, value);
  if (!Store(DefaultRowHeight_, value))
    return;
  RowHeights_.assign(RowHeights_.size(), value);
  Invalidate();
}

int TCustomGrid::ColWidths(int index) const {
  if (index < 0 || index >= static_cast<int>(ColWidths_.size()))
    return DefaultColWidth_;
  return ColWidths_[static_cast<std::size_t>(index)];
}

void TCustomGrid::SetColWidths(int index, int value) {
  if (index < 0 || index >= static_cast<int>(ColWidths_.size()))
    return;
  value = std::max(0, value);
  int& width = ColWidths_[static_cast<std::size_t>(index)];
  if (Store(width, value))
    Invalidate();
}

int TCustomGrid::RowHeights(int index) const {
  if (index < 0 || index >= static_cast<int>(RowHeights_.size()))
    return DefaultRowHeight_;
  return RowHeights_[static_cast<std::size_t>(index)];
}

void TCustomGrid::SetRowHeights(int index, int value) {
  if (index < 0 || index >= static_cast<int>(RowHeights_.size()))
    return;
  value = std::max(0, value);
  int& height = RowHeights_[static_cast<std::size_t>(index)];
  if (Store(height, value))
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int value) {
  value = std::max(0, value);
  if (Store(GridLineWidth_, value))
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (Store(Options_, value))
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value) {
  if (Store(FixedColor_, value))
    Invalidate();
}

void TCustomGrid::SetCol(int value) {
  if (value == Col_)
    return;
  if (value < FixedCols_ || value >= ColCount_)
    throw EInvalidOperation("Grid index out of range");
  if (SelectCell(value, Row_))
    MoveCurrent(value, Row_);
}

void TCustomGrid::SetRow(int value) {
  if (value == Row_)
    return;
  if (value < FixedRows_ || value >= RowCount_)
    throw EInvalidOperation("Grid index out of range");
  if (SelectCell(Col_, value))
    MoveCurrent(Col_, value);
}

TGridRect TCustomGrid::Selection() const {
  TGridRect selection{std::min(Col_, AnchorCol_), std::min(Row_, AnchorRow_),
                      std::max(Col_, AnchorCol_), std::max(Row_, AnchorRow_)};
  if (Options_ & goRowSelect) {
    selection.Left = FixedCols_;
    selection.Right = std::max(FixedCols_, ColCount_ - 1);
  }
  return selection;
}

// Both kinds of line take room as soon as either is drawn, so fixed and scrollable cells stay
// aligned whatever the options.
int TCustomGrid::VertLineWidth() const {
  return (Options_ & (goFixedVertLine | goVertLine)) ? GridLineWidth_ : 0;
}

int TCustomGrid::HorzLineWidth() const {
  return (Options_ & (goFixedHorzLine | goHorzLine)) ? GridLineWidth_ : 0;
}

int TCustomGrid::ColumnAt(int x) const {
  if (x < 0)
    return -1;
  int right = 0;
  for (int col = 0; col < ColCount_; ++col) {
    right += ColWidths(col) + VertLineWidth();
    if (x < right)
      return col;
  }
  return -1;
}

int TCustomGrid::RowAt(int y) const {
  if (y < 0)
    return -1;
  int bottom = 0;
  for (int row = 0; row < RowCount_; ++row) {
    bottom += RowHeights(row) + HorzLineWidth();
    if (y < bottom)
      return row;
  }
  return -1;
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = ColumnAt(x);
  row = RowAt(y);
}

RECT TCustomGrid::CellRect(int col, int row) const {
  if (col < 0 || col >= ColCount_ || row < 0 || row >= RowCount_)
    return RECT{0, 0, 0, 0};
  RECT rect{0, 0, 0, 0};
  for (int i = 0; i < col; ++i)
    rect.left += ColWidths(i) + VertLineWidth();
  for (int i = 0; i < row; ++i)
    rect.top += RowHeights(i) + HorzLineWidth();
  rect.right = rect.left + ColWidths(col);
  rect.bottom = rect.top + RowHeights(row);
  return rect;
}

bool TCustomGrid::IsScrollableCell(int col, int row) const {
  return col >= FixedCols_ && col < ColCount_ && row >= FixedRows_ && row < RowCount_;
}

bool TCustomGrid::SelectCell(int col, int row) {
  bool canSelect = true;
  if (OnSelectCell)
    OnSelectCell(this, col, row, canSelect);
  return canSelect;
}

void TCustomGrid::MoveCurrent(int col, int row) {
  Col_ = AnchorCol_ = col;
  Row_ = AnchorRow_ = row;
  Invalidate();
}

// Form data may name the fixed counts before the counts, so they are only held to the counts
// once loading is over.
void TCustomGrid::ClampCounts() {
  ColWidths_.resize(static_cast<std::size_t>(ColCount_), DefaultColWidth_);
  RowHeights_.resize(static_cast<std::size_t>(RowCount_), DefaultRowHeight_);
  if (ComponentState() & csLoading)
    return;
  FixedCols_ = std::min(FixedCols_, ColCount_);
  FixedRows_ = std::min(FixedRows_, RowCount_);
  const int lastCol = std::max(FixedCols_, ColCount_ - 1);
  const int lastRow = std::max(FixedRows_, RowCount_ - 1);
  Col_ = std::clamp(Col_, FixedCols_, lastCol);
  AnchorCol_ = std::clamp(AnchorCol_, FixedCols_, lastCol);
  Row_ = std::clamp(Row_, FixedRows_, lastRow);
  AnchorRow_ = std::clamp(AnchorRow_, FixedRows_, lastRow);
}

void TCustomGrid::Loaded() {
  TCustomControl::Loaded();
  ClampCounts();
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    int col = -1;
    int row = -1;
    MouseToCell(x, y, col, row);
    if (IsScrollableCell(col, row) && SelectCell(col, row)) {
      MoveCurrent(col, row);
      Selecting_ = true;
      // A handler that opened a dialog has let the button go already; capturing now would
      // swallow the next click elsewhere.
      if (GetKeyState(VK_LBUTTON) < 0)
        SetCapture(Handle());
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  if (Selecting_ && (shift & ssLeft) && (Options_ & goRangeSelect)) {
    int col = -1;
    int row = -1;
    MouseToCell(x, y, col, row);
    if (IsScrollableCell(col, row) && (col != AnchorCol_ || row != AnchorRow_)) {
      AnchorCol_ = col;
      AnchorRow_ = row;
      Invalidate();
    }
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Selecting_) {
    Selecting_ = false;
    if (GetCapture() == Handle())
      ReleaseCapture();
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::WndProc(TMessage& message) {
  TCustomControl::WndProc(message);
  if (message.Msg == CM_ENABLEDCHANGED) {
    Selecting_ = false;
    Invalidate();
  }
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  if (Store(DefaultDrawing_, value))
    Invalidate();
}

void TCustomGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState state) {
  if (OnDrawCell)
    OnDrawCell(this, col, row, rect, state);
}

void TCustomGrid::PaintCellBackground(const RECT& rect, TGridDrawState state) {
  Canvas().FillRect(rect);
  if (!(state & gdFixed))
    return;
  UINT edges = 0;
  if (Options_ & goFixedVertLine)
    edges |= BF_LEFT | BF_RIGHT;
  if (Options_ & goFixedHorzLine)
    edges |= BF_TOP | BF_BOTTOM;
  if (edges) {
    RECT edge = rect;
    DrawEdge(Canvas().Handle(), &edge, BDR_RAISEDINNER, edges);
  }
}

// Each cell owns the line right of it and the line below it, corner included.
void TCustomGrid::PaintLines(int col, int row, const RECT& cell) {
  const int vertical = VertLineWidth();
  const int horizontal = HorzLineWidth();
  if (vertical == 0 && horizontal == 0)
    return;
  const bool fixed = col < FixedCols_ || row < FixedRows_;
  // Silver lines would vanish on a silver grid.
  const TColor bodyLine = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
  const TColor vertColor = fixed ? ((Options_ & goFixedVertLine) ? clBlack : FixedColor_)
                                 : ((Options_ & goVertLine) ? bodyLine : Color());
  const TColor horzColor = fixed ? ((Options_ & goFixedHorzLine) ? clBlack : FixedColor_)
                                 : ((Options_ & goHorzLine) ? bodyLine : Color());
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().Brush().SetColor(vertColor);
  Canvas().FillRect(RECT{cell.right, cell.top, cell.right + vertical, cell.bottom});
  Canvas().Brush().SetColor(horzColor);
  Canvas().FillRect(RECT{cell.left, cell.bottom, cell.right + vertical, cell.bottom + horizontal});
}

void TCustomGrid::Paint() {
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  const bool drawFocusSelected = Options_ & (goDrawFocusSelected | goRowSelect);
  const bool focused = Focused();
  const TGridRect selection = Selection();
  int gridWidth = 0;
  for (int col = 0; col < ColCount_; ++col)
    gridWidth += ColWidths(col) + VertLineWidth();
  int gridHeight = 0;
  for (int row = 0; row < RowCount_; ++row)
    gridHeight += RowHeights(row) + HorzLineWidth();

  for (int row = 0, top = 0; row < RowCount_ && top < clientHeight;
       top += RowHeights(row) + HorzLineWidth(), ++row) {
    for (int col = 0, left = 0; col < ColCount_ && left < clientWidth;
         left += ColWidths(col) + VertLineWidth(), ++col) {
      const RECT cell{left, top, left + ColWidths(col), top + RowHeights(row)};
      TGridDrawState state = 0;
      if (!IsScrollableCell(col, row))
        state |= gdFixed;
      else if (Enabled() && col >= selection.Left && col <= selection.Right &&
               row >= selection.Top && row <= selection.Bottom)
        state |= gdSelected;
      if (focused && col == Col_ && row == Row_)
        state |= gdFocused;
      const bool highlighted = (state & gdSelected) && (!(state & gdFocused) || drawFocusSelected);
      Canvas().Font().Assign(Font());
      Canvas().Brush().SetStyle(bsSolid);
      if (state & gdFixed) {
        Canvas().Brush().SetColor(FixedColor_);
      } else if (highlighted) {
        Canvas().Brush().SetColor(clHighlight);
        Canvas().Font().SetColor(clHighlightText);
      } else {
        Canvas().Brush().SetColor(Color());
      }
      // A column or row sized to nothing hides its cells: a handler must not be asked to fit
      // text into them.
      if (cell.right > cell.left && cell.bottom > cell.top) {
        if (DefaultDrawing_)
          PaintCellBackground(cell, state);
        DrawCell(col, row, cell, state);
        if (DefaultDrawing_ && (state & gdFocused) && !(Options_ & goRowSelect))
          DrawFocusRect(Canvas().Handle(), &cell);
      }
      PaintLines(col, row, cell);
    }
  }

  Canvas().Brush().SetStyle(bsSolid);
  Canvas().Brush().SetColor(Color());
  if (gridWidth < clientWidth)
    Canvas().FillRect(RECT{gridWidth, 0, clientWidth, std::min(gridHeight, clientHeight)});
  if (gridHeight < clientHeight)
    Canvas().FillRect(RECT{0, gridHeight, clientWidth, clientHeight});
}

// --- TStringGrid ------------------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* owner) : TCustomGrid(owner) {}

std::string TStringGrid::Cells(int col, int row) const {
  const auto found = Cells_.find({col, row});
  return found == Cells_.end() ? std::string() : found->second;
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
    return;
  auto found = Cells_.find({col, row});
  const std::string& old = found == Cells_.end() ? std::string() : found->second;
  if (text == old)
    return;
  if (text.empty())
    Cells_.erase(found);
  else
    Cells_[{col, row}] = text;
  Invalidate();
}

void TStringGrid::SizeChanged() {
  std::erase_if(Cells_, [this](const auto& cell) {
    return cell.first.first >= ColCount() || cell.first.second >= RowCount();
  });
}

void TStringGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState state) {
  const std::string text = DefaultDrawing() ? Cells(col, row) : std::string();
  if (!text.empty())
    Canvas().TextRect(RECT{rect.left + 2, rect.top + 2, rect.right, rect.bottom}, text,
                      DT_SINGLELINE | DT_NOPREFIX);
  TCustomGrid::DrawCell(col, row, rect, state);
}

void RegisterGridsClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TCustomGrid, TCustomControl>("TCustomGrid")
        .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clWindow)
        .Stored([](TCustomGrid& grid) { return !grid.ParentColor(); })
        .Integer("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount, 5)
        .Integer("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount, 5)
        .Integer("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols, 1)
        .Integer("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows, 1)
        .Integer("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth,
                 64)
        .Integer("DefaultRowHeight", &TCustomGrid::DefaultRowHeight,
                 &TCustomGrid::SetDefaultRowHeight, 24)
        .Integer("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth, 1)
        .Set("Options",
             {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
              "goDrawFocusSelected", "goRowSelect", "goEditing"},
             &TCustomGrid::Options, &TCustomGrid::SetOptions,
             TGridOptions{goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine |
                          goRangeSelect})
        .Integer("FixedColor", ColorIdents(), &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor,
                 clBtnFace)
        .Enumeration("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                     &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars, ssBoth)
        .Boolean("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing,
                 true)
        .Event("OnSelectCell", &TCustomGrid::OnSelectCell)
        .Event("OnDrawCell", &TCustomGrid::OnDrawCell);
    RegisterComponentClass<TStringGrid, TCustomGrid>("TStringGrid");
    return true;
  }();
  (void)registered;
}

} // namespace marivo
