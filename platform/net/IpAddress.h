#pragma once

#include <cstdint>
#include <string>

namespace marivo {

// An IPv4 address as the IP Helper and socket APIs store it (first byte lowest) in dotted form.
inline std::string FormatIPAddress(std::uint32_t address) {
  std::string text;
  for (int shift = 0; shift < 32; shift += 8) {
    if (shift > 0)
      text += '.';
    text += std::to_string((address >> shift) & 0xFF);
  }
  return text;
}

} // namespace marivo
