#pragma once

#include "platform/ui/ScrollBoxes.h"
#include "widgets/controls/MVWBaseGraphicControl.h"
#include "widgets/foundation/MVWBevel.h"

#include <cstdint>
#include <memory>

namespace marivo {

class TBitmap;

// A scroll box with a bevel in its non-client area that can show its parent's background and
// pass it on to see-through children, refreshing them as it scrolls.
class TMVWCustomScrollBox : public TScrollBox, public TMVWParentBackSource {
public:
  explicit TMVWCustomScrollBox(TComponent* owner);
  ~TMVWCustomScrollBox() override;

  TMVWScrollBoxBevel& Bevel() const { return *Bevel_; }
  void SetBevel(const TMVWBevel& value) { Bevel_->Assign(value); }
  // Takes the parent's background.
  bool Transparent() const { return Transparent_; }
  void SetTransparent(bool value);
  // Draws the window border with the visual style of an edit field.
  bool ThemedBorder() const { return ThemedBorder_; }
  void SetThemedBorder(bool value);
  // Refreshes see-through children on every ScrollRepaintEvery-th scroll message, else only
  // when a scroll ends.
  bool ScrollRepaintThrottle() const { return ScrollRepaintThrottle_; }
  void SetScrollRepaintThrottle(bool value) { ScrollRepaintThrottle_ = value; }
  std::uint8_t ScrollRepaintEvery() const { return ScrollRepaintEvery_; }
  void SetScrollRepaintEvery(std::uint8_t value) { ScrollRepaintEvery_ = value; }
  // Repaints the client too when the size changes, not only the border.
  bool FullRepaint() const { return FullRepaint_; }
  void SetFullRepaint(bool value) { FullRepaint_ = value; }
  // Windows only for the children in view.
  bool SaveResources() const { return SaveResources_; }
  void SetSaveResources(bool value);

  virtual void BevelChanged(TObject* sender);
  virtual void ThemeChanged();
  virtual bool CanUseThemeBack() { return true; }
  virtual bool UsesThemes() { return true; }
  virtual bool ThemedTransparent();
  bool HasParentBack() override;
  virtual TBitmap* ParentBackBitmap();
  virtual POINT MapBackOrigin(POINT point);
  virtual bool PaintParentBack(TCanvas& canvas, const RECT& rect, int flags, POINT origin);
  bool UsesParentBack() { return Transparent_ && HasParentBack(); }

  void WndProc(TMessage& message) override;

  TNotifyEvent OnScroll;
  TNotifyEvent OnPaint;

protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;

private:
  // Gives the children in view a window and takes it from the others, never from the focused
  // control or a control holding it.
  void UpdateChildWindows();
  bool ThemedBorderActive();
  void PaintNonClient();
  void Scrolled(TMessage& message);
  void TellChildren(UINT msg);
  void RepaintNow();

  std::unique_ptr<TMVWScrollBoxBevel> Bevel_;
  TCanvas Canvas_;
  TCanvas NonClientCanvas_;
  bool Transparent_ = false;
  bool ThemedBorder_ = true;
  bool ScrollRepaintThrottle_ = true;
  std::uint8_t ScrollRepaintEvery_ = 1;
  int ScrollSteps_ = 0;
  bool FullRepaint_ = false;
  bool SaveResources_ = false;
  bool Painted_ = false;
};

} // namespace marivo
