#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/controls/Guarded.h"
#include "tests/widgets/controls/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWBackPanel.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWSpeedButton.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

class TKeypadForm : public TForm {
public:
  using TForm::TForm;
  void KeyClick(TObject* sender) { Clicked.push_back(dynamic_cast<TComponent*>(sender)->Tag()); }
  std::vector<std::int64_t> Clicked;
};

// A speed button whose paints are counted, whose messages are recorded and whose state a
// snapshot may set.
class TProbe : public test::TOffScreen<test::TRecording<TMVWSpeedButton>> {
public:
  using TMVWSpeedButton::SetState;
  using TOffScreen::TOffScreen;
  void Paint() override {
    ++Paints;
    TMVWSpeedButton::Paint();
  }
  // The button as it paints itself, on a fuchsia bitmap of its size.
  std::unique_ptr<TBitmap> Picture() {
    auto picture = std::make_unique<TBitmap>();
    PaintInto(*picture, clFuchsia);
    return picture;
  }
  int Paints = 0;
};

void RegisterTestClasses() {
  static const bool registered = [] {
    RegisterStandardClasses();
    RegisterControlClasses();
    RegisterComponentClass<TKeypadForm, TForm>("TKeypadForm")
        .Handler("KeyClick", &TKeypadForm::KeyClick);
    return true;
  }();
  (void)registered;
}

// The back panels' picture: 10-pixel tiles, green and yellow, repeated from the corner.
TColor TileAt(int x, int y) {
  return (x % 20 < 10) == (y % 20 < 10) ? clGreen : clYellow;
}

void FillTiles(TBitmap& bitmap) {
  bitmap.SetSize(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      bitmap.SetPixels(x, y, TileAt(x, y));
}

// A two-cell glyph: a red square up, a blue one disabled, on white.
std::unique_ptr<TBitmap> TwoCellGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  FillBitmap(*glyph, {0, 0, 32, 16}, clWhite);
  glyph->Canvas().Brush().SetColor(clRed);
  glyph->Canvas().FillRect({4, 4, 12, 12});
  glyph->Canvas().Brush().SetColor(clBlue);
  glyph->Canvas().FillRect({20, 4, 28, 12});
  return glyph;
}

TMVWBitmapList* TileList(TComponent& owner) {
  auto* list = new TMVWBitmapList(&owner);
  FillTiles(list->Item(list->AddItem())->Bitmap());
  return list;
}

class SpeedButtonTest : public test::TWidgetForm {
protected:
  void SetUp() override {
    RegisterTestClasses();
    TWidgetForm::SetUp();
  }

  // A keypad key as the consoles have them.
  TProbe* AddKey(const std::string& name, int left, int top = 20) {
    auto* key = new TProbe(Form.get(), Recorder, name);
    key->SetParent(Form.get());
    key->SetBounds(left, top, 60, 60);
    key->SetCaption(name);
    key->SetColor(clSilver);
    key->SetStyle(ubsIntegrated);
    key->SetEnterColor(clRed);
    key->SetEnterColorChange(true);
    key->OnClick = RecordClick();
    return key;
  }
};

TEST_F(SpeedButtonTest, KeypadCycleLightsPressesAndClicksOnceOnReleaseInside) {
  TProbe* key = AddKey("Key7", 20);
  Show();
  Mouse(WM_MOUSEMOVE, 40, 40);
  EXPECT_EQ(key->State(), gbsHot);
  EXPECT_NE(key->TimerId(0), 0) << "the hover check runs";
  Mouse(WM_LBUTTONDOWN, 40, 40);
  EXPECT_EQ(key->State(), gbsPressed);
  EXPECT_EQ(key->TimerId(0), 0);
  Mouse(WM_LBUTTONUP, 40, 40);
  EXPECT_EQ(key->State(), gbsHot);
  EXPECT_NE(key->TimerId(0), 0);
  EXPECT_EQ(Clicks, std::vector<std::string>{"Key7"});
  Mouse(WM_MOUSEMOVE, 200, 150);
  EXPECT_EQ(key->State(), gbsUp);
  EXPECT_EQ(key->TimerId(0), 0);
  EXPECT_EQ(Recorder.Receivers(CM_MOUSEENTER), std::vector<std::string>{"Key7"});
  EXPECT_EQ(Recorder.Receivers(CM_MOUSELEAVE), std::vector<std::string>{"Key7"});

  // Down, out, up: no click.
  Mouse(WM_MOUSEMOVE, 40, 40);
  Mouse(WM_LBUTTONDOWN, 40, 40);
  Mouse(WM_MOUSEMOVE, 200, 150);
  EXPECT_EQ(key->State(), gbsUp);
  Mouse(WM_LBUTTONUP, 200, 150);
  EXPECT_EQ(key->State(), gbsUp);
  EXPECT_EQ(Clicks.size(), 1u);
  EXPECT_FALSE(key->MouseIsDown());

  // The hover check drops the light once the cursor has gone without a leave message.
  Mouse(WM_MOUSEMOVE, 40, 40);
  SetCursorPosSeam(Form->ClientToScreen(POINT{300, 150}));
  Ticks(2);
  EXPECT_EQ(key->State(), gbsUp);
  EXPECT_EQ(key->TimerId(0), 0);
}

TEST_F(SpeedButtonTest, ButtonFreedByItsOwnClickOrMouseHandlerIsLeftAlone) {
  // With AllowTransparency and without AllowMouseOver the move handler, not the enter message,
  // runs OnMouseEnter.
  enum { Click, Press, DoublePress, Move, Release, Enter, EnterOnMove, Exit };
  for (int freeing : {Click, Press, DoublePress, Move, Release, Enter, EnterOnMove, Exit}) {
    auto* key = new test::TGuarded<TMVWSpeedButton>(Form.get());
    key->SetParent(Form.get());
    key->SetBounds(20, 20, 60, 60);
    int freed = 0;
    auto free = [&freed](TObject* sender) {
      ++freed;
      delete sender;
    };
    auto onButton = [free](TObject* sender, TMouseButton, TShiftState, int, int) { free(sender); };
    if (freeing == Click) {
      key->SetStyle(ubsIntegrated); // a keypad key, whose hover check runs
      key->SetEnterColorChange(true);
      key->SetNumGlyphs(3); // the release looks at the cursor again after the click
      key->OnClick = free;
    } else if (freeing == Press || freeing == DoublePress)
      key->OnMouseDown = onButton;
    else if (freeing == Release)
      key->OnMouseUp = onButton;
    else if (freeing == Move)
      key->OnMouseMove = [free](TObject* sender, TShiftState, int, int) { free(sender); };
    else if (freeing == Enter || freeing == EnterOnMove)
      key->OnMouseEnter = free;
    else
      key->OnMouseExit = free;
    key->SetAllowTransparency(freeing == EnterOnMove);
    key->SetAllowMouseOver(freeing != EnterOnMove);
    Show();
    if (freeing == Click) {
      Mouse(WM_MOUSEMOVE, 40, 40);
      EXPECT_NE(key->TimerId(0), 0) << "the hover check runs";
    }
    if (freeing == Click || freeing == Press || freeing == DoublePress || freeing == Release)
      Mouse(freeing == DoublePress ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 40, 40);
    Mouse(WM_MOUSEMOVE, 45, 45);
    Mouse(WM_LBUTTONUP, 45, 45);
    Mouse(WM_MOUSEMOVE, 60, 50);
    Mouse(WM_MOUSEMOVE, 300, 200);
    EXPECT_EQ(freed, 1) << "case " << freeing;
    EXPECT_EQ(Form->ControlCount(), 0) << "case " << freeing;
    EXPECT_EQ(MVWApplication->TimerPool().Count(), 0) << "no hover check left, case " << freeing;
  }
  EXPECT_EQ(test::TGuarded<TMVWSpeedButton>::Release(), 8u);
}

TEST_F(SpeedButtonTest, NoFreeTimerIsReportedAndTheHotStateStays) {
  TProbe* key = AddKey("Key", 20);
  Show();
  std::vector<std::uint16_t> taken;
  while (const std::uint16_t id = MVWApplication->AddTimer(50, [](TObject*) {}))
    taken.push_back(id);
  std::vector<std::string> boxes;
  SetMessageBoxHandler([&boxes](const std::string& text, const std::string&, unsigned) {
    boxes.push_back(text);
    return IDOK;
  });
  Mouse(WM_MOUSEMOVE, 40, 40);
  SetMessageBoxHandler(nullptr);
  EXPECT_EQ(boxes, std::vector<std::string>{"Not enough timers available"});
  EXPECT_EQ(key->State(), gbsHot);
  EXPECT_EQ(key->TimerId(0), 0);
  for (std::uint16_t id : taken)
    MVWApplication->RemoveTimer(id);
  Mouse(WM_LBUTTONDOWN, 40, 40);
  Mouse(WM_LBUTTONUP, 40, 40);
  EXPECT_EQ(Clicks, std::vector<std::string>{"Key"}) << "the button stays usable";
  EXPECT_NE(key->TimerId(0), 0);
}

TEST_F(SpeedButtonTest, GroupLatchesOneAndTheLatchedClickIsSilent) {
  TProbe* a = AddKey("A", 20);
  TProbe* b = AddKey("B", 100);
  TProbe* c = AddKey("C", 180);
  for (TProbe* key : {a, b, c})
    key->SetGroupIndex(1);
  Show();
  const auto click = [this](int x) {
    Mouse(WM_MOUSEMOVE, x, 40);
    Mouse(WM_LBUTTONDOWN, x, 40);
    Mouse(WM_LBUTTONUP, x, 40);
  };
  click(40);
  EXPECT_TRUE(a->Pressed());
  EXPECT_EQ(a->State(), gbsLatched);
  Recorder.Clear();
  click(120);
  EXPECT_TRUE(b->Pressed());
  EXPECT_FALSE(a->Pressed()) << "the other button of the group is released";
  EXPECT_EQ(a->State(), gbsUp);
  EXPECT_EQ(Recorder.Receivers(CM_BUTTONPRESSED), (std::vector<std::string>{"A", "B", "C"}));
  click(120);
  EXPECT_TRUE(b->Pressed()) << "without AllowAllUp the latched button stays down";
  EXPECT_EQ(Clicks, (std::vector<std::string>{"A", "B"})) << "and clicks no more";

  c->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp() && b->AllowAllUp()) << "the group shares AllowAllUp";
  click(120);
  EXPECT_FALSE(b->Pressed());
  EXPECT_EQ(Clicks.back(), "B");

  TProbe* loose = AddKey("Loose", 260);
  loose->SetPressed(true);
  EXPECT_FALSE(loose->Pressed()) << "a button of no group never latches";
}

TEST_F(SpeedButtonTest, RepeatClicksAtOnceAfterTheDelayAndEveryIntervalUntilReleased) {
  TProbe* key = AddKey("Key", 20);
  key->SetRepeatedClick(true);
  Show();
  Mouse(WM_MOUSEMOVE, 40, 40);
  Mouse(WM_LBUTTONDOWN, 40, 40);
  EXPECT_EQ(Clicks.size(), 1u) << "at once";
  Ticks(9);
  EXPECT_EQ(Clicks.size(), 1u);
  Ticks(1);
  EXPECT_EQ(Clicks.size(), 2u) << "after RepeatingDelay, 10 ticks";
  Ticks(4);
  EXPECT_EQ(Clicks.size(), 4u) << "then every RepeatingInterval, 2 ticks";
  Mouse(WM_LBUTTONUP, 40, 40);
  EXPECT_EQ(Clicks.size(), 4u) << "releasing adds none";
  EXPECT_EQ(key->TimerId(1), 0);
  Ticks(20);
  EXPECT_EQ(Clicks.size(), 4u);

  // Losing the capture mid-press stops the repeat without a click.
  Mouse(WM_LBUTTONDOWN, 40, 40);
  EXPECT_EQ(Clicks.size(), 5u);
  ReleaseCapture();
  EXPECT_EQ(key->State(), gbsUp);
  EXPECT_FALSE(key->MouseIsDown());
  EXPECT_EQ(key->TimerId(1), 0);
  Ticks(20);
  EXPECT_EQ(Clicks.size(), 5u);

  // Clearing RepeatedClick while held stops the repeat as well.
  Mouse(WM_LBUTTONDOWN, 40, 40);
  key->SetRepeatedClick(false);
  EXPECT_EQ(key->TimerId(1), 0);
  Mouse(WM_LBUTTONUP, 40, 40);
  EXPECT_EQ(Clicks.size(), 7u) << "one at the press, one at the plain release";
}

// A press that a click ends, by disabling the key or by taking the mouse away, repeats no more,
// and the key keeps no press for the next time the mouse comes over it.
TEST_F(SpeedButtonTest, RepeatEndsWhenAClickDisablesTheKeyOrTakesTheMouse) {
  enum { DisableAtOnce, DisableThird, TakeMouse };
  for (int ending : {DisableAtOnce, DisableThird, TakeMouse}) {
    TProbe* key = AddKey("Key" + std::to_string(ending), 20);
    key->SetRepeatedClick(true);
    int clicks = 0;
    key->OnClick = [&clicks, key, ending](TObject*) {
      ++clicks;
      if (ending == TakeMouse && clicks == 1)
        ReleaseCapture();
      else if ((ending == DisableAtOnce && clicks == 1) || (ending == DisableThird && clicks == 3))
        key->SetEnabled(false);
    };
    const int expected = ending == DisableThird ? 3 : 1;
    Show();
    Mouse(WM_MOUSEMOVE, 40, 40);
    Mouse(WM_LBUTTONDOWN, 40, 40);
    Ticks(14);
    Mouse(WM_LBUTTONUP, 40, 40);
    Ticks(20);
    EXPECT_EQ(clicks, expected) << "case " << ending;
    EXPECT_EQ(key->TimerId(1), 0) << "case " << ending;
    EXPECT_FALSE(key->MouseIsDown()) << "case " << ending;
    key->SetEnabled(true);
    Mouse(WM_MOUSEMOVE, 41, 41);
    EXPECT_NE(key->State(), gbsPressed) << "case " << ending;
    Ticks(20);
    EXPECT_EQ(clicks, expected) << "case " << ending;
    delete key;
  }
}

// A hot key leaves hot at once, so the hover check must not go on for a key nobody hovers.
TEST_F(SpeedButtonTest, DisablingShowsOneOrSevenStopsTheHoverCheckAndEnablingUpOrLatched) {
  TProbe* hot = AddKey("Hot", 20);
  TProbe* plain = AddKey("Plain", 100);
  TProbe* latched = AddKey("Latched", 180);
  latched->SetGroupIndex(3);
  latched->SetPressed(true);
  Show();
  Mouse(WM_MOUSEMOVE, 40, 40);
  ASSERT_NE(hot->TimerId(0), 0);
  struct TRow {
    TProbe* Key;
    std::uint8_t Disabled, Enabled;
  };
  for (const TRow& row : {TRow{hot, gbsDisabled, gbsUp}, TRow{plain, gbsDisabled, gbsUp},
                          TRow{latched, gbsDisabledLatched, gbsLatched}}) {
    row.Key->SetEnabled(false);
    EXPECT_EQ(row.Key->State(), row.Disabled) << row.Key->Name();
    EXPECT_EQ(row.Key->TimerId(0), 0) << row.Key->Name();
    EXPECT_EQ(MVWApplication->TimerPool().Count(), 0) << row.Key->Name();
    row.Key->SetEnabled(true);
    EXPECT_EQ(row.Key->State(), row.Enabled) << row.Key->Name();
  }
  Mouse(WM_MOUSEMOVE, 41, 41);
  EXPECT_EQ(hot->State(), gbsHot);
  EXPECT_NE(hot->TimerId(0), 0) << "a new hover checks again";
}

TEST_F(SpeedButtonTest, AcceleratorClicksAndLatches) {
  TProbe* key = AddKey("Key", 20);
  key->SetCaption("&Go");
  TProbe* grouped = AddKey("Grouped", 100);
  grouped->SetCaption("&Hold");
  grouped->SetGroupIndex(2);
  Show();
  struct TRow {
    char Key;
    LRESULT Result;
    std::size_t Clicks;
  };
  for (const TRow& row : {TRow{'g', 1, 1}, TRow{'G', 1, 2}, TRow{'x', 0, 2}})
    EXPECT_EQ(key->Perform(CM_DIALOGCHAR, static_cast<WPARAM>(row.Key), 0), row.Result) << row.Key;
  EXPECT_EQ(Clicks.size(), 2u);
  EXPECT_EQ(grouped->Perform(CM_DIALOGCHAR, 'h', 0), 1);
  EXPECT_TRUE(grouped->Pressed());
  EXPECT_EQ(grouped->State(), gbsLatched);
  EXPECT_EQ(Clicks.back(), "Grouped");
  SendMessageA(Form->Handle(), WM_SYSCHAR, 'g', 0);
  EXPECT_EQ(Clicks.size(), 4u) << "Alt and the letter reach the button through its form";
  key->SetEnabled(false);
  EXPECT_EQ(key->Perform(CM_DIALOGCHAR, 'g', 0), 0) << "a disabled button takes no accelerator";
}

TEST_F(SpeedButtonTest, ArrowPartDropsTheMenuDownWithoutAClick) {
  TPopupMenu menu(Form.get());
  std::vector<std::string> chosen;
  auto* item = new TMenuItem(&menu);
  item->SetCaption("Item");
  item->OnClick = [&chosen](TObject*) { chosen.push_back("Item"); };
  menu.Items().Add(item);
  TProbe* key = AddKey("Combo", 20);
  key->SetDropDownMenu(&menu);
  key->SetDropDownCombo(true);
  EXPECT_EQ(key->Width(), 72) << "the arrow part widens the button";
  int drops = 0;
  key->OnDropDown = [&drops](TObject*) { ++drops; };
  Show();
  std::uint8_t stateWhileOpen = 0;
  POINT at{};
  TPopupMenu::SetTracker([&](HMENU menuHandle, int x, int y, HWND) -> UINT {
    stateWhileOpen = key->State();
    at = {x, y};
    return GetMenuItemID(menuHandle, 0);
  });
  Mouse(WM_MOUSEMOVE, 86, 40);
  Mouse(WM_LBUTTONDOWN, 86, 40);
  Mouse(WM_LBUTTONUP, 86, 40);
  EXPECT_EQ(stateWhileOpen, gbsDroppedDown);
  const POINT below = Form->ClientToScreen(POINT{20, 80});
  EXPECT_EQ(at.x, below.x);
  EXPECT_EQ(at.y, below.y);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(chosen, std::vector<std::string>{"Item"});
  EXPECT_TRUE(Clicks.empty());
  EXPECT_EQ(key->State(), gbsHot);

  Mouse(WM_LBUTTONDOWN, 40, 40);
  EXPECT_EQ(key->State(), gbsPressed) << "the main part is a plain button";
  Mouse(WM_LBUTTONUP, 40, 40);
  EXPECT_EQ(Clicks, std::vector<std::string>{"Combo"});
  EXPECT_EQ(drops, 1);
}

TEST_F(SpeedButtonTest, HoverRepaintsOnlyWhereTheLookShowsIt) {
  struct TRow {
    TMVWUserButtonStyle Style;
    bool EnterColorChange;
    TMVWNumGlyphs NumGlyphs;
    bool Repaints;
  };
  const TRow rows[] = {
      {ubsIntegrated, true, 2, true}, // the keypad: the caption changes colour
      {ubsWin40, false, 1, false},    // nothing shows the hover
      {ubsFlat, false, 1, true},      // a flat look raises its face
      {ubsWin40, false, 3, true},     // a hot cell in the glyph
  };
  Show();
  for (const TRow& row : rows) {
    TProbe* key = AddKey("Key", 20);
    key->SetStyle(row.Style);
    key->SetEnterColorChange(row.EnterColorChange);
    key->SetNumGlyphs(row.NumGlyphs);
    UpdateWindow(Form->Handle());
    key->Paints = 0;
    Mouse(WM_MOUSEMOVE, 40, 40);
    UpdateWindow(Form->Handle());
    EXPECT_EQ(key->Paints > 0, row.Repaints) << row.Style;
    Mouse(WM_MOUSEMOVE, 300, 150);
    delete key;
  }
}

// --- Pixels ------------------------------------------------------------------------------------

TEST_F(SpeedButtonTest, GlyphCellFollowsTheStateAndDisabledIsEmbossed) {
  TProbe* key = AddKey("", 20);
  key->SetCaption("");
  key->SetStyle(ubsWin40);
  key->SetGlyph(TwoCellGlyph().get());
  EXPECT_EQ(key->NumGlyphs(), 2) << "two square cells";
  const auto centre = [key] { return key->Picture()->Pixels(30, 30); };
  EXPECT_EQ(centre(), clRed);
  key->SetEnabled(false);
  EXPECT_EQ(centre(), clBlue) << "the second cell when disabled";
  key->SetNumGlyphs(1);
  key->SetGlyph(nullptr);
  auto single = std::make_unique<TBitmap>();
  FillBitmap(*single, {0, 0, 16, 16}, clWhite);
  single->Canvas().Brush().SetColor(clBlack);
  single->Canvas().FillRect({4, 4, 12, 12});
  key->SetGlyph(single.get());
  const TColor embossed = centre();
  EXPECT_NE(embossed, clBlack) << "a one-cell glyph is embossed when disabled";
  EXPECT_NE(embossed, clSilver);
  key->SetEnabled(true);
  EXPECT_EQ(centre(), clBlack);
}

TEST_F(SpeedButtonTest, CaptionTakesEnterColorFromHotToPressed) {
  TProbe* key = AddKey("W", 20);
  key->Font().SetColor(clBlack);
  key->Font().SetHeight(-30);
  const auto redPixels = [key] { return test::CountPixels(*key->Picture(), clRed); };
  struct TRow {
    std::uint8_t State;
    bool Red;
  };
  for (const TRow& row : {TRow{gbsUp, false}, TRow{gbsHot, true}, TRow{gbsPressed, true}}) {
    key->SetState(row.State);
    EXPECT_EQ(redPixels() > 20, row.Red) << int{row.State};
  }
  key->SetEnterColorChange(false);
  EXPECT_EQ(redPixels(), 0);
}

TEST_F(SpeedButtonTest, ExplorerLookShowsTheBackPanelsTilesAroundItsCaption) {
  auto* panel = new TMVWBackPanel(Form.get());
  panel->SetParent(Form.get());
  panel->SetBounds(10, 10, 200, 120);
  panel->SetImageList(TileList(*Form));
  auto* key = new TProbe(Form.get(), Recorder, "Explorer");
  key->SetParent(panel);
  key->SetBounds(23, 17, 60, 40);
  key->SetCaption("");
  key->SetColor(clSilver);
  key->SetStyle(ubsExplorer);
  EXPECT_TRUE(key->Transparent());
  EXPECT_EQ(key->ControlStyle() & csOpaque, 0u);
  EXPECT_EQ(key->GlyphImages().Style(), GlyphStyleShaded);
  Show();
  ASSERT_TRUE(key->ParentBackActive());
  auto picture = key->Picture();
  for (const POINT p : {POINT{5, 5}, POINT{30, 20}, POINT{50, 30}})
    EXPECT_EQ(picture->Pixels(p.x, p.y), TileAt(23 + p.x, 17 + p.y)) << p.x << "," << p.y;

  key->SetStyle(ubsWin40);
  EXPECT_FALSE(key->Transparent());
  EXPECT_NE(key->ControlStyle() & csOpaque, 0u);
  EXPECT_EQ(key->Picture()->Pixels(30, 20), clSilver) << "an opaque look fills its colour";
}

// --- Form data ---------------------------------------------------------------------------------

TEST_F(SpeedButtonTest, KeypadFormDataReadsClicksAndWritesBackTheSame) {
  FillTiles(MVWContainer->BitmapList().Item(MVWContainer->BitmapList().AddItem())->Bitmap());
  TKeypadForm* keypad = nullptr;
  App.CreateForm(keypad);
  std::unique_ptr<TKeypadForm> owned(keypad);
  auto* seven = dynamic_cast<TMVWSpeedButton*>(keypad->FindComponent("INDSCORE7"));
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(seven->Style(), ubsIntegrated);
  EXPECT_EQ(seven->Color(), clSilver);
  EXPECT_EQ(seven->NumGlyphs(), 2);
  EXPECT_EQ(seven->Glyph().Width(), 32);
  EXPECT_EQ(seven->ButtonLayout().AlignText2Glyph(), taTop);
  EXPECT_TRUE(seven->EnterColorChange());
  EXPECT_TRUE(seven->AllowMouseOver());
  seven->Click();
  EXPECT_EQ(keypad->Clicked, std::vector<std::int64_t>{7});

  const std::string text = WriteComponentToText(*keypad);
  EXPECT_NE(text.find("Glyph.File = 'keypad_key.bmp'"), std::string::npos) << text;
  EXPECT_EQ(text.find("RepeatingDelay"), std::string::npos) << "defaults are not stored";
  TKeypadForm again(nullptr);
  ReadComponentFromText(again, text, "again.frm");
  EXPECT_EQ(WriteComponentToText(again), text);

  // A glyph set in code travels as its pixels.
  seven->SetGlyph(TwoCellGlyph().get());
  const std::string drawn = WriteComponentToText(*keypad);
  EXPECT_NE(drawn.find("Glyph.Data"), std::string::npos);
  TKeypadForm third(nullptr);
  ReadComponentFromText(third, drawn, "third.frm");
  auto* copy = dynamic_cast<TMVWSpeedButton*>(third.FindComponent("INDSCORE7"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Glyph().Pixels(6, 6), clRed);
  EXPECT_EQ(copy->Glyph().Pixels(22, 6), clBlue);

  // Properties of features the platform has not are load errors.
  TKeypadForm broken(nullptr);
  EXPECT_THROW(ReadComponentFromText(broken,
                                     "object KeypadForm: TKeypadForm\n"
                                     "  object Key: TMVWSpeedButton\n"
                                     "    Action = Something\n"
                                     "  end\n"
                                     "end\n",
                                     "broken.frm"),
               EReadError);
}

TEST_F(SpeedButtonTest, GlobalImageListIsNamedByItsSignatureAndTheGlyphLeftOut) {
  Form->SetName("SpeedForm");
  TProbe* key = AddKey("Key", 20);
  key->SetGlyph(TwoCellGlyph().get());
  key->SetImageList(&MVWContainer->BitmapList());
  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("Internal = 'MVWBML30'"), std::string::npos) << text;
  EXPECT_EQ(text.find("ImageList"), std::string::npos) << text;
  TForm again(nullptr);
  ReadComponentFromText(again, text, "again.frm");
  auto* copy = dynamic_cast<TMVWSpeedButton*>(again.FindComponent("Key"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ImageList(), &MVWContainer->BitmapList());
}

// --- Snapshots ---------------------------------------------------------------------------------

TEST_F(SpeedButtonTest, SnapshotsOfTheKeypadAndTheFourteenLooks) {
  FillTiles(MVWContainer->BitmapList().Item(MVWContainer->BitmapList().AddItem())->Bitmap());
  TKeypadForm* keypad = nullptr;
  App.CreateForm(keypad);
  std::unique_ptr<TKeypadForm> owned(keypad);
  keypad->Show();
  Application->ProcessMessages();
  const auto key = [&keypad](const std::string& name) {
    return dynamic_cast<TMVWSpeedButton*>(keypad->FindComponent(name));
  };
  // The keys sit on the back panel: the mouse reaches them through its window.
  HWND panel = dynamic_cast<TWinControl*>(keypad->FindComponent("PanelKeypad"))->Handle();
  const POINT hot{key("INDSCORE8")->Left() + 40, 48};
  SetCursorPosSeam(key("INDSCORE8")->ClientToScreen(POINT{40, 40}));
  SendMessageA(panel, WM_MOUSEMOVE, 0, MAKELPARAM(hot.x, hot.y));
  SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(key("INDSCORE9")->Left() + 40, 48));
  EXPECT_EQ(key("INDSCORE8")->State(), gbsHot);
  key("INDSCORE00")->SetEnabled(false);
  EXPECT_EQ(key("INDSCORE9")->State(), gbsPressed);
  EXPECT_EQ(key("INDSCORE00")->State(), gbsDisabled);
  const test::TSnapshot keys = test::SnapshotForm(*keypad, "speedbutton-keypad");
  TMVWSpeedButton& up = *key("INDSCORE7");
  EXPECT_TRUE(keys.Shows(up, up.Font().Color(), {10, 10, 70, 50})) << "caption";
  EXPECT_EQ(keys.At(up, {8, 40}), ColorToRGB(clSilver)) << "face";
  EXPECT_TRUE(keys.Shows(*key("INDSCORE9"), clRed, {10, 10, 70, 50})) << "pressed caption";
  EXPECT_TRUE(keys.Shows(*key("INDSCORE00"), clBlue)) << "the disabled glyph";
  EXPECT_EQ(keys.At(NamedComponent<TControl>(*keypad, "PanelKeypad"), {2, 2}),
            ColorToRGB(TileAt(2, 2)))
      << "the back panel's tiles";

  // The classic faces; the themed looks fall back to them without visual styles.
  MVWApplication->SetThemeActiveSeam(false);
  MVWApplication->RefreshThemeState();
  Form->SetBounds(40, 40, 7 * 110 + 30, 2 * 70 + 50);
  static const char* const names[] = {
      "AutoDetect", "Win31",         "Win40",      "Kestrin",  "KestrinFlat",
      "Flat",       "FlatUnColored", "Navigator",  "Explorer", "ExplorerColored",
      "Integrated", "WinXP",         "WinXPCombo", "WinXPTool"};
  std::vector<TProbe*> looks;
  for (int look = 0; look < 14; ++look) {
    TProbe* button = AddKey(names[look], 10 + look % 7 * 110, 10 + look / 7 * 70);
    button->SetWidth(100);
    button->SetStyle(static_cast<TMVWUserButtonStyle>(look));
    EXPECT_EQ(button->Style(), look);
    looks.push_back(button);
  }
  const test::TSnapshot faces = test::SnapshotForm(*Form, "speedbutton-looks");
  for (TProbe* button : looks) {
    EXPECT_EQ(faces.At(*button, {8, 30}), ColorToRGB(clSilver)) << button->Name();
    EXPECT_TRUE(faces.Shows(*button, clBlack, {20, 20, 80, 40})) << button->Name();
  }
}

} // namespace
} // namespace marivo
