// The whole road of one score: the server's element list and athlete, the keypad, Send, Accept,
// the receipt, and a withdrawal, against a meet server in the test process on 127.0.0.1.
#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningConsole.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace marivo {
namespace {

std::string ServerFrame(const std::string& code, const std::string& payload) {
  return std::string(1, SOH) + code + "FREEZEL " + STX + payload + EOT;
}

std::string ConsoleFrame(const std::string& role, const std::string& payload) {
  return std::string(1, SOH) + "SD" + "FREE" + role + STX + payload + EOT;
}

class Scoring : public ::testing::Test {
protected:
  void SetUp() override {
    SetMessageBoxHandler([](const std::string&, const std::string&, unsigned) { return IDOK; });
    Console.Start();
    MainForm->Show();
    MainForm->Timer1Timer(MainForm);
    Console.ChooseLocalServer();
  }
  void TearDown() override {
    Console.Close();
    SetMessageBoxHandler(nullptr);
  }

  void ConnectAs(int role) {
    NamedComponent<TRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(role);
    MainForm->ClientChoiceChange(MainForm);
    ASSERT_TRUE(Console.ConnectTo(Server));
  }
  // Frames from the server are handled on the main thread as its messages are pumped.
  void Receive(const std::string& frame) {
    auto& log = NamedComponent<TMemo>(*MainForm, "LogFile").Lines();
    const int before = log.Count();
    Server.Send(frame);
    ASSERT_TRUE(test::PumpUntil([&] { return log.Count() > before; }))
        << "the frame was not handled";
  }
  void Press(const std::string& button) { NamedComponent<TButton>(*MainForm, button).Click(); }
  void Key(WORD key) { MainForm->FormKeyDown(MainForm, key, 0); }
  std::string LastSent() {
    EXPECT_TRUE(Server.WaitForFrames(++Expected));
    const auto frames = Server.Frames();
    return frames.size() >= Expected ? frames[Expected - 1] : std::string();
  }
  TPanel& Confirmation() { return NamedComponent<TPanel>(*MainForm, "ScoreConfirmMain"); }
  TLabel& Label(const std::string& name) { return NamedComponent<TLabel>(*MainForm, name); }

  test::TFakeMeetServer Server;
  test::TRunningConsole Console;
  std::size_t Expected = 1;
};

TEST_F(Scoring, AnElementJudgeScoresEveryElementAndSeesTheReceipt) {
  ConnectAs(0);
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 1);
  EXPECT_EQ(Label("JudgeNum").Caption(), "ELEM 1");
  std::string elements = "3" + std::string(1, DC1);
  for (int row = 1; row <= 3; ++row)
    for (const char* item : {"0:10-0:20", "TRE", "1.2", "", "1.5000", "0.0"})
      elements += std::string(item) + DC2;
  Receive(ServerFrame("AE", elements));
  Receive(ServerFrame("AI", "0012" + std::string(1, DC1) + "Aqua Club;Anna Berg;" + DC2 + "1"));
  EXPECT_EQ(Label("LabelStart").Caption(), "12");

  // 7 then .25 on the first row, 10 on the second, the keyboard's 8 and numpad / on the third.
  Press("DETSCORE7");
  Press("DETSCORE25");
  Press("DETSCORE10");
  Key('8');
  Key(VK_DIVIDE);
  auto& scores = NamedComponent<TStringGrid>(*MainForm, "GridDetailedScores");
  EXPECT_EQ(scores.Cells(1, 0), "7.25");
  EXPECT_EQ(scores.Cells(1, 1), "10.00");
  EXPECT_EQ(scores.Cells(1, 2), "8.00");
  EXPECT_EQ(MainForm->ScoreCursor, 0) << "the cursor wraps after the last row";

  Key(VK_RETURN);
  ASSERT_TRUE(Confirmation().Visible());
  EXPECT_EQ(Confirmation().Color(), 0x0000FF);
  EXPECT_FALSE(NamedComponent<TButton>(*MainForm, "ButtonSendScore").Enabled());
  Key(VK_RETURN);
  EXPECT_EQ(LastSent(), ConsoleFrame("J1  ", "7.25\x12"
                                             "10.00\x12"
                                             "8.00\x12"));

  Receive(ServerFrame("TX", "J2  " + std::string(1, DC1)));
  EXPECT_EQ(Confirmation().Color(), 0x0000FF) << "a receipt for another role";
  Receive(ServerFrame("TX", "J1  " + std::string(1, DC1)));
  EXPECT_EQ(Confirmation().Color(), 0x008000);
  EXPECT_EQ(Label("ScoreConfirmTitle").Caption(), "Received - Thank You");

  Key(VK_ESCAPE);
  EXPECT_FALSE(Confirmation().Visible());
  EXPECT_EQ(LastSent(), ConsoleFrame("J1  ", "0.00\x12"
                                             "0.00\x12"
                                             "0.00\x12"));
  EXPECT_EQ(scores.Cells(1, 0), "7.25") << "a withdrawal keeps the entered scores";
}

TEST_F(Scoring, EmptyElementScoresGoOutAsZeroAndCancelBeforeTheReceiptSendsNothing) {
  ConnectAs(2);
  std::string elements = "2" + std::string(1, DC1);
  for (int row = 1; row <= 2; ++row)
    for (const char* item : {"a", "TRE", "1.2", "", "1.5000", "0.0"})
      elements += std::string(item) + DC2;
  Receive(ServerFrame("AE", elements));
  Press("DETSCORE50");
  auto& scores = NamedComponent<TStringGrid>(*MainForm, "GridDetailedScores");
  EXPECT_EQ(scores.Cells(1, 0), "50") << "a fraction on an empty row gives its digits";
  Press("ButtonSendScore");
  EXPECT_EQ(scores.Cells(1, 1), "0.00");
  Press("ScoreConfirmDecline");
  Press("ButtonSendScore");
  Press("ScoreConfirmAccept");
  EXPECT_EQ(LastSent(), ConsoleFrame("J3  ", "50\x12"
                                             "0.00\x12"));
}

TEST_F(Scoring, AnImpressionJudgeSendsThreeScoresOfFourCharacters) {
  ConnectAs(6);
  EXPECT_EQ(Label("JudgeNum").Caption(), "A/I 2");
  EXPECT_EQ(MainForm->ScoreCursor, 1);
  // The server's refill goes through the same four characters as the keypad.
  Receive(
      ServerFrame("FS", "7" + std::string(1, DC1) + "10.00" + DC2 + "8.25" + DC2 + "0.00" + DC2));
  EXPECT_EQ(MainForm->ImpressionEdits[0]->Text(), "10.0");
  EXPECT_EQ(MainForm->ImpressionEdits[1]->Text(), "8.25");
  EXPECT_EQ(MainForm->ImpressionEdits[2]->Text(), "");
  MainForm->ScoreCursor = 1;
  Press("DETSCORE10");
  Press("DETSCORE6");
  Press("DETSCORE75");
  Key('9');
  Key(VK_MULTIPLY);
  EXPECT_EQ(MainForm->ImpressionEdits[0]->Text(), "10.0");
  EXPECT_EQ(MainForm->ImpressionEdits[1]->Text(), "6.75");
  EXPECT_EQ(MainForm->ImpressionEdits[2]->Text(), "9.25");
  EXPECT_EQ(MainForm->ImpressionEdits[0]->Color(), 0x008000) << "the cursor is back on field 1";
  Press("ButtonSendScore");
  Press("ScoreConfirmAccept");
  EXPECT_EQ(LastSent(), ConsoleFrame("J7  ", "10.0\x12"
                                             "6.75\x12"
                                             "9.25\x12"));
  Press("ScoreConfirmAccept");
  EXPECT_EQ(LastSent(), ConsoleFrame("J7  ", "10.0\x12"
                                             "6.75\x12"
                                             "9.25\x12"))
      << "a second Accept sends the same score again";
}

TEST_F(Scoring, TheTimeKeeperSendsTimesAtOnce) {
  ConnectAs(16);
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 3);
  for (const char* key : {"TIMESCORE4", "TIMESCORE5", "TIMESCORE3"})
    Press(key);
  Key(VK_NEXT);
  Press("TIMESCORE2");
  Label("LabelRoutineTime").Click();
  for (WORD key : {'3', '1', '0', '7'})
    Key(key);
  EXPECT_EQ(Label("WalkOnTime").Caption(), "0:45.3");
  EXPECT_EQ(Label("DeckTime").Caption(), "0:00.2");
  EXPECT_EQ(Label("RoutineTime").Caption(), "3:10.7");
  Key(VK_RETURN);
  EXPECT_EQ(LastSent(), ConsoleFrame("TIME", "0:45.3\x11"
                                             "0:00.2\x12"
                                             "3:10.7\x13"));
  EXPECT_FALSE(Confirmation().Visible());
  Press("ButtonSendScore");
  EXPECT_FALSE(Confirmation().Visible()) << "no confirmation panel lives on the Timers page";
}

TEST_F(Scoring, EachRoleLandsOnItsPageAndLayoutFollowsTheWindow) {
  ConnectAs(11);
  auto& notebook = NamedComponent<TNotebook>(*MainForm, "_Notebook");
  EXPECT_EQ(notebook.PageIndex(), 5);
  EXPECT_EQ(Label("JudgeNum").Caption(), "STC 2");
  EXPECT_EQ(NamedComponent<TPanel>(*MainForm, "PanelRight").Parent()->Name(), "PanelSTC");
  const int a = (NamedComponent<TPanel>(*MainForm, "PanelSTC").Width() -
                 NamedComponent<TPanel>(*MainForm, "PanelRight").Width()) /
                16;
  EXPECT_EQ(NamedComponent<TPanel>(*MainForm, "STCButton2").Left(), 4 * a);

  MainForm->SetBounds(0, 0, 1200, 700);
  Console.App().ProcessMessages();
  const int narrower = (NamedComponent<TPanel>(*MainForm, "PanelSTC").Width() -
                        NamedComponent<TPanel>(*MainForm, "PanelRight").Width()) /
                       16;
  EXPECT_EQ(NamedComponent<TPanel>(*MainForm, "STCButton2").Left(), 4 * narrower);

  // The timer's role changes only the page.
  NamedComponent<TRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(16);
  MainForm->ShowRolePage();
  EXPECT_EQ(notebook.PageIndex(), 3);
  EXPECT_EQ(Label("JudgeNum").Caption(), "STC 2");
  EXPECT_EQ(NamedComponent<TPanel>(*MainForm, "PanelRight").Parent()->Name(), "PanelSTC");

  notebook.SetPageIndex(4);
  MainForm->SetBounds(5, 5, 900, 700);
  Console.App().ProcessMessages();
  EXPECT_EQ(MainForm->Left(), 0);
  EXPECT_EQ(MainForm->Width(), 1366);
  EXPECT_EQ(MainForm->Height(), 768);
}

TEST_F(Scoring, AScoreThatCouldNotLeaveIsConfirmedAgainAfterTheReconnect) {
  ConnectAs(5);
  Press("DETSCORE8");
  Press("DETSCORE50");
  Press("ButtonSendScore");
  Server.Close();
  // Only after the reader has seen the close does the write fail.
  ASSERT_TRUE(test::PumpUntil(
      [] { return NamedComponent<TButton>(*MainForm, "ConnectConsoles").Enabled(); }));
  Press("ScoreConfirmAccept");
  auto& reconnect = NamedComponent<TTimer>(*MainForm, "ReconnectTimer");
  ASSERT_TRUE(reconnect.Enabled());
  EXPECT_TRUE(InvalidElements->Visible());

  test::TFakeMeetServer again;
  NamedComponent<TIdTCPClient>(*MainForm, "client").SetPort(again.Port());
  MainForm->ReconnectTimerTimer(&reconnect);
  ASSERT_TRUE(again.WaitForFrames(1));
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 1);
  ASSERT_TRUE(Confirmation().Visible()) << "the judge sees the score waiting again";
  EXPECT_EQ(MainForm->ImpressionEdits[0]->Text(), "8.50");
  Press("ScoreConfirmAccept");
  ASSERT_TRUE(again.WaitForFrames(2));
  EXPECT_EQ(again.Frames()[1], ConsoleFrame("J6  ", "8.50\x12"
                                                    "0.00\x12"
                                                    "0.00\x12"));
}

TEST_F(Scoring, AJudgeWhoChangesRoleFindsTheSendButtonOnTheNewPage) {
  ConnectAs(10);
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 5);
  Press("ButtonHome5");
  NamedComponent<TRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(0);
  MainForm->ClientChoiceChange(MainForm);
  test::TFakeMeetServer second;
  ASSERT_TRUE(Console.ConnectTo(second));
  Console.App().ProcessMessages();

  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 1);
  auto& send = NamedComponent<TButton>(*MainForm, "ButtonSendScore");
  ASSERT_TRUE(send.HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(send.Handle()));
  EXPECT_EQ(GetParent(NamedComponent<TPanel>(*MainForm, "PanelRight").Handle()),
            NamedComponent<TPanel>(*MainForm, "PanelDET").Handle());
  Press("ButtonSendScore");
  EXPECT_TRUE(IsWindowVisible(Confirmation().Handle()));
}

} // namespace
} // namespace marivo
