#pragma once

#include "widgets/controls/MVWCustomParentPanel.h"

namespace marivo {

// A container whose background is an image of an image list, tiled.
class TMVWBackPanel : public TMVWCustomParentPanel {
public:
  explicit TMVWBackPanel(TComponent* owner) : TMVWCustomParentPanel(owner) {}
};

// Makes the panel known to form data.
void RegisterMVWBackPanel();

} // namespace marivo
