#include "console/tessaline/MainForm.h"

#include "console/common/NoticeForms.h"
#include "console/common/ServerAddresses.h"
#include "console/common/Settings.h"
#include "console/common/protocol/RoleCodes.h"
#include "console/common/rules/BatteryMeter.h"
#include "platform/net/IpHelper.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <windows.h>

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
  STCLogFileName = BaseFolder + "\\STCLog.txt";
  NamedComponent<TCheckBox>(*this, "EnableSTCLog").SetHint(STCLogFileName);

  SetStatusPanel(NamedComponent<TStatusBar>(*this, "StatusBar1"), 0, VersionText);
  ScoreCursor = 1;
  RetryCount = 0;
  DATCMouseCol = 0;
  DATCMouseRow = 0;

  auto& connections = NamedComponent<TStringGrid>(*this, "GridConnections");
  const char* headings[] = {"Function", "Name", "IP", "Status"};
  for (int col = 0; col < 4; ++col)
    connections.SetCells(col, 0, headings[col]);
  const char* lastLabels[] = {"Timer", "Referee", "Referee 2", "ZEL VARO"};
  for (int row = 1; row <= 15; ++row)
    connections.SetCells(0, row, "Judge " + std::to_string(row));
  for (int row = 16; row <= 19; ++row)
    connections.SetCells(0, row, lastLabels[row - 16]);

  auto& stc = NamedComponent<TStringGrid>(*this, "GridSTC");
  const char* stcHeadings[] = {"Res", "Time", "STC", "Ded"};
  const int stcWidths[] = {0, 80, 40, 80};
  for (int col = 0; col < 4; ++col) {
    stc.SetCells(col, 0, stcHeadings[col]);
    stc.SetColWidths(col, stcWidths[col]);
  }

  NamedComponent<TRadioGroup>(*this, "ClientChoice").SetItemIndex(0);
  ImpressionEdits = {&NamedComponent<TEdit>(*this, "DETJ1AI"),
                     &NamedComponent<TEdit>(*this, "DETJ2AI"),
                     &NamedComponent<TEdit>(*this, "DETJ3AI")};
}

void TMainForm::FormShow(TObject*) {
  SetCaption("Marivo v3.0.4");
  NamedComponent<TPanel>(*this, "ScoreConfirmMain").SetAlign(alClient);

  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const TConsoleSettings settings =
      LoadConsoleSettings(SettingsFileName(), screenWidth, GetSystemMetrics(SM_CYSCREEN));
  SetBounds(settings.Left, settings.Top, settings.Width, settings.Height);
  LastIP = settings.LastIP;
  // A role index that names no role would leave every frame without a sender.
  LastRoleIndex = settings.Who >= 0 && settings.Who < RoleCount ? settings.Who : 0;
  // The group clamps the index and stays silent: the second stage sets the role state.
  NamedComponent<TRadioGroup>(*this, "ClientChoice").SetItemIndex(LastRoleIndex);
  ClockOffset = 0;
  if (screenWidth < Left())
    SetLeft(screenWidth - Width());
  NamedComponent<TTimer>(*this, "Timer1").SetEnabled(true);
}

void TMainForm::Timer1Timer(TObject*) {
  NamedComponent<TTimer>(*this, "Timer1").SetEnabled(false);
  auto& roles = NamedComponent<TRadioGroup>(*this, "ClientChoice");
  RoleCaption = ItemAt(roles.Items(), roles.ItemIndex());
  OwnRoleCode = TableEntry(RoleCodes, roles.ItemIndex());
  CurrentDisciplineCode = TableEntry(
      DisciplineCodes, NamedComponent<TRadioGroup>(*this, "DisciplineSelection").ItemIndex());

  if (ObtainingIPAddress)
    ObtainingIPAddress->Show();
  Application->ProcessMessages();

  auto& watch = NamedComponent<TIdIPWatch>(*this, "IdIPWatch");
  watch.ForceCheck();
  OwnIP = watch.LocalIP();
  OwnHostName = watch.LocalName();
  LoadIpHelperLibrary();
  RefreshIPList();

  if (ObtainingIPAddress) {
    ObtainingIPAddress->Hide();
    delete ObtainingIPAddress;
    ObtainingIPAddress = nullptr;
  }
  Application->ProcessMessages();

  auto& status = NamedComponent<TStatusBar>(*this, "StatusBar1");
  SetStatusPanel(status, 3, OwnIP);
  SetStatusPanel(status, 4, "  " + OwnHostName);

  auto& hosts = NamedComponent<TListBox>(*this, "HostIP");
  for (int i = 0; i < hosts.Items().Count(); ++i)
    if (hosts.Items().Strings(i) == LastIP)
      hosts.SetItemIndex(i);

  auto& notebook = NamedComponent<TNotebook>(*this, "_Notebook");
  notebook.SetPageIndex(OpeningPage);
  notebook.Show();
  NamedComponent<TTimer>(*this, "TimerPowerMeter").SetEnabled(true);
}

void TMainForm::RefreshIPList() {
  auto& hosts = NamedComponent<TListBox>(*this, "HostIP");
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
  auto& roles = NamedComponent<TRadioGroup>(*this, "ClientChoice");
  RoleCaption = ItemAt(roles.Items(), roles.ItemIndex());
  OwnRoleCode = TableEntry(RoleCodes, roles.ItemIndex());
}

void TMainForm::DisciplineSelectionChange(TObject*) {
  auto& roles = NamedComponent<TRadioGroup>(*this, "ClientChoice");
  CurrentDisciplineCode = TableEntry(
      DisciplineCodes, NamedComponent<TRadioGroup>(*this, "DisciplineSelection").ItemIndex());
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
  NamedComponent<TImage>(*this, "PowerLevel")
      .Picture()
      .SetFile("battery" + std::to_string(reading->ImageIndex) + ".bmp");
  NamedComponent<TLabel>(*this, "LabelPower").SetCaption(reading->Caption);
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

void TMainForm::FormKeyDown(TObject*, WORD& Key, TShiftState) {
  auto& notebook = NamedComponent<TNotebook>(*this, "_Notebook");
  const int page = notebook.PageIndex();
  if (Key == VK_F5) {
    auto& details = NamedComponent<TPanel>(*this, "PanelDetails");
    details.SetVisible(!details.Visible());
    return;
  }
  if (Key == VK_F9) {
    if (page == OpeningPage) {
      NamedComponent<TButton>(*this, "ButtonExit").Click();
      return;
    }
    notebook.SetPageIndex(OpeningPage);
    NamedComponent<TTimer>(*this, "ThankYouConfirmationTimer").SetEnabled(false);
    NamedComponent<TTimer>(*this, "ReconnectTimer").SetEnabled(false);
    if (NamedComponent<TButton>(*this, "DisconnectConsoles").Enabled())
      NamedComponent<TButton>(*this, "DisconnectConsoles").Click();
    if (auto& connect = NamedComponent<TButton>(*this, "ConnectConsoles");
        connect.Enabled() && connect.CanFocus())
      connect.SetFocus();
    return;
  }
  if (page == OpeningPage)
    return;

  auto& confirm = NamedComponent<TPanel>(*this, "ScoreConfirmMain");
  if (Key == VK_RETURN) {
    if (confirm.Visible())
      NamedComponent<TButton>(*this, "ScoreConfirmAccept").Click();
    else if (page == 3)
      NamedComponent<TButton>(*this, "ButtonSendTime").Click();
    else if (page != 4)
      NamedComponent<TButton>(*this, "ButtonSendScore").Click();
  }
  if (!confirm.Visible() && page != 5)
    for (const TScoreKey& scoreKey : ScoreKeys)
      if (scoreKey.Key == Key) {
        ScoreKeypadEntry(scoreKey.Value);
        break;
      }
  if (Key == VK_ESCAPE && confirm.Visible())
    NamedComponent<TButton>(*this, "ScoreConfirmDecline").Click();
  if ((page == 3 || page == 4) && (Key == VK_NEXT || Key == VK_PRIOR))
    MoveTimeSelection(Key == VK_NEXT ? 0 : -1);
  if (page == 5) {
    if (Key == VK_ESCAPE)
      NamedComponent<TButton>(*this, "STCClearButton").Click();
    else if (const int button = STCButtonOf(Key))
      NamedComponent<TPanel>(*this, "STCButton" + std::to_string(button)).Click();
    else if (Key == VK_DECIMAL)
      NamedComponent<TButton>(*this, "STCStartStop").Click();
  }
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
  NamedComponent<TTimer>(*this, "TimerRoutine").SetEnabled(false);
  CanClose = ShowMessageBox(ExitQuestion, Application ? Application->Title() : Caption(),
                            MB_OKCANCEL) == IDOK;
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
  SaveSettings();
}

void TMainForm::SaveSettings() {
  NamedComponent<TTimer>(*this, "TimerPowerMeter").SetEnabled(false);
  NamedComponent<TTimer>(*this, "TimerRoutine").SetEnabled(false);
  TConsoleSettings settings{Left(), Top(), Width(), Height()};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  // A minimised or maximised console comes back where the official last saw it whole.
  if (HandleAllocated() && (IsIconic(Handle()) || IsZoomed(Handle())) &&
      GetWindowPlacement(Handle(), &placement)) {
    const RECT& normal = placement.rcNormalPosition;
    settings = {normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top};
  }
  auto& hosts = NamedComponent<TListBox>(*this, "HostIP");
  // With no address selected the last one used is kept rather than an empty one.
  settings.LastIP = hosts.ItemIndex() >= 0 ? hosts.Items().Strings(hosts.ItemIndex()) : LastIP;
  settings.Who = NamedComponent<TRadioGroup>(*this, "ClientChoice").ItemIndex();
  SaveConsoleSettings(SettingsFileName(), settings);
  DisconnectConsolesClick(this);
}

void TMainForm::Register() {
  static const bool registered = [] {
    RegisterComponentClass<TMainForm, TForm>("TMainForm")
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
        .Handler("GridPreviousScoresDrawCell", &TMainForm::GridPreviousScoresDrawCell);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
