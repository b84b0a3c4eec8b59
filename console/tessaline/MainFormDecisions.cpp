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
  const int role = ClientChoice->ItemIndex();
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
  if (role != DTCRoleIndex)
    SendFrame("DS", DecisionSheetPayload(role + 1, rows, working));
}

void TMainForm::GridDATCSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
  const std::optional<TDecision> decision = DecisionIn(ACol);
  CanSelect = (ACol == 0 && ARow == 0) || (ARow > 0 && decision);
  if (ACol == 0 && ARow == 0)
    ButtonHomeClick(GridDATC);
  if (ClientChoice->ItemIndex() == DTCRoleIndex || ARow == 0 || !decision)
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

} // namespace marivo
