#pragma once

#include <cstdlib>
#include <string_view>

namespace marivo::fuzz {

// A broken invariant stops the fuzzer with the input that broke it.
inline void Check(bool ok) {
  if (!ok)
    std::abort();
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

} // namespace marivo::fuzz
