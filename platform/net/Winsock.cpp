#include "platform/net/Winsock.h"

#include "platform/net/SystemError.h"
#include "platform/rtl/TextUtils.h"

#include <winsock2.h>

namespace marivo {

namespace {

struct TWinsock {
  TWinsock() {
    WSADATA data;
    const int result = WSAStartup(MAKEWORD(2, 2), &data);
    if (result != 0)
      throw ESocketError(result);
  }
  ~TWinsock() { WSACleanup(); }
};

} // namespace

ESocketError::ESocketError(int code)
    : ENetError("Socket Error # " + IntToStr(code) + "\r\n" +
                SysErrorMessage(static_cast<std::uint32_t>(code))),
      Code_(code) {}

void EnsureWinsock() {
  static TWinsock winsock;
}

} // namespace marivo
