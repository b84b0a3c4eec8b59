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
      .Integer("Disabled", ColorIdents(), &C::Disabled, &C::SetDisabled, clBtnFace)
      .Integer("Down", ColorIdents(), &C::Down, &C::SetDown, clBtnFace)
      .Integer("MouseOver", ColorIdents(), &C::MouseOver, &C::SetMouseOver, clBtnFace)
      .Integer("OptionSet", ColorIdents(), &C::OptionSet, &C::SetOptionSet, clBtnFace)
      .Integer("Up", ColorIdents(), &C::Up, &C::SetUp, clBtnFace);
}

} // namespace marivo
