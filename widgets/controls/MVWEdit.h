#pragma once

#include "widgets/controls/MVWCustomEdit.h"

namespace marivo {

// The edit that forms create by name: the consoles' score and difficulty fields.
class TMVWEdit : public TMVWCustomEdit {
public:
  explicit TMVWEdit(TComponent* owner) : TMVWCustomEdit(owner) {}
};

// Makes the edit known to form data.
void RegisterMVWEdit();

} // namespace marivo
