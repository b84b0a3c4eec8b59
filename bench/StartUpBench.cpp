// Start-up seen from outside, as the official sees it: from CreateProcess until a window of the
// program with the given text (the consoles' Opening page) is visible, its thread is back in its
// message loop and no window of it waits for a paint. Each program runs in turn, round after
// round, so that a busy spell of the machine spreads over all of them; then the program is
// killed (the consoles ask before they close). Medians, and their ratio to the first program;
// beside them, how long the marked window stood visible before it was all painted.
//
//   bench_start_up <runs> "label|program path|window text" ...
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto StartUpLimit = std::chrono::seconds(60);

struct TProgram {
  std::string Label;
  std::string Path;
  std::string MarkerText;
  std::vector<double> Milliseconds;
  std::vector<double> VisibleToPainted;
};

std::optional<TProgram> ParseProgram(const std::string& argument) {
  const auto first = argument.find('|');
  const auto second = argument.find('|', first == std::string::npos ? first : first + 1);
  if (first == std::string::npos || second == std::string::npos)
    return std::nullopt;
  return TProgram{argument.substr(0, first),
                  argument.substr(first + 1, second - first - 1),
                  argument.substr(second + 1),
                  {},
                  {}};
}

struct TSearch {
  DWORD Process;
  std::wstring MarkerText;
  HWND Found = nullptr;
};

// Reads the text the window holds without asking its thread, which may be busy starting up.
std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  InternalGetWindowText(window, text, 256);
  return text;
}

BOOL CALLBACK FindMarkerChild(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<TSearch*>(search);
  if (IsWindowVisible(window) && TextOf(window) == wanted.MarkerText) {
    wanted.Found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindMarkerWindow(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<TSearch*>(search);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != wanted.Process || !IsWindowVisible(window))
    return TRUE;
  if (TextOf(window) == wanted.MarkerText)
    wanted.Found = window;
  else
    EnumChildWindows(window, FindMarkerChild, search);
  if (wanted.Found) {
    wanted.Found = window;
    return FALSE;
  }
  return TRUE;
}

// The top-level window that shows the marker, or nullptr while none does.
HWND MarkedWindow(DWORD process, const std::string& markerText) {
  TSearch search{process, std::wstring(markerText.begin(), markerText.end())};
  EnumWindows(FindMarkerWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM unpainted) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(unpainted) = true;
    return FALSE;
  }
  return TRUE;
}

// Idle in its message loop with nothing left to paint in the window or in any child.
bool Drawn(HWND window) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer))
    return false;
  bool unpainted = GetUpdateRect(window, nullptr, FALSE);
  if (!unpainted)
    EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

struct TStartUp {
  double Painted;
  double VisibleToPainted;
};

std::optional<TStartUp> StartUpMilliseconds(const TProgram& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program.Path + "\"";
  const std::string folder = FolderOf(program.Path);
  const auto start = Clock::now();
  if (!CreateProcessA(program.Path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "%s: could not start %s (error %lu)\n", program.Label.c_str(),
                 program.Path.c_str(), GetLastError());
    return std::nullopt;
  }
  WaitForInputIdle(process.hProcess, 10000);
  const auto since = [](Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
  };
  std::optional<Clock::time_point> visible;
  std::optional<TStartUp> elapsed;
  while (Clock::now() - start < StartUpLimit) {
    const HWND window = MarkedWindow(process.dwProcessId, program.MarkerText);
    if (window && !visible)
      visible = Clock::now();
    if (window && Drawn(window)) {
      elapsed = TStartUp{since(start), since(*visible)};
      break;
    }
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
      break;
  }
  if (!elapsed)
    std::fprintf(stderr, "%s: no window \"%s\" drawn\n", program.Label.c_str(),
                 program.MarkerText.c_str());
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
  std::vector<TProgram> programs;
  for (int i = 2; i < argc; ++i)
    if (auto program = ParseProgram(argv[i]))
      programs.push_back(*program);
  if (runs < 1 || programs.empty()) {
    std::fprintf(stderr, "usage: bench_start_up <runs> \"label|program|window text\" ...\n");
    return 2;
  }
  for (int run = 0; run < runs; ++run)
    for (TProgram& program : programs)
      if (const auto elapsed = StartUpMilliseconds(program)) {
        program.Milliseconds.push_back(elapsed->Painted);
        program.VisibleToPainted.push_back(elapsed->VisibleToPainted);
      }
  if (programs.front().Milliseconds.empty())
    return 1;

  const double yardstick = Median(programs.front().Milliseconds);
  std::printf("Start-up to the first page drawn, median of %d runs (shared machine: noisy)\n",
              runs);
  for (const TProgram& program : programs) {
    if (program.Milliseconds.empty()) {
      std::printf("  %-22s did not start up\n", program.Label.c_str());
      continue;
    }
    const double median = Median(program.Milliseconds);
    std::printf(
        "  %-22s %8.1f ms  x%5.2f  (fastest %.1f ms, %zu runs; visible to painted %.1f ms)\n",
        program.Label.c_str(), median, median / yardstick,
        *std::min_element(program.Milliseconds.begin(), program.Milliseconds.end()),
        program.Milliseconds.size(), Median(program.VisibleToPainted));
  }
  return 0;
}
