#include "platform/rtl/FormLoader.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/controls/PanelTestForm.h"
#include "widgets/controls/MVWBackPanel.h"
#include "widgets/controls/MVWButtonPanel.h"
#include "widgets/controls/MVWPanelFill.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWMessages.h"

#include <algorithm>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::Tile;
using test::TOffScreen;
using test::TRecording;

using TFillPanel = TOffScreen<TMVWPanelFill>;

// The smallest rect holding every pixel that is not background, or an empty one.
RECT Ink(TBitmap& picture, TColor background) {
  RECT ink{picture.Width(), picture.Height(), 0, 0};
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.Pixels(x, y) != background) {
        ink.left = std::min<LONG>(ink.left, x);
        ink.top = std::min<LONG>(ink.top, y);
        ink.right = std::max<LONG>(ink.right, x + 1);
        ink.bottom = std::max<LONG>(ink.bottom, y + 1);
      }
  return ink;
}

// The fill panels stand on a back panel tiled with the test tile.
class MVWPanelFill : public test::TPanelTestForm {
protected:
  void SetUp() override {
    TPanelTestForm::SetUp();
    Back = Add<TMVWBackPanel>(Form.get(), {0, 0, 400, 260});
    Back->SetImageList(TileList());
  }
  TFillPanel* AddFill(TWinControl* parent, RECT bounds) { return Add<TFillPanel>(parent, bounds); }

  TMVWBackPanel* Back = nullptr;
};

TEST_F(MVWPanelFill, TheBufferIsKeptForAFillOrForEffectsOverTheParentsBackground) {
  struct TCase {
    const char* What;
    bool OnBackPanel;
    bool Transparent;
    TMVWFillStyle Style;
    bool GrayScale;
    bool Pass;
    bool Buffer;
  };
  const TCase cases[] = {
      {"an opaque fill", true, false, sfBrush, false, false, true},
      {"no fill", true, false, sfNone, false, false, false},
      {"see-through without effects", true, true, sfBrush, false, false, false},
      {"see-through effects passed on", true, true, sfBrush, true, true, true},
      {"see-through effects kept to itself", true, true, sfBrush, true, false, false},
      {"effects passed on with nothing behind", false, true, sfBrush, true, true, false},
  };
  ShowForm();
  for (const TCase& c : cases) {
    auto* panel =
        AddFill(c.OnBackPanel ? static_cast<TWinControl*>(Back) : Form.get(), {20, 20, 60, 40});
    panel->HandleNeeded();
    panel->SetTransparent(c.Transparent);
    panel->FillObject().SetStyle(c.Style);
    panel->BackFX().SetGrayScale(c.GrayScale);
    panel->SetBackFXPass(c.Pass);
    EXPECT_EQ(panel->BackBuffer() != nullptr, c.Buffer) << c.What;
    if (c.Buffer && c.Transparent) {
      const TColor pixel = panel->BackBuffer()->Pixels(0, 0);
      EXPECT_EQ(GetRValue(pixel), GetBValue(pixel)) << "the tile turned grey: " << c.What;
    }
    if (!c.Buffer && c.Transparent && c.OnBackPanel) {
      TBitmap picture;
      panel->PaintOn(picture);
      const TColor pixel = picture.Pixels(0, 0);
      EXPECT_EQ(pixel == Tile(20, 20), !c.GrayScale) << "the parent's own tiles: " << c.What;
      EXPECT_EQ(GetRValue(pixel) == GetBValue(pixel), c.GrayScale) << "or grey: " << c.What;
    }
    delete panel;
  }
}

TEST_F(MVWPanelFill, GradientsAreRebuiltOnEverySizeMessageOtherFillsOnlyWhenTheyChange) {
  auto* panel = AddFill(Back, {20, 20, 60, 40});
  panel->FillObject().SetStyle(sfBrush);
  auto* child = new TRecording<TMVWPanelFill>(Form.get(), Recorder, "Child");
  child->SetParent(panel);
  ShowForm();
  ASSERT_TRUE(panel->HandleAllocated());
  ASSERT_NE(panel->BackBuffer(), nullptr);
  const auto rebuilt = [&](const std::function<void()>& step) {
    panel->BackBuffer()->SetPixels(0, 0, 0x123456);
    step();
    return panel->BackBuffer() && panel->BackBuffer()->Pixels(0, 0) != 0x123456;
  };
  const auto sizeMessage = [&] { panel->Perform(WM_SIZE, 0, MAKELPARAM(60, 40)); };
  panel->FillObject().Brush().SetColor(clLime);
  EXPECT_FALSE(rebuilt(sizeMessage)) << "a brush at the same size";

  Recorder.Clear();
  EXPECT_TRUE(rebuilt([&] { panel->FillObject().SetStyle(sfGradient); }));
  EXPECT_FALSE(Recorder.Receivers(CM_MVWBACKCHANGED).empty()) << "children hear of a new fill";
  EXPECT_TRUE(rebuilt(sizeMessage)) << "a gradient at the same size";

  Recorder.Clear();
  EXPECT_TRUE(rebuilt([&] { panel->BackFX().SetInvert(true); }));
  EXPECT_FALSE(Recorder.Receivers(CM_MVWBACKCHANGED).empty()) << "children hear of effects";
}

TEST_F(MVWPanelFill, TheCaptionStandsWhereItsAlignmentPutsIt) {
  auto* panel = AddFill(Form.get(), {10, 10, 150, 90});
  panel->FillObject().SetStyle(sfBrush);
  panel->FillObject().Brush().SetColor(clWhite);
  panel->Font().SetHeight(-20);
  panel->Font().SetColor(clBlack);
  panel->SetCaption("Ab");
  ShowForm();
  // Column and row of the ink: 0 at the start, 1 in the middle, 2 at the end.
  const int places[][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
  const auto place = [](LONG low, LONG high, int size) {
    const int middle = (low + high) / 2;
    return middle < size / 3 ? 0 : middle < 2 * size / 3 ? 1 : 2;
  };
  for (int alignment = agTopLeft; alignment <= agBottomRight; ++alignment) {
    panel->SetAlignment(static_cast<TMVWAlignment>(alignment));
    TBitmap picture;
    panel->PaintOn(picture);
    const RECT ink = Ink(picture, clWhite);
    ASSERT_LT(ink.left, ink.right) << alignment;
    EXPECT_EQ(place(ink.left, ink.right, 150), places[alignment][0]) << alignment;
    EXPECT_EQ(place(ink.top, ink.bottom, 90), places[alignment][1]) << alignment;
  }

  panel->SetAlignment(agTopLeft);
  panel->Bevel().SetStyleOuter(bvRaised);
  panel->Bevel().SetWidthOuter(6);
  panel->Bevel().SetLightColor(clYellow);
  TBitmap framed;
  panel->PaintOn(framed);
  panel->SetFlat(true);
  TBitmap flat;
  panel->PaintOn(flat);
  const RECT flatInk = Ink(flat, clWhite);
  EXPECT_EQ(Ink(framed, clWhite).left, 0) << "the bevel";
  EXPECT_LT(flatInk.left, 6) << "a flat panel without the focus draws no bevel";
  EXPECT_LT(flatInk.top, 6) << "and places its caption in the whole client area";
  test::SnapshotForm(*Form, "widget-fill-panel");
}

// A fill panel used as a tile clicks once for a press and release inside it, never for a release
// outside or for a press alone.
TEST_F(MVWPanelFill, APressAndReleaseInsideIsOneClick) {
  auto* panel = AddFill(Form.get(), {10, 10, 150, 90});
  int clicks = 0;
  panel->OnClick = [&clicks](TObject*) { ++clicks; };
  ShowForm();
  const int right = panel->Width();
  const int bottom = panel->Height();
  const struct {
    POINT Up;
    int Clicks;
  } presses[] = {{{70, 40}, 1}, {{right - 1, bottom - 1}, 2}, {{right, 40}, 2}, {{70, -1}, 2}};
  for (const auto& press : presses) {
    SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 40));
    SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(press.Up.x, press.Up.y));
    EXPECT_EQ(clicks, press.Clicks) << "released at " << press.Up.x << ", " << press.Up.y;
  }
  SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 40));
  EXPECT_EQ(clicks, 2) << "a press alone";
}

TEST_F(MVWPanelFill, ATurnedCaptionTakesAnOutlineFont) {
  auto* panel = AddFill(Form.get(), {10, 10, 150, 90});
  const char* bitmapFonts[] = {"MS Sans Serif", "Small Fonts", "Fixedsys", "Terminal", "System"};
  const auto found = std::find_if(std::begin(bitmapFonts), std::end(bitmapFonts), [&](auto name) {
    panel->Font().SetName(name);
    return !IsTrueTypeFont(panel->Font());
  });
  if (found == std::end(bitmapFonts))
    GTEST_SKIP() << "this display has no bitmap font";
  panel->FontFX().SetAngle(45);
  EXPECT_EQ(panel->Font().Name(), "Arial");
  panel->Font().SetName("Verdana");
  EXPECT_EQ(panel->Font().Name(), "Verdana") << "an outline font stays";
}

// --- The button panel ---------------------------------------------------------------------------

class MVWButtonPanel : public MVWPanelFill {
protected:
  TMVWButtonPanel* AddButtons(int count, int width, int height) {
    auto* panel = Add<TMVWButtonPanel>(Form.get(), {10, 10, width, height});
    for (int i = 0; i < count; ++i) {
      TMVWSpecialButton* item = panel->Buttons().Add();
      item->SetCaption(std::to_string(i + 1));
      item->Button().SetTag(i + 1);
    }
    panel->Perform(WM_SIZE, 0, 0);
    return panel;
  }
};

TEST_F(MVWButtonPanel, ButtonsStandInAGridThePanelTakesTheSizeOf) {
  struct TGrid {
    int Buttons;
    int ClientWidth;
    int ClientHeight;
    SIZE Size;
    POINT Last;
  };
  const TGrid grids[] = {
      {5, 45, 40, {40, 60}, {0, 40}},  {3, 100, 20, {60, 20}, {40, 0}},
      {4, 20, 100, {20, 80}, {0, 60}}, {6, 70, 10, {60, 40}, {40, 20}},
      {0, 45, 40, {20, 20}, {0, 0}},
  };
  for (const TGrid& grid : grids) {
    TMVWButtonPanel* panel = AddButtons(grid.Buttons, grid.ClientWidth, grid.ClientHeight);
    EXPECT_EQ(panel->Width(), grid.Size.cx) << grid.Buttons << " in " << grid.ClientWidth;
    EXPECT_EQ(panel->Height(), grid.Size.cy) << grid.Buttons << " in " << grid.ClientWidth;
    if (grid.Buttons > 0) {
      TMVWSpeedButton& last = panel->Buttons().Items(grid.Buttons - 1)->Button();
      EXPECT_EQ(last.Left(), grid.Last.x) << grid.Buttons;
      EXPECT_EQ(last.Top(), grid.Last.y) << grid.Buttons;
      EXPECT_EQ(last.Width(), 20);
    }
    delete panel;
  }
}

TEST_F(MVWButtonPanel, TheGridKeepsItsColumnsInsideAWindowBorderAndSizesBelowOneCountAsOne) {
  TMVWButtonPanel* panel = AddButtons(5, 20, 20);
  panel->Bevel().SetMode(bmWindows);
  ShowForm();
  panel->SetBounds(10, 10, 49, 44);
  panel->Perform(WM_SIZE, 0, 0);
  EXPECT_EQ(panel->ClientWidth(), 40) << "two columns inside the client edge";
  EXPECT_EQ(panel->ClientHeight(), 60);
  EXPECT_EQ(panel->Buttons().Items(4)->Button().Top(), 40);

  panel->SetButtonWidth(0);
  panel->SetButtonHeight(-5);
  EXPECT_EQ((std::pair{panel->ButtonWidth(), panel->ButtonHeight()}), (std::pair{1, 1}));
  EXPECT_EQ(panel->Buttons().Items(4)->Button().Width(), 1);
}

TEST_F(MVWButtonPanel, AClickReachesTheHandlerAssignedAfterTheLayoutWithTheButtonsTag) {
  TMVWButtonPanel* panel = AddButtons(3, 60, 20);
  panel->SetButtonStyle(ubsFlat);
  EXPECT_EQ(panel->Buttons().Items(2)->Button().Style(), ubsFlat);
  std::vector<std::pair<TObject*, int>> clicks;
  panel->OnButtonClick = [&](TObject* sender, TObject* button, int tag) {
    EXPECT_EQ(sender, panel);
    clicks.emplace_back(button, tag);
  };
  TMVWSpeedButton& second = panel->Buttons().Items(1)->Button();
  second.Click();
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].first, &second);
  EXPECT_EQ(clicks[0].second, 2);

  // Without a tag of its own a button tells its index, as buttons made from form data do.
  TMVWSpecialButton* added = panel->Buttons().Add();
  EXPECT_EQ(added->Button().Tag(), 3);
  added->Button().Click();
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[1].second, 3);
}

TEST_F(MVWButtonPanel, FillAndButtonPanelsComeBackFromTheirFormData) {
  Form->SetName("Host");
  auto* tile = AddFill(Form.get(), {10, 10, 180, 80});
  tile->SetName("Tile");
  tile->SetCaption("Execution");
  tile->SetAlignment(agBottomRight);
  tile->SetTransparentBorder(true);
  tile->FillObject().SetStyle(sfGradient);
  tile->FillObject().Gradient().SetEndColor(clNavy);
  tile->FontFX().SetAngle(90);
  tile->Bevel().SetStyleOuter(bvRaised);
  TMVWButtonPanel* keys = AddButtons(3, 60, 20);
  keys->SetName("Keys");
  keys->SetButtonWidth(30);
  keys->SetButtonStyle(ubsFlat);
  const std::string text = WriteComponentToText(*Form);
  for (const char* property : {"Alignment = agBottomRight", "FontFX.Angle = 90",
                               "TransparentBorder = True", "ButtonStyle = ubsFlat", "item"})
    EXPECT_NE(text.find(property), std::string::npos) << property << " in\n" << text;

  TForm read(nullptr);
  ReadComponentFromText(read, text, "host");
  auto* readKeys = dynamic_cast<TMVWButtonPanel*>(read.FindComponent("Keys"));
  ASSERT_NE(readKeys, nullptr);
  ASSERT_EQ(readKeys->Buttons().Count(), 3);
  EXPECT_EQ(readKeys->Buttons().Items(2)->Button().Top(), 20) << "laid out once read";
  EXPECT_EQ(WriteComponentToText(read), text);
}

TEST_F(MVWButtonPanel, SnapshotOfFillTilesAndAButtonGrid) {
  const TColor ends[] = {clNavy, clMaroon, clGreen};
  const TMVWAlignment places[] = {agTopLeft, agCenter, agBottomRight};
  std::vector<TFillPanel*> tiles;
  for (int i = 0; i < 3; ++i) {
    auto* tile = AddFill(Back, {10 + 125 * i, 10, 115, 90});
    tile->FillObject().SetStyle(sfGradient);
    tile->FillObject().Gradient().SetEndColor(ends[i]);
    tile->Bevel().SetStyleOuter(bvRaised);
    tile->Bevel().SetWidthOuter(2);
    tile->Font().SetHeight(-16);
    tile->Font().SetColor(clWhite);
    tile->SetCaption("Tile " + std::to_string(i + 1));
    tile->SetAlignment(places[i]);
    tiles.push_back(tile);
  }
  TMVWButtonPanel* keys = AddButtons(10, 100, 100);
  keys->SetParent(Back);
  keys->SetBounds(10, 120, 100, 100);
  keys->SetButtonWidth(32);
  keys->SetButtonHeight(24);
  ShowForm();
  EXPECT_EQ((std::pair{keys->Width(), keys->Height()}), (std::pair{96, 96}));
  const test::TSnapshot snapshot = test::SnapshotForm(*Form, "widget-fill-tiles-and-button-grid");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(snapshot.At(*tiles[i], {20, 84}), ColorToRGB(ends[i])) << "the gradient's end " << i;
    EXPECT_TRUE(snapshot.Shows(*tiles[i], clWhite, {3, 3, 112, 87})) << "the caption " << i;
  }
  EXPECT_TRUE(snapshot.Shows(keys->Buttons().Items(9)->Button(), clBtnText)) << "the last caption";
}

} // namespace
} // namespace marivo
