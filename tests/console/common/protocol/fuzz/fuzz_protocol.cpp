#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/RoleCodes.h"
#include "tests/console/common/protocol/fuzz/FuzzChecks.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace marivo;
using fuzz::Check;
using fuzz::Contains;

// Every field split off a frame lies inside it, and the fields sit where the header says.
void CheckSplit(std::string_view input) {
  const TFrame frame = SplitFrame(input);
  Check(Contains(input, frame.Header) && Contains(input, frame.Payload));
  Check(frame.Payload.size() < input.size() || input.empty());
  Check(frame.Code == frame.Header.substr(0, 2));
  Check(frame.Role.size() <= 4 && Contains(frame.Header, frame.Role));
  if (!Contains(input, std::string_view("\x02", 1)))
    Check(frame.Code.empty() && frame.Payload.empty());
  const std::optional<int> index = FindRoleIndex(frame.Role);
  Check(!index || (*index >= 0 && *index < RoleCount && RoleCodes[*index] == frame.Role));
  const int number = RoleJudgeNumber(frame.Role);
  Check(number >= 1 && number <= RoleCount);
}

// A walk takes Before, then continues with After, until the separator runs out.
void CheckWalk(std::string text, char separator) {
  while (true) {
    const std::string before = Before(text, separator);
    const std::string after = After(text, separator);
    if (text.find(separator) == std::string::npos) {
      Check(before.empty() && after == text);
      return;
    }
    Check(before + separator + after == text);
    Check(before.find(separator) == std::string::npos);
    text = after;
  }
}

// A frame built from any header fields free of SOH, STX and EOT, and any payload, splits back.
void CheckRoundTrip(std::string_view input) {
  if (input.size() < 10)
    return;
  std::string header(input.substr(0, 10));
  for (char& c : header) {
    if (c == SOH || c == STX || c == EOT)
      c = ' ';
  }
  const std::string_view payload = input.substr(10);
  const std::string frame =
      BuildFrame(std::string_view(header).substr(0, 2), std::string_view(header).substr(2, 4),
                 std::string_view(header).substr(6, 4), payload);
  Check(frame.back() == EOT && frame.find(EOT) == frame.size() - 1);
  const TFrame split = SplitFrame(frame);
  Check(split.Header == header);
  Check(split.Code == header.substr(0, 2) && split.Role == header.substr(6, 4));
  std::string expected;
  for (char c : payload) {
    if (c != EOT)
      expected += c;
  }
  Check(split.Payload == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckSplit(input);
  const std::string payload = SplitFrame(input).Payload;
  for (char separator : {DC1, DC2, DC3, DC4, DC5, '^', ';'})
    CheckWalk(payload, separator);
  CheckRoundTrip(input);
  return 0;
}
