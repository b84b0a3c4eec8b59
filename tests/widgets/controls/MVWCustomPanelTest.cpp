#include "platform/rtl/FormLoader.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/controls/PanelTestForm.h"
#include "widgets/controls/MVWBackPanel.h"
#include "widgets/controls/MVWCustomScrollBox.h"
#include "widgets/controls/MVWSimplePanel.h"
#include "widgets/controls/MVWSpeedButton.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFormShape.h"
#include "widgets/foundation/MVWMessages.h"

#include <string>
#include <vector>

namespace marivo {
namespace {

using test::CountOther;
using test::Tile;
using test::TOffScreen;
using test::TRecording;

using MVWPanels = test::TPanelTestForm;

// Every pixel of one colour.
auto Plain(TColor color) {
  return [color](int, int) { return color; };
}

TEST_F(MVWPanels, ABackPanelTilesItsImageAndItsSeeThroughChildrenShowTheTiles) {
  auto* back = Add<TOffScreen<TMVWBackPanel>>(Form.get(), {10, 10, 70, 50});
  back->SetImageList(TileList());
  auto* child = Add<TOffScreen<TMVWSimplePanel>>(back, {7, 5, 20, 10});
  child->SetTransparent(true);
  ShowForm();

  ASSERT_NE(back->BackBuffer(), nullptr);
  EXPECT_EQ(back->BackBuffer()->Width(), 70);
  TBitmap picture;
  back->PaintOn(picture);
  EXPECT_EQ(CountOther(picture, Tile), 0);
  child->PaintOn(picture);
  EXPECT_EQ(CountOther(picture, [](int x, int y) { return Tile(x + 7, y + 5); }), 0);

  child->SetTransparent(false);
  child->PaintOn(picture);
  EXPECT_EQ(CountOther(picture, Plain(ColorToRGB(clBtnFace))), 0)
      << "an opaque panel fills its colour";
}

TEST_F(MVWPanels, AFreedImageListDropsTheBufferRepaintsAndTellsTheChildren) {
  auto* list = TileList();
  auto* back = Add<TOffScreen<TMVWBackPanel>>(Form.get(), {10, 10, 70, 50});
  back->SetImageList(list);
  back->SetColor(clTeal);
  Add<TRecording<TMVWSimplePanel>>(back, {5, 5, 20, 10}, Recorder, "Child");
  ShowForm();
  ASSERT_NE(back->BackBuffer(), nullptr);
  Recorder.Clear();

  delete list;
  EXPECT_EQ(back->ImageList(), nullptr);
  EXPECT_EQ(back->BackBuffer(), nullptr);
  EXPECT_EQ(Recorder.Receivers(CM_MVWBACKCHANGED), std::vector<std::string>{"Child"});
  EXPECT_TRUE(GetUpdateRect(back->Handle(), nullptr, FALSE));
  TBitmap picture;
  back->PaintOn(picture);
  EXPECT_EQ(CountOther(picture, Plain(clTeal)), 0);
}

TEST_F(MVWPanels, TheBufferIsRebuiltOnlyWhenItsPictureChanges) {
  auto* list = TileList();
  auto* back = Add<TMVWBackPanel>(Form.get(), {10, 10, 70, 50});
  back->SetImageList(list);
  EXPECT_EQ(list->Draws, 0) << "no picture while nothing shows it";
  ShowForm();
  struct TStep {
    const char* What;
    std::function<void()> Do;
    int Draws;
  };
  const std::vector<TStep> steps = {
      {"a size message at the same size", [&] { back->Perform(WM_SIZE, 0, MAKELPARAM(70, 50)); },
       0},
      {"a move", [&] { back->SetLeft(14); }, 0},
      {"a new height", [&] { back->SetHeight(55); }, 1},
      {"another list", [&] { back->SetListIndex(1); }, 1},
      {"a bevel", [&] { back->Bevel().SetStyleOuter(bvRaised); }, 1},
      {"the window border", [&] { back->Bevel().SetMode(bmWindows); }, 1},
      {"a size message with the border", [&] { back->Perform(WM_SIZE, 0, 0); }, 0},
      {"a list that is not there", [&] { back->SetListIndex(5); }, 0},
  };
  for (const TStep& step : steps) {
    list->Draws = 0;
    step.Do();
    back->BackBuffer(); // built when next used
    EXPECT_EQ(list->Draws, step.Draws) << step.What;
  }
  EXPECT_EQ(back->BackBuffer(), nullptr) << "no image, no buffer";
}

TEST_F(MVWPanels, ASeeThroughPanelOnAShapedFormCopiesTheFormsGradient) {
  auto* shape = new TMVWFormShape(Form.get());
  shape->FillObject().SetStyle(sfGradient);
  shape->FillObject().Gradient().SetEndColor(clAqua);
  auto* panel = Add<TOffScreen<TMVWSimplePanel>>(Form.get(), {40, 30, 60, 40});
  panel->SetTransparent(true);
  auto* inner = Add<TOffScreen<TMVWSimplePanel>>(panel, {5, 4, 20, 10});
  inner->SetTransparent(true);
  auto* plain = Add<TOffScreen<TMVWSimplePanel>>(Form.get(), {140, 30, 60, 40});
  plain->SetColor(clYellow);
  plain->SetTransparent(true);
  ShowForm();
  ASSERT_TRUE(shape->HookWndProc());
  shape->PaintBackground(nullptr);

  TBitmap& gradient = shape->BackBitmap();
  ASSERT_GE(gradient.Width(), 200);
  TBitmap picture;
  panel->PaintOn(picture);
  EXPECT_EQ(CountOther(picture, [&](int x, int y) { return gradient.Pixels(x + 40, y + 30); }), 0);
  inner->PaintOn(picture);
  EXPECT_EQ(CountOther(picture, [&](int x, int y) { return gradient.Pixels(x + 45, y + 34); }), 0)
      << "through a see-through panel in between";

  delete shape;
  // With visual styles the theme paints the form behind it instead.
  MVWApplication->SetThemeActiveSeam(false);
  plain->PaintOn(picture);
  MVWApplication->SetThemeActiveSeam(std::nullopt);
  EXPECT_EQ(CountOther(picture, Plain(clYellow)), 0)
      << "a form without a shape leaves the panel its own colour";
}

TEST_F(MVWPanels, AFlatPanelShowsItsBevelOnlyWhileTheMouseIsOver) {
  auto* panel = Add<TOffScreen<TMVWSimplePanel>>(Form.get(), {20, 20, 80, 40});
  panel->SetColor(clSilver);
  panel->Bevel().SetStyleOuter(bvRaised);
  panel->Bevel().SetWidthOuter(2);
  panel->SetFlat(true);
  auto* hot = Add<TOffScreen<TMVWSimplePanel>>(Form.get(), {120, 20, 80, 40});
  hot->SetColor(clSilver);
  hot->SetBevel(panel->Bevel());
  hot->SetFlat(true);
  ShowForm();

  TBitmap cold;
  panel->PaintOn(cold);
  EXPECT_EQ(CountOther(cold, Plain(clSilver)), 0);
  TBitmap framed;
  hot->SetFlat(false);
  hot->PaintOn(framed);
  hot->SetFlat(true);
  ASSERT_GT(CountOther(framed, Plain(clSilver)), 0);
  const auto asFramed = [&](int x, int y) { return framed.Pixels(x, y); };
  TBitmap entered;
  panel->PaintOn(entered);
  panel->EnterOn(entered);
  EXPECT_EQ(CountOther(entered, asFramed), 0);
  TBitmap repainted;
  panel->PaintOn(repainted);
  EXPECT_EQ(CountOther(repainted, asFramed), 0) << "a repaint under the mouse keeps the bevel";
  panel->Perform(CM_MOUSELEAVE, 0, 0);
  panel->PaintOn(repainted);
  EXPECT_EQ(CountOther(repainted, Plain(clSilver)), 0);

  hot->Perform(CM_MOUSEENTER, 0, 0);
  test::SnapshotForm(*Form, "widget-flat-panel-cold-and-hot");
}

TEST_F(MVWPanels, SimplePanelsInEachBevelMode) {
  struct TLook {
    TMVWBevelMode Mode;
    TMVWBevelStyle Outer;
    TMVWBevelStyle Inner;
    bool Ctl3D;
    DWORD ExStyle;
    DWORD Style;
  };
  const TLook looks[] = {
      {bmCustom, bvRaised, bvLowered, true, 0, 0},
      {bmCustom, bvShadow, bvNone, true, 0, 0},
      {bmStandard, bvNone, bvNone, true, 0, 0},
      {bmEdge, bvNone, bvNone, true, 0, 0},
      {bmWindows, bvNone, bvNone, true, WS_EX_CLIENTEDGE, 0},
      {bmWindows, bvNone, bvNone, false, 0, WS_BORDER},
  };
  std::vector<TOffScreen<TMVWSimplePanel>*> panels;
  int left = 10;
  for (const TLook& look : looks) {
    auto* panel = Add<TOffScreen<TMVWSimplePanel>>(Form.get(), {left, 20, 40, 60});
    panel->SetParentCtl3D(false);
    panel->SetCtl3D(look.Ctl3D);
    panel->Bevel().SetMode(look.Mode);
    panel->Bevel().SetStyleInner(look.Inner);
    panel->Bevel().SetStyleOuter(look.Outer);
    panels.push_back(panel);
    left += 50;
  }
  ShowForm();
  for (std::size_t i = 0; i < panels.size(); ++i) {
    HWND window = panels[i]->Handle();
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, looks[i].ExStyle) << i;
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_BORDER, looks[i].Style) << i;
    TBitmap picture;
    panels[i]->PaintOn(picture);
    EXPECT_EQ(CountOther(picture, Plain(ColorToRGB(clBtnFace))) == 0, looks[i].Mode == bmWindows)
        << "bevel drawn in the client area: " << i;
  }
  test::SnapshotForm(*Form, "widget-simple-panels");
}

// --- The scroll box -----------------------------------------------------------------------------

TEST_F(MVWPanels, TheScrollBoxBevelTakesTheNonClientArea) {
  struct TBorder {
    TMVWBevelMode Mode;
    bool Ctl3D;
    int Inset;
  };
  // The visual style draws a one-pixel edge in place of the sunken client edge.
  const bool themed = MVWApplication->UseThemes();
  const TBorder borders[] = {
      {bmWindows, true, themed ? 1 : 2}, {bmWindows, false, 1}, {bmCustom, true, 3}};
  for (const TBorder& border : borders) {
    auto* box = Add<TMVWCustomScrollBox>(Form.get(), {10, 10, 150, 100});
    ShowForm();
    box->SetCtl3D(border.Ctl3D);
    box->Bevel().SetMode(border.Mode);
    if (border.Mode == bmCustom) {
      box->Bevel().SetStyleOuter(bvRaised);
      box->Bevel().SetWidthOuter(3);
    }
    EXPECT_EQ(box->ClientWidth(), 150 - 2 * border.Inset) << border.Mode << border.Ctl3D;
    EXPECT_EQ(box->ClientHeight(), 100 - 2 * border.Inset) << border.Mode << border.Ctl3D;
    delete box;
  }
}

TEST_F(MVWPanels, TheScrollBoxRefreshesSeeThroughChildrenAsOftenAsItIsAsked) {
  auto* back = Add<TMVWBackPanel>(Form.get(), {0, 0, 300, 200});
  back->SetImageList(TileList());
  auto* box = Add<TMVWCustomScrollBox>(back, {10, 10, 150, 100});
  box->SetTransparent(true);
  Add<TRecording<TMVWSimplePanel>>(box, {0, 0, 50, 400}, Recorder, "Tall");
  auto* key = new TMVWSpeedButton(Form.get());
  key->SetParent(box);
  key->SetTransparent(true);
  ShowForm();
  ASSERT_TRUE(box->UsesParentBack());
  EXPECT_TRUE(key->ParentBackActive()) << "window-less widgets see the box's background too";
  // Moves scrolls of one code and then the end of the scroll.
  const struct {
    bool Throttle;
    std::uint8_t Every;
    WORD Code;
    int Moves;
    std::size_t Refreshes;
  } runs[] = {
      {true, 1, SB_LINEDOWN, 2, 3}, {true, 3, SB_LINEDOWN, 6, 2}, {false, 3, SB_LINEUP, 3, 1}};
  int scrolls = 0;
  box->OnScroll = [&](TObject*) { ++scrolls; };
  for (const auto& run : runs) {
    box->SetScrollRepaintThrottle(run.Throttle);
    box->SetScrollRepaintEvery(run.Every);
    Recorder.Clear();
    for (int move = 0; move <= run.Moves; ++move)
      SendMessageA(box->Handle(), WM_VSCROLL,
                   MAKEWPARAM(move < run.Moves ? run.Code : SB_ENDSCROLL, 0), 0);
    EXPECT_EQ(Recorder.Receivers(CM_MVWPARENTBACKCHANGED).size(), run.Refreshes)
        << run.Throttle << int{run.Every};
  }
  EXPECT_EQ(scrolls, 2 + 6 + 3) << "OnScroll only for moves";
}

TEST_F(MVWPanels, SavingResourcesNeverTakesTheFocusedWindow) {
  auto* box = Add<TMVWCustomScrollBox>(Form.get(), {10, 10, 150, 100});
  auto* first = Add<TMVWSimplePanel>(box, {0, 0, 100, 40});
  auto* holder = Add<TMVWSimplePanel>(box, {0, 150, 100, 60});
  auto* field = Add<TMVWSimplePanel>(holder, {5, 5, 50, 20});
  auto* last = Add<TMVWSimplePanel>(box, {0, 300, 100, 40});
  ShowForm();
  ASSERT_TRUE(test::TakeFocus(field->Handle()));

  box->SetSaveResources(true);
  EXPECT_TRUE(first->HandleAllocated());
  EXPECT_FALSE(last->HandleAllocated());
  EXPECT_TRUE(holder->HandleAllocated()) << "it holds the focus";
  EXPECT_TRUE(field->Focused());

  SendMessageA(box->Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  EXPECT_TRUE(last->HandleAllocated());
  EXPECT_FALSE(first->HandleAllocated());
  EXPECT_TRUE(field->Focused());
}

// --- Form data ----------------------------------------------------------------------------------

TEST_F(MVWPanels, PanelsComeBackFromTheirFormData) {
  Form->SetName("Host");
  auto* back = Add<TMVWBackPanel>(Form.get(), {8, 8, 120, 90});
  back->SetName("Keys");
  back->SetImageList(&MVWContainer->BitmapList());
  back->SetListIndex(2);
  back->SetQuickDraw(true);
  back->Bevel().SetStyleOuter(bvLowered);
  auto* simple = Add<TMVWSimplePanel>(back, {4, 4, 50, 30});
  simple->SetName("Frame");
  simple->SetTransparent(true);
  simple->SetParentCtl3D(false);
  simple->SetCtl3D(false);
  simple->Bevel().SetMode(bmEdge);
  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("Internal = 'MVWBML30'"), std::string::npos) << text;
  EXPECT_EQ(text.find("ImageList ="), std::string::npos) << text;

  TForm read(nullptr);
  ReadComponentFromText(read, text, "host");
  auto* keys = dynamic_cast<TMVWBackPanel*>(read.FindComponent("Keys"));
  ASSERT_NE(keys, nullptr);
  EXPECT_EQ(keys->ImageList(), &MVWContainer->BitmapList());
  EXPECT_EQ(read.FindComponent("Frame")->GetParentComponent(), keys);
  EXPECT_EQ(WriteComponentToText(read), text);
}

} // namespace
} // namespace marivo
