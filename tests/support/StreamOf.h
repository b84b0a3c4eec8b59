#pragma once

#include "platform/rtl/Streams.h"

#include <cstdint>
#include <vector>

namespace marivo::test {

// A memory stream holding the bytes of a string or a byte vector, at its start.
template <class TByteRange = std::vector<std::uint8_t>>
TMemoryStream StreamOf(const TByteRange& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
  return stream;
}

} // namespace marivo::test
