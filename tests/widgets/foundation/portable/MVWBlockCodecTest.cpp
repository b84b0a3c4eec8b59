#include "widgets/foundation/portable/MVWBlockCodec.h"

#include "platform/rtl/Exceptions.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

TBytes Compress(const TBytes& source) {
  TBytes dest(source.size() + 6);
  dest.resize(LZRWCompress(source.data(), dest.data(), static_cast<std::uint16_t>(source.size())));
  return dest;
}

TBytes Expand(const TBytes& block, std::size_t capacity) {
  TBytes dest(capacity);
  dest.resize(LZRWDecompress(block.data(), dest.data(), block.size(), capacity));
  return dest;
}

TBytes Repeat(std::size_t count, std::uint8_t byte) {
  return TBytes(count, byte);
}

// Blocks worked out by hand from the format: kind, control words, items.
TEST(LZRWCompress, HandDerivedBlocks) {
  TBytes seventeenRuns;
  TBytes seventeenRunsBlock = {0x40, 0xFF, 0xFF};
  for (std::uint8_t byte = 1; byte <= 17; ++byte) {
    const TBytes run = Repeat(16, byte);
    seventeenRuns.insert(seventeenRuns.end(), run.begin(), run.end());
    if (byte == 17) // a new control word only for the 17th item
      seventeenRunsBlock.insert(seventeenRunsBlock.end(), {0x80, 0x00});
    seventeenRunsBlock.insert(seventeenRunsBlock.end(), {0x00, 0x00, 0x00, byte});
  }
  TBytes sixteenRuns(seventeenRuns.begin(), seventeenRuns.end() - 16);
  TBytes sixteenRunsBlock(seventeenRunsBlock.begin(), seventeenRunsBlock.end() - 6);

  // 18 literals over two groups, then one copy of 18 bytes from 18 back: (18 << 4) + 15.
  const TBytes letters = Bytes("abcdefghijklmnopqr");
  TBytes longCopyBlock = Join(
      {{0x40, 0x00, 0x00}, Bytes("abcdefghijklmnop"), {0x20, 0x00}, Bytes("qr"), {0x01, 0x2F}});

  TBytes farZeros = Join({{0x40, 0xFF, 0x40}});
  for (int i = 0; i < 8; ++i)
    farZeros.insert(farZeros.end(), {0x00, 0x0F, 0xEF, 0x00});
  // 8 zeros left: a literal, then a copy of 7 from 1 back; the text after position 32,767
  // finds its earlier copy in the table but may not use it.
  farZeros = Join({farZeros, {0x00, 0x00, 0x14}, Bytes("XYZXYZ")});

  TBytes incompressible(256);
  for (int i = 0; i < 256; ++i)
    incompressible[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);

  struct TCase {
    const char* Name;
    TBytes Source;
    TBytes Block;
  };
  const TCase cases[] = {
      {"empty", {}, {0x80}},
      {"one byte", {0x41}, {0x80, 0x41}},
      {"two bytes", {0x41, 0x42}, {0x80, 0x41, 0x42}},
      {"100 equal bytes", Repeat(100, 0x7A), {0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 0x7A}},
      {"abcabcabcabc", Bytes("abcabcabcabc"), {0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x36}},
      {"15 equal bytes", Repeat(15, 'q'), {0x40, 0x40, 0x00, 'q', 0x00, 0x1B}},
      {"16 equal bytes", Repeat(16, 'q'), {0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 'q'}},
      {"4,095 equal bytes", Repeat(4095, 'r'), {0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, 'r'}},
      {"4,096 equal bytes", Repeat(4096, 'r'), {0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, 'r', 'r'}},
      {"4,115 equal bytes",
       Repeat(4115, 'r'),
       {0x40, 0xC0, 0x00, 0x00, 0x0F, 0xEF, 'r', 0x00, 0x00, 0x04, 'r'}},
      {"16 items", sixteenRuns, sixteenRunsBlock},
      {"17 items", seventeenRuns, seventeenRunsBlock},
      {"an 18-byte copy", Join({letters, letters}), longCopyBlock},
      {"a copy in reach", Join({Repeat(100, 0), Bytes("XYZXYZ")}),
       Join({{0x40, 0x88, 0x00, 0x00, 0x00, 0x54, 0x00}, Bytes("XYZ"), {0x00, 0x30}})},
      {"a candidate past 32,767", Join({Repeat(32768, 0), Bytes("XYZXYZ")}), farZeros},
      {"incompressible", incompressible, Join({{0x80}, incompressible})},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Compress(c.Source), c.Block) << c.Name;
    EXPECT_EQ(Expand(c.Block, c.Source.size()), c.Source) << c.Name;
  }
}

TBytes RandomBytes(std::size_t count, std::mt19937& random) {
  TBytes bytes(count);
  for (std::uint8_t& byte : bytes)
    byte = static_cast<std::uint8_t>(random());
  return bytes;
}

TBytes TextLike(std::size_t count, std::mt19937& random) {
  static const char* const words[] = {"judge ",   "score ", "routine ", "element ", "team ",
                                      "0.25\x11", "FREE",   "TECH",     "\r\n",     "Impression "};
  TBytes bytes;
  while (bytes.size() < count) {
    const std::string word = words[random() % 10];
    bytes.insert(bytes.end(), word.begin(), word.end());
  }
  bytes.resize(count);
  return bytes;
}

TBytes LowEntropy(std::size_t count, std::mt19937& random) {
  TBytes bytes(count);
  std::uint8_t value = 0;
  for (std::uint8_t& byte : bytes) {
    if (random() % 40 == 0)
      value = static_cast<std::uint8_t>(random() % 3);
    byte = value;
  }
  return bytes;
}

TEST(LZRWCompress, RoundTripsEverySizeAndKind) {
  std::mt19937 random(7);
  const std::size_t sizes[] = {0,    1,    2,    3,     4,     17,    18,    19,    255,
                               4095, 4096, 4097, 32767, 32768, 32781, 40000, 65534, 65535};
  for (const auto make : {RandomBytes, TextLike, LowEntropy}) {
    for (const std::size_t size : sizes) {
      const TBytes source = make(size, random);
      const TBytes block = Compress(source);
      ASSERT_LE(block.size(), size + 1) << size;
      ASSERT_EQ(Expand(block, size), source) << size;
    }
  }
}

TEST(LZRWCompress, TextLikeDataShrinks) {
  std::mt19937 random(3);
  const TBytes source = TextLike(32781, random);
  EXPECT_LT(Compress(source).size(), source.size() / 2);
}

TEST(LZRWDecompress, CorruptBlocksRaiseReadErrors) {
  const TBytes sixteenLiteralsThenNothing =
      Join({{0x40, 0x00, 0x00}, Repeat(16, 'a'), {0x00, 0x00}});
  struct TCase {
    const char* Name;
    TBytes Block;
    std::size_t Capacity;
  };
  const TCase cases[] = {
      {"no bytes", {}, 10},
      {"control word cut", {0x40}, 10},
      {"control word half", {0x40, 0x00}, 10},
      {"copy cut", {0x40, 0x80, 0x00, 0x00}, 10},
      {"run cut", {0x40, 0x80, 0x00, 0x00, 0x00, 0x05}, 100},
      {"copy before the start", {0x40, 0x80, 0x00, 0x00, 0x10}, 10},
      {"copy past its start", {0x40, 0x40, 0x00, 'a', 0x00, 0x20}, 10},
      {"stored past capacity", {0x80, 1, 2, 3}, 2},
      {"run past capacity", {0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 0x7A}, 99},
      {"copy past capacity", {0x40, 0x40, 0x00, 'q', 0x00, 0x1B}, 14},
      {"literal past capacity", {0x40, 0x00, 0x00, 'a', 'b'}, 1},
      {"control word without item", sixteenLiteralsThenNothing, 100},
  };
  for (const TCase& c : cases)
    EXPECT_THROW(Expand(c.Block, c.Capacity), EReadError) << c.Name;
}

TEST(LZRWDecompress, AnyKindButStoredMeansCompressed) {
  EXPECT_EQ(Expand({0x00, 0x00, 0x00, 'A'}, 1), Bytes("A"));
  EXPECT_EQ(Expand({0x80}, 0), TBytes());
  EXPECT_EQ(Expand({0x40, 0x00, 0x00}, 0), TBytes());
}

TEST(LZRWGetMatch, TableKeepsOnlySearchedPositions) {
  std::uint16_t table[LZRWTableSize];
  std::fill_n(table, LZRWTableSize, LZRWEmpty);
  const TBytes source = Bytes("abcabc");
  std::uint16_t position = 0;
  std::uint16_t length = 0;
  EXPECT_FALSE(LZRWGetMatch(source.data(), 0, 6, position, length, table));
  EXPECT_TRUE(LZRWGetMatch(source.data(), 3, 6, position, length, table));
  EXPECT_EQ(position, 0);
  EXPECT_EQ(length, 3);
  // Under three bytes left: no search and no entry.
  EXPECT_FALSE(LZRWGetMatch(source.data(), 4, 6, position, length, table));
  EXPECT_EQ(std::count_if(table, table + LZRWTableSize, [](auto v) { return v != LZRWEmpty; }), 1);
}

TEST(MVWNumbers, Routines) {
  const int ints[] = {3, -7, 9, 2};
  const double floats[] = {2.5, -0.5, 1.0};
  EXPECT_EQ(MaxOfInts(ints, 3), 9);
  EXPECT_EQ(MaxOfInts(ints, 1), 3);
  EXPECT_EQ(MinOfInts(ints, 3), -7);
  EXPECT_EQ(MinOfInts(ints, 0), 3);
  EXPECT_EQ(MinOfFloats(floats, 2), -0.5);
  EXPECT_EQ(MinOfFloats(floats, 0), 2.5);
  struct TPower {
    int Base, Exponent, Result;
  };
  for (const TPower p : {TPower{2, 10, 1024}, TPower{3, 0, 1}, TPower{5, -1, 1}, TPower{-2, 3, -8},
                         TPower{2, 31, INT32_MIN}, TPower{2, 32, 0}})
    EXPECT_EQ(IntPower(p.Base, p.Exponent), p.Result) << p.Base << "^" << p.Exponent;
  int value = 4;
  EXPECT_EQ(PreIncrement(value), 5);
  EXPECT_EQ(value, 5);
}

} // namespace
} // namespace marivo
