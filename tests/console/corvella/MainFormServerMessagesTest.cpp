// What the server's frames do on the earlier rules' console, fed as the reader hands them over.
#include "tests/console/corvella/CorvellaFixture.h"

namespace marivo::corvella {
namespace {

using ServerMessages = CorvellaConsole;

TEST_F(ServerMessages, FinalScoresReachTheGridEverywhereAndTheScoreOnlyOnTheirOwnConsole) {
  for (int role : {2, 6}) {
    ChooseRole(role);
    MainForm->ScoreEdit->SetCaption("0.0");
    Receive("FS", "ZEL ", "3[DC1] 8.5 [DC2]");
    EXPECT_EQ(MainForm->HJGrid->Cells(3, 1), "8.5") << role;
    EXPECT_EQ(MainForm->ScoreEdit->Caption(), role == 2 ? "8.5" : "0.0") << role;
  }
  // Artistic and free difficulty judges on their rows; the time keeper and the head judge on
  // their own consoles only.
  Receive("FS", "ZEL ", "7[DC1]7.0[DC2]");
  Receive("FS", "ZEL ", "14[DC1]6.5[DC2]");
  EXPECT_EQ(MainForm->HJGrid->Cells(2, 2), "7.0");
  EXPECT_EQ(MainForm->HJGrid->Cells(4, 3), "6.5");
  Receive("FS", "ZEL ", "16[DC1]1:02.3[DC2]0:00[DC3]2:50.1[DC4]");
  EXPECT_EQ(MainForm->WalkOnTime->Caption(), "0:00.0");
  ChooseRole(15);
  Receive("FS", "ZEL ", "16[DC1]1:02.3[DC2]0:00[DC3]2:50.1[DC4]");
  EXPECT_EQ(MainForm->WalkOnTime->Caption(), "1:02.3");
  EXPECT_EQ(MainForm->DeckTime->Caption(), "0:00.0");
  EXPECT_EQ(MainForm->RoutineTime->Caption(), "2:50.1");
  EXPECT_EQ(MainForm->Arrow->Tag(), 1);
  ChooseRole(16);
  Receive("FS", "ZEL ", "17[DC1]0.5[DC2]1.0[DC3]");
  EXPECT_EQ(MainForm->TimePenalty->Caption(), "0.5");
  EXPECT_EQ(MainForm->TechnicalPenalty->Caption(), "1.0");
}

TEST_F(ServerMessages, ATechnicalElementJudgesScoresFillFiveRowsAndTheirOwnEdits) {
  ChooseRole(16);
  Discipline("TECH");
  ASSERT_EQ(MainForm->HJGrid->RowCount(), 8);
  Receive("SD", "J12 ", "1.0[DC1]2.0[DC2]3.0[DC3]4.0[DC4]5.0[DC5]");
  EXPECT_EQ(GridColumn(2),
            (std::vector<std::string>{"Judge 2", "", "", "1.0", "2.0", "3.0", "4.0", "5.0"}));
  EXPECT_EQ(ElementTexts(), std::vector<std::string>(5, "")) << "another judge's scores";

  ChooseRole(11);
  Receive("FS", "ZEL ", "12[DC1]1.5[DC2]2.5[DC3]3.5[DC4]4.5[DC5]5.5");
  EXPECT_EQ(ElementTexts(), (std::vector<std::string>{"1.5", "2.5", "3.5", "4.5", "5.5"}));
  EXPECT_EQ(MainForm->HJGrid->Cells(2, 7), "5.5");
  Receive("SD", "J12 ", "9.0[DC1]8.0[DC2]7.0[DC3]6.0[DC4]5.0[DC5]");
  EXPECT_EQ(ElementTexts(), (std::vector<std::string>{"9.0", "8.0", "7.0", "6.0", "5.0"}));

  // In a free routine the same judge is a difficulty judge with one score on row 3.
  ChooseRole(16);
  Discipline("FREE");
  ASSERT_EQ(MainForm->HJGrid->RowCount(), 4);
  Receive("SD", "J13 ", "6.5[DC1]");
  EXPECT_EQ(GridColumn(3), (std::vector<std::string>{"Judge 3", "", "", "6.5"}));
}

// A technical element judge's five scores reach a free routine's grid in its one row; nothing is
// written below the grid, and no number outside the panel changes anything.
TEST_F(ServerMessages, ScoresBeyondTheGridOrFromNoJudgeChangeNothing) {
  ChooseRole(16);
  Discipline("TECH");
  Discipline("FREE");
  MainForm->CurrentDisciplineCode = "TECH";
  Receive("SD", "J11 ", "1.0[DC1]2.0[DC2]3.0[DC3]4.0[DC4]5.0[DC5]");
  EXPECT_EQ(GridColumn(1), (std::vector<std::string>{"Judge 1", "", "", "1.0"}));
  MainForm->HJGrid->SetRowCount(8);
  EXPECT_EQ(MainForm->HJGrid->Cells(1, 4), "") << "the rows below were never written";

  const auto before = GridColumn(1);
  const std::string penalty = MainForm->TimePenalty->Caption();
  for (const char* payload : {"18[DC1]9.9[DC2]", "0[DC1]9.9[DC2]", "-3[DC1]9.9[DC2]"})
    Receive("FS", "ZEL ", payload);
  Receive("SD", "ZEL ", "9.9[DC1]");
  Receive("SD", "J16 ", "9.9[DC1]");
  EXPECT_EQ(GridColumn(1), before);
  EXPECT_EQ(MainForm->TimePenalty->Caption(), penalty);
  EXPECT_TRUE(Boxes.empty());

  // A judge number that is no number is reported, and the next frame is handled as usual.
  const int logged = MainForm->LogFile->Lines().Count();
  Receive("FS", "ZEL ", "three[DC1]9.9[DC2]");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].Text.find("three"), std::string::npos) << Boxes[0].Text;
  Receive("FS", "ZEL ", "1[DC1]9.1[DC2]");
  EXPECT_EQ(MainForm->HJGrid->Cells(1, 1), "9.1");
  EXPECT_EQ(MainForm->LogFile->Lines().Count(), logged + 2);
}

TEST_F(ServerMessages, TheLaterRulesMessagesChangeNothing) {
  ChooseRole(16);
  Discipline("TECH");
  Receive("SD", "J1  ", "7.5[DC1]");
  MainForm->ScoreEdit->SetCaption("4.0");
  const auto grid = [this] {
    std::vector<std::string> cells;
    for (int col = 0; col < 6; ++col)
      for (const std::string& cell : GridColumn(col))
        cells.push_back(cell);
    return cells;
  };
  const auto before = grid();
  const int page = Page();
  Receive("FP", "ZEL ", "1[DC1]9.0[DC2]");
  Receive("AE", "ZEL ", "1[DC1]a[DC2]b[DC2]c[DC2]d[DC2]e[DC2]f[DC2]");
  Receive("FD", "ZEL ", "14[DC1]10000[DC2]");
  Receive("DS", "ZEL ", "14[DC1]10000[DC2]1.0[DC2]Done[DC3]");
  Receive("ST", "J11 ", "[DC1]45000.5[DC2]");
  Receive("SP", "J11 ", "[DC1]s[DC2]0:10.0[DC3]add[DC4]");
  EXPECT_EQ(grid(), before);
  EXPECT_EQ(Page(), page);
  EXPECT_EQ(MainForm->ScoreEdit->Caption(), "4.0");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(ServerMessages, EventsChooseTheJudgesPageAndReceiptsTurnGreen) {
  struct TRow {
    int Role;
    const char* Discipline;
    int Page;
    const char* Label;
  };
  const TRow rows[] = {
      {2, "FREE", IndividualPage, ""},       {6, "FREE", IndividualPage, "A/I: 2"},
      {6, "TECH", IndividualPage, "IMP: 2"}, {12, "FREE", IndividualPage, "DIFF: 3"},
      {12, "TECH", DetailedPage, "ELEM: 3"}, {16, "TECH", RefereePage, "ELEM: 3"},
  };
  // The event relabels only the judges whose label depends on the discipline.
  for (const TRow& row : rows) {
    ChooseRole(row.Role);
    Receive("EI", "ZEL ", std::string(row.Discipline) + "[DC1]Team Free[DC2]");
    EXPECT_EQ(Page(), row.Page) << row.Role << row.Discipline;
    EXPECT_EQ(MainForm->JudgeNum->Caption(), row.Label) << row.Role << row.Discipline;
    EXPECT_EQ(MainForm->LabelDisc->Caption(), row.Discipline);
    EXPECT_EQ(MainForm->LabelEvent->Caption(), "Team Free");
    if (row.Page != RefereePage) {
      const bool elements = row.Page == DetailedPage;
      EXPECT_EQ(MainForm->PanelRight->Parent(), elements ? MainForm->PanelDET : MainForm->PanelIND);
      EXPECT_EQ(MainForm->ScoreEdit->Visible(), !elements);
    }
  }

  ChooseRole(4);
  MainForm->ScoreConfirmMain->Show();
  Receive("TX", "ZEL ", "J4  [DC1]");
  EXPECT_EQ(MainForm->ScoreConfirmMain->Color(), 0x0000FF) << "another judge's receipt";
  Receive("TX", "ZEL ", "J5  [DC1]");
  EXPECT_EQ(MainForm->ScoreConfirmMain->Color(), 0x008000);
  EXPECT_EQ(MainForm->ScoreConfirmTitle->Caption(), "Received - Thank You");
  for (TMVWSpeedButton* button : {MainForm->ButtonSendTime, MainForm->ButtonSendHJ}) {
    EXPECT_EQ(button->Caption(), "Thank You");
    EXPECT_EQ(button->Color(), 0x008000);
  }
  EXPECT_EQ(MainForm->ButtonSendScore->Caption(), "Send");

  Receive("AI", "ZEL ", "No 12[DC1]Team Blue;Anna Lee;[DC2]1");
  EXPECT_EQ(MainForm->LabelStart->Caption(), " 12");
  EXPECT_EQ(MainForm->LabelClub->Caption(), "Team Blue");
  EXPECT_FALSE(MainForm->ScoreConfirmMain->Visible());
  for (TMVWSpeedButton* button : {MainForm->ButtonSendTime, MainForm->ButtonSendHJ}) {
    EXPECT_EQ(button->Caption(), "Send");
    EXPECT_EQ(button->Color(), 0xC0C0C0);
  }
}

} // namespace
} // namespace marivo::corvella
