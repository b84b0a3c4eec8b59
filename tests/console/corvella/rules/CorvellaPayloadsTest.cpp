// The earlier rules' payloads and the head judge's grid, one table per rule.
#include "console/corvella/rules/CorvellaPayloads.h"
#include "console/common/protocol/Protocol.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/PayloadText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo::corvella {
namespace {

using marivo::test::WithSeparators;
constexpr auto W = WithSeparators;

TEST(CorvellaPayloads, FinalScoresByJudgeAndDiscipline) {
  struct TRow {
    const char* Payload;
    bool Technical;
    int Judge;
    std::vector<std::string> Items;
  };
  const TRow rows[] = {
      {"3[DC1] 7.5 [DC2]", false, 3, {"7.5"}},
      {"7[DC1]0.00[DC2]", true, 7, {"0.00"}},
      {"12[DC1]6.0[DC2]", false, 12, {"6.0"}},
      {"12[DC1]6.0[DC2]", true, 12, {"6.0", "", "", "", ""}},
      {"12[DC1]1.0[DC2] 2.0[DC3]3.0 [DC4]4.0[DC5]5.0 ",
       true,
       12,
       {"1.0", "2.0", "3.0", "4.0", "5.0 "}},
      {"16[DC1]0:00[DC2]1:02.3[DC3]2:50.1[DC4]", false, 16, {"0:00.0", "1:02.3", "2:50.1"}},
      {"17[DC1]0.5[DC2]1.0[DC3]", false, 17, {"0.5", "1.0"}},
      {"18[DC1]9.9[DC2]", false, 18, {}},
      {"0[DC1]9.9[DC2]", false, 0, {}},
  };
  for (const TRow& row : rows) {
    const TFinalScores scores = ParseFinalScores(W(row.Payload), row.Technical);
    EXPECT_EQ(scores.Judge, row.Judge) << row.Payload;
    EXPECT_EQ(scores.Items, row.Items) << row.Payload;
  }
  EXPECT_THROW(ParseFinalScores(W("three[DC1]1.0[DC2]"), false), EConvertError);
  EXPECT_THROW(ParseFinalScores(W("[DC1]1.0[DC2]"), false), EConvertError);
}

TEST(CorvellaPayloads, RelayedScoresBySender) {
  struct TRow {
    int Sender;
    const char* Payload;
    bool Technical;
    std::vector<std::string> Items;
  };
  const TRow rows[] = {
      {2, " 7.5[DC1]", false, {" 7.5"}},
      {8, "6.0[DC1]", true, {"6.0"}},
      {13, "1.0[DC1] 2.0[DC2]3.0[DC3]4.0[DC4]5.0[DC5]", true, {"1.0", "2.0", "3.0", "4.0", "5.0"}},
      {13, "1.0[DC1]2.0[DC2]", false, {"1.0"}},
      {16, "0:45.3[DC1]0:00.2[DC2]3:10.7[DC3]", false, {"0:45.3", "0:00.2", "3:10.7"}},
      {17, "0.5[DC1]1.0[DC2]", true, {"0.5", "1.0"}},
      {0, "1.0[DC1]", false, {}},
      {18, "1.0[DC1]", false, {}},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(ParseRelayedScore(row.Sender, W(row.Payload), row.Technical), row.Items)
        << row.Sender << " " << row.Payload;
}

TEST(CorvellaPayloads, GridPlacesAndTheScoresTheConsoleSends) {
  struct TRow {
    int Judge;
    bool Technical;
    int Col, FirstRow, Rows; // Rows 0: no place
  };
  const TRow rows[] = {
      {1, false, 1, 1, 1},  {5, true, 5, 1, 1},   {6, false, 1, 2, 1},  {10, true, 5, 2, 1},
      {11, false, 1, 3, 1}, {15, true, 5, 3, 5},  {16, false, 0, 0, 0}, {17, true, 0, 0, 0},
      {0, false, 0, 0, 0},  {18, false, 0, 0, 0},
  };
  for (const TRow& row : rows) {
    const auto span = HeadJudgeCells(row.Judge, row.Technical);
    ASSERT_EQ(span.has_value(), row.Rows > 0) << row.Judge;
    if (span) {
      EXPECT_EQ(span->Col, row.Col) << row.Judge;
      EXPECT_EQ(span->FirstRow, row.FirstRow) << row.Judge;
      EXPECT_EQ(span->Rows, row.Rows) << row.Judge;
    }
  }
  EXPECT_EQ(SingleScorePayload("7.5"), W("7.5[DC1]"));
  EXPECT_EQ(ElementScoresPayload({"1.0", "", "3.0", "4.0", "10.0"}),
            W("1.0[DC1][DC2]3.0[DC3]4.0[DC4]10.0[DC5]"));
  EXPECT_EQ(PenaltiesPayload("0.5", "1.0"), W("0.5[DC1]1.0[DC2]"));
}

TEST(HeadJudgeGrid, HeadingsAndWhichZerosShow) {
  EXPECT_EQ(HeadJudgeRowLabels(false),
            (std::vector<std::string>{"", "Execution", "Art. Impression", "Difficulty"}));
  EXPECT_EQ(HeadJudgeRowLabels(true),
            (std::vector<std::string>{"", "Execution", "Impression", "Element 1", "Element 2",
                                      "Element 3", "Element 4", "Element 5"}));
  EXPECT_EQ(HeadJudgeColumnLabel(0), "");
  EXPECT_EQ(HeadJudgeColumnLabel(5), "Judge 5");
  EXPECT_EQ(HeadJudgeColumnLabel(6), "");

  using TColumn = std::vector<std::string>;
  struct TRow {
    TColumn Column;
    int Row;
    const char* Shown;
  };
  const TColumn allZero = {"Judge 1", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"};
  const TColumn oneElement = {"Judge 1", "0.0", "0.0", "0.0", "7.5", "0.0", "0.0", "0.0"};
  const TColumn emptyElement = {"Judge 1", "0.0", "0.0", "0.0", "", "0.0", "0.0", "0.0"};
  const TRow rows[] = {
      {allZero, 1, ""},
      {allZero, 3, ""},
      {allZero, 7, ""},
      {oneElement, 3, "0.0"},
      {oneElement, 7, "0.0"},
      {oneElement, 4, "7.5"},
      {oneElement, 1, ""},
      {oneElement, 2, ""},
      {emptyElement, 3, "0.0"},
      {{"", " 0.0 ", "8.0", "0.0"}, 1, ""},
      {{"", "0.0", "8.0", "0.0"}, 3, ""},
      {{"", "0.0", "8.0", "0.0"}, 2, "8.0"},
      {allZero, 9, ""},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(HeadJudgeCellText(row.Column, row.Row), row.Shown) << "row " << row.Row;
}

} // namespace
} // namespace marivo::corvella
