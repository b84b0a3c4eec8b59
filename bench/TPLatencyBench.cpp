// How fast the console answers the server's presence poll: the fake server sends TP after TP,
// each when the answer to the previous one has arrived, and times every round trip.
#include <winsock2.h>

#include "console/common/protocol/Protocol.h"
#include "console/tessaline/MainForm.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/RunningConsole.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

int main() {
  using namespace marivo;
  using Clock = std::chrono::steady_clock;
  constexpr int Polls = 2000;

  test::TRunningConsole console;
  console.Start();
  MainForm->Timer1Timer(MainForm);
  console.ChooseLocalServer();
  test::TFakeMeetServer server;
  if (!console.ConnectTo(server)) {
    std::fprintf(stderr, "the console did not connect\n");
    return 1;
  }

  std::vector<double> microseconds;
  std::atomic<bool> done = false;
  std::thread poller([&] {
    const std::string poll = std::string(1, SOH) + "TPFREEZEL " + STX + EOT;
    for (int i = 0; i < Polls; ++i) {
      const auto start = Clock::now();
      server.Send(poll);
      if (!server.WaitForFrames(static_cast<std::size_t>(i) + 2))
        break;
      microseconds.push_back(
          std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    done = true;
  });
  while (!done) {
    MSG message;
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0)
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
  }
  poller.join();

  if (microseconds.size() != Polls) {
    std::fprintf(stderr, "only %zu of %d polls were answered\n", microseconds.size(), Polls);
    return 1;
  }
  std::sort(microseconds.begin(), microseconds.end());
  std::printf("TP -> CS round trips: %d, median %.0f us, 99th percentile %.0f us, worst %.0f us\n",
              Polls, microseconds[Polls / 2], microseconds[Polls * 99 / 100], microseconds.back());
  return 0;
}
