#pragma once

#include <stdexcept>
#include <string>

namespace marivo {

// Root of every error the system raises; Message() is what the standard error box shows.
class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

#define MARIVO_EXCEPTION(Name, Base)                                                               \
  class Name : public Base {                                                                       \
  public:                                                                                          \
    using Base::Base;                                                                              \
  };

MARIVO_EXCEPTION(EConvertError, Exception)
MARIVO_EXCEPTION(EInvalidOperation, Exception)
MARIVO_EXCEPTION(EListError, Exception)
MARIVO_EXCEPTION(EComponentError, Exception)
MARIVO_EXCEPTION(EResNotFound, Exception)
MARIVO_EXCEPTION(EStreamError, Exception)
MARIVO_EXCEPTION(EFOpenError, EStreamError)
MARIVO_EXCEPTION(EFCreateError, EStreamError)
MARIVO_EXCEPTION(EFilerError, EStreamError)
MARIVO_EXCEPTION(EReadError, EFilerError)
MARIVO_EXCEPTION(EWriteError, EFilerError)
MARIVO_EXCEPTION(EClassNotFound, EFilerError)
MARIVO_EXCEPTION(EInvalidPointer, Exception)
MARIVO_EXCEPTION(EOutOfResources, Exception)
// Picture data that cannot be decoded: a malformed header, corrupt or truncated pixels.
MARIVO_EXCEPTION(EInvalidGraphic, Exception)
// A picture asked to do what its state does not allow: a wrong image size, too many images.
MARIVO_EXCEPTION(EInvalidGraphicOperation, Exception)

#undef MARIVO_EXCEPTION

} // namespace marivo
