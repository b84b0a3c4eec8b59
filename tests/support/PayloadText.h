#pragma once

#include "console/common/protocol/Protocol.h"

#include <string>
#include <utility>

namespace marivo::test {

// A payload written with its separators by name, as the traffic log shows them: "[NUL]" and
// "[DC1]" to "[DC5]" become the bytes.
inline std::string WithSeparators(std::string text) {
  const std::pair<const char*, char> names[] = {{"[NUL]", '\0'}, {"[DC1]", DC1}, {"[DC2]", DC2},
                                                {"[DC3]", DC3},  {"[DC4]", DC4}, {"[DC5]", DC5}};
  for (const auto& [name, byte] : names) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1))
      text.replace(at, 5, 1, byte);
  }
  return text;
}

// A frame as the server sends it, its payload written with separators by name; role is the
// console it concerns.
inline std::string Frame(const std::string& code, const std::string& role,
                         const std::string& payload, const std::string& discipline = "FREE") {
  return std::string(1, SOH) + code + discipline + role + STX + WithSeparators(payload) + EOT;
}

} // namespace marivo::test
