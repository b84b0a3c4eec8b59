#include "widgets/foundation/portable/MVWCustomWave.h"

#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <cstring>

namespace marivo {

namespace {

bool ReadTag(TStream& stream, const char* tag) {
  char bytes[4];
  stream.ReadBuffer(bytes, 4);
  return std::memcmp(bytes, tag, 4) == 0;
}

std::uint16_t ReadWord(TStream& stream) {
  return static_cast<std::uint16_t>(ReadByte(stream) | (ReadByte(stream) << 8));
}

bool ReadWaveHeader(TStream& stream, TMVWWaveInfo& info) {
  stream.SetPosition(0);
  if (!ReadTag(stream, "RIFF"))
    return false;
  info.RiffSize = static_cast<std::uint32_t>(ReadInt32(stream));
  if (!ReadTag(stream, "WAVE") || !ReadTag(stream, "fmt "))
    return false;
  ReadInt32(stream);
  const std::uint16_t formatTag = ReadWord(stream);
  const std::uint16_t channels = ReadWord(stream);
  info.SamplesPerSecond = static_cast<std::uint32_t>(ReadInt32(stream));
  ReadInt32(stream);
  info.BlockAlign = ReadWord(stream);
  info.PCM = formatTag == 1;
  info.Channels = channels == 1 || channels == 2 ? static_cast<std::uint8_t>(channels) : 0;
  return true;
}

} // namespace

bool GetWaveData(TStream* stream, TMVWWaveInfo& info) {
  if (!stream || stream->Size() == 0)
    return false;
  bool wave = false;
  try {
    wave = ReadWaveHeader(*stream, info);
  } catch (const EStreamError&) {
    stream->SetPosition(0);
    throw EErrorCheckingWave("GetWaveData: Cannot open file %s");
  }
  stream->SetPosition(0);
  return wave;
}

TMVWCustomWave::TMVWCustomWave() = default;

TMVWCustomWave::TMVWCustomWave(const std::string& fileName) {
  LoadFromFile(fileName);
}

TMVWCustomWave::~TMVWCustomWave() = default;

bool TMVWCustomWave::IsEmpty() const {
  return !Stream_ || Stream_->Size() == 0;
}

std::int64_t TMVWCustomWave::Size() const {
  return Stream_ ? Stream_->Size() : 0;
}

void TMVWCustomWave::SetWaveStream(std::unique_ptr<TMemoryStream> stream) {
  if (Stream_)
    Stop();
  Stream_ = std::move(stream);
  if (Stream_)
    Stream_->SetPosition(0);
  Change();
}

void TMVWCustomWave::LoadData(std::int64_t count, TStream& stream) {
  // A length of 0 is what an empty wave writes, so it must read back.
  if (count == 0 || stream.Size() == 0) {
    SetWaveStream(nullptr);
    return;
  }
  if (count < 0 || count > stream.Size() - stream.Position())
    throw EReadError("Stream read error: the wave is longer than the bytes left");
  auto bytes = std::make_unique<TMemoryStream>();
  bytes->CopyFrom(stream, count);
  TMVWWaveInfo info;
  if (!GetWaveData(bytes.get(), info))
    throw EInvalidWave(ClassName() + ": Cannot open file %s");
  SetWaveStream(std::move(bytes));
}

void TMVWCustomWave::WriteWaveData(TStream& stream, bool withLength) {
  if (!Stream_)
    Stream_ = std::make_unique<TMemoryStream>();
  const std::vector<std::uint8_t>& bytes = Stream_->Data();
  if (withLength)
    WriteInt32(stream, static_cast<std::int32_t>(bytes.size()));
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TMVWCustomWave::ReadData(TStream& stream) {
  LoadWithLength(stream);
}

void TMVWCustomWave::WriteData(TStream& stream) {
  WriteWaveData(stream, true);
}

void TMVWCustomWave::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TMVWCustomWave::LoadFromStream(TStream& stream) {
  LoadData(stream.Size() - stream.Position(), stream);
}

void TMVWCustomWave::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmCreate);
  SaveToStream(file);
}

void TMVWCustomWave::SaveToStream(TStream& stream) {
  WriteWaveData(stream, false);
}

void TMVWCustomWave::LoadCompressed(TStream& stream) {
  TMemoryStream bytes;
  DecompressStream(stream, bytes);
  bytes.SetPosition(0);
  LoadFromStream(bytes);
}

void TMVWCustomWave::SaveCompressed(TStream& stream) {
  TMemoryStream bytes;
  SaveToStream(bytes);
  bytes.SetPosition(0);
  CompressStream(bytes, stream, bytes.Size());
}

void TMVWCustomWave::LoadWithLength(TStream& stream) {
  LoadData(ReadInt32(stream), stream);
}

void TMVWCustomWave::SaveWithLength(TStream& stream) {
  WriteWaveData(stream, true);
}

void TMVWCustomWave::Assign(const TPersistent& source) {
  const auto* wave = dynamic_cast<const TMVWCustomWave*>(&source);
  if (!wave) {
    TMVWObject::Assign(source);
    return;
  }
  if (wave == this)
    return;
  auto copy = std::make_unique<TMemoryStream>();
  if (wave->Stream_) {
    const std::vector<std::uint8_t>& bytes = wave->Stream_->Data();
    copy->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    wave->Stream_->SetPosition(0);
  }
  SetWaveStream(std::move(copy));
}

} // namespace marivo
