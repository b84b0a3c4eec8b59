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

TEST(MVWIniCtrl, Rules) {
  TMVWIniCtrl ini(nullptr);
  EXPECT_TRUE(ini.Common());
  EXPECT_EQ(ini.IniPrefix(), ppWindows);
  EXPECT_EQ(ini.RegRoot(), rpCurrentUser);
  EXPECT_EQ(ini.Target(), itAuto);
  EXPECT_EQ(ini.EffectiveTarget(), itRegistry);
  EXPECT_EQ(ini.EncKey(), 58231);

  ini.SetMaxEntries(40);
  ini.SetAlphaCounter(true);
  EXPECT_EQ(ini.MaxEntries(), 26);
  ini.SetMaxEntries(30);
  EXPECT_EQ(ini.MaxEntries(), 26);
  ini.SetMaxEntries(10);
  ini.SetAlphaCounter(false);
  ini.SetMaxEntries(200);
  EXPECT_EQ(ini.MaxEntries(), 200);
  ini.SetAlphaCounter(true);
  ini.SetAlphaCounter(false);
  EXPECT_EQ(ini.MaxEntries(), 26);

  ini.SetIniFile("Widgets");
  EXPECT_EQ(ini.IniFile(), "Widgets.INI");
  ini.SetIniFile("Widgets.cfg");
  EXPECT_EQ(ini.IniFile(), "Widgets.cfg");
  ini.SetTarget(itIniFile);
  EXPECT_EQ(ini.EffectiveTarget(), itIniFile);
  ini.SetNetUser(true);
  EXPECT_EQ(ini.User(), GetNetUserName());
}

} // namespace
} // namespace marivo
