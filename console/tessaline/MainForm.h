#pragma once

#include "platform/ui/Forms.h"

namespace marivo {

// The console's one main window.
class TMainForm : public TForm {
public:
  using TForm::TForm;
  // Makes the class, its published components and its handlers known to form data.
  static void Register();
};

extern TMainForm* MainForm;

} // namespace marivo
