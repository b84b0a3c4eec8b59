#pragma once

#include "platform/rtl/Components.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Messages.h"
#include "platform/ui/WindowProcs.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace marivo {

class TWinControl;
class TForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = std::uint8_t;
enum : TShiftState {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64
};

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

// How a control takes part in the library's mouse and paint handling.
using TControlStyle = std::uint32_t;
enum : TControlStyle {
  csAcceptsControls = 1 << 0,
  csCaptureMouse = 1 << 1, // a window-less control keeps the mouse while its button is down
  csClickEvents = 1 << 2,  // a press and release inside clicks; double clicks run DblClick
  csSetCaption = 1 << 3,
  csOpaque = 1 << 4,       // paints all of its bounds, so nothing is erased beneath it
  csDoubleClicks = 1 << 5, // without it a double click is a second press
  csReplicatable = 1 << 6,
};

// Mouse cursor shapes by the class library's numbers; crDefault leaves the shape to the window
// under the mouse.
using TCursor = int;
enum : TCursor {
  crDefault = 0,
  crNone = -1,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crUpArrow = -10,
  crHourGlass = -11,
  crDrag = -12,
  crNo = -18,
  crAppStart = -19,
  crHelp = -20,
  crHandPoint = -21,
  crSizeAll = -22,
};
// The platform cursor of a shape; nullptr for crDefault and crNone.
HCURSOR CursorHandle(TCursor cursor);
// The shapes' identifiers for form data.
const std::vector<std::pair<std::string, std::int64_t>>& CursorIdents();

// Where the mouse cursor is on the screen; tests may put it anywhere (nullopt: the real one).
POINT CursorPos();
void SetCursorPosSeam(std::optional<POINT> position);

class TGraphicControl;
// Tests see each window-less control as its parent paints it (nullptr: nobody watches).
void SetGraphicPaintSeam(std::function<void(TGraphicControl&)> seam);

// A visible element with bounds in its parent's client coordinates.
class TControl : public TComponent {
public:
  static constexpr bool DefaultEnabled = true;
  static constexpr bool DefaultParentFont = true;

  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return Parent_; }
  // A control moved to another parent at run time lands on top of its new siblings.
  virtual void SetParent(TWinControl* parent);

  int Left() const { return Left_; }
  int Top() const { return Top_; }
  int Width() const { return Width_; }
  int Height() const { return Height_; }
  void SetLeft(int value) { SetBounds(value, Top_, Width_, Height_); }
  void SetTop(int value) { SetBounds(Left_, value, Width_, Height_); }
  void SetWidth(int value) { SetBounds(Left_, Top_, value, Height_); }
  void SetHeight(int value) { SetBounds(Left_, Top_, Width_, value); }
  // Does nothing when nothing changes, so a resize handler may call it for its own window.
  virtual void SetBounds(int left, int top, int width, int height);
  virtual int ClientWidth() { return Width_; }
  virtual int ClientHeight() { return Height_; }
  TAlign Align() const { return Align_; }
  void SetAlign(TAlign value);

  bool Visible() const { return Visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to a shown window.
  bool Showing() const;
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value);
  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& value);
  TColor Color() const { return Color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return ParentColor_; }
  void SetParentColor(bool value);
  TFont& Font() { return Font_; }
  bool ParentFont() const { return ParentFont_; }
  void SetParentFont(bool value);
  const std::string& Hint() const { return Hint_; }
  void SetHint(const std::string& value) { Hint_ = value; }
  // Kept for form data: the platform shows no hint windows.
  bool ShowHint() const { return ShowHint_; }
  void SetShowHint(bool value) { ShowHint_ = value; }
  bool ParentShowHint() const { return ParentShowHint_; }
  void SetParentShowHint(bool value) { ParentShowHint_ = value; }
  // Pops up at a right click on the control (WM_CONTEXTMENU); forgotten when it is freed.
  TPopupMenu* PopupMenu() const { return PopupMenu_; }
  void SetPopupMenu(TPopupMenu* value);
  // The shape of the mouse over the control while the screen's cursor is crDefault.
  TCursor Cursor() const { return Cursor_; }
  void SetCursor(TCursor value) { Cursor_ = value; }
  // The help topic of the control; 0 for none.
  int HelpContext() const { return HelpContext_; }
  void SetHelpContext(int value) { HelpContext_ = value; }
  TControlStyle ControlStyle() const { return ControlStyle_; }
  void SetControlStyle(TControlStyle value) { ControlStyle_ = value; }
  RECT ClientRect() { return RECT{0, 0, ClientWidth(), ClientHeight()}; }
  POINT ClientToScreen(POINT point);
  POINT ScreenToClient(POINT point);
  // The palette the control's pictures need realized, or none.
  virtual HPALETTE GetPalette() { return nullptr; }

  void BringToFront();
  // Runs OnClick; like the class library, also for a disabled control.
  virtual void Click();
  virtual void DblClick();

  // Runs the message through this control's WndProc directly, as a window procedure would.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void WndProc(TMessage& message);
  virtual void Invalidate();
  void Repaint();
  TForm* ParentForm();

  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  // Where the window and Perform deliver every message: WndProc unless replaced. It belongs to
  // the object, so a replacement stays when the window is made again.
  TWndMethod WindowProc;

protected:
  // The last stop of every message nobody handled.
  virtual void DefaultHandler(TMessage& message);
  virtual void BoundsChanged() {}
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  bool Clicking() const { return Clicking_; }
  // Runs action and tells whether it freed this control, so that the caller leaves it alone.
  template <class F> bool FreedBy(F action) {
    bool freed = false;
    bool* outer = std::exchange(Freed_, &freed);
    struct TRestore {
      bool& Freed;
      bool* Outer;
      bool*& Slot;
      ~TRestore() {
        if (!Freed)
          Slot = Outer;
        else if (Outer)
          *Outer = true;
      }
    } restore{freed, outer, Freed_};
    action();
    return freed;
  }

private:
  friend class TWinControl;
  void FontChanged();
  void HandleMouse(TMessage& message);

  TWinControl* Parent_ = nullptr;
  int Left_ = 0;
  int Top_ = 0;
  int Width_ = 0;
  int Height_ = 0;
  TAlign Align_ = alNone;
  bool Visible_ = true;
  bool Enabled_ = DefaultEnabled;
  std::string Caption_;
  TColor Color_ = clBtnFace;
  bool ParentColor_ = false;
  TFont Font_;
  bool ParentFont_ = DefaultParentFont;
  bool SyncingFont_ = false;
  bool Clicking_ = false;
  bool* Freed_ = nullptr; // set while handlers that may free the control run
  std::string Hint_;
  bool ShowHint_ = false;
  bool ParentShowHint_ = true;
  TPopupMenu* PopupMenu_ = nullptr;
  TCursor Cursor_ = crDefault;
  int HelpContext_ = 0;
  TControlStyle ControlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
};

// A window-less control painted by its parent onto the parent's surface. Pressed with
// csCaptureMouse, it gets the mouse until release; WM_CAPTURECHANGED tells it the press ended
// elsewhere.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  TCanvas& Canvas() { return Canvas_; }

protected:
  friend class TWinControl;
  virtual void Paint() {}

private:
  TCanvas Canvas_;
};

// A control with a window of its own. The window is made when first needed; until then every
// property lives in the object alone, so form data can be read before any window exists.
class TWinControl : public TControl {
public:
  static constexpr bool DefaultParentCtl3D = true;

  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return Handle_ != nullptr; }
  void HandleNeeded() { Handle(); }

  int ControlCount() const { return static_cast<int>(Controls_.size()); }
  TControl* Controls(int index) const { return Controls_.at(static_cast<std::size_t>(index)); }

  int ClientWidth() override;
  int ClientHeight() override;
  bool TabStop() const { return TabStop_; }
  void SetTabStop(bool value) { TabStop_ = value; }
  // The place among the windowed siblings that Tab and the arrow keys follow; -1 without a
  // parent. A new control comes last; a value out of range puts it last.
  int TabOrder() const;
  void SetTabOrder(int value);
  // The windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return TabList_; }
  // The three-dimensional look of borders; a child follows its parent while ParentCtl3D holds.
  bool Ctl3D() const { return Ctl3D_; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return ParentCtl3D_; }
  void SetParentCtl3D(bool value);
  bool Focused() const;
  bool CanFocus() const;
  virtual void SetFocus();
  // Focuses the first child, in tab order, that can take the focus; false when none can.
  bool SelectFirst();

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;
  void Invalidate() override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  // Runs the message through each direct child, windowed or not, until one gives a result.
  void Broadcast(TMessage& message);
  // Lays the aligned children out in the client area.
  void AlignControls();
  // Hold the window's drawing while it and its children change, however much they move, show
  // or hide; the last unlock has all of them painted once. A window off the screen holds nothing.
  void LockDrawing();
  void UnlockDrawing();
  // Paints into dc what the parent shows under this window, as the erase of a see-through
  // control wants it; false without a parent window. The parent is painted once into a picture
  // its children share until the round of paints is over.
  bool PaintParentBackground(HDC dc);
  // Ends every parent's round of paints: once every message is handled, none is left to paint.
  static void EndPaintRounds();
  // The key handlers run the key events and return true when the key was consumed (set to 0).
  virtual bool KeyDown(WORD& key, TShiftState shift);
  virtual bool KeyUp(WORD& key, TShiftState shift);
  virtual bool KeyPress(char& key);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

protected:
  struct TCreateParams {
    std::string WinClassName; // empty: the library's own window class
    DWORD Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD ExStyle = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW; // of the library's own class
  };
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // A new window in place of the old one, the focus and the children's windows kept.
  void RecreateWnd();
  // The children's tab order read from form data, applied once all of them are there.
  void Loaded() override;
  // Lays the aligned children out inside rect: top, bottom, left, right, then client; control
  // is the one whose change asked for it, or none.
  virtual void AlignControls(TControl* control, RECT& rect);
  // OnEnter and OnExit, as the form's active control comes and goes.
  virtual void DoEnter();
  virtual void DoExit();
  void DestroyHandle();
  void DefaultHandler(TMessage& message) override;
  // Fills the background with Color; controls that paint all of themselves turn it off.
  virtual void EraseBackground(HDC dc);
  // The size changed and the aligned children have followed.
  virtual void Resized() {}
  // Paints the window's own surface in an own-class window, before the graphic children.
  virtual void PaintWindow(HDC) {}
  bool OwnWindowClass() const { return DefWndProc_ == DefWindowProcA; }

private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateShowing();
  void PlaceInZOrder();
  void PaintHandler(TMessage& message);
  void PaintControls(HDC dc);
  bool ForwardMouse(TMessage& message);
  void TrackMouse(int x, int y);
  void ReleaseGraphicCapture(TMessage& message);
  bool DialogChar(TMessage& message);
  bool TabToNext(WORD key, TShiftState shift);
  bool ArrowToSibling(WORD key, TShiftState shift);
  bool SetCursorShape(TMessage& message);
  TGraphicControl* GraphicControlAt(int x, int y);
  struct TBackCapture;
  HDC CaptureBack(const RECT& wanted);
  void EndPaintRound();
  bool HasNonClientArea() const;
  bool PreviewKey(UINT msg, WORD& key, TShiftState shift);
  bool DialogKey(UINT msg, WORD key);
  // The message handlers of WndProc: true when the message is done with.
  bool WMEraseBkgnd(TMessage& message);
  bool WMPaint(TMessage& message);
  bool WMTimer(TMessage& message);
  bool WMPrintClient(TMessage& message);
  bool WMKey(TMessage& message);
  bool WMSetFocus(TMessage& message);
  bool WMKillFocus(TMessage& message);
  bool CMEnter(TMessage& message);
  bool CMExit(TMessage& message);
  bool WMCaptureChanged(TMessage& message);
  bool WMMouseLeave(TMessage& message);
  bool CMBroadcast(TMessage& message);
  bool CMSysColorChange(TMessage& message);
  bool CMCtl3DChanged(TMessage& message);
  bool CMParentCtl3DChanged(TMessage& message);
  bool WMChildNotify(TMessage& message);
  bool WMWindowPosChanged(TMessage& message);
  bool WMContextMenu(TMessage& message);
  bool CMShowingChanged(TMessage& message);
  bool CMEnabledChanged(TMessage& message);
  bool CMTextChanged(TMessage& message);
  bool CMFontChanged(TMessage& message);
  bool CMColorChanged(TMessage& message);

  HWND Handle_ = nullptr;
  WNDPROC DefWndProc_ = nullptr;
  std::vector<TControl*> Controls_;
  std::vector<TWinControl*> TabList_;
  std::optional<int> ReadTabOrder_;
  TGraphicControl* MouseCapture_ = nullptr;
  std::unique_ptr<TBackCapture> BackCapture_;
  int DrawingLocks_ = 0;
  bool DrawingHeld_ = false;
  bool TabStop_ = false;
  bool Aligning_ = false;
  bool Ctl3D_ = true;
  bool ParentCtl3D_ = DefaultParentCtl3D;
};

// A windowed control of the library's own class that paints itself on its Canvas.
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  TCanvas& Canvas() { return Canvas_; }

protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

private:
  TCanvas Canvas_;
};

// The control that owns a window handle, or nullptr.
TWinControl* FindControl(HWND window);
TShiftState KeyboardShiftState();

} // namespace marivo
