#pragma once

#include "console/common/LocalTime.h"
#include "platform/net/IPWatch.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Edits.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Groups.h"
#include "platform/ui/Images.h"
#include "platform/ui/Labels.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Notebooks.h"
#include "platform/ui/Panels.h"
#include "platform/ui/StatusBars.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/Timers.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <tuple>

namespace marivo {

// The pages of the main notebook, by index.
enum TConsolePage {
  OpeningPage,
  DetailedPage,
  IndividualPage,
  TimersPage,
  RefereePage,
  STCPage,
  DATCPage
};

// The role index of the difficulty technical controller, who sees every controller's decisions.
constexpr int DTCRoleIndex = 19;

// Columns of the difficulty controllers' grid.
constexpr int DATCColumnCount = 17;
constexpr int DATCColumnDD = 5;
constexpr int DATCColumnFail = 7;
constexpr int DATCColumnDeclaredDD = 11;
constexpr int DATCColumnFailedDD = 12;
constexpr int DATCColumnReceivedDifficulty = 13;
constexpr int DATCColumnReceivedBonus = 14;
constexpr int DATCColumnRevF = 16;
// Pass, Fail, Rev, Rev P, Rev F: a controller's five decision flags.
constexpr int DATCFlagColumns[5] = {6, 7, 8, 15, 16};

// The console's one main window: every role's page, the connection and the console's state.
class TMainForm : public TForm {
public:
  using TForm::TForm;
  // Makes the class, its published components and its handlers known to form data.
  static void Register();

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Timer1Timer(TObject* Sender);
  void TimerPowerMeterTimer(TObject* Sender);
  void ButtonRefreshClick(TObject* Sender);
  void ButtonExitClick(TObject* Sender);
  void ClientChoiceChange(TObject* Sender);
  void DisciplineSelectionChange(TObject* Sender);

  void RefreshIPList();
  void SaveSettings();
  // The impression edits hold four characters, whoever fills them: 10 shows as "10.0".
  void SetImpressionScore(int field, const std::string& text);

  // The connection, its reader thread and the traffic log (MainFormConnection.cpp).
  void ConnectConsolesClick(TObject* Sender);
  void DisconnectConsolesClick(TObject* Sender);
  void clientConnected(TObject* Sender);
  void clientDisconnected(TObject* Sender);
  void ButtonSendMessageClick(TObject* Sender);
  void ReconnectTimerTimer(TObject* Sender);
  void ButtonHomeClick(TObject* Sender);
  void StatusBar1DblClick(TObject* Sender);
  // Builds the frame from the console's discipline and role and writes it; a failed write is
  // absorbed (a failed SD starts the reconnect).
  void SendFrame(const std::string& code, const std::string& payload);
  void LogTraffic(const std::string& text);
  void AddChatLine(const std::string& text);
  void ShowRetryCount();

  // What the server's frames do (MainFormServerMessages.cpp); frame is the whole frame, EOT
  // included.
  void DispatchFrame(const std::string& frame);
  void HandleServerMessage(const std::string& header, const std::string& payload);

  // Roles, pages, layout, score and time entry, confirmation and sending (MainFormScoring.cpp).
  void ShowRolePage();
  void ArrangePage();
  void ArrangeConfirmButtons();
  void ScoreKeypadEntry(int value);
  void TimeKeypadEntry(int value);
  void MoveTimeSelection(int step);
  // After the server's times the next entry starts from the walk-on time.
  void SelectWalkOnTime();
  void FormResize(TObject* Sender);
  void _NotebookPageChanged(TObject* Sender);
  void TestTimerTimer(TObject* Sender);
  void DETSCOREClick(TObject* Sender);
  void FinalScoreClick(TObject* Sender);
  void DETPreviousClick(TObject* Sender);
  void DETNextClick(TObject* Sender);
  void ActiveEditLabelClick(TObject* Sender);
  void DETJ3AIMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void ButtonSendScoreClick(TObject* Sender);
  void ScoreConfirmAcceptClick(TObject* Sender);
  void ScoreConfirmDeclineClick(TObject* Sender);
  void ButtonSendTimeClick(TObject* Sender);
  void ButtonNextClick(TObject* Sender);
  void ButtonPrevClick(TObject* Sender);
  void ButtonSendHJClick(TObject* Sender);

  // The element grids built from the server's element list, and how four grids are drawn
  // (MainFormGrids.cpp).
  void BuildDATCGrid();
  void GridDetailedScoresDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect,
                                  TGridDrawState State);
  void GridDetailedScoresSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void GridConfirmDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect,
                           TGridDrawState State);
  void GridPreviousScoresDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect,
                                  TGridDrawState State);
  void GridRefereeDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect,
                           TGridDrawState State);
  void GridRefereeSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void GridDATCDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect,
                        TGridDrawState State);
  void GridSTCDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect, TGridDrawState State);

  // The difficulty controllers' decisions (MainFormDecisions.cpp).
  void GridDATCSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void GridDATCMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

  // The synchronization controllers' counting tool and routine clock (MainFormSTC.cpp).
  void STCButton1Click(TObject* Sender);
  void TimerClickTimer(TObject* Sender);
  void STCSubtract1Click(TObject* Sender);
  void STCClearButtonClick(TObject* Sender);
  void STCStartStopClick(TObject* Sender);
  void TimerRoutineTimer(TObject* Sender);
  // One counted error: kind "s", "o" or "m", action "add" or "subtract", the clock's text and
  // the STC number ("1" to "3"); one the server relayed from another console is not sent back.
  void AddSTCEvent(const std::string& kind, const std::string& action, const std::string& time,
                   const std::string& stcNumber, bool fromServer);
  // Empties the event memo and the list of major errors.
  void ClearSTCEvents();
  // Another console started its routine clock at start: this one counts from the same moment.
  void FollowRoutineClock(double start);

  void WndProc(TMessage& message) override;

  // The three counting columns of the STC page, numbered 1 to 3.
  TPanel& STCButton(int n) const;
  TButton& STCSubtract(int n) const;
  TLabel& STCCount(int n) const;
  TLabel& STCLabel(int n) const;

  // The form's components, in the order of its form data.
  TLabel* LabelStart = nullptr;
  TLabel* LabelClub = nullptr;
  TLabel* LabelAthlete = nullptr;
  TLabel* LabelEvent = nullptr;
  TLabel* LabelPower = nullptr;
  TImage* PowerLevel = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TNotebook* _Notebook = nullptr;
  TRadioGroup* ClientChoice = nullptr;
  TListBox* HostIP = nullptr;
  TButton* ConnectConsoles = nullptr;
  TButton* DisconnectConsoles = nullptr;
  TButton* ButtonExit = nullptr;
  TPanel* PanelMain = nullptr;
  TImage* ZELLogo = nullptr;
  TCheckBox* CheckBoxTest = nullptr;
  TRadioGroup* DisciplineSelection = nullptr;
  TPanel* PanelDetails = nullptr;
  TMemo* LogFile = nullptr;
  TListBox* ConnectedClients = nullptr;
  TStringGrid* GridConnections = nullptr;
  TMemo* ChatFile = nullptr;
  TEdit* EditMessage = nullptr;
  TPanel* PanelDET = nullptr;
  TLabel* LabelDETMessage = nullptr;
  TPanel* PanelRight = nullptr;
  TLabel* LabelScoreTitle = nullptr;
  TLabel* ScoreEdit = nullptr;
  TButton* ButtonSendScore = nullptr;
  TPanel* PanelScoreboard = nullptr;
  TLabel* ScoreboardOrder = nullptr;
  TLabel* Scoreboard1 = nullptr;
  TLabel* Scoreboard2 = nullptr;
  TLabel* Scoreboard3 = nullptr;
  TLabel* JudgeNum = nullptr;
  TLabel* LabelJudge = nullptr;
  TPanel* PanelKeypadDetailed = nullptr;
  TPanel* PanelElements = nullptr;
  TStringGrid* GridDetailedScores = nullptr;
  TPanel* PanelAI = nullptr;
  TEdit* DETJ1AI = nullptr;
  TEdit* DETJ2AI = nullptr;
  TEdit* DETJ3AI = nullptr;
  TStringGrid* GridPreviousScores = nullptr;
  TPanel* ScoreConfirmMain = nullptr;
  TLabel* ScoreConfirmTitle = nullptr;
  TLabel* ScoreConfirmScore0 = nullptr;
  TStringGrid* GridConfirm = nullptr;
  TPanel* ScoreConfirmButtons = nullptr;
  TButton* ScoreConfirmDecline = nullptr;
  TButton* ScoreConfirmAccept = nullptr;
  TPanel* PanelIND = nullptr;
  TButton* ButtonHome2 = nullptr;
  TPanel* PanelKeypad = nullptr;
  TPanel* PanelTime = nullptr;
  TPanel* PanelTimerKeypad = nullptr;
  TButton* ButtonSendTime = nullptr;
  TPanel* PanelTimerNavigation = nullptr;
  TImage* Arrow = nullptr;
  TPanel* PanelTimerRight = nullptr;
  TLabel* WalkOnTime = nullptr;
  TLabel* DeckTime = nullptr;
  TLabel* RoutineTime = nullptr;
  TPanel* HJDETScorePanel = nullptr;
  TStringGrid* GridReferee = nullptr;
  TLabel* TimePenalty = nullptr;
  TLabel* TechnicalPenalty = nullptr;
  TImage* HJArrow = nullptr;
  TButton* ButtonSendHJ = nullptr;
  TPanel* PanelSTC = nullptr;
  TPanel* STCButton1 = nullptr;
  TButton* STCSubtract1 = nullptr;
  TLabel* STCCount1 = nullptr;
  TLabel* STCLabel1 = nullptr;
  TPanel* STCButton2 = nullptr;
  TButton* STCSubtract2 = nullptr;
  TLabel* STCCount2 = nullptr;
  TLabel* STCLabel2 = nullptr;
  TPanel* STCButton3 = nullptr;
  TButton* STCSubtract3 = nullptr;
  TLabel* STCCount3 = nullptr;
  TLabel* STCLabel3 = nullptr;
  TButton* ButtonHome5 = nullptr;
  TButton* STCClearButton = nullptr;
  TButton* STCStartStop = nullptr;
  TLabel* STCClock = nullptr;
  TLabel* STCClockLabel = nullptr;
  TMemo* STCLog = nullptr;
  TPanel* GridSTCPanel = nullptr;
  TStringGrid* GridSTC = nullptr;
  TCheckBox* EnableSTCLog = nullptr;
  TPanel* PanelDATC = nullptr;
  TLabel* LabelDATCTitle = nullptr;
  TStringGrid* GridDATC = nullptr;
  TStringGrid* JudgeGrid = nullptr;
  TImage* TestImage = nullptr;
  TTimer* Timer1 = nullptr;
  TTimer* TimerPowerMeter = nullptr;
  TTimer* ReconnectTimer = nullptr;
  TTimer* TestTimer = nullptr;
  TTimer* ThankYouConfirmationTimer = nullptr;
  TTimer* TimerClick = nullptr;
  TTimer* TimerRoutine = nullptr;
  TIdIPWatch* IdIPWatch = nullptr;
  TIdTCPClient* client = nullptr;

  // Console state kept for the life of the form.
  std::string BaseFolder;
  std::string STCLogFileName;
  std::string LastIP = "This Computer";
  int LastRoleIndex = 0;
  std::string RoleCaption;
  std::string OwnRoleCode;
  std::string CurrentDisciplineCode;
  std::string OwnIP;
  std::string OwnHostName;
  std::array<TEdit*, 3> ImpressionEdits{};
  int ScoreCursor = 1;
  int RetryCount = 0;
  double RoutineStartTime = 0;
  double ClockOffset = 0;
  int DATCMouseCol = 0;
  int DATCMouseRow = 0;
  // The local date-time the routine clock and the STC log read; tests set a clock of their own.
  std::function<double()> Clock = LocalDateTime;

private:
  std::string SettingsFileName() const;
  // The address the connection goes to: the selected server, or the console's own address.
  std::string ServerHost();
  // The Opening page, disconnected.
  void GoHome();
  int Page() const;
  bool ImpressionJudging();
  void ColourImpressionEdits();
  void ArrangeSTCPage();
  void ResetSendButtons();
  int ElementRows();
  void KeepCursorInRange();
  void AdvanceCursor();
  TLabel& SelectedTimeField();
  void PlaceArrow(TImage& arrow, int tag);
  // The largest bold size, from the grid's own, at which text fits the cell.
  int FittedSize(TStringGrid& grid, int col, int row, const std::string& text);
  // Text, width, height and starting size of a fit, with the size found.
  using TFitKey = std::tuple<std::string, int, int, int>;
  std::map<TFitKey, int> FittedSizes_;
  void TimeEntry(int value, const std::string& digits);
  void SendDecisions();
  // The SD payload of the page's score, or its withdrawal with zeros.
  std::string ScorePayload(bool zeros);
  std::string STCNumber();
  // The three counts and the total, from the count labels' tags.
  void ShowSTCCounts();
  void MarkElementRows(TStringGrid& grid, int elementRows);
};

extern TMainForm* MainForm;

} // namespace marivo
