// Throughput of the widget library's block codec and compressed streams, beside a plain copy of
// the same bytes: blocks of 32,781 bytes and 16 MB streams of text-like, low-entropy and random
// data, compressed and expanded on one core.
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWBlockCodec.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace marivo;
using Clock = std::chrono::steady_clock;
using TBytes = std::vector<std::uint8_t>;

constexpr std::size_t StreamSize = 16 * 1024 * 1024;

TBytes TextLike(std::size_t count) {
  static const char* const words[] = {
      "judge ", "score ",      "routine ", "element ",   "team ",      "0.25\x11",   "FREE",
      "TECH",   "Impression ", "\r\n",     "Aqua Club;", "Anna Berg;", "2.3500\x12", "TRE 1\x12"};
  std::mt19937 random(1);
  TBytes bytes;
  bytes.reserve(count + 16);
  while (bytes.size() < count) {
    const std::string word = words[random() % 14];
    bytes.insert(bytes.end(), word.begin(), word.end());
  }
  bytes.resize(count);
  return bytes;
}

TBytes LowEntropy(std::size_t count) {
  std::mt19937 random(2);
  TBytes bytes(count);
  std::uint8_t value = 0;
  for (std::uint8_t& byte : bytes) {
    if (random() % 64 == 0)
      value = static_cast<std::uint8_t>(random() % 4);
    byte = value;
  }
  return bytes;
}

TBytes Random(std::size_t count) {
  std::mt19937 random(3);
  TBytes bytes(count);
  for (std::uint8_t& byte : bytes)
    byte = static_cast<std::uint8_t>(random());
  return bytes;
}

// Megabytes of source per second for action run over totalBytes, best of three runs.
double Rate(std::size_t totalBytes, const std::function<void()>& action) {
  double best = 0;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    action();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    best = std::max(best, totalBytes / seconds / 1e6);
  }
  return best;
}

void Report(const char* data, const TBytes& source) {
  volatile std::uint8_t sink = 0;
  const std::size_t blockSize = MVWBlockSize;
  const std::size_t blocks = source.size() / blockSize;
  const std::size_t blockBytes = blocks * blockSize;
  std::vector<TBytes> packed(blocks, TBytes(blockSize + 6));
  std::vector<std::size_t> lengths(blocks);
  TBytes copy(blockSize);
  TBytes expanded(blockSize);

  const double memcpyRate = Rate(blockBytes, [&] {
    for (std::size_t b = 0; b < blocks; ++b) {
      std::memcpy(copy.data(), source.data() + b * blockSize, blockSize);
      sink = sink + copy[b % blockSize];
    }
  });
  const double compressRate = Rate(blockBytes, [&] {
    for (std::size_t b = 0; b < blocks; ++b)
      lengths[b] = LZRWCompress(source.data() + b * blockSize, packed[b].data(),
                                static_cast<std::uint16_t>(blockSize));
  });
  const double expandRate = Rate(blockBytes, [&] {
    for (std::size_t b = 0; b < blocks; ++b)
      sink = sink + static_cast<std::uint8_t>(LZRWDecompress(packed[b].data(), expanded.data(),
                                                             lengths[b], expanded.size()));
  });
  std::size_t packedBytes = 0;
  for (const std::size_t length : lengths)
    packedBytes += length;

  TMemoryStream input;
  input.WriteBuffer(source.data(), static_cast<std::int64_t>(source.size()));
  TMemoryStream compressed;
  const double streamCompressRate = Rate(source.size(), [&] {
    input.SetPosition(0);
    compressed.Clear();
    CompressStream(input, compressed, input.Size());
  });
  TMemoryStream output;
  const double streamExpandRate = Rate(source.size(), [&] {
    compressed.SetPosition(0);
    output.Clear();
    DecompressStream(compressed, output);
  });
  if (output.Data() != source)
    std::printf("  %s: the stream did not expand to its source!\n", data);

  std::printf("%-12s memcpy %8.0f MB/s | blocks: compress %7.1f MB/s, expand %7.1f MB/s, ratio "
              "%5.3f | 16 MB stream: compress %7.1f MB/s, expand %7.1f MB/s, ratio %5.3f\n",
              data, memcpyRate, compressRate, expandRate,
              static_cast<double>(packedBytes) / blockBytes, streamCompressRate, streamExpandRate,
              static_cast<double>(compressed.Size()) / source.size());
}

} // namespace

int main() {
  std::printf("Block codec, %zu-byte blocks, one core (MB of source per second; ratio = "
              "compressed / source)\n",
              static_cast<std::size_t>(MVWBlockSize));
  Report("text-like", TextLike(StreamSize));
  Report("low-entropy", LowEntropy(StreamSize));
  Report("random", Random(StreamSize));
  return 0;
}
