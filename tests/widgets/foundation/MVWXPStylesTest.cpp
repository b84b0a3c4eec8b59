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

TEST(MVWXPStyles, BindsByNameAndToleratesMissingEntries) {
  BindXPStyles();
  ASSERT_TRUE(XPStyles().Loaded());
  EXPECT_EQ(XPStyles().BoundCount(), 31);
  TMVWApplication application;
  ASSERT_NE(XPStyles().IsThemeActive, nullptr);
  EXPECT_EQ(application.ThemeActive(), XPStyles().IsThemeActive() != FALSE);

  BindXPStyles("kernel32.dll"); // a library without any of those names
  EXPECT_TRUE(XPStyles().Loaded());
  EXPECT_EQ(XPStyles().BoundCount(), 0);
  EXPECT_FALSE(application.ThemeActive());
  EXPECT_FALSE(application.UseThemes());

  BindXPStyles("no-such-library.dll");
  EXPECT_FALSE(XPStyles().Loaded());
  EXPECT_FALSE(application.ThemeActive());
  UnbindXPStyles();
}

} // namespace
} // namespace marivo
