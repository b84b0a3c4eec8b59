#include "widgets/controls/portable/MVWButtonDrawState.h"

namespace marivo {

TMVWButtonDrawState PushButtonDrawState(bool enabled, std::uint32_t itemState, bool hot) {
  if (!enabled)
    return bdsDisabled;
  if (itemState & ItemStateSelected)
    return bdsPressed;
  return hot ? bdsHot : bdsUp;
}

std::uint16_t PushButtonFaceFlags(bool defaultLook, std::uint32_t itemState, bool hot) {
  std::uint16_t flags = defaultLook ? 3 : 1;
  if (itemState & ItemStateFocus)
    flags |= 0x0020;
  if (hot)
    flags |= 0x0040;
  return flags;
}

std::uint8_t BoundsChangeFlags(bool moved, bool resized) {
  return static_cast<std::uint8_t>((moved ? 2 : 0) | (resized ? 1 : 0));
}

} // namespace marivo
