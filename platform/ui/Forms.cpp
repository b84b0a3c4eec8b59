#include "platform/ui/Forms.h"

#include "platform/rtl/FormLoader.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Resources.h"

namespace marivo {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
}

void TForm::LoadFromResource() {
  const std::string resourceName = UpperCase(ClassName());
  ReadComponentFromText(*this, LoadResourceText(resourceName), resourceName);
  if (OnCreate)
    OnCreate(this);
}

void TForm::CreateParams(TCreateParams& params) {
  params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  params.WndParent = nullptr;
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery)
    OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (!CloseQuery())
    return;
  TCloseAction action = caHide;
  if (OnClose)
    OnClose(this, action);
  if (action == caNone)
    return;
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else
    Hide();
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_CLOSE:
    Close();
    return;
  case CM_SHOWINGCHANGED:
    // OnShow runs before the window appears, so it can still arrange what will be seen.
    if (!Visible() && !HandleAllocated())
      return;
    if (Visible() && OnShow)
      OnShow(this);
    ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
    return;
  }
  TWinControl::WndProc(message);
}

} // namespace marivo
