#include "widgets/foundation/portable/MVWStreamUtils.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

TEST(MVWStreamUtils, PrimitivesAreLittleEndian) {
  TMemoryStream stream;
  WriteInt32(stream, -2);
  WriteInt32(stream, 0x01020304);
  WriteByte(stream, 0xAB);
  WriteShortString(stream, "abc");
  WriteShortString(stream, "");
  WriteShortString(stream, std::string(300, 'x'));
  const TBytes expected = Join({{0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xAB, 0x03},
                                Bytes("abc"),
                                {0x00, 0xFF},
                                Bytes(std::string(255, 'x'))});
  EXPECT_EQ(stream.Data(), expected);

  stream.SetPosition(0);
  EXPECT_EQ(ReadInt32(stream), -2);
  EXPECT_EQ(ReadInt32(stream), 0x01020304);
  EXPECT_EQ(ReadByte(stream), 0xAB);
  EXPECT_EQ(ReadShortString(stream), "abc");
  EXPECT_EQ(ReadShortString(stream), "");
  EXPECT_EQ(ReadShortString(stream), std::string(255, 'x'));
  EXPECT_THROW(ReadByte(stream), EReadError);
}

TEST(MVWStreamUtils, ShortReadsRaise) {
  TMemoryStream shortText = StreamOf({0x05, 'a', 'b'});
  EXPECT_THROW(ReadShortString(shortText), EReadError);
  TMemoryStream shortInt = StreamOf({0x01, 0x02});
  EXPECT_THROW(ReadInt32(shortInt), EReadError);
}

TEST(MVWStreamUtils, StringListsInBothModes) {
  TStringList list;
  list.Add("a");
  list.Add("b");
  TStringList empty;
  struct TCase {
    const TStrings* List;
    bool Compressed;
    TBytes Expected;
  };
  const TCase cases[] = {
      {&list, false, Join({{0x06, 0, 0, 0}, Bytes("a\r\nb\r\n")})},
      // The 6 bytes would grow as items: one stored block of 7.
      {&list, true, Join({{0x0B, 0, 0, 0, 0x07, 0, 0, 0, 0x80}, Bytes("a\r\nb\r\n")})},
      {&empty, false, {0, 0, 0, 0}},
      {&empty, true, {0, 0, 0, 0}},
  };
  for (const TCase& c : cases) {
    TMemoryStream stream;
    WriteInt32(stream, 77); // lengths are back-patched where the piece starts
    WriteStrings(stream, *c.List, c.Compressed);
    EXPECT_EQ(TBytes(stream.Data().begin() + 4, stream.Data().end()), c.Expected);
    stream.SetPosition(4);
    TStringList read;
    read.Add("old");
    ReadStrings(stream, read, c.Compressed);
    EXPECT_TRUE(read.Equals(*c.List)) << read.Text();
    EXPECT_EQ(stream.Position(), stream.Size());
  }
}

TEST(MVWStreamUtils, LengthsPastTheEndRaiseBeforeAllocating) {
  for (const TBytes& bytes : {TBytes{0x06, 0, 0, 0, 'a'}, TBytes{0xFF, 0xFF, 0xFF, 0x7F},
                              TBytes{0xFE, 0xFF, 0xFF, 0xFF, 'a'}}) {
    TMemoryStream stream = StreamOf(bytes);
    TStringList list;
    EXPECT_THROW(ReadStrings(stream, list, false), EReadError);
  }
}

TBytes CompressedOf(const TBytes& source) {
  TMemoryStream input = StreamOf(source);
  TMemoryStream output;
  CompressStream(input, output, input.Size());
  return output.Data();
}

TBytes ZeroBlock() {
  // 32,781 zeros: eight runs of 4,095 and one of 21.
  TBytes block = {0x40, 0xFF, 0x80};
  for (int i = 0; i < 8; ++i)
    block.insert(block.end(), {0x00, 0x0F, 0xEF, 0x00});
  block.insert(block.end(), {0x00, 0x00, 0x05, 0x00});
  return block;
}

TEST(MVWStreamUtils, CompressedStreamsCutBlocksAt32781Bytes) {
  const TBytes one = CompressedOf(TBytes(32781, 0));
  EXPECT_EQ(one, Join({{43, 0, 0, 0, 39, 0, 0, 0}, ZeroBlock()}));
  const TBytes two = CompressedOf(TBytes(32782, 0));
  EXPECT_EQ(two, Join({{49, 0, 0, 0, 39, 0, 0, 0}, ZeroBlock(), {2, 0, 0, 0, 0x80, 0x00}}));

  // Count stops the reading before the source's end; the position goes on from there.
  TMemoryStream input = StreamOf(Bytes("abcdef"));
  input.SetPosition(1);
  TMemoryStream output;
  CompressStream(input, output, 3);
  EXPECT_EQ(output.Data(), TBytes({8, 0, 0, 0, 4, 0, 0, 0, 0x80, 'b', 'c', 'd'}));
  EXPECT_EQ(input.Position(), 4);
}

TEST(MVWStreamUtils, CompressedStreamsRoundTrip) {
  std::mt19937 random(11);
  for (const std::size_t size : {0, 1, 32780, 32781, 32782, 65562, 65563, 100000}) {
    TBytes source(size);
    for (std::size_t i = 0; i < size; ++i)
      source[i] = static_cast<std::uint8_t>(i % 7 == 0 ? random() : i / 100);
    TMemoryStream compressed = StreamOf(CompressedOf(source));
    TMemoryStream expanded;
    expanded.WriteBuffer("x", 1); // appended to what is there
    DecompressStream(compressed, expanded);
    EXPECT_EQ(TBytes(expanded.Data().begin() + 1, expanded.Data().end()), source) << size;
    EXPECT_EQ(compressed.Position(), compressed.Size());
  }
}

TEST(MVWStreamUtils, CorruptCompressedStreamsRaise) {
  TBytes tooLong = {0x40, 0xFF, 0x80};
  for (int i = 0; i < 9; ++i) // 9 runs of 4,095 expand past one block
    tooLong.insert(tooLong.end(), {0x00, 0x0F, 0xEF, 0x00});
  const auto sized = [](std::int32_t total, std::int32_t size, const TBytes& block) {
    TMemoryStream stream;
    WriteInt32(stream, total);
    WriteInt32(stream, size);
    stream.WriteBuffer(block.data(), static_cast<std::int64_t>(block.size()));
    return stream.Data();
  };
  struct TCase {
    const char* Name;
    TBytes Bytes;
  };
  const TCase cases[] = {
      {"block size 0", sized(4, 0, {})},
      {"block size over 32,782", sized(32787, 32783, TBytes(32783, 0x80))},
      {"negative block size", sized(10, -1, {})},
      {"block past the total", sized(5, 2, {0x80, 'a'})},
      {"block past the stream", sized(10, 6, {0x80, 'a'})},
      {"block expanding past 32,781", sized(static_cast<std::int32_t>(tooLong.size() + 4),
                                            static_cast<std::int32_t>(tooLong.size()), tooLong)},
      {"total without blocks", {8, 0, 0, 0}},
      {"corrupt block", sized(9, 5, {0x40, 0x80, 0x00, 0x00, 0x10})},
  };
  for (const TCase& c : cases) {
    TMemoryStream stream = StreamOf(c.Bytes);
    TMemoryStream target;
    EXPECT_THROW(DecompressStream(stream, target), EReadError) << c.Name;
  }
}

} // namespace
} // namespace marivo
