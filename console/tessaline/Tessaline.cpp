#include "console/tessaline/Tessaline.h"

#include "console/common/NoticeForms.h"
#include "console/tessaline/EditorForm.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/NetClasses.h"
#include "platform/ui/StdClasses.h"

namespace marivo {

void RegisterTessalineClasses() {
  RegisterStandardClasses();
  RegisterNetClasses();
  RegisterNoticeForms();
  TMainForm::Register();
  TEditorForm::Register();
}

} // namespace marivo
