#pragma once

#include <cstdint>

namespace marivo {

// Item state bits of an owner-drawn button.
constexpr std::uint32_t ItemStateSelected = 0x0001;
constexpr std::uint32_t ItemStateFocus = 0x0010;

// The state a push button's face and glyph are drawn in.
enum TMVWButtonDrawState : std::uint8_t { bdsUp = 0, bdsDisabled = 1, bdsHot = 2, bdsPressed = 4 };

TMVWButtonDrawState PushButtonDrawState(bool enabled, std::uint32_t itemState, bool hot);

// Face flags: 1 plain or 3 as the default button, 0x0020 focused, 0x0040 hot.
std::uint16_t PushButtonFaceFlags(bool defaultLook, std::uint32_t itemState, bool hot);

// What the bounds-changed hook is told: 2 for a move, 1 for a new size.
std::uint8_t BoundsChangeFlags(bool moved, bool resized);

} // namespace marivo
