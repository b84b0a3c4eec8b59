#include "console/common/ConsoleForm.h"

#include "console/common/NoticeForms.h"
#include "console/common/ServerAddresses.h"
#include "console/common/Settings.h"
#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/RoleCodes.h"
#include "console/common/protocol/ServerMessages.h"
#include "console/common/rules/TextPadding.h"
#include "platform/net/IpHelper.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "widgets/controls/MVWControls.h"

#include <windows.h>

#include <optional>

namespace marivo {

namespace {

constexpr const char* ExitQuestion = "Press OK to confirm you want to exit this program.";

std::string ItemAt(const TStrings& items, int index) {
  return index >= 0 && index < items.Count() ? items.Strings(index) : std::string();
}

std::string TableEntry(std::span<const std::string_view> table, int index) {
  return index >= 0 && index < static_cast<int>(table.size()) ? std::string(table[index])
                                                              : std::string();
}

// The list's own search ignores case; a role code that left is removed only where it is equal.
void RemoveConnectedClient(TListBox& clients, const std::string& roleCode) {
  for (int i = 0; i < clients.Items().Count(); ++i) {
    if (clients.Items().Strings(i) == roleCode) {
      clients.Items().Delete(i);
      return;
    }
  }
}

} // namespace

TConsoleForm::TConsoleForm(TComponent* owner, std::span<const std::string_view> roleCodes,
                           std::span<const TRoleKind> roleKinds)
    : TForm(owner), RoleCodes_(roleCodes), RoleKinds_(roleKinds) {}

std::string TConsoleForm::SettingsFileName() const {
  return BaseFolder + "\\Settings.ini";
}

std::string TConsoleForm::RoleCodeOf(int index) const {
  return TableEntry(RoleCodes_, index);
}

std::optional<TRoleKind> TConsoleForm::OwnRoleKind() const {
  return RoleKind(ClientChoice->ItemIndex(), RoleKinds_);
}

int TConsoleForm::OwnNumber() const {
  return ClientChoice->ItemIndex() + 1;
}

int TConsoleForm::OwnNumberInKind() const {
  return NumberInKind(ClientChoice->ItemIndex(), RoleKinds_);
}

void TConsoleForm::ReadRoleChoice() {
  auto& roles = *ClientChoice;
  RoleCaption = ItemAt(roles.Items(), roles.ItemIndex());
  OwnRoleCode = RoleCodeOf(roles.ItemIndex());
}

void TConsoleForm::ReadDisciplineChoice() {
  CurrentDisciplineCode = TableEntry(DisciplineCodes, DisciplineSelection->ItemIndex());
  OwnRoleCode = RoleCodeOf(ClientChoice->ItemIndex());
}

void TConsoleForm::SetStatusText(int index, const std::string& text) {
  auto& bar = *StatusBar1;
  if (index < bar.Panels().Count())
    bar.Panels().Items(index)->SetText(text);
}

std::string TConsoleForm::HeaderPart(const std::string& header, std::size_t from,
                                     std::size_t count) {
  return from < header.size() ? header.substr(from, count) : std::string();
}

void TConsoleForm::RestoreSettings() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const TConsoleSettings settings =
      LoadConsoleSettings(SettingsFileName(), screenWidth, GetSystemMetrics(SM_CYSCREEN));
  SetBounds(settings.Left, settings.Top, settings.Width, settings.Height);
  LastIP = settings.LastIP;
  // A role index that names no role would leave every frame without a sender.
  LastRoleIndex = settings.Who >= 0 && settings.Who < RoleCount() ? settings.Who : 0;
  // The group clamps the index and stays silent: the second stage sets the role state.
  ClientChoice->SetItemIndex(LastRoleIndex);
  if (screenWidth <= Left())
    SetLeft(screenWidth - Width());
}

void TConsoleForm::StartFirstStage() {
  ScoreConfirmMain->SetAlign(alClient);
  RestoreSettings();
  Timer1->SetEnabled(true);
  // Made hidden during the wait, so that the second stage only shows the notebook.
  _Notebook->HandleNeeded();
}

void TConsoleForm::Timer1Timer(TObject*) {
  Timer1->SetEnabled(false);
  ReadRoleChoice();
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

  SetStatusText(3, OwnIP);
  SetStatusText(4, "  " + OwnHostName);

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

void TConsoleForm::RefreshIPList() {
  auto& hosts = *HostIP;
  hosts.Items().BeginUpdate();
  hosts.Items().Clear();
  for (const std::string& item : ReadServerAddresses(OwnIP))
    hosts.Items().Add(item);
  hosts.Items().EndUpdate();
  // Connecting, reconnecting and saving all need an address: "This Computer" is always there.
  hosts.SetItemIndex(0);
}

void TConsoleForm::ButtonRefreshClick(TObject*) {
  RefreshIPList();
}

void TConsoleForm::ButtonExitClick(TObject*) {
  Close();
}

void TConsoleForm::ClientChoiceChange(TObject*, int) {
  ReadRoleChoice();
}

void TConsoleForm::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = ShowMessageBox(ExitQuestion, Application ? Application->Title() : Caption(),
                            MB_OKCANCEL) == IDOK;
}

void TConsoleForm::FormClose(TObject*, TCloseAction&) {
  SaveSettings();
}

void TConsoleForm::SaveSettings() {
  TimerPowerMeter->SetEnabled(false);
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

// --- the server's frames -----------------------------------------------------------------------

void TConsoleForm::DispatchFrame(const std::string& frame) {
  LogTraffic("client:" + frame);
  // A frame that cannot be read is reported and stops here; the next one is handled as usual.
  try {
    const TFrame parts = SplitFrame(frame);
    if (SameCode(parts.Code, "CC")) {
      ConnectedClients->Items().Add(parts.Payload);
      SendFrame("IP", OwnIP);
      SendFrame("CN", OwnHostName);
      SendFrame("CS", "Active");
    } else if (SameCode(parts.Code, "CD")) {
      if (parts.Payload == OwnRoleCode)
        ButtonHomeClick(ButtonHome2);
      else
        RemoveConnectedClient(*ConnectedClients, parts.Payload);
    } else if (SameCode(parts.Code, "TP")) {
      SendFrame("CS", "Active " + LabelPower->Caption());
    } else if (SameCode(parts.Code, "CE")) {
      ShowMessageBox(parts.Payload, "Error", MB_OK | MB_ICONERROR);
    } else {
      HandleServerMessage(parts.Header, parts.Payload);
    }
  } catch (const std::exception& error) {
    HandleApplicationException(error);
  }
}

void TConsoleForm::HandleServerMessage(const std::string& header, const std::string& payload) {
  const std::string code = HeaderPart(header, 0, 2);
  const std::string role = HeaderPart(header, 6, 4);
  if (SameCode(code, "CM"))
    AddChatLine(payload);
  else if (SameCode(code, "IP") || SameCode(code, "CN") || SameCode(code, "CS"))
    ShowConnectionDetail(code, role, payload);
  else if (SameCode(code, "XX"))
    ShowScoreTable(payload);
  else if (SameCode(code, "PR"))
    ShowScoreboard(payload);
  else
    HandleOwnServerCode(code, role, payload);
}

void TConsoleForm::ShowConnectionDetail(const std::string& code, const std::string& role,
                                        const std::string& payload) {
  const int col = SameCode(code, "IP") ? 2 : SameCode(code, "CN") ? 1 : 3;
  TStringGrid& connections = *GridConnections;
  for (int index = 0; index < RoleCount(); ++index) {
    if (RoleCodes_[static_cast<std::size_t>(index)] == role)
      connections.SetCells(col, index + 1, payload);
  }
}

void TConsoleForm::ShowScoreTable(const std::string& payload) {
  if (!ScoresForm)
    return;
  TStringGrid& grid = *ScoresForm->ScoresGrid;
  const TScoreTable table = ParseScoreTable(payload);
  for (int row = 0; row < ScoreTableSize; ++row) {
    for (int col = 0; col < ScoreTableSize; ++col)
      grid.SetCells(col, row, table[row][col]);
  }
  ScoresForm->ShowAgain();
}

void TConsoleForm::ShowScoreboard(const std::string& payload) {
  PanelScoreboard->Show();
  const TScoreboard board = ParseScoreboard(payload);
  ScoreboardOrder->SetCaption("ORDER " + PadLeft(board.Order, 3));
  Scoreboard1->SetCaption(PadLeft(board.Values[0], 9));
  Scoreboard2->SetCaption(PadLeft(board.Values[1], 9));
  Scoreboard3->SetCaption(PadLeft(board.Values[2], 9));
}

void TConsoleForm::Register() {
  static const bool registered = [] {
    RegisterControlClasses();
    RegisterComponentClass<TConsoleForm, TForm>("TConsoleForm")
        .Field("LabelStart", &TConsoleForm::LabelStart)
        .Field("LabelClub", &TConsoleForm::LabelClub)
        .Field("LabelAthlete", &TConsoleForm::LabelAthlete)
        .Field("LabelEvent", &TConsoleForm::LabelEvent)
        .Field("LabelPower", &TConsoleForm::LabelPower)
        .Field("StatusBar1", &TConsoleForm::StatusBar1)
        .Field("_Notebook", &TConsoleForm::_Notebook)
        .Field("ClientChoice", &TConsoleForm::ClientChoice)
        .Field("HostIP", &TConsoleForm::HostIP)
        .Field("ConnectConsoles", &TConsoleForm::ConnectConsoles)
        .Field("DisconnectConsoles", &TConsoleForm::DisconnectConsoles)
        .Field("ButtonExit", &TConsoleForm::ButtonExit)
        .Field("PanelMain", &TConsoleForm::PanelMain)
        .Field("ZELLogo", &TConsoleForm::ZELLogo)
        .Field("CheckBoxTest", &TConsoleForm::CheckBoxTest)
        .Field("DisciplineSelection", &TConsoleForm::DisciplineSelection)
        .Field("PanelDetails", &TConsoleForm::PanelDetails)
        .Field("LogFile", &TConsoleForm::LogFile)
        .Field("ConnectedClients", &TConsoleForm::ConnectedClients)
        .Field("GridConnections", &TConsoleForm::GridConnections)
        .Field("ChatFile", &TConsoleForm::ChatFile)
        .Field("EditMessage", &TConsoleForm::EditMessage)
        .Field("PanelDET", &TConsoleForm::PanelDET)
        .Field("PanelRight", &TConsoleForm::PanelRight)
        .Field("LabelScoreTitle", &TConsoleForm::LabelScoreTitle)
        .Field("ScoreEdit", &TConsoleForm::ScoreEdit)
        .Field("ButtonSendScore", &TConsoleForm::ButtonSendScore)
        .Field("PanelScoreboard", &TConsoleForm::PanelScoreboard)
        .Field("ScoreboardOrder", &TConsoleForm::ScoreboardOrder)
        .Field("Scoreboard1", &TConsoleForm::Scoreboard1)
        .Field("Scoreboard2", &TConsoleForm::Scoreboard2)
        .Field("Scoreboard3", &TConsoleForm::Scoreboard3)
        .Field("JudgeNum", &TConsoleForm::JudgeNum)
        .Field("LabelJudge", &TConsoleForm::LabelJudge)
        .Field("PanelKeypadDetailed", &TConsoleForm::PanelKeypadDetailed)
        .Field("PanelElements", &TConsoleForm::PanelElements)
        .Field("ScoreConfirmMain", &TConsoleForm::ScoreConfirmMain)
        .Field("ScoreConfirmTitle", &TConsoleForm::ScoreConfirmTitle)
        .Field("ScoreConfirmScore0", &TConsoleForm::ScoreConfirmScore0)
        .Field("ScoreConfirmButtons", &TConsoleForm::ScoreConfirmButtons)
        .Field("ScoreConfirmDecline", &TConsoleForm::ScoreConfirmDecline)
        .Field("ScoreConfirmAccept", &TConsoleForm::ScoreConfirmAccept)
        .Field("PanelIND", &TConsoleForm::PanelIND)
        .Field("ButtonHome2", &TConsoleForm::ButtonHome2)
        .Field("PanelKeypad", &TConsoleForm::PanelKeypad)
        .Field("PanelTime", &TConsoleForm::PanelTime)
        .Field("PanelTimerKeypad", &TConsoleForm::PanelTimerKeypad)
        .Field("ButtonSendTime", &TConsoleForm::ButtonSendTime)
        .Field("PanelTimerNavigation", &TConsoleForm::PanelTimerNavigation)
        .Field("Arrow", &TConsoleForm::Arrow)
        .Field("PanelTimerRight", &TConsoleForm::PanelTimerRight)
        .Field("WalkOnTime", &TConsoleForm::WalkOnTime)
        .Field("DeckTime", &TConsoleForm::DeckTime)
        .Field("RoutineTime", &TConsoleForm::RoutineTime)
        .Field("TimePenalty", &TConsoleForm::TimePenalty)
        .Field("TechnicalPenalty", &TConsoleForm::TechnicalPenalty)
        .Field("HJArrow", &TConsoleForm::HJArrow)
        .Field("ButtonSendHJ", &TConsoleForm::ButtonSendHJ)
        .Field("TestImage", &TConsoleForm::TestImage)
        .Field("Timer1", &TConsoleForm::Timer1)
        .Field("TimerPowerMeter", &TConsoleForm::TimerPowerMeter)
        .Field("ReconnectTimer", &TConsoleForm::ReconnectTimer)
        .Field("TestTimer", &TConsoleForm::TestTimer)
        .Field("IdIPWatch", &TConsoleForm::IdIPWatch)
        .Field("client", &TConsoleForm::client)
        .Handler("FormCloseQuery", &TConsoleForm::FormCloseQuery)
        .Handler("FormClose", &TConsoleForm::FormClose)
        .Handler("Timer1Timer", &TConsoleForm::Timer1Timer)
        .Handler("ButtonRefreshClick", &TConsoleForm::ButtonRefreshClick)
        .Handler("ButtonExitClick", &TConsoleForm::ButtonExitClick)
        .Handler("ClientChoiceChange", &TConsoleForm::ClientChoiceChange)
        .Handler("ConnectConsolesClick", &TConsoleForm::ConnectConsolesClick)
        .Handler("DisconnectConsolesClick", &TConsoleForm::DisconnectConsolesClick)
        .Handler("clientConnected", &TConsoleForm::clientConnected)
        .Handler("clientDisconnected", &TConsoleForm::clientDisconnected)
        .Handler("ButtonSendMessageClick", &TConsoleForm::ButtonSendMessageClick)
        .Handler("ReconnectTimerTimer", &TConsoleForm::ReconnectTimerTimer)
        .Handler("ButtonHomeClick", &TConsoleForm::ButtonHomeClick)
        .Handler("StatusBar1DblClick", &TConsoleForm::StatusBar1DblClick)
        .Handler("FormResize", &TConsoleForm::FormResize)
        .Handler("_NotebookPageChanged", &TConsoleForm::_NotebookPageChanged)
        .Handler("TestTimerTimer", &TConsoleForm::TestTimerTimer)
        .Handler("ActiveEditLabelClick", &TConsoleForm::ActiveEditLabelClick)
        .Handler("ButtonSendTimeClick", &TConsoleForm::ButtonSendTimeClick)
        .Handler("ButtonNextClick", &TConsoleForm::ButtonNextClick)
        .Handler("ButtonPrevClick", &TConsoleForm::ButtonPrevClick);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
