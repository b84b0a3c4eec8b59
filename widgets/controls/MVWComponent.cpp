#include "widgets/controls/MVWComponent.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void RegisterMVWComponent() {
  RegisterPersistentClass<TMVWComponent, TMVWCustomComponent>("TMVWComponent");
}

} // namespace marivo
