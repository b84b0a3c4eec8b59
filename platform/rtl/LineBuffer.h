#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace marivo {

// Bytes as a stream delivers them, in pieces of any size, cut into lines at a terminator.
class TLineBuffer {
public:
  enum class TState { Line, Incomplete, TooLong };

  explicit TLineBuffer(std::size_t maxLineLength) : MaxLineLength_(maxLineLength) {}

  void Append(std::string_view bytes) { Input_.append(bytes); }
  // Line: the next whole line, without its terminator, is in `line`. Incomplete: more bytes are
  // needed. TooLong: more than the longest line arrived before a terminator; the stream cannot
  // be trusted any further.
  TState TakeLine(char terminator, std::string& line);

private:
  std::size_t MaxLineLength_;
  std::string Input_;
  std::size_t Searched_ = 0; // bytes already known to hold no terminator
};

} // namespace marivo
