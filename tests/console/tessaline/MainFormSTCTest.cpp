// The synchronization controllers' page against a meet server in the test process on 127.0.0.1:
// counting, the routine clock on a test clock, the frames on the wire and the STC log file.
#include <winsock2.h>

#include "console/common/protocol/Protocol.h"
#include "console/common/rules/STCTool.h"
#include "console/tessaline/MainForm.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace marivo {
namespace {

using TRow = std::vector<std::string>;

constexpr double Second = 1.0 / 86400;

using test::Frame;

std::string STCEvent(const std::string& kind, const std::string& time, const std::string& action) {
  return kind + DC2 + time + DC3 + action + DC4;
}

std::string ClockStart(double start) {
  return std::string(1, DC1) + FloatToStr(start) + DC2;
}

std::string FileBytes(const std::filesystem::path& path) {
  TMemoryStream stream;
  stream.LoadFromFile(path.string());
  return std::string(stream.Data().begin(), stream.Data().end());
}

// Nobody else may hold the file between two events: an exclusive open succeeds.
bool NobodyHolds(const std::filesystem::path& path) {
  const HANDLE file = CreateFileA(path.string().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(file);
  return true;
}

class STCTool : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    StartShown();
    Console.ChooseLocalServer();
    MainForm->Clock = [this] { return Now; };
  }
  void ConnectAs(int role) {
    ChooseRole(role);
    ASSERT_TRUE(Console.ConnectTo(Server));
    Seen = 1;
  }
  // A frame from the server, handed over by the reader thread as the main thread pumps.
  void Receive(const std::string& frame) {
    ASSERT_TRUE(Console.Receive(Server, frame)) << "the frame was not handled";
  }
  // The test clock moves on and the routine clock ticks once.
  void Tick(double seconds) {
    Now += seconds * Second;
    MainForm->TimerRoutineTimer(MainForm->TimerRoutine);
  }
  void EndFlash() { MainForm->TimerClickTimer(MainForm->TimerClick); }
  void Key(WORD key) { MainForm->FormKeyDown(MainForm, key, 0); }
  bool ClockRuns() { return MainForm->TimerRoutine->Enabled(); }

  // The next `count` frames the console sent.
  std::vector<std::string> Sent(std::size_t count) {
    EXPECT_TRUE(Server.WaitForFrames(Seen + count));
    const auto frames = Server.Frames();
    std::vector<std::string> next;
    for (std::size_t i = Seen; i < Seen + count && i < frames.size(); ++i)
      next.push_back(frames[i]);
    Seen += count;
    return next;
  }
  // Nothing went out since the last look: a frame sent now is the next one the server sees.
  void ExpectNothingSent(const std::string& role) {
    MainForm->SendFrame("CM", "mark");
    EXPECT_EQ(Sent(1), TRow{Frame("CM", role, "mark")});
  }
  TRow MemoLines() {
    TRow lines;
    const TStrings& memo = MainForm->STCLog->Lines();
    for (int i = 0; i < memo.Count(); ++i)
      lines.push_back(memo.Strings(i));
    return lines;
  }
  // The rows under the heading of the list of major errors.
  std::vector<TRow> Listed() {
    std::vector<TRow> rows;
    const TStringGrid& grid = *MainForm->GridSTC;
    for (int row = 1; row < grid.RowCount(); ++row)
      rows.push_back(
          {grid.Cells(0, row), grid.Cells(1, row), grid.Cells(2, row), grid.Cells(3, row)});
    return rows;
  }
  TRow Counts() { return {Caption("STCCount1"), Caption("STCCount2"), Caption("STCCount3")}; }

  test::TTemporaryCurrentFolder Folder{"marivo-stc-"};
  test::TFakeMeetServer Server;
  double Now = EncodeDateTime({2026, 3, 14, 15, 7, 42, 300});
  std::size_t Seen = 0;
};

TEST_F(STCTool, CountingDuringTheRoutineSendsEveryEventAndListsTheMajors) {
  ConnectAs(10);
  ASSERT_EQ(MainForm->_Notebook->PageIndex(), 5);
  const double start = Now;
  Press("STCStartStop");
  const std::string started = Sent(1).at(0);
  const std::string head = std::string(1, SOH) + "STFREEJ11 " + STX;
  ASSERT_EQ(started.rfind(head, 0), 0u) << started;
  ASSERT_EQ(started.substr(started.size() - 2), std::string(1, DC2) + EOT);
  const std::string moment = started.substr(head.size(), started.size() - head.size() - 2);
  EXPECT_EQ(DecodeDateTime(StrToFloat(moment)), DecodeDateTime(start)) << moment;
  EXPECT_TRUE(ClockRuns());

  Tick(5.3);
  EXPECT_EQ(Caption("STCClock"), "0:05.3");
  Press("STCButton1");
  EXPECT_EQ(MainForm->STCButton1->Color(), 0xC0C0C0) << "the pressed button flashes";
  Press("STCButton3");
  Key('6');
  EndFlash();
  EXPECT_EQ(MainForm->STCButton1->Color(), 0x008000);
  EXPECT_EQ(Counts(), (TRow{"1", "0", "0"})) << "presses during the flash are dropped";
  Press("STCButton3");
  EndFlash();
  EXPECT_EQ(MainForm->STCButton3->Color(), 0x0000FF);
  Tick(1.9);
  Key('9');
  EndFlash();
  EXPECT_EQ(Caption("ScoreEdit"), "6.1");
  Press("STCSubtract3");
  Press("STCSubtract1");
  Press("STCSubtract1");
  EXPECT_EQ(Counts(), (TRow{"0", "1", "1"}));
  EXPECT_EQ(MainForm->STCLabel2->Tag(), 1);
  EXPECT_EQ(MainForm->STCLabel3->Tag(), 1);
  EXPECT_EQ(Caption("ScoreEdit"), "3.5") << "a major taken back is an obvious one";

  EXPECT_EQ(Sent(6), (TRow{Frame("SP", "J11 ", STCEvent("s", "0:05.3", "add")),
                           Frame("SP", "J11 ", STCEvent("m", "0:05.3", "add")),
                           Frame("SP", "J11 ", STCEvent("m", "0:07.2", "add")),
                           Frame("SP", "J11 ", STCEvent("m", "0:07.2", "subtract")),
                           Frame("SP", "J11 ", STCEvent("o", "0:07.2", "add")),
                           Frame("SP", "J11 ", STCEvent("s", "0:07.2", "subtract"))}));
  ExpectNothingSent("J11 ");
  EXPECT_EQ(MemoLines(),
            (TRow{"1\ts\t0:05.3\tadd", "1\tm\t0:05.3\tadd", "1\tm\t0:07.2\tadd",
                  "1\tm\t0:07.2\tsubtract", "1\to\t0:07.2\tadd", "1\ts\t0:07.2\tsubtract"}));
  EXPECT_EQ(Listed(), (std::vector<TRow>{{"", "0:05.3", "1", "m"}, {"", "0:07.2", "1", "m"}}));
  EXPECT_EQ(MainForm->GridSTC->Row(), 2) << "the newest major error is the selected row";

  // Stopped, the page still counts for the official; nobody else hears of it.
  Press("STCStartStop");
  EXPECT_FALSE(ClockRuns());
  Press("STCButton2");
  EndFlash();
  Press("STCButton3");
  EXPECT_EQ(Counts(), (TRow{"0", "2", "2"}));
  EXPECT_EQ(Caption("ScoreEdit"), "7.0");
  EXPECT_EQ(Caption("STCClock"), "0:07.2");
  ExpectNothingSent("J11 ");
  EXPECT_EQ(MemoLines().at(6), "1\to\t7:49.5\tadd") << "the time of day stands in for the clock";
  EXPECT_EQ(Listed().size(), 2u);

  // Started again from the keyboard: a new start goes out and the clock begins again.
  Now += 30 * Second;
  Key(VK_DECIMAL);
  const std::string restarted = Sent(1).at(0);
  EXPECT_EQ(restarted, Frame("ST", "J11 ", FloatToStr(Now) + DC2));
  Tick(0.1);
  EXPECT_EQ(Caption("STCClock"), "0:00.1");

  Key(VK_ESCAPE);
  EXPECT_FALSE(ClockRuns());
  EXPECT_EQ(Counts(), (TRow{"0", "0", "0"}));
  EXPECT_EQ(MainForm->STCLabel3->Tag(), 0);
  EXPECT_EQ(Caption("ScoreEdit"), "0.0");
  EXPECT_EQ(Caption("STCClock"), "0:00.0");
  EXPECT_TRUE(MemoLines().empty());
  EXPECT_EQ(Listed(), (std::vector<TRow>{{"", "", "", ""}}));
  ExpectNothingSent("J11 ");
  EXPECT_TRUE(Boxes.empty());
}

// Each counting button counts a mouse click and shows it at once as a silver flash of its own;
// the others keep their colours, and the flash's end gives the button its colour back.
TEST_F(STCTool, AClickOnACountingButtonCountsAndFlashesIt) {
  ConnectAs(10);
  const COLORREF silver = RGB(192, 192, 192);
  const COLORREF colours[] = {RGB(0, 128, 0), RGB(255, 255, 0), RGB(255, 0, 0)};
  auto button = [this](int n) -> TMVWPanelFill& {
    return NamedComponent<TMVWPanelFill>(*MainForm, "STCButton" + std::to_string(n));
  };
  // A corner inside the bevel, where the caption never reaches.
  auto shown = [&](int n) {
    RedrawWindow(button(n).Handle(), nullptr, nullptr, RDW_UPDATENOW);
    return test::ScreenPixels(button(n).Handle(), {8, 8, 9, 9}).at(0);
  };
  TRow counts{"0", "0", "0"};
  for (int n = 1; n <= 3; ++n) {
    const LPARAM middle = MAKELPARAM(button(n).Width() / 2, button(n).Height() / 2);
    SendMessageA(button(n).Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(button(n).Handle(), WM_LBUTTONUP, 0, middle);
    counts[static_cast<std::size_t>(n - 1)] = "1";
    EXPECT_EQ(Counts(), counts) << "button " << n;
    for (int other = 1; other <= 3; ++other)
      EXPECT_EQ(shown(other), other == n ? silver : colours[other - 1])
          << "button " << other << " after a click on " << n;
    EndFlash();
    EXPECT_EQ(shown(n), colours[n - 1]) << "button " << n << " after the flash";
  }
}

TEST_F(STCTool, AnotherConsolesStartRunsThisClockFromTheMomentItArrived) {
  ConnectAs(11);
  const double behind = Now - 1.234 * Second;
  Receive(Frame("ST", "J11 ", ClockStart(behind)));
  EXPECT_TRUE(ClockRuns());
  EXPECT_EQ(MainForm->RoutineStartTime, StrToFloat(FloatToStr(behind)));
  EXPECT_EQ(Caption("STCClockLabel"), "Time: Offset=234ms");
  Tick(0);
  EXPECT_EQ(Caption("STCClock"), "0:00.0");
  Tick(2.5);
  EXPECT_EQ(Caption("STCClock"), "0:02.5");

  // The other computer's clock may be ahead.
  Receive(Frame("ST", "DTC ", ClockStart(Now + 0.056 * Second)));
  EXPECT_EQ(Caption("STCClockLabel"), "Time: Offset=56ms");
  Tick(1);
  EXPECT_EQ(Caption("STCClock"), "0:01.0");

  // The own start echoed back empties the memo and the list and leaves the clock alone.
  Press("STCButton3");
  Sent(1);
  ASSERT_EQ(Listed().size(), 1u);
  const double started = MainForm->RoutineStartTime;
  Receive(Frame("ST", "J12 ", ClockStart(Now)));
  EXPECT_TRUE(MemoLines().empty());
  EXPECT_EQ(Listed(), (std::vector<TRow>{{"", "", "", ""}}));
  EXPECT_TRUE(ClockRuns());
  EXPECT_EQ(MainForm->RoutineStartTime, started);
  EXPECT_EQ(Caption("STCClockLabel"), "Time: Offset=56ms");
}

TEST_F(STCTool, TheRefereesListTheMajorsOfAllThreeControllers) {
  ConnectAs(17);
  ASSERT_EQ(MainForm->_Notebook->PageIndex(), 4);
  EXPECT_EQ(MainForm->GridSTCPanel->Parent(), MainForm->HJDETScorePanel);
  Receive(Frame("ST", "J11 ", ClockStart(Now)));
  Tick(5.3);
  Receive(Frame("SP", "J11 ", DC1 + STCEvent(" m ", "0:05.3 ", "add")));
  Receive(Frame("SP", "J12 ", DC1 + STCEvent("m", "0:06.0", "add")));
  Receive(Frame("SP", "J13 ", DC1 + STCEvent("s", "0:06.1", "add")));
  Receive(Frame("SP", "J13 ", DC1 + STCEvent("m", "0:07.0", "add")));
  Receive(Frame("SP", "J12 ", DC1 + STCEvent("m", "0:07.5", "subtract")));
  // Nobody but a controller counts errors.
  Receive(Frame("SP", "J3  ", DC1 + STCEvent("m", "0:08.0", "add")));
  Receive(Frame("SP", "QQQQ", DC1 + STCEvent("m", "0:08.0", "add")));
  EXPECT_EQ(Listed(),
            (std::vector<TRow>{
                {"", "0:05.3", "1", "m"}, {"", "0:06.0", "2", "m"}, {"", "0:07.0", "3", "m"}}));
  EXPECT_EQ(MemoLines(), (TRow{"1\tm\t0:05.3\tadd", "2\tm\t0:06.0\tadd", "3\ts\t0:06.1\tadd",
                               "3\tm\t0:07.0\tadd", "2\tm\t0:07.5\tsubtract"}));
  ExpectNothingSent("HJ  ");

  // Off the referees' page the events are nobody's business.
  ShowPage(1);
  Receive(Frame("SP", "J11 ", DC1 + STCEvent("m", "0:09.0", "add")));
  EXPECT_EQ(Listed().size(), 3u);
  EXPECT_EQ(MemoLines().size(), 5u);
}

TEST_F(STCTool, FinalScoresOfTheControllerAndDifficultyDecisionsClearThePage) {
  ConnectAs(11);
  Press("STCStartStop");
  Tick(4);
  Press("STCButton3");
  EndFlash();
  Press("STCButton1");
  Sent(3);

  // Another controller's scores are not this page's.
  Receive(Frame("FS", "ZEL ", std::string("11") + DC1 + "4" + DC2 + "4" + DC2 + "4" + DC2));
  EXPECT_TRUE(ClockRuns());
  EXPECT_EQ(Counts(), (TRow{"1", "0", "1"}));

  Receive(Frame("FS", "ZEL ", std::string("12") + DC1 + "1" + DC2 + "0" + DC2 + "2" + DC2));
  EXPECT_FALSE(ClockRuns());
  EXPECT_EQ(Counts(), (TRow{"1", "0", "2"}));
  EXPECT_EQ(MainForm->STCLabel3->Tag(), 2);
  EXPECT_EQ(Caption("ScoreEdit"), "6.1");
  EXPECT_EQ(Caption("STCClock"), "0:00.0");
  EXPECT_TRUE(MemoLines().empty());
  EXPECT_EQ(Listed(), (std::vector<TRow>{{"", "", "", ""}}));

  Press("STCStartStop");
  Tick(1);
  EndFlash();
  Press("STCButton2");
  Receive(Frame("FD", "ZEL ", std::string("14") + DC1 + "10000" + DC2));
  EXPECT_FALSE(ClockRuns());
  EXPECT_EQ(Counts(), (TRow{"0", "0", "0"}));
  EXPECT_EQ(Caption("ScoreEdit"), "0.0");
  EXPECT_EQ(Caption("STCClockLabel"), "Time");
  EXPECT_TRUE(MemoLines().empty());
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(STCTool, TheClockMarksTheElementsItHasPassedOnTheRefereeAndDifficultyGrids) {
  ChooseRole(17);
  std::string elements = std::string("3") + DC1;
  for (const char* timing : {"0:00-0:25", "0:25-1:10", "1:10-1:40"})
    for (const char* item : {timing, "TRE", "1.2", "", "1.5000", "0.0"})
      elements += std::string(item) + DC2;
  MainForm->DispatchFrame(Frame("AE", "ZEL ", elements));
  ShowPage(4);
  MainForm->DispatchFrame(Frame("ST", "J11 ", ClockStart(Now)));
  TStringGrid& referee = *MainForm->GridReferee;
  TStringGrid& datc = *MainForm->GridDATC;
  const TRow unmarked = Column(referee, 0);
  ASSERT_EQ(unmarked.size(), 11u);

  Tick(0.5);
  EXPECT_EQ(Column(referee, 0), unmarked) << "marks come with a new second";
  Tick(0.5);
  EXPECT_EQ(referee.Cells(0, 1), "*0:00-0:25");
  Tick(24);
  EXPECT_EQ(Caption("STCClock"), "0:25.0");
  EXPECT_EQ(referee.Cells(0, 2), "0:25-1:10") << "at 0:25 the first element has not ended";
  Tick(1);
  EXPECT_EQ(referee.Cells(0, 2), "*0:25-1:10");
  Tick(74);
  EXPECT_EQ(Caption("STCClock"), "1:40.0");
  EXPECT_EQ(referee.Cells(0, 3), "*1:10-1:40");
  EXPECT_EQ(referee.Cells(0, 4), "");
  Tick(1);
  EXPECT_EQ(referee.Cells(0, 4), "*") << "the row after the last element";
  const TRow marked = Column(referee, 0);
  EXPECT_EQ(TRow(marked.begin() + 5, marked.end()), TRow(unmarked.begin() + 5, unmarked.end()))
      << "the foot of the grid is never marked";
  EXPECT_EQ(Column(datc, 0), (TRow{"<-- Home", "0:00-0:25", "0:25-1:10", "1:10-1:40"}))
      << "only the page shown is marked";

  ShowPage(6);
  Tick(1);
  EXPECT_EQ(Column(datc, 0), (TRow{"<-- Home", "*0:00-0:25", "*0:25-1:10", "*1:10-1:40"}));
  ShowPage(5);
  MainForm->DispatchFrame(Frame("AE", "ZEL ", elements));
  Tick(1);
  EXPECT_EQ(Column(datc, 0), (TRow{"<-- Home", "0:00-0:25", "0:25-1:10", "1:10-1:40"}));

  // An event without elements leaves the referees' foot alone.
  MainForm->DispatchFrame(Frame("AE", "ZEL ", std::string("0") + DC1));
  ShowPage(4);
  const TRow foot = Column(referee, 0);
  Tick(1);
  EXPECT_EQ(Column(referee, 0), foot);

  Tick(600 - 104);
  EXPECT_EQ(Caption("STCClock"), "0:00.0") << "the clock shows one digit of minutes";
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(STCTool, MajorErrorsGoToTheLogFileOnlyWhileTheClockRunsAndAutosaveIsOn) {
  ConnectAs(10);
  const std::filesystem::path log = Folder.Path() / "STCLog.txt";
  EXPECT_EQ(MainForm->STCLogFileName, Folder.Path().string() + "\\STCLog.txt");
  EXPECT_EQ(MainForm->EnableSTCLog->Hint(), MainForm->STCLogFileName);
  MainForm->EnableSTCLog->SetChecked(true);
  MainForm->LabelEvent->SetCaption("Free\tFinal");
  MainForm->LabelStart->SetCaption(" 3");

  Press("STCButton3");
  EndFlash();
  EXPECT_FALSE(std::filesystem::exists(log)) << "no routine, no line";

  Press("STCStartStop");
  Tick(5.3);
  Press("STCButton3");
  const std::string first = "26-03-14 15:07.47\tFree\tFinal\t 3\t1\t0:05.3\r\n";
  EXPECT_EQ(FileBytes(log), std::string(STCLogHeading) + first);
  EXPECT_TRUE(NobodyHolds(log));

  EndFlash();
  Press("STCButton1");
  EndFlash();
  Press("STCButton2");
  Press("STCSubtract3");
  Tick(61);
  EndFlash();
  Press("STCButton3");
  const std::string second = "26-03-14 15:08.48\tFree\tFinal\t 3\t1\t1:06.3\r\n";
  EXPECT_EQ(FileBytes(log), std::string(STCLogHeading) + first + second);

  // Moved away between two events: the next one starts a new file.
  std::filesystem::remove(log);
  EndFlash();
  Press("STCButton3");
  EXPECT_EQ(FileBytes(log), std::string(STCLogHeading) + second);
  EXPECT_TRUE(NobodyHolds(log));

  MainForm->EnableSTCLog->SetChecked(false);
  EndFlash();
  Press("STCButton3");
  EXPECT_EQ(FileBytes(log), std::string(STCLogHeading) + second);
  EXPECT_EQ(Listed().size(), 4u);
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(STCTool, ALogFileThatCannotBeWrittenLosesNoEvent) {
  ConnectAs(10);
  MainForm->EnableSTCLog->SetChecked(true);
  // A folder where the file should be: it exists and cannot be opened.
  std::filesystem::create_directory(Folder.Path() / "STCLog.txt");
  Press("STCStartStop");
  Sent(1);
  Tick(2);
  Press("STCButton3");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Text.rfind("Cannot open file \"" + MainForm->STCLogFileName + "\"", 0), 0u)
      << Boxes[0].Text;
  EXPECT_EQ(Sent(1), TRow{Frame("SP", "J11 ", STCEvent("m", "0:02.0", "add"))});
  EXPECT_EQ(Listed(), (std::vector<TRow>{{"", "0:02.0", "1", "m"}}));
  EXPECT_EQ(Caption("ScoreEdit"), "3.0");
  EXPECT_TRUE(MainForm->TimerClick->Enabled()) << "the flash runs and ends as usual";

  MainForm->STCLogFileName = (Folder.Path() / "gone" / "STCLog.txt").string();
  EndFlash();
  EXPECT_EQ(MainForm->STCButton3->Color(), 0x0000FF);
  Press("STCButton3");
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[1].Text.rfind("Cannot create file \"" + MainForm->STCLogFileName + "\"", 0), 0u)
      << Boxes[1].Text;
  EXPECT_EQ(Sent(1), TRow{Frame("SP", "J11 ", STCEvent("m", "0:02.0", "add"))});
  EXPECT_EQ(Listed().size(), 2u);
  EXPECT_EQ(MemoLines().size(), 2u);
}

} // namespace
} // namespace marivo
