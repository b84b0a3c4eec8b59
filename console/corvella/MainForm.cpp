#include "console/corvella/MainForm.h"

#include "console/common/rules/ScoreEntry.h"
#include "console/corvella/rules/CorvellaRoles.h"
#include "platform/rtl/ClassRegistry.h"

#include <windows.h>

namespace marivo::corvella {

TMainForm* MainForm = nullptr;

namespace {

constexpr const char* VersionText = "   Version 1.8.0";

struct TScoreKey {
  WORD Key;
  int Value;
};

// The keyboard's score keys, as the keypad values they stand for.
constexpr TScoreKey ScoreKeys[] = {
    {VK_ESCAPE, KeyClear},
    {'0', 0},
    {'1', 1},
    {'2', 2},
    {'3', 3},
    {'4', 4},
    {'5', 5},
    {'6', 6},
    {'7', 7},
    {'8', 8},
    {'9', 9},
    {VK_NUMPAD0, 0},
    {VK_NUMPAD1, 1},
    {VK_NUMPAD2, 2},
    {VK_NUMPAD3, 3},
    {VK_NUMPAD4, 4},
    {VK_NUMPAD5, 5},
    {VK_NUMPAD6, 6},
    {VK_NUMPAD7, 7},
    {VK_NUMPAD8, 8},
    {VK_NUMPAD9, 9},
    {'X', KeyTen},
};

} // namespace

TMainForm::TMainForm(TComponent* owner) : TConsoleForm(owner, LookupRoleCodes, RoleKinds) {}

bool TMainForm::Technical() const {
  return CurrentDisciplineCode != "FREE";
}

void TMainForm::FormCreate(TObject*) {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  BaseFolder = folder;
  SetStatusText(0, VersionText);
  RetryCount = 0;

  auto& connections = *GridConnections;
  const char* headings[] = {"Job", "Name", "IP", "Status"};
  // The job column holds the roles' whole captions.
  const int widths[] = {160, 80, 80, 80};
  for (int col = 0; col < 4; ++col) {
    connections.SetCells(col, 0, headings[col]);
    connections.SetColWidths(col, widths[col]);
  }
  // Each console's row is labelled with its role, so the official can read who is where.
  for (int index = 0; index < RoleCount(); ++index)
    connections.SetCells(0, index + 1, corvella::RoleCaption(index, false));

  ClientChoice->SetItemIndex(0);
  ElementEdits = {DETJ1Det, DETJ2Det, DETJ3Det, DETJ4Det, DETJ5Det};
  ElementEditLabels = {DETJ1DetLabel, DETJ2DetLabel, DETJ3DetLabel, DETJ4DetLabel, DETJ5DetLabel};
  ConfirmScoreLabels = {ScoreConfirmScore1, ScoreConfirmScore2, ScoreConfirmScore3,
                        ScoreConfirmScore4, ScoreConfirmScore5};
  CurrentElementEdit = DETJ1Det;
}

void TMainForm::FormShow(TObject*) {
  SetCaption("Marivo v1.8.0");
  StartFirstStage();
}

void TMainForm::DisciplineSelectionChange(TObject*, int) {
  ReadDisciplineChoice();
  auto& roles = *ClientChoice;
  roles.Items().BeginUpdate();
  for (int index = 0; index < roles.Items().Count(); ++index) {
    if (NamedByDiscipline(index))
      roles.Items().SetStrings(index, corvella::RoleCaption(index, Technical()));
  }
  roles.Items().EndUpdate();
  for (int index = 0; index < RoleCount(); ++index)
    GridConnections->SetCells(0, index + 1, corvella::RoleCaption(index, Technical()));
}

void TMainForm::TimerPowerMeterTimer(TObject*) {
  SYSTEM_POWER_STATUS power;
  if (!GetSystemPowerStatus(&power))
    return;
  const int percentage = power.BatteryLifePercent;
  if (percentage == 255)
    LabelPower->SetCaption("??");
  else if (percentage <= 100)
    LabelPower->SetCaption(std::to_string(percentage) + " %");
}

// A key the form acts on is consumed: the control that has the focus must not act on it again.
// On the element page the digits go on to the element edit that has the focus.
void TMainForm::FormKeyDown(TObject*, WORD& Key, TShiftState) {
  const int page = Page();
  if (Key == VK_F5) {
    PanelDetails->SetVisible(!PanelDetails->Visible());
    Key = 0;
    return;
  }
  // F9 never closes this console: it always returns to the Opening page.
  if (Key == VK_F9) {
    Key = 0;
    ReconnectTimer->SetEnabled(false);
    ButtonHomeClick(this);
    return;
  }
  if (page == OpeningPage)
    return;

  auto& confirm = *ScoreConfirmMain;
  bool acted = true;
  if (Key == VK_RETURN) {
    if (confirm.Visible())
      ScoreConfirmAccept->Click();
    else if (page == TimersPage)
      ButtonSendTime->Click();
    else if (page == RefereePage)
      ButtonSendHJ->Click();
    else
      ButtonSendScore->Click();
  } else if (Key == VK_ESCAPE && confirm.Visible()) {
    ScoreConfirmDecline->Click();
  } else if (Key == VK_ESCAPE && page == DetailedPage) {
    auto& edit = *CurrentElementEdit;
    edit.SetText("");
    edit.SetColor(clGreen);
    edit.Font().SetColor(clWhite);
  } else if ((page == TimersPage || page == RefereePage) && (Key == VK_NEXT || Key == VK_PRIOR)) {
    MoveTimeSelection(Key == VK_NEXT ? 0 : -1);
  } else {
    acted = false;
    if (!confirm.Visible() && page != DetailedPage) {
      for (const TScoreKey& scoreKey : ScoreKeys) {
        if (scoreKey.Key == Key) {
          KeypadEntry(scoreKey.Value);
          acted = true;
          break;
        }
      }
    }
  }
  if (acted)
    Key = 0;
}

void TMainForm::Register() {
  static const bool registered = [] {
    TConsoleForm::Register();
    RegisterComponentClass<TMainForm, TConsoleForm>("TMainForm")
        .Field("LabelDisc", &TMainForm::LabelDisc)
        .Field("DETJ1DetLabel", &TMainForm::DETJ1DetLabel)
        .Field("DETJ1Det", &TMainForm::DETJ1Det)
        .Field("DETJ2DetLabel", &TMainForm::DETJ2DetLabel)
        .Field("DETJ2Det", &TMainForm::DETJ2Det)
        .Field("DETJ3DetLabel", &TMainForm::DETJ3DetLabel)
        .Field("DETJ3Det", &TMainForm::DETJ3Det)
        .Field("DETJ4DetLabel", &TMainForm::DETJ4DetLabel)
        .Field("DETJ4Det", &TMainForm::DETJ4Det)
        .Field("DETJ5DetLabel", &TMainForm::DETJ5DetLabel)
        .Field("DETJ5Det", &TMainForm::DETJ5Det)
        .Field("ScoreConfirmScore1", &TMainForm::ScoreConfirmScore1)
        .Field("ScoreConfirmScore2", &TMainForm::ScoreConfirmScore2)
        .Field("ScoreConfirmScore3", &TMainForm::ScoreConfirmScore3)
        .Field("ScoreConfirmScore4", &TMainForm::ScoreConfirmScore4)
        .Field("ScoreConfirmScore5", &TMainForm::ScoreConfirmScore5)
        .Field("PanelHJScoring", &TMainForm::PanelHJScoring)
        .Field("HJGrid", &TMainForm::HJGrid)
        .Handler("FormCreate", &TMainForm::FormCreate)
        .Handler("FormShow", &TMainForm::FormShow)
        .Handler("FormKeyDown", &TMainForm::FormKeyDown)
        .Handler("TimerPowerMeterTimer", &TMainForm::TimerPowerMeterTimer)
        .Handler("DisciplineSelectionChange", &TMainForm::DisciplineSelectionChange)
        .Handler("KeypadEntryClick", &TMainForm::KeypadEntryClick)
        .Handler("DETSCOREClick", &TMainForm::DETSCOREClick)
        .Handler("DETPreviousClick", &TMainForm::DETPreviousClick)
        .Handler("DETNextClick", &TMainForm::DETNextClick)
        .Handler("J1DetEnter", &TMainForm::J1DetEnter)
        .Handler("J1DetAfterEnter", &TMainForm::J1DetAfterEnter)
        .Handler("J1DetAfterExit", &TMainForm::J1DetAfterExit)
        .Handler("J1DetKeyUp", &TMainForm::J1DetKeyUp)
        .Handler("ButtonSendScoreClick", &TMainForm::ButtonSendScoreClick)
        .Handler("ScoreConfirmAcceptClick", &TMainForm::ScoreConfirmAcceptClick)
        .Handler("ScoreConfirmDeclineClick", &TMainForm::ScoreConfirmDeclineClick)
        .Handler("ButtonSendHJClick", &TMainForm::ButtonSendHJClick)
        .Handler("HJGridDrawCell", &TMainForm::HJGridDrawCell);
    return true;
  }();
  (void)registered;
}

} // namespace marivo::corvella
