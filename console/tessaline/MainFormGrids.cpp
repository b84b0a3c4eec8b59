#include "console/common/TextFitting.h"
#include "console/tessaline/MainForm.h"
#include "console/tessaline/rules/GridLooks.h"

#include <cmath>
#include <string>

namespace marivo {

namespace {

const char* const DATCHeadings[DATCColumnCount] = {
    "<-- Home", "PART",   "EL",     "DECLARED DIFFICULTY",
    "BONUS",    "DD",     "Pass",   "Fail",
    "Rev",      "DATC 1", "DATC 2", "DATC 3",
    "",         "",       "",       "Rev P",
    "Rev F"};

const char* const RefereeHeadings[4] = {"<-- Home", "PART", "DECLARED DIFFICULTY", "BONUS"};
const char* const RefereeDecisionHeadings[3] = {"DATC 1", "DATC 2", "DTC 3"};
const char* const RefereeFootLabels[6] = {"Choreo and Music", "Performance", "Transitions",
                                          "STC Small",        "STC Obvious", "STC Major"};
const char* const ImpressionHeadings[3] = {"C/M", "Perf", "Trans"};

// Widths as multiples of a unit, truncated toward zero as the layout asks.
int OneAndAHalf(int unit) {
  return unit * 3 / 2;
}

int FourAndAHalf(int unit) {
  return unit * 9 / 2;
}

// An element count of 0 leaves the grid without rows, and its row height as it was.
void SplitHeight(TStringGrid& grid, int lessPerRow) {
  if (grid.RowCount() > 0)
    grid.SetDefaultRowHeight(grid.Height() / grid.RowCount() - lessPerRow);
}

int DATCColumnWidth(int col, int w, bool dtc) {
  switch (col) {
  case 0:
  case 4:
  case 5:
    return 2 * w;
  case 1:
    return OneAndAHalf(w);
  case 2:
    return w;
  case 3:
    return FourAndAHalf(w);
  case 6:
  case 7:
  case 8:
  case 15:
  case 16:
    return dtc ? 0 : w;
  case 9:
  case 10:
  case 11:
    return dtc ? OneAndAHalf(w) : 0;
  default:
    return 0;
  }
}

// Where text of this width starts to sit in the middle of the column.
int CentredLeft(const RECT& rect, int columnWidth, int textWidth) {
  return rect.left + static_cast<int>(std::nearbyint((columnWidth - textWidth) / 2.0));
}

// The look the element and confirmation grids share: the largest bold size, from the grid's own,
// at which the text fits its cell, centred across and set at the middle of the fitted height.
void DrawFittedCell(TStringGrid& grid, TCanvas& measuring, int col, int row, const RECT& rect,
                    TColor brush, TColor font) {
  const std::string text = grid.Cells(col, row);
  const int columnWidth = grid.ColWidths(col);
  const int rowHeight = grid.RowHeights(row);
  const TFittedText fitted =
      FitTextToWidth(text, columnWidth, grid.Font().Size(), rowHeight, measuring);
  TCanvas& canvas = grid.Canvas();
  canvas.Font().SetName(grid.Font().Name());
  canvas.Font().SetSize(fitted.Size);
  canvas.Font().SetStyle(fsBold);
  canvas.Font().SetColor(font);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(brush);
  canvas.FillRect(rect);
  canvas.TextOut(CentredLeft(rect, columnWidth, canvas.TextWidth(text)) + 3,
                 rect.top + (rowHeight - fitted.Height) / 2, text);
}

TColor ColourOf(TGridColour colour) {
  static constexpr TColor colours[] = {clBlue, clWhite,  clBlack,  clGreen, clLime,
                                       clRed,  clYellow, clSilver, clGray};
  return colours[static_cast<int>(colour)];
}

int Centred(int offset, int room, int size) {
  return offset + static_cast<int>(std::nearbyint((room - size) / 2.0)) + 3;
}

// Fills the cell, then writes its text (one line, or the two lines of a long declaration) in the
// look's colours, centred, at the given size.
void PaintCell(TStringGrid& grid, int col, int row, const RECT& rect, const TCellLook& look,
               int size) {
  TCanvas& canvas = grid.Canvas();
  canvas.Font().SetName(grid.Font().Name());
  canvas.Font().SetSize(size);
  canvas.Font().SetStyle(fsBold);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(ColourOf(look.Fill));
  canvas.FillRect(rect);
  if (look.Text.empty())
    return;
  canvas.Brush().SetColor(ColourOf(look.TextBrush));
  canvas.Font().SetColor(ColourOf(look.Font));
  const int width = grid.ColWidths(col);
  const int height = grid.RowHeights(row);
  const auto lines = col == 3 ? SplitDeclaration(look.Text) : std::nullopt;
  if (!lines) {
    canvas.TextOut(Centred(rect.left, width, canvas.TextWidth(look.Text)),
                   Centred(rect.top, height, canvas.TextHeight(look.Text)), look.Text);
    return;
  }
  const int textHeight = canvas.TextHeight(lines->first);
  canvas.TextOut(Centred(rect.left, width, canvas.TextWidth(lines->first)),
                 rect.top + static_cast<int>(std::nearbyint((height - 2 * textHeight) / 3.0)) + 3,
                 lines->first);
  canvas.TextOut(Centred(rect.left, width, canvas.TextWidth(lines->second)),
                 rect.top + static_cast<int>(std::nearbyint((2 * height - 4 * textHeight) / 3.0)) +
                     textHeight + 3,
                 lines->second);
}

} // namespace

void TMainForm::BuildDATCGrid() {
  ++DATCGridBuilds_;
  auto& judge = *JudgeGrid;
  const int n = judge.RowCount();

  auto& detailed = *GridDetailedScores;
  const auto& elements = *PanelElements;
  detailed.SetRowCount(n);
  detailed.SetBounds(0, 8, elements.Width(), elements.Height() - 8);
  SplitHeight(detailed, 2);
  const int b = detailed.Width() / 4;
  detailed.SetColWidths(0, 3 * b - 3);
  detailed.SetColWidths(1, b - 1);
  for (int i = 0; i < n; ++i) {
    const bool tre = judge.Cells(1, i) == "TRE";
    detailed.SetCells(0, i, judge.Cells(tre ? 2 : 1, i));
  }

  auto& previous = *GridPreviousScores;
  const auto& det = *PanelDET;
  const auto& right = *PanelRight;
  const auto placePrevious = [&](int columns, int width) {
    previous.SetColCount(columns);
    previous.SetWidth(width);
    previous.SetLeft((det.Width() - right.Width() - previous.Width()) / 2);
    previous.SetTop(det.Top() + det.Height() - previous.Height() - LabelDETMessage->Height());
  };
  if (elements.Visible()) {
    placePrevious(n, n * (previous.DefaultColWidth() + 1));
    for (int i = 0; i < n; ++i)
      previous.SetCells(i, 0, std::to_string(i + 1));
  } else if (PanelAI->Visible()) {
    // The impression judge's three scores, whatever the element count.
    placePrevious(3, 3 * previous.DefaultColWidth() + 3);
    for (int i = 0; i < 3; ++i)
      previous.SetCells(i, 0, ImpressionHeadings[i]);
  }

  auto& referee = *GridReferee;
  const auto& scores = *HJDETScorePanel;
  referee.SetRowCount(n + 8);
  referee.SetBounds(8, 8, scores.Width() - 16, scores.Height() - 16);
  SplitHeight(referee, 1);
  const int f = referee.Width() / 20 - 1;
  referee.SetColWidths(0, 2 * f);
  referee.SetColWidths(1, OneAndAHalf(f));
  referee.SetColWidths(2, FourAndAHalf(f));
  referee.SetColWidths(3, 2 * f);
  for (int col = 4; col < referee.ColCount(); ++col) {
    referee.SetColWidths(col, f);
    referee.SetCells(col, 0, "Jd " + std::to_string(col - 3));
  }
  for (int col = 0; col < 4; ++col)
    referee.SetCells(col, 0, RefereeHeadings[col]);
  for (int i = 0; i < 3; ++i) {
    referee.SetCells(9 + i, 0, RefereeDecisionHeadings[i]);
    referee.SetColWidths(9 + i, OneAndAHalf(f));
  }
  for (int r = 1; r <= n; ++r) {
    for (int col = 0; col < 4; ++col)
      referee.SetCells(col, r, judge.Cells(col, r - 1));
  }
  for (int col = 0; col < 6; ++col)
    referee.SetCells(col, n + 1, "");
  for (int i = 0; i < 6; ++i) {
    const int r = n + 2 + i;
    referee.SetCells(0, r, "");
    referee.SetCells(1, r, "");
    referee.SetCells(3, r, "");
    referee.SetCells(2, r, RefereeFootLabels[i]);
  }

  if (_Notebook->PageIndex() != STCPage) {
    auto& events = *GridSTCPanel;
    events.SetBounds(referee.Left() + referee.Width() - events.Width() - 48,
                     referee.Top() + (referee.RowCount() - 6) * (referee.DefaultRowHeight() + 1),
                     events.Width(), 6 * referee.DefaultRowHeight() + 6);
  }

  auto& datc = *GridDATC;
  const auto& datcPanel = *PanelDATC;
  const bool dtc = OwnRoleKind() == TRoleKind::TechnicalController;
  datc.SetRowCount(n + 1);
  datc.SetBounds(8, 8, datcPanel.Width() - right.Width() - 16, datcPanel.Height() - 16);
  SplitHeight(datc, 1);
  const int w = datc.Width() / 18 - 1;
  for (int col = 0; col < DATCColumnCount; ++col) {
    datc.SetColWidths(col, DATCColumnWidth(col, w, dtc));
    datc.SetCells(col, 0, DATCHeadings[col]);
  }

  for (int i = 0; i < n; ++i) {
    const int r = i + 1;
    datc.SetCells(0, r, judge.Cells(0, i));
    datc.SetCells(1, r, judge.Cells(1, i));
    datc.SetCells(2, r, std::to_string(r));
    for (int col = 3; col <= 5; ++col)
      datc.SetCells(col, r, judge.Cells(col - 1, i));
    for (int col : {6, 7, 8, 9, 10, 11, 15, 16})
      datc.SetCells(col, r, "0");
    if (!dtc)
      datc.SetCells(DATCColumnDeclaredDD, r, judge.Cells(4, i));
    datc.SetCells(DATCColumnFailedDD, r, judge.Cells(5, i));
    datc.SetCells(DATCColumnReceivedDifficulty, r, judge.Cells(2, i));
    datc.SetCells(DATCColumnReceivedBonus, r, judge.Cells(3, i));
  }
}

void TMainForm::GridDetailedScoresDrawCell(TObject*, int ACol, int ARow, const RECT& Rect,
                                           TGridDrawState) {
  TColor brush = clWhite;
  TColor font = clBlack;
  if (ACol == 0) {
    brush = clBlue;
    font = clWhite;
  } else if (ARow == ScoreCursor) {
    brush = clGreen;
    font = clWhite;
  }
  DrawFittedCell(*GridDetailedScores, TestImage->Picture().Bitmap().Canvas(), ACol, ARow, Rect,
                 brush, font);
}

void TMainForm::GridDetailedScoresSelectCell(TObject*, int, int ARow, bool& CanSelect) {
  ScoreCursor = ARow;
  GridDetailedScores->Repaint();
  CanSelect = true;
}

void TMainForm::GridConfirmDrawCell(TObject*, int ACol, int ARow, const RECT& Rect,
                                    TGridDrawState) {
  DrawFittedCell(*GridConfirm, TestImage->Picture().Bitmap().Canvas(), ACol, ARow, Rect,
                 ScoreConfirmMain->Color(), clWhite);
}

void TMainForm::GridPreviousScoresDrawCell(TObject*, int ACol, int ARow, const RECT& Rect,
                                           TGridDrawState) {
  auto& grid = *GridPreviousScores;
  const std::string text = grid.Cells(ACol, ARow);
  TCanvas& canvas = grid.Canvas();
  canvas.Font().SetName(grid.Font().Name());
  canvas.Font().SetSize(grid.Font().Size());
  canvas.Font().SetColor(clWhite);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(clGray);
  canvas.FillRect(Rect);
  canvas.TextOut(CentredLeft(Rect, grid.ColWidths(ACol), canvas.TextWidth(text)), Rect.top, text);
}

// Measuring is the dearest part of painting a grid, and the texts of a routine repeat from cell to
// cell and from paint to paint: each fit is measured once.
int TMainForm::FittedSize(TStringGrid& grid, int col, int row, const std::string& text) {
  constexpr std::size_t MaxRemembered = 4096;
  TFitKey key{text, grid.ColWidths(col), grid.RowHeights(row), grid.Font().Size()};
  if (const auto known = FittedSizes_.find(key); known != FittedSizes_.end())
    return known->second;
  if (FittedSizes_.size() >= MaxRemembered)
    FittedSizes_.clear();
  const int size = FitTextToWidth(text, std::get<1>(key), std::get<3>(key), std::get<2>(key),
                                  TestImage->Picture().Bitmap().Canvas())
                       .Size;
  FittedSizes_.emplace(std::move(key), size);
  return size;
}

void TMainForm::GridRefereeDrawCell(TObject*, int ACol, int ARow, const RECT& Rect,
                                    TGridDrawState) {
  auto& grid = *GridReferee;
  const std::string text = grid.Cells(ACol, ARow);
  const int size = ACol > 3 ? grid.Font().Size() : FittedSize(grid, ACol, ARow, text);
  PaintCell(grid, ACol, ARow, Rect,
            RefereeCellLook(ACol, ARow, grid.RowCount(), grid.ColCount(), text), size);
}

void TMainForm::GridRefereeSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
  CanSelect = ACol == 0 && ARow == 0;
  if (CanSelect)
    ButtonHomeClick(GridReferee);
}

void TMainForm::GridDATCDrawCell(TObject*, int ACol, int ARow, const RECT& Rect, TGridDrawState) {
  auto& grid = *GridDATC;
  const std::string text = grid.Cells(ACol, ARow);
  // Every decision cell of one width shares the size of its longest word.
  std::string fitted = ACol >= 6 ? std::string("Review") : text;
  if (ACol == 3 && SplitDeclaration(text))
    fitted = text.substr(0, 30);
  PaintCell(grid, ACol, ARow, Rect,
            DATCCellLook(ACol, ARow, text, grid.Cells(DATCColumnDeclaredDD, ARow),
                         grid.Cells(DATCColumnFailedDD, ARow),
                         OwnRoleKind() == TRoleKind::TechnicalController),
            FittedSize(grid, ACol, ARow, fitted));
}

void TMainForm::GridSTCDrawCell(TObject*, int ACol, int ARow, const RECT& Rect, TGridDrawState) {
  auto& grid = *GridSTC;
  std::string text = grid.Cells(ACol, ARow);
  TColor brush = clWhite;
  TColor font = clBlack;
  if (ARow == 0) {
    brush = clBlue;
    font = clWhite;
  } else if (ACol == 0) {
    text.clear();
  } else if (ACol == 3 && text == "m") {
    brush = clRed;
    font = clWhite;
    text = "Major";
  }
  TCanvas& canvas = grid.Canvas();
  canvas.Font().SetName(grid.Font().Name());
  canvas.Font().SetSize(grid.Font().Size());
  canvas.Font().SetStyle(fsBold);
  canvas.Font().SetColor(font);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(brush);
  canvas.FillRect(Rect);
  const int rowHeight = grid.RowHeights(ARow);
  canvas.TextOut(
      CentredLeft(Rect, grid.ColWidths(ACol), canvas.TextWidth(text)) + 1,
      Rect.top + static_cast<int>(std::nearbyint((rowHeight - canvas.TextHeight(text)) / 2.0)) + 1,
      text);
}

} // namespace marivo
