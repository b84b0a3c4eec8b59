#pragma once

#include "platform/rtl/Components.h"

#include <exception>
#include <string>

namespace marivo {

class TForm;

// The program object: creates the forms, runs the message loop, shows the standard error box.
class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  void Initialize();
  const std::string& Title() const { return Title_; }
  void SetTitle(const std::string& title) { Title_ = title; }

  // Creates a form from its form data; the first form created is the main form.
  template <class TFormClass> void CreateForm(TFormClass*& reference) {
    reference = new TFormClass(this);
    try {
      AdoptForm(reference);
    } catch (...) {
      delete reference;
      reference = nullptr;
      throw;
    }
  }
  TForm* MainForm() const { return MainForm_; }

  // Shows the main form and handles messages until Terminate or the main form closes.
  void Run();
  void ProcessMessages();
  // Handles one message, waiting for it if none is there; the sent messages of other threads
  // are handled while waiting.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return Terminated_; }
  // One of the program's windows is the active one: the official is working in it.
  bool Active() const;

  // The standard error box: the error's message, OK, the application's title.
  void HandleException(const std::exception& error);

private:
  void AdoptForm(TForm* form);

  std::string Title_;
  TForm* MainForm_ = nullptr;
  bool Terminated_ = false;
};

extern TApplication* Application;

// Reports an error that reached a window procedure or a timer; usable before Application exists.
void HandleApplicationException(const std::exception& error);
// For a catch (...) where a window procedure or a timer ends: whatever was thrown, standard or
// not, is shown in the standard error box, and the message loop goes on.
void HandleCurrentException() noexcept;

} // namespace marivo
