// The whole road of one score: the server's element list and athlete, the keypad, Send, Accept,
// the receipt, and a withdrawal, against a meet server in the test process on 127.0.0.1.
#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Application.h"
#include "platform/ui/GdiHandles.h"
#include "tests/support/AfterEvents.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScreenPixels.h"
#include "widgets/foundation/MVWApplication.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

namespace marivo {
namespace {

std::string ServerFrame(const std::string& code, const std::string& payload) {
  return std::string(1, SOH) + code + "FREEZEL " + STX + payload + EOT;
}

// An element list of identical rows whose timing text is `timing`.
std::string ElementList(int rows, const std::string& timing) {
  std::string payload = std::to_string(rows) + DC1;
  for (int row = 1; row <= rows; ++row)
    for (const std::string& item : {timing, std::string("TRE"), std::string("1.2"), std::string(),
                                    std::string("1.5000"), std::string("0.0")})
      payload += item + DC2;
  return payload;
}

std::string ConsoleFrame(const std::string& role, const std::string& payload) {
  return std::string(1, SOH) + "SD" + "FREE" + role + STX + payload + EOT;
}

class Scoring : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    StartShown();
    Console.ChooseLocalServer();
  }

  void ConnectAs(int role) {
    ChooseRole(role);
    ASSERT_TRUE(Console.ConnectTo(Server));
  }
  // Frames from the server are handled on the main thread as its messages are pumped.
  void Receive(const std::string& frame) {
    ASSERT_TRUE(Console.Receive(Server, frame)) << "the frame was not handled";
  }
  void Key(WORD key) { MainForm->FormKeyDown(MainForm, key, 0); }
  std::string LastSent() {
    EXPECT_TRUE(Server.WaitForFrames(++Expected));
    const auto frames = Server.Frames();
    return frames.size() >= Expected ? frames[Expected - 1] : std::string();
  }
  // A key as Windows delivers it to the control that has the focus: the form previews it first.
  void KeyTo(const std::string& control, WORD key) {
    SendMessageA(NamedComponent<TWinControl>(*MainForm, control).Handle(), WM_KEYDOWN, key, 0);
  }
  // The frames written since the last look, in order; a marker written now closes the list, so
  // nothing written earlier can still be on its way.
  std::vector<std::string> NewFrames() {
    MainForm->SendFrame("CM", "marker");
    EXPECT_TRUE(Server.WaitForFrames(Expected));
    auto frames = Server.Frames();
    test::PumpUntil([&] {
      frames = Server.Frames();
      return frames.back().find("marker") != std::string::npos;
    });
    std::vector<std::string> fresh(frames.begin() + static_cast<long>(Expected - 1),
                                   frames.end() - 1);
    Expected = frames.size() + 1;
    return fresh;
  }
  TWinControl& Confirmation() { return NamedComponent<TWinControl>(*MainForm, "ScoreConfirmMain"); }
  TMVWSimpleLabel& Label(const std::string& name) {
    return NamedComponent<TMVWSimpleLabel>(*MainForm, name);
  }

  test::TFakeMeetServer Server;
  std::size_t Expected = 1;
};

// The hidden test mode: its box checked when the role's page comes up starts the 3-second timer,
// which presses Send on the scoring page; unchecked at the next page, the timer stays off.
TEST_F(Scoring, TheTestModeBoxDecidesWhetherSendIsPressedEveryThreeSeconds) {
  auto& testMode = NamedComponent<TMVWCheckBox>(*MainForm, "CheckBoxTest");
  auto& timer = NamedComponent<TTimer>(*MainForm, "TestTimer");
  testMode.SetChecked(true);
  ConnectAs(0);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(Confirmation().Visible());
  Console.Clock().Advance(3000);
  EXPECT_TRUE(Confirmation().Visible()) << "Send was not pressed";
  testMode.SetChecked(false);
  MainForm->ShowRolePage();
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(Scoring, AnElementJudgeScoresEveryElementAndSeesTheReceipt) {
  ConnectAs(0);
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 1);
  EXPECT_EQ(Label("JudgeNum").Caption(), "ELEM 1");
  Receive(ServerFrame("AE", ElementList(3, "0:10-0:20")));
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
  EXPECT_FALSE(NamedComponent<TMVWSpeedButton>(*MainForm, "ButtonSendScore").Enabled());
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
  Receive(ServerFrame("AE", ElementList(2, "a")));
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
  EXPECT_EQ(MainForm->ImpressionEdits[0]->GetText(), "10.0");
  EXPECT_EQ(MainForm->ImpressionEdits[1]->GetText(), "8.25");
  EXPECT_EQ(MainForm->ImpressionEdits[2]->GetText(), "");
  MainForm->ScoreCursor = 1;
  Press("DETSCORE10");
  Press("DETSCORE6");
  Press("DETSCORE75");
  Key('9');
  Key(VK_MULTIPLY);
  EXPECT_EQ(MainForm->ImpressionEdits[0]->GetText(), "10.0");
  EXPECT_EQ(MainForm->ImpressionEdits[1]->GetText(), "6.75");
  EXPECT_EQ(MainForm->ImpressionEdits[2]->GetText(), "9.25");
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

// The official's own way: the mouse on the impression fields, on the keypad's speed buttons and on
// Send and Accept. A keypad click takes no focus, so the only after-events are those of the
// fields clicked.
TEST_F(Scoring, AnImpressionScoreMadeWithTheMouseOnTheKeypad) {
  ConnectAs(5);
  auto& fields = MainForm->ImpressionEdits;
  std::vector<std::string> events;
  test::RecordAfterEvents<TMVWEdit>(fields, events);
  const auto clickField = [](TMVWEdit& field) {
    SendMessageA(field.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(field.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(GetFocus(), field.Handle()) << field.Name() << " clicked";
  };
  const auto click = [](const std::string& key) {
    test::ClickWithMouse(NamedComponent<TControl>(*MainForm, key));
  };
  ASSERT_TRUE(test::TakeFocus(fields[2]->Handle()));
  ASSERT_TRUE(test::PumpPosted());
  events.clear();
  clickField(*fields[1]);
  EXPECT_EQ(MainForm->ScoreCursor, 2);
  for (const char* key : {"DETSCORE7", "DETSCORE25", "DETSCORE10"})
    click(key);
  clickField(*fields[0]);
  click("DETSCORE8");
  click("DETSCORE50");
  ASSERT_TRUE(test::PumpPosted());
  EXPECT_EQ(events, (std::vector<std::string>{"exit DETJ3AI", "enter DETJ2AI", "exit DETJ2AI",
                                              "enter DETJ1AI"}));
  EXPECT_EQ(GetFocus(), fields[0]->Handle()) << "the keypad left the focus in the field clicked";
  EXPECT_EQ(fields[0]->GetText(), "8.50");
  EXPECT_EQ(fields[1]->GetText(), "7.25");
  EXPECT_EQ(fields[2]->GetText(), "10.0");

  // Send and Accept by the mouse as well: the server gets the score the fields show.
  click("ButtonSendScore");
  ASSERT_TRUE(Confirmation().Visible());
  EXPECT_EQ(Confirmation().Color(), 0x0000FF);
  click("ScoreConfirmAccept");
  EXPECT_EQ(LastSent(), ConsoleFrame("J6  ", "8.50\x12"
                                             "7.25\x12"
                                             "10.0\x12"));
}

// A competition day of mouse work on the keypad must not use up the console's graphics
// resources: the widget library's GDI objects and the timer pool's items stay where they were.
// Each cycle: the mouse onto a key and held there over a pool tick, pressed, released, then
// gone without a leave message, so that only the hover check, ticked through the pool, lets the
// key go.
TEST_F(Scoring, AThousandKeypadCyclesLeaveNoGdiObjectNorTimerBehind) {
  MainForm->ClientChoice->SetItemIndex(5);
  MainForm->ClientChoiceChange(MainForm, MainForm->ClientChoice->ItemIndex());
  MainForm->ShowRolePage();
  auto& keypad = NamedComponent<TWinControl>(*MainForm, "PanelKeypadDetailed");
  std::vector<TControl*> keys;
  for (int i = 0; i < keypad.ControlCount(); ++i)
    if (!dynamic_cast<TWinControl*>(keypad.Controls(i)))
      keys.push_back(keypad.Controls(i));
  ASSERT_GE(keys.size(), 15u) << "the keypad's window-less keys";
  int clicks = 0;
  for (TControl* key : keys)
    key->OnClick = [&clicks, bound = key->OnClick](TObject* sender) {
      ++clicks;
      if (bound)
        bound(sender);
    };
  auto& pool = MVWApplication->TimerPool();
  const POINT away = keypad.ClientToScreen(POINT{-400, -400});

  int hoverChecks = 0;
  int unreleased = 0;
  const auto cycle = [&](TControl& key, int idleTimers) {
    const POINT middle{key.Left() + key.Width() / 2, key.Top() + key.Height() / 2};
    const LPARAM at = MAKELPARAM(middle.x, middle.y);
    SetCursorPosSeam(keypad.ClientToScreen(middle));
    SendMessageA(keypad.Handle(), WM_MOUSEMOVE, 0, at);
    pool.Tick();
    if (pool.Count() > idleTimers)
      ++hoverChecks;
    SendMessageA(keypad.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(keypad.Handle(), WM_LBUTTONUP, 0, at);
    SetCursorPosSeam(away);
    for (int tick = 0; tick < 100 && pool.Count() > idleTimers; ++tick)
      pool.Tick();
    if (pool.Count() > idleTimers)
      ++unreleased;
    UpdateWindow(MainForm->Handle());
  };
  // One round first, so that what the first paints make once for good is already there.
  const int idleTimers = pool.Count();
  for (TControl* key : keys)
    cycle(*key, idleTimers);
  Console.App().ProcessMessages();
  clicks = 0;
  hoverChecks = 0;
  const long gdiBefore = GdiLiveCount();
  const int timersBefore = pool.Count();
  for (int i = 0; i < 1000; ++i)
    cycle(*keys[static_cast<std::size_t>(i) % keys.size()], idleTimers);
  Console.App().ProcessMessages();
  SetCursorPosSeam(std::nullopt);
  std::printf("1,000 keypad cycles: GDI live count %ld before, %ld after; timer pool items %d "
              "before, %d after\n",
              gdiBefore, GdiLiveCount(), timersBefore, pool.Count());
  EXPECT_EQ(unreleased, 0) << "cycles whose hover check never ended";
  EXPECT_EQ(GdiLiveCount(), gdiBefore);
  EXPECT_EQ(pool.Count(), timersBefore);
  EXPECT_EQ(pool.Count(), idleTimers);
  EXPECT_EQ(clicks, 1000) << "each cycle one click";
  EXPECT_EQ(hoverChecks, 1000) << "each hover kept its check in the pool over a tick";
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

// The time keeper picks a time by clicking the time itself or its title with the mouse.
TEST_F(Scoring, AMouseClickOnATimeOrItsTitleSelectsThatTime) {
  ConnectAs(16);
  const std::vector<std::tuple<std::string, int, std::string, std::string>> clicks = {
      {"DeckTime", 2, "DeckTime", "0:00.5"},
      {"LabelRoutineTime", 3, "RoutineTime", "0:00.5"},
      {"LabelWalkOnTime", 1, "WalkOnTime", "0:00.5"},
      {"RoutineTime", 3, "RoutineTime", "0:05.5"},
  };
  for (const auto& [clicked, tag, field, shown] : clicks) {
    test::ClickWithMouse(Label(clicked));
    EXPECT_EQ(NamedComponent<TControl>(*MainForm, "Arrow").Tag(), tag) << clicked;
    Key('5');
    EXPECT_EQ(Label(field).Caption(), shown) << clicked;
  }
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
  EXPECT_EQ(NamedComponent<TMVWPanelFill>(*MainForm, "STCButton2").Left(), 4 * a);

  MainForm->SetBounds(0, 0, 1200, 700);
  Console.App().ProcessMessages();
  const int narrower = (NamedComponent<TPanel>(*MainForm, "PanelSTC").Width() -
                        NamedComponent<TPanel>(*MainForm, "PanelRight").Width()) /
                       16;
  EXPECT_EQ(NamedComponent<TMVWPanelFill>(*MainForm, "STCButton2").Left(), 4 * narrower);

  // The timer's role changes only the page.
  NamedComponent<TMVWRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(16);
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
  EXPECT_EQ(MainForm->ImpressionEdits[0]->GetText(), "8.50");
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
  NamedComponent<TMVWRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(0);
  MainForm->ClientChoiceChange(MainForm, 0);
  test::TFakeMeetServer second;
  ASSERT_TRUE(Console.ConnectTo(second));
  Console.App().ProcessMessages();

  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 1);
  auto& send = NamedComponent<TMVWSpeedButton>(*MainForm, "ButtonSendScore");
  EXPECT_TRUE(send.Visible());
  EXPECT_TRUE(IsWindowVisible(send.Parent()->Handle()));
  EXPECT_EQ(GetParent(NamedComponent<TPanel>(*MainForm, "PanelRight").Handle()),
            NamedComponent<TPanel>(*MainForm, "PanelDET").Handle());
  Press("ButtonSendScore");
  EXPECT_TRUE(IsWindowVisible(Confirmation().Handle()));
}

// A keypad click leaves the focus where it was; the key that follows must act once, through the
// form, and never again through the control that has the focus.
TEST_F(Scoring, OneKeyPressIsOneActionWhateverHasTheFocus) {
  ConnectAs(0);
  NewFrames();
  Receive(ServerFrame("AE", ElementList(2, "a")));
  Press("DETSCORE7");
  Press("DETSCORE25");
  KeyTo("PanelKeypadDetailed", VK_RETURN);
  auto& scores = NamedComponent<TStringGrid>(*MainForm, "GridDetailedScores");
  EXPECT_EQ(scores.Cells(1, 0), "7.25") << "the grid shows what Accept sends";
  EXPECT_EQ(MainForm->ScoreCursor, 1);
  KeyTo("ScoreConfirmButtons", VK_RETURN);
  const std::string score = ConsoleFrame("J1  ", "7.25\x12"
                                                 "0.00\x12");
  EXPECT_EQ(NewFrames(), std::vector<std::string>{score}) << "one Enter, one score";

  // After a receipt and its withdrawal, the next score waits for Accept under its own title.
  Receive(ServerFrame("TX", "J1  " + std::string(1, DC1)));
  KeyTo("ScoreConfirmButtons", VK_ESCAPE);
  KeyTo("PanelKeypadDetailed", VK_RETURN);
  EXPECT_EQ(Confirmation().Color(), 0x0000FF);
  EXPECT_EQ(Label("ScoreConfirmTitle").Caption(), "Score Confirmation");

  // F9 leaves for the Opening page, where Enter presses the button that has the focus.
  KeyTo("ScoreConfirmButtons", VK_F9);
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 0);
  ASSERT_TRUE(Server.WaitForClientClose());
  test::TFakeMeetServer second;
  NamedComponent<TIdTCPClient>(*MainForm, "client").SetPort(second.Port());
  KeyTo("ConnectConsoles", VK_RETURN);
  EXPECT_TRUE(second.WaitForFrames(1)) << "Enter on Connect Console connects";
}

TEST_F(Scoring, TheTimeKeepersKeysActOnceAndTheServersTimesReturnToTheWalkOnTime) {
  ConnectAs(16);
  NewFrames();
  Press("TIMESCORE5");
  KeyTo("PanelTimerKeypad", VK_RETURN);
  EXPECT_EQ(NewFrames(), std::vector<std::string>{ConsoleFrame("TIME", "0:00.5\x11"
                                                                       "0:00.0\x12"
                                                                       "0:00.0\x13")});
  EXPECT_EQ(Label("WalkOnTime").Caption(), "0:00.5");

  // Fraction keys have no meaning for a time: they only take back the receipt.
  Receive(ServerFrame("TX", "TIME" + std::string(1, DC1)));
  auto& send = NamedComponent<TControl>(*MainForm, "ButtonSendTime");
  ASSERT_EQ(send.Caption(), "Thank You");
  for (WORD key : {VK_MULTIPLY, VK_ADD, VK_SUBTRACT, VK_DIVIDE})
    KeyTo("PanelTimerKeypad", key);
  EXPECT_EQ(Label("WalkOnTime").Caption(), "0:00.5");
  EXPECT_EQ(send.Caption(), "Send / Enter");

  KeyTo("PanelTimerKeypad", VK_NEXT);
  auto& arrow = NamedComponent<TMVWLImage>(*MainForm, "Arrow");
  ASSERT_EQ(arrow.Tag(), 2);
  Receive(ServerFrame("FS",
                      "17" + std::string(1, DC1) + "1:02.3" + DC2 + "0:00" + DC3 + "2:50.1" + DC4));
  EXPECT_EQ(Label("DeckTime").Caption(), "0:00.0");
  EXPECT_EQ(arrow.Tag(), 1);
  EXPECT_EQ(arrow.Top(), 16);
}

// The arrow moves beside the field chosen and is drawn there alone: no trail where it was.
TEST_F(Scoring, TheArrowShowsOnlyBesideTheSelectedTime) {
  MainForm->_Notebook->SetPageIndex(TimersPage);
  auto& arrow = NamedComponent<TMVWLImage>(*MainForm, "Arrow");
  HWND parent = arrow.Parent()->Handle();
  const RECT column{arrow.Left(), 0, arrow.Left() + arrow.Width(), 400};
  const int width = column.right - column.left;
  const struct {
    WORD Key;
    int Tag;
  } steps[] = {{0, 1}, {VK_NEXT, 2}, {VK_NEXT, 3}, {VK_NEXT, 1}, {VK_PRIOR, 3}, {VK_PRIOR, 2}};
  for (const auto& step : steps) {
    if (step.Key)
      Key(step.Key);
    ASSERT_EQ(arrow.Tag(), step.Tag);
    // Only what the move itself asked to repaint is painted.
    RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const auto green =
        test::CountColorInRows(test::ScreenPixels(parent, column), width, arrow.Top(),
                               arrow.Top() + arrow.Height(), RGB(0, 0xA0, 0));
    EXPECT_GT(green.Inside, 500) << "no arrow beside field " << step.Tag;
    EXPECT_EQ(green.Outside, 0) << "a trail after moving to field " << step.Tag;
  }
}

// A difficulty controller's every touch goes out at once as work in progress; Send closes the
// sheet. The technical controller only watches.
TEST_F(Scoring, ADifficultyControllersDecisionsReachTheServerAsTheyAreMade) {
  ConnectAs(13);
  NewFrames();
  Receive(ServerFrame("AE", ElementList(2, "0:10-0:20")));
  auto& grid = NamedComponent<TStringGrid>(*MainForm, "GridDATC");
  const auto touch = [&](int col, int row) {
    const RECT cell = grid.CellRect(col, row);
    const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    SendMessageA(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(grid.Handle(), WM_LBUTTONUP, 0, at);
  };
  const auto sheet = [](const std::string& row1, const std::string& dd1, const char* state) {
    return std::string(1, SOH) + "DSFREEJ14 " + STX + "14" + DC1 + row1 + DC2 + dd1 + DC2 +
           "00000" + DC2 + "1.5000" + DC2 + state + DC3 + EOT;
  };
  touch(7, 1);
  EXPECT_EQ(grid.Cells(5, 1), "0.00") << "the DD on failure";
  touch(15, 1);
  touch(2, 1);
  EXPECT_EQ(NewFrames(), (std::vector<std::string>{sheet("01000", "0.00", "Working"),
                                                   sheet("01010", "1.5000", "Working")}));
  EXPECT_EQ(NamedComponent<TMVWSpeedButton>(*MainForm, "ButtonSendScore").Caption(),
            "Send / Enter");
  Key(VK_RETURN);
  EXPECT_EQ(NewFrames(), std::vector<std::string>{sheet("01010", "1.5000", "Done")});

  touch(0, 0);
  EXPECT_EQ(NamedComponent<TNotebook>(*MainForm, "_Notebook").PageIndex(), 0) << "the Home cell";
  NamedComponent<TMVWRadioGroup>(*MainForm, "ClientChoice").SetItemIndex(19);
  MainForm->ClientChoiceChange(MainForm, 19);
  test::TFakeMeetServer second;
  ASSERT_TRUE(Console.ConnectTo(second));
  MainForm->DispatchFrame(ServerFrame("AE", ElementList(2, "0:10-0:20")));
  touch(9, 1);
  Key(VK_RETURN);
  MainForm->SendFrame("CM", "marker");
  ASSERT_TRUE(second.WaitForFrames(2));
  EXPECT_NE(second.Frames()[1].find("marker"), std::string::npos) << "the DTC sent a sheet";
}

} // namespace
} // namespace marivo
