// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "console/common/protocol/Protocol.h"
#include "console/tessaline/MainForm.h"
#include "platform/ui/Application.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace marivo {
namespace {

enum TPage { Detailed = 1, Referees = 4, DATC = 6 };

// One declared element as the server sends it: timing, part, declared difficulty, bonus, DD and
// the DD on failure.
using TElement = std::array<std::string, 6>;

const std::vector<TElement> ThreeElements = {
    TElement{"0:10-0:25", "TRE", "TRE2a", "0.5", "2.1", "1.1"},
    TElement{"0:30-0:45", "HYBRID", "F1 2PR", "", "3.25", "0.5"},
    TElement{"0:50-1:05", "ACRO", "A-B", "B1", "1.9", "0.9"}};

std::string ElementFrame(const std::vector<TElement>& elements) {
  std::string payload = std::to_string(elements.size()) + DC1;
  for (const TElement& element : elements) {
    for (const std::string& item : element)
      payload += item + DC2;
  }
  return std::string(1, SOH) + "AEFREEZEL " + STX + payload + EOT;
}

// The console after its start-up, shown, in a fresh current folder of its own.
class ElementGrids : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    Console.Start();
    // Shown, then its second start-up stage, as after a double click on the program.
    MainForm->Show();
    Console.Clock().Advance(100);
    ASSERT_TRUE(Part<TTimer>("TimerPowerMeter").Enabled()) << "the start-up did not finish";
  }
  void Announce(const std::vector<TElement>& elements) {
    MainForm->DispatchFrame(ElementFrame(elements));
  }
  void ShowPage(int page) {
    Part<TNotebook>("_Notebook").SetPageIndex(page);
    Console.App().ProcessMessages();
  }

  std::vector<std::string> Row(const std::string& grid, int row) {
    std::vector<std::string> cells;
    for (int col = 0; col < Grid(grid).ColCount(); ++col)
      cells.push_back(Grid(grid).Cells(col, row));
    return cells;
  }
  std::vector<int> Widths(const std::string& grid) {
    std::vector<int> widths;
    for (int col = 0; col < Grid(grid).ColCount(); ++col)
      widths.push_back(Grid(grid).ColWidths(col));
    return widths;
  }

  // What reached the screen of a cell, after the grid painted itself anew.
  std::vector<COLORREF> CellPixels(TStringGrid& grid, int col, int row, bool repaint = true) {
    if (repaint)
      RedrawWindow(grid.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return test::ScreenPixels(grid.Handle(), grid.CellRect(col, row));
  }
  // The background is what most of a cell shows.
  static COLORREF Most(const std::vector<COLORREF>& pixels) {
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : pixels)
      ++counts[pixel];
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? CLR_INVALID : most->first;
  }
  static bool Shows(const std::vector<COLORREF>& pixels, TColor color) {
    return std::find(pixels.begin(), pixels.end(), ColorToRGB(color)) != pixels.end();
  }

  test::TTemporaryCurrentFolder Folder{"marivo-grids-"};
};

// --- Building ----------------------------------------------------------------------------------

using ElementGridsBuild = ElementGrids;

TEST_F(ElementGridsBuild, TheElementJudgesGridsListEveryElementAndFitTheirPanel) {
  ChooseRole(0);
  ShowPage(Detailed);
  Announce(ThreeElements);

  TStringGrid& detailed = Grid("GridDetailedScores");
  const auto& elements = Part<TPanel>("PanelElements");
  EXPECT_EQ(detailed.RowCount(), 3);
  EXPECT_EQ(detailed.Left(), 0);
  EXPECT_EQ(detailed.Top(), 8);
  EXPECT_EQ(detailed.Width(), elements.Width());
  EXPECT_EQ(detailed.Height(), elements.Height() - 8);
  // The rows share the grid's height; the two columns its width, three quarters to the labels.
  EXPECT_EQ(detailed.DefaultRowHeight(), detailed.Height() / 3 - 2);
  EXPECT_LE(3 * (detailed.DefaultRowHeight() + 1), detailed.Height());
  const int quarter = detailed.Width() / 4;
  EXPECT_EQ(detailed.ColWidths(0), 3 * quarter - 3);
  EXPECT_EQ(detailed.ColWidths(1), quarter - 1);
  // A "TRE" element is labelled by its declared difficulty, the others by their part.
  EXPECT_EQ(detailed.Cells(0, 0), "TRE2a");
  EXPECT_EQ(detailed.Cells(0, 1), "HYBRID");
  EXPECT_EQ(detailed.Cells(0, 2), "ACRO");

  TStringGrid& previous = Grid("GridPreviousScores");
  EXPECT_EQ(previous.ColCount(), 3);
  EXPECT_EQ(Row("GridPreviousScores", 0), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(previous.Width(), 3 * (previous.DefaultColWidth() + 1));
  const auto& det = Part<TPanel>("PanelDET");
  EXPECT_EQ(previous.Left(),
            (det.Width() - Part<TPanel>("PanelRight").Width() - previous.Width()) / 2);
  EXPECT_EQ(previous.Top() + previous.Height() + Part<TMVWSimpleLabel>("LabelDETMessage").Height(),
            det.Top() + det.Height());
}

TEST_F(ElementGridsBuild, AnImpressionJudgeGetsTheThreeImpressionHeadings) {
  ChooseRole(5);
  ShowPage(Detailed);
  Part<TPanel>("PanelElements").Hide();
  Part<TPanel>("PanelAI").Show();
  std::vector<TElement> five = ThreeElements;
  five.insert(five.end(), ThreeElements.begin(), ThreeElements.begin() + 2);
  Announce(five);
  TStringGrid& previous = Grid("GridPreviousScores");
  EXPECT_EQ(Row("GridPreviousScores", 0), (std::vector<std::string>{"C/M", "Perf", "Trans"}))
      << "three scores, whatever the element count";
  EXPECT_EQ(previous.Width(), 3 * previous.DefaultColWidth() + 3);
}

TEST_F(ElementGridsBuild, TheRefereesGridHasElementsASeparatorAndTheSixMarkRows) {
  ChooseRole(17);
  ShowPage(Referees);
  // A longer list first: the rows it leaves behind must not show through the shorter one.
  std::vector<TElement> five = ThreeElements;
  five.push_back(TElement{"1:10-1:20", "TRE", "TRE4", "1", "1.5", "0.5"});
  five.push_back(TElement{"1:30-1:40", "ACRO", "C-D", "", "2.5", "1"});
  Announce(five);
  Announce(ThreeElements);

  TStringGrid& referee = Grid("GridReferee");
  const auto& panel = Part<TPanel>("HJDETScorePanel");
  ASSERT_EQ(referee.RowCount(), 11);
  EXPECT_EQ(referee.Left(), 8);
  EXPECT_EQ(referee.Top(), 8);
  EXPECT_EQ(referee.Width(), panel.Width() - 16);
  EXPECT_EQ(referee.Height(), panel.Height() - 16);
  EXPECT_EQ(referee.DefaultRowHeight(), referee.Height() / 11 - 1);

  EXPECT_EQ(
      Row("GridReferee", 0),
      (std::vector<std::string>{"<-- Home", "PART", "DECLARED DIFFICULTY", "BONUS", "Jd 1", "Jd 2",
                                "Jd 3", "Jd 4", "Jd 5", "DATC 1", "DATC 2", "DTC 3"}));
  const int f = referee.Width() / 20 - 1;
  EXPECT_EQ(Widths("GridReferee"), (std::vector<int>{2 * f, f * 3 / 2, f * 9 / 2, 2 * f, f, f, f, f,
                                                     f, f * 3 / 2, f * 3 / 2, f * 3 / 2}));
  for (int r = 1; r <= 3; ++r) {
    const TElement& element = ThreeElements[static_cast<std::size_t>(r - 1)];
    for (int col = 0; col < 4; ++col)
      EXPECT_EQ(referee.Cells(col, r), element[static_cast<std::size_t>(col)]) << col << "," << r;
  }
  for (int col = 0; col < 6; ++col)
    EXPECT_EQ(referee.Cells(col, 4), "") << "separator column " << col;
  const std::vector<std::string> labels = {"Choreo and Music", "Performance", "Transitions",
                                           "STC Small",        "STC Obvious", "STC Major"};
  for (int i = 0; i < 6; ++i) {
    const int r = 5 + i;
    EXPECT_EQ(referee.Cells(2, r), labels[static_cast<std::size_t>(i)]);
    EXPECT_EQ(referee.Cells(0, r), "") << r;
    EXPECT_EQ(referee.Cells(1, r), "") << r;
    EXPECT_EQ(referee.Cells(3, r), "") << r;
  }

  // The synchronization events panel covers the last six rows, at the grid's right.
  const auto& events = Part<TMVWPanelFill>("GridSTCPanel");
  EXPECT_EQ(events.Left() + events.Width() + 48, referee.Left() + referee.Width());
  EXPECT_EQ(events.Top(), referee.Top() + 5 * (referee.DefaultRowHeight() + 1));
  EXPECT_EQ(events.Height(), 6 * referee.DefaultRowHeight() + 6);
}

TEST_F(ElementGridsBuild, TheDifficultyControllersGridHoldsEveryElementUndecided) {
  ChooseRole(13);
  ShowPage(DATC);
  Announce(ThreeElements);

  TStringGrid& datc = Grid("GridDATC");
  const auto& panel = Part<TPanel>("PanelDATC");
  ASSERT_EQ(datc.RowCount(), 4);
  EXPECT_EQ(datc.Left(), 8);
  EXPECT_EQ(datc.Top(), 8);
  EXPECT_EQ(datc.Width(), panel.Width() - Part<TPanel>("PanelRight").Width() - 16);
  EXPECT_EQ(datc.Height(), panel.Height() - 16);
  EXPECT_EQ(datc.DefaultRowHeight(), datc.Height() / 4 - 1);
  EXPECT_EQ(Row("GridDATC", 0),
            (std::vector<std::string>{"<-- Home", "PART", "EL", "DECLARED DIFFICULTY", "BONUS",
                                      "DD", "Pass", "Fail", "Rev", "DATC 1", "DATC 2", "DATC 3", "",
                                      "", "", "Rev P", "Rev F"}));
  const int w = datc.Width() / 18 - 1;
  EXPECT_EQ(Widths("GridDATC"), (std::vector<int>{2 * w, w * 3 / 2, w, w * 9 / 2, 2 * w, 2 * w, w,
                                                  w, w, 0, 0, 0, 0, 0, 0, w, w}));
  // The visible columns fit the grid.
  const auto widths = Widths("GridDATC");
  int total = 0;
  for (int width : widths)
    total += width + 1;
  EXPECT_LE(total, datc.Width());

  EXPECT_EQ(Row("GridDATC", 2),
            (std::vector<std::string>{"0:30-0:45", "HYBRID", "2", "F1 2PR", "", "3.25", "0", "0",
                                      "0", "0", "0", "3.25", "0.50", "F1 2PR", "", "0", "0"}));
  EXPECT_EQ(Row("GridDATC", 1)[11], "2.1") << "the declared DD, restored on Pass";
  EXPECT_EQ(Row("GridDATC", 3)[12], "0.90") << "the DD on failure";
}

TEST_F(ElementGridsBuild, TheDTCSeesTheControllersColumnsInPlaceOfItsOwn) {
  ChooseRole(19);
  ShowPage(DATC);
  Announce(ThreeElements);
  TStringGrid& datc = Grid("GridDATC");
  const int w = datc.Width() / 18 - 1;
  EXPECT_EQ(Widths("GridDATC"),
            (std::vector<int>{2 * w, w * 3 / 2, w, w * 9 / 2, 2 * w, 2 * w, 0, 0, 0, w * 3 / 2,
                              w * 3 / 2, w * 3 / 2, 0, 0, 0, 0, 0}));
  for (int r = 1; r <= 3; ++r) {
    EXPECT_EQ(datc.Cells(9, r), "0");
    EXPECT_EQ(datc.Cells(11, r), "0") << "no declared DD in the third controller's column";
  }
}

TEST_F(ElementGridsBuild, AnEmptyElementListBuildsEmptyGridsThatStillPaint) {
  ChooseRole(17);
  ShowPage(Referees);
  Announce(ThreeElements);
  Announce({});
  EXPECT_EQ(Grid("GridDetailedScores").RowCount(), 0);
  EXPECT_EQ(Grid("GridPreviousScores").ColCount(), 0);
  EXPECT_EQ(Grid("GridDATC").RowCount(), 1);
  EXPECT_EQ(Row("GridDATC", 0)[0], "<-- Home");
  TStringGrid& referee = Grid("GridReferee");
  ASSERT_EQ(referee.RowCount(), 8);
  EXPECT_EQ(referee.Cells(2, 1), "") << "the separator follows the heading";
  EXPECT_EQ(referee.Cells(2, 2), "Choreo and Music");
  EXPECT_EQ(referee.Cells(2, 7), "STC Major");
  EXPECT_EQ(referee.DefaultRowHeight(), referee.Height() / 8 - 1);

  ShowPage(Detailed);
  RedrawWindow(MainForm->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ShowPage(Referees);
  ShowPage(DATC);
  EXPECT_EQ(Part<TNotebook>("_Notebook").PageIndex(), DATC);
}

// --- Drawing -----------------------------------------------------------------------------------

using ElementGridsDrawing = ElementGrids;

TEST_F(ElementGridsDrawing, TheFormDrawsTheThreeGridsItself) {
  for (const char* name : {"GridDetailedScores", "GridConfirm", "GridPreviousScores"}) {
    EXPECT_FALSE(Grid(name).DefaultDrawing()) << name;
    EXPECT_TRUE(Grid(name).OnDrawCell) << name;
  }
  EXPECT_TRUE(Grid("GridDetailedScores").OnSelectCell);
}

TEST_F(ElementGridsDrawing, TheCursorRowIsGreenOtherRowsWhiteLabelsBlue) {
  ChooseRole(0);
  ShowPage(Detailed);
  Announce(ThreeElements);
  TStringGrid& grid = Grid("GridDetailedScores");
  for (int r = 0; r < 3; ++r)
    grid.SetCells(1, r, "7.50");
  MainForm->ScoreCursor = 1;

  for (int r = 0; r < 3; ++r) {
    const auto label = CellPixels(grid, 0, r);
    EXPECT_EQ(Most(label), ColorToRGB(clBlue)) << r;
    EXPECT_TRUE(Shows(label, clWhite)) << "label text of row " << r;
    const auto score = CellPixels(grid, 1, r);
    if (r == 1) {
      EXPECT_EQ(Most(score), ColorToRGB(clGreen));
      EXPECT_TRUE(Shows(score, clWhite)) << "score text of the cursor row";
    } else {
      EXPECT_EQ(Most(score), ColorToRGB(clWhite)) << r;
      EXPECT_TRUE(Shows(score, clBlack)) << "score text of row " << r;
    }
  }
}

TEST_F(ElementGridsDrawing, ScoresAreFittedIntoTheirCellAndCentred) {
  ChooseRole(0);
  ShowPage(Detailed);
  Announce(ThreeElements);
  TStringGrid& grid = Grid("GridDetailedScores");
  grid.SetCells(1, 0, "10.00");
  MainForm->ScoreCursor = 2;
  const RECT cell = grid.CellRect(1, 0);
  const auto pixels = CellPixels(grid, 1, 0);
  const int width = cell.right - cell.left;
  int left = width;
  int right = -1;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (pixels[i] == ColorToRGB(clBlack)) {
      const int x = static_cast<int>(i) % width;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  ASSERT_GE(right, 0) << "no text drawn";
  EXPECT_GT(left, 0);
  EXPECT_LT(right, width - 1);
  // Centred, give or take the blank the fitting leaves and the 3 pixel shift.
  EXPECT_LE(std::abs((left + right) / 2 - width / 2), 6) << left << ".." << right;
}

TEST_F(ElementGridsDrawing, ConfirmationCellsTakeThePanelsColour) {
  ChooseRole(0);
  ShowPage(Detailed);
  Announce(ThreeElements);
  Part<TWinControl>("ScoreConfirmMain").Show();
  TStringGrid& confirm = Grid("GridConfirm");
  confirm.SetCells(0, 0, "TRE2a");
  confirm.SetCells(0, 1, "7.50");
  Console.App().ProcessMessages();

  for (TColor state : {clRed, clGreen}) {
    Part<TWinControl>("ScoreConfirmMain").SetColor(state);
    for (int r = 0; r < 2; ++r) {
      const auto pixels = CellPixels(confirm, 0, r);
      EXPECT_EQ(Most(pixels), ColorToRGB(state)) << r;
      EXPECT_TRUE(Shows(pixels, clWhite)) << r;
      EXPECT_EQ(Most(CellPixels(confirm, 2, r)), ColorToRGB(state)) << "an empty cell, row " << r;
    }
  }
}

TEST_F(ElementGridsDrawing, PreviousScoresAreWhiteOnGray) {
  ChooseRole(0);
  ShowPage(Detailed);
  Announce(ThreeElements);
  TStringGrid& previous = Grid("GridPreviousScores");
  previous.SetCells(1, 1, "8.25");
  for (int r = 0; r < 2; ++r) {
    const auto pixels = CellPixels(previous, 1, r);
    EXPECT_EQ(Most(pixels), ColorToRGB(clGray)) << r;
    EXPECT_TRUE(Shows(pixels, clWhite)) << r;
  }
  // The text stands at the top of its cell.
  const RECT cell = previous.CellRect(1, 1);
  const auto top = CellPixels(previous, 1, 1);
  const int width = cell.right - cell.left;
  const auto firstWhite = std::find(top.begin(), top.end(), ColorToRGB(clWhite));
  ASSERT_NE(firstWhite, top.end());
  EXPECT_LT((firstWhite - top.begin()) / width, (cell.bottom - cell.top) / 2);
}

TEST_F(ElementGridsDrawing, DecisionsShowAsColouredWordsOnTheRefereesAndControllersGrids) {
  ChooseRole(17);
  ShowPage(Referees);
  Announce(ThreeElements);
  TStringGrid& referee = Grid("GridReferee");
  referee.SetCells(9, 1, "10000");
  referee.SetCells(10, 1, "01000");
  referee.SetCells(11, 1, "00100");
  referee.SetCells(4, 1, "0.00");
  const std::pair<int, TColor> refereeCells[] = {{9, clGreen}, {10, clRed},  {11, clYellow},
                                                 {4, clRed},   {5, clWhite}, {0, clBlue}};
  for (const auto& [col, colour] : refereeCells)
    EXPECT_EQ(Most(CellPixels(referee, col, 1)), ColorToRGB(colour)) << "referee column " << col;
  EXPECT_TRUE(Shows(CellPixels(referee, 11, 1), clBlack)) << "Review in black";
  EXPECT_EQ(Most(CellPixels(referee, 5, referee.RowCount() - 7)), ColorToRGB(clGray));

  ChooseRole(13);
  ShowPage(DATC);
  Announce(ThreeElements);
  TStringGrid& datc = Grid("GridDATC");
  datc.SetCells(6, 1, "1");
  datc.SetCells(7, 2, "1");
  datc.SetCells(5, 2, datc.Cells(DATCColumnFailedDD, 2));
  datc.SetCells(5, 3, "1.4");
  EXPECT_EQ(Most(CellPixels(datc, 6, 1)), ColorToRGB(clGreen));
  EXPECT_EQ(Most(CellPixels(datc, 7, 2)), ColorToRGB(clRed));
  EXPECT_EQ(Most(CellPixels(datc, 8, 1)), ColorToRGB(clWhite)) << "no decision shows nothing";
  EXPECT_EQ(Most(CellPixels(datc, 5, 1)), ColorToRGB(clGreen)) << "the declared DD";
  EXPECT_EQ(Most(CellPixels(datc, 5, 2)), ColorToRGB(clRed)) << "the DD on failure";
  EXPECT_EQ(Most(CellPixels(datc, 5, 3)), ColorToRGB(clYellow)) << "a re-declared DD";
}

// --- Choosing a row ----------------------------------------------------------------------------

using ElementGridsSelect = ElementGrids;

TEST_F(ElementGridsSelect, AClickedRowBecomesTheCursorAndShowsGreenAtOnce) {
  ChooseRole(0);
  ShowPage(Detailed);
  Announce(ThreeElements);
  TStringGrid& grid = Grid("GridDetailedScores");
  MainForm->ScoreCursor = 0;
  const auto click = [&](int col, int row) {
    const RECT cell = grid.CellRect(col, row);
    const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    SendMessageA(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(grid.Handle(), WM_LBUTTONUP, 0, at);
  };
  CellPixels(grid, 1, 0);

  click(1, 2);
  EXPECT_EQ(MainForm->ScoreCursor, 2);
  EXPECT_EQ(Most(CellPixels(grid, 1, 2, false)), ColorToRGB(clGreen));
  EXPECT_EQ(Most(CellPixels(grid, 1, 0, false)), ColorToRGB(clWhite));

  // The keypad moved the cursor on; a click on the grid's current cell brings it back.
  MainForm->ScoreCursor = 0;
  click(1, 2);
  EXPECT_EQ(MainForm->ScoreCursor, 2);

  click(0, 1);
  EXPECT_EQ(MainForm->ScoreCursor, 1);
  EXPECT_EQ(Most(CellPixels(grid, 1, 1, false)), ColorToRGB(clGreen));
  EXPECT_EQ(Most(CellPixels(grid, 1, 2, false)), ColorToRGB(clWhite));
  EXPECT_EQ(Most(CellPixels(grid, 0, 1, false)), ColorToRGB(clBlue));
}

} // namespace
} // namespace marivo
