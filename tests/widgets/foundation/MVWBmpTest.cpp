#include "widgets/foundation/MVWBmp.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Images.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/foundation/BitmapPixels.h"
#include "widgets/foundation/MVWAlphaObject.h"
#include "widgets/foundation/MVWBitmapEffectObject.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWShape.h"
#include "widgets/foundation/MVWShapeFill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::Blue;
using test::Numbered;
using test::Paint;
using test::Pixels;
using test::Red;

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EMVWWrongPixelFormat& error) {
    return error.what();
  }
  return "(nothing raised)";
}

TEST(MVWBitmapRoutines, EachRoutineWritesItsPixelsAtTheTargetPoint) {
  const RECT whole{0, 0, 3, 2};
  struct TCase {
    const char* Name;
    std::function<void(TBitmap&, TBitmap&)> Run;
    std::function<TColor(int, int)> Expected;
  };
  const auto grey = [](TColor c) {
    // 0.3 red + 0.59 green + 0.11 blue, each product rounded, ties to even.
    const int value =
        static_cast<int>(std::nearbyint(0.3 * GetRValue(c)) + std::nearbyint(0.59 * GetGValue(c)) +
                         std::nearbyint(0.11 * GetBValue(c)));
    return static_cast<TColor>(RGB(value, value, value));
  };
  const TCase cases[] = {
      {"grey",
       [&](TBitmap& s, TBitmap& t) {
         GrayScaleRect(s, whole, t, {0, 0});
       },
       [&](int x, int y) { return grey(Numbered(x, y)); }},
      {"mirrored columns",
       [&](TBitmap& s, TBitmap& t) {
         MirrorColumns(s, whole, t, {0, 0});
       },
       [](int x, int y) { return Numbered(2 - x, y); }},
      {"mirrored rows",
       [&](TBitmap& s, TBitmap& t) {
         MirrorRows(s, whole, t, {0, 0});
       },
       [](int x, int y) { return Numbered(x, 1 - y); }},
      {"inverted",
       [&](TBitmap& s, TBitmap& t) {
         InvertRect(s, whole, t, {0, 0});
       },
       [](int x, int y) { return static_cast<TColor>(Numbered(x, y) ^ 0xFFFFFF); }},
      {"brightened",
       [&](TBitmap& s, TBitmap& t) {
         BrightenRect(s, whole, t, 30, {0, 0});
       },
       [](int x, int y) { return static_cast<TColor>(Numbered(x, y) + 0x1E1E1E); }},
      {"moved by one",
       [&](TBitmap& s, TBitmap& t) {
         MirrorRows(s, {0, 0, 3, 1}, t, {0, 1});
       },
       [](int x, int y) { return y == 1 ? Numbered(x, 0) : Numbered(x, y); }},
  };
  for (const TCase& c : cases) {
    TBitmap source;
    Paint(source, 3, 2, Numbered);
    TBitmap target;
    Paint(target, 3, 2, Numbered);
    c.Run(source, target);
    TBitmap expected;
    Paint(expected, 3, 2, c.Expected);
    EXPECT_EQ(Pixels(target), Pixels(expected)) << c.Name;
    // The same routine in place gives the same picture.
    c.Run(source, source);
    EXPECT_EQ(Pixels(source), Pixels(expected)) << c.Name << " in place";
  }
}

TEST(MVWBitmapRoutines, ExtremesStayWithinTheChannelsAndAreasStayWithinTheBitmaps) {
  TBitmap bitmap;
  Paint(bitmap, 2, 1,
        [](int x, int) { return x == 0 ? static_cast<TColor>(RGB(1, 128, 0)) : 0xFFFFFF; });
  TBitmap work;
  work.Assign(bitmap);
  BrightenRect(work, {0, 0, 2, 1}, work, 255, {0, 0});
  EXPECT_EQ(Pixels(work), (std::vector<TColor>{0xFFFFFF, 0xFFFFFF}));
  BrightenRect(work, {0, 0, 2, 1}, work, -255, {0, 0});
  EXPECT_EQ(Pixels(work), (std::vector<TColor>{0, 0}));
  GrayScaleRect(bitmap, {1, 0, 2, 1}, bitmap, {1, 0});
  EXPECT_EQ(bitmap.Pixels(1, 0), static_cast<TColor>(RGB(254, 254, 254))) << "white is 254";

  // Areas and points reaching past either bitmap are cut, never read or written outside.
  TBitmap small;
  Paint(small, 2, 2, [](int, int) { return Red; });
  TBitmap big;
  Paint(big, 4, 4, [](int, int) { return Blue; });
  // The point moves with the area's corner cut off: source (0, 0) lands on (3, 3).
  InvertRect(small, {-1, -1, 50, 50}, big, {2, 2});
  EXPECT_EQ(big.Pixels(3, 3), static_cast<TColor>(Red ^ 0xFFFFFF));
  EXPECT_EQ(big.Pixels(2, 2), Blue);
  MirrorColumns(big, {0, 0, 4, 4}, small, {-1, -1});
  MirrorRows(big, {0, 0, 30000, 4}, big, {0, 0});
  EXPECT_EQ(big.Pixels(3, 0), static_cast<TColor>(Red ^ 0xFFFFFF));
}

TEST(MVWBitmapRoutines, AlphaBlendWeighsTheFirstSourceAndChecksAllThreeFormats) {
  TBitmap first;
  Paint(first, 2, 1, [](int x, int) { return static_cast<TColor>(RGB(11, 13, x ? 255 : 200)); });
  TBitmap second;
  Paint(second, 3, 1, [](int, int) { return static_cast<TColor>(RGB(10, 10, 0)); });
  const struct {
    double Weight;
    std::vector<TColor> Expected;
  } cases[] = {
      {1.0, {static_cast<TColor>(RGB(11, 13, 200)), static_cast<TColor>(RGB(11, 13, 255))}},
      {0.0, {static_cast<TColor>(RGB(10, 10, 0)), static_cast<TColor>(RGB(10, 10, 0))}},
      // 0.5 and 1.5 round to even.
      {0.5, {static_cast<TColor>(RGB(10, 12, 100)), static_cast<TColor>(RGB(10, 12, 128))}},
      // A weight beyond 1 from stored data stops at the channel's end.
      {2.0, {static_cast<TColor>(RGB(12, 16, 255)), static_cast<TColor>(RGB(12, 16, 255))}},
  };
  for (const auto& c : cases) {
    TBitmap target;
    target.SetSize(2, 1);
    AlphaBlend(first, second, {0, 0, 2, 1}, {0, 0}, c.Weight, target, {1, 0});
    EXPECT_EQ(Pixels(target), c.Expected) << c.Weight;
  }

  TBitmap eightBits;
  Paint(eightBits, 2, 1, [](int, int) { return Red; });
  eightBits.SetPixelFormat(pf8bit);
  EXPECT_EQ(MessageOf([&] {
              AlphaBlend(first, second, {0, 0, 1, 1}, {0, 0}, 1, eightBits, {});
            }),
            "Wrong PixelFormat in Target bitmap!");
  EXPECT_EQ(eightBits.Pixels(0, 0), Red) << "nothing written";
  EXPECT_EQ(MessageOf([&] {
              AlphaBlend(first, eightBits, {0, 0, 1, 1}, {0, 0}, 1, eightBits, {});
            }),
            "Wrong PixelFormat in Source 2 bitmap!");
  EXPECT_EQ(MessageOf([&] {
              AlphaBlend(eightBits, first, {0, 0, 1, 1}, {0, 0}, 1, first, {});
            }),
            "Wrong PixelFormat in Source 1 bitmap!");
}

TEST(MVWBitmapRoutines, EveryRoutineChecksBothBitmapsBeforeWriting) {
  using TRoutine = std::function<void(TBitmap&, TBitmap&)>;
  const RECT area{0, 0, 2, 1};
  const std::pair<const char*, TRoutine> routines[] = {
      {"grey",
       [&](TBitmap& s, TBitmap& t) {
         GrayScaleRect(s, area, t, {0, 0});
       }},
      {"mirror columns",
       [&](TBitmap& s, TBitmap& t) {
         MirrorColumns(s, area, t, {0, 0});
       }},
      {"mirror rows",
       [&](TBitmap& s, TBitmap& t) {
         MirrorRows(s, area, t, {0, 0});
       }},
      {"invert",
       [&](TBitmap& s, TBitmap& t) {
         InvertRect(s, area, t, {0, 0});
       }},
      {"brighten",
       [&](TBitmap& s, TBitmap& t) {
         BrightenRect(s, area, t, 9, {0, 0});
       }},
  };
  for (const auto& [name, routine] : routines) {
    TBitmap good;
    Paint(good, 2, 1, [](int, int) { return Blue; });
    TBitmap eightBits;
    Paint(eightBits, 2, 1, [](int, int) { return Red; });
    eightBits.SetPixelFormat(pf8bit);
    EXPECT_EQ(MessageOf([&] { routine(good, eightBits); }), "Wrong PixelFormat in Target bitmap!")
        << name;
    EXPECT_EQ(MessageOf([&] { routine(eightBits, good); }), "Wrong PixelFormat in Source bitmap!")
        << name;
    EXPECT_EQ(Pixels(good), (std::vector<TColor>{Blue, Blue})) << name << ": nothing written";
    EXPECT_EQ(eightBits.Pixels(0, 0), Red) << name << ": nothing written";
  }
}

} // namespace
} // namespace marivo
