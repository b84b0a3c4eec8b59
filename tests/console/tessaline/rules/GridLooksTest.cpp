#include "console/tessaline/rules/GridLooks.h"

#include <gtest/gtest.h>

#include <string>

namespace marivo {
namespace {

using enum TGridColour;

TCellLook Plain(TGridColour brush, TGridColour font, const std::string& text) {
  return {brush, brush, font, text};
}

// The referee's grid of two elements: rows 0 heading, 1-2 elements, 3 separator, 4-6 impression,
// 7-9 STC; columns 0-3 element, 4-8 judges, 9-11 decisions.
constexpr int Rows = 10;
constexpr int Cols = 12;

TEST(GridLooks, RefereeCellsShowScoresDecisionsAndGreyTheFoot) {
  const struct {
    int Col;
    int Row;
    const char* Text;
    TCellLook Look;
  } cases[] = {
      {0, 0, "<-- Home", Plain(Silver, Black, "<-- Home")},
      {5, 0, "Jd 2", Plain(Blue, White, "Jd 2")},
      {0, 1, "*0:10-0:20", Plain(Lime, Blue, "*0:10-0:20")},
      {0, 2, "0:20-0:30", Plain(Blue, White, "0:20-0:30")},
      {2, 1, "TRE 1.2", Plain(Blue, White, "TRE 1.2")},
      {4, 1, "0.00", Plain(Red, White, "0.00")},
      {8, 2, "7.25", Plain(White, Black, "7.25")},
      {9, 1, "10001", {Green, Red, White, "P-->F"}},
      {10, 1, "10000", Plain(Green, White, "Passed")},
      {11, 1, "01010", {Red, Green, White, "F-->P"}},
      {9, 2, "01", Plain(Red, White, "Failed")},
      {10, 2, "00110", {Yellow, Green, White, "Rev-P"}},
      {11, 2, "00101", {Yellow, Red, White, "Rev-F"}},
      {9, 2, "00111", {Yellow, Green, White, "Rev-P"}},
      {10, 2, "001", Plain(Yellow, Black, "Review")},
      {11, 2, "00000", Plain(White, White, "00000")},
      {11, 2, "", Plain(White, White, "")},
      {2, 3, "", Plain(Gray, Black, "")},
      {6, 3, "7.5", Plain(Gray, Black, "")},
      {4, 5, "8.0", Plain(White, Black, "8.0")},
      {9, 5, "10000", Plain(Gray, Black, "")},
      {8, 6, "8.5", Plain(White, Black, "8.5")},
      {5, 7, "0", Plain(White, Black, "")},
      {6, 8, "3", Plain(White, Black, "3")},
      {7, 9, "2", Plain(Gray, Black, "")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Col) + "," + std::to_string(c.Row) + " " + c.Text);
    EXPECT_EQ(RefereeCellLook(c.Col, c.Row, Rows, Cols, c.Text), c.Look);
  }
}

TEST(GridLooks, DifficultyCellsShowWordsAndColourTheDDByItsSource) {
  const struct {
    int Col;
    int Row;
    const char* Text;
    const char* Declared;
    const char* Failed;
    TCellLook Look;
    bool Technical = false;
  } cases[] = {
      {0, 0, "<-- Home", "", "", Plain(Silver, Black, "<-- Home")},
      {6, 0, "Pass", "", "", Plain(Blue, White, "Pass")},
      {0, 1, "*0:10", "1.2", "0.6", Plain(Lime, Blue, "*0:10")},
      {3, 1, "TRE 1.2", "1.2", "0.6", Plain(Blue, White, "TRE 1.2")},
      {5, 1, "1.2", "1.2", "0.6", Plain(Green, White, "1.2")},
      {5, 1, "0.6", "1.2", "0.6", Plain(Red, White, "0.6")},
      {5, 1, "0.6", "0.6", "0.6", Plain(Green, White, "0.6")},
      {5, 1, "1.4", "1.2", "0.6", Plain(Yellow, Black, "1.4")},
      {5, 1, "1.2", "0", "0.6", Plain(Blue, White, "1.2")},
      {6, 1, "1", "1.2", "0.6", Plain(Green, White, "Passed")},
      {7, 1, "1", "1.2", "0.6", Plain(Red, White, "Failed")},
      {8, 1, "1", "1.2", "0.6", Plain(Yellow, Black, "Review")},
      {8, 1, "0", "1.2", "0.6", Plain(White, White, "0")},
      {15, 1, "1", "1.2", "0.6", Plain(Green, White, "Passed")},
      {16, 1, "1", "1.2", "0.6", Plain(Red, White, "Failed")},
      {5, 1, "1.2", "1.2", "0.6", Plain(Blue, White, "1.2"), true},
      {9, 1, "10001", "0", "0.6", Plain(Green, White, "Passed")},
      {10, 1, "01010", "0", "0.6", Plain(Red, White, "Failed")},
      {11, 1, "00101", "0", "0.6", {Yellow, Red, White, "Rev-F"}},
      {9, 1, "00000", "0", "0.6", Plain(White, White, "")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Col) + "," + std::to_string(c.Row) + " " + c.Text);
    EXPECT_EQ(DATCCellLook(c.Col, c.Row, c.Text, c.Declared, c.Failed, c.Technical), c.Look);
  }
}

TEST(GridLooks, LongDeclarationsBreakAfterABlankOrDashInTheirFirst29Characters) {
  using TLines = std::pair<std::string, std::string>;
  const std::string thirty(30, 'x');
  EXPECT_EQ(SplitDeclaration(thirty), std::nullopt);
  EXPECT_EQ(SplitDeclaration(thirty + "y"), TLines(std::string(29, 'x'), "xy"));
  EXPECT_EQ(SplitDeclaration("1T2a 2S3b-4F1c 5PC1 6FAB2 7TB1c"),
            TLines("1T2a 2S3b-4F1c 5PC1 6FAB2 ", "7TB1c"));
  EXPECT_EQ(SplitDeclaration("1T2a-" + std::string(30, 'z')),
            TLines("1T2a-", std::string(30, 'z')));
  EXPECT_EQ(SplitDeclaration(std::string(28, 'a') + " " + "bbbb"),
            TLines(std::string(28, 'a') + " ", "bbbb"));
}

} // namespace
} // namespace marivo
