// Time of one gradient fill over a 1366 x 768 screen-sized bitmap: elliptic with 64 colours (the
// fill panels' style) and vertical with 236 (the most a two-colour gradient has), drawn directly
// and through the off-screen buffer. Best of five fills, in milliseconds.
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWGradient.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using namespace marivo;
using Clock = std::chrono::steady_clock;

double FillMilliseconds(TMVWGradientStyle style, int colors, std::uint16_t flags) {
  TMVWGradient gradient;
  gradient.SetColor(clNavy);
  gradient.SetEndColor(clAqua);
  gradient.SetColorCount(static_cast<TMVWColorCount>(colors));
  TBitmap target;
  target.SetSize(1366, 768);
  double best = 1e9;
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    FillGradientRect(target.Canvas(), {0, 0, 1366, 768}, style, 0, flags, nullptr,
                     &gradient.StepColors());
    GdiFlush();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

} // namespace

int main() {
  struct TCase {
    const char* Name;
    TMVWGradientStyle Style;
    int Colors;
  };
  const TCase cases[] = {{"elliptic, 64 colours", gstElliptic, 64},
                         {"vertical, 236 colours", gstVertical, 236}};
  std::printf("FillGradientRect on 1366 x 768 (best of 5)\n");
  for (const TCase& c : cases)
    for (const bool buffered : {false, true})
      std::printf("  %-24s %-12s %8.2f ms\n", c.Name, buffered ? "buffered" : "direct",
                  FillMilliseconds(c.Style, c.Colors, buffered ? GradientBuffered : 0));
  return 0;
}
