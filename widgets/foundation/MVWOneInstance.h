#pragma once

#include "platform/rtl/Components.h"
#include "platform/rtl/Exceptions.h"

#include <string>

namespace marivo {

// A component that allows one instance per form found a wrong owner (kind 0) or another
// instance (kind 1).
class MVWEOneInstError : public Exception {
public:
  MVWEOneInstError(const std::string& className, int kind);
};

// True (an error) when owner is not a form or owns more than one component of class T.
template <class T> bool CheckOneInstance(const TComponent* owner);

bool IsFormOwner(const TComponent* owner);

template <class T> bool CheckOneInstance(const TComponent* owner) {
  if (!owner || !IsFormOwner(owner))
    return true;
  int count = 0;
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (dynamic_cast<const T*>(owner->Components(i)))
      ++count;
  return count > 1;
}

} // namespace marivo
