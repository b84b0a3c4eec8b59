// The traffic log gains a line per frame for a whole event: the time to add one must not grow
// with the lines already there. Times a line added at 100 lines and at 20,000.
#include <winsock2.h>

#include "console/tessaline/MainForm.h"
#include "platform/ui/Dialogs.h"
#include "tests/support/RunningConsole.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

int main() {
  using namespace marivo;
  using Clock = std::chrono::steady_clock;
  constexpr int Timed = 200;
  SetMessageBoxHandler([](const std::string&, const std::string&, unsigned) { return IDOK; });
  test::TRunningConsole console;
  console.Start();
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  // The log is drawn only while the details panel shows it.
  MainForm->PanelDetails->Show();
  const std::string frame = "client:\x01TPFREEZEL \x02\x04";
  const auto microsecondsPerLine = [&] {
    const auto start = Clock::now();
    for (int i = 0; i < Timed; ++i)
      MainForm->LogTraffic(frame);
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / Timed;
  };
  while (MainForm->LogFile->Lines().Count() < 100)
    MainForm->LogTraffic(frame);
  const double early = microsecondsPerLine();
  while (MainForm->LogFile->Lines().Count() < 20000)
    MainForm->LogTraffic(frame);
  const double late = microsecondsPerLine();
  std::printf("traffic log under Wine, %d lines timed each:\n", Timed);
  std::printf("  one line added at 100 lines:    %.1f us\n", early);
  std::printf("  one line added at 20,000 lines: %.1f us\n", late);
  std::printf("  ratio: %.2f\n", late / early);
  return 0;
}
