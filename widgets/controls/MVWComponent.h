#pragma once

#include "widgets/foundation/portable/MVWBase.h"

namespace marivo {

// The base of the widget library's non-visual components.
class TMVWComponent : public TMVWCustomComponent {
public:
  explicit TMVWComponent(TComponent* owner) : TMVWCustomComponent(owner) {}
};

} // namespace marivo
