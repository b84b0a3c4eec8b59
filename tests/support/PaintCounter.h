#pragma once

#include "platform/ui/Controls.h"

#include <map>
#include <string>

#include <windows.h>

namespace marivo::test {

// Counts the paints (WM_PAINT, WM_PRINTCLIENT) and erases each window of this thread gets while
// the counter lives, windows made from form data included, and the paints of window-less
// controls through their parent. One counter at a time.
class TPaintCounter {
public:
  TPaintCounter() {
    Current = this;
    Sent_ = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
    Taken_ = SetWindowsHookExA(WH_GETMESSAGE, TakenHook, nullptr, GetCurrentThreadId());
    SetGraphicPaintSeam(
        [this](TGraphicControl& control) { ++Counted(&control, Label(control)).Paints; });
  }
  ~TPaintCounter() {
    SetGraphicPaintSeam(nullptr);
    UnhookWindowsHookEx(Taken_);
    UnhookWindowsHookEx(Sent_);
    Current = nullptr;
  }
  TPaintCounter(const TPaintCounter&) = delete;
  TPaintCounter& operator=(const TPaintCounter&) = delete;

  // "name: n paints, m erases" for every control painted or erased more than once.
  std::string Repeated() const {
    std::string repeated;
    for (const auto& [key, counted] : Counts_)
      if (counted.Paints > 1 || counted.Erases > 1)
        repeated += counted.Label + ": " + std::to_string(counted.Paints) + " paints, " +
                    std::to_string(counted.Erases) + " erases\n";
    return repeated;
  }

private:
  struct TCounted {
    std::string Label;
    int Paints = 0;
    int Erases = 0;
  };

  // Named when first seen: a notice form may be gone by the time the counts are read. Controls
  // made at run time (a group's buttons) go by their caption.
  static std::string Label(const TControl& control) {
    return control.Name().empty() ? "'" + control.Caption() + "'" : control.Name();
  }
  TCounted& Counted(const void* key, const std::string& label) {
    auto [entry, added] = Counts_.try_emplace(key);
    if (added)
      entry->second.Label = label;
    return entry->second;
  }
  void Count(HWND window, UINT msg) {
    if (msg != WM_PAINT && msg != WM_PRINTCLIENT && msg != WM_ERASEBKGND)
      return;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    const TWinControl* control = FindControl(window);
    TCounted& counted = Counted(window, control ? Label(*control) + " (" + className + ")"
                                                : std::string(className));
    ++(msg == WM_ERASEBKGND ? counted.Erases : counted.Paints);
  }
  static LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
      const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
      Current->Count(sent->hwnd, sent->message);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  // A WM_PAINT taken from the queue is dispatched, not sent.
  static LRESULT CALLBACK TakenHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
      const auto* taken = reinterpret_cast<const MSG*>(lParam);
      if (taken->message == WM_PAINT)
        Current->Count(taken->hwnd, taken->message);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline TPaintCounter* Current = nullptr;
  HHOOK Sent_ = nullptr;
  HHOOK Taken_ = nullptr;
  std::map<const void*, TCounted> Counts_;
};

} // namespace marivo::test
