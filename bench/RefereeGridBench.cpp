// What owner drawing costs the referee: building and painting the referee's grid for 99 elements,
// against painting the same grid as a plain grid draws itself.
#include <winsock2.h>

#include "console/common/protocol/Protocol.h"
#include "console/tessaline/MainForm.h"
#include "platform/ui/Dialogs.h"
#include "tests/support/RunningConsole.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The median of a number of runs, in milliseconds.
double MedianMs(int runs, const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    run();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

} // namespace

int main() {
  using namespace marivo;
  constexpr int Elements = 99;
  constexpr int Runs = 30;
  SetMessageBoxHandler([](const std::string&, const std::string&, unsigned) { return IDOK; });
  test::TRunningConsole console;
  console.Start();
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  MainForm->ClientChoice->SetItemIndex(17);
  MainForm->ShowRolePage();

  std::string payload = std::to_string(Elements) + DC1;
  for (int i = 0; i < Elements; ++i)
    for (const char* item : {"0:10-0:20", "HYBRID", "T5a C2c+ C2a+*0.5 F1 2PR", "4PC", "2.1", "1"})
      payload += std::string(item) + DC2;
  const std::string frame = std::string(1, SOH) + "AEFREEZEL " + STX + payload + EOT;
  TStringGrid& grid = *MainForm->GridReferee;
  for (int row = 1; row <= Elements; ++row)
    for (int col = 4; col < grid.ColCount(); ++col)
      grid.SetCells(col, row, col < 9 ? "7.50" : "10001");
  const auto paint = [&grid] {
    RedrawWindow(grid.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  };

  const double first = MedianMs(1, [&] {
    MainForm->DispatchFrame(frame);
    paint();
  });
  const double owner = MedianMs(Runs, [&] {
    MainForm->DispatchFrame(frame);
    paint();
  });
  const double ownerPaint = MedianMs(Runs, paint);
  grid.OnDrawCell = nullptr;
  grid.SetDefaultDrawing(true);
  const double plain = MedianMs(Runs, paint);
  std::printf("referee's grid, %d elements, median of %d runs under Wine:\n", Elements, Runs);
  std::printf("  first build and paint:       %.2f ms (every text measured)\n", first);
  std::printf("  build and owner-drawn paint: %.2f ms\n", owner);
  std::printf("  owner-drawn paint alone:     %.2f ms\n", ownerPaint);
  std::printf("  plain paint:                 %.2f ms\n", plain);
  std::printf("  ratio build+paint / plain:   %.1f\n", owner / plain);
  return 0;
}
