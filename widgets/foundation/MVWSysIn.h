#pragma once

#include <cstdint>
#include <string>

namespace marivo {

// Bits per pixel times planes of the display.
std::uint8_t ScreenColorDepth();
// The user's name, or "(Unknown)" when it cannot be read into 63 characters.
std::string GetNetUserName();
// The NT family of the platform; set at start-up, read by the fill painter.
extern bool IsWinNT;
void ReadPlatformFlags();

} // namespace marivo
