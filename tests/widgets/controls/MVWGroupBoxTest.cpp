#include "widgets/controls/MVWGroupBox.h"
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

using GroupBox = OnAForm;

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
