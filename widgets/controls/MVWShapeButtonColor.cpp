#include "widgets/controls/MVWShapeButtonColor.h"

#include "platform/rtl/ClassRegistry.h"

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

void RegisterMVWShapeButtonColor() {
  using C = TMVWShapeButtonColor;
  RegisterPersistentClass<C, TMVWObject>("TMVWShapeButtonColor")
      .Integer("Disabled", ColorIdents(), &C::Disabled, &C::SetDisabled, C::DefaultColor)
      .Integer("Down", ColorIdents(), &C::Down, &C::SetDown, C::DefaultColor)
      .Integer("MouseOver", ColorIdents(), &C::MouseOver, &C::SetMouseOver, C::DefaultColor)
      .Integer("OptionSet", ColorIdents(), &C::OptionSet, &C::SetOptionSet, C::DefaultColor)
      .Integer("Up", ColorIdents(), &C::Up, &C::SetUp, C::DefaultColor);
}

} // namespace marivo
