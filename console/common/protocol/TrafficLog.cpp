#include "console/common/protocol/TrafficLog.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace marivo {

namespace {

constexpr std::array<std::pair<char, std::string_view>, 16> ControlNames = {{
    {'\x00', "[NUL]"},
    {'\x01', "[SOH]"},
    {'\x02', "[STX]"},
    {'\x04', "[EOT]"},
    {'\x08', "[BS]"},
    {'\x0A', "[LF]"},
    {'\x0B', "[ERL]"},
    {'\x0C', "[ERP]"},
    {'\x10', "[DLE]"},
    {'\x11', "[DC1]"},
    {'\x12', "[DC2]"},
    {'\x13', "[DC3]"},
    {'\x14', "[DC4]"},
    {'\x15', "[DC5]"},
    {'\x16', "[SYN]"},
    {'\x17', "[ETB]"},
}};

} // namespace

std::string TrafficLogLine(const std::string& text) {
  std::string line;
  line.reserve(text.size() + text.size() / 4);
  for (char byte : text) {
    if (byte == '\r')
      continue;
    auto named = std::find_if(ControlNames.begin(), ControlNames.end(),
                              [byte](const auto& entry) { return entry.first == byte; });
    if (named != ControlNames.end())
      line += named->second;
    else
      line += byte;
  }
  return line;
}

} // namespace marivo
