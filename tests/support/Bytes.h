#pragma once

#include "tests/support/StreamOf.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace marivo::test {

using TBytes = std::vector<std::uint8_t>;

inline TBytes Bytes(const std::string& text) {
  return TBytes(text.begin(), text.end());
}

// Little-endian, as the widget streams write it.
inline TBytes Int32(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
          static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

inline TBytes Join(std::initializer_list<TBytes> parts) {
  TBytes all;
  for (const TBytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

} // namespace marivo::test
