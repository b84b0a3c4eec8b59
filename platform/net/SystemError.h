#pragma once

#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <string>

namespace marivo {

// The system's text for an error code, without the trailing line break.
std::string SysErrorMessage(std::uint32_t code);

// A failing system call; Message() is the system's text for Code().
class EOSError : public Exception {
public:
  explicit EOSError(std::uint32_t code) : Exception(SysErrorMessage(code)), Code_(code) {}
  std::uint32_t Code() const { return Code_; }

private:
  std::uint32_t Code_;
};

} // namespace marivo
