#include "widgets/controls/portable/MVWButtonDrawState.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

TEST(MVWButtonDrawState, ItemStateAndHoverPickStateAndFlags) {
  struct TCase {
    bool Enabled, DefaultLook, Hot;
    std::uint32_t ItemState;
    TMVWButtonDrawState State;
    std::uint16_t Flags;
  };
  const TCase cases[] = {
      {true, false, false, 0, bdsUp, 0x0001},
      {true, true, false, 0, bdsUp, 0x0003},
      {true, false, true, 0, bdsHot, 0x0041},
      {true, false, true, ItemStateSelected, bdsPressed, 0x0041},
      {true, true, false, ItemStateSelected | ItemStateFocus, bdsPressed, 0x0023},
      {true, true, true, ItemStateFocus, bdsHot, 0x0063},
      // Disabled wins over pressed and hot; the flags still tell hot and focus.
      {false, false, true, ItemStateSelected | ItemStateFocus, bdsDisabled, 0x0061},
      {false, true, false, 0, bdsDisabled, 0x0003},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(PushButtonDrawState(c.Enabled, c.ItemState, c.Hot), c.State)
        << c.Enabled << c.DefaultLook << c.Hot << " " << c.ItemState;
    EXPECT_EQ(PushButtonFaceFlags(c.DefaultLook, c.ItemState, c.Hot), c.Flags)
        << c.Enabled << c.DefaultLook << c.Hot << " " << c.ItemState;
  }
}

TEST(MVWButtonDrawState, BoundsChangesAreToldAsFlags) {
  EXPECT_EQ(BoundsChangeFlags(false, false), 0);
  EXPECT_EQ(BoundsChangeFlags(false, true), 1);
  EXPECT_EQ(BoundsChangeFlags(true, false), 2);
  EXPECT_EQ(BoundsChangeFlags(true, true), 3);
}

} // namespace
} // namespace marivo
