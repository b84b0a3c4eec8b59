#include "console/common/NoticeForms.h"
#include "console/corvella/Corvella.h"
#include "console/corvella/MainForm.h"
#include "tests/support/RunningConsole.h"

namespace marivo::test {

void TRunningConsole::Start() {
  corvella::RegisterCorvellaClasses();
  Foundation_ = std::make_unique<TMVWFoundation>();
  Clock_ = std::make_unique<TManualClock>();
  App_ = std::make_unique<TApplication>();
  App_->Initialize();
  App_->SetTitle("Marivo");
  App_->CreateForm(corvella::MainForm);
  App_->CreateForm(ObtainingIPAddress);
  App_->CreateForm(InvalidElements);
  App_->CreateForm(ScoresForm);
}

void TRunningConsole::Close() {
  App_.reset();
  Clock_.reset();
  Foundation_.reset();
  corvella::MainForm = nullptr;
  ObtainingIPAddress = nullptr;
  InvalidElements = nullptr;
  ScoresForm = nullptr;
}

} // namespace marivo::test
