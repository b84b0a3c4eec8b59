#pragma once

#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Timers.h"

namespace marivo {

// "Retrieving your IP Address": shown only while the second start-up stage looks addresses up.
class TObtainingIPAddress : public TForm {
public:
  using TForm::TForm;
  ~TObtainingIPAddress() override;
};

// "Lost Connection": closes itself 2 s after each showing.
class TInvalidElements : public TForm {
public:
  using TForm::TForm;
  ~TInvalidElements() override;
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
  ~TScoresForm() override;
  void FormShow(TObject* Sender);
  void ScoresTimerTimer(TObject* Sender);
  // Shows the table and starts its 6 s again, also when it is showing already.
  void ShowAgain();

  TStringGrid* ScoresGrid = nullptr;
  TTimer* ScoresTimer = nullptr;
};

// Each notice clears its pointer when it is freed: a frame handled while the program shuts down
// finds no notice rather than a freed one.
extern TObtainingIPAddress* ObtainingIPAddress;
extern TInvalidElements* InvalidElements;
extern TScoresForm* ScoresForm;

// Makes the three notice forms and their handlers known to form data.
void RegisterNoticeForms();

} // namespace marivo
