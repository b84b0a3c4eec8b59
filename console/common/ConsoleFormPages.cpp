#include "console/common/ConsoleForm.h"
#include "console/common/protocol/Protocol.h"
#include "console/common/rules/ScoreEntry.h"
#include "platform/net/TcpClient.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <array>

namespace marivo {

namespace {

constexpr TColor SendSilver = 0xC0C0C0;
constexpr TColor Waiting = 0x0000FF;

} // namespace

int TConsoleForm::Page() const {
  return _Notebook->PageIndex();
}

// The scoring panels follow the page a judge scores on.
void TConsoleForm::ShowScoringPage(int page, TPanel& panel) {
  if (Page() == page)
    return;
  _Notebook->SetPageIndex(page);
  PanelRight->SetParent(&panel);
  ScoreConfirmMain->SetParent(&panel);
}

void TConsoleForm::ArrangePage() {
  // Called from resizes while the form is still being read: nothing to arrange yet.
  if (ComponentState() & csLoading || !FindComponent("_Notebook"))
    return;
  auto widen = [this](int width) {
    if (Width() < width)
      SetWidth(width);
  };
  auto& right = *PanelRight;
  switch (Page()) {
  case DetailedPage: {
    if (Height() < 643)
      SetHeight(643);
    auto& keypad = *PanelKeypadDetailed;
    const int w = keypad.Width() + right.Width() + PanelElements->Width();
    widen(w);
    ArrangeDetailedPanels((PanelDET->Width() - w) / 2 + keypad.Width());
    break;
  }
  case IndividualPage: {
    auto& keypad = *PanelKeypad;
    const int w = keypad.Width() + right.Width();
    widen(w);
    keypad.SetLeft((PanelIND->Width() - w) / 2);
    break;
  }
  case TimersPage: {
    auto& keypad = *PanelTimerKeypad;
    const int w = keypad.Width() + PanelTimerNavigation->Width() + PanelTimerRight->Width();
    widen(w);
    keypad.SetLeft((PanelTime->Width() - w) / 2);
    break;
  }
  case RefereePage:
    // The referee's page is made for one screen size; SetBounds keeps it from resizing itself.
    SetBounds(0, 0, 1366, 768);
    break;
  default:
    ArrangeFurtherPage(Page());
    break;
  }
  ArrangeConfirmButtons();
  auto& logo = *ZELLogo;
  auto& main = *PanelMain;
  logo.SetLeft((main.Width() - logo.Width()) / 2);
  logo.SetTop((main.Height() - logo.Height()) / 2);
  ArrangeConfirmButtons();

  auto& title = *LabelScoreTitle;
  auto& score = *ScoreEdit;
  auto& send = *ButtonSendScore;
  auto& board = *PanelScoreboard;
  const int g = (right.Height() - title.Height() - score.Height() - JudgeNum->Height() -
                 LabelJudge->Height() - send.Height() - board.Height()) /
                3;
  send.SetTop(score.Top() + score.Height() + g);
  board.SetTop(send.Top() + send.Height() + g);
}

void TConsoleForm::ArrangeDetailedPanels(int left) {
  PanelElements->SetLeft(left);
}

void TConsoleForm::ArrangeConfirmButtons() {
  const int w = ScoreConfirmMain->Width();
  auto& decline = *ScoreConfirmDecline;
  decline.SetBounds(w / 5, decline.Top(), w / 4, decline.Height());
  auto& accept = *ScoreConfirmAccept;
  accept.SetBounds(3 * (w / 5), accept.Top(), w / 4, accept.Height());
}

void TConsoleForm::FormResize(TObject*) {
  ArrangePage();
}

void TConsoleForm::_NotebookPageChanged(TObject*) {
  ArrangePage();
}

void TConsoleForm::TestTimerTimer(TObject*) {
  if (Page() != OpeningPage && client->Connected())
    ButtonSendScore->Click();
}

// --- entry ------------------------------------------------------------------------------------

void TConsoleForm::ResetSendButtons(const std::string& caption) {
  for (TMVWSpeedButton* button : {ButtonSendTime, ButtonSendHJ}) {
    button->SetCaption(caption);
    button->SetColor(SendSilver);
  }
  ScoreConfirmTitle->SetCaption("Score Confirmation");
  ScoreConfirmMain->Hide();
  PanelKeypad->Show();
  ButtonSendScore->SetEnabled(true);
}

void TConsoleForm::ShowConfirmation() {
  auto& confirm = *ScoreConfirmMain;
  confirm.Show();
  confirm.BringToFront();
  ArrangeConfirmButtons();
  PanelKeypad->Hide();
  ButtonSendScore->SetEnabled(false);
  // A receipt of the last score must not title the one now waiting for Accept.
  ScoreConfirmTitle->SetCaption("Score Confirmation");
  confirm.SetColor(Waiting);
}

TMVWSimpleLabel& TConsoleForm::SelectedTimeField() {
  const std::array<TMVWSimpleLabel*, 3> fields = {WalkOnTime, DeckTime, RoutineTime};
  return *fields[static_cast<std::size_t>(std::clamp(static_cast<int>(Arrow->Tag()), 1, 3) - 1)];
}

void TConsoleForm::TimeEntry(int value, const std::string& digits) {
  TMVWSimpleLabel& field = SelectedTimeField();
  if (value == KeyClear || Trim(field.Caption()).empty())
    field.SetCaption("0:00.0");
  else
    field.SetCaption(TimeAfterDigits(field.Caption(), digits));
}

void TConsoleForm::MoveTimeSelection(int step) {
  const bool referee = Page() == RefereePage;
  TMVWLImage& arrow = referee ? *HJArrow : *Arrow;
  int tag = static_cast<int>(arrow.Tag());
  if (step > 0) {
    tag = step;
  } else if (referee) {
    tag = tag == 4 ? 5 : tag == 5 ? 4 : tag;
  } else if (Page() == TimersPage && tag >= 1 && tag <= 3) {
    tag = step == 0 ? tag % 3 + 1 : (tag + 1) % 3 + 1;
  }
  PlaceArrow(arrow, tag);
}

void TConsoleForm::SelectWalkOnTime() {
  PlaceArrow(*Arrow, 1);
}

void TConsoleForm::PlaceArrow(TMVWLImage& arrow, int tag) {
  arrow.SetTag(tag);
  static const int tops[] = {16, 144, 288, 48, 184};
  if (tag >= 1 && tag <= 5)
    arrow.SetTop(tops[tag - 1]);
}

void TConsoleForm::ActiveEditLabelClick(TObject* Sender) {
  MoveTimeSelection(static_cast<int>(dynamic_cast<TComponent&>(*Sender).Tag()));
}

// --- sending ----------------------------------------------------------------------------------

void TConsoleForm::ButtonSendTimeClick(TObject*) {
  SendFrame("SD",
            WalkOnTime->Caption() + DC1 + DeckTime->Caption() + DC2 + RoutineTime->Caption() + DC3);
}

void TConsoleForm::ButtonNextClick(TObject*) {
  SendFrame("MV", std::string("+1") + DC1);
}

void TConsoleForm::ButtonPrevClick(TObject*) {
  SendFrame("MV", std::string("-1") + DC1);
}

} // namespace marivo
