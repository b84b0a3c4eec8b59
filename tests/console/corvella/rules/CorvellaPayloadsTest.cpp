// The earlier rules' portable parts: roles, one-decimal entry, element edits, payloads and the
// head judge's grid, one table per rule.
#include "console/common/protocol/Protocol.h"
#include "console/common/rules/ScoreEntry.h"
#include "console/corvella/rules/CorvellaPayloads.h"
#include "console/corvella/rules/CorvellaRoles.h"
#include "console/corvella/rules/OneDecimalScores.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/PayloadText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo::corvella {
namespace {

using marivo::test::WithSeparators;
constexpr auto W = WithSeparators;

TEST(CorvellaRoles, CodesCaptionsLabelsAndSenders) {
  struct TRow {
    int Index;
    const char* Code;
    const char* Free;
    const char* Technical;
    const char* Label; // free / technical when they differ, "" for none
    const char* TechnicalLabel;
    TRoleKind Kind;
  };
  using enum TRoleKind;
  const TRow rows[] = {
      {0, "J1  ", "Judge 1 (Execution)", "Judge 1 (Execution)", "EXEC: 1", "EXEC: 1",
       ExecutionJudge},
      {4, "J5  ", "Judge 5 (Execution)", "Judge 5 (Execution)", "EXEC: 5", "EXEC: 5",
       ExecutionJudge},
      {5, "J6  ", "Judge 1 (Art. Impression)", "Judge 1 (Impression)", "A/I: 1", "IMP: 1",
       ImpressionJudge},
      {9, "J10 ", "Judge 5 (Art. Impression)", "Judge 5 (Impression)", "A/I: 5", "IMP: 5",
       ImpressionJudge},
      {10, "J11 ", "Judge 1 (Difficulty)", "Judge 1 (Elements)", "DIFF: 1", "ELEM: 1",
       DifficultyJudge},
      {14, "J15 ", "Judge 5 (Difficulty)", "Judge 5 (Elements)", "DIFF: 5", "ELEM: 5",
       DifficultyJudge},
      {15, "TIME", "Timer", "Timer", "", "", TimeKeeper},
      {16, "HJ  ", "Head Judge", "Head Judge", "", "", Referee},
  };
  for (const TRow& row : rows) {
    EXPECT_EQ(RoleCodes[static_cast<std::size_t>(row.Index)], row.Code);
    EXPECT_EQ(RoleKind(row.Index), row.Kind);
    EXPECT_EQ(RoleCaption(row.Index, false), row.Free);
    EXPECT_EQ(RoleCaption(row.Index, true), row.Technical);
    EXPECT_EQ(JudgeLabel(row.Index, false).value_or(""), row.Label);
    EXPECT_EQ(JudgeLabel(row.Index, true).value_or(""), row.TechnicalLabel);
    EXPECT_EQ(SenderNumber(row.Code), row.Index + 1);
  }
  EXPECT_EQ(SenderNumber("ZEL "), 0) << "the server is nobody's judge";
  EXPECT_EQ(SenderNumber("J16 "), 0);
  EXPECT_EQ(SenderNumber("j1  "), 0) << "role codes compare exactly";
}

TEST(OneDecimalEntry, KeysShiftDigitsInFromTheRight) {
  struct TRow {
    const char* Text;
    int Value;
    const char* Expected;
  };
  const TRow rows[] = {
      {"0.0", 7, "0.7"},  {"0.7", 5, "7.5"},        {"7.5", 0, "5.0"},     {"", 4, "0.4"},
      {"  ", 4, "0.4"},   {"9.9", KeyClear, "0.0"}, {"", KeyClear, "0.0"}, {"3.2", KeyTen, "10.0"},
      {"10.0", 7, "0.7"}, {"8", 3, "8.3"},          {"5.", 2, "0.2"},      {"4.4", 20, "4.4"},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(OneDecimalAfterKey(row.Text, row.Value), row.Expected)
        << "'" << row.Text << "' then " << row.Value;
}

TEST(ElementEntry, KeypadBuildsTwoDigitScores) {
  struct TRow {
    const char* Text;
    int Value;
    const char* Expected;
    bool Complete;
  };
  const TRow rows[] = {
      {"", 7, "7", false},          {"7", 5, "7.5", true},  {"", KeyTen, "10.0", true},
      {"7", KeyTen, "10.0", true},  {"7.5", 3, "3", false}, {"10.0", 9, "9", false},
      {"8.1", KeyClear, "", false}, {"4", 0, "4.0", true},  {"", 0, "0", false},
  };
  for (const TRow& row : rows) {
    const TElementStep step = ElementAfterKeypad(row.Text, row.Value);
    EXPECT_EQ(step.Text, row.Expected) << "'" << row.Text << "' then " << row.Value;
    EXPECT_EQ(step.Complete, row.Complete) << "'" << row.Text << "' then " << row.Value;
  }
}

TEST(ElementEntry, KeyUpMakesTensAndPointsAndChecksWhatWasTyped) {
  constexpr unsigned Backspace = 0x08, Enter = 0x0D, Shift = 0x10, Plus = 0xBB, Digit7 = '7';
  struct TRow {
    const char* Text;
    unsigned Key;
    const char* Expected;
    TKeyUpAction Action;
  };
  const TRow rows[] = {
      {"+", Plus, "10.0", TKeyUpAction::Validate},  {"7-", 0xBD, "10.0", TKeyUpAction::Validate},
      {"=", Plus, "10.0", TKeyUpAction::Validate},  {"75", Digit7, "7.5", TKeyUpAction::Validate},
      {"7", Digit7, "7", TKeyUpAction::Validate},   {"7.5", Digit7, "7.5", TKeyUpAction::Validate},
      {"", Backspace, "", TKeyUpAction::SelectAll}, {"", Digit7, "", TKeyUpAction::SelectAll},
      {"75", Backspace, "75", TKeyUpAction::None},  {"75", Shift, "75", TKeyUpAction::None},
      {"75", Enter, "75", TKeyUpAction::None},
  };
  for (const TRow& row : rows) {
    const TElementKeyUp result = ElementAfterKeyUp(row.Text, row.Key);
    EXPECT_EQ(result.Text, row.Expected) << "'" << row.Text << "' key " << row.Key;
    EXPECT_EQ(result.Action, row.Action) << "'" << row.Text << "' key " << row.Key;
  }
}

TEST(ElementEntry, OnlyScoresUpToTenAreValidWhateverTheLocale) {
  struct TRow {
    const char* Text;
    TElementState State;
    const char* Text_;
  };
  const TRow rows[] = {
      {"", TElementState::Blank, ""},
      {"   ", TElementState::Blank, ""},
      {"7.5", TElementState::Valid, "7.5"},
      {" 7.5 ", TElementState::Valid, "7.5"},
      {"10.0", TElementState::Valid, "10.0"},
      {"10", TElementState::Valid, "10"},
      {"0", TElementState::Valid, "0"},
      {".5", TElementState::Valid, ".5"},
      {"7.", TElementState::Valid, "7."},
      {"10.5", TElementState::Invalid, "10.5"},
      {"10.01", TElementState::Invalid, "10.01"},
      {"1e1", TElementState::Invalid, "1e1"},
      {"7,5", TElementState::Invalid, "7,5"},
      {"-1", TElementState::Invalid, "-1"},
      {"x", TElementState::Invalid, "x"},
      {".", TElementState::Invalid, "."},
      {"7 5", TElementState::Invalid, "7 5"},
      {"0x1", TElementState::Invalid, "0x1"},
  };
  for (const TRow& row : rows) {
    const TElementCheck check = CheckElementScore(row.Text);
    EXPECT_EQ(check.State, row.State) << "'" << row.Text << "'";
    EXPECT_EQ(check.Text, row.Text_) << "'" << row.Text << "'";
  }
}

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
