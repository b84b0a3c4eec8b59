// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Application.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace std::chrono_literals;

using test::Frame;

// The console connected to a meet server in the test process, on 127.0.0.1 only.
class Connection : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    Console.Start();
    MainForm->Timer1Timer(MainForm);
    Console.ChooseLocalServer();
  }

  void ConnectTo(test::TFakeMeetServer& server) { ASSERT_TRUE(Console.ConnectTo(server)); }
  TStrings& Log() { return NamedComponent<TMemo>(*MainForm, "LogFile").Lines(); }
  bool Connected() { return NamedComponent<TIdTCPClient>(*MainForm, "client").Connected(); }
  TButton& ConnectButton() { return NamedComponent<TButton>(*MainForm, "ConnectConsoles"); }
  TControl& DisconnectButton() { return NamedComponent<TControl>(*MainForm, "DisconnectConsoles"); }
};

TEST_F(Connection, ConnectAnnouncesTheRoleAndSwapsTheButtons) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  EXPECT_EQ(server.Frames()[0], Frame("CC", "J1  ", "Judge 1 (Elements)"));
  EXPECT_FALSE(ConnectButton().Enabled());
  EXPECT_TRUE(DisconnectButton().Enabled());
  EXPECT_EQ(MainForm->LastIP, "127.0.0.1");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Connection, AServerThatCannotBeReachedChangesNothing) {
  NamedComponent<TIdTCPClient>(*MainForm, "client").SetPort(test::TFakeMeetServer::UnusedPort());
  const std::string lastIP = MainForm->LastIP;
  ConnectButton().Click();
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text,
            "Could not connect\rMake sure you have the correct ip address for the ZEL "
            "VARO\rand the ZEL VARO is running");
  EXPECT_TRUE(ConnectButton().Enabled());
  EXPECT_FALSE(DisconnectButton().Enabled());
  EXPECT_EQ(MainForm->LastIP, lastIP);
}

TEST_F(Connection, FramesAreLoggedWholeWhateverTheSegmentsAndInOrder) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  const int before = Log().Count();
  server.Send(Frame("CM", "ZEL ", "one") + Frame("CM", "ZEL ", "two"));
  server.SendInPieces({std::string(1, SOH) + "CM", "FREEZEL ", std::string(1, STX) + "th",
                       std::string("ree") + EOT},
                      30ms);
  ASSERT_TRUE(test::PumpUntil([&] { return Log().Count() >= before + 3; }));
  EXPECT_EQ(Log().Strings(before), "client:[SOH]CMFREEZEL [STX]one[EOT]");
  EXPECT_EQ(Log().Strings(before + 1), "client:[SOH]CMFREEZEL [STX]two[EOT]");
  EXPECT_EQ(Log().Strings(before + 2), "client:[SOH]CMFREEZEL [STX]three[EOT]");
  Console.App().ProcessMessages();
  EXPECT_EQ(Log().Count(), before + 3);
}

TEST_F(Connection, JunkBetweenFramesIsLoggedAndTheNextFrameStillCounts) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  const int before = Log().Count();
  server.Send(std::string("garbage\x01\x7F") + EOT + Frame("TX", "ZEL ", "J9  \x11"));
  ASSERT_TRUE(test::PumpUntil([&] { return Log().Count() >= before + 2; }));
  EXPECT_EQ(Log().Strings(before), "client:garbage[SOH]\x7F[EOT]");
  EXPECT_TRUE(Connected());
}

TEST_F(Connection, AnOverlongFrameEndsTheConnectionAndTheConsoleCanConnectAgain) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  server.Send(std::string(16385, 'x'));
  ASSERT_TRUE(test::PumpUntil([&] { return ConnectButton().Enabled(); }));
  EXPECT_FALSE(DisconnectButton().Enabled());
  EXPECT_FALSE(Connected());
  EXPECT_TRUE(server.WaitForClientClose());
}

TEST_F(Connection, TheServerClosingMidFrameResetsTheButtonsAndTheOwnRow) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  auto& connections = NamedComponent<TStringGrid>(*MainForm, "GridConnections");
  connections.SetCells(1, 1, MainForm->OwnHostName);
  connections.SetCells(2, 1, "127.0.0.1");
  connections.SetCells(3, 1, "Active");
  server.Send(std::string(1, SOH) + "AIFREEZEL " + STX + "half a fra");
  server.Close();
  ASSERT_TRUE(test::PumpUntil([&] { return ConnectButton().Enabled(); }));
  EXPECT_EQ(connections.Cells(1, 1), "");
  EXPECT_EQ(connections.Cells(2, 1), "");
  EXPECT_EQ(connections.Cells(3, 1), "Off");
}

TEST_F(Connection, DisconnectConsoleSaysOffThenClosesAndHomeDoesTheSame) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  DisconnectButton().Click();
  ASSERT_TRUE(server.WaitForFrames(3));
  EXPECT_EQ(server.Frames()[1], Frame("CS", "J1  ", "Off"));
  EXPECT_EQ(server.Frames()[2], Frame("IP", "J1  ", ""));
  EXPECT_TRUE(server.WaitForClientClose());
  EXPECT_TRUE(ConnectButton().Enabled());

  test::TFakeMeetServer second;
  ConnectTo(second);
  NamedComponent<TNotebook>(*MainForm, "_Notebook").SetPageIndex(1);
  NamedComponent<TControl>(*MainForm, "ButtonHome2").Click();
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 0);
  EXPECT_TRUE(second.WaitForClientClose());
  EXPECT_TRUE(ConnectButton().Enabled());
}

TEST_F(Connection, ChatOfBlanksSendsNothingAndTextIsSentUntrimmed) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  auto& edit = NamedComponent<TMVWEdit>(*MainForm, "EditMessage");
  edit.SetText("   ");
  MainForm->ButtonSendMessageClick(MainForm);
  edit.SetText(" hello ");
  MainForm->ButtonSendMessageClick(MainForm);
  ASSERT_TRUE(server.WaitForFrames(2));
  EXPECT_EQ(server.Frames()[1], Frame("CM", "J1  ", " hello "));
  EXPECT_EQ(edit.GetText(), " hello ");
}

TEST_F(Connection, FailedScoreWritesShowTheNoticeOnceAndReconnectOnce) {
  test::TFakeMeetServer server;
  ConnectTo(server);
  server.Close();
  // Only after the reader has seen the close does every write fail.
  ASSERT_TRUE(test::PumpUntil([&] { return ConnectButton().Enabled(); }));
  auto& reconnect = NamedComponent<TTimer>(*MainForm, "ReconnectTimer");

  MainForm->SendFrame("CS", "Active");
  MainForm->SendFrame("CM", "chat");
  EXPECT_FALSE(InvalidElements->Visible());
  EXPECT_FALSE(reconnect.Enabled());

  MainForm->SendFrame("SD", "9.50\x12");
  EXPECT_TRUE(InvalidElements->Visible());
  EXPECT_TRUE(reconnect.Enabled());
  InvalidElements->Hide();
  MainForm->SendFrame("SD", "9.50\x12");
  EXPECT_FALSE(InvalidElements->Visible());

  test::TFakeMeetServer again;
  NamedComponent<TIdTCPClient>(*MainForm, "client").SetPort(again.Port());
  MainForm->ReconnectTimerTimer(&reconnect);
  EXPECT_FALSE(reconnect.Enabled());
  ASSERT_TRUE(again.WaitForFrames(1));
  EXPECT_EQ(again.Frames()[0], Frame("CC", "J1  ", "Judge 1 (Elements)"));
  EXPECT_EQ(MainForm->RetryCount, 1);
  EXPECT_FALSE(ConnectButton().Enabled());
  EXPECT_NE(NamedComponent<TStatusBar>(*MainForm, "StatusBar1")
                .Panels()
                .Items(5)
                ->Text()
                .find("Retry Count: 1  "),
            std::string::npos);
}

TEST_F(Connection, AFailedReconnectShowsTheErrorAndStaysOnTheOpeningPage) {
  NamedComponent<TIdTCPClient>(*MainForm, "client").SetPort(test::TFakeMeetServer::UnusedPort());
  MainForm->ReconnectTimerTimer(MainForm);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].Text.find("Socket Error"), std::string::npos) << Boxes[0].Text;
  EXPECT_TRUE(ConnectButton().Enabled());
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 0);
}

// The server resets while a CE box holds the reader, and the console's next write fails: the
// write closes the connection, so the reader stops with no read error of its own.
TEST_F(Connection, AWriteThatFailsWhileAFrameIsHandledStillEndsTheConnection) {
  for (const bool clickDisconnect : {false, true}) {
    SCOPED_TRACE(clickDisconnect ? "Disconnect clicked in the box" : "left to the reader");
    test::TFakeMeetServer server;
    ConnectTo(server);
    bool closedByWrite = false;
    bool resetInTheBox = false;
    WhileBoxShows = [&] {
      server.Abort();
      closedByWrite = test::PumpUntil([&] {
        MainForm->SendFrame("CM", "still there?");
        return !Connected();
      });
      if (clickDisconnect) {
        DisconnectButton().Click();
        resetInTheBox = ConnectButton().Enabled();
      }
    };
    server.Send(Frame("CE", "ZEL ", "Server error"));
    ASSERT_TRUE(test::PumpUntil([&] { return !Boxes.empty(); }));
    WhileBoxShows = nullptr;
    EXPECT_TRUE(closedByWrite);
    EXPECT_EQ(resetInTheBox, clickDisconnect);
    EXPECT_TRUE(test::PumpUntil([&] { return ConnectButton().Enabled(); }));
    EXPECT_FALSE(DisconnectButton().Enabled());
    Boxes.clear();
  }
  test::TFakeMeetServer again;
  ConnectTo(again);
  EXPECT_TRUE(DisconnectButton().Enabled());
}

// The program frees its notices before its main form: frames handled meanwhile find none.
TEST_F(Connection, FramesHandledAfterTheNoticesWereFreedFindNone) {
  delete ScoresForm;
  delete InvalidElements;
  EXPECT_EQ(ScoresForm, nullptr);
  EXPECT_EQ(InvalidElements, nullptr);
  MainForm->DispatchFrame(Frame("XX", "ZEL ", "#Rank^Team^tail"));
  MainForm->SendFrame("SD", "9.50\x12");
  EXPECT_TRUE(NamedComponent<TTimer>(*MainForm, "ReconnectTimer").Enabled());
}

} // namespace
} // namespace marivo
