#include "widgets/foundation/portable/MVWCustomWave.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/Bytes.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

void Put16(TBytes& bytes, std::uint32_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(TBytes& bytes, std::uint32_t value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}

void PutTag(TBytes& bytes, const char* tag) {
  bytes.insert(bytes.end(), tag, tag + 4);
}

// A PCM wave file of the given header values and sample bytes.
TBytes WaveFile(std::uint16_t format = 1, std::uint16_t channels = 2, const char* chunk = "fmt ",
                std::size_t samples = 8) {
  TBytes bytes;
  PutTag(bytes, "RIFF");
  Put32(bytes, static_cast<std::uint32_t>(36 + samples));
  PutTag(bytes, "WAVE");
  PutTag(bytes, chunk);
  Put32(bytes, 16);
  Put16(bytes, format);
  Put16(bytes, channels);
  Put32(bytes, 22050);
  Put32(bytes, 22050u * channels * 2);
  Put16(bytes, static_cast<std::uint16_t>(channels * 2));
  Put16(bytes, 16);
  PutTag(bytes, "data");
  Put32(bytes, static_cast<std::uint32_t>(samples));
  for (std::size_t i = 0; i < samples; ++i)
    bytes.push_back(static_cast<std::uint8_t>(i * 13));
  return bytes;
}

TBytes WithLength(const TBytes& bytes) {
  TMemoryStream stream;
  WriteInt32(stream, static_cast<std::int32_t>(bytes.size()));
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  return stream.Data();
}

TEST(GetWaveData, ReadsTheHeaderInItsFixedOrder) {
  TMVWWaveInfo info;
  TMemoryStream stereo = StreamOf(WaveFile());
  stereo.SetPosition(9);
  ASSERT_TRUE(GetWaveData(&stereo, info));
  EXPECT_EQ(stereo.Position(), 0);
  EXPECT_EQ(info.RiffSize, 44u);
  EXPECT_EQ(info.SamplesPerSecond, 22050u);
  EXPECT_EQ(info.Channels, 2);
  EXPECT_TRUE(info.PCM);
  EXPECT_EQ(info.BlockAlign, 4);

  TMemoryStream surround = StreamOf(WaveFile(3, 6));
  ASSERT_TRUE(GetWaveData(&surround, info));
  EXPECT_EQ(info.Channels, 0);
  EXPECT_FALSE(info.PCM);

  struct TCase {
    const char* Name;
    TBytes Bytes;
  };
  TBytes notRiff = WaveFile();
  notRiff[3] = 'X';
  TBytes notWave = WaveFile();
  notWave[8] = 'X';
  const TCase rejected[] = {{"empty", {}},
                            {"not RIFF", notRiff},
                            {"not WAVE", notWave},
                            {"LIST chunk first", WaveFile(1, 2, "LIST")}};
  for (const TCase& c : rejected) {
    TMemoryStream stream = StreamOf(c.Bytes);
    EXPECT_FALSE(GetWaveData(&stream, info)) << c.Name;
    EXPECT_EQ(stream.Position(), 0) << c.Name;
  }
  EXPECT_FALSE(GetWaveData(nullptr, info));

  TBytes tooShort = WaveFile();
  tooShort.resize(12); // "RIFF", size, "WAVE": no "fmt " to read
  TMemoryStream stream = StreamOf(tooShort);
  try {
    GetWaveData(&stream, info);
    FAIL() << "a short header must raise";
  } catch (const EErrorCheckingWave& error) {
    EXPECT_EQ(error.Message(), "GetWaveData: Cannot open file %s");
  }
}

TEST(MVWWave, LoadsChecksAndKeepsItsBytesOnFailure) {
  TMVWCustomWave wave;
  int changes = 0;
  wave.OnChange = [&](TObject*) { ++changes; };
  EXPECT_TRUE(wave.IsEmpty());
  TMemoryStream good = StreamOf(WaveFile());
  wave.LoadFromStream(good);
  EXPECT_EQ(wave.Size(), 52);
  EXPECT_EQ(changes, 1);

  TMemoryStream list = StreamOf(WaveFile(1, 2, "LIST"));
  EXPECT_THROW(wave.LoadFromStream(list), EInvalidWave);
  TBytes header = WaveFile();
  header.resize(20);
  TMemoryStream cut = StreamOf(header);
  EXPECT_THROW(wave.LoadFromStream(cut), EErrorCheckingWave);
  TMemoryStream tooLong = StreamOf({0x40, 0, 0, 0, 'R', 'I'});
  EXPECT_THROW(wave.LoadWithLength(tooLong), EReadError);
  TMemoryStream negative = StreamOf({0xFF, 0xFF, 0xFF, 0xFF, 'R'});
  EXPECT_THROW(wave.LoadWithLength(negative), EReadError);
  EXPECT_EQ(wave.Stream()->Data(), WaveFile());
  EXPECT_EQ(changes, 1);

  TMemoryStream empty;
  wave.LoadFromStream(empty);
  EXPECT_TRUE(wave.IsEmpty());
  EXPECT_EQ(wave.Stream(), nullptr);
}

TEST(MVWWave, StoresInEveryForm) {
  TMVWCustomWave wave;
  TMemoryStream file = StreamOf(WaveFile());
  wave.LoadFromStream(file);
  struct TForm {
    const char* Name;
    void (TMVWCustomWave::*Save)(TStream&);
    void (TMVWCustomWave::*Load)(TStream&);
    TBytes Expected; // empty: not checked byte for byte
  };
  const TForm forms[] = {
      {"plain", &TMVWCustomWave::SaveToStream, &TMVWCustomWave::LoadFromStream, WaveFile()},
      {"with length", &TMVWCustomWave::SaveWithLength, &TMVWCustomWave::LoadWithLength,
       WithLength(WaveFile())},
      {"Data", &TMVWCustomWave::WriteData, &TMVWCustomWave::ReadData, WithLength(WaveFile())},
      {"compressed", &TMVWCustomWave::SaveCompressed, &TMVWCustomWave::LoadCompressed, {}},
  };
  for (const TForm& form : forms) {
    TMemoryStream stream;
    (wave.*form.Save)(stream);
    if (!form.Expected.empty()) {
      EXPECT_EQ(stream.Data(), form.Expected) << form.Name;
    }
    stream.SetPosition(0);
    TMVWCustomWave copy;
    (copy.*form.Load)(stream);
    EXPECT_EQ(copy.Stream()->Data(), WaveFile()) << form.Name;
  }
  for (const bool compressed : {false, true}) {
    TMemoryStream stream;
    WriteWave(stream, wave, compressed);
    stream.SetPosition(0);
    TMVWCustomWave copy;
    ReadWave(stream, copy, compressed);
    EXPECT_EQ(copy.Stream()->Data(), WaveFile()) << compressed;
  }
}

TEST(MVWWave, EmptyWaveWritesWhatReadsBack) {
  TMVWCustomWave wave;
  EXPECT_FALSE(wave.HasData());
  TMemoryStream plain;
  wave.SaveToStream(plain);
  EXPECT_EQ(plain.Size(), 0);
  EXPECT_TRUE(wave.HasData()); // an empty stream is kept once written
  TMemoryStream withLength;
  wave.SaveWithLength(withLength);
  EXPECT_EQ(withLength.Data(), TBytes({0, 0, 0, 0}));

  TMVWCustomWave loaded;
  TMemoryStream file = StreamOf(WaveFile());
  loaded.LoadFromStream(file);
  withLength.SetPosition(0);
  loaded.ReadData(withLength);
  EXPECT_TRUE(loaded.IsEmpty());
}

TEST(MVWWave, AssignCopiesTheBytes) {
  TMVWCustomWave source;
  TMemoryStream file = StreamOf(WaveFile());
  source.LoadFromStream(file);
  TMVWCustomWave copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Stream()->Data(), WaveFile());
  TMemoryStream other = StreamOf(WaveFile(1, 1));
  source.LoadFromStream(other);
  EXPECT_EQ(copy.Stream()->Data(), WaveFile());
  copy.Assign(TMVWCustomWave());
  EXPECT_TRUE(copy.IsEmpty());
  EXPECT_THROW(copy.Assign(TPersistent()), EConvertError);
}

TEST(MVWWave, FilesRoundTrip) {
  const std::string name = ::testing::TempDir() + "mvwwave_test.wav";
  TMVWCustomWave wave;
  TMemoryStream file = StreamOf(WaveFile());
  wave.LoadFromStream(file);
  wave.SaveToFile(name);
  TMVWCustomWave loaded(name);
  EXPECT_EQ(loaded.Stream()->Data(), WaveFile());
  std::remove(name.c_str());
  EXPECT_THROW(loaded.LoadFromFile(name), EFOpenError);
  EXPECT_FALSE(loaded.IsEmpty());
}

} // namespace
} // namespace marivo
