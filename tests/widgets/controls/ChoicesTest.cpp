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
#include "widgets/controls/MVWRadioButton.h"
#include "widgets/controls/MVWRadioGroup.h"
#include "widgets/controls/portable/MVWGroupLayout.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFXCaption.h"
#include "widgets/foundation/MVWUnits.h"
#include "widgets/foundation/MVWXPStyles.h"
#include "widgets/foundation/mvwgraph.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::Place;

// A form of its own, hidden again at the end.
class OnAForm : public ::testing::Test {
protected:
  TMVWFoundation Foundation;
  TForm Form{nullptr};
  void TearDown() override { Form.Hide(); }
};

// The event choice: Free or Technical Routine, the latter checked.
TMVWRadioGroup* EventGroup(TForm& form, int top) {
  auto* group = Place<TMVWRadioGroup>(form, 10, top, 200, 100);
  group->SetCaption("Which Event");
  group->Items().Add("Free Routine");
  group->Items().Add("Technical Routine");
  group->SetItemIndex(1);
  return group;
}

// The role choice: twenty roles in four columns, as the console shows it.
class RoleGroup : public OnAForm {
protected:
  TMVWRadioGroup* Group = nullptr;
  std::vector<std::string> Events;

  void SetUp() override {
    Form.SetBounds(0, 0, 700, 320);
    Group = Place<TMVWRadioGroup>(Form, 10, 10, 660, 260);
    Group->SetCaption("Which Function?");
    Group->SetColumns(4);
    for (int role = 1; role <= 20; ++role)
      Group->Items().Add("Role " + std::to_string(role));
    Group->OnClick = [this](TObject*) { Events.push_back("click"); };
    Group->OnChange = [this](TObject*, int index) {
      Events.push_back("change " + std::to_string(index));
    };
    Form.Show();
  }

  std::vector<int> Checked() {
    std::vector<int> checked;
    for (int i = 0; i < Group->ButtonCount(); ++i)
      if (Group->Buttons(i)->GetChecked())
        checked.push_back(i);
    return checked;
  }
  // The group's index is index and only its button is checked (none below 0); at tells where.
  void ExpectChoice(int index, int at) {
    EXPECT_EQ(Group->ItemIndex(), index) << at;
    EXPECT_EQ(Checked(), index < 0 ? std::vector<int>{} : std::vector<int>{index}) << at;
  }
  [[nodiscard]] bool FocusRole(int index) {
    Group->SetItemIndex(index);
    return test::TakeFocus(Group->Buttons(index)->Handle());
  }
  void KeyOn(int index, WPARAM key) {
    SendMessageA(Group->Buttons(index)->Handle(), WM_KEYDOWN, key, 0);
  }
  void ClickRole(int index) {
    HWND button = Group->Buttons(index)->Handle();
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
};

TEST_F(RoleGroup, ButtonsFillFourColumnsOfFiveRows) {
  ASSERT_EQ(Group->ButtonCount(), 20);
  EXPECT_EQ(Group->Buttons(5)->Top(), Group->Buttons(0)->Top());
  EXPECT_GT(Group->Buttons(5)->Left(), Group->Buttons(4)->Left());
  EXPECT_EQ(Group->Buttons(19)->Left(), Group->Buttons(15)->Left());
  EXPECT_EQ(Group->Buttons(19)->Top(), Group->Buttons(4)->Top());
  for (int i = 0; i < 20; ++i)
    EXPECT_TRUE(Group->Buttons(i)->Visible()) << i;
}

TEST_F(RoleGroup, AssigningTheIndexChecksTheClampedButtonSilently) {
  const std::pair<int, int> rows[] = {{3, 3}, {25, 19}, {-5, -1}, {0, 0}};
  for (const auto& [assigned, index] : rows) {
    Group->SetItemIndex(assigned);
    ExpectChoice(index, assigned);
  }
  EXPECT_TRUE(Events.empty());
}

TEST_F(RoleGroup, ClickingAnotherRoleClicksThenChangesOnce) {
  Group->SetItemIndex(2);
  ClickRole(7);
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change 7"}));
  ExpectChoice(7, __LINE__);
  Events.clear();
  ClickRole(7);
  EXPECT_TRUE(Events.empty()) << "the checked role";
}

TEST_F(RoleGroup, ArrowKeysMoveTheChoiceWithinTheGroup) {
  ASSERT_TRUE(FocusRole(4));
  Events.clear();
  KeyOn(4, VK_DOWN);
  EXPECT_EQ(Group->ItemIndex(), 5);
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change 5"}));
  KeyOn(5, VK_UP);
  EXPECT_EQ(Group->ItemIndex(), 4);
}

// The button passes its keys on to the group, but not one the form took first.
TEST_F(RoleGroup, AKeyTheFormTakesReachesTheFormOnce) {
  std::vector<WORD> previewed;
  Form.SetKeyPreview(true);
  Form.OnKeyDown = [&previewed](TObject*, WORD& key, TShiftState) {
    previewed.push_back(key);
    if (key == VK_F9)
      key = 0;
  };
  ASSERT_TRUE(FocusRole(4));
  KeyOn(4, VK_F9);
  EXPECT_EQ(previewed, std::vector<WORD>{VK_F9});
  KeyOn(4, VK_DOWN);
  EXPECT_EQ(Group->ItemIndex(), 5) << "a key the form leaves still moves the choice";
}

TEST_F(RoleGroup, ButtonsTakeTheirHelpContextFromTheGroup) {
  Group->SetHelpContext(100);
  const std::pair<TMVWChildHelpContextID, int> rows[] = {
      {ciSameAsParent, 100}, {ciAutoNumbered, 103}, {ciDefault, 0}};
  for (const auto& [mode, context] : rows) {
    Group->SetHelpContextBtn(mode);
    EXPECT_EQ(Group->Buttons(2)->HelpContext(), context) << int(mode);
  }
}

TEST_F(RoleGroup, FewerItemsLowerTheIndex) {
  Group->SetItemIndex(19);
  while (Group->Items().Count() > 10)
    Group->Items().Delete(Group->Items().Count() - 1);
  EXPECT_EQ(Group->ButtonCount(), 10);
  ExpectChoice(9, __LINE__);
  EXPECT_TRUE(Events.empty());
}

TEST_F(RoleGroup, AReadOnlyGroupKeepsItsChoice) {
  Group->SetItemIndex(1);
  Group->SetReadOnly(true);
  ClickRole(3);
  ExpectChoice(1, __LINE__);
  EXPECT_TRUE(Events.empty());
}

using CheckGroup = OnAForm;
using GroupBox = OnAForm;
using Groups = OnAForm;
using RadioGroupFocus = OnAForm;
using CheckBox = OnAForm;
using RadioButton = OnAForm;

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

TEST_F(GroupBox, ChildrenStayOutOfTheCaptionBandOnEverySide) {
  auto* box = Place<TMVWGroupBox>(Form, 0, 0, 200, 120);
  box->SetCaption("Server");
  auto* inside = Place<TMVWRadioButton>(*box, &Form);
  inside->SetAlign(alClient);
  struct Row {
    TMVWGroupCaptionAlign Align;
    bool Left, Top, Right, Bottom;
  };
  const Row rows[] = {{gcaTopLeft, false, true, false, false},
                      {gcaLeftCenter, true, false, false, false},
                      {gcaBottomRight, false, false, false, true},
                      {gcaRightTop, false, false, true, false}};
  const int h = box->CaptionHeight();
  ASSERT_GT(h, 0);
  for (const Row& row : rows) {
    box->SetAlignment(row.Align);
    const int extent = box->GetBevelExtent();
    EXPECT_EQ(inside->Left(), extent + (row.Left ? h : 0)) << int(row.Align);
    EXPECT_EQ(inside->Top(), extent + (row.Top ? h : 0)) << int(row.Align);
    EXPECT_EQ(inside->Left() + inside->Width(), 200 - extent - (row.Right ? h : 0))
        << int(row.Align);
    EXPECT_EQ(inside->Top() + inside->Height(), 120 - extent - (row.Bottom ? h : 0))
        << int(row.Align);
  }
  box->SetCaption("");
  EXPECT_EQ(inside->Top(), box->GetBevelExtent()) << "no caption, no band";
}

TEST_F(Groups, RepaintsLeaveNoGdiObjectBehind) {
  Form.SetBounds(0, 0, 400, 200);
  EventGroup(Form, 10)->SetAlignment(gcaLeftCenter);
  Place<TMVWCheckBox>(Form, 220, 10, 150, 20)->SetCaption("Test Mode On if Checked");
  Form.Show();
  const auto repaint = [&] {
    RedrawWindow(Form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  repaint();
  const long before = GdiLiveCount();
  for (int paint = 0; paint < 1000; ++paint)
    repaint();
  EXPECT_EQ(GdiLiveCount(), before);
}

// Tab and Shift+Tab move the focus one control at a time: into a group that is a tab stop (its
// checked button), out of it from that button, and past a group that is not; Enter and
// accelerators typed on a button reach the form once.
TEST_F(RadioGroupFocus, TabAndShiftTabStepOverTheGroupOnce) {
  Form.SetBounds(0, 0, 300, 220);
  std::vector<std::string> entered;
  const auto watch = [&entered](TWinControl* control, const std::string& name) {
    control->OnEnter = [&entered, name](TObject*) { entered.push_back(name); };
    return control;
  };
  TWinControl* first = watch(Place<TMVWEdit>(Form, 10, 10, 200, 21), "first");
  auto* group = EventGroup(Form, 40);
  watch(group->Buttons(0), "button 0");
  watch(group->Buttons(1), "button 1");
  TWinControl* last = watch(Place<TMVWEdit>(Form, 10, 150, 200, 21), "last");
  Form.Show();
  const auto press = [&entered](TWinControl& from, bool shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    entered.clear();
    SendMessageA(from.Handle(), WM_KEYDOWN, VK_TAB, 0);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
    return entered;
  };
  using TEntered = std::vector<std::string>;
  struct Step {
    bool GroupTabStop;
    TWinControl* From;
    bool Shift;
    TEntered Entered;
  };
  const Step steps[] = {
      {true, first, false, {"button 1"}}, {true, group->Buttons(1), false, {"last"}},
      {true, last, true, {"button 1"}},   {true, group->Buttons(1), true, {"first"}},
      {false, first, false, {"last"}},    {false, last, true, {"first"}}};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Step& step = steps[i];
    group->SetTabStop(step.GroupTabStop);
    ASSERT_TRUE(test::TakeFocus(step.From->Handle())) << i;
    EXPECT_EQ(press(*step.From, step.Shift), step.Entered) << "step " << i;
  }
  auto* ok = Place<TButton>(Form, 220, 10, 60, 25);
  ok->SetDefault(true);
  int okClicks = 0;
  ok->OnClick = [&okClicks](TObject*) { ++okClicks; };
  ASSERT_TRUE(test::TakeFocus(group->Buttons(1)->Handle()));
  SendMessageA(group->Buttons(1)->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(okClicks, 1) << "Enter clicks the default button once";
  auto* autosave = Place<TMVWCheckBox>(Form, 220, 50, 70, 17);
  autosave->SetCaption("&Autosave");
  SendMessageA(group->Buttons(1)->Handle(), WM_CHAR, 'a', 0);
  EXPECT_TRUE(autosave->Checked()) << "an accelerator toggles once";
}

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

// A check box or radio button whose glyph strip can be looked at.
template <class T> class TStripProbe : public T {
public:
  using T::T;
  int StripWidth() {
    this->RecreateGlyphs();
    return this->Strip_->Cells.Width();
  }
  // Cells holding more than one colour: something was drawn in them.
  int DrawnCells() {
    this->RecreateGlyphs();
    const TBitmap& strip = this->Strip_->Cells;
    int drawn = 0;
    for (int left = 0; left + this->CellWidth_ <= strip.Width(); left += this->CellWidth_) {
      std::set<TColor> colours;
      for (int y = 0; y < strip.Height(); ++y)
        for (int x = left; x < left + this->CellWidth_; ++x)
          colours.insert(strip.Pixels(x, y));
      drawn += colours.size() > 1 ? 1 : 0;
    }
    return drawn;
  }
  int PressedCell() {
    this->Pressed_ = true;
    const int cell = this->CellIndex();
    this->Pressed_ = false;
    return cell;
  }
};

class ThemedLook : public OnAForm {
protected:
  void TearDown() override {
    OnAForm::TearDown();
    MVWApplication->SetThemeActiveSeam(std::nullopt);
  }
};

TEST_F(ThemedLook, StripsGainAPressedSetAndDrawEveryCell) {
  auto* box = Place<TStripProbe<TMVWCheckBox>>(Form);
  auto* radio = Place<TStripProbe<TMVWRadioButton>>(Form, 10, 30, 100, 17);
  Form.Show();
  struct Row {
    bool Themes, CtlXP, Flat;
    int Sets;
  };
  for (const Row& row :
       {Row{false, true, false, 1}, Row{false, true, true, 2}, Row{true, true, false, 2},
        Row{true, true, true, 3}, Row{true, false, false, 1}}) {
    MVWApplication->SetThemeActiveSeam(row.Themes);
    const bool pressedSet = row.Themes && row.CtlXP;
    for (TMVWButtonControl* control : std::initializer_list<TMVWButtonControl*>{box, radio}) {
      control->SetCtlXP(row.CtlXP);
      control->SetFlat(row.Flat);
    }
    const std::string why = "themes " + std::to_string(row.Themes) + " CtlXP " +
                            std::to_string(row.CtlXP) + " flat " + std::to_string(row.Flat);
    EXPECT_EQ(box->StripWidth(), 13 * 6 * row.Sets) << why;
    EXPECT_EQ(box->DrawnCells(), 6 * row.Sets) << why;
    EXPECT_EQ(radio->StripWidth(), 13 * 4 * row.Sets) << why;
    EXPECT_EQ(radio->DrawnCells(), 4 * row.Sets) << why;
    if (!row.Flat) {
      EXPECT_EQ(box->PressedCell(), pressedSet ? 6 : 0) << why;
      EXPECT_EQ(radio->PressedCell(), pressedSet ? 4 : 0) << why;
    }
  }
}

TEST_F(ThemedLook, AWindowsFramedGroupBoxTakesTheThemedFrame) {
  auto* group = Place<test::TOffScreen<TMVWGroupBox>>(Form, 10, 10, 120, 60);
  group->SetCaption("");
  group->SetColor(clWhite);
  group->Bevel().SetMode(bmWindows);
  Form.Show();
  // The frame as the theme draws it, or the standard border when there is no theme to open.
  const auto expected = [&](bool themed, bool enabled) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(group->ClientWidth(), group->ClientHeight());
    bitmap->Canvas().Brush().SetColor(clWhite);
    RECT frame{0, 0, bitmap->Width(), bitmap->Height()};
    bitmap->Canvas().FillRect(frame);
    const TMVWXPStyles& styles = XPStyles();
    HTHEME theme =
        themed && styles.OpenThemeData ? styles.OpenThemeData(group->Handle(), L"BUTTON") : nullptr;
    if (theme) {
      styles.DrawThemeBackground(theme, bitmap->Canvas().Handle(), 4, enabled ? 1 : 2, &frame,
                                 nullptr);
      styles.CloseThemeData(theme);
    } else {
      DrawStandardBorder(bitmap->Canvas(), frame, lsFrameInset, 0);
    }
    return bitmap;
  };
  for (bool themed : {false, true})
    for (bool enabled : {true, false}) {
      MVWApplication->SetThemeActiveSeam(themed);
      group->SetEnabled(enabled);
      TBitmap picture;
      group->PaintOn(picture);
      auto want = expected(themed, enabled);
      EXPECT_EQ(test::CountOther(picture, [&](int x, int y) { return want->Pixels(x, y); }), 0)
          << "themed " << themed << " enabled " << enabled;
    }
}

BOOL WINAPI SeeThroughPart(HTHEME, int, int) {
  return TRUE;
}

BOOL WINAPI OpaquePart(HTHEME, int, int) {
  return FALSE;
}

// The caption's background: the parent shows through a see-through themed frame, only under the
// caption; otherwise the group's own colour. The theme's answer is forced both ways.
TEST_F(ThemedLook, TheCaptionBackShowsTheParentThroughASeeThroughThemedFrame) {
  constexpr TColor parentColour = 0x0000FF00;
  constexpr TColor groupColour = 0x00F0E0D0;
  Form.SetColor(parentColour);
  Form.SetBounds(0, 0, 300, 200);
  auto* group = Place<test::TOffScreen<TMVWGroupBox>>(Form, 20, 30, 180, 120);
  group->SetCaption("Server");
  group->SetColor(groupColour);
  Form.Show();
  enum TWidened { wLeft, wBottom, wTop };
  const std::pair<TMVWGroupCaptionAlign, TWidened> sides[] = {{gcaTopLeft, wLeft},
                                                              {gcaBottomCenter, wLeft},
                                                              {gcaLeftCenter, wBottom},
                                                              {gcaRightBottom, wTop}};
  struct Look {
    bool Themes, SeeThrough;
  };
  for (const auto& [align, widened] : sides)
    for (const Look& look : {Look{true, true}, Look{true, false}, Look{false, true}}) {
      group->SetAlignment(align);
      MVWApplication->SetThemeActiveSeam(look.Themes);
      TMVWXPStyles forced = XPStyles();
      forced.IsThemeBackgroundPartiallyTransparent = look.SeeThrough ? SeeThroughPart : OpaquePart;
      TMVWXPStylesSeam seam(forced);
      TBitmap picture;
      group->PaintOn(picture);

      const TMVWRect band = GroupFrame(align, group->CaptionOffset(), group->CaptionHeight(),
                                       group->ClientWidth(), group->ClientHeight())
                                .CaptionBand;
      TMVWFxCaption fx;
      fx.Assign(group->CaptionStyle());
      RECT caption{};
      DrawFxCaptionRect(static_cast<TMVWAlignment>(GroupCaptionPlaces[align].TextAlignment),
                        "Server", &fx, caption, 0, true, false, group->CaptionFont(),
                        RECT{band.Left, band.Top, band.Right, band.Bottom});
      const TMVWRect back = CaptionBackground(
          align, TMVWRect{caption.left, caption.top, caption.right, caption.bottom});
      // Where the background reaches beyond the caption: no text is drawn there.
      const RECT strip = widened == wLeft ? RECT{back.Left, back.Top, back.Left + 2, back.Bottom}
                         : widened == wBottom
                             ? RECT{back.Left, back.Bottom - 2, back.Right, back.Bottom}
                             : RECT{back.Left, back.Top, back.Right, back.Top + 2};
      const bool parentShows = look.Themes && look.SeeThrough;
      const std::string why = "align " + std::to_string(align) + " themes " +
                              std::to_string(look.Themes) + " see-through " +
                              std::to_string(look.SeeThrough);
      const RECT under{back.Left, back.Top, back.Right, back.Bottom};
      int stripOther = 0;
      int parentOutside = 0;
      for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
          const TColor seen = picture.Pixels(x, y);
          if (PtInRect(&strip, POINT{x, y}))
            stripOther += seen != (parentShows ? parentColour : groupColour);
          else if (!PtInRect(&under, POINT{x, y}))
            parentOutside += seen == parentColour;
        }
      EXPECT_EQ(stripOther, 0) << why;
      EXPECT_EQ(parentOutside, 0) << why << ": the parent shows under the caption only";
    }
}

} // namespace
} // namespace marivo
