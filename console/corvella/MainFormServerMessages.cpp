#include "console/common/TextFitting.h"
#include "console/common/protocol/Protocol.h"
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

void TMainForm::ShowAthletes(const std::string&, const std::string& payload) {
  ResetSendButtons("Send");
  const TAthletes athletes = ParseAthletes(payload);
  TCanvas& measuring = TestImage->Picture().Bitmap().Canvas();
  LabelStart->SetCaption(athletes.StartOrder);
  FitLabelText(*LabelClub, athletes.Club, 22, measuring);
  FitLabelText(*LabelAthlete, athletes.Athletes, 22, measuring);
}

void TMainForm::ShowFinalScores(const std::string&, const std::string& payload) {
  const TFinalScores scores = ParseFinalScores(payload, Technical());
  const int n = scores.Judge;
  const auto& items = scores.Items;
  FileInGrid(n, items);
  if (n != OwnNumber() || items.empty())
    return;
  const std::optional<TRoleKind> kind = JudgeKind(n);
  if (kind == TRoleKind::DifficultyJudge && Technical()) {
    SetElementScores(items);
  } else if (kind == TRoleKind::TimeKeeper) {
    WalkOnTime->SetCaption(items[0]);
    DeckTime->SetCaption(items[1]);
    RoutineTime->SetCaption(items[2]);
    SelectWalkOnTime();
  } else if (kind == TRoleKind::Referee) {
    TimePenalty->SetCaption(items[0]);
    TechnicalPenalty->SetCaption(items[1]);
  } else {
    ScoreEdit->SetCaption(items[0]);
  }
}

void TMainForm::ShowEventInfo(const std::string&, const std::string& payload) {
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
  if (NamedByDiscipline(role))
    JudgeNum->SetCaption(JudgeLabel(role, Technical()).value_or(""));
  const std::optional<int> page = OwnPage();
  if ((page == DetailedPage || page == IndividualPage) && discipline) {
    const bool elements = page == DetailedPage;
    ShowScoringPage(*page, ScoringPanel(*page));
    ScoreEdit->SetVisible(!elements);
    LabelScoreTitle->SetVisible(!elements);
    if (elements)
      SetUpElementPage();
  } else if (page == RefereePage) {
    SetupHeadJudgeGrid();
    if (Page() != RefereePage)
      _Notebook->SetPageIndex(RefereePage);
  }
  LabelEvent->SetCaption(event.EventName);
}

void TMainForm::ShowReceipt(const std::string&, const std::string& payload) {
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
  const std::optional<TRoleKind> kind = JudgeKind(sender);
  if (kind == TRoleKind::DifficultyJudge && Technical() && sender == OwnNumber()) {
    SetElementScores(items);
  } else if (kind == TRoleKind::TimeKeeper) {
    WalkOnTime->SetCaption(items[0]);
    DeckTime->SetCaption(items[1]);
    RoutineTime->SetCaption(items[2]);
  } else if (kind == TRoleKind::Referee) {
    TimePenalty->SetCaption(items[0]);
    TechnicalPenalty->SetCaption(items[1]);
  }
}

// The earlier rules know no element list, decisions or routine clock: FP, AE, FD, DS, ST and SP
// change nothing here.
void TMainForm::HandleOwnServerCode(const std::string& code, const std::string& role,
                                    const std::string& payload) {
  using THandler = void (TMainForm::*)(const std::string&, const std::string&);
  static constexpr TServerCode<THandler> ServerCodes[] = {
      {"AI", &TMainForm::ShowAthletes},     {"FS", &TMainForm::ShowFinalScores},
      {"EI", &TMainForm::ShowEventInfo},    {"TX", &TMainForm::ShowReceipt},
      {"SD", &TMainForm::ShowRelayedScore},
  };
  if (const THandler* handle = FindServerCode(ServerCodes, code))
    (this->**handle)(role, payload);
}

} // namespace marivo::corvella
