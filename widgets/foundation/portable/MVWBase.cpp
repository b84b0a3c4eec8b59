#include "widgets/foundation/portable/MVWBase.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

namespace {

// A copy runs, so a handler may replace or clear the event it runs from.
void Fire(const TNotifyEvent& event, TObject* sender) {
  if (TNotifyEvent handler = event)
    handler(sender);
}

} // namespace

void TMVWObject::EndUpdate(bool notify) {
  Locked_ = false;
  if (notify)
    Change();
}

void TMVWObject::SubObjectChanged(TObject*) {
  Change();
}

void TMVWObject::Change() {
  if (!Locked_)
    Fire(OnChange, this);
}

void TMVWCustomComponent::EndUpdate(bool notify) {
  Locked_ = false;
  if (notify)
    Change();
}

void TMVWCustomComponent::ContainerChanged(TObject*) {
  Change();
}

void TMVWCustomComponent::Change() {
  if (!Locked_)
    Fire(OnChange, this);
}

void RegisterMVWBaseClasses() {
  static const bool registered = [] {
    RegisterPersistentClass<TMVWObject, TPersistent>("TMVWObject");
    RegisterComponentClass<TMVWCustomComponent, TComponent>("TMVWCustomComponent");
    return true;
  }();
  (void)registered;
}

} // namespace marivo
