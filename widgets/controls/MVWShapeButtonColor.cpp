#include "widgets/controls/MVWShapeButtonColor.h"

namespace marivo {

void TMVWShapeButtonColor::SetColor(int index, TColor value) {
  TColor& color = Colors_.at(static_cast<std::size_t>(index));
  if (Store(color, value))
    Change();
}

void TMVWShapeButtonColor::Assign(const TPersistent& source) {
  const auto* colors = dynamic_cast<const TMVWShapeButtonColor*>(&source);
  if (!colors) {
    TMVWObject::Assign(source);
    return;
  }
  if (colors == this)
    return;
  Colors_ = colors->Colors_;
  Change();
}

} // namespace marivo
