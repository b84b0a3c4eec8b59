#include "widgets/controls/MVWControls.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWComponent.h"
#include "widgets/controls/MVWCustomControl.h"
#include "widgets/controls/MVWGraphicControl.h"
#include "widgets/foundation/MVWFoundation.h"

#include <string>

namespace marivo {

void RegisterControlClasses() {
  static const bool registered = [] {
    RegisterFoundationClasses();
    // Form data creates none of the bases; they give every published class About, and a global
    // image list is named by its signature, as it belongs to no form.
    RegisterPersistentClass<TMVWControl, TGraphicControl>("TMVWControl")
        .String("About", &TMVWControl::About, &TMVWControl::SetAbout, std::string());
    RegisterPersistentClass<TMVWBaseControl, TMVWControl>("TMVWBaseControl")
        .String("Internal", &TMVWBaseControl::InternalListRef, &TMVWBaseControl::SetInternalListRef,
                std::string());
    RegisterPersistentClass<TMVWBaseGraphicControl, TMVWBaseControl>("TMVWBaseGraphicControl");
    RegisterPersistentClass<TMVWGraphicControl, TMVWBaseGraphicControl>("TMVWGraphicControl");
    RegisterPersistentClass<TMVWComponent, TMVWCustomComponent>("TMVWComponent");
    RegisterPersistentClass<TMVWCustomControl, TCustomControl>("TMVWCustomControl")
        .String("About", &TMVWCustomControl::About, &TMVWCustomControl::SetAbout, std::string())
        .String("Internal", &TMVWCustomControl::InternalListRef,
                &TMVWCustomControl::SetInternalListRef, std::string());
    return true;
  }();
  (void)registered;
}

} // namespace marivo
