#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace marivo::test {

// A meet server inside the test process: listens on 127.0.0.1 on a free port, accepts one
// console, records every byte it sends and sends the bytes a test scripts.
class TFakeMeetServer {
public:
  using TDuration = std::chrono::milliseconds;
  static constexpr TDuration DefaultWait{10000};

  TFakeMeetServer();
  ~TFakeMeetServer();
  TFakeMeetServer(const TFakeMeetServer&) = delete;
  TFakeMeetServer& operator=(const TFakeMeetServer&) = delete;

  std::uint16_t Port() const { return Port_; }
  // A loopback port nobody listens on: the system's pick for a moment, then freed again.
  static std::uint16_t UnusedPort();

  // Each gives false when the wait runs out first.
  bool WaitForClient(TDuration wait = DefaultWait);
  bool WaitForReceived(std::size_t bytes, TDuration wait = DefaultWait);
  bool WaitForFrames(std::size_t count, TDuration wait = DefaultWait);
  // Until the console has closed its side (or reset the connection).
  bool WaitForClientClose(TDuration wait = DefaultWait);

  std::string Received() const;
  // The complete frames received so far, each up to and including its EOT.
  std::vector<std::string> Frames() const;

  // One send call per piece, so each piece leaves in a segment of its own.
  void Send(std::string_view bytes);
  void SendInPieces(const std::vector<std::string>& pieces, TDuration pause);
  // Closes the connection in order, after the bytes sent so far.
  void Close();
  // Resets the connection at once, as a crashed server would.
  void Abort();

private:
  enum class TEnding { None, Close, Abort };
  void EndClient(TEnding ending);
  void Serve();
  void AcceptClient();
  void ReceiveFromClient();

  std::uintptr_t Listener_;
  std::uint16_t Port_ = 0;
  std::uintptr_t Client_;
  bool ClientAccepted_ = false;
  bool ClientClosed_ = false;
  TEnding Ending_ = TEnding::None;
  bool Stopping_ = false;
  std::string Received_;
  mutable std::mutex Lock_;
  std::condition_variable Changed_;
  std::thread Thread_;
};

// A listener on 127.0.0.1 whose queue is full and that never accepts, so a connect to it stays
// unanswered, as with a server whose machine is off.
class TSilentServer {
public:
  TSilentServer();
  ~TSilentServer();
  TSilentServer(const TSilentServer&) = delete;
  TSilentServer& operator=(const TSilentServer&) = delete;

  std::uint16_t Port() const { return Port_; }

private:
  std::uintptr_t Listener_;
  std::uintptr_t Filler_; // the connection that fills the queue
  std::uint16_t Port_ = 0;
};

} // namespace marivo::test
