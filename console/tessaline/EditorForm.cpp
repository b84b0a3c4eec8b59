#include "console/tessaline/EditorForm.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

TEditorForm* EditorForm = nullptr;

void TEditorForm::Register() {
  static const bool registered = [] {
    RegisterComponentClass<TEditorForm, TForm>("TEditorForm");
    return true;
  }();
  (void)registered;
}

} // namespace marivo
