#pragma once

#include "widgets/controls/MVWCustomSpeedButton.h"

namespace marivo {

// The speed button of the forms: every keypad and navigation key of the consoles.
class TMVWSpeedButton : public TMVWCustomSpeedButton {
public:
  explicit TMVWSpeedButton(TComponent* owner) : TMVWCustomSpeedButton(owner) {}
};

// Makes the speed button known to form data.
void RegisterMVWSpeedButton();

} // namespace marivo
