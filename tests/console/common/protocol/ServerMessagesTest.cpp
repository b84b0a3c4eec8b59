#include "console/common/protocol/ServerMessages.h"

#include "console/common/protocol/Protocol.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/PayloadText.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace marivo {
namespace {

constexpr auto W = test::WithSeparators;

using TItems = std::vector<std::string>;

TEST(ServerMessagesTest, SendersAreKnownOnlyByTheirExactRoleCode) {
  EXPECT_EQ(SenderNumber("J1  "), 1);
  EXPECT_EQ(SenderNumber("J10 "), 10);
  EXPECT_EQ(SenderNumber("TIME"), 17);
  EXPECT_EQ(SenderNumber("DTC "), 20);
  // The server, a lower-case code, an unpadded code and a short field are nobody.
  for (const char* role : {"ZEL ", "j1  ", "J1", "", "HJ"})
    EXPECT_EQ(SenderNumber(role), 0) << role;
}

TEST(ServerMessagesTest, ScoreTableSkipsTheFirstCharacterAndFillsRowByRow) {
  std::string payload = "#";
  for (int i = 0; i < 49; ++i)
    payload += "c" + std::to_string(i) + "^";
  const TScoreTable full = ParseScoreTable(payload);
  EXPECT_EQ(full[0][0], "c0");
  EXPECT_EQ(full[0][6], "c6");
  EXPECT_EQ(full[1][0], "c7");
  EXPECT_EQ(full[6][6], "c48");

  // Too few cells: the rest stay empty and the unended tail is never shown.
  const TScoreTable shortTable = ParseScoreTable("xName^ 9.5 ^tail");
  EXPECT_EQ(shortTable[0][0], "Name");
  EXPECT_EQ(shortTable[0][1], " 9.5 ");
  EXPECT_EQ(shortTable[0][2], "");
  EXPECT_EQ(shortTable[6][6], "");

  for (const std::string& payload : {std::string(), std::string("^"), std::string("a")}) {
    const TScoreTable empty = ParseScoreTable(payload);
    for (const auto& row : empty) {
      for (const auto& cell : row)
        EXPECT_EQ(cell, "") << payload;
    }
  }
}

struct TAthletesCase {
  std::string Payload;
  TAthletes Expected;
};

TEST(ServerMessagesTest, AthletesShowOrderClubAndNames) {
  const std::vector<TAthletesCase> cases = {
      // The server's usual closing ";" is the character dropped.
      {W("No 12[DC1]Team Blue; Anna Lee;Bea Moss;[DC2]2"),
       {" 12", "Team Blue", " Anna Lee;Bea Moss", "2"}},
      // Without it, the last letter of the last name goes.
      {W("No7[DC1]Team Blue;Anna Lee;Bea Moss[DC2]1"),
       {"7", "Team Blue", " Anna Lee;Bea Mos", "1"}},
      // No team: a blank club and the names after a blank, untrimmed.
      {W("Nr3[DC1]Solo Swimmer [DC2]"), {"3", " ", " Solo Swimmer ", ""}},
      // A short order and a team without athletes never read outside their texts.
      {W("7[DC1]Club;[DC2]2"), {"", "Club", " ", "2"}},
      {W("[DC1];[DC2]"), {"", "", " ", ""}},
      // No separators at all: nothing is read as names.
      {"garbage", {"", " ", " ", "garbage"}},
  };
  for (const auto& c : cases) {
    const TAthletes a = ParseAthletes(c.Payload);
    EXPECT_EQ(a.StartOrder, c.Expected.StartOrder) << c.Payload;
    EXPECT_EQ(a.Club, c.Expected.Club) << c.Payload;
    EXPECT_EQ(a.Athletes, c.Expected.Athletes) << c.Payload;
    EXPECT_EQ(a.PanelFlag, c.Expected.PanelFlag) << c.Payload;
  }
}

TEST(ServerMessagesTest, ScoreboardReadsOrderAndThreeValues) {
  const TScoreboard board = ParseScoreboard(W(" 4 [DC1]85.1234^ 80.5^165.7[DC2]"));
  EXPECT_EQ(board.Order, "4");
  EXPECT_EQ(board.Values[0], "85.1234");
  EXPECT_EQ(board.Values[1], " 80.5");
  EXPECT_EQ(board.Values[2], "165.7");

  const TScoreboard partial = ParseScoreboard(W("9[DC1]85.1^80.5[DC2]"));
  EXPECT_EQ(partial.Values[1], "");
  EXPECT_EQ(partial.Values[2], "80.5");

  // Values whose DC2 is missing read as empty.
  const TScoreboard unended = ParseScoreboard(W("9[DC1]85.1^80.5^1"));
  EXPECT_EQ(unended.Values, (std::array<std::string, 3>{"", "", ""}));
}

TEST(ServerMessagesTest, PreviousScoresTakeAsManyItemsAsTheJudgeGives) {
  const TJudgeItems element =
      ParsePreviousScores(W("3[DC1] 7.5[DC2]0.00[DC2]8.0 [DC2]9.9[DC2]"), 3);
  EXPECT_EQ(element.Judge, 3);
  // "0.00" is shown as it is in previous scores.
  EXPECT_EQ(element.Items, (TItems{"7.5", "0.00", "8.0"}));

  const TJudgeItems impression = ParsePreviousScores(W("8[DC1]7.5[DC2]8.0[DC2]"), 5);
  EXPECT_EQ(impression.Judge, 8);
  EXPECT_EQ(impression.Items, (TItems{"7.5", "8.0", ""}));

  EXPECT_TRUE(ParsePreviousScores(W("17[DC1]1:00[DC2]"), 5).Items.empty());
  EXPECT_TRUE(ParsePreviousScores(W("0[DC1]"), 5).Items.empty());

  for (const std::string& payload : {W("x[DC1]7.5[DC2]"), W("7.5[DC2]"), W("[DC1]7.5[DC2]")})
    EXPECT_THROW(ParsePreviousScores(payload, 3), EConvertError) << payload;
}

struct TFinalCase {
  std::string Payload;
  int Elements;
  int Judge;
  TItems Items;
};

TEST(ServerMessagesTest, FinalScoresPerJudgeKindWithNoScoreShownEmpty) {
  const std::vector<TFinalCase> cases = {
      // The item after the last element is read too.
      {W("2[DC1]7.5[DC2]0.00[DC2] 8.1[DC2]6.0[DC2]5.5[DC2]"),
       4,
       2,
       {"7.5", "", "8.1", "6.0", "5.5"}},
      {W("2[DC1]7.5[DC2]"), 2, 2, {"7.5", "", ""}},
      {W("6[DC1]0.00[DC2]7.2[DC2]0.00[DC2]"), 4, 6, {"", "7.2", ""}},
      // STC: only the small count may be "no score".
      {W("12[DC1]0.00[DC2]0.00[DC2] 1 [DC2]"), 4, 12, {"", "0.00", "1"}},
      {W("17[DC1]0:00[DC2]0:00[DC3]2:51.3[DC4]"), 4, 17, {"0:00.0", "0:00.0", "2:51.3"}},
      {W("17[DC1]0.00[DC2]0:12.4[DC3]0:00[DC4]"), 4, 17, {"", "0:12.4", "0:00.0"}},
      {W("17[DC1]0:10.2"), 4, 17, {"", "", ""}},
      {W("18[DC1]0.00[DC2]0.00[DC3]"), 4, 18, {"", "0.00"}},
      {W("19[DC1] 1.0 [DC2] 0.5[DC3]"), 4, 19, {"1.0", "0.5"}},
      {W("20[DC1]1[DC2]"), 4, 20, {}},
      {W("-4[DC1]1[DC2]"), 4, -4, {}},
  };
  for (const auto& c : cases) {
    const TJudgeItems scores = ParseFinalScores(c.Payload, c.Elements);
    EXPECT_EQ(scores.Judge, c.Judge) << c.Payload;
    EXPECT_EQ(scores.Items, c.Items) << c.Payload;
  }
  // A judge 6 whose DC1 field is missing has an empty number: a conversion error.
  EXPECT_THROW(ParseFinalScores(W("7.5[DC2]8.0[DC2]9.0[DC2]"), 4), EConvertError);
  EXPECT_THROW(ParseFinalScores(W("six[DC1]7.5[DC2]"), 4), EConvertError);
}

TEST(ServerMessagesTest, ElementListRowsAndItsCountLimits) {
  const auto rows = ParseElementList(
      W("2[DC1]1[DC2]A "
        "[DC2]TRE2[DC2]0.5[DC2]2.4[DC2]1.[DC2]2[DC2]B[DC2]FH[DC2][DC2]3.1[DC2]2.[DC2]"));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (TElementRow{"1", "A", "TRE2", "0.5", "2.4", "1.0"}));
  EXPECT_EQ(rows[1], (TElementRow{"2", "B", "FH", "", "3.1", "2.0"}));

  const auto missing = ParseElementList(W("1[DC1]1[DC2]A"));
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0], (TElementRow{"1", "", "", "", "", "0"}));

  EXPECT_TRUE(ParseElementList(W("0[DC1]")).empty());
  EXPECT_EQ(ParseElementList(W("99[DC1]")).size(), 99u);
  // Counts that would size the grids absurdly are refused, like a count that is no number.
  for (const std::string& payload :
       {W("100[DC1]"), W("-1[DC1]"), W("2147483647[DC1]"), W("k[DC1]"), W("[DC1]"), W("3")})
    EXPECT_THROW(ParseElementList(payload), EConvertError) << payload;
}

TEST(ServerMessagesTest, PayloadNumbersMayStandInBlanksButAreNothingElse) {
  const std::pair<const char*, int> good[] = {{"7", 7},     {" 12", 12}, {"3  ", 3},
                                              {" -1 ", -1}, {"+4", 4},   {"007", 7}};
  for (const auto& [text, value] : good)
    EXPECT_EQ(PayloadInteger(text), value) << "'" << text << "'";
  for (const char* text : {"", " ", "$1F", "0x10", "- 3", "+ 3", "12x", "1 2", "1.0", "\t"})
    EXPECT_THROW(PayloadInteger(text), EConvertError) << "'" << text << "'";
  EXPECT_EQ(ParseElementList(W(" 1 [DC1]1[DC2]A")).size(), 1u);
  EXPECT_EQ(ParseFinalScores(W(" 17[DC1]0:10.2[DC2]"), 0).Judge, 17);
  EXPECT_THROW(ParseFinalScores(W("$11[DC1]"), 0), EConvertError);
}

TEST(ServerMessagesTest, DecisionFlagsAndSheetsPerRow) {
  const TJudgeItems flags = ParseDecisionFlags(W("15[DC1]10000[DC2] 01001 [DC2]"), 3);
  EXPECT_EQ(flags.Judge, 15);
  EXPECT_EQ(flags.Items, (TItems{"10000", "01001", ""}));
  EXPECT_TRUE(ParseDecisionFlags(W("15[DC1]10000[DC2]"), 0).Items.empty());
  EXPECT_THROW(ParseDecisionFlags(W("DATC[DC1]10000[DC2]"), 1), EConvertError);

  // The DD after each flag string is not a decision.
  const TJudgeItems sheet =
      ParseDecisionSheet(W("14[DC1]10000[DC2]2.4[DC2]01000[DC2]1.9[DC2]Done[DC3]"), 3);
  EXPECT_EQ(sheet.Judge, 14);
  EXPECT_EQ(sheet.Items, (TItems{"10000", "01000", ""}));
  EXPECT_THROW(ParseDecisionSheet(W("[DC1]10000[DC2]"), 1), EConvertError);

  EXPECT_EQ(DecisionFlag("01001", 1), "0");
  EXPECT_EQ(DecisionFlag("01001", 2), "1");
  EXPECT_EQ(DecisionFlag("01001", 5), "1");
  EXPECT_EQ(DecisionFlag("010", 4), "");
  EXPECT_EQ(DecisionFlag("", 1), "");
  EXPECT_EQ(DecisionFlag("0100111", 6), "");
  EXPECT_EQ(DecisionFlag("01001", 0), "");
}

TEST(ServerMessagesTest, EventClockEventsAndReceipts) {
  const TEventInfo event = ParseEventInfo(W("TECH[DC1] Junior Duet [DC2]"));
  EXPECT_EQ(event.Discipline, "TECH");
  EXPECT_EQ(event.EventName, " Junior Duet ");
  EXPECT_EQ(ParseEventInfo(W("Junior Duet[DC2]")).Discipline, "");
  EXPECT_EQ(ParseEventInfo(W("Junior Duet[DC2]")).EventName, "Junior Duet");
  EXPECT_EQ(ParseEventInfo(W(" FREE[DC1]")).Discipline, " FREE");

  EXPECT_DOUBLE_EQ(ParseClockStart(W("[DC1] 46000.5 [DC2]")), 46000.5);
  EXPECT_DOUBLE_EQ(ParseClockStart(W("x[DC1]46000.25[DC2]")), 46000.25);
  EXPECT_DOUBLE_EQ(ParseClockStart(W("46000.75[DC2]")), 46000.75);
  for (const std::string& payload : {W("[DC1]soon[DC2]"), W("[DC1]46000.5"), std::string()})
    EXPECT_THROW(ParseClockStart(payload), EConvertError) << payload;

  const TSTCEvent stc = ParseSTCEvent(W("[DC1] o [DC2]1:02.3[DC3] add[DC4]"));
  EXPECT_EQ(stc.Kind, "o");
  EXPECT_EQ(stc.Time, "1:02.3");
  EXPECT_EQ(stc.Action, "add");
  const TSTCEvent unended = ParseSTCEvent(W("m[DC2]1:02.3"));
  EXPECT_EQ(unended.Kind, "m");
  EXPECT_EQ(unended.Time, "");
  EXPECT_EQ(unended.Action, "");

  // The addressee is compared as sent: only a padded code is a console's.
  EXPECT_EQ(ParseReceiptAddressee(W("J3  [DC1]")), "J3  ");
  EXPECT_EQ(ParseReceiptAddressee(W("J3[DC1]")), "J3");
  EXPECT_EQ(ParseReceiptAddressee("J3  "), "");
}

struct TRelayCase {
  int Sender;
  std::string Payload;
  int Elements;
  TItems Items;
};

TEST(ServerMessagesTest, RelayedScoresAsEachKindOfConsoleSendsThem) {
  const std::vector<TRelayCase> cases = {
      {4, W("7.5[DC2] 0.00[DC2]8.0[DC2]"), 3, {"7.5", "0.00", "8.0"}},
      {4, W("7.5[DC2]"), 2, {"7.5", ""}},
      {9, W("7.5[DC2]8.0[DC2]6.5[DC2]"), 3, {"7.5", "8.0", "6.5"}},
      {11, W("0.6[DC1]1[DC2]1[DC3]0[DC4][DC4][DC4][DC4]"), 3, {"1", "1", "0"}},
      {13, W("0.0[DC1]0[DC2]"), 3, {"0", "", ""}},
      {17, W(" 0:10.1[DC1]0:12.0 [DC2]2:50.0[DC3]"), 3, {" 0:10.1", "0:12.0", "2:50.0"}},
      {18, W("1.0 [DC1] 0.5 [DC2]"), 3, {"1.0 ", "0.5"}},
      {19, "", 3, {"", ""}},
      {14, W("14[DC1]10000[DC2]"), 3, {}},
      {20, W("1[DC2]"), 3, {}},
      {0, W("7.5[DC2]8.0[DC2]"), 3, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseRelayedScore(c.Sender, c.Payload, c.Elements), c.Items)
        << c.Sender << " " << c.Payload;
}

} // namespace
} // namespace marivo
