#include "console/common/NoticeForms.h"
#include "console/tessaline/EditorForm.h"
#include "console/tessaline/MainForm.h"
#include "console/tessaline/Tessaline.h"
#include "tests/support/RunningConsole.h"

namespace marivo::test {

void TRunningConsole::Start() {
  RegisterTessalineClasses();
  Foundation_ = std::make_unique<TMVWFoundation>();
  Clock_ = std::make_unique<TManualClock>();
  App_ = std::make_unique<TApplication>();
  App_->Initialize();
  App_->SetTitle("Marivo");
  App_->CreateForm(MainForm);
  App_->CreateForm(ObtainingIPAddress);
  App_->CreateForm(InvalidElements);
  App_->CreateForm(ScoresForm);
  App_->CreateForm(EditorForm);
}

void TRunningConsole::Close() {
  App_.reset();
  Clock_.reset();
  Foundation_.reset();
  MainForm = nullptr;
  ObtainingIPAddress = nullptr;
  InvalidElements = nullptr;
  ScoresForm = nullptr;
  EditorForm = nullptr;
}

} // namespace marivo::test
