#include "console/tessaline/EditorForm.h"
#include "console/tessaline/MainForm.h"
#include "console/tessaline/rules/DifficultyDecisions.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace marivo {

namespace {

constexpr TColor SendSilver = 0xC0C0C0;

TDecisionFlags RowFlags(const TStringGrid& grid, int row) {
  TDecisionFlags flags;
  for (int i = 0; i < DecisionCount; ++i)
    flags[static_cast<std::size_t>(i)] = grid.Cells(DATCFlagColumns[i], row);
  return flags;
}

// The decision a column of the grid holds, if it holds one.
std::optional<TDecision> DecisionIn(int col) {
  const auto found = std::find(std::begin(DATCFlagColumns), std::end(DATCFlagColumns), col);
  if (found == std::end(DATCFlagColumns))
    return std::nullopt;
  return static_cast<TDecision>(found - std::begin(DATCFlagColumns));
}

} // namespace

void TMainForm::SendDecisions() {
  auto& send = *ButtonSendScore;
  auto& grid = *GridDATC;
  std::vector<TDecisionRow> rows;
  for (int row = 1; row < grid.RowCount(); ++row) {
    for (int col : {6, 7, 8})
      if (Trim(grid.Cells(col, row)).empty())
        grid.SetCells(col, row, "0");
    rows.push_back({RowFlags(grid, row), grid.Cells(DATCColumnDD, row)});
  }
  const bool working = send.Tag() != 0;
  send.SetTag(0);
  // The technical controller only watches the controllers' decisions.
  if (OwnRoleKind() != TRoleKind::TechnicalController)
    SendFrame("DS", DecisionSheetPayload(OwnNumber(), rows, working));
}

void TMainForm::GridDATCSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
  const std::optional<TDecision> decision = DecisionIn(ACol);
  CanSelect = (ACol == 0 && ARow == 0) || (ARow > 0 && decision);
  if (ACol == 0 && ARow == 0)
    ButtonHomeClick(GridDATC);
  if (OwnRoleKind() == TRoleKind::TechnicalController || ARow == 0 || !decision)
    return;
  auto& grid = *GridDATC;
  const TToggledDecision toggled = ToggleDecision(RowFlags(grid, ARow), *decision);
  for (int i = 0; i < DecisionCount; ++i)
    grid.SetCells(DATCFlagColumns[i], ARow, toggled.Flags[static_cast<std::size_t>(i)]);
  if (toggled.DD == TDDSource::Declared)
    grid.SetCells(DATCColumnDD, ARow, grid.Cells(DATCColumnDeclaredDD, ARow));
  else if (toggled.DD == TDDSource::OnFailure)
    grid.SetCells(DATCColumnDD, ARow, grid.Cells(DATCColumnFailedDD, ARow));
  grid.Invalidate();
  // Every change reaches the server at once, as work in progress.
  auto& send = *ButtonSendScore;
  send.SetTag(1);
  send.Click();
  send.SetCaption("Send / Enter");
  send.SetColor(SendSilver);
}

void TMainForm::GridDATCMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
  GridDATC->MouseToCell(X, Y, DATCMouseCol, DATCMouseRow);
}

void TMainForm::GridDATCDblClick(TObject*) {
  auto& grid = *GridDATC;
  const int row = DATCMouseRow;
  if (OwnRoleKind() == TRoleKind::TechnicalController || row < 1 || row >= grid.RowCount() ||
      grid.Cells(1, row) != "HYBRID")
    return;
  EditorForm->EditBMDifficulty->SetText(grid.Cells(DATCColumnDifficulty, row));
  EditorForm->EditBMBonus->SetText(grid.Cells(DATCColumnBonus, row));
  const int builds = DATCGridBuilds_;
  if (EditorForm->ShowModal() == mrCancel)
    return;
  // The server's frames are handled while the editor is open: a new element list replaced the
  // row the re-declaration was made for.
  if (builds != DATCGridBuilds_)
    return;
  const std::string difficulty = EditorForm->EditBMDifficulty->GetText();
  const std::string bonus = EditorForm->EditBMBonus->GetText();
  if (difficulty == grid.Cells(DATCColumnReceivedDifficulty, row) &&
      bonus == grid.Cells(DATCColumnReceivedBonus, row))
    return;
  grid.SetCells(DATCFlagColumns[0], row, "0");
  grid.SetCells(DATCFlagColumns[1], row, "0");
  grid.SetCells(DATCFlagColumns[2], row, "1");
  grid.SetCells(DATCColumnDifficulty, row, difficulty);
  grid.SetCells(DATCColumnBonus, row, bonus);
  grid.SetCells(DATCColumnDD, row, EditorForm->EditBMDDResults->Caption());
  grid.Invalidate();
}

} // namespace marivo
