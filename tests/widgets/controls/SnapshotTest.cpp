#include "tests/support/Snapshot.h"
#include "platform/ui/Forms.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWGroupBox.h"
#include "widgets/controls/MVWLEDLabel.h"
#include "widgets/controls/MVWLabel.h"
#include "widgets/controls/MVWRadioGroup.h"
#include "widgets/controls/MVWSimpleLabel.h"
#include "widgets/controls/MVWStaticText.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

template <class T> T* Place(TForm& form, int left, int top, int width, int height) {
  auto* control = new T(&form);
  control->SetParent(&form);
  control->SetBounds(left, top, width, height);
  return control;
}

TEST(TextAndChoiceSheet, EveryLookOnOneForm) {
  TMVWFoundation foundation;
  MVWApplication->SetThemeActiveSeam(false);
  TForm form(nullptr);
  form.SetCaption("Labels and choices");
  form.SetClientWidth(980);
  form.SetClientHeight(560);

  auto* roles = Place<TMVWRadioGroup>(form, 10, 10, 520, 170);
  roles->SetCaption("Which Function?");
  roles->SetColumns(4);
  for (int role = 1; role <= 20; ++role)
    roles->Items().Add("Role " + std::to_string(role));
  roles->SetItemIndex(6);
  auto* events = Place<TMVWRadioGroup>(form, 540, 10, 200, 80);
  events->SetCaption("Which Event");
  events->Items().Add("Free Routine");
  events->Items().Add("Technical Routine");
  events->SetItemIndex(0);
  auto* autosave = Place<TMVWCheckBox>(form, 540, 100, 200, 20);
  autosave->SetCaption("Autosave to STCLog.txt");
  autosave->SetChecked(true);
  auto* testMode = Place<TMVWCheckBox>(form, 540, 124, 200, 20);
  testMode->SetCaption("Test Mode On if Checked");
  testMode->SetAllowGrayed(true);
  testMode->SetState(cbGrayed);

  const TMVWGroupCaptionAlign sides[] = {gcaTopCenter, gcaLeftCenter, gcaBottomRight, gcaRightTop};
  for (int i = 0; i < 4; ++i) {
    auto* box = Place<TMVWGroupBox>(form, 10 + i * 130, 190, 120, 90);
    box->SetCaption("Side " + std::to_string(i + 1));
    box->SetAlignment(sides[i]);
  }

  const char* scores[] = {"ORDER 12", "8.5", "-7.25", "1:05"};
  TMVWLEDLabel* board = nullptr;
  for (int i = 0; i < 4; ++i) {
    board = Place<TMVWLEDLabel>(form, 560, 160 + i * 34, 10, 10);
    board->SetAutoSize(true);
    board->SetCaption(scores[i]);
  }

  std::vector<TMVWSimpleLabel*> judges;
  for (int alignment = 0; alignment < 9; ++alignment) {
    auto* label = Place<TMVWSimpleLabel>(form, 10 + (alignment % 3) * 110,
                                         290 + (alignment / 3) * 40, 100, 34);
    label->SetAutoSize(false);
    label->SetTransparent(false);
    label->SetColor(clWhite);
    label->SetAlignment(static_cast<TMVWAlignment>(alignment));
    label->SetMultiLine(true);
    label->SetCaption("Judge " + std::to_string(alignment + 1));
    judges.push_back(label);
  }
  auto* turned = Place<TMVWLabel>(form, 350, 290, 40, 120);
  turned->SetAutoSize(false);
  turned->Font().SetName("Arial");
  turned->Bevel().SetStyleOuter(bvRaised);
  turned->Bevel().SetWidthOuter(2);
  turned->SetAlignment(agCenter);
  turned->FontFX().SetAngle(90);
  turned->SetCaption("Turned");
  auto* statics = Place<TMVWStaticText>(form, 410, 330, 10, 10);
  statics->SetCaption("Static text");
  auto* blinking = Place<TMVWSimpleLabel>(form, 410, 290, 120, 20);
  blinking->SetCaption("Hidden phase");
  blinking->SetTwinkleColor(clRed);
  blinking->SetTwinkle(true);
  while (blinking->TwinkleShown())
    MVWApplication->TimerPool().Tick();

  const test::TSnapshot snapshot = test::SnapshotForm(form, "labels-and-choices");
  EXPECT_EQ(roles->ItemIndex(), 6);
  for (TMVWSimpleLabel* judge : judges)
    EXPECT_TRUE(snapshot.Shows(*judge, judge->Font().Color())) << judge->Caption();
  EXPECT_TRUE(snapshot.Shows(*turned, turned->Font().Color(), {3, 3, 37, 117}))
      << "the turned caption";
  EXPECT_TRUE(snapshot.Shows(*blinking, clRed)) << "the hidden phase's colour";
  EXPECT_TRUE(snapshot.Shows(*board, board->LED().ActiveColor()));
  form.Hide();
}

} // namespace
} // namespace marivo
