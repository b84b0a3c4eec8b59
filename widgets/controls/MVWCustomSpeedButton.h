#pragma once

#include "widgets/controls/MVWBaseGraphicButton.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

// The graphic button painted in one of the fourteen looks.
class TMVWCustomSpeedButton : public TMVWBaseGraphicButton {
public:
  static constexpr TMVWUserButtonStyle DefaultStyle = ubsAutoDetect;

  explicit TMVWCustomSpeedButton(TComponent* owner);

  TMVWUserButtonStyle Style() const { return Style_; }
  // The explorer and tool looks are see-through; the shaded glyph goes with the uncoloured ones.
  void SetStyle(TMVWUserButtonStyle value);

  bool UsesThemes() override;
  // Only while no image-list entry supplies the glyph.
  bool IsGlyphStored() override;

protected:
  void Paint() override;
  bool HasOwnGlyphStyle() override;
  bool StyleShowsHot() override;

private:
  TMVWUserButtonStyle Style_ = DefaultStyle;
};

// Makes the base known to form data.
void RegisterMVWCustomSpeedButton();

} // namespace marivo
