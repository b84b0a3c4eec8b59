#pragma once

#include <string>

namespace marivo {

// A received frame as one readable line of the traffic log: carriage returns removed, control
// bytes written by name ("[SOH]", "[DC1]", ...). NUL is written "[NUL]", since a log line would
// end at a NUL byte.
std::string TrafficLogLine(const std::string& text);

} // namespace marivo
