#include "console/corvella/Corvella.h"

#include "console/common/NoticeForms.h"
#include "console/corvella/MainForm.h"
#include "platform/net/NetClasses.h"
#include "platform/ui/StdClasses.h"

namespace marivo::corvella {

void RegisterCorvellaClasses() {
  RegisterStandardClasses();
  RegisterNetClasses();
  RegisterNoticeForms();
  TMainForm::Register();
}

} // namespace marivo::corvella
