#pragma once

#include <string>

namespace marivo {

// The text trimmed, then blanks in front up to width, or cut to its first width characters.
std::string PadLeft(const std::string& text, int width);

} // namespace marivo
