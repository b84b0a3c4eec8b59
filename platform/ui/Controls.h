#pragma once

#include "platform/rtl/Components.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Messages.h"

#include <string>
#include <vector>

namespace marivo {

class TWinControl;

// A visible element with bounds in its parent's client coordinates.
class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return Parent_; }
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

  bool Visible() const { return Visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value);
  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& value);
  TColor Color() const { return Color_; }
  void SetColor(TColor value);
  const std::string& Hint() const { return Hint_; }
  void SetHint(const std::string& value) { Hint_ = value; }

  // Runs the message through this control's WndProc directly, as a window procedure would.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void WndProc(TMessage& message);
  virtual void Invalidate();

  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;

protected:
  // The last stop of every message nobody handled.
  virtual void DefaultHandler(TMessage& message);
  virtual void BoundsChanged() {}

private:
  TWinControl* Parent_ = nullptr;
  int Left_ = 0;
  int Top_ = 0;
  int Width_ = 0;
  int Height_ = 0;
  bool Visible_ = true;
  bool Enabled_ = true;
  std::string Caption_;
  TColor Color_ = clBtnFace;
  std::string Hint_;
};

// A control with a window of its own. The window is made when first needed; until then every
// property lives in the object alone, so form data can be read before any window exists.
class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return Handle_ != nullptr; }
  void HandleNeeded() { Handle(); }

  int ControlCount() const { return static_cast<int>(Controls_.size()); }
  TControl* Controls(int index) const { return Controls_.at(static_cast<std::size_t>(index)); }

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;
  void Invalidate() override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
  struct TCreateParams {
    std::string WinClassName; // empty: the library's own window class
    DWORD Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD ExStyle = 0;
    HWND WndParent = nullptr;
  };
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  void DestroyHandle();
  void DefaultHandler(TMessage& message) override;
  // Fills the background with Color; controls that paint all of themselves turn it off.
  virtual void EraseBackground(HDC dc);

private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateShowing();

  HWND Handle_ = nullptr;
  WNDPROC DefWndProc_ = nullptr;
  std::vector<TControl*> Controls_;
};

} // namespace marivo
