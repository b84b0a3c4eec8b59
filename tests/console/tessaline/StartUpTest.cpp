// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/common/rules/BatteryMeter.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/net/Winsock.h"
#include "platform/rtl/IniFile.h"
#include "platform/ui/Application.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/ShippedForms.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace marivo {
namespace {

// The console as the program starts it, in a fresh current folder of its own, with the
// official's answers to the exit question given by the test.
class Tessaline : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    Answer = IDCANCEL;
    ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  }

  // Showing the main form, then its second stage 100 ms later, as after a double click on the
  // program.
  void StartConsole() {
    Console.Start();
    MainForm->Show();
    Console.Clock().Advance(100);
    ASSERT_TRUE(TimerOn("TimerPowerMeter")) << "the second start-up stage did not run";
  }

  void WriteSettings(const std::string& text) {
    std::ofstream(SettingsFile(), std::ios::binary) << "[Synchro]\r\n" << text;
  }
  std::string SettingsFile() const { return (Folder.Path() / "Settings.ini").string(); }

  bool TimerOn(const std::string& name) { return Part<TTimer>(name).Enabled(); }
  TMVWRadioGroup& Roles() { return Part<TMVWRadioGroup>("ClientChoice"); }
  TListBox& Hosts() { return Part<TListBox>("HostIP"); }
  std::string StatusPanel(int index) {
    return Part<TStatusBar>("StatusBar1").Panels().Items(index)->Text();
  }

  // The radio button of a role as the official sees it on the Opening page.
  TMVWButtonControl* RoleButton(const std::string& caption) {
    for (int i = 0; i < Roles().ButtonCount(); ++i)
      if (Roles().Buttons(i)->Caption() == caption)
        return Roles().Buttons(i);
    return nullptr;
  }
  void PickRole(const std::string& caption) {
    TMVWButtonControl* button = RoleButton(caption);
    ASSERT_NE(button, nullptr) << caption;
    test::ClickWithMouse(*button);
  }

  test::TTemporaryCurrentFolder Folder{"marivo-tessaline-"};
  int ScreenWidth = 0;
  int ScreenHeight = 0;
};

// The lines of text a button paints: bands of rows with dark pixels beside its glyph. Painted
// into a bitmap, so that other windows on the display cannot cover it.
int ShownTextLines(TMVWButtonControl& button) {
  TBitmap shown;
  shown.SetSize(button.Width(), button.Height());
  shown.Canvas().Brush().SetColor(clWhite);
  shown.Canvas().FillRect(RECT{0, 0, shown.Width(), shown.Height()});
  SendMessageA(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.Canvas().Handle()),
               PRF_CLIENT);
  int lines = 0;
  bool inLine = false;
  for (int y = 0; y < shown.Height(); ++y) {
    bool ink = false;
    for (int x = button.GlyphSize() + 3; x < shown.Width() && !ink; ++x) {
      const TColor colour = shown.Pixels(x, y);
      ink = GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 64;
    }
    lines += ink && !inLine;
    inLine = ink;
  }
  return lines;
}

std::string CurrentFolder() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  return folder;
}

TEST_F(Tessaline, CreatingTheMainFormPreparesItsTablesAndState) {
  Console.Start();
  ASSERT_NE(MainForm, nullptr);
  EXPECT_EQ(Console.App().MainForm(), MainForm);
  EXPECT_EQ(MainForm->BaseFolder, CurrentFolder());
  EXPECT_EQ(MainForm->STCLogFileName, CurrentFolder() + "\\STCLog.txt");
  EXPECT_EQ(Part<TMVWCheckBox>("EnableSTCLog").Hint(), CurrentFolder() + "\\STCLog.txt");
  EXPECT_EQ(StatusPanel(0), "   Version 3.0.4");
  EXPECT_EQ(MainForm->ScoreCursor, 1);
  EXPECT_EQ(MainForm->RetryCount, 0);

  auto& connections = Part<TStringGrid>("GridConnections");
  const char* headings[] = {"Function", "Name", "IP", "Status"};
  for (int col = 0; col < 4; ++col)
    EXPECT_EQ(connections.Cells(col, 0), headings[col]);
  EXPECT_EQ(connections.Cells(0, 1), "Judge 1");
  EXPECT_EQ(connections.Cells(0, 15), "Judge 15");
  EXPECT_EQ(connections.Cells(0, 16), "Timer");
  EXPECT_EQ(connections.Cells(0, 19), "ZEL VARO");

  auto& stc = Part<TStringGrid>("GridSTC");
  const char* stcHeadings[] = {"Res", "Time", "STC", "Ded"};
  const int stcWidths[] = {0, 80, 40, 80};
  for (int col = 0; col < 4; ++col) {
    EXPECT_EQ(stc.Cells(col, 0), stcHeadings[col]);
    EXPECT_EQ(stc.ColWidths(col), stcWidths[col]);
  }

  EXPECT_EQ(Roles().ItemIndex(), 0);
  EXPECT_EQ(MainForm->ImpressionEdits[0], &Part<TMVWEdit>("DETJ1AI"));
  EXPECT_EQ(MainForm->ImpressionEdits[1], &Part<TMVWEdit>("DETJ2AI"));
  EXPECT_EQ(MainForm->ImpressionEdits[2], &Part<TMVWEdit>("DETJ3AI"));
  EXPECT_FALSE(MainForm->Visible());
  EXPECT_FALSE(TimerOn("Timer1"));
}

TEST_F(Tessaline, FirstStartWithoutSettingsCoversTheScreenAsJudgeOne) {
  Console.Start();
  MainForm->Show();
  EXPECT_EQ(MainForm->Caption(), "Marivo v3.0.4");
  EXPECT_TRUE(TimerOn("Timer1"));
  EXPECT_EQ(MainForm->Left(), 0);
  EXPECT_EQ(MainForm->Top(), 0);
  EXPECT_EQ(MainForm->Width(), ScreenWidth);
  EXPECT_EQ(MainForm->Height(), ScreenHeight);
  RECT bounds;
  GetWindowRect(MainForm->Handle(), &bounds);
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.top, 0);
  EXPECT_EQ(bounds.right, ScreenWidth);
  EXPECT_EQ(bounds.bottom, ScreenHeight);
  EXPECT_EQ(MainForm->ClockOffset, 0);
  EXPECT_EQ(MainForm->LastIP, "This Computer");
  EXPECT_EQ(Roles().ItemIndex(), 0);

  Console.Clock().Advance(99);
  EXPECT_FALSE(TimerOn("TimerPowerMeter")) << "the second stage came early";
  Console.Clock().Advance(1);
  ASSERT_TRUE(TimerOn("TimerPowerMeter"));
  EXPECT_FALSE(TimerOn("Timer1")) << "the second stage runs once";
  EXPECT_EQ(MainForm->RoleCaption, "Judge 1 (Elements)");
  EXPECT_EQ(MainForm->OwnRoleCode, "J1  ");
  EXPECT_EQ(MainForm->CurrentDisciplineCode, "FREE");
  ASSERT_GE(Hosts().Items().Count(), 1);
  EXPECT_EQ(Hosts().Items().Strings(0), "This Computer");
  EXPECT_EQ(Hosts().ItemIndex(), 0);
  EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "starting must not write settings";
}

TEST_F(Tessaline, SecondStageFindsTheConsoleAndOpensTheOpeningPage) {
  StartConsole();
  EXPECT_EQ(ObtainingIPAddress, nullptr) << "the start-up notice is freed after use";

  char hostName[256] = {};
  WSADATA data;
  ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
  ASSERT_EQ(gethostname(hostName, sizeof hostName), 0);
  WSACleanup();
  EXPECT_EQ(MainForm->OwnHostName, hostName);
  EXPECT_EQ(StatusPanel(3), MainForm->OwnIP);
  EXPECT_EQ(StatusPanel(4), std::string("  ") + hostName);
  if (!MainForm->OwnIP.empty()) {
    for (int i = 0; i < Hosts().Items().Count(); ++i)
      EXPECT_NE(Hosts().Items().Strings(i), MainForm->OwnIP) << "own address listed as a server";
  }

  auto& notebook = Part<TNotebook>("_Notebook");
  EXPECT_TRUE(notebook.Visible());
  EXPECT_EQ(notebook.PageIndex(), 0);
  EXPECT_TRUE(IsWindowVisible(notebook.Page(0)->Handle()));
  EXPECT_TRUE(IsWindowVisible(Roles().Handle()));
  EXPECT_EQ(Part<TTimer>("TimerPowerMeter").Interval(), 10000u);
  EXPECT_EQ(Part<TMVWSimpleLabel>("LabelPower").Caption(), "Pwr")
      << "no reading before the first tick";
  EXPECT_FALSE(Console.App().Terminated());
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Tessaline, StoredLeftAtOrBeyondTheScreenBringsTheRightEdgeToTheScreensEdge) {
  for (const int left : {ScreenWidth + 200, ScreenWidth}) {
    SCOPED_TRACE(left);
    WriteSettings("Left=" + std::to_string(left) + "\r\nTop=20\r\nWidth=900\r\nHeight=650\r\n");
    Console.Start();
    MainForm->Show();
    EXPECT_EQ(MainForm->Left(), ScreenWidth - 900);
    EXPECT_EQ(MainForm->Top(), 20);
    EXPECT_EQ(MainForm->Width(), 900);
    EXPECT_EQ(MainForm->Height(), 650);
    RECT bounds;
    GetWindowRect(MainForm->Handle(), &bounds);
    EXPECT_EQ(bounds.right, ScreenWidth);
    Console.Close();
  }
}

// A socket stack that cannot name this computer.
class TNamelessIPWatch : public TIdIPWatch {
public:
  using TIdIPWatch::TIdIPWatch;
  void ForceCheck() override { throw ESocketError(WSAHOST_NOT_FOUND); }
};

TEST_F(Tessaline, ConsoleWithoutAHostNameStillOpensAndSaysWhy) {
  Console.Start();
  MainForm->IdIPWatch = new TNamelessIPWatch(MainForm);
  MainForm->Show();
  Console.Clock().Advance(100);
  ASSERT_TRUE(TimerOn("TimerPowerMeter"));
  EXPECT_EQ(ObtainingIPAddress, nullptr);
  EXPECT_TRUE(IsWindowVisible(Roles().Handle()));
  EXPECT_EQ(Hosts().ItemIndex(), 0) << "This Computer stays selected";
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].Text.find("11001"), std::string::npos) << Boxes[0].Text;
}

TEST_F(Tessaline, StoredPlaceOnTheScreenIsKept) {
  WriteSettings("Left=" + std::to_string(ScreenWidth - 300) +
                "\r\nTop=15\r\nWidth=900\r\nHeight=650\r\n");
  Console.Start();
  MainForm->Show();
  EXPECT_EQ(MainForm->Left(), ScreenWidth - 300);
  EXPECT_EQ(MainForm->Top(), 15);
  EXPECT_EQ(MainForm->Width(), 900);
}

TEST_F(Tessaline, StoredRoleIsChosenSilentlyAndTakenUpByTheSecondStage) {
  WriteSettings("Who=7\r\n");
  Console.Start();
  MainForm->Show();
  EXPECT_EQ(Roles().ItemIndex(), 7);
  EXPECT_EQ(MainForm->LastRoleIndex, 7);
  EXPECT_EQ(MainForm->RoleCaption, "") << "choosing the stored role ran the change event";
  EXPECT_EQ(MainForm->OwnRoleCode, "");
  TMVWButtonControl* button = RoleButton("Judge 3 (Impression)");
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->GetChecked());
  EXPECT_FALSE(RoleButton("Judge 1 (Elements)")->GetChecked());

  Console.Clock().Advance(100);
  ASSERT_TRUE(TimerOn("TimerPowerMeter"));
  EXPECT_EQ(MainForm->OwnRoleCode, "J8  ");
  EXPECT_EQ(MainForm->RoleCaption, "Judge 3 (Impression)");
}

// A settings file from a console with more roles, or edited by hand, must not leave the
// console without a role to send frames as.
TEST_F(Tessaline, StoredRoleThatNamesNoRoleFallsBackToTheFirst) {
  for (const char* who : {"20", "-1", "999"}) {
    WriteSettings(std::string("Who=") + who + "\r\n");
    StartConsole();
    EXPECT_EQ(Roles().ItemIndex(), 0) << "Who=" << who;
    EXPECT_EQ(MainForm->OwnRoleCode, "J1  ") << "Who=" << who;
    EXPECT_EQ(MainForm->RoleCaption, "Judge 1 (Elements)") << "Who=" << who;
    Console.Close();
  }
}

TEST_F(Tessaline, StoredServerNoLongerSeenLeavesThisComputerSelected) {
  WriteSettings("LastIP=10.99.99.99\r\n");
  StartConsole();
  EXPECT_EQ(MainForm->LastIP, "10.99.99.99");
  ASSERT_GE(Hosts().Items().Count(), 1);
  EXPECT_EQ(Hosts().ItemIndex(), 0);
  EXPECT_EQ(Hosts().Items().Strings(Hosts().ItemIndex()), "This Computer");
}

TEST_F(Tessaline, RefreshingTheAddressListKeepsThisComputerFirstAndSelected) {
  StartConsole();
  const int count = Hosts().Items().Count();
  Hosts().SetItemIndex(-1);
  test::ClickWithMouse(Part<TControl>("ButtonRefresh"));
  EXPECT_EQ(Hosts().Items().Count(), count) << "refreshing added or lost addresses";
  EXPECT_EQ(Hosts().Items().Strings(0), "This Computer");
  EXPECT_EQ(Hosts().ItemIndex(), 0);
}

TEST_F(Tessaline, PickingARoleSetsTheFrameHeader) {
  StartConsole();
  struct TPick {
    std::string Caption;
    int Index;
    std::string Code;
  };
  for (const TPick& pick : {TPick{"STC 2", 11, "J12 "}, TPick{"DTC", 19, "DTC "},
                            TPick{"Judge 5 (Impression)", 9, "J10 "}}) {
    TMVWButtonControl* button = RoleButton(pick.Caption);
    ASSERT_NE(button, nullptr) << pick.Caption;
    test::ClickWithMouse(*button);
    EXPECT_EQ(Roles().ItemIndex(), pick.Index) << pick.Caption;
    EXPECT_EQ(MainForm->RoleCaption, pick.Caption);
    EXPECT_EQ(MainForm->OwnRoleCode, pick.Code) << pick.Caption;
    EXPECT_TRUE(button->GetChecked()) << pick.Caption;
  }
}

TEST_F(Tessaline, DisciplineChangeRelabelsTheRolesAndKeepsTheChosenOne) {
  StartConsole();
  PickRole("Judge 2 (Impression)");
  ASSERT_EQ(MainForm->RoleCaption, "Judge 2 (Impression)");

  // The server's event sets the discipline in code, which runs no change event of its own.
  Part<TMVWRadioGroup>("DisciplineSelection").SetItemIndex(1);
  MainForm->DisciplineSelectionChange(MainForm, 1);
  EXPECT_EQ(MainForm->CurrentDisciplineCode, "TECH");
  EXPECT_EQ(MainForm->OwnRoleCode, "J7  ");
  EXPECT_EQ(MainForm->RoleCaption, "Judge 2 (Impression)") << "kept until the role changes";
  EXPECT_EQ(Roles().ItemIndex(), 6);

  const TStringList& items = Roles().Items();
  ASSERT_EQ(items.Count(), 20);
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(items.Strings(n - 1), "Judge " + std::to_string(n) + " (Elements)");
    EXPECT_EQ(items.Strings(n + 4), "Judge " + std::to_string(n) + "\r(Impression)");
  }
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(items.Strings(n + 9), "STC " + std::to_string(n));
    EXPECT_EQ(items.Strings(n + 12), "DATC " + std::to_string(n) + " (Impression)");
  }
  EXPECT_EQ(items.Strings(16), "Timer");
  EXPECT_EQ(items.Strings(19), "DTC");
  TMVWButtonControl* chosen = RoleButton("Judge 2\r(Impression)");
  ASSERT_NE(chosen, nullptr) << "the button does not show the new label";
  EXPECT_TRUE(chosen->GetChecked());

  // Only a new pick takes up the new label.
  PickRole("DATC 1 (Impression)");
  EXPECT_EQ(MainForm->RoleCaption, "DATC 1 (Impression)");
  EXPECT_EQ(MainForm->OwnRoleCode, "J14 ");
  EXPECT_EQ(MainForm->CurrentDisciplineCode, "TECH");

  Part<TMVWRadioGroup>("DisciplineSelection").SetItemIndex(0);
  MainForm->DisciplineSelectionChange(MainForm, 0);
  EXPECT_EQ(MainForm->CurrentDisciplineCode, "FREE");
  EXPECT_EQ(Roles().ItemIndex(), 13);
}

// The official's mouse on a role: the group clicks, then changes, once for each new role, and
// the role state follows the change, so the role picked is the one that connects.
TEST_F(Tessaline, RolePickedWithTheMouseIsTheRoleThatConnects) {
  StartConsole();
  Console.ChooseLocalServer();
  auto& roles = Roles();
  ASSERT_EQ(roles.ButtonCount(), 20);
  EXPECT_EQ(roles.Buttons(19)->Left(), roles.Buttons(15)->Left()) << "four columns of five";
  EXPECT_EQ(roles.Buttons(19)->Top(), roles.Buttons(4)->Top());
  test::TMessageRecorder recorder;
  roles.OnClick = recorder.Noting("ClientChoice", "click");
  roles.OnChange = recorder.NotingChange("ClientChoice", roles.OnChange);
  const std::vector<std::string> pickedSTC2{"ClientChoice.click", "ClientChoice.change 11"};

  PickRole("STC 2");
  EXPECT_EQ(recorder.Sequence(), pickedSTC2);
  EXPECT_EQ(MainForm->RoleCaption, "STC 2");
  EXPECT_EQ(MainForm->OwnRoleCode, "J12 ");

  recorder.Clear();
  PickRole("STC 2");
  roles.SetItemIndex(3);
  EXPECT_TRUE(recorder.Sequence().empty()) << "the chosen role again, or a role set in code";
  EXPECT_EQ(MainForm->OwnRoleCode, "J12 ");
  PickRole("STC 2");
  EXPECT_EQ(recorder.Sequence(), pickedSTC2);

  test::TFakeMeetServer server;
  ASSERT_TRUE(Console.ConnectTo(server));
  EXPECT_EQ(server.Frames()[0], std::string(1, SOH) + "CCFREEJ12 " + STX + "STC 2" + EOT);
  EXPECT_EQ(MainForm->LastRoleIndex, 11);
  EXPECT_EQ(Part<TNotebook>("_Notebook").PageIndex(), 5);
  EXPECT_EQ(Part<TControl>("JudgeNum").Caption(), "STC 2");
}

// The server's technical routine puts a carriage return into the impression roles: they show on
// two lines, and the role picked goes out with it.
TEST_F(Tessaline, ImpressionRolesOfATechnicalRoutineShowOnTwoLinesAndConnectAsShown) {
  StartConsole();
  Console.ChooseLocalServer();
  test::TFakeMeetServer first;
  ASSERT_TRUE(Console.ConnectTo(first));
  ASSERT_TRUE(Console.Receive(first, std::string(1, SOH) + "EIFREEZEL " + STX + "TECH" + DC1 +
                                         "Team" + DC2 + EOT));
  MainForm->Perform(WM_KEYDOWN, VK_F9, 0);
  ASSERT_EQ(Part<TNotebook>("_Notebook").PageIndex(), 0);
  EXPECT_EQ(ShownTextLines(*Roles().Buttons(0)), 1) << Roles().Buttons(0)->Caption();
  EXPECT_EQ(ShownTextLines(*Roles().Buttons(5)), 2) << Roles().Buttons(5)->Caption();

  PickRole("Judge 2\r(Impression)");
  EXPECT_EQ(MainForm->RoleCaption, "Judge 2\r(Impression)");
  test::TFakeMeetServer second;
  ASSERT_TRUE(Console.ConnectTo(second));
  EXPECT_EQ(second.Frames()[0],
            std::string(1, SOH) + "CCTECHJ7  " + STX + "Judge 2\r(Impression)" + EOT);
}

TEST_F(Tessaline, BatteryReadingShowsWhatTheSystemReports) {
  StartConsole();
  auto& label = Part<TMVWSimpleLabel>("LabelPower");
  auto& image = Part<TMVWLImage>("PowerLevel");
  MainForm->TimerPowerMeterTimer(MainForm);
  SYSTEM_POWER_STATUS power;
  if (!GetSystemPowerStatus(&power)) {
    EXPECT_EQ(label.Caption(), "Pwr");
    return;
  }
  const auto reading = ReadBatteryPercentage(power.BatteryLifePercent);
  if (!reading) {
    EXPECT_EQ(label.Caption(), "Pwr");
    return;
  }
  EXPECT_EQ(label.Caption(), reading->Caption);
  EXPECT_FALSE(image.IsEmpty()) << "no battery image shown";
}

// The meter shows the list's picture for each reading; a reading the system should not give
// leaves it as it was.
TEST_F(Tessaline, BatteryMeterShowsTheListPictureOfEachReading) {
  StartConsole();
  auto& image = Part<TMVWLImage>("PowerLevel");
  auto& meter = Part<TMVWBitmapList>("BatteryMeter");
  ASSERT_EQ(meter.Count(), 5);
  const struct {
    int Percent;
    int Image;
    std::string Caption;
  } readings[] = {{0, 0, "0%"},    {20, 0, "20%"},   {21, 1, "21%"}, {40, 1, "40%"},
                  {41, 2, "41%"},  {60, 2, "60%"},   {61, 3, "61%"}, {80, 3, "80%"},
                  {81, 4, "81%"},  {100, 4, "100%"}, {35, 1, "35%"}, {101, 1, "35%"},
                  {254, 1, "35%"}, {255, 4, "??"}};
  const RECT shown{image.Left(), image.Top(), image.Left() + image.Width(),
                   image.Top() + image.Height()};
  for (const auto& reading : readings) {
    MainForm->ShowBatteryPercentage(reading.Percent);
    EXPECT_EQ(image.ListIndex(), reading.Image) << reading.Percent << "%";
    EXPECT_EQ(Part<TControl>("LabelPower").Caption(), reading.Caption) << reading.Percent << "%";
    // The pictures' navy corner is their transparent colour and the panel's own.
    TBitmap& picture = meter.Item(reading.Image)->Bitmap();
    const auto pixels = test::RepaintedPixels(image.Parent()->Handle(), shown);
    int other = 0;
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x)
        other += pixels[static_cast<std::size_t>(y * image.Width() + x)] !=
                 ColorToRGB(picture.Pixels(x, y));
    EXPECT_EQ(other, 0) << reading.Percent << "% shows another picture";
  }
}

TEST_F(Tessaline, NoticesAreCentredOnTheMainForm) {
  StartConsole();
  InvalidElements->Show();
  Console.App().ProcessMessages();
  EXPECT_EQ(InvalidElements->Left(), MainForm->Left() + (MainForm->Width() - 462) / 2);
  EXPECT_EQ(InvalidElements->Top(), MainForm->Top() + (MainForm->Height() - 121) / 2);
  EXPECT_TRUE(IsWindowVisible(InvalidElements->Handle()));
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
}

TEST_F(Tessaline, CancellingTheExitQuestionKeepsTheConsoleButStopsTheRoutineClock) {
  StartConsole();
  Answer = IDCANCEL;
  struct TWay {
    const char* Name;
    std::function<void()> Close;
  };
  const TWay ways[] = {
      {"Close", [] { MainForm->Close(); }},
      {"close box", [] { SendMessageA(MainForm->Handle(), WM_CLOSE, 0, 0); }},
      {"Exit button", [this] { test::ClickWithMouse(Part<TControl>("ButtonExit")); }},
  };
  for (const TWay& way : ways) {
    Boxes.clear();
    Part<TTimer>("TimerRoutine").SetEnabled(true);
    way.Close();
    ASSERT_EQ(Boxes.size(), 1u) << way.Name;
    EXPECT_EQ(Boxes[0].Text, "Press OK to confirm you want to exit this program.");
    EXPECT_EQ(Boxes[0].Flags & MB_TYPEMASK, static_cast<unsigned>(MB_OKCANCEL)) << way.Name;
    EXPECT_FALSE(TimerOn("TimerRoutine")) << way.Name;
    EXPECT_TRUE(MainForm->Visible()) << way.Name;
    EXPECT_TRUE(IsWindowVisible(MainForm->Handle())) << way.Name;
    EXPECT_FALSE(Console.App().Terminated()) << way.Name;
    EXPECT_TRUE(TimerOn("TimerPowerMeter")) << way.Name;
  }
  EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "a cancelled exit wrote settings";
}

TEST_F(Tessaline, ConfirmedExitWritesTheSettingsTheNextStartReads) {
  StartConsole();
  MainForm->SetBounds(30, 20, 1100, 700);
  PickRole("Judge 5 (Elements)");
  ASSERT_EQ(Roles().ItemIndex(), 4);
  Part<TTimer>("TimerRoutine").SetEnabled(true);
  Answer = IDOK;
  MainForm->Close();
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_TRUE(Console.App().Terminated());
  EXPECT_FALSE(TimerOn("TimerPowerMeter"));
  EXPECT_FALSE(TimerOn("TimerRoutine"));

  ASSERT_TRUE(std::filesystem::exists(SettingsFile()));
  TIniFile ini(SettingsFile());
  EXPECT_EQ(ini.ReadInteger("Synchro", "Left", -1), 30);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Top", -1), 20);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Width", -1), 1100);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Height", -1), 700);
  EXPECT_EQ(ini.ReadString("Synchro", "LastIP", ""), "This Computer");
  EXPECT_EQ(ini.ReadInteger("Synchro", "Who", -1), 4);

  Console.Close();
  StartConsole();
  EXPECT_EQ(MainForm->Left(), 30);
  EXPECT_EQ(MainForm->Top(), 20);
  EXPECT_EQ(MainForm->Width(), 1100);
  EXPECT_EQ(MainForm->Height(), 700);
  EXPECT_EQ(MainForm->OwnRoleCode, "J5  ");
  EXPECT_EQ(MainForm->RoleCaption, "Judge 5 (Elements)");
}

// The settings are only a convenience: a console that cannot write them still leaves the
// server properly and closes.
TEST_F(Tessaline, ConfirmedExitLeavesTheServerEvenWhenTheSettingsCannotBeWritten) {
  std::filesystem::create_directory(SettingsFile());
  StartConsole();
  Console.ChooseLocalServer();
  test::TFakeMeetServer server;
  ASSERT_TRUE(Console.ConnectTo(server));
  Answer = IDOK;
  MainForm->Close();
  EXPECT_TRUE(Console.App().Terminated());
  ASSERT_TRUE(server.WaitForClientClose());
  const auto frames = server.Frames();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_NE(frames[1].find("CS"), std::string::npos);
  EXPECT_NE(frames[1].find("Off"), std::string::npos);
  EXPECT_NE(frames[2].find("IP"), std::string::npos);
  ASSERT_EQ(Boxes.size(), 2u) << "the exit question, then the error";
  EXPECT_NE(Boxes[1].Text.find("Settings.ini"), std::string::npos) << Boxes[1].Text;
}

// A console closed while maximised comes back at the size the official last gave it.
TEST_F(Tessaline, ConfirmedExitOfAMaximisedConsoleSavesItsNormalPlace) {
  StartConsole();
  MainForm->SetBounds(40, 30, 1000, 680);
  Console.App().ProcessMessages();
  ShowWindow(MainForm->Handle(), SW_MAXIMIZE);
  Console.App().ProcessMessages();
  ASSERT_TRUE(IsZoomed(MainForm->Handle()));
  Answer = IDOK;
  MainForm->Close();
  ASSERT_TRUE(Console.App().Terminated());

  TIniFile ini(SettingsFile());
  EXPECT_EQ(ini.ReadInteger("Synchro", "Left", -1), 40);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Top", -1), 30);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Width", -1), 1000);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Height", -1), 680);
}

TEST_F(Tessaline, F5TogglesTheDetailsFromAnywhereOnTheForm) {
  StartConsole();
  auto& details = Part<TPanel>("PanelDetails");
  const bool before = details.Visible();

  // With a list focused, the form still sees the key first.
  ASSERT_TRUE(test::TakeFocus(Hosts().Handle()));
  SendMessageA(Hosts().Handle(), WM_KEYDOWN, VK_F5, 0);
  EXPECT_NE(details.Visible(), before);
  EXPECT_EQ(IsWindowVisible(details.Handle()) != 0, details.Visible());

  MainForm->Perform(WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(details.Visible(), before);
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Tessaline, F9AsksToExitOnlyOnTheOpeningPage) {
  StartConsole();
  Answer = IDCANCEL;
  ASSERT_TRUE(test::TakeFocus(Roles().Handle()));
  SendMessageA(GetFocus(), WM_KEYDOWN, VK_F9, 0);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text, "Press OK to confirm you want to exit this program.");
  EXPECT_FALSE(Console.App().Terminated());

  auto& notebook = Part<TNotebook>("_Notebook");
  notebook.SetPageIndex(1);
  MainForm->Perform(WM_KEYDOWN, VK_F9, 0);
  EXPECT_EQ(Boxes.size(), 1u) << "F9 away from the Opening page asked to exit";

  notebook.SetPageIndex(0);
  Answer = IDOK;
  MainForm->Perform(WM_KEYDOWN, VK_F9, 0);
  EXPECT_EQ(Boxes.size(), 2u);
  EXPECT_TRUE(Console.App().Terminated());
  EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
}

// Each form read from its file writes back what the file says, but for what is known to differ.
TEST_F(Tessaline, EveryShippedFormWritesBackAsItsFileHasIt) {
  Console.Start();
  EXPECT_EQ(test::UnexplainedWriteBackDifferences(), std::vector<std::string>{});
}

} // namespace
} // namespace marivo
