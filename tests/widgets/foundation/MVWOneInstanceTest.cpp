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

TEST(MVWOneInstance, ChecksOwnerAndCount) {
  TForm form(nullptr);
  TMVWIniCtrl stranger(nullptr);
  new TMVWIniCtrl(&form);
  EXPECT_FALSE(CheckOneInstance<TMVWIniCtrl>(&form));
  EXPECT_TRUE(CheckOneInstance<TMVWIniCtrl>(&stranger));
  EXPECT_TRUE(CheckOneInstance<TMVWIniCtrl>(nullptr));
  new TMVWIniCtrl(&form);
  EXPECT_TRUE(CheckOneInstance<TMVWIniCtrl>(&form));
  EXPECT_EQ(MVWEOneInstError("TMVWFormShape", 0).Message(),
            "TMVWFormShape:\rInvalid owner (<>TForm) or second instance on a form");
  EXPECT_EQ(MVWEOneInstError("TMVWFormShape", 1).Message(),
            "TMVWFormShape:\rAlready one TMVWFormShape control in this project!");
}

} // namespace
} // namespace marivo
