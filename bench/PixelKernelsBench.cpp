// Throughput of the 24-bit pixel kernels over a 1366 x 768 picture kept four bytes a pixel, as
// bitmaps keep it, in place and into a second picture, beside a plain copy of the same bytes.
// Best of five passes, in MB of picture per second.
#include "widgets/foundation/portable/MVWPixelKernels.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace {

using namespace marivo;
using Clock = std::chrono::steady_clock;

constexpr int Width = 1366;
constexpr int Height = 768;
constexpr std::size_t Bytes = std::size_t{Width} * Height * 4;

double MegabytesPerSecond(const std::function<void()>& pass) {
  double best = 1e9;
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    pass();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return static_cast<double>(Bytes) / 1e6 / best;
}

} // namespace

int main() {
  std::vector<std::uint8_t> first(Bytes), second(Bytes);
  std::mt19937 random(3);
  for (std::uint8_t& byte : first)
    byte = static_cast<std::uint8_t>(random());
  second = first;
  const TMVWPixelRows one{first.data(), Width * 4, Width, Height, 4};
  const TMVWPixelRows two{second.data(), Width * 4, Width, Height, 4};
  const TMVWRect all{0, 0, Width, Height};
  using TKernel = void (*)(const TMVWPixelRows&, const TMVWRect&, const TMVWPixelRows&, TMVWPoint);
  const struct {
    const char* Name;
    TKernel Kernel;
  } kernels[] = {{"grey", GrayScalePixels},
                 {"mirror columns", MirrorPixelColumns},
                 {"mirror rows", MirrorPixelRows},
                 {"invert", InvertPixels}};
  std::printf("Pixel kernels on %d x %d, 4 bytes a pixel (best of 5), MB/s\n", Width, Height);
  std::printf("  %-16s %10.0f\n", "memcpy",
              MegabytesPerSecond([&] { std::memcpy(second.data(), first.data(), Bytes); }));
  for (const auto& k : kernels)
    std::printf("  %-16s in place %10.0f   into another %10.0f\n", k.Name, MegabytesPerSecond([&] {
                  k.Kernel(one, all, one, {0, 0});
                }),
                MegabytesPerSecond([&] {
                  k.Kernel(one, all, two, {0, 0});
                }));
  std::printf("  %-16s in place %10.0f   into another %10.0f\n", "brighten 40",
              MegabytesPerSecond([&] {
                BrightenPixels(one, all, one, 40, {0, 0});
              }),
              MegabytesPerSecond([&] {
                BrightenPixels(one, all, two, 40, {0, 0});
              }));
  std::printf("  %-16s in place %10.0f   into another %10.0f\n", "blend 0.6",
              MegabytesPerSecond([&] {
                BlendPixels(one, two, all, {0, 0}, 0.6, one, {0, 0});
              }),
              MegabytesPerSecond([&] {
                BlendPixels(one, one, all, {0, 0}, 0.6, two, {0, 0});
              }));
  return 0;
}
