#pragma once

#include <type_traits>

namespace marivo {

// Puts `value` into a property's field; false when the field held it already, so that a setter
// notifies only on a real change.
template <class T> bool Store(T& field, const std::type_identity_t<T>& value) {
  if (field == value)
    return false;
  field = value;
  return true;
}

} // namespace marivo
