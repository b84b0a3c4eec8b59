#include "platform/net/NetClasses.h"

#include "platform/net/IPWatch.h"
#include "platform/net/TcpClient.h"
#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void RegisterNetClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TIdIPWatch, TComponent>("TIdIPWatch");
    RegisterComponentClass<TIdTCPClient, TComponent>("TIdTCPClient")
        .String("Host", &TIdTCPClient::Host, &TIdTCPClient::SetHost, std::string())
        .Integer("Port", &TIdTCPClient::Port, &TIdTCPClient::SetPort, std::uint16_t{0})
        .Event("OnConnected", &TIdTCPClient::OnConnected)
        .Event("OnDisconnected", &TIdTCPClient::OnDisconnected);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
