#pragma once

#include "widgets/foundation/portable/MVWBase.h"

namespace marivo {

// The base of the widget library's non-visual components.
class TMVWComponent : public TMVWCustomComponent {
public:
  explicit TMVWComponent(TComponent* owner) : TMVWCustomComponent(owner) {}
};

// Makes the base known to form data.
void RegisterMVWComponent();

} // namespace marivo
