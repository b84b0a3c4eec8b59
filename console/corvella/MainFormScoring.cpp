#include "console/common/TextFitting.h"
#include "console/common/rules/ScoreEntry.h"
#include "console/corvella/MainForm.h"
#include "console/corvella/rules/CorvellaPayloads.h"
#include "console/corvella/rules/CorvellaRoles.h"
#include "console/corvella/rules/OneDecimalScores.h"
#include "platform/ui/Application.h"

#include <algorithm>
#include <cmath>

namespace marivo::corvella {

namespace {

constexpr TColor Received = 0x008000;
constexpr TColor Accepted = 0x008000; // an element score that passed its check
constexpr TColor Refused = 0x0000FF;

void MoveTo(TControl& control, TWinControl& parent) {
  control.SetParent(&parent);
  control.BringToFront();
}

void Paint(TMVWEdit& edit, TColor back, TColor text) {
  edit.SetColor(back);
  edit.Font().SetColor(text);
}

int TagOf(TObject* sender) {
  return static_cast<int>(dynamic_cast<TComponent&>(*sender).Tag());
}

// Where the roles of each kind work in a free and in a technical routine, in the order of the
// role table.
struct TRolePage {
  TRoleKind Kind;
  int FreePage;
  int TechnicalPage;
};

constexpr TRolePage RolePages[] = {
    {TRoleKind::ExecutionJudge, IndividualPage, IndividualPage},
    {TRoleKind::ImpressionJudge, IndividualPage, IndividualPage},
    {TRoleKind::DifficultyJudge, IndividualPage, DetailedPage},
    {TRoleKind::TimeKeeper, TimersPage, TimersPage},
    {TRoleKind::Referee, RefereePage, RefereePage},
};

} // namespace

std::optional<int> TMainForm::OwnPage() const {
  const std::optional<TRoleKind> kind = OwnRoleKind();
  for (const TRolePage& entry : RolePages) {
    if (entry.Kind == kind)
      return Technical() ? entry.TechnicalPage : entry.FreePage;
  }
  return std::nullopt;
}

TPanel& TMainForm::ScoringPanel(int page) const {
  return page == DetailedPage ? *PanelDET : *PanelIND;
}

void TMainForm::ShowRolePage() {
  LabelDisc->SetCaption(CurrentDisciplineCode);
  LabelScoreTitle->Show();
  auto& confirm = *ScoreConfirmMain;
  confirm.Hide();
  PanelKeypad->Show();
  auto& scoreEdit = *ScoreEdit;
  scoreEdit.Show();

  const std::optional<int> page = OwnPage();
  if (page == DetailedPage || page == IndividualPage) {
    const bool elements = page == DetailedPage;
    TPanel& panel = ScoringPanel(*page);
    MoveTo(*PanelRight, panel);
    MoveTo(confirm, panel);
    JudgeNum->SetCaption(JudgeLabel(ClientChoice->ItemIndex(), Technical()).value_or(""));
    if (elements) {
      scoreEdit.Hide();
      LabelScoreTitle->Hide();
    }
    _Notebook->SetPageIndex(*page);
    if (elements)
      SetUpElementPage();
  } else if (page) {
    _Notebook->SetPageIndex(*page);
    if (page == RefereePage)
      SetupHeadJudgeGrid();
  }
  ArrangePage();
  TestTimer->SetEnabled(CheckBoxTest->Checked());
}

void TMainForm::SetUpElementPage() {
  if (!Technical())
    return;
  for (std::size_t i = 0; i < ElementEdits.size(); ++i) {
    ElementEdits[i]->Show();
    ElementEditLabels[i]->Show();
  }
  if (Page() == DetailedPage)
    FocusFirstElementEdit();
}

void TMainForm::FocusFirstElementEdit() {
  auto& first = *DETJ1Det;
  CurrentElementEdit = &first;
  if (first.CanFocus())
    first.SetFocus();
  first.SelectAll();
}

void TMainForm::FocusElementEdit(TMVWEdit& from, int step) {
  const auto at = std::find(ElementEdits.begin(), ElementEdits.end(), &from);
  int index = at == ElementEdits.end() ? 0 : static_cast<int>(at - ElementEdits.begin());
  const int count = static_cast<int>(ElementEdits.size());
  for (int tried = 0; tried < count; ++tried) {
    index = (index + step + count) % count;
    TMVWEdit& edit = *ElementEdits[static_cast<std::size_t>(index)];
    if (!edit.Visible())
      continue;
    CurrentElementEdit = &edit;
    if (edit.CanFocus())
      edit.SetFocus();
    edit.SelectAll();
    return;
  }
}

void TMainForm::ArrangeConfirmButtons() {
  TConsoleForm::ArrangeConfirmButtons();
  auto& panel = *ScoreConfirmMain;
  const int titleHeight = ScoreConfirmTitle->Height();
  const int h = (panel.Height() - titleHeight - ScoreConfirmButtons->Height() - 5) / 3;
  const int w = panel.Width() / 5;
  // One size for all five: each label is as wide as the others.
  const int size = FitFontSize("8.8", w, 96, TestImage->Picture().Bitmap().Canvas());
  for (int i = 1; i <= 5; ++i) {
    TMVWSimpleLabel& label = *ConfirmScoreLabels[static_cast<std::size_t>(i - 1)];
    label.SetBounds((i - 1) * w, (h / 2) * (i - 1) + titleHeight, w, h);
    label.Font().SetStyle(fsBold);
    label.Font().SetSize(size);
  }
}

void TMainForm::SetupHeadJudgeGrid() {
  auto& grid = *HJGrid;
  const std::vector<std::string> labels = HeadJudgeRowLabels(Technical());
  const int rows = static_cast<int>(labels.size());
  grid.SetColCount(HeadJudgeColumns);
  grid.SetRowCount(rows);
  grid.SetColWidths(0, 200);
  for (int col = 1; col < HeadJudgeColumns; ++col) {
    grid.SetColWidths(col, 78);
    grid.SetCells(col, 0, HeadJudgeColumnLabel(col));
  }
  for (int row = 0; row < rows; ++row)
    grid.SetCells(0, row, labels[static_cast<std::size_t>(row)]);
  grid.SetHeight((grid.DefaultRowHeight() + 1) * rows + 1);
}

void TMainForm::HJGridDrawCell(TObject*, int ACol, int ARow, const RECT& Rect, TGridDrawState) {
  auto& grid = *HJGrid;
  const bool heading = ARow == 0 || ACol == 0;
  std::string text = grid.Cells(ACol, ARow);
  if (!heading) {
    std::vector<std::string> column;
    for (int row = 0; row < grid.RowCount(); ++row)
      column.push_back(grid.Cells(ACol, row));
    text = HeadJudgeCellText(column, ARow);
  }
  TCanvas& canvas = grid.Canvas();
  canvas.Font().SetName(grid.Font().Name());
  canvas.Font().SetSize(grid.Font().Size());
  canvas.Font().SetStyle(fsBold);
  canvas.Brush().SetStyle(bsSolid);
  if (heading) {
    canvas.Font().SetColor(clLime);
    canvas.Brush().SetColor(clBlue);
  } else {
    canvas.Font().SetColor(clWhite);
    canvas.Brush().SetColor(text.empty() ? clWhite : clNavy);
  }
  canvas.FillRect(Rect);
  const int left =
      Rect.left + 1 +
      static_cast<int>(std::lround((grid.ColWidths(ACol) - canvas.TextWidth(text)) / 2.0));
  canvas.TextOut(left, Rect.top + 2, text);
}

// --- entry ------------------------------------------------------------------------------------

void TMainForm::KeypadEntry(int value) {
  if (Page() == DetailedPage)
    return;
  ResetSendButtons("Send");
  if (Page() == TimersPage) {
    if (value == KeyTen)
      SelectedTimeField().SetCaption("10.0");
    else if (value == KeyClear || (value >= 0 && value <= 9))
      TimeEntry(value, std::to_string(value));
    return;
  }
  TMVWSimpleLabel& field = Page() != RefereePage ? *ScoreEdit
                           : HJArrow->Tag() == 5 ? *TechnicalPenalty
                                                 : *TimePenalty;
  field.SetCaption(OneDecimalAfterKey(field.Caption(), value));
}

void TMainForm::KeypadEntryClick(TObject* Sender) {
  KeypadEntry(TagOf(Sender));
}

void TMainForm::DETSCOREClick(TObject* Sender) {
  TMVWEdit& edit = *CurrentElementEdit;
  const TElementStep step = ElementAfterKeypad(edit.GetText(), TagOf(Sender));
  edit.SetText(step.Text);
  if (step.Complete) {
    FocusElementEdit(edit, 1);
    return;
  }
  // The keypad takes no focus, but the official may have clicked elsewhere since: the typing goes
  // on in the edit being scored, after the digit the keypad wrote, not before it.
  if (edit.CanFocus())
    edit.SetFocus();
  edit.SetCursorPos(static_cast<int>(step.Text.size()) + 1);
}

void TMainForm::DETPreviousClick(TObject*) {
  FocusElementEdit(*CurrentElementEdit, -1);
}

void TMainForm::DETNextClick(TObject*) {
  FocusElementEdit(*CurrentElementEdit, 1);
}

void TMainForm::J1DetEnter(TObject* Sender) {
  auto& edit = dynamic_cast<TMVWEdit&>(*Sender);
  CurrentElementEdit = &edit;
  edit.SelectAll();
}

void TMainForm::J1DetAfterEnter(TObject* Sender) {
  auto& edit = dynamic_cast<TMVWEdit&>(*Sender);
  if (ReturningFocusTo_ == &edit)
    ReturningFocusTo_ = nullptr;
  ValidateDetailEdit(edit);
}

// Drawn white only when valid: an invalid edit stays red and has taken the focus back.
void TMainForm::J1DetAfterExit(TObject* Sender) {
  auto& edit = dynamic_cast<TMVWEdit&>(*Sender);
  if (ValidateDetailEdit(edit))
    Paint(edit, clWhite, clBlack);
}

void TMainForm::J1DetKeyUp(TObject* Sender, WORD& Key, TShiftState) {
  auto& edit = dynamic_cast<TMVWEdit&>(*Sender);
  const TElementKeyUp typed = ElementAfterKeyUp(edit.GetText(), Key);
  if (typed.Text != edit.GetText()) {
    edit.SetText(typed.Text);
    edit.SetCursorPos(static_cast<int>(typed.Text.size()) + 1);
  }
  if (typed.Action == TKeyUpAction::SelectAll)
    edit.SelectAll();
  else if (typed.Action == TKeyUpAction::Validate && ValidateDetailEdit(edit) &&
           edit.GetText().size() > 1)
    FocusElementEdit(edit, 1);
}

bool TMainForm::ValidateDetailEdit(TMVWEdit& edit) {
  const TElementCheck check = CheckElementScore(edit.GetText());
  switch (check.State) {
  case TElementState::Blank:
    if (edit.Focused())
      Paint(edit, Accepted, clWhite);
    else
      Paint(edit, clWhite, clBlack);
    return true;
  case TElementState::Valid:
    if (check.Text != edit.GetText())
      edit.SetText(check.Text);
    Paint(edit, Accepted, clWhite);
    return true;
  case TElementState::Invalid:
    break;
  }
  Paint(edit, Refused, clWhite);
  TakeFocusBack(edit);
  return false;
}

// Two invalid edits would each take the focus back from the other for ever: while one return is
// under way, the edit being left keeps its red and lets the focus go. Nor is the focus taken
// from another program or a message box the official turned to.
void TMainForm::TakeFocusBack(TMVWEdit& edit) {
  if (ReturningFocusTo_ || edit.Focused() || !edit.CanFocus())
    return;
  if (!Application || !Application->Active())
    return;
  ReturningFocusTo_ = &edit;
  edit.SetFocus();
  if (!edit.Focused())
    ReturningFocusTo_ = nullptr;
}

// --- confirmation and sending ---------------------------------------------------------------

void TMainForm::ButtonSendScoreClick(TObject*) {
  // Only the single-score and element pages have a confirmation.
  if (Page() != DetailedPage && Page() != IndividualPage)
    return;
  auto& bigScore = *ScoreConfirmScore0;
  bigScore.SetCaption(ScoreEdit->Caption());
  bigScore.SetVisible(Page() == IndividualPage);
  for (std::size_t i = 0; i < ConfirmScoreLabels.size(); ++i) {
    ConfirmScoreLabels[i]->SetCaption(ElementEdits[i]->GetText());
    ConfirmScoreLabels[i]->SetVisible(Page() == DetailedPage);
  }
  ShowConfirmation();
}

std::string TMainForm::ScorePayload() {
  if (Page() != DetailedPage)
    return SingleScorePayload(ScoreEdit->Caption());
  std::array<std::string, 5> scores;
  for (std::size_t i = 0; i < scores.size(); ++i)
    scores[i] = ElementEdits[i]->GetText();
  return ElementScoresPayload(scores);
}

void TMainForm::ScoreConfirmAcceptClick(TObject*) {
  SendFrame("SD", ScorePayload());
}

void TMainForm::ScoreConfirmDeclineClick(TObject*) {
  auto& confirm = *ScoreConfirmMain;
  confirm.Hide();
  PanelKeypad->Show();
  ButtonSendScore->SetEnabled(true);
  if (confirm.Color() == Received) {
    ScoreEdit->SetCaption("0.0");
    for (TMVWEdit* edit : ElementEdits)
      edit->SetText("0.0");
    SendFrame("SD", ScorePayload());
  }
  if (Page() == DetailedPage)
    FocusFirstElementEdit();
}

void TMainForm::ButtonSendHJClick(TObject*) {
  SendFrame("SD", PenaltiesPayload(TimePenalty->Caption(), TechnicalPenalty->Caption()));
}

} // namespace marivo::corvella
