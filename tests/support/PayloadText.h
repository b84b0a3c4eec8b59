#pragma once

#include "console/common/protocol/Protocol.h"

#include <string>
#include <utility>

namespace marivo::test {

// A payload written with its separators by name, as the traffic log shows them: "[DC1]" to
// "[DC5]" become the bytes.
inline std::string WithSeparators(std::string text) {
  const std::pair<const char*, char> names[] = {
      {"[DC1]", DC1}, {"[DC2]", DC2}, {"[DC3]", DC3}, {"[DC4]", DC4}, {"[DC5]", DC5}};
  for (const auto& [name, byte] : names) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1))
      text.replace(at, 5, 1, byte);
  }
  return text;
}

} // namespace marivo::test
