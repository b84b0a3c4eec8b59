#pragma once

#include "widgets/controls/MVWCustomShapeButton.h"

namespace marivo {

// The shape button of the forms: the difficulty editor's "OK" and "Cancel".
class TMVWShapeButton : public TMVWCustomShapeButton {
public:
  explicit TMVWShapeButton(TComponent* owner) : TMVWCustomShapeButton(owner) {}
};

// Makes the shape button known to form data.
void RegisterMVWShapeButton();

} // namespace marivo
