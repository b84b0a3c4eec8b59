#pragma once

#include "console/common/ConsoleForm.h"

#include <array>
#include <optional>
#include <string>

namespace marivo::corvella {

// The earlier rules' main window: the shared Opening page and score panel, the one-decimal
// scoring pages, the five element edits and the head judge's grid.
class TMainForm : public TConsoleForm {
public:
  explicit TMainForm(TComponent* owner);
  // Makes the class, its published components and its handlers known to form data.
  static void Register();

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void TimerPowerMeterTimer(TObject* Sender);
  void DisciplineSelectionChange(TObject* Sender, int ButtonIndex);
  // Every discipline code but "FREE" counts as a technical routine.
  bool Technical() const;

  // What the server's frames do (MainFormServerMessages.cpp).
  void HandleOwnServerCode(const std::string& code, const std::string& role,
                           const std::string& payload) override;

  // Pages, entry, confirmation and sending (MainFormScoring.cpp).
  void ShowRolePage() override;
  void ArrangeConfirmButtons() override;
  void SetupHeadJudgeGrid();
  void KeypadEntry(int value);
  void KeypadEntryClick(TObject* Sender);
  void DETSCOREClick(TObject* Sender);
  void DETPreviousClick(TObject* Sender);
  void DETNextClick(TObject* Sender);
  void J1DetEnter(TObject* Sender);
  void J1DetAfterEnter(TObject* Sender);
  void J1DetAfterExit(TObject* Sender);
  void J1DetKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  // Colours the edit by its text; an invalid one takes the focus back. True when valid.
  bool ValidateDetailEdit(TMVWEdit& edit);
  void ButtonSendScoreClick(TObject* Sender);
  void ScoreConfirmAcceptClick(TObject* Sender);
  void ScoreConfirmDeclineClick(TObject* Sender);
  void ButtonSendHJClick(TObject* Sender);
  void HJGridDrawCell(TObject* Sender, int ACol, int ARow, const RECT& Rect, TGridDrawState State);

  // The components only this console has, in the order of its form data.
  TMVWSimpleLabel* LabelDisc = nullptr;
  TMVWSimpleLabel* DETJ1DetLabel = nullptr;
  TMVWEdit* DETJ1Det = nullptr;
  TMVWSimpleLabel* DETJ2DetLabel = nullptr;
  TMVWEdit* DETJ2Det = nullptr;
  TMVWSimpleLabel* DETJ3DetLabel = nullptr;
  TMVWEdit* DETJ3Det = nullptr;
  TMVWSimpleLabel* DETJ4DetLabel = nullptr;
  TMVWEdit* DETJ4Det = nullptr;
  TMVWSimpleLabel* DETJ5DetLabel = nullptr;
  TMVWEdit* DETJ5Det = nullptr;
  TMVWSimpleLabel* ScoreConfirmScore1 = nullptr;
  TMVWSimpleLabel* ScoreConfirmScore2 = nullptr;
  TMVWSimpleLabel* ScoreConfirmScore3 = nullptr;
  TMVWSimpleLabel* ScoreConfirmScore4 = nullptr;
  TMVWSimpleLabel* ScoreConfirmScore5 = nullptr;
  TPanel* PanelHJScoring = nullptr;
  TStringGrid* HJGrid = nullptr;

  // This console's own state.
  std::array<TMVWEdit*, 5> ElementEdits{};
  std::array<TMVWSimpleLabel*, 5> ElementEditLabels{};
  std::array<TMVWSimpleLabel*, 5> ConfirmScoreLabels{};
  // The element edit last entered; the keypad writes into it.
  TMVWEdit* CurrentElementEdit = nullptr;

private:
  // The page the chosen role works on in the current discipline; none without a role.
  std::optional<int> OwnPage() const;
  // The panel the keypad and the confirmation move onto on a scoring page.
  TPanel& ScoringPanel(int page) const;
  void SetUpElementPage();
  // The visible element edit step places after the given one, wrapping, its text selected.
  void FocusElementEdit(TMVWEdit& from, int step);
  void FocusFirstElementEdit();
  void TakeFocusBack(TMVWEdit& edit);
  // The SD payload of the page's score, or its withdrawal with zeros.
  std::string ScorePayload();
  // FS and SD: the scores of judge n into the head judge's grid.
  void FileInGrid(int judge, const std::vector<std::string>& items);
  void SetElementScores(const std::vector<std::string>& items);
  // The server's codes only this console acts on; role is the header's role field.
  void ShowAthletes(const std::string& role, const std::string& payload);
  void ShowFinalScores(const std::string& role, const std::string& payload);
  void ShowEventInfo(const std::string& role, const std::string& payload);
  void ShowReceipt(const std::string& role, const std::string& payload);
  void ShowRelayedScore(const std::string& role, const std::string& payload);

  // The edit whose invalid text is taking the focus back, until it has it again.
  TMVWEdit* ReturningFocusTo_ = nullptr;
};

extern TMainForm* MainForm;

} // namespace marivo::corvella
