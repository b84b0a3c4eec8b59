#include "console/tessaline/MainForm.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

TMainForm* MainForm = nullptr;

void TMainForm::Register() {
  RegisterComponentClass<TMainForm, TForm>("TMainForm");
}

} // namespace marivo
