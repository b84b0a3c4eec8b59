// Keypad press to painted score field on Tessaline's impression page: a speed button of the
// keypad pressed and released with the mouse, until the impression field the score went into is
// painted and the drawing flushed. Keys 7, .25 and 10 over and over, the fields emptied (outside
// the timing) before each round. Median and 99th percentile over 1,000 presses, in milliseconds.
#include <winsock2.h>

#include "console/tessaline/MainForm.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningConsole.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double MillisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

} // namespace

int main() {
  using namespace marivo;
  constexpr int Presses = 1000;
  const char* const round[] = {"DETSCORE7", "DETSCORE25", "DETSCORE10"};

  test::TRunningConsole console;
  console.Start();
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  console.ChooseLocalServer();
  MainForm->ClientChoice->SetItemIndex(5);
  MainForm->ClientChoiceChange(MainForm, MainForm->ClientChoice->ItemIndex());
  test::TFakeMeetServer server;
  if (!console.ConnectTo(server)) {
    std::fprintf(stderr, "the console did not connect\n");
    return 1;
  }
  console.App().ProcessMessages();

  std::vector<double> milliseconds;
  while (milliseconds.size() < Presses) {
    for (TMVWEdit* field : MainForm->ImpressionEdits)
      field->SetText("");
    MainForm->ScoreCursor = 1;
    console.App().ProcessMessages();
    for (const char* key : round) {
      if (milliseconds.size() == Presses)
        break;
      TMVWEdit& field = *MainForm->ImpressionEdits.at(MainForm->ScoreCursor - 1);
      const std::string before = field.GetText();
      LARGE_INTEGER start;
      QueryPerformanceCounter(&start);
      test::ClickWithMouse(NamedComponent<TControl>(*MainForm, key));
      UpdateWindow(field.Handle());
      GdiFlush();
      milliseconds.push_back(MillisecondsSince(start));
      if (field.GetText() == before) {
        std::fprintf(stderr, "%s did not change the score field\n", key);
        return 1;
      }
      console.App().ProcessMessages();
    }
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("Keypad press to painted score field (%zu presses, Tessaline impression page)\n",
              milliseconds.size());
  std::printf("  median %8.3f ms\n", milliseconds[milliseconds.size() / 2]);
  std::printf("  p99    %8.3f ms\n", milliseconds[milliseconds.size() * 99 / 100]);
  return 0;
}
