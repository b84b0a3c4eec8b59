#include "platform/rtl/Streams.h"

#include "platform/rtl/Exceptions.h"
#include "tests/support/TemporaryFolder.h"
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace marivo {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::string ReadAll(TStream& stream) {
  stream.SetPosition(0);
  std::string text(static_cast<std::size_t>(stream.Size()), '\0');
  stream.ReadBuffer(text.data(), static_cast<std::int64_t>(text.size()));
  return text;
}

TEST(MemoryStreamTest, ReadWriteSeekAndSize) {
  TMemoryStream stream;
  EXPECT_EQ(stream.Size(), 0);
  stream.WriteBuffer("hello world", 11);
  EXPECT_EQ(stream.Position(), 11);
  EXPECT_EQ(stream.Size(), 11);

  EXPECT_EQ(stream.Seek(-5, TSeekOrigin::soEnd), 6);
  char buffer[16] = {};
  EXPECT_EQ(stream.Read(buffer, 16), 5); // past the end gives what there is
  EXPECT_EQ(std::string(buffer, 5), "world");
  EXPECT_EQ(stream.Read(buffer, 4), 0);

  stream.SetPosition(0);
  stream.WriteBuffer("J", 1);
  EXPECT_EQ(stream.Seek(3, TSeekOrigin::soCurrent), 4);
  EXPECT_EQ(stream.Data(), Bytes("Jello world"));
}

TEST(MemoryStreamTest, WritingBeyondTheEndFillsTheGapWithZeros) {
  TMemoryStream stream;
  stream.WriteBuffer("ab", 2);
  EXPECT_EQ(stream.Seek(5, TSeekOrigin::soBeginning), 5);
  EXPECT_EQ(stream.Size(), 2); // seeking alone does not grow the stream
  char buffer[1];
  EXPECT_EQ(stream.Read(buffer, 1), 0);
  stream.WriteBuffer("z", 1);
  EXPECT_EQ(stream.Data(), Bytes(std::string("ab\0\0\0z", 6)));
}

TEST(MemoryStreamTest, NegativePositionsRaise) {
  TMemoryStream stream;
  stream.WriteBuffer("abc", 3);
  EXPECT_THROW(stream.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
  EXPECT_THROW(stream.Seek(-4, TSeekOrigin::soEnd), EStreamError);
  EXPECT_THROW(stream.Seek(-4, TSeekOrigin::soCurrent), EStreamError);
  EXPECT_EQ(stream.Position(), 3);
  EXPECT_THROW(stream.SetSize(-1), EStreamError);
}

TEST(MemoryStreamTest, SetSizeTruncatesOrZeroExtendsAndClampsThePosition) {
  TMemoryStream stream;
  stream.WriteBuffer("abcdef", 6);
  stream.SetSize(3);
  EXPECT_EQ(stream.Position(), 3);
  EXPECT_EQ(stream.Data(), Bytes("abc"));
  stream.SetPosition(1);
  stream.SetSize(5);
  EXPECT_EQ(stream.Position(), 1);
  EXPECT_EQ(stream.Data(), Bytes(std::string("abc\0\0", 5)));
  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStreamTest, ShortReadBufferRaisesReadError) {
  TMemoryStream stream;
  stream.WriteBuffer("abc", 3);
  stream.SetPosition(1);
  char buffer[4];
  try {
    stream.ReadBuffer(buffer, 3);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  EXPECT_THROW(stream.ReadBuffer(buffer, -1), EReadError);
  stream.ReadBuffer(buffer, 0);
}

TEST(MemoryStreamTest, CopyFromCopiesPartOrWhole) {
  TMemoryStream source;
  std::string big(200000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = static_cast<char>(i * 7 % 251);
  source.WriteBuffer(big.data(), static_cast<std::int64_t>(big.size()));

  TMemoryStream whole;
  EXPECT_EQ(whole.CopyFrom(source, 0), static_cast<std::int64_t>(big.size()));
  EXPECT_EQ(whole.Data(), Bytes(big));

  source.SetPosition(100000);
  TMemoryStream part;
  part.WriteBuffer(">", 1);
  EXPECT_EQ(part.CopyFrom(source, 70000), 70000);
  EXPECT_EQ(part.Data(), Bytes(">" + big.substr(100000, 70000)));
  EXPECT_EQ(source.Position(), 170000);

  EXPECT_THROW(part.CopyFrom(source, 40000), EReadError);
}

TEST(MemoryStreamTest, LoadAndSaveThroughStreams) {
  TMemoryStream source;
  source.WriteBuffer("payload", 7);
  TMemoryStream copy;
  copy.WriteBuffer("old contents", 12);
  copy.LoadFromStream(source);
  EXPECT_EQ(copy.Data(), Bytes("payload"));
  EXPECT_EQ(copy.Position(), 0);

  TMemoryStream target;
  target.WriteBuffer("<", 1);
  copy.SetPosition(3);
  copy.SaveToStream(target);
  EXPECT_EQ(target.Data(), Bytes("<payload"));
}

class FileStreamTest : public testing::Test {
protected:
  std::string PathOf(const std::string& name) const { return Folder_.PathOf(name); }

  test::TTemporaryFolder Folder_{"marivo-streams-"};
};

TEST_F(FileStreamTest, CreateWriteReopenAndRead) {
  const std::string name = PathOf("round trip.bin");
  const std::string data("line one\r\nline two\n\0\x1a\xff", 22);
  {
    TFileStream file(name, TFileMode::fmCreate);
    EXPECT_EQ(file.FileName(), name);
    file.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    EXPECT_EQ(file.Size(), static_cast<std::int64_t>(data.size()));
    EXPECT_EQ(ReadAll(file), data); // the same handle reads back what it wrote
  }
  EXPECT_EQ(std::filesystem::file_size(name), data.size()); // binary: no newline translation
  TFileStream file(name, TFileMode::fmOpenRead);
  EXPECT_EQ(ReadAll(file), data);
  char buffer[4];
  EXPECT_EQ(file.Read(buffer, 4), 0);
  EXPECT_THROW(file.ReadBuffer(buffer, 1), EReadError);
  EXPECT_THROW(file.WriteBuffer("x", 1), EWriteError);
  EXPECT_THROW(file.SetSize(1), EStreamError);
}

TEST_F(FileStreamTest, ReadWriteModeMixesReadsWritesAndSeeks) {
  const std::string name = PathOf("mixed.bin");
  {
    TFileStream file(name, TFileMode::fmCreate);
    file.WriteBuffer("0123456789", 10);
  }
  TFileStream file(name, TFileMode::fmOpenReadWrite);
  char buffer[3];
  file.ReadBuffer(buffer, 3);
  EXPECT_EQ(std::string(buffer, 3), "012");
  file.WriteBuffer("ab", 2);
  file.ReadBuffer(buffer, 1);
  EXPECT_EQ(buffer[0], '5');
  EXPECT_EQ(file.Position(), 6);
  EXPECT_EQ(file.Seek(2, TSeekOrigin::soEnd), 12);
  file.WriteBuffer("!", 1);
  EXPECT_THROW(file.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
  EXPECT_EQ(ReadAll(file), std::string("012ab56789\0\0!", 13));
}

TEST_F(FileStreamTest, SetSizeTruncatesAndExtends) {
  const std::string name = PathOf("sized.bin");
  TFileStream file(name, TFileMode::fmCreate);
  file.WriteBuffer("abcdefgh", 8);
  file.SetSize(3);
  EXPECT_EQ(file.Size(), 3);
  EXPECT_EQ(file.Position(), 3);
  file.WriteBuffer("XY", 2);
  file.SetPosition(1);
  file.SetSize(7);
  EXPECT_EQ(file.Position(), 1);
  EXPECT_EQ(ReadAll(file), std::string("abcXY\0\0", 7));
}

TEST_F(FileStreamTest, MemoryStreamLoadsAndSavesFiles) {
  const std::string name = PathOf("memory.bin");
  TMemoryStream out;
  out.WriteBuffer("saved\0bytes", 11);
  out.SaveToFile(name);
  TMemoryStream in;
  in.LoadFromFile(name);
  EXPECT_EQ(in.Data(), out.Data());
  TFileStream file(name, TFileMode::fmOpenRead);
  TMemoryStream copy;
  EXPECT_EQ(copy.CopyFrom(file, 0), 11);
  EXPECT_EQ(copy.Data(), out.Data());
}

TEST_F(FileStreamTest, FailuresNameTheFile) {
  const std::string missing = PathOf("missing.bin");
  try {
    TFileStream file(missing, TFileMode::fmOpenRead);
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find("Cannot open file \"" + missing + "\""), std::string::npos)
        << e.Message();
  }
  EXPECT_THROW(TFileStream(missing, TFileMode::fmOpenReadWrite), EFOpenError);
  TMemoryStream memory;
  EXPECT_THROW(memory.LoadFromFile(missing), EFOpenError);

  const std::string inMissingFolder = PathOf("no such folder/new.bin");
  try {
    TFileStream file(inMissingFolder, TFileMode::fmCreate);
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message().find("Cannot create file \"" + inMissingFolder + "\""), std::string::npos)
        << e.Message();
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace marivo
