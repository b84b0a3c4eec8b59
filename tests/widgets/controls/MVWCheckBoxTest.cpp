#include "widgets/controls/MVWCheckBox.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "tests/support/MessagePump.h"
#include "tests/support/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWCustomCheckGroup.h"
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

using CheckBox = OnAForm;

struct TCycle {
  bool AllowGrayed;
  std::vector<TCheckBoxState> States;
};

TEST_F(CheckBox, ClicksCycleThroughTheStatesItAllows) {
  const TCycle cycles[] = {
      {false, {cbChecked, cbUnchecked, cbChecked}},
      {true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
  };
  for (const TCycle& cycle : cycles) {
    TMVWCheckBox box(nullptr);
    box.SetAllowGrayed(cycle.AllowGrayed);
    int changes = 0;
    box.OnChange = [&changes](TObject*) { ++changes; };
    for (TCheckBoxState state : cycle.States) {
      box.Click();
      EXPECT_EQ(box.State(), state) << cycle.AllowGrayed;
    }
    EXPECT_EQ(changes, static_cast<int>(cycle.States.size()));
  }
}

TEST_F(CheckBox, ReadOnlyKeepsTheStateButStillClicks) {
  auto* box = Place<TMVWCheckBox>(Form);
  box->SetCaption("&Autosave to STCLog.txt");
  int clicks = 0;
  box->OnClick = [&clicks](TObject*) { ++clicks; };
  Form.Show();
  ASSERT_TRUE(test::TakeFocus(box->Handle()));
  SendMessageA(box->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(box->Checked()) << "Space";
  EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'a', 0), 1);
  EXPECT_FALSE(box->Checked()) << "accelerator";
  box->SetReadOnly(true);
  box->Click();
  SendMessageA(box->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'a', 0), 1);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace marivo
