#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

// The bytes are not a RIFF wave whose format chunk follows the "WAVE" tag.
class EInvalidWave : public Exception {
public:
  using Exception::Exception;
};

// Reading the bytes failed while checking them.
class EErrorCheckingWave : public Exception {
public:
  using Exception::Exception;
};

struct TMVWWaveInfo {
  std::uint32_t RiffSize = 0;
  std::uint32_t SamplesPerSecond = 0;
  std::uint8_t Channels = 0; // 1 mono, 2 stereo, 0 any other count
  bool PCM = false;
  std::uint16_t BlockAlign = 0;
};

// Checks the header of the wave file held in stream from its start: "RIFF", size, "WAVE", then
// directly the "fmt " chunk. False for no stream, an empty one or other tags; a stream too short
// raises EErrorCheckingWave. The stream is at 0 afterwards.
bool GetWaveData(TStream* stream, TMVWWaveInfo& info);

// The bytes of one wave file in memory, checked on loading; everything of the widget library's
// wave but playback, which TMVWWave adds.
class TMVWCustomWave : public TMVWObject {
public:
  TMVWCustomWave();
  explicit TMVWCustomWave(const std::string& fileName);
  ~TMVWCustomWave() override;

  bool IsEmpty() const;
  std::int64_t Size() const;
  const TMemoryStream* Stream() const { return Stream_.get(); }
  void Clear() { SetWaveStream(nullptr); }
  // Stops playback, then takes the stream (positioned at 0), or none.
  void SetWaveStream(std::unique_ptr<TMemoryStream> stream);
  // Stops any sound playing; nothing here.
  virtual void Stop() {}

  // Count bytes of stream make the new wave; 0 bytes or an empty stream empty it. A count past
  // the bytes left raises EReadError, bytes that are no wave EInvalidWave; either way the wave
  // keeps its bytes.
  void LoadData(std::int64_t count, TStream& stream);
  // The bytes, after their 32-bit length when withLength; a wave without bytes keeps an empty
  // stream from then on.
  void WriteWaveData(TStream& stream, bool withLength);

  // The "Data" of form data: a 32-bit length and the bytes.
  virtual void ReadData(TStream& stream);
  virtual void WriteData(TStream& stream);
  bool HasData() const { return Stream_ != nullptr; }

  virtual void LoadFromFile(const std::string& fileName);
  // From the stream's position to its end.
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToFile(const std::string& fileName);
  virtual void SaveToStream(TStream& stream);
  void LoadCompressed(TStream& stream);
  void SaveCompressed(TStream& stream);
  void LoadWithLength(TStream& stream);
  void SaveWithLength(TStream& stream);

  // Another wave's bytes as a copy; anything else as a persistent object does.
  void Assign(const TPersistent& source) override;

private:
  std::unique_ptr<TMemoryStream> Stream_;
};

} // namespace marivo
