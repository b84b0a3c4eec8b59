#include "widgets/foundation/MVWGlyph.h"
#include "platform/ui/Pictures.h"
#include "tests/widgets/foundation/BitmapPixels.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr TColor Back = 0x123456;
constexpr TColor Clear = clFuchsia;
constexpr int Cell = 8;
// The looks' colours: cell 0 black, as embossing raises only black pixels.
const TColor CellColors[] = {clBlack, clRed, clLime, clBlue, clYellow};

TColor Rgb(TColor color) {
  return static_cast<TColor>(ColorToRGB(color));
}

// cells squares of Cell pixels on the transparent colour, each with a 4 x 4 square of its colour.
std::unique_ptr<TBitmap> Strip(int cells, int size = Cell) {
  auto bitmap = std::make_unique<TBitmap>();
  FillBitmap(*bitmap, {0, 0, cells * size, size}, Clear);
  for (int c = 0; c < cells; ++c)
    for (int y = 2; y < 6; ++y)
      for (int x = 2; x < 6; ++x)
        bitmap->SetPixels(c * size + x, y, CellColors[c]);
  return bitmap;
}

std::unique_ptr<TBitmap> Surface(int w, int h) {
  auto bitmap = std::make_unique<TBitmap>();
  FillBitmap(*bitmap, {0, 0, w, h}, Back);
  return bitmap;
}

using test::CountOf;

// What a glyph drawn alone in its own square shows: "c0".."c4", "3tone", "embossed" or "?".
std::string Shown(TMVWGlyph& glyph, std::uint8_t state) {
  const int size = glyph.Bitmap().Height();
  auto surface = Surface(size, size);
  TMVWButtonLayout layout;
  glyph.Draw(surface->Canvas(), "", 0, false, FxTextEnabled, layout, state, {0, 0, size, size},
             nullptr);
  if (surface->Pixels(0, 0) != Back || surface->Pixels(0, size - 1) != Back)
    return "opaque";
  const TColor middle = surface->Pixels(3, 3);
  for (int c = 0; c < 5; ++c)
    if (middle == Rgb(CellColors[c]))
      return "c" + std::to_string(c);
  if (middle == Rgb(clBtnShadow))
    return surface->Pixels(6, 6) == Rgb(clBtnHighlight) ? "embossed" : "3tone";
  return "?";
}

class MVWGlyphs : public ::testing::Test {
protected:
  void SetUp() override {
    MVWApplication->SetThemeActiveSeam(false);
    ASSERT_EQ(MVWGlyphCache, nullptr);
  }
  void TearDown() override { EXPECT_EQ(MVWGlyphCache, nullptr) << "the last glyph frees it"; }
  TMVWFoundation Foundation;
};

TEST_F(MVWGlyphs, EachStateShowsItsImageByCountAndStyle) {
  struct TRow {
    std::uint8_t State;
    std::uint8_t Style;
    const char* ByCount; // N = 1 to 5
  };
  const TRow rows[] = {
      {0, 0, "c0 c0 c0 c0 c0"},       {0, 1, "3tone 3tone 3tone 3tone 3tone"},
      {1, 0, "embossed c1 c1 c1 c1"}, {1, 1, "embossed c1 c1 c1 c1"},
      {7, 0, "embossed c1 c1 c1 c1"}, {2, 0, "c0 c0 c2 c2 c2"},
      {2, 1, "c0 c0 c2 c2 c2"},       {3, 0, "c0 c0 c0 c3 c3"},
      {3, 1, "c0 c0 c2 c3 c3"},       {4, 0, "c0 c0 c0 c0 c4"},
      {4, 1, "c0 c0 c2 c2 c4"},       {6, 0, "c0 c0 c0 c0 c0"},
      {6, 1, "c0 c0 c0 c0 c4"},
  };
  for (const TRow& row : rows) {
    std::istringstream expected(row.ByCount);
    for (int n = 1; n <= 5; ++n) {
      TMVWGlyph glyph;
      auto strip = Strip(n);
      glyph.SetGlyph(strip.get());
      glyph.SetStyle(row.Style);
      ASSERT_EQ(glyph.NumGlyphs(), n);
      std::string want;
      expected >> want;
      EXPECT_EQ(Shown(glyph, row.State), want)
          << "state " << int{row.State} << " style " << int{row.Style} << " N " << n;
      // Drawn again, the kept image is used.
      const int cell = glyph.GetStateImage(row.State);
      EXPECT_EQ(Shown(glyph, row.State), want);
      EXPECT_EQ(glyph.GetStateImage(row.State), cell);
      EXPECT_EQ(glyph.List()->UsedCount(), 1);
    }
  }
}

TEST_F(MVWGlyphs, KeypadGlyphUnderItsCaptionAndAnEmptyGlyph) {
  TMVWGlyph glyph;
  auto strip = Strip(2, 16);
  glyph.SetGlyph(strip.get());
  TMVWButtonLayout layout;
  layout.SetAlignText2Glyph(taTop);
  auto surface = Surface(40, 50);
  surface->Canvas().Font().SetColor(clWhite);
  surface->Canvas().Font().SetHeight(-14);
  // Cell 0 in every enabled state, cell 1 disabled; then the glyph cleared: the caption alone.
  const std::pair<std::uint8_t, int> looks[] = {{0, 0}, {2, 0}, {3, 0},  {4, 0},
                                                {1, 1}, {7, 1}, {0, -1}, {1, -1}};
  for (const auto& [state, cell] : looks) {
    if (cell < 0)
      glyph.SetGlyph(nullptr);
    FillBitmap(*surface, {0, 0, 40, 50}, Back);
    glyph.Draw(surface->Canvas(), "7", 0, false, FxTextEnabled, layout, state, {0, 0, 40, 50},
               nullptr);
    for (int c = 0; c < 2; ++c)
      EXPECT_EQ(CountOf(*surface, CellColors[c]), c == cell ? 16 : 0) << int{state};
    EXPECT_EQ(CountOf(*surface, Clear), 0) << "transparent colour shows the background";
    EXPECT_GT(CountOf(*surface, clWhite), 5) << "caption";
  }
  EXPECT_EQ(glyph.List(), nullptr);
}

TEST_F(MVWGlyphs, SettingTheBitmapCountsSquareCells) {
  struct TCase {
    int Width;
    int Height;
    bool None;
    int Expected;
  };
  // Before each case NumGlyphs is 3.
  const TCase cases[] = {{64, 16, false, 4}, {96, 16, false, 1}, {50, 16, false, 3},
                         {16, 16, false, 1}, {80, 16, false, 5}, {0, 16, false, 3},
                         {16, 0, false, 3},  {0, 0, true, 3}};
  for (const TCase& c : cases) {
    TMVWGlyph glyph;
    glyph.SetNumGlyphs(3);
    TBitmap bitmap;
    bitmap.SetSize(c.Width, c.Height);
    if (!bitmap.Empty())
      bitmap.SetPixels(0, c.Height - 1, clTeal);
    glyph.SetGlyph(c.None ? nullptr : &bitmap);
    EXPECT_EQ(glyph.NumGlyphs(), c.Expected) << c.Width << " x " << c.Height;
    EXPECT_EQ(glyph.TransparentColor(), bitmap.Empty() ? clNone : Rgb(clTeal));
    EXPECT_EQ(glyph.Bitmap().Width(), c.None ? 0 : c.Width);
  }
}

TEST_F(MVWGlyphs, ChangesDropTheBuiltImages) {
  TMVWGlyph glyph;
  int changes = 0;
  glyph.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &glyph);
    ++changes;
  };
  auto strip = Strip(2);
  glyph.SetGlyph(strip.get());
  EXPECT_EQ(changes, 1);
  const auto build = [&] {
    glyph.GetStateImage(0);
    glyph.GetStateImage(1);
    EXPECT_EQ(glyph.List()->UsedCount(), 2);
  };
  const auto dropped = [&](const char* step) {
    EXPECT_TRUE(!glyph.List() && glyph.SlotImage(0) < 0 && glyph.SlotImage(1) < 0) << step;
    EXPECT_EQ(MVWGlyphCache->Count(), 0) << step;
  };
  build();
  glyph.SetNumGlyphs(0);
  glyph.SetNumGlyphs(2);
  glyph.SetStyle(GlyphStyleNormal);
  EXPECT_NE(glyph.List(), nullptr) << "unchanged or zero values keep the images";
  EXPECT_EQ(glyph.NumGlyphs(), 2);
  glyph.SetNumGlyphs(1);
  dropped("count");
  build();
  glyph.SetStyle(GlyphStyleShaded);
  dropped("style");
  build();
  glyph.Bitmap().SetSize(24, 8);
  dropped("bitmap resized");
  EXPECT_EQ(changes, 2);
  build();
  glyph.SetGlyph(nullptr);
  EXPECT_EQ(glyph.GetStateImage(0), -1);
  dropped("cleared");
  EXPECT_EQ(changes, 3);
}

TEST_F(MVWGlyphs, GlyphsOfOneCellSizeShareAListAndReuseCells) {
  auto small = Strip(1, 16);
  auto pair = Strip(2, 16);
  auto large = Strip(1, 24);
  {
    TMVWGlyph a;
    TMVWGlyph b;
    TMVWGlyph c;
    ASSERT_NE(MVWGlyphCache, nullptr) << "made with the first glyph";
    a.SetGlyph(small.get());
    b.SetGlyph(pair.get());
    c.SetGlyph(large.get());
    EXPECT_EQ(a.GetStateImage(0), 0);
    EXPECT_EQ(a.GetStateImage(1), 1);
    EXPECT_EQ(b.GetStateImage(0), 2);
    EXPECT_EQ(c.GetStateImage(0), 0);
    EXPECT_EQ(a.List(), b.List());
    EXPECT_NE(a.List(), c.List());
    EXPECT_EQ(MVWGlyphCache->Count(), 2);
    TMVWGlyphList* shared = a.List();
    const RECT first = shared->ImageRect(0);
    const TColor kept = shared->Strip().Pixels(first.left + 3, 3);
    a.SetStyle(GlyphStyleShaded);
    EXPECT_EQ(shared->UsedCount(), 1);
    EXPECT_FALSE(shared->IsUsed(0));
    EXPECT_EQ(shared->Strip().Pixels(first.left + 3, 3), kept) << "pixels stay until reused";
    EXPECT_EQ(b.GetStateImage(1), 0) << "the first free cell is reused";
    EXPECT_EQ(a.GetStateImage(0), 1);
    EXPECT_EQ(shared->Count(), 3);
    EXPECT_EQ(Shown(b, 1), "c1");
    EXPECT_EQ(Shown(a, 0), "3tone");
    c.ReleaseImages();
    EXPECT_EQ(MVWGlyphCache->Count(), 1) << "an unused list is freed at once";
  }
  EXPECT_EQ(MVWGlyphCache, nullptr);

  // A glyph that never drew still frees an empty cache; one that draws later makes it again.
  auto late = std::make_unique<TMVWGlyph>();
  late->SetGlyph(small.get());
  FreeEmptyGlyphCache();
  EXPECT_EQ(MVWGlyphCache, nullptr);
  EXPECT_EQ(late->GetStateImage(0), 0);
  EXPECT_EQ(MVWGlyphCache->Count(), 1);
  late.reset();
}

TEST_F(MVWGlyphs, CellsWithoutWidthOrRoomGiveNoImage) {
  // Five looks in a three-pixel strip, and a cell wider than a strip may be.
  TMVWGlyph narrow;
  TBitmap three;
  three.SetSize(3, 16);
  narrow.SetGlyph(&three);
  narrow.SetNumGlyphs(5);
  TMVWGlyph wide;
  TBitmap huge;
  huge.SetSize(MaxStripWidth + 1, 1);
  wide.SetGlyph(&huge);
  for (TMVWGlyph* glyph : {&narrow, &wide}) {
    EXPECT_EQ(glyph->GetStateImage(0), -1);
    EXPECT_EQ(glyph->List(), nullptr);
  }
  EXPECT_EQ(MVWGlyphCache->Count(), 0);

  // A full strip refuses the next image; the glyphs inside it keep theirs.
  TBitmap quarter;
  FillBitmap(quarter, {0, 0, MaxStripWidth / 4, 1}, clRed);
  TMVWGlyph a;
  TMVWGlyph b;
  TMVWGlyph c;
  for (TMVWGlyph* glyph : {&a, &b, &c}) {
    glyph->SetGlyph(&quarter);
    glyph->SetStyle(GlyphStyleShaded);
  }
  for (TMVWGlyph* glyph : {&a, &b})
    for (const std::uint8_t state : {0, 1})
      EXPECT_GE(glyph->GetStateImage(state), 0);
  EXPECT_EQ(c.GetStateImage(0), -1);
  EXPECT_EQ(c.List(), nullptr);
  EXPECT_EQ(a.List()->UsedCount(), 4);
}

TEST_F(MVWGlyphs, ListsIgnoreForeignCellsAndCachesForeignLists) {
  TMVWGlyphList list(4, 4);
  EXPECT_EQ(list.AllocateCell(), 0);
  for (const int cell : {0, 0, 7, -1})
    list.ReleaseCell(cell);
  EXPECT_EQ(list.UsedCount(), 0);
  TMVWGlyphCache cache;
  TMVWGlyphList* first = cache.GetList(4, 4);
  EXPECT_EQ(cache.GetList(4, 4), first);
  EXPECT_NE(cache.GetList(4, 5), first);
  first->AllocateCell();
  cache.ReleaseList(first);
  cache.ReleaseList(&list);
  EXPECT_EQ(cache.Count(), 2) << "lists in use and lists held elsewhere stay";
}

TEST_F(MVWGlyphs, LookWidthsFocusFlagsAndLegacyNames) {
  // In the order of the looks, ubsAutoDetect first.
  const int widths[] = {2, 3, 2, 2, 2, 1, 1, 2, 1, 1, 2, 1, 1, 1};
  for (int look = ubsAutoDetect; look <= ubsWinXPTool; ++look)
    EXPECT_EQ(ButtonStyleBevelWidth(static_cast<TMVWUserButtonStyle>(look)), widths[look]) << look;

  const std::pair<TMVWGlyphTextFocusStyle, std::uint16_t> flags[] = {
      {fcControl, 0}, {fcText, 0x40}, {fcGlyph, 0x80}, {fcGlyphText, 0x100}, {fcNone, 0}};
  for (const auto& [style, flag] : flags)
    EXPECT_EQ(FocusStyleToDrawFlags(style), flag) << int{style};

  const std::pair<const char*, std::optional<TMVWUserButtonStyle>> names[] = {
      {"nbsAutoDetect", ubsAutoDetect}, {"nbsWin31", ubsWin31},     {"NBSWIN40", ubsWin40},
      {"nbsWin95", std::nullopt},       {"ubsWin40", std::nullopt}, {"", std::nullopt}};
  for (const auto& [name, style] : names)
    EXPECT_EQ(LegacyButtonStyle(name), style) << name;
}

} // namespace
} // namespace marivo
