#include "platform/ui/Controls.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/Menus.h"

#include <windowsx.h>

#include <algorithm>

namespace marivo {

namespace {

constexpr const char* kWindowClass = "MarivoControl";
constexpr const char* kControlProperty = "MarivoControl";

// The timer that ends a parent's picture for its see-through children.
constexpr UINT_PTR BackCaptureTimer = 0xB0C0;

// The parents whose picture is alive, so that a caller who has handled every message can end
// their rounds of paints without waiting for the timers.
std::vector<TWinControl*> OpenBackCaptures;

// The control whose own-class window is being created, until WM_NCCREATE binds it.
thread_local TWinControl* CreatingControl = nullptr;

// The control under the mouse, window-less or not, as the last mouse message placed it.
TControl* MouseControl = nullptr;
std::optional<POINT> CursorPosSeam;
std::function<void(TGraphicControl&)> GraphicPaintSeam;

void SetMouseControl(TControl* control) {
  if (control == MouseControl)
    return;
  TControl* left = MouseControl;
  MouseControl = control;
  if (left)
    left->Perform(CM_MOUSELEAVE, 0, 0);
  // The leave handler may have moved the mouse control on already.
  if (control && MouseControl == control)
    control->Perform(CM_MOUSEENTER, 0, 0);
}

} // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

// One window class per class style a control asks for; its name.
std::string RegisterWindowClass(UINT classStyle) {
  static std::vector<UINT> registered;
  char name[32];
  wsprintfA(name, "%s.%X", kWindowClass, classStyle);
  if (std::find(registered.begin(), registered.end(), classStyle) != registered.end())
    return name;
  WNDCLASSA windowClass{};
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = ControlWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = name;
  if (!RegisterClassA(&windowClass))
    throw EInvalidOperation("Cannot register the window class");
  registered.push_back(classStyle);
  return name;
}

TShiftState MouseShiftState(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT)
    shift |= ssShift;
  if (keys & MK_CONTROL)
    shift |= ssCtrl;
  if (keys & MK_LBUTTON)
    shift |= ssLeft;
  if (keys & MK_RBUTTON)
    shift |= ssRight;
  if (keys & MK_MBUTTON)
    shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0)
    shift |= ssAlt;
  return shift;
}

// A window shown by its parent's paint (a child) or on its own, never activated; a child's
// erase waits for its first paint, which may then cover later changes as well.
void ShowWithoutActivating(HWND window) {
  if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     SWP_DEFERERASE);
  else
    ShowWindow(window, SW_SHOWNOACTIVATE);
}

bool IsMouseMessage(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

} // namespace

TWinControl* FindControl(HWND window) {
  return window ? static_cast<TWinControl*>(GetPropA(window, kControlProperty)) : nullptr;
}

POINT CursorPos() {
  if (CursorPosSeam)
    return *CursorPosSeam;
  POINT position{};
  GetCursorPos(&position);
  return position;
}

void SetCursorPosSeam(std::optional<POINT> position) {
  CursorPosSeam = position;
}

void SetGraphicPaintSeam(std::function<void(TGraphicControl&)> seam) {
  GraphicPaintSeam = std::move(seam);
}

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0)
    shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0)
    shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0)
    shift |= ssAlt;
  return shift;
}

// The one way in for window messages: every window of the library lands in its object's WndProc.
// No C++ exception may unwind through USER32, so they end here in the standard error box.
LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(window);
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
    control->WindowProc(message);
  } catch (...) {
    HandleCurrentException();
  }
  if (msg == WM_NCDESTROY) {
    RemovePropA(window, kControlProperty);
    control->Handle_ = nullptr;
  }
  return message.Result;
}

HCURSOR CursorHandle(TCursor cursor) {
  // The drag cursor has no shape of the platform's own: four arrows tell the text moves.
  static const std::pair<TCursor, LPCSTR> shapes[] = {
      {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},     {crIBeam, IDC_IBEAM},
      {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},   {crSizeNWSE, IDC_SIZENWSE},
      {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW}, {crHourGlass, IDC_WAIT},
      {crDrag, IDC_SIZEALL},      {crNo, IDC_NO},           {crAppStart, IDC_APPSTARTING},
      {crHelp, IDC_HELP},         {crHandPoint, IDC_HAND},  {crSizeAll, IDC_SIZEALL}};
  for (const auto& [shape, id] : shapes)
    if (shape == cursor)
      return LoadCursorA(nullptr, id);
  return nullptr;
}

const std::vector<std::pair<std::string, std::int64_t>>& CursorIdents() {
  static const std::vector<std::pair<std::string, std::int64_t>> idents = {
      {"crDefault", crDefault},
      {"crNone", crNone},
      {"crArrow", crArrow},
      {"crCross", crCross},
      {"crIBeam", crIBeam},
      {"crSizeNESW", crSizeNESW},
      {"crSizeNS", crSizeNS},
      {"crSizeNWSE", crSizeNWSE},
      {"crSizeWE", crSizeWE},
      {"crUpArrow", crUpArrow},
      {"crHourGlass", crHourGlass},
      {"crDrag", crDrag},
      {"crNo", crNo},
      {"crAppStart", crAppStart},
      {"crHelp", crHelp},
      {"crHandPoint", crHandPoint},
      {"crSizeAll", crSizeAll}};
  return idents;
}

// --- TControl ---------------------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  Font_.OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  if (Freed_)
    *Freed_ = true;
  if (MouseControl == this)
    MouseControl = nullptr;
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == Parent_)
    return;
  if (parent == this)
    throw EInvalidOperation("A control cannot be its own parent");
  TForm* oldForm = Parent_ ? Parent_->ParentForm() : nullptr;
  if (Parent_)
    Parent_->RemoveControl(this);
  Parent_ = parent;
  if (Parent_) {
    Parent_->InsertControl(this);
    if (ParentFont_)
      Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (ParentColor_)
      Perform(CM_PARENTCOLORCHANGED, 0, 0);
    Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    if (Align_ != alNone)
      Parent_->AlignControls();
  }
  // Off its form, the active control (or the one holding it) must get no later exit.
  if (oldForm && (!Parent_ || Parent_->ParentForm() != oldForm))
    for (TControl* active = oldForm->ActiveControl(); active; active = active->Parent())
      if (active == this) {
        oldForm->ControlRemoved(oldForm->ActiveControl());
        break;
      }
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* winControl = dynamic_cast<TWinControl*>(parent))
    SetParent(winControl);
}

TComponent* TControl::GetParentComponent() const {
  return Parent_;
}

POINT TControl::ClientToScreen(POINT point) {
  for (TControl* control = this; control; control = control->Parent_) {
    if (auto* window = dynamic_cast<TWinControl*>(control); window && window->HandleAllocated()) {
      ::ClientToScreen(window->Handle(), &point);
      break;
    }
    point.x += control->Left_;
    point.y += control->Top_;
  }
  return point;
}

POINT TControl::ScreenToClient(POINT point) {
  const POINT origin = ClientToScreen(POINT{0, 0});
  return POINT{point.x - origin.x, point.y - origin.y};
}

TForm* TControl::ParentForm() {
  TControl* control = this;
  while (control->Parent_)
    control = control->Parent_;
  return dynamic_cast<TForm*>(control);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (Parent_ && Align_ != alNone)
    Parent_->AlignControls();
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == PopupMenu_)
    PopupMenu_ = nullptr;
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  ReplaceWatched(PopupMenu_, value);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left_ && top == Top_ && width == Width_ && height == Height_)
    return;
  // The place left behind shows the parent again, however opaque the control was.
  if (Parent_ && Parent_->HandleAllocated()) {
    const RECT old{Left_, Top_, Left_ + Width_, Top_ + Height_};
    InvalidateRect(Parent_->Handle(), &old, TRUE);
  }
  Left_ = left;
  Top_ = top;
  Width_ = width;
  Height_ = height;
  BoundsChanged();
  Invalidate();
  if (Parent_ && Align_ != alNone)
    Parent_->AlignControls();
}

void TControl::SetAlign(TAlign value) {
  if (Store(Align_, value) && Parent_)
    Parent_->AlignControls();
}

bool TControl::Showing() const {
  for (const TControl* control = this; control; control = control->Parent_)
    if (!control->Visible_)
      return false;
  return true;
}

void TControl::SetVisible(bool value) {
  if (!Store(Visible_, value))
    return;
  Perform(CM_SHOWINGCHANGED, 0, 0);
  Invalidate();
  if (Parent_ && Align_ != alNone)
    Parent_->AlignControls();
}

void TControl::SetEnabled(bool value) {
  if (Store(Enabled_, value))
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetCaption(const std::string& value) {
  if (Store(Caption_, value))
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
  if (!Store(Color_, value))
    return;
  ParentColor_ = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
  if (Store(ParentColor_, value) && value)
    Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
  if (Store(ParentFont_, value) && value)
    Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged() {
  if (!SyncingFont_)
    ParentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::BringToFront() {
  if (Parent_) {
    auto& siblings = Parent_->Controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    siblings.push_back(this);
  }
  if (auto* window = dynamic_cast<TWinControl*>(this); window && window->HandleAllocated())
    SetWindowPos(window->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

void TControl::Click() {
  if (OnClick)
    OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick)
    OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown)
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp)
    OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove)
    OnMouseMove(this, shift, x, y);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::HandleMouse(TMessage& message) {
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  const TShiftState shift = MouseShiftState(message.WParam);
  UINT msg = message.Msg;
  if (msg == WM_LBUTTONDBLCLK && !(ControlStyle_ & csDoubleClicks))
    msg = WM_LBUTTONDOWN;
  switch (msg) {
  case WM_LBUTTONDOWN:
    Clicking_ = (ControlStyle_ & csClickEvents) != 0;
    MouseDown(mbLeft, shift, x, y);
    break;
  case WM_LBUTTONDBLCLK:
    if (ControlStyle_ & csClickEvents)
      DblClick();
    MouseDown(mbLeft, static_cast<TShiftState>(shift | ssDouble), x, y);
    break;
  case WM_RBUTTONDOWN:
    MouseDown(mbRight, shift, x, y);
    break;
  case WM_LBUTTONUP: {
    const bool clicked = Clicking_ && x >= 0 && y >= 0 && x < Width_ && y < Height_;
    Clicking_ = false;
    MouseUp(mbLeft, shift, x, y);
    if (clicked && dynamic_cast<TGraphicControl*>(this))
      Click();
    break;
  }
  case WM_RBUTTONUP:
    MouseUp(mbRight, shift, x, y);
    break;
  case WM_MOUSEMOVE:
    MouseMove(shift, x, y);
    break;
  }
}

void TControl::WndProc(TMessage& message) {
  if (IsMouseMessage(message.Msg) && Enabled_) {
    // A click may free the control (its form closed from OnClick): nothing touches it after.
    if (FreedBy([&] { HandleMouse(message); }))
      return;
  }
  switch (message.Msg) {
  case CM_TEXTCHANGED:
  case CM_COLORCHANGED:
  case CM_FONTCHANGED:
    Invalidate();
    break;
  case CM_PARENTFONTCHANGED:
    if (ParentFont_ && Parent_) {
      SyncingFont_ = true;
      Font_.Assign(message.WParam ? *reinterpret_cast<TFont*>(message.LParam) : Parent_->Font());
      SyncingFont_ = false;
    }
    break;
  case CM_PARENTCOLORCHANGED:
    if (ParentColor_ && Parent_ && Color_ != Parent_->Color()) {
      Color_ = Parent_->Color();
      Perform(CM_COLORCHANGED, 0, 0);
    }
    break;
  case WM_CONTEXTMENU:
    if (PopupMenu_) {
      PopupMenu_->Popup(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
      message.Result = 1;
      return;
    }
    DefaultHandler(message);
    break;
  default:
    DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage&) {}

// An opaque control covers its bounds, so the parent's background need not be erased first.
void TControl::Invalidate() {
  if (Parent_ && Parent_->HandleAllocated()) {
    RECT bounds{Left_, Top_, Left_ + Width_, Top_ + Height_};
    InvalidateRect(Parent_->Handle(), &bounds, !(ControlStyle_ & csOpaque));
  }
}

void TControl::Repaint() {
  Invalidate();
  for (TControl* control = this; control; control = control->Parent_)
    if (auto* window = dynamic_cast<TWinControl*>(control); window && window->HandleAllocated()) {
      UpdateWindow(window->Handle());
      break;
    }
}

// --- TWinControl ------------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children go with their parent, as owned components go with their owner.
  while (!Controls_.empty())
    delete Controls_.back();
  if (TForm* form = ParentForm(); form && form != this)
    form->ControlRemoved(this);
  DestroyHandle();
}

void TWinControl::SetCtl3D(bool value) {
  if (!Store(Ctl3D_, value))
    return;
  ParentCtl3D_ = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool value) {
  if (Store(ParentCtl3D_, value) && value)
    Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::DoEnter() {
  if (OnEnter)
    OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit)
    OnExit(this);
}

void TWinControl::SetParent(TWinControl* parent) {
  // A window cannot outlive its parent window; a moved one follows its new parent.
  if (!parent)
    DestroyHandle();
  TControl::SetParent(parent);
}

void TWinControl::Broadcast(TMessage& message) {
  for (std::size_t i = 0; i < Controls_.size(); ++i) {
    Controls_[i]->WndProc(message);
    if (message.Result != 0)
      return;
  }
}

HWND TWinControl::Handle() {
  if (!Handle_)
    CreateWnd();
  return Handle_;
}

int TWinControl::ClientWidth() {
  if (!Handle_)
    return Width();
  RECT client;
  GetClientRect(Handle_, &client);
  return client.right;
}

int TWinControl::ClientHeight() {
  if (!Handle_)
    return Height();
  RECT client;
  GetClientRect(Handle_, &client);
  return client.bottom;
}

bool TWinControl::Focused() const {
  return Handle_ && GetFocus() == Handle_;
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent())
    if (!control->Visible() || !control->Enabled())
      return false;
  return true;
}

bool TWinControl::SelectFirst() {
  for (TWinControl* child : TabList_) {
    if (child->CanFocus()) {
      child->SetFocus();
      return true;
    }
  }
  return false;
}

int TWinControl::TabOrder() const {
  if (!Parent())
    return -1;
  const auto& list = Parent()->TabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  // Read before the siblings after it exist, it waits for the parent's Loaded.
  if (ComponentState() & csLoading) {
    ReadTabOrder_ = value;
    return;
  }
  if (!Parent())
    return;
  auto& list = Parent()->TabList_;
  std::erase(list, this);
  const bool inRange = value >= 0 && static_cast<std::size_t>(value) < list.size();
  list.insert(inRange ? list.begin() + value : list.end(), this);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Children read with a place take it; the others fill the places left in the order they came
  // in, those whose place was out of range or taken last.
  const std::size_t count = TabList_.size();
  std::vector<TWinControl*> places(count, nullptr);
  std::vector<TWinControl*> unplaced;
  std::vector<TWinControl*> last;
  for (TWinControl* child : TabList_) {
    const std::optional<int> read = std::exchange(child->ReadTabOrder_, std::nullopt);
    if (!read) {
      unplaced.push_back(child);
      continue;
    }
    const std::size_t place = *read < 0 ? count : static_cast<std::size_t>(*read);
    if (place < count && !places[place])
      places[place] = child;
    else
      last.push_back(child);
  }
  unplaced.insert(unplaced.end(), last.begin(), last.end());
  auto next = unplaced.begin();
  for (TWinControl*& place : places)
    if (!place)
      place = *next++;
  TabList_ = std::move(places);
}

void TWinControl::SetFocus() {
  if (!CanFocus())
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::CreateParams(TCreateParams& params) {
  if (Parent())
    params.WndParent = Parent()->Handle();
  if (TabStop_)
    params.Style |= WS_TABSTOP;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  // Asking for the parent's window may already have made this one as the parent's child.
  if (Handle_)
    return;
  if (!Enabled())
    params.Style |= WS_DISABLED;
  const bool ownClass = params.WinClassName.empty();
  const std::string className =
      ownClass ? RegisterWindowClass(params.ClassStyle) : params.WinClassName;
  CreatingControl = ownClass ? this : nullptr;
  HWND window = CreateWindowExA(params.ExStyle, className.c_str(), Caption().c_str(), params.Style,
                                Left(), Top(), Width(), Height(), params.WndParent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  CreatingControl = nullptr;
  if (!window)
    throw EInvalidOperation("Cannot create the window of " + Name());
  if (!ownClass) {
    Handle_ = window;
    SetPropA(window, kControlProperty, this);
    DefWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc)));
  }
  PlaceInZOrder();
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  for (TControl* control : Controls_)
    if (auto* child = dynamic_cast<TWinControl*>(control); child && child->Visible())
      child->HandleNeeded();
  AlignControls();
  // Made hidden and shown once its children stand in place, so that the whole subtree paints
  // once; a window shown without activation is not activated, as a child never is.
  if (Visible() && (params.Style & WS_CHILD || params.ExStyle & WS_EX_NOACTIVATE))
    ShowWithoutActivating(window);
  else if (Visible())
    ShowWindow(window, SW_SHOW);
}

// A window made late (a control first shown at run time) still stands among its siblings as
// the controls list orders them: above those before it, below those after it.
void TWinControl::PlaceInZOrder() {
  if (!Parent())
    return;
  const auto& siblings = Parent()->Controls_;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  HWND above = HWND_TOP;
  for (++it; it != siblings.end(); ++it)
    if (auto* sibling = dynamic_cast<TWinControl*>(*it); sibling && sibling->Handle_) {
      above = sibling->Handle_;
      break;
    }
  SetWindowPos(Handle_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::RecreateWnd() {
  if (!Handle_)
    return;
  HWND focus = GetFocus();
  TWinControl* focused =
      focus && (focus == Handle_ || IsChild(Handle_, focus)) ? FindControl(focus) : nullptr;
  // Children must not go down with the old window.
  for (TControl* control : Controls_)
    if (auto* child = dynamic_cast<TWinControl*>(control))
      child->DestroyHandle();
  DestroyHandle();
  MouseCapture_ = nullptr;
  if (Visible() && (!Parent() || Parent()->HandleAllocated()))
    HandleNeeded();
  if (focused && focused->HandleAllocated())
    ::SetFocus(focused->Handle_);
}

void TWinControl::DestroyHandle() {
  HWND window = Handle_;
  if (!window)
    return;
  DestroyWindow(window);
  Handle_ = nullptr;
  BackCapture_.reset();
  // A window of another thread outlives the call: its messages must find no control here.
  if (IsWindow(window) && FindControl(window) == this)
    RemovePropA(window, kControlProperty);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (Handle_ && DefWndProc_)
    message.Result =
        CallWindowProcA(DefWndProc_, Handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(Handle_, &client);
  const TBrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(dc, &client, brush.Get());
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : Controls_) {
    auto* graphic = dynamic_cast<TGraphicControl*>(control);
    if (!graphic || !graphic->Visible() || graphic->Width() <= 0 || graphic->Height() <= 0)
      continue;
    // Outside what is painted now it would be clipped away whole.
    const RECT bounds{graphic->Left(), graphic->Top(), graphic->Left() + graphic->Width(),
                      graphic->Top() + graphic->Height()};
    if (!RectVisible(dc, &bounds))
      continue;
    const TSavedDC saved(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    SetViewportOrgEx(dc, graphic->Left(), graphic->Top(), nullptr);
    graphic->Canvas().SetHandle(dc);
    if (GraphicPaintSeam)
      GraphicPaintSeam(*graphic);
    try {
      graphic->Paint();
    } catch (...) {
      graphic->Canvas().SetHandle(nullptr);
      throw;
    }
    graphic->Canvas().SetHandle(nullptr);
  }
}

void TWinControl::PaintHandler(TMessage& message) {
  const bool hasGraphicChildren = std::any_of(Controls_.begin(), Controls_.end(), [](auto* c) {
    return dynamic_cast<TGraphicControl*>(c) != nullptr;
  });
  if (!OwnWindowClass()) {
    // A platform control paints itself; graphic children go on top of what it drew.
    DefaultHandler(message);
    if (hasGraphicChildren) {
      const TWindowDC dc(Handle_);
      PaintControls(dc.Get());
    }
    return;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle_, &paint);
  try {
    PaintWindow(dc);
    PaintControls(dc);
  } catch (...) {
    EndPaint(Handle_, &paint);
    throw;
  }
  EndPaint(Handle_, &paint);
}

TGraphicControl* TWinControl::GraphicControlAt(int x, int y) {
  for (auto it = Controls_.rbegin(); it != Controls_.rend(); ++it) {
    auto* graphic = dynamic_cast<TGraphicControl*>(*it);
    if (graphic && graphic->Visible() && x >= graphic->Left() && y >= graphic->Top() &&
        x < graphic->Left() + graphic->Width() && y < graphic->Top() + graphic->Height())
      return graphic;
  }
  return nullptr;
}

// Graphic children have no window: their parent hands them its mouse messages, and keeps
// handing them to the one pressed until the button is released, when it captures the mouse.
bool TWinControl::ForwardMouse(TMessage& message) {
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  if (message.Msg == WM_MOUSEMOVE)
    TrackMouse(x, y);
  TGraphicControl* target = MouseCapture_ ? MouseCapture_ : GraphicControlAt(x, y);
  if (!target)
    return false;
  if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) &&
      (target->ControlStyle() & csCaptureMouse)) {
    MouseCapture_ = target;
    SetCapture(Handle_);
  }
  TMessage forwarded = message;
  forwarded.LParam = MAKELPARAM(x - target->Left(), y - target->Top());
  if (message.Msg == WM_LBUTTONUP && MouseCapture_) {
    // Cleared first: releasing sends WM_CAPTURECHANGED, which is no loss here.
    MouseCapture_ = nullptr;
    ReleaseCapture();
  }
  target->WndProc(forwarded);
  message.Result = forwarded.Result;
  return true;
}

// The control under the mouse: a graphic child, this window, or nothing once the captured
// mouse is outside. Leaving the window is reported by WM_MOUSELEAVE.
void TWinControl::TrackMouse(int x, int y) {
  TControl* under = nullptr;
  if (x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight()) {
    under = GraphicControlAt(x, y);
    if (!under)
      under = this;
  }
  if (under && Handle_) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, Handle_, 0};
    TrackMouseEvent(&track);
  }
  SetMouseControl(under);
}

// A pressed graphic child whose press ends elsewhere (a message box, another capture) is told,
// so it does not stay down.
void TWinControl::ReleaseGraphicCapture(TMessage& message) {
  if (!MouseCapture_ || reinterpret_cast<HWND>(message.LParam) == Handle_)
    return;
  TGraphicControl* pressed = MouseCapture_;
  MouseCapture_ = nullptr;
  pressed->Perform(WM_CAPTURECHANGED, message.WParam, message.LParam);
}

// A character no control used goes to the form's controls as an accelerator; true when one
// answered.
bool TWinControl::DialogChar(TMessage& message) {
  TForm* form = ParentForm();
  if (!form)
    return false;
  if (message.Msg == WM_CHAR && Handle_ &&
      (SendMessageA(Handle_, WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)))
    return false;
  return form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0;
}

// Enter and Esc that the control does not take itself go to the form's Default and Cancel
// buttons; true when one answered.
bool TWinControl::DialogKey(UINT msg, WORD key) {
  if (msg != WM_KEYDOWN || (key != VK_RETURN && key != VK_ESCAPE))
    return false;
  if (Handle_ && (SendMessageA(Handle_, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS))
    return false;
  TForm* form = ParentForm();
  return form && form->Perform(CM_DIALOGKEY, key, 0) != 0;
}

bool TWinControl::PreviewKey(UINT msg, WORD& key, TShiftState shift) {
  TForm* form = ParentForm();
  if (!form || form == this || !form->KeyPreview())
    return false;
  char character = static_cast<char>(key);
  bool consumed = false;
  switch (msg) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
    consumed = form->KeyDown(key, shift);
    break;
  case WM_KEYUP:
  case WM_SYSKEYUP:
    consumed = form->KeyUp(key, shift);
    break;
  case WM_CHAR:
    consumed = form->KeyPress(character);
    key = static_cast<unsigned char>(character);
    break;
  }
  return consumed;
}

bool TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown)
    OnKeyDown(this, key, shift);
  return key == 0;
}

bool TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp)
    OnKeyUp(this, key, shift);
  return key == 0;
}

bool TWinControl::KeyPress(char& key) {
  if (OnKeyPress)
    OnKeyPress(this, key);
  return key == 0;
}

// Each handler answers whether the message is done with; what is not goes on to the window-less
// children under the mouse and the inherited handling.
void TWinControl::WndProc(TMessage& message) {
  bool done = false;
  switch (message.Msg) {
  case WM_ERASEBKGND:
    done = WMEraseBkgnd(message);
    break;
  case WM_NCPAINT:
    // A window without frame, caption or scroll bars has nothing there to paint, and asking
    // for its window's device context costs as much as a small paint.
    if (!HasNonClientArea())
      return;
    break;
  case WM_PAINT:
    done = WMPaint(message);
    break;
  case WM_TIMER:
    done = WMTimer(message);
    break;
  case WM_PRINTCLIENT:
    done = WMPrintClient(message);
    break;
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
  case WM_KEYUP:
  case WM_SYSKEYUP:
  case WM_CHAR:
  case WM_SYSCHAR:
    done = WMKey(message);
    break;
  case WM_SETFOCUS:
    done = WMSetFocus(message);
    break;
  case WM_KILLFOCUS:
    done = WMKillFocus(message);
    break;
  case CM_ENTER:
    done = CMEnter(message);
    break;
  case CM_EXIT:
    done = CMExit(message);
    break;
  case WM_CAPTURECHANGED:
    done = WMCaptureChanged(message);
    break;
  case WM_SETCURSOR:
    done = SetCursorShape(message);
    break;
  case WM_MOUSELEAVE:
    done = WMMouseLeave(message);
    break;
  case CM_DIALOGCHAR:
  case CM_DIALOGKEY:
  case CM_FOCUSCHANGED:
    done = CMBroadcast(message);
    break;
  case CM_SYSCOLORCHANGE:
    done = CMSysColorChange(message);
    break;
  case CM_CTL3DCHANGED:
    done = CMCtl3DChanged(message);
    break;
  case CM_PARENTCTL3DCHANGED:
    done = CMParentCtl3DChanged(message);
    break;
  case WM_COMMAND:
  case WM_NOTIFY:
  case WM_DRAWITEM:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORSTATIC:
    done = WMChildNotify(message);
    break;
  case WM_WINDOWPOSCHANGED:
    done = WMWindowPosChanged(message);
    break;
  case WM_CONTEXTMENU:
    done = WMContextMenu(message);
    break;
  case CM_SHOWINGCHANGED:
    done = CMShowingChanged(message);
    break;
  case CM_ENABLEDCHANGED:
    done = CMEnabledChanged(message);
    break;
  case CM_TEXTCHANGED:
    done = CMTextChanged(message);
    break;
  case CM_FONTCHANGED:
    done = CMFontChanged(message);
    break;
  case CM_COLORCHANGED:
    done = CMColorChanged(message);
    break;
  }
  if (done)
    return;
  if (IsMouseMessage(message.Msg) && ForwardMouse(message)) {
    // The system makes the context-menu request of a right click over a window-less child too.
    if (message.Msg == WM_RBUTTONUP)
      DefaultHandler(message);
    return;
  }
  TControl::WndProc(message);
}

bool TWinControl::WMEraseBkgnd(TMessage& message) {
  if (!OwnWindowClass())
    return false;
  EraseBackground(reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
  return true;
}

bool TWinControl::WMPaint(TMessage& message) {
  // What the children shared of the last paint may have changed since.
  BackCapture_.reset();
  PaintHandler(message);
  return true;
}

bool TWinControl::WMTimer(TMessage& message) {
  if (message.WParam != BackCaptureTimer)
    return false;
  EndPaintRound();
  return true;
}

void TWinControl::EndPaintRound() {
  KillTimer(Handle_, BackCaptureTimer);
  BackCapture_.reset();
}

void TWinControl::EndPaintRounds() {
  while (!OpenBackCaptures.empty())
    OpenBackCaptures.back()->EndPaintRound();
}

// Painting into a given device context, away from the screen and the windows over it.
bool TWinControl::WMPrintClient(TMessage& message) {
  if (!OwnWindowClass())
    return false;
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  PaintWindow(dc);
  PaintControls(dc);
  return true;
}

// The form sees every key first when it asks to; a key set to 0 goes no further.
bool TWinControl::WMKey(TMessage& message) {
  WORD key = static_cast<WORD>(message.WParam);
  const TShiftState shift = KeyboardShiftState();
  // The message keeps the key as the handlers left it, 0 when they took it, for any control
  // that passes it on.
  if (PreviewKey(message.Msg, key, shift)) {
    message.WParam = key;
    return true;
  }
  bool consumed = false;
  if (message.Msg == WM_SYSCHAR) {
    consumed = DialogChar(message);
  } else if (message.Msg == WM_CHAR) {
    char character = static_cast<char>(key);
    consumed = KeyPress(character);
    key = static_cast<unsigned char>(character);
    message.WParam = key;
    consumed = consumed || DialogChar(message);
  } else if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN) {
    consumed = KeyDown(key, shift) || TabToNext(key, shift) || ArrowToSibling(key, shift) ||
               DialogKey(message.Msg, key);
  } else {
    consumed = KeyUp(key, shift);
  }
  message.WParam = key;
  return consumed;
}

bool TWinControl::WMSetFocus(TMessage&) {
  // A control outside any form has no active control to follow: the focus decides.
  if (TForm* form = ParentForm(); !form)
    DoEnter();
  else if (form != this)
    form->SetFocusedControl(this);
  return false;
}

bool TWinControl::WMKillFocus(TMessage&) {
  if (!ParentForm())
    DoExit();
  return false;
}

bool TWinControl::CMEnter(TMessage&) {
  DoEnter();
  return true;
}

bool TWinControl::CMExit(TMessage&) {
  DoExit();
  return true;
}

bool TWinControl::WMCaptureChanged(TMessage& message) {
  ReleaseGraphicCapture(message);
  return false;
}

bool TWinControl::WMMouseLeave(TMessage&) {
  // A windowed child under the mouse took over from this window by itself.
  if (MouseControl == this ||
      (dynamic_cast<TGraphicControl*>(MouseControl) && MouseControl->Parent() == this))
    SetMouseControl(nullptr);
  return false;
}

bool TWinControl::CMBroadcast(TMessage& message) {
  Broadcast(message);
  return true;
}

bool TWinControl::CMSysColorChange(TMessage&) {
  for (TControl* control : Controls_)
    control->Perform(CM_SYSCOLORCHANGE, 0, 0);
  return true;
}

bool TWinControl::CMCtl3DChanged(TMessage&) {
  Invalidate();
  for (TControl* control : Controls_)
    control->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
  return true;
}

bool TWinControl::CMParentCtl3DChanged(TMessage&) {
  if (ParentCtl3D_ && Parent() && Ctl3D_ != Parent()->Ctl3D_) {
    Ctl3D_ = Parent()->Ctl3D_;
    Perform(CM_CTL3DCHANGED, 0, 0);
  }
  return true;
}

// Platform controls tell their parent; the control's own object decides.
bool TWinControl::WMChildNotify(TMessage& message) {
  HWND child = message.Msg == WM_NOTIFY ? reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom
               : message.Msg == WM_DRAWITEM
                   ? reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem
                   : reinterpret_cast<HWND>(message.LParam);
  TWinControl* control = FindControl(child);
  if (!control || control == this)
    return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

// The user or the system moved the window: the object follows.
bool TWinControl::WMWindowPosChanged(TMessage&) {
  RECT bounds;
  GetWindowRect(Handle_, &bounds);
  if (HWND parent = GetParent(Handle_); parent && (GetWindowLongA(Handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
  const SIZE before{Width(), Height()};
  TControl::SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                      bounds.bottom - bounds.top);
  AlignControls();
  if (before.cx != Width() || before.cy != Height()) {
    BackCapture_.reset();
    Resized();
  }
  return false;
}

// A window-less child has no window for the system to ask: the one under the mouse is first.
bool TWinControl::WMContextMenu(TMessage& message) {
  const POINT at =
      ScreenToClient(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  TGraphicControl* graphic = GraphicControlAt(at.x, at.y);
  if (!graphic || !graphic->Enabled() ||
      graphic->Perform(WM_CONTEXTMENU, message.WParam, message.LParam) == 0)
    return false;
  message.Result = 1;
  return true;
}

bool TWinControl::CMShowingChanged(TMessage&) {
  UpdateShowing();
  return true;
}

bool TWinControl::CMEnabledChanged(TMessage&) {
  if (Handle_)
    EnableWindow(Handle_, Enabled());
  return true;
}

bool TWinControl::CMTextChanged(TMessage&) {
  if (Handle_)
    SetWindowTextA(Handle_, Caption().c_str());
  return true;
}

bool TWinControl::CMFontChanged(TMessage&) {
  if (Handle_)
    SendMessageA(Handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* control : Controls_)
    control->Perform(CM_PARENTFONTCHANGED, 1, reinterpret_cast<LPARAM>(&Font()));
  return false;
}

bool TWinControl::CMColorChanged(TMessage&) {
  for (TControl* control : Controls_)
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
  return false;
}

// Tab and Shift+Tab move the focus through the form, unless the control asks for the key.
bool TWinControl::TabToNext(WORD key, TShiftState shift) {
  if (key != VK_TAB || (shift & (ssCtrl | ssAlt)) || !Handle_)
    return false;
  if (SendMessageA(Handle_, WM_GETDLGCODE, key, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))
    return false;
  TForm* form = ParentForm();
  if (!form || form == this)
    return false;
  form->SelectNext(this, !(shift & ssShift));
  return true;
}

// Arrow keys the focused control does not take move the focus to the next or previous sibling
// that can take it, tab stop or not, going round.
bool TWinControl::ArrowToSibling(WORD key, TShiftState shift) {
  const bool forward = key == VK_RIGHT || key == VK_DOWN;
  if ((!forward && key != VK_LEFT && key != VK_UP) || (shift & (ssCtrl | ssAlt)) || !Handle_ ||
      !Parent() || GetFocus() != Handle_)
    return false;
  if (SendMessageA(Handle_, WM_GETDLGCODE, key, 0) & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))
    return false;
  TForm* form = ParentForm();
  if (!form || form == this)
    return false;
  const std::vector<TWinControl*>& siblings = Parent()->TabList_;
  const std::size_t count = siblings.size();
  std::size_t index = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), this) -
                                               siblings.begin());
  for (std::size_t step = 1; step < count; ++step) {
    index = forward ? (index + 1) % count : (index + count - 1) % count;
    if (siblings[index]->CanFocus()) {
      siblings[index]->SetFocus();
      return true;
    }
  }
  return false;
}

bool TWinControl::SetCursorShape(TMessage& message) {
  if (LOWORD(message.LParam) != HTCLIENT || reinterpret_cast<HWND>(message.WParam) != Handle_)
    return false;
  TCursor cursor = Screen().Cursor();
  if (cursor == crDefault) {
    POINT at = CursorPos();
    ::ScreenToClient(Handle_, &at);
    TControl* under = GraphicControlAt(at.x, at.y);
    cursor = under && under->Cursor() != crDefault ? under->Cursor() : Cursor();
  }
  if (cursor == crDefault)
    return false;
  ::SetCursor(CursorHandle(cursor));
  message.Result = 1;
  return true;
}

void TWinControl::UpdateShowing() {
  if (!Handle_) {
    // A hidden child needs no window yet; a shown one needs it once its parent has one.
    if (!Visible() || (Parent() && !Parent()->HandleAllocated()))
      return;
    HandleNeeded();
  }
  if (Visible())
    ShowWithoutActivating(Handle_);
  else
    ShowWindow(Handle_, SW_HIDE);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height())
    return;
  const bool resized = width != Width() || height != Height();
  TControl::SetBounds(left, top, width, height);
  // Erased with the next paint rather than now, so that a layout moving many windows erases
  // each of them once.
  if (Handle_)
    SetWindowPos(Handle_, nullptr, left, top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
  AlignControls();
  if (resized)
    Resized();
}

void TWinControl::AlignControls() {
  RECT rect = ClientRect();
  AlignControls(nullptr, rect);
}

void TWinControl::AlignControls(TControl*, RECT& rest) {
  if (Aligning_ || (ComponentState() & csLoading))
    return;
  Aligning_ = true;
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> aligned;
    for (TControl* control : Controls_)
      if (control->Visible() && control->Align() == kind)
        aligned.push_back(control);
    // Side by side in the order they stand: top to bottom, left to right.
    std::stable_sort(aligned.begin(), aligned.end(), [kind](TControl* a, TControl* b) {
      switch (kind) {
      case alTop:
        return a->Top() < b->Top();
      case alBottom:
        return a->Top() > b->Top();
      case alLeft:
        return a->Left() < b->Left();
      case alRight:
        return a->Left() > b->Left();
      default:
        return false;
      }
    });
    for (TControl* control : aligned) {
      const int width = std::max(0, static_cast<int>(rest.right - rest.left));
      const int height = std::max(0, static_cast<int>(rest.bottom - rest.top));
      switch (kind) {
      case alTop:
        control->SetBounds(rest.left, rest.top, width, control->Height());
        rest.top += control->Height();
        break;
      case alBottom:
        control->SetBounds(rest.left, rest.bottom - control->Height(), width, control->Height());
        rest.bottom -= control->Height();
        break;
      case alLeft:
        control->SetBounds(rest.left, rest.top, control->Width(), height);
        rest.left += control->Width();
        break;
      case alRight:
        control->SetBounds(rest.right - control->Width(), rest.top, control->Width(), height);
        rest.right -= control->Width();
        break;
      default:
        control->SetBounds(rest.left, rest.top, width, height);
        break;
      }
    }
  }
  Aligning_ = false;
}

bool TWinControl::HasNonClientArea() const {
  RECT window;
  RECT client;
  GetWindowRect(Handle_, &window);
  GetClientRect(Handle_, &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

void TWinControl::LockDrawing() {
  if (DrawingLocks_++ == 0 && Handle_ && IsWindowVisible(Handle_)) {
    SendMessageA(Handle_, WM_SETREDRAW, FALSE, 0);
    DrawingHeld_ = true;
  }
}

void TWinControl::UnlockDrawing() {
  if (--DrawingLocks_ > 0 || !std::exchange(DrawingHeld_, false) || !Handle_)
    return;
  SendMessageA(Handle_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(Handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

bool TWinControl::PaintParentBackground(HDC dc) {
  TWinControl* parent = Parent();
  if (!Handle_ || !parent || !parent->Handle_)
    return false;
  POINT origin{0, 0};
  MapWindowPoints(Handle_, parent->Handle_, &origin, 1);
  // Only what the DC can show is wanted: a caption's band, or the part a paint uncovers.
  RECT wanted{0, 0, ClientWidth(), ClientHeight()};
  RECT shown;
  if (GetClipBox(dc, &shown) != NULLREGION)
    IntersectRect(&wanted, &wanted, &shown);
  OffsetRect(&wanted, origin.x, origin.y);
  const RECT parentClient{0, 0, parent->ClientWidth(), parent->ClientHeight()};
  if (!IntersectRect(&wanted, &wanted, &parentClient))
    return false;
  BitBlt(dc, 0, 0, ClientWidth(), ClientHeight(), parent->CaptureBack(wanted), origin.x, origin.y,
         SRCCOPY);
  return true;
}

struct TWinControl::TBackCapture {
  TBackCapture(TWinControl& owner, int width, int height)
      : Owner(owner), Pixels(width, height), DC(CreateCompatibleDC(nullptr)),
        Selected(DC.Get(), Pixels.Handle.Get()), Painted(CreateRectRgn(0, 0, 0, 0)) {
    OpenBackCaptures.push_back(&Owner);
  }
  ~TBackCapture() { std::erase(OpenBackCaptures, &Owner); }
  TBackCapture(const TBackCapture&) = delete;
  TBackCapture& operator=(const TBackCapture&) = delete;
  TWinControl& Owner;
  TDibSection Pixels;
  TMemoryDC DC;
  TSelection Selected;
  TRegionHandle Painted;
};

// Painted where a child first wants it, each part once, so that graphic controls elsewhere are
// not painted twice and no more memory is filled than the children show; kept until the round
// of paints is over, which the timer's message, coming after every paint, tells, or the
// application's message handling, when it finds no message left.
HDC TWinControl::CaptureBack(const RECT& wanted) {
  if (!BackCapture_) {
    BackCapture_ = std::make_unique<TBackCapture>(*this, ClientWidth(), ClientHeight());
    SetTimer(Handle_, BackCaptureTimer, 0, nullptr);
  }
  const HDC dc = BackCapture_->DC.Get();
  const TRegionHandle missing(CreateRectRgnIndirect(&wanted));
  const HRGN painted = BackCapture_->Painted.Get();
  if (CombineRgn(missing.Get(), missing.Get(), painted, RGN_DIFF) > NULLREGION) {
    CombineRgn(painted, painted, missing.Get(), RGN_OR);
    const TSavedDC saved(dc);
    SelectClipRgn(dc, missing.Get());
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  }
  return dc;
}

void TWinControl::Invalidate() {
  if (Handle_)
    InvalidateRect(Handle_, nullptr, TRUE);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  // The root's components without a parent (timers) are written before its controls.
  TComponent::GetChildren(proc, root);
  for (TControl* control : Controls_)
    if (control->Owner() == root)
      proc(control);
}

void TWinControl::InsertControl(TControl* control) {
  Controls_.push_back(control);
  auto* child = dynamic_cast<TWinControl*>(control);
  if (child)
    TabList_.push_back(child);
  if (child && Handle_) {
    if (child->Handle_) {
      ::SetParent(child->Handle_, Handle_);
      SetWindowPos(child->Handle_, HWND_TOP, child->Left(), child->Top(), 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_DEFERERASE);
    } else if (child->Visible()) {
      child->HandleNeeded();
    }
  } else if (child) {
    // Left in the old parent's window it would stay there, seen on the old page and missing on
    // the new; it gets a window of its own again when this parent gets one.
    child->DestroyHandle();
  }
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  control->Invalidate();
  // The window holds the mouse for the pressed child only; kept, it would take every click.
  if (MouseCapture_ == control) {
    MouseCapture_ = nullptr;
    if (Handle_ && GetCapture() == Handle_)
      ReleaseCapture();
  }
  Controls_.erase(std::remove(Controls_.begin(), Controls_.end(), control), Controls_.end());
  std::erase(TabList_, control);
}

// --- TCustomControl ---------------------------------------------------------------------------

void TCustomControl::PaintWindow(HDC dc) {
  Canvas_.SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    Canvas_.SetHandle(nullptr);
    throw;
  }
  Canvas_.SetHandle(nullptr);
}

} // namespace marivo
