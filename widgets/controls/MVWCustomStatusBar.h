#pragma once

#include "widgets/controls/MVWCustomBevelPanel.h"

namespace marivo {

// The base of widget status bars: a bevel panel with a hook for its descendants.
class TMVWCustomStatusBar : public TMVWCustomBevelPanel {
public:
  explicit TMVWCustomStatusBar(TComponent* owner) : TMVWCustomBevelPanel(owner) {}

  // How far the bevel labels inside move their text right, and grow for it.
  int LabelOffset() const { return 0; }

protected:
  virtual void StatusBarHook() {}
};

// Makes the base known to form data.
void RegisterMVWCustomStatusBar();

} // namespace marivo
