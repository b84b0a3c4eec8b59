#include "widgets/foundation/MVWSysIn.h"

#include "platform/ui/GdiHandles.h"

#include <windows.h>

namespace marivo {

bool IsWinNT = false;

std::uint8_t ScreenColorDepth() {
  const TMemoryDC display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  if (!display)
    return 0;
  const int depth = GetDeviceCaps(display.Get(), BITSPIXEL) * GetDeviceCaps(display.Get(), PLANES);
  return static_cast<std::uint8_t>(depth);
}

std::string GetNetUserName() {
  char name[64];
  DWORD size = sizeof name;
  if (!GetUserNameA(name, &size))
    return "(Unknown)";
  return name;
}

void ReadPlatformFlags() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  IsWinNT = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

} // namespace marivo
