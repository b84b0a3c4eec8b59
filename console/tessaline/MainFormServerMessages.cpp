#include "console/common/TextFitting.h"
#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/RoleCodes.h"
#include "console/common/protocol/ServerMessages.h"
#include "console/common/rules/STCTool.h"
#include "console/tessaline/MainForm.h"
#include "platform/rtl/TextUtils.h"

#include <windows.h>

namespace marivo {

namespace {

// Column of a difficulty controller's decisions (judges 14-16) in both grids.
int DecisionColumn(int judge) {
  return judge - 5;
}

// The console's parts the server's frames write into.
class TServerView {
public:
  explicit TServerView(TMainForm& form) : Form(form) {}

  int RoleIndex() const { return Form.ClientChoice->ItemIndex(); }
  int OwnNumber() const { return RoleIndex() + 1; }
  int Page() const { return Form._Notebook->PageIndex(); }
  void ShowPage(int page) const { Form._Notebook->SetPageIndex(page); }
  int ElementCount() const { return Form.JudgeGrid->RowCount(); }
  TCanvas& MeasuringCanvas() const { return Form.TestImage->Picture().Bitmap().Canvas(); }

  TMainForm& Form;
};

void ShowAthletes(const TServerView& view, const std::string& payload) {
  for (TMVWSpeedButton* button :
       {view.Form.ButtonSendTime, view.Form.ButtonSendScore, view.Form.ButtonSendHJ}) {
    button->SetCaption("Send / Enter");
    button->SetColor(clSilver);
  }
  view.Form.ScoreConfirmTitle->SetCaption("Score Confirmation");
  view.Form.ScoreConfirmMain->Hide();
  view.Form.PanelKeypad->Show();
  view.Form.ButtonSendScore->SetEnabled(true);

  const TAthletes athletes = ParseAthletes(payload);
  view.Form.LabelStart->SetCaption(athletes.StartOrder);
  FitLabelText(*view.Form.LabelClub, athletes.Club, 22, view.MeasuringCanvas());
  FitLabelText(*view.Form.LabelAthlete, athletes.Athletes, 22, view.MeasuringCanvas());

  const int role = view.RoleIndex();
  bool showEvents = false;
  if (role >= 10 && role <= 12)
    showEvents = athletes.PanelFlag == "2";
  else if (role == 17 || role == 18)
    showEvents = true;
  view.Form.GridSTCPanel->SetVisible(showEvents);
}

bool ConcernsThisConsole(const TServerView& view, int judge) {
  return judge == view.OwnNumber() || view.Page() == RefereePage;
}

void ShowPreviousScores(const TServerView& view, const std::string& payload) {
  const TJudgeItems scores = ParsePreviousScores(payload, view.ElementCount());
  const bool scored = IsElementJudge(scores.Judge) || IsImpressionJudge(scores.Judge);
  if (!scored || !ConcernsThisConsole(view, scores.Judge))
    return;
  TStringGrid& grid = *view.Form.GridPreviousScores;
  grid.SetColCount(static_cast<int>(scores.Items.size()));
  for (std::size_t col = 0; col < scores.Items.size(); ++col)
    grid.SetCells(static_cast<int>(col), 1, scores.Items[col]);
}

// Column n + 3 for element judges, n - 2 for impression judges, n - 7 for STC.
int RefereeColumn(int judge) {
  if (IsElementJudge(judge))
    return judge + 3;
  if (IsImpressionJudge(judge))
    return judge - 2;
  return judge - 7;
}

// The three impression rows, or the three STC rows, at the foot of the referees' grid.
void SetRefereeFootRows(TStringGrid& referee, int col, int firstFromEnd,
                        const std::vector<std::string>& items) {
  for (int i = 0; i < 3; ++i)
    referee.SetCells(col, referee.RowCount() - firstFromEnd + i,
                     items[static_cast<std::size_t>(i)]);
}

void ShowFinalScores(const TServerView& view, const std::string& payload) {
  const int k = view.ElementCount();
  const TJudgeItems scores = ParseFinalScores(payload, k);
  const int n = scores.Judge;
  if (!ConcernsThisConsole(view, n))
    return;
  const auto& items = scores.Items;
  TStringGrid& referee = *view.Form.GridReferee;
  if (IsElementJudge(n)) {
    TStringGrid& detailed = *view.Form.GridDetailedScores;
    detailed.SetRowCount(k);
    for (int i = 1; i <= k + 1; ++i) {
      referee.SetCells(RefereeColumn(n), i, items[static_cast<std::size_t>(i - 1)]);
      if (i <= k)
        detailed.SetCells(1, i - 1, items[static_cast<std::size_t>(i - 1)]);
    }
    view.Form.ScoreCursor = 0;
    detailed.Invalidate();
  } else if (IsImpressionJudge(n)) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < 3; ++i) {
      view.Form.SetImpressionScore(static_cast<int>(i) + 1, items[i]);
      texts.push_back(view.Form.ImpressionEdits[i]->GetText());
    }
    SetRefereeFootRows(referee, RefereeColumn(n), 6, texts);
  } else if (IsSynchronizationJudge(n)) {
    view.Form.STCClearButton->Click();
    int counts[3] = {};
    for (int i = 0; i < 3; ++i) {
      view.Form.STCCount(i + 1).SetCaption(items[static_cast<std::size_t>(i)]);
      counts[i] = PayloadInteger(items[static_cast<std::size_t>(i)]);
      view.Form.STCLabel(i + 1).SetTag(counts[i]);
    }
    view.Form.ScoreEdit->SetCaption(STCTotalText(counts[0], counts[1], counts[2]));
    SetRefereeFootRows(referee, RefereeColumn(n), 3, items);
  } else if (n == TimeKeeperNumber) {
    view.Form.WalkOnTime->SetCaption(items[0]);
    view.Form.DeckTime->SetCaption(items[1]);
    view.Form.RoutineTime->SetCaption(items[2]);
    view.Form.SelectWalkOnTime();
  } else if (IsReferee(n)) {
    view.Form.TimePenalty->SetCaption(items[0]);
    view.Form.TechnicalPenalty->SetCaption(items[1]);
  }
}

void ShowElementList(const TServerView& view, const std::string& payload) {
  const std::vector<TElementRow> rows = ParseElementList(payload);
  TStringGrid& grid = *view.Form.JudgeGrid;
  grid.SetRowCount(static_cast<int>(rows.size()));
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t col = 0; col < rows[row].size(); ++col)
      grid.SetCells(static_cast<int>(col), static_cast<int>(row), rows[row][col]);
  }
}

void ShowDecisionFlags(const TServerView& view, const std::string& payload) {
  TStringGrid& datc = *view.Form.GridDATC;
  const TJudgeItems decisions = ParseDecisionFlags(payload, datc.RowCount() - 1);
  const int n = decisions.Judge;
  const int role = view.RoleIndex();
  const bool onReferee = view.Page() == RefereePage;
  if (!(role >= 13 && role <= 15) && role != DTCRoleIndex && !onReferee)
    return;
  TStringGrid& referee = *view.Form.GridReferee;
  for (int r = 1; r < datc.RowCount(); ++r) {
    const std::string& flags = decisions.Items[static_cast<std::size_t>(r - 1)];
    if (n == view.OwnNumber()) {
      for (int i = 0; i < 5; ++i)
        datc.SetCells(DATCFlagColumns[i], r, DecisionFlag(flags, i + 1));
      if (datc.Cells(DATCColumnFail, r) == "1" || datc.Cells(DATCColumnRevF, r) == "1")
        datc.SetCells(DATCColumnDD, r, datc.Cells(DATCColumnFailedDD, r));
    }
    if (role == DTCRoleIndex && IsDifficultyJudge(n))
      datc.SetCells(DecisionColumn(n), r, flags);
    if (onReferee && IsDifficultyJudge(n))
      referee.SetCells(DecisionColumn(n), r, flags);
  }
}

void ShowDecisionSheet(const TServerView& view, const std::string& payload) {
  const int k = view.ElementCount();
  const TJudgeItems sheet = ParseDecisionSheet(payload, k);
  if (!IsDifficultyJudge(sheet.Judge))
    return;
  const auto fill = [&](TStringGrid& grid) {
    for (int r = 1; r <= k; ++r)
      grid.SetCells(DecisionColumn(sheet.Judge), r, sheet.Items[static_cast<std::size_t>(r - 1)]);
  };
  if (view.Page() == RefereePage)
    fill(*view.Form.GridReferee);
  if (view.RoleIndex() == DTCRoleIndex)
    fill(*view.Form.GridDATC);
}

void ShowEventInfo(const TServerView& view, const std::string& payload) {
  const TEventInfo event = ParseEventInfo(payload);
  const std::optional<int> discipline = FindDisciplineIndex(event.Discipline);
  if (discipline) {
    auto& selection = *view.Form.DisciplineSelection;
    if (selection.ItemIndex() != *discipline) {
      // Assigning the index is silent, so the discipline change is run here.
      selection.SetItemIndex(*discipline);
      view.Form.DisciplineSelectionChange(&selection, *discipline);
    }
  }
  const int role = view.RoleIndex();
  if (role >= 0 && role <= 9 && discipline)
    view.Form.ShowScoringPage(DetailedPage, *view.Form.PanelDET);
  else if (role >= 10 && role <= 12 && discipline)
    view.Form.ShowScoringPage(STCPage, *view.Form.PanelSTC);
  else if (role == 17 || role == 18) {
    view.Form.BuildDATCGrid();
    if (view.Page() != RefereePage)
      view.ShowPage(RefereePage);
  }
  view.Form.LabelEvent->SetCaption(event.EventName);
}

void StartRoutineClock(const TServerView& view, const std::string& role,
                       const std::string& payload) {
  view.Form.ClearSTCEvents();
  const int sender = SenderNumber(role);
  const bool otherController = (sender >= 11 && sender <= 16) || (sender >= 18 && sender <= 20);
  if (sender == view.OwnNumber() || !otherController)
    return;
  view.Form.FollowRoutineClock(ParseClockStart(payload));
}

// Another controller's event reaches the referees, who list every controller's majors.
void AddRelayedSTCEvent(const TServerView& view, const std::string& role,
                        const std::string& payload) {
  const int sender = SenderNumber(role);
  if (view.Page() != RefereePage || !IsSynchronizationJudge(sender))
    return;
  const TSTCEvent event = ParseSTCEvent(payload);
  view.Form.AddSTCEvent(event.Kind, event.Action, event.Time, IntToStr(sender - 10), true);
}

void ShowReceipt(const TServerView& view, const std::string& payload) {
  if (ParseReceiptAddressee(payload) != view.Form.OwnRoleCode)
    return;
  view.Form.ButtonSendTime->SetCaption("Thank You");
  if (view.Page() == DATCPage) {
    view.Form.ButtonSendScore->SetCaption("Thank You");
    view.Form.ButtonSendScore->SetColor(clLime);
  }
  view.Form.ScoreConfirmTitle->SetCaption("Received - Thank You");
  view.Form.ButtonSendHJ->SetCaption("Thank You");
  view.Form.ScoreConfirmMain->SetColor(clGreen);
  TStringGrid& confirm = *view.Form.GridConfirm;
  if (confirm.Visible())
    confirm.Repaint();
  view.Form.ButtonSendTime->SetColor(clGreen);
  view.Form.ButtonSendHJ->SetColor(clGreen);
}

void ShowRelayedScore(const TServerView& view, const std::string& role,
                      const std::string& payload) {
  // A sender that matches no role is nobody's score.
  const int sender = SenderNumber(role);
  const int k = view.ElementCount();
  const std::vector<std::string> items = ParseRelayedScore(sender, payload, k);
  TStringGrid& referee = *view.Form.GridReferee;
  if (IsElementJudge(sender)) {
    for (int i = 1; i <= k; ++i)
      referee.SetCells(RefereeColumn(sender), i, items[static_cast<std::size_t>(i - 1)]);
  } else if (IsImpressionJudge(sender)) {
    SetRefereeFootRows(referee, RefereeColumn(sender), 6, items);
  } else if (IsSynchronizationJudge(sender)) {
    SetRefereeFootRows(referee, RefereeColumn(sender), 3, items);
  } else if (sender == TimeKeeperNumber) {
    view.Form.WalkOnTime->SetCaption(items[0]);
    view.Form.DeckTime->SetCaption(items[1]);
    view.Form.RoutineTime->SetCaption(items[2]);
  } else if (IsReferee(sender)) {
    view.Form.TimePenalty->SetCaption(items[0]);
    view.Form.TechnicalPenalty->SetCaption(items[1]);
  }
}

} // namespace

void TMainForm::HandleServerMessage(const std::string& header, const std::string& payload) {
  const std::string code = HeaderPart(header, 0, 2);
  const std::string role = HeaderPart(header, 6, 4);
  const TServerView view(*this);
  if (SameCode(code, "CM")) {
    AddChatLine(payload);
  } else if (SameCode(code, "IP") || SameCode(code, "CN") || SameCode(code, "CS")) {
    ShowConnectionDetail(code, role, payload);
  } else if (SameCode(code, "XX")) {
    ShowScoreTable(payload);
  } else if (SameCode(code, "AI")) {
    ShowAthletes(view, payload);
  } else if (SameCode(code, "PR")) {
    ShowScoreboard(payload);
  } else if (SameCode(code, "FP")) {
    ShowPreviousScores(view, payload);
  } else if (SameCode(code, "FS")) {
    ShowFinalScores(view, payload);
  } else if (SameCode(code, "AE")) {
    ShowElementList(view, payload);
    BuildDATCGrid();
  } else if (SameCode(code, "FD")) {
    STCClearButton->Click();
    ShowDecisionFlags(view, payload);
  } else if (SameCode(code, "DS")) {
    ShowDecisionSheet(view, payload);
  } else if (SameCode(code, "EI")) {
    ShowEventInfo(view, payload);
  } else if (SameCode(code, "ST")) {
    StartRoutineClock(view, role, payload);
  } else if (SameCode(code, "SP")) {
    AddRelayedSTCEvent(view, role, payload);
  } else if (SameCode(code, "TX")) {
    ShowReceipt(view, payload);
  } else if (SameCode(code, "SD")) {
    ShowRelayedScore(view, role, payload);
  }
}

} // namespace marivo
