#include "widgets/controls/MVWCustomCheckGroup.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "tests/support/MessagePump.h"
#include "tests/support/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWGroupBox.h"
#include "widgets/controls/MVWRadioButton.h"
#include "widgets/controls/MVWRadioGroup.h"
#include "widgets/controls/portable/MVWGroupLayout.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::OnAForm;
using test::Place;

using CheckGroup = OnAForm;

TEST_F(CheckGroup, BitsFollowTheButtonsAndTooManyLinesAreRefused) {
  auto* group = Place<TMVWCustomCheckGroup>(Form);
  for (const char* line : {"Free Routine", "Technical Routine", "Test"})
    group->Items().Add(line);
  group->SetItemIndex(0xFD);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(group->Buttons(i)->GetChecked(), i != 1) << i;
  std::vector<int> changes;
  group->OnChange = [&changes](TObject*, int index) { changes.push_back(index); };
  group->Buttons(1)->Click();
  EXPECT_EQ(group->ItemIndex(), 7);
  EXPECT_EQ(changes, std::vector<int>{1});
  for (int i = 3; i < 31; ++i)
    group->Items().Add("Item");
  try {
    group->Items().Add("One too many");
    FAIL() << "32 lines taken";
  } catch (const EListError& error) {
    EXPECT_STREQ(error.what(), "List count out of bounds (32)");
  }
  EXPECT_EQ(group->Items().Count(), 31);
  EXPECT_EQ(group->ButtonCount(), 31);
}

} // namespace
} // namespace marivo
