#include "tests/support/FakeMeetServer.h"

#include <winsock2.h>

#include <algorithm>
#include <stdexcept>

namespace marivo::test {

namespace {

constexpr char Eot = '\x04';
constexpr long PollMicros = 20000;

std::runtime_error SocketFailure(const char* call) {
  return std::runtime_error(std::string("fake meet server: ") + call + " failed with " +
                            std::to_string(WSAGetLastError()));
}

// A listening socket on 127.0.0.1 and a port the system picks.
SOCKET Listen(int backlog, std::uint16_t& port) {
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof(address);
  if (listener == INVALID_SOCKET ||
      bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(listener, backlog) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    const std::runtime_error failure = SocketFailure("listening");
    closesocket(listener);
    throw failure;
  }
  port = ntohs(address.sin_port);
  return listener;
}

void StartWinsock() {
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
    throw std::runtime_error("fake meet server: WSAStartup failed");
}

} // namespace

TFakeMeetServer::TFakeMeetServer() : Listener_(INVALID_SOCKET), Client_(INVALID_SOCKET) {
  StartWinsock();
  try {
    Listener_ = Listen(1, Port_);
  } catch (...) {
    WSACleanup();
    throw;
  }
  Thread_ = std::thread(&TFakeMeetServer::Serve, this);
}

TFakeMeetServer::~TFakeMeetServer() {
  {
    std::lock_guard lock(Lock_);
    Stopping_ = true;
  }
  Thread_.join();
  if (Client_ != INVALID_SOCKET)
    closesocket(Client_);
  closesocket(Listener_);
  WSACleanup();
}

std::uint16_t TFakeMeetServer::UnusedPort() {
  const TFakeMeetServer probe;
  return probe.Port();
}

bool TFakeMeetServer::WaitForClient(TDuration wait) {
  std::unique_lock lock(Lock_);
  return Changed_.wait_for(lock, wait, [this] { return ClientAccepted_; });
}

bool TFakeMeetServer::WaitForReceived(std::size_t bytes, TDuration wait) {
  std::unique_lock lock(Lock_);
  return Changed_.wait_for(lock, wait, [&] { return Received_.size() >= bytes; });
}

bool TFakeMeetServer::WaitForFrames(std::size_t count, TDuration wait) {
  std::unique_lock lock(Lock_);
  return Changed_.wait_for(lock, wait, [&] {
    return static_cast<std::size_t>(std::count(Received_.begin(), Received_.end(), Eot)) >= count;
  });
}

bool TFakeMeetServer::WaitForClientClose(TDuration wait) {
  std::unique_lock lock(Lock_);
  return Changed_.wait_for(lock, wait, [this] { return ClientClosed_; });
}

std::string TFakeMeetServer::Received() const {
  std::lock_guard lock(Lock_);
  return Received_;
}

std::vector<std::string> TFakeMeetServer::Frames() const {
  const std::string received = Received();
  std::vector<std::string> frames;
  std::size_t start = 0;
  for (std::size_t end = received.find(Eot); end != std::string::npos;
       end = received.find(Eot, start)) {
    frames.push_back(received.substr(start, end + 1 - start));
    start = end + 1;
  }
  return frames;
}

void TFakeMeetServer::Send(std::string_view bytes) {
  SOCKET client = INVALID_SOCKET;
  {
    // The lock is not held while sending: a console busy writing must still be heard. Only
    // Close and Abort end the socket, and they are the sending thread's own calls.
    std::lock_guard lock(Lock_);
    client = Client_;
  }
  if (client == INVALID_SOCKET)
    throw std::runtime_error("fake meet server: no console to send to");
  while (!bytes.empty()) {
    const int sent = send(client, bytes.data(), static_cast<int>(bytes.size()), 0);
    if (sent == SOCKET_ERROR)
      throw SocketFailure("send");
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

void TFakeMeetServer::SendInPieces(const std::vector<std::string>& pieces, TDuration pause) {
  for (const std::string& piece : pieces) {
    Send(piece);
    std::this_thread::sleep_for(pause);
  }
}

void TFakeMeetServer::Close() {
  EndClient(TEnding::Close);
}

void TFakeMeetServer::Abort() {
  EndClient(TEnding::Abort);
}

void TFakeMeetServer::EndClient(TEnding ending) {
  std::unique_lock lock(Lock_);
  Ending_ = ending;
  Changed_.wait_for(lock, DefaultWait, [this] { return Client_ == INVALID_SOCKET; });
}

void TFakeMeetServer::Serve() {
  // Nothing may leave a thread's entry function; a failure shows as a client that never came or
  // bytes that never arrived.
  try {
    for (;;) {
      {
        std::lock_guard lock(Lock_);
        if (Stopping_)
          return;
        if (Ending_ != TEnding::None && Client_ != INVALID_SOCKET) {
          const linger reset{1, 0};
          if (Ending_ == TEnding::Abort)
            setsockopt(Client_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset),
                       sizeof(reset));
          closesocket(Client_);
          Client_ = INVALID_SOCKET;
          ClientClosed_ = true;
          Changed_.notify_all();
        }
      }
      if (!ClientAccepted_)
        AcceptClient();
      else if (!ClientClosed_)
        ReceiveFromClient();
      else
        std::this_thread::sleep_for(std::chrono::microseconds(PollMicros));
    }
  } catch (...) {
    std::lock_guard lock(Lock_);
    ClientClosed_ = true;
    Changed_.notify_all();
  }
}

void TFakeMeetServer::AcceptClient() {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Listener_, &readable);
  timeval limit{0, PollMicros};
  if (select(0, &readable, nullptr, nullptr, &limit) <= 0)
    return;
  const SOCKET client = accept(Listener_, nullptr, nullptr);
  if (client == INVALID_SOCKET)
    return;
  std::lock_guard lock(Lock_);
  Client_ = client;
  ClientAccepted_ = true;
  Changed_.notify_all();
}

void TFakeMeetServer::ReceiveFromClient() {
  // Only this thread closes the client socket, so it stays valid here without the lock.
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Client_, &readable);
  timeval limit{0, PollMicros};
  if (select(0, &readable, nullptr, nullptr, &limit) <= 0)
    return;
  char chunk[4096];
  const int received = recv(Client_, chunk, sizeof(chunk), 0);
  std::lock_guard lock(Lock_);
  if (received > 0)
    Received_.append(chunk, static_cast<std::size_t>(received));
  else
    ClientClosed_ = true;
  Changed_.notify_all();
}

TSilentServer::TSilentServer() : Listener_(INVALID_SOCKET), Filler_(INVALID_SOCKET) {
  StartWinsock();
  try {
    Listener_ = Listen(0, Port_);
    Filler_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(Port_);
    if (Filler_ == INVALID_SOCKET ||
        connect(Filler_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0)
      throw SocketFailure("filling the queue");
  } catch (...) {
    if (Filler_ != INVALID_SOCKET)
      closesocket(Filler_);
    if (Listener_ != INVALID_SOCKET)
      closesocket(Listener_);
    WSACleanup();
    throw;
  }
}

TSilentServer::~TSilentServer() {
  closesocket(Filler_);
  closesocket(Listener_);
  WSACleanup();
}

} // namespace marivo::test
