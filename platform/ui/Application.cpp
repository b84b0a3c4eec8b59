#include "platform/ui/Application.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdClasses.h"

#include <windows.h>

namespace marivo {

TApplication* Application = nullptr;

void HandleApplicationException(const std::exception& error) {
  if (Application)
    Application->HandleException(error);
  else
    ShowMessageBox(error.what(), "Error", MB_OK | MB_ICONSTOP);
}

void HandleCurrentException() noexcept {
  const char* text = "Unknown error";
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      text = error.what();
      HandleApplicationException(error);
    } catch (...) {
      HandleApplicationException(Exception(text));
    }
  } catch (...) {
    // The box can fail too (its handler is replaceable), and nothing may cross a window procedure
    // into the system: the text is left where a debugger sees it.
    OutputDebugStringA(text);
  }
}

TApplication::TApplication() : TComponent(nullptr) {
  Application = this;
  RegisterStandardClasses();
}

TApplication::~TApplication() {
  // Forms go first, while Application still answers for their last messages.
  while (ComponentCount() > 0)
    delete Components(ComponentCount() - 1);
  if (Application == this)
    Application = nullptr;
}

void TApplication::Initialize() {
  Terminated_ = false;
}

void TApplication::AdoptForm(TForm* form) {
  form->LoadFromResource();
  if (!MainForm_)
    MainForm_ = form;
}

void TApplication::Run() {
  if (MainForm_)
    MainForm_->Show();
  while (!Terminated_)
    HandleMessage();
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      Terminated_ = true;
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // With no message left no window is left to paint: the rounds of paints are over now, and
  // what they kept is let go here rather than when their timers come.
  TWinControl::EndPaintRounds();
}

void TApplication::HandleMessage() {
  MSG message;
  const BOOL got = GetMessageA(&message, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    Terminated_ = true;
    return;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

bool TApplication::Active() const {
  return GetActiveWindow() != nullptr;
}

void TApplication::Terminate() {
  if (Terminated_)
    return;
  Terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error) {
  ShowMessageBox(error.what(), Title_, MB_OK | MB_ICONSTOP);
}

} // namespace marivo
