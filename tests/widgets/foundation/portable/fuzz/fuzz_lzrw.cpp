// Any block expands without leaving its buffers or raises EReadError; any data compresses into
// at most one byte more and expands back to itself.
#include "platform/rtl/Exceptions.h"
#include "widgets/foundation/portable/MVWBlockCodec.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marivo;
  FuzzedDataProvider provider(data, size);
  const bool roundTrip = provider.ConsumeBool();
  const std::size_t capacity = provider.ConsumeIntegralInRange<std::size_t>(0, 40000);
  std::vector<std::uint8_t> input = provider.ConsumeRemainingBytes<std::uint8_t>();
  if (input.size() > 65535)
    input.resize(65535);
  const auto count = static_cast<std::uint16_t>(input.size());

  if (!roundTrip) {
    std::vector<std::uint8_t> output(capacity);
    try {
      if (LZRWDecompress(input.data(), output.data(), input.size(), capacity) > capacity)
        std::abort();
    } catch (const EReadError&) {
    }
    return 0;
  }
  std::vector<std::uint8_t> block(input.size() + 6);
  const std::size_t length = LZRWCompress(input.data(), block.data(), count);
  if (length > input.size() + 1u)
    std::abort();
  std::vector<std::uint8_t> expanded(input.size());
  const std::size_t expandedSize =
      LZRWDecompress(block.data(), expanded.data(), length, expanded.size());
  if (expandedSize != input.size() ||
      (expandedSize > 0 && std::memcmp(expanded.data(), input.data(), expandedSize) != 0))
    std::abort();
  return 0;
}
