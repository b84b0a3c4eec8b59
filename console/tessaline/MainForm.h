#pragma once

#include "console/common/ConsoleForm.h"
#include "console/common/LocalTime.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWPanelFill.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace marivo {

// The pages after the ones both consoles have.
constexpr int STCPage = 5;
constexpr int DATCPage = 6;

// Columns of the difficulty controllers' grid.
constexpr int DATCColumnCount = 17;
constexpr int DATCColumnDifficulty = 3;
constexpr int DATCColumnBonus = 4;
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
class TMainForm : public TConsoleForm {
public:
  explicit TMainForm(TComponent* owner);
  // Makes the class, its published components and its handlers known to form data.
  static void Register();

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  // The routine clock stops whatever the official answers.
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void TimerPowerMeterTimer(TObject* Sender);
  // The battery image and caption for a percentage as the system reports it.
  void ShowBatteryPercentage(int percentage);
  void DisciplineSelectionChange(TObject* Sender, int ButtonIndex);

  // The impression edits hold four characters, whoever fills them: 10 shows as "10.0".
  void SetImpressionScore(int field, const std::string& text);

  // What the server's frames do (MainFormServerMessages.cpp).
  void HandleOwnServerCode(const std::string& code, const std::string& role,
                           const std::string& payload) override;

  // Roles, pages, layout, score and time entry, confirmation and sending (MainFormScoring.cpp).
  void ShowRolePage() override;
  void ScoreKeypadEntry(int value);
  void TimeKeypadEntry(int value);
  void DETSCOREClick(TObject* Sender);
  void FinalScoreClick(TObject* Sender);
  void DETPreviousClick(TObject* Sender);
  void DETNextClick(TObject* Sender);
  void DETJ3AIMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void ButtonSendScoreClick(TObject* Sender);
  void ScoreConfirmAcceptClick(TObject* Sender);
  void ScoreConfirmDeclineClick(TObject* Sender);
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
  // A hybrid element re-declared through "Edit DD"; it goes out with the next decision sheet.
  void GridDATCDblClick(TObject* Sender);

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

  // The three counting columns of the STC page, numbered 1 to 3.
  TMVWPanelFill& STCButton(int n) const;
  TMVWSpeedButton& STCSubtract(int n) const;
  TMVWSimpleLabel& STCCount(int n) const;
  TMVWSimpleLabel& STCLabel(int n) const;

  // The components only this console has, in the order of its form data.
  TMVWLImage* PowerLevel = nullptr;
  TMVWSimpleLabel* LabelDETMessage = nullptr;
  TStringGrid* GridDetailedScores = nullptr;
  TPanel* PanelAI = nullptr;
  TMVWEdit* DETJ1AI = nullptr;
  TMVWEdit* DETJ2AI = nullptr;
  TMVWEdit* DETJ3AI = nullptr;
  TStringGrid* GridPreviousScores = nullptr;
  TStringGrid* GridConfirm = nullptr;
  TPanel* HJDETScorePanel = nullptr;
  TStringGrid* GridReferee = nullptr;
  TPanel* PanelSTC = nullptr;
  TMVWPanelFill* STCButton1 = nullptr;
  TMVWSpeedButton* STCSubtract1 = nullptr;
  TMVWSimpleLabel* STCCount1 = nullptr;
  TMVWSimpleLabel* STCLabel1 = nullptr;
  TMVWPanelFill* STCButton2 = nullptr;
  TMVWSpeedButton* STCSubtract2 = nullptr;
  TMVWSimpleLabel* STCCount2 = nullptr;
  TMVWSimpleLabel* STCLabel2 = nullptr;
  TMVWPanelFill* STCButton3 = nullptr;
  TMVWSpeedButton* STCSubtract3 = nullptr;
  TMVWSimpleLabel* STCCount3 = nullptr;
  TMVWSimpleLabel* STCLabel3 = nullptr;
  TMVWSpeedButton* ButtonHome5 = nullptr;
  TMVWSpeedButton* STCClearButton = nullptr;
  TMVWSpeedButton* STCStartStop = nullptr;
  TMVWSimpleLabel* STCClock = nullptr;
  TMVWSimpleLabel* STCClockLabel = nullptr;
  TMemo* STCLog = nullptr;
  TMVWPanelFill* GridSTCPanel = nullptr;
  TStringGrid* GridSTC = nullptr;
  TMVWCheckBox* EnableSTCLog = nullptr;
  TPanel* PanelDATC = nullptr;
  TMVWSimpleLabel* LabelDATCTitle = nullptr;
  TStringGrid* GridDATC = nullptr;
  TStringGrid* JudgeGrid = nullptr;
  TTimer* ThankYouConfirmationTimer = nullptr;
  TTimer* TimerClick = nullptr;
  TTimer* TimerRoutine = nullptr;

  // This console's own state.
  std::string STCLogFileName;
  std::array<TMVWEdit*, 3> ImpressionEdits{};
  int ScoreCursor = 1;
  double RoutineStartTime = 0;
  double ClockOffset = 0;
  int DATCMouseCol = 0;
  int DATCMouseRow = 0;
  // The local date-time the routine clock and the STC log read; tests set a clock of their own.
  std::function<double()> Clock = LocalDateTime;

protected:
  void ArrangeDetailedPanels(int left) override;
  void ArrangeFurtherPage(int page) override;

private:
  bool ImpressionJudging();
  void ColourImpressionEdits();
  void ArrangeSTCPage();
  int ElementRows();
  void KeepCursorInRange();
  void AdvanceCursor();
  // The largest bold size, from the grid's own, at which text fits the cell.
  int FittedSize(TStringGrid& grid, int col, int row, const std::string& text);
  // Text, width, height and starting size of a fit, with the size found.
  using TFitKey = std::tuple<std::string, int, int, int>;
  std::map<TFitKey, int> FittedSizes_;
  void SendDecisions();
  // The SD payload of the page's score, or its withdrawal with zeros.
  std::string ScorePayload(bool zeros);
  std::string STCNumber();
  // The three counts and the total, from the count labels' tags.
  void ShowSTCCounts();
  void MarkElementRows(TStringGrid& grid, int elementRows);

  // Counts the element lists the difficulty grid was built from.
  int DATCGridBuilds_ = 0;
};

extern TMainForm* MainForm;

// Where the roles of a kind work: the page, the panel the score panel and the confirmation move
// to (none: they stay where they are), whether Send is shown (else left as it was), whether the
// score and its title show (none: left as they were), and the caption of the role label, followed
// by the role's number within its kind when Numbered (none: left as it was).
struct TRolePage {
  TRoleKind Kind;
  int Page;
  TPanel* TMainForm::*Panel;
  bool SendShown;
  std::optional<bool> ScoreShown;
  const char* Label;
  bool Numbered;
};

// The entry for a kind of role, or nullptr for a kind this console does not have.
const TRolePage* PageOf(std::optional<TRoleKind> kind);

} // namespace marivo
