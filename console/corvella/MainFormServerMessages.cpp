#include "console/common/TextFitting.h"
#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/RoleCodes.h"
#include "console/common/protocol/ServerMessages.h"
#include "console/corvella/MainForm.h"
#include "console/corvella/rules/CorvellaPayloads.h"
#include "console/corvella/rules/CorvellaRoles.h"
#include "platform/rtl/TextUtils.h"

namespace marivo::corvella {

void TMainForm::FileInGrid(int judge, const std::vector<std::string>& items) {
  const std::optional<TGridSpan> span = HeadJudgeCells(judge, Technical());
  if (!span)
    return;
  // The grid keeps only the rows it has: a technical element judge's scores reach a free
  // routine's grid in its first element row alone.
  auto& grid = *HJGrid;
  for (int i = 0; i < span->Rows && i < static_cast<int>(items.size()); ++i)
    grid.SetCells(span->Col, span->FirstRow + i, items[static_cast<std::size_t>(i)]);
}

void TMainForm::SetElementScores(const std::vector<std::string>& items) {
  for (std::size_t i = 0; i < ElementEdits.size() && i < items.size(); ++i)
    ElementEdits[i]->SetText(items[i]);
  DETJ1Det->SelectAll();
}

void TMainForm::ShowFinalScores(const std::string& payload) {
  const TFinalScores scores = ParseFinalScores(payload, Technical());
  const int n = scores.Judge;
  const auto& items = scores.Items;
  FileInGrid(n, items);
  if (n != ClientChoice->ItemIndex() + 1 || items.empty())
    return;
  if (IsDifficultyJudge(n) && Technical()) {
    SetElementScores(items);
  } else if (n == TimeKeeperNumber) {
    WalkOnTime->SetCaption(items[0]);
    DeckTime->SetCaption(items[1]);
    RoutineTime->SetCaption(items[2]);
    SelectWalkOnTime();
  } else if (n == HeadJudgeNumber) {
    TimePenalty->SetCaption(items[0]);
    TechnicalPenalty->SetCaption(items[1]);
  } else {
    ScoreEdit->SetCaption(items[0]);
  }
}

void TMainForm::ShowEventInfo(const std::string& payload) {
  const TEventInfo event = ParseEventInfo(payload);
  LabelDisc->SetCaption(event.Discipline);
  const std::optional<int> discipline = FindDisciplineIndex(event.Discipline);
  if (discipline) {
    auto& selection = *DisciplineSelection;
    if (selection.ItemIndex() != *discipline) {
      // Assigning the index is silent, so the discipline change is run here.
      selection.SetItemIndex(*discipline);
      DisciplineSelectionChange(&selection, *discipline);
    }
  }
  const int role = ClientChoice->ItemIndex();
  if (role >= 5 && role < 15)
    JudgeNum->SetCaption(JudgeLabel(role, Technical()).value_or(""));
  if (role >= 0 && role < 15 && discipline) {
    const bool elements = role >= 10 && Technical();
    if (elements)
      ShowScoringPage(DetailedPage, *PanelDET);
    else
      ShowScoringPage(IndividualPage, *PanelIND);
    ScoreEdit->SetVisible(!elements);
    LabelScoreTitle->SetVisible(!elements);
    if (elements)
      SetUpElementPage();
  } else if (role == HeadJudgeRoleIndex) {
    SetupHeadJudgeGrid();
    if (Page() != RefereePage)
      _Notebook->SetPageIndex(RefereePage);
  }
  LabelEvent->SetCaption(event.EventName);
}

void TMainForm::ShowReceipt(const std::string& payload) {
  if (ParseReceiptAddressee(payload) != OwnRoleCode)
    return;
  for (TMVWSpeedButton* button : {ButtonSendTime, ButtonSendHJ}) {
    button->SetCaption("Thank You");
    button->SetColor(clGreen);
  }
  ScoreConfirmTitle->SetCaption("Received - Thank You");
  ScoreConfirmMain->SetColor(clGreen);
}

void TMainForm::ShowRelayedScore(const std::string& role, const std::string& payload) {
  const int sender = SenderNumber(role);
  const std::vector<std::string> items = ParseRelayedScore(sender, payload, Technical());
  if (items.empty())
    return;
  FileInGrid(sender, items);
  if (IsDifficultyJudge(sender) && Technical() && sender == ClientChoice->ItemIndex() + 1) {
    SetElementScores(items);
  } else if (sender == TimeKeeperNumber) {
    WalkOnTime->SetCaption(items[0]);
    DeckTime->SetCaption(items[1]);
    RoutineTime->SetCaption(items[2]);
  } else if (sender == HeadJudgeNumber) {
    TimePenalty->SetCaption(items[0]);
    TechnicalPenalty->SetCaption(items[1]);
  }
}

// The earlier rules know no element list, decisions or routine clock: FP, AE, FD, DS, ST and SP
// change nothing here.
void TMainForm::HandleServerMessage(const std::string& header, const std::string& payload) {
  const std::string code = HeaderPart(header, 0, 2);
  const std::string role = HeaderPart(header, 6, 4);
  if (SameCode(code, "CM")) {
    AddChatLine(payload);
  } else if (SameCode(code, "IP") || SameCode(code, "CN") || SameCode(code, "CS")) {
    ShowConnectionDetail(code, role, payload);
  } else if (SameCode(code, "XX")) {
    ShowScoreTable(payload);
  } else if (SameCode(code, "AI")) {
    ResetSendButtons("Send");
    const TAthletes athletes = ParseAthletes(payload);
    TCanvas& measuring = TestImage->Picture().Bitmap().Canvas();
    LabelStart->SetCaption(athletes.StartOrder);
    FitLabelText(*LabelClub, athletes.Club, 22, measuring);
    FitLabelText(*LabelAthlete, athletes.Athletes, 22, measuring);
  } else if (SameCode(code, "PR")) {
    ShowScoreboard(payload);
  } else if (SameCode(code, "FS")) {
    ShowFinalScores(payload);
  } else if (SameCode(code, "EI")) {
    ShowEventInfo(payload);
  } else if (SameCode(code, "TX")) {
    ShowReceipt(payload);
  } else if (SameCode(code, "SD")) {
    ShowRelayedScore(role, payload);
  }
}

} // namespace marivo::corvella
