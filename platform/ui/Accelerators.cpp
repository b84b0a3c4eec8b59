#include "platform/ui/Accelerators.h"

#include <cctype>

namespace marivo {

bool IsAccel(WORD key, const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto marked = static_cast<unsigned char>(caption[i + 1]);
    return key < 256 && std::toupper(marked) == std::toupper(static_cast<unsigned char>(key));
  }
  return false;
}

} // namespace marivo
