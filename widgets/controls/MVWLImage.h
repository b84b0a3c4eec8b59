#pragma once

#include "widgets/controls/MVWBaseImage.h"

namespace marivo {

// One image of a widget image list, optionally drawn off-screen over its parent's background so
// that moving it leaves no trail.
class TMVWCustomLImage : public TMVWBaseImage {
public:
  static constexpr bool DefaultSilentMove = false;
  static constexpr bool DefaultForceTransparent = false;

  explicit TMVWCustomLImage(TComponent* owner) : TMVWBaseImage(owner) {}

  bool ForceTransparent() const { return ForceTransparent_; }
  bool SilentMove() const { return SilentMove_; }
  // Index 0 ForceTransparent, 1 SilentMove.
  void SetFlag(int index, bool value);
  void SetForceTransparent(bool value) { SetFlag(0, value); }
  void SetSilentMove(bool value) { SetFlag(1, value); }

  // No list, or nothing at (ListIndex, ImageIndex).
  bool IsEmpty();
  HPALETTE GetPalette();
  std::uint16_t DrawFlags();

protected:
  bool AdjustSize() override;
  bool ParentBackActive() override;
  void ImageListChanged() override;
  void Paint() override;

private:
  void DrawImage(TCanvas& canvas, const RECT& rect);
  bool ParentSuppliesBackground();

  bool ForceTransparent_ = DefaultForceTransparent;
  bool SilentMove_ = DefaultSilentMove;
};

class TMVWLImage : public TMVWCustomLImage {
public:
  using TMVWCustomLImage::TMVWCustomLImage;
};

void RegisterMVWLImage();

} // namespace marivo
