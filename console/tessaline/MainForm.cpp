#include "console/tessaline/MainForm.h"

#include "console/common/NoticeForms.h"
#include "console/common/ServerAddresses.h"
#include "console/common/Settings.h"
#include "console/common/protocol/RoleCodes.h"
#include "console/common/rules/BatteryMeter.h"
#include "platform/net/IpHelper.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <windows.h>

#include <optional>

namespace marivo {

TMainForm* MainForm = nullptr;

namespace {

constexpr const char* VersionText = "   Version 3.0.4";
constexpr const char* ExitQuestion = "Press OK to confirm you want to exit this program.";

std::string ItemAt(const TStrings& items, int index) {
  return index >= 0 && index < items.Count() ? items.Strings(index) : std::string();
}

std::string TableEntry(std::span<const std::string_view> table, int index) {
  return index >= 0 && index < static_cast<int>(table.size()) ? std::string(table[index])
                                                              : std::string();
}

// The role captions for either discipline, as the server's event relabels them.
std::string RelabelledRoleCaption(int index) {
  if (index < 5)
    return "Judge " + std::to_string(index + 1) + " (Elements)";
  if (index < 10)
    return "Judge " + std::to_string(index - 4) + "\r(Impression)";
  if (index < 13)
    return "STC " + std::to_string(index - 9);
  return "DATC " + std::to_string(index - 12) + " (Impression)";
}

void SetStatusPanel(TStatusBar& bar, int index, const std::string& text) {
  if (index < bar.Panels().Count())
    bar.Panels().Items(index)->SetText(text);
}

} // namespace

std::string TMainForm::SettingsFileName() const {
  return BaseFolder + "\\Settings.ini";
}

void TMainForm::FormCreate(TObject*) {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  BaseFolder = folder;
  STCLogFileName = IncludeTrailingPathDelimiter(BaseFolder) + "STCLog.txt";
  EnableSTCLog->SetHint(STCLogFileName);

  SetStatusPanel(*StatusBar1, 0, VersionText);
  ScoreCursor = 1;
  RetryCount = 0;
  DATCMouseCol = 0;
  DATCMouseRow = 0;

  auto& connections = *GridConnections;
  const char* headings[] = {"Function", "Name", "IP", "Status"};
  for (int col = 0; col < 4; ++col)
    connections.SetCells(col, 0, headings[col]);
  const char* lastLabels[] = {"Timer", "Referee", "Referee 2", "ZEL VARO"};
  for (int row = 1; row <= 15; ++row)
    connections.SetCells(0, row, "Judge " + std::to_string(row));
  for (int row = 16; row <= 19; ++row)
    connections.SetCells(0, row, lastLabels[row - 16]);

  auto& stc = *GridSTC;
  const char* stcHeadings[] = {"Res", "Time", "STC", "Ded"};
  const int stcWidths[] = {0, 80, 40, 80};
  for (int col = 0; col < 4; ++col) {
    stc.SetCells(col, 0, stcHeadings[col]);
    stc.SetColWidths(col, stcWidths[col]);
  }

  ClientChoice->SetItemIndex(0);
  ImpressionEdits = {DETJ1AI, DETJ2AI, DETJ3AI};
}

void TMainForm::FormShow(TObject*) {
  SetCaption("Marivo v3.0.4");
  ScoreConfirmMain->SetAlign(alClient);

  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const TConsoleSettings settings =
      LoadConsoleSettings(SettingsFileName(), screenWidth, GetSystemMetrics(SM_CYSCREEN));
  SetBounds(settings.Left, settings.Top, settings.Width, settings.Height);
  LastIP = settings.LastIP;
  // A role index that names no role would leave every frame without a sender.
  LastRoleIndex = settings.Who >= 0 && settings.Who < RoleCount ? settings.Who : 0;
  // The group clamps the index and stays silent: the second stage sets the role state.
  ClientChoice->SetItemIndex(LastRoleIndex);
  ClockOffset = 0;
  if (screenWidth <= Left())
    SetLeft(screenWidth - Width());
  Timer1->SetEnabled(true);
}

void TMainForm::Timer1Timer(TObject*) {
  Timer1->SetEnabled(false);
  auto& roles = *ClientChoice;
  RoleCaption = ItemAt(roles.Items(), roles.ItemIndex());
  OwnRoleCode = TableEntry(RoleCodes, roles.ItemIndex());
  CurrentDisciplineCode = TableEntry(DisciplineCodes, DisciplineSelection->ItemIndex());

  if (ObtainingIPAddress)
    ObtainingIPAddress->Show();
  Application->ProcessMessages();

  // Without its own name the console still opens: the official can pick the server by address.
  std::optional<Exception> lookupFailure;
  try {
    IdIPWatch->ForceCheck();
    OwnIP = IdIPWatch->LocalIP();
    OwnHostName = IdIPWatch->LocalName();
  } catch (const Exception& error) {
    lookupFailure = error;
  }
  LoadIpHelperLibrary();
  RefreshIPList();

  if (ObtainingIPAddress) {
    ObtainingIPAddress->Hide();
    delete ObtainingIPAddress;
    ObtainingIPAddress = nullptr;
  }
  Application->ProcessMessages();

  auto& status = *StatusBar1;
  SetStatusPanel(status, 3, OwnIP);
  SetStatusPanel(status, 4, "  " + OwnHostName);

  auto& hosts = *HostIP;
  for (int i = 0; i < hosts.Items().Count(); ++i)
    if (hosts.Items().Strings(i) == LastIP)
      hosts.SetItemIndex(i);

  auto& notebook = *_Notebook;
  notebook.SetPageIndex(OpeningPage);
  notebook.Show();
  TimerPowerMeter->SetEnabled(true);
  if (lookupFailure)
    HandleApplicationException(*lookupFailure);
}

void TMainForm::RefreshIPList() {
  auto& hosts = *HostIP;
  hosts.Items().BeginUpdate();
  hosts.Items().Clear();
  for (const std::string& item : ReadServerAddresses(OwnIP))
    hosts.Items().Add(item);
  hosts.Items().EndUpdate();
  // Connecting, reconnecting and saving all need an address: "This Computer" is always there.
  hosts.SetItemIndex(0);
}

void TMainForm::ButtonRefreshClick(TObject*) {
  RefreshIPList();
}

void TMainForm::ButtonExitClick(TObject*) {
  Close();
}

void TMainForm::ClientChoiceChange(TObject*) {
  auto& roles = *ClientChoice;
  RoleCaption = ItemAt(roles.Items(), roles.ItemIndex());
  OwnRoleCode = TableEntry(RoleCodes, roles.ItemIndex());
}

void TMainForm::DisciplineSelectionChange(TObject*) {
  auto& roles = *ClientChoice;
  CurrentDisciplineCode = TableEntry(DisciplineCodes, DisciplineSelection->ItemIndex());
  OwnRoleCode = TableEntry(RoleCodes, roles.ItemIndex());
  roles.Items().BeginUpdate();
  for (int index = 0; index < 16 && index < roles.Items().Count(); ++index)
    roles.Items().SetStrings(index, RelabelledRoleCaption(index));
  roles.Items().EndUpdate();
}

void TMainForm::TimerPowerMeterTimer(TObject*) {
  SYSTEM_POWER_STATUS power;
  if (!GetSystemPowerStatus(&power))
    return;
  const auto reading = ReadBatteryPercentage(power.BatteryLifePercent);
  if (!reading)
    return;
  PowerLevel->Picture().SetFile("battery" + std::to_string(reading->ImageIndex) + ".bmp");
  LabelPower->SetCaption(reading->Caption);
}

namespace {

struct TScoreKey {
  WORD Key;
  int Value;
};

// The keyboard's score keys, as the keypad values they stand for.
constexpr TScoreKey ScoreKeys[] = {
    {VK_ESCAPE, -1}, {'0', 0},        {'1', 1},          {'2', 2},        {'3', 3},
    {'4', 4},        {'5', 5},        {'6', 6},          {'7', 7},        {'8', 8},
    {'9', 9},        {VK_NUMPAD0, 0}, {VK_NUMPAD1, 1},   {VK_NUMPAD2, 2}, {VK_NUMPAD3, 3},
    {VK_NUMPAD4, 4}, {VK_NUMPAD5, 5}, {VK_NUMPAD6, 6},   {VK_NUMPAD7, 7}, {VK_NUMPAD8, 8},
    {VK_NUMPAD9, 9}, {'X', 10},       {VK_MULTIPLY, 30}, {VK_ADD, 50},    {VK_SUBTRACT, 40},
    {VK_DIVIDE, 20},
};

// On the STC page the digits count errors: which of the three buttons a digit presses.
int STCButtonOf(WORD key) {
  int digit = -1;
  if (key >= '1' && key <= '9')
    digit = key - '0';
  else if (key >= VK_NUMPAD1 && key <= VK_NUMPAD9)
    digit = key - VK_NUMPAD0;
  return digit < 0 ? 0 : (digit - 1) % 3 + 1;
}

} // namespace

// A key the form acts on is consumed: the control that has the focus (a keypad button the judge
// just clicked, say) must not act on the same press again.
void TMainForm::FormKeyDown(TObject*, WORD& Key, TShiftState) {
  auto& notebook = *_Notebook;
  const int page = notebook.PageIndex();
  if (Key == VK_F5) {
    PanelDetails->SetVisible(!PanelDetails->Visible());
    Key = 0;
    return;
  }
  if (Key == VK_F9) {
    Key = 0;
    if (page == OpeningPage) {
      ButtonExit->Click();
      return;
    }
    notebook.SetPageIndex(OpeningPage);
    ThankYouConfirmationTimer->SetEnabled(false);
    ReconnectTimer->SetEnabled(false);
    if (DisconnectConsoles->Enabled())
      DisconnectConsoles->Click();
    if (ConnectConsoles->Enabled() && ConnectConsoles->CanFocus())
      ConnectConsoles->SetFocus();
    return;
  }
  // On the Opening page keys go to its buttons as on any window.
  if (page == OpeningPage)
    return;

  bool acted = false;
  auto& confirm = *ScoreConfirmMain;
  if (Key == VK_RETURN) {
    acted = true;
    if (confirm.Visible())
      ScoreConfirmAccept->Click();
    else if (page == TimersPage)
      ButtonSendTime->Click();
    else if (page != RefereePage)
      ButtonSendScore->Click();
    else
      acted = false;
  }
  if (!confirm.Visible() && page != STCPage) {
    for (const TScoreKey& scoreKey : ScoreKeys) {
      if (scoreKey.Key == Key) {
        ScoreKeypadEntry(scoreKey.Value);
        acted = true;
        break;
      }
    }
  }
  if (Key == VK_ESCAPE && confirm.Visible()) {
    ScoreConfirmDecline->Click();
    acted = true;
  }
  if ((page == TimersPage || page == RefereePage) && (Key == VK_NEXT || Key == VK_PRIOR)) {
    MoveTimeSelection(Key == VK_NEXT ? 0 : -1);
    acted = true;
  }
  if (page == STCPage) {
    if (Key == VK_ESCAPE) {
      STCClearButton->Click();
      acted = true;
    } else if (const int button = STCButtonOf(Key)) {
      STCButton(button).Click();
      acted = true;
    } else if (Key == VK_DECIMAL) {
      STCStartStop->Click();
      acted = true;
    }
  }
  if (acted)
    Key = 0;
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
  TimerRoutine->SetEnabled(false);
  CanClose = ShowMessageBox(ExitQuestion, Application ? Application->Title() : Caption(),
                            MB_OKCANCEL) == IDOK;
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
  SaveSettings();
}

void TMainForm::SaveSettings() {
  TimerPowerMeter->SetEnabled(false);
  TimerRoutine->SetEnabled(false);
  TConsoleSettings settings{Left(), Top(), Width(), Height()};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  // A minimised or maximised console comes back where the official last saw it whole.
  if (HandleAllocated() && (IsIconic(Handle()) || IsZoomed(Handle())) &&
      GetWindowPlacement(Handle(), &placement)) {
    const RECT& normal = placement.rcNormalPosition;
    settings = {normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top};
  }
  auto& hosts = *HostIP;
  // With no address selected the last one used is kept rather than an empty one.
  settings.LastIP = hosts.ItemIndex() >= 0 ? hosts.Items().Strings(hosts.ItemIndex()) : LastIP;
  settings.Who = ClientChoice->ItemIndex();
  // Settings that cannot be written must not keep the console on the server or on the screen.
  std::optional<Exception> saveFailure;
  try {
    SaveConsoleSettings(SettingsFileName(), settings);
  } catch (const Exception& error) {
    saveFailure = error;
  }
  DisconnectConsolesClick(this);
  if (saveFailure)
    HandleApplicationException(*saveFailure);
}

void TMainForm::Register() {
  static const bool registered = [] {
    RegisterComponentClass<TMainForm, TForm>("TMainForm")
        .Field("LabelStart", &TMainForm::LabelStart)
        .Field("LabelClub", &TMainForm::LabelClub)
        .Field("LabelAthlete", &TMainForm::LabelAthlete)
        .Field("LabelEvent", &TMainForm::LabelEvent)
        .Field("LabelPower", &TMainForm::LabelPower)
        .Field("PowerLevel", &TMainForm::PowerLevel)
        .Field("StatusBar1", &TMainForm::StatusBar1)
        .Field("_Notebook", &TMainForm::_Notebook)
        .Field("ClientChoice", &TMainForm::ClientChoice)
        .Field("HostIP", &TMainForm::HostIP)
        .Field("ConnectConsoles", &TMainForm::ConnectConsoles)
        .Field("DisconnectConsoles", &TMainForm::DisconnectConsoles)
        .Field("ButtonExit", &TMainForm::ButtonExit)
        .Field("PanelMain", &TMainForm::PanelMain)
        .Field("ZELLogo", &TMainForm::ZELLogo)
        .Field("CheckBoxTest", &TMainForm::CheckBoxTest)
        .Field("DisciplineSelection", &TMainForm::DisciplineSelection)
        .Field("PanelDetails", &TMainForm::PanelDetails)
        .Field("LogFile", &TMainForm::LogFile)
        .Field("ConnectedClients", &TMainForm::ConnectedClients)
        .Field("GridConnections", &TMainForm::GridConnections)
        .Field("ChatFile", &TMainForm::ChatFile)
        .Field("EditMessage", &TMainForm::EditMessage)
        .Field("PanelDET", &TMainForm::PanelDET)
        .Field("LabelDETMessage", &TMainForm::LabelDETMessage)
        .Field("PanelRight", &TMainForm::PanelRight)
        .Field("LabelScoreTitle", &TMainForm::LabelScoreTitle)
        .Field("ScoreEdit", &TMainForm::ScoreEdit)
        .Field("ButtonSendScore", &TMainForm::ButtonSendScore)
        .Field("PanelScoreboard", &TMainForm::PanelScoreboard)
        .Field("ScoreboardOrder", &TMainForm::ScoreboardOrder)
        .Field("Scoreboard1", &TMainForm::Scoreboard1)
        .Field("Scoreboard2", &TMainForm::Scoreboard2)
        .Field("Scoreboard3", &TMainForm::Scoreboard3)
        .Field("JudgeNum", &TMainForm::JudgeNum)
        .Field("LabelJudge", &TMainForm::LabelJudge)
        .Field("PanelKeypadDetailed", &TMainForm::PanelKeypadDetailed)
        .Field("PanelElements", &TMainForm::PanelElements)
        .Field("GridDetailedScores", &TMainForm::GridDetailedScores)
        .Field("PanelAI", &TMainForm::PanelAI)
        .Field("DETJ1AI", &TMainForm::DETJ1AI)
        .Field("DETJ2AI", &TMainForm::DETJ2AI)
        .Field("DETJ3AI", &TMainForm::DETJ3AI)
        .Field("GridPreviousScores", &TMainForm::GridPreviousScores)
        .Field("ScoreConfirmMain", &TMainForm::ScoreConfirmMain)
        .Field("ScoreConfirmTitle", &TMainForm::ScoreConfirmTitle)
        .Field("ScoreConfirmScore0", &TMainForm::ScoreConfirmScore0)
        .Field("GridConfirm", &TMainForm::GridConfirm)
        .Field("ScoreConfirmButtons", &TMainForm::ScoreConfirmButtons)
        .Field("ScoreConfirmDecline", &TMainForm::ScoreConfirmDecline)
        .Field("ScoreConfirmAccept", &TMainForm::ScoreConfirmAccept)
        .Field("PanelIND", &TMainForm::PanelIND)
        .Field("ButtonHome2", &TMainForm::ButtonHome2)
        .Field("PanelKeypad", &TMainForm::PanelKeypad)
        .Field("PanelTime", &TMainForm::PanelTime)
        .Field("PanelTimerKeypad", &TMainForm::PanelTimerKeypad)
        .Field("ButtonSendTime", &TMainForm::ButtonSendTime)
        .Field("PanelTimerNavigation", &TMainForm::PanelTimerNavigation)
        .Field("Arrow", &TMainForm::Arrow)
        .Field("PanelTimerRight", &TMainForm::PanelTimerRight)
        .Field("WalkOnTime", &TMainForm::WalkOnTime)
        .Field("DeckTime", &TMainForm::DeckTime)
        .Field("RoutineTime", &TMainForm::RoutineTime)
        .Field("HJDETScorePanel", &TMainForm::HJDETScorePanel)
        .Field("GridReferee", &TMainForm::GridReferee)
        .Field("TimePenalty", &TMainForm::TimePenalty)
        .Field("TechnicalPenalty", &TMainForm::TechnicalPenalty)
        .Field("HJArrow", &TMainForm::HJArrow)
        .Field("ButtonSendHJ", &TMainForm::ButtonSendHJ)
        .Field("PanelSTC", &TMainForm::PanelSTC)
        .Field("STCButton1", &TMainForm::STCButton1)
        .Field("STCSubtract1", &TMainForm::STCSubtract1)
        .Field("STCCount1", &TMainForm::STCCount1)
        .Field("STCLabel1", &TMainForm::STCLabel1)
        .Field("STCButton2", &TMainForm::STCButton2)
        .Field("STCSubtract2", &TMainForm::STCSubtract2)
        .Field("STCCount2", &TMainForm::STCCount2)
        .Field("STCLabel2", &TMainForm::STCLabel2)
        .Field("STCButton3", &TMainForm::STCButton3)
        .Field("STCSubtract3", &TMainForm::STCSubtract3)
        .Field("STCCount3", &TMainForm::STCCount3)
        .Field("STCLabel3", &TMainForm::STCLabel3)
        .Field("ButtonHome5", &TMainForm::ButtonHome5)
        .Field("STCClearButton", &TMainForm::STCClearButton)
        .Field("STCStartStop", &TMainForm::STCStartStop)
        .Field("STCClock", &TMainForm::STCClock)
        .Field("STCClockLabel", &TMainForm::STCClockLabel)
        .Field("STCLog", &TMainForm::STCLog)
        .Field("GridSTCPanel", &TMainForm::GridSTCPanel)
        .Field("GridSTC", &TMainForm::GridSTC)
        .Field("EnableSTCLog", &TMainForm::EnableSTCLog)
        .Field("PanelDATC", &TMainForm::PanelDATC)
        .Field("LabelDATCTitle", &TMainForm::LabelDATCTitle)
        .Field("GridDATC", &TMainForm::GridDATC)
        .Field("JudgeGrid", &TMainForm::JudgeGrid)
        .Field("TestImage", &TMainForm::TestImage)
        .Field("Timer1", &TMainForm::Timer1)
        .Field("TimerPowerMeter", &TMainForm::TimerPowerMeter)
        .Field("ReconnectTimer", &TMainForm::ReconnectTimer)
        .Field("TestTimer", &TMainForm::TestTimer)
        .Field("ThankYouConfirmationTimer", &TMainForm::ThankYouConfirmationTimer)
        .Field("TimerClick", &TMainForm::TimerClick)
        .Field("TimerRoutine", &TMainForm::TimerRoutine)
        .Field("IdIPWatch", &TMainForm::IdIPWatch)
        .Field("client", &TMainForm::client)
        .Handler("FormCreate", &TMainForm::FormCreate)
        .Handler("FormShow", &TMainForm::FormShow)
        .Handler("FormKeyDown", &TMainForm::FormKeyDown)
        .Handler("FormCloseQuery", &TMainForm::FormCloseQuery)
        .Handler("FormClose", &TMainForm::FormClose)
        .Handler("Timer1Timer", &TMainForm::Timer1Timer)
        .Handler("TimerPowerMeterTimer", &TMainForm::TimerPowerMeterTimer)
        .Handler("ButtonRefreshClick", &TMainForm::ButtonRefreshClick)
        .Handler("ButtonExitClick", &TMainForm::ButtonExitClick)
        .Handler("ClientChoiceChange", &TMainForm::ClientChoiceChange)
        .Handler("DisciplineSelectionChange", &TMainForm::DisciplineSelectionChange)
        .Handler("ConnectConsolesClick", &TMainForm::ConnectConsolesClick)
        .Handler("DisconnectConsolesClick", &TMainForm::DisconnectConsolesClick)
        .Handler("clientConnected", &TMainForm::clientConnected)
        .Handler("clientDisconnected", &TMainForm::clientDisconnected)
        .Handler("ButtonSendMessageClick", &TMainForm::ButtonSendMessageClick)
        .Handler("ReconnectTimerTimer", &TMainForm::ReconnectTimerTimer)
        .Handler("ButtonHomeClick", &TMainForm::ButtonHomeClick)
        .Handler("StatusBar1DblClick", &TMainForm::StatusBar1DblClick)
        .Handler("FormResize", &TMainForm::FormResize)
        .Handler("_NotebookPageChanged", &TMainForm::_NotebookPageChanged)
        .Handler("TestTimerTimer", &TMainForm::TestTimerTimer)
        .Handler("DETSCOREClick", &TMainForm::DETSCOREClick)
        .Handler("FinalScoreClick", &TMainForm::FinalScoreClick)
        .Handler("DETPreviousClick", &TMainForm::DETPreviousClick)
        .Handler("DETNextClick", &TMainForm::DETNextClick)
        .Handler("ActiveEditLabelClick", &TMainForm::ActiveEditLabelClick)
        .Handler("DETJ3AIMouseDown", &TMainForm::DETJ3AIMouseDown)
        .Handler("ButtonSendScoreClick", &TMainForm::ButtonSendScoreClick)
        .Handler("ScoreConfirmAcceptClick", &TMainForm::ScoreConfirmAcceptClick)
        .Handler("ScoreConfirmDeclineClick", &TMainForm::ScoreConfirmDeclineClick)
        .Handler("ButtonSendTimeClick", &TMainForm::ButtonSendTimeClick)
        .Handler("ButtonNextClick", &TMainForm::ButtonNextClick)
        .Handler("ButtonPrevClick", &TMainForm::ButtonPrevClick)
        .Handler("ButtonSendHJClick", &TMainForm::ButtonSendHJClick)
        .Handler("GridDetailedScoresDrawCell", &TMainForm::GridDetailedScoresDrawCell)
        .Handler("GridDetailedScoresSelectCell", &TMainForm::GridDetailedScoresSelectCell)
        .Handler("GridConfirmDrawCell", &TMainForm::GridConfirmDrawCell)
        .Handler("GridPreviousScoresDrawCell", &TMainForm::GridPreviousScoresDrawCell)
        .Handler("GridRefereeDrawCell", &TMainForm::GridRefereeDrawCell)
        .Handler("GridRefereeSelectCell", &TMainForm::GridRefereeSelectCell)
        .Handler("GridDATCDrawCell", &TMainForm::GridDATCDrawCell)
        .Handler("GridDATCSelectCell", &TMainForm::GridDATCSelectCell)
        .Handler("GridDATCMouseDown", &TMainForm::GridDATCMouseDown)
        .Handler("STCButton1Click", &TMainForm::STCButton1Click)
        .Handler("TimerClickTimer", &TMainForm::TimerClickTimer)
        .Handler("STCSubtract1Click", &TMainForm::STCSubtract1Click)
        .Handler("STCClearButtonClick", &TMainForm::STCClearButtonClick)
        .Handler("STCStartStopClick", &TMainForm::STCStartStopClick)
        .Handler("TimerRoutineTimer", &TMainForm::TimerRoutineTimer)
        .Handler("GridSTCDrawCell", &TMainForm::GridSTCDrawCell);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
