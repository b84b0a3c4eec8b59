// "PointList" values, "RegionData" blocks and region-mask pictures come from form data: each
// reader takes them whole or raises a read error, and only checked region data is ever passed on.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/StreamOf.h"
#include "widgets/foundation/portable/MVWRegionData.h"
#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  FuzzedDataProvider provider(data, size);
  const int reader = provider.ConsumeIntegralInRange(0, 2);
  try {
    switch (reader) {
    case 0: {
      std::vector<std::int64_t> values;
      while (provider.remaining_bytes() > 0 && values.size() < 4096)
        values.push_back(provider.ConsumeIntegral<std::int64_t>());
      const std::vector<TMVWPoint> points = PointsFromList(values);
      if (PointsToList(points) != values)
        std::abort();
      break;
    }
    case 1: {
      const auto declared = provider.ConsumeIntegral<std::int32_t>();
      const std::vector<std::uint8_t> bytes = provider.ConsumeRemainingBytes<std::uint8_t>();
      TMemoryStream stream = test::StreamOf(bytes);
      const std::vector<std::uint8_t> block = ReadRegionDataBlock(stream, declared);
      if (block != bytes)
        std::abort();
      if (IsValidRegionData(block)) {
        std::uint32_t count = 0;
        std::memcpy(&count, block.data() + 8, 4);
        if (RegionDataHeaderSize + RegionDataRectSize * std::uint64_t{count} > block.size())
          std::abort();
      }
      break;
    }
    default: {
      const std::vector<std::uint8_t> bytes = provider.ConsumeRemainingBytes<std::uint8_t>();
      TMemoryStream stream = test::StreamOf(bytes);
      const TMVWMaskPicture picture = ReadMaskPicture(stream, "BorderBmp");
      if (picture.Compressed != (bytes[0] != 0))
        std::abort();
      break;
    }
    }
  } catch (const EReadError&) {
  }
  return 0;
}
