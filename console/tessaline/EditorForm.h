#pragma once

#include "platform/ui/Forms.h"

namespace marivo {

// "Edit DD": re-declares a hybrid element's difficulty for the difficulty controllers.
class TEditorForm : public TForm {
public:
  using TForm::TForm;
  static void Register();
};

extern TEditorForm* EditorForm;

} // namespace marivo
