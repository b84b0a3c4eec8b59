#include "platform/ui/Forms.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Resources.h"

#include <algorithm>
#include <vector>

namespace marivo {

void TSizeConstraints::Apply(int& width, int& height) const {
  if (MaxWidth_ > 0)
    width = std::min(width, MaxWidth_);
  if (MaxHeight_ > 0)
    height = std::min(height, MaxHeight_);
  width = std::max(width, MinWidth_);
  height = std::max(height, MinHeight_);
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

void TScreen::SetCursor(TCursor value) {
  if (!Store(Cursor_, value))
    return;
  if (value != crDefault) {
    ::SetCursor(CursorHandle(value));
    return;
  }
  // Back to the shape of the window under the mouse; only our own windows are asked, since a
  // hung program's window would block us.
  const POINT at = CursorPos();
  HWND window = WindowFromPoint(at);
  if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
    SendMessageA(
        window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
        MAKELPARAM(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), WM_MOUSEMOVE));
}

namespace {

void CollectTabStops(TWinControl& parent, std::vector<TWinControl*>& order) {
  for (TWinControl* control : parent.TabList()) {
    if (control->TabStop())
      order.push_back(control);
    CollectTabStops(*control, order);
  }
}

} // namespace

void TForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> order;
  CollectTabStops(*this, order);
  if (order.empty())
    return;
  const std::size_t count = order.size();
  const auto found = std::find(order.begin(), order.end(), current);
  std::size_t index = found != order.end() ? static_cast<std::size_t>(found - order.begin())
                      : forward            ? count - 1
                                           : 0;
  for (std::size_t step = 0; step < count; ++step) {
    index = forward ? (index + 1) % count : (index + count - 1) % count;
    if (order[index] != current && order[index]->CanFocus()) {
      order[index]->SetFocus();
      return;
    }
  }
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetParentFont(false);
  Screen().Forms_.push_back(this);
}

TForm::~TForm() {
  ReleaseCanvas();
  std::erase(Screen().Forms_, this);
}

TCanvas& TForm::Canvas() {
  if (!Canvas_.Handle()) {
    CanvasDC_.emplace(Handle());
    Canvas_.SetHandle(CanvasDC_->Get());
  }
  return Canvas_;
}

void TForm::ReleaseCanvas() {
  Canvas_.SetHandle(nullptr);
  CanvasDC_.reset();
}

TControl* TForm::ControlAtPos(POINT client, bool allowDisabled, bool allowWinControls) const {
  for (int i = ControlCount() - 1; i >= 0; --i) {
    TControl* control = Controls(i);
    if (!control->Visible() || (!allowDisabled && !control->Enabled()) ||
        (!allowWinControls && dynamic_cast<TWinControl*>(control)))
      continue;
    const RECT bounds{control->Left(), control->Top(), control->Left() + control->Width(),
                      control->Top() + control->Height()};
    if (PtInRect(&bounds, client))
      return control;
  }
  return nullptr;
}

void TForm::LoadFromResource() {
  const std::string resourceName = UpperCase(ClassName());
  ReadComponentFromText(*this, LoadResourceText(resourceName), resourceName);
  if (OnCreate)
    OnCreate(this);
}

void TForm::CreateParams(TCreateParams& params) {
  struct TBorder {
    DWORD Style;
    DWORD ExStyle;
  };
  static constexpr TBorder borders[] = {
      {WS_POPUP, 0},                                                              // bsNone
      {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER, 0}, // bsSingle
      {WS_OVERLAPPEDWINDOW, 0},                                                   // bsSizeable
      {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME},  // bsDialog
      {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW},                                // bsToolWindow
      {WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW},                // bsSizeToolWin
  };
  params.Style = borders[BorderStyle_].Style | WS_CLIPCHILDREN;
  params.ExStyle = borders[BorderStyle_].ExStyle;
  if (FormStyle_ == fsStayOnTop)
    params.ExStyle |= WS_EX_TOPMOST;
  // Other forms belong to the main form, so they stay above it and go with it.
  TForm* mainForm = Application ? Application->MainForm() : nullptr;
  params.WndParent = mainForm && mainForm != this ? mainForm->Handle() : nullptr;
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (Store(BorderStyle_, value))
    RecreateWnd();
}

void TForm::SetFormStyle(TFormStyle value) {
  if (!Store(FormStyle_, value))
    return;
  if (HandleAllocated())
    SetWindowPos(Handle(), value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

SIZE TForm::FrameSize() {
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void TForm::SetClientWidth(int value) {
  SetWidth(value + FrameSize().cx);
}

void TForm::SetClientHeight(int value) {
  SetHeight(value + FrameSize().cy);
}

void TForm::SetBounds(int left, int top, int width, int height) {
  Constraints_.Apply(width, height);
  TWinControl::SetBounds(left, top, width, height);
}

void TForm::Resized() {
  if (OnResize && !(ComponentState() & csLoading))
    OnResize(this);
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
  if (Modal_)
    SetModalResult(mrCancel);
  else if (Application && Application->MainForm() == this)
    Application->Terminate();
  else
    Hide();
}

namespace {

// The program's visible top-level windows that take input, now disabled; enabled again when
// this goes.
class TDisabledWindows {
public:
  explicit TDisabledWindows(HWND keep) : Keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), &TDisabledWindows::Disable,
                      reinterpret_cast<LPARAM>(this));
  }
  ~TDisabledWindows() {
    for (HWND window : Windows_)
      if (IsWindow(window))
        EnableWindow(window, TRUE);
  }
  TDisabledWindows(const TDisabledWindows&) = delete;
  TDisabledWindows& operator=(const TDisabledWindows&) = delete;

private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    auto* disabled = reinterpret_cast<TDisabledWindows*>(self);
    if (window != disabled->Keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled->Windows_.push_back(window);
    }
    return TRUE;
  }

  HWND Keep_;
  std::vector<HWND> Windows_;
};

} // namespace

TModalResult TForm::ShowModal() {
  if (Visible() || Modal_)
    throw EInvalidOperation("Cannot make a visible window modal");
  ModalResult_ = mrNone;
  Modal_ = true;
  try {
    // The other windows take input again before this one hides, so the one below gets the
    // activation back.
    const TDisabledWindows disabled(Handle());
    Show();
    while (ModalResult_ == mrNone) {
      if (!Visible() || !Application || Application->Terminated())
        ModalResult_ = mrCancel;
      else
        Application->HandleMessage();
    }
  } catch (...) {
    Modal_ = false;
    Hide();
    throw;
  }
  Modal_ = false;
  Hide();
  return ModalResult_;
}

void TForm::SetModalResult(TModalResult value) {
  ModalResult_ = value;
  // Set while a sent message was handled, it must still wake the modal loop.
  if (Modal_ && value != mrNone && HandleAllocated())
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

void TForm::PlaceForShowing() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (Position_ == poMainFormCenter && Application && Application->MainForm() &&
      Application->MainForm() != this) {
    TForm* mainForm = Application->MainForm();
    area = {mainForm->Left(), mainForm->Top(), mainForm->Left() + mainForm->Width(),
            mainForm->Top() + mainForm->Height()};
  } else if (Position_ != poScreenCenter) {
    return;
  }
  SetBounds(area.left + (area.right - area.left - Width()) / 2,
            area.top + (area.bottom - area.top - Height()) / 2, Width(), Height());
}

void TForm::SetFocusedControl(TWinControl* control) {
  if (control == ActiveControl_)
    return;
  TWinControl* left = ActiveControl_;
  ActiveControl_ = control;
  if (left)
    left->Perform(CM_EXIT, 0, 0);
  // OnExit may have moved the focus on already.
  if (control && ActiveControl_ == control)
    control->Perform(CM_ENTER, 0, 0);
  if (ActiveControl_ == control)
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TForm::ControlRemoved(TWinControl* control) {
  if (ActiveControl_ == control)
    ActiveControl_ = nullptr;
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SYSCOLORCHANGE:
    Perform(CM_SYSCOLORCHANGE, 0, 0);
    break;
  case WM_CLOSE:
    Close();
    return;
  case WM_NCDESTROY:
    ReleaseCanvas();
    break;
  case WM_NEXTDLGCTL: {
    // lParam set: wParam is the window to focus; else wParam 0 is the next control, 1 the one
    // before.
    if (LOWORD(message.LParam)) {
      if (TWinControl* control = FindControl(reinterpret_cast<HWND>(message.WParam));
          control && control->CanFocus())
        control->SetFocus();
    } else {
      TWinControl* current = FindControl(GetFocus());
      SelectNext(current ? current : ActiveControl(), message.WParam == 0);
    }
    return;
  }
  case WM_GETMINMAXINFO: {
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    if (Constraints_.MinWidth() > 0)
      info->ptMinTrackSize.x = Constraints_.MinWidth();
    if (Constraints_.MinHeight() > 0)
      info->ptMinTrackSize.y = Constraints_.MinHeight();
    if (Constraints_.MaxWidth() > 0)
      info->ptMaxTrackSize.x = Constraints_.MaxWidth();
    if (Constraints_.MaxHeight() > 0)
      info->ptMaxTrackSize.y = Constraints_.MaxHeight();
    return;
  }
  case CM_SHOWINGCHANGED:
    if (!Visible() && !HandleAllocated())
      return;
    // OnShow runs before the window appears, so it can still arrange what will be seen.
    if (Visible()) {
      PlaceForShowing();
      if (OnShow)
        OnShow(this);
    } else if (OnHide) {
      OnHide(this);
    }
    ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
    return;
  }
  TWinControl::WndProc(message);
}

} // namespace marivo
