#include "widgets/foundation/portable/MVWPixelKernels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace marivo {
namespace {

// A picture over its own bytes, top-down or bottom-up, 3 or 4 bytes a pixel.
class TPicture {
public:
  TPicture(int width, int height, int pixelBytes = 3, bool bottomUp = false)
      : Bytes_(static_cast<std::size_t>(width * pixelBytes + 2) * height) {
    const std::ptrdiff_t stride = width * pixelBytes + 2; // rows padded, as real ones are
    Rows = {Bytes_.data(), stride, width, height, pixelBytes};
    if (bottomUp) {
      Rows.Bits = Bytes_.data() + stride * (height - 1);
      Rows.Stride = -stride;
    }
  }
  TPicture(const TPicture& other) : Rows(other.Rows), Bytes_(other.Bytes_) {
    Rows.Bits = Bytes_.data() + (other.Rows.Bits - other.Bytes_.data());
  }
  TPicture& operator=(const TPicture&) = delete;
  std::uint8_t* Pixel(int x, int y) { return Rows.Row(y) + x * Rows.PixelBytes; }
  void Fill(std::mt19937& random) {
    for (std::uint8_t& byte : Bytes_)
      byte = static_cast<std::uint8_t>(random());
  }
  void Set(int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
    std::uint8_t* p = Pixel(x, y);
    p[0] = b, p[1] = g, p[2] = r;
  }
  std::vector<std::uint8_t> Channels(int x, int y) {
    return {Pixel(x, y)[0], Pixel(x, y)[1], Pixel(x, y)[2]};
  }
  const std::vector<std::uint8_t>& Bytes() const { return Bytes_; }

  TMVWPixelRows Rows;

private:
  std::vector<std::uint8_t> Bytes_;
};

using TKernel =
    std::function<void(const TMVWPixelRows&, const TMVWRect&, const TMVWPixelRows&, TMVWPoint)>;
using TPixelRule = std::function<void(std::uint8_t* to, const std::uint8_t* from)>;

struct TKernelCase {
  const char* Name;
  TKernel Kernel;
  bool MirrorColumns, MirrorRows;
  TPixelRule Rule;
};

const std::vector<TKernelCase>& KernelCases() {
  static const std::vector<TKernelCase> cases = {
      {"copy mirrored columns", MirrorPixelColumns, true, false,
       [](std::uint8_t* to, const std::uint8_t* from) { std::copy_n(from, 3, to); }},
      {"copy mirrored rows", MirrorPixelRows, false, true,
       [](std::uint8_t* to, const std::uint8_t* from) { std::copy_n(from, 3, to); }},
      {"invert", InvertPixels, false, false,
       [](std::uint8_t* to, const std::uint8_t* from) {
         for (int c = 0; c < 3; ++c)
           to[c] = static_cast<std::uint8_t>(255 - from[c]);
       }},
      {"brighten 40",
       [](auto& s, auto& a, auto& t, TMVWPoint at) { BrightenPixels(s, a, t, 40, at); }, false,
       false,
       [](std::uint8_t* to, const std::uint8_t* from) {
         for (int c = 0; c < 3; ++c)
           to[c] = static_cast<std::uint8_t>(std::min(255, from[c] + 40));
       }},
      {"grey", GrayScalePixels, false, false,
       [](std::uint8_t* to, const std::uint8_t* from) {
         const int grey = RoundRatio(from[2], 30, 100) + RoundRatio(from[1], 59, 100) +
                          RoundRatio(from[0], 11, 100);
         to[0] = to[1] = to[2] = static_cast<std::uint8_t>(grey);
       }},
  };
  return cases;
}

// What the kernel must do, straight from its rule: source column L + k of the area to target
// column X + k (or X + R - 1 - L - k mirrored), reading the whole source before writing, and
// leaving out what lies outside either picture.
void Reference(TPicture& source, TPicture& target, bool same, const TMVWRect& area, TMVWPoint at,
               const TKernelCase& c) {
  TPicture before = source;
  TPicture& out = same ? source : target;
  for (int sy = area.Top; sy < area.Bottom; ++sy)
    for (int sx = area.Left; sx < area.Right; ++sx) {
      if (sx < 0 || sy < 0 || sx >= source.Rows.Width || sy >= source.Rows.Height)
        continue;
      const int tx = c.MirrorColumns ? at.X + area.Right - 1 - sx : at.X + sx - area.Left;
      const int ty = c.MirrorRows ? at.Y + area.Bottom - 1 - sy : at.Y + sy - area.Top;
      if (tx < 0 || ty < 0 || tx >= out.Rows.Width || ty >= out.Rows.Height)
        continue;
      c.Rule(out.Pixel(tx, ty), before.Pixel(sx, sy));
    }
}

TEST(MVWPixelKernels, EveryKernelMatchesItsRuleWhereverAreaAndTargetLie) {
  std::mt19937 random(15);
  std::uniform_int_distribution<int> coordinate(-6, 14);
  for (const TKernelCase& c : KernelCases())
    for (const int pixelBytes : {3, 4})
      for (const bool bottomUp : {false, true})
        for (const bool same : {false, true})
          for (int round = 0; round < 40; ++round) {
            TPicture source(9, 7, pixelBytes, bottomUp);
            TPicture target(6, 8, pixelBytes, !bottomUp);
            source.Fill(random);
            target.Fill(random);
            TMVWRect area{coordinate(random), coordinate(random), 0, 0};
            area.Right = area.Left + coordinate(random);
            area.Bottom = area.Top + coordinate(random);
            // In place most of the time at the area itself, as the effect chain works.
            const TMVWPoint at = same && round % 2 == 0
                                     ? TMVWPoint{area.Left, area.Top}
                                     : TMVWPoint{coordinate(random), coordinate(random)};
            TPicture expectedSource = source, expectedTarget = target;
            Reference(expectedSource, expectedTarget, same, area, at, c);
            c.Kernel(source.Rows, area, same ? source.Rows : target.Rows, at);
            SCOPED_TRACE(::testing::Message()
                         << c.Name << ", " << pixelBytes << " bytes, bottom-up " << bottomUp
                         << ", in place " << same << ", area (" << area.Left << ", " << area.Top
                         << ", " << area.Right << ", " << area.Bottom << ") at (" << at.X << ", "
                         << at.Y << ")");
            ASSERT_EQ(source.Bytes(), expectedSource.Bytes());
            ASSERT_EQ(target.Bytes(), expectedTarget.Bytes());
          }
}

TEST(MVWPixelKernels, ChannelExtremes) {
  TPicture picture(4, 1);
  picture.Set(0, 0, 255, 255, 255);
  picture.Set(1, 0, 0, 0, 255);
  picture.Set(2, 0, 1, 128, 254);
  picture.Set(3, 0, 0, 0, 0);
  const TMVWRect all{0, 0, 4, 1};

  TPicture grey = picture;
  GrayScalePixels(grey.Rows, all, grey.Rows, {0, 0});
  // 76 + 150 + 28: ties to even keep white at 254; pure red 76.5 goes to 76.
  EXPECT_EQ(grey.Channels(0, 0), (std::vector<std::uint8_t>{254, 254, 254}));
  EXPECT_EQ(grey.Channels(1, 0), (std::vector<std::uint8_t>{76, 76, 76}));

  const struct {
    int Amount;
    std::vector<std::uint8_t> Pixel2;
  } brightness[] = {{255, {255, 255, 255}},
                    {-255, {0, 0, 0}},
                    {300, {255, 255, 255}},
                    {-1, {0, 127, 253}},
                    {1, {2, 129, 255}}};
  for (const auto& b : brightness) {
    TPicture bright = picture;
    BrightenPixels(bright.Rows, all, bright.Rows, b.Amount, {0, 0});
    EXPECT_EQ(bright.Channels(2, 0), b.Pixel2) << b.Amount;
    const std::uint8_t black =
        b.Amount > 0 ? static_cast<std::uint8_t>(std::min(255, b.Amount)) : 0;
    EXPECT_EQ(bright.Channels(3, 0), (std::vector<std::uint8_t>(3, black))) << b.Amount;
  }
}

TEST(MVWPixelKernels, BlendsWeighTheFirstSourceAndKeepChannelsInRange) {
  const struct {
    double Weight;
    int First, Second, Expected;
  } cases[] = {
      {1.0, 200, 10, 200}, {0.0, 200, 10, 10}, {0.5, 1, 0, 0}, // 0.5 ties to even
      {0.5, 3, 0, 2},      {0.5, 0, 3, 1},     {0.6, 255, 0, 153}, {0.6, 0, 255, 102},
      {2.0, 200, 10, 255}, {-1.0, 200, 10, 0}, {1e9, 1, 0, 255},
  };
  for (const auto& c : cases) {
    TPicture first(2, 2), second(3, 3), target(2, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) {
        const auto v = static_cast<std::uint8_t>(c.First);
        first.Set(x, y, v, v, v);
      }
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x) {
        const auto v = static_cast<std::uint8_t>(x == 1 && y == 1 ? c.Second : 77);
        second.Set(x, y, v, v, v);
      }
    // The second source is read from (1, 1) on: its centre meets the area's top-left pixel.
    BlendPixels(first.Rows, second.Rows, {0, 0, 2, 2}, {0, 0}, c.Weight, target.Rows, {1, 1});
    EXPECT_EQ(target.Channels(0, 0),
              (std::vector<std::uint8_t>(3, static_cast<std::uint8_t>(c.Expected))))
        << c.Weight << " " << c.First << " " << c.Second;
  }
  // In place over the first source, with the second overlapping at another place.
  TPicture picture(4, 1);
  for (int x = 0; x < 4; ++x)
    picture.Set(x, 0, static_cast<std::uint8_t>(x * 10), 0, 0);
  BlendPixels(picture.Rows, picture.Rows, {1, 0, 4, 1}, {1, 0}, 0.0, picture.Rows, {0, 0});
  EXPECT_EQ(picture.Pixel(1, 0)[0], 0);
  EXPECT_EQ(picture.Pixel(2, 0)[0], 10) << "read before the pixel left of it was written";
  EXPECT_EQ(picture.Pixel(3, 0)[0], 20);
}

TEST(MVWPixelKernels, MirrorsRestoreThemselvesAndTakeRowsOfAnyWidth) {
  std::mt19937 random(7);
  TPicture picture(12000, 3, 4);
  picture.Fill(random);
  const std::vector<std::uint8_t> before = picture.Bytes();
  const TMVWRect all{0, 0, 12000, 3};
  MirrorPixelRows(picture.Rows, all, picture.Rows, {0, 0});
  const auto lastOfRow2 = before.begin() + 2 * (12000 * 4 + 2) + 11999 * 4;
  EXPECT_EQ(picture.Channels(11999, 0), std::vector<std::uint8_t>(lastOfRow2, lastOfRow2 + 3));
  MirrorPixelColumns(picture.Rows, all, picture.Rows, {0, 0});
  MirrorPixelColumns(picture.Rows, all, picture.Rows, {0, 0});
  MirrorPixelRows(picture.Rows, all, picture.Rows, {0, 0});
  EXPECT_EQ(picture.Bytes(), before);
  // An empty picture or area does nothing.
  MirrorPixelRows(TMVWPixelRows{}, all, picture.Rows, {0, 0});
  InvertPixels(picture.Rows, {5, 0, 5, 3}, picture.Rows, {0, 0});
  EXPECT_EQ(picture.Bytes(), before);
}

} // namespace
} // namespace marivo
