// Scores on the earlier rules' pages, from the keys to the bytes on the wire, against a meet
// server in the test process on 127.0.0.1.
#include "tests/console/corvella/CorvellaFixture.h"
#include "tests/support/AfterEvents.h"
#include "tests/support/ScreenPixels.h"

namespace marivo::corvella {
namespace {

std::string Sent(const std::string& role, const std::string& payload,
                 const std::string& discipline = "FREE") {
  return test::Frame("SD", role, payload, discipline);
}

class Scoring : public CorvellaConsole {
protected:
  void SetUp() override {
    CorvellaConsole::SetUp();
    Console.ChooseLocalServer();
  }
  void ConnectAs(int role, const std::string& discipline = "FREE") {
    ChooseRole(role);
    MainForm->DisciplineSelection->SetItemIndex(discipline == "FREE" ? 0 : 1);
    MainForm->DisciplineSelectionChange(MainForm->DisciplineSelection,
                                        MainForm->DisciplineSelection->ItemIndex());
    ASSERT_TRUE(Console.ConnectTo(Server));
  }
  void Press(const std::string& button) { NamedComponent<TControl>(*MainForm, button).Click(); }
  void Key(WORD key) { MainForm->FormKeyDown(MainForm, key, 0); }
  // The frames written since the last look; a marker written now closes the list.
  std::vector<std::string> NewFrames() {
    MainForm->SendFrame("CM", "marker");
    auto frames = Server.Frames();
    PumpUntil([&] {
      frames = Server.Frames();
      return frames.size() > Seen && frames.back().find("marker") != std::string::npos;
    });
    if (frames.size() <= Seen) {
      ADD_FAILURE() << "the marker frame never arrived";
      return {};
    }
    std::vector<std::string> fresh(frames.begin() + static_cast<long>(Seen), frames.end() - 1);
    Seen = frames.size();
    return fresh;
  }
  // Focus moves need the console's window to be the active one, as when the official works in
  // it; the steps tell whether they went as they should.
  bool WhileActive(const std::function<bool()>& steps) {
    SetForegroundWindow(MainForm->Handle());
    return PumpUntil([] { return Application->Active(); }) && steps() && Application->Active();
  }
  // Focus moves and their posted after-events all handled.
  static void Settle() { EXPECT_TRUE(marivo::test::PumpPosted()); }
  TMVWEdit& Element(int n) { return *MainForm->ElementEdits[static_cast<std::size_t>(n - 1)]; }
  // Keys typed into the edit: each pressed, its character, released.
  static void Type(TMVWEdit& edit, const std::string& keys) {
    for (char key : keys) {
      const WORD code = key == '+' ? VK_OEM_PLUS : static_cast<WORD>(key);
      SendMessageA(edit.Handle(), WM_KEYDOWN, code, 1);
      SendMessageA(edit.Handle(), WM_CHAR, static_cast<unsigned char>(key), 1);
      SendMessageA(edit.Handle(), WM_KEYUP, code, 0xC0000001);
    }
  }
  static void ClickKey(const std::string& key) {
    marivo::test::ClickWithMouse(NamedComponent<TControl>(*MainForm, key));
  }
  // The element edits' after-events go to Events from now on.
  void RecordElementEvents() {
    marivo::test::RecordAfterEvents<TMVWEdit>(MainForm->ElementEdits, Events);
  }
  static bool SelectedWhole(TMVWEdit& edit) {
    return edit.SelStart() == 1 && edit.SelLength() == static_cast<int>(edit.GetText().size());
  }

  marivo::test::TFakeMeetServer Server;
  std::size_t Seen = 0;
  std::vector<std::string> Events;
};

TEST_F(Scoring, EachRoleLandsOnItsPageWithItsLabel) {
  struct TRow {
    int Role;
    const char* Discipline;
    int Page;
    const char* Label;
    const char* Parent;
  };
  const TRow rows[] = {
      {0, "FREE", IndividualPage, "EXEC: 1", "PanelIND"},
      {9, "TECH", IndividualPage, "IMP: 5", "PanelIND"},
      {5, "FREE", IndividualPage, "A/I: 1", "PanelIND"},
      {14, "FREE", IndividualPage, "DIFF: 5", "PanelIND"},
      {10, "TECH", DetailedPage, "ELEM: 1", "PanelDET"},
      {15, "FREE", TimersPage, "ELEM: 1", "PanelDET"},
      {16, "TECH", RefereePage, "ELEM: 1", "PanelDET"},
  };
  for (const TRow& row : rows) {
    ChooseRole(row.Role);
    MainForm->DisciplineSelection->SetItemIndex(std::string(row.Discipline) == "FREE" ? 0 : 1);
    MainForm->DisciplineSelectionChange(MainForm, MainForm->DisciplineSelection->ItemIndex());
    MainForm->ShowRolePage();
    EXPECT_EQ(Page(), row.Page) << row.Role;
    EXPECT_EQ(MainForm->JudgeNum->Caption(), row.Label) << row.Role;
    EXPECT_EQ(MainForm->PanelRight->Parent()->Name(), row.Parent) << row.Role;
    EXPECT_EQ(MainForm->LabelDisc->Caption(), row.Discipline) << row.Role;
  }
  EXPECT_EQ(MainForm->LabelJudge->Caption(), "Judge");
  EXPECT_EQ(MainForm->ButtonSendScore->Caption(), "Send");
  EXPECT_EQ(MainForm->Width(), 1366) << "the head judge's page takes the whole screen";
  EXPECT_TRUE(MainForm->PanelHJScoring->Visible());
  EXPECT_EQ(MainForm->HJGrid->ColWidths(0), 200);
  EXPECT_EQ(MainForm->HJGrid->ColWidths(3), 78);
  EXPECT_EQ(MainForm->HJGrid->Cells(0, 3), "Element 1");
  EXPECT_EQ(MainForm->HJGrid->Height(), (MainForm->HJGrid->DefaultRowHeight() + 1) * 8 + 1);
}

TEST_F(Scoring, ASingleScoreIsShiftedInSentWithdrawnWithZeros) {
  ConnectAs(6);
  NewFrames();
  EXPECT_EQ(Page(), IndividualPage);
  for (const char* key : {"INDSCORE7", "INDSCORE5"})
    Press(key);
  EXPECT_EQ(MainForm->ScoreEdit->Caption(), "7.5");
  Key('8');
  Key(VK_NUMPAD2);
  EXPECT_EQ(MainForm->ScoreEdit->Caption(), "8.2");
  Key('X');
  EXPECT_EQ(MainForm->ScoreEdit->Caption(), "10.0");
  Key('4');
  EXPECT_EQ(MainForm->ScoreEdit->Caption(), "0.4");
  Key(VK_ESCAPE);
  EXPECT_EQ(MainForm->ScoreEdit->Caption(), "0.0");
  for (const char* key : {"INDSCORE9", "INDSCORE1"})
    Press(key);

  Key(VK_RETURN);
  ASSERT_TRUE(MainForm->ScoreConfirmMain->Visible());
  EXPECT_EQ(MainForm->ScoreConfirmScore0->Caption(), "9.1");
  EXPECT_TRUE(MainForm->ScoreConfirmScore0->Visible());
  EXPECT_FALSE(MainForm->ScoreConfirmScore1->Visible());
  Key(VK_RETURN);
  Server.Send(Frame("TX", "ZEL ", "J7  [DC1]"));
  ASSERT_TRUE(PumpUntil([] { return MainForm->ScoreConfirmMain->Color() == 0x008000; }));
  Key(VK_ESCAPE);
  EXPECT_EQ(NewFrames(),
            (std::vector<std::string>{Sent("J7  ", "9.1[DC1]"), Sent("J7  ", "0.0[DC1]")}));
  EXPECT_EQ(MainForm->ScoreEdit->Caption(), "0.0");
  EXPECT_FALSE(MainForm->ScoreConfirmMain->Visible());
}

// The single-score page worked with the mouse alone: keypad speed buttons, Send, Accept.
TEST_F(Scoring, ASingleScoreMadeWithTheMouseGoesOutOnAccept) {
  ConnectAs(6);
  NewFrames();
  ASSERT_EQ(Page(), IndividualPage);
  const auto click = [](const std::string& name) {
    marivo::test::ClickWithMouse(NamedComponent<TControl>(*MainForm, name));
  };
  const struct {
    const char* Key;
    const char* Shown;
  } presses[] = {{"INDSCORE8", "0.8"}, {"INDSCORE2", "8.2"},     {"INDSCORE10", "10.0"},
                 {"INDSCORE6", "0.6"}, {"INDSCOREClear", "0.0"}, {"INDSCORE9", "0.9"},
                 {"INDSCORE0", "9.0"}};
  for (const auto& press : presses) {
    click(press.Key);
    EXPECT_EQ(MainForm->ScoreEdit->Caption(), press.Shown) << press.Key;
  }
  click("ButtonSendScore");
  ASSERT_TRUE(MainForm->ScoreConfirmMain->Visible());
  EXPECT_EQ(MainForm->ScoreConfirmScore0->Caption(), "9.0");
  click("ScoreConfirmAccept");
  EXPECT_EQ(NewFrames(), std::vector<std::string>{Sent("J7  ", "9.0[DC1]")});
}

TEST_F(Scoring, FiveElementScoresGoOutEachWithItsSeparator) {
  ConnectAs(12, "TECH");
  NewFrames();
  ASSERT_EQ(Page(), DetailedPage);
  EXPECT_FALSE(MainForm->ScoreEdit->Visible());
  EXPECT_EQ(MainForm->CurrentElementEdit, &Element(1));
  // 10 on an empty edit is a whole score and moves on; two digits make the next one.
  Press("DETSCORE10");
  EXPECT_EQ(Element(1).GetText(), "10.0");
  EXPECT_EQ(MainForm->CurrentElementEdit, &Element(2));
  Press("DETSCORE7");
  EXPECT_EQ(MainForm->CurrentElementEdit, &Element(2));
  Press("DETSCORE5");
  EXPECT_EQ(Element(2).GetText(), "7.5");
  Press("DETSCORE0");
  Press("DETSCOREClear");
  EXPECT_EQ(Element(3).GetText(), "");
  Press("DETSCORE8");
  Press("DETSCORE1");
  Press("DETPrevious");
  EXPECT_EQ(MainForm->CurrentElementEdit, &Element(3));
  Press("DETNext");
  Press("DETNext");
  Press("DETSCORE6");
  Press("DETSCORE6");
  EXPECT_EQ(MainForm->CurrentElementEdit, &Element(1)) << "after the fifth comes the first";
  Key('7');
  EXPECT_EQ(Element(1).GetText(), "10.0") << "digits go on to the edit as typed characters";

  Press("ButtonSendScore");
  ASSERT_TRUE(MainForm->ScoreConfirmMain->Visible());
  EXPECT_FALSE(MainForm->ScoreConfirmScore0->Visible());
  EXPECT_EQ(MainForm->ScoreConfirmScore3->Caption(), "8.1");
  EXPECT_TRUE(MainForm->ScoreConfirmScore5->Visible());
  Press("ScoreConfirmAccept");
  const std::string scores = "10.0[DC1]7.5[DC2]8.1[DC3][DC4]6.6[DC5]";
  EXPECT_EQ(NewFrames(), std::vector<std::string>{Sent("J13 ", scores, "TECH")})
      << "a blank score goes out as it is: the server decides";

  MainForm->DispatchFrame(Frame("TX", "ZEL ", "J13 [DC1]"));
  Press("ScoreConfirmDecline");
  EXPECT_EQ(NewFrames(), std::vector<std::string>{
                             Sent("J13 ", "0.0[DC1]0.0[DC2]0.0[DC3]0.0[DC4]0.0[DC5]", "TECH")});
  EXPECT_EQ(ElementTexts(), std::vector<std::string>(5, "0.0"));
  EXPECT_EQ(MainForm->CurrentElementEdit, &Element(1));
}

// The element keypad clicked with the mouse: its speed buttons take no focus, so only a whole
// score moves the focus on, and the after-events run in the order of the moves.
TEST_F(Scoring, ElementScoresMadeWithTheMouseOnTheKeypad) {
  ConnectAs(10, "TECH");
  NewFrames();
  RecordElementEvents();
  ASSERT_TRUE(WhileActive([&] {
    for (TMVWEdit* edit : MainForm->ElementEdits)
      edit->SetText("");
    Element(1).SetFocus();
    Settle();
    Events.clear();
    ClickKey("DETSCORE7");
    if (!Element(1).Focused() || Element(1).GetText() != "7")
      return false;
    ClickKey("DETSCORE5");
    ClickKey("DETSCORE10");
    Settle();
    return Element(3).Focused();
  })) << "each whole score moves the focus to the next edit";
  EXPECT_EQ(Events, (std::vector<std::string>{"exit DETJ1Det", "enter DETJ2Det", "exit DETJ2Det",
                                              "enter DETJ3Det"}));
  EXPECT_EQ(Element(1).GetText(), "7.5");
  EXPECT_EQ(Element(2).GetText(), "10.0");
  EXPECT_EQ(Element(2).Color(), clWhite) << "the edit left is white";
  EXPECT_EQ(Element(3).Color(), 0x008000) << "the edit entered is green";

  Key(VK_RETURN);
  Key(VK_RETURN);
  EXPECT_EQ(NewFrames(),
            std::vector<std::string>{Sent("J11 ", "7.5[DC1]10.0[DC2][DC3][DC4][DC5]", "TECH")});
}

// One score over the server's earlier one, keypad and keyboard mixed: a digit typed after the
// keypad's follows it; each edit entered has its whole text selected, so what is typed there
// replaces it; Cancel after the receipt takes the judge back to the first edit, selected again.
TEST_F(Scoring, AScoreOverTheEarlierOneFromTheKeypadToItsWithdrawal) {
  ConnectAs(11, "TECH");
  NewFrames();
  RecordElementEvents();
  ASSERT_TRUE(WhileActive([&] {
    Receive("FS", "ZEL ", "12[DC1]7.5[DC2]8.0[DC3]9.0[DC4]6.0[DC5]5.0");
    Element(1).SetFocus();
    Settle();
    Events.clear();
    ClickKey("DETSCORE9");
    Type(Element(1), "1");
    Settle();
    if (!Element(2).Focused() || !SelectedWhole(Element(2)) || Element(2).GetText() != "8.0")
      return false;
    Type(Element(2), "64");
    Settle();
    if (!Element(3).Focused())
      return false;
    ClickKey("DETSCORE10");
    Settle();
    return Element(4).Focused();
  })) << "a whole score, typed or from the keypad, moves on to the next edit";
  EXPECT_EQ(Events,
            (std::vector<std::string>{"exit DETJ1Det", "enter DETJ2Det", "exit DETJ2Det",
                                      "enter DETJ3Det", "exit DETJ3Det", "enter DETJ4Det"}));
  EXPECT_TRUE(SelectedWhole(Element(4)));
  Key(VK_RETURN);
  Key(VK_RETURN);
  EXPECT_EQ(NewFrames(), std::vector<std::string>{
                             Sent("J12 ", "9.1[DC1]6.4[DC2]10.0[DC3]6.0[DC4]5.0[DC5]", "TECH")});

  ASSERT_TRUE(WhileActive([&] {
    Element(4).SetFocus();
    if (!MainForm->ScoreConfirmMain->Visible())
      Key(VK_RETURN);
    Receive("TX", "ZEL ", "J12 [DC1]");
    Settle();
    Events.clear();
    Key(VK_ESCAPE);
    Settle();
    return Element(1).Focused();
  })) << "Cancel after the receipt returns to the first edit";
  EXPECT_EQ(Events, (std::vector<std::string>{"exit DETJ4Det", "enter DETJ1Det"}));
  EXPECT_EQ(ElementTexts(), std::vector<std::string>(5, "0.0"));
  EXPECT_TRUE(SelectedWhole(Element(1)));
  EXPECT_EQ(Element(1).Color(), 0x008000);
  const std::vector<std::string> withdrawals = NewFrames();
  EXPECT_FALSE(withdrawals.empty());
  for (const std::string& frame : withdrawals)
    EXPECT_EQ(frame, Sent("J12 ", "0.0[DC1]0.0[DC2]0.0[DC3]0.0[DC4]0.0[DC5]", "TECH"))
        << "only withdrawals, one per try";
}

TEST_F(Scoring, TheConfirmationLabelsShareTheWidthInAFittedFont) {
  ConnectAs(10, "TECH");
  Press("ButtonSendScore");
  auto& panel = *MainForm->ScoreConfirmMain;
  const int w = panel.Width() / 5;
  const int h = (panel.Height() - MainForm->ScoreConfirmTitle->Height() -
                 MainForm->ScoreConfirmButtons->Height() - 5) /
                3;
  for (int i = 1; i <= 5; ++i) {
    TMVWSimpleLabel& label = *MainForm->ConfirmScoreLabels[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(label.Left(), (i - 1) * w) << i;
    EXPECT_EQ(label.Width(), w) << i;
    EXPECT_EQ(label.Height(), h) << i;
    EXPECT_EQ(label.Top(), (h / 2) * (i - 1) + MainForm->ScoreConfirmTitle->Height()) << i;
    EXPECT_TRUE(label.Font().Style() & fsBold);
  }
  // The size is the largest from 96 down at which "8.8" and a blank fit the width.
  TCanvas& measuring = MainForm->TestImage->Picture().Bitmap().Canvas();
  const int size = MainForm->ScoreConfirmScore1->Font().Size();
  measuring.Font().SetSize(size);
  EXPECT_LE(measuring.TextWidth("8.8 "), w);
  if (size < 96) {
    measuring.Font().SetSize(size + 1);
    EXPECT_GT(measuring.TextWidth("8.8 "), w);
  }
}

TEST_F(Scoring, TheHeadJudgeSendsPenaltiesAndMovesTheRoutine) {
  ConnectAs(16);
  NewFrames();
  ASSERT_EQ(Page(), RefereePage);
  EXPECT_EQ(MainForm->HJGrid->RowCount(), 4);
  EXPECT_EQ(MainForm->HJGrid->Cells(0, 2), "Art. Impression");
  Press("HJSCORE5");
  NamedComponent<TMVWSimpleLabel>(*MainForm, "LabelTechnicalPenalty").Click();
  Press("HJSCORE10");
  Key(VK_PRIOR);
  Key('3');
  EXPECT_EQ(MainForm->TimePenalty->Caption(), "5.3");
  EXPECT_EQ(MainForm->TechnicalPenalty->Caption(), "10.0");
  Key(VK_RETURN);
  Press("ButtonNext");
  Press("ButtonPrev");
  EXPECT_EQ(NewFrames(), (std::vector<std::string>{
                             Sent("HJ  ", "5.3[DC1]10.0[DC2]"),
                             std::string(1, SOH) + "MVFREEHJ  " + STX + "+1" + DC1 + EOT,
                             std::string(1, SOH) + "MVFREEHJ  " + STX + "-1" + DC1 + EOT}));
  MainForm->DispatchFrame(Frame("TX", "ZEL ", "HJ  [DC1]"));
  EXPECT_EQ(MainForm->ButtonSendHJ->Caption(), "Thank You");
  Key('1');
  EXPECT_EQ(MainForm->ButtonSendHJ->Caption(), "Send");
  EXPECT_EQ(MainForm->ButtonSendHJ->Color(), 0xC0C0C0);
}

// The head judge's arrow swaps between the two penalties and is drawn beside the chosen one only.
TEST_F(Scoring, TheHeadJudgesArrowShowsOnlyBesideTheSelectedPenalty) {
  ConnectAs(16);
  ASSERT_EQ(Page(), RefereePage);
  auto& arrow = *MainForm->HJArrow;
  HWND parent = arrow.Parent()->Handle();
  const RECT column{arrow.Left(), 0, arrow.Left() + arrow.Width(), 300};
  for (const int tag : {4, 5, 4, 5}) {
    if (tag != arrow.Tag())
      Key(VK_NEXT);
    ASSERT_EQ(arrow.Tag(), tag);
    // Only what the move itself asked to repaint is painted.
    RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const auto green =
        marivo::test::CountColorInRows(marivo::test::ScreenPixels(parent, column), arrow.Width(),
                                       arrow.Top(), arrow.Top() + arrow.Height(), RGB(0, 0xA0, 0));
    EXPECT_GT(green.Inside, 500) << "no arrow beside penalty " << tag;
    EXPECT_EQ(green.Outside, 0) << "a trail after moving to penalty " << tag;
  }
}

TEST_F(Scoring, TheTimeKeeperTypesTimesAndSendsThemAtOnce) {
  ConnectAs(15);
  NewFrames();
  ASSERT_EQ(Page(), TimersPage);
  for (const char* key : {"TIMESCORE4", "TIMESCORE5", "TIMESCORE3"})
    Press(key);
  Key(VK_NEXT);
  Key('2');
  Key(VK_NEXT);
  Key('X');
  EXPECT_EQ(MainForm->WalkOnTime->Caption(), "0:45.3");
  EXPECT_EQ(MainForm->DeckTime->Caption(), "0:00.2");
  EXPECT_EQ(MainForm->RoutineTime->Caption(), "10.0");
  Key(VK_RETURN);
  EXPECT_EQ(NewFrames(), std::vector<std::string>{Sent("TIME", "0:45.3[DC1]0:00.2[DC2]10.0[DC3]")});
  EXPECT_FALSE(MainForm->ScoreConfirmMain->Visible());
}

// Typing goes through the edit's own keys; the after-events check what is left in an edit.
TEST_F(Scoring, TypedElementScoresAreCheckedAndATenAndAHalfIsRefused) {
  ConnectAs(11, "TECH");
  ASSERT_TRUE(WhileActive([&] {
    for (TMVWEdit* edit : MainForm->ElementEdits)
      edit->SetText("");
    Element(1).SetFocus();
    Settle();
    Type(Element(1), "+");
    Settle();
    if (!Element(2).Focused())
      return false;
    Type(Element(2), "64");
    Settle();
    return Element(3).Focused() && Element(1).Color() == clWhite && Element(3).Color() == 0x008000;
  })) << "a whole score moves on to the next edit, the one left white, the one entered green";
  EXPECT_EQ(Element(1).GetText(), "10.0");
  EXPECT_EQ(Element(1).Color(), clWhite);
  EXPECT_EQ(Element(2).GetText(), "6.4");
  EXPECT_EQ(Element(3).Color(), 0x008000) << "the edit entered is green";

  ASSERT_TRUE(WhileActive([this] {
    Element(3).SetFocus();
    Settle();
    Element(3).SetText("10.5");
    Element(4).SetFocus();
    Settle();
    return Element(3).Focused() && Element(3).Color() == 0x0000FF;
  })) << "10.5 stays red and keeps the focus";
  EXPECT_EQ(Element(3).Color(), 0x0000FF);
  EXPECT_EQ(Element(3).Font().Color(), clWhite);
  EXPECT_EQ(Element(3).GetText(), "10.5");
}

TEST_F(Scoring, TwoInvalidElementEditsDoNotTakeTheFocusFromEachOtherForEver) {
  ConnectAs(13, "TECH");
  // However long the loop runs, the focus stays put once the one return is done.
  ASSERT_TRUE(WhileActive([this] {
    Element(2).SetText("x");
    Element(3).SetText("11");
    Element(2).SetFocus();
    Settle();
    Element(3).SetFocus();
    Settle();
    const HWND focused = GetFocus();
    for (int round = 0; round < 5; ++round) {
      Settle();
      if (GetFocus() != focused)
        return false;
    }
    return focused == Element(2).Handle() && Element(2).Color() == 0x0000FF &&
           Element(3).Color() == 0x0000FF;
  })) << "the edit left takes the focus back once and keeps it, both red";
  EXPECT_EQ(Element(2).Color(), 0x0000FF);
  EXPECT_EQ(Element(3).Color(), 0x0000FF);

  // Esc empties the edit being scored and makes it green again.
  Key(VK_ESCAPE);
  EXPECT_EQ(Element(2).GetText(), "");
  EXPECT_EQ(Element(2).Color(), 0x008000);
}

} // namespace
} // namespace marivo::corvella
