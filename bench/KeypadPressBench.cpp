// Keypad press to painted score field on Tessaline's impression page: a speed button of the
// keypad pressed and released with the mouse, until the impression field the score went into is
// painted and the drawing flushed. Keys 7, .25 and 10 over and over, the fields emptied (outside
// the timing) before each round. Beside each press, measured the same way in turn, the yardstick:
// a plain Win32 button pressed and released with the mouse, whose click sets the text of a plain
// static control, until that is painted. Median and 99th percentile over 1,000 presses each, in
// milliseconds, and their ratio.
#include <winsock2.h>

#include "console/tessaline/MainForm.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningConsole.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
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

constexpr int BareButtonId = 1;

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == BareButtonId && HIWORD(wParam) == BN_CLICKED) {
    static int presses = 0;
    const std::string text = std::to_string(++presses);
    SetWindowTextA(GetDlgItem(window, BareButtonId + 1), text.c_str());
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The yardstick's window: a button and the static text its clicks change.
HWND MakeBareWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = BareWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = "MarivoBareButton";
  RegisterClassA(&windowClass);
  const HWND window =
      CreateWindowExA(0, windowClass.lpszClassName, "Bare button", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      40, 40, 300, 160, nullptr, nullptr, windowClass.hInstance, nullptr);
  CreateWindowExA(0, "BUTTON", "7", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 16, 16, 80, 40, window,
                  reinterpret_cast<HMENU>(BareButtonId), windowClass.hInstance, nullptr);
  CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 112, 24, 120, 24, window,
                  reinterpret_cast<HMENU>(BareButtonId + 1), windowClass.hInstance, nullptr);
  UpdateWindow(window);
  return window;
}

double BarePress(HWND window) {
  const HWND button = GetDlgItem(window, BareButtonId);
  const HWND text = GetDlgItem(window, BareButtonId + 1);
  const LPARAM middle = MAKELPARAM(40, 20);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  SendMessageA(button, WM_MOUSEMOVE, 0, middle);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  SendMessageA(button, WM_LBUTTONUP, 0, middle);
  UpdateWindow(text);
  GdiFlush();
  return MillisecondsSince(start);
}

double Percentile(std::vector<double> milliseconds, std::size_t percent) {
  std::sort(milliseconds.begin(), milliseconds.end());
  return milliseconds[milliseconds.size() * percent / 100];
}

void PrintFigures(const char* label, const std::vector<double>& milliseconds) {
  std::printf("  %-28s median %8.3f ms  p99 %8.3f ms\n", label, Percentile(milliseconds, 50),
              Percentile(milliseconds, 99));
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

  const HWND bareWindow = MakeBareWindow();
  std::vector<double> milliseconds;
  std::vector<double> bare;
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
      bare.push_back(BarePress(bareWindow));
      console.App().ProcessMessages();
    }
  }
  std::printf("Keypad press to painted score field (%zu presses, Tessaline impression page), in "
              "turn with a bare Win32 button press to a static text repainted\n",
              milliseconds.size());
  PrintFigures("Tessaline keypad", milliseconds);
  PrintFigures("bare Win32 button", bare);
  std::printf("  ratio of the medians x%.2f\n",
              Percentile(milliseconds, 50) / Percentile(bare, 50));
  return 0;
}
