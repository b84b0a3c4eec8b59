// Keystroke to painted score field: a typed digit or a Backspace sent to a focused edit with the
// score-field settings, until its text is drawn through the back buffer onto the window and the
// drawing is flushed. Median and 99th percentile over 1000 keys, in milliseconds; goal < 5 ms.
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "tests/support/MessagePump.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/foundation/MVWFoundation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace marivo;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main() {
  TMVWFoundation foundation;
  TApplication app;
  TForm form(nullptr);
  form.SetBounds(40, 40, 400, 200);
  auto* score = new TMVWEdit(&form);
  score->SetParent(&form);
  score->SetBounds(20, 20, 160, 60);
  score->Font().SetName("Arial");
  score->Font().SetSize(28);
  score->Font().SetStyle(fsBold);
  score->SetMaxLength(4);
  score->SetCharCase(ecUpperCase);
  score->Caret().SetBlinkRate(530);
  form.Show();
  Application->ProcessMessages();
  if (!test::TakeFocus(score->Handle())) {
    std::printf("the score field did not get the focus\n");
    return 1;
  }
  std::vector<double> times;
  const HWND window = score->Handle();
  for (int i = 0; i < 500; ++i) {
    auto start = Clock::now();
    SendMessageA(window, WM_CHAR, '0' + i % 10, 0);
    GdiFlush();
    times.push_back(Milliseconds(start));
    start = Clock::now();
    SendMessageA(window, WM_KEYDOWN, VK_BACK, 0);
    GdiFlush();
    times.push_back(Milliseconds(start));
    Application->ProcessMessages();
  }
  std::sort(times.begin(), times.end());
  std::printf("Keystroke to painted score field (%zu keys)\n", times.size());
  std::printf("  median %8.3f ms\n", times[times.size() / 2]);
  std::printf("  p99    %8.3f ms\n", times[times.size() * 99 / 100]);
  return 0;
}
