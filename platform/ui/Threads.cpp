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
  // Suspended until the handle is stored: a thread that frees itself may end at once.
  Handle_ = CreateThread(nullptr, 0, &TThread::ThreadProc, this, CREATE_SUSPENDED, nullptr);
  if (!Handle_)
    throw EInvalidOperation("Cannot create a thread");
  ResumeThread(Handle_);
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
