#include "widgets/foundation/portable/MVWStrUtils.h"

#include "platform/rtl/TextUtils.h"

#include <algorithm>

namespace marivo {

bool IsBlankString(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::string FillString(int count, char character) {
  return count > 0 ? std::string(static_cast<std::size_t>(count), character) : std::string();
}

std::string TrimString(const std::string& text) {
  return Trim(text);
}

std::string AddTrailingBackslash(const std::string& text) {
  if (!IsBlankString(text) && text.back() == '\\')
    return text;
  return text + '\\';
}

std::string RemoveTrailingBackslash(const std::string& text) {
  if (IsBlankString(text) || text.back() != '\\')
    return text;
  return text.substr(0, text.size() - 1);
}

} // namespace marivo
