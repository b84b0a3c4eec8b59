#include "platform/ui/Grids.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace marivo {
namespace {

class TGridsForm : public TForm {
public:
  using TForm::TForm;
  std::vector<std::pair<int, int>> Selected;
  bool AllowSelect = true;

  void GridSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
    Selected.emplace_back(ACol, ARow);
    CanSelect = AllowSelect;
  }

  struct TDrawn {
    int Col;
    int Row;
    RECT Rect;
    TGridDrawState State;
    TColor Brush;
    TColor Font;
  };
  std::vector<TDrawn> Drawn;

  // Records each call and paints the cell lime, the way a form's owner drawing would.
  void GridDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect, TGridDrawState State) {
    TCanvas& canvas = dynamic_cast<TStringGrid&>(*Sender).Canvas();
    Drawn.push_back({ACol, ARow, Rect, State, canvas.Brush().Color(), canvas.Font().Color()});
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(Rect);
  }
};

class GridsTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterGridsClasses();
    static const bool registered = [] {
      RegisterComponentClass<TGridsForm, TForm>("TGridsForm")
          .Handler("GridSelectCell", &TGridsForm::GridSelectCell)
          .Handler("GridDrawCell", &TGridsForm::GridDrawCell);
      return true;
    }();
    (void)registered;
    App.CreateForm(Form);
    Grid = dynamic_cast<TStringGrid*>(Form->FindComponent("Grid"));
    Board = dynamic_cast<TStringGrid*>(Form->FindComponent("Board"));
    ASSERT_NE(Grid, nullptr);
    ASSERT_NE(Board, nullptr);
    Form->Show();
    App.ProcessMessages();
  }

  static void Press(TWinControl* control, UINT msg, WPARAM keys, POINT at) {
    SendMessageA(control->Handle(), msg, keys, MAKELPARAM(at.x, at.y));
  }

  static POINT Centre(TStringGrid* grid, int col, int row) {
    const RECT cell = grid->CellRect(col, row);
    return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  }

  static void ClickCell(TStringGrid* grid, int col, int row) {
    const POINT at = Centre(grid, col, row);
    Press(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Press(grid, WM_LBUTTONUP, 0, at);
  }

  // Paints the grid now and reads what reached its window.
  static std::vector<COLORREF> Pixels(TStringGrid* grid, const RECT& area) {
    RedrawWindow(grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(grid->Handle());
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(grid->Handle(), dc);
    return pixels;
  }

  static COLORREF PixelAt(TStringGrid* grid, POINT at) {
    return Pixels(grid, RECT{at.x, at.y, at.x + 1, at.y + 1}).front();
  }

  static bool CellShows(TStringGrid* grid, int col, int row, TColor color) {
    const auto pixels = Pixels(grid, grid->CellRect(col, row));
    return std::find(pixels.begin(), pixels.end(), ColorToRGB(color)) != pixels.end();
  }

  TApplication App;
  TGridsForm* Form = nullptr;
  TStringGrid* Grid = nullptr;
  TStringGrid* Board = nullptr;
};

std::vector<std::string> WrittenNames(TComponent& component, TComponent& root) {
  std::vector<std::string> names;
  for (const TFormProperty& property : WriteProperties(component, root))
    names.push_back(property.Name);
  return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST_F(GridsTest, FormDataSetsCountsSizesAndOptionsAndWritesOnlyWhatDiffers) {
  EXPECT_EQ(Grid->ColCount(), 7);
  EXPECT_EQ(Grid->RowCount(), 8);
  EXPECT_EQ(Grid->FixedCols(), 1);
  EXPECT_EQ(Grid->FixedRows(), 1);
  EXPECT_EQ(Grid->ColWidths(6), 52);
  EXPECT_EQ(Grid->RowHeights(7), 26);
  EXPECT_EQ(Grid->GridLineWidth(), 1);
  EXPECT_EQ(Grid->FixedColor(), clYellow);
  EXPECT_EQ(Grid->Color(), clWhite);
  EXPECT_EQ(Grid->Options(),
            goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
  EXPECT_EQ(Grid->ScrollBars(), ssBoth);
  EXPECT_TRUE(Grid->OnSelectCell);

  // FixedCols comes before ColCount in the form data and still holds.
  EXPECT_EQ(Board->FixedCols(), 6);
  EXPECT_EQ(Board->ColCount(), 8);
  EXPECT_EQ(Board->FixedRows(), 0);
  EXPECT_EQ(Board->GridLineWidth(), 3);
  EXPECT_EQ(Board->Options(), goVertLine | goHorzLine | goRowSelect);
  EXPECT_EQ(Board->ScrollBars(), ssNone);
  EXPECT_EQ(Board->Col(), 6);
  EXPECT_EQ(Board->Row(), 0);
  EXPECT_EQ(Board->LeftCol(), 6);
  EXPECT_EQ(Board->TopRow(), 0);

  const auto board = WrittenNames(*Board, *Form);
  for (const char* name : {"FixedCols", "ColCount", "FixedRows", "RowCount", "DefaultColWidth",
                           "GridLineWidth", "Options", "ScrollBars"})
    EXPECT_TRUE(Contains(board, name)) << name;
  EXPECT_FALSE(Contains(board, "Cells"));

  auto* fresh = new TStringGrid(Form);
  fresh->SetCells(1, 1, "kept out of form data");
  const auto plain = WrittenNames(*fresh, *Form);
  for (const char* name :
       {"ColCount", "RowCount", "FixedCols", "FixedRows", "DefaultColWidth", "DefaultRowHeight",
        "GridLineWidth", "Options", "FixedColor", "Color", "ScrollBars", "Cells"})
    EXPECT_FALSE(Contains(plain, name)) << name;
}

TEST_F(GridsTest, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
  Grid->SetCells(2, 3, "Anna");
  Grid->SetCells(0, 0, "Rank");
  EXPECT_EQ(Grid->Cells(2, 3), "Anna");
  EXPECT_EQ(Grid->Cells(0, 0), "Rank");
  EXPECT_EQ(Grid->Cells(3, 2), "");

  for (auto [col, row] : std::vector<std::pair<int, int>>{{7, 0}, {0, 8}, {-1, 2}, {2, -1}}) {
    Grid->SetCells(col, row, "lost");
    EXPECT_EQ(Grid->Cells(col, row), "") << col << "," << row;
  }
  Grid->SetColCount(8);
  Grid->SetRowCount(9);
  EXPECT_EQ(Grid->Cells(7, 0), "");
  EXPECT_EQ(Grid->Cells(0, 8), "");

  // Shrinking drops the text of the cells that went; growing again does not bring it back.
  Grid->SetCells(7, 8, "last");
  Grid->SetColCount(5);
  Grid->SetRowCount(4);
  Grid->SetColCount(8);
  Grid->SetRowCount(9);
  EXPECT_EQ(Grid->Cells(7, 8), "");
  EXPECT_EQ(Grid->Cells(2, 3), "Anna");
}

TEST_F(GridsTest, ZeroCountsLeaveAnEmptyGridThatStillPaintsAndIgnoresClicks) {
  Grid->SetCells(1, 1, "gone");
  Grid->SetColCount(0);
  Grid->SetRowCount(0);
  EXPECT_EQ(Grid->FixedCols(), 0);
  EXPECT_EQ(Grid->FixedRows(), 0);
  EXPECT_EQ(Grid->Cells(0, 0), "");
  Grid->SetCells(0, 0, "ignored");
  EXPECT_EQ(Grid->Cells(0, 0), "");
  int col = 0;
  int row = 0;
  Grid->MouseToCell(5, 5, col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, -1);
  const RECT empty = Grid->CellRect(0, 0);
  EXPECT_EQ(empty.right - empty.left, 0);
  Press(Grid, WM_LBUTTONDOWN, MK_LBUTTON, POINT{5, 5});
  Press(Grid, WM_LBUTTONUP, 0, POINT{5, 5});
  EXPECT_TRUE(Form->Selected.empty());
  // With no cells the whole window shows the grid's colour.
  EXPECT_EQ(PixelAt(Grid, POINT{5, 5}), ColorToRGB(clWhite));

  Grid->SetColCount(3);
  Grid->SetRowCount(2);
  EXPECT_EQ(Grid->Cells(1, 1), "");
  // The fixed counts went to 0 with the counts and stay there.
  ClickCell(Grid, 0, 0);
  EXPECT_EQ(Form->Selected, (std::vector<std::pair<int, int>>{{0, 0}}));
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 0, 0)), ColorToRGB(clHighlight));
}

TEST_F(GridsTest, ColumnWidthsAndRowHeightsOutsideTheGridAreDefaultsAndIgnored) {
  Grid->SetColWidths(2, 90);
  Grid->SetRowHeights(3, 40);
  for (int index : {-1, 8, 1000}) {
    Grid->SetColWidths(index, 5);
    Grid->SetRowHeights(index, 5);
    EXPECT_EQ(Grid->ColWidths(index), 52) << index;
    EXPECT_EQ(Grid->RowHeights(index), 26) << index;
  }
  EXPECT_EQ(Grid->ColWidths(2), 90);
  EXPECT_EQ(Grid->RowHeights(3), 40);

  Grid->SetColCount(9);
  EXPECT_EQ(Grid->ColWidths(8), 52) << "a new column starts at the default width";
  EXPECT_EQ(Grid->ColWidths(2), 90);

  Grid->SetDefaultColWidth(70);
  Grid->SetDefaultRowHeight(30);
  EXPECT_EQ(Grid->ColWidths(2), 70);
  EXPECT_EQ(Grid->RowHeights(3), 30);
}

TEST_F(GridsTest, CellRectAndMouseToCellAgreeForEveryCell) {
  const std::vector<int> widths{20, 75, 33, 52, 90, 41, 60};
  const std::vector<int> heights{18, 30, 22, 26, 19, 35, 24, 28};
  for (int col = 0; col < 7; ++col)
    Grid->SetColWidths(col, widths[static_cast<std::size_t>(col)]);
  for (int row = 0; row < 8; ++row)
    Grid->SetRowHeights(row, heights[static_cast<std::size_t>(row)]);
  Grid->SetGridLineWidth(2);

  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 7; ++col) {
      const RECT cell = Grid->CellRect(col, row);
      EXPECT_EQ(cell.right - cell.left, widths[static_cast<std::size_t>(col)]);
      EXPECT_EQ(cell.bottom - cell.top, heights[static_cast<std::size_t>(row)]);
      if (col > 0) {
        EXPECT_EQ(cell.left, Grid->CellRect(col - 1, row).right + 2);
      }
      if (row > 0) {
        EXPECT_EQ(cell.top, Grid->CellRect(col, row - 1).bottom + 2);
      }
      for (POINT at : {POINT{cell.left, cell.top}, POINT{cell.right - 1, cell.bottom - 1},
                       POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2}}) {
        int hitCol = -1;
        int hitRow = -1;
        Grid->MouseToCell(at.x, at.y, hitCol, hitRow);
        EXPECT_EQ(hitCol, col) << at.x << "," << at.y;
        EXPECT_EQ(hitRow, row) << at.x << "," << at.y;
      }
    }

  const RECT last = Grid->CellRect(6, 7);
  int col = 0;
  int row = 0;
  Grid->MouseToCell(last.right + 2, last.bottom + 2, col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, -1);
  Grid->MouseToCell(-1, 10, col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, 0);
  const RECT outside = Grid->CellRect(7, 0);
  EXPECT_EQ(outside.right - outside.left, 0);
}

TEST_F(GridsTest, EveryClickOnAScrollableCellAsksOnSelectCell) {
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_EQ(Grid->Row(), 1);

  ClickCell(Grid, 3, 4);
  ClickCell(Grid, 3, 4);
  EXPECT_EQ(Form->Selected, (std::vector<std::pair<int, int>>{{3, 4}, {3, 4}}));
  EXPECT_EQ(Grid->Col(), 3);
  EXPECT_EQ(Grid->Row(), 4);
  EXPECT_EQ(Grid->Selection(), (TGridRect{3, 4, 3, 4}));

  Form->AllowSelect = false;
  ClickCell(Grid, 5, 6);
  EXPECT_EQ(Form->Selected.back(), std::make_pair(5, 6));
  EXPECT_EQ(Grid->Col(), 3);
  EXPECT_EQ(Grid->Row(), 4);

  // Fixed cells are not selectable at all.
  Form->Selected.clear();
  ClickCell(Grid, 0, 3);
  ClickCell(Grid, 3, 0);
  EXPECT_TRUE(Form->Selected.empty());

  Form->AllowSelect = true;
  Grid->SetEnabled(false);
  ClickCell(Grid, 2, 2);
  EXPECT_TRUE(Form->Selected.empty());
  EXPECT_EQ(Grid->Col(), 3);
}

TEST_F(GridsTest, SettingTheCurrentCellInCodeAsksFirstAndRejectsFixedCells) {
  Grid->SetRow(5);
  EXPECT_EQ(Form->Selected, (std::vector<std::pair<int, int>>{{1, 5}}));
  EXPECT_EQ(Grid->Row(), 5);
  Form->AllowSelect = false;
  Grid->SetCol(4);
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_THROW(Grid->SetCol(0), EInvalidOperation);
  EXPECT_THROW(Grid->SetRow(8), EInvalidOperation);

  // Shrinking keeps the current cell inside the grid.
  Grid->SetRowCount(3);
  EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(GridsTest, DraggingSelectsARangeAndRowSelectTakesWholeRows) {
  Press(Grid, WM_LBUTTONDOWN, MK_LBUTTON, Centre(Grid, 2, 2));
  Press(Grid, WM_MOUSEMOVE, MK_LBUTTON, Centre(Grid, 4, 5));
  Press(Grid, WM_LBUTTONUP, 0, Centre(Grid, 4, 5));
  EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 4, 5}));
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_EQ(Grid->Row(), 2);
  EXPECT_EQ(Form->Selected.size(), 1u);

  Grid->SetOptions(Grid->Options() & ~goRangeSelect);
  Press(Grid, WM_LBUTTONDOWN, MK_LBUTTON, Centre(Grid, 2, 2));
  Press(Grid, WM_MOUSEMOVE, MK_LBUTTON, Centre(Grid, 4, 5));
  Press(Grid, WM_LBUTTONUP, 0, Centre(Grid, 4, 5));
  EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 2, 2}));

  ClickCell(Board, 7, 2);
  EXPECT_EQ(Board->Selection(), (TGridRect{6, 2, 7, 2}));
}

TEST_F(GridsTest, PaintShowsFixedNormalAndCurrentCellColours) {
  const COLORREF highlight = ColorToRGB(clHighlight);
  ASSERT_NE(highlight, ColorToRGB(clWhite));
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 0, 2)), ColorToRGB(clYellow));
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 3, 0)), ColorToRGB(clYellow));
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 3, 3)), ColorToRGB(clWhite));
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 1, 1)), highlight);

  ClickCell(Grid, 4, 3);
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 4, 3)), highlight);
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 1, 1)), ColorToRGB(clWhite));

  Grid->SetFixedColor(clAqua);
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 0, 2)), ColorToRGB(clAqua));

  Grid->SetEnabled(false);
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 4, 3)), ColorToRGB(clWhite));

  // Row select highlights the whole row of scrollable cells, nothing else.
  EXPECT_EQ(PixelAt(Board, Centre(Board, 6, 0)), highlight);
  EXPECT_EQ(PixelAt(Board, Centre(Board, 7, 0)), highlight);
  EXPECT_EQ(PixelAt(Board, Centre(Board, 7, 1)), ColorToRGB(clWindow));
  EXPECT_EQ(PixelAt(Board, Centre(Board, 5, 0)), ColorToRGB(clBtnFace));
}

TEST_F(GridsTest, GridLinesTakeTheirWidthBetweenCells) {
  // Board: lines of width 3 between scrollable cells; its window is white.
  const RECT cell = Board->CellRect(6, 1);
  const auto across =
      Pixels(Board, RECT{cell.right - 1, cell.top + 5, cell.right + 4, cell.top + 6});
  ASSERT_EQ(across.size(), 5u);
  EXPECT_EQ(across[0], ColorToRGB(clWindow));
  for (std::size_t i = 1; i <= 3; ++i)
    EXPECT_NE(across[i], ColorToRGB(clWindow)) << i;
  EXPECT_EQ(across[4], ColorToRGB(clWindow));

  Board->SetOptions(goRowSelect);
  const RECT joined = Board->CellRect(6, 1);
  EXPECT_EQ(Board->CellRect(7, 1).left, joined.right) << "without lines cells touch";
}

TEST_F(GridsTest, TextIsDrawnInTheFontColourInsideItsCellOnly) {
  Grid->SetCells(3, 2, "WWWWWWWWWWWWWWWW");
  Grid->SetCells(0, 4, "Rank");
  EXPECT_TRUE(CellShows(Grid, 3, 2, clRed));
  EXPECT_TRUE(CellShows(Grid, 0, 4, clRed));
  EXPECT_FALSE(CellShows(Grid, 4, 2, clRed)) << "text spilled into the next cell";
  EXPECT_FALSE(CellShows(Grid, 3, 3, clRed));

  // The text starts 2 pixels in from the cell's corner.
  const RECT cell = Grid->CellRect(3, 2);
  const auto margin = Pixels(Grid, RECT{cell.left, cell.top, cell.left + 2, cell.bottom});
  EXPECT_EQ(std::count(margin.begin(), margin.end(), ColorToRGB(clRed)), 0);

  Grid->SetCells(1, 1, "WWW");
  EXPECT_TRUE(CellShows(Grid, 1, 1, clHighlightText));
  EXPECT_FALSE(CellShows(Grid, 1, 1, clRed));
}

// --- Owner drawing ----------------------------------------------------------------------------

using GridsDrawCellTest = GridsTest;

// Repaints the whole grid and gives what the handler was asked to draw.
std::vector<TGridsForm::TDrawn> DrawnOnRepaint(TGridsForm& form, TStringGrid& grid) {
  form.Drawn.clear();
  RedrawWindow(grid.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return form.Drawn;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(GridsDrawCellTest, RunsOncePerVisibleCellWithItsRectangleAndState) {
  Grid->OnDrawCell = std::bind_front(&TGridsForm::GridDrawCell, Form);
  // Row 7 starts below the window's bottom edge once row 6 is this tall.
  Grid->SetRowHeights(6, 100);
  ASSERT_GE(Grid->CellRect(0, 7).top, Grid->ClientHeight());
  ASSERT_LT(Grid->CellRect(0, 6).top, Grid->ClientHeight());

  const auto drawn = DrawnOnRepaint(*Form, *Grid);
  EXPECT_EQ(drawn.size(), 7u * 7u);
  std::vector<std::pair<int, int>> seen;
  for (const auto& cell : drawn) {
    seen.emplace_back(cell.Col, cell.Row);
    EXPECT_TRUE(SameRect(cell.Rect, Grid->CellRect(cell.Col, cell.Row)))
        << cell.Col << "," << cell.Row;
    const bool fixed = cell.Col == 0 || cell.Row == 0;
    const bool current = cell.Col == 1 && cell.Row == 1;
    EXPECT_EQ((cell.State & gdFixed) != 0, fixed) << cell.Col << "," << cell.Row;
    EXPECT_EQ((cell.State & gdSelected) != 0, current) << cell.Col << "," << cell.Row;
    EXPECT_EQ((cell.State & gdFocused) != 0, current && Grid->Focused());
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "a cell drawn twice";
  EXPECT_TRUE(std::none_of(drawn.begin(), drawn.end(), [](const auto& c) { return c.Row == 7; }));

  ClickCell(Grid, 4, 5);
  ASSERT_TRUE(test::TakeFocus(Grid->Handle()));
  ASSERT_TRUE(Grid->Focused());
  for (const auto& cell : DrawnOnRepaint(*Form, *Grid)) {
    const bool current = cell.Col == 4 && cell.Row == 5;
    EXPECT_EQ(cell.State, current ? TGridDrawState(gdSelected | gdFocused) : cell.State & gdFixed)
        << cell.Col << "," << cell.Row;
  }
}

TEST_F(GridsDrawCellTest, CellsOfZeroWidthOrHeightAreNeverDrawn) {
  Grid->OnDrawCell = std::bind_front(&TGridsForm::GridDrawCell, Form);
  Grid->SetColWidths(2, 0);
  Grid->SetRowHeights(3, 0);
  Grid->SetColWidths(6, 0);
  const auto drawn = DrawnOnRepaint(*Form, *Grid);
  EXPECT_EQ(drawn.size(), 5u * 7u);
  for (const auto& cell : drawn) {
    EXPECT_TRUE(cell.Col != 2 && cell.Col != 6 && cell.Row != 3) << cell.Col << "," << cell.Row;
    EXPECT_GT(cell.Rect.right, cell.Rect.left);
    EXPECT_GT(cell.Rect.bottom, cell.Rect.top);
  }
  // The columns after the hidden one move left by its width.
  EXPECT_EQ(Grid->CellRect(3, 1).left, Grid->CellRect(1, 1).right + 2);
}

TEST_F(GridsDrawCellTest, WithoutDefaultDrawingOnlyTheHandlerPaints) {
  Grid->SetCells(3, 3, "WWWW");
  Grid->SetCells(0, 2, "WWWW");
  Grid->OnDrawCell = std::bind_front(&TGridsForm::GridDrawCell, Form);
  Grid->SetDefaultDrawing(false);
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 3, 3)), ColorToRGB(clLime));
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 0, 2)), ColorToRGB(clLime));
  EXPECT_EQ(PixelAt(Grid, Centre(Grid, 1, 1)), ColorToRGB(clLime));
  EXPECT_FALSE(CellShows(Grid, 3, 3, clRed)) << "the grid drew the text itself";
  EXPECT_FALSE(CellShows(Grid, 0, 2, clRed));
  // Grid lines stay the grid's.
  const RECT cell = Grid->CellRect(3, 3);
  EXPECT_EQ(PixelAt(Grid, POINT{cell.right, cell.top + 5}), ColorToRGB(clSilver));

  // The canvas comes prepared with the colours of each cell's state.
  const auto drawn = DrawnOnRepaint(*Form, *Grid);
  ASSERT_FALSE(drawn.empty());
  for (const auto& cell : drawn) {
    if (cell.State & gdFixed) {
      EXPECT_EQ(cell.Brush, clYellow);
      EXPECT_EQ(cell.Font, clRed);
    } else if (cell.State & gdSelected) {
      EXPECT_EQ(cell.Brush, clHighlight);
      EXPECT_EQ(cell.Font, clHighlightText);
    } else {
      EXPECT_EQ(cell.Brush, clWhite);
      EXPECT_EQ(cell.Font, clRed);
    }
  }
}

TEST_F(GridsDrawCellTest, WithDefaultDrawingTheHandlerPaintsOverTheDefaultLook) {
  Grid->SetCells(3, 3, "WWWW");
  Grid->OnDrawCell = [](TObject* sender, int col, int row, const RECT& rect, TGridDrawState) {
    if (col != 3 || row != 3)
      return;
    TCanvas& canvas = dynamic_cast<TStringGrid&>(*sender).Canvas();
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(RECT{rect.right - 6, rect.bottom - 6, rect.right, rect.bottom});
  };
  const RECT cell = Grid->CellRect(3, 3);
  EXPECT_EQ(PixelAt(Grid, POINT{cell.right - 2, cell.bottom - 2}), ColorToRGB(clLime));
  EXPECT_TRUE(CellShows(Grid, 3, 3, clRed)) << "the default text went missing";
  EXPECT_EQ(PixelAt(Grid, POINT{cell.right - 2, cell.top + 1}), ColorToRGB(clWhite));
}

TEST_F(GridsDrawCellTest, FormDataBindsTheHandlerAndTurnsDefaultDrawingOff) {
  EXPECT_TRUE(Grid->DefaultDrawing());
  EXPECT_FALSE(Contains(WrittenNames(*Grid, *Form), "DefaultDrawing"));
  Grid->SetDefaultDrawing(false);
  EXPECT_TRUE(Contains(WrittenNames(*Grid, *Form), "DefaultDrawing"));

  TGridsForm drawn(nullptr);
  ReadComponentFromText(drawn,
                        "object GridsForm: TGridsForm\n"
                        "  Left = 700\n"
                        "  Width = 300\n"
                        "  Height = 200\n"
                        "  object Sheet: TStringGrid\n"
                        "    Width = 250\n"
                        "    Height = 120\n"
                        "    ColCount = 3\n"
                        "    RowCount = 2\n"
                        "    DefaultDrawing = False\n"
                        "    OnDrawCell = GridDrawCell\n"
                        "  end\n"
                        "end\n",
                        "drawn");
  auto* sheet = dynamic_cast<TStringGrid*>(drawn.FindComponent("Sheet"));
  ASSERT_NE(sheet, nullptr);
  EXPECT_FALSE(sheet->DefaultDrawing());
  ASSERT_TRUE(sheet->OnDrawCell);
  drawn.Show();
  App.ProcessMessages();
  const auto cells = DrawnOnRepaint(drawn, *sheet);
  EXPECT_EQ(cells.size(), 6u);
  EXPECT_EQ(PixelAt(sheet, Centre(sheet, 2, 1)), ColorToRGB(clLime));
}

} // namespace
} // namespace marivo
