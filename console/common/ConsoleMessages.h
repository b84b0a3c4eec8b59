#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace marivo {

// The console's own window messages.
// Sent (synchronously) by a reader thread to the main form for each frame it read; WPARAM points
// to a TReaderLine. The reader waits until the frame is handled, so frames go one at a time.
constexpr UINT WM_READERLINE = WM_USER + 1;
// Posted by a reader thread to the main form when its connection failed; WPARAM holds the
// connection's id.
constexpr UINT WM_READERENDED = WM_USER + 2;

struct TReaderLine {
  std::uint64_t ConnectionId;
  const std::string* Frame; // the frame's bytes with its EOT, NUL bytes included
};

} // namespace marivo
