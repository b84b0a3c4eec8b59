#pragma once

#include "platform/net/TcpConnection.h"
#include "platform/rtl/Components.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// winspool.h names a Win32 function SetPort by macro, which would rename the Port setter in the
// files that include windows.h and not in the others.
#undef SetPort

namespace marivo {

// The TCP client component. Connect, Disconnect, Write and ReadLn belong to the thread that owns
// the component (the main thread); its events run there, inside Connect and Disconnect. A reader
// thread takes Connection() once and reads only that.
class TIdTCPClient : public TComponent {
public:
  static constexpr std::chrono::milliseconds ConnectTimeout{5000};

  explicit TIdTCPClient(TComponent* owner);
  // Closes the connection without running OnDisconnected: its handler may belong to an owner
  // that is being destroyed.
  ~TIdTCPClient() override;

  const std::string& Host() const { return Host_; }
  void SetHost(const std::string& host) { Host_ = host; }
  std::uint16_t Port() const { return Port_; }
  void SetPort(std::uint16_t port) { Port_ = port; }

  // Disconnects a connection that already failed, then blocks until connected and runs
  // OnConnected. Raises ENetError "Already connected." while
  // connected, ESocketError when the connection cannot be made within ConnectTimeout.
  void Connect();
  // Closes the current connection, also one that already failed, and runs OnDisconnected;
  // nothing without a connection.
  void Disconnect();
  bool Connected() const { return Connection_ != nullptr && Connection_->Connected(); }

  // As TTcpConnection's; ENetError "Not Connected" without a connection.
  void Write(std::string_view text);
  std::string ReadLn(char terminator);

  // The current connection, nullptr before Connect and after Disconnect.
  std::shared_ptr<TTcpConnection> Connection() const { return Connection_; }

  TNotifyEvent OnConnected;
  TNotifyEvent OnDisconnected;

private:
  TTcpConnection& Current() const;

  std::string Host_;
  std::uint16_t Port_ = 0;
  std::shared_ptr<TTcpConnection> Connection_;
};

} // namespace marivo
