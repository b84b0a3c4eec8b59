#include "platform/net/TcpClient.h"

#include "platform/net/Winsock.h"

#include <utility>

namespace marivo {

TIdTCPClient::TIdTCPClient(TComponent* owner) : TComponent(owner) {}

TIdTCPClient::~TIdTCPClient() {
  if (Connection_ != nullptr)
    Connection_->Close();
}

void TIdTCPClient::Connect() {
  if (Connected())
    throw ENetError("Already connected.");
  // A connection that failed but was never disconnected ends properly first, so its owner
  // takes back what it showed for it.
  Disconnect();
  Connection_ = TTcpConnection::Open(Host_, Port_, ConnectTimeout);
  if (OnConnected)
    OnConnected(this);
}

void TIdTCPClient::Disconnect() {
  std::shared_ptr<TTcpConnection> connection = std::exchange(Connection_, nullptr);
  if (connection == nullptr)
    return;
  connection->Close();
  if (OnDisconnected)
    OnDisconnected(this);
}

void TIdTCPClient::Write(std::string_view text) {
  Current().Write(text);
}

std::string TIdTCPClient::ReadLn(char terminator) {
  return Current().ReadLn(terminator);
}

TTcpConnection& TIdTCPClient::Current() const {
  if (Connection_ == nullptr)
    throw ENetError("Not Connected");
  return *Connection_;
}

} // namespace marivo
