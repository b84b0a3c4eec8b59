#include "console/common/NoticeForms.h"
#include "console/corvella/Corvella.h"
#include "console/corvella/MainForm.h"
#include "platform/ui/Application.h"
#include "widgets/foundation/MVWFoundation.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace marivo;
  // Before the application and its forms, so that it stops after them.
  TMVWFoundation widgetFoundation;
  TApplication application;
  try {
    corvella::RegisterCorvellaClasses();
    application.Initialize();
    application.SetTitle("Marivo");
    application.CreateForm(corvella::MainForm);
    application.CreateForm(ObtainingIPAddress);
    application.CreateForm(InvalidElements);
    application.CreateForm(ScoresForm);
    application.Run();
  } catch (const std::exception& error) {
    application.HandleException(error);
    return 1;
  }
  return 0;
}
