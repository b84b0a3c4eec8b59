#pragma once

#include "widgets/controls/MVWCustomBevelPanel.h"

namespace marivo {

// A panel with a bevel border, the plain frame of the console pages.
class TMVWSimplePanel : public TMVWCustomBevelPanel {
public:
  explicit TMVWSimplePanel(TComponent* owner) : TMVWCustomBevelPanel(owner) {}
};

// Makes the panel known to form data.
void RegisterMVWSimplePanel();

} // namespace marivo
