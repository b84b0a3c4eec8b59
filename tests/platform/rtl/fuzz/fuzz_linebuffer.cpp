// The frame reassembler fed the same bytes in fuzzer-chosen pieces must cut exactly the lines
// that cutting the whole stream at once gives, and stop at the same over-long line.
#include "platform/rtl/LineBuffer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char Terminator = '\x04';

// The lines of the whole stream, and whether it ends on an over-long line.
std::vector<std::string> Reference(const std::string& stream, std::size_t limit, bool& tooLong) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  tooLong = false;
  for (;;) {
    const std::size_t end = stream.find(Terminator, start);
    if (end == std::string::npos) {
      tooLong = stream.size() - start > limit;
      return lines;
    }
    if (end - start > limit) {
      tooLong = true;
      return lines;
    }
    lines.push_back(stream.substr(start, end - start));
    start = end + 1;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::size_t limit = provider.ConsumeIntegralInRange<std::size_t>(0, 64);
  std::vector<std::string> pieces;
  std::string stream;
  while (provider.remaining_bytes() > 0) {
    pieces.push_back(provider.ConsumeRandomLengthString(80));
    stream += pieces.back();
  }

  bool expectTooLong = false;
  const std::vector<std::string> expected = Reference(stream, limit, expectTooLong);
  marivo::TLineBuffer buffer(limit);
  std::vector<std::string> lines;
  bool tooLong = false;
  std::string line;
  for (const std::string& piece : pieces) {
    buffer.Append(piece);
    marivo::TLineBuffer::TState state;
    while ((state = buffer.TakeLine(Terminator, line)) == marivo::TLineBuffer::TState::Line)
      lines.push_back(line);
    if (state == marivo::TLineBuffer::TState::TooLong) {
      tooLong = true;
      break;
    }
  }
  if (lines != expected || tooLong != expectTooLong)
    std::abort();
  return 0;
}
