#pragma once

#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Timers.h"

namespace marivo {

// "Retrieving your IP Address": shown only while the second start-up stage looks addresses up.
class TObtainingIPAddress : public TForm {
public:
  using TForm::TForm;
};

// "Lost Connection": closes itself 2 s after each showing.
class TInvalidElements : public TForm {
public:
  using TForm::TForm;
  void FormShow(TObject* Sender);
  void Timer1Timer(TObject* Sender);
  // Shows the notice and starts its 2 s again, also when it is showing already.
  void ShowAgain();

  TTimer* Timer1 = nullptr;
};

// The full-screen score table: hides itself 6 s after each showing.
class TScoresForm : public TForm {
public:
  using TForm::TForm;
  void FormShow(TObject* Sender);
  void ScoresTimerTimer(TObject* Sender);
  // Shows the table and starts its 6 s again, also when it is showing already.
  void ShowAgain();

  TStringGrid* ScoresGrid = nullptr;
  TTimer* ScoresTimer = nullptr;
};

extern TObtainingIPAddress* ObtainingIPAddress;
extern TInvalidElements* InvalidElements;
extern TScoresForm* ScoresForm;

// Makes the three notice forms and their handlers known to form data.
void RegisterNoticeForms();

} // namespace marivo
