#pragma once

#include "platform/rtl/LineBuffer.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace marivo {

// One TCP connection. Whoever reads it (a reader thread) holds it by shared_ptr, so its socket
// is closed only when the last holder lets go and a stale reader can never reach a newer
// connection's socket. One thread reads, another may write and Close at the same time.
class TTcpConnection {
public:
  // Bytes a line may hold before its terminator.
  static constexpr std::size_t MaxLineLength = 16384;

  // Connects to host (a dotted address or a name) within timeout, or raises ESocketError
  // (WSAETIMEDOUT when the time runs out).
  static std::shared_ptr<TTcpConnection> Open(const std::string& host, std::uint16_t port,
                                              std::chrono::milliseconds timeout);
  ~TTcpConnection();
  TTcpConnection(const TTcpConnection&) = delete;
  TTcpConnection& operator=(const TTcpConnection&) = delete;

  // Unique among the connections of this program run.
  std::uint64_t Id() const { return Id_; }
  // False once Close has run, whatever the peer did.
  bool Connected() const { return Open_; }

  // Sends every byte of text or raises: ENetError "Not Connected" after Close, ESocketError.
  void Write(std::string_view text);
  // Waits without time limit for the terminator and gives the bytes before it. Raises
  // ENetError when more than MaxLineLength bytes come without it, when the peer closes or after
  // Close, and ESocketError when the socket fails.
  std::string ReadLn(char terminator);
  // Shuts the socket down both ways, which wakes a read blocked in another thread.
  void Close();

private:
  explicit TTcpConnection(std::uintptr_t socket);
  void Release();
  // Waits for at least one byte; raises as ReadLn does.
  std::size_t Receive(char* buffer, std::size_t size);

  std::uintptr_t Socket_;
  std::uint64_t Id_;
  std::atomic<bool> Open_ = false;
  void* Closed_;                     // event set by Close
  void* ReadDone_;                   // event of the pending read
  TLineBuffer Input_{MaxLineLength}; // bytes after the last line read; the reader's alone
};

} // namespace marivo
