#pragma once

#include "console/tessaline/rules/CoachCards.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWSimpleLabel.h"
#include "widgets/controls/MVWStaticText.h"

#include <string>

namespace marivo {

// "Edit DD": a difficulty controller re-declares a hybrid element. Every key recomputes the
// declared difficulty from the coach-card tables; the caller sets both edits before ShowModal
// and, after mrOk, takes both edits and the caption of EditBMDDResults.
class TEditorForm : public TForm {
public:
  using TForm::TForm;
  static void Register();

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void EditBMDifficultyKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  void ButtonOKClick(TObject* Sender);
  void ButtonCancelClick(TObject* Sender);

  // Reads the coach-card files the first time it is asked in this run, and only then.
  void LoadCoachCards();
  // Prices the two edits: the breakdown, the total and the limits exceeded. A factor that is
  // no number raises EConvertError, leaving the total and the messages as they were.
  void CalculateDD();
  const TCoachCardTables& CoachCards() const { return CoachCards_; }

  TMVWEdit* EditBMDifficulty = nullptr;
  TMVWEdit* EditBMBonus = nullptr;
  TMVWEdit* EditBMDD = nullptr;
  TMVWSimpleLabel* LabelDDError = nullptr;
  TMVWStaticText* EditBMDDResults = nullptr;
  TStringGrid* GridDDElements = nullptr;
  TStringGrid* GridMovement = nullptr;
  TStringGrid* GridBonus = nullptr;

private:
  // "<current folder>\Coach Card\", as it is when the files are read.
  static std::string CoachCardFolder();
  static void FillFamilyGrid(TStringGrid& grid, const TFamilyTable& families, int largest);

  // Both live as long as the form, which the program keeps to its end.
  TCoachCardTables CoachCards_;
  bool CoachCardsLoaded_ = false;
};

extern TEditorForm* EditorForm;

} // namespace marivo
