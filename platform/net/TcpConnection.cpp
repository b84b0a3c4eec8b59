#include "platform/net/TcpConnection.h"

#include "platform/net/Winsock.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <climits>

namespace marivo {

namespace {

std::atomic<std::uint64_t> LastId = 0;

in_addr Resolve(const std::string& host) {
  // An empty name would resolve to this computer's own addresses.
  if (host.empty())
    throw ENetError("Host is not set.");
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int result = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (result != 0)
    throw ESocketError(result);
  const in_addr address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  freeaddrinfo(found);
  return address;
}

void SetBlocking(SOCKET socket, bool blocking) {
  u_long nonBlocking = blocking ? 0 : 1;
  if (ioctlsocket(socket, FIONBIO, &nonBlocking) == SOCKET_ERROR)
    throw ESocketError(WSAGetLastError());
}

void WaitForConnect(SOCKET socket, std::chrono::milliseconds timeout) {
  fd_set writable;
  fd_set failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  FD_SET(socket, &writable);
  FD_SET(socket, &failed);
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(timeout).count();
  timeval limit{static_cast<long>(micros / 1000000), static_cast<long>(micros % 1000000)};
  const int ready = select(0, nullptr, &writable, &failed, &limit);
  if (ready == SOCKET_ERROR)
    throw ESocketError(WSAGetLastError());
  if (ready == 0)
    throw ESocketError(WSAETIMEDOUT);
  int error = 0;
  int length = sizeof(error);
  if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) ==
      SOCKET_ERROR)
    throw ESocketError(WSAGetLastError());
  if (error != 0)
    throw ESocketError(error);
}

} // namespace

TTcpConnection::TTcpConnection(std::uintptr_t socket)
    : Socket_(socket), Id_(++LastId), Closed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      ReadDone_(WSACreateEvent()) {
  if (Closed_ == nullptr || ReadDone_ == WSA_INVALID_EVENT) {
    const int error = static_cast<int>(GetLastError());
    Release();
    throw ESocketError(error);
  }
}

TTcpConnection::~TTcpConnection() {
  Close();
  Release();
}

void TTcpConnection::Release() {
  closesocket(Socket_);
  if (Closed_ != nullptr)
    CloseHandle(Closed_);
  if (ReadDone_ != WSA_INVALID_EVENT)
    WSACloseEvent(ReadDone_);
}

std::shared_ptr<TTcpConnection> TTcpConnection::Open(const std::string& host, std::uint16_t port,
                                                     std::chrono::milliseconds timeout) {
  EnsureWinsock();
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr = Resolve(host);

  const SOCKET socket =
      WSASocketA(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, WSA_FLAG_OVERLAPPED);
  if (socket == INVALID_SOCKET)
    throw ESocketError(WSAGetLastError());
  std::shared_ptr<TTcpConnection> connection(new TTcpConnection(socket));
  // Without a time limit of its own, connect would hold the calling (user interface) thread for
  // the stack's default of about 21 seconds.
  SetBlocking(socket, false);
  if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) ==
      SOCKET_ERROR) {
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK)
      throw ESocketError(error);
    WaitForConnect(socket, timeout);
  }
  SetBlocking(socket, true);
  // Frames are small and must not wait for more to fill a segment.
  const BOOL noDelay = TRUE;
  if (setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay),
                 sizeof(noDelay)) == SOCKET_ERROR)
    throw ESocketError(WSAGetLastError());
  // A server that is alive but reads no more must not freeze the console in a write.
  const DWORD sendTimeout = 5000;
  if (setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&sendTimeout),
                 sizeof(sendTimeout)) == SOCKET_ERROR)
    throw ESocketError(WSAGetLastError());
  connection->Open_ = true;
  return connection;
}

void TTcpConnection::Write(std::string_view text) {
  if (!Connected())
    throw ENetError("Not Connected");
  while (!text.empty()) {
    const int sent = send(Socket_, text.data(),
                          static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)), 0);
    if (sent == SOCKET_ERROR) {
      const int error = WSAGetLastError();
      // Part of a frame may have left: the stream cannot be trusted any more.
      Close();
      throw ESocketError(error);
    }
    text.remove_prefix(static_cast<std::size_t>(sent));
  }
}

std::string TTcpConnection::ReadLn(char terminator) {
  std::string line;
  for (;;) {
    switch (Input_.TakeLine(terminator, line)) {
    case TLineBuffer::TState::Line:
      return line;
    case TLineBuffer::TState::TooLong:
      throw ENetError("Maximum line length exceeded.");
    case TLineBuffer::TState::Incomplete:
      break;
    }
    if (!Connected())
      throw ENetError("Not Connected");
    char chunk[4096];
    Input_.Append(std::string_view(chunk, Receive(chunk, sizeof(chunk))));
  }
}

std::size_t TTcpConnection::Receive(char* buffer, std::size_t size) {
  // Overlapped, so that Close can end the wait: under Wine a shutdown does not wake a recv
  // blocked in another thread, and closing the socket under it would free its handle for reuse.
  WSABUF chunk{static_cast<ULONG>(size), buffer};
  WSAOVERLAPPED overlapped{};
  overlapped.hEvent = ReadDone_;
  WSAResetEvent(ReadDone_);
  DWORD received = 0;
  DWORD flags = 0;
  int error = 0;
  if (WSARecv(Socket_, &chunk, 1, &received, &flags, &overlapped, nullptr) == SOCKET_ERROR) {
    error = WSAGetLastError();
    if (error == WSA_IO_PENDING) {
      const HANDLE events[] = {ReadDone_, Closed_};
      if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0)
        CancelIoEx(reinterpret_cast<HANDLE>(Socket_), &overlapped);
      // The read must be over before its buffer goes away, cancelled or not.
      error = WSAGetOverlappedResult(Socket_, &overlapped, &received, TRUE, &flags)
                  ? 0
                  : WSAGetLastError();
    }
  }
  // After a local Close every outcome means the same; say so rather than blame the peer.
  if (!Connected())
    throw ENetError("Not Connected");
  if (error != 0)
    throw ESocketError(error);
  if (received == 0)
    throw ENetError("Connection closed by the peer.");
  return received;
}

void TTcpConnection::Close() {
  if (Open_.exchange(false)) {
    shutdown(Socket_, SD_BOTH);
    SetEvent(Closed_);
  }
}

} // namespace marivo
