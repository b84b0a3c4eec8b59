#pragma once

#include "widgets/controls/MVWCustomPanelFill.h"

namespace marivo {

// The fill panel of the console forms: tiles and page backgrounds with gradients and captions.
class TMVWPanelFill : public TMVWCustomPanelFill {
public:
  explicit TMVWPanelFill(TComponent* owner) : TMVWCustomPanelFill(owner) {}
};

// Makes the panel known to form data.
void RegisterMVWPanelFill();

} // namespace marivo
