#include "platform/rtl/LineBuffer.h"

namespace marivo {

TLineBuffer::TState TLineBuffer::TakeLine(char terminator, std::string& line) {
  const std::size_t end = Input_.find(terminator, Searched_);
  if (end == std::string::npos) {
    Searched_ = Input_.size();
    return Input_.size() > MaxLineLength_ ? TState::TooLong : TState::Incomplete;
  }
  if (end > MaxLineLength_)
    return TState::TooLong;
  line.assign(Input_, 0, end);
  Input_.erase(0, end + 1);
  Searched_ = 0;
  return TState::Line;
}

} // namespace marivo
