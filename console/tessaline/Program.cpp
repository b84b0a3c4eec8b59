#include "console/tessaline/MainForm.h"
#include "platform/ui/Application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace marivo;
  TApplication application;
  try {
    TMainForm::Register();
    application.Initialize();
    application.SetTitle("Marivo");
    application.CreateForm(MainForm);
    application.Run();
  } catch (const std::exception& error) {
    application.HandleException(error);
    return 1;
  }
  return 0;
}
