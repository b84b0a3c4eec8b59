#include "console/tessaline/MainForm.h"

#include "console/common/protocol/RoleCodes.h"
#include "console/common/rules/BatteryMeter.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <windows.h>

namespace marivo {

TMainForm* MainForm = nullptr;

namespace {

constexpr const char* VersionText = "   Version 3.0.4";

// The role captions for either discipline, as the server's event relabels them; the time
// keeper's, the referees' and the technical controller's stay.
std::optional<std::string> RelabelledRoleCaption(int index) {
  const std::optional<TRoleKind> kind = RoleKind(index);
  const std::string n = std::to_string(NumberInKind(index));
  if (kind == TRoleKind::ElementJudge)
    return "Judge " + n + " (Elements)";
  if (kind == TRoleKind::ImpressionJudge)
    return "Judge " + n + "\r(Impression)";
  if (kind == TRoleKind::SynchronizationController)
    return "STC " + n;
  if (kind == TRoleKind::DifficultyController)
    return "DATC " + n + " (Impression)";
  return std::nullopt;
}

} // namespace

TMainForm::TMainForm(TComponent* owner) : TConsoleForm(owner, LookupRoleCodes, RoleKinds) {}

void TMainForm::FormCreate(TObject*) {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  BaseFolder = folder;
  STCLogFileName = IncludeTrailingPathDelimiter(BaseFolder) + "STCLog.txt";
  EnableSTCLog->SetHint(STCLogFileName);

  SetStatusText(0, VersionText);
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
  ClockOffset = 0;
  StartFirstStage();
}

void TMainForm::DisciplineSelectionChange(TObject*, int) {
  ReadDisciplineChoice();
  auto& roles = *ClientChoice;
  roles.Items().BeginUpdate();
  for (int index = 0; index < roles.Items().Count(); ++index) {
    if (const std::optional<std::string> caption = RelabelledRoleCaption(index))
      roles.Items().SetStrings(index, *caption);
  }
  roles.Items().EndUpdate();
}

void TMainForm::TimerPowerMeterTimer(TObject*) {
  SYSTEM_POWER_STATUS power;
  if (GetSystemPowerStatus(&power))
    ShowBatteryPercentage(power.BatteryLifePercent);
}

void TMainForm::ShowBatteryPercentage(int percentage) {
  const auto reading = ReadBatteryPercentage(percentage);
  if (!reading)
    return;
  PowerLevel->SetListIndex(reading->ImageIndex);
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

// A key the form acts on is consumed: the control that has the focus (a grid the judge just
// clicked, say) must not act on the same press again.
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

void TMainForm::FormCloseQuery(TObject* Sender, bool& CanClose) {
  TimerRoutine->SetEnabled(false);
  TConsoleForm::FormCloseQuery(Sender, CanClose);
}

void TMainForm::Register() {
  static const bool registered = [] {
    TConsoleForm::Register();
    RegisterComponentClass<TMainForm, TConsoleForm>("TMainForm")
        .Field("PowerLevel", &TMainForm::PowerLevel)
        .Field("LabelDETMessage", &TMainForm::LabelDETMessage)
        .Field("GridDetailedScores", &TMainForm::GridDetailedScores)
        .Field("PanelAI", &TMainForm::PanelAI)
        .Field("DETJ1AI", &TMainForm::DETJ1AI)
        .Field("DETJ2AI", &TMainForm::DETJ2AI)
        .Field("DETJ3AI", &TMainForm::DETJ3AI)
        .Field("GridPreviousScores", &TMainForm::GridPreviousScores)
        .Field("GridConfirm", &TMainForm::GridConfirm)
        .Field("HJDETScorePanel", &TMainForm::HJDETScorePanel)
        .Field("GridReferee", &TMainForm::GridReferee)
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
        .Field("ThankYouConfirmationTimer", &TMainForm::ThankYouConfirmationTimer)
        .Field("TimerClick", &TMainForm::TimerClick)
        .Field("TimerRoutine", &TMainForm::TimerRoutine)
        .Handler("FormCreate", &TMainForm::FormCreate)
        .Handler("FormShow", &TMainForm::FormShow)
        .Handler("FormKeyDown", &TMainForm::FormKeyDown)
        .Handler("FormCloseQuery", &TMainForm::FormCloseQuery)
        .Handler("TimerPowerMeterTimer", &TMainForm::TimerPowerMeterTimer)
        .Handler("DisciplineSelectionChange", &TMainForm::DisciplineSelectionChange)
        .Handler("DETSCOREClick", &TMainForm::DETSCOREClick)
        .Handler("FinalScoreClick", &TMainForm::FinalScoreClick)
        .Handler("DETPreviousClick", &TMainForm::DETPreviousClick)
        .Handler("DETNextClick", &TMainForm::DETNextClick)
        .Handler("DETJ3AIMouseDown", &TMainForm::DETJ3AIMouseDown)
        .Handler("ButtonSendScoreClick", &TMainForm::ButtonSendScoreClick)
        .Handler("ScoreConfirmAcceptClick", &TMainForm::ScoreConfirmAcceptClick)
        .Handler("ScoreConfirmDeclineClick", &TMainForm::ScoreConfirmDeclineClick)
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
        .Handler("GridDATCDblClick", &TMainForm::GridDATCDblClick)
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
