#include "widgets/foundation/MVWApplication.h"

#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panels.h"
#include "platform/ui/Pictures.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWOneInstance.h"
#include "widgets/foundation/MVWSysIn.h"
#include "widgets/foundation/MVWWndProcComponent.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::TMessageRecorder;
using test::TRecording;

TEST(MVWFoundation, StartsInOrderAndStopsInReverse) {
  {
    TMVWFoundation foundation;
    ASSERT_NE(MVWApplication, nullptr);
    EXPECT_NE(MVWThemeManager, nullptr);
    EXPECT_TRUE(XPStyles().Loaded());
    EXPECT_TRUE(IsWinNT);
    EXPECT_EQ(MVWApplication->TimerPool().MinInterval(), 50);
  }
  EXPECT_EQ(MVWApplication, nullptr);
  EXPECT_EQ(MVWThemeManager, nullptr);
  EXPECT_FALSE(XPStyles().Loaded());
}

} // namespace
} // namespace marivo
