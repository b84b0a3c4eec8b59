// The readers of widget streams meet arbitrary bytes: each either reads or raises one of the
// system's exceptions, never reads outside the stream or allocates what the stream cannot hold.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "tests/support/StreamOf.h"
#include "widgets/foundation/portable/MVWCustomWave.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  FuzzedDataProvider provider(data, size);
  const int reader = provider.ConsumeIntegralInRange(0, 5);
  const std::vector<std::uint8_t> bytes = provider.ConsumeRemainingBytes<std::uint8_t>();
  TMemoryStream stream = test::StreamOf(bytes);
  try {
    switch (reader) {
    case 0: {
      TMemoryStream target;
      DecompressStream(stream, target);
      // What expands must compress and expand back to the same bytes.
      target.SetPosition(0);
      TMemoryStream again;
      CompressStream(target, again, target.Size());
      again.SetPosition(0);
      TMemoryStream back;
      DecompressStream(again, back);
      if (back.Data() != target.Data())
        std::abort();
      break;
    }
    case 1:
      while (stream.Position() < stream.Size())
        ReadShortString(stream);
      break;
    case 2:
    case 3: {
      TStringList list;
      ReadStrings(stream, list, reader == 3);
      break;
    }
    case 4: {
      TMVWCustomWave wave;
      wave.LoadWithLength(stream);
      TMVWWaveInfo info;
      TMemoryStream saved;
      wave.SaveToStream(saved);
      if (!wave.IsEmpty() && !GetWaveData(&saved, info))
        std::abort();
      break;
    }
    default: {
      TMVWWaveInfo info;
      GetWaveData(&stream, info);
      if (stream.Position() != 0)
        std::abort();
      break;
    }
    }
  } catch (const EReadError&) {
  } catch (const EInvalidWave&) {
  } catch (const EErrorCheckingWave&) {
  }
  return 0;
}
