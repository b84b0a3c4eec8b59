// Pictures of Corvella's pages, for a person to look at after `make test`.
#include "tests/console/corvella/CorvellaFixture.h"

namespace marivo::corvella {
namespace {

class Snapshots : public CorvellaConsole {
protected:
  void ExpectSnapshot(const std::string& name, const std::string& title, TColor color) {
    ConsoleTest::ExpectSnapshot(*MainForm, "corvella-" + name, title, color);
  }
  void ShowRole(int role, const std::string& discipline) {
    ChooseRole(role);
    Discipline(discipline);
    MainForm->ShowRolePage();
  }
};

TEST_F(Snapshots, EveryKindOfPage) {
  ExpectSnapshot("opening-page", "LabelOpeningTitle", clNavy);
  WORD key = VK_F5;
  MainForm->FormKeyDown(MainForm, key, 0);
  ASSERT_TRUE(MainForm->PanelDetails->Visible());
  ExpectSnapshot("details-panel", "LabelOpeningTitle", clNavy);
  key = VK_F5;
  MainForm->FormKeyDown(MainForm, key, 0);

  ShowRole(2, "FREE");
  ASSERT_EQ(Page(), IndividualPage);
  MainForm->KeypadEntry(8);
  MainForm->KeypadEntry(5);
  ExpectSnapshot("single-score-page", "JudgeNum", clNavy);
  MainForm->ButtonSendScore->Click();
  ASSERT_TRUE(MainForm->ScoreConfirmMain->Visible());
  ExpectSnapshot("single-score-confirmation", "ScoreConfirmTitle", clWhite);

  ShowRole(10, "TECH");
  ASSERT_EQ(Page(), DetailedPage);
  const char* scores[] = {"7.5", "10.0", "x", "", "6.4"};
  for (std::size_t i = 0; i < 5; ++i)
    MainForm->ElementEdits[i]->SetText(scores[i]);
  MainForm->ValidateDetailEdit(*MainForm->DETJ3Det);
  ExpectSnapshot("element-page", "JudgeNum", clNavy);
  MainForm->ButtonSendScore->Click();
  ExpectSnapshot("element-confirmation", "ScoreConfirmTitle", clWhite);

  ShowRole(15, "TECH");
  ASSERT_EQ(Page(), TimersPage);
  ExpectSnapshot("timers-page", "LabelRoutineTime", clNavy);

  ShowRole(16, "TECH");
  ASSERT_EQ(Page(), RefereePage);
  for (const char* frame : {"1[DC1]8.5[DC2]", "6[DC1]7.0[DC2]", "7[DC1]0.0[DC2]",
                            "12[DC1]1.0[DC2]0.0[DC3]3.0[DC4]4.0[DC5]5.0"})
    Receive("FS", "ZEL ", frame);
  EXPECT_EQ(MainForm->HJGrid->Cells(2, 4), "0.0");
  ExpectSnapshot("head-judge-page", "LabelHJDETTitle", clNavy);
}

} // namespace
} // namespace marivo::corvella
