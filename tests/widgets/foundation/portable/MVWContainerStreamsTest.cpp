#include "widgets/foundation/portable/MVWStringList.h"
#include "widgets/foundation/portable/MVWWaveList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/Streams.h"
#include "tests/support/Bytes.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

TEST(MVWItemHeader, FieldsFollowTheirFlags) {
  struct TCase {
    std::uint8_t Flags;
    const char* Description;
    std::uint16_t Ident;
    TBytes Bytes;
  };
  const TCase cases[] = {
      {0x00, "", 0, {0x00}},
      {0x02, "ab", 0, {0x02, 0x02, 'a', 'b'}},
      {0x04, "", 7, Join({{0x04}, Int32(7)})},
      {0x0E, "x", 0xFFFF, Join({{0x0E, 0x01, 'x'}, Int32(0xFFFF)})},
      {0x0D, "", 1, Join({{0x0D}, Int32(1)})},
  };
  for (const TCase& c : cases) {
    TMVWItemHeader header;
    header.Flags = c.Flags;
    header.Description = c.Description;
    header.Ident = c.Ident;
    TMemoryStream stream;
    WriteItemHeader(stream, header);
    EXPECT_EQ(stream.Data(), c.Bytes);
    stream.SetPosition(0);
    const TMVWItemHeader back = ReadItemHeader(stream);
    EXPECT_EQ(back.Flags, c.Flags);
    EXPECT_EQ(back.Description, c.Description);
    EXPECT_EQ(back.Ident, c.Ident);
  }
  // Only the ident's low 16 bits count; a description bit with too few bytes raises.
  TMemoryStream wide = StreamOf(Join({{0x04}, Int32(0x12345678)}));
  EXPECT_EQ(ReadItemHeader(wide).Ident, 0x5678);
  TMemoryStream cut = StreamOf({0x02, 0x05, 'a'});
  EXPECT_THROW(ReadItemHeader(cut), EReadError);
}

TEST(MVWItemHeader, PixelFormatBitsAndCodes) {
  const std::pair<std::uint8_t, TMVWSavePixelFormat> reads[] = {
      {0x00, spfDefault}, {0x10, spfMono}, {0x20, spf4bit},   {0x40, spf8bit},
      {0x70, spfMono},    {0x60, spf4bit}, {0x0F, spfDefault}};
  for (const auto& [flags, format] : reads)
    EXPECT_EQ(PixelFormatOfFlags(flags), format) << int(flags);
  const std::int32_t codes[] = {-1, 2, 16, 256};
  const std::uint8_t bits[] = {0, 0x10, 0x20, 0x40};
  for (int f = 0; f < 4; ++f) {
    EXPECT_EQ(PixelFormatCode(static_cast<TMVWSavePixelFormat>(f)), codes[f]);
    EXPECT_EQ(PixelFormatFlag(static_cast<TMVWSavePixelFormat>(f)), bits[f]);
  }
}

TEST(MVWListFile, SignatureTableAndKinds) {
  const char* expected[] = {"MVWIML30", "MVWBML30", "MVWWVL30", "MVWSLL30", "MVWGLL50", "MVWRTL50"};
  const char* extensions[] = {"iml", "bmp", "wav", "txt", "*", "rtf"};
  for (int kind = 0; kind < ListKindCount; ++kind) {
    EXPECT_STREQ(ListSignatures()[kind], expected[kind]);
    EXPECT_STREQ(ListFileExtensions()[kind], extensions[kind]);
    TMemoryStream stream;
    WriteListSignature(stream, kind);
    WriteInt32(stream, 2);
    WriteInt32(stream, 30);
    WriteInt32(stream, 40);
    EXPECT_EQ(stream.Size(), 9 + 12);
    stream.SetPosition(0);
    std::int32_t count = 0;
    std::vector<std::int32_t> positions{99};
    EXPECT_EQ(ReadListKind(stream, count, &positions), kind);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(positions, (std::vector<std::int32_t>{30, 40}));
  }
  // A wrong length byte or text matches nothing; the positions are then not read.
  for (const TBytes& signature :
       {Join({{0x07}, Bytes("MVWBML30")}), Join({{0x08}, Bytes("MVWBML31")})}) {
    TMemoryStream stream = StreamOf(Join({signature, Int32(1), Int32(13)}));
    std::int32_t count = 0;
    std::vector<std::int32_t> positions{5};
    EXPECT_EQ(ReadListKind(stream, count, &positions), ListKindNone);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(positions, std::vector<std::int32_t>{5});
  }
}

TEST(MVWListFile, UntrustedCountsRaise) {
  for (const std::int32_t count : {-1, 3, 0x40000000}) {
    TMemoryStream stream = StreamOf(Join({{0x08}, Bytes("MVWSLL30"), Int32(count), Int32(0)}));
    std::int32_t read = 0;
    std::vector<std::int32_t> positions;
    EXPECT_THROW(ReadListKind(stream, read, &positions), EReadError) << count;
  }
  TMemoryStream cut = StreamOf({0x08, 'M', 'V'});
  std::int32_t count = 0;
  EXPECT_THROW(ReadListKind(cut, count, nullptr), EReadError);
}

TEST(MVWContainerFrame, IndexedAndPlainLayouts) {
  TStringList a, b;
  a.Add("x");
  TMVWStringList list(nullptr);
  list.Item(list.AddItem())->SetItems(a);
  list.Item(list.AddItem())->SetDescription("d");
  list.Item(list.AddItem())->SetIdent(3);
  // x CR LF with its length
  const TBytes first = Join({{0x08}, Int32(3), Bytes("x\r\n")});
  const TBytes second = {0x02, 0x01, 'd'};
  const TBytes third = Join({{0x04}, Int32(3)});
  TMemoryStream plain;
  list.SaveToStream(plain, false);
  EXPECT_EQ(plain.Data(), Join({Int32(3), first, second, third}));
  TMemoryStream indexed;
  WriteInt32(indexed, 0x11111111); // the positions are absolute
  list.SaveToStream(indexed, true);
  const std::int32_t start = 4 + 4 + 12;
  EXPECT_EQ(indexed.Data(), Join({Int32(0x11111111), Int32(3), Int32(start), Int32(start + 8),
                                  Int32(start + 11), first, second, third}));
  EXPECT_EQ(indexed.Position(), indexed.Size());

  for (bool isIndexed : {false, true}) {
    TMemoryStream& source = isIndexed ? indexed : plain;
    source.SetPosition(isIndexed ? 4 : 0);
    TMVWStringList back(nullptr);
    back.LoadFromStream(source, isIndexed);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.Item(0)->Items().Strings(0), "x");
    EXPECT_EQ(back.Item(1)->Description(), "d");
    EXPECT_EQ(back.Item(2)->Ident(), 3);
    EXPECT_TRUE(back.Item(2)->IsEmpty());
  }
  TMVWStringList empty(nullptr);
  TMemoryStream nothing;
  empty.SaveToStream(nothing, true);
  EXPECT_EQ(nothing.Data(), Int32(0));
}

TEST(MVWContainerFrame, CorruptStreamsRaiseAndKeepWhatWasRead) {
  const TBytes good = Join({{0x02, 0x01, 'a'}});
  const TBytes streams[] = {
      Int32(-5),
      Join({Int32(2), good}),             // the second item is missing
      Join({Int32(1), {0x08}, Int32(9)}), // a length past the end
      Join({Int32(0x7FFFFFFF), good}),
  };
  int changes = 0;
  TMVWStringList list(nullptr);
  list.OnChange = [&](TObject*) { ++changes; };
  for (const TBytes& bytes : streams) {
    TMemoryStream stream = StreamOf(bytes);
    EXPECT_THROW(list.LoadFromStream(stream, false), EReadError);
    EXPECT_FALSE(list.Locked());
  }
  TMemoryStream partial = StreamOf(Join({Int32(2), good}));
  EXPECT_THROW(list.LoadFromStream(partial, false), EReadError);
  ASSERT_GE(list.Count(), 1);
  EXPECT_EQ(list.Item(0)->Description(), "a");
  TMemoryStream badIndex = StreamOf(Join({Int32(4), Int32(0)}));
  EXPECT_THROW(list.LoadFromStream(badIndex, true), EReadError);
  // After any of these a change still reaches OnChange.
  changes = 0;
  list.AddItem();
  EXPECT_EQ(changes, 1);
}

TEST(MVWImageStripSize, SizeFieldsAreChecked) {
  TMemoryStream stream;
  WriteImageStripSize(stream, {20, 10, 4, true});
  EXPECT_EQ(stream.Data(), Join({Int32(20), Int32(10), Int32(4), {0x01}}));
  stream.SetPosition(0);
  const TMVWImageStripSize size = ReadImageStripSize(stream);
  EXPECT_EQ(size.Height, 20);
  EXPECT_EQ(size.Width, 10);
  EXPECT_EQ(size.AllocBy, 4);
  EXPECT_TRUE(size.Masked);
  const TMVWImageStripSize bad[] = {
      {0, 16, 4, false}, {16, 0, 4, false}, {16, 16, 0, false}, {-1, 16, 4, false}};
  for (const TMVWImageStripSize& b : bad) {
    TMemoryStream s;
    WriteImageStripSize(s, b);
    s.SetPosition(0);
    EXPECT_THROW(ReadImageStripSize(s), EInvalidGraphicOperation);
  }
  EXPECT_NO_THROW(CheckImageCount(size, 3276));
  EXPECT_THROW(CheckImageCount(size, 3277), EInvalidGraphicOperation);
  EXPECT_THROW(CheckImageCount(size, -1), EInvalidGraphicOperation);
  try {
    CheckImageCount(size, -1);
  } catch (const EInvalidGraphicOperation& error) {
    EXPECT_EQ(error.Message(), "Invalid image size");
  }
}

} // namespace
} // namespace marivo
