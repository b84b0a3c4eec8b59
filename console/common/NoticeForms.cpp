#include "console/common/NoticeForms.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/foundation/MVWFoundation.h"

namespace marivo {

TObtainingIPAddress* ObtainingIPAddress = nullptr;
TInvalidElements* InvalidElements = nullptr;
TScoresForm* ScoresForm = nullptr;

namespace {

template <class T> void Forget(T*& notice, const T* freed) {
  if (notice == freed)
    notice = nullptr;
}

void Restart(TTimer& timer) {
  timer.SetEnabled(false);
  timer.SetEnabled(true);
}

} // namespace

TObtainingIPAddress::~TObtainingIPAddress() {
  Forget(ObtainingIPAddress, this);
}

TInvalidElements::~TInvalidElements() {
  Forget(InvalidElements, this);
}

TScoresForm::~TScoresForm() {
  Forget(ScoresForm, this);
}

void TInvalidElements::FormShow(TObject*) {
  Restart(*Timer1);
}

void TInvalidElements::Timer1Timer(TObject*) {
  Close();
}

// Showing a shown form runs no OnShow, yet each lost connection must get its full 2 s.
void TInvalidElements::ShowAgain() {
  if (Visible())
    Restart(*Timer1);
  else
    Show();
}

void TScoresForm::FormShow(TObject*) {
  SetBounds(10, 10, 1346, 748);
  Restart(*ScoresTimer);
}

void TScoresForm::ScoresTimerTimer(TObject*) {
  Hide();
}

// Each score table from the server stays 6 s from its own arrival.
void TScoresForm::ShowAgain() {
  if (Visible())
    Restart(*ScoresTimer);
  else
    Show();
}

void RegisterNoticeForms() {
  static const bool registered = [] {
    // The address notice is a shaped form; the notices are drawn with widget panels and images.
    RegisterControlClasses();
    RegisterComponentClass<TObtainingIPAddress, TForm>("TObtainingIPAddress");
    RegisterComponentClass<TInvalidElements, TForm>("TInvalidElements")
        .Handler("FormShow", &TInvalidElements::FormShow)
        .Handler("Timer1Timer", &TInvalidElements::Timer1Timer)
        .Field("Timer1", &TInvalidElements::Timer1);
    RegisterComponentClass<TScoresForm, TForm>("TScoresForm")
        .Handler("FormShow", &TScoresForm::FormShow)
        .Handler("ScoresTimerTimer", &TScoresForm::ScoresTimerTimer)
        .Field("ScoresGrid", &TScoresForm::ScoresGrid)
        .Field("ScoresTimer", &TScoresForm::ScoresTimer);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
