#include "widgets/controls/MVWRadioButton.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "tests/support/MessagePump.h"
#include "tests/support/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWCustomCheckGroup.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWGroupBox.h"
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

using RadioButton = OnAForm;

TEST_F(RadioButton, CheckingOneUnchecksItsSiblingsAndTheFocusChecks) {
  std::vector<TMVWRadioButton*> radios;
  std::vector<int> clicks(3, 0);
  for (int i = 0; i < 3; ++i) {
    auto* radio = Place<TMVWRadioButton>(Form, 10, 10 + 20 * i, 100, 17);
    radio->OnClick = [&clicks, i](TObject*) { ++clicks[static_cast<std::size_t>(i)]; };
    radios.push_back(radio);
  }
  Form.Show();
  radios[0]->SetChecked(true);
  radios[1]->SetChecked(true);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_EQ(clicks, (std::vector<int>{1, 1, 0}));
  radios[1]->SetChecked(true);
  EXPECT_EQ(clicks, (std::vector<int>{1, 1, 0})) << "already checked";
  ASSERT_TRUE(test::TakeFocus(radios[2]->Handle()));
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_FALSE(radios[1]->Checked());
}

} // namespace
} // namespace marivo
