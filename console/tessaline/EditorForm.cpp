#include "console/tessaline/EditorForm.h"

#include "console/tessaline/rules/DeclaredDifficulty.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWShapeButton.h"

#include <windows.h>

#include <algorithm>

namespace marivo {

TEditorForm* EditorForm = nullptr;

void TEditorForm::Register() {
  static const bool registered = [] {
    RegisterControlClasses();
    RegisterComponentClass<TEditorForm, TForm>("TEditorForm")
        .Field("EditBMDifficulty", &TEditorForm::EditBMDifficulty)
        .Field("EditBMBonus", &TEditorForm::EditBMBonus)
        .Field("EditBMDD", &TEditorForm::EditBMDD)
        .Field("LabelDDError", &TEditorForm::LabelDDError)
        .Field("EditBMDDResults", &TEditorForm::EditBMDDResults)
        .Field("GridDDElements", &TEditorForm::GridDDElements)
        .Field("GridMovement", &TEditorForm::GridMovement)
        .Field("GridBonus", &TEditorForm::GridBonus)
        .Handler("FormCreate", &TEditorForm::FormCreate)
        .Handler("FormShow", &TEditorForm::FormShow)
        .Handler("FormKeyDown", &TEditorForm::FormKeyDown)
        .Handler("EditBMDifficultyKeyUp", &TEditorForm::EditBMDifficultyKeyUp)
        .Handler("ButtonOKClick", &TEditorForm::ButtonOKClick)
        .Handler("ButtonCancelClick", &TEditorForm::ButtonCancelClick);
    return true;
  }();
  (void)registered;
}

void TEditorForm::FormCreate(TObject*) {
  CoachCardsLoaded_ = false;
}

void TEditorForm::FormShow(TObject*) {
  LoadCoachCards();
  // A declaration that cannot be priced still opens, so that it can be corrected here.
  try {
    CalculateDD();
  } catch (const Exception& error) {
    HandleApplicationException(error);
  }
}

void TEditorForm::FormKeyDown(TObject*, WORD& Key, TShiftState) {
  if (Key != VK_ESCAPE)
    return;
  SetModalResult(mrCancel);
  Key = 0;
}

void TEditorForm::EditBMDifficultyKeyUp(TObject*, WORD&, TShiftState) {
  CalculateDD();
}

// A declaration that does not compute is not accepted: its error shows and the form stays
// open, so no stale DD leaves with the new texts.
void TEditorForm::ButtonOKClick(TObject*) {
  CalculateDD();
  SetModalResult(mrOk);
}

void TEditorForm::ButtonCancelClick(TObject*) {
  SetModalResult(mrCancel);
}

std::string TEditorForm::CoachCardFolder() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  return std::string(folder) + "\\Coach Card\\";
}

void TEditorForm::LoadCoachCards() {
  if (CoachCardsLoaded_)
    return;
  // Set first: files that are missing or fail are not tried again in this run.
  CoachCardsLoaded_ = true;
  const std::string folder = CoachCardFolder();
  for (const char* name : {DifficultyChartFile, AcrobaticsFile, MovementsFile}) {
    const DWORD attributes = GetFileAttributesA((folder + name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
      return;
  }
  try {
    LoadCoachCardFiles(folder + DifficultyChartFile, folder + MovementsFile, CoachCards_);
  } catch (const Exception& error) {
    HandleApplicationException(error);
  }
  FillFamilyGrid(*GridMovement, CoachCards_.HybridTable, CoachCards_.LargestHybridCategoryCount);
  FillFamilyGrid(*GridBonus, CoachCards_.BonusTable, CoachCards_.LargestBonusCategoryCount);
}

void TEditorForm::FillFamilyGrid(TStringGrid& grid, const TFamilyTable& families, int largest) {
  const auto cells = FamilyGridCells(families, largest + 1);
  grid.SetRowCount(static_cast<int>(cells.size()));
  grid.SetColCount(largest + 1);
  grid.SetColWidths(0, 120);
  for (std::size_t row = 0; row < cells.size(); ++row)
    for (std::size_t col = 0; col < cells[row].size(); ++col)
      grid.SetCells(static_cast<int>(col), static_cast<int>(row), cells[row][col]);
}

void TEditorForm::CalculateDD() {
  TDDCalculation result;
  try {
    marivo::CalculateDD(CoachCards_, GridMovement->RowCount(), GridBonus->RowCount(),
                        EditBMDifficulty->GetText(), EditBMBonus->GetText(), result);
  } catch (const EConvertError&) {
    EditBMDD->SetText(result.Breakdown);
    throw;
  }
  EditBMDD->SetText(result.Breakdown);
  const int rows = static_cast<int>(result.TechniqueRows.size());
  GridDDElements->SetRowCount(std::max(rows, 1));
  GridDDElements->SetCells(0, 0, "");
  GridDDElements->SetCells(1, 0, "");
  for (int row = 0; row < rows; ++row) {
    GridDDElements->SetCells(0, row, result.TechniqueRows[row].Token);
    GridDDElements->SetCells(1, row, FloatToStr(result.TechniqueRows[row].Factor));
  }
  EditBMDDResults->SetCaption(FormatFloat("0.000", result.Total));
  LabelDDError->SetVisible(!result.Message.empty());
  LabelDDError->SetCaption("  " + result.Message);
}

} // namespace marivo
