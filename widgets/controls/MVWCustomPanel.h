#pragma once

#include "platform/ui/GdiHandles.h"
#include "widgets/controls/MVWCustomControl.h"

#include <windows.h>

#include <optional>

namespace marivo {

class TMVWCustomScrollBox;
class TMVWFormShape;

// Where a see-through control's parent takes its background from: a widget parent, a widget
// scroll box or a shaped form. Supplies is False when the parent has no window or no picture.
struct TMVWParentBack {
  TMVWCustomControl* Widget = nullptr;
  TMVWCustomScrollBox* ScrollBox = nullptr;
  TMVWFormShape* FormShape = nullptr;
  bool Supplies = false;

  TBitmap* Bitmap() const;
  // A point of the parent's client area as a point of the picture.
  POINT MapOrigin(POINT point) const;
};

TMVWParentBack ParentBackOf(TControl& control);
// The platform's window border: a sunken client edge for a three-dimensional look, else a line.
void AddWindowsBorder(DWORD& style, DWORD& exStyle, bool ctl3D);
// Copies the part of the picture at source's corner into dest, with the rect's size.
void CopyBackPart(TCanvas& canvas, const RECT& dest, TBitmap& picture, POINT source);

// Binds a control's canvas to its client area outside a paint cycle, for frames drawn at once;
// within a paint cycle, or while the control has no window, the canvas stays as it is.
class TClientCanvasScope {
public:
  explicit TClientCanvasScope(TCustomControl& control);
  ~TClientCanvasScope();
  TClientCanvasScope(const TClientCanvasScope&) = delete;
  TClientCanvasScope& operator=(const TClientCanvasScope&) = delete;

private:
  TCustomControl& Control_;
  std::optional<TWindowDC> DC_;
};

// A windowed widget that can show its parent's background through itself, with effects.
class TMVWCustomPanel : public TMVWCustomControl {
public:
  static constexpr bool DefaultLocked = false;

  explicit TMVWCustomPanel(TComponent* owner);

  // Kept for form data; nothing here replaces a panel in place.
  bool Locked() const { return Locked_; }
  void SetLocked(bool value) { Locked_ = value; }

  bool HasBackImage() override;
  TBitmap* GetBackBitmap() override;
  POINT MapBackOrigin(POINT point) override;
  bool PaintParentBack(TCanvas& canvas, const RECT& rect, int flags, POINT origin) override;
  void ChildChanged() override { ChildChanged(nullptr); }
  // sender is the sub-object that changed, or none.
  virtual void ChildChanged(TObject* sender);
  void WndProc(TMessage& message) override;

protected:
  // Sends msg to every child control.
  void TellChildren(UINT msg);
  // The picture point under this panel's client corner.
  POINT PositionInParentBack();

private:
  bool Locked_ = DefaultLocked;
};

// Makes the base known to form data.
void RegisterMVWCustomPanel();

} // namespace marivo
