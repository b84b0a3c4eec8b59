#include "widgets/foundation/MVWWave.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/portable/MVWWaveList.h"

#include <windows.h>

#include <mmsystem.h>

#include <memory>

namespace marivo {

TMVWWave::~TMVWWave() {
  if (Stream())
    Stop();
}

void TMVWWave::Stop() {
  sndPlaySoundA(nullptr, SND_MEMORY);
}

void RegisterMVWWave() {
  RegisterPersistentClass<TMVWWave, TMVWObject>("TMVWWave")
      .Binary("Data", &TMVWWave::ReadData, &TMVWWave::WriteData, &TMVWWave::HasData);
  TMVWWaveListItem::SetWaveFactory([] { return std::make_unique<TMVWWave>(); });
}

} // namespace marivo
