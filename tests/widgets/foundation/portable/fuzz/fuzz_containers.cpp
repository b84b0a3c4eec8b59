// List files, container streams of string items and image strip sizes come from outside: each
// reads or raises one of the system's exceptions, never reads outside the stream or allocates
// what the stream cannot hold.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/StreamOf.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"
#include "widgets/foundation/portable/MVWStringList.h"
#include "widgets/foundation/portable/MVWWaveList.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  FuzzedDataProvider provider(data, size);
  const int reader = provider.ConsumeIntegralInRange(0, 3);
  const std::vector<std::uint8_t> bytes = provider.ConsumeRemainingBytes<std::uint8_t>();
  TMemoryStream stream = test::StreamOf(bytes);
  try {
    switch (reader) {
    case 0: {
      std::int32_t count = 0;
      std::vector<std::int32_t> positions;
      const int kind = ReadListKind(stream, count, &positions);
      if (kind < 0 || kind > ListKindNone)
        std::abort();
      if (kind != ListKindNone && static_cast<std::int32_t>(positions.size()) != count)
        std::abort();
      break;
    }
    case 1:
    case 2: {
      TMVWStringList list(nullptr);
      list.LoadFromStream(stream, reader == 2);
      // What reads must write and read back to the same items.
      TMemoryStream again;
      list.SaveToStream(again, false);
      again.SetPosition(0);
      TMVWStringList back(nullptr);
      back.LoadFromStream(again, false);
      if (back.Count() != list.Count())
        std::abort();
      for (int i = 0; i < list.Count(); ++i)
        if (back.Item(i)->Items().Text() != list.Item(i)->Items().Text() ||
            back.Item(i)->Description() != list.Item(i)->Description())
          std::abort();
      break;
    }
    default: {
      const TMVWImageStripSize strip = ReadImageStripSize(stream);
      const std::int32_t count = ReadInt32(stream);
      CheckImageCount(strip, count);
      if (strip.Width < 1 || strip.Height < 1 || strip.AllocBy < 1 || count < 0 ||
          std::int64_t{count} * strip.Width > MaxStripWidth)
        std::abort();
      break;
    }
    }
  } catch (const EReadError&) {
  } catch (const EInvalidGraphicOperation&) {
  }
  return 0;
}
