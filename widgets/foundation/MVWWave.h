#pragma once

#include "widgets/foundation/portable/MVWCustomWave.h"

namespace marivo {

// Wave data that stops any sound playing before its bytes are replaced or freed.
class TMVWWave : public TMVWCustomWave {
public:
  TMVWWave() = default;
  explicit TMVWWave(const std::string& fileName) : TMVWCustomWave(fileName) {}
  ~TMVWWave() override;
  void Stop() override;
};

// Makes the sound known to form data and the sound a wave list item holds.
void RegisterMVWWave();

} // namespace marivo
