#pragma once

#include "platform/rtl/Streams.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace marivo::test {

using TBytes = std::vector<std::uint8_t>;

inline TBytes Bytes(const std::string& text) {
  return TBytes(text.begin(), text.end());
}

inline TBytes Join(std::initializer_list<TBytes> parts) {
  TBytes all;
  for (const TBytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A stream holding the bytes, at its start.
inline TMemoryStream StreamOf(const TBytes& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
  return stream;
}

} // namespace marivo::test
