#include "widgets/controls/MVWPanelFill.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWControls.h"

namespace marivo {

void RegisterMVWPanelFill() {
  using T = TMVWPanelFill;
  auto builder = RegisterComponentClass<T, TMVWCustomPanelFill>("TMVWPanelFill");
  PublishImageLink(PublishPanel(builder))
      .Enumeration("Alignment", AlignmentNames(), &T::Alignment, &T::SetAlignment,
                   T::DefaultAlignment)
      .Class("BackFX", &T::BackFX)
      .Boolean("BackFXPass", &T::BackFXPass, &T::SetBackFXPass, T::DefaultBackFXPass)
      .Class("FillObject", &T::FillObject)
      .Class("FontFX", &T::FontFX)
      .Boolean("TransparentBorder", &T::TransparentBorder, &T::SetTransparentBorder,
               T::DefaultTransparentBorder);
}

} // namespace marivo
