#pragma once

#include <windows.h>

#include <atomic>

namespace marivo {

// A thread of the program, created suspended: Start runs Execute on it. An error that escapes
// Execute ends the thread quietly; it must never unwind into the system's thread start.
class TThread {
public:
  TThread();
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  void Start();
  // Asks Execute to finish; Execute looks at Terminated() to know.
  void Terminate() { Terminated_ = true; }
  bool Terminated() const { return Terminated_; }
  // The object frees itself when Execute ends; nobody may touch it after Start then.
  void SetFreeOnTerminate(bool value) { FreeOnTerminate_ = value; }

protected:
  virtual void Execute() = 0;

private:
  static DWORD WINAPI ThreadProc(LPVOID parameter);

  HANDLE Handle_ = nullptr;
  std::atomic<bool> Terminated_ = false;
  bool FreeOnTerminate_ = false;
};

} // namespace marivo
