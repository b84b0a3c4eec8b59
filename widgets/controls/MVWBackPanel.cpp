#include "widgets/controls/MVWBackPanel.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWControls.h"

namespace marivo {

void RegisterMVWBackPanel() {
  using T = TMVWBackPanel;
  auto builder = RegisterComponentClass<T, TMVWCustomParentPanel>("TMVWBackPanel");
  PublishImageLink(PublishPanel(builder))
      .Boolean("QuickDraw", &T::QuickDraw, &T::SetQuickDraw, T::DefaultQuickDraw);
}

} // namespace marivo
