#pragma once

#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/RoleCodes.h"
#include "platform/net/IPWatch.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Edits.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Images.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Notebooks.h"
#include "platform/ui/Panels.h"
#include "platform/ui/StatusBars.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/Timers.h"
#include "widgets/controls/MVWButton.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWLEDLabel.h"
#include "widgets/controls/MVWLImage.h"
#include "widgets/controls/MVWRadioGroup.h"
#include "widgets/controls/MVWSimpleLabel.h"
#include "widgets/controls/MVWSimplePanel.h"
#include "widgets/controls/MVWSpeedButton.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace marivo {

// The pages both consoles' notebooks begin with, by index.
enum TConsolePage { OpeningPage, DetailedPage, IndividualPage, TimersPage, RefereePage };

// A server code one console acts on in a way of its own, and the handler it runs.
template <class Handler> struct TServerCode {
  std::string_view Code;
  Handler Handle;
};

// The handler a console's table holds for a server code, or nullptr when it has none.
template <class Handler, std::size_t N>
const Handler* FindServerCode(const TServerCode<Handler> (&codes)[N], std::string_view code) {
  for (const TServerCode<Handler>& entry : codes) {
    if (SameCode(code, entry.Code))
      return &entry.Handle;
  }
  return nullptr;
}

// What the main windows of both consoles share: the Opening page with the connection and its
// details, the athlete strip, the right-hand score panel and its confirmation, the time and
// penalty fields, and the console's state. Each console's main form adds its own pages and rules.
class TConsoleForm : public TForm {
public:
  // roleCodes and roleKinds: the console's role table by role index, without the server.
  TConsoleForm(TComponent* owner, std::span<const std::string_view> roleCodes,
               std::span<const TRoleKind> roleKinds);
  // Makes the shared components and handlers known to form data.
  static void Register();

  // Start-up, settings and shut-down.
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Timer1Timer(TObject* Sender);
  void ButtonRefreshClick(TObject* Sender);
  void ButtonExitClick(TObject* Sender);
  void ClientChoiceChange(TObject* Sender, int ButtonIndex);
  void RefreshIPList();
  void SaveSettings();

  // The connection, its reader thread and the traffic log (ConsoleFormConnection.cpp).
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

  // Logs the frame (EOT included), answers CC, CD, TP and CE, and hands the rest to
  // HandleServerMessage.
  void DispatchFrame(const std::string& frame);
  // Acts on the codes both consoles handle alike (CM, IP, CN, CS, XX, PR) and hands every other
  // code to the console's own table.
  void HandleServerMessage(const std::string& header, const std::string& payload);
  // role: the header's role field. A code the console does not know does nothing.
  virtual void HandleOwnServerCode(const std::string& code, const std::string& role,
                                   const std::string& payload) = 0;

  // The role's scoring page, after a connect or a reconnect.
  virtual void ShowRolePage() = 0;
  // Lays out the page shown: its own panels, then what every page shares.
  void ArrangePage();
  virtual void ArrangeConfirmButtons();
  // Shows the page and moves the score panel and the confirmation onto it, unless it is shown.
  void ShowScoringPage(int page, TPanel& panel);
  void MoveTimeSelection(int step);
  // After the server's times the next entry starts from the walk-on time.
  void SelectWalkOnTime();
  void FormResize(TObject* Sender);
  void _NotebookPageChanged(TObject* Sender);
  void TestTimerTimer(TObject* Sender);
  void ActiveEditLabelClick(TObject* Sender);
  void ButtonSendTimeClick(TObject* Sender);
  void ButtonNextClick(TObject* Sender);
  void ButtonPrevClick(TObject* Sender);

  void WndProc(TMessage& message) override;

  // The kind of the role chosen; none when no role is.
  std::optional<TRoleKind> OwnRoleKind() const;
  // The judge number of the role chosen, as payloads give it.
  int OwnNumber() const;
  // The role chosen, counted among the roles of its kind from 1.
  int OwnNumberInKind() const;

  // The shared components, in the order of the form data.
  TMVWSimpleLabel* LabelStart = nullptr;
  TMVWSimpleLabel* LabelClub = nullptr;
  TMVWSimpleLabel* LabelAthlete = nullptr;
  TMVWSimpleLabel* LabelEvent = nullptr;
  TMVWSimpleLabel* LabelPower = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TNotebook* _Notebook = nullptr;
  TMVWRadioGroup* ClientChoice = nullptr;
  TListBox* HostIP = nullptr;
  TMVWButton* ConnectConsoles = nullptr;
  // A speed button in Tessaline, a push button in Corvella.
  TControl* DisconnectConsoles = nullptr;
  TMVWSpeedButton* ButtonExit = nullptr;
  TPanel* PanelMain = nullptr;
  TImage* ZELLogo = nullptr;
  TMVWCheckBox* CheckBoxTest = nullptr;
  TMVWRadioGroup* DisciplineSelection = nullptr;
  TPanel* PanelDetails = nullptr;
  TMemo* LogFile = nullptr;
  TListBox* ConnectedClients = nullptr;
  TStringGrid* GridConnections = nullptr;
  TMemo* ChatFile = nullptr;
  TMVWEdit* EditMessage = nullptr;
  TPanel* PanelDET = nullptr;
  TPanel* PanelRight = nullptr;
  TMVWSimpleLabel* LabelScoreTitle = nullptr;
  TMVWSimpleLabel* ScoreEdit = nullptr;
  TMVWSpeedButton* ButtonSendScore = nullptr;
  TPanel* PanelScoreboard = nullptr;
  TMVWLEDLabel* ScoreboardOrder = nullptr;
  TMVWLEDLabel* Scoreboard1 = nullptr;
  TMVWLEDLabel* Scoreboard2 = nullptr;
  TMVWLEDLabel* Scoreboard3 = nullptr;
  TMVWSimpleLabel* JudgeNum = nullptr;
  TMVWSimpleLabel* LabelJudge = nullptr;
  TPanel* PanelKeypadDetailed = nullptr;
  TPanel* PanelElements = nullptr;
  TMVWSimplePanel* ScoreConfirmMain = nullptr;
  TMVWSimpleLabel* ScoreConfirmTitle = nullptr;
  TMVWSimpleLabel* ScoreConfirmScore0 = nullptr;
  TPanel* ScoreConfirmButtons = nullptr;
  TMVWSpeedButton* ScoreConfirmDecline = nullptr;
  TMVWSpeedButton* ScoreConfirmAccept = nullptr;
  TPanel* PanelIND = nullptr;
  TMVWSpeedButton* ButtonHome2 = nullptr;
  TPanel* PanelKeypad = nullptr;
  TPanel* PanelTime = nullptr;
  TPanel* PanelTimerKeypad = nullptr;
  TMVWSpeedButton* ButtonSendTime = nullptr;
  TPanel* PanelTimerNavigation = nullptr;
  TMVWLImage* Arrow = nullptr;
  TPanel* PanelTimerRight = nullptr;
  TMVWSimpleLabel* WalkOnTime = nullptr;
  TMVWSimpleLabel* DeckTime = nullptr;
  TMVWSimpleLabel* RoutineTime = nullptr;
  TMVWSimpleLabel* TimePenalty = nullptr;
  TMVWSimpleLabel* TechnicalPenalty = nullptr;
  TMVWLImage* HJArrow = nullptr;
  TMVWSpeedButton* ButtonSendHJ = nullptr;
  TImage* TestImage = nullptr;
  TTimer* Timer1 = nullptr;
  TTimer* TimerPowerMeter = nullptr;
  TTimer* ReconnectTimer = nullptr;
  TTimer* TestTimer = nullptr;
  TIdIPWatch* IdIPWatch = nullptr;
  TIdTCPClient* client = nullptr;

  // Console state kept for the life of the form.
  std::string BaseFolder;
  std::string LastIP = "This Computer";
  int LastRoleIndex = 0;
  std::string RoleCaption;
  std::string OwnRoleCode;
  std::string CurrentDisciplineCode;
  std::string OwnIP;
  std::string OwnHostName;
  int RetryCount = 0;

protected:
  std::string SettingsFileName() const;
  // Position, size, server and role as the last run left them, kept on the screen.
  void RestoreSettings();
  // What both consoles do when their form shows: settings back, the 100 ms wait started.
  void StartFirstStage();
  void SetStatusText(int index, const std::string& text);
  // RoleCaption and OwnRoleCode from the role chosen.
  void ReadRoleChoice();
  // CurrentDisciplineCode and OwnRoleCode after the discipline changed.
  void ReadDisciplineChoice();
  int RoleCount() const { return static_cast<int>(RoleCodes_.size()); }
  std::string RoleCodeOf(int index) const;
  static std::string HeaderPart(const std::string& header, std::size_t from, std::size_t count);

  // The address the connection goes to: the selected server, or the console's own address.
  std::string ServerHost();
  // The Opening page, disconnected.
  void GoHome();
  int Page() const;
  // Page 1's panels: the elements panel, and whatever the console shows beside it.
  virtual void ArrangeDetailedPanels(int left);
  // Pages after the head judge's, which only one console has.
  virtual void ArrangeFurtherPage(int) {}
  // Takes back a receipt: the send buttons with the given caption in silver, the confirmation
  // hidden, the keypad shown and Send enabled.
  void ResetSendButtons(const std::string& caption);
  // The confirmation shown red, waiting for Accept, with the keypad and Send out of the way.
  void ShowConfirmation();
  TMVWSimpleLabel& SelectedTimeField();
  void PlaceArrow(TMVWLImage& arrow, int tag);
  void TimeEntry(int value, const std::string& digits);

private:
  // The server's connection details, score table and scoreboard.
  void ShowConnectionDetail(const std::string& code, const std::string& role,
                            const std::string& payload);
  void ShowScoreTable(const std::string& payload);
  void ShowScoreboard(const std::string& payload);

  std::span<const std::string_view> RoleCodes_;
  std::span<const TRoleKind> RoleKinds_;
};

} // namespace marivo
