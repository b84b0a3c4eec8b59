#include "platform/net/IPWatch.h"

#include "platform/net/IpAddress.h"
#include "platform/net/Winsock.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace marivo {

namespace {

std::string HostName() {
  char name[256];
  if (gethostname(name, sizeof(name)) != 0)
    throw ESocketError(WSAGetLastError());
  return name;
}

std::string FirstIPv4Address(const std::string& hostName) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  if (getaddrinfo(hostName.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
    return "";
  const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  std::string text = FormatIPAddress(address->sin_addr.s_addr);
  freeaddrinfo(found);
  return text;
}

} // namespace

TIdIPWatch::TIdIPWatch(TComponent* owner) : TComponent(owner) {}

void TIdIPWatch::ForceCheck() {
  EnsureWinsock();
  LocalName_ = HostName();
  LocalIP_ = FirstIPv4Address(LocalName_);
  Checked_ = true;
}

const std::string& TIdIPWatch::LocalIP() {
  if (!Checked_)
    ForceCheck();
  return LocalIP_;
}

const std::string& TIdIPWatch::LocalName() {
  if (!Checked_)
    ForceCheck();
  return LocalName_;
}

} // namespace marivo
