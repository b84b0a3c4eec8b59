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

inline TBytes Join(std::initializer_list<TBytes> parts) {
  TBytes all;
  for (const TBytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

} // namespace marivo::test
