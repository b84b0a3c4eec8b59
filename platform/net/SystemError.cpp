#include "platform/net/SystemError.h"

#include "platform/rtl/TextUtils.h"

#include <windows.h>

namespace marivo {

std::string SysErrorMessage(std::uint32_t code) {
  char buffer[512];
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, buffer, sizeof(buffer), nullptr);
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.pop_back();
  // Some codes have no text on some systems; a bare number still tells a person what failed.
  if (text.empty())
    return "System error " + IntToStr(code);
  return text;
}

} // namespace marivo
