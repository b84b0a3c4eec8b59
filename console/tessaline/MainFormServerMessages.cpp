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

  std::optional<TRoleKind> Kind() const { return Form.OwnRoleKind(); }
  int OwnNumber() const { return Form.OwnNumber(); }
  int Page() const { return Form._Notebook->PageIndex(); }
  void ShowPage(int page) const { Form._Notebook->SetPageIndex(page); }
  int ElementCount() const { return Form.JudgeGrid->RowCount(); }
  TCanvas& MeasuringCanvas() const { return Form.TestImage->Picture().Bitmap().Canvas(); }

  TMainForm& Form;
};

void ShowAthletes(const TServerView& view, const std::string&, const std::string& payload) {
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

  const std::optional<TRoleKind> kind = view.Kind();
  view.Form.GridSTCPanel->SetVisible(
      kind == TRoleKind::Referee ||
      (kind == TRoleKind::SynchronizationController && athletes.PanelFlag == "2"));
}

bool ConcernsThisConsole(const TServerView& view, int judge) {
  return judge == view.OwnNumber() || view.Page() == RefereePage;
}

void ShowPreviousScores(const TServerView& view, const std::string&, const std::string& payload) {
  const TJudgeItems scores = ParsePreviousScores(payload, view.ElementCount());
  const std::optional<TRoleKind> kind = JudgeKind(scores.Judge);
  const bool scored = kind == TRoleKind::ElementJudge || kind == TRoleKind::ImpressionJudge;
  if (!scored || !ConcernsThisConsole(view, scores.Judge))
    return;
  TStringGrid& grid = *view.Form.GridPreviousScores;
  grid.SetColCount(static_cast<int>(scores.Items.size()));
  for (std::size_t col = 0; col < scores.Items.size(); ++col)
    grid.SetCells(static_cast<int>(col), 1, scores.Items[col]);
}

// Element judges, impression judges and STC each take the columns from 4 on, in their order.
int RefereeColumn(int judge) {
  return 3 + NumberInKind(judge - 1);
}

// The three impression rows, or the three STC rows, at the foot of the referees' grid.
void SetRefereeFootRows(TStringGrid& referee, int col, int firstFromEnd,
                        const std::vector<std::string>& items) {
  for (int i = 0; i < 3; ++i)
    referee.SetCells(col, referee.RowCount() - firstFromEnd + i,
                     items[static_cast<std::size_t>(i)]);
}

void ShowFinalScores(const TServerView& view, const std::string&, const std::string& payload) {
  const int k = view.ElementCount();
  const TJudgeItems scores = ParseFinalScores(payload, k);
  const int n = scores.Judge;
  if (!ConcernsThisConsole(view, n))
    return;
  const auto& items = scores.Items;
  TStringGrid& referee = *view.Form.GridReferee;
  const std::optional<TRoleKind> kind = JudgeKind(n);
  if (kind == TRoleKind::ElementJudge) {
    TStringGrid& detailed = *view.Form.GridDetailedScores;
    detailed.SetRowCount(k);
    for (int i = 1; i <= k + 1; ++i) {
      referee.SetCells(RefereeColumn(n), i, items[static_cast<std::size_t>(i - 1)]);
      if (i <= k)
        detailed.SetCells(1, i - 1, items[static_cast<std::size_t>(i - 1)]);
    }
    view.Form.ScoreCursor = 0;
    detailed.Invalidate();
  } else if (kind == TRoleKind::ImpressionJudge) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < 3; ++i) {
      view.Form.SetImpressionScore(static_cast<int>(i) + 1, items[i]);
      texts.push_back(view.Form.ImpressionEdits[i]->GetText());
    }
    SetRefereeFootRows(referee, RefereeColumn(n), 6, texts);
  } else if (kind == TRoleKind::SynchronizationController) {
    view.Form.STCClearButton->Click();
    int counts[3] = {};
    for (int i = 0; i < 3; ++i) {
      view.Form.STCCount(i + 1).SetCaption(items[static_cast<std::size_t>(i)]);
      counts[i] = PayloadInteger(items[static_cast<std::size_t>(i)]);
      view.Form.STCLabel(i + 1).SetTag(counts[i]);
    }
    view.Form.ScoreEdit->SetCaption(STCTotalText(counts[0], counts[1], counts[2]));
    SetRefereeFootRows(referee, RefereeColumn(n), 3, items);
  } else if (kind == TRoleKind::TimeKeeper) {
    view.Form.WalkOnTime->SetCaption(items[0]);
    view.Form.DeckTime->SetCaption(items[1]);
    view.Form.RoutineTime->SetCaption(items[2]);
    view.Form.SelectWalkOnTime();
  } else if (kind == TRoleKind::Referee) {
    view.Form.TimePenalty->SetCaption(items[0]);
    view.Form.TechnicalPenalty->SetCaption(items[1]);
  }
}

void ShowElementList(const TServerView& view, const std::string&, const std::string& payload) {
  const std::vector<TElementRow> rows = ParseElementList(payload);
  TStringGrid& grid = *view.Form.JudgeGrid;
  grid.SetRowCount(static_cast<int>(rows.size()));
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t col = 0; col < rows[row].size(); ++col)
      grid.SetCells(static_cast<int>(col), static_cast<int>(row), rows[row][col]);
  }
  view.Form.BuildDATCGrid();
}

void ShowDecisionFlags(const TServerView& view, const std::string&, const std::string& payload) {
  view.Form.STCClearButton->Click();
  TStringGrid& datc = *view.Form.GridDATC;
  const TJudgeItems decisions = ParseDecisionFlags(payload, datc.RowCount() - 1);
  const int n = decisions.Judge;
  const bool fromController = JudgeKind(n) == TRoleKind::DifficultyController;
  const std::optional<TRoleKind> kind = view.Kind();
  const bool technical = kind == TRoleKind::TechnicalController;
  const bool onReferee = view.Page() == RefereePage;
  if (kind != TRoleKind::DifficultyController && !technical && !onReferee)
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
    if (technical && fromController)
      datc.SetCells(DecisionColumn(n), r, flags);
    if (onReferee && fromController)
      referee.SetCells(DecisionColumn(n), r, flags);
  }
}

void ShowDecisionSheet(const TServerView& view, const std::string&, const std::string& payload) {
  const int k = view.ElementCount();
  const TJudgeItems sheet = ParseDecisionSheet(payload, k);
  if (JudgeKind(sheet.Judge) != TRoleKind::DifficultyController)
    return;
  const auto fill = [&](TStringGrid& grid) {
    for (int r = 1; r <= k; ++r)
      grid.SetCells(DecisionColumn(sheet.Judge), r, sheet.Items[static_cast<std::size_t>(r - 1)]);
  };
  if (view.Page() == RefereePage)
    fill(*view.Form.GridReferee);
  if (view.Kind() == TRoleKind::TechnicalController)
    fill(*view.Form.GridDATC);
}

void ShowEventInfo(const TServerView& view, const std::string&, const std::string& payload) {
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
  // The judges and the synchronization controllers score on the page of the event's discipline.
  const std::optional<TRoleKind> kind = view.Kind();
  const bool scoring = kind == TRoleKind::ElementJudge || kind == TRoleKind::ImpressionJudge ||
                       kind == TRoleKind::SynchronizationController;
  if (scoring && discipline) {
    const TRolePage& page = *PageOf(kind);
    view.Form.ShowScoringPage(page.Page, *(view.Form.*page.Panel));
  } else if (kind == TRoleKind::Referee) {
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
  const std::optional<TRoleKind> kind = JudgeKind(sender);
  // Only the controllers and the referees run the routine clock.
  const bool otherController = kind == TRoleKind::SynchronizationController ||
                               kind == TRoleKind::DifficultyController ||
                               kind == TRoleKind::Referee || kind == TRoleKind::TechnicalController;
  if (sender == view.OwnNumber() || !otherController)
    return;
  view.Form.FollowRoutineClock(ParseClockStart(payload));
}

// Another controller's event reaches the referees, who list every controller's majors.
void AddRelayedSTCEvent(const TServerView& view, const std::string& role,
                        const std::string& payload) {
  const int sender = SenderNumber(role);
  if (view.Page() != RefereePage || JudgeKind(sender) != TRoleKind::SynchronizationController)
    return;
  const TSTCEvent event = ParseSTCEvent(payload);
  view.Form.AddSTCEvent(event.Kind, event.Action, event.Time, IntToStr(NumberInKind(sender - 1)),
                        true);
}

void ShowReceipt(const TServerView& view, const std::string&, const std::string& payload) {
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
  const std::optional<TRoleKind> kind = JudgeKind(sender);
  if (kind == TRoleKind::ElementJudge) {
    for (int i = 1; i <= k; ++i)
      referee.SetCells(RefereeColumn(sender), i, items[static_cast<std::size_t>(i - 1)]);
  } else if (kind == TRoleKind::ImpressionJudge) {
    SetRefereeFootRows(referee, RefereeColumn(sender), 6, items);
  } else if (kind == TRoleKind::SynchronizationController) {
    SetRefereeFootRows(referee, RefereeColumn(sender), 3, items);
  } else if (kind == TRoleKind::TimeKeeper) {
    view.Form.WalkOnTime->SetCaption(items[0]);
    view.Form.DeckTime->SetCaption(items[1]);
    view.Form.RoutineTime->SetCaption(items[2]);
  } else if (kind == TRoleKind::Referee) {
    view.Form.TimePenalty->SetCaption(items[0]);
    view.Form.TechnicalPenalty->SetCaption(items[1]);
  }
}

} // namespace

void TMainForm::HandleOwnServerCode(const std::string& code, const std::string& role,
                                    const std::string& payload) {
  using THandler = void (*)(const TServerView&, const std::string&, const std::string&);
  static constexpr TServerCode<THandler> ServerCodes[] = {
      {"AI", ShowAthletes},    {"FP", ShowPreviousScores}, {"FS", ShowFinalScores},
      {"AE", ShowElementList}, {"FD", ShowDecisionFlags},  {"DS", ShowDecisionSheet},
      {"EI", ShowEventInfo},   {"ST", StartRoutineClock},  {"SP", AddRelayedSTCEvent},
      {"TX", ShowReceipt},     {"SD", ShowRelayedScore},
  };
  if (const THandler* handle = FindServerCode(ServerCodes, code))
    (*handle)(TServerView(*this), role, payload);
}

} // namespace marivo
