#include "widgets/controls/MVWCustomStatusBar.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void RegisterMVWCustomStatusBar() {
  RegisterPersistentClass<TMVWCustomStatusBar, TMVWCustomBevelPanel>("TMVWCustomStatusBar");
}

} // namespace marivo
