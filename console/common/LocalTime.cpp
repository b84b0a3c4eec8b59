#include "console/common/LocalTime.h"

#include "platform/rtl/DateTime.h"

#include <windows.h>

namespace marivo {

double LocalDateTime() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return EncodeDateTime({local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute,
                         local.wSecond, local.wMilliseconds});
}

} // namespace marivo
