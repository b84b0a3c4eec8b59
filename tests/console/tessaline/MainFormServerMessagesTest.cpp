// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Application.h"
#include "platform/ui/Pictures.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/FakeMeetServer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace marivo {
namespace {

using test::Frame;

enum TPage { Opening = 0, Detailed = 1, Timers = 3, Referees = 4, STC = 5, DATC = 6 };

// The console after its start-up, fed the server's frames as the reader hands them over.
class ServerMessages : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    Console.Start();
    MainForm->Timer1Timer(MainForm);
  }

  // The element list as the server announces it, and the referees' grid sized for it.
  void AnnounceElements(int count) {
    std::string payload = std::to_string(count) + "[DC1]";
    for (int i = 1; i <= count; ++i)
      payload += std::to_string(i) + "[DC2]A[DC2]TR[DC2]0.5[DC2]2." + std::to_string(i) +
                 "[DC2]1." + std::to_string(i) + "[DC2]";
    Receive("AE", "ZEL ", payload);
    Grid("GridReferee").SetRowCount(count + 8);
  }

  TMVWRadioGroup& Roles() { return Part<TMVWRadioGroup>("ClientChoice"); }
  std::map<std::pair<int, int>, std::string> AllCells(const std::string& name) {
    std::map<std::pair<int, int>, std::string> cells;
    TStringGrid& grid = Grid(name);
    for (int row = 0; row < grid.RowCount(); ++row) {
      for (int col = 0; col < grid.ColCount(); ++col)
        cells[{col, row}] = grid.Cells(col, row);
    }
    return cells;
  }
};

TEST_F(ServerMessages, FramesAreLoggedAndUnknownCodesChangeNothing) {
  TStrings& log = Part<TMemo>("LogFile").Lines();
  const int before = log.Count();
  Receive("QQ", "ZEL ", "what?");
  MainForm->DispatchFrame("no header at all" + std::string(1, EOT));
  ASSERT_EQ(log.Count(), before + 2);
  EXPECT_EQ(log.Strings(before), "client:[SOH]QQFREEZEL [STX]what?[EOT]");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(ServerMessages, NextAthleteShowsOrderTeamAndNamesAndResetsTheSendButtons) {
  Part<TMVWSpeedButton>("ButtonSendScore").SetEnabled(false);
  Part<TMVWSpeedButton>("ButtonSendScore").SetCaption("Thank You");
  Part<TWinControl>("ScoreConfirmMain").Show();
  Part<TPanel>("PanelKeypad").Hide();
  Receive("AI", "ZEL ", "No 12[DC1]Team Blue;Anna Lee;Bea Moss;[DC2]2");

  EXPECT_EQ(Caption("LabelStart"), " 12");
  EXPECT_EQ(Caption("LabelClub"), "Team Blue");
  EXPECT_EQ(Caption("LabelAthlete"), " Anna Lee;Bea Moss");
  EXPECT_LE(Part<TMVWSimpleLabel>("LabelAthlete").Font().Size(), 22);
  for (const char* button : {"ButtonSendTime", "ButtonSendScore", "ButtonSendHJ"}) {
    EXPECT_EQ(Caption(button), "Send / Enter") << button;
    EXPECT_EQ(Part<TControl>(button).Color(), clSilver) << button;
  }
  EXPECT_TRUE(Part<TMVWSpeedButton>("ButtonSendScore").Enabled());
  EXPECT_EQ(Caption("ScoreConfirmTitle"), "Score Confirmation");
  EXPECT_FALSE(Part<TWinControl>("ScoreConfirmMain").Visible());
  EXPECT_TRUE(Part<TPanel>("PanelKeypad").Visible());
  // An element judge never sees the STC events.
  EXPECT_FALSE(Part<TMVWPanelFill>("GridSTCPanel").Visible());

  // A solo swimmer without a team; a long name gets a smaller font to fit.
  const std::string name = "Alexandra Konstantinopoulou-Vanderberghe Montgomery-Smythe";
  Receive("AI", "ZEL ", "No3[DC1]" + name + "[DC2]1");
  EXPECT_EQ(Caption("LabelClub"), " ");
  EXPECT_EQ(Caption("LabelAthlete"), " " + name);
  EXPECT_LT(Part<TMVWSimpleLabel>("LabelAthlete").Font().Size(), 22);
}

TEST_F(ServerMessages, STCEventsPanelFollowsThePanelFlagOnlyOnSynchronizationConsoles) {
  ChooseRole(11);
  Receive("AI", "ZEL ", "No1[DC1]Solo[DC2]2");
  EXPECT_TRUE(Part<TMVWPanelFill>("GridSTCPanel").Visible());
  Receive("AI", "ZEL ", "No1[DC1]Solo[DC2]1");
  EXPECT_FALSE(Part<TMVWPanelFill>("GridSTCPanel").Visible());
  ChooseRole(17);
  Receive("AI", "ZEL ", "No1[DC1]Solo[DC2]1");
  EXPECT_TRUE(Part<TMVWPanelFill>("GridSTCPanel").Visible());
  ChooseRole(16);
  Receive("AI", "ZEL ", "No1[DC1]Solo[DC2]2");
  EXPECT_FALSE(Part<TMVWPanelFill>("GridSTCPanel").Visible());
}

TEST_F(ServerMessages, ScoreboardShowsOrderAndValuesRightAligned) {
  Part<TPanel>("PanelScoreboard").Hide();
  Receive("PR", "ZEL ", " 4 [DC1]85.1234^80.5^ 165.6234 [DC2]");
  EXPECT_TRUE(Part<TPanel>("PanelScoreboard").Visible());
  EXPECT_EQ(Caption("ScoreboardOrder"), "ORDER   4");
  EXPECT_EQ(Caption("Scoreboard1"), "  85.1234");
  EXPECT_EQ(Caption("Scoreboard2"), "     80.5");
  EXPECT_EQ(Caption("Scoreboard3"), " 165.6234");
}

// The read-outs are LED rows: each sizes itself to the server's text, the order's digit lights
// its cell while the blanks before it stay dark, and the values light in red.
TEST_F(ServerMessages, ScoreboardLEDsShowTheServersTextInLitCells) {
  Receive("PR", "ZEL ", " 4 [DC1]85.1234^80.5^ 165.6234 [DC2]");
  const int cellWidth = 19;
  const int cellHeight = 28;
  const struct {
    const char* Name;
    TColor Lit;
  } readOuts[] = {{"ScoreboardOrder", clLime},
                  {"Scoreboard1", clRed},
                  {"Scoreboard2", clRed},
                  {"Scoreboard3", clRed}};
  for (const auto& readOut : readOuts) {
    auto& led = Part<TMVWLEDLabel>(readOut.Name);
    EXPECT_EQ(led.Width(), 9 * cellWidth + 1) << readOut.Name;
    EXPECT_EQ(led.Height(), cellHeight) << readOut.Name;
    EXPECT_EQ(led.LED().ActiveColor(), readOut.Lit) << readOut.Name;
  }

  auto& order = Part<TMVWLEDLabel>("ScoreboardOrder");
  TBitmap picture;
  picture.SetSize(order.Width(), order.Height());
  order.LED().DrawText(&picture.Canvas(), RECT{0, 0, order.Width(), order.Height()}, true,
                       order.Enabled(), order.GetLEDText());
  const auto litInCell = [&](int cell) {
    int count = 0;
    for (int y = 0; y < cellHeight; ++y)
      for (int x = 0; x < cellWidth; ++x)
        count += picture.Pixels(cell * cellWidth + x, y) == clLime;
    return count;
  };
  EXPECT_GT(litInCell(8), 0) << "the order's digit";
  EXPECT_EQ(litInCell(6) + litInCell(7), 0) << "the blanks before the digit";
}

TEST_F(ServerMessages, ElementListFillsTheHiddenElementGridAndRefusesAbsurdCounts) {
  AnnounceElements(3);
  TStringGrid& elements = Grid("JudgeGrid");
  ASSERT_EQ(elements.RowCount(), 3);
  EXPECT_EQ(elements.Cells(0, 0), "1");
  EXPECT_EQ(elements.Cells(4, 1), "2.2");
  EXPECT_EQ(elements.Cells(5, 2), "1.30");

  const auto before = AllCells("JudgeGrid");
  Receive("AE", "ZEL ", "100[DC1]1[DC2]");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Caption, "Marivo");
  EXPECT_NE(Boxes[0].Flags & MB_ICONERROR, 0u);
  EXPECT_EQ(AllCells("JudgeGrid"), before);
  EXPECT_EQ(elements.RowCount(), 3);
}

TEST_F(ServerMessages, PreviousScoresForTheOwnNumberOrOnTheRefereesPage) {
  ChooseRole(2);
  AnnounceElements(4);
  ShowPage(Detailed);
  Receive("FP", "ZEL ", "3[DC1]7.5[DC2]0.00[DC2] 8.0[DC2]6.5[DC2]");
  TStringGrid& previous = Grid("GridPreviousScores");
  EXPECT_EQ(previous.ColCount(), 4);
  // "0.00" stays a score here.
  EXPECT_EQ(previous.Cells(0, 1), "7.5");
  EXPECT_EQ(previous.Cells(1, 1), "0.00");
  EXPECT_EQ(previous.Cells(2, 1), "8.0");
  EXPECT_EQ(previous.Cells(3, 1), "6.5");

  Receive("FP", "ZEL ", "6[DC1]1.0[DC2]2.0[DC2]3.0[DC2]");
  EXPECT_EQ(previous.ColCount(), 4) << "another judge's scores on page 1";
  EXPECT_EQ(previous.Cells(0, 1), "7.5");

  ShowPage(Referees);
  Receive("FP", "ZEL ", "6[DC1]1.0[DC2]2.0[DC2]3.0[DC2]");
  EXPECT_EQ(previous.ColCount(), 3);
  EXPECT_EQ(previous.Cells(2, 1), "3.0");
}

TEST_F(ServerMessages, FinalScoresOfTheOwnElementJudgeFillBothGridsWithNoScoreEmpty) {
  ChooseRole(1);
  AnnounceElements(4);
  ShowPage(Detailed);
  MainForm->ScoreCursor = 3;
  Receive("FS", "ZEL ", "2[DC1]7.5[DC2]0.00[DC2]8.1[DC2]6.0[DC2]5.5[DC2]");

  TStringGrid& detailed = Grid("GridDetailedScores");
  EXPECT_EQ(detailed.RowCount(), 4);
  EXPECT_EQ(Column(Grid("GridDetailedScores"), 1),
            (std::vector<std::string>{"7.5", "", "8.1", "6.0"}));
  // The item after the last element lands in the empty row before the impression rows only.
  EXPECT_EQ(
      Column(Grid("GridReferee"), 5),
      (std::vector<std::string>{"Jd 2", "7.5", "", "8.1", "6.0", "5.5", "", "", "", "", "", ""}));
  EXPECT_EQ(MainForm->ScoreCursor, 0);
}

TEST_F(ServerMessages, FinalScoresOfOtherJudgesOnlyOnTheRefereesPage) {
  ChooseRole(5);
  AnnounceElements(4);
  ShowPage(Detailed);
  Receive("FS", "ZEL ", "7[DC1]7.5[DC2]8.0[DC2]6.5[DC2]");
  EXPECT_EQ(Part<TMVWEdit>("DETJ1AI").GetText(), "");
  std::vector<std::string> untouched(12, "");
  untouched[0] = "Jd 2";
  EXPECT_EQ(Column(Grid("GridReferee"), 5), untouched);

  Receive("FS", "ZEL ", "6[DC1]7.5[DC2]0.00[DC2]6.5[DC2]");
  EXPECT_EQ(Part<TMVWEdit>("DETJ1AI").GetText(), "7.5");
  EXPECT_EQ(Part<TMVWEdit>("DETJ2AI").GetText(), "");
  EXPECT_EQ(Part<TMVWEdit>("DETJ3AI").GetText(), "6.5");
  EXPECT_EQ(Grid("GridReferee").Cells(4, 6), "7.5");
  EXPECT_EQ(Grid("GridReferee").Cells(4, 8), "6.5");

  ShowPage(Referees);
  Receive("FS", "ZEL ", "12[DC1]0[DC2]2[DC2]1[DC2]");
  EXPECT_EQ(Caption("STCCount1"), "0");
  EXPECT_EQ(Caption("STCCount2"), "2");
  EXPECT_EQ(Caption("STCCount3"), "1");
  EXPECT_EQ(Part<TMVWSimpleLabel>("STCLabel2").Tag(), 2);
  EXPECT_EQ(Part<TMVWSimpleLabel>("STCLabel3").Tag(), 1);
  EXPECT_EQ(Caption("ScoreEdit"), "4.0");
  EXPECT_EQ(Grid("GridReferee").Cells(5, 9), "0");
  EXPECT_EQ(Grid("GridReferee").Cells(5, 10), "2");
  EXPECT_EQ(Grid("GridReferee").Cells(5, 11), "1");

  Receive("FS", "ZEL ", "17[DC1]0:00[DC2]0:12.4[DC3]0:00[DC4]");
  EXPECT_EQ(Caption("WalkOnTime"), "0:00.0");
  EXPECT_EQ(Caption("DeckTime"), "0:12.4");
  EXPECT_EQ(Caption("RoutineTime"), "0:00.0");

  Receive("FS", "ZEL ", "19[DC1]0.00[DC2]0.5[DC3]");
  EXPECT_EQ(Caption("TimePenalty"), "");
  EXPECT_EQ(Caption("TechnicalPenalty"), "0.5");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(ServerMessages, EventChangesTheDisciplineAndTakesEachJudgeToItsPage) {
  ChooseRole(0);
  ShowPage(Opening);
  Receive("EI", "ZEL ", "TECH[DC1] Senior Team [DC2]");
  EXPECT_EQ(Part<TMVWRadioGroup>("DisciplineSelection").ItemIndex(), 1);
  EXPECT_EQ(MainForm->CurrentDisciplineCode, "TECH");
  EXPECT_EQ(Roles().Items().Strings(5), "Judge 1\r(Impression)");
  EXPECT_EQ(Page(), Detailed);
  EXPECT_EQ(Part<TPanel>("PanelRight").Parent(), &Part<TPanel>("PanelDET"));
  EXPECT_EQ(Part<TWinControl>("ScoreConfirmMain").Parent(), &Part<TPanel>("PanelDET"));
  EXPECT_EQ(Caption("LabelEvent"), " Senior Team ");

  ChooseRole(11);
  Receive("EI", "ZEL ", "FREE[DC1]Junior Duet[DC2]");
  EXPECT_EQ(MainForm->CurrentDisciplineCode, "FREE");
  EXPECT_EQ(Page(), STC);
  EXPECT_EQ(Part<TPanel>("PanelRight").Parent(), &Part<TPanel>("PanelSTC"));
  EXPECT_EQ(Part<TWinControl>("ScoreConfirmMain").Parent(), &Part<TPanel>("PanelSTC"));

  // An unknown discipline keeps the judge where it is but still names the event.
  ChooseRole(3);
  Receive("EI", "ZEL ", "SOLO[DC1]Open Solo[DC2]");
  EXPECT_EQ(Page(), STC);
  EXPECT_EQ(MainForm->CurrentDisciplineCode, "FREE");
  EXPECT_EQ(Caption("LabelEvent"), "Open Solo");

  ChooseRole(18);
  Receive("EI", "ZEL ", "SOLO[DC1]Open Solo[DC2]");
  EXPECT_EQ(Page(), Referees);
}

TEST_F(ServerMessages, ReceiptForThisRoleTurnsTheConfirmationGreenAndOthersChangeNothing) {
  ChooseRole(2);
  Receive("AI", "ZEL ", "No1[DC1]Solo[DC2]");
  // Padded codes only: "J3" is not this console.
  Receive("TX", "ZEL ", "J3[DC1]");
  Receive("TX", "ZEL ", "J4  [DC1]");
  EXPECT_EQ(Caption("ScoreConfirmTitle"), "Score Confirmation");
  EXPECT_EQ(Caption("ButtonSendTime"), "Send / Enter");
  EXPECT_NE(Part<TWinControl>("ScoreConfirmMain").Color(), clGreen);

  ShowPage(DATC);
  Receive("tx", "ZEL ", "J3  [DC1]");
  EXPECT_EQ(Caption("ScoreConfirmTitle"), "Received - Thank You");
  EXPECT_EQ(Part<TWinControl>("ScoreConfirmMain").Color(), clGreen);
  for (const char* button : {"ButtonSendTime", "ButtonSendHJ"}) {
    EXPECT_EQ(Caption(button), "Thank You") << button;
    EXPECT_EQ(Part<TControl>(button).Color(), clGreen) << button;
  }
  EXPECT_EQ(Caption("ButtonSendScore"), "Thank You");
  EXPECT_EQ(Part<TMVWSpeedButton>("ButtonSendScore").Color(), clLime);
}

TEST_F(ServerMessages, ReceiptOffTheDifficultyPageLeavesTheScoreButton) {
  ChooseRole(2);
  Receive("AI", "ZEL ", "No1[DC1]Solo[DC2]");
  ShowPage(Detailed);
  Receive("TX", "ZEL ", "J3  [DC1]");
  EXPECT_EQ(Caption("ScoreConfirmTitle"), "Received - Thank You");
  EXPECT_EQ(Caption("ButtonSendScore"), "Send / Enter");
  EXPECT_EQ(Part<TMVWSpeedButton>("ButtonSendScore").Color(), clSilver);
}

TEST_F(ServerMessages, OtherConsolesScoresGoToTheirPlacesOnTheRefereesGrid) {
  ChooseRole(17);
  AnnounceElements(3);
  Receive("SD", "J2  ", "7.5[DC2] 0.00[DC2]8.0[DC2]");
  EXPECT_EQ(Column(Grid("GridReferee"), 5),
            (std::vector<std::string>{"Jd 2", "7.5", "0.00", "8.0", "", "", "", "", "", "", ""}));
  Receive("SD", "J7  ", "7.1[DC2]7.2[DC2]7.3[DC2]");
  Receive("SD", "J12 ", "0.6[DC1]1[DC2]1[DC3]0[DC4][DC4][DC4][DC4]");
  EXPECT_EQ(Column(Grid("GridReferee"), 5),
            (std::vector<std::string>{"Jd 2", "7.5", "0.00", "8.0", "", "7.1", "7.2", "7.3", "1",
                                      "1", "0"}));
  Receive("SD", "TIME", "0:10.1[DC1]0:12.0[DC2]2:50.0[DC3]");
  EXPECT_EQ(Caption("WalkOnTime"), "0:10.1");
  EXPECT_EQ(Caption("DeckTime"), "0:12.0");
  EXPECT_EQ(Caption("RoutineTime"), "2:50.0");
  Receive("SD", "HJ2 ", "1.0[DC1]0.5[DC2]");
  EXPECT_EQ(Caption("TimePenalty"), "1.0");
  EXPECT_EQ(Caption("TechnicalPenalty"), "0.5");
}

TEST_F(ServerMessages, ScoresFromAnUnknownRoleChangeNothing) {
  ChooseRole(17);
  AnnounceElements(3);
  TStrings& log = Part<TMemo>("LogFile").Lines();
  const int lines = log.Count();
  const auto before = AllCells("GridReferee");
  const std::string penalty = Caption("TimePenalty");
  for (const char* role : {"ZEL ", "j1  ", "J1", "XYZW"})
    Receive("SD", role, "7.5[DC2]8.0[DC2]9.0[DC2]");
  EXPECT_EQ(AllCells("GridReferee"), before);
  EXPECT_EQ(Caption("TimePenalty"), penalty);
  EXPECT_EQ(log.Count(), lines + 4) << "ignored frames are still logged";
}

TEST_F(ServerMessages, DecisionsOfDifficultyControllers) {
  ChooseRole(13);
  TStringGrid& datc = Grid("GridDATC");
  datc.SetRowCount(4);
  datc.SetCells(12, 2, "1.1");
  datc.SetCells(5, 2, "2.5");
  datc.SetCells(12, 3, "0.9");
  datc.SetCells(5, 3, "1.9");
  ShowPage(DATC);
  Receive("FD", "ZEL ", "14[DC1]10000[DC2]01000[DC2]000[DC2]");
  const int flagColumns[] = {6, 7, 8, 15, 16};
  const std::string expected[] = {"10000", "01000", "000"};
  for (int r = 1; r <= 3; ++r) {
    for (int i = 0; i < 5; ++i) {
      const std::string& flags = expected[r - 1];
      EXPECT_EQ(datc.Cells(flagColumns[i], r),
                i < static_cast<int>(flags.size()) ? flags.substr(i, 1) : "")
          << r << " " << i;
    }
  }
  // A failed element counts with its failed DD.
  EXPECT_EQ(datc.Cells(5, 2), "1.1");
  EXPECT_EQ(datc.Cells(5, 3), "1.9");

  // Another controller's decisions are not this console's and go nowhere off the referees' page.
  Receive("FD", "ZEL ", "15[DC1]11111[DC2]11111[DC2]11111[DC2]");
  EXPECT_EQ(datc.Cells(6, 1), "1");
  EXPECT_EQ(datc.Cells(10, 1), "");

  ChooseRole(17);
  AnnounceElements(3);
  ShowPage(Referees);
  Receive("FD", "ZEL ", "15[DC1]00100[DC2]01000[DC2]10000[DC2]");
  EXPECT_EQ(Grid("GridReferee").Cells(10, 1), "00100");
  EXPECT_EQ(Grid("GridReferee").Cells(10, 3), "10000");
  Receive("DS", "J16 ", "16[DC1]10000[DC2]2.4[DC2]01000[DC2]1.9[DC2]00000[DC2]3.0[DC2]Done[DC3]");
  EXPECT_EQ(
      Column(Grid("GridReferee"), 11),
      (std::vector<std::string>{"DTC 3", "10000", "01000", "00000", "", "", "", "", "", "", ""}));
}

TEST_F(ServerMessages, DecisionSheetOnTheDTCConsoleFillsTheDifficultyGrid) {
  ChooseRole(19);
  AnnounceElements(2);
  Grid("GridDATC").SetRowCount(3);
  ShowPage(DATC);
  Receive("DS", "J14 ", "14[DC1]10000[DC2]2.4[DC2]01000[DC2]1.9[DC2]Working[DC3]");
  EXPECT_EQ(Grid("GridDATC").Cells(9, 1), "10000");
  EXPECT_EQ(Grid("GridDATC").Cells(9, 2), "01000");
  EXPECT_EQ(Grid("GridReferee").Cells(9, 1), "") << "the referees' page is not shown";
}

TEST_F(ServerMessages, ScoreTableFillsTheScoresWindowAndShowsIt) {
  std::string payload = "#";
  for (int i = 0; i < 49; ++i)
    payload += "c" + std::to_string(i) + "^";
  Receive("XX", "ZEL ", payload);
  TStringGrid& scores = *ScoresForm->ScoresGrid;
  EXPECT_EQ(scores.Cells(0, 0), "c0");
  EXPECT_EQ(scores.Cells(6, 0), "c6");
  EXPECT_EQ(scores.Cells(0, 1), "c7");
  EXPECT_EQ(scores.Cells(6, 6), "c48");
  EXPECT_TRUE(ScoresForm->Visible());
  EXPECT_TRUE(ScoresForm->ScoresTimer->Enabled());

  // A shorter table empties what the last one showed.
  Receive("XX", "ZEL ", "#Rank^Team^tail");
  EXPECT_EQ(scores.Cells(0, 0), "Rank");
  EXPECT_EQ(scores.Cells(1, 0), "Team");
  EXPECT_EQ(scores.Cells(2, 0), "");
  EXPECT_EQ(scores.Cells(6, 6), "");
}

TEST_F(ServerMessages, ConnectionTableJoinedConsolesAndChat) {
  Receive("IP", "J3  ", "192.168.1.23");
  Receive("CN", "J3  ", "judge3");
  Receive("cs", "J3  ", "Active 87%");
  Receive("IP", "DTC ", "192.168.1.40");
  Receive("IP", "ZEL ", "192.168.1.1");
  TStringGrid& connections = Grid("GridConnections");
  EXPECT_EQ(connections.Cells(2, 3), "192.168.1.23");
  EXPECT_EQ(connections.Cells(1, 3), "judge3");
  EXPECT_EQ(connections.Cells(3, 3), "Active 87%");
  EXPECT_EQ(connections.Cells(2, 20), "192.168.1.40");
  EXPECT_EQ(connections.Cells(2, 21), "") << "the server has no row";

  TStrings& clients = Part<TListBox>("ConnectedClients").Items();
  Receive("CC", "ZEL ", "Judge 3 (Elements)");
  Receive("CC", "ZEL ", "J4  ");
  Receive("CC", "ZEL ", "j4  ");
  ASSERT_EQ(clients.Count(), 3);
  Receive("CD", "ZEL ", "j4  ");
  ASSERT_EQ(clients.Count(), 2);
  EXPECT_EQ(clients.Strings(1), "J4  ");
  Receive("CD", "ZEL ", "J9  ");
  EXPECT_EQ(clients.Count(), 2);

  Receive("CM", "ZEL ", "  Start in 5 minutes  ");
  TStrings& chat = Part<TMemo>("ChatFile").Lines();
  ASSERT_GE(chat.Count(), 1);
  EXPECT_EQ(chat.Strings(chat.Count() - 1), "  Start in 5 minutes  ");
  // Answers to CC while not connected are lost without a word.
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(ServerMessages, ServerDisconnectingThisRoleGoesHome) {
  ChooseRole(4);
  ShowPage(Referees);
  Receive("CD", "ZEL ", "J4  ");
  EXPECT_EQ(Page(), Referees);
  Receive("CD", "ZEL ", "J5  ");
  EXPECT_EQ(Page(), Opening);
}

TEST_F(ServerMessages, ServerErrorShowsAnErrorBox) {
  Receive("CE", "ZEL ", "Judge 3 is already connected");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "Judge 3 is already connected");
  EXPECT_EQ(Boxes[0].Flags & MB_ICONERROR, static_cast<unsigned>(MB_ICONERROR));
  EXPECT_EQ(Boxes[0].Flags & MB_TYPEMASK, static_cast<unsigned>(MB_OK));
}

TEST_F(ServerMessages, ConversionErrorIsReportedAndTheNextFrameIsHandled) {
  ChooseRole(0);
  ShowPage(Referees);
  Receive("FP", "ZEL ", "x[DC1]7.5[DC2]");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "'x' is not a valid integer value");
  EXPECT_EQ(Boxes[0].Caption, "Marivo");
  Receive("PR", "ZEL ", "7[DC1]1^2^3[DC2]");
  EXPECT_EQ(Caption("ScoreboardOrder"), "ORDER   7");
  EXPECT_EQ(Boxes.size(), 1u);

  // An STC count that is no number stops the handling where it stands.
  Receive("FS", "ZEL ", "11[DC1]1[DC2]two[DC2]7[DC2]");
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Caption("STCCount1"), "1");
  EXPECT_EQ(Caption("STCCount2"), "two");
  EXPECT_NE(Caption("STCCount3"), "7");
}

TEST_F(ServerMessages, RoutineClockStartsOnlyForAnotherController) {
  ChooseRole(10);
  Part<TMemo>("STCLog").Lines().Add("s 0:01.0 add");
  TStringGrid& events = Grid("GridSTC");
  events.SetRowCount(4);
  events.SetCells(1, 1, "0:01.0");
  // The own start echoed back clears the log and grid but leaves the clock.
  Receive("ST", "J11 ", "[DC1]46000.5[DC2]");
  EXPECT_EQ(Part<TMemo>("STCLog").Lines().Count(), 0);
  EXPECT_EQ(events.RowCount(), 2);
  EXPECT_EQ(events.Cells(1, 1), "");
  EXPECT_EQ(events.Cells(1, 0), "Time");
  EXPECT_FALSE(Part<TTimer>("TimerRoutine").Enabled());

  // A judge or the server starting a clock is not a controller.
  Receive("ST", "J3  ", "[DC1]46000.5[DC2]");
  Receive("ST", "ZEL ", "[DC1]46000.5[DC2]");
  EXPECT_FALSE(Part<TTimer>("TimerRoutine").Enabled());

  // The offset is the time from the start to its handling: between the clock readings taken
  // around it (whole seconds here, hence one second more).
  const auto now = [] {
    SYSTEMTIME local;
    GetLocalTime(&local);
    double days = 0;
    SystemTimeToVariantTime(&local, &days);
    return days;
  };
  const double today = now();
  char start[32];
  std::snprintf(start, sizeof start, "%.10f", today);
  Receive("ST", "J12 ", "[DC1]" + std::string(start) + "[DC2]");
  const double handled = now();
  EXPECT_TRUE(Part<TTimer>("TimerRoutine").Enabled());
  EXPECT_NEAR(MainForm->RoutineStartTime, today, 1e-9);
  EXPECT_GE(MainForm->ClockOffset, -1e-9);
  EXPECT_LE(MainForm->ClockOffset, handled - today + 1.001 / 86400);
  const std::string label = Caption("STCClockLabel");
  EXPECT_EQ(label.rfind("Time: Offset=", 0), 0u) << label;
  EXPECT_EQ(label.substr(label.size() - 2), "ms") << label;
  EXPECT_GE(label.size(), std::string("Time: Offset=00ms").size()) << label;
  Part<TTimer>("TimerRoutine").SetEnabled(false);

  Receive("ST", "HJ  ", "[DC1]soon[DC2]");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "'soon' is not a valid floating point value");
  EXPECT_FALSE(Part<TTimer>("TimerRoutine").Enabled());
}

// The server hears the console's answers to its join and presence messages, in order.
TEST_F(ServerMessages, AnswersToJoinAndPresenceReachTheServer) {
  test::TFakeMeetServer server;
  auto& hosts = Part<TListBox>("HostIP");
  hosts.Items().Add("127.0.0.1");
  hosts.SetItemIndex(hosts.Items().Count() - 1);
  Part<TIdTCPClient>("client").SetPort(server.Port());
  Part<TButton>("ConnectConsoles").Click();
  ASSERT_TRUE(server.WaitForFrames(1));
  Part<TMVWSimpleLabel>("LabelPower").SetCaption("87%");
  Receive("CC", "ZEL ", "Judge 2 (Elements)");
  Receive("TP", "ZEL ", "");
  ASSERT_TRUE(server.WaitForFrames(5));
  const auto frames = server.Frames();
  EXPECT_EQ(frames[1], Frame("IP", "J1  ", MainForm->OwnIP));
  EXPECT_EQ(frames[2], Frame("CN", "J1  ", MainForm->OwnHostName));
  EXPECT_EQ(frames[3], Frame("CS", "J1  ", "Active"));
  EXPECT_EQ(frames[4], Frame("CS", "J1  ", "Active 87%"));
  Part<TControl>("DisconnectConsoles").Click();
}

} // namespace
} // namespace marivo
