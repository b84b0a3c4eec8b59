#pragma once

#include "platform/ui/Controls.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>

namespace marivo {

// What SetBounds changed, as BoundsChanged hears it.
using TMVWBoundsFlags = std::uint8_t;
enum : TMVWBoundsFlags { bfResized = 1, bfMoved = 2 };

// True while the control or the form it belongs to reads its form data.
bool MVWControlLoading(TControl& control);

// Root of the window-less widgets: mouse enter and exit events, bounds-change flags and the
// theme hooks.
class TMVWControl : public TGraphicControl {
public:
  explicit TMVWControl(TComponent* owner);

  const TMVWAboutVar& About() const { return About_; }
  void SetAbout(const TMVWAboutVar& value) { About_ = value; }
  bool ThemeEnabled() const { return ThemeEnabled_; }
  void SetThemeEnabled(bool value) { ThemeEnabled_ = value; }

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

  virtual void ThemeChanged();
  virtual bool UsesThemes() { return false; }
  // The flags say what changed; not called while loading.
  virtual void BoundsChanged(TMVWBoundsFlags flags) { (void)flags; }
  virtual void DoMouseEnter();
  virtual void DoMouseExit();
  virtual void Changed();
  virtual bool CanPaintBack() { return true; }

  bool ThemedDrawing();
  // The client rectangle in Color.
  void FillBackground();

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

private:
  using TGraphicControl::BoundsChanged;

  TMVWAboutVar About_;
  bool ThemeEnabled_ = false;
};

// Makes the base known to form data.
void RegisterMVWControl();

} // namespace marivo
