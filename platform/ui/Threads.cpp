#include "platform/ui/Threads.h"

#include "platform/rtl/Exceptions.h"

namespace marivo {

TThread::TThread() = default;

TThread::~TThread() {
  if (Handle_)
    CloseHandle(Handle_);
}

void TThread::Start() {
  if (Handle_)
    throw EInvalidOperation("Thread already started");
  Handle_ = CreateThread(nullptr, 0, &TThread::ThreadProc, this, 0, nullptr);
  if (!Handle_)
    throw EInvalidOperation("Cannot create a thread");
}

void TThread::WaitFor() {
  if (Handle_)
    WaitForSingleObject(Handle_, INFINITE);
}

DWORD WINAPI TThread::ThreadProc(LPVOID parameter) {
  auto* thread = static_cast<TThread*>(parameter);
  try {
    thread->Execute();
  } catch (...) {
    // Execute reports its own failures; an escaped error must not end the program.
  }
  if (thread->FreeOnTerminate_)
    delete thread;
  return 0;
}

} // namespace marivo
