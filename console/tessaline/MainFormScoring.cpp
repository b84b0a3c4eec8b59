#include "console/common/protocol/Protocol.h"
#include "console/common/rules/ScoreEntry.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"

#include <algorithm>

namespace marivo {

namespace {

constexpr TColor CursorColour = 0x008000;
constexpr TColor Received = 0x008000;
constexpr TColor SendSilver = 0xC0C0C0;

// In the order of the role table.
constexpr TRolePage RolePages[] = {
    {TRoleKind::ElementJudge, DetailedPage, &TMainForm::PanelDET, true, false, "ELEM ", true},
    {TRoleKind::ImpressionJudge, DetailedPage, &TMainForm::PanelDET, true, false, "A/I ", true},
    {TRoleKind::SynchronizationController, STCPage, &TMainForm::PanelSTC, true, true, "STC ", true},
    {TRoleKind::DifficultyController, DATCPage, &TMainForm::PanelDATC, true, false, "DATC ", true},
    {TRoleKind::TimeKeeper, TimersPage, nullptr, false, std::nullopt, nullptr, false},
    {TRoleKind::Referee, RefereePage, nullptr, false, std::nullopt, nullptr, false},
    {TRoleKind::TechnicalController, DATCPage, &TMainForm::PanelDATC, false, false, "DTC", false},
};

void MoveTo(TControl& control, TWinControl& parent) {
  control.SetParent(&parent);
  control.BringToFront();
}

} // namespace

const TRolePage* PageOf(std::optional<TRoleKind> kind) {
  for (const TRolePage& entry : RolePages) {
    if (entry.Kind == kind)
      return &entry;
  }
  return nullptr;
}

namespace {

template <class T> T& Numbered(std::array<T*, 3> columns, int n) {
  return *columns[static_cast<std::size_t>(std::clamp(n, 1, 3) - 1)];
}

} // namespace

TMVWPanelFill& TMainForm::STCButton(int n) const {
  return Numbered<TMVWPanelFill>({STCButton1, STCButton2, STCButton3}, n);
}

TMVWSpeedButton& TMainForm::STCSubtract(int n) const {
  return Numbered<TMVWSpeedButton>({STCSubtract1, STCSubtract2, STCSubtract3}, n);
}

TMVWSimpleLabel& TMainForm::STCCount(int n) const {
  return Numbered<TMVWSimpleLabel>({STCCount1, STCCount2, STCCount3}, n);
}

TMVWSimpleLabel& TMainForm::STCLabel(int n) const {
  return Numbered<TMVWSimpleLabel>({STCLabel1, STCLabel2, STCLabel3}, n);
}

bool TMainForm::ImpressionJudging() {
  return PanelAI->Visible();
}

void TMainForm::ColourImpressionEdits() {
  for (int field = 1; field <= 3; ++field)
    ImpressionEdits[field - 1]->SetColor(field == ScoreCursor ? CursorColour : clWhite);
}

void TMainForm::ShowRolePage() {
  auto& confirm = *ScoreConfirmMain;
  confirm.Hide();
  PanelKeypad->Show();
  auto& scoreEdit = *ScoreEdit;
  scoreEdit.Show();

  if (const TRolePage* role = PageOf(OwnRoleKind())) {
    if (role->Panel) {
      auto& page = *(this->*role->Panel);
      MoveTo(*PanelRight, page);
      MoveTo(confirm, page);
    }
    if (role->SendShown)
      ButtonSendScore->Show();
    if (role->ScoreShown) {
      scoreEdit.SetVisible(*role->ScoreShown);
      LabelScoreTitle->SetVisible(*role->ScoreShown);
    }
    if (role->Label)
      JudgeNum->SetCaption(role->Label + (role->Numbered ? IntToStr(OwnNumberInKind()) : ""));
    switch (role->Kind) {
    case TRoleKind::ElementJudge:
      PanelElements->Show();
      PanelAI->Hide();
      ScoreCursor = 0;
      break;
    case TRoleKind::ImpressionJudge:
      PanelElements->Hide();
      PanelAI->Show();
      ScoreCursor = 1;
      ColourImpressionEdits();
      break;
    case TRoleKind::SynchronizationController:
      MoveTo(*GridSTCPanel, *PanelSTC);
      break;
    case TRoleKind::DifficultyController:
    case TRoleKind::TechnicalController:
      LabelDATCTitle->SetCaption(role->Kind == TRoleKind::TechnicalController ? "DTC" : "DATC");
      BuildDATCGrid();
      Application->ProcessMessages();
      break;
    case TRoleKind::Referee:
      MoveTo(*GridSTCPanel, *HJDETScorePanel);
      BuildDATCGrid();
      break;
    default:
      break;
    }
    _Notebook->SetPageIndex(role->Page);
  }
  ArrangePage();
  TestTimer->SetEnabled(CheckBoxTest->Checked());
}

void TMainForm::ArrangeDetailedPanels(int left) {
  TConsoleForm::ArrangeDetailedPanels(left);
  PanelAI->SetLeft(left);
}

void TMainForm::ArrangeFurtherPage(int page) {
  if (page == STCPage)
    ArrangeSTCPage();
}

void TMainForm::ArrangeSTCPage() {
  auto& page = *PanelSTC;
  const int a = (page.Width() - PanelRight->Width()) / 16;
  const int h = page.Height();
  for (int n = 1; n <= 3; ++n) {
    auto& button = STCButton(n);
    button.SetBounds((3 * n - 2) * a, 40, 2 * a, h - 271);
    auto& subtract = STCSubtract(n);
    subtract.SetBounds(button.Left(), button.Top() + button.Height() + 20, button.Width(), 64);
    auto& count = STCCount(n);
    count.SetBounds(button.Left(), subtract.Top() + subtract.Height() + 20, button.Width(), 67);
    STCLabel(n).SetBounds(button.Left(), count.Top() + count.Height(), button.Width(), 20);
  }
  auto& home = *ButtonHome5;
  home.SetBounds(10 * a, 40, 97, 64);
  STCClearButton->SetBounds(10 * a, home.Top() + 2 * home.Height(), 97, 80);
  auto& first = *STCButton1;
  auto& startStop = *STCStartStop;
  startStop.SetBounds(10 * a - 24, first.Top() + first.Height() + 20, 145, 64);
  auto& clock = *STCClock;
  clock.SetBounds(10 * a - 24, startStop.Top() + startStop.Height() + 20, 145, 67);
  STCClockLabel->SetBounds(10 * a - 24, clock.Top() + clock.Height(), 145, 20);
  auto& events = *GridSTCPanel;
  events.SetBounds(12 * a, first.Top(), events.Width(), first.Height());
}

// --- entry ------------------------------------------------------------------------------------

int TMainForm::ElementRows() {
  return GridDetailedScores->RowCount();
}

void TMainForm::KeepCursorInRange() {
  // An element list that shrank must not leave the entries going to rows nobody can see.
  if (!ImpressionJudging() && ScoreCursor >= ElementRows())
    ScoreCursor = std::max(0, ElementRows() - 1);
}

void TMainForm::AdvanceCursor() {
  if (ImpressionJudging()) {
    ScoreCursor = NextField(ScoreCursor, 1, 3);
    ColourImpressionEdits();
  } else {
    ScoreCursor = NextField(ScoreCursor, 0, ElementRows());
    GridDetailedScores->Invalidate();
  }
}

void TMainForm::ScoreKeypadEntry(int value) {
  if (Page() == DetailedPage) {
    KeepCursorInRange();
    if (ImpressionJudging()) {
      TMVWEdit& edit = *ImpressionEdits[std::clamp(ScoreCursor, 1, 3) - 1];
      const std::string text =
          value == KeyClear ? std::string() : ScoreAfterKey(edit.GetText(), value);
      // The impression edits hold four characters: 10 shows and goes out as "10.0".
      edit.SetText(Copy(text, 1, 4));
    } else {
      auto& grid = *GridDetailedScores;
      grid.SetCells(1, ScoreCursor,
                    value == KeyClear ? std::string()
                                      : ScoreAfterKey(grid.Cells(1, ScoreCursor), value));
      grid.Invalidate();
    }
    if (value != KeyClear && !(value >= 0 && value <= 9))
      AdvanceCursor();
    return;
  }
  ResetSendButtons("Send / Enter");
  if (Page() == TimersPage) {
    // A time has no fraction: those keys only reset the send buttons.
    if (value == KeyClear || (value >= 0 && value <= KeyTen))
      TimeEntry(value, value == KeyTen ? "10" : IntToStr(value));
    return;
  }
  auto& score = *ScoreEdit;
  score.SetCaption(SingleScoreAfterKey(score.Caption(), value));
}

void TMainForm::TimeKeypadEntry(int value) {
  if (Page() == DetailedPage)
    return;
  auto& send = *ButtonSendTime;
  send.SetCaption("Send / Enter");
  send.SetColor(SendSilver);
  ScoreConfirmMain->Hide();
  PanelKeypad->Show();
  ButtonSendScore->SetEnabled(true);
  if (Page() == TimersPage)
    TimeEntry(value, IntToStr(value));
}

void TMainForm::SetImpressionScore(int field, const std::string& text) {
  ImpressionEdits[field - 1]->SetText(Copy(text, 1, 4));
}

void TMainForm::DETSCOREClick(TObject* Sender) {
  ScoreKeypadEntry(static_cast<int>(dynamic_cast<TComponent&>(*Sender).Tag()));
}

void TMainForm::FinalScoreClick(TObject* Sender) {
  TimeKeypadEntry(static_cast<int>(dynamic_cast<TComponent&>(*Sender).Tag()));
}

void TMainForm::DETNextClick(TObject*) {
  KeepCursorInRange();
  AdvanceCursor();
}

void TMainForm::DETPreviousClick(TObject*) {
  KeepCursorInRange();
  if (ImpressionJudging()) {
    ScoreCursor = PreviousField(ScoreCursor, 1, 3);
    ColourImpressionEdits();
  } else {
    ScoreCursor = PreviousField(ScoreCursor, 0, ElementRows());
    GridDetailedScores->Invalidate();
  }
}

void TMainForm::DETJ3AIMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  ScoreCursor = static_cast<int>(dynamic_cast<TComponent&>(*Sender).Tag());
  ColourImpressionEdits();
}

// --- confirmation and sending ---------------------------------------------------------------

void TMainForm::ButtonSendScoreClick(TObject*) {
  // No confirmation panel lives on these pages: a hidden one left up by a reconnect or the test
  // timer would make Enter send an empty score instead of the times.
  if (Page() == OpeningPage || Page() == TimersPage || Page() == RefereePage)
    return;
  auto& bigScore = *ScoreConfirmScore0;
  bigScore.SetCaption(ScoreEdit->Caption());
  bigScore.SetVisible(Page() == IndividualPage);

  auto& grid = *GridConfirm;
  auto& det = *PanelDET;
  const int h = det.Height() - ScoreConfirmButtons->Height();
  grid.SetBounds(16, h / 4, det.Width() - PanelRight->Width() - 48, h / 2);
  grid.SetDefaultRowHeight(std::max(1, h / 4 - 1));
  grid.SetRowCount(2);
  grid.Hide();

  auto threeColumns = [&grid](const char* a, const char* b, const char* c) {
    grid.SetColCount(3);
    for (int col = 0; col < 3; ++col)
      grid.SetColWidths(col, grid.Width() / 3 - 1);
    grid.SetCells(0, 0, a);
    grid.SetCells(1, 0, b);
    grid.SetCells(2, 0, c);
    grid.Show();
  };
  if (Page() == DetailedPage && ImpressionJudging()) {
    threeColumns("Choreo and Music", "Performance", "Transitions");
    for (int i = 0; i < 3; ++i) {
      if (ImpressionEdits[i]->GetText().empty())
        SetImpressionScore(i + 1, "0.00");
      grid.SetCells(i, 1, ImpressionEdits[i]->GetText());
    }
  } else if (Page() == DetailedPage) {
    auto& scores = *GridDetailedScores;
    const int rows = scores.RowCount();
    grid.SetColCount(rows);
    for (int row = 0; row < rows; ++row) {
      grid.SetColWidths(row, grid.Width() / rows - 1);
      if (scores.Cells(1, row).empty())
        scores.SetCells(1, row, "0.00");
      grid.SetCells(row, 0, scores.Cells(0, row));
      grid.SetCells(row, 1, scores.Cells(1, row));
    }
    grid.Show();
  } else if (Page() == STCPage) {
    TimerRoutine->SetEnabled(false);
    threeColumns("Small", "Obvious", "Major");
    for (int i = 0; i < 3; ++i)
      grid.SetCells(i, 1, STCCount(i + 1).Caption());
  } else if (Page() == DATCPage) {
    SendDecisions();
    return;
  }
  ShowConfirmation();
  if (grid.Visible())
    grid.Invalidate();
}

std::string TMainForm::ScorePayload(bool zeros) {
  if (Page() == DetailedPage && ImpressionJudging()) {
    std::string payload;
    for (TMVWEdit* edit : ImpressionEdits)
      payload += (zeros ? std::string("0.00") : edit->GetText()) + DC2;
    return payload;
  }
  if (Page() == DetailedPage) {
    auto& grid = *GridConfirm;
    std::string payload;
    for (int col = 0; col < grid.ColCount(); ++col)
      payload += (zeros ? std::string("0.00") : grid.Cells(col, 1)) + DC2;
    return payload;
  }
  if (Page() == STCPage) {
    auto count = [this, zeros](int n) { return zeros ? std::string("0") : STCCount(n).Caption(); };
    std::string payload =
        ScoreEdit->Caption() + DC1 + count(1) + DC2 + count(2) + DC3 + count(3) + DC4;
    // The three fields the server keeps for later use go out only with a score, not its
    // withdrawal.
    if (!zeros)
      payload += std::string(3, DC4);
    return payload;
  }
  return {};
}

void TMainForm::ScoreConfirmAcceptClick(TObject*) {
  SendFrame("SD", ScorePayload(false));
}

void TMainForm::ScoreConfirmDeclineClick(TObject*) {
  auto& confirm = *ScoreConfirmMain;
  confirm.Hide();
  PanelKeypad->Show();
  ButtonSendScore->SetEnabled(true);
  if (confirm.Color() != Received)
    return;
  auto& score = *ScoreEdit;
  if (score.Visible())
    score.SetCaption("0.0");
  const bool elements = Page() == DetailedPage && !ImpressionJudging();
  SendFrame("SD", ScorePayload(true));
  if (elements)
    ScoreCursor = 0;
}

// The head judge's panel belongs to the earlier rules; this console never shows it.
void TMainForm::ButtonSendHJClick(TObject*) {}

} // namespace marivo
