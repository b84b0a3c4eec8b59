#include "platform/ui/Controls.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"

#include <algorithm>

namespace marivo {

namespace {

constexpr const char* kWindowClass = "MarivoControl";
constexpr const char* kControlProperty = "MarivoControl";

// The control whose own-class window is being created, until WM_NCCREATE binds it.
thread_local TWinControl* CreatingControl = nullptr;

} // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

void RegisterWindowClass() {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ControlWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  if (!registered)
    throw EInvalidOperation("Cannot register the window class");
}

} // namespace

// The one way in for window messages: every window of the library lands in its object's WndProc.
// No C++ exception may unwind through USER32, so they end here in the standard error box.
LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetPropA(window, kControlProperty));
  if (!control && msg == WM_NCCREATE && CreatingControl) {
    control = CreatingControl;
    CreatingControl = nullptr;
    control->Handle_ = window;
    control->DefWndProc_ = DefWindowProcA;
    SetPropA(window, kControlProperty, control);
  }
  if (!control)
    return DefWindowProcA(window, msg, wParam, lParam);

  TMessage message{msg, wParam, lParam, 0};
  try {
    control->WndProc(message);
  } catch (const std::exception& error) {
    HandleApplicationException(error);
  }
  if (msg == WM_NCDESTROY) {
    RemovePropA(window, kControlProperty);
    control->Handle_ = nullptr;
  }
  return message.Result;
}

// --- TControl ---------------------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == Parent_)
    return;
  if (Parent_)
    Parent_->RemoveControl(this);
  Parent_ = parent;
  if (Parent_)
    Parent_->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* winControl = dynamic_cast<TWinControl*>(parent))
    SetParent(winControl);
}

TComponent* TControl::GetParentComponent() const {
  return Parent_;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left_ && top == Top_ && width == Width_ && height == Height_)
    return;
  Left_ = left;
  Top_ = top;
  Width_ = width;
  Height_ = height;
  BoundsChanged();
  Invalidate();
}

void TControl::SetVisible(bool value) {
  if (value == Visible_)
    return;
  Visible_ = value;
  Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TControl::SetEnabled(bool value) {
  if (value == Enabled_)
    return;
  Enabled_ = value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetCaption(const std::string& value) {
  if (value == Caption_)
    return;
  Caption_ = value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
  if (value == Color_)
    return;
  Color_ = value;
  Perform(CM_COLORCHANGED, 0, 0);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_TEXTCHANGED:
  case CM_COLORCHANGED:
    Invalidate();
    break;
  default:
    DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Invalidate() {
  if (Parent_ && Parent_->HandleAllocated()) {
    RECT bounds{Left_, Top_, Left_ + Width_, Top_ + Height_};
    InvalidateRect(Parent_->Handle(), &bounds, TRUE);
  }
}

// --- TWinControl ------------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children go with their parent, as owned components go with their owner.
  while (!Controls_.empty())
    delete Controls_.back();
  DestroyHandle();
}

void TWinControl::SetParent(TWinControl* parent) {
  // A window cannot outlive its parent window; a moved one follows its new parent.
  if (!parent)
    DestroyHandle();
  TControl::SetParent(parent);
}

HWND TWinControl::Handle() {
  if (!Handle_)
    CreateWnd();
  return Handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  if (Parent())
    params.WndParent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
  RegisterWindowClass();
  TCreateParams params;
  CreateParams(params);
  if (Visible())
    params.Style |= WS_VISIBLE;
  if (!Enabled())
    params.Style |= WS_DISABLED;
  const bool ownClass = params.WinClassName.empty();
  CreatingControl = ownClass ? this : nullptr;
  HWND window =
      CreateWindowExA(params.ExStyle, ownClass ? kWindowClass : params.WinClassName.c_str(),
                      Caption().c_str(), params.Style, Left(), Top(), Width(), Height(),
                      params.WndParent, nullptr, GetModuleHandleA(nullptr), nullptr);
  CreatingControl = nullptr;
  if (!window)
    throw EInvalidOperation("Cannot create the window of " + Name());
  if (!ownClass) {
    Handle_ = window;
    SetPropA(window, kControlProperty, this);
    DefWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc)));
  }
  for (TControl* control : Controls_)
    if (auto* child = dynamic_cast<TWinControl*>(control))
      child->HandleNeeded();
}

void TWinControl::DestroyHandle() {
  if (Handle_)
    DestroyWindow(Handle_);
  Handle_ = nullptr;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (Handle_ && DefWndProc_)
    message.Result =
        CallWindowProcA(DefWndProc_, Handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(Handle_, &client);
  HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
  FillRect(dc, &client, brush);
  DeleteObject(brush);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_ERASEBKGND:
    EraseBackground(reinterpret_cast<HDC>(message.WParam));
    message.Result = 1;
    return;
  case WM_WINDOWPOSCHANGED: {
    // The user or the system moved the window: the object follows.
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
    if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
      RECT bounds;
      GetWindowRect(Handle_, &bounds);
      if (HWND parent = GetParent(Handle_);
          parent && (GetWindowLongA(Handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
      TControl::SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                          bounds.bottom - bounds.top);
    }
    break;
  }
  case CM_SHOWINGCHANGED:
    UpdateShowing();
    return;
  case CM_ENABLEDCHANGED:
    if (Handle_)
      EnableWindow(Handle_, Enabled());
    return;
  case CM_TEXTCHANGED:
    if (Handle_)
      SetWindowTextA(Handle_, Caption().c_str());
    return;
  }
  TControl::WndProc(message);
}

void TWinControl::UpdateShowing() {
  if (!Handle_) {
    // A hidden child needs no window yet; a shown one needs it once its parent has one.
    if (!Visible() || (Parent() && !Parent()->HandleAllocated()))
      return;
    HandleNeeded();
  }
  ShowWindow(Handle_, Visible() ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height())
    return;
  TControl::SetBounds(left, top, width, height);
  if (Handle_)
    SetWindowPos(Handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
  if (Handle_)
    InvalidateRect(Handle_, nullptr, TRUE);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TControl* control : Controls_)
    if (control->Owner() == root)
      proc(control);
}

void TWinControl::InsertControl(TControl* control) {
  Controls_.push_back(control);
  if (auto* child = dynamic_cast<TWinControl*>(control); child && Handle_) {
    if (child->Handle_)
      ::SetParent(child->Handle_, Handle_);
    else if (child->Visible())
      child->HandleNeeded();
  }
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  control->Invalidate();
  Controls_.erase(std::remove(Controls_.begin(), Controls_.end(), control), Controls_.end());
}

} // namespace marivo
