#include "widgets/controls/MVWSimplePanel.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void RegisterMVWSimplePanel() {
  using T = TMVWSimplePanel;
  auto builder = RegisterComponentClass<T, TMVWCustomBevelPanel>("TMVWSimplePanel");
  PublishPanel(builder)
      .Boolean("Ctl3D", &T::Ctl3D, &T::SetCtl3D)
      .Stored([](T& panel) { return !panel.ParentCtl3D(); })
      .Boolean("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D, T::DefaultParentCtl3D);
}

} // namespace marivo
