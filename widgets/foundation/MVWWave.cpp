#include "widgets/foundation/MVWWave.h"

#include <windows.h>

#include <mmsystem.h>

namespace marivo {

TMVWWave::~TMVWWave() {
  if (Stream())
    Stop();
}

void TMVWWave::Stop() {
  sndPlaySoundA(nullptr, SND_MEMORY);
}

} // namespace marivo
