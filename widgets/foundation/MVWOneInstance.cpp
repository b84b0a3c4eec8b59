#include "widgets/foundation/MVWOneInstance.h"

#include "platform/ui/Forms.h"

namespace marivo {

namespace {

std::string OneInstanceMessage(const std::string& className, int kind) {
  if (kind == 0)
    return className + ":\rInvalid owner (<>TForm) or second instance on a form";
  return className + ":\rAlready one " + className + " control in this project!";
}

} // namespace

MVWEOneInstError::MVWEOneInstError(const std::string& className, int kind)
    : Exception(OneInstanceMessage(className, kind)) {}

bool IsFormOwner(const TComponent* owner) {
  return dynamic_cast<const TForm*>(owner) != nullptr;
}

} // namespace marivo
