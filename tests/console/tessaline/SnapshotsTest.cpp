#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/tessaline/EditorForm.h"
#include "console/tessaline/MainForm.h"
#include "platform/ui/Application.h"
#include "tests/support/CoachCardText.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace marivo {
namespace {

// Pictures of what the official sees at start-up, for a person to look at after `make test`.
class Snapshots : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    Console.Start();
  }

  test::TTemporaryCurrentFolder Folder{"marivo-snapshots-"};
};

TEST_F(Snapshots, OpeningPageDetailsPanelAndNotices) {
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  auto& notebook = NamedComponent<TNotebook>(*MainForm, "_Notebook");
  ASSERT_TRUE(notebook.Visible());
  ASSERT_EQ(notebook.PageIndex(), 0);
  ExpectSnapshot(*MainForm, "opening-page", "LabelOpeningTitle", clNavy);

  auto& details = NamedComponent<TPanel>(*MainForm, "PanelDetails");
  const bool detailsShown = details.Visible();
  WORD key = VK_F5;
  MainForm->FormKeyDown(MainForm, key, 0);
  EXPECT_NE(details.Visible(), detailsShown);
  ExpectSnapshot(*MainForm, detailsShown ? "opening-page-without-details" : "details-panel",
                 "LabelOpeningTitle", clNavy);

  TObtainingIPAddress* notice = nullptr;
  Console.App().CreateForm(notice);
  notice->Show();
  ExpectSnapshot(*notice, "notice-retrieving-address", "PanelTitle", clWhite);
  EXPECT_TRUE(IsWindowVisible(notice->Handle()));

  InvalidElements->ShowAgain();
  ExpectSnapshot(*InvalidElements, "notice-lost-connection", "PanelLostConnection", clWhite);
  EXPECT_TRUE(InvalidElements->Visible());

  ScoresForm->ScoresGrid->SetCells(1, 0, "Rank");
  ScoresForm->ShowAgain();
  EXPECT_EQ(ScoresForm->Left(), 10);
  EXPECT_EQ(ScoresForm->Width(), 1346);
  ExpectSnapshot(*ScoresForm, "notice-scores", "ScoresGrid", clWhite);
}

// The roles as a technical routine labels them, the impression judges' on two lines.
TEST_F(Snapshots, OpeningPageOfATechnicalRoutine) {
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  MainForm->DisciplineSelection->SetItemIndex(1);
  MainForm->DisciplineSelectionChange(MainForm, 1);
  MainForm->ClientChoice->SetItemIndex(6);
  EXPECT_EQ(MainForm->ClientChoice->Items().Strings(6), "Judge 2\r(Impression)");
  ExpectSnapshot(*MainForm, "opening-page-technical", "LabelOpeningTitle", clNavy);
}

TEST_F(Snapshots, AnElementJudgesPageWithItsConfirmation) {
  test::TFakeMeetServer server;
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  Console.ChooseLocalServer();
  ASSERT_TRUE(Console.ConnectTo(server));

  std::string elements = std::string(1, SOH) + "AEFREEZEL " + STX + "4" + DC1;
  for (int row = 1; row <= 4; ++row)
    for (const char* item : {"0:10-0:20", "TRE", "1.2", "", "1.5000", "0.0"})
      elements += std::string(item) + DC2;
  MainForm->DispatchFrame(elements + EOT);
  for (const char* key : {"DETSCORE7", "DETSCORE25", "DETSCORE10", "DETSCORE8"})
    NamedComponent<TControl>(*MainForm, key).Click();
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 1);
  ExpectSnapshot(*MainForm, "element-judge-page", "JudgeNum", clNavy);

  NamedComponent<TMVWSpeedButton>(*MainForm, "ButtonSendScore").Click();
  EXPECT_TRUE(NamedComponent<TWinControl>(*MainForm, "ScoreConfirmMain").Visible());
  ExpectSnapshot(*MainForm, "element-judge-confirmation", "ScoreConfirmTitle", clWhite);
}

TEST_F(Snapshots, AnImpressionJudgesPage) {
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  NamedComponent<TMVWRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(6);
  MainForm->ShowRolePage();
  for (const char* key : {"DETSCORE8", "DETSCORE75", "DETSCORE10"})
    NamedComponent<TControl>(*MainForm, key).Click();
  EXPECT_EQ(MainForm->ImpressionEdits[1]->GetText(), "10.0");
  ExpectSnapshot(*MainForm, "impression-judge-page", "JudgeNum", clNavy);
}

// The time keeper's page with three times, then a judge's page with the athlete strip and the
// LED scoreboard as the server's frames fill them.
TEST_F(Snapshots, TheTimeKeepersPageAndTheScoreboard) {
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  const auto frame = [](const std::string& code, const std::string& payload) {
    return std::string(1, SOH) + code + "FREEZEL " + STX + payload + EOT;
  };
  MainForm->DispatchFrame(
      frame("AI", "No 12" + std::string(1, DC1) + "Aqua & Sun;Anna Lee;Bea Moss;" + DC2 + "2"));
  MainForm->DispatchFrame(frame("PR", " 4 " + std::string(1, DC1) + "85.1234^80.5^165.6234" + DC2));
  auto& roles = NamedComponent<TMVWRadioGroup>(*MainForm, "ClientChoice");
  roles.SetItemIndex(16);
  MainForm->ShowRolePage();
  const std::vector<WORD> keys = {'4', '5', '3', VK_NEXT, '1', '2', VK_NEXT, '3', '1', '0', '7'};
  for (WORD key : keys)
    MainForm->FormKeyDown(MainForm, key, 0);
  EXPECT_EQ(NamedComponent<TControl>(*MainForm, "RoutineTime").Caption(), "3:10.7");
  ExpectSnapshot(*MainForm, "time-keeper-page", "LabelRoutineTime", clNavy);

  roles.SetItemIndex(0);
  MainForm->ShowRolePage();
  EXPECT_TRUE(NamedComponent<TControl>(*MainForm, "PanelScoreboard").Visible());
  ExpectSnapshot(*MainForm, "scoreboard-and-athlete", "LabelAthlete", clWhite);
}

// The referee's, a difficulty controller's and the technical controller's pages, each with
// decisions in every look they can take.
TEST_F(Snapshots, DecisionPages) {
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  std::string elements = std::string(1, SOH) + "AEFREEZEL " + STX + "5" + DC1;
  const char* parts[] = {"TRE", "HYBRID", "ACRO", "HYBRID", "TRE"};
  for (const char* part : parts)
    for (const std::string& item :
         {std::string("0:10-0:20"), std::string(part),
          std::string(part == std::string("HYBRID") ? "T5a C2c+ C2a+*0.5 F1 2PR S3b-4F1c 5PC"
                                                    : "TRE2a"),
          std::string("4PC"), std::string("1.5000"), std::string("0.4")})
      elements += item + DC2;
  elements += EOT;
  const char* decisions[] = {"10000", "01000", "00100", "10001", "01010"};
  const struct {
    int Role;
    int Page;
    const char* Name;
    const char* Title;
  } pages[] = {{17, 4, "referee-page", "LabelHJDETTitle"},
               {13, 6, "difficulty-controller-page", "JudgeNum"},
               {19, 6, "technical-controller-page", "JudgeNum"}};
  auto& notebook = NamedComponent<TNotebook>(*MainForm, "_Notebook");
  for (const auto& page : pages) {
    NamedComponent<TMVWRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(page.Role);
    MainForm->ShowRolePage();
    notebook.SetPageIndex(page.Page);
    MainForm->DispatchFrame(elements);
    auto& referee = NamedComponent<TStringGrid>(*MainForm, "GridReferee");
    auto& datc = NamedComponent<TStringGrid>(*MainForm, "GridDATC");
    for (int row = 1; row <= 5; ++row) {
      const std::string flags = decisions[row - 1];
      for (int col = 9; col <= 11; ++col) {
        referee.SetCells(col, row, flags);
        if (page.Role == 19)
          datc.SetCells(col, row, flags);
      }
      referee.SetCells(3 + row, row, row == 2 ? "0.00" : "7.50");
      if (page.Role != 19)
        for (int i = 0; i < 5; ++i)
          datc.SetCells(DATCFlagColumns[i], row, flags.substr(static_cast<std::size_t>(i), 1));
    }
    datc.SetCells(0, 1, "*0:10-0:20");
    referee.SetCells(0, 1, "*0:10-0:20");
    EXPECT_EQ(notebook.PageIndex(), page.Page);
    ExpectSnapshot(*MainForm, page.Name, page.Title, clNavy);
  }
}

TEST_F(Snapshots, ASynchronizationControllersPageDuringTheRoutine) {
  test::TFakeMeetServer server;
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  Console.ChooseLocalServer();
  MainForm->ClientChoice->SetItemIndex(10);
  MainForm->ClientChoiceChange(MainForm, 10);
  ASSERT_TRUE(Console.ConnectTo(server));
  double now = 46095.5;
  MainForm->Clock = [&now] { return now; };

  MainForm->STCStartStop->Click();
  for (const double seconds : {5.3, 7.1}) {
    now += seconds / 86400;
    MainForm->TimerRoutineTimer(MainForm->TimerRoutine);
    MainForm->STCButton3->Click();
    MainForm->TimerClickTimer(MainForm->TimerClick);
  }
  MainForm->STCButton1->Click();
  EXPECT_EQ(MainForm->STCClock->Caption(), "0:12.4");
  EXPECT_EQ(MainForm->GridSTC->RowCount(), 3);
  EXPECT_EQ(MainForm->STCButton1->Color(), 0xC0C0C0);
  ExpectSnapshot(*MainForm, "stc-page", "LabelSTCTitle", clNavy);
}

TEST_F(Snapshots, TheDifficultyEditorWithABreakdownAndALimitMessage) {
  const std::filesystem::path cards = Folder.Path() / "Coach Card";
  std::filesystem::create_directory(cards);
  std::ofstream(cards / DifficultyChartFile) << test::ChartText(
      {{"T", {{"T5a", "1"}}}, {"C", {{"C2c+", "0.6"}, {"C2a+", "0.4"}}}}, {{"4", {{"PC", "0.3"}}}});
  std::ofstream(cards / AcrobaticsFile) << "<?xml?>\n";
  std::ofstream(cards / MovementsFile) << "<?xml?>\n";
  EditorForm->EditBMDifficulty->SetText("T5a C2c+ C2a+*0.5 T5a T5a T5a");
  EditorForm->EditBMBonus->SetText("4PC");
  const TModalResult result =
      test::ShowModalWith(*EditorForm, {[this] {
                                          ExpectSnapshot(*EditorForm, "difficulty-editor",
                                                         "LabelEditBMDifficulty", clWhite);
                                          return true;
                                        },
                                        [] {
                                          EditorForm->SetModalResult(mrCancel);
                                          return true;
                                        }});
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(EditorForm->EditBMDD->GetText(), "0.50 1.000 0.600 0.200 1.000 1.000 1.000");
  EXPECT_EQ(EditorForm->EditBMDDResults->Caption(), "5.600");
  EXPECT_TRUE(EditorForm->LabelDDError->Visible());
}

} // namespace
} // namespace marivo
