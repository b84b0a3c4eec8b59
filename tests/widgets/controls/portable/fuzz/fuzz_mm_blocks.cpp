// The multimedia button's face blocks come from form data: any bytes are read whole or refused
// with a read error, and what is read writes back to the same bytes.
#include "platform/rtl/Exceptions.h"
#include "tests/support/StreamOf.h"
#include "widgets/controls/portable/MVWFaceIndices.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  FuzzedDataProvider provider(data, size);
  const int reader = provider.ConsumeIntegralInRange(0, 3);
  const std::vector<std::uint8_t> bytes = provider.ConsumeRemainingBytes<std::uint8_t>();
  TMemoryStream stream = test::StreamOf(bytes);
  const TMVWFaceEntries before{};
  try {
    TMemoryStream written;
    switch (reader) {
    case 0:
      WriteFaceIndicesNew2(written, ReadFaceIndicesNew2(stream));
      break;
    case 1:
      if (ReadFaceIndicesNew(stream, before)[8] != before[8])
        std::abort();
      return 0;
    case 2:
      if (ReadFaceIndices(stream, before)[8] != before[8])
        std::abort();
      return 0;
    default:
      WriteFaceColor(written, ReadFaceColor(stream, "ButtonFaceTransColNew"));
      break;
    }
    std::vector<std::uint8_t> again(static_cast<std::size_t>(written.Size()));
    written.SetPosition(0);
    written.ReadBuffer(again.data(), written.Size());
    if (again != bytes)
      std::abort();
  } catch (const EReadError&) {
    const std::size_t lengths[] = {72, 64, 64, 4};
    if (bytes.size() == lengths[reader])
      std::abort();
  }
  return 0;
}
