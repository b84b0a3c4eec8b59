// Corvella's start-up, roles, details panel and keys that leave a page.
#include "tests/console/corvella/CorvellaFixture.h"

#include "console/corvella/rules/CorvellaRoles.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ShippedForms.h"

namespace marivo::corvella {
namespace {

using StartUp = CorvellaConsole;

TEST_F(StartUp, TheConsoleOpensWithItsVersionRolesAndConnectionTable) {
  EXPECT_EQ(Console.App().Title(), "Marivo");
  EXPECT_EQ(MainForm->Caption(), "Marivo v1.8.0");
  EXPECT_EQ(MainForm->StatusBar1->Panels().Items(0)->Text(), "   Version 1.8.0");
  EXPECT_EQ(MainForm->LabelPower->Caption(), "Power");
  EXPECT_EQ(Page(), OpeningPage);
  EXPECT_TRUE(MainForm->_Notebook->Visible());
  EXPECT_EQ(MainForm->CurrentElementEdit, MainForm->DETJ1Det);
  EXPECT_EQ(MainForm->OwnRoleCode, "J1  ");
  EXPECT_EQ(MainForm->RoleCaption, "Judge 1 (Execution)");

  auto& connections = *MainForm->GridConnections;
  EXPECT_EQ(connections.RowCount(), 19);
  const char* headings[] = {"Job", "Name", "IP", "Status"};
  for (int col = 0; col < 4; ++col)
    EXPECT_EQ(connections.Cells(col, 0), headings[col]);

  // Every role, its code and its caption in both disciplines; the table's rows follow.
  auto& roles = MainForm->ClientChoice->Items();
  ASSERT_EQ(roles.Count(), RoleCount);
  for (const char* discipline : {"FREE", "TECH", "FREE"}) {
    Discipline(discipline);
    const bool technical = std::string(discipline) == "TECH";
    EXPECT_EQ(MainForm->CurrentDisciplineCode, discipline);
    for (int index = 0; index < RoleCount; ++index) {
      EXPECT_EQ(roles.Strings(index), RoleCaption(index, technical)) << index;
      EXPECT_EQ(connections.Cells(0, index + 1), RoleCaption(index, technical)) << index;
      ChooseRole(index);
      EXPECT_EQ(MainForm->OwnRoleCode, RoleCodes[static_cast<std::size_t>(index)]) << index;
      EXPECT_EQ(MainForm->RoleCaption, RoleCaption(index, technical)) << index;
    }
  }
  EXPECT_EQ(roles.Strings(5), "Judge 1 (Art. Impression)");
  Discipline("TECH");
  EXPECT_EQ(roles.Strings(14), "Judge 5 (Elements)");
  EXPECT_EQ(MainForm->OwnRoleCode, "HJ  ") << "the role is kept through a discipline change";
}

// Seventeen roles in four columns of five; the official's mouse on one makes the group click and
// then change, once, and the role picked is the one that connects.
TEST_F(StartUp, RolePickedWithTheMouseIsTheRoleThatConnects) {
  auto& roles = *MainForm->ClientChoice;
  ASSERT_EQ(roles.ButtonCount(), RoleCount);
  const struct {
    int Index, Column, Row;
  } places[] = {{4, 0, 4}, {5, 1, 0}, {14, 2, 4}, {15, 3, 0}, {16, 3, 1}};
  for (const auto& place : places) {
    EXPECT_EQ(roles.Buttons(place.Index)->Left(), roles.Buttons(place.Column * 5)->Left());
    EXPECT_EQ(roles.Buttons(place.Index)->Top(), roles.Buttons(place.Row)->Top());
  }
  marivo::test::TMessageRecorder recorder;
  roles.OnClick = recorder.Noting("ClientChoice", "click");
  roles.OnChange = recorder.NotingChange("ClientChoice", roles.OnChange);

  for (int click = 0; click < 2; ++click)
    marivo::test::ClickWithMouse(*roles.Buttons(16));
  EXPECT_EQ(recorder.Sequence(),
            (std::vector<std::string>{"ClientChoice.click", "ClientChoice.change 16"}));
  EXPECT_EQ(MainForm->RoleCaption, "Head Judge");
  EXPECT_EQ(MainForm->OwnRoleCode, "HJ  ");

  Console.ChooseLocalServer();
  marivo::test::TFakeMeetServer server;
  ASSERT_TRUE(Console.ConnectTo(server));
  EXPECT_EQ(server.Frames()[0], Frame("CC", "HJ  ", "Head Judge"));
  EXPECT_EQ(MainForm->LastRoleIndex, 16);
  EXPECT_EQ(Page(), RefereePage);
}

TEST_F(StartUp, F5ShowsTheWholeDetailsPanelAndTheChatGoesOut) {
  WORD key = VK_F5;
  MainForm->FormKeyDown(MainForm, key, 0);
  EXPECT_EQ(key, 0);
  ASSERT_TRUE(MainForm->PanelDetails->Visible());
  for (const char* part : {"LabelConnected", "ConnectedClients", "LogFile", "GridConnections",
                           "ChatFile", "EditMessage", "ButtonSendMessage"}) {
    auto& control = NamedComponent<TControl>(*MainForm, part);
    EXPECT_TRUE(control.Showing()) << part;
  }
  EXPECT_EQ(NamedComponent<TMVWSimpleLabel>(*MainForm, "LabelConnected").Caption(),
            "Who's Connected");

  marivo::test::TFakeMeetServer server;
  Console.ChooseLocalServer();
  ASSERT_TRUE(Console.ConnectTo(server));
  MainForm->EditMessage->SetText(" on deck ");
  NamedComponent<TMVWSpeedButton>(*MainForm, "ButtonSendMessage").Click();
  ASSERT_TRUE(server.WaitForFrames(2));
  EXPECT_EQ(server.Frames()[1], std::string(1, SOH) + "CMFREEJ1  " + STX + " on deck " + EOT);

  // The battery read-out is a percentage with a blank, or "??" when the system knows none; the
  // presence poll is answered with it.
  MainForm->TimerPowerMeterTimer(MainForm->TimerPowerMeter);
  const std::string power = MainForm->LabelPower->Caption();
  EXPECT_TRUE(power == "??" || power == "Power" ||
              (power.size() > 2 && power.substr(power.size() - 2) == " %"))
      << power;
  server.Send(Frame("TP", "ZEL ", ""));
  ASSERT_TRUE(PumpUntil([&server] { return server.Frames().size() >= 3; }));
  EXPECT_EQ(server.Frames()[2], std::string(1, SOH) + "CSFREEJ1  " + STX + "Active " + power + EOT);
}

TEST_F(StartUp, F9ReturnsToTheOpeningPageAndNeverExits) {
  marivo::test::TFakeMeetServer server;
  Console.ChooseLocalServer();
  ChooseRole(3);
  ASSERT_TRUE(Console.ConnectTo(server));
  ASSERT_EQ(Page(), IndividualPage);
  for (int press = 0; press < 2; ++press) {
    WORD key = VK_F9;
    MainForm->FormKeyDown(MainForm, key, 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Page(), OpeningPage);
  }
  EXPECT_TRUE(Boxes.empty()) << "no exit question";
  EXPECT_FALSE(Console.App().Terminated());
  EXPECT_TRUE(MainForm->ConnectConsoles->Enabled());
  EXPECT_TRUE(server.WaitForClientClose());
}

TEST_F(StartUp, ConfirmedExitWritesTheSettingsTheNextStartReads) {
  ChooseRole(16);
  MainForm->SetBounds(40, 30, 1200, 700);
  MainForm->Close();
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "Press OK to confirm you want to exit this program.");
  EXPECT_TRUE(Console.App().Terminated());
  Console.Close();

  Console.Start();
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  EXPECT_EQ(MainForm->ClientChoice->ItemIndex(), 16);
  EXPECT_EQ(MainForm->OwnRoleCode, "HJ  ");
  EXPECT_EQ(MainForm->Left(), 40);
  EXPECT_EQ(MainForm->Width(), 1200);
}

// Each form read from its file writes back what the file says, but for what is known to differ.
TEST_F(StartUp, EveryShippedFormWritesBackAsItsFileHasIt) {
  EXPECT_EQ(marivo::test::UnexplainedWriteBackDifferences(), std::vector<std::string>{});
}

} // namespace
} // namespace marivo::corvella
