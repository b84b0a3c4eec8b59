#pragma once

#include "platform/ui/Pictures.h"
#include "widgets/controls/MVWCustomBevelPanel.h"

#include <memory>

namespace marivo {

// A container panel that keeps its whole background in BackBuffer, so that its see-through
// children copy from one picture instead of painting it again.
class TMVWCustomParentPanel : public TMVWCustomBevelPanel {
public:
  static constexpr bool DefaultQuickDraw = false;

  explicit TMVWCustomParentPanel(TComponent* owner);

  // Width x Height, or none while there is no picture to keep. Built when first asked for, so
  // that the panels of forms never shown hold no picture.
  TBitmap* BackBuffer();
  // Skips selecting the palette when the background is copied.
  bool QuickDraw() const { return QuickDraw_; }
  void SetQuickDraw(bool value) { QuickDraw_ = value; }
  // The buffer is built again at its next use when forced or when the size changed; dropped
  // then when not needed.
  void UpdateBackBuffer(bool force);

  bool HasBackImage() override;
  TBitmap* GetBackBitmap() override;
  POINT MapBackOrigin(POINT point) override;
  bool PaintParentBack(TCanvas& canvas, const RECT& rect, int flags, POINT origin) override;
  bool BackFromParent() override;
  HPALETTE GetPalette() override;
  void WndProc(TMessage& message) override;

protected:
  using TMVWCustomBevelPanel::ChildChanged;
  void ChildChanged(TObject* sender) override;
  void BackFXPassChanged() override;
  void ImageListChanged() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  // Builds the buffer now when forced or when the size changed; drops it when not needed.
  virtual void BuildBackBuffer(bool force);
  // The buffer is worth keeping: an own image, or effects over a see-through background.
  bool KeepsImageBuffer();
  bool KeepsEffectsBuffer();
  // Drops the buffer and lets the children ask the parent again.
  void DropBackBuffer();
  // The parent's background through this panel's effects, or none without a parent picture.
  void TakeEffectsBuffer();

  std::unique_ptr<TBitmap> BackBuffer_;

private:
  void BuildDueBackBuffer();

  bool QuickDraw_ = DefaultQuickDraw;
  bool BackBufferDue_ = false;
  bool BackBufferForced_ = false;
};

// Makes the base known to form data.
void RegisterMVWCustomParentPanel();

} // namespace marivo
