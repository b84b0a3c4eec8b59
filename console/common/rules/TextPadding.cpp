#include "console/common/rules/TextPadding.h"

#include "platform/rtl/TextUtils.h"

namespace marivo {

std::string PadLeft(const std::string& text, int width) {
  const std::string trimmed = Trim(text);
  const auto target = static_cast<std::size_t>(width < 0 ? 0 : width);
  if (trimmed.size() >= target)
    return trimmed.substr(0, target);
  return std::string(target - trimmed.size(), ' ') + trimmed;
}

} // namespace marivo
