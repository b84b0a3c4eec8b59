// Page switch to painted: Tessaline turning from its Opening page to an element judge's page,
// until every window is painted and the drawing flushed, beside the way back (F9) untimed.
// Median and 90th percentile over 100 switches, in milliseconds.
#include <winsock2.h>

#include "console/tessaline/MainForm.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningConsole.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
  using namespace marivo;
  using Clock = std::chrono::steady_clock;
  constexpr int Switches = 100;

  test::TRunningConsole console;
  console.Start();
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  MainForm->ClientChoice->SetItemIndex(0);
  if (!test::PumpUntilDrawn()) {
    std::fprintf(stderr, "the Opening page was not painted\n");
    return 1;
  }
  std::vector<double> milliseconds;
  for (int i = 0; i < Switches; ++i) {
    const auto start = Clock::now();
    MainForm->ShowRolePage();
    const bool drawn = test::PumpUntilDrawn();
    GdiFlush();
    milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    WORD key = VK_F9;
    MainForm->FormKeyDown(MainForm, key, 0);
    if (!drawn || !test::PumpUntilDrawn()) {
      std::fprintf(stderr, "a page was not painted\n");
      return 1;
    }
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("Page switch, Opening to element judge's page, to painted (%zu switches)\n",
              milliseconds.size());
  std::printf("  median %8.3f ms\n", milliseconds[milliseconds.size() / 2]);
  std::printf("  p90    %8.3f ms\n", milliseconds[milliseconds.size() * 9 / 10]);
  return 0;
}
