#pragma once

#include "widgets/controls/MVWCustomBevelPanel.h"

namespace marivo {

// The base of widget status bars: a bevel panel with a hook for its descendants.
class TMVWCustomStatusBar : public TMVWCustomBevelPanel {
public:
  explicit TMVWCustomStatusBar(TComponent* owner) : TMVWCustomBevelPanel(owner) {}

protected:
  virtual void StatusBarHook() {}
};

} // namespace marivo
