#include "tests/support/ModalScript.h"

#include "tests/support/MessagePump.h"

#include <windows.h>

#include <chrono>

namespace marivo::test {

namespace {

using TClock = std::chrono::steady_clock;
constexpr auto StepLimit = GenerousWait;

struct TScript {
  TForm* Form = nullptr;
  std::vector<std::function<bool()>> Steps;
  std::size_t Next = 0;
  TClock::time_point Deadline;
  bool Busy = false;
};

TScript* Running = nullptr;

// A tick already queued when the script ended finds nothing to run; one that comes while a step
// pumps messages itself waits for the next.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!Running || Running->Busy || !Running->Form->Visible() ||
      Running->Form->ModalResult() != mrNone)
    return;
  TScript& script = *Running;
  script.Busy = true;
  const bool done = script.Next < script.Steps.size() && script.Steps[script.Next]();
  script.Busy = false;
  if (done) {
    ++script.Next;
    script.Deadline = TClock::now() + StepLimit;
  } else if (TClock::now() > script.Deadline) {
    script.Form->SetModalResult(mrTimedOut);
  }
}

} // namespace

void ScriptModal(TForm& form, std::vector<std::function<bool()>> steps,
                 const std::function<void()>& action) {
  TScript script{&form, std::move(steps), 0, TClock::now() + StepLimit, false};
  struct TRun {
    UINT_PTR Timer;
    ~TRun() {
      KillTimer(nullptr, Timer);
      Running = nullptr;
    }
  };
  Running = &script;
  const TRun run{SetTimer(nullptr, 0, 20, &Tick)};
  action();
}

TModalResult ShowModalWith(TForm& form, std::vector<std::function<bool()>> steps) {
  TModalResult result = mrNone;
  ScriptModal(form, std::move(steps), [&] { result = form.ShowModal(); });
  return result;
}

} // namespace marivo::test
