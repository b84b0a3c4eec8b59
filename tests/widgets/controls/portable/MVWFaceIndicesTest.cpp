#include "widgets/controls/portable/MVWFaceIndices.h"

#include "platform/rtl/Exceptions.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

// Little-endian 32-bit values.
TBytes Values(std::initializer_list<std::int32_t> values) {
  TBytes bytes;
  for (const std::int32_t value : values)
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
  return bytes;
}

TBytes Written(const std::function<void(TStream&)>& write) {
  TMemoryStream stream;
  write(stream);
  TBytes bytes(static_cast<std::size_t>(stream.Size()));
  stream.SetPosition(0);
  stream.ReadBuffer(bytes.data(), stream.Size());
  return bytes;
}

// State s of these lives in list 10 + s, image 20 + s.
TMVWFaceEntries Numbered() {
  TMVWFaceEntries entries;
  for (int state = 0; state < FaceStateCount; ++state)
    entries[static_cast<std::size_t>(state)] = {10 + state, 20 + state};
  return entries;
}

TEST(MVWFaceIndices, InvalidEntriesFallBackToTheUpOrPressedOne) {
  const TMVWFaceEntries entries = Numbered();
  struct TCase {
    int State;
    std::set<int> Valid;
    std::optional<int> Shown;
  };
  const TCase cases[] = {
      {0, {0}, 0},
      {0, {1, 4}, std::nullopt},
      {1, {1}, 1},
      {1, {}, 0},
      {2, {}, 0},
      {5, {}, 0},
      {3, {}, 4},
      {4, {}, 4},
      {6, {0}, 4},
      {7, {}, 4},
      {8, {8}, 8},
      {8, {0, 4}, std::nullopt},
      {9, {}, std::nullopt},
      {-1, {}, std::nullopt},
  };
  for (const TCase& c : cases) {
    const auto valid = [&](const TMVWFaceEntry& entry) { return c.Valid.count(entry.List - 10); };
    const std::optional<TMVWFaceEntry> shown = FaceEntryOf(entries, c.State, valid);
    ASSERT_EQ(shown.has_value(), c.Shown.has_value()) << c.State;
    if (shown) {
      EXPECT_EQ(*shown, entries[static_cast<std::size_t>(*c.Shown)]) << c.State;
    }
  }
}

// An entry of 20 x 10.
TEST(MVWFaceIndices, AHitPointIsReadFromTheEntryPixelUnderIt) {
  struct TCase {
    TMVWPoint Point;
    TMVWRect Face;
    bool Tiled;
    std::optional<TMVWPoint> Pixel;
  };
  const TCase cases[] = {
      {{5, 5}, {0, 0, 20, 10}, false, TMVWPoint{5, 5}},
      {{25, 15}, {10, 10, 30, 20}, false, TMVWPoint{15, 5}},
      {{9, 9}, {10, 10, 30, 20}, false, std::nullopt},
      {{30, 15}, {10, 10, 30, 20}, false, std::nullopt},
      // Stretched to 80 x 20 and kept in proportion at 40 x 20.
      {{79, 19}, {0, 0, 80, 20}, false, TMVWPoint{19, 9}},
      {{40, 10}, {0, 0, 80, 20}, false, TMVWPoint{10, 5}},
      {{30, 12}, {10, 2, 50, 22}, false, TMVWPoint{10, 5}},
      // A centred entry larger than the button starts left of it.
      {{0, 0}, {-5, -2, 15, 8}, false, TMVWPoint{5, 2}},
      {{47, 23}, {0, 0, 60, 30}, true, TMVWPoint{7, 3}},
      {{60, 23}, {0, 0, 60, 30}, true, std::nullopt},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(FaceEntryPixel(c.Point, c.Face, 20, 10, c.Tiled), c.Pixel)
        << c.Point.X << "," << c.Point.Y;
  EXPECT_EQ(FaceEntryPixel({0, 0}, {0, 0, 20, 10}, 0, 10, false), std::nullopt);
}

TEST(MVWFaceIndices, BlocksKeepTheirByteLayouts) {
  const TMVWFaceEntries entries = Numbered();
  const TBytes new2 =
      Values({20, 21, 22, 23, 24, 25, 26, 27, 28, 18, 17, 16, 15, 14, 13, 12, 11, 10});
  EXPECT_EQ(Written([&](TStream& s) { WriteFaceIndicesNew2(s, entries); }), new2);
  TMemoryStream stream = StreamOf(new2);
  EXPECT_EQ(ReadFaceIndicesNew2(stream), entries);

  TMVWFaceEntries before;
  before[8] = {-3, 99};
  TMVWFaceEntries expected = entries;
  expected[8] = before[8];
  TMemoryStream lists =
      StreamOf(Values({10, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22, 23, 24, 25, 26, 27}));
  EXPECT_EQ(ReadFaceIndicesNew(lists, before), expected);
  TMemoryStream pairs =
      StreamOf(Values({10, 20, 11, 21, 12, 22, 13, 23, 14, 24, 15, 25, 16, 26, 17, 27}));
  EXPECT_EQ(ReadFaceIndices(pairs, before), expected);

  EXPECT_EQ(Written([](TStream& s) { WriteFaceColor(s, 0xFFFFFF); }), Values({0xFFFFFF}));
  TMemoryStream color = StreamOf(Values({0x1FFFFFFF}));
  EXPECT_EQ(ReadFaceColor(color, "ButtonFaceTransColNew"), 0x1FFFFFFFu);
}

TEST(MVWFaceIndices, ABlockOfAnyOtherLengthIsAReadError) {
  const TBytes long_(80, 7);
  const auto slice = [&](std::size_t size) { return TBytes(long_.begin(), long_.begin() + size); };
  for (const std::size_t size : {0, 4, 68, 71, 73, 80}) {
    TMemoryStream stream = StreamOf(slice(size));
    EXPECT_THROW(ReadFaceIndicesNew2(stream), EReadError) << size;
  }
  for (const std::size_t size : {0, 60, 63, 65, 72}) {
    TMemoryStream lists = StreamOf(slice(size));
    EXPECT_THROW(ReadFaceIndicesNew(lists, {}), EReadError) << size;
    TMemoryStream pairs = StreamOf(slice(size));
    EXPECT_THROW(ReadFaceIndices(pairs, {}), EReadError) << size;
  }
  for (const std::size_t size : {0, 3, 5, 8}) {
    TMemoryStream color = StreamOf(slice(size));
    EXPECT_THROW(ReadFaceColor(color, "ButtonFaceTransCol"), EReadError) << size;
  }
}

} // namespace
} // namespace marivo
