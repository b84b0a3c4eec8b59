#pragma once

#include "platform/rtl/Exceptions.h"

#include <string>

namespace marivo {

// A connection used the wrong way or ended: "Not Connected", "Already connected.", ...
class ENetError : public Exception {
public:
  using Exception::Exception;
};

// A failing socket call: "Socket Error # <code>", a line break and the system's text.
class ESocketError : public ENetError {
public:
  explicit ESocketError(int code);
  int Code() const { return Code_; }

private:
  int Code_;
};

// Starts Winsock on the first call; it stays started until the program ends.
void EnsureWinsock();

} // namespace marivo
