#pragma once

#include "platform/ui/Controls.h"

#include <functional>
#include <string>

namespace marivo {

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// A top-level window whose components, properties and handlers come from its form data, stored
// as a resource named after the form's class.
class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner);

  // Reads the form data of this form's class, then runs OnCreate.
  void LoadFromResource();
  // Asks OnCloseQuery, then OnClose; closing the main form ends the application.
  void Close();
  bool CloseQuery();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
};

} // namespace marivo
